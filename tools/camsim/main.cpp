// camsim: simulated network cameras that answer the setup program's ZVR
// commands, for tests on loopback and in network namespaces; with --web
// each camera also serves its start page and snapshot over HTTP.
#include "tools/camsim/camerasimulator.h"
#include "tools/camsim/camerawebserver.h"
#include "tools/camsim/simconfig.h"
#include "tools/common/simprogram.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

using simcommon::parsePort;

int fail(const QString &message)
{
    return simcommon::fail("camsim", message);
}

struct Options {
    QCommandLineOption config{QStringLiteral("config"),
                              QStringLiteral("Cameras to simulate (JSON)."),
                              QStringLiteral("file")};
    QCommandLineOption log{QStringLiteral("log"),
                           QStringLiteral("Append every command as a JSON line."),
                           QStringLiteral("file")};
    QCommandLineOption bind{QStringLiteral("bind"),
                            QStringLiteral("Address to listen on (0.0.0.0)."),
                            QStringLiteral("address")};
    QCommandLineOption port{QStringLiteral("port"),
                            QStringLiteral("UDP port to listen on (5978, 0 = any)."),
                            QStringLiteral("port")};
    QCommandLineOption replyPort{QStringLiteral("reply-port"),
                                 QStringLiteral("UDP port replies go to (5978)."),
                                 QStringLiteral("port")};
    QCommandLineOption replyAddress{QStringLiteral("reply-address"),
                                    QStringLiteral("Send replies here instead of to the sender."),
                                    QStringLiteral("address")};
    QCommandLineOption pace{QStringLiteral("pace-chunk"),
                            QStringLiteral("Replies sent per event-loop turn (0 = unpaced)."),
                            QStringLiteral("n")};
    QCommandLineOption copies{QStringLiteral("reply-copies"),
                              QStringLiteral("Send every reply this many times (1)."),
                              QStringLiteral("n")};
    QCommandLineOption quiet{QStringLiteral("quiet"),
                             QStringLiteral("No line per command on stderr.")};
    QCommandLineOption web{
        QStringLiteral("web"),
        QStringLiteral("Give every camera a web server on its IP address, port 80.")};
    QCommandLineOption webPort{QStringLiteral("web-port"),
                               QStringLiteral("Port of the web servers (80, 0 = any)."),
                               QStringLiteral("port")};
    QCommandLineOption webLog{QStringLiteral("web-log"),
                              QStringLiteral("Append every web request as a JSON line."),
                              QStringLiteral("file")};

    void addTo(QCommandLineParser &cli) const
    {
        cli.addOptions({config, log, bind, port, replyPort, replyAddress, pace, copies, quiet, web,
                        webPort, webLog});
    }
};

// What the command line asks for, checked.
struct Setup {
    camsim::SimConfig config;
    QHostAddress bindAddress;
    QHostAddress replyAddress;  // null: replies go to the sender
    bool web = false;
    int webPort = 80;
};

// The cameras file, then the options that override it; an empty text, or
// why the command line is wrong.
QString readSetup(const QCommandLineParser &cli, const Options &o, Setup *s)
{
    if (!cli.isSet(o.config))
        return QStringLiteral("--config is required");
    QString error;
    if (!camsim::loadConfigFile(cli.value(o.config), &s->config, &error))
        return error;

    camsim::SimConfig &config = s->config;
    if (cli.isSet(o.bind))
        config.bind = cli.value(o.bind);
    if (cli.isSet(o.port) && !parsePort(cli.value(o.port), 0, &config.port))
        return QStringLiteral("bad --port: %1").arg(cli.value(o.port));
    if (cli.isSet(o.replyPort) && !parsePort(cli.value(o.replyPort), 1, &config.replyPort))
        return QStringLiteral("bad --reply-port: %1").arg(cli.value(o.replyPort));
    if (cli.isSet(o.replyAddress))
        config.replyAddress = cli.value(o.replyAddress);
    if (cli.isSet(o.pace)) {
        bool ok = false;
        config.paceChunk = cli.value(o.pace).toInt(&ok);
        if (!ok || config.paceChunk < 0)
            return QStringLiteral("bad --pace-chunk: %1").arg(cli.value(o.pace));
    }
    if (cli.isSet(o.copies)) {
        bool ok = false;
        config.replyCopies = cli.value(o.copies).toInt(&ok);
        if (!ok || config.replyCopies < 1 || config.replyCopies > camsim::maxReplyCopies)
            return QStringLiteral("bad --reply-copies: %1 (1 to %2)")
                .arg(cli.value(o.copies))
                .arg(camsim::maxReplyCopies);
    }
    s->web = cli.isSet(o.web);
    if (cli.isSet(o.webPort) && !parsePort(cli.value(o.webPort), 0, &s->webPort))
        return QStringLiteral("bad --web-port: %1").arg(cli.value(o.webPort));
    if (!s->web && (cli.isSet(o.webPort) || cli.isSet(o.webLog)))
        return QStringLiteral("--web-port and --web-log need --web");

    s->bindAddress = QHostAddress(config.bind);
    if (s->bindAddress.isNull())
        return QStringLiteral("bad bind address: %1").arg(config.bind);
    if (!config.replyAddress.isEmpty()) {
        s->replyAddress = QHostAddress(config.replyAddress);
        if (s->replyAddress.isNull())
            return QStringLiteral("bad reply address: %1").arg(config.replyAddress);
        config.replyAddress.clear();
    }
    return {};
}

