// libFuzzer target for the checks of camera-sent values: what a check
// accepts must be safe where the program puts it.
//   isPlainName      part of a file name: no separator, "..", control character
//   isPortalAddress  a post's base: an absolute http or https URL with a host
//   isDottedIPv4     a snapshot's host: the address the text says, as Qt reads it
// An input is a byte and a field (tests/fuzz/fuzzinput.h). The byte says how
// the field becomes text, by its value modulo 3: 0 UTF-8, 1 UTF-16 code units
// (any, unpaired surrogates too), 2 Latin-1. isPortalAddress takes the field's
// bytes as they are.
#include "protocol/cameravalues.h"
#include "tests/fuzz/fuzzinput.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QStringList>
#include <QUrl>

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

bool isAsciiDigit(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

void checkPlainName(const QString &text)
{
    if (!cameraValues::isPlainName(text))
        return;
    FUZZ_CHECK(!text.isEmpty());
    FUZZ_CHECK(!text.contains(QLatin1String("..")));
    for (const QChar c : text) {
        FUZZ_CHECK(c != QLatin1Char('/') && c != QLatin1Char('\\') && c != QLatin1Char(':'));
        FUZZ_CHECK(c.unicode() >= 0x20 && c.unicode() != 0x7f);
        FUZZ_CHECK(c.category() != QChar::Other_Control);
    }
}

void checkPortalAddress(const QByteArray &base)
{
    if (!cameraValues::isPortalAddress(base))
        return;
    const QUrl url = QUrl::fromEncoded(base, QUrl::StrictMode);
    FUZZ_CHECK(url.isValid());
    FUZZ_CHECK(!url.isRelative());
    const QString scheme = url.scheme().toLower();
    FUZZ_CHECK(scheme == QLatin1String("http") || scheme == QLatin1String("https"));
    FUZZ_CHECK(!url.host().isEmpty());
}

void checkDottedIPv4(const QString &text)
{
    if (!cameraValues::isDottedIPv4(text))
        return;
    const QStringList parts = text.split(QLatin1Char('.'));
    FUZZ_CHECK(parts.size() == 4);
    for (const QString &part : parts) {
        FUZZ_CHECK(part.size() >= 1 && part.size() <= 3);
        for (const QChar c : part)
            FUZZ_CHECK(isAsciiDigit(c));
        FUZZ_CHECK(part.toInt() <= 255);
    }
    // Qt reads it as this very address, in an address and in a URL.
    QHostAddress address;
    FUZZ_CHECK(address.setAddress(text));
    FUZZ_CHECK(address.protocol() == QAbstractSocket::IPv4Protocol);
    FUZZ_CHECK(address.toString() == text);
    FUZZ_CHECK(QUrl(QStringLiteral("http://") + text + QStringLiteral("/image.jpg")).host()
               == text);
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
    const QByteArray bytes = in.field();
    const QString text = textOf(mode, bytes);
    checkPlainName(text);
    checkPortalAddress(bytes);
    checkDottedIPv4(text);
    return 0;
}
