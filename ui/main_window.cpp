#include "ui/main_window.h"

#include <QCloseEvent>
#include <QMessageBox>
#include <QProgressDialog>
#include <QScopeGuard>
#include <QScreen>
#include <QShortcut>
#include <QWindow>
#include <algorithm>
#include <limits>

#include "assets/pictures.h"
#include "game/seats.h"
#include "ui/blocked_close.h"
#include "ui/control_tips.h"
#include "settings/settings_path.h"
#include "ui/controls.h"
#include "ui/focus_return.h"
#include "ui/fonts.h"
#include "ui/odds_meter.h"
#include "ui/history_window.h"
#include "ui/odds_window.h"
#include "ui/options_panel.h"
#include "ui/rules_window.h"
#include "ui/seat_hud.h"
#include "ui/stats_window.h"
#include "ui/styles_dialog.h"
#include "ui/table_canvas.h"
#include "ui/table_description.h"
#include "ui/table_zoom.h"
#include "ui/text_outline.h"
#include "ui/view_menu.h"
#include "ui/window_prefs.h"
#include "ui/zoom.h"

namespace trelvist::ui {

namespace {

struct SeatLayout {
    int seat;
    const char* name;
    const char* caption;
    QPoint namePos;
    const char* cash;
    QPoint cashPos;
    const char* status;
    QPoint statusPos;
};

constexpr SeatLayout kSeats[] = {
    {You, "Label2", "You:", {454, 394}, "cash", {491, 394}, "playerstatus", {455, 410}},
    {Freak, "freakcash", "Freak:", {128, 280}, "lblfcash", {179, 280}, "freakstatus", {128, 296}},
    {Geek, "geekcash", "Geek:", {128, 48}, "lblgcash", {174, 48}, "geekstatus", {128, 64}},
    {Master, "mastercash", "Master:", {296, 48}, "lblmcash", {352, 48}, "masterstatus", {296, 64}},
    {Champ, "champcash", "Champ:", {464, 48}, "lblccash", {520, 48}, "champstatus", {464, 64}},
    {Pinhead, "pinheadcash", "Pinhead:", {632, 48}, "lblpinhcash", {696, 48}, "pinheadstatus", {632, 64}},
    {Expert, "Expert", "Expert:", {800, 48}, "lblecash", {855, 48}, "expertstatus", {800, 64}},
    {Robot, "Robot", "Robot:", {775, 280}, "lblrcash", {824, 280}, "robotstatus", {776, 296}},
};

constexpr int kResultTop = 8;
constexpr int kHudBelowStatus = 16;  // the seat's statistics lie a line below its status
constexpr int kStyleAboveName = 16;  // an opponent's style lies a line above its name
constexpr double kResultOutline = 1.5;  // table pixels

QString qs(const std::string& text) { return QString::fromStdString(text); }

QFont seatFont(Weight weight) { return pixelFont("Verdana", 11, weight); }

void showButton(QPushButton* button, const ButtonView& state) {
    button->setText(qs(state.caption));
    button->setEnabled(state.enabled);
}

void showStatus(QLabel* label, const StatusLabel& status) {
    setTextColour(label, status.color == LabelColor::Yellow ? Qt::yellow : Qt::white);
    if (label->font().italic() != status.italic) {
        QFont font = label->font();
        font.setItalic(status.italic);
        label->setFont(font);
        label->adjustSize();
    }
    setCaption(label, qs(status.text));
}

}  // namespace

MainWindow::MainWindow(SettingsStore& settings, HostHooks hooks)
    : QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint),
      prefs_(settings) {
    setObjectName("TForm1");
    setWindowTitle(QString());
    setWindowIcon(assets::appIcon());
    resize(TableCanvas::kClientSize);
    setBackground(this, Qt::black);
    setFont(pixelFont("Tahoma", 11));
    setTextColour(this, Qt::white);

    canvas_ = new TableCanvas(this);  // first, so that every other control lies above it
    buildSeats();
    makeLabel(this, "potttt", "POT:", {900, 568}, pixelFont("Verdana", 13));
    potLabel_ = makeLabel(this, "betsize", "", {902, 584}, pixelFont("Verdana", 13, Weight::Bold));
    resultLabel_ = makeLabel(this, "theresult", "", {460, kResultTop},
                           pixelFont("Georgia", 21, Weight::Regular, Slant::Italic), Qt::red);
    new TextOutline(resultLabel_, Qt::black, kResultOutline);  // red alone reads poorly on the felt

    panel_ = new OptionsPanel(this);
    const QFont action = pixelFont("Verdana", 11, Weight::Bold);
    dealButton_ = buildButton("btnnew", "Deal", {376, 576, 65, 33}, action, Control::Deal, Qt::Key_D);
    checkOrCallButton_ = buildButton("btnstay", "Check", {440, 576, 65, 33}, action, Control::CheckOrCall, Qt::Key_C);
    raiseButton_ = buildButton("btnbet", "Raise", {504, 576, 65, 33}, action, Control::Raise, Qt::Key_R);
    foldButton_ = buildButton("btnpass", "Fold", {568, 576, 65, 33}, action, Control::Fold, Qt::Key_F);
    const QFont top = pixelFont("Tahoma", 11);
    QWidget* order[] = {
        panel_->lastInTabOrder(), dealButton_, checkOrCallButton_, raiseButton_, foldButton_,
        buildButton("dxButton5", "New", {0, 0, 57, 17}, top, Control::NewGame, Qt::Key_N),
        buildButton("dxButton6", "Options", {56, 0, 57, 17}, top, Control::Options, Qt::Key_O),
        buildButton("dxButton7", "Advice", {112, 0, 57, 17}, top, Control::Advice, Qt::Key_A),
        buildButton("dxButton8", "About", {168, 0, 57, 17}, top, Control::Rules, Qt::Key_F1),
        buildButton("btnstats", "Stats", {224, 0, 57, 17}, top, Control::Stats, Qt::Key_S),
        buildHistoryButton(top),
    };
    buildViewButton(top);
    hud_->setOn(prefs_.seatStatistics());
    viewMenu_->showSeatStatistics(hud_->on());
    const bool styles = prefs_.showStyles();
    for (int seat : kOpponents) styleLabels_[seat]->setVisible(styles);
    viewMenu_->showStylesItem(styles);
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);

    connect(new BlockedCloseWatch(this), &BlockedCloseWatch::closeAsked, this, &MainWindow::closeAfterThePress);

    statsWindow_ = new StatsWindow(this);
    oddsWindow_ = new OddsWindow(this);
    rulesWindow_ = new RulesWindow(this);
    connectPanel();
    connect(statsWindow_, &StatsWindow::resetClicked, this, [this] { press({Control::ResetStats}); });
    showReport({});

    playback_ = new Playback(this);
    playback_->setSpeed(prefs_.playbackSpeed());
    viewMenu_->showSpeed(playback_->speed());
    connect(playback_, &Playback::beatShown, this, [this](const TableView& view, int seat) {
        showView(view);
        highlightSeat(seat);
    });
    connect(playback_, &Playback::finished, this, [this] {
        highlightSeat(0);
        bringUpToDate();
    });
    host_ = std::make_unique<QtHost>(*canvas_, static_cast<HostWindow&>(*this), *playback_, std::move(hooks));
    meter_ = new OddsMeter(this, prefs_, *host_);
    table_ = std::make_unique<Table>(*host_, settings);
    beatMarker_ = std::make_unique<BeatMarker>(*playback_, *table_);
    history_ = std::make_unique<history::HandHistory>(
        defaultHistoryFolder(), [this] { return int64_t{host_->clock()}; },
        [this](const std::string& refusal) { host_->showMessage("History", refusal); });
    historyWindow_ = std::make_unique<HistoryWindow>(this, *history_);
    table_->addObserver(*host_);
    table_->addObserver(*beatMarker_);
    table_->addObserver(history_->log());
    history_->log().onFinished([this](const history::HandRecord& hand) { recordHand(hand); });
    openStatistics();

    create();
    windowHandle()->installEventFilter(this);

    recordLogicalLayout(this);
    zoom_ = std::make_unique<TableZoom>(
        *this, *canvas_, prefs_, [this] { repaintTable(); },
        [this](const std::string& text) { host_->reportError(text); });
    zoom_->addActionsTo(*viewMenu_);
    makeAccessible(*canvas_);
    new FocusReturn(*this);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildSeats() {
    for (const SeatLayout& s : kSeats) {
        nameLabels_[s.seat] = makeLabel(this, s.name, s.caption, s.namePos, seatFont(Weight::Bold));
        cashLabels_[s.seat] = makeLabel(this, s.cash, "", s.cashPos, seatFont(Weight::Bold));
        statusLabels_[s.seat] = makeLabel(this, s.status, "", s.statusPos, seatFont(Weight::Regular));
        if (s.seat == You) continue;
        QFont italic = seatFont(Weight::Regular);
        italic.setItalic(true);
        const QByteArray name = QByteArray(kSeatName[s.seat]).toLower() + "style";
        styleLabels_[s.seat] =
            makeLabel(this, name.constData(), "", s.namePos - QPoint(0, kStyleAboveName), italic, QColor(255, 224, 130));
    }
    std::array<QPoint, kSeatSlots> hudPlaces{};
    for (const SeatLayout& s : kSeats) hudPlaces[s.seat] = s.statusPos + QPoint(0, kHudBelowStatus);
    hud_ = std::make_unique<SeatHud>(this, hudPlaces);
}

