#ifndef CAMGUIDE_PLUGPAGE_H
#define CAMGUIDE_PLUGPAGE_H

#include "core/pageframe.h"
#include "pages/common/cameraroads.h"

#include <QList>
#include <QPoint>

class QLabel;
class QPushButton;
class QTimer;
class moveLabel;

// Page 0: the four plug-in steps, shown in turn every 3 s; hovering a step
// shows it and holds the turn. Next asks for the green LED, then page 1.
class plugPage : public pageFrame
{
    Q_OBJECT

public:
    explicit plugPage(QWidget *parent = nullptr);
    ~plugPage() override;

    void initializePage() override;

public slots:
    void next();
    void timerDone();
    void hintSlot1(bool hovered);
    void hintSlot2(bool hovered);
    void hintSlot3(bool hovered);
    void hintSlot4(bool hovered);
    void iconControl(bool hovered);
    void hint_MessageBox();
    void openMymsgBox(const QString &link);

private slots:
    void currentPageChanged(int id);

private:
    void buildStepList();
    void buildStepView();
    void placeWpsHelpIcon();
    void showStep(int step);
    void hoverStep(int step, bool hovered);
    void resumeCycle();
    QString ledHintText() const;

    QPushButton *nextButton = nullptr;
    QLabel *confirmLabel = nullptr;
    QList<moveLabel *> stepLabels;  // steps 1 to 4
    QLabel *stepMarker = nullptr;
    moveLabel *pictureFrame = nullptr;
    moveLabel *stepImage = nullptr;
    moveLabel *stepText = nullptr;
    moveLabel *wpsNote = nullptr;
    moveLabel *wpsHelpIcon = nullptr;
    moveLabel *ledHintLink = nullptr;
    QLabel *veilLabel = nullptr;
    QTimer *stepTimer = nullptr;
    int curStep = 0;  // the next tick shows step curStep + 1
    cameraRoads roads{*this};
};

#endif
