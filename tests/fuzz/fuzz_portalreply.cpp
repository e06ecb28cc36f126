// libFuzzer target for the rules by which the cloud portal's answers are
// judged, and for the escaping of the text the answer box then shows.
//   sign-up, sign-in: only network error, success or refused; success only
//     for status "200" and a body beginning "success"; a refusal shows the body
//   add camera: only the four outcomes; success only for status "200" and a
//     body of the camera's number ":" model; a refusal shows the body, or for
//     status "200" its part after the first "]" (without one, from the second
//     character on)
//   the answer box: the escaped text holds no "<" or ">", and every "&"
//     begins an entity; each kept line wrapped to the box's width loses
//     nothing but blanks, splits no character outside the BMP, and holds no
//     line wider than the box but a single character's
// An input is a byte and four fields (tests/fuzz/fuzzinput.h): bit 0 of the
// byte says the transfer failed, bit 1 that the add request's rules apply;
// the fields are status, body, the camera's number and its model.
#include "pages/cloud/portalrequest.h"
#include "tests/fuzz/fuzzinput.h"

#include <QCoreApplication>

using portalRequest::outcome;

namespace {

void dropMessage(QtMsgType, const QMessageLogContext &, const QString &) {}

void checkEscaped(const QString &text)
{
    const QString escaped = text.toHtmlEscaped();
    FUZZ_CHECK(!escaped.contains(QLatin1Char('<')) && !escaped.contains(QLatin1Char('>')));
    for (qsizetype at = escaped.indexOf(QLatin1Char('&')); at >= 0;
         at = escaped.indexOf(QLatin1Char('&'), at + 1)) {
        const QStringView rest = QStringView(escaped).sliced(at);
        FUZZ_CHECK(rest.startsWith(u"&amp;") || rest.startsWith(u"&lt;") || rest.startsWith(u"&gt;")
                   || rest.startsWith(u"&quot;"));
    }
}

// A width for every character, some of them wider than the box.
int advance(const QString &text)
{
    int width = 0;
    for (const QChar c : text)
        width += 1 + (c.unicode() * 7) % 600;
    return width;
}

void checkWrapped(const QString &text)
{
    const int box = portalRequest::answerWidth;
    for (const QString &line : portalRequest::shownAnswer(text)) {
        const QStringList parts = portalRequest::wrappedLine(line, box, advance);
        FUZZ_CHECK(!parts.isEmpty());
        FUZZ_CHECK(parts.join(QString()).remove(QLatin1Char(' '))
                   == QString(line).remove(QLatin1Char(' ')));
        for (const QString &part : parts) {
            FUZZ_CHECK(part.isEmpty() || !part.front().isLowSurrogate());
            FUZZ_CHECK(part.isEmpty() || !part.back().isHighSurrogate());
            FUZZ_CHECK(advance(part) <= box || part.size() == 1
                       || (part.size() == 2 && part.front().isHighSurrogate()));
        }
    }
}

// Cut at the first NUL, as the camera's record values are.
QByteArray recordValue(const QByteArray &stored)
{
    const qsizetype nul = stored.indexOf('\0');
    return nul < 0 ? stored : stored.left(nul);
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
    const uchar flags = in.byte();
    const bool failed = flags & 1;
    const QString status = QString::fromUtf8(in.field());
    const QByteArray body = in.field();
    const QByteArray deviceNo = in.field();
    const QByteArray model = in.field();
    const QString answer = QString::fromUtf8(body);
    const bool ok = status == QLatin1String("200");

    if (!(flags & 2)) {
        const portalRequest::verdict v = portalRequest::judgeAccountReply(failed, status, body);
        switch (v.result) {
        case outcome::networkError: FUZZ_CHECK(failed); break;
        case outcome::success:
            FUZZ_CHECK(!failed && ok && answer.startsWith(QLatin1String("success")));
            break;
        case outcome::refused:
            FUZZ_CHECK(!failed && !(ok && answer.startsWith(QLatin1String("success"))));
            FUZZ_CHECK(v.text == answer);
            checkEscaped(v.text);
            checkWrapped(v.text);
            break;
        default: FUZZ_CHECK(!"an account answer has no other outcome");
        }
        return 0;
    }

    const portalRequest::verdict v =
        portalRequest::judgeAddReply(failed, status, body, deviceNo, model);
    const bool added = body == recordValue(deviceNo) + ':' + recordValue(model);
    switch (v.result) {
    case outcome::networkError: FUZZ_CHECK(failed); break;
    case outcome::success: FUZZ_CHECK(!failed && ok && added); break;
    case outcome::unknownError: FUZZ_CHECK(!failed && ok && body.isEmpty() && !added); break;
    case outcome::refused: {
        FUZZ_CHECK(!failed && !(ok && (added || body.isEmpty())));
        const qsizetype bracket = answer.indexOf(QLatin1Char(']'));
        // Without "]" the first character goes, both halves of one outside the BMP.
        const qsizetype first = answer.size() > 1 && answer.at(0).isHighSurrogate() ? 2 : 1;
        const QString shown = !ok            ? answer
                              : bracket >= 0 ? answer.mid(bracket + 1)
                                             : answer.mid(first);
        FUZZ_CHECK(v.text == shown);
        checkEscaped(v.text);
        checkWrapped(v.text);
        break;
    }
    default: FUZZ_CHECK(!"an add answer has no other outcome");
    }
    return 0;
}
