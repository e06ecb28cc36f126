#ifndef CAMGUIDE_WELCOMEPAGE_H
#define CAMGUIDE_WELCOMEPAGE_H

#include "core/widgets.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class camguide;

// The first window: greeting, language choice, portal links, About box and
// the Start button that opens the wizard at the same place.
class welcomePage : public QWidget
{
    Q_OBJECT
public:
    explicit welcomePage(QWidget *parent = nullptr);
    ~welcomePage() override;

    // Entries of the language choice; any other index loads "en.qm".
    enum { languageCount = 25 };
    static QString translationFile(int index);

    QComboBox *languageCombo = nullptr;
    QPushButton *startButton = nullptr;
    QPushButton *troubleshootingButton = nullptr;
    QPushButton *manualsButton = nullptr;
    QPushButton *aboutButton = nullptr;
    QPushButton *exitButton = nullptr;
    QLabel *veilLabel = nullptr;
    camguide *wizard = nullptr;  // made by Start, never freed

private slots:
    void start_wizard();
    void troubleShooting();
    void manualLink();
    void aboutInfo();
    void currentIndexChangedSlot(int index);

private:
    void retranslateUi();

    QLabel *welcomeLabel = nullptr;
    QLabel *welcomeText = nullptr;
    QLabel *languageLabel = nullptr;
    QLabel *productLabel = nullptr;
    QLabel *modelLabel = nullptr;
    QLabel *footerLabel = nullptr;
    linkRow m_links;
};

#endif
