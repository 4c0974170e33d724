#include "ui/options_panel.h"

#include <QAbstractItemView>

#include <QKeyEvent>
#include <QToolButton>
#include <functional>

#include "assets/pictures.h"
#include "game/lineup.h"
#include "ui/controls.h"
#include "ui/fonts.h"
#include "ui/picture_label.h"

namespace trelvist::ui {

namespace {
const QColor kPanelColour(225, 234, 255);
const QColor kEditColour(10, 36, 160);
const QColor kControlColour(12, 43, 186);
const QColor kOkColour(10, 34, 150);
constexpr int kEditLength = 6;

void setText(QLineEdit* edit, const std::string& text) {
    // Rewriting an unchanged text would move the cursor while the player types.
    const QString value = QString::fromStdString(text);
    if (edit->text() != value) edit->setText(value);
}

// The horizontal up-down control: two arrow buttons, also stepped by the arrow keys.
class UpDown : public QWidget {
public:
    UpDown(QWidget* parent, std::function<void(bool)> step) : QWidget(parent), step_(std::move(step)) {
        setObjectName("UpDown1");
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Left || event->key() == Qt::Key_Right)
            step_(event->key() == Qt::Key_Right);
        else
            QWidget::keyPressEvent(event);
    }

private:
    std::function<void(bool)> step_;
};

QToolButton* makeArrow(QWidget* upDown, const char* name, Qt::ArrowType arrow, QRect geometry) {
    auto* button = new QToolButton(upDown);
    button->setObjectName(name);
    button->setArrowType(arrow);
    button->setGeometry(geometry);
    button->setAutoRepeat(true);  // held down, it keeps stepping
    button->setFocusPolicy(Qt::NoFocus);
    setTextColour(button, Qt::black);  // the arrow, drawn in the text colour
    return button;
}
}  // namespace