QPushButton* MainWindow::buildButton(const char* name, const QString& caption, QRect geometry,
                                     const QFont& font, Control control, int key) {
    QPushButton* button = makeButton(this, name, caption, geometry, font);
    describeButton(button, whatItDoes(control), QKeySequence(key));
    connect(button, &QPushButton::clicked, this, [this, control] { press({control}); });
    // A key acts like a click, so a disabled button ignores it.
    connect(new QShortcut(QKeySequence(key), this), &QShortcut::activated, button,
            &QPushButton::click);
    return button;
}

// The hand log is the window's own: no control of the game, so it never reaches the table.
QPushButton* MainWindow::buildHistoryButton(const QFont& font) {
    QPushButton* button = makeButton(this, "btnhistory", "History", {280, 0, 57, 17}, font);
    connect(button, &QPushButton::clicked, this, [this] { historyWindow_->showAndRaise(); });
    connect(new QShortcut(QKeySequence(Qt::Key_H), this), &QShortcut::activated, button, &QPushButton::click);
    describeButton(button, "The hands of this session", QKeySequence(Qt::Key_H));
    return button;
}

void MainWindow::connectPanel() {
    connect(panel_, &OptionsPanel::moneyEdited, this,
            [this](const QString& text) { press({Control::TypeInitialCash, 0, text.toStdString()}); });
    connect(panel_, &OptionsPanel::untilEdited, this,
            [this](const QString& text) { press({Control::TypePlayUntil, 0, text.toStdString()}); });
    connect(panel_, &OptionsPanel::moneyEntered, this, [this] { press({Control::EnterInitialCash}); });
    connect(panel_, &OptionsPanel::untilEntered, this, [this] { press({Control::EnterPlayUntil}); });
    connect(panel_, &OptionsPanel::betArrowPressed, this,
            [this](bool up) { press({up ? Control::RaiseLimits : Control::LowerLimits}); });
    connect(panel_, &OptionsPanel::cardBackClicked, this, [this](int item) { press({Control::CardBack, item}); });
    connect(panel_, &OptionsPanel::levelClicked, this, [this](int item) { press({Control::Level, item}); });
    connect(panel_, &OptionsPanel::soundClicked, this, [this] { press({Control::Sound}); });
    connect(panel_, &OptionsPanel::lineupChosen, this, [this](int item) { press({Control::Lineup, item}); });
    connect(panel_, &OptionsPanel::stylesWanted, this, &MainWindow::pickStyles);
    connect(panel_, &OptionsPanel::okClicked, this, [this] { press({Control::CloseOptions}); });
}

