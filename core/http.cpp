#include "core/http.h"

#include <QCoreApplication>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QTimer>

namespace {

QPointer<QNetworkAccessManager> installed;
QPointer<QNetworkAccessManager> own;

}  // namespace

QNetworkAccessManager *networkAccess()
{
    if (installed)
        return installed;
    if (!own)
        own = new QNetworkAccessManager(QCoreApplication::instance());
    return own;
}

void setNetworkAccess(QNetworkAccessManager *manager)
{
    installed = manager;
}

namespace {

// What of a body limitBody has read, kept with its reply.
class heldBody : public QObject
{
public:
    heldBody(QNetworkReply *reply, qint64 limit) : QObject(reply), limit(limit) {}

    // Moves what the reply buffers here, one byte past the limit at most.
    void take(QNetworkReply *reply)
    {
        const qint64 room = limit + 1 - bytes.size();
        if (room > 0)
            bytes += reply->read(room);
    }

    const qint64 limit;
    QByteArray bytes;
    bool tooLong = false;
};

heldBody *heldBodyOf(QNetworkReply *reply)
{
    for (QObject *child : reply->children()) {
        if (auto *held = dynamic_cast<heldBody *>(child))
            return held;
    }
    return nullptr;
}

// What the reply itself may buffer: a piece, so that the held bytes and the
// reply's buffer together stay near the limit.
constexpr qint64 pieceSize = 1024 * 1024;

}  // namespace

void limitBody(QNetworkReply *reply, qint64 limit, QObject *context, std::function<void()> tooLong)
{
    // The body is taken out as it comes. Left in the reply's own bounded
    // buffer, a chunked answer stalls short of the bound: the toolkit then
    // stops reading until the buffer is read, and the answer would run into
    // the silence timer instead.
    auto *held = new heldBody(reply, limit);
    reply->setReadBufferSize(qMin(limit + 1, pieceSize));
    QObject::connect(reply, &QIODevice::readyRead, context,
                     [reply, held, tooLong = std::move(tooLong)] {
                         if (held->tooLong)
                             return;
                         held->take(reply);
                         // One byte more than the limit tells a body of
                         // exactly the limit from a longer one.
                         if (held->bytes.size() > held->limit) {
                             held->tooLong = true;
                             tooLong();
                         }
                     });
}

QByteArray limitedBody(QNetworkReply *reply)
{
    heldBody *held = heldBodyOf(reply);
    if (!held)
        return reply->readAll();
    if (!held->tooLong)
        held->take(reply);
    return held->bytes.left(held->limit);
}

void abandonReply(QNetworkReply *reply, QObject *receiver)
{
    QObject::disconnect(reply, nullptr, receiver, nullptr);
    reply->abort();
    reply->deleteLater();
}

namespace {

QString statusOf(const QNetworkReply *reply)
{
    return reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toString();
}

}  // namespace

httpRequest::httpRequest(qint64 bodyLimit, QObject *parent)
    : QObject(parent), m_limit(bodyLimit), m_deadline(new QTimer(this))
{
    m_deadline->setObjectName(QStringLiteral("deadline"));
    m_deadline->setSingleShot(true);
    connect(m_deadline, &QTimer::timeout, this, [this] {
        if (!m_reply)
            return;
        abandon();
        emit tooLate();
    });
}

httpRequest::~httpRequest()
{
    abandon();
}

void httpRequest::setDeadline(int ms)
{
    m_deadline->setInterval(qMax(ms, 0));
}

void httpRequest::get(const QNetworkRequest &request)
{
    abandon();
    watch(networkAccess()->get(request));
}

void httpRequest::post(const QNetworkRequest &request, const QByteArray &body)
{
    abandon();
    watch(networkAccess()->post(request, body));
}

void httpRequest::abandon()
{
    m_deadline->stop();
    if (QNetworkReply *reply = m_reply) {
        m_reply = nullptr;
        abandonReply(reply, this);
    }
}

void httpRequest::watch(QNetworkReply *reply)
{
    m_reply = reply;
    connect(reply, &QNetworkReply::finished, this, [this, reply] {
        if (!take(reply))
            return;
        reply->deleteLater();
        const QString status = statusOf(reply);
        if (reply->error() != QNetworkReply::NoError)
            emit failed(status, reply->errorString());
        else
            emit finished(status, limitedBody(reply));
    });
    // A longer answer is judged on its start, at once: reading it all could
    // take minutes and all the memory.
    limitBody(reply, m_limit, this, [this, reply] {
        if (!take(reply))
            return;
        const QString status = statusOf(reply);
        const QByteArray start = limitedBody(reply);
        abandonReply(reply, this);
        emit tooLong(status, start);
    });
    // A transfer timeout counts only a silence: an answer that trickles
    // would never end.
    if (m_deadline->interval() > 0)
        m_deadline->start();
}

bool httpRequest::take(QNetworkReply *reply)
{
    if (reply != m_reply) {
        abandonReply(reply, this);
        return false;
    }
    disconnect(reply, nullptr, this, nullptr);
    m_reply = nullptr;
    m_deadline->stop();
    return true;
}
