#pragma once

#include <QColor>
#include <cstdint>

// Colours are written 0x00BBGGRR: blue in the high byte, red in the low one.
inline QColor bgrColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}
