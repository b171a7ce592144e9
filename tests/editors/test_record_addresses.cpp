#include "editors/general/attack_rules.h"
#include "editors/general/character_record.h"
#include "editors/general/character_rules.h"
#include "editors/general/equipment_records.h"
#include "editors/general/monster_rules.h"
#include "editors/general/name_tables.h"
#include "editors/general/text_editor_tabs.h"
#include "editors/map/battlefield_reward.h"
#include "editors/map/treasure_offset_table.h"
#include "editors/map/treasure_records.h"

#include <QTest>

// Where the game keeps each field, written out as plain numbers: file offsets,
// the 512-byte copier header included. The window tests compute their expected
// bytes through the editors' own offsets; these rows tie those offsets to the
// game, so a field read and written one byte off fails here.
namespace {

// Each row: a field's offset in the first and in the last record, beside the
// offsets the editors use. A text row gives the last record's last byte, so its
// length is pinned with its place.
void columns() {
    QTest::addColumn<qint64>("first");
    QTest::addColumn<qint64>("last");
    QTest::addColumn<qint64>("usedFirst");
    QTest::addColumn<qint64>("usedLast");
}

void row(const char* field, qint64 first, qint64 last, qint64 usedFirst, qint64 usedLast) {
    QTest::newRow(field) << first << last << usedFirst << usedLast;
}

// A single byte, at one place only.
void row(const char* field, qint64 offset, qint64 used) {
    row(field, offset, offset, used, used);
}

QString span(qint64 first, qint64 last) {
    const auto hex = [](qint64 o) {
        return QStringLiteral("0x") + QString::number(o, 16).toUpper();
    };
    return hex(first) + QStringLiteral("..") + hex(last);
}

qint64 textEnd(const NameTable& table, int entry) {
    return table.offset(entry) + table.length - 1;
}

// Every chest row of the treasure editor's list, in its order.
constexpr qint64 ChestOffsets[] = {
    0x3B2CA, 0x3B2D1, 0x3B2D8, 0x3B2DF, 0x3B335, 0x3B38B, 0x3B3C5, 0x3B3CC, 0x3B3D3, 0x3B3E3,
    0x3B524, 0x3B52B, 0x3B532, 0x3B539, 0x3B540, 0x3B58F, 0x3B5BB, 0x3B5E7, 0x3B5EE, 0x3B5F5,
    0x3B5FC, 0x3B62F, 0x3B636, 0x3B6A8, 0x3B6AF, 0x3B6B6, 0x3B70C, 0x3B713, 0x3B71A, 0x3B7CB,
    0x3B7D2, 0x3B7D9, 0x3B7C4, 0x3B7E0, 0x3B813, 0x3B81A, 0x3B821, 0x3B828, 0x3B869, 0x3B8FB,
    0x3B943, 0x3B95A, 0x3B9D1, 0x3B9D8, 0x3B9DF, 0x3BA58, 0x3BA5F, 0x3BA66, 0x3BA6D, 0x3BABC,
    0x3BAC3, 0x3BB20, 0x3BB27, 0x3BB53, 0x3BBCC, 0x3BBD3, 0x3BC5A, 0x3BC61, 0x3BC68, 0x3BC6F,
    0x3BCFD, 0x3BD04, 0x3BD0B, 0x3BD12, 0x3BD92, 0x3BD99, 0x3BDA0, 0x3BDA7, 0x3BDAE, 0x3BDB5,
    0x3BE35, 0x3BE3C, 0x3BE43, 0x3BE4A, 0x3BE51, 0x3BE58, 0x3BEBC, 0x3BEC3, 0x3BECA, 0x3BED1,
    0x3BED8, 0x3BEDF, 0x3BEE6, 0x3BEED, 0x3BF27, 0x3BF2E, 0x3BF35, 0x3BF3C, 0x3BF43, 0x3BF4A,
    0x3BFA2, 0x3BFF3, 0x3C00A, 0x3C011, 0x3C02F, 0x3C036, 0x3C03D, 0x3C044, 0x3C077, 0x3C0AA,
    0x3C254, 0x3C25B, 0x3C262, 0x3C269, 0x3C287, 0x3C28E, 0x3C295, 0x3C29C, 0x3C2D6, 0x3C2DD,
    0x3C341, 0x3C348, 0x3C34F, 0x3C356, 0x3C3C1, 0x3C3C8, 0x3C3CF, 0x3C3D6, 0x3C410, 0x3C417,
    0x3C41E, 0x3C49E, 0x3C4A5, 0x3C4AC, 0x3C4B3, 0x3C517, 0x3C51E, 0x3C525, 0x3C52C, 0x3C533,
    0x3C53A, 0x3C5CF, 0x3C5D6, 0x3C5DD, 0x3C5E4, 0x3C664, 0x3C66B, 0x3C672, 0x3C679, 0x3C6F9,
    0x3C700, 0x3C707, 0x3C70E, 0x3C78E, 0x3C795, 0x3C79C, 0x3C7A3, 0x3C7CF, 0x3C7D6, 0x3C7DD,
    0x3C7E4, 0x3C841, 0x3C848, 0x3C84F, 0x3C85F, 0x3C866, 0x3C88B, 0x3C892, 0x3C927, 0x3C92E,
    0x3C935, 0x3C999, 0x3C9A0, 0x3C9A7, 0x3C9AE, 0x3CA4A, 0x3CA51, 0x3CA58, 0x3CA5F, 0x3CAB5,
    0x3CABC, 0x3CB3C, 0x3CB43, 0x3CB4A, 0x3CB51, 0x3CBC3, 0x3CBCA, 0x3CC4A, 0x3CC51, 0x3CC58,
    0x3CC5F, 0x3CCB5, 0x3CCBC, 0x3CD0B, 0x3CD12, 0x3CD19, 0x3CD20, 0x3CD55, 0x3CD65, 0x3CDC9,
    0x3CDD0, 0x3CDD7, 0x3CF4E, 0x3CFC0, 0x3CFC7, 0x3CFCE, 0x3CFD5, 0x3D04E, 0x3D055, 0x3D05C,
    0x3D063, 0x3D0F8, 0x3D0FF, 0x3D17F, 0x3D186, 0x3D18D, 0x3D230, 0x3D237, 0x3D23E, 0x3D2CC,
    0x3D2D3, 0x3D361, 0x3D368, 0x3D3F6, 0x3D4BF, 0x3D56B, 0x3D572, 0x3D579, 0x3D600, 0x3D607,
    0x3D60E, 0x3D6AA, 0x3D6B1, 0x3D6B8, 0x3D6BF, 0x3D700, 0x3D707, 0x3D70E, 0x3D715, 0x3D790,
    0x3D797, 0x3D79E, 0x3D7A5, 0x3D825, 0x3D82C, 0x3D833, 0x3D83A, 0x3D8F2, 0x3D8F9, 0x3D97B,
    0x3D982, 0x3D989, 0x3D990,
};

} // namespace

