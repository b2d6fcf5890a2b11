// The program's style: the platform's own, with mnemonic underlines shown only with Alt, and,
// where that is Qt's Fusion (Linux desktops), indicators drawn from the palette so that they read
// in a dark palette as in a light one: the dot of a chosen radio button and the tick of a check
// box in the text colour; focus frames and the outline of a slider's handle in a colour at least
// 3:1 against what they are drawn on.
#pragma once

#include <QColor>
#include <QProxyStyle>

namespace marlix {

class MarlixStyle : public QProxyStyle {
    Q_OBJECT
public:
    MarlixStyle();

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
};

// WCAG 2.1's contrast ratio of two colours, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// ink as it is, when it stands out from ground by at least least:1; else ink moved toward black
// or white (whichever ground lets stand out more) until it does.
QColor LegibleOn(const QColor& ink, const QColor& ground, double least);

}  // namespace marlix
