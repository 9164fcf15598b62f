#include "platform/forms/Runtime.h"
#include "platform/forms/ProcessEnd.h"

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
