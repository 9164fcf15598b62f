#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "support/MouseClicks.h"

#include <QCoreApplication>
#include <QMouseEvent>

#include <gtest/gtest.h>

namespace tarvello::forms {
namespace {

using test::clickAt;

TEST(Clicks, ALabelWithAClickProcedureTakesTheClickFromTheWindow)
{
    Form form(QStringLiteral("frmTest"), 3000, 1500);
    form.setVisible(true);
    Label label(form.client(), QStringLiteral("lbl"), QStringLiteral("text"));
    label.setTwipRect({0, 0, 1500, 300});
    int labelClicks = 0;
    int formClicks = 0;
    form.setClickHandler([&] { ++formClicks; });

    // Without a procedure the click falls through to the window, as before.
    clickAt(label, QPoint(5, 5));
    EXPECT_EQ(formClicks, 1);

    label.setClickHandler([&] { ++labelClicks; });
    clickAt(label, QPoint(5, 5));
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(formClicks, 1);

    clickAt(*form.client(), QPoint(150, 80));
    EXPECT_EQ(formClicks, 2);

    // Nothing runs for a hidden label or a disabled window.
    label.setVisible(false);
    label.click();
    form.setEnabled(false);
    form.click();
    EXPECT_EQ(labelClicks, 1);
    EXPECT_EQ(formClicks, 2);
}

} // namespace
} // namespace tarvello::forms
