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

} // namespace Pictures
