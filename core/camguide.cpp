#include "core/camguide.h"

#include "core/globals.h"
#include "core/pageframe.h"
#include "pages/cloud/joinpage.h"
#include "pages/cloud/joinpage1.h"
#include "pages/cloud/joinpage2.h"
#include "pages/cloud/joinpage3.h"
#include "pages/cloud/joinpage4.h"
#include "pages/setup/connectpage.h"
#include "pages/setup/failedpage.h"
#include "pages/setup/plugpage.h"
#include "pages/setup/selectpage.h"
#include "protocol/portal.h"
#include "protocol/zvrutils.h"

#include <QDebug>
#include <QDesktopServices>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPushButton>
#include <QUrl>

camguide::camguide(QWidget *parent)
    : QWizard(parent)
{
    addPage(new plugPage(this));
    addPage(new selectPage(this));
    addPage(new connectPage(this));
    addPage(new failedPage(this));
    addPage(new joinPage1(this));
    addPage(new joinPage2(this));
    addPage(new joinPage3(this));
    addPage(new joinPage4(this));
    addPage(new joinPage(this));

    setWindowIcon(QIcon(QStringLiteral("images/product.ico")));
    setPixmap(QWizard::BannerPixmap, QPixmap(QStringLiteral(":/images/banner.png")));
    setPixmap(QWizard::BackgroundPixmap, QPixmap(QStringLiteral(":/images/setupbackground.png")));

    setWindowFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);

    auto *modelTitle = new QLabel(modelStr, this);
    modelTitle->setStyleSheet(QStringLiteral("font:bold 18px;color:rgb(255,255,255);"));
    setWizardStyle(QWizard::ModernStyle);
#ifdef CAMGUIDE_WINDOWS_BUILD
    setStyleSheet(QStringLiteral("font:14px;color:rgb(89,87,87);"));
    boxStyle = tr("background-image: url(:/images/messagebox_pic.png);font:14px;color:rgb(89,87,87);");
#else
    setStyleSheet(QStringLiteral("font:13px;color:rgb(89,87,87);"));
    boxStyle = tr("background-image: url(:/images/messagebox_pic.png);font:13px;color:rgb(89,87,87);");
#endif

    setFont(QFont(QStringLiteral("Arial")));
    const QString linkStyle = QStringLiteral("font:12px;color:rgb(255,255,255);");
    auto linkButton = [this, &linkStyle](const QString &text, QRect place) {
        auto *b = new QPushButton(text, this);
        b->setFlat(true);
        b->setFont(QFont(QStringLiteral("Arial")));
        b->setStyleSheet(linkStyle);
        b->setGeometry(place);
        return b;
    };
    troubleshootingButton = linkButton(tr("Troubleshooting"), QRect(111, 508, 120, 25));
    manualsButton = linkButton(tr("Manuals and Downloads"), QRect(261, 508, 150, 25));
    aboutButton = linkButton(tr("About"), QRect(451, 508, 60, 25));
    exitButton = linkButton(tr("Exit"), QRect(556, 508, 41, 25));
    connect(troubleshootingButton, &QPushButton::clicked, this, &camguide::troubleShooting);
    connect(manualsButton, &QPushButton::clicked, this, &camguide::manualLink);
    connect(aboutButton, &QPushButton::clicked, this, &camguide::aboutInfo);
    connect(exitButton, &QPushButton::clicked, this, &camguide::close);

    const QString sides = QStringLiteral(":/images/setupbackground_r.png");
    QLabel *frames[] = {
        pictureLabel(this, QStringLiteral(":/images/setupbackground_t.png"), QRect(0, 0, 721, 70)),
        pictureLabel(this, sides, QRect(-1, 68, 13, 433)),
        pictureLabel(this, sides, QRect(708, 68, 13, 433)),
        pictureLabel(this, QStringLiteral(":/images/setupbackground_b.png"), QRect(-1, 499, 721, 67)),
    };
    veilLabel = pictureLabel(this, QStringLiteral(":/images/loading00.png"), QRect(0, 0, 721, 567));
    auto *footer = new QLabel(tr("Copyright \u00a9 Velmora. All rights reserved."), this);
    footer->setStyleSheet(QStringLiteral("font:12px;color:rgb(114,113,113);"));

    // Stacking, bottom to top: the wizard's own widgets with the pages, the
    // frame pictures, the link row, the footer, the model title, the veil.
    for (QLabel *frame : frames)
        frame->raise();
    for (QPushButton *b : {troubleshootingButton, manualsButton, aboutButton, exitButton})
        b->raise();
    footer->setGeometry(175, 535, 600, 25);
    footer->raise();
    modelTitle->setGeometry(460, 30, 250, 25);
    modelTitle->raise();
    veilLabel->raise();

    veilLabel->hide();
    setFixedSize(pageWidth, pageHeight);
    setWindowTitle(tr("skyvue Camguide"));

    // The pages bring their own buttons; the toolkit's row would only show
    // through the frame where a picture is missing and answer Enter.
    setButtonLayout({});
    placePagesAtOrigin();
    connect(this, &QWizard::currentIdChanged, this, [this](int id) {
        placePagesAtOrigin();
        // Where the user is: the one line that tells a log reader the road taken.
        qDebug().noquote() << "wizard page:" << id;
    });
}

