// The radio buttons and check boxes of the templates. They answer a click anywhere in their
// rectangle, not only on the indicator and the text: the templates give them room around the
// caption, and a click there is meant for the button.
#pragma once

#include <QCheckBox>
#include <QRadioButton>

namespace marlix {

class RadioButtonWidget : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

class CheckBoxWidget : public QCheckBox {
    Q_OBJECT
public:
    using QCheckBox::QCheckBox;

protected:
    bool hitButton(const QPoint& pos) const override { return rect().contains(pos); }
};

}  // namespace marlix
