#include "editors/map/battlefield_reward.h"

#include <QTest>

using namespace BattlefieldRules;
using Kind = std::optional<RewardKind>;
Q_DECLARE_METATYPE(Kind)
Q_DECLARE_METATYPE(BattlefieldRules::RewardBoxes)

namespace {

const Kind GP = RewardKind::GP;
const Kind EXP = RewardKind::EXP;
const Kind Item = RewardKind::ItemMagic;
const Kind NoKind = std::nullopt;

RewardBoxes boxes(const char* amount, const char* low, const char* high) {
    return {QString::fromLatin1(amount), QString::fromLatin1(low), QString::fromLatin1(high)};
}

QString describe(const RewardBoxes& b) {
    return QStringLiteral("amount \"%1\", low \"%2\", high \"%3\"").arg(b.amount, b.low, b.high);
}

} // namespace

class TestBattlefieldReward : public QObject {
    Q_OBJECT
private slots:
    void kindCoversEveryHighByte() {
        for (int high = 0; high < 256; ++high) {
            const Kind expected = high < 0x40    ? GP
                                  : high == 0x40 ? Item
                                  : high < 0x80  ? NoKind
                                                 : EXP;
            QVERIFY2(rewardKind(static_cast<std::uint8_t>(high)) == expected,
                     qPrintable(QString::number(high, 16)));
        }
    }

    // 3 times the low 14 bits for GP, the low 15 bits for EXP.
    void amountIsThreeTimesTheWordBelowItsMark() {
        for (int word = 0; word < 0x10000; ++word) {
            const auto low = static_cast<std::uint8_t>(word & 0xFF);
            const auto high = static_cast<std::uint8_t>(word >> 8);
            const Kind kind = rewardKind(high);
            const int expected = kind == GP    ? 3 * (word & 0x3FFF)
                                 : kind == EXP ? 3 * (word & 0x7FFF)
                                               : 0;
            if (rewardAmount(low, high) != expected)
                QFAIL(qPrintable(QStringLiteral("word %1").arg(word, 4, 16, QLatin1Char('0'))));
        }
    }

