#pragma once
// A dark outline around a widget's text, so that a colour that reads poorly against the felt
// (the red of the result) keeps its colour and still stands out: the outline is what the
// letters are seen against.
#include <QColor>
#include <QGraphicsEffect>

namespace trelvist::ui {

class TextOutline : public QGraphicsEffect {
    Q_OBJECT
public:
    // `width` in table pixels; it grows with the window's zoom.
    TextOutline(QWidget* widget, QColor colour, double width);

    QRectF boundingRectFor(const QRectF& rect) const override;

protected:
    void draw(QPainter* painter) override;

private:
    double widthInPixels() const;  // in the widget's own units

    QWidget* widget_;
    QColor colour_;
    double width_;
};

}  // namespace trelvist::ui
