#ifndef CAMGUIDE_CAMGUIDE_H
#define CAMGUIDE_CAMGUIDE_H

#include <QWizard>

class QLabel;
class QPushButton;

// The wizard window: hosts the nine pages and draws the picture frame, the
// model title, the footer and the link row around them. The pages carry
// their own buttons and move by nextPage (see pageFrame).
class camguide : public QWizard
{
    Q_OBJECT
public:
    explicit camguide(QWidget *parent = nullptr);

    void accept() override;

    QPushButton *troubleshootingButton = nullptr;
    QPushButton *manualsButton = nullptr;
    QPushButton *aboutButton = nullptr;
    QPushButton *exitButton = nullptr;
    QLabel *veilLabel = nullptr;

public slots:
    void troubleShooting();
    void manualLink();
    void aboutInfo();

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void placePagesAtOrigin();

    bool m_layoutWatched = false;
};

#endif
