#include "AdvanceFixture.h"

#include <QCoreApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

#include <functional>
#include <string>

namespace tarvello::test {
namespace {

// "&Forward" locks the main window while the period is worked out: no input gets through, and the
// screen is not greyed and drawn again for it.
class ForwardLock : public AdvanceTest {
protected:
    ForwardLock()
    {
        addDailyCloses(fixture, dailyDays());
        w().showModeless();
    }
    ~ForwardLock() override { w().setVisible(false); }

    // The controls and menu items that Qt draws otherwise than their own Enabled flags (and those of
    // the frames they sit in) say.
    std::vector<std::string> drawnOtherwise()
    {
        std::vector<std::string> wrong;
        for (QWidget *widget : w().findChildren<QWidget *>()) {
            const auto *c = dynamic_cast<const forms::Control *>(widget);
            if (!c)
                continue;
            bool own = true;
            for (QWidget *up = widget; up; up = up->parentWidget()) {
                if (const auto *above = dynamic_cast<const forms::Control *>(up))
                    own = own && above->enabled();
            }
            if (own != widget->isEnabled())
                wrong.push_back(c->name().toStdString());
        }
        for (forms::MenuItem *item : w().findChildren<forms::MenuItem *>()) {
            if (item->enabled() != item->isEnabled())
                wrong.push_back(item->objectName().toStdString());
        }
        return wrong;
    }

    // Runs `act` at the first yield of the next click that finds the main window locked.
    void whileLocked(std::function<void()> act)
    {
        pending_ = std::move(act);
        poll();
    }

    // What the offscreen screen shows of the main window, and the window drawn afresh.
    QImage onScreen() { return w().screen()->grabWindow(w().winId()).toImage(); }
    QImage drawnAfresh() { return w().grab().toImage(); }

private:
    void poll()
    {
        QMetaObject::invokeMethod(
            &context_,
            [this] {
                if (!pending_)
                    return;
                if (w().enabled()) {
                    poll();
                    return;
                }
                auto act = std::move(pending_);
                pending_ = nullptr;
                act();
            },
            Qt::QueuedConnection);
    }

    QObject context_;
    std::function<void()> pending_;
};

TEST_F(ForwardLock, NoInputGetsThroughAndNothingIsGreyedDuringAClick)
{
    beginNewGame({Month});
    forward();
    const int listed = w().cboCommodity->listIndex();
    const int charted = state.chart.selectedCommodity;

    bool locked = false;
    std::vector<std::string> greyed{"(not run)"};
    whileLocked([&] {
        locked = true;
        greyed = drawnOtherwise();
        // The player presses a key on the instrument list and clicks it and the window.
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent key(type, Qt::Key_Down, Qt::NoModifier);
            QCoreApplication::sendEvent(w().cboCommodity, &key);
        }
        for (QWidget *target : {static_cast<QWidget *>(w().cboCommodity), w().client()}) {
            for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
                QMouseEvent mouse(type, QPointF(4, 4), target->mapToGlobal(QPointF(4, 4)), Qt::LeftButton,
                                  type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                                  Qt::NoModifier);
                QCoreApplication::sendEvent(target, &mouse);
            }
        }
    });
    forward();
    ASSERT_TRUE(locked) << "the click let pending events run under its lock";
    EXPECT_TRUE(greyed.empty()) << greyed.front();
    EXPECT_EQ(w().cboCommodity->listIndex(), listed);
    EXPECT_EQ(state.chart.selectedCommodity, charted);
    EXPECT_EQ(state.clock.tradeDay, 2);
    EXPECT_TRUE(w().enabled());
    EXPECT_TRUE(drawnOtherwise().empty()) << drawnOtherwise().front();
}

TEST_F(ForwardLock, TheScreenShowsTheWholeWindowAsItStandsAfterEachClick)
{
    beginNewGame({Month});
    for (int click = 1; click <= 3; ++click) {
        SCOPED_TRACE(click);
        forward();
        QCoreApplication::processEvents(); // back in the event loop, as after every click
        EXPECT_TRUE(drawnOtherwise().empty()) << drawnOtherwise().front();
        EXPECT_EQ(onScreen(), drawnAfresh());
    }
    // The comparison sees a change not yet drawn.
    w().LabelDay->setCaption(QStringLiteral("Date: 2/29/1991"));
    EXPECT_NE(onScreen(), drawnAfresh());
}

// A Tick click yields once more after the lock is released, before it sets the buttons of the period:
// what the screen shows after the click is still the whole window as the click leaves it, the buttons
// included.
TEST_F(ForwardLock, TheScreenShowsTheWholeTickWindowAsItStandsAfterEachClick)
{
    addTickDays(fixture, tickDays());
    beginNewGame({Tick, Month});
    ASSERT_TRUE(state.clock.gameDataLoaded);
    for (int click = 1; click <= 3; ++click) {
        SCOPED_TRACE(click);
        forward();
        QCoreApplication::processEvents();
        EXPECT_TRUE(w().btnChangePeriod->enabled());
        EXPECT_TRUE(w().btnTrade->enabled());
        EXPECT_TRUE(drawnOtherwise().empty()) << drawnOtherwise().front();
        EXPECT_EQ(onScreen(), drawnAfresh());
    }
}

} // namespace
} // namespace tarvello::test
