#include "platform/forms/Runtime.h"
#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"
#include "platform/forms/ProcessEnd.h"
#include "support/Paints.h"

#include <QEvent>

#include <QGuiApplication>
#include <QObject>
#include <QTimer>

#include <gtest/gtest.h>

namespace tarvello::forms {
namespace {

TEST(MousePointer, HourglassAndDefaultAreSettingsNotAStack)
{
    setMousePointer(MousePointer::Hourglass);
    setMousePointer(MousePointer::Hourglass); // a nested loader sets it again
    EXPECT_EQ(mousePointer(), MousePointer::Hourglass);
    setMousePointer(MousePointer::Default);
    EXPECT_EQ(mousePointer(), MousePointer::Default);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    setMousePointer(MousePointer::Default);
    EXPECT_EQ(mousePointer(), MousePointer::Default);
}

TEST(DoEvents, RunsTheEventsAlreadyPending)
{
    QObject context;
    bool ran = false;
    QMetaObject::invokeMethod(
        &context, [&] { ran = true; }, Qt::QueuedConnection);
    EXPECT_FALSE(ran);
    doEvents();
    EXPECT_TRUE(ran);
}

using test::Paints;

TEST(DoEvents, CanLeaveAnEnabledWindowsDrawingToTheNextYield)
{
    Form window(QStringLiteral("frmTest"), 3000, 2000);
    Label label(window.client(), QStringLiteral("lblTest"), QStringLiteral("Before"));
    Form other(QStringLiteral("frmOther"), 3000, 2000);
    Label otherLabel(other.client(), QStringLiteral("lblOther"), QStringLiteral("Before"));
    window.show();
    other.show();
    doEvents();
    const Paints paints(label);
    const Paints otherPaints(otherLabel);
    bool ran = false;
    QObject context;
    QMetaObject::invokeMethod(
        &context, [&] { ran = true; }, Qt::QueuedConnection);
    label.setCaption(QStringLiteral("After"));
    otherLabel.setCaption(QStringLiteral("After"));

    doEventsDrawingLater(window);
    EXPECT_TRUE(ran);
    EXPECT_EQ(paints.count, 0);
    EXPECT_EQ(otherPaints.count, 1); // any other window is drawn as usual
    doEvents();
    EXPECT_EQ(paints.count, 1);
}

TEST(ProcessEndDeathTest, EndsTheProcessAtOnceWithItsCode)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            ProcessEnd end;
            end.end(3);
        },
        ::testing::ExitedWithCode(3), "");
}

} // namespace
} // namespace tarvello::forms
