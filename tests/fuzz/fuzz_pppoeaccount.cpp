// libFuzzer target for the PPPoE account check of the Internet connection
// page: an accepted account is printable ASCII without ";" (which would end
// its item of the network setup it is sent in).
// An input is a byte and a field (tests/fuzz/fuzzinput.h): the byte says how
// the field becomes text, by its value modulo 3 (0 UTF-8, 1 UTF-16 code units,
// 2 Latin-1).
#include "pages/setup/networksetup.h"
#include "tests/fuzz/fuzzinput.h"

#include <QCoreApplication>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

QString textOf(uchar mode, const QByteArray &bytes)
{
    switch (mode % 3) {
    case 0: return QString::fromUtf8(bytes);
    case 1: return QString(reinterpret_cast<const QChar *>(bytes.constData()), bytes.size() / 2);
    default: return QString::fromLatin1(bytes);
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(dropMessage);
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzInput::reader in(data, size);
    const uchar mode = in.byte();
    const QString account = textOf(mode, in.field());
    if (!networkSetup::accountAcceptable(account))
        return 0;
    FUZZ_CHECK(!account.isEmpty());
    for (const QChar c : account) {
        FUZZ_CHECK(c != QLatin1Char(';'));
        FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() < 0x7f);
    }
    return 0;
}
