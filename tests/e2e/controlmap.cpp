// controlmap: the places of the named controls as the program lays them out,
// one line each, for the whole-program walk to click at:
//
//   PAGE OBJECTNAME CENTRE_X CENTRE_Y LEFT TOP WIDTH HEIGHT
//
// in window coordinates. PAGE is "welcome", a page id, or a page id and the
// state the walk brings it to ("5-sign-in"). Builds the windows as the
// program does, offscreen, from the folder it ships in; the engine sends only
// to a socket on 127.0.0.1.
#include "core/camguide.h"
#include "core/globals.h"
#include "core/pageids.h"
#include "core/welcomepage.h"
#include "protocol/hostaddress.h"
#include "tests/support/commandcapture.h"
#include "tests/support/simtestutil.h"
#include "tests/support/wizardfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QWizardPage>

#include <cstdio>
#include <memory>

namespace {

// Every named control the window shows, in window coordinates.
void print(const QString &page, QWidget *window)
{
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))
            || !w->isVisibleTo(window))
            continue;
        const QRect r(w->mapTo(window, QPoint(0, 0)), w->size());
        std::printf("%s %s %d %d %d %d %d %d\n", qPrintable(page), qPrintable(w->objectName()),
                    qRound(r.x() + r.width() / 2.0), qRound(r.y() + r.height() / 2.0), r.x(), r.y(),
                    r.width(), r.height());
    }
}

template <class W> W *control(QWidget *page, const char *name)
{
    W *w = page->findChild<W *>(QString::fromLatin1(name));
    if (!w)
        qFatal("controlmap: no control %s", name);
    return w;
}

// A page after one choice: its name in the table, and the button chosen.
struct state {
    int page;
    const char *name;
    const char *choice;
};
const state states[] = {
    {connectPageId, "select-network", "selectNetworkRadio"},
    {failedPageId, "pppoe", "pppoeRadio"},
    {failedPageId, "static", "staticRadio"},
    {joinPage2Id, "sign-in", "yesRadioButton"},
    {joinPage2Id, "sign-up", "noRadioButton"},
};

}  // namespace

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: controlmap SHIPPED_FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QFile sheet(QStringLiteral(":/style.qss"));
    if (!sheet.open(QIODevice::ReadOnly))
        qFatal("controlmap: the compiled-in bundle is not linked");
    app.setStyleSheet(QString::fromUtf8(sheet.readAll()));
    QApplication::setFont(QFont(QStringLiteral("Arial")));
    if (!QDir::setCurrent(QString::fromLocal8Bit(argv[1])))
        qFatal("controlmap: no folder %s", argv[1]);
    isWireless = true;
    nLanguage = 0;
    readConfig();

    zvrTools = new ZVRUtils;
    auto capture = std::make_unique<commandCapture>();
    host_mac_str = {simtest::hostMac.toUpper()};
    setHostLinkSource([] {
        hostLink link;
        link.hardwareAddress = simtest::hostMac;
        link.up = true;
        return QList<hostLink>{link};
    });

    {
        welcomePage welcome;
        welcome.show();
        print(QStringLiteral("welcome"), &welcome);
    }

    const camsim::SimCamera camera =
        simtest::makeCamera(QStringLiteral("00:1a:2b:3c:4d:01"), "Hall");
    simtest::listCamera(camera);
    configIPCameraIdx = 0;
    for (int id = plugPageId; id < pageCount; ++id) {
        wizardAt<QWizardPage> w(pageId(id), QPoint(0, 0));
        w.wizard.show();
        QCoreApplication::sendPostedEvents();
        print(QString::number(id), &w.wizard);
        // The states the walk brings a page to before it clicks on.
        for (const state &st : states) {
            if (st.page != id)
                continue;
            control<QAbstractButton>(w.page, st.choice)->click();
            QCoreApplication::sendPostedEvents();
            print(QStringLiteral("%1-%2").arg(id).arg(QLatin1String(st.name)), &w.wizard);
        }
    }
    capture.reset();
    delete zvrTools;
    zvrTools = nullptr;
    return 0;
}