void MainWindow::buildViewButton(const QFont& font) {
    QPushButton* view = makeButton(this, "btnview", tr("View"), {392, 0, 57, 17}, font);
    viewMenu_ = new ViewMenu(view);
    view->setMenu(viewMenu_);
    connect(new QShortcut(QKeySequence(Qt::Key_V), this), &QShortcut::activated, view, &QPushButton::showMenu);
    describeButton(view, "Playback speed, zoom and seat statistics", QKeySequence(Qt::Key_V));
    connect(viewMenu_, &ViewMenu::speedChosen, this, &MainWindow::setPlaybackSpeed);
    connect(viewMenu_, &ViewMenu::seatStatisticsToggled, this, &MainWindow::setSeatStatistics);
    connect(viewMenu_, &ViewMenu::stylesToggled, this, &MainWindow::setShowStyles);
}

void MainWindow::press(const Press& press) {
    if (playback_->playing()) return playback_->finish();
    playback_->startRecording();
    const bool open = runPress([&] { table_->press(press); });
    playback_->stopRecording();
    if (!open) {
        playback_->finish();
        close();
        return;
    }
    if (!playback_->playing()) bringUpToDate();
    openWindowFor(press.control);
}

bool MainWindow::runPress(const std::function<void()>& press) {
    pressing_ = true;
    const auto over = qScopeGuard([this] { pressing_ = false; });
    press();
    return !closeAfterPress_;
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!pressing_) return QWidget::closeEvent(event);
    closeAfterThePress();
    event->ignore();
}

