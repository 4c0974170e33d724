// Every named control of the main window, the options panel and the modal windows sits where
// the layout puts it, in its font, colour and caption.
#include <QDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QRadioButton>

#include "ui_fixture.h"

using namespace trelvist;
using namespace trelvist::ui;
using namespace trelvist::ui::test;

namespace {

struct LabelRow {
    const char* name;
    const char* text;  // nullptr where the game writes it
    QPoint pos;
    const char* family;
    int pixels;
    bool bold;
    bool italic;
    QColor colour;
};

struct ButtonRow {
    const char* name;
    const char* caption;
    QRect geometry;
    const char* family;
    int pixels;
    bool bold;
};

const QColor white(Qt::white);

void checkLabel(const QWidget* parent, const LabelRow& row) {
    auto* label = parent->findChild<QLabel*>(row.name, Qt::FindDirectChildrenOnly);
    QVERIFY2(label, row.name);
    QCOMPARE(label->pos(), row.pos);
    QCOMPARE(label->font().family(), QString(row.family));
    QCOMPARE(label->font().pixelSize(), row.pixels);
    QCOMPARE(label->font().bold(), row.bold);
    QCOMPARE(label->font().italic(), row.italic);
    QCOMPARE(label->palette().color(QPalette::WindowText), row.colour);
    QVERIFY2(!label->autoFillBackground(), row.name);  // transparent over the table
    if (row.text) QCOMPARE(label->text(), QString(row.text));
}

void checkButton(const QWidget* parent, const ButtonRow& row) {
    auto* button = parent->findChild<QPushButton*>(row.name, Qt::FindDirectChildrenOnly);
    QVERIFY2(button, row.name);
    QCOMPARE(button->geometry(), row.geometry);
    QCOMPARE(button->text(), QString(row.caption));
    QCOMPARE(button->font().family(), QString(row.family));
    QCOMPARE(button->font().pixelSize(), row.pixels);
    QCOMPARE(button->font().bold(), row.bold);
    QCOMPARE(button->palette().color(QPalette::Active, QPalette::ButtonText), QColor(Qt::black));
}

QColor faceOf(const QWidget* parent, const char* name) {
    return parent->findChild<QWidget*>(name)->palette().color(QPalette::Button);
}

// The widgets reached from `first` by Tab, `count` of them.
QStringList tabChain(QWidget* first, int count) {
    QStringList names;
    QWidget* w = first;
    for (int i = 0; i < count; ++i, w = w->nextInFocusChain()) {
        while (w->focusPolicy() == Qt::NoFocus) w = w->nextInFocusChain();
        names << w->objectName();
    }
    return names;
}

}  // namespace

