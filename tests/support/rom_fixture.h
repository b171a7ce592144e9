#pragma once

#include "fake_platform.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdint>

// A deterministic headered image: pseudo-random bytes from a fixed seed.
QByteArray syntheticRomImage(qint64 size = 524800, std::uint32_t seed = 0x4B414C44u);

// A synthetic ROM written to a temporary folder beside a copy of vx.tbl.
class RomFixture {
public:
    explicit RomFixture(const QByteArray& image = syntheticRomImage());

    QString dir() const { return dir_.path(); }
    QString romPath() const { return dir_.filePath(QStringLiteral("kaldris.smc")); }
    QString tablePath() const { return dir_.filePath(QStringLiteral("vx.tbl")); }

    // The file's bytes as they are now.
    QByteArray bytes() const;
    void setByte(qint64 offset, std::uint8_t value);
    void setWord(qint64 offset, std::int16_t value);
    void setBytes(qint64 offset, const QByteArray& bytes);
    // Writes a text field through the program's own encoder.
    void setText(qint64 offset, const QString& text, int length);

private:
    QTemporaryDir dir_;
};

// Every offset where the two images differ, as "OFFSET: XX, expected YY" in hex,
// plus a line for a difference in size. Empty when the images are equal.
QStringList imageDifferences(const QByteArray& actual, const QByteArray& expected);
// Puts bytes into an expected image.
void putBytes(QByteArray& image, qint64 offset, const QByteArray& bytes);
void putByte(QByteArray& image, qint64 offset, std::uint8_t value);
// Low byte first, as the ROM stores 16-bit fields.
void putWord(QByteArray& image, qint64 offset, std::uint16_t value);

// Root may open a read-only file for writing; while one of these lives, the
// process acts as an ordinary user so file permissions hold for it as well.
class ActAsOrdinaryUser {
public:
    ActAsOrdinaryUser();
    ~ActAsOrdinaryUser();
    ActAsOrdinaryUser(const ActAsOrdinaryUser&) = delete;
    ActAsOrdinaryUser& operator=(const ActAsOrdinaryUser&) = delete;

private:
    bool switched_ = false;
};

// Opens path anew, in place of every descriptor this process holds open on it,
// read-only, write-only or (mend) for both, so each later write or read through
// it fails (EBADF) as on a failing drive, or works again. Returns how many it changed.
int breakWrites(const QString& path);
int breakReads(const QString& path);
int mendAccess(const QString& path);

// Does to the ROM on disk what another program might while it is open:
// "replaced" (a copy renamed over it), "moved" (renamed), "deleted", "truncated" (100 bytes cut),
// "grown" (512 bytes added); anything else leaves it.
void changeOnDisk(const RomFixture& fixture, const QString& how);

// Makes the ROM read-only and its folder reachable by an ordinary user.
void makeReadOnly(const RomFixture& fixture);

// Fails the test with the differing bytes listed when the two images differ.
#define KALDRIS_COMPARE_IMAGE(actual, expected)                                                    \
    do {                                                                                           \
        const QStringList differences_ = imageDifferences((actual), (expected));                   \
        QVERIFY2(differences_.isEmpty(),                                                           \
                 qPrintable(differences_.mid(0, 24).join(QStringLiteral("; "))));                  \
    } while (false)