class TestRecordAddresses : public QObject {
    Q_OBJECT

    void compareRow() {
        QFETCH(qint64, first);
        QFETCH(qint64, last);
        QFETCH(qint64, usedFirst);
        QFETCH(qint64, usedLast);
        QCOMPARE(span(usedFirst, usedLast), span(first, last));
    }

private slots:
    void monster_data() {
        using namespace MonsterRecords;
        using NameTables::MonsterNameTable;
        columns();
        const int z = Count - 1;
        row("name", 0x64DA0, 0x652AF, MonsterNameTable.offset(0), textEnd(MonsterNameTable, z));
        row("HP", 0x14475, 0x148D5, stat(0) + Hp, stat(z) + Hp);
        row("strength", 0x14477, 0x148D7, stat(0) + Strength, stat(z) + Strength);
        row("defense", 0x14478, 0x148D8, stat(0) + Defense, stat(z) + Defense);
        row("speed", 0x14479, 0x148D9, stat(0) + Speed, stat(z) + Speed);
        row("magic power", 0x1447A, 0x148DA, stat(0) + MagicPower, stat(z) + MagicPower);
        row("byte 8", 0x1447C, 0x148DC, stat(0) + Byte8, stat(z) + Byte8);
        row("counter", 0x14482, 0x148E2, stat(0) + Counter, stat(z) + Counter);
        row("EXP", 0x1437D, 0x1446D, reward(0) + Exp, reward(z) + Exp);
        row("GP", 0x1437E, 0x1446E, reward(0) + Gp, reward(z) + Gp);
    }
    void monster() { compareRow(); }

