#ifndef CAMGUIDE_TESTS_RECORDINGACCESS_H
#define CAMGUIDE_TESTS_RECORDINGACCESS_H

// A network access manager that records what the program asks of the
// network: every request as it was made, every reply (null once deleted),
// and how each reply ended, in the order they did. By default requests go
// where they were meant to; redirectLocal() sends them to 127.0.0.1 instead
// (port 9, where nothing listens, unless set), so that none leaves this
// machine.
//
//   recordingAccess access;
//   access.redirectLocal();
//   seams->useNetwork(&access);
//   ...
//   QCOMPARE(access.unfinished(), 0);
//   QCOMPARE(access.ended, {QNetworkReply::OperationCanceledError});  // aborted

#include <QList>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPointer>
#include <QUrl>

class recordingAccess : public QNetworkAccessManager
{
public:
    QList<QNetworkRequest> requests;  // as the program made them
    QList<QPointer<QNetworkReply>> replies;
    QList<QNetworkReply::NetworkError> ended;  // how each finished, in the order they did

    // Requests go to 127.0.0.1 at this port, and, when path is set, ask for
    // that path.
    void redirectLocal(int toPort = 9, const QString &toPath = QString())
    {
        local = true;
        port = toPort;
        path = toPath;
    }
    // Replies made and not yet finished.
    int unfinished() const { return int(replies.size() - ended.size()); }
    // The address of the latest request, as the program made it.
    QUrl lastUrl() const { return requests.isEmpty() ? QUrl() : requests.last().url(); }

protected:
    QNetworkReply *createRequest(Operation op, const QNetworkRequest &request,
                                 QIODevice *data) override
    {
        requests << request;
        QNetworkRequest sent = request;
        if (local) {
            QUrl url = request.url();
            url.setHost(QStringLiteral("127.0.0.1"));
            url.setPort(port);
            if (!path.isEmpty())
                url.setPath(path);
            sent.setUrl(url);
        }
        QNetworkReply *r = QNetworkAccessManager::createRequest(op, sent, data);
        replies << r;
        // Once, however often the program aborts it.
        connect(
            r, &QNetworkReply::finished, this, [this, r] { ended << r->error(); },
            Qt::SingleShotConnection);
        return r;
    }

private:
    bool local = false;
    int port = 9;
    QString path;
};

#endif
