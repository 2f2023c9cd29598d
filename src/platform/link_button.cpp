#include "platform/link_button.hpp"

#include <QMouseEvent>

LinkButton::LinkButton(QWidget* parent) : QLabel(parent) {
    setCursor(Qt::PointingHandCursor);
    setAlignment(Qt::AlignCenter);
    applyLook();
}

void LinkButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) {
        emit pressed();
    }
    QLabel::mousePressEvent(event);
}

void LinkButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        applyLook();
    }
    QLabel::changeEvent(event);
}

void LinkButton::applyLook() {
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, isEnabled() ? QColor(0, 0, 238) : QColor(128, 128, 128));
    setPalette(colours);
}
