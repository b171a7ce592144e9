#include "workspace/file_filter.h"
#include "workspace/qt_platform.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QTemporaryDir>
#include <QTest>

namespace {

// the main window's filter list, as LoadROM hands it to the open dialog
const QString RomFilter = QStringLiteral(
    "All Files (*.*)|*.*|All SNES ROM Files (*.swc, *.smc, *.fig)|*.smc;*.swc;*.fig|Super "
    "MagiCom ROM File (*.smc)|*.smc|Super Wild Card ROM File (*.swc)|*.swc|Super UFO 8/Pro "
    "Fighter X ROM File (*.fig)|*.fig");

const QStringList ShownTexts{
    QStringLiteral("All Files (*.*)"),
    QStringLiteral("All SNES ROM Files (*.swc, *.smc, *.fig)"),
    QStringLiteral("Super MagiCom ROM File (*.smc)"),
    QStringLiteral("Super Wild Card ROM File (*.swc)"),
    QStringLiteral("Super UFO 8/Pro Fighter X ROM File (*.fig)"),
};

const QStringList Files{QStringLiteral("kaldris.smc"), QStringLiteral("BACKUP.SMC"),
                        QStringLiteral("hack.Swc"),    QStringLiteral("copy.fig"),
                        QStringLiteral("README"),      QStringLiteral("notes.txt")};

QStringList listedFiles(QFileDialog& dialog) {
    auto* view = dialog.findChild<QListView*>(QStringLiteral("listView"));
    if (view == nullptr || view->model() == nullptr)
        return {QStringLiteral("no list view")};
    QStringList names;
    const QModelIndex root = view->rootIndex();
    for (int row = 0; row < view->model()->rowCount(root); ++row)
        names << view->model()->index(row, 0, root).data().toString();
    names.sort();
    return names;
}

} // namespace

class TestFileFilter : public QObject {
    Q_OBJECT
private slots:
    void qtPattern_data() {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("expected");
        QTest::newRow("every file, also without a dot")
            << QStringLiteral("*.*") << QStringLiteral("*");
        QTest::newRow("smc") << QStringLiteral("*.smc") << QStringLiteral("*.[sS][mM][cC]");
        QTest::newRow("swc") << QStringLiteral("*.swc") << QStringLiteral("*.[sS][wW][cC]");
        QTest::newRow("fig") << QStringLiteral("*.fig") << QStringLiteral("*.[fF][iI][gG]");
        QTest::newRow("upper case given")
            << QStringLiteral("*.SMC") << QStringLiteral("*.[sS][mM][cC]");
        QTest::newRow("digits stay") << QStringLiteral("*.7z") << QStringLiteral("*.7[zZ]");
        QTest::newRow("question mark stays")
            << QStringLiteral("rom?.bin") << QStringLiteral("[rR][oO][mM]?.[bB][iI][nN]");
    }
    void qtPattern() {
        QFETCH(QString, pattern);
        QFETCH(QString, expected);
        QCOMPARE(::qtPattern(pattern), expected);
    }

    void romFilterBecomesFiveQtFilters() {
        QCOMPARE(qtNameFilters(RomFilter),
                 (QStringList{
                     QStringLiteral("All Files (*.*) (*)"),
                     QStringLiteral("All SNES ROM Files (*.swc, *.smc, *.fig) "
                                    "(*.[sS][mM][cC] *.[sS][wW][cC] *.[fF][iI][gG])"),
                     QStringLiteral("Super MagiCom ROM File (*.smc) (*.[sS][mM][cC])"),
                     QStringLiteral("Super Wild Card ROM File (*.swc) (*.[sS][wW][cC])"),
                     QStringLiteral("Super UFO 8/Pro Fighter X ROM File (*.fig) (*.[fF][iI][gG])"),
                 }));
    }

    void incompletePairIsDropped() {
        QCOMPARE(qtNameFilters(QStringLiteral("Text (*.txt)|*.txt|Lonely")),
                 QStringList{QStringLiteral("Text (*.txt) (*.[tT][xX][tT])")});
        QCOMPARE(qtNameFilters(QString()), QStringList{});
    }

    // The list shows the filter texts exactly, with the second one preselected.
    void dialogShowsTheShownTexts_data() {
        QTest::addColumn<int>("selected");
        for (int i = 1; i <= 5; ++i)
            QTest::addRow("index %d", i) << i;
    }
    void dialogShowsTheShownTexts() {
        QFETCH(int, selected);
        QFileDialog dialog;
        configureOpenDialog(dialog, RomFilter, selected);
        auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
        QVERIFY(combo);
        QStringList shown;
        for (int i = 0; i < combo->count(); ++i)
            shown << combo->itemText(i);
        QCOMPARE(shown, ShownTexts);
        QCOMPARE(combo->currentIndex(), selected - 1);
        QCOMPARE(dialog.fileMode(), QFileDialog::ExistingFile);
        QCOMPARE(dialog.acceptMode(), QFileDialog::AcceptOpen);
    }

    void dialogListsTheMatchingFiles_data() {
        QTest::addColumn<int>("selected");
        QTest::addColumn<QStringList>("listed");
        QStringList all = Files;
        all.sort();
        QTest::newRow("All Files: also names without a dot") << 1 << all;
        QTest::newRow("All SNES ROM Files, any case")
            << 2
            << QStringList{QStringLiteral("BACKUP.SMC"), QStringLiteral("copy.fig"),
                           QStringLiteral("hack.Swc"), QStringLiteral("kaldris.smc")};
        QTest::newRow("Super MagiCom")
            << 3 << QStringList{QStringLiteral("BACKUP.SMC"), QStringLiteral("kaldris.smc")};
        QTest::newRow("Super Wild Card") << 4 << QStringList{QStringLiteral("hack.Swc")};
        QTest::newRow("Super UFO 8") << 5 << QStringList{QStringLiteral("copy.fig")};
    }
    void dialogListsTheMatchingFiles() {
        QFETCH(int, selected);
        QFETCH(QStringList, listed);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        for (const QString& name : Files) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QFileDialog dialog;
        configureOpenDialog(dialog, RomFilter, selected);
        dialog.setDirectory(dir.path());
        dialog.show();
        // the dialog reads the folder in the background
        QTRY_COMPARE(listedFiles(dialog), listed);
        dialog.reject();
    }
};

QTEST_MAIN(TestFileFilter)
#include "test_file_filter.moc"
