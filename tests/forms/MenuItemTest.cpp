#include "platform/forms/MenuItem.h"
#include "platform/forms/ControlArray.h"
#include "platform/forms/Form.h"

#include <QActionEvent>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace tarvello::forms {
namespace {

class Menus : public ::testing::Test {
protected:
    Menus()
    {
        form.addMenu(&options);
        options.addItem(&level0);
        options.addItem(&level2);
        levels.add(0, &level0);
        levels.add(2, &level2);
        levels.setClickHandler([this](int16_t index) { chosen.push_back(index); });
        options.addItem(&separator);
        options.addItem(&price);
        price.addItem(&meanLine);
        price.setClickHandler([this] { chosen.push_back(100); });
        level2.setChecked(true);
    }

    Form form{QStringLiteral("frmTest"), 4000, 3000};
    MenuItem options{&form, QStringLiteral("mnuSettings"), QStringLiteral("&Options")};
    MenuItem level0{&form, QStringLiteral("mnuLevel"), QStringLiteral("&Novice")};
    MenuItem level2{&form, QStringLiteral("mnuLevel"), QStringLiteral("E&xpert")};
    MenuItem separator{&form, QStringLiteral("mSep"), QStringLiteral("-")};
    MenuItem price{&form, QStringLiteral("mnuPrice"), QStringLiteral("&Price")};
    MenuItem meanLine{&form, QStringLiteral("mnuMean"), QStringLiteral("&Mean Line ")};
    ControlArray<MenuItem> levels{QStringLiteral("mnuLevel")};
    std::vector<int> chosen;
};

TEST_F(Menus, ArraysKeepTheirGappedIndexes)
{
    EXPECT_EQ(levels.indexes(), (std::vector<int16_t>{0, 2}));
    EXPECT_EQ(levels[2], &level2);
    EXPECT_EQ(level2.objectName(), QStringLiteral("mnuLevel_2"));
    EXPECT_EQ(level2.index(), 2);
    EXPECT_FALSE(levels.contains(1));
    EXPECT_THROW(levels[1], std::out_of_range);
    level2.click();
    level0.click();
    EXPECT_EQ(chosen, (std::vector<int>{2, 0}));
}

TEST_F(Menus, ChoosingAnItemLeavesItsCheckMarkToItsProcedure)
{
    level2.click();
    level0.click();
    EXPECT_TRUE(level2.checked());
    EXPECT_TRUE(level2.isChecked());
    EXPECT_FALSE(level0.checked());
    EXPECT_FALSE(level0.isChecked());
    level2.setChecked(false);
    EXPECT_FALSE(level2.isChecked());
}

TEST_F(Menus, NothingRunsWhenTheItemOrAMenuAboveItOrTheWindowIsDisabled)
{
    level0.setEnabled(false);
    level0.click();
    level0.setEnabled(true);
    options.setEnabled(false);
    level2.click();
    EXPECT_FALSE(options.isEnabled());
    EXPECT_TRUE(level2.enabled()); // the item keeps its own flag
    options.setEnabled(true);
    form.setEnabled(false);
    level2.click();
    level0.setVisible(false);
    form.setEnabled(true);
    level0.click();
    EXPECT_TRUE(chosen.empty());
}

TEST_F(Menus, AnItemWithASubmenuRunsItsProcedureWhenTheSubmenuOpens)
{
    ASSERT_NE(price.submenu(), nullptr);
    emit price.submenu()->aboutToShow();
    price.click();
    EXPECT_EQ(chosen, (std::vector<int>{100, 100}));
}

TEST_F(Menus, SeparatorsAndTheMenuBar)
{
    EXPECT_TRUE(separator.isSeparator());
    ASSERT_NE(form.menuBar(), nullptr);
    EXPECT_EQ(form.menuBar()->actions(), QList<QAction *>{&options});
    EXPECT_EQ(options.submenu()->actions().size(), 4);
    meanLine.setCaption(QStringLiteral("&Mean"));
    EXPECT_EQ(meanLine.text(), QStringLiteral("&Mean"));
}

// The menu bar as drawn now, and as drawn once Qt has laid its items out again from what they say.
QImage drawnNow(QMenuBar &bar)
{
    return bar.grab().toImage();
}
QImage drawnAfterLayout(QMenuBar &bar, QAction &item)
{
    QActionEvent changed(QEvent::ActionChanged, &item);
    QCoreApplication::sendEvent(&bar, &changed);
    return bar.grab().toImage();
}

TEST_F(Menus, AMenuOnTheBarDrawsGreyedWhileDisabledAndAsBeforeOnceEnabled)
{
    MenuItem help{&form, QStringLiteral("mnuHelp"), QStringLiteral("&Help")};
    form.addMenu(&help);
    form.show();
    QMenuBar &bar = *form.menuBar();
    const QImage enabled = drawnNow(bar);
    const QRect place = bar.actionGeometry(&help);

    options.setEnabled(false);
    EXPECT_FALSE(options.isEnabled());
    const QImage disabled = drawnNow(bar);
    EXPECT_NE(disabled, enabled);
    EXPECT_EQ(disabled, drawnAfterLayout(bar, options));
    EXPECT_EQ(bar.actionGeometry(&help), place);

    options.setEnabled(true);
    EXPECT_TRUE(options.isEnabled());
    EXPECT_EQ(drawnNow(bar), enabled);

    // A new caption still moves the items after it.
    options.setEnabled(false);
    options.setCaption(QStringLiteral("&Options and Settings"));
    EXPECT_GT(bar.actionGeometry(&help).left(), place.left());
    EXPECT_EQ(drawnNow(bar), drawnAfterLayout(bar, options));
    form.hide();
}

} // namespace
} // namespace tarvello::forms
