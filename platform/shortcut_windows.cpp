// The Windows build's shortcut: a Favorites bookmark, an icon copy in the
// pictures folder and a shell link on the desktop.
#include "platform/comshell.h"
#include "platform/shortcut.h"
#include "platform/windowspath.h"
#include "protocol/cameravalues.h"

#include <QDebug>
#include <QFile>
#include <QTextStream>

#include <algorithm>
#include <array>
#include <optional>

namespace platform {

namespace {

// A buffer's text up to its zero; nothing when no zero ends it within the
// buffer or the text needs more UTF-16 units than a buffer holds.
std::optional<QString> bufferText(const wchar_t *buffer)
{
    if (!buffer)
        return std::nullopt;
    const wchar_t *end = std::find(buffer, buffer + shortcutBufferSize, L'\0');
    if (end == buffer + shortcutBufferSize)
        return std::nullopt;
    QString text = QString::fromWCharArray(buffer, static_cast<qsizetype>(end - buffer));
    if (text.size() >= shortcutBufferSize)
        return std::nullopt;
    return text;
}

QString recordText(const QByteArray &bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return QString::fromUtf8(nul < 0 ? bytes : bytes.left(nul));
}

// Names Windows keeps for devices whatever the extension: "CON.ico" is the
// console.
bool isDeviceName(const QString &fileName)
{
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"), QStringLiteral("AUX"),
                                        QStringLiteral("NUL")};
    const QString stem = fileName.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    if (devices.contains(stem))
        return true;
    return stem.size() == 4 && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT")))
           && stem.at(3) >= QLatin1Char('1') && stem.at(3) <= QLatin1Char('9');
}

// A camera value that goes into a file name: empty, or a name Windows
// takes as one file in the folder it is put in.
bool isFileNamePart(const QString &value)
{
    if (value.isEmpty())
        return true;
    if (!cameraValues::isPlainName(value))
        return false;
    return std::none_of(value.cbegin(), value.cend(), [](QChar c) {
        return QStringLiteral("<>\"|?*").contains(c);
    });
}

// The arguments: the portal URL between two double quotes. Inside them
// nothing that ends the quoting, that a command line or the bookmark's one
// line would read differently, or that is no portal address.
bool isQuotedPortalUrl(const QString &argument)
{
    if (argument.size() < 2 || !argument.startsWith(QLatin1Char('"')) || !argument.endsWith(QLatin1Char('"')))
        return false;
    const QString url = argument.mid(1, argument.size() - 2);
    for (const QChar c : url) {
        const char16_t u = c.unicode();
        if (u < 0x20 || u >= 0x7f || u == u'"' || u == u'`' || u == u'$' || u == u'\\')
            return false;
    }
    return cameraValues::isPortalAddress(url.toLatin1());
}

// The link goes straight into the desktop folder as a ".lnk" file.
bool isLinkOnDesktop(const QString &link, const QString &desktop)
{
    const QString path = localPath(link);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    return slash >= 0 && path.left(slash) == localPath(desktop) && name.endsWith(QLatin1String(".lnk"))
           && isFileNamePart(name);
}

void refuse(const char *why)
{
    qDebug().noquote() << QStringLiteral("createShortcut: %1; no shortcut.").arg(QLatin1String(why));
}

}  // namespace

void makeShortcut(wchar_t *lpszPathObj, wchar_t *lpszPathLink, wchar_t *lpszPathArg,
                  wchar_t *lpszPathIcon, const shortcutCamera &camera)
{
    using namespace comShell;

    // Everything a file name or the link is made of is checked before
    // anything is written or removed.
    const std::optional<QString> target = bufferText(lpszPathObj);
    const std::optional<QString> link = bufferText(lpszPathLink);
    const std::optional<QString> argument = bufferText(lpszPathArg);
    const std::optional<QString> iconSource = bufferText(lpszPathIcon);
    const QString deviceNo = recordText(camera.deviceNo);
    const QString model = recordText(camera.model);
    const QString desktop = desktopFolder();
    const QString pictures = picturesFolder();
    const QString bookmarkPath = desktop + QStringLiteral("/../Favorites/") + QStringLiteral("My Camera (")
                                 + deviceNo + QStringLiteral(").url");
    const QString iconPath = pictures + QLatin1Char('\\') + model + QStringLiteral(".ico");
    if (!target || !link || !argument || !iconSource || deviceNo.size() >= shortcutBufferSize
        || model.size() >= shortcutBufferSize || iconPath.size() >= shortcutBufferSize)
        return refuse("a value is longer than 2047 characters");
    if (!isFileNamePart(deviceNo))
        return refuse("the camera's number cannot be part of a file name");
    if (!isFileNamePart(model) || isDeviceName(model + QStringLiteral(".ico")))
        return refuse("the camera's model cannot name a file");
    if (desktop.isEmpty())
        return refuse("the system names no desktop folder");
    if (pictures.isEmpty())
        return refuse("the system names no pictures folder");
    if (!isLinkOnDesktop(*link, desktop))
        return refuse("the link file is not a .lnk file in the desktop folder");
    if (!isQuotedPortalUrl(*argument))
        return refuse("the link's argument is no quoted portal address");

    qDebug() << "create bookmark";
    qDebug() << "link file path:" << bookmarkPath;
    const QString bookmarkText = QStringLiteral("[InternetShortcut]\nURL=") + *argument;
    qDebug() << "link file content:" << bookmarkText;
    // As on Windows, a missing Favorites folder is not made.
    QFile bookmark(localPath(bookmarkPath));
    if (bookmark.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        QTextStream stream(&bookmark);
        stream << bookmarkText;
        stream.flush();
        bookmark.close();
    } else {
        qDebug() << "failed to open this file.";
    }

    qDebug() << "create desktop shortcut";
    if (failed(CoInitialize(nullptr)))
        return;
    void *object = nullptr;
    if (failed(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, &object))) {
        CoUninitialize();
        return;
    }
    auto *shellLink = static_cast<IShellLinkW *>(object);
    shellLink->SetPath(lpszPathObj);
    shellLink->SetArguments(lpszPathArg);

    qDebug() << "iconPath:" << iconPath;
    // Removed first so that the copy replaces an older icon of that name.
    QFile::remove(localPath(iconPath));
    QFile::copy(localPath(*iconSource), localPath(iconPath));
    std::array<wchar_t, shortcutBufferSize> iconBuffer{};
    iconPath.toWCharArray(iconBuffer.data());
    shellLink->SetIconLocation(iconBuffer.data(), 0);

    if (!failed(shellLink->QueryInterface(IID_IPersistFile, &object))) {
        auto *persistFile = static_cast<IPersistFile *>(object);
        persistFile->Save(lpszPathLink, TRUE);
        persistFile->Release();
    }
    shellLink->Release();
    CoUninitialize();
}

}  // namespace platform
