// The track bar of the templates.
#pragma once

#include <QSlider>
#include <string>

class QLabel;

namespace marlix {

// A horizontal track bar with a tick at every position, on both sides.
class SliderWidget : public QSlider {
    Q_OBJECT
public:
    // The channel keeps clear of the control's left and right edges, so the labels beside its
    // ends may reach into the rectangle without touching the thumb or the ticks.
    static constexpr int kChannelInset = 8;

    explicit SliderWidget(QWidget* parent = nullptr);

protected:
    // A click on the track moves the thumb by about a fifth of the range, whatever the range:
    // the page step follows every change of the range.
    void sliderChange(SliderChange change) override;
    void initStyleOption(QStyleOptionSlider* option) const override;
    void keyPressEvent(QKeyEvent* event) override;
};

// The slider's range 0..maximum, and its position told by text(position) in the label beside it
// and in what a screen reader says, on every change of the position.
void ShowPositionAs(SliderWidget& slider, int maximum, QLabel& label, std::string (*text)(int));

}  // namespace marlix
