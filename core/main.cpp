#include "core/globals.h"
#include "core/modal.h"
#include "core/welcomepage.h"
#include "core/windowplacement.h"
#include "platform/platform.h"
#include "protocol/hostaddress.h"
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"

#include <QApplication>
#include <QDebug>
#include <QFile>
#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QTranslator>

int main(int argc, char *argv[])
{
    Q_INIT_RESOURCE(application);
    QApplication app(argc, argv);
    QApplication::setFont(QFont(QStringLiteral("Arial")));

    QFile styleFile(QStringLiteral(":/style.qss"));
    styleFile.open(QIODevice::ReadOnly);
    app.setStyleSheet(QString::fromUtf8(styleFile.readAll()));

    // Strings, C strings and translations are UTF-8 throughout Qt 6, which
    // is the conversion the program wants; there is no codec left to set.
    QApplication::setFont(QFont(QStringLiteral("Arial")));

    QString translatorFileName = QStringLiteral("qtbase_");
    qDebug().noquote() << translatorFileName;

    // Before anything opens a data file by its relative name: the program may
    // be started from any folder (Finder starts it in "/").
    platform::enterDataFolder();
    isWireless = true;
    nLanguage = 0;
    readConfig();

    zvrTools = new ZVRUtils;
    emailStr.clear();

    if (!zvrTools->bindPort(ZVRUtils::zvrPort)) {
        QMessageBox box;
        box.setIcon(QMessageBox::Warning);
        box.setText(
            QObject::tr("<font size=5 face=verdana color=#2a7ba6   ><b>Warning</b></font><br><br>"
                        "Another Camguide is already running."));
        box.setStyleSheet(QStringLiteral(
            "background-image: url(:/images/messagebox_pic.png);font:14px;color:rgb(89,87,87);"));
        box.setWindowFlags(Qt::FramelessWindowHint);
        runModal(&box);
        return 0;
    }

    zvrTools->setLinkBinder(platform::sendOnlyThrough);
    host_mac_str = hostHardwareAddresses();
    IPCameraList.clear();

    translatorFileName += QLocale::system().name();
    auto *qtTranslator = new QTranslator(&app);
    if (qtTranslator->load(translatorFileName, QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(qtTranslator);
    qDebug().noquote() << "translatorFileName=" << translatorFileName;

    modelStr = supportType + QStringLiteral(" Camguide");

    welcomePage w;
    const QScreen *screen = QGuiApplication::primaryScreen();
    w.move(windowPlacement::centredPlace(screen->virtualGeometry(), w.size(),
                                         screen->availableVirtualGeometry()));
    w.show();
    return app.exec();
}
