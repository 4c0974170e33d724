#include "ui/odds_window.h"

#include "assets/pictures.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/picture_label.h"
#include "ui/zoom.h"

namespace trelvist::ui {

namespace {
constexpr int kProbTop = 75;
}  // namespace

OddsWindow::OddsWindow(QWidget* owner)
    : FixedDialog(owner, "TStats", {260, 201}, QColor(18, 23, 120),
                  Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    auto* picture = new PictureLabel(this, &assets::oddsPicture);
    picture->setGeometry(0, 0, 265, 217);

    makeLabel(this, "Label1", "Your odds are", {54, 32}, pixelFont("Verdana", 21), Qt::cyan);
    rating_ = makeLabel(this, "prob", "", {96, kProbTop},
                      pixelFont("Georgia", 24, Weight::Bold, Slant::Italic));
    auto* ok = makeButton(this, "dxButton1", "Ok", {98, 144, 65, 25},
                          pixelFont("Verdana", 11, Weight::Bold));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void OddsWindow::showOdds(const QString& text, int left) {
    setCaption(rating_, text);
    moveLogical(rating_, {left, kProbTop});
}

}  // namespace trelvist::ui
