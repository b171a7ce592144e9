#pragma once

#include <QString>
#include <array>
#include <cstdint>
#include <optional>

// Where the battlefields lie: two parallel tables indexed by the list row, with no
// pointers. The reward is two byte fields, low byte at +0 and high byte at +1.
namespace BattlefieldRecords {

inline constexpr int Count = 20;

inline constexpr std::int32_t RewardBase = 0x3F1A1;
inline constexpr std::int32_t RoundsBase = 0x656D0;

constexpr std::int32_t rewardLow(int battlefield) {
    return RewardBase + 2 * battlefield;
}
constexpr std::int32_t rewardHigh(int battlefield) {
    return rewardLow(battlefield) + 1;
}
constexpr std::int32_t rounds(int battlefield) {
    return RoundsBase + battlefield;
}

static_assert(rewardHigh(Count - 1) == 0x3F1C8 && rounds(Count - 1) == 0x656E3);

// The list rows, row = battlefield index; picture i + 1 shows row i.
inline constexpr std::array<const char*, Count> Names{
    "Level Forest Battlefield (North)",  "Sand Temple Battlefield (West)",
    "Sand Temple Battlefield (East)",    "Focus Tower Battlefield (East)",
    "Libra Temple Battlefield (East)",   "Aquaria Battlefield (South)",
    "Wintry Cave Battlefield (South)",   "Wintry Cave Battlefield (West)",
    "Ice Pyramid Battlefield (South)",   "Libra Temple Battlefield (North)",
    "Wintry Temple Battlefield (North)", "Focus Tower Battlefield (West)",
    "Wintry Temple Battlefield (West)",  "Fireburg Battlefield (East)",
    "Fireburg Battlefield (West)",       "Mine Battlefield (South)",
    "Volcano Battlefield (West)",        "Volcano Battlefield (East)",
    "Kaidge Temple Battlefield (East)",  "Windia Battlefield (South)",
};

} // namespace BattlefieldRecords

// How the battlefield editor shows a stored reward and stores a shown one.
// The high byte decides the kind: 0x00..0x3F GP, 0x40 an item or spell, 0x80..0xFF
// EXP (bit 15 marks it); 0x41..0x7F is no kind at all.
namespace BattlefieldRules {

enum class RewardKind { GP, ItemMagic, EXP };

inline constexpr std::uint8_t ItemMagicHigh = 0x40;
inline constexpr std::uint8_t ExpMark = 0x80;

inline constexpr int AmountShownCap = 32000;
// 41 is the largest n with 768 x n <= 32000; 171 makes 41 x 768 + 3 x 171 = 32001,
// the first multiple of 3 not below 32000.
inline constexpr int HighCap = 41;
inline constexpr int LowCap = 171;
inline constexpr int RoundsCap = 255;
// Where Apply of a 32000 GP reward sets the rounds box.
inline constexpr int RoundsAfterTopGp = 99;
// The item codes the combo offers, after its row "Nothing".
inline constexpr int ItemCodes = 64;

std::optional<RewardKind> rewardKind(std::uint8_t high);

// The amount a GP or EXP reward stands for: 3 x low + 768 x the high component,
// up to 49149 (GP) or 98301 (EXP). 0 for an item or no kind.
int rewardAmount(std::uint8_t low, std::uint8_t high);

// The three boxes of one kind, as text.
struct RewardBoxes {
    QString amount;
    QString low;
    QString high;
    friend bool operator==(const RewardBoxes&, const RewardBoxes&) = default;
};

// What the editor shows for a stored reward. The boxes of the kind's own line
// hold the stored components and the amount capped at 32000; no kind shows
// nothing. comboRow: 0 ("Nothing") but for an item, whose row is code + 1, or -1
// for a code the combo does not list.
struct RewardShown {
    std::optional<RewardKind> kind;
    RewardBoxes boxes;
    int comboRow = 0;
};
RewardShown rewardShown(std::uint8_t low, std::uint8_t high);

// Leaving a low or high box: empty or non-numeric boxes become "0", the amount
// is taken from the components as they stand (capped at 32000), and only then
// are the components capped, high at 41 and low at 171.
RewardBoxes leaveComponentBox(const RewardBoxes& boxes);

struct RewardBytes {
    std::uint8_t low;
    std::uint8_t high;
    friend bool operator==(const RewardBytes&, const RewardBytes&) = default;
};

// What Apply writes for the chosen kind. An amount box reading 32000 stores the
// top pair (171 with 41, or 169 for EXP) whatever the components hold; otherwise
// the components are stored, an empty or non-numeric box as 0. An item is row - 1
// with 0x40. Nothing, so the stored word stays, for no kind, for the row
// "Nothing" and for no row at all.
std::optional<RewardBytes> rewardToStore(std::optional<RewardKind> kind, const RewardBoxes& boxes,
                                         int comboRow);

// True when Apply of this reward sets a rounds box above 99 to 99: a GP reward
// whose amount box reads 32000, and only that.
bool resetsRounds(std::optional<RewardKind> kind, const RewardBoxes& boxes);

} // namespace BattlefieldRules
