#include "TradingWindowFixture.h"

#include "windows/frmEndofGame.h"
#include "windows/frmGameOver.h"

namespace tarvello::test {
namespace {

using SummaryWindows = TradingWindowTest;

// The twins' rows, top to bottom: the same captions under other names in the two windows.
TEST_F(SummaryWindows, TheRowsOfBothWindows)
{
    const struct {
        SummaryWindow &window;
        const char *caption;
        const char *message;
        const char *commissions;
        int rule;
        std::vector<const char *> buttons;
        std::vector<const char *> captions;
    } windows[] = {
        {forms.get<frmGameOver>(),
         "GameOver",
         "Label2",
         "Label1",
         41,
         {"btnPlayAgain", "btnEnd"},
         {"&Play Again", "&End"}},
        {forms.get<frmEndofGame>(),
         "Game Over ",
         "Label1",
         "Label2",
         53,
         {"btnContinue", "btnRestartGame", "btnExit"},
         {"&Continue", "&Play Again", "&End"}},
    };
    for (const auto &design : windows) {
        SummaryWindow &window = design.window;
        SCOPED_TRACE(window.objectName().toStdString());
        EXPECT_EQ(window.caption(), design.caption);
        EXPECT_EQ(window.messageLine()->name(), design.message);
        EXPECT_EQ(window.backColor(), 0xFF0000u);
        EXPECT_EQ(window.foreColor(), 0x00FFFFu);

        auto label = [&](const char *name) { return window.client()->findChild<forms::Label *>(name); };
        // Caption label, its text, the value label beside it; top to bottom.
        const std::vector<std::array<const char *, 3>> rows = {
            {"Label11", "Final Score:", "Label7"},           {"Label9", "Realized P(L):", "Label4"},
            {"Label8", "Unrealized P(L):", "Label3"},        {"Label10", "Regulatory Fines:", "Label5"},
            {design.commissions, "Commissions:", "label12"},
        };
        int top = window.messageLine()->twipTop();
        for (const auto &[captionName, text, valueName] : rows) {
            SCOPED_TRACE(text);
            const forms::Label *caption = label(captionName);
            const forms::Label *value = label(valueName);
            ASSERT_TRUE(caption && value);
            EXPECT_EQ(caption->caption(), text);
            EXPECT_EQ(value->caption(), "");
            EXPECT_EQ(value->justify(), forms::Justify::Right);
            EXPECT_EQ(value->twipTop(), caption->twipTop());
            EXPECT_GT(value->twipLeft(), caption->twipLeft() + caption->twipWidth() - 1);
            EXPECT_LE(value->twipLeft() + value->twipWidth(), window.scaleWidth());
            EXPECT_GT(caption->twipTop(), top);
            top = caption->twipTop();
            for (const forms::Label *l : {caption, value}) {
                EXPECT_EQ(l->foreColor(), 0x00FFFFu);
                EXPECT_EQ(l->backColor(), 0xFF0000u);
            }
        }
        EXPECT_EQ(label("Label6")->caption(), QString(design.rule, QLatin1Char('=')));
        for (const char *big : {"Label11", "Label7"})
            EXPECT_EQ(label(big)->fontSpec(),
                      (forms::FontSpec{QStringLiteral("MS Sans Serif"), 12.0f, true}));

        // The buttons along the bottom, left to right, all the same size.
        int left = -1;
        for (size_t i = 0; i < design.buttons.size(); ++i) {
            const auto *button = window.client()->findChild<forms::CommandButton *>(design.buttons[i]);
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->caption(), design.captions[i]);
            EXPECT_GT(button->twipLeft(), left);
            EXPECT_GT(button->twipTop(), top);
            EXPECT_EQ(button->twipWidth(), 1455);
            left = button->twipLeft() + button->twipWidth();
            EXPECT_LE(left, window.scaleWidth());
        }
    }
}

// What the player reads in the lines must fit them: the longest verdict and the rule of "=".
TEST_F(SummaryWindows, TheLongestTextsFit)
{
    for (SummaryWindow *window :
         std::initializer_list<SummaryWindow *>{&forms.get<frmGameOver>(), &forms.get<frmEndofGame>()}) {
        SCOPED_TRACE(window->objectName().toStdString());
        window->messageLine()->setCaption(
            QStringLiteral("Excellent Trading:  Time to Think About Opening a Real Account!"));
        const forms::Label *rule = window->client()->findChild<forms::Label *>("Label6");
        const QFontMetrics rulerMetrics(rule->font());
        EXPECT_LE(forms::pixelsToTwips(rulerMetrics.horizontalAdvance(rule->caption())), rule->twipWidth());
        const forms::Label *message = window->messageLine();
        EXPECT_LE(message->heightForWidth(message->width()), message->height());
    }
}

} // namespace
} // namespace tarvello::test
