#include "editors/general/name_tables.h"
#include "rom_fixture.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QTest>

using namespace NameTables;

class TestNameTables : public QObject {
    Q_OBJECT
private slots:
    // The name lands in exactly its field: spaces first, then the text. A name
    // that still reads as the field does leaves the field's bytes as they are.
    void writeNameStaysInItsField_data() {
        QTest::addColumn<int>("offset");
        QTest::addColumn<int>("length");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QByteArray>("before"); // the field's bytes first, where the row sets them
        const QByteArray uncoded = QByteArray::fromHex("00B87E05"); // reads as "e"
        QTest::newRow("unchanged with bytes without a character")
            << TitleTextBlock[2].offset << 4 << QStringLiteral("e") << uncoded << uncoded;
        QTest::newRow("unchanged with an ellipsis byte")
            << TitleTextBlock[7].offset << 2 << QStringLiteral("...B")
            << QByteArray::fromHex("D79B") << QByteArray::fromHex("D79B");
        QTest::newRow("changed is written whole")
            << TitleTextBlock[2].offset << 4 << QStringLiteral("f")
            << QByteArray::fromHex("B9030303") << uncoded;
        QTest::newRow("empty name is all spaces") << MonsterNameTable.offset(0) << 16 << QString()
                                                  << QByteArray(16, '\x03') << QByteArray();
        QTest::newRow("last attack name")
            << AttackNameTable.offset(159) << 12 << QStringLiteral("Ab")
            << QByteArray::fromHex("9AB5030303030303030303 03").replace(' ', "") << QByteArray();
        QTest::newRow("last area name")
            << AreaNameTable.offset(36) << 16 << QStringLiteral("Z")
            << QByteArray::fromHex("B3") + QByteArray(15, '\x03') << QByteArray();
        QTest::newRow("last armour name")
            << ItemNameTable.offset(0x3F) << 12 << QStringLiteral("a1")
            << QByteArray::fromHex("B491") + QByteArray(10, '\x03') << QByteArray();
        QTest::newRow("character 8") << CharacterNames.offset(8) << 8 << QStringLiteral("Kaldris!")
                                     << QByteArray::fromHex("A4B4BFB7C5BCC6CE") << QByteArray();
        QTest::newRow("uncoded character stored as space")
            << TitleTextBlock[6].offset << 5 << QStringLiteral("A#B")
            << QByteArray::fromHex("9A039B0303") << QByteArray();
    }
    void writeNameStaysInItsField() {
        QFETCH(int, offset);
        QFETCH(int, length);
        QFETCH(QString, name);
        QFETCH(QByteArray, stored);
        QFETCH(QByteArray, before);
        RomFixture fixture;
        fixture.setBytes(offset, before);
        QByteArray expected = fixture.bytes();
        putBytes(expected, offset, stored);
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        FakePlatform platform;
        GameText text(rom, fixture.tablePath(), platform);
        writeName(text, offset, name, static_cast<std::int16_t>(length));
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), expected);
    }
};

QTEST_GUILESS_MAIN(TestNameTables)
#include "test_name_tables.moc"
