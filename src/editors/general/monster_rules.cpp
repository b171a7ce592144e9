#include "editors/general/monster_rules.h"

#include <cmath>

namespace MonsterRules {

namespace {
// Nearest whole number, an exact half to the even neighbour (the default rounding mode).
std::uint8_t roundedByte(double quotient) {
    return static_cast<std::uint8_t>(std::lrint(quotient));
}
} // namespace

int hpShown(std::int16_t stored) {
    return stored >= 0 ? stored : stored + 65536;
}

std::int16_t hpStored(int shown) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(shown));
}

int expShown(std::uint8_t stored) {
    return stored * 3;
}

std::uint8_t expStored(int shown) {
    return roundedByte(shown / 3.0);
}

int gpShown(std::uint8_t stored) {
    if (stored <= 65)
        return stored * 3;
    if (stored <= 73)
        return stored * 6;
    return stored * 10;
}

std::optional<std::uint8_t> gpStored(int shown) {
    if (shown < 198)
        return roundedByte(shown / 3.0);
    if (shown > 390 && shown < 444)
        return roundedByte(shown / 6.0);
    if (shown > 443)
        return roundedByte(shown / 10.0);
    return std::nullopt;
}

CounterKind counterKind(int counterByte) {
    if (counterByte & 0x08)
        return CounterKind::Physical;
    if (counterByte & 0x80)
        return CounterKind::Petrify;
    if (counterByte & 0x40)
        return CounterKind::Poison;
    if (counterByte & 0x20)
        return CounterKind::Paralyze;
    if (counterByte & 0x10)
        return CounterKind::Confusion;
    return CounterKind::Nothing;
}

std::uint8_t counterValue(CounterKind kind) {
    switch (kind) {
    case CounterKind::Nothing:
        return 0;
    case CounterKind::Physical:
        return 8;
    case CounterKind::Confusion:
        return 16;
    case CounterKind::Paralyze:
        return 32;
    case CounterKind::Poison:
        return 64;
    case CounterKind::Petrify:
        return 128;
    }
    return 0;
}

bool preventsLife(std::uint8_t byte8) {
    return byte8 >= 0x80;
}

std::uint8_t byte8Stored(std::uint8_t held, bool preventLife) {
    return static_cast<std::uint8_t>((held & 0x7F) | (preventLife ? 0x80 : 0));
}

} // namespace MonsterRules
