#pragma once

#include <QByteArray>
#include <QString>
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
    // Encodes text into [offset, offset + length): padded with spaces, cut at length.
    // A character without a code leaves the byte under it as it was.
    void WriteText(std::int32_t offset, const QString& text, std::int16_t length);

    // Ends the program with a message when no ordinary file lies at path.
    static void CheckDataFile(const QString& path, Platform& platform);

    const QString& tableFile() const { return tableFile_; }

private:
    RomFile& rom_;
    QString tableFile_;
    QByteArray tableFileNative_; // for the test at every read, made once
    Platform& platform_;
};