// Page coordinates are window coordinates: the toolkit's page frame gets no
// margins. The toolkit resets them whenever it rebuilds its layout.
void camguide::placePagesAtOrigin()
{
    const QList<int> ids = pageIds();
    if (ids.isEmpty())
        return;
    QWidget *holder = page(ids.first())->parentWidget();
    if (!holder || holder == this)
        return;
    if (QLayout *l = holder->layout())
        l->setContentsMargins(0, 0, 0, 0);
    QWidget *outer = holder->parentWidget();
    if (!outer || outer == this || !outer->layout())
        return;
    if (!m_layoutWatched) {
        outer->installEventFilter(this);
        m_layoutWatched = true;
    }
    // Around the page frame there are only the ruler and the (empty) button
    // row; without them the page frame gets the whole window.
    QLayout *grid = outer->layout();
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    for (int i = 0; i < grid->count(); ++i) {
        QLayoutItem *item = grid->itemAt(i);
        if (QLayout *row = item->layout())
            row->setContentsMargins(0, 0, 0, 0);
        else if (QWidget *w = item->widget(); w && w != holder)
            w->hide();
    }
    grid->activate();
}

bool camguide::eventFilter(QObject *watched, QEvent *event)
{
    // The toolkit rebuilds its layout on style or option changes.
    if (event->type() == QEvent::LayoutRequest)
        placePagesAtOrigin();
    return QWizard::eventFilter(watched, event);
}

bool camguide::event(QEvent *event)
{
    const bool handled = QWizard::event(event);
    switch (event->type()) {
    case QEvent::Show:
    case QEvent::StyleChange:
    case QEvent::FontChange:
        placePagesAtOrigin();
        break;
    default:
        break;
    }
    return handled;
}

// Escape would reject the dialog and close the only window mid-setup.
void camguide::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Cancel)) {
        event->accept();
        return;
    }
    QWizard::keyPressEvent(event);
}

void camguide::accept()
{
    QWizard::accept();
}

void camguide::troubleShooting()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(portal::faqPage)));
}

void camguide::manualLink()
{
    QDesktopServices::openUrl(QUrl(QString::fromLatin1(portal::downloadPage)));
}

void camguide::aboutInfo()
{
    veilLabel->show();
    pageBox box;
    QPushButton *closeButton = box.addPictureButton(
        {tr("Close    "),
         QStringLiteral("background-image: url(:/images/btn_close-no_blue.png);font:12pt;"
                        "color:rgb(255,255,255);border: 0px"),
         QStringLiteral("wel_msg_close_btu")});
    box.setText(tr("<font size=5 face=verdana color=#2a7ba6   ><b>About ") + supportType
                + tr(" Camguide</b></font><br><br><font size=3 color=#638c0b>") + strVersion
                + tr("</font><br><br><b>Warning:</b> This program is protected by copyright law "
                     "and international treaties. Unauthorized reproduction or distribution of "
                     "this program, or any portion of it, may result in severe civil and "
                     "criminal penalties.<br>"));
    box.run(this, QPoint(110, 160));
    if (box.answer() == closeButton) {
        veilLabel->hide();
        box.close();
    }
}
