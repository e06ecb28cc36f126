// Throughput of the reply reader, and a loopback burst of many simulated
// cameras answering one scan. Everything goes over 127.0.0.1.
#include "protocol/ipcamera.h"
#include "protocol/zvrutils.h"
#include "tools/camsim/camerasimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QUdpSocket>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const QString hostMac = QStringLiteral("02:00:00:00:00:01");

FILE *logSink = nullptr;

void dropMessages(QtMsgType, const QMessageLogContext &, const QString &) {}

// What the default handler costs minus the terminal: format, then write.
void writeMessages(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    const QByteArray line = qFormatLogMessage(type, context, message).toLocal8Bit();
    std::fwrite(line.constData(), 1, size_t(line.size()), logSink);
    std::fputc('\n', logSink);
}

void useLogging(bool logged)
{
    qInstallMessageHandler(logged ? writeMessages : dropMessages);
}

QString cameraMac(int i)
{
    return QStringLiteral("02:10:00:%1:%2:%3")
        .arg((i >> 16) & 0xff, 2, 16, QLatin1Char('0'))
        .arg((i >> 8) & 0xff, 2, 16, QLatin1Char('0'))
        .arg(i & 0xff, 2, 16, QLatin1Char('0'));
}

camsim::SimCamera camera(int i)
{
    camsim::SimCamera c;
    c.mac = cameraMac(i);
    c.model = "KSM-271E";
    c.name = "camera " + QByteArray::number(i);
    c.ip = QStringLiteral("10.0.%1.%2").arg(i / 250).arg(i % 250 + 1);
    c.password = "secret" + QByteArray::number(i);
    c.deviceNo = QByteArray::number(10000000 + i);
    c.portal = "http://127.0.0.1:8080/";
    c.dfp = "dfp" + QByteArray::number(i);
    c.fillDefaultNetwork();
    return c;
}

QByteArray replyFrom(const camsim::SimCamera &c, char zvrClass)
{
    return camsim::CameraSimulator::replyDatagram(ZVRUtils::macBytes(hostMac), c,
                                                  camsim::CameraSimulator::replyBody(c, zvrClass));
}

// The engine with n cameras listed, filled through its own reader.
void listCameras(ZVRUtils &engine, int n)
{
    IPCameraList.clear();
    host_mac_str = {hostMac.toUpper()};
    supportType = QStringLiteral("ALL");
    engine.broadcastScan = false;  // no info requests: nothing is sent
    const QtMessageHandler previous = qInstallMessageHandler(dropMessages);
    for (int i = 0; i < n; ++i)
        engine.handleDatagram(replyFrom(camera(i), '1'));
    qInstallMessageHandler(previous);
}

// Filter, descramble, split and dispatch, per datagram. The replies come
// from every listed camera in turn.
void readReplies(benchmark::State &state, char zvrClass)
{
    const int listed = int(state.range(0));
    const bool logged = state.range(1) != 0;
    ZVRUtils engine;
    listCameras(engine, listed);
    if (IPCameraList.size() != listed) {
        state.SkipWithError("cameras not listed");
        return;
    }
    QList<QByteArray> replies;
    for (int i = 0; i < listed; ++i)
        replies.append(replyFrom(camera(i), zvrClass));

    useLogging(logged);
    qsizetype next = 0;
    for (auto _ : state) {
        engine.handleDatagram(replies.at(next));
        if (++next == replies.size())
            next = 0;
    }
    qInstallMessageHandler(nullptr);
    state.SetItemsProcessed(state.iterations());
    state.counters["datagrams/s"] =
        benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
    IPCameraList.clear();
}

void BM_InfoRecords(benchmark::State &state)
{
    readReplies(state, '2');
}

void BM_KnownScanReplies(benchmark::State &state)
{
    readReplies(state, '1');
}

