#ifndef CAMGUIDE_HTTP_H
#define CAMGUIDE_HTTP_H

#include <QByteArray>
#include <QtGlobal>

#include <functional>

class QNetworkAccessManager;
class QNetworkReply;
class QObject;

// The one access manager that pages use for HTTP (portal requests, camera
// snapshots). Made on first use; a test installs its own in its place and
// gets the old one back when it removes it.
QNetworkAccessManager *networkAccess();
void setNetworkAccess(QNetworkAccessManager *manager);  // nullptr: back to the program's own

// Reads a reply's body as it arrives, up to limit bytes: the reply itself
// buffers no more than a piece of it, and tooLong runs, while context lives,
// as soon as more than limit bytes came. The reply reads no further then;
// the caller takes what it wants with limitedBody and abandons it.
void limitBody(QNetworkReply *reply, qint64 limit, QObject *context, std::function<void()> tooLong);

// The body that limitBody has read of a reply so far, with what the reply
// still buffers, to at most the limit; a reply without limitBody gives its
// whole buffer.
QByteArray limitedBody(QNetworkReply *reply);

// Gives a reply up: none of its signals reaches receiver any more, it stops
// on the network and is deleted later. Disconnected first, because abort()
// finishes the reply at once.
void abandonReply(QNetworkReply *reply, QObject *receiver);

#endif
