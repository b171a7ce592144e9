#pragma once

#include <QColor>
#include <cstdint>

// The Parts give colours in the platform's 0x00BBGGRR form.
inline QColor bgrColor(std::uint32_t bgr) {
    return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                  static_cast<int>((bgr >> 16) & 0xFF));
}
