#pragma once

// The pictures of the windows, compiled in through the Qt resource system
// (resources/, all of our own making).
namespace Pictures {

inline constexpr const char* AppIcon = ":/pictures/app_icon.png";
inline constexpr const char* InfoIcon = ":/pictures/info_icon.png";               // 16 x 16
inline constexpr const char* SmallLogo = ":/pictures/logo_small.png";             // 191 x 51
inline constexpr const char* LargeLogo = ":/pictures/logo_large.png";             // 400 x 160
inline constexpr const char* Chest = ":/pictures/chest.png";                      // 16 x 16
inline constexpr const char* Box = ":/pictures/box.png";                          // 16 x 16
inline constexpr const char* RefreshContents = ":/pictures/refresh_contents.png"; // 32 x 32

} // namespace Pictures
