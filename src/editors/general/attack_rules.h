#pragma once

#include <array>
#include <cstdint>

// The 7-byte attack records, named by the attack name table entry of the same
// index. The editor reaches the first 156 of them; byte +6 belongs to the game
// alone and is never read or written.
namespace AttackRecord {

inline constexpr int Count = 156;
inline constexpr std::int32_t Base = 0x13E78;
inline constexpr std::int32_t Size = 7;

inline constexpr std::int32_t Type = 0;
inline constexpr std::int32_t Status = 1; // flags
inline constexpr std::int32_t Power = 2;
inline constexpr std::int32_t Effect = 3;
inline constexpr std::int32_t Sound = 4;
inline constexpr std::int32_t Targeting = 5; // 129 one target, 128 all targets

constexpr std::int32_t record(int attack) {
    return Base + Size * attack;
}

} // namespace AttackRecord

// How the attack editor shows the type byte as one of ten options and stores it.
namespace AttackRules {

enum class AttackClass {
    Nothing,
    Aerial,
    Physical,
    Damage,
    Drain,
    Wind,
    Fire,
    Water,
    Thunder,
    Earth
};

// In the order of the options, top to bottom.
inline constexpr std::array<AttackClass, 10> AttackClasses{
    AttackClass::Nothing, AttackClass::Aerial, AttackClass::Physical, AttackClass::Damage,
    AttackClass::Drain,   AttackClass::Wind,   AttackClass::Fire,     AttackClass::Water,
    AttackClass::Thunder, AttackClass::Earth};

// The option every stored type byte selects.
AttackClass attackClass(std::uint8_t type);
// The one byte each option stores: the lowest byte that selects it, so an
// applied option reloads as itself.
std::uint8_t typeByte(AttackClass kind);

} // namespace AttackRules
