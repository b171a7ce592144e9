#include "workspace/about_box.h"

#include "workspace/link_label.h"
#include "workspace/pictures.h"
#include "workspace/platform.h"
#include "workspace/program_info.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString LinkTip = QStringLiteral("Click to visit the maker's web site.");

} // namespace

About::About(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform) {
    setWindowTitle(QStringLiteral("About this Program..."));
    setWindowIcon(QIcon(QString::fromLatin1(Pictures::InfoIcon)));
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowCloseButtonHint);
    QFont font(QStringLiteral("Tahoma"));
    font.setPointSizeF(8.25);
    setFont(font);

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(QPixmap(QString::fromLatin1(Pictures::LargeLogo)));
    Image1->setAccessibleName(QStringLiteral("Kaldris Multi Editor logo"));

    auto* frame = new QFrame(this);
    frame->setObjectName(QStringLiteral("Frame1"));
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setFrameShadow(QFrame::Sunken);

    ProgramInfoLBL = new QLabel(frame);
    ProgramInfoLBL->setObjectName(QStringLiteral("ProgramInfoLBL"));
    ProgramInfoLBL->setTextFormat(Qt::PlainText);

    WarningLBL = new QLabel(
        QStringLiteral("This editor is a fan project. Its makers have no tie to the publisher "
                       "of Kaldris, and the game, its names and its pictures belong to their "
                       "owners."),
        frame);
    WarningLBL->setObjectName(QStringLiteral("WarningLBL"));
    WarningLBL->setWordWrap(true);

    URLLBL = new LinkLabel(QString::fromLatin1(ProgramInfo::HomePageUrl), frame);
    URLLBL->setObjectName(QStringLiteral("URLLBL"));
    URLLBL->setToolTip(LinkTip);
    ForumLBL = new LinkLabel(QString::fromLatin1(ProgramInfo::ForumPageUrl), frame);
    ForumLBL->setObjectName(QStringLiteral("ForumLBL"));
    ForumLBL->setToolTip(LinkTip);

    auto* texts = new QVBoxLayout(frame);
    texts->addWidget(ProgramInfoLBL);
    texts->addSpacing(6);
    texts->addWidget(WarningLBL);
    texts->addSpacing(6);
    texts->addWidget(URLLBL);
    texts->addWidget(ForumLBL);

    CloseCMD = new QPushButton(QStringLiteral("&Close"), this);
    CloseCMD->setObjectName(QStringLiteral("CloseCMD"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(CloseCMD);

    auto* column = new QVBoxLayout(this);
    column->addWidget(Image1);
    column->addWidget(frame);
    column->addLayout(buttons);
    column->setSizeConstraint(QLayout::SetFixedSize);
    // the disclaimer wraps within the logo's width
    frame->setFixedWidth(Image1->pixmap().width());

    // the page opens in the browser and the About box stays open
    connect(URLLBL, &LinkLabel::clicked, this,
            [this] { platform_.openWebPage(QString::fromLatin1(ProgramInfo::HomePageUrl)); });
    connect(ForumLBL, &LinkLabel::clicked, this,
            [this] { platform_.openWebPage(QString::fromLatin1(ProgramInfo::ForumPageUrl)); });
    connect(CloseCMD, &QPushButton::clicked, this, &QDialog::accept);

    Form_Load();
}

QString About::programInfoText() {
    const QStringList lines{
        QStringLiteral("Kaldris Multi Editor"),
        QStringLiteral("Version: %1.%2").arg(ProgramInfo::Major).arg(ProgramInfo::Revision),
        QString(),
        QStringLiteral("Released: 04/10/2006"),
        QStringLiteral("Updated: 06/01/2012"),
        QString(),
        QStringLiteral("Thanks to our treasure mapper for the head start, and to our tester."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void About::Form_Load() {
    ProgramInfoLBL->setText(programInfoText());
}
