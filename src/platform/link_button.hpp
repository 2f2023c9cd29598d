#pragma once
// A hyperlink-looking control that acts the moment the left mouse button goes down on it
// and opens nothing.
#include <QLabel>

class LinkButton : public QLabel {
    Q_OBJECT
public:
    explicit LinkButton(QWidget* parent);

signals:
    void pressed();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void applyLook();
};
