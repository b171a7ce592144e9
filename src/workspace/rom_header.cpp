#include "workspace/rom_header.h"

#include "workspace/rom_file.h"

#include <QByteArray>
#include <QList>
#include <algorithm>

namespace RomHeader {

SizeClass classifySize(std::int64_t bytes) {
    switch (bytes) {
    case 524288:
    case 1048576:
        return SizeClass::NoHeader;
    case 524800:
        return SizeClass::NotExpanded;
    case 1049088:
        return SizeClass::Expanded;
    default:
        return SizeClass::Other;
    }
}

QString readName(const RomFile& rom) {
    QByteArray bytes(NameLength, '\0');
    for (int i = 0; i < NameLength; ++i)
        bytes[i] = static_cast<char>(rom.readByte(NameOffset + i));
    return QString::fromLatin1(bytes);
}

std::optional<std::uint8_t> parseVersion(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
        if (value > 255)
            return std::nullopt;
    }
    return static_cast<std::uint8_t>(value);
}

} // namespace RomHeader

void SaveROMIName(RomFile& rom, const QString& name) {
    using namespace RomHeader;
    for (int i = 0; i < NameLength; ++i)
        rom.writeByte(NameOffset + i, ' ');
    // by code point, so a character beyond the BMP is one "?" as well
    const auto characters = name.toUcs4();
    const auto count = std::min<qsizetype>(characters.size(), NameLength);
    for (qsizetype i = 0; i < count; ++i) {
        const auto c = characters[i];
        rom.writeByte(NameOffset + i, c <= 0xFF ? static_cast<std::uint8_t>(c) : std::uint8_t{'?'});
    }
}
