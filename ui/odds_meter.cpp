#include "ui/odds_meter.h"

#include <QLocale>
#include <QShortcut>
#include <QtConcurrent/QtConcurrentRun>

#include "game/human_odds.h"
#include "settings/store.h"
#include "ui/controls.h"
#include "ui/fonts.h"

namespace trelvist::ui {

namespace {

QString percent(double value) { return QString::number(value, 'f', 1); }

}  // namespace

QString meterText(const Equity& equity) {
    return QString("Win %1 % · Tie %2 %").arg(percent(equity.winPercent), percent(equity.tiePercent));
}

QString meterToolTip(const Equity& equity) {
    const QString deals = QLocale(QLocale::English).toString(static_cast<qulonglong>(equity.deals));
    if (equity.method == EquityMethod::Exact) return QString("Exact: %1 deals").arg(deals);
    return QString("Monte Carlo: %1 deals, ±%2 %").arg(deals, percent(kSampledMargin));
}

OddsMeter::OddsMeter(QWidget* window, WindowPrefs& prefs, Host& host)
    : QObject(window), prefs_(prefs), host_(host), on_(prefs.oddsMeter()) {
    setObjectName("oddsMeter");
    // Below the human's cash and status labels, above the human's cards.
    label_ = makeLabel(window, "oddsmeter", "", {455, 427}, pixelFont("Verdana", 11));
    label_->hide();
    // Beside the top row of buttons; it takes no keyboard focus, so the Tab order stays.
    button_ = makeButton(window, "oddsMeterButton", "Odds", {336, 0, 57, 17}, pixelFont("Tahoma", 11));
    button_->setCheckable(true);
    button_->setChecked(on_);
    button_->setFocusPolicy(Qt::NoFocus);
    button_->setToolTip("Your chances to win and tie against the hands still in (M)");
    connect(button_, &QPushButton::clicked, this, &OddsMeter::toggle);
    connect(new QShortcut(QKeySequence(Qt::Key_M), window), &QShortcut::activated, button_, &QPushButton::click);
    connect(&watcher_, &QFutureWatcher<Equity>::finished, this, &OddsMeter::finished);
}

OddsMeter::~OddsMeter() { watcher_.waitForFinished(); }

void OddsMeter::follow(const TableState& state) {
    asked_ = humanOddsQuestion(state);
    refresh();
}

// A refused write changes nothing: the meter stays as it was.
void OddsMeter::toggle() {
    try {
        prefs_.setOddsMeter(!on_);
        on_ = !on_;
    } catch (const SettingsWriteError& error) {
        host_.reportError(error.what());
    }
    button_->setChecked(on_);
    refresh();
}

void OddsMeter::refresh() {
    if (!on_ || !asked_) {
        label_->hide();
        label_->clear();
        shown_.reset();
        return;
    }
    label_->show();
    if (asked_ != shown_ && !watcher_.isRunning()) start(*asked_);
    // Otherwise finished() starts the newest question once the running one is done.
}

void OddsMeter::start(const EquityQuestion& question) {
    running_ = question;
    watcher_.setFuture(QtConcurrent::run([question] { return computeEquity(question); }));
}

void OddsMeter::finished() {
    const EquityQuestion answered = *running_;
    running_.reset();
    if (on_ && asked_ == answered) {
        const Equity equity = watcher_.result();
        setCaption(label_, meterText(equity));
        label_->setToolTip(meterToolTip(equity));
        shown_ = answered;
    }
    refresh();
}

}  // namespace trelvist::ui
