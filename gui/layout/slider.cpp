#include "gui/layout/slider.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QStyleOptionSlider>
#include <algorithm>

namespace marlix {

SliderWidget::SliderWidget(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, 100);
    setSingleStep(1);
    setTickPosition(QSlider::TicksBothSides);
    setTickInterval(1);
}

void SliderWidget::sliderChange(SliderChange change) {
    if (change == SliderRangeChange) {
        setPageStep(std::max(1, (maximum() - minimum() + 2) / 5));
    }
    QSlider::sliderChange(change);
}

void SliderWidget::initStyleOption(QStyleOptionSlider* option) const {
    QSlider::initStyleOption(option);
    // Painting and hit testing both go through here, so they agree on the inset.
    if (option->rect.width() > 4 * kChannelInset) {
        option->rect.adjust(kChannelInset, 0, -kChannelInset, 0);
    }
}

void SliderWidget::keyPressEvent(QKeyEvent* event) {
    // Up and Page Up move the thumb left, Down and Page Down right, as on any track bar.
    switch (event->key()) {
        case Qt::Key_Up:
            triggerAction(SliderSingleStepSub);
            return;
        case Qt::Key_Down:
            triggerAction(SliderSingleStepAdd);
            return;
        case Qt::Key_PageUp:
            triggerAction(SliderPageStepSub);
            return;
        case Qt::Key_PageDown:
            triggerAction(SliderPageStepAdd);
            return;
        default:
            QSlider::keyPressEvent(event);
    }
}

void ShowPositionAs(SliderWidget& slider, int maximum, QLabel& label, std::string (*text)(int)) {
    slider.setRange(0, maximum);
    const auto show = [&slider, &label, text](int position) {
        // A word among the positions ("Mute") is shown translated, numbers as they are.
        const QString shown = QCoreApplication::translate("SliderPosition", text(position).c_str());
        label.setText(shown);
        slider.setAccessibleDescription(shown);
    };
    show(slider.value());
    QObject::connect(&slider, &QSlider::valueChanged, &label, show);
}

}  // namespace marlix
