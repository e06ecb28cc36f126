// Where the welcome window opens, and where a re-centred wizard goes: the
// desktop's centre, with the corner kept on the screen's available area.
#include "core/windowplacement.h"

#include <QTest>

class tst_windowplacement : public QObject
{
    Q_OBJECT

private slots:
    void centredPlace_data()
    {
        QTest::addColumn<QRect>("desktop");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QPoint>("place");
        const QRect sxga(0, 0, 1280, 1024);

        // Where the window fits, the centre of the whole desktop as ever.
        QTest::newRow("fits") << sxga << QRect(0, 0, 1280, 984) << QPoint(280, 228);
        QTest::newRow("fits below a menu bar")
            << sxga << QRect(0, 25, 1280, 999) << QPoint(280, 228);
        QTest::newRow("odd room, integer division")
            << QRect(0, 0, 1281, 1026) << QRect(0, 0, 1281, 1026) << QPoint(280, 229);
        QTest::newRow("screen left of the primary one")
            << QRect(-1280, 0, 2560, 1024) << QRect(-1280, 0, 2560, 984) << QPoint(-360, 228);
        // 1280x1024 at scale 2 and 1024x768 at scale 1.5 are 640x512 and
        // 683x512 in the window's pixels: the corner goes to the screen's.
        QTest::newRow("scale 2 on 1280x1024")
            << QRect(0, 0, 640, 512) << QRect(0, 0, 640, 512) << QPoint(0, 0);
        QTest::newRow("scale 1.5 on 1024x768")
            << QRect(0, 0, 683, 512) << QRect(0, 0, 683, 492) << QPoint(0, 0);
        QTest::newRow("too large, below a menu bar")
            << QRect(0, 0, 640, 512) << QRect(0, 25, 640, 487) << QPoint(0, 25);
        QTest::newRow("too large, task bar on the left")
            << QRect(0, 0, 640, 512) << QRect(48, 0, 592, 512) << QPoint(48, 0);
        // Each direction on its own.
        QTest::newRow("too narrow only")
            << QRect(0, 0, 700, 1024) << QRect(0, 0, 700, 1024) << QPoint(0, 228);
        QTest::newRow("too low only")
            << QRect(0, 0, 1280, 500) << QRect(0, 0, 1280, 500) << QPoint(280, 0);
        QTest::newRow("too large, desktop not at the origin")
            << QRect(100, 50, 640, 512) << QRect(100, 50, 640, 512) << QPoint(100, 50);
    }
    void centredPlace()
    {
        QFETCH(QRect, desktop);
        QFETCH(QRect, available);
        QFETCH(QPoint, place);
        QCOMPARE(windowPlacement::centredPlace(desktop, QSize(720, 567), available), place);
    }
};

QTEST_GUILESS_MAIN(tst_windowplacement)
#include "tst_windowplacement.moc"
