#pragma once
// A framed column of radio items, one of which (or none) is selected.
#include <QButtonGroup>
#include <QGroupBox>
#include <QRadioButton>
#include <QStringList>

namespace trelvist::ui {

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(QWidget* parent, const char* name, const QStringList& items, QRect geometry);

    // Shows `item` as the selected one; -1 selects none.
    void select(int item);
    int selected() const { return buttons_.checkedId(); }
    QRadioButton* item(int index) const;
    // Names the group and each item for screen readers: "Card back" names item "1" "Card back 1".
    void setAccessibleTitle(const QString& title);

signals:
    void itemClicked(int item);

private:
    QButtonGroup buttons_;
};

}  // namespace trelvist::ui
