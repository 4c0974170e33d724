#pragma once
// A label showing one of the window pictures (the options panel's, the odds window's or the
// rules window's), drawn for the device pixels it covers at its window's zoom and the
// screen's pixel ratio. At 1 it is the built-in picture; a new density draws it afresh when it
// is next shown.
#include <QImage>
#include <QLabel>

namespace trelvist::ui {

class PictureLabel : public QLabel {
    Q_OBJECT
public:
    using Drawing = QImage (*)(double scale);

    // `draw` gives the picture for a scale, such as assets::panelPicture.
    PictureLabel(QWidget* parent, Drawing draw);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void showAt(double scale);

    Drawing draw_;
    double scale_ = 0.0;  // of the picture shown
};

}  // namespace trelvist::ui