OptionsPanel::OptionsPanel(QWidget* parent) : QWidget(parent) {
    setObjectName("Panel1");
    setGeometry(248, 90, 522, 427);
    setBackground(this, kPanelColour);

    auto* picture = new PictureLabel(this, &assets::panelPicture);
    picture->setGeometry(0, 0, 521, 433);

    const QFont labelFont = pixelFont("Verdana", 11);
    const QFont buttonFont = pixelFont("Verdana", 11);
    const QFont controlFont = pixelFont("Tahoma", 11);
    makeLabel(this, "Label11", "Initial cash:", {86, 66}, labelFont);
    makeLabel(this, "Label12", "Play until", {86, 102}, labelFont);
    makeLabel(this, "Label13", "someone wins:", {86, 116}, labelFont);
    makeLabel(this, "Label5", "Sound", {387, 64}, labelFont);
    makeLabel(this, "Label10", "AI Level", {96, 176}, labelFont);
    makeLabel(this, "Label9", "Betting Limits", {232, 184}, labelFont);
    makeLabel(this, "smallBetCaption", "Small Bet:", {226, 232}, labelFont);
    makeLabel(this, "Label8", "$", {296, 232}, labelFont);
    smallBet_ = makeLabel(this, "Label3", "", {304, 232}, labelFont);
    makeLabel(this, "Label6", "Big Bet:", {227, 256}, labelFont);
    makeLabel(this, "Label7", "$", {296, 256}, labelFont);
    bigBet_ = makeLabel(this, "Label4", "", {304, 256}, labelFont);
    makeLabel(this, "Label1", "Card Back", {376, 142}, labelFont);

    money_ = makeEdit("money", {184, 64, 57, 21});
    until_ = makeEdit("until", {184, 106, 57, 21});
    auto* enterMoney =
        makeButton(this, "dxButton2", "Enter", {248, 67, 49, 17}, buttonFont, kControlColour);
    auto* enterUntil =
        makeButton(this, "dxButton3", "Enter", {248, 109, 49, 17}, buttonFont, kControlColour);
    sound_ = makeButton(this, "SoundOff1", "On", {374, 88, 65, 17}, buttonFont, kControlColour);
    ok_ = makeButton(this, "dxButton1", "Ok", {229, 368, 81, 25},
                     pixelFont("Verdana", 11, Weight::Bold), kOkColour);

    // On the Ok button's row, clear of the AI Level box above it.
    auto* lineupCaption = new QLabel("Opponents", this);
    lineupCaption->setGeometry(8, 372, 60, 17);
    lineupCaption->setFont(controlFont);
    setTextColour(lineupCaption, Qt::white);
    lineup_ = new QComboBox(this);
    lineup_->setObjectName("Opponents");
    lineup_->addItems({"Classic", "Mixed", "Random", "Per seat..."});
    lineup_->setGeometry(71, 370, 105, 21);
    lineup_->setFont(controlFont);
    lineup_->setAccessibleName("Opponents");
    lineup_->view()->setAccessibleName("Opponents");  // its drop-down list
    lineupCaption->setBuddy(lineup_);

    levels_ = new RadioGroup(this, "Levels", {"Amateur", "Expert", "Master", "Genius"},
                             {71, 200, 105, 126});
    cardBacks_ = new RadioGroup(this, "cardbacks", {"1", "2", "3", "4", "5", "6", "7", "8"},
                                {382, 167, 49, 161});
    levels_->setAccessibleTitle("AI level");
    cardBacks_->setAccessibleTitle("Card back");
    for (RadioGroup* group : {levels_, cardBacks_}) {
        group->setFont(controlFont);
        setBackground(group, kControlColour);
        setTextColour(group, Qt::white);
    }

    auto* upDown = new UpDown(this, [this](bool right) { emit betArrowPressed(right); });
    upDown->setGeometry(229, 304, 81, 17);
    auto* left = makeArrow(upDown, "UpDown1Left", Qt::LeftArrow, {0, 0, 40, 17});
    auto* right = makeArrow(upDown, "UpDown1Right", Qt::RightArrow, {40, 0, 41, 17});
    upDown->setAccessibleName("Betting limits");
    left->setAccessibleName("Lower betting limits");
    right->setAccessibleName("Raise betting limits");
    money_->setAccessibleName("Initial cash");
    until_->setAccessibleName("Play until someone wins");
    enterMoney->setAccessibleName("Enter initial cash");
    enterUntil->setAccessibleName("Enter play until someone wins");
    ok_->setAccessibleName("Close options");

    connect(money_, &QLineEdit::textEdited, this, &OptionsPanel::moneyEdited);
    connect(until_, &QLineEdit::textEdited, this, &OptionsPanel::untilEdited);
    connect(enterMoney, &QPushButton::clicked, this, &OptionsPanel::moneyEntered);
    connect(enterUntil, &QPushButton::clicked, this, &OptionsPanel::untilEntered);
    connect(sound_, &QPushButton::clicked, this, &OptionsPanel::soundClicked);
    connect(ok_, &QPushButton::clicked, this, &OptionsPanel::okClicked);
    // The last item opens the dialog that picks each seat's style, every time it is chosen.
    connect(lineup_, &QComboBox::activated, this, [this](int item) {
        if (item == static_cast<int>(Lineup::PerSeat)) emit stylesWanted();
        else emit lineupChosen(item);
    });
    connect(left, &QToolButton::clicked, this, [this] { emit betArrowPressed(false); });
    connect(right, &QToolButton::clicked, this, [this] { emit betArrowPressed(true); });
    connect(levels_, &RadioGroup::itemClicked, this, &OptionsPanel::levelClicked);
    connect(cardBacks_, &RadioGroup::itemClicked, this, &OptionsPanel::cardBackClicked);

    QWidget* order[] = {ok_, cardBacks_->item(0), sound_, upDown, levels_->item(0), lineup_,
                        enterMoney, enterUntil, money_, until_};
    for (size_t i = 1; i < std::size(order); ++i) setTabOrder(order[i - 1], order[i]);
    hide();
}

QLineEdit* OptionsPanel::makeEdit(const char* name, QRect geometry) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(name);
    edit->setGeometry(geometry);
    edit->setMaxLength(kEditLength);
    edit->setFont(pixelFont("Tahoma", 11));
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, kEditColour);
    palette.setColor(QPalette::Text, Qt::white);
    edit->setPalette(palette);
    return edit;
}

void OptionsPanel::showPanel(const PanelView& panel) {
    setText(money_, panel.initialCashText);
    setText(until_, panel.playUntilText);
    setCaption(smallBet_, QString::fromStdString(panel.smallBetText));
    setCaption(bigBet_, QString::fromStdString(panel.bigBetText));
    sound_->setText(QString::fromStdString(panel.soundText));
    const QString soundName = "Sound " + sound_->text();
    if (sound_->accessibleName() != soundName) sound_->setAccessibleName(soundName);
    levels_->select(panel.levelItem);
    cardBacks_->select(panel.cardBackItem);
    if (lineup_->currentIndex() != panel.lineupItem) lineup_->setCurrentIndex(panel.lineupItem);
    setVisible(panel.visible);
}

void OptionsPanel::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape)
        emit okClicked();
    else
        QWidget::keyPressEvent(event);
}

QWidget* OptionsPanel::firstInTabOrder() const { return ok_; }
QWidget* OptionsPanel::lastInTabOrder() const { return until_; }

}  // namespace trelvist::ui
