// controlmap: the places of the named controls as the program lays them out,
// one line each, for the whole-program walk to click at:
//
//   PAGE OBJECTNAME CENTRE_X CENTRE_Y LEFT TOP WIDTH HEIGHT
//
// in window coordinates. PAGE is "welcome", a page id, or a page id and the
// state the walk brings it to ("5-sign-in"). Builds the windows as the
// program does, offscreen, from the folder it ships in; the engine sends only
// to a socket on 127.0.0.1.
//
// Then the boxes and dialogs that the screen scenes bring up, in box
// coordinates: PAGE is the page id and the scene's name of the box
// ("2:connect-registered-box"), the line named "box" is the box itself, and
// a button without an object name goes by its caption (blanks as "_"). A
// box grows with its text, which the walk's cameras and portal word
// otherwise, while its buttons keep to its bottom-right corner: the walk
// measures from there.
#include "core/camguide.h"
#include "core/globals.h"
#include "core/pageids.h"
#include "core/welcomepage.h"
#include "protocol/hostaddress.h"
#include "tests/screens/scenes.h"
#include "tests/support/commandcapture.h"
#include "tests/support/simtestutil.h"
#include "tests/support/wizardfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QLayout>
#include <QWizard>
#include <QWizardPage>

#include <cstdio>
#include <memory>

namespace {

void printPlace(const QString &page, const QString &name, QRect r)
{
    std::printf("%s %s %d %d %d %d %d %d\n", qPrintable(page), qPrintable(name),
                qRound(r.x() + r.width() / 2.0), qRound(r.y() + r.height() / 2.0), r.x(), r.y(),
                r.width(), r.height());
}

// Every named control the window shows, in window coordinates.
void print(const QString &page, QWidget *window)
{
    const auto widgets = window->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        if (w->objectName().isEmpty() || w->objectName().startsWith(QLatin1String("qt_"))
            || !w->isVisibleTo(window))
            continue;
        printPlace(page, w->objectName(), QRect(w->mapTo(window, QPoint(0, 0)), w->size()));
    }
}

// The page the wizard window shows now, -1 for none.
int shownPage()
{
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (auto *wizard = qobject_cast<QWizard *>(w); wizard && wizard->isVisible())
            return wizard->currentId();
    }
    return -1;
}

// The box itself, its named controls and its buttons, in box coordinates.
void printBox(const QString &name, QDialog *box)
{
    box->show();
    if (box->layout())
        box->layout()->activate();
    QCoreApplication::sendPostedEvents();
    const QString page = QStringLiteral("%1:%2").arg(shownPage()).arg(name);
    printPlace(page, QStringLiteral("box"), QRect(QPoint(0, 0), box->size()));
    const auto widgets = box->findChildren<QWidget *>();
    for (QWidget *w : widgets) {
        QString key = w->objectName();
        if (key.isEmpty()) {
            if (auto *b = qobject_cast<QAbstractButton *>(w))
                key = b->text().simplified().replace(QLatin1Char(' '), QLatin1Char('_'));
        }
        if (key.isEmpty() || key.startsWith(QLatin1String("qt_")) || !w->isVisibleTo(box))
            continue;
        printPlace(page, key, QRect(w->mapTo(box, QPoint(0, 0)), w->size()));
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

    // The scenes' own seams: the engine sends to the discard port on
    // 127.0.0.1, the simulated portal listens there. They start from the
    // program's first state, so the model comes from config.xml again.
    testSeams seams;
    testEngine engine;
    scenes::sceneSeams(seams);
    readConfig();
    for (const scenes::scene &scene : scenes::all()) {
        scene.walk([](const QString &name, QDialog *box) {
            if (box)
                printBox(name, box);
        });
    }
    return 0;
}
