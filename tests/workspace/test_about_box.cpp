#include "fake_platform.h"
#include "workspace/about_box.h"
#include "workspace/program_info.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestAboutBox : public QObject {
    Q_OBJECT
private slots:
    void captionPicturesAndButton() {
        FakePlatform platform;
        About about(platform);
        QCOMPARE(about.windowTitle(), QStringLiteral("About this Program..."));
        QVERIFY(!about.windowIcon().isNull());
        QVERIFY(about.windowIcon().availableSizes().contains(QSize(16, 16)));
        auto* logo = about.findChild<QLabel*>(QStringLiteral("Image1"));
        QVERIFY(logo);
        QCOMPARE(logo->pixmap().size(), QSize(400, 160));
        QVERIFY(about.findChild<QWidget*>(QStringLiteral("Frame1")));
        auto* warning = about.findChild<QLabel*>(QStringLiteral("WarningLBL"));
        QVERIFY(warning);
        QVERIFY(warning->text().contains(QLatin1String("Kaldris")));
        QCOMPARE(about.findChild<QPushButton*>(QStringLiteral("CloseCMD"))->text(),
                 QStringLiteral("&Close"));
    }

    void programInfoHasTheSevenLines() {
        FakePlatform platform;
        About about(platform);
        auto* info = about.findChild<QLabel*>(QStringLiteral("ProgramInfoLBL"));
        QVERIFY(info);
        const QStringList lines = info->text().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 7);
        QCOMPARE(lines.mid(0, 6), (QStringList{
                                      QStringLiteral("Kaldris Multi Editor"),
                                      QStringLiteral("Version: 1.7"),
                                      QString(),
                                      QStringLiteral("Released: 04/10/2006"),
                                      QStringLiteral("Updated: 06/01/2012"),
                                      QString(),
                                  }));
        QVERIFY(lines[6].startsWith(QLatin1String("Thanks")));
        QVERIFY(!info->text().contains(QLatin1Char('\n') + QString(QLatin1Char('\n'))));
        QCOMPARE(info->text(), About::programInfoText());
    }

    // The same version numbers as the main window's title.
    void versionMatchesTheTitle() {
        const QString version =
            QStringLiteral("%1.%2").arg(ProgramInfo::Major).arg(ProgramInfo::Revision);
        QVERIFY(About::programInfoText().contains(QStringLiteral("Version: ") + version));
        QVERIFY(ProgramInfo::closedTitle().contains(QStringLiteral("(v") + version + "b)"));
    }

    void linksOpenTheMakersPages_data() {
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("url");
        QTest::newRow("home page")
            << QStringLiteral("URLLBL") << QString::fromLatin1(ProgramInfo::HomePageUrl);
        QTest::newRow("forum") << QStringLiteral("ForumLBL")
                               << QString::fromLatin1(ProgramInfo::ForumPageUrl);
    }
    void linksOpenTheMakersPages() {
        QFETCH(QString, label);
        QFETCH(QString, url);
        FakePlatform platform;
        About about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        auto* link = about.findChild<QLabel*>(label);
        QVERIFY(link);
        QCOMPARE(link->text(), url);
        QCOMPARE(link->palette().color(QPalette::WindowText), QColor(0, 0, 255));
        QVERIFY(link->font().underline());
        QCOMPARE(link->toolTip(), QStringLiteral("Click to visit the maker's web site."));
        QTest::mouseClick(link, Qt::LeftButton);
        QCOMPARE(platform.openedPages, QStringList{url});
        QVERIFY(about.isVisible()); // the About box stays open
        link->setFocus();
        QTest::keyClick(link, Qt::Key_Return);
        QCOMPARE(platform.openedPages, (QStringList{url, url}));
        QVERIFY(platform.messages.isEmpty());
    }

    void closeButtonClosesTheBox() {
        FakePlatform platform;
        About about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        QTest::mouseClick(about.findChild<QPushButton*>(QStringLiteral("CloseCMD")),
                          Qt::LeftButton);
        QVERIFY(!about.isVisible());
        QCOMPARE(about.result(), int{QDialog::Accepted});
        QVERIFY(platform.openedPages.isEmpty());
    }
};

QTEST_MAIN(TestAboutBox)
#include "test_about_box.moc"