class LayoutTest : public QObject {
    Q_OBJECT
private slots:
    void mainWindow() {
        TableFixture f;
        MainWindow& w = f.window();
        QCOMPARE(w.size(), QSize(1011, 659));
        // Its frame resizes it and it can be maximised: the table grows and shrinks with it.
        QVERIFY(w.minimumSize().width() < 1011 && w.maximumSize().width() > 3 * 1011);
        QVERIFY(w.windowFlags() & Qt::WindowMaximizeButtonHint);
        QVERIFY(w.windowFlags() & Qt::WindowMinimizeButtonHint);
        QVERIFY(w.windowTitle().isEmpty());
        QCOMPARE(w.palette().color(QPalette::Window), QColor(Qt::black));
        QCOMPARE(w.font().family(), QString("Tahoma"));
        QCOMPARE(w.font().pixelSize(), 11);
        QVERIFY(!w.windowIcon().isNull());

        const LabelRow labels[] = {
            {"Label2", "You:", {454, 394}, "Verdana", 11, true, false, white},
            {"cash", "1200", {491, 394}, "Verdana", 11, true, false, white},
            {"playerstatus", "", {455, 410}, "Verdana", 11, false, false, white},
            {"freakcash", "Freak:", {128, 280}, "Verdana", 11, true, false, white},
            {"lblfcash", "1200", {179, 280}, "Verdana", 11, true, false, white},
            {"freakstatus", "", {128, 296}, "Verdana", 11, false, false, white},
            {"geekcash", "Geek:", {128, 48}, "Verdana", 11, true, false, white},
            {"lblgcash", "1200", {174, 48}, "Verdana", 11, true, false, white},
            {"geekstatus", "", {128, 64}, "Verdana", 11, false, false, white},
            {"mastercash", "Master:", {296, 48}, "Verdana", 11, true, false, white},
            {"lblmcash", "1200", {352, 48}, "Verdana", 11, true, false, white},
            {"masterstatus", "", {296, 64}, "Verdana", 11, false, false, white},
            {"champcash", "Champ:", {464, 48}, "Verdana", 11, true, false, white},
            {"lblccash", "1200", {520, 48}, "Verdana", 11, true, false, white},
            {"champstatus", "", {464, 64}, "Verdana", 11, false, false, white},
            {"pinheadcash", "Pinhead:", {632, 48}, "Verdana", 11, true, false, white},
            {"lblpinhcash", "1200", {696, 48}, "Verdana", 11, true, false, white},
            {"pinheadstatus", "", {632, 64}, "Verdana", 11, false, false, white},
            {"Expert", "Expert:", {800, 48}, "Verdana", 11, true, false, white},
            {"lblecash", "1198", {855, 48}, "Verdana", 11, true, false, white},
            {"expertstatus", "Small Blind", {800, 64}, "Verdana", 11, false, false, white},
            {"Robot", "Robot:", {775, 280}, "Verdana", 11, true, false, white},
            {"lblrcash", nullptr, {824, 280}, "Verdana", 11, true, false, white},
            {"robotstatus", nullptr, {776, 296}, "Verdana", 11, false, false, white},
            {"potttt", "POT:", {900, 568}, "Verdana", 13, false, false, white},
            {"betsize", nullptr, {902, 584}, "Verdana", 13, true, false, white},
            {"theresult", "", {460, 8}, "Georgia", 21, false, true, QColor(Qt::red)},
        };
        for (const LabelRow& row : labels) checkLabel(&w, row);
        // Labels fit their text, so a longer amount does not cover its neighbour.
        QLabel* cash = f.control<QLabel>("cash");
        QCOMPARE(cash->size(), cash->sizeHint());

        const ButtonRow buttons[] = {
            {"btnnew", "Deal", {376, 576, 65, 33}, "Verdana", 11, true},
            {"btnstay", "Call", {440, 576, 65, 33}, "Verdana", 11, true},
            {"btnbet", "Raise", {504, 576, 65, 33}, "Verdana", 11, true},
            {"btnpass", "Fold", {568, 576, 65, 33}, "Verdana", 11, true},
            {"dxButton5", "New", {0, 0, 57, 17}, "Tahoma", 11, false},
            {"dxButton6", "Options", {56, 0, 57, 17}, "Tahoma", 11, false},
            {"dxButton7", "Advice", {112, 0, 57, 17}, "Tahoma", 11, false},
            {"dxButton8", "About", {168, 0, 57, 17}, "Tahoma", 11, false},
            {"btnstats", "Stats", {224, 0, 57, 17}, "Tahoma", 11, false},
            {"btnhistory", "History", {280, 0, 57, 17}, "Tahoma", 11, false},
        };
        for (const ButtonRow& row : buttons) checkButton(&w, row);
        QVERIFY(!f.control<QPushButton>("btnnew")->isEnabled());
        for (const char* name : {"btnstay", "btnbet", "btnpass"})
            QVERIFY2(f.control<QPushButton>(name)->isEnabled(), name);

        QCOMPARE(tabChain(f.inside<QWidget>(&w, "until"), 11),
                 QStringList({"until", "btnnew", "btnstay", "btnbet", "btnpass", "dxButton5",
                              "dxButton6", "dxButton7", "dxButton8", "btnstats", "btnhistory"}));
    }

    void fontsStandIn() {
        TableFixture f;
        // Missing families are drawn with DejaVu at the layout's pixel sizes.
        const QFontInfo verdana(f.control<QLabel>("Label2")->font());
        QVERIFY2(verdana.family().startsWith("DejaVu Sans"), qPrintable(verdana.family()));
        QCOMPARE(verdana.pixelSize(), 11);
        const QFontInfo georgia(f.control<QLabel>("theresult")->font());
        QVERIFY2(georgia.family().startsWith("DejaVu Serif"), qPrintable(georgia.family()));
        QCOMPARE(georgia.pixelSize(), 21);
        const QFontInfo tahoma(f.control<QPushButton>("dxButton5")->font());
        QVERIFY2(tahoma.family().startsWith("DejaVu Sans"), qPrintable(tahoma.family()));
    }

