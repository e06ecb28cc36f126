#include "platform/shortcut_windows.h"

#include "platform/wholefile.h"
#include "platform/windowspath.h"
#include "protocol/cameravalues.h"

#include <QDebug>
#include <QFileInfo>

#include <algorithm>
#include <array>
#include <optional>

namespace platform {

namespace {

// Names Windows keeps for devices whatever the extension: "CON.ico" is the
// console.
bool isDeviceName(const QString &fileName)
{
    static const QStringList devices = {QStringLiteral("CON"), QStringLiteral("PRN"),
                                        QStringLiteral("AUX"), QStringLiteral("NUL")};
    const QString stem = fileName.section(QLatin1Char('.'), 0, 0).trimmed().toUpper();
    if (devices.contains(stem))
        return true;
    return stem.size() == 4
           && (stem.startsWith(QLatin1String("COM")) || stem.startsWith(QLatin1String("LPT")))
           && stem.at(3) >= QLatin1Char('1') && stem.at(3) <= QLatin1Char('9');
}

// The link goes straight into the desktop folder as a ".lnk" file.
bool isLinkOnDesktop(const QString &link, const QString &desktop)
{
    const QString path = localPath(link);
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    const QString name = path.mid(slash + 1);
    return slash >= 0 && path.left(slash) == localPath(desktop)
           && name.endsWith(QLatin1String(".lnk")) && cameraValues::isFileNamePart(name);
}

// A part of the shortcut that is not there, and why.
bool missing(const QString &what)
{
    qDebug().noquote() << QStringLiteral("createShortcut: %1.").arg(what);
    return false;
}

}  // namespace

bool makeLinkShortcut(const wchar_t *lpszPathObj, const wchar_t *lpszPathLink,
                      const wchar_t *lpszPathArg, const wchar_t *lpszPathIcon,
                      const shortcutCamera &camera, comShell::library &com)
{
    using comShell::failed;

    // Everything a file name or the link is made of is checked before
    // anything is written or removed.
    const std::optional<QString> target = shortcutText(lpszPathObj);
    const std::optional<QString> link = shortcutText(lpszPathLink);
    const std::optional<QString> argument = shortcutText(lpszPathArg);
    const std::optional<QString> iconSource = shortcutText(lpszPathIcon);
    const QString deviceNo = cameraValues::recordText(camera.deviceNo);
    const QString model = cameraValues::recordText(camera.model);
    const QString desktop = desktopFolder();
    const QString pictures = picturesFolder();
    const QString bookmarkPath = desktop + QStringLiteral("/../Favorites/")
                                 + QStringLiteral("My Camera (") + deviceNo
                                 + QStringLiteral(").url");
    const QString iconPath = pictures + QLatin1Char('\\') + model + QStringLiteral(".ico");
    if (!target || !link || !argument || !iconSource || deviceNo.size() >= shortcutBufferSize
        || model.size() >= shortcutBufferSize || iconPath.size() >= shortcutBufferSize)
        return refuseShortcut("a value is longer than 2047 characters");
    if (!cameraValues::isFileNamePart(deviceNo))
        return refuseShortcut("the camera's number cannot be part of a file name");
    if (!cameraValues::isFileNamePart(model) || isDeviceName(model + QStringLiteral(".ico")))
        return refuseShortcut("the camera's model cannot name a file");
    if (desktop.isEmpty())
        return refuseShortcut("the system names no desktop folder");
    if (pictures.isEmpty())
        return refuseShortcut("the system names no pictures folder");
    if (!isLinkOnDesktop(*link, desktop))
        return refuseShortcut("the link file is not a .lnk file in the desktop folder");
    if (!cameraValues::quotedPortalUrl(*argument))
        return refuseShortcut("the link's argument is no quoted portal address");

    // Each of the three files is written whole or not at all, and one that
    // fails does not keep the others from being made, as before.
    bool whole = true;
    qDebug() << "create bookmark";
    qDebug() << "link file path:" << bookmarkPath;
    const QString bookmarkText = QStringLiteral("[InternetShortcut]\nURL=") + *argument;
    qDebug() << "link file content:" << bookmarkText;
    // As on Windows, a missing Favorites folder is not made.
    wholeFile::failure why;
    if (!wholeFile::write(localPath(bookmarkPath), bookmarkText.toUtf8(), &why)) {
        if (!why.opened)
            qDebug() << "failed to open this file.";
        whole = missing(why.what);
    }

    qDebug() << "create desktop shortcut";
    if (failed(com.initialize(nullptr)))
        return missing(QStringLiteral("COM cannot be set up; no desktop link"));
    void *object = nullptr;
    if (failed(com.createInstance(comShell::shellLinkClass, nullptr, comShell::inProcessServer,
                                  comShell::shellLinkInterface, &object))) {
        com.uninitialize();
        return missing(QStringLiteral("no shell link object; no desktop link"));
    }
    auto *shellLink = static_cast<comShell::shellLinkFace *>(object);
    // A link without its target, arguments or icon would be saved half-made.
    bool linkSet = !failed(shellLink->SetPath(lpszPathObj));
    linkSet = !failed(shellLink->SetArguments(lpszPathArg)) && linkSet;

    qDebug() << "iconPath:" << iconPath;
    // Renamed over an older icon of that name, which stays when the copy
    // fails. Without the program's own icon the link names the path all
    // the same, as a bundle goes without its icon.
    const QString iconCopy = localPath(iconPath);
    if (!QFileInfo(localPath(*iconSource)).isFile())
        qDebug().noquote() << QStringLiteral("createShortcut: no icon at %1 to copy.")
                                  .arg(QLatin1Char('"') + *iconSource + QLatin1Char('"'));
    else if (!wholeFile::copy(localPath(*iconSource), iconCopy, &why))
        whole = missing(why.what);
    std::array<wchar_t, shortcutBufferSize> iconBuffer{};
    iconPath.toWCharArray(iconBuffer.data());
    linkSet = !failed(shellLink->SetIconLocation(iconBuffer.data(), 0)) && linkSet;

    if (failed(shellLink->QueryInterface(comShell::persistFileInterface, &object))) {
        whole = missing(QStringLiteral("the shell link cannot be saved; no desktop link"));
    } else {
        auto *persistFile = static_cast<comShell::persistFileFace *>(object);
        if (!linkSet)
            whole = missing(QStringLiteral("the shell link was not set up; no desktop link"));
        else if (failed(persistFile->Save(lpszPathLink, true)))
            whole = missing(QStringLiteral("cannot save the desktop link \"%1\"")
                                .arg(QString::fromWCharArray(lpszPathLink)));
        persistFile->Release();
    }
    shellLink->Release();
    com.uninitialize();
    return whole;
}

bool makeShortcut(wchar_t *lpszPathObj, wchar_t *lpszPathLink, wchar_t *lpszPathArg,
                  wchar_t *lpszPathIcon, const shortcutCamera &camera)
{
    return makeLinkShortcut(lpszPathObj, lpszPathLink, lpszPathArg, lpszPathIcon, camera,
                            comShell::standIn());
}

}  // namespace platform
