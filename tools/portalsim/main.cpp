// portalsim: a simulated cloud portal that takes the setup program's
// sign-up, sign-in and add-camera posts, for tests on loopback and in
// network namespaces.
#include "tools/common/simprogram.h"
#include "tools/portalsim/portalsimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    return simcommon::fail("portalsim", message);
}

// "sign-in=refuse" to a kind and its fault; false when either is unknown.
bool parseFault(const QString &text, portalsim::requestKind *kind, portalsim::fault *f)
{
    using portalsim::fault;
    using portalsim::requestKind;
    const QStringList parts = text.split(QLatin1Char('='));
    if (parts.size() != 2)
        return false;
    const QHash<QString, requestKind> kinds{{QStringLiteral("sign-up"), requestKind::signUp},
                                            {QStringLiteral("sign-in"), requestKind::signIn},
                                            {QStringLiteral("add"), requestKind::addCamera}};
    const QHash<QString, fault> faults{{QStringLiteral("none"), fault::none},
                                       {QStringLiteral("refuse"), fault::refuse},
                                       {QStringLiteral("server-error"), fault::serverError},
                                       {QStringLiteral("redirect"), fault::redirect},
                                       {QStringLiteral("silent"), fault::silent},
                                       {QStringLiteral("oversized"), fault::oversized}};
    if (!kinds.contains(parts.at(0)) || !faults.contains(parts.at(1)))
        return false;
    *kind = kinds.value(parts.at(0));
    *f = faults.value(parts.at(1));
    return true;
}

}  // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("portalsim"));

    QCommandLineParser cli;
    cli.setApplicationDescription(
        QStringLiteral("Simulated cloud portal: sign-up, sign-in and adding a camera over HTTP."));
    cli.addHelpOption();
    const QCommandLineOption bindOpt(QStringLiteral("bind"),
                                     QStringLiteral("Address to listen on (127.0.0.1)."),
                                     QStringLiteral("address"));
    const QCommandLineOption portOpt(QStringLiteral("port"),
                                     QStringLiteral("TCP port to listen on (8080, 0 = any)."),
                                     QStringLiteral("port"));
    const QCommandLineOption accountsOpt(
        QStringLiteral("accounts"),
        QStringLiteral("Accounts (JSON), loaded when present and written after every change."),
        QStringLiteral("file"));
    const QCommandLineOption logOpt(QStringLiteral("log"),
                                    QStringLiteral("Append every request as a JSON line."),
                                    QStringLiteral("file"));
    const QCommandLineOption faultOpt(
        QStringLiteral("fault"),
        QStringLiteral("KIND=FAULT, KIND sign-up, sign-in or add, FAULT refuse, server-error, "
                       "redirect, silent, oversized or none; may be repeated."),
        QStringLiteral("kind=fault"));
    const QCommandLineOption quietOpt(QStringLiteral("quiet"),
                                      QStringLiteral("No line per request on stderr."));
    cli.addOptions({bindOpt, portOpt, accountsOpt, logOpt, faultOpt, quietOpt});
    cli.process(app);
    if (!cli.positionalArguments().isEmpty())
        return fail(
            QStringLiteral("unexpected argument: %1").arg(cli.positionalArguments().first()));

    const QString bindText = cli.isSet(bindOpt) ? cli.value(bindOpt) : QStringLiteral("127.0.0.1");
    const QHostAddress bindAddress(bindText);
    if (bindAddress.isNull())
        return fail(QStringLiteral("bad bind address: %1").arg(bindText));
    int port = 8080;
    if (cli.isSet(portOpt) && !simcommon::parsePort(cli.value(portOpt), 0, &port))
        return fail(QStringLiteral("bad --port: %1").arg(cli.value(portOpt)));

    portalsim::PortalSimulator sim;
    for (const QString &text : cli.values(faultOpt)) {
        portalsim::requestKind kind;
        portalsim::fault f;
        if (!parseFault(text, &kind, &f))
            return fail(QStringLiteral("bad --fault: %1").arg(text));
        sim.setFault(kind, f);
    }
    if (cli.isSet(accountsOpt)) {
        const QString path = cli.value(accountsOpt);
        QString error;
        if (QFileInfo::exists(path) && !sim.loadAccounts(path, &error))
            return fail(error);
        sim.setAccountsFile(path);
    }
    if (cli.isSet(logOpt) && !sim.setLogFile(cli.value(logOpt)))
        return fail(sim.errorString());
    if (cli.isSet(quietOpt))
        QLoggingCategory::setFilterRules(QStringLiteral("portalsim.debug=false"));

    // SIGUSR1 drops the faults: a road can let the portal answer again.
    const auto dropFaults = [&sim] {
        for (const auto kind : {portalsim::requestKind::signUp, portalsim::requestKind::signIn,
                                portalsim::requestKind::addCamera})
            sim.setFault(kind, portalsim::fault::none);
        std::printf("portalsim: faults dropped\n");
        std::fflush(stdout);
    };
    if (!simcommon::quitOnSignals(dropFaults))
        return fail(QStringLiteral("no signal pipe"));

    if (!sim.listen(bindAddress, quint16(port)))
        return fail(QStringLiteral("cannot listen on %1:%2: %3")
                        .arg(bindText)
                        .arg(port)
                        .arg(sim.errorString()));
    std::printf("portalsim: listening on %s:%u\n", qPrintable(sim.address().toString()),
                unsigned(sim.port()));
    std::fflush(stdout);

    const int rc = app.exec();
    int answered = 0;
    for (const portalsim::request &r : sim.requests())
        answered += r.status ? 1 : 0;
    std::printf("portalsim: stopped after %d requests, %d answered\n", int(sim.requests().size()),
                answered);
    std::fflush(stdout);
    return rc;
}
