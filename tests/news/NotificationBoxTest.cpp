#include "support/MainWindowFixture.h"

#include "news/ui/Notification.h"
#include "news/ui/NotificationBox.h"
#include "platform/forms/VbFont.h"
#include "windows/NotificationBox.h"

#include <QCoreApplication>
#include <QTextLayout>

#include <cmath>

namespace tarvello::test {
namespace {

constexpr forms::VbColor kBlack = 0x000000;
constexpr forms::VbColor kWhite = 0xFFFFFF;
constexpr forms::VbColor kGray = 0xC0C0C0;
constexpr forms::VbColor kYellow = 0x00FFFF;
constexpr forms::VbColor kBlue = 0xFF0000;
constexpr forms::VbColor kMagenta = 0xFF00FF;
constexpr forms::VbColor kVeryDarkRed = 0x000040;

const QString kShort = QStringLiteral("   * Begin Final Day of Trading *");
// Wider than the box allows: it wraps onto two lines.
const QString kTwoLines =
    QStringLiteral("No Additional Oil Purchases Allowed - Current Oil Inventory to Large: Try Selling Some");
// So wide that it would run under "OK" at the box's usual height, though not at the taller one.
const QString kThreeLines = kTwoLines + QLatin1Char(' ') + kTwoLines;

class NotificationBox : public MainWindowTest {
protected:
    NotificationBox() { w(); }

    // Shows a notice, answered by "OK", and returns what the player saw.
    const ModalShow &notify(const QString &title, const QString &message, int16_t code = 1)
    {
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnOkay")));
        ShowNotification(app, title, message, QString(), code);
        return host.shows().back();
    }

