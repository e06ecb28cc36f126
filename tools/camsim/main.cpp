// camsim: simulated network cameras that answer the setup program's ZVR
// commands, for tests on loopback and in network namespaces.
#include "tools/camsim/camerasimulator.h"
#include "tools/camsim/simconfig.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <cstdio>
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
    QCoreApplication app(argc, argv);
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
    cli.addOptions(
        {configOpt, logOpt, bindOpt, portOpt, replyPortOpt, replyAddressOpt, paceOpt, quietOpt});
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
