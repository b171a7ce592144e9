#pragma once

#include <array>

// The pictures of the windows, compiled in through the Qt resource system
// (resources/, all of our own making).
namespace Pictures {

inline constexpr const char* AppIcon = ":/pictures/app_icon.png";
inline constexpr const char* InfoIcon = ":/pictures/info_icon.png";   // 16 x 16
inline constexpr const char* SmallLogo = ":/pictures/logo_small.png"; // 191 x 51
inline constexpr const char* LargeLogo = ":/pictures/logo_large.png"; // 400 x 160
// 16 x 16 each, in spell item order: Exit (item 0x14) to Flare (0x1F).
inline constexpr std::array<const char*, 12> SpellIcons{
    ":/pictures/spell_exit.png",  ":/pictures/spell_cure.png",   ":/pictures/spell_heal.png",
    ":/pictures/spell_life.png",  ":/pictures/spell_quake.png",  ":/pictures/spell_blizzard.png",
    ":/pictures/spell_fire.png",  ":/pictures/spell_aero.png",   ":/pictures/spell_thunder.png",
    ":/pictures/spell_white.png", ":/pictures/spell_meteor.png", ":/pictures/spell_flare.png"};

// The battlefield editor's pictures, found by position: entry i shows list row i.
// 150 x 150, but entry 5 (Aquaria, south) which is 152 x 152.
inline constexpr std::array<const char*, 20> Battlefields{
    ":/pictures/battlefield_01.png", ":/pictures/battlefield_02.png",
    ":/pictures/battlefield_03.png", ":/pictures/battlefield_04.png",
    ":/pictures/battlefield_05.png", ":/pictures/battlefield_06.png",
    ":/pictures/battlefield_07.png", ":/pictures/battlefield_08.png",
    ":/pictures/battlefield_09.png", ":/pictures/battlefield_10.png",
    ":/pictures/battlefield_11.png", ":/pictures/battlefield_12.png",
    ":/pictures/battlefield_13.png", ":/pictures/battlefield_14.png",
    ":/pictures/battlefield_15.png", ":/pictures/battlefield_16.png",
    ":/pictures/battlefield_17.png", ":/pictures/battlefield_18.png",
    ":/pictures/battlefield_19.png", ":/pictures/battlefield_20.png",
};
inline constexpr const char* Chest = ":/pictures/chest.png";                      // 16 x 16
inline constexpr const char* Box = ":/pictures/box.png";                          // 16 x 16
inline constexpr const char* RefreshContents = ":/pictures/refresh_contents.png"; // 32 x 32

} // namespace Pictures
