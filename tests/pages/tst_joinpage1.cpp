// The registered-camera page in a real wizard window: its links, Next and
// Back, and the hard-reset road back to the camera search.
#include "core/camguide.h"
#include "core/globals.h"
#include "pages/cloud/joinpage1.h"
#include "protocol/portal.h"
#include "tests/support/pagebench.h"
#include "tests/support/urlcatcher.h"

#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QTextDocument>
#include <QtTest>

namespace {

const QPoint wizardPos(100, 50);

QStringList linkTargets(const QString &html)
{
    QTextDocument doc;
    doc.setHtml(html);
    QStringList targets;
    for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QString href = it.fragment().charFormat().anchorHref();
            if (!href.isEmpty() && (targets.isEmpty() || targets.last() != href))
                targets << href;
        }
    }
    return targets;
}

}  // namespace

class tst_joinpage1 : public pageBench
{
    Q_OBJECT

private slots:
    void initTestCase() { startEngine(); }
    void cleanupTestCase() { stopEngine(); }
    void init() { beforeTest(); }
    void cleanup() { afterTest(); }

    void content();
    void nextAndBack();
    void portalLink();
    void hardReset_data();
    void hardReset();
};

void tst_joinpage1::content()
{
    wizardAt<joinPage1> w(joinPage1Id, wizardPos);
    const QString info = w.control<QLabel>("infoText")->text();
    QVERIFY(info.contains(QString::fromLatin1(portal::host)));
    // The slot tells the links apart by the portal link's exact target.
    QCOMPARE(linkTargets(info).value(0), QStringLiteral("skyvue"));
    QVERIFY(linkTargets(info).value(1) != QLatin1String("skyvue"));
    QCOMPARE(w.control<QLabel>("panelItem1")->text(),
             QString(QChar(0x25CF)) + QStringLiteral("  <b>Simple setting</b>"));
    QCOMPARE(w.control<QLabel>("panelText2")->textFormat(), Qt::PlainText);
    QVERIFY(w.control<QLabel>("veilLabel")->isHidden());
    QVERIFY(w.control<QPushButton>("nextButton")->isEnabled());
}

void tst_joinpage1::nextAndBack()
{
    {
        wizardAt<joinPage1> w(joinPage1Id, wizardPos);
        w.control<QPushButton>("nextButton")->click();
        QCOMPARE(nextPage, int(joinPage4Id));
        QCOMPARE(w.wizard.currentId(), int(joinPage4Id));
    }
    {
        wizardAt<joinPage1> w(joinPage1Id, wizardPos);
        w.control<QPushButton>("conn_back_btn")->click();
        QCOMPARE(nextPage, int(connectPageId));
        QCOMPARE(w.wizard.startId(), int(connectPageId));
        QCOMPARE(w.wizard.currentId(), int(connectPageId));
    }
}

void tst_joinpage1::portalLink()
{
    wizardAt<joinPage1> w(joinPage1Id, wizardPos);
    urlCatcher urls;
    emit w.control<QLabel>("infoText")->linkActivated(QStringLiteral("skyvue"));
    QCOMPARE(urls.opened, QList<QUrl>{QUrl(QString::fromLatin1(portal::homePage))});
    QCOMPARE(boxes->count(), 0);
    QVERIFY(w.control<QLabel>("veilLabel")->isHidden());
    QCOMPARE(w.wizard.currentId(), int(joinPage1Id));
}

void tst_joinpage1::hardReset_data()
{
    QTest::addColumn<QString>("model");
    QTest::addColumn<QStringList>("answers");
    QTest::addColumn<int>("endsOn");
    QTest::newRow("Close") << "KSM-271E" << QStringList{"Close"} << int(joinPage1Id);
    QTest::newRow("Restart, No") << "KSM-6140E" << QStringList{"Restart", "No"} << int(joinPage1Id);
    QTest::newRow("Restart, Yes") << "KSM-6120E" << QStringList{"Restart", "Yes"}
                                  << int(selectPageId);
}

void tst_joinpage1::hardReset()
{
    QFETCH(QString, model);
    QFETCH(QStringList, answers);
    QFETCH(int, endsOn);
    supportType = model;
    wizardAt<joinPage1> w(joinPage1Id, wizardPos);
    auto *veil = w.control<QLabel>("veilLabel");
    bool veiled = true;
    boxes->onOpen([&](QDialog *) { veiled = veiled && !veil->isHidden(); });
    for (const QString &a : answers)
        boxes->answer(a);
    urlCatcher urls;

    emit w.control<QLabel>("infoText")->linkActivated(QStringLiteral("hard"));

    QVERIFY(veiled);
    QVERIFY(veil->isHidden());
    QVERIFY(urls.opened.isEmpty());
    QCOMPARE(boxes->count(), answers.size());
    const recordedBox &reset = boxes->at(0);
    QCOMPARE(reset.text, QStringLiteral("Press and hold the Reset button for at least 6 seconds "
                                        "while your camera is plugged. After reseting your camera, "
                                        "click <b>Restart</b> to continue."));
    QCOMPARE(reset.pos, wizardPos + QPoint(130, 210));
    QCOMPARE(reset.buttons.at(0).objectName, QStringLiteral("j4_done_btu"));
    QCOMPARE(reset.buttons.at(1).objectName, QStringLiteral("detail_close_btu"));
    if (answers.size() > 1) {
        const recordedBox &led = boxes->at(1);
        QCOMPARE(led.pos, wizardPos + QPoint(190, 273));
        QCOMPARE(led.text, model == QLatin1String("KSM-271E")
                               ? QStringLiteral("Is the Power/Link LED on the camera lit green ?")
                               : QStringLiteral("Is the Link LED on the camera lit green ?"));
    }
    QCOMPARE(w.wizard.currentId(), endsOn);
    if (endsOn == selectPageId) {
        QCOMPARE(nextPage, int(selectPageId));
        QCOMPARE(w.wizard.startId(), int(plugPageId));
        QCOMPARE(w.wizard.visitedIds(), (QList<int>{plugPageId, selectPageId}));
    }
}

QTEST_MAIN(tst_joinpage1)
#include "tst_joinpage1.moc"