// A web server on each camera's own address; a camera without one is a
// warning, and the others go on.
std::vector<std::unique_ptr<camsim::CameraWebServer>> startWebServers(camsim::CameraSimulator &sim,
                                                                      int port, QFile *log)
{
    std::vector<std::unique_ptr<camsim::CameraWebServer>> servers;
    for (int i = 0; i < sim.cameraCount(); ++i) {
        const camsim::SimCamera &camera = sim.camera(i);
        if (!camera.webEnabled)
            continue;
        const QHostAddress ip(camera.ip);
        if (ip.isNull()) {
            std::fprintf(stderr, "camsim: warning: %s has no IP address, no web server\n",
                         qPrintable(camera.mac));
            continue;
        }
        auto web = std::make_unique<camsim::CameraWebServer>(sim, camera.mac);
        if (log->isOpen())
            web->setLog(log);
        if (!web->listen(ip, quint16(port))) {
            std::fprintf(stderr, "camsim: warning: no web server for %s on %s:%d: %s\n",
                         qPrintable(camera.mac), qPrintable(camera.ip), port,
                         qPrintable(web->errorString()));
            continue;
        }
        std::printf("camsim: web server of %s on %s:%u\n", qPrintable(camera.mac),
                    qPrintable(web->address().toString()), unsigned(web->port()));
        servers.push_back(std::move(web));
    }
    return servers;
}

// The line the labs wait for: all is ready.
void sayListening(const camsim::CameraSimulator &sim, const Setup &s)
{
    const QString replyTarget =
        s.replyAddress.isNull() ? QStringLiteral("the sender") : s.replyAddress.toString();
    const QString copies = s.config.replyCopies > 1
                               ? QStringLiteral(", each %1 times").arg(s.config.replyCopies)
                               : QString();
    std::printf("camsim: listening on %s:%u with %d cameras, replies to %s port %d%s\n",
                qPrintable(sim.address().toString()), unsigned(sim.port()), sim.cameraCount(),
                qPrintable(replyTarget), s.config.replyPort, qPrintable(copies));
    std::fflush(stdout);
}

void sayStopped(const camsim::CameraSimulator &sim)
{
    std::printf("camsim: stopped after %d commands, %d replies, %d ignored, %d unparsable, %d send "
                "errors\n",
                int(sim.commands().size()), sim.repliesSent(), sim.ignoredCount(),
                sim.rejectedCount(), sim.sendErrors());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char *argv[])
{
    // Snapshots draw text, which takes a GUI application; labs have no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("camsim"));

    QCommandLineParser cli;
    cli.setApplicationDescription(
        QStringLiteral("Simulated cameras answering ZVR commands over UDP."));
    cli.addHelpOption();
    const Options options;
    options.addTo(cli);
    cli.process(app);

    Setup setup;
    if (const QString error = readSetup(cli, options, &setup); !error.isEmpty())
        return fail(error);
    if (cli.isSet(options.quiet))
        QLoggingCategory::setFilterRules(QStringLiteral("camsim.debug=false"));

    camsim::CameraSimulator sim;
    sim.configure(setup.config);
    if (!setup.replyAddress.isNull() && !sim.setReplyAddress(setup.replyAddress))
        return fail(sim.errorString());
    if (cli.isSet(options.log) && !sim.setLogFile(cli.value(options.log)))
        return fail(sim.errorString());
    if (!simcommon::quitOnSignals())
        return fail(QStringLiteral("no signal pipe"));
    if (!sim.listen(setup.bindAddress, quint16(setup.config.port)))
        return fail(QStringLiteral("cannot listen on %1:%2: %3")
                        .arg(setup.config.bind)
                        .arg(setup.config.port)
                        .arg(sim.errorString()));

    // Web servers before the listening line, which tells that all is ready.
    QFile webLog;
    if (cli.isSet(options.webLog)) {
        webLog.setFileName(cli.value(options.webLog));
        if (!webLog.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return fail(QStringLiteral("%1: %2").arg(webLog.fileName(), webLog.errorString()));
    }
    const auto webServers = setup.web ? startWebServers(sim, setup.webPort, &webLog)
                                      : std::vector<std::unique_ptr<camsim::CameraWebServer>>();
    sayListening(sim, setup);

    const int rc = app.exec();
    sim.close();
    sayStopped(sim);
    return rc;
}
