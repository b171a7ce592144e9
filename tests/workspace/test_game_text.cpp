#include "rom_fixture.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QCoreApplication>
#include <QFile>
#include <QTest>

namespace {
constexpr std::int32_t Field = 0x64DA0;
}

class TestGameText : public QObject {
    Q_OBJECT
private slots:
    void tableHasSeventyEightEntries() {
        const auto& t = GameText::CharTable();
        int withText = 0;
        for (const QString& s : t)
            withText += s.isEmpty() ? 0 : 1;
        QCOMPARE(withText, 78);
        QCOMPARE(t[0x8F], QString(QChar(0x00A9)));
        QCOMPARE(t[0xD7], QStringLiteral("..."));
        QCOMPARE(t[0x9A], QStringLiteral("A"));
        QCOMPARE(t[0xCD], QStringLiteral("z"));
        QCOMPARE(t[0x99], QStringLiteral("9"));
        QCOMPARE(t[0xFE], QStringLiteral("|"));
    }

    // Table-aware ROM tools read the shipped file; it must say what the program does.
    void shippedTableFileMatchesTheTable() {
        QFile file(QCoreApplication::applicationDirPath() + QStringLiteral("/vx.tbl"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray content = file.readAll();
        QVERIFY(!content.startsWith("\xEF\xBB\xBF"));
        QVERIFY(!content.contains('\r'));
        QByteArray expected;
        const auto& t = GameText::CharTable();
        for (int b = 0; b < 256; ++b) {
            if (!t[b].isEmpty())
                expected += (QStringLiteral("%1=").arg(b, 2, 16, QLatin1Char('0')).toUpper() +
                             t[b] + QLatin1Char('\n'))
                                .toUtf8();
        }
        QCOMPARE(content, expected);
    }

    void readText_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<QString>("text");
        QTest::newRow("plain") << QByteArray::fromHex("9BB4C703") << QStringLiteral("Bat ");
        QTest::newRow("empty entries vanish")
            << QByteArray::fromHex("9B00B400") << QStringLiteral("Ba");
        QTest::newRow("D7 is three characters")
            << QByteArray::fromHex("9BD7") << QStringLiteral("B...");
        QTest::newRow("length 0") << QByteArray() << QString();
        QTest::newRow("symbols") << QByteArray::fromHex("8FCECFD0D1D2D6D8DADBDCFEFF06")
                                 << QString::fromUtf8("\u00A9!?,'.:/-&%|_*");
    }
    void readText() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, text);
        RomFixture fixture;
        for (int i = 0; i < stored.size(); ++i)
            fixture.setByte(Field + i, static_cast<std::uint8_t>(stored[i]));
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        FakePlatform platform;
        GameText gameText(rom, fixture.tablePath(), platform);
        QCOMPARE(gameText.ReadText(Field, static_cast<std::int16_t>(stored.size())), text);
    }

    // A table read in one access gives each field as ReadText does, a 0xD7 byte
    // and a byte with no character among them.
    void readTableEqualsReadText_data() {
        QTest::addColumn<int>("stride");
        QTest::addColumn<int>("length");
        QTest::newRow("packed") << 12 << 12;
        QTest::newRow("gaps between fields") << 16 << 9;
    }
    void readTableEqualsReadText() {
        QFETCH(int, stride);
        QFETCH(int, length);
        RomFixture fixture;
        fixture.setByte(Field + 1, 0xD7);
        fixture.setByte(Field + stride, 0x00);
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        FakePlatform platform;
        GameText gameText(rom, fixture.tablePath(), platform);
        const QStringList table = gameText.ReadTable(Field, stride, std::int16_t(length), 5);
        QCOMPARE(table.size(), 5);
        for (int k = 0; k < 5; ++k)
            QCOMPARE(table[k], gameText.ReadText(Field + k * stride, std::int16_t(length)));
    }

    void writeText_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("length");
        // stored bytes; "--" keeps the byte that was there
        QTest::addColumn<QString>("written");
        QTest::newRow("padded with spaces")
            << QStringLiteral("Bat") << 5 << QStringLiteral("9B B4 C7 03 03");
        QTest::newRow("unknown character keeps the byte")
            << QStringLiteral("B#t") << 3 << QStringLiteral("9B -- C7");
        QTest::newRow("accented letter keeps the byte")
            << QString::fromUtf8("\u00E9a") << 2 << QStringLiteral("-- B4");
        QTest::newRow("three dots are three full stops")
            << QStringLiteral("...") << 3 << QStringLiteral("D2 D2 D2");
        QTest::newRow("cut at the field length")
            << QStringLiteral("ABCDEFGHIJKLMN") << 12
            << QStringLiteral("9A 9B 9C 9D 9E 9F A0 A1 A2 A3 A4 A5");
        QTest::newRow("length 0 writes nothing") << QString() << 0 << QString();
        QTest::newRow("copyright and bar")
            << QString::fromUtf8("\u00A9|") << 2 << QStringLiteral("8F FE");
        // a character outside the BMP is one position, as the user sees it
        QTest::newRow("emoji takes one byte")
            << QString::fromUtf8("A\U0001F600B") << 4 << QStringLiteral("9A -- 9B 03");
        QTest::newRow("emoji at the cut")
            << QString::fromUtf8("AB\U0001F600C") << 3 << QStringLiteral("9A 9B --");
    }
    void writeText() {
        QFETCH(QString, text);
        QFETCH(int, length);
        QFETCH(QString, written);
        RomFixture fixture;
        const QByteArray before = fixture.bytes();
        QByteArray expected = before;
        const QStringList codes = written.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int i = 0; i < codes.size(); ++i) {
            if (codes[i] != QStringLiteral("--"))
                putByte(expected, Field + i,
                        static_cast<std::uint8_t>(codes[i].toUInt(nullptr, 16)));
        }
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        FakePlatform platform;
        GameText gameText(rom, fixture.tablePath(), platform);
        gameText.WriteText(Field, text, static_cast<std::int16_t>(length));
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), expected);
    }

    // Every byte with a one-character entry reads back as itself after a write.
    void everySingleCharacterRoundTrips() {
        RomFixture fixture;
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        FakePlatform platform;
        GameText gameText(rom, fixture.tablePath(), platform);
        const auto& t = GameText::CharTable();
        for (int b = 0; b < 256; ++b) {
            if (t[b].size() != 1)
                continue;
            gameText.WriteText(Field, t[b], 1);
            QCOMPARE(rom.readByte(Field), static_cast<std::uint8_t>(b));
            QCOMPARE(gameText.ReadText(Field, 1), t[b]);
        }
    }

    void missingTableFileEndsTheProgramAtTheNextRead() {
        RomFixture fixture;
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        FakePlatform platform;
        GameText gameText(rom, fixture.tablePath(), platform);
        QVERIFY(QFile::remove(fixture.tablePath()));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, gameText.ReadTable(Field, 4, 4, 2));
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, gameText.ReadText(Field, 4));
        QCOMPARE(platform.messages.size(), 2);
        QCOMPARE(platform.messages[0].text,
                 QStringLiteral(
                     "You are missing a vital data file, you will need to reinstall the program to "
                     "fix this error.  This application will now close."));
        QCOMPARE(platform.messages[0].caption, QStringLiteral("TORVEL"));
        QCOMPARE(platform.messages[0].icon, Platform::Icon::Critical);
        QCOMPARE(platform.endStatuses, (QList<int>{1, 1}));
    }

    void aFolderIsNoTableFile() {
        RomFixture fixture;
        FakePlatform platform;
        QVERIFY_THROWS_EXCEPTION(ProgramEnded, GameText::CheckDataFile(fixture.dir(), platform));
        GameText::CheckDataFile(fixture.tablePath(), platform);
        QCOMPARE(platform.endStatuses, QList<int>{1});
    }
};

QTEST_GUILESS_MAIN(TestGameText)
#include "test_game_text.moc"