    void character_data() {
        using namespace CharacterRecord;
        columns();
        const int z = Count - 1;
        row("name", 0x652B0, 0x65537, record(0) + Name, record(z) + Name + NameLength - 1);
        row("list text", 0x652B0, 0x6553F, record(0) + Name, record(z) + Name + ListTextLength - 1);
        row("level", 0x652C0, 0x65540, record(0) + Level, record(z) + Level);
        row("current HP", 0x652C4, 0x65544, record(0) + HpCurrent, record(z) + HpCurrent);
        row("maximum HP", 0x652C6, 0x65546, record(0) + HpMaximum, record(z) + HpMaximum);
        row("evade", 0x652DA, 0x6555A, record(0) + Evade, record(z) + Evade);
        row("weapon", 0x652E1, 0x65561, record(0) + StartingWeapon, record(z) + StartingWeapon);
        row("accuracy", 0x652F0, 0x65570, record(0) + Accuracy, record(z) + Accuracy);
        row("attack", 0x652FC, 0x6557C, record(0) + Attack, record(z) + Attack);
        row("defense", 0x652FD, 0x6557D, record(0) + Defense, record(z) + Defense);
        row("speed", 0x652FE, 0x6557E, record(0) + Speed, record(z) + Speed);
        row("magic power", 0x652FF, 0x6557F, record(0) + MagicPower, record(z) + MagicPower);
        const auto& items = NameTables::ItemNameTable;
        const int weapon = CharacterRules::FirstWeaponItem;
        row("weapon names", 0x644A0, 0x6455F, items.offset(weapon),
            textEnd(items, weapon + CharacterRules::WeaponRows - 1));
    }
    void character() { compareRow(); }

    void startingMagic_data() {
        using namespace CharacterRecord;
        columns();
        const int z = Count - 1;
        row("white", 0x652CB, 0x6554B, record(0) + WhiteMagicCount, record(z) + WhiteMagicCount);
        row("black", 0x652CC, 0x6554C, record(0) + BlackMagicCount, record(z) + BlackMagicCount);
        row("wizard", 0x652CD, 0x6554D, record(0) + WizardMagicCount, record(z) + WizardMagicCount);
        row("spell bits 1", 0x652E8, 0x65568, record(0) + SpellBits1, record(z) + SpellBits1);
        row("spell bits 2", 0x652E9, 0x65569, record(0) + SpellBits2, record(z) + SpellBits2);
        const auto& items = NameTables::ItemNameTable;
        row("spell names", 0x64410, 0x6449F, items.offset(Spells::FirstItem),
            textEnd(items, Spells::FirstItem + Spells::Count - 1));
    }
    void startingMagic() { compareRow(); }

    void weapon_data() {
        using namespace WeaponRecord;
        columns();
        const int z = Count - 1;
        row("name", 0x644A0, 0x64553, name(0), name(z) + NameLength - 1);
        row("element", 0x13E00, 0x13E70, record(0) + Element, record(z) + Element);
        row("status", 0x13E01, 0x13E71, record(0) + Status, record(z) + Status);
        row("attack", 0x13E02, 0x13E72, record(0) + Attack, record(z) + Attack);
        row("unknown 1", 0x13E03, 0x13E73, record(0) + Unknown1, record(z) + Unknown1);
        const int u5 = Unknown1 + UnknownCount - 1;
        row("unknown 5", 0x13E07, 0x13E77, record(0) + u5, record(z) + u5);
    }
    void weapon() { compareRow(); }

    void armor_data() {
        using namespace ArmorRecord;
        columns();
        const int z = Count - 1;
        row("name", 0x64554, 0x6461F, name(0), name(z) + NameLength - 1);
        row("defense", 0x14327, 0x14377, record(0) + Defense, record(z) + Defense);
        row("resistance", 0x14328, 0x14378, record(0) + Resistance, record(z) + Resistance);
        row("position", 0x14329, 0x14379, record(0) + Position, record(z) + Position);
        row("defense power", 0x1432A, 0x1437A, record(0) + DefensePower, record(z) + DefensePower);
        row("unknown", 0x1432B, 0x1437B, record(0) + Unknown1, record(z) + Unknown1);
    }
    void armor() { compareRow(); }

    void attack_data() {
        using namespace AttackRecord;
        using NameTables::AttackNameTable;
        columns();
        const int z = Count - 1;
        row("name", 0x64620, 0x64D6F, AttackNameTable.offset(0), textEnd(AttackNameTable, z));
        row("type", 0x13E78, 0x142B5, record(0) + Type, record(z) + Type);
        row("status", 0x13E79, 0x142B6, record(0) + Status, record(z) + Status);
        row("power", 0x13E7A, 0x142B7, record(0) + Power, record(z) + Power);
        row("effect", 0x13E7B, 0x142B8, record(0) + Effect, record(z) + Effect);
        row("sound", 0x13E7C, 0x142B9, record(0) + Sound, record(z) + Sound);
        row("targeting", 0x13E7D, 0x142BA, record(0) + Targeting, record(z) + Targeting);
    }
    void attack() { compareRow(); }

