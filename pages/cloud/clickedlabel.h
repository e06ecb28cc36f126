#ifndef CAMGUIDE_CLICKEDLABEL_H
#define CAMGUIDE_CLICKEDLABEL_H

#include <QLabel>

// A label that says when it was clicked: any button released anywhere on it.
class clickedLabel : public QLabel
{
    Q_OBJECT
public:
    explicit clickedLabel(QWidget *parent = nullptr);

signals:
    void Clicked(clickedLabel *clicked);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

#endif
