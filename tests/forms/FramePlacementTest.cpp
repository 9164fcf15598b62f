#include "platform/forms/FramePlacement.h"

#include <gtest/gtest.h>

#include <vector>

namespace tarvello::forms {
namespace {

// A window as a window manager frames it: mapped with its client area where it was put, the frame
// reported only when the manager gets to it.
class FakeWindow final : public FrameReport {
public:
    bool mapped = false;
    std::optional<QPoint> frame;
    std::vector<QPoint> moves;

    bool shown() const override { return mapped; }
    std::optional<QPoint> framePosition() const override { return frame; }
    void moveFrame(QPoint at) override
    {
        moves.push_back(at);
        frame = at;
    }
};

// Whatever comes first, the first paint or the window manager's report, the frame ends where Left and
// Top put it, moved once and only once it is known; later moves are the player's.
TEST(FramePlacement, TheFrameIsPlacedOnceTheWindowManagerReportsIt)
{
    const QPoint target(0, 0);
    const QPoint titleAbove(-1, -20); // the client area at the target, the title bar above the screen
    const struct {
        const char *what;
        bool reportBeforeFirstPaint;
        QPoint reported;
        std::vector<QPoint> moves;
    } cases[] = {
        {"reported late, misplaced", false, titleAbove, {target}},
        {"reported early, misplaced", true, titleAbove, {target}},
        {"reported late, in place", false, target, {}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        FakeWindow window;
        FramePlacer placer(QPoint(30, 40));
        placer.setTarget(target); // the last Left and Top before the window shows
        placer.update(window);    // not mapped yet: nothing is known
        window.mapped = true;
        if (c.reportBeforeFirstPaint)
            window.frame = c.reported;
        placer.update(window); // the first paint
        if (!c.reportBeforeFirstPaint) {
            EXPECT_TRUE(placer.pending()) << "a frame not reported yet is no reason to stop";
            EXPECT_TRUE(window.moves.empty());
            window.frame = c.reported;
            placer.update(window); // the window manager's report
        }
        EXPECT_EQ(window.moves, c.moves);
        EXPECT_FALSE(placer.pending());
        EXPECT_EQ(window.frame, target);

        window.frame = QPoint(200, 100); // the player drags the window
        placer.update(window);
        EXPECT_EQ(window.moves, c.moves);
    }
}

} // namespace
} // namespace tarvello::forms
