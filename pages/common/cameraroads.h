#ifndef CAMGUIDE_CAMERAROADS_H
#define CAMGUIDE_CAMERAROADS_H

#include "core/pageframe.h"
#include "core/widgets.h"

#include <QList>
#include <QPoint>
#include <QString>

#include <functional>

class QLabel;

// The roads through the camera itself, shared by the pages that offer them:
// the question whether its LED is lit, the help on the LED, and the reset
// with the camera's Reset button. They run the boxes of the page they serve,
// over its veil, with its texts in the page's own context; which of them a
// page shows is said beside their texts.
class cameraRoads
{
public:
    // Answers of the LED question and the reset instructions boxes.
    enum { ledYes = 0, ledNo = 1 };
    enum { resetRestart = 0, resetClose = 1 };
    // The two wordings of the reset instructions.
    enum resetWording { afterReset, afterReseting };
    // How the reset road ended: box closed, or Restart and then the answer to
    // the LED question; none when a box was taken away without an answer.
    enum class resetOutcome { none, closed, restartYes, restartNo };

    explicit cameraRoads(pageFrame &page) : m_page(page) {}

    QString ledQuestionText() const;  // by the configured model
    QList<boxButton> ledAnswerButtons(const QString &fontSize = QStringLiteral("12pt")) const;
    QPoint ledQuestionOffset() const;
    // Is the camera's LED lit green? Yes and No, 84x24.
    int ledQuestionBox(const QString &fontSize = QStringLiteral("12pt"),
                       pageFrame::veilRoad road = pageFrame::hideVeilOnAnswer,
                       QLabel *veil = nullptr);

    // The help box on the camera's LED (by the configured model); its "reset
    // the camera" link calls onLink.
    int ledHelpBox(std::function<void(const QString &)> onLink, QLabel *veil = nullptr);

    // The reset road: the open help box goes, the reset instructions follow;
    // Restart asks the LED question. The veil goes on every answer; what the
    // page does next depends on the outcome.
    resetOutcome resetRoad(resetWording wording, const QString &closeObjectName,
                           const QString &ledFontSize = QStringLiteral("12pt"),
                           QLabel *veil = nullptr);

private:
    pageFrame &m_page;
};

#endif
