#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

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

} // namespace
} // namespace tarvello::forms
