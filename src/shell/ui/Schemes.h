#pragma once

#include "charts/ui/ChartServices.h"
#include "common/Level.h"
#include "platform/forms/VbColor.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace tarvello {

class Halvern;
namespace forms {
class Control;
class Form;
class Line;
} // namespace forms

// The three screen colour schemes. The main window's BackColor is the only record of the scheme in
// force; every window reads it from there.
enum class Scheme { Black, Gray, Mono };

// The scheme a main-window BackColor stands for: 0 Black, &HC0C0C0 Gray, &HFFFFFF Monochrome, none for
// any other colour.
std::optional<Scheme> schemeOf(forms::VbColor mainBackColor);
// The main window's own BackColor and ForeColor in a scheme.
forms::VbColor schemeBackColor(Scheme scheme);
forms::VbColor schemeForeColor(Scheme scheme);

// The border colour of the two level shapes (ShapeNextPeriod, shapeTradeCentral).
forms::VbColor levelShapeColor(Scheme scheme, Level level);

// A text colour on a background colour.
struct ColorPair {
    forms::VbColor fore;
    forms::VbColor back;
};

// The main window's fixed tables, each written whatever the old scheme was.
void ApplyLabelColors(Halvern &w, Scheme scheme);      // captions, position captions, values, title
void ApplyFrameShapeColors(Halvern &w, Scheme scheme); // BorderColor of the frame shapes
void ApplyReportPanelColors(Halvern &w, Scheme scheme);
// Recolours the six market labels for `scheme`, each keeping its state (marked or plain), which is
// read from its BackColor under the scheme still recorded in the main window's BackColor.
void CarryMarkLabels(Halvern &w, Scheme scheme);

// The chart colour settings a scheme makes on each chart, in order.
std::vector<std::pair<GraphColorSetting, int16_t>> graphSchemeSettings(Scheme scheme);

// A window that colours itself: the window and the listed controls take one pair; lines take the text
// colour as their border. Command buttons are never listed.
void colorWindow(forms::Form &window, ColorPair pair, const std::vector<forms::Control *> &controls,
                 const std::vector<forms::Line *> &lines = {});

} // namespace tarvello
