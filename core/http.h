#ifndef CAMGUIDE_HTTP_H
#define CAMGUIDE_HTTP_H

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

// Holds a reply to at most limit bytes of body: the reply buffers no more
// than one byte past it, and tooLong runs, while context lives, as soon as
// it holds more. The reply reads no further; the caller takes what it wants
// of the buffered bytes and abandons it.
void limitBody(QNetworkReply *reply, qint64 limit, QObject *context, std::function<void()> tooLong);

// Gives a reply up: none of its signals reaches receiver any more, it stops
// on the network and is deleted later. Disconnected first, because abort()
// finishes the reply at once.
void abandonReply(QNetworkReply *reply, QObject *receiver);

#endif
