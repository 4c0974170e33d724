#pragma once
// The game's widget style: the one style every desktop gets, with two changes. The parts it
// draws at a fixed size (the radio marks, the arrows of the betting limits) grow with the
// window's zoom like everything else; and the keyboard focus is a ring that shows on the felt,
// on the panel and on a button's light face alike. At 100 % and without focus it is the style
// itself.
#include <QProxyStyle>

namespace trelvist::ui {

class GameStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit GameStyle(QStyle* style);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
};

}  // namespace trelvist::ui
