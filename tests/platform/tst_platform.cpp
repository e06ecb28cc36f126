// What each build does differently, checked against the build CMake was
// asked for: a wrong platform source linked in fails here.
#include "platform/platform.h"
#include "platform/shortcut.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <optional>

Q_DECLARE_METATYPE(std::optional<QString>)

class tst_platform : public QObject
{
    Q_OBJECT

private slots:
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
        QCOMPARE(
            now,
            windows
                ? QDir(start.path()).canonicalPath()
                : QDir(start.path() + QStringLiteral("/CAMGUIDE.app/Contents")).canonicalPath());
    }

    // A shortcut argument as the makers read it from its zero-filled buffer
    // of 2048 wide characters. The limit counts UTF-16 units, as on
    // Windows: here a wide character holds a whole character beyond the
    // BMP, which takes two units there.
    void shortcutText_data()
    {
        QTest::addColumn<QString>("value");  // written from the buffer's start
        QTest::addColumn<bool>("ended");     // a zero after it, within the buffer
        QTest::addColumn<std::optional<QString>>("read");
        const QString beyond = QStringLiteral("\U0001F600");
        const QString x2047(2047, QLatin1Char('x'));
        const QString units2047 = beyond + QString(2045, QLatin1Char('x'));
        const QString units2048 = beyond + QString(2046, QLatin1Char('x'));
        QTest::newRow("empty") << QString() << true << std::optional<QString>(QString());
        QTest::newRow("2047 characters, the zero in the last place")
            << x2047 << true << std::optional<QString>(x2047);
        QTest::newRow("2048 characters, no zero")
            << x2047 + QLatin1Char('x') << false << std::optional<QString>();
        QTest::newRow("2047 units, one character beyond the BMP")
            << units2047 << true << std::optional<QString>(units2047);
        QTest::newRow("2048 units in 2047 wide characters, one beyond the BMP")
            << units2048 << true << std::optional<QString>();
        QTest::newRow("2048 units, the character beyond the BMP last")
            << QString(2046, QLatin1Char('x')) + beyond << true << std::optional<QString>();
    }

    void shortcutText()
    {
        QFETCH(QString, value);
        QFETCH(bool, ended);
        QFETCH(std::optional<QString>, read);
        std::array<wchar_t, platform::shortcutBufferSize> buffer{};
        const std::wstring wide = value.toStdWString();
        QCOMPARE(wide.size() < buffer.size(), ended);
        std::copy_n(wide.begin(), std::min(wide.size(), buffer.size()), buffer.begin());
        QCOMPARE(platform::shortcutText(buffer.data()), read);
    }

    void shortcutTextWithoutBuffer()
    {
        QCOMPARE(platform::shortcutText(nullptr), std::optional<QString>());
    }
};

QTEST_GUILESS_MAIN(tst_platform)
#include "tst_platform.moc"
