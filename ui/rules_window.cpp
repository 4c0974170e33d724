#include "ui/rules_window.h"

#include <QDesktopServices>
#include <QMouseEvent>

#include "assets/pictures.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/picture_label.h"

namespace trelvist::ui {

const QString RulesWindow::kContact = "trelvist@example.org";

RulesWindow::RulesWindow(QWidget* owner)
    : FixedDialog(owner, "TAboutBox", {349, 521}, QColor(9, 6, 87),
                  Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      openUrl_([](const QUrl& url) { QDesktopServices::openUrl(url); }) {
    setWindowTitle("Texas hold'em rules");
    auto* picture = new PictureLabel(this, &assets::rulesPicture);
    picture->setGeometry(0, 0, 353, 521);

    contact_ = makeLabel(this, "Label1", kContact, {120, 424}, pixelFont("Verdana", 9), Qt::yellow);
    contact_->setFixedSize(110, 12);
    contact_->setCursor(Qt::PointingHandCursor);
    contact_->installEventFilter(this);

    auto* ok = makeButton(this, "dxButton1", "Ok", {140, 472, 65, 25},
                          pixelFont("Tahoma", 11, Weight::Bold));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

bool RulesWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == contact_ && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        gotome();
        return true;
    }
    return FixedDialog::eventFilter(watched, event);
}

void RulesWindow::gotome() { openUrl_(QUrl("mailto:" + kContact)); }

}  // namespace trelvist::ui
