#ifndef CAMGUIDE_TESTS_COMMANDCAPTURE_H
#define CAMGUIDE_TESTS_COMMANDCAPTURE_H

// Where the engine's commands go in a test: a socket on 127.0.0.1, never the
// network. The test's seams point the engine at it.
//
//   commandCapture sent;
//   seams.sendCommandsTo(sent.port());
//   page->next();
//   QCOMPARE(commandCapture::count(sent.take(), '3'), 1);

#include "protocol/zvrutils.h"
#include "tests/support/simtestutil.h"

#include <QHostAddress>
#include <QList>
#include <QNetworkDatagram>
#include <QUdpSocket>

struct sentCommand {
    char zvrClass = 0;
    QString src;
    QString dst;
    QByteArray body;  // the plain payload after the comma: class digit, items
};

class commandCapture
{
public:
    commandCapture()
    {
        if (!m_socket.bind(QHostAddress::LocalHost, 0))
            qFatal("no loopback socket for the engine's commands");
    }

    quint16 port() const { return m_socket.localPort(); }

    // The commands sent since the last call, in order.
    QList<sentCommand> take()
    {
        QList<sentCommand> list;
        for (int guard = 0; m_socket.hasPendingDatagrams() && guard < 100000; ++guard) {
            const QNetworkDatagram d = m_socket.receiveDatagram();
            const simtest::Parsed p = simtest::parse(d.data());
            sentCommand c;
            c.zvrClass = p.body.isEmpty() ? 0 : p.body.at(0);
            c.src = ZVRUtils::macText(p.srcBytes);
            c.dst = ZVRUtils::macText(p.dstBytes);
            c.body = p.body;
            list.append(c);
        }
        return list;
    }

    // How many of the class (and, when given, carrying the item key).
    static int count(const QList<sentCommand> &list, char zvrClass,
                     const QByteArray &key = QByteArray())
    {
        int n = 0;
        for (const sentCommand &c : list) {
            if (c.zvrClass == zvrClass && (key.isEmpty() || c.body.contains(";" + key + "=")))
                ++n;
        }
        return n;
    }

    // The items after the address and model items of a command.
    static QByteArray itemsAfterModel(const QByteArray &body)
    {
        const int d = body.indexOf(";D=");
        if (d < 0)
            return QByteArray();
        const int next = body.indexOf(';', d + 1);
        return next < 0 ? QByteArray() : body.mid(next);
    }

private:
    QUdpSocket m_socket;
};

#endif
