#include "editors/general/attack_rules.h"

#include <algorithm>

namespace AttackRules {
namespace {

struct TypeRange {
    std::uint8_t first;
    std::uint8_t last;
    AttackClass kind;
};

using enum AttackClass;

// Above 23 the byte's high nibble picks the element; every range the game
// leaves unnamed shows as Drain Attack.
constexpr std::array<TypeRange, 33> TypeRanges{{
    {0, 0, Nothing},   {1, 1, Aerial},    {2, 2, Physical},  {3, 7, Damage},
    {8, 14, Drain},    {15, 23, Wind},    {24, 31, Drain},   {32, 39, Fire},
    {40, 47, Drain},   {48, 55, Fire},    {56, 63, Drain},   {64, 71, Water},
    {72, 79, Drain},   {80, 87, Thunder}, {88, 95, Drain},   {96, 103, Water},
    {104, 127, Drain}, {128, 135, Earth}, {136, 143, Drain}, {144, 151, Earth},
    {152, 159, Drain}, {160, 167, Earth}, {168, 175, Drain}, {176, 183, Earth},
    {184, 191, Drain}, {192, 199, Earth}, {200, 207, Drain}, {208, 215, Thunder},
    {216, 223, Drain}, {224, 231, Earth}, {232, 239, Drain}, {240, 247, Thunder},
    {248, 255, Drain},
}};

// Every byte falls in exactly one range.
static_assert([] {
    int next = 0;
    for (const TypeRange& range : TypeRanges) {
        if (range.first != next || range.last < range.first)
            return false;
        next = range.last + 1;
    }
    return next == 256;
}());

constexpr std::uint8_t firstByteOf(AttackClass kind) {
    for (const TypeRange& range : TypeRanges) {
        if (range.kind == kind)
            return range.first;
    }
    return 0;
}

} // namespace

AttackClass attackClass(std::uint8_t type) {
    const auto* range =
        std::find_if(TypeRanges.begin(), TypeRanges.end(),
                     [type](const TypeRange& r) { return type >= r.first && type <= r.last; });
    return range->kind;
}

std::uint8_t typeByte(AttackClass kind) {
    return firstByteOf(kind);
}

} // namespace AttackRules
