#pragma once

#include <QPoint>

#include <optional>

namespace tarvello::forms {

// A window's frame as the window system reports it.
class FrameReport {
public:
    virtual ~FrameReport() = default;
    // Whether the window is on screen.
    virtual bool shown() const = 0;
    // The frame's top left; none until the window manager has reported the frame around the window.
    virtual std::optional<QPoint> framePosition() const = 0;
    // Places the frame's top left, the frame being known.
    virtual void moveFrame(QPoint at) = 0;
};

// Left and Top place the outer frame, but on X11 a window may be mapped with its client area where the
// frame should be, and the window manager then reports the frame late: after the window is mapped,
// possibly after its first paint. The frame is placed once it is known, however late; once it is, the
// placement is done and the window is the player's to move.
class FramePlacer {
public:
    explicit FramePlacer(QPoint target) : target_(target) {}
    void setTarget(QPoint target) { target_ = target; }
    bool pending() const { return pending_; }
    // Called whenever the window system may have told something new of the window: shown, moved,
    // painted, framed.
    void update(FrameReport &window);

private:
    QPoint target_;
    bool pending_ = true;
};

} // namespace tarvello::forms
