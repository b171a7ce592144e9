#include "editors/general/monster_rules.h"

#include <QTest>
#include <map>

using namespace MonsterRules;
Q_DECLARE_METATYPE(MonsterRules::CounterKind)

class TestMonsterRules : public QObject {
    Q_OBJECT
private slots:
    void hpShownUnsigned_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("high");
        QTest::addColumn<int>("shown");
        QTest::newRow("FF FF") << 0xFF << 0xFF << 65535;
        QTest::newRow("00 80") << 0x00 << 0x80 << 32768;
        QTest::newRow("FF 7F") << 0xFF << 0x7F << 32767;
        QTest::newRow("00 00") << 0x00 << 0x00 << 0;
    }
    void hpShownUnsigned() {
        QFETCH(int, low);
        QFETCH(int, high);
        QFETCH(int, shown);
        const auto stored =
            static_cast<std::int16_t>(static_cast<std::uint16_t>(low | (high << 8)));
        QCOMPARE(hpShown(stored), shown);
        QCOMPARE(hpStored(shown), stored);
    }

    void everyHpRoundTrips() {
        for (int v = 0; v <= HpCap; ++v) {
            const int back = hpShown(hpStored(v));
            if (back != v)
                QFAIL(qPrintable(QStringLiteral("HP %1 came back as %2").arg(v).arg(back)));
        }
    }

    void expStored_data() {
        QTest::addColumn<int>("shown");
        QTest::addColumn<int>("stored");
        QTest::newRow("cap") << 765 << 255;
        QTest::newRow("764 rounds up") << 764 << 255;
        QTest::newRow("1 rounds down") << 1 << 0;
        QTest::newRow("4 is nearest 3") << 4 << 1;
        QTest::newRow("5 is nearest 6") << 5 << 2;
        QTest::newRow("zero") << 0 << 0;
    }
    void expStored() {
        QFETCH(int, shown);
        QFETCH(int, stored);
        QCOMPARE(int(MonsterRules::expStored(shown)), stored);
    }

    void everyStoredByteRoundTrips() {
        for (int b = 0; b < 256; ++b) {
            const auto byte = static_cast<std::uint8_t>(b);
            QCOMPARE(MonsterRules::expStored(expShown(byte)), byte);
            QCOMPARE(gpStored(MonsterRules::gpShown(byte)), std::optional<std::uint8_t>(byte));
            QCOMPARE(
                counterValue(MonsterRules::counterKind(counterValue(MonsterRules::counterKind(b)))),
                counterValue(MonsterRules::counterKind(b)));
        }
    }

    void gpShown_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shown");
        QTest::newRow("0") << 0 << 0;
        QTest::newRow("65, last of the threes") << 65 << 195;
        QTest::newRow("66, first of the sixes") << 66 << 396;
        QTest::newRow("73, last of the sixes") << 73 << 438;
        QTest::newRow("74, first of the tens") << 74 << 740;
        QTest::newRow("255") << 255 << 2550;
    }
    void gpShown() {
        QFETCH(int, stored);
        QFETCH(int, shown);
        QCOMPARE(MonsterRules::gpShown(static_cast<std::uint8_t>(stored)), shown);
    }

    // Every typed range of the save table: the bytes at its two ends, and every
    // value in between lands on a byte between them.
    void gpStoredRanges_data() {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<int>("firstByte"); // -1: not written
        QTest::addColumn<int>("lastByte");
        QTest::newRow("0..196") << 0 << 196 << 0 << 65;
        QTest::newRow("197") << 197 << 197 << 66 << 66;
        QTest::newRow("198..390") << 198 << 390 << -1 << -1;
        QTest::newRow("391..392") << 391 << 392 << 65 << 65;
        QTest::newRow("393..440") << 393 << 440 << 66 << 73;
        QTest::newRow("441..443") << 441 << 443 << 74 << 74;
        QTest::newRow("444..654") << 444 << 654 << 44 << 65;
        QTest::newRow("655..734") << 655 << 734 << 66 << 73;
        QTest::newRow("735..2550") << 735 << 2550 << 74 << 255;
    }
    void gpStoredRanges() {
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(int, firstByte);
        QFETCH(int, lastByte);
        int previous = firstByte;
        for (int v = from; v <= to; ++v) {
            const auto stored = gpStored(v);
            if (firstByte < 0) {
                QVERIFY2(!stored, qPrintable(QString::number(v)));
                continue;
            }
            QVERIFY2(stored, qPrintable(QString::number(v)));
            QVERIFY2(*stored >= previous && *stored <= lastByte, qPrintable(QString::number(v)));
            previous = *stored;
        }
        if (firstByte >= 0) {
            QCOMPARE(int(*gpStored(from)), firstByte);
            QCOMPARE(int(*gpStored(to)), lastByte);
        }
    }

    void gpTypedValues_data() {
        QTest::addColumn<int>("typed");
        QTest::addColumn<int>("stored");
        QTest::addColumn<int>("shownAfter");
        QTest::newRow("196") << 196 << 65 << 195;
        QTest::newRow("500") << 500 << 50 << 150;
        QTest::newRow("441") << 441 << 74 << 740;
        QTest::newRow("745, half to even") << 745 << 74 << 740;
        QTest::newRow("755, half to even") << 755 << 76 << 760;
        QTest::newRow("2550") << 2550 << 255 << 2550;
    }
    void gpTypedValues() {
        QFETCH(int, typed);
        QFETCH(int, stored);
        QFETCH(int, shownAfter);
        const auto byte = gpStored(typed);
        QVERIFY(byte);
        QCOMPARE(int(*byte), stored);
        QCOMPARE(MonsterRules::gpShown(*byte), shownAfter);
    }

    void counterKind_data() {
        QTest::addColumn<int>("counterByte");
        QTest::addColumn<CounterKind>("kind");
        QTest::addColumn<int>("written");
        for (int b = 0; b < 8; ++b)
            QTest::addRow("%d", b) << b << CounterKind::Nothing << 0;
        QTest::newRow("8") << 8 << CounterKind::Physical << 8;
        QTest::newRow("16") << 16 << CounterKind::Confusion << 16;
        QTest::newRow("24") << 24 << CounterKind::Physical << 8;
        QTest::newRow("48") << 48 << CounterKind::Paralyze << 32;
        QTest::newRow("96") << 96 << CounterKind::Poison << 64;
        QTest::newRow("112") << 112 << CounterKind::Poison << 64;
        QTest::newRow("128") << 128 << CounterKind::Petrify << 128;
        QTest::newRow("0x90") << 0x90 << CounterKind::Petrify << 128;
        QTest::newRow("136") << 136 << CounterKind::Physical << 8;
        QTest::newRow("240") << 240 << CounterKind::Petrify << 128;
        QTest::newRow("255") << 255 << CounterKind::Physical << 8;
    }
    void counterKind() {
        QFETCH(int, counterByte);
        QFETCH(CounterKind, kind);
        QFETCH(int, written);
        QCOMPARE(MonsterRules::counterKind(counterByte), kind);
        QCOMPARE(int(counterValue(kind)), written);
    }

    void counterKindsOverAllBytes() {
        std::map<CounterKind, int> count;
        for (int b = 0; b < 256; ++b)
            ++count[MonsterRules::counterKind(b)];
        QCOMPARE(count[CounterKind::Physical], 128);
        QCOMPARE(count[CounterKind::Petrify], 64);
        QCOMPARE(count[CounterKind::Poison], 32);
        QCOMPARE(count[CounterKind::Paralyze], 16);
        QCOMPARE(count[CounterKind::Confusion], 8);
        QCOMPARE(count[CounterKind::Nothing], 8);
    }

    void preventLife_data() {
        QTest::addColumn<int>("held");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<int>("written");
        QTest::newRow("0x05 on") << 0x05 << true << 0x85;
        QTest::newRow("0x05 off") << 0x05 << false << 0x05;
        QTest::newRow("127 on") << 127 << true << 255;
        QTest::newRow("128 on") << 128 << true << 128;
        QTest::newRow("128 off") << 128 << false << 0;
        QTest::newRow("0x85 on") << 0x85 << true << 0x85;
        QTest::newRow("0x85 off") << 0x85 << false << 0x05;
        QTest::newRow("255 off") << 255 << false << 127;
    }
    void preventLife() {
        QFETCH(int, held);
        QFETCH(bool, checked);
        QFETCH(int, written);
        QCOMPARE(preventsLife(static_cast<std::uint8_t>(held)), held >= 128);
        QCOMPARE(int(byte8Stored(static_cast<std::uint8_t>(held), checked)), written);
    }
};

QTEST_GUILESS_MAIN(TestMonsterRules)
#include "test_monster_rules.moc"
