#include "pages/cloud/whyjoin.h"

#include "core/widgets.h"

#include <QLabel>

QList<QLabel *> whyJoinPanel::build(QWidget *page) const
{
    const QString itemStyle = QStringLiteral("color:rgb(89,87,87);font:12px;");
    QList<QLabel *> panel;
    panel << pictureLabel(page, QStringLiteral(":/images/join2_right.png"),
                          QRect(360, 130, 299, 288));
    panel << namedLabel(page, "panelTitle", title, QRect(370, 140, 200, 30),
                        QStringLiteral("color:rgb(0,0,0);font:14px;"));
    // Where each item starts and how tall its text is.
    const struct {
        int y;
        int textHeight;
    } places[] = {{170, 60}, {260, 40}, {330, 40}};
    for (int i = 0; i < 3; ++i) {
        const int n = i + 1;
        const QByteArray name = QByteArray(headingName) + QByteArray::number(n);
        panel << namedLabel(page, name.constData(),
                            QStringLiteral("%1 %2").arg(bullet, items[i].heading),
                            QRect(370, places[i].y, 200, 30), itemStyle);
        QLabel *text = namedLabel(
            page, QStringLiteral("panelText%1").arg(n).toLatin1().constData(), items[i].text,
            QRect(370, places[i].y + 30, 250, places[i].textHeight), itemStyle);
        text->setTextFormat(items[i].format);
        text->setWordWrap(true);
        text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        panel << text;
    }
    return panel;
}