    // The text editor's five name tabs, the whole item table (the treasure
    // editors list it) and the nine title fields.
    void nameTables_data() {
        using namespace NameTables;
        columns();
        const qint64 tabs[][2] = {{0x652B0, 0x65537},
                                  {0x64DA0, 0x652AF},
                                  {0x64620, 0x64D9F},
                                  {0x64320, 0x6461F},
                                  {0x640D0, 0x6431F}};
        for (std::size_t k = 0; k < TextEditorTabs::NameTabs.size(); ++k) {
            const NameTable& t = TextEditorTabs::NameTabs[k].field;
            row(TextEditorTabs::NameTabs[k].list, tabs[k][0], tabs[k][1], t.offset(0),
                textEnd(t, t.count - 1));
        }
        row("ItemNameTable", 0x64320, 0x64D9F, ItemNameTable.offset(0),
            textEnd(ItemNameTable, ItemNameTable.count - 1));
        const qint64 title[][2] = {{0x610DB, 0x610DC}, {0x610DD, 0x610E2}, {0x610E3, 0x610E6},
                                   {0x610E7, 0x610EA}, {0x610EB, 0x610F2}, {0x610F3, 0x61102},
                                   {0x61103, 0x61107}, {0x61108, 0x61109}, {0x6110A, 0x61111}};
        for (std::size_t k = 0; k < TitleTextBlock.size(); ++k) {
            const TextField& f = TitleTextBlock[k];
            QTest::addRow("Block%zuTXT", k) << title[k][0] << title[k][1] << qint64(f.offset)
                                            << qint64(f.offset + f.length - 1);
        }
    }
    void nameTables() { compareRow(); }

    void treasureChest_data() {
        namespace TC = TreasureContents;
        using TreasureOffsets::offset;
        columns();
        const int z = TreasureOffsets::Count - 1;
        row("index", 0x3B2CA, 0x3D990, offset(0) + TC::Index, offset(z) + TC::Index);
        row("X", 0x3B2CB, 0x3D991, offset(0) + TC::X, offset(z) + TC::X);
        row("Y", 0x3B2CC, 0x3D992, offset(0) + TC::Y, offset(z) + TC::Y);
        row("elevation", 0x3B2CE, 0x3D994, offset(0) + TC::Elevation, offset(z) + TC::Elevation);
        row("kind", 0x3B2CF, 0x3D995, offset(0) + TC::Kind, offset(z) + TC::Kind);
    }
    void treasureChest() { compareRow(); }

    // The offset box shows five upper-case hex digits, and the record is read
    // and written where they point.
    void everyChestRow() {
        QCOMPARE(std::size(ChestOffsets), std::size_t(TreasureOffsets::Count));
        for (int r = 0; r < TreasureOffsets::Count; ++r) {
            const std::string_view text =
                TreasureOffsets::TreasureOffsetTable[std::size_t(r)].offsetText;
            const QString shown = QString::fromLatin1(text.data(), qsizetype(text.size()));
            const QString expected =
                QStringLiteral("%1").arg(ChestOffsets[r], 5, 16, QLatin1Char('0')).toUpper();
            QVERIFY2(shown == expected && TreasureOffsets::offset(r) == ChestOffsets[r],
                     qPrintable(QStringLiteral("row %1: %2, not %3").arg(r).arg(shown, expected)));
        }
    }

    void treasureIndexAndGlobals_data() {
        namespace TG = TreasureGlobalData;
        columns();
        const int z = TreasureIndexTable::Count - 1;
        row("index table", 0x8200, 0x82FF, TreasureIndexTable::offset(0),
            TreasureIndexTable::offset(z));
        row("super chest quantity", 0x18901, TG::SuperChestQuantity);
        row("super chest range start", 0x18904, TG::SuperChestRangeStart);
        row("super chest range end", 0x18909, TG::SuperChestRangeEnd);
        row("consumable weapons", 0x1890F, TG::ConsumableWeapons);
        row("consumable items", 0x18923, TG::ConsumableItems);
        row("cut-off", 0x188D3, TG::CutOff);
    }
    void treasureIndexAndGlobals() { compareRow(); }

    void battlefield_data() {
        using namespace BattlefieldRecords;
        columns();
        const int z = Count - 1;
        row("reward low", 0x3F1A1, 0x3F1C7, rewardLow(0), rewardLow(z));
        row("reward high", 0x3F1A2, 0x3F1C8, rewardHigh(0), rewardHigh(z));
        row("rounds", 0x656D0, 0x656E3, rounds(0), rounds(z));
    }
    void battlefield() { compareRow(); }
};

QTEST_GUILESS_MAIN(TestRecordAddresses)
#include "test_record_addresses.moc"
