#include "rom_fixture.h"
#include "workspace/rom_file.h"
#include "workspace/rom_header.h"

#include <QTest>

using RomHeader::NameOffset;
using RomHeader::SizeClass;
using RomHeader::VersionOffset;

class TestRomHeader : public QObject {
    Q_OBJECT
private slots:
    void classifySize_data() {
        QTest::addColumn<qint64>("bytes");
        QTest::addColumn<SizeClass>("expected");
        QTest::newRow("512 KiB, no header") << qint64{524288} << SizeClass::NoHeader;
        QTest::newRow("1 MiB, no header") << qint64{1048576} << SizeClass::NoHeader;
        QTest::newRow("512 KiB + header") << qint64{524800} << SizeClass::NotExpanded;
        QTest::newRow("1 MiB + header") << qint64{1049088} << SizeClass::Expanded;
        QTest::newRow("one byte more") << qint64{524801} << SizeClass::Other;
        QTest::newRow("one byte less") << qint64{524287} << SizeClass::Other;
        QTest::newRow("empty") << qint64{0} << SizeClass::Other;
    }
    void classifySize() {
        QFETCH(qint64, bytes);
        QFETCH(SizeClass, expected);
        QCOMPARE(RomHeader::classifySize(bytes), expected);
    }

    void nameIsTwentyTwoLatin1CharactersUntrimmed() {
        RomFixture fixture;
        const QByteArray stored("Caf\xE9  \x01 KALDRIS      \xFF", 22);
        for (int i = 0; i < 22; ++i)
            fixture.setByte(NameOffset + i, static_cast<std::uint8_t>(stored[i]));
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        const QString name = RomHeader::readName(rom);
        QCOMPARE(name.size(), 22);
        QCOMPARE(name, QString::fromLatin1(stored));
        QCOMPARE(name[3], QChar(0xE9));
        QCOMPARE(name[21], QChar(0xFF));
    }

    void saveName_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("field");
        QTest::newRow("3 characters and 19 spaces")
            << QStringLiteral("Abc") << QByteArray("Abc").leftJustified(22, ' ');
        QTest::newRow("empty: 22 spaces") << QString() << QByteArray(22, ' ');
        QTest::newRow("22 characters set the 22nd byte")
            << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUV") << QByteArray("ABCDEFGHIJKLMNOPQRSTUV");
        QTest::newRow("a pasted 30 characters: only 22 written")
            << QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ0123")
            << QByteArray("ABCDEFGHIJKLMNOPQRSTUV");
        QTest::newRow("Latin-1 letters, one byte each")
            << QString::fromLatin1("Caf\xE9 \xC6\xFF")
            << QByteArray("Caf\xE9 \xC6\xFF").leftJustified(22, ' ');
        QTest::newRow("outside Latin-1 becomes ?")
            << QString::fromUtf8("A\u20ACB\u03A9") << QByteArray("A?B?").leftJustified(22, ' ');
        QTest::newRow("beyond the BMP: one ? per character")
            << QString::fromUtf8("A\U0001F600B") << QByteArray("A?B").leftJustified(22, ' ');
    }
    void saveName() {
        QFETCH(QString, text);
        QFETCH(QByteArray, field);
        QCOMPARE(field.size(), 22);
        RomFixture fixture;
        QByteArray expected = fixture.bytes();
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        SaveROMIName(rom, text);
        putBytes(expected, NameOffset, field);
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), expected);
    }

    // Every byte value comes back as the same byte, 22 at a time.
    void everyByteRoundTripsThroughTheName() {
        RomFixture fixture;
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        for (int first = 0; first < 256; first += 22) {
            QByteArray field(22, '\0');
            for (int i = 0; i < 22; ++i)
                field[i] = static_cast<char>((first + i) & 0xFF);
            for (int i = 0; i < 22; ++i)
                rom.writeByte(NameOffset + i, static_cast<std::uint8_t>(field[i]));
            const QByteArray before = fixture.bytes();
            SaveROMIName(rom, RomHeader::readName(rom));
            KALDRIS_COMPARE_IMAGE(fixture.bytes(), before);
        }
    }

    void parseVersion_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("expected"); // -1: no value, the byte stays
        QTest::newRow("7") << QStringLiteral("7") << 7;
        QTest::newRow("0") << QStringLiteral("0") << 0;
        QTest::newRow("99") << QStringLiteral("99") << 99;
        QTest::newRow("255") << QStringLiteral("255") << 255;
        QTest::newRow("leading zeros") << QStringLiteral("007") << 7;
        QTest::newRow("empty") << QString() << -1;
        QTest::newRow("256") << QStringLiteral("256") << -1;
        QTest::newRow("letters") << QStringLiteral("abc") << -1;
        QTest::newRow("digit then letter") << QStringLiteral("1a") << -1;
        QTest::newRow("space") << QStringLiteral(" 7") << -1;
        QTest::newRow("sign") << QStringLiteral("+7") << -1;
        QTest::newRow("negative") << QStringLiteral("-1") << -1;
        QTest::newRow("huge") << QStringLiteral("99999999999999999999") << -1;
        QTest::newRow("Arabic-Indic digit") << QString(QChar(0x0667)) << -1;
    }
    void parseVersion() {
        QFETCH(QString, text);
        QFETCH(int, expected);
        const auto value = RomHeader::parseVersion(text);
        if (expected < 0) {
            QVERIFY(!value.has_value());
        } else {
            QVERIFY(value.has_value());
            QCOMPARE(int{*value}, expected);
        }
    }

    void everyVersionByteRoundTrips() {
        for (int v = 0; v < 256; ++v) {
            const auto value = RomHeader::parseVersion(QString::number(v));
            QVERIFY(value.has_value());
            QCOMPARE(int{*value}, v);
        }
    }

    void fieldsLieInTheInternalHeader() {
        QCOMPARE(NameOffset, 0x81C0);
        QCOMPARE(RomHeader::NameLength, 22);
        QCOMPARE(VersionOffset, 0x81DB);
    }
};

QTEST_GUILESS_MAIN(TestRomHeader)
#include "test_rom_header.moc"
