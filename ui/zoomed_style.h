#pragma once
// The game's widget style at any zoom. The style draws some parts at a fixed size (the radio
// marks, the arrows of the betting limits); these grow with the window's zoom like everything
// else. At 100 % it is the style itself.
#include <QProxyStyle>

namespace trelvist::ui {

class ZoomedStyle : public QProxyStyle {
    Q_OBJECT
public:
    explicit ZoomedStyle(QStyle* style);

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace trelvist::ui
