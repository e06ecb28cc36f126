#include "core/globals.h"
#include "core/modal.h"
#include "platform/platform.h"
#include "protocol/models.h"
#include "protocol/zvrutils.h"

#include <QDebug>
#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QMessageBox>

namespace {

void applySetting(const QDomNode &node)
{
    const QString name = node.nodeName();
    const QString text = node.toElement().text();
    qDebug().noquote() << "Node Name:" << name;
    qDebug().noquote() << "Node Content:" << text;
    if (name == QLatin1String("Wireless"))
        isWireless = text != QLatin1String("0");
    if (name == QLatin1String("Type")) {
        supportType = text;
        if (models::isWiredOnly(supportType))
            isWireless = false;
    }
    if (name == QLatin1String("Language")) {
        bool ok = false;
        const int value = text.toInt(&ok);
        nLanguage = ok ? value : 0;
    }
}

}  // namespace

int readConfig()
{
    QMessageBox box;

    platform::enterDataFolder();

    qDebug().noquote() << "-----start to analysis xml-----";
    QFile file(QStringLiteral("config.xml"));
    if (!file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Can't find configure file!";
        box.setText(QStringLiteral("Can't find configure file!"));
        box.setStandardButtons(QMessageBox::Ok);
        runModal(&box);
        return -1;
    }

    QDomDocument doc;
    if (!doc.setContent(&file)) {
        qDebug().noquote() << "Can't generate xml dom!";
        file.close();
        return -1;
    }
    file.close();

    qDebug().noquote() << "------xml parse begin---------";
    // The settings are the children of the document's first node, whatever
    // its kind: a file that starts with a declaration or comment has none.
    for (QDomNode child = doc.firstChild().firstChild(); !child.isNull();
         child = child.nextSibling())
        applySetting(child);
    qDebug().noquote() << "------xml parse end---------";
    return 0;
}
