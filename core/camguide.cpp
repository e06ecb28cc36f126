#include "core/camguide.h"

#include "core/globals.h"
#include "core/pageframe.h"
#include "core/widgets.h"
#include "pages/cloud/joinpage.h"
#include "pages/cloud/joinpage1.h"
#include "pages/cloud/joinpage2.h"
#include "pages/cloud/joinpage3.h"
#include "pages/cloud/joinpage4.h"
#include "pages/setup/connectpage.h"
#include "pages/setup/failedpage.h"
#include "pages/setup/plugpage.h"
#include "pages/setup/selectpage.h"
#include "platform/platform.h"
#include "protocol/zvrutils.h"

#include <QDebug>
#include <QEvent>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QPixmap>
#include <QPushButton>

camguide::camguide(QWidget *parent) : QWizard(parent)
{
    setPage(plugPageId, new plugPage(this));
    setPage(selectPageId, new selectPage(this));
    setPage(connectPageId, new connectPage(this));
    setPage(failedPageId, new failedPage(this));
    setPage(joinPage1Id, new joinPage1(this));
    setPage(joinPage2Id, new joinPage2(this));
    setPage(joinPage3Id, new joinPage3(this));
    setPage(joinPage4Id, new joinPage4(this));
    setPage(joinPageId, new joinPage(this));

    setWindowIcon(dataIcon(QStringLiteral("images/product.ico")));
    setPixmap(QWizard::BannerPixmap, QPixmap(QStringLiteral(":/images/banner.png")));
    setPixmap(QWizard::BackgroundPixmap, QPixmap(QStringLiteral(":/images/setupbackground.png")));

    setWindowFlags(Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint
                   | Qt::WindowCloseButtonHint);

    auto *modelTitle = new QLabel(modelStr, this);
    modelTitle->setStyleSheet(QStringLiteral("font:bold 18px;color:rgb(255,255,255);"));
    setWizardStyle(QWizard::ModernStyle);
    setStyleSheet(QStringLiteral("font:%1px;color:rgb(89,87,87);").arg(platform::textPixelSize()));
    boxStyle =
        platform::textPixelSize() == 14
            ? tr(
                "background-image: url(:/images/messagebox_pic.png);font:14px;color:rgb(89,87,87);")
            : tr(
                "background-image: url(:/images/messagebox_pic.png);font:13px;color:rgb(89,87,87);");

    setFont(QFont(QStringLiteral("Arial")));
    const linkRow links = createLinkRow(this);
    setLinkRowTexts(links, "camguide");
    troubleshootingButton = links.troubleshooting;
    manualsButton = links.manuals;
    aboutButton = links.about;
    exitButton = links.exit;
    connect(troubleshootingButton, &QPushButton::clicked, this, &camguide::troubleShooting);
    connect(manualsButton, &QPushButton::clicked, this, &camguide::manualLink);
    connect(aboutButton, &QPushButton::clicked, this, &camguide::aboutInfo);
    connect(exitButton, &QPushButton::clicked, this, &camguide::close);

    const QString sides = QStringLiteral(":/images/setupbackground_r.png");
    QLabel *frames[] = {
        pictureLabel(this, QStringLiteral(":/images/setupbackground_t.png"), QRect(0, 0, 721, 70)),
        pictureLabel(this, sides, QRect(-1, 68, 13, 433)),
        pictureLabel(this, sides, QRect(708, 68, 13, 433)),
        pictureLabel(this, QStringLiteral(":/images/setupbackground_b.png"),
                     QRect(-1, 499, 721, 67)),
    };
    veilLabel = pictureLabel(this, QString::fromLatin1(veilPicture), QRect(0, 0, 721, 567));
    veilLabel->setObjectName(QStringLiteral("veilLabel"));
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
    case QEvent::FontChange: placePagesAtOrigin(); break;
    default: break;
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
    openFaqPage();
}

void camguide::manualLink()
{
    openDownloadPage();
}

void camguide::aboutInfo()
{
    if (aboutBox(this, veilLabel, "camguide", boxStyle, true))
        veilLabel->hide();
}
