#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>

class Platform;
class RomFile;

// The game's one-byte text code. The map is built in; the character table file
// beside the program only has to exist.
class GameText {
public:
    // tableFile: full path of the character table file, tested before every read.
    GameText(RomFile& rom, QString tableFile, Platform& platform);

    // The display text of each game byte: empty, one character, or "..." for 0xD7.
    static const std::array<QString, 256>& CharTable();

    // Decodes length bytes at offset. Bytes without a character vanish; 0xD7 gives three.
    QString ReadText(std::int32_t offset, std::int16_t length) const;
    // Decodes count fields of length bytes, field k at base + k * stride, from one
    // read of the whole table; each field as ReadText gives it.
    QStringList ReadTable(std::int32_t base, std::int32_t stride, std::int16_t length,
                          int count) const;
    // Encodes text into [offset, offset + length): padded with spaces, cut at length.
    // A character without a code leaves the byte under it as it was.
    void WriteText(std::int32_t offset, const QString& text, std::int16_t length);

    // Ends the program with a message when no ordinary file lies at path.
    static void CheckDataFile(const QString& path, Platform& platform);

    const QString& tableFile() const { return tableFile_; }

private:
    // Ends the program when the character table file has gone, as every read must.
    void checkTableFile() const;

    RomFile& rom_;
    QString tableFile_;
    QByteArray tableFileNative_; // for the test at every read, made once
    Platform& platform_;
};
