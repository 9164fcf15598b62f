#include "support/MainWindowFixture.h"

#include <QFontMetrics>

namespace tarvello::test {
namespace {

using forms::Justify;
using HalvernLook = MainWindowTest;

// The design colours, alignment and painting of each kind of label.
TEST_F(HalvernLook, LabelColoursAlignmentAndBackground)
{
    enum Look { Caption, Value, ValueLeft, Position, Mark, Own };
    const struct {
        Look look;
        std::vector<const char *> names;
    } groups[] = {
        {Caption,
         {"LabelDay", "labelTime", "labelAV", "labelGL", "labelRPL", "LabelUPL", "LabelLiab", "LabelAM",
          "LabelCM", "LabelTotTrades", "LabelMaxiPos", "lblTraderInput", "promptUnits", "promptPrice",
          "Label8"}},
        {Value,
         {"lblScore", "lblDay", "lblTradeTime", "lblEq", "lblPercentGL", "lblRPL", "lblUPL", "lblLIAB",
          "lblAvailMarg", "lblPosMargPercent", "lblTotTrades", "lblMaxSelected", "lblOilPos", "lblGoldPos",
          "lblTBondPos", "lblSP500Pos", "lblCattlePos", "lblSoybeanPos"}},
        {ValueLeft,
         {"lblOilCurrMark", "lblGoldCurrMark", "lblTBondCurrMark", "lblSP500CurrMark", "lblCattleCurrMark",
          "lblSoybeanCurrMark"}},
        {Position,
         {"LabelPosition", "labelOilPos", "LabelGoldPos", "LabelTBondPos", "LabelSP500Pos", "LabelCattlePos",
          "LabelSoybeanPos"}},
        {Mark, {"LabelGoldMark", "LabelTBondMark", "LabelSP500Mark", "LabelCattleMark", "LabelSoybeanMark"}},
    };
    for (const auto &group : groups) {
        for (const char *name : group.names) {
            SCOPED_TRACE(name);
            const auto *label = w().findChild<forms::Label *>(QString::fromLatin1(name));
            ASSERT_NE(label, nullptr);
            EXPECT_EQ(label->backColor(), 0u);
            const forms::VbColor fore = group.look == Caption || group.look == Mark ? 0xFFFFFF
                                        : group.look == Position                    ? 0xFFFF00
                                                                                    : 0x00FFFF;
            EXPECT_EQ(label->foreColor(), fore);
            EXPECT_EQ(label->justify(), group.look == Value ? Justify::Right : Justify::Left);
            EXPECT_EQ(label->opaque(), group.look == Mark);
        }
    }

    // The labels with colours of their own.
    const struct {
        forms::Label *Halvern::*label;
        forms::VbColor fore, back;
        Justify justify;
        bool opaque;
    } own[] = {
        {&Halvern::GameName, 0x00FFFF, 0xFF0000, Justify::Center, true},
        {&Halvern::labelscore, 0xFFFFFF, 0xC0C0C0, Justify::Left, false},
        {&Halvern::CurrMarkBanner, 0xFFFFFF, 0xC0C0C0, Justify::Left, false},
        {&Halvern::LabelOilMark, 0xFFFFFF, 0x000000, Justify::Center, true},
        {&Halvern::lblorderverify, 0x00FFFF, 0x000000, Justify::Left, true},
        {&Halvern::inputPrice, 0x80000008, 0xFFFFFF, Justify::Right, true},
        {&Halvern::LabelNH, 0x00FFFF, 0x000040, Justify::Left, true},
        {&Halvern::LabelTH, 0x00FFFF, 0x000040, Justify::Left, true},
    };
    for (const auto &c : own) {
        const forms::Label &label = *(w().*c.label);
        SCOPED_TRACE(label.name().toStdString());
        EXPECT_EQ(label.foreColor(), c.fore);
        EXPECT_EQ(label.backColor(), c.back);
        EXPECT_EQ(label.justify(), c.justify);
        EXPECT_EQ(label.opaque(), c.opaque);
    }
    EXPECT_EQ(w().GameName->fontSpec(), (forms::FontSpec{QStringLiteral("Tahoma"), 14.25f, true}));
    EXPECT_EQ(w().labelscore->fontSpec(), (forms::FontSpec{QStringLiteral("MS Sans Serif"), 12.0f, true}));
    EXPECT_EQ(w().inputUnits->backColor(), 0xFFFFFFu);
}

TEST_F(HalvernLook, ShapeBorders)
{
    for (forms::Shape *shape : w().findChildren<forms::Shape *>()) {
        SCOPED_TRACE(shape->name().toStdString());
        const forms::VbColor expected = shape == w().Shape1       ? 0x00FF00
                                        : shape == w().shpExpMark ? 0xFF0000
                                                                  : 0xFFFF00;
        EXPECT_EQ(shape->borderColor(), expected);
        EXPECT_FALSE(shape->opaque());
    }
}

// The substitute font is narrow enough for every caption to fit on one line in its control.
TEST_F(HalvernLook, EveryCaptionFitsItsControl)
{
    for (forms::Label *label : w().findChildren<forms::Label *>()) {
        SCOPED_TRACE(label->name().toStdString());
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->caption()), label->width());
        EXPECT_LE(metrics.height(), label->height() + 1);
    }
    for (forms::CommandButton *button : w().findChildren<forms::CommandButton *>()) {
        SCOPED_TRACE(button->name().toStdString());
        QString shown = button->caption();
        shown.remove(QLatin1Char('&'));
        EXPECT_LE(QFontMetrics(button->font()).horizontalAdvance(shown) + 8, button->width());
    }
}

TEST_F(HalvernLook, ControlsThatShareAPlaceLieInTheRightOrder)
{
    const QObjectList order = w().client()->children(); // bottom first
    const auto below = [&](QObject *lower, QObject *upper) {
        return order.indexOf(lower) < order.indexOf(upper);
    };
    EXPECT_TRUE(below(w().LabelOilMark, w().btnOil));
    EXPECT_TRUE(below(w().LabelSoybeanMark, w().btnSoybean));
    EXPECT_TRUE(below(w().btnNewsHist, w().btnTradeHist));
    EXPECT_TRUE(below(w().btnTradeHist, w().btnYes));
    EXPECT_TRUE(below(w().btnNewsHist, w().btnNo));
    EXPECT_TRUE(below(w().GraphLeft, w().newsgrid));
    EXPECT_TRUE(below(w().GraphRight, w().btnCloseTradeHistory));
}

} // namespace
} // namespace tarvello::test
