// libFuzzer target for the masking of secrets in the engine's log lines: a
// password, PPPoE password or wireless key item of any payload reaches a log
// only as "***", and every other item reaches it unchanged.
// An input is two fields (tests/fuzz/fuzzinput.h): a payload as a camera or
// a page may make it, and a secret that is added to it as the item of the
// key the byte between them chooses.
#include "protocol/zvrutils.h"
#include "tests/fuzz/fuzzinput.h"

#include <QCoreApplication>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

const QByteArray secretKeys[] = {"P", "8", "18", "34"};

bool isSecretKey(QByteArrayView key)
{
    return key.startsWith('P') || key == "8" || key == "18" || key == "34";
}

// The items of a payload as views, one after the other: no copies, so that
// the check costs less than what it checks.
class itemReader
{
public:
    explicit itemReader(QByteArrayView text) : text(text) {}

    bool next(QByteArrayView *item)
    {
        if (done)
            return false;
        const qsizetype semicolon = text.indexOf(';', at);
        const qsizetype stop = semicolon < 0 ? text.size() : semicolon;
        *item = text.sliced(at, stop - at);
        done = semicolon < 0;
        at = stop + 1;
        return true;
    }

private:
    QByteArrayView text;
    qsizetype at = 0;
    bool done = false;
};

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
    QByteArray payload = in.field();
    const QByteArray &key = secretKeys[in.byte() % 4];
    const QByteArray secret = in.field();
    // As the engine sends it: base64, so without ";".
    payload += ';' + key + '=' + secret.toBase64();

    const QByteArray masked = ZVRUtils::maskSecrets(payload);
    itemReader before(payload);
    itemReader after(masked);
    QByteArrayView b, a;
    while (before.next(&b)) {
        FUZZ_CHECK(after.next(&a));
        const qsizetype eq = b.indexOf('=');
        if (eq > 0 && isSecretKey(b.first(eq)))
            FUZZ_CHECK(a.size() == eq + 4 && a.first(eq + 1) == b.first(eq + 1)
                       && a.sliced(eq + 1) == "***");
        else
            FUZZ_CHECK(a == b);
    }
    FUZZ_CHECK(!after.next(&a));
    // The secret's own item, the last one.
    FUZZ_CHECK(b.first(key.size() + 1) == key + '='
               && b.sliced(key.size() + 1) == secret.toBase64());
    return 0;
}
