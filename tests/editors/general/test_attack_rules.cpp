#include "editors/general/attack_rules.h"

#include <QTest>

using namespace AttackRules;
Q_DECLARE_METATYPE(AttackRules::AttackClass)

namespace {

using enum AttackClass;

// The load map as the game's attack table reads: first byte of each range, in order.
struct Range {
    int first;
    AttackClass kind;
};
const Range LoadMap[] = {
    {0, Nothing}, {1, Aerial},    {2, Physical}, {3, Damage},    {8, Drain},   {15, Wind},
    {24, Drain},  {32, Fire},     {40, Drain},   {48, Fire},     {56, Drain},  {64, Water},
    {72, Drain},  {80, Thunder},  {88, Drain},   {96, Water},    {104, Drain}, {128, Earth},
    {136, Drain}, {144, Earth},   {152, Drain},  {160, Earth},   {168, Drain}, {176, Earth},
    {184, Drain}, {192, Earth},   {200, Drain},  {208, Thunder}, {216, Drain}, {224, Earth},
    {232, Drain}, {240, Thunder}, {248, Drain},
};

AttackClass expectedClass(int byte) {
    AttackClass kind = Nothing;
    for (const Range& range : LoadMap) {
        if (byte >= range.first)
            kind = range.kind;
    }
    return kind;
}

} // namespace

class TestAttackRules : public QObject {
    Q_OBJECT
private slots:
    void everyStoredByteSelectsItsOption_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<AttackClass>("kind");
        for (int b = 0; b < 256; ++b)
            QTest::addRow("%d", b) << b << expectedClass(b);
    }
    void everyStoredByteSelectsItsOption() {
        QFETCH(int, stored);
        QFETCH(AttackClass, kind);
        QCOMPARE(attackClass(static_cast<std::uint8_t>(stored)), kind);
    }

    // The edges the game's own attacks sit on, written out apart from the map above.
    void rangeEdges_data() {
        QTest::addColumn<int>("stored");
        QTest::addColumn<AttackClass>("kind");
        QTest::newRow("7") << 7 << Damage;
        QTest::newRow("8") << 8 << Drain;
        QTest::newRow("14") << 14 << Drain;
        QTest::newRow("15") << 15 << Wind;
        QTest::newRow("23") << 23 << Wind;
        QTest::newRow("24") << 24 << Drain;
        QTest::newRow("71") << 71 << Water;
        QTest::newRow("72") << 72 << Drain;
        QTest::newRow("103") << 103 << Water;
        QTest::newRow("104") << 104 << Drain;
        QTest::newRow("127") << 127 << Drain;
        QTest::newRow("128") << 128 << Earth;
        QTest::newRow("208") << 208 << Thunder;
        QTest::newRow("240") << 240 << Thunder;
        QTest::newRow("255") << 255 << Drain;
    }
    void rangeEdges() {
        QFETCH(int, stored);
        QFETCH(AttackClass, kind);
        QCOMPARE(attackClass(static_cast<std::uint8_t>(stored)), kind);
    }

    // Drain Attack stores 8: a 4 would reload as Damage Attack.
    void eachOptionStoresTheLowestByteOfItsFirstRange_data() {
        QTest::addColumn<AttackClass>("kind");
        QTest::addColumn<int>("stored");
        QTest::newRow("Nothing") << Nothing << 0;
        QTest::newRow("Aerial Attack") << Aerial << 1;
        QTest::newRow("Physical Attack") << Physical << 2;
        QTest::newRow("Damage Attack") << Damage << 3;
        QTest::newRow("Drain Attack") << Drain << 8;
        QTest::newRow("Wind Element") << Wind << 15;
        QTest::newRow("Fire Element") << Fire << 32;
        QTest::newRow("Water Element") << Water << 64;
        QTest::newRow("Thunder Element") << Thunder << 80;
        QTest::newRow("Earth Element") << Earth << 128;
    }
    void eachOptionStoresTheLowestByteOfItsFirstRange() {
        QFETCH(AttackClass, kind);
        QFETCH(int, stored);
        QCOMPARE(int(typeByte(kind)), stored);
        QCOMPARE(attackClass(typeByte(kind)), kind);
    }
};

QTEST_MAIN(TestAttackRules)
#include "test_attack_rules.moc"
