#ifndef CAMGUIDE_DETAILSPAGE_H
#define CAMGUIDE_DETAILSPAGE_H

#include <QDialog>

class IPCamera;
class QLabel;
class QPushButton;
class networkConfig;

// The read-only dialog with the chosen camera's addresses, connection type,
// cloud number and web login, as its record holds them when it is made,
// and two links back into the wizard. It deletes itself when closed.
class detailsPage : public QDialog
{
    Q_OBJECT

public:
    detailsPage();
    ~detailsPage() override;

    // The opening page connects to these.
    QPushButton *closeButton = nullptr;
    QLabel *internetConnLink = nullptr;
    QLabel *connTypeLink = nullptr;

public slots:
    void closeWindow();

private:
    // The constructor's parts, one per region of the dialog.
    QLabel *buildConnection(const networkConfig &net, bool wireless);
    void buildCameraInfo(const IPCamera *camera);
    void buildLinks();
    void buildTitle();
};

#endif
