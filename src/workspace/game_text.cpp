#include "workspace/game_text.h"

#include "workspace/platform.h"
#include "workspace/program_info.h"
#include "workspace/rom_file.h"

#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>
#include <sys/stat.h>

namespace {

std::array<QString, 256> LoadCharTable() {
    std::array<QString, 256> t;
    t[0x03] = QStringLiteral(" ");
    t[0x06] = QStringLiteral("*");
    t[0x8F] = QString(QChar(0x00A9));
    for (int i = 0; i < 10; ++i)
        t[0x90 + i] = QString(QChar('0' + i));
    for (int i = 0; i < 26; ++i) {
        t[0x9A + i] = QString(QChar('A' + i));
        t[0xB4 + i] = QString(QChar('a' + i));
    }
    t[0xCE] = QStringLiteral("!");
    t[0xCF] = QStringLiteral("?");
    t[0xD0] = QStringLiteral(",");
    t[0xD1] = QStringLiteral("'");
    t[0xD2] = QStringLiteral(".");
    t[0xD6] = QStringLiteral(":");
    t[0xD7] = QStringLiteral("...");
    t[0xD8] = QStringLiteral("/");
    t[0xDA] = QStringLiteral("-");
    t[0xDB] = QStringLiteral("&");
    t[0xDC] = QStringLiteral("%");
    t[0xFE] = QStringLiteral("|");
    t[0xFF] = QStringLiteral("_");
    return t;
}

// The first byte whose whole entry is this one character; the three-character
// entry of 0xD7 never matches, so "..." is stored as three full stops.
std::optional<std::uint8_t> encode(char32_t c) {
    const auto& table = GameText::CharTable();
    for (int b = 0; b < 256; ++b) {
        if (table[b].size() == 1 && table[b][0].unicode() == c)
            return static_cast<std::uint8_t>(b);
    }
    return std::nullopt;
}

// Bytes without a character vanish; 0xD7 gives three.
QString decode(QByteArrayView bytes) {
    QString text;
    text.reserve(bytes.size());
    for (const char byte : bytes)
        text += GameText::CharTable()[static_cast<std::uint8_t>(byte)];
    return text;
}

} // namespace

GameText::GameText(RomFile& rom, QString tableFile, Platform& platform)
    : rom_(rom), tableFile_(std::move(tableFile)), tableFileNative_(QFile::encodeName(tableFile_)),
      platform_(platform) {}

const std::array<QString, 256>& GameText::CharTable() {
    static const std::array<QString, 256> table = LoadCharTable();
    return table;
}

void GameText::checkTableFile() const {
    struct stat st {};
    if (::stat(tableFileNative_.constData(), &st) != 0 || !S_ISREG(st.st_mode))
        CheckDataFile(tableFile_, platform_);
}

QString GameText::ReadText(std::int32_t offset, std::int16_t length) const {
    checkTableFile();
    return decode(rom_.readBlock(offset, length));
}

QStringList GameText::ReadTable(std::int32_t base, std::int32_t stride, std::int16_t length,
                                int count) const {
    checkTableFile();
    if (count <= 0 || length <= 0)
        return QStringList(std::max(count, 0));
    const QByteArray table = rom_.readBlock(base, stride * (count - 1) + length);
    QStringList fields;
    fields.reserve(count);
    for (int k = 0; k < count; ++k)
        fields.append(decode(QByteArrayView(table).sliced(qsizetype{k} * stride, length)));
    return fields;
}

void GameText::WriteText(std::int32_t offset, const QString& text, std::int16_t length) {
    if (length <= 0)
        return;
    // One byte per character as the user sees it: an emoji is one character,
    // not the two UTF-16 units that would shift the rest of the name.
    QList<uint> work = text.toUcs4();
    work.resize(length, uint{0x20});
    // The field is read first so a character without a code keeps the byte under it.
    QByteArray field = rom_.readBlock(offset, length);
    for (int i = 0; i < length; ++i) {
        if (const auto code = encode(work[i]))
            field[i] = static_cast<char>(*code);
    }
    rom_.writeBlock(offset, field);
}

void GameText::CheckDataFile(const QString& path, Platform& platform) {
    if (QFileInfo(path).isFile())
        return;
    platform.messageBox(
        QStringLiteral("You are missing a vital data file, you will need to reinstall "
                       "the program to fix this error.  This application will now close."),
        QString::fromLatin1(ProgramInfo::AppTitle), Platform::Icon::Critical);
    platform.endProgram(1);
}
