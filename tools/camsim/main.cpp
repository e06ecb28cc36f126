// camsim: simulated network cameras that answer the setup program's ZVR
// commands, for tests on loopback and in network namespaces; with --web
// each camera also serves its start page and snapshot over HTTP.
#include "tools/camsim/camerasimulator.h"
#include "tools/camsim/camerawebserver.h"
#include "tools/camsim/simconfig.h"

#include <QCommandLineParser>
#include <QFile>
#include <QGuiApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
#include <memory>
#include <vector>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void onSignal(int)
{
    const char c = 1;
    // Nothing to do about a full pipe: one byte already wakes the loop.
    [[maybe_unused]] const ssize_t n = ::write(signalPipe[0], &c, 1);
}

bool parsePort(const QString &text, int low, int *out)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < low || v > 65535)
        return false;
    *out = v;
    return true;
}

int fail(const QString &message)
{
    std::fprintf(stderr, "camsim: %s\n", qPrintable(message));
    return 2;
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
    const QCommandLineOption configOpt(QStringLiteral("config"),
                                       QStringLiteral("Cameras to simulate (JSON)."),
                                       QStringLiteral("file"));
    const QCommandLineOption logOpt(QStringLiteral("log"),
                                    QStringLiteral("Append every command as a JSON line."),
                                    QStringLiteral("file"));
    const QCommandLineOption bindOpt(QStringLiteral("bind"),
                                     QStringLiteral("Address to listen on (0.0.0.0)."),
                                     QStringLiteral("address"));
    const QCommandLineOption portOpt(QStringLiteral("port"),
                                     QStringLiteral("UDP port to listen on (5978, 0 = any)."),
                                     QStringLiteral("port"));
    const QCommandLineOption replyPortOpt(QStringLiteral("reply-port"),
                                          QStringLiteral("UDP port replies go to (5978)."),
                                          QStringLiteral("port"));
    const QCommandLineOption replyAddressOpt(
        QStringLiteral("reply-address"),
        QStringLiteral("Send replies here instead of to the sender."), QStringLiteral("address"));
    const QCommandLineOption paceOpt(
        QStringLiteral("pace-chunk"),
        QStringLiteral("Replies sent per event-loop turn (0 = unpaced)."), QStringLiteral("n"));
    const QCommandLineOption quietOpt(QStringLiteral("quiet"),
                                      QStringLiteral("No line per command on stderr."));
    const QCommandLineOption webOpt(
        QStringLiteral("web"),
        QStringLiteral("Give every camera a web server on its IP address, port 80."));
    const QCommandLineOption webPortOpt(QStringLiteral("web-port"),
                                        QStringLiteral("Port of the web servers (80, 0 = any)."),
                                        QStringLiteral("port"));
    const QCommandLineOption webLogOpt(QStringLiteral("web-log"),
                                       QStringLiteral("Append every web request as a JSON line."),
                                       QStringLiteral("file"));
    cli.addOptions({configOpt, logOpt, bindOpt, portOpt, replyPortOpt, replyAddressOpt, paceOpt,
                    quietOpt, webOpt, webPortOpt, webLogOpt});
    cli.process(app);

    if (!cli.isSet(configOpt))
        return fail(QStringLiteral("--config is required"));
    camsim::SimConfig config;
    QString error;
    if (!camsim::loadConfigFile(cli.value(configOpt), &config, &error))
        return fail(error);

    if (cli.isSet(bindOpt))
        config.bind = cli.value(bindOpt);
    if (cli.isSet(portOpt) && !parsePort(cli.value(portOpt), 0, &config.port))
        return fail(QStringLiteral("bad --port: %1").arg(cli.value(portOpt)));
    if (cli.isSet(replyPortOpt) && !parsePort(cli.value(replyPortOpt), 1, &config.replyPort))
        return fail(QStringLiteral("bad --reply-port: %1").arg(cli.value(replyPortOpt)));
    if (cli.isSet(replyAddressOpt))
        config.replyAddress = cli.value(replyAddressOpt);
    if (cli.isSet(paceOpt)) {
        bool ok = false;
        config.paceChunk = cli.value(paceOpt).toInt(&ok);
        if (!ok || config.paceChunk < 0)
            return fail(QStringLiteral("bad --pace-chunk: %1").arg(cli.value(paceOpt)));
    }
    int webPort = 80;
    if (cli.isSet(webPortOpt) && !parsePort(cli.value(webPortOpt), 0, &webPort))
        return fail(QStringLiteral("bad --web-port: %1").arg(cli.value(webPortOpt)));
    if (!cli.isSet(webOpt) && (cli.isSet(webPortOpt) || cli.isSet(webLogOpt)))
        return fail(QStringLiteral("--web-port and --web-log need --web"));
    if (cli.isSet(quietOpt))
        QLoggingCategory::setFilterRules(QStringLiteral("camsim.debug=false"));

    const QHostAddress bindAddress(config.bind);
    if (bindAddress.isNull())
        return fail(QStringLiteral("bad bind address: %1").arg(config.bind));
    QHostAddress replyAddress;
    if (!config.replyAddress.isEmpty()) {
        replyAddress = QHostAddress(config.replyAddress);
        if (replyAddress.isNull())
            return fail(QStringLiteral("bad reply address: %1").arg(config.replyAddress));
        config.replyAddress.clear();
    }

    camsim::CameraSimulator sim;
    sim.configure(config);
    if (!replyAddress.isNull() && !sim.setReplyAddress(replyAddress))
        return fail(sim.errorString());
    if (cli.isSet(logOpt) && !sim.setLogFile(cli.value(logOpt)))
        return fail(sim.errorString());

    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, signalPipe) != 0)
        return fail(QStringLiteral("no signal pipe"));
    QSocketNotifier notifier(signalPipe[1], QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        char c;
        [[maybe_unused]] const ssize_t n = ::read(signalPipe[1], &c, 1);
        QCoreApplication::quit();
    });
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);

    if (!sim.listen(bindAddress, quint16(config.port)))
        return fail(QStringLiteral("cannot listen on %1:%2: %3")
                        .arg(config.bind)
                        .arg(config.port)
                        .arg(sim.errorString()));

    // Web servers before the listening line, which tells that all is ready.
    QFile webLog;
    if (cli.isSet(webLogOpt)) {
        webLog.setFileName(cli.value(webLogOpt));
        if (!webLog.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text))
            return fail(QStringLiteral("%1: %2").arg(webLog.fileName(), webLog.errorString()));
    }
    std::vector<std::unique_ptr<camsim::CameraWebServer>> webServers;
    for (int i = 0; cli.isSet(webOpt) && i < sim.cameraCount(); ++i) {
        const camsim::SimCamera &camera = sim.camera(i);
        if (!camera.webEnabled)
            continue;
        // A camera without a server is a warning: the others go on.
        const QHostAddress ip(camera.ip);
        if (ip.isNull()) {
            std::fprintf(stderr, "camsim: warning: %s has no IP address, no web server\n",
                         qPrintable(camera.mac));
            continue;
        }
        auto web = std::make_unique<camsim::CameraWebServer>(sim, camera.mac);
        if (webLog.isOpen())
            web->setLog(&webLog);
        if (!web->listen(ip, quint16(webPort))) {
            std::fprintf(stderr, "camsim: warning: no web server for %s on %s:%d: %s\n",
                         qPrintable(camera.mac), qPrintable(camera.ip), webPort,
                         qPrintable(web->errorString()));
            continue;
        }
        std::printf("camsim: web server of %s on %s:%u\n", qPrintable(camera.mac),
                    qPrintable(web->address().toString()), unsigned(web->port()));
        webServers.push_back(std::move(web));
    }

    const QString replyTarget
        = replyAddress.isNull() ? QStringLiteral("the sender") : replyAddress.toString();
    std::printf("camsim: listening on %s:%u with %d cameras, replies to %s port %d\n",
                qPrintable(sim.address().toString()), unsigned(sim.port()), sim.cameraCount(),
                qPrintable(replyTarget), config.replyPort);
    std::fflush(stdout);

    const int rc = app.exec();
    sim.close();
    std::printf("camsim: stopped after %d commands, %d replies, %d ignored, %d unparsable, %d send "
                "errors\n",
                int(sim.commands().size()), sim.repliesSent(), sim.ignoredCount(),
                sim.rejectedCount(), sim.sendErrors());
    std::fflush(stdout);
    return rc;
}
