#include "gui/dialog/slider.h"

#include <QKeyEvent>
#include <QStyleOptionSlider>
#include <algorithm>

namespace marlix {

SliderWidget::SliderWidget(QWidget* parent) : QSlider(Qt::Horizontal, parent) {
    setRange(0, 100);
    setSingleStep(1);
    setPageStep(20);
    setTickPosition(QSlider::TicksBothSides);
    setTickInterval(1);
}

void SliderWidget::initStyleOption(QStyleOptionSlider* option) const {
    QSlider::initStyleOption(option);
    // Painting and hit testing both go through here, so they agree on the inset.
    if (option->rect.width() > 4 * kChannelInset) {
        option->rect.adjust(kChannelInset, 0, -kChannelInset, 0);
    }
}

void SliderWidget::paintEvent(QPaintEvent* event) {
    emit customDraw();
    QSlider::paintEvent(event);
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

bool CSliderCtrl::Attach(QWidget* window) {
    return qobject_cast<SliderWidget*>(window) != nullptr && CWnd::Attach(window);
}

SliderWidget* CSliderCtrl::slider() const {
    return qobject_cast<SliderWidget*>(m_hWnd.data());
}

void CSliderCtrl::SetRange(int minimum, int maximum, bool redraw) {
    if (SliderWidget* s = slider()) {
        s->setRange(minimum, maximum);
        if (redraw) {
            s->update();
        }
    }
}

int CSliderCtrl::GetRangeMax() const {
    return slider() ? slider()->maximum() : 0;
}

void CSliderCtrl::SetPos(int position) {
    if (SliderWidget* s = slider()) {
        s->setValue(position);
    }
}

int CSliderCtrl::GetPos() const {
    return slider() ? slider()->value() : 0;
}

void CSliderCtrl::SetTicFreq(int frequency) {
    if (SliderWidget* s = slider()) {
        s->setTickInterval(std::max(1, frequency));
    }
}

bool CSliderCtrl::SetTic(int position) {
    const SliderWidget* s = slider();
    return s != nullptr && position >= s->minimum() && position <= s->maximum();
}

}  // namespace marlix