    static int textWidth(const QString &text)
    {
        return forms::textWidthTwips({QStringLiteral("MS Sans Serif"), 8.25f, true}, text);
    }
};

TEST_F(NotificationBox, ShowsTheNoticeModallyAndGoesWhenClosed)
{
    const ModalShow &shown =
        notify(QStringLiteral("* Helpful Hint *"), QStringLiteral("Don't be Scared to Execute A Trade "));

    EXPECT_EQ(shown.form, "frmPlayerNotification");
    EXPECT_EQ(shown.caption, "* Helpful Hint *");
    EXPECT_EQ(shown.owner, "Halvern");
    EXPECT_EQ(shown.text(QStringLiteral("Label1")), "Don't be Scared to Execute A Trade ");
    EXPECT_EQ(shown.text(QStringLiteral("btnOkay")), "OK");
    EXPECT_EQ(shown.text(QStringLiteral("ColorScheme")), "1");
    EXPECT_FALSE(shown.control(QStringLiteral("ColorScheme")).visible);
    EXPECT_FALSE(shown.shownAfterAnswer);
    EXPECT_FALSE(forms.isLoaded<frmPlayerNotification>());
    EXPECT_EQ(state.news.notificationText, "Don't be Scared to Execute A Trade ");

    // The close box closes it as "OK" does.
    host.answerNext(ScriptedModalHost::unload());
    ShowNotification(app,
                     Notice{QStringLiteral("Trade History"), QStringLiteral("* No Trades Executed *"), 1});
    EXPECT_EQ(host.shows().back().caption, "Trade History");
    EXPECT_FALSE(forms.isLoaded<frmPlayerNotification>());
}

TEST_F(NotificationBox, SizesItselfToTheMessage)
{
    const int oneLine =
        notify(QStringLiteral("t"), QStringLiteral("OK")).control(QStringLiteral("Label1")).rect.height;
    const struct {
        const char *name;
        QString message;
        int16_t dbOpenFailed;
        int labelWidth;
        int height;
        int okayTop;
        int lines;
    } cases[] = {
        {"short", kShort, 0, textWidth(kShort), 1400, 630, 1},
        {"after a failed open", kShort, 1, textWidth(kShort), 1620, 870, 1},
        {"wider than 6000", kTwoLines, 0, 6000, 1400, 630, 2},
        {"wider again, tall", kTwoLines, 1, 6000, 1620, 870, 2},
        {"empty", QString(), 0, 0, 1400, 630, 0},
    };
    ASSERT_GT(textWidth(kTwoLines), 6000);
    ASSERT_LT(textWidth(kTwoLines), 12000);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        state.priceDatabase.DbOpenFailed = c.dbOpenFailed;
        const ModalShow &shown = notify(QStringLiteral("Trader Notification"), c.message);
        const ShownControl &label = shown.control(QStringLiteral("Label1"));
        const ShownControl &okay = shown.control(QStringLiteral("btnOkay"));
        EXPECT_EQ(label.rect.left, 150);
        EXPECT_EQ(label.rect.width, c.labelWidth);
        EXPECT_EQ(shown.rect.width, c.labelWidth + 300);
        EXPECT_EQ(shown.rect.height, c.height);
        EXPECT_EQ(okay.rect.top, c.okayTop);
        EXPECT_EQ(okay.rect.left, std::lround((c.labelWidth + 300) / 2.0 - 486));
        if (c.lines == 1) {
            EXPECT_EQ(label.rect.height, oneLine); // the measured width holds the text on one line
        } else if (c.lines > 1) {
            EXPECT_GE(label.rect.height, c.lines * oneLine - 30);
        }
        EXPECT_LE(label.rect.top + label.rect.height, okay.rect.top);
    }
}

TEST_F(NotificationBox, GrowsRatherThanHideTheMessageUnderOk)
{
    for (int16_t failed : {0, 1}) {
        SCOPED_TRACE(failed);
        state.priceDatabase.DbOpenFailed = failed;
        const ModalShow &shown = notify(QStringLiteral("Tarvello"), kThreeLines);
        const ShownControl &label = shown.control(QStringLiteral("Label1"));
        const ShownControl &okay = shown.control(QStringLiteral("btnOkay"));
        const int below = label.rect.top + label.rect.height + 120;
        EXPECT_GT(below, 630);
        EXPECT_LT(below, 870);
        EXPECT_EQ(okay.rect.top, failed ? 870 : below);
        EXPECT_EQ(shown.rect.height - okay.rect.top, (failed ? 1620 - 870 : 1400 - 630));
    }
}

TEST_F(NotificationBox, ColoursFollowTheCodeAndTheScreenScheme)
{
    struct Colors {
        forms::VbColor text, back;
    };
    const Colors whiteOnBlack{kWhite, kBlack}, yellowOnBlue{kYellow, kBlue},
        yellowOnMagenta{kYellow, kMagenta};
    const struct {
        int16_t code;
        forms::VbColor scheme;
        Colors expected;
    } cases[] = {
        {0, kWhite, whiteOnBlack},
        {0, kGray, yellowOnBlue},
        {0, kBlack, yellowOnBlue},
        {1, kWhite, whiteOnBlack},
        {1, kGray, yellowOnBlue},
        {1, kBlack, yellowOnBlue},
        {2, kWhite, whiteOnBlack},
        {2, kGray, yellowOnMagenta},
        {2, kBlack, yellowOnMagenta},
        {3, kWhite, {kBlack, kGray}},
        {3, kGray, {kYellow, kVeryDarkRed}},
        {3, kBlack, {kYellow, kVeryDarkRed}},
        {4, kWhite, whiteOnBlack},
        {4, kGray, yellowOnMagenta},
        {4, kBlack, yellowOnMagenta},
        // Codes the box does not know keep the colours of its loading, made with code 0.
        {5, kWhite, whiteOnBlack},
        {5, kBlack, yellowOnBlue},
        {-1, kGray, yellowOnBlue},
        // Nor does it know other schemes: the design colours stay.
        {1, 0x123456, yellowOnBlue},
        {3, 0x123456, yellowOnBlue},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << "code " << c.code << " on scheme " << std::hex << c.scheme);
        w().setBackColor(c.scheme);
        const ModalShow &shown = notify(QStringLiteral("Trader Notification"), kShort, c.code);
        const ShownControl &label = shown.control(QStringLiteral("Label1"));
        EXPECT_EQ(shown.text(QStringLiteral("ColorScheme")), QString::number(c.code));
        const bool knownScheme = c.scheme == kWhite || c.scheme == kGray || c.scheme == kBlack;
        EXPECT_EQ(shown.foreColor, knownScheme ? c.expected.text : forms::kSysButtonText);
        EXPECT_EQ(shown.backColor, c.expected.back);
        EXPECT_EQ(label.foreColor, c.expected.text);
        EXPECT_EQ(label.backColor, c.expected.back);
    }
}

