// libFuzzer target for the percent-encoding of the portal's form values:
// only A-Z a-z 0-9 "-._~" stay, everything else is %XX in upper case, and
// decoding gives the bytes back; in each of the three form bodies, every
// value decodes to what was typed or stored.
// An input is a field, a byte and nine fields (tests/fuzz/fuzzinput.h): bytes
// to encode; which body to check, by the byte's value modulo 3 (sign-in,
// sign-up, add camera); the camera's model, number, password and dfp as
// stored, then e-mail, password, confirmation, first and last name as typed
// (UTF-8).
#include "pages/cloud/portalrequest.h"
#include "tests/fuzz/fuzzinput.h"

#include <QCoreApplication>
#include <QList>
#include <QPair>

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

bool isUnreserved(char c)
{
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-'
           || c == '.' || c == '_' || c == '~';
}

bool isUpperHex(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F');
}

void checkEncoded(const QByteArray &bytes)
{
    const QByteArray out = portalRequest::encoded(bytes);
    FUZZ_CHECK(QByteArray::fromPercentEncoding(out) == bytes);
    for (qsizetype i = 0; i < out.size(); ++i) {
        if (isUnreserved(out[i]))
            continue;
        FUZZ_CHECK(out[i] == '%' && i + 2 < out.size());
        FUZZ_CHECK(isUpperHex(out[i + 1]) && isUpperHex(out[i + 2]));
        i += 2;
    }
}

using form = QList<QPair<QByteArray, QByteArray>>;

// A body's items in order, each value decoded. The checks above make every
// "&" and "=" in a body a separator.
form itemsOf(const QByteArray &body)
{
    form items;
    for (const QByteArray &item : body.split('&')) {
        const qsizetype eq = item.indexOf('=');
        FUZZ_CHECK(eq > 0);
        items.append({item.left(eq), QByteArray::fromPercentEncoding(item.mid(eq + 1))});
    }
    return items;
}

QByteArray recordValue(const QByteArray &stored)
{
    const qsizetype nul = stored.indexOf('\0');
    return nul < 0 ? stored : stored.left(nul);
}

// The program's version; tst_portalrequest checks that other versions are encoded.
const QString version = QStringLiteral("v1.00.02");

form lead(const QByteArray &model)
{
    return {{"client", "wizard"},
            {"wizard_version", recordValue(model) + '_' + version.toUtf8()},
            {"lang", "English"}};
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
    checkEncoded(in.field());
    const uchar body = in.byte() % 3;
    const QByteArray model = in.field();
    const QByteArray deviceNo = in.field();
    const QByteArray password = in.field();
    const QByteArray dfp = in.field();
    portalRequest::signUpForm typed;
    typed.email = QString::fromUtf8(in.field());
    typed.password = QString::fromUtf8(in.field());
    typed.confirmation = QString::fromUtf8(in.field());
    typed.firstName = QString::fromUtf8(in.field());
    typed.lastName = QString::fromUtf8(in.field());

    switch (body) {
    case 0: {
        const form signIn =
            lead(model)
            + form{{"email", typed.email.toUtf8()}, {"password", typed.password.toUtf8()}};
        FUZZ_CHECK(itemsOf(portalRequest::signInBody(model, version, typed.email, typed.password))
                   == signIn);
        break;
    }
    case 1: {
        const form signUp = lead(model)
                            + form{{"action", "sign-up"},
                                   {"accept", "accept"},
                                   {"email", typed.email.toUtf8()},
                                   {"password", typed.password.toUtf8()},
                                   {"password_verify", typed.confirmation.toUtf8()},
                                   {"name_first", typed.firstName.toUtf8()},
                                   {"name_last", typed.lastName.toUtf8()},
                                   {"nickname", "''"}};
        FUZZ_CHECK(itemsOf(portalRequest::signUpBody(model, version, typed)) == signUp);
        break;
    }
    default: {
        const form add = lead(model)
                         + form{{"orbel_no", recordValue(deviceNo)},
                                {"device_password", recordValue(password)},
                                {"dfp", recordValue(dfp)}};
        FUZZ_CHECK(itemsOf(portalRequest::addCameraBody(model, version, deviceNo, password, dfp))
                   == add);
        break;
    }
    }
    return 0;
}
