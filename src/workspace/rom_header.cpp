#include "workspace/rom_header.h"

#include "editors/frame/decimal_value.h"
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
    return QString::fromLatin1(rom.readBlock(NameOffset, NameLength));
}

std::optional<std::uint8_t> parseVersion(const QString& text) {
    const std::optional<int> value = decimalValue(text);
    if (!value || *value > 255)
        return std::nullopt;
    return static_cast<std::uint8_t>(*value);
}

} // namespace RomHeader

void SaveROMIName(RomFile& rom, const QString& name) {
    using namespace RomHeader;
    // spaces over the whole field, then the name: one write of exactly the field
    QByteArray field(NameLength, ' ');
    // by code point, so a character beyond the BMP is one "?" as well
    const auto characters = name.toUcs4();
    const auto count = std::min<qsizetype>(characters.size(), NameLength);
    for (qsizetype i = 0; i < count; ++i) {
        const auto c = characters[i];
        field[i] = c <= 0xFF ? static_cast<char>(c) : '?';
    }
    rom.writeBlock(NameOffset, field);
}
