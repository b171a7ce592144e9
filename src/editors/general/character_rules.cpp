#include "editors/general/character_rules.h"

#include <algorithm>
#include <limits>

namespace CharacterRules {

std::optional<int> hpValue(QStringView text) {
    const bool negative = text.startsWith(QLatin1Char('-'));
    if (negative)
        text = text.mid(1);
    if (text.isEmpty())
        return std::nullopt;
    // Counted as a negative number, so INT_MIN fits as well.
    constexpr int least = std::numeric_limits<int>::min();
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        const int digit = c.unicode() - '0';
        value = value < (least + digit) / 10 ? least : value * 10 - digit;
    }
    if (negative)
        return value;
    return value == least ? std::numeric_limits<int>::max() : -value;
}

std::optional<int> hpCorrected(QStringView text, int loaded) {
    const std::optional<int> value = hpValue(text);
    if (!value || (*value < 0 && *value != loaded))
        return 0;
    if (*value > HpCap)
        return HpCap;
    return std::nullopt;
}

std::int16_t hpStored(int shown) {
    return static_cast<std::int16_t>(std::clamp<int>(
        shown, std::numeric_limits<std::int16_t>::min(), std::numeric_limits<std::int16_t>::max()));
}

std::optional<int> weaponRow(std::uint8_t stored) {
    const int row = stored - FirstWeaponItem;
    if (row < 0 || row >= WeaponRows)
        return std::nullopt;
    return row;
}

std::uint8_t weaponStored(std::optional<int> row, std::uint8_t loaded) {
    if (!row || *row < 0 || *row >= WeaponRows)
        return loaded;
    return static_cast<std::uint8_t>(FirstWeaponItem + *row);
}

} // namespace CharacterRules