    void optionsPanel() {
        TableFixture f;
        auto* panel = f.control<QWidget>("Panel1");
        QCOMPARE(panel->geometry(), QRect(248, 90, 522, 427));
        QVERIFY(panel->isHidden());
        QCOMPARE(panel->palette().color(QPalette::Window), QColor(225, 234, 255));
        auto* image = f.inside<QLabel>(panel, "Image1");
        QCOMPARE(image->geometry(), QRect(0, 0, 521, 433));
        QCOMPARE(image->pixmap().size(), QSize(522, 427));

        const LabelRow labels[] = {
            {"Label11", "Initial cash:", {86, 66}, "Verdana", 11, false, false, white},
            {"Label12", "Play until", {86, 102}, "Verdana", 11, false, false, white},
            {"Label13", "someone wins:", {86, 116}, "Verdana", 11, false, false, white},
            {"Label5", "Sound", {387, 64}, "Verdana", 11, false, false, white},
            {"Label10", "AI Level", {96, 176}, "Verdana", 11, false, false, white},
            {"Label9", "Betting Limits", {232, 184}, "Verdana", 11, false, false, white},
            {"smallBetCaption", "Small Bet:", {226, 232}, "Verdana", 11, false, false, white},
            {"Label8", "$", {296, 232}, "Verdana", 11, false, false, white},
            {"Label3", "4", {304, 232}, "Verdana", 11, false, false, white},
            {"Label6", "Big Bet:", {227, 256}, "Verdana", 11, false, false, white},
            {"Label7", "$", {296, 256}, "Verdana", 11, false, false, white},
            {"Label4", "8", {304, 256}, "Verdana", 11, false, false, white},
            {"Label1", "Card Back", {376, 142}, "Verdana", 11, false, false, white},
        };
        for (const LabelRow& row : labels) checkLabel(panel, row);

        const ButtonRow buttons[] = {
            {"dxButton2", "Enter", {248, 67, 49, 17}, "Verdana", 11, false},
            {"dxButton3", "Enter", {248, 109, 49, 17}, "Verdana", 11, false},
            {"SoundOff1", "On", {374, 88, 65, 17}, "Verdana", 11, false},
            {"dxButton1", "Ok", {229, 368, 81, 25}, "Verdana", 11, true},
        };
        for (const ButtonRow& row : buttons) checkButton(panel, row);
        for (const char* name : {"dxButton2", "dxButton3", "SoundOff1"})
            QCOMPARE(faceOf(panel, name), QColor(12, 43, 186));
        QCOMPARE(faceOf(panel, "dxButton1"), QColor(10, 34, 150));

        for (const auto& [name, text, geometry] :
             {std::tuple{"money", "1200", QRect(184, 64, 57, 21)},
              std::tuple{"until", "600", QRect(184, 106, 57, 21)}}) {
            auto* edit = f.inside<QLineEdit>(panel, name);
            QCOMPARE(edit->geometry(), geometry);
            QCOMPARE(edit->text(), QString(text));
            QCOMPARE(edit->maxLength(), 6);
            QCOMPARE(edit->palette().color(QPalette::Base), QColor(10, 36, 160));
            QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::white));
        }

        QCOMPARE(f.inside<QWidget>(panel, "UpDown1")->geometry(), QRect(229, 304, 81, 17));
        for (const auto& [name, geometry, items, selected] :
             {std::tuple{"Levels", QRect(71, 200, 105, 126),
                         QStringList{"Amateur", "Expert", "Master", "Genius"}, 0},
              std::tuple{"cardbacks", QRect(382, 167, 49, 161),
                         QStringList{"1", "2", "3", "4", "5", "6", "7", "8"}, 0}}) {
            auto* group = f.inside<QWidget>(panel, name);
            QCOMPARE(group->geometry(), geometry);
            QCOMPARE(group->palette().color(QPalette::Window), QColor(12, 43, 186));
            const auto radios = group->findChildren<QRadioButton*>();
            QStringList texts;
            for (QRadioButton* r : radios) {
                texts << r->text();
                QVERIFY(group->rect().contains(r->geometry()));
                QCOMPARE(r->palette().color(QPalette::WindowText), QColor(Qt::white));
            }
            QCOMPARE(texts, items);
            QVERIFY(radios[selected]->isChecked());
        }

        QCOMPARE(tabChain(f.inside<QWidget>(panel, "dxButton1"), 9),
                 QStringList({"dxButton1", "cardbacksItem0", "SoundOff1", "UpDown1",
                              "LevelsItem0", "Opponents", "dxButton2", "dxButton3", "money"}));
    }

    void modalWindows() {
        TableFixture f;
        auto* statsWindow = f.inside<QDialog>(&f.window(), "TStatistics");
        QCOMPARE(statsWindow->windowTitle(), QString("Player stats"));
        // The three counts keep their own panel at the top of the Overview tab.
        auto* stats = f.inside<QWidget>(statsWindow, "counts");
        QCOMPARE(stats->size(), QSize(274, 209));
        QCOMPARE(stats->palette().color(QPalette::Window), QColor(9, 6, 87));
        const LabelRow statsLabels[] = {
            {"Label1", "Hands played:", {16, 32}, "Verdana", 12, false, false, white},
            {"Label2", "Hands won:", {16, 64}, "Verdana", 12, false, false, white},
            {"Label3", "Showdowns:", {16, 96}, "Verdana", 12, false, false, white},
            {"lblhandsplayed", nullptr, {136, 32}, "Verdana", 12, false, false, white},
            {"lblhandswon", nullptr, {136, 64}, "Verdana", 12, false, false, white},
            {"lblshowdowns", nullptr, {136, 96}, "Verdana", 12, false, false, white},
        };
        for (const LabelRow& row : statsLabels) checkLabel(stats, row);
        checkButton(stats, {"dxButton1", "Ok", {96, 160, 81, 25}, "Verdana", 12, false});
        checkButton(stats, {"dxButton2", "Reset", {208, 32, 49, 81}, "Verdana", 12, false});

        auto* odds = f.inside<QDialog>(&f.window(), "TStats");
        QCOMPARE(odds->size(), QSize(260, 201));
        QVERIFY(odds->windowFlags() & Qt::Tool);
        QVERIFY(!(odds->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(odds->palette().color(QPalette::Window), QColor(18, 23, 120));
        QCOMPARE(f.inside<QLabel>(odds, "Image1")->geometry(), QRect(0, 0, 265, 217));
        QCOMPARE(f.inside<QLabel>(odds, "Image1")->pixmap().size(), QSize(260, 201));
        checkLabel(odds, {"Label1", "Your odds are", {54, 32}, "Verdana", 21, false, false, QColor(0, 255, 255)});
        checkLabel(odds, {"prob", nullptr, {96, 75}, "Georgia", 24, true, true, white});
        checkButton(odds, {"dxButton1", "Ok", {98, 144, 65, 25}, "Verdana", 11, true});

        auto* rules = f.inside<QDialog>(&f.window(), "TAboutBox");
        QCOMPARE(rules->size(), QSize(349, 521));
        QCOMPARE(rules->windowTitle(), QString("Texas hold'em rules"));
        QVERIFY(!(rules->windowFlags() & Qt::WindowCloseButtonHint));
        QCOMPARE(rules->palette().color(QPalette::Window), QColor(9, 6, 87));
        QCOMPARE(f.inside<QLabel>(rules, "Image1")->geometry(), QRect(0, 0, 353, 521));
        QCOMPARE(f.inside<QLabel>(rules, "Image1")->pixmap().size(), QSize(347, 522));
        checkLabel(rules, {"Label1", nullptr, {120, 424}, "Verdana", 9, false, false, QColor(Qt::yellow)});
        auto* contact = f.inside<QLabel>(rules, "Label1");
        QCOMPARE(contact->size(), QSize(110, 12));
        QCOMPARE(contact->cursor().shape(), Qt::PointingHandCursor);
        checkButton(rules, {"dxButton1", "Ok", {140, 472, 65, 25}, "Tahoma", 11, true});

        for (QDialog* d : {statsWindow, odds, rules}) QVERIFY(d->isHidden());
    }
};

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
