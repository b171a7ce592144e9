#include "editors/map/treasure_rules.h"

#include "editors/frame/decimal_value.h"
#include "editors/frame/hex_label.h"
#include "editors/general/name_tables.h"
#include "workspace/game_text.h"

using NameTables::ItemNameTable;

namespace TreasureRules {

bool contentsCodeNamed(std::uint8_t code) {
    return code <= 64 || (code >= 221 && code <= 223);
}

QString itemCodeRow(const GameText& text, int code) {
    if (code < NamedItemCodes)
        return text.ReadText(ItemNameTable.offset(code), ItemNameTable.length);
    return QStringLiteral("--DO NOT USE--");
}

QString contentsRow(const GameText& text, int index, std::uint8_t code) {
    if (!contentsCodeNamed(code))
        return QStringLiteral("[DO NOT USE]");
    return hexLabel(static_cast<unsigned>(index)) + QLatin1Char(' ') +
           text.ReadText(ItemNameTable.offset(code), ItemNameTable.length);
}

QString hexLabelOfText(QStringView text) {
    return hexLabel(static_cast<unsigned>(decimalValue(text).value_or(0)));
}

QString rangeLabel(QStringView start, QStringView end) {
    return hexLabelOfText(start) + QStringLiteral(" to ") + hexLabelOfText(end);
}

} // namespace TreasureRules
