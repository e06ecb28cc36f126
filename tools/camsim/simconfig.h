#ifndef CAMSIM_SIMCONFIG_H
#define CAMSIM_SIMCONFIG_H

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QString>

#include <optional>

namespace camsim {

// One wireless network as a camera lists it: seven fields, the third being
// the network name (kept plain here, sent in base64). A raw record goes out
// exactly as written, for replies that must be malformed on purpose.
struct WifiNetwork {
    QByteArray field[7];
    std::optional<QByteArray> raw;

    QByteArray record() const;
};

// What a camera's web server does instead of its normal answer, to every
// request.
enum class WebFault { none, slow, silent, redirect, serverError, trickle, oversized, endless };

// A simulated camera: what it reports and what it has been told since it
// started. The simulator changes it in place as commands arrive.
struct SimCamera {
    QString mac;  // lower case
    QByteArray model;
    QByteArray name;  // UTF-8, sent in base64
    QString ip;
    QByteArray password;  // empty: a camera nobody has set up yet
    bool registered = false;
    bool wireless = false;
    QByteArray ipMode = "0";   // "0" DHCP, "1" PPPoE, "2" static
    QByteArray version = "1";  // V of the scan reply
    // C, E, O and R of the info record.
    QByteArray infoC = "0";
    QByteArray infoE = "0";
    QByteArray infoO = "0";
    QByteArray infoR = "0";
    QByteArray deviceNo;  // U is deviceNo "." deviceTail
    QByteArray deviceTail = "0";
    QByteArray portal;  // W of the info record
    QByteArray dfp;     // Y
    // Network setup under its numbered keys; a setup may add keys above 29,
    // which are kept but not reported.
    QMap<int, QByteArray> network;
    // A setup also changes the link, the IP mode and the address in use.
    bool setupChangesLink = true;
    QList<WifiNetwork> wifi;
    QByteArray internet = "1";  // result of the Internet check
    std::optional<QByteArray> internetAfterSetup;
    QByteArray unanswered;  // class digits acted on but never answered
    // An item key: the first command to this camera that carries it makes
    // the camera fall silent, acting on and answering nothing from then on.
    QByteArray silentFrom;
    bool silent = false;
    int replyDelayMs = 0;
    bool webEnabled = true;  // whether the console program gives it a web server
    WebFault webFault = WebFault::none;
    int webDelayMs = 3000;  // how late a slow web server answers; a trickling one's pause

    int setupsApplied = 0;
    int webServerRestarts = 0;
    int networkRestarts = 0;
    QByteArray clock;  // the last T item, as sent

    // The network setup a camera reports when the configuration gives none.
    void fillDefaultNetwork();
    // Keys 0 to 6, 9 and 23 to 27 rule the link and the address in use.
    void applySetup(const QMap<int, QByteArray> &items);
};

struct SimConfig {
    QString bind = QStringLiteral("0.0.0.0");
    int port = 5978;
    int replyPort = 5978;
    QString replyAddress;  // empty: the command's sender
    int paceChunk = 0;     // replies sent per event-loop turn, 0 = all at once
    int replyCopies = 1;   // each reply sent this many times
    QList<SimCamera> cameras;
};

// Largest camera group a "count" may make.
constexpr int maxGroupCount = 65536;
// Most copies of one reply: a computer on a few links of one LAN.
constexpr int maxReplyCopies = 16;

bool parseConfig(const QByteArray &json, SimConfig *config, QString *error);
bool loadConfigFile(const QString &path, SimConfig *config, QString *error);

// Canonical lower-case address text, or an empty string when the text does
// not hold six hexadecimal pairs joined by ":".
QString normalizedMac(const QString &text);

}  // namespace camsim

#endif
