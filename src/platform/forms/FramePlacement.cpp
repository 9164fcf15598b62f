#include "platform/forms/FramePlacement.h"

namespace tarvello::forms {

void FramePlacer::update(FrameReport &window)
{
    if (!pending_ || !window.shown())
        return;
    const std::optional<QPoint> frame = window.framePosition();
    if (!frame)
        return;
    pending_ = false; // before the move, which may report itself at once
    if (*frame != target_)
        window.moveFrame(target_);
}

} // namespace tarvello::forms
