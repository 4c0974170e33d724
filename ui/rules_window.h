#pragma once
// The rules window: the rules picture and a contact address that opens the mail program.
#include <QLabel>
#include <QUrl>
#include <functional>

#include "ui/fixed_dialog.h"

namespace trelvist::ui {

class RulesWindow : public FixedDialog {
    Q_OBJECT
public:
    static const QString kContact;

    explicit RulesWindow(QWidget* owner);

    // How the contact address is opened; the desktop's mail program by default.
    void setUrlOpener(std::function<void(const QUrl&)> opener) { openUrl_ = std::move(opener); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void gotome();

    QLabel* contact_;
    std::function<void(const QUrl&)> openUrl_;
};

}  // namespace trelvist::ui
