#ifndef CAMGUIDE_GLOBALS_H
#define CAMGUIDE_GLOBALS_H

#include <QString>

class QTranslator;
class IPCamera;

// Program-wide state shared by the windows, the pages and the engine. The
// protocol's own globals (zvrTools, supportType, host_mac_str, IPCameraList,
// apLock) live with the protocol.

extern int configIPCameraIdx;       // camera being set up, -1 for none
extern int nextPage;                // page id the wizard shows next
extern bool isWireless;             // the configured model has Wi-Fi
extern int nLanguage;               // 1..24 locks that language, else free
extern QString lang;                // language token for portal addresses
extern const QString strVersion;    // program version
extern QString modelStr;            // model title, "<model> Camguide"
extern QString emailStr;            // cloud account e-mail
extern QString boxStyle;            // style sheet of the wizard's message boxes
extern QTranslator *appTranslator;  // application translation now installed

// The record of the camera being set up, or null when configIPCameraIdx is
// out of range. Valid until the engine next appends to IPCameraList: read
// what is needed at once, do not keep it across an event loop.
IPCamera *chosenCamera();

// Reads "config.xml" from the working directory into supportType,
// isWireless and nLanguage. 0 when read, -1 when opening or parsing failed.
int readConfig();

#endif
