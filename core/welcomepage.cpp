#include "core/welcomepage.h"

#include "core/camguide.h"
#include "core/globals.h"
#include "core/modal.h"
#include "core/widgets.h"
#include "protocol/zvrutils.h"

#include <QApplication>
#include <QBrush>
#include <QComboBox>
#include <QDebug>
#include <QFont>
#include <QIcon>
#include <QLabel>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QTranslator>

namespace {

struct languageEntry {
    const char *name;  // display text, translated with the window's context
    const char *file;  // below the folder "lang"
};

const languageEntry languages[welcomePage::languageCount] = {
    {QT_TRANSLATE_NOOP("welcomePage", "Please select:"), "en.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "English"), "en.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "French"), "fr.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Russian"), "ru.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Spanish"), "es.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Portuguese(Portugal)"), "pt.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Portuguese(Brazil)"), "pt_BR.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Japanese"), "ja.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Traditional Chinese"), "zh_TW.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Simplified Chinese"), "zh_CN.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Korean"), "ko.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Czech"), "cs.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Danish"), "da.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "German"), "de.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Greek"), "el.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Croatian"), "hr.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Hungarian"), "hu.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Italian"), "it.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Dutch"), "nl.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Norwegian"), "no.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Polish"), "pl.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Romanian"), "ro.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Slovenian"), "sl.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Swedish"), "sv.qm"},
    {QT_TRANSLATE_NOOP("welcomePage", "Finnish"), "fi.qm"},
};

const char textStyle[] = "font:14px;color:rgb(89,87,87);";

QLabel *styledLabel(QWidget *parent, const QRect &place, const char *style,
                    const QString &family = QStringLiteral("Arial"))
{
    auto *label = new QLabel(parent);
    label->setGeometry(place);
    label->setStyleSheet(QString::fromUtf8(style));
    if (!family.isEmpty())
        label->setFont(QFont(family));
    return label;
}

}  // namespace

QString welcomePage::translationFile(int index)
{
    if (index < 0 || index >= languageCount)
        return QStringLiteral("en.qm");
    return QString::fromUtf8(languages[index].file);
}

