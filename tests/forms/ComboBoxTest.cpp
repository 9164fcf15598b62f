#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvello::forms {
namespace {

class ComboBoxes : public ::testing::Test {
protected:
    ComboBoxes()
    {
        for (ComboBox *box : {&combo, &list}) {
            box->setClickHandler([this, box] { clicks.push_back(box->listIndex()); });
            for (const char *key : {"Cattle", "Gold", "Oil", "SP500", "Soybean", "TBond"})
                box->addItem(QString::fromLatin1(key));
        }
    }

    Form form{QStringLiteral("frmTest"), 4000, 3000};
    ComboBox combo{form.client(), QStringLiteral("cboCommodity"), ComboStyle::DropDownCombo,
                   QStringLiteral("cboCommodity")};
    ComboBox list{form.client(), QStringLiteral("Combo1"), ComboStyle::DropDownList};
    std::vector<int> clicks;
};

TEST_F(ComboBoxes, AddingItemsSelectsNothing)
{
    EXPECT_EQ(combo.listCount(), 6);
    EXPECT_EQ(combo.list(2), QStringLiteral("Oil"));
    EXPECT_EQ(combo.list(6), QString());
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), QStringLiteral("cboCommodity"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("cboCommodity"));
    EXPECT_EQ(list.listIndex(), -1);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ComboBoxes, AChangeOfListIndexByCodeRunsTheClickHandler)
{
    combo.setListIndex(2);
    EXPECT_EQ(combo.text(), QStringLiteral("Oil"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("Oil"));
    combo.setListIndex(2); // no change
    combo.setListIndex(9); // no such item: ignored
    combo.setListIndex(0);
    EXPECT_EQ(clicks, (std::vector<int>{2, 0}));
}

TEST_F(ComboBoxes, ThePlayersChoiceRunsTheClickHandler)
{
    emit combo.activated(4);
    EXPECT_EQ(combo.listIndex(), 4);
    EXPECT_EQ(combo.text(), QStringLiteral("Soybean"));
    EXPECT_EQ(clicks, (std::vector<int>{4}));
}

TEST_F(ComboBoxes, SettingTheTextOfADropDownComboSetsOnlyTheText)
{
    combo.setListIndex(2);
    clicks.clear();
    combo.setText(QStringLiteral("T-Bond"));
    EXPECT_EQ(combo.text(), QStringLiteral("T-Bond"));
    EXPECT_EQ(combo.currentText(), QStringLiteral("T-Bond"));
    EXPECT_EQ(combo.listIndex(), 2);
    combo.setText(QStringLiteral("Gold"));
    EXPECT_EQ(combo.listIndex(), 2);
    EXPECT_TRUE(clicks.empty());
}

TEST_F(ComboBoxes, SettingTheTextOfAListSelectsTheMatchingItem)
{
    list.setText(QStringLiteral("gold"));
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(list.text(), QStringLiteral("Gold"));
    list.setText(QStringLiteral("Platinum"));
    EXPECT_EQ(list.listIndex(), 1);
    EXPECT_EQ(clicks, (std::vector<int>{1}));
}

TEST_F(ComboBoxes, ClearEmptiesTheListAndTheTextAndRunsNothing)
{
    combo.setListIndex(3);
    clicks.clear();
    combo.clear();
    EXPECT_EQ(combo.listCount(), 0);
    EXPECT_EQ(combo.listIndex(), -1);
    EXPECT_EQ(combo.text(), QString());
    EXPECT_EQ(combo.count(), 0);
    EXPECT_TRUE(clicks.empty());
}

} // namespace
} // namespace tarvello::forms
