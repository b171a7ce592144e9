#pragma once

#include <array>
#include <cstdint>
#include <optional>

// Where a monster lies: three parallel tables indexed by the monster, the names
// being the third (NameTables::MonsterNameTable).
namespace MonsterRecords {

inline constexpr int Count = 81;

inline constexpr std::int32_t RewardBase = 0x1437D;
inline constexpr std::int32_t RewardSize = 3;
inline constexpr std::int32_t Exp = 0;
inline constexpr std::int32_t Gp = 1;

inline constexpr std::int32_t StatBase = 0x14475;
inline constexpr std::int32_t StatSize = 14;
inline constexpr std::int32_t Hp = 0; // 16 bits, low byte first
inline constexpr std::int32_t Strength = 2;
inline constexpr std::int32_t Defense = 3;
inline constexpr std::int32_t Speed = 4;
inline constexpr std::int32_t MagicPower = 5;
inline constexpr std::int32_t Byte8 = 7;
inline constexpr std::int32_t Counter = 13;

constexpr std::int32_t reward(int monster) {
    return RewardBase + RewardSize * monster;
}
constexpr std::int32_t stat(int monster) {
    return StatBase + StatSize * monster;
}

// The five bytes between the two tables belong to neither.
static_assert(reward(Count) == 0x14470 && StatBase == 0x14475);
static_assert(stat(Count) == 0x148E3);

} // namespace MonsterRecords

// How the monster editor shows stored monster bytes and stores shown values.
namespace MonsterRules {

inline constexpr int HpCap = 65535;
inline constexpr int ExpCap = 765;
inline constexpr int GpCap = 2550;

// HP is a 16-bit field read as signed; it is shown unsigned.
int hpShown(std::int16_t stored);
std::int16_t hpStored(int shown);

// EXP is stored as a third of the shown value.
int expShown(std::uint8_t stored);
// shown: 0..ExpCap
std::uint8_t expStored(int shown);

// GP has three scales by the byte's range; see gpStored for the way back.
int gpShown(std::uint8_t stored);
// shown: 0..GpCap. Nothing for 198..390, which no scale can hold: the byte stays.
std::optional<std::uint8_t> gpStored(int shown);

enum class CounterKind { Nothing, Physical, Confusion, Paralyze, Poison, Petrify };

// The kind a counter byte shows, decided by its bits.
CounterKind counterKind(int counterByte);
// The one value each kind stores: 0, 8, 16, 32, 64, 128.
std::uint8_t counterValue(CounterKind kind);

inline constexpr std::array<CounterKind, 6> CounterKinds{
    CounterKind::Nothing,  CounterKind::Physical, CounterKind::Confusion,
    CounterKind::Paralyze, CounterKind::Poison,   CounterKind::Petrify};

// Bit 7 of stat byte +7 keeps the Life spell from killing the monster.
bool preventsLife(std::uint8_t byte8);
// The other seven bits travel unchanged with the flag.
std::uint8_t byte8Stored(std::uint8_t held, bool preventLife);

} // namespace MonsterRules