// One broadcast scan of many cameras: their scan replies, the info request
// the engine then sends each new camera, and the info records. rcvbuf > 0
// replaces the engine's receive buffer request, to show what it is for.
// Past the list's cap the rest of the replies are read and dropped.
void BM_LoopbackBurst(benchmark::State &state)
{
    const int cameras = int(state.range(0));
    const int paceChunk = int(state.range(1));
    const int rcvbuf = int(state.range(2));
    useLogging(false);

    ZVRUtils engine;
    if (!engine.bindPort(0)) {
        state.SkipWithError("engine cannot bind");
        return;
    }
    if (rcvbuf > 0)
        engine.recvSocket.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, rcvbuf);
    camsim::CameraSimulator sim;
    for (int i = 0; i < cameras; ++i)
        sim.addCamera(camera(i));
    if (!sim.listen(QHostAddress::LocalHost, 0)) {
        state.SkipWithError("simulator cannot bind");
        return;
    }
    sim.setReplyPort(engine.recvSocket.localPort());
    sim.setPaceChunk(paceChunk);
    engine.setCommandTarget(QHostAddress::LocalHost, sim.port());
    host_mac_str = {hostMac.toUpper()};
    supportType = QStringLiteral("ALL");

    const int listable = qMin(cameras, int(ZVRUtils::maxCameras));
    double listed = 0, infoRecords = 0, requests = 0, replies = 0, settleMs = 0, runs = 0;
    for (auto _ : state) {
        IPCameraList.clear();
        sim.clearCommands();
        const int sentBefore = sim.repliesSent();
        QElapsedTimer clock;
        clock.start();
        engine.ZVRScanDevice(hostMac, supportType, ZVRUtils::broadcastMac);
        int seen = 0;
        qint64 lastChange = 0;
        // Settled: all in, or nothing new for half a second; 5 s at most.
        while (clock.elapsed() < 5000) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            int withInfo = 0;
            for (const IPCamera &c : IPCameraList)
                withInfo += c.cmdState == cmdStatePasswordSeen;
            const int now = int(IPCameraList.size()) + withInfo;
            if (now != seen) {
                seen = now;
                lastChange = clock.elapsed();
            }
            if (seen == 2 * listable || clock.elapsed() - lastChange > 500)
                break;
        }
        const qint64 settled = lastChange;
        int withInfo = 0;
        for (const IPCamera &c : IPCameraList)
            withInfo += c.cmdState == cmdStatePasswordSeen;
        listed += double(IPCameraList.size());
        infoRecords += withInfo;
        requests += double(sim.commands().size() - 1);  // the scan is one
        replies += sim.repliesSent() - sentBefore;
        settleMs += double(settled);
        ++runs;
    }
    state.counters["listed"] = listed / runs;
    state.counters["infoRecords"] = infoRecords / runs;
    state.counters["infoRequestsSeen"] = requests / runs;
    state.counters["simReplies"] = replies / runs;
    state.counters["settleMs"] = settleMs / runs;
    state.counters["rcvbuf"] =
        engine.recvSocket.socketOption(QAbstractSocket::ReceiveBufferSizeSocketOption).toDouble();
    state.counters["sendErrors"] = sim.sendErrors();
    qInstallMessageHandler(nullptr);
    IPCameraList.clear();
}

}  // namespace

BENCHMARK(BM_InfoRecords)
    ->ArgsProduct({{1, 100, ZVRUtils::maxCameras}, {0, 1}})
    ->ArgNames({"listed", "logged"});
BENCHMARK(BM_KnownScanReplies)
    ->ArgsProduct({{1, 100, ZVRUtils::maxCameras}, {0, 1}})
    ->ArgNames({"listed", "logged"});
BENCHMARK(BM_LoopbackBurst)
    ->Args({ZVRUtils::maxCameras, 0, 0})
    ->Args({ZVRUtils::maxCameras, 0, 212992})
    ->Args({1000, 0, 0})
    ->Args({1000, 50, 0})
    ->Args({1000, 0, 212992})
    ->Args({1000, 50, 212992})
    ->ArgNames({"cameras", "paceChunk", "rcvbuf"})
    ->Iterations(5)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("camsim.debug=false"));
    logSink = std::fopen("/dev/null", "w");
    if (!logSink)
        return 1;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::fclose(logSink);
    return 0;
}
