// Times the monster editor in one process: opening it (81 names filled and
// monster 0 loaded) and Apply, each the median of repeated runs, beside a floor
// measured in the same run: a bare dialog whose list is filled with 81 rows of
// fixed text by the same fill. The ROM lies in /dev/shm where there is one, so
// the flush after Apply costs nothing and Apply is timed without it.
//   QT_QPA_PLATFORM=offscreen bench_monster_editor [RUNS]

#include "editors/frame/name_list_fill.h"
#include "editors/general/monster_editor.h"
#include "fake_platform.h"
#include "rom_fixture.h"
#include "workspace/game_text.h"
#include "workspace/rom_file.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

double medianMs(int runs, const std::function<void()>& setUp, const std::function<void()>& timed) {
    std::vector<double> ms;
    for (int r = 0; r < runs; ++r) {
        setUp();
        QElapsedTimer clock;
        clock.start();
        timed();
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms[ms.size() / 2];
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 31;

    const QString base =
        QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath();
    QTemporaryDir dir(base + QStringLiteral("/kaldris-bench-XXXXXX"));
    const QString romPath = dir.filePath(QStringLiteral("kaldris.smc"));
    const QString tablePath = dir.filePath(QStringLiteral("vx.tbl"));
    QFile rom(romPath);
    const QByteArray image = syntheticRomImage();
    if (!dir.isValid() || !rom.open(QIODevice::WriteOnly) || rom.write(image) != image.size() ||
        !QFile::copy(QCoreApplication::applicationDirPath() + QStringLiteral("/vx.tbl"),
                     tablePath)) {
        std::fprintf(stderr, "cannot write the sample ROM\n");
        return 1;
    }
    rom.close();

    RomFile file;
    file.open(romPath);
    FakePlatform platform;
    GameText text(file, tablePath, platform);
    const EditorContext context{file, text, platform, QStringLiteral("KALDRIS BENCH")};

    const double floor = medianMs(
        runs, [] {},
        [] {
            QDialog dialog;
            auto* list = new QListWidget(&dialog);
            (new QVBoxLayout(&dialog))->addWidget(list);
            fillNameList(*list, 81, [](int) { return QStringLiteral("Fixed Name      "); });
        });
    const double open = medianMs(
        runs, [] {}, [&] { Form2 form(context); });

    Form2 form(context);
    auto* apply = form.findChild<QPushButton*>(QStringLiteral("ApplyCMD"));
    const double applied = medianMs(
        runs, [] {}, [&] { apply->click(); });

    std::printf("runs            %d\n", runs);
    std::printf("floor (fill)    %.3f ms\n", floor);
    std::printf("open editor     %.3f ms  (%.2fx floor, target at most 3x)  %s\n", open,
                open / floor, open <= 3 * floor ? "ok" : "OVER");
    std::printf("apply           %.3f ms  (target under 2 ms)  %s\n", applied,
                applied < 2.0 ? "ok" : "OVER");
    return 0;
}
