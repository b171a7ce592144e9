#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class RomFile;

// The two fields of the cartridge's internal header that the main window shows and
// saves, and the file-size rule that decides whether an image has its copier header.
namespace RomHeader {

// 21-byte title plus the header byte after it, one Latin-1 character per byte.
inline constexpr std::int64_t NameOffset = 0x81C0;
inline constexpr int NameLength = 22;
inline constexpr std::int64_t VersionOffset = 0x81DB;

enum class SizeClass {
    NoHeader,    // 524288 or 1048576: refused, the program ends
    NotExpanded, // 524800
    Expanded,    // 1049088
    Other        // accepted, shown as nothing
};

SizeClass classifySize(std::int64_t bytes);

// The 22 name bytes as text, nothing trimmed.
QString readName(const RomFile& rom);

// The version box's text as a byte: only a whole number 0..255 of plain digits;
// anything else (empty, pasted letters, 256 and above) gives nothing.
std::optional<std::uint8_t> parseVersion(const QString& text);

} // namespace RomHeader

// Module1's SaveROMIName: 22 spaces over the field, then the text, one byte per
// character; a character outside Latin-1 is stored as "?". Never writes more than
// the 22 bytes of the field, however long the text is.
void SaveROMIName(RomFile& rom, const QString& name);
