#include "rom_fixture.h"

#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

QByteArray syntheticRomImage(qint64 size, std::uint32_t seed) {
    QByteArray image(size, '\0');
    std::uint32_t x = seed;
    for (qint64 i = 0; i < size; ++i) {
        // xorshift32: the same image on every machine
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        image[i] = static_cast<char>(x & 0xFF);
    }
    return image;
}

RomFixture::RomFixture(const QByteArray& image) {
    if (!dir_.isValid())
        throw std::runtime_error("no temporary folder");
    QFile rom(romPath());
    if (!rom.open(QIODevice::WriteOnly) || rom.write(image) != image.size())
        throw std::runtime_error("cannot write the synthetic ROM");
    const QString table = QCoreApplication::applicationDirPath() + QStringLiteral("/vx.tbl");
    if (!QFile::copy(table, tablePath()))
        throw std::runtime_error("vx.tbl is missing next to the test");
}

QByteArray RomFixture::bytes() const {
    QFile rom(romPath());
    if (!rom.open(QIODevice::ReadOnly))
        return {};
    return rom.readAll();
}

void RomFixture::setByte(qint64 offset, std::uint8_t value) {
    RomFile rom;
    rom.open(romPath());
    rom.writeByte(offset, value);
}

void RomFixture::setBytes(qint64 offset, const QByteArray& bytes) {
    RomFile rom;
    rom.open(romPath());
    rom.writeBlock(offset, bytes);
}

void RomFixture::setWord(qint64 offset, std::int16_t value) {
    RomFile rom;
    rom.open(romPath());
    rom.writeWord(offset, value);
}

void RomFixture::setText(qint64 offset, const QString& text, int length) {
    RomFile rom;
    rom.open(romPath());
    FakePlatform platform;
    GameText gameText(rom, tablePath(), platform);
    gameText.WriteText(static_cast<std::int32_t>(offset), QString(length, QLatin1Char(' ')),
                       static_cast<std::int16_t>(length));
    gameText.WriteText(static_cast<std::int32_t>(offset), text, static_cast<std::int16_t>(length));
}

QStringList imageDifferences(const QByteArray& actual, const QByteArray& expected) {
    QStringList out;
    if (actual.size() != expected.size())
        out << QStringLiteral("size %1, expected %2").arg(actual.size()).arg(expected.size());
    const qint64 n = qMin(actual.size(), expected.size());
    for (qint64 i = 0; i < n; ++i) {
        if (actual[i] != expected[i])
            out << QStringLiteral("%1: %2, expected %3")
                       .arg(i, 0, 16)
                       .arg(static_cast<std::uint8_t>(actual[i]), 2, 16, QLatin1Char('0'))
                       .arg(static_cast<std::uint8_t>(expected[i]), 2, 16, QLatin1Char('0'))
                       .toUpper();
    }
    return out;
}

void putBytes(QByteArray& image, qint64 offset, const QByteArray& bytes) {
    image.replace(offset, bytes.size(), bytes);
}

void putByte(QByteArray& image, qint64 offset, std::uint8_t value) {
    image[offset] = static_cast<char>(value);
}

void putWord(QByteArray& image, qint64 offset, std::uint16_t value) {
    putByte(image, offset, static_cast<std::uint8_t>(value & 0xFF));
    putByte(image, offset + 1, static_cast<std::uint8_t>(value >> 8));
}

ActAsOrdinaryUser::ActAsOrdinaryUser() {
    if (::geteuid() == 0)
        switched_ = ::seteuid(65534) == 0; // nobody
}

ActAsOrdinaryUser::~ActAsOrdinaryUser() {
    if (switched_ && ::seteuid(0) != 0)
        std::abort();
}

void makeReadOnly(const RomFixture& fixture) {
    QFile::setPermissions(fixture.dir(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                             QFile::ReadOther | QFile::ExeOther);
    QFile::setPermissions(fixture.romPath(), QFile::ReadOwner | QFile::ReadOther);
}

void changeOnDisk(const RomFixture& fixture, const QString& how) {
    const QString path = fixture.romPath();
    const qint64 size = QFileInfo(path).size();
    if (how == QLatin1String("replaced")) {
        const QString copy = path + QStringLiteral(".new");
        if (!QFile::copy(path, copy) ||
            ::rename(QFile::encodeName(copy).constData(), QFile::encodeName(path).constData()))
            throw std::runtime_error("cannot replace the ROM");
    } else if (how == QLatin1String("moved")) {
        QFile::rename(path, path + QStringLiteral(".moved"));
    } else if (how == QLatin1String("deleted")) {
        QFile::remove(path);
    } else if (how == QLatin1String("truncated") || how == QLatin1String("grown")) {
        QFile::resize(path, how == QLatin1String("grown") ? size + 512 : size - 100);
    }
}

namespace {

int reopenDescriptors(const QString& path, int openFlags) {
    const QString target = QFileInfo(path).canonicalFilePath();
    const QDir fds(QStringLiteral("/proc/self/fd"));
    int changed = 0;
    for (const QString& entry :
         fds.entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot)) {
        if (QFileInfo(fds.filePath(entry)).symLinkTarget() != target)
            continue;
        const int reopened = ::open(QFile::encodeName(target).constData(), openFlags | O_CLOEXEC);
        if (reopened < 0)
            continue;
        if (::dup2(reopened, entry.toInt()) >= 0)
            ++changed;
        ::close(reopened);
    }
    return changed;
}

} // namespace

int breakWrites(const QString& path) {
    return reopenDescriptors(path, O_RDONLY);
}

int breakReads(const QString& path) {
    return reopenDescriptors(path, O_WRONLY);
}

int mendAccess(const QString& path) {
    return reopenDescriptors(path, O_RDWR);
}
