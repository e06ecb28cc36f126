// libFuzzer target for typed IPv4 addresses: the one-octet rule of the
// address editor's fields and the Internet connection page's check of a whole
// address.
// Accepted text is always four numbers of at most 255, in ASCII digits.
// An input is a byte and five fields (tests/fuzz/fuzzinput.h): the byte says
// how the fields become text, by its value modulo 3 (0 UTF-8, 1 UTF-16 code
// units, 2 Latin-1); the fields are four octets as typed and a whole address.
#include "pages/setup/ipv4input.h"
#include "tests/fuzz/fuzzinput.h"

#include <QCoreApplication>
#include <QStringList>

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

// One to three ASCII digits with a value of at most 255.
bool isOctet(const QString &text)
{
    if (text.isEmpty() || text.size() > 3)
        return false;
    int value = 0;
    for (const QChar c : text) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
        value = value * 10 + (c.unicode() - '0');
    }
    return value <= 255;
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
    QStringList octets;
    bool allAcceptable = true;
    for (int i = 0; i < 4; ++i) {
        const QString text = textOf(mode, in.field());
        const QValidator::State state = ipv4Input::octetState(text);
        if (state == QValidator::Acceptable)
            FUZZ_CHECK(isOctet(text));
        // A field may hold an intermediate text: only the empty one.
        if (state == QValidator::Intermediate)
            FUZZ_CHECK(text.isEmpty());
        allAcceptable = allAcceptable && state == QValidator::Acceptable;
        octets << text;
    }
    // What four accepted fields make, the page accepts.
    if (allAcceptable)
        FUZZ_CHECK(ipv4Input::addressAcceptable(octets.join(QLatin1Char('.'))));

    const QString address = textOf(mode, in.field());
    if (ipv4Input::addressAcceptable(address)) {
        const QStringList parts = address.split(QLatin1Char('.'));
        FUZZ_CHECK(parts.size() == 4);
        for (const QString &part : parts)
            FUZZ_CHECK(isOctet(part));
    }
    return 0;
}
