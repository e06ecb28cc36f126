// What each build does differently, checked against the build CMake was
// asked for: a wrong platform source linked in fails here.
#include "platform/platform.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

class tst_platform : public QObject
{
    Q_OBJECT

private slots:
    void buildIsTheOneConfigured()
    {
        QCOMPARE(QString::fromLatin1(platform::buildName()), QStringLiteral(CAMGUIDE_CONFIGURED_TARGET));
        QCOMPARE(platform::currentBuild() == platform::build::windows,
                 QStringLiteral(CAMGUIDE_CONFIGURED_TARGET) == QLatin1String("windows"));
    }

    // The Windows system draws Arial smaller, so its texts are a pixel larger.
    void textSizes()
    {
        const bool windows = QStringLiteral(CAMGUIDE_CONFIGURED_TARGET) == QLatin1String("windows");
        QCOMPARE(platform::textPixelSize(), windows ? 14 : 13);
        QCOMPARE(platform::stepTextPixelSize(), windows ? 13 : 12);
    }

    // The macOS program runs with the folder holding the bundle as its
    // working directory and finds its data inside the bundle.
    void dataFolder()
    {
        QTemporaryDir start;
        QVERIFY(start.isValid());
        QVERIFY(QDir(start.path()).mkpath(QStringLiteral("CAMGUIDE.app/Contents")));
        const QString before = QDir::currentPath();
        QDir::setCurrent(start.path());
        platform::enterDataFolder();
        const QString now = QDir(QDir::currentPath()).canonicalPath();
        QDir::setCurrent(before);
        const bool windows = QStringLiteral(CAMGUIDE_CONFIGURED_TARGET) == QLatin1String("windows");
        QCOMPARE(now, windows ? QDir(start.path()).canonicalPath()
                              : QDir(start.path() + QStringLiteral("/CAMGUIDE.app/Contents")).canonicalPath());
    }
};

QTEST_GUILESS_MAIN(tst_platform)
#include "tst_platform.moc"