void MainWindow::closeAfterThePress() {
    if (!pressing_) return;
    closeAfterPress_ = true;
    host_->answerBoxesUnattended();
}

void MainWindow::openWindowFor(Control control) {
    switch (control) {
    case Control::Advice: oddsWindow_->runCentred(); break;
    case Control::Stats:
        // The window is modal, so the figures it opens with stay current while it is up.
        showReport(statistics_->report());
        statsWindow_->runCentred();
        break;
    case Control::Rules: rulesWindow_->runCentred(); break;
    default: break;
    }
}

void MainWindow::setPlaybackSpeed(PlaybackSpeed speed) {
    playback_->setSpeed(speed);
    viewMenu_->showSpeed(speed);
    keepPreference([&] { prefs_.setPlaybackSpeed(speed); });
}

void MainWindow::setSeatStatistics(bool on) {
    hud_->setOn(on);
    viewMenu_->showSeatStatistics(on);
    keepPreference([&] { prefs_.setSeatStatistics(on); });
}

void MainWindow::pickStyles() {
    OpponentStyles current{};
    for (std::size_t i = 0; i < kOpponents.size(); ++i) current[i] = styleNumber(table_->view().seats[kOpponents[i]].style);
    StylesDialog dialog(this, current);
    if (dialog.exec() == QDialog::Accepted) press({Control::PickStyles, 0, textOfStyles(dialog.chosen())});
    else bringUpToDate();  // the list shows the line-up as it was
}

void MainWindow::setShowStyles(bool on) {
    for (int seat : kOpponents) styleLabels_[seat]->setVisible(on);
    viewMenu_->showStylesItem(on);
    keepPreference([&] { prefs_.setShowStyles(on); });
}

void MainWindow::keepPreference(const std::function<void()>& write) {
    try {
        write();
    } catch (const SettingsWriteError& error) {
        host_->reportError(error.what());
    }
}

void MainWindow::openStatistics() {
    statistics_ = statsdb::StatisticsStore::open(statsdb::StatisticsStore::defaultPath());
    connect(viewMenu_, &ViewMenu::rebuildStatisticsChosen, this, [this] { rebuildStatistics(); });
    if (statistics_->available() && statistics_->missesHandsUpTo(history_->newestAtStart())) rebuildStatistics();
    showStatistics();
}

