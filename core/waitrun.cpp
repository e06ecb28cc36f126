#include "core/waitrun.h"

#include "core/widgets.h"

#include <QCoreApplication>
#include <QLabel>
#include <QTimer>

waitRun::waitRun(QWidget *page, QRect textPlace, const QString &text, const QString &textStyle,
                 QSize picSize)
    : QObject(page)
{
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("waitTimer"));
    m_timer->setInterval(interval);
    connect(m_timer, &QTimer::timeout, this, &waitRun::ticked);

    m_picture =
        pictureLabel(page, QStringLiteral(":/images/loading01.png"), QRect(QPoint(0, 70), picSize));
    m_picture->setObjectName(QStringLiteral("waitPicLabel"));
    m_picture->hide();

    m_text = new QLabel(text, page);
    m_text->setObjectName(QStringLiteral("waitTextLabel"));
    m_text->setGeometry(textPlace);
    m_text->setStyleSheet(textStyle);
    m_text->setFont(QFont(QStringLiteral("Arial")));
    m_text->hide();
}

QString waitRun::framePicture(int ticks)
{
    return QStringLiteral(":/images/loading0%1.png").arg(1 + ticks % 7);
}

QString waitRun::dots(int ticks)
{
    return QString((ticks % 7) / 2 + 1, QLatin1Char('.'));
}

void waitRun::raiseTo(int atLeast)
{
    m_ticks = qMax(m_ticks, atLeast);
}

bool waitRun::isRunning() const
{
    return m_timer->isActive();
}

void waitRun::start()
{
    m_ticks = 0;
    m_timer->start(interval);
}

void waitRun::pause()
{
    m_timer->stop();
}

void waitRun::resume()
{
    m_timer->start(interval);
}

void waitRun::showFrame(const QString &phrase)
{
    showCurrentPicture();
    setStatus(QStringLiteral("<b>") + phrase + dots(m_ticks) + QStringLiteral("</b>"));
}

void waitRun::showPacedFrame(const QString &line)
{
    showCurrentPicture();
    if (m_ticks % 7 % 2 == 0)
        setStatus(line);
}

void waitRun::showCurrentPicture()
{
    show();
    setPicture(m_picture, framePicture(m_ticks));
}

int waitRun::tick(const QString &phrase)
{
    showFrame(phrase);
    return ++m_ticks;
}

void waitRun::stop()
{
    m_timer->stop();
    m_picture->hide();
    m_text->hide();
}

void waitRun::deliverQueuedReplies()
{
    QCoreApplication::sendPostedEvents(nullptr, 0);
}

void waitRun::show()
{
    m_picture->show();
    m_text->show();
}

void waitRun::hide()
{
    m_picture->hide();
    m_text->hide();
}

void waitRun::freeze()
{
    m_timer->stop();
    m_text->hide();
}

void waitRun::coverOnly()
{
    m_picture->show();
    m_text->hide();
}

void waitRun::setStatusPlace(QRect place)
{
    m_text->setGeometry(place);
}

void waitRun::setStatus(const QString &html)
{
    m_text->setText(html);
}
