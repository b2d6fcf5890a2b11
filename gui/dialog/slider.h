// The track bar of the templates and its wrapper.
#pragma once

#include <QSlider>

#include "gui/dialog/window.h"

namespace marlix {

// A horizontal track bar with ticks on both sides. It starts with the range 0..100: a page
// writes its fields before it sets the real range, so a stored position is kept against 0..100
// first and then limited by the range (a profile's 50 on a 0..6 slider reads back as 6).
class SliderWidget : public QSlider {
    Q_OBJECT
public:
    // The channel keeps clear of the control's left and right edges, so the labels beside its
    // ends may reach into the rectangle without touching the thumb or the ticks.
    static constexpr int kChannelInset = 8;

    explicit SliderWidget(QWidget* parent = nullptr);

signals:
    // Before every paint, which follows every change of position while the slider is shown.
    void customDraw();

protected:
    void initStyleOption(QStyleOptionSlider* option) const override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
};

class CSliderCtrl : public CWnd {
public:
    bool Attach(QWidget* window) override;
    void SetRange(int minimum, int maximum, bool redraw = false);  // limits the position
    int GetRangeMax() const;
    void SetPos(int position);
    int GetPos() const;
    void SetTicFreq(int frequency);
    // Every position of our sliders already has a tick (their frequency is 1), so an extra tick
    // adds nothing to draw; false for a position outside the range.
    bool SetTic(int position);

private:
    SliderWidget* slider() const;
};

}  // namespace marlix
