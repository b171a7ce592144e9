#include "editors/frame/decimal_value.h"

#include <limits>

std::optional<int> decimalValue(QStringView text) {
    if (text.isEmpty())
        return std::nullopt;
    constexpr int most = std::numeric_limits<int>::max();
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        const int digit = c.unicode() - '0';
        value = value > (most - digit) / 10 ? most : value * 10 + digit;
    }
    return value;
}
