#ifndef CAMGUIDE_MOVELABEL_H
#define CAMGUIDE_MOVELABEL_H

#include <QLabel>

// A label that reports the mouse pointer entering (true) and leaving (false).
class moveLabel : public QLabel
{
    Q_OBJECT
public:
    explicit moveLabel(QWidget *parent = nullptr);

signals:
    void signal(bool entered);

protected:
    bool event(QEvent *e) override;
};

#endif
