// Which data files beside the program are read: regular files only, so that a
// pipe at a picture's name cannot block the window that shows it.
#include "core/datafile.h"
#include "core/widgets.h"
#include "tests/support/namedpipe.h"

#include <QDir>
#include <QFile>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTest>

class tst_datafiles : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir dir;

    QString path(const char *name) const { return dir.filePath(QString::fromLatin1(name)); }

private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QImage picture(4, 4, QImage::Format_ARGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(path("picture.png")));
        QVERIFY(makePipe(path("pipe.png")));
        QVERIFY(QFile::link(path("picture.png"), path("link.png")));
        QVERIFY(QFile::link(path("pipe.png"), path("pipelink.png")));
        QVERIFY(QFile::link(path("gone.png"), path("dangling.png")));
        QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.png")));
    }

    void isRegularFile_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("regular");
        QTest::newRow("file") << path("picture.png") << true;
        QTest::newRow("link to a file") << path("link.png") << true;
        QTest::newRow("compiled-in picture") << ":/images/banner.png" << true;
        QTest::newRow("pipe") << path("pipe.png") << false;
        QTest::newRow("link to a pipe") << path("pipelink.png") << false;
        QTest::newRow("dangling link") << path("dangling.png") << false;
        QTest::newRow("folder") << path("folder.png") << false;
        QTest::newRow("missing") << path("missing.png") << false;
        QTest::newRow("no name") << QString() << false;
    }
    void isRegularFile()
    {
        QFETCH(QString, name);
        QFETCH(bool, regular);
        QCOMPARE(dataFile::isRegularFile(name), regular);
    }

    // A picture or icon at a pipe is none, at once; a file still loads.
    void picturesAndIcons_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("loads");
        QTest::newRow("file") << path("picture.png") << true;
        QTest::newRow("link to a file") << path("link.png") << true;
        QTest::newRow("pipe") << path("pipe.png") << false;
        QTest::newRow("link to a pipe") << path("pipelink.png") << false;
    }
    void picturesAndIcons()
    {
        QFETCH(QString, name);
        QFETCH(bool, loads);
        QPixmap picture;
        QIcon icon;
        bool rescued = false;
        {
            pipeRescue rescue({path("pipe.png")});
            picture = dataPicture(name);
            icon = dataIcon(name);
            rescued = rescue.wasNeeded();
        }
        QVERIFY2(!rescued, "a pipe was opened");
        QCOMPARE(!picture.isNull(), loads);
        QCOMPARE(!icon.isNull(), loads);
        if (loads)
            QCOMPARE(picture.size(), QSize(4, 4));
    }
};

QTEST_MAIN(tst_datafiles)
#include "tst_datafiles.moc"
