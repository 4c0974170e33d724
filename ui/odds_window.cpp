#include "ui/odds_window.h"

#include "assets/pictures.h"
#include "ui/controls.h"
#include "ui/fonts.h"

namespace trelvist::ui {

OddsWindow::OddsWindow(QWidget* owner)
    : FixedDialog(owner, "TStats", {260, 201}, QColor(18, 23, 120),
                  Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    auto* picture = new QLabel(this);
    picture->setObjectName("Image1");
    picture->setGeometry(0, 0, 265, 217);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setPixmap(QPixmap::fromImage(assets::oddsPicture()));

    makeLabel(this, "Label1", "Your odds are", {54, 32}, pixelFont("Verdana", 21), Qt::cyan);
    prob_ = makeLabel(this, "prob", "", {96, 75},
                      pixelFont("Georgia", 24, Weight::Bold, Slant::Italic));
    auto* ok = makeButton(this, "dxButton1", "Ok", {98, 144, 65, 25},
                          pixelFont("Verdana", 11, Weight::Bold));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void OddsWindow::showOdds(const QString& text, int left) {
    setCaption(prob_, text);
    prob_->move(left, prob_->y());
}

}  // namespace trelvist::ui
