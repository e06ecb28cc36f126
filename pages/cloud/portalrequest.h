#ifndef CAMGUIDE_PORTALREQUEST_H
#define CAMGUIDE_PORTALREQUEST_H

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QNetworkRequest;
class QUrl;

// The cloud portal's three form posts and the rules by which their answers
// are judged. Pure functions: the page posts and shows, this decides.
namespace portalRequest {

// Paths appended to the camera's portal address as they stand.
inline constexpr char signUpPath[] = "signin/";
inline constexpr char signInPath[] = "account/?signin";
inline constexpr char addCameraPath[] = "account/?add";

// Only A-Z, a-z, 0-9 and "-._~" stay; every other byte is %XX in upper case.
QByteArray encoded(const QByteArray &bytes);
// A value of a camera record: its bytes up to the first NUL.
QByteArray recordValue(const QByteArray &stored);

// The wizard_version item: the camera's model, "_" and the program version.
QByteArray wizardVersion(const QByteArray &model, const QString &version);

struct signUpForm {
    QString email, password, confirmation, firstName, lastName;
};
// Each body leads with the program's wizard_version: model and version.
QByteArray signUpBody(const QByteArray &model, const QString &version, const signUpForm &form);
QByteArray signInBody(const QByteArray &model, const QString &version, const QString &email,
                      const QString &password);
QByteArray addCameraBody(const QByteArray &model, const QString &version,
                         const QByteArray &deviceNo, const QByteArray &password,
                         const QByteArray &dfp);

// The post: the base and the path joined as they are, the form's content
// type and length, redirects left to the caller.
QNetworkRequest formPost(const QByteArray &base, const char *path, const QByteArray &body);

// How an answer came out.
enum class outcome {
    networkError,  // the transfer failed or the status is an HTTP error: back to the form
    success,       // go on with the chain (sign-up, sign-in) or finish (add)
    refused,       // the answer box with text
    unknownError,  // add: status 200 and no body
};
struct verdict {
    outcome result;
    QString text;  // the answer to show, as the portal wrote it
};
// Sign-up and sign-in: status "200" and a body beginning "success".
verdict judgeAccountReply(bool failed, const QString &status, const QByteArray &body);
// Add camera: status "200" and a body of exactly deviceNo ":" model.
verdict judgeAddReply(bool failed, const QString &status, const QByteArray &body,
                      const QByteArray &deviceNo, const QByteArray &model);
// A refusal of the add request: the text after its first "]"; without one,
// from the second character on.
QString addRefusalText(const QString &body);

// The most of an answer that is read: a portal's answers are a few words,
// and a longer one is cut here instead of filling the memory.
inline constexpr qsizetype answerLimit = 64 * 1024;
// The verdict on an answer cut at answerLimit, judged on the bytes read: it
// is never a success, since the portal's whole answer was not seen.
verdict cutShort(const verdict &onRead, const QByteArray &read);
// Whether the status of an answer cut before its end is one the toolkit
// would report as a failed transfer at the end: none, or 400 and above.
bool failedStatus(const QString &status);

// What the answer box shows of an answer: at most answerLines lines, each
// at most answerLineChars characters, control characters as blanks and
// trailing empty lines dropped; an ellipsis marks what is left out.
inline constexpr int answerLines = 4;
inline constexpr int answerLineChars = 160;
QStringList shownAnswer(const QString &answer);

// The answer box's width for the text: its lines are wrapped to it.
inline constexpr int answerWidth = 450;
// The width of a text in pixels, in the font it is shown in.
using textAdvance = std::function<int(const QString &)>;
// A line of shownAnswer broken into lines of at most width pixels: between
// words where it can, inside a word wider than the width where it must, and
// never between the two halves of a character outside the BMP. Runs of blanks
// count as one, as in the box's rich text.
QStringList wrappedLine(const QString &line, int width, const textAdvance &advance);

}  // namespace portalRequest

#endif
