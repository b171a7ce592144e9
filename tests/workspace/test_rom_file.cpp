#include "rom_fixture.h"
#include "workspace/rom_file.h"

#include <QFile>
#include <QTest>

class TestRomFile : public QObject {
    Q_OBJECT
private slots:
    void wordsAreLowByteFirstAndSigned_data() {
        QTest::addColumn<QByteArray>("stored");
        QTest::addColumn<int>("value");
        QTest::newRow("FF FF") << QByteArray::fromHex("FFFF") << -1;
        QTest::newRow("00 80") << QByteArray::fromHex("0080") << -32768;
        QTest::newRow("FF 7F") << QByteArray::fromHex("FF7F") << 32767;
        QTest::newRow("34 12") << QByteArray::fromHex("3412") << 0x1234;
    }
    void wordsAreLowByteFirstAndSigned() {
        QFETCH(QByteArray, stored);
        QFETCH(int, value);
        RomFixture fixture;
        const QByteArray before = fixture.bytes();
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        rom.writeWord(0x14475, static_cast<std::int16_t>(value));
        QByteArray expected = before;
        putBytes(expected, 0x14475, stored);
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), expected);
        QCOMPARE(rom.readWord(0x14475), static_cast<std::int16_t>(value));
    }

    void everyByteValueRoundTrips() {
        RomFixture fixture;
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        for (int v = 0; v < 256; ++v) {
            rom.writeByte(0x81DB, static_cast<std::uint8_t>(v));
            QCOMPARE(rom.readByte(0x81DB), static_cast<std::uint8_t>(v));
        }
    }

    // A short file is accepted by the size rule, so editors can reach past its end.
    void accessPastTheEndNeverChangesTheSize() {
        RomFixture fixture(syntheticRomImage(100));
        const QByteArray before = fixture.bytes();
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        QCOMPARE(rom.readByte(100), std::uint8_t{0});
        QCOMPARE(rom.readWord(5000), std::int16_t{0});
        // a word across the end: the byte inside is kept, the one outside reads as 0
        QCOMPARE(rom.readWord(99),
                 static_cast<std::int16_t>(static_cast<std::uint8_t>(before[99])));
        rom.writeByte(100, 0x12);
        rom.writeWord(5000, 0x1234);
        rom.writeWord(99, 0x3456);
        // a text field across the end: only the bytes inside are read and written
        QCOMPARE(rom.readBlock(97, 4), before.mid(97, 2) + QByteArray::fromHex("5600"));
        rom.writeBlock(97, QByteArray::fromHex("A1A2A3A4"));
        QByteArray expected = before;
        putBytes(expected, 97, QByteArray::fromHex("A1A2A3"));
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), expected);
        QCOMPARE(rom.size(), 100);
        QCOMPARE(rom.takeReadFailure(), QString());
    }

    void readOnlyFileCannotBeOpened() {
        RomFixture fixture;
        makeReadOnly(fixture);
        RomFile rom;
        {
            ActAsOrdinaryUser user;
            QVERIFY(!rom.open(fixture.romPath()));
        }
        QVERIFY(!rom.isOpen());
    }

    // A failing read or write inside the file is kept until taken, once, with the
    // file's name and the system's words; past the end nothing fails.
    void failedAccessIsToldOnce_data() {
        QTest::addColumn<bool>("reading");
        QTest::addColumn<QString>("told");
        QTest::newRow("write") << false
                               << "Could not write to the ROM file \"%1\": Bad file descriptor. "
                                  "The record may now be partly written.";
        QTest::newRow("read") << true << "Could not read \"%1\": Bad file descriptor.";
    }
    void failedAccessIsToldOnce() {
        QFETCH(bool, reading);
        QFETCH(QString, told);
        RomFixture fixture;
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        const auto access = [&](std::int64_t offset) {
            if (reading)
                return rom.readWord(offset);
            rom.writeWord(offset, 0x0101);
            return std::int16_t{0};
        };
        const auto take = [&] { return reading ? rom.takeReadFailure() : rom.takeWriteFailure(); };
        access(rom.size() + 10);
        access(rom.size() - 1);
        QCOMPARE(take(), QString());

        QCOMPARE(reading ? breakReads(fixture.romPath()) : breakWrites(fixture.romPath()), 1);
        const QByteArray before = fixture.bytes();
        QCOMPARE(access(5), std::int16_t{0});
        access(7);
        rom.flush();
        QCOMPARE(take(), told.arg(fixture.romPath()));
        QCOMPARE(take(), QString());
        QCOMPARE(reading ? rom.takeWriteFailure() : rom.takeReadFailure(), QString());
        KALDRIS_COMPARE_IMAGE(fixture.bytes(), before);
    }

    // Replaced, moved, deleted or resized since the open: told with the file's name.
    void changeOnDiskIsTold_data() {
        QTest::addColumn<QString>("how");
        QTest::addColumn<QString>("told");
        QTest::newRow("unchanged") << QString() << QString();
        QTest::newRow("replaced") << "replaced"
                                  << "has been replaced by another file";
        QTest::newRow("moved") << "moved"
                               << "has been moved or deleted";
        QTest::newRow("deleted") << "deleted"
                                 << "has been moved or deleted";
        QTest::newRow("truncated") << "truncated"
                                   << "changed size from 524800 to 524700 bytes";
        QTest::newRow("grown") << "grown"
                               << "changed size from 524800 to 525312 bytes";
    }
    void changeOnDiskIsTold() {
        QFETCH(QString, how);
        QFETCH(QString, told);
        RomFixture fixture;
        RomFile rom;
        QVERIFY(rom.open(fixture.romPath()));
        changeOnDisk(fixture, how);
        const QString change = rom.changeOnDisk();
        QVERIFY2(told.isEmpty() ? change.isEmpty()
                                : change.contains(told) && change.contains(fixture.romPath()),
                 qPrintable(change));
    }

    void closedFileReadsZeroAndIgnoresWrites() {
        RomFile rom;
        rom.close();
        QCOMPARE(rom.readByte(0), std::uint8_t{0});
        rom.writeByte(0, 1);
        QCOMPARE(rom.size(), 0);
        QVERIFY(!rom.open(QStringLiteral("/nonexistent/kaldris.smc")));
    }
};

QTEST_GUILESS_MAIN(TestRomFile)
#include "test_rom_file.moc"
