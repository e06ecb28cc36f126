// libFuzzer target for the decision on the camera's snapshot answer: no
// fault for any answer, and no picture after a transfer error or for a
// status other than "200".
// An input is a byte and two fields (tests/fuzz/fuzzinput.h): bit 0 of the
// byte says the transfer failed; the fields are the status text and the body.
#include "pages/cloud/snapshot.h"
#include "tests/fuzz/fuzzinput.h"

#include <QGuiApplication>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qInstallMessageHandler(dropMessage);
    // The page decodes in the program's setting: a GUI application, here
    // without a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    fuzzInput::reader in(data, size);
    const bool failed = in.byte() & 1;
    const QString status = QString::fromUtf8(in.field());
    const QByteArray body = in.field();
    const std::optional<QImage> picture = snapshot::picture(failed, status, body);
    if (failed || status != QLatin1String("200"))
        FUZZ_CHECK(!picture);
    else
        FUZZ_CHECK(picture.has_value());
    return 0;
}
