#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <QFontMetricsF>
#include <QScrollBar>

#include <cmath>

#include <gtest/gtest.h>

namespace tarvello::forms {
namespace {

// The game's CR LF line breaks draw as one break each, while the control keeps the text it was given.
TEST(TextControls, LineBreaksDrawOnceAndTheTextIsKept)
{
    Form form(QStringLiteral("frmTest"), 6000, 4000);
    const QString text = QStringLiteral("first\r\nsecond");
    Label label(form.client(), QStringLiteral("lbl"), text);
    MultiLineTextBox box(form.client(), QStringLiteral("txt"), text);

    EXPECT_EQ(label.caption(), text);
    EXPECT_EQ(label.text(), "first\nsecond");
    EXPECT_EQ(box.text(), text);
    EXPECT_EQ(box.toPlainText(), "first\nsecond");
    EXPECT_TRUE(box.isReadOnly());
}

// An auto-sized label keeps its width and takes the height of its wrapped caption.
TEST(TextControls, AutoSizedLabelFollowsItsWrappedCaption)
{
    Form form(QStringLiteral("frmTest"), 6000, 4000);
    const FontSpec font{QStringLiteral("MS Sans Serif"), 8.25f, true};
    Label label(form.client(), QStringLiteral("lbl"), QStringLiteral("A"));
    label.setFontSpec(font);
    label.setTwipRect({150, 120, 3000, 615});
    label.setAutoSize(true);
    const int oneLine = label.twipHeight();
    EXPECT_LT(oneLine, 615);

    const QString sentence = QStringLiteral("Be Careful Not to Trade too Much: Commissions Eat Up Profits");
    const int width = textWidthTwips(font, sentence);
    label.setCaption(sentence);
    label.setTwipWidth(width);
    EXPECT_EQ(label.twipHeight(), oneLine) << "as wide as its text: one line";
    label.setTwipWidth(width / 2);
    EXPECT_GE(label.twipHeight(), 2 * oneLine - 30);
    EXPECT_EQ(label.twipWidth(), width / 2);
}

// A caption's layout follows the label's size: a label moved keeps its broken words and its scroll
// bar; one made wider or taller lays its caption out again.
TEST(TextControls, LabelLayoutFollowsItsSizeNotItsPlace)
{
    Form form(QStringLiteral("frmTest"), 6000, 4000);
    const QString word = QStringLiteral("Unbreakablewordwiderthanitslabel");
    Label label(form.client(), QStringLiteral("lbl"), word);
    label.setTwipRect({150, 120, 900, 615});
    const QString broken = label.text();
    ASSERT_TRUE(broken.contains(QChar(0x200B))) << "the word is broken where it passes the edge";

    label.setTwipRect({600, 300, 900, 615});
    EXPECT_EQ(label.text(), broken);
    label.setTwipRect({600, 300, 6000, 615});
    EXPECT_EQ(label.text(), word);

    Label news(form.client(), QStringLiteral("lblNews"), QString());
    news.setScrolls(true);
    news.setTwipRect({150, 120, 1500, 300});
    news.setCaption(
        QStringLiteral("A story of many words that wraps over far more lines than fit. ").repeated(6));
    ASSERT_FALSE(news.scrollBar()->isHidden());
    news.setTwipRect({300, 240, 1500, 300});
    EXPECT_FALSE(news.scrollBar()->isHidden());
    news.setTwipRect({300, 240, 1500, 30000});
    EXPECT_TRUE(news.scrollBar()->isHidden());

    // A label hidden while its size or caption changes shows them laid out once it is shown.
    label.setVisible(false);
    label.setTwipRect({600, 300, 900, 615});
    label.setVisible(true);
    EXPECT_EQ(label.text(), broken);
    news.setVisible(false);
    news.setTwipRect({300, 240, 1500, 300});
    news.setVisible(true);
    EXPECT_FALSE(news.scrollBar()->isHidden());
}

// A word is broken only where it is wider than the label (less a spare pixel), whatever the
// script, and a caption whose words all fit is shown as it is, however many lines it wraps over.
TEST(TextControls, OnlyAWordWiderThanTheLabelIsBroken)
{
    Form form(QStringLiteral("frmTest"), 9000, 4000);
    Label label(form.client(), QStringLiteral("lbl"), QString());
    label.setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    const QFontMetricsF metrics(label.font());
    const auto shownAt = [&](const QString &caption, int pixels) {
        label.setTwipRect({0, 0, pixelsToTwips(pixels), 615});
        label.setCaption(caption);
        return label.text();
    };
    const QString sentence = QStringLiteral("Be Careful Not to Trade too Much: Commissions Eat Up Profits");
    const QString greek =
        QStringLiteral("\u039C\u03B1\u03C1\u03B3\u03B9\u03BD\u03B1\u03BB\u03B9\u03BA\u03CC");
    const QString word = QStringLiteral("Commissions");
    // The widest label a word still passes, and the narrowest it fits in.
    const auto past = [&](const QString &w) {
        return static_cast<int>(std::floor(metrics.horizontalAdvance(w)));
    };
    const auto inside = [&](const QString &w) {
        return static_cast<int>(std::ceil(metrics.horizontalAdvance(w))) + 1;
    };
    const struct {
        const char *what;
        QString caption;
        int pixels;
        bool broken;
    } cases[] = {
        {"a word just inside", word, inside(word), false},
        {"a word just past", word, past(word), true},
        {"short words on many lines", sentence, inside(word), false},
        {"short words on one line", sentence, 600, false},
        {"a word of another script just past", greek, past(greek), true},
        {"a word of another script inside", greek, inside(greek), false},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const QString shown = shownAt(c.caption, c.pixels);
        EXPECT_EQ(shown.contains(QChar(0x200B)), c.broken) << shown.toStdString();
        QString joined = shown;
        EXPECT_EQ(joined.remove(QChar(0x200B)), c.caption);
    }
}

// A word is broken at the edge only in a label with room for another line, where its pieces show: a
// figure too wide for a one-line label of the account panel keeps its last digits on the line they
// belong to, and a label that grows with its caption or scrolls always has that room.
TEST(TextControls, OnlyALabelWithRoomForAnotherLineBreaksAWord)
{
    Form form(QStringLiteral("frmTest"), 9000, 4000);
    const FontSpec font{QStringLiteral("MS Sans Serif"), 8.25f, true};
    const QString figure = QStringLiteral("1,644,515,800.00");
    const int past = static_cast<int>(std::floor(QFontMetricsF(toQFont(font)).horizontalAdvance(figure)));
    const struct {
        const char *what;
        int heightTwips;
        bool autoSize;
        bool scrolls;
        bool broken;
    } cases[] = {
        {"a value of the account panel", 255, false, false, false},
        {"the score", 360, false, false, false},
        {"two lines", 615, false, false, true},
        {"one line, auto-sized", 255, true, false, true},
        {"one line, scrolling", 255, false, true, true},
        {"back to one line", 255, false, false, false},
    };
    Label label(form.client(), QStringLiteral("lbl"));
    label.setFontSpec(font);
    label.setJustify(Justify::Right);
    label.setCaption(figure);
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        label.setScrolls(c.scrolls);
        label.setAutoSize(c.autoSize);
        label.setTwipRect({1440, 1920, pixelsToTwips(past), c.heightTwips});
        EXPECT_EQ(label.text().contains(QChar(0x200B)), c.broken) << label.text().toStdString();
        QString joined = label.text();
        EXPECT_EQ(joined.remove(QChar(0x200B)), figure);
    }
}

} // namespace
} // namespace tarvello::forms
