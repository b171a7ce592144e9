#include "editors/general/character_rules.h"

#include <QTest>
#include <limits>

using namespace CharacterRules;

namespace {
constexpr int None = std::numeric_limits<int>::min() + 1; // no value in a table column
}

class TestCharacterRules : public QObject {
    Q_OBJECT
private slots:
    void hpLeavingRule_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value");     // None: no number
        QTest::addColumn<int>("corrected"); // None: the text stays
        QTest::addColumn<int>("loaded");
        QTest::newRow("loaded -1 stays") << "-1" << -1 << None << -1;
        QTest::newRow("loaded floor stays") << "-32768" << -32768 << None << -32768;
        QTest::newRow("other negative") << "-7" << -7 << 0 << -1;
        QTest::newRow("digit typed after -1") << "-15" << -15 << 0 << -1;
        QTest::newRow("negative after a positive") << "-1" << -1 << 0 << 5;
        QTest::newRow("far below") << "-99999999999" << std::numeric_limits<int>::min() << 0 << -1;
        QTest::newRow("cap stays") << "32000" << 32000 << None << 0;
        QTest::newRow("over the cap") << "32001" << 32001 << 32000 << 0;
        QTest::newRow("typed 99999") << "99999" << 99999 << 32000 << 0;
        QTest::newRow("past int") << "2147483648" << std::numeric_limits<int>::max() << 32000 << 0;
        QTest::newRow("int max") << "2147483647" << std::numeric_limits<int>::max() << 32000 << 0;
        QTest::newRow("leading zeros") << "007" << 7 << None << 0;
        QTest::newRow("minus zero") << "-0" << 0 << None << 0;
        QTest::newRow("empty") << "" << None << 0 << 0;
        QTest::newRow("minus alone") << "-" << None << 0 << 0;
        QTest::newRow("two minus") << "--1" << None << 0 << 0;
        QTest::newRow("minus inside") << "1-2" << None << 0 << 0;
        QTest::newRow("plus") << "+5" << None << 0 << 0;
        QTest::newRow("blank") << " 5" << None << 0 << 0;
        QTest::newRow("letters") << "-1a" << None << 0 << 0;
    }
    void hpLeavingRule() {
        QFETCH(QString, text);
        QFETCH(int, value);
        QFETCH(int, corrected);
        QFETCH(int, loaded);
        const std::optional<int> parsed = hpValue(text);
        QCOMPARE(parsed.value_or(None), value);
        QCOMPARE(hpCorrected(text, loaded).value_or(None), corrected);
    }

    // Every value the field holds comes back as it was stored.
    void everyStoredHpRoundTrips() {
        for (int v = std::numeric_limits<std::int16_t>::min();
             v <= std::numeric_limits<std::int16_t>::max(); ++v) {
            const auto stored = static_cast<std::int16_t>(v);
            const auto back = hpValue(QString::number(stored));
            if (!back || hpStored(*back) != stored)
                QFAIL(qPrintable(QStringLiteral("HP %1 did not come back").arg(v)));
        }
        QCOMPARE(hpStored(99999), std::numeric_limits<std::int16_t>::max());
        QCOMPARE(hpStored(-99999), std::numeric_limits<std::int16_t>::min());
    }

    // Only the sixteen weapon rows 0x20..0x2F map to a row; every other byte,
    // 0x1F included, stays as it was stored while no row is picked.
    void everyWeaponByte() {
        for (int b = 0; b <= 0xFF; ++b) {
            const auto stored = static_cast<std::uint8_t>(b);
            const std::optional<int> row = weaponRow(stored);
            QCOMPARE(row.has_value(), b >= 0x20 && b <= 0x2F);
            if (row)
                QCOMPARE(*row, b - 0x20);
            QCOMPARE(weaponStored(row, stored), stored);
            QCOMPARE(weaponStored(std::nullopt, stored), stored);
            QCOMPARE(weaponStored(3, stored), std::uint8_t{0x23});
        }
    }

    // The rows of the two spell lists, as the game keeps the spells.
    void spellRows_data() {
        QTest::addColumn<int>("byte");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("item"); // 0: an "Empty" row
        const int first[] = {0x1B, 0x1A, 0x19, 0x18, 0x17, 0x16, 0x15, 0x14};
        for (int row = 0; row < 8; ++row)
            QTest::addRow("+0x38 row %d", row) << 0 << row << first[row];
        const int second[] = {0, 0, 0, 0, 0x1F, 0x1E, 0x1D, 0x1C};
        for (int row = 0; row < 8; ++row)
            QTest::addRow("+0x39 row %d", row) << 1 << row << second[row];
    }
    void spellRows() {
        QFETCH(int, byte);
        QFETCH(int, row);
        QFETCH(int, item);
        const std::optional<int> spell = Spells::spellAt(byte, row);
        QCOMPARE(spell.has_value(), item != 0);
        if (!spell)
            return;
        QCOMPARE(Spells::FirstItem + *spell, item);
        QCOMPARE(Spells::bitOf(*spell).byte, byte);
        QCOMPARE(Spells::bitOf(*spell).bit, row);
    }
};

QTEST_MAIN(TestCharacterRules)
#include "test_character_rules.moc"