void MainWindow::rebuildStatistics() {
    QProgressDialog progress(tr("Reading the hand history..."), tr("Stop"), 0, 1, this);
    progress.setWindowTitle(tr("Statistics"));
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(300);
    statistics_->rebuild(history_->folder(), [&](int done, int total) {
        progress.setMaximum(std::max(total, 1));
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    showStatistics();
}

void MainWindow::recordHand(const history::HandRecord& hand) {
    if (hand.state != history::HandState::Finished) return;
    // The files never name styles; the store keeps each seat's from the table as it played.
    stats::SeatStyles styles;
    for (int seat : kOpponents) styles[seat] = table_->view().seats[seat].style;
    statistics_->record(hand, styles);
    showStatistics();
}

void MainWindow::showStatistics() {
    // The game goes on without a store, or with one that refused a hand; the player hears of it
    // once, without a wait, and the figures recorded so far stay on show.
    if ((!statistics_->available() || !statistics_->problem().empty()) && !statisticsTrouble_) {
        statisticsTrouble_ = true;
        auto* box = new QMessageBox(QMessageBox::Warning, tr("Statistics"),
                                    tr("The statistics cannot be kept: %1\nThe game goes on; the figures are "
                                       "read again from the hand history at the next start.")
                                        .arg(QString::fromStdString(statistics_->problem())),
                                    QMessageBox::Ok, this);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
    }
    // The statistics window is modal and gets the figures as it opens; the table's are kept
    // current after every hand.
    hud_->show(statistics_->report());
}

void MainWindow::showReport(const stats::StatisticsReport& report) {
    hud_->show(report);
    statsWindow_->showReport(report);
}

void MainWindow::highlightSeat(int seat) {
    for (int s : kSeatOrder) {
        QLabel* name = nameLabels_[s];
        const bool on = s == seat;
        if (name->autoFillBackground() == on) continue;
        // The acting seat's name stands out on a dark gold band.
        QPalette palette = name->palette();
        palette.setColor(QPalette::Window, QColor(120, 90, 0));
        name->setPalette(palette);
        name->setAutoFillBackground(on);
    }
}

bool MainWindow::startUp() {
    if (!runPress([this] { table_->startUp(); })) return false;
    bringUpToDate();
    return true;
}

void MainWindow::showCentred() { zoom_->showAtStart(); }

void MainWindow::bringUpToDate() { showView(table_->view()); }

void MainWindow::showView(const TableView& v) {
    canvas_->show(v);
    for (const SeatLayout& s : kSeats) {
        setCaption(cashLabels_[s.seat], qs(v.seats[s.seat].cash));
        showStatus(statusLabels_[s.seat], v.seats[s.seat].status);
        if (styleLabels_[s.seat]) setCaption(styleLabels_[s.seat], qs(v.seats[s.seat].style));
    }
    setCaption(potLabel_, qs(v.pot));
    setCaption(resultLabel_, qs(v.result.text));
    moveLogical(resultLabel_, {v.result.left, kResultTop});
    showButton(dealButton_, v.deal);
    showButton(checkOrCallButton_, v.checkOrCall);
    showButton(raiseButton_, v.raise);
    showButton(foldButton_, v.fold);
    panel_->showPanel(v.panel);
    oddsWindow_->showOdds(qs(v.oddsRating.text), v.oddsRating.left);
    statsWindow_->showValues(qs(v.stats.handsPlayed), qs(v.stats.handsWon), qs(v.stats.showdowns));
    meter_->follow(table_->state());
    describe(*canvas_, v);
}

void MainWindow::repaintTable() {
    playback_->finish();
    table_->redraw();
    bringUpToDate();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == windowHandle() && event->type() == QEvent::Expose && windowHandle()->isExposed())
        repaintTable();
    return QWidget::eventFilter(watched, event);
}

}  // namespace trelvist::ui
