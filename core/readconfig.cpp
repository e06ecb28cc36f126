#include "core/datafile.h"
#include "core/globals.h"
#include "core/modal.h"
#include "protocol/models.h"
#include "protocol/zvrutils.h"

#include <QDebug>
#include <QDomDocument>
#include <QFile>
#include <QMessageBox>
#include <QXmlStreamReader>

namespace {

// The shipped file is a few hundred bytes, two levels deep. The document
// parser's time grows much faster than the nesting (10,000 levels take
// seconds), so both are bounded before it runs.
constexpr qint64 maxConfigBytes = 64 * 1024;
constexpr int maxConfigDepth = 64;

bool nestsTooDeep(const QByteArray &xml)
{
    QXmlStreamReader reader(xml);
    int depth = 0;
    while (!reader.atEnd()) {
        const QXmlStreamReader::TokenType token = reader.readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > maxConfigDepth)
            return true;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    // A file that is not well-formed is left to the document parser to refuse.
    return false;
}

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

    qDebug().noquote() << "-----start to analysis xml-----";
    const QString name = QStringLiteral("config.xml");
    QFile file(name);
    if (!dataFile::isRegularFile(name) || !file.open(QIODevice::ReadOnly)) {
        qDebug().noquote() << "Can't find configure file!";
        box.setText(QStringLiteral("Can't find configure file!"));
        box.setStandardButtons(QMessageBox::Ok);
        runModal(&box);
        return -1;
    }

    // One byte past the bound tells a file that is too large.
    const QByteArray xml = file.read(maxConfigBytes + 1);
    file.close();
    bool parsed = false;
    QDomDocument doc;
    if (xml.size() > maxConfigBytes)
        qDebug().noquote() << "config.xml is larger than" << maxConfigBytes << "bytes";
    else if (nestsTooDeep(xml))
        qDebug().noquote() << "config.xml nests deeper than" << maxConfigDepth << "elements";
    else
        parsed = doc.setContent(xml);
    if (!parsed) {
        qDebug().noquote() << "Can't generate xml dom!";
        return -1;
    }

    qDebug().noquote() << "------xml parse begin---------";
    // The settings are the children of the root element. The document's
    // first node is that element unless the file begins with a declaration
    // or a comment, as editors write it.
    for (QDomNode child = doc.documentElement().firstChild(); !child.isNull();
         child = child.nextSibling())
        applySetting(child);
    qDebug().noquote() << "------xml parse end---------";
    return 0;
}