    void loadShows_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<RewardBoxes>("shown");
        QTest::addColumn<int>("comboRow");
        QTest::newRow("GP 1584") << 0x10 << 0x02 << GP << boxes("1584", "16", "2") << 0;
        QTest::newRow("EXP 1068") << 0x64 << 0x81 << EXP << boxes("1068", "100", "1") << 0;
        QTest::newRow("GP zero") << 0x00 << 0x00 << GP << boxes("0", "0", "0") << 0;
        QTest::newRow("EXP zero") << 0x00 << 0x80 << EXP << boxes("0", "0", "0") << 0;
        QTest::newRow("GP 31998 below the cap")
            << 0xAA << 0x29 << GP << boxes("31998", "170", "41") << 0;
        QTest::newRow("GP 32001 capped") << 0xAB << 0x29 << GP << boxes("32000", "171", "41") << 0;
        QTest::newRow("GP 32256 high 42") << 0x00 << 0x2A << GP << boxes("32000", "0", "42") << 0;
        QTest::newRow("GP top 49149") << 0xFF << 0x3F << GP << boxes("32000", "255", "63") << 0;
        QTest::newRow("EXP top 98301") << 0xFF << 0xFF << EXP << boxes("32000", "255", "127") << 0;
        QTest::newRow("item 0x15") << 0x15 << 0x40 << Item << RewardBoxes{} << 22;
        QTest::newRow("item 0 is row 1") << 0x00 << 0x40 << Item << RewardBoxes{} << 1;
        QTest::newRow("item 63, last row") << 0x3F << 0x40 << Item << RewardBoxes{} << 64;
        QTest::newRow("item 64, no row") << 0x40 << 0x40 << Item << RewardBoxes{} << -1;
        QTest::newRow("item 255, no row") << 0xFF << 0x40 << Item << RewardBoxes{} << -1;
        QTest::newRow("0x41 no kind") << 0x10 << 0x41 << NoKind << RewardBoxes{} << 0;
        QTest::newRow("0x7F no kind") << 0xFF << 0x7F << NoKind << RewardBoxes{} << 0;
    }
    void loadShows() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(Kind, kind);
        QFETCH(RewardBoxes, shown);
        QFETCH(int, comboRow);
        const RewardShown actual =
            rewardShown(static_cast<std::uint8_t>(low), static_cast<std::uint8_t>(high));
        QVERIFY(actual.kind == kind);
        QVERIFY2(actual.boxes == shown, qPrintable(describe(actual.boxes)));
        QCOMPARE(actual.comboRow, comboRow);
    }

    void leavingAComponentBox_data() {
        QTest::addColumn<RewardBoxes>("typed");
        QTest::addColumn<RewardBoxes>("left");
        QTest::newRow("amount before the caps")
            << boxes("1584", "255", "40") << boxes("31485", "171", "40");
        QTest::newRow("high over the cap, low kept")
            << boxes("0", "5", "999") << boxes("32000", "5", "41");
        QTest::newRow("all empty") << boxes("", "", "") << boxes("0", "0", "0");
        QTest::newRow("leading zeros stay") << boxes("9", "007", "") << boxes("21", "007", "0");
        QTest::newRow("top pair 32001 shows 32000")
            << boxes("", "171", "41") << boxes("32000", "171", "41");
        QTest::newRow("just below") << boxes("", "170", "41") << boxes("31998", "170", "41");
        QTest::newRow("low 172 capped") << boxes("", "172", "41") << boxes("32000", "171", "41");
        QTest::newRow("low 255 alone") << boxes("", "255", "0") << boxes("765", "171", "0");
        QTest::newRow("pasted text is 0") << boxes("x", "12a", "-3") << boxes("0", "0", "0");
        QTest::newRow("pasted huge high")
            << boxes("", "1", "99999999999") << boxes("32000", "1", "41");
        QTest::newRow("stored EXP 127/255")
            << boxes("32000", "255", "127") << boxes("32000", "171", "41");
    }
    void leavingAComponentBox() {
        QFETCH(RewardBoxes, typed);
        QFETCH(RewardBoxes, left);
        const RewardBoxes actual = leaveComponentBox(typed);
        QVERIFY2(actual == left, qPrintable(describe(actual)));
    }

    void applyStores_data() {
        QTest::addColumn<Kind>("kind");
        QTest::addColumn<RewardBoxes>("shown");
        QTest::addColumn<int>("comboRow");
        QTest::addColumn<int>("low"); // -1: the reward word stays
        QTest::addColumn<int>("high");
        QTest::addColumn<bool>("resetsRounds");
        QTest::newRow("GP 32000") << GP << boxes("32000", "0", "42") << 0 << 171 << 41 << true;
        QTest::newRow("GP 32001 again")
            << GP << boxes("32000", "171", "41") << 0 << 171 << 41 << true;
        QTest::newRow("EXP 32000")
            << EXP << boxes("32000", "255", "127") << 0 << 171 << 169 << false;
        QTest::newRow("GP components")
            << GP << boxes("31485", "171", "40") << 0 << 171 << 40 << false;
        QTest::newRow("GP stored high 63") << GP << boxes("1", "0", "63") << 0 << 0 << 63 << false;
        QTest::newRow("EXP components")
            << EXP << boxes("1068", "100", "1") << 0 << 100 << 129 << false;
        QTest::newRow("EXP empty is 0") << EXP << boxes("", "", "") << 0 << 0 << 128 << false;
        QTest::newRow("GP empty is 0") << GP << boxes("", "", "") << 0 << 0 << 0 << false;
        QTest::newRow("GP leading zeros") << GP << boxes("21", "007", "00") << 0 << 7 << 0 << false;
        QTest::newRow("pasted text is 0") << GP << boxes("3", "a1", "2x") << 0 << 0 << 0 << false;
        QTest::newRow("GP high never reaches 0x40")
            << GP << boxes("", "0", "999") << 0 << 0 << 63 << false;
        QTest::newRow("EXP high never wraps")
            << EXP << boxes("", "999", "999") << 0 << 255 << 255 << false;
        QTest::newRow("item row 2") << Item << RewardBoxes{} << 2 << 0x01 << 0x40 << false;
        QTest::newRow("item row 1") << Item << RewardBoxes{} << 1 << 0x00 << 0x40 << false;
        QTest::newRow("item row 64") << Item << RewardBoxes{} << 64 << 0x3F << 0x40 << false;
        QTest::newRow("item Nothing") << Item << RewardBoxes{} << 0 << -1 << -1 << false;
        QTest::newRow("item no row") << Item << RewardBoxes{} << -1 << -1 << -1 << false;
        QTest::newRow("item amount ignored")
            << Item << boxes("32000", "1", "1") << 3 << 2 << 0x40 << false;
        QTest::newRow("no kind") << NoKind << boxes("32000", "1", "1") << 3 << -1 << -1 << false;
    }
    void applyStores() {
        QFETCH(Kind, kind);
        QFETCH(RewardBoxes, shown);
        QFETCH(int, comboRow);
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(bool, resetsRounds);
        const std::optional<RewardBytes> stored = rewardToStore(kind, shown, comboRow);
        if (low < 0) {
            QVERIFY(!stored);
        } else {
            QVERIFY(stored);
            QCOMPARE(int(stored->low), low);
            QCOMPARE(int(stored->high), high);
        }
        QCOMPARE(BattlefieldRules::resetsRounds(kind, shown), resetsRounds);
    }

    // Apply without change gives back every word the editor can show, but a GP or
    // EXP amount of 32000 and more, which becomes the top pair.
    void applyUnchangedKeepsEveryShowableWord() {
        for (int word = 0; word < 0x10000; ++word) {
            const auto low = static_cast<std::uint8_t>(word & 0xFF);
            const auto high = static_cast<std::uint8_t>(word >> 8);
            const RewardShown shown = rewardShown(low, high);
            const auto stored = rewardToStore(shown.kind, shown.boxes, shown.comboRow);
            std::optional<RewardBytes> expected = RewardBytes{low, high};
            if (!shown.kind || shown.comboRow < 0)
                expected = std::nullopt;
            else if (shown.kind != Item && rewardAmount(low, high) >= AmountShownCap)
                expected = RewardBytes{171, static_cast<std::uint8_t>(shown.kind == GP ? 41 : 169)};
            if (stored != expected)
                QFAIL(qPrintable(QStringLiteral("word %1").arg(word, 4, 16, QLatin1Char('0'))));
        }
    }
};

QTEST_APPLESS_MAIN(TestBattlefieldReward)
#include "test_battlefield_reward.moc"
