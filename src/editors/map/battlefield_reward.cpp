#include "editors/map/battlefield_reward.h"

#include "editors/frame/decimal_value.h"

#include <algorithm>

namespace BattlefieldRules {

namespace {

// A box's number; empty or pasted non-numbers count as 0.
int numberIn(const QString& text) {
    return decimalValue(text).value_or(0);
}

// 64-bit, since a pasted component can be as large as int goes.
int amountOf(std::int64_t low, std::int64_t high) {
    return static_cast<int>(std::min<std::int64_t>(3 * low + 768 * high, AmountShownCap));
}

QString zeroIfNoNumber(const QString& text) {
    return decimalValue(text) ? text : QStringLiteral("0");
}

QString cappedAt(const QString& text, int cap) {
    return numberIn(text) > cap ? QString::number(cap) : text;
}

// A component the field cannot hold stays inside it, so a GP high byte can
// never reach 0x40 and turn the reward into another kind.
std::uint8_t fieldValue(const QString& text, int top) {
    return static_cast<std::uint8_t>(std::clamp(numberIn(text), 0, top));
}

bool readsTop(const RewardBoxes& boxes) {
    return decimalValue(boxes.amount) == AmountShownCap;
}

} // namespace

std::optional<RewardKind> rewardKind(std::uint8_t high) {
    if (high < ItemMagicHigh)
        return RewardKind::GP;
    if (high == ItemMagicHigh)
        return RewardKind::ItemMagic;
    if (high >= ExpMark)
        return RewardKind::EXP;
    return std::nullopt;
}

int rewardAmount(std::uint8_t low, std::uint8_t high) {
    const std::optional<RewardKind> kind = rewardKind(high);
    if (kind == RewardKind::GP)
        return 3 * low + 768 * high;
    if (kind == RewardKind::EXP)
        return 3 * low + 768 * (high - ExpMark);
    return 0;
}

RewardShown rewardShown(std::uint8_t low, std::uint8_t high) {
    RewardShown shown;
    shown.kind = rewardKind(high);
    if (!shown.kind)
        return shown;
    switch (*shown.kind) {
    case RewardKind::ItemMagic:
        shown.comboRow = low < ItemCodes ? low + 1 : -1;
        break;
    case RewardKind::GP:
    case RewardKind::EXP: {
        const int component = *shown.kind == RewardKind::EXP ? high - ExpMark : high;
        shown.boxes = {QString::number(std::min(rewardAmount(low, high), AmountShownCap)),
                       QString::number(low), QString::number(component)};
        break;
    }
    }
    return shown;
}

RewardBoxes leaveComponentBox(const RewardBoxes& boxes) {
    RewardBoxes left{zeroIfNoNumber(boxes.amount), zeroIfNoNumber(boxes.low),
                     zeroIfNoNumber(boxes.high)};
    const int amount = amountOf(numberIn(left.low), numberIn(left.high));
    left.high = cappedAt(left.high, HighCap);
    left.low = cappedAt(left.low, LowCap);
    left.amount = QString::number(amount);
    return left;
}

std::optional<RewardBytes> rewardToStore(std::optional<RewardKind> kind, const RewardBoxes& boxes,
                                         int comboRow) {
    if (!kind)
        return std::nullopt;
    switch (*kind) {
    case RewardKind::GP:
        if (readsTop(boxes))
            return RewardBytes{LowCap, HighCap};
        return RewardBytes{fieldValue(boxes.low, 255), fieldValue(boxes.high, ItemMagicHigh - 1)};
    case RewardKind::ItemMagic:
        if (comboRow < 1 || comboRow > ItemCodes)
            return std::nullopt;
        return RewardBytes{static_cast<std::uint8_t>(comboRow - 1), ItemMagicHigh};
    case RewardKind::EXP:
        if (readsTop(boxes))
            return RewardBytes{LowCap, HighCap + ExpMark};
        return RewardBytes{fieldValue(boxes.low, 255),
                           static_cast<std::uint8_t>(fieldValue(boxes.high, 127) + ExpMark)};
    }
    return std::nullopt;
}

bool resetsRounds(std::optional<RewardKind> kind, const RewardBoxes& boxes) {
    return kind == RewardKind::GP && readsTop(boxes);
}

} // namespace BattlefieldRules
