#ifndef CAMGUIDE_FINISHPAGE_H
#define CAMGUIDE_FINISHPAGE_H

#include "core/pageframe.h"

#include <QPointer>
#include <QRect>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class detailsPage;
class httpRequest;

// The three pages the wizard ends on: what the user needs to reach the
// camera later, its snapshot, its details, and Done. One design; each page
// gives its texts, places and links in a table.
class finishPage : public pageFrame
{
    Q_OBJECT

public:
    void initializePage() override;

    // Where a snapshot request gives up: after this long without a byte,
    static constexpr int snapshotTimeoutMs = 15000;
    // and this long after it was sent, however the answer trickles in.
    static constexpr int snapshotTotalMs = 30000;

protected:
    // What a link in the page's texts does.
    enum class infoLink { none, setupAgain, portalHome };

    struct layout {
        const char *infoText;  // source texts, translated in the page's context
        QRect infoPlace;
        infoLink infoRole;
        const char *localViewText;  // none on the page of a registered camera
        QRect localViewPlace;
        bool ipRow;  // the camera's address as a link
        bool ipCaptionClickable;
        QRect ipCaptionPlace;
        const char *accountCaption;
        QRect accountCaptionPlace;
        bool accountIsEmail;  // the account's e-mail, or "admin"
        QRect accountValuePlace;
        QRect passwordCaptionPlace;
        QRect passwordValuePlace;
        const char *mobileAppsText;
        QRect mobileAppsPlace;
        const char *shortcutText;
        int snapshotX;
        const char *doneName;
        buttonPicture donePicture;
        bool opensHomeOnDone;
    };

    explicit finishPage(pageId id, QWidget *parent = nullptr);
    // Called by each page's constructor, so that the texts are looked up in
    // the page's own context.
    void build(const layout &l);

private slots:
    void next();
    void themeLabel4_click();
    void closeViewShow();
    void changeInterConneShow();
    void changeConnTypeShow();
    void setup_again_Slot(const QString &str);
    void linktip1_click(const QString &str);
    // A whole answer, or a failed transfer (failed: its body is not read).
    void snapshotAnswered(bool failed, const QString &status, const QByteArray &body);

private:
    void getImage();
    // True when the whole shortcut is in place.
    bool createShortcut(wchar_t *lpszPathObj, wchar_t *lpszPathLink, wchar_t *lpszPathArg,
                        wchar_t *lpszPathIcon);
    bool makeShortcutFor(const class IPCamera &camera);
    QString bulleted(const char *source) const;
    void closeDetails();

    layout m_layout{};
    QLabel *infoText = nullptr;
    QLabel *localViewText = nullptr;
    QLabel *ipCaption = nullptr;
    QLabel *ipLinkLabel = nullptr;
    QLabel *accountValue = nullptr;
    QLabel *mobileAppsText = nullptr;
    QLineEdit *nameEdit = nullptr;
    QLabel *detailsLink = nullptr;
    QCheckBox *shortcutCheck = nullptr;
    QLabel *snapshotLabel = nullptr;
    QPushButton *doneButton = nullptr;
    QPointer<detailsPage> detailsDialog;
    // The snapshot request; given up, the label keeps what it shows.
    httpRequest *snapshotRequest = nullptr;
};

#endif
