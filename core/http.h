#ifndef CAMGUIDE_HTTP_H
#define CAMGUIDE_HTTP_H

class QNetworkAccessManager;

// The one access manager that pages use for HTTP (portal requests, camera
// snapshots). Made on first use; a test installs its own in its place and
// gets the old one back when it removes it.
QNetworkAccessManager *networkAccess();
void setNetworkAccess(QNetworkAccessManager *manager);  // nullptr: back to the program's own

#endif
