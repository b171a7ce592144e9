#pragma once

#include <QString>

// The program's version and the fixed texts built from it, kept in one place.
namespace ProgramInfo {

inline constexpr int Major = 1;
inline constexpr int Minor = 0;
inline constexpr int Revision = 7;

// The caption of the program's own message boxes.
inline constexpr const char* AppTitle = "TORVEL";

inline constexpr const char* HomePageUrl = "https://www.example.org/kaldris-editor/";
inline constexpr const char* ForumPageUrl = "https://forum.example.org/kaldris-editor/";

inline constexpr const char* DataFileName = "vx.tbl";

inline QString closedTitle() {
    return QStringLiteral("Kaldris Mutli Editor (v%1.%2b)").arg(Major).arg(Revision);
}

// Qt takes "[*]" in a window title for the modified marker and hides it; the
// doubled form shows it as it stands, so a ROM name keeps every character.
inline QString titleText(QString text) {
    return text.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
}

inline QString openTitle(const QString& romName) {
    return closedTitle() + QStringLiteral(" - ") + titleText(romName);
}

} // namespace ProgramInfo
