#pragma once
// Check boxes and radio buttons that answer a click anywhere in their place, as a desktop
// control does, not only on the mark and the text.
#include <QCheckBox>
#include <QRadioButton>

template <typename Button> class WholeAreaButton : public Button {
public:
    using Button::Button;

protected:
    bool hitButton(const QPoint& pos) const override { return this->rect().contains(pos); }
};

using WholeAreaCheckBox = WholeAreaButton<QCheckBox>;
using WholeAreaRadioButton = WholeAreaButton<QRadioButton>;
