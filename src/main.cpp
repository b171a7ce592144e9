#include "workspace/main_window.h"
#include "workspace/pictures.h"
#include "workspace/qt_platform.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    app.setWindowIcon(QIcon(QString::fromLatin1(Pictures::AppIcon)));
    QtPlatform platform;
    // a missing vx.tbl ends the program inside the constructor, before the window shows
    Form1 w(platform, QCoreApplication::applicationDirPath() + QStringLiteral("/vx.tbl"));
    w.show();
    return app.exec();
}