welcomePage::welcomePage(QWidget *parent) : QWidget(parent)
{
    QPalette background = palette();
    background.setBrush(QPalette::Window,
                        QBrush(QPixmap(QStringLiteral(":/images/setupbackground.png"))));
    setPalette(background);
    setAutoFillBackground(true);

    // As wide as the paragraph below: "Willkommen" needs more than 150.
    welcomeLabel = styledLabel(this, QRect(50, 110, 300, 50),
                               "color:rgb(41,76,108);font: bold 24px", QStringLiteral("Verdana"));
    welcomeText = styledLabel(this, QRect(50, 160, 300, 100), textStyle);
    welcomeText->setWordWrap(true);
    welcomeText->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    languageLabel = styledLabel(this, QRect(50, 250, 150, 30), textStyle);

    languageCombo = new QComboBox(this);
    languageCombo->setObjectName(QStringLiteral("languageCombo"));
    languageCombo->move(50, 280);
    languageCombo->setFixedSize(160, 30);
    languageCombo->setStyleSheet(QString::fromUtf8(textStyle));
    languageCombo->setFont(QFont(QStringLiteral("Arial")));
    for (const languageEntry &entry : languages)
        languageCombo->addItem(QString::fromUtf8(entry.name));

    startButton = new QPushButton(this);
    startButton->setObjectName(QStringLiteral("wel_star_but"));
    startButton->move(50, 330);
    startButton->setFixedSize(119, 34);
    startButton->setFlat(true);
    startButton->setStyleSheet(QStringLiteral(
        "background-image: url(:/images/btn_start-next_blue.png);font:14px;color:rgb(255,255,255);border: 0px"));
    startButton->setFont(QFont(QStringLiteral("Arial")));

    productLabel = new QLabel(this);
    productLabel->move(420, 140);
    productLabel->setFixedSize(240, 300);
    productLabel->setPixmap(dataPicture(QStringLiteral("images/product.png"))
                                .scaled(240, 300, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));

    modelLabel = styledLabel(this, QRect(460, 30, 250, 25),
                             "font:bold 18px;color:rgb(255,255,255);", QString());
    modelLabel->setText(modelStr);

    m_links = createLinkRow(this);
    troubleshootingButton = m_links.troubleshooting;
    manualsButton = m_links.manuals;
    aboutButton = m_links.about;
    exitButton = m_links.exit;

    footerLabel =
        styledLabel(this, QRect(175, 535, 600, 25), "font:12px;color:rgb(114,113,113);", QString());

    // Last child, so that it lies above everything while a box is open.
    veilLabel = pictureLabel(this, QString::fromLatin1(veilPicture), QRect(0, 0, 721, 567));
    veilLabel->setObjectName(QStringLiteral("veilLabel"));
    veilLabel->hide();

    setWindowIcon(dataIcon(QStringLiteral("images/product.ico")));
    setFixedSize(720, 567);

    connect(troubleshootingButton, &QPushButton::clicked, this, &welcomePage::troubleShooting);
    connect(manualsButton, &QPushButton::clicked, this, &welcomePage::manualLink);
    connect(aboutButton, &QPushButton::clicked, this, &welcomePage::aboutInfo);
    connect(exitButton, &QPushButton::clicked, this, &QWidget::close);
    connect(languageCombo, &QComboBox::currentIndexChanged, this,
            &welcomePage::currentIndexChangedSlot);
    connect(startButton, &QPushButton::clicked, this, &welcomePage::start_wizard);

    languageCombo->setCurrentIndex(1);
    if (nLanguage >= 1 && nLanguage <= 24) {
        languageCombo->setCurrentIndex(nLanguage);
        languageCombo->setEnabled(false);
    }
}

welcomePage::~welcomePage()
{
    qDebug().noquote() << "Left Welcome page.";
}

void welcomePage::currentIndexChangedSlot(int index)
{
    qDebug().noquote() << "index=" << index;
    if (appTranslator)
        QCoreApplication::removeTranslator(appTranslator);
    else
        appTranslator = new QTranslator;

    const QString file = translationFile(index);
    qDebug().noquote() << "lang=" << file;
    // A file that is missing or unreadable leaves the source wording.
    if (appTranslator->load(file, QStringLiteral("lang")))
        QCoreApplication::installTranslator(appTranslator);
    retranslateUi();
}

void welcomePage::retranslateUi()
{
    setWindowTitle(tr("skyvue Camguide"));
    for (int i = 0; i < languageCount; ++i)
        languageCombo->setItemText(i, tr(languages[i].name));
    setLinkRowTexts(m_links, "welcomePage");
    startButton->setText(tr("Start    "));
    languageLabel->setText(tr("Select your lauguage:"));
    footerLabel->setText(tr("Copyright © Velmora. All rights reserved."));
    welcomeLabel->setText(tr("Welcome "));
    welcomeText->setText(tr(
        "Welcome to the IP camera Camguide. This wizard will help you easily setup the Internet "
        "camera, register skyvue web site for remote view and other interesting online services."));
}

void welcomePage::start_wizard()
{
    lang = languageCombo->currentText();
    qDebug().noquote() << "lang=" << lang;
    wizard = new camguide;
    wizard->move(pos());
    wizard->show();
    close();
}

void welcomePage::troubleShooting()
{
    openFaqPage();
}

void welcomePage::manualLink()
{
    openDownloadPage();
}

void welcomePage::aboutInfo()
{
    aboutBox(this, veilLabel, "welcomePage",
             QStringLiteral("background-image: url(:/images/messagebox_pic.png);font:14px;"
                            "color:rgb(89,87,87);"),
             false);
    // Hidden on every way out: a veil left behind would swallow every click.
    veilLabel->hide();
}