// A notice raised while the box is being put up (by something that ran in one of its yields) gets a
// box of its own: closing it leaves the outer box, which shows its own notice and goes when closed.
TEST_F(NotificationBox, ANoticeRaisedWhileTheBoxIsPutUpHasABoxOfItsOwn)
{
    const QString outer = QStringLiteral("Please Enter Only Numbers");
    const QString inner = QStringLiteral("* No News Stories *");
    bool innerRan = false;
    QMetaObject::invokeMethod(
        qApp,
        [&] {
            ShowNotification(app, QStringLiteral("News History"), inner, QString(), 1);
            innerRan = true;
        },
        Qt::QueuedConnection);
    host.setDefaultAnswer(ScriptedModalHost::click(QStringLiteral("btnOkay")));
    ShowNotification(app, QStringLiteral("* Trader Notification *"), outer, QString(), 1);

    ASSERT_TRUE(innerRan);
    ASSERT_EQ(host.shows().size(), 2u);
    EXPECT_EQ(host.shows()[0].caption, "News History");
    EXPECT_EQ(host.shows()[0].text(QStringLiteral("Label1")), inner);
    EXPECT_EQ(host.shows()[1].caption, "* Trader Notification *");
    EXPECT_EQ(host.shows()[1].text(QStringLiteral("Label1")), outer);
    // The outer box is sized to its own message.
    EXPECT_EQ(host.shows()[1].control(QStringLiteral("Label1")).rect.width, textWidth(outer));
    EXPECT_FALSE(forms.isLoaded<frmPlayerNotification>());
    EXPECT_EQ(state.news.notificationText, outer);
}

TEST_F(NotificationBox, EachNoticeStartsFromTheDesign)
{
    w().setBackColor(kBlack);
    notify(QStringLiteral("* Margin Call Liquidation *"), kThreeLines, 2);
    const ModalShow &second = notify(QStringLiteral("Trader Notification"), kShort, 9);

    EXPECT_EQ(second.caption, "Trader Notification");
    EXPECT_EQ(second.rect.width, textWidth(kShort) + 300);
    EXPECT_EQ(second.rect.height, 1400);
    EXPECT_EQ(second.control(QStringLiteral("btnOkay")).rect.top, 630);
    EXPECT_EQ(second.backColor, kBlue);
    EXPECT_EQ(second.control(QStringLiteral("Label1")).foreColor, kYellow);
}

TEST_F(NotificationBox, AWordWiderThanTheBoxBreaksSoEveryCharacterShows)
{
    const QString folder =
        QStringLiteral("C:\\Games\\") + QStringLiteral("TarvelloPriceHistoryFolder").repeated(6);
    const QString message = QStringLiteral("futures.mdb not found in ") + folder;
    ASSERT_GT(textWidth(folder), 6000); // wider than the widest box
    bool checked = false;
    host.answerNext([&](forms::Form &form) {
        auto &box = static_cast<frmPlayerNotification &>(form);
        const forms::Label &label = *box.Label1;
        EXPECT_EQ(label.caption(), message);
        // The label's text laid out with its font, wrapped at its width as it draws it: no line is
        // wider than the label, the lines fit its height, and every character of the message is there.
        QTextLayout layout(label.text(), label.font());
        QTextOption option(label.alignment());
        option.setWrapMode(QTextOption::WordWrap);
        layout.setTextOption(option);
        layout.beginLayout();
        qreal height = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(label.width());
            height += line.height();
            EXPECT_LE(line.naturalTextWidth(), label.width())
                << label.text().mid(line.textStart(), line.textLength()).toStdString();
        }
        layout.endLayout();
        EXPECT_LE(height, label.height());
        QString drawn;
        for (const QChar c : label.text())
            if (c.unicode() != 0x200B) // a break opportunity, drawn as nothing
                drawn += c;
        EXPECT_EQ(drawn, message);
        checked = true;
        box.btnOkay->click();
    });
    ShowNotification(app, QStringLiteral("Tarvello"), message, QString(), 1);
    EXPECT_TRUE(checked);
}

} // namespace
} // namespace tarvello::test
