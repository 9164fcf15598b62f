#include "windows/EconCalendarWindow.h"

#include <cmath>

namespace tarvello {

using namespace forms::colors;

namespace {

constexpr int kClientWidth = 5400;
constexpr int kRowHeight = 300;

// The report at the left, when it comes out at the right; a rule under the heading and every second row.
const char *const kCaptions[14] = {
    "Report",          "Released",   "Employment report", "First Friday of the month",
    "Consumer prices", "Mid-month",  "Producer prices",   "Mid-month",
    "Oil inventories", "Every week", "Crop reports",      "Monthly, in the growing season",
    "Cattle on feed",  "Monthly",
};

} // namespace

frmEconCalendar::frmEconCalendar() : Form(QStringLiteral("frmEconCalendar"), kClientWidth, 3000)
{
    setFixedDialogBorder();
    setCaption(QStringLiteral("Economic Calendar"));
    setBackColor(kVeryDarkRed);
    for (int i = 0; i < 14; ++i) {
        auto *label = new forms::Label(client(), QStringLiteral("Label%1").arg(i + 1),
                                       QString::fromLatin1(kCaptions[i]));
        const int row = i / 2;
        label->setTwipRect({i % 2 == 0 ? 240 : 2400, 120 + row * kRowHeight, i % 2 == 0 ? 2100 : 2760, 240});
        label->setForeColor(kYellow);
        label->setBackColor(kVeryDarkRed);
        labels[static_cast<size_t>(i)] = label;
    }
    for (int i = 0; i < 4; ++i) {
        auto *line = new forms::Line(client(), QStringLiteral("Line%1").arg(i + 1));
        const int y = 120 + (1 + 2 * i) * kRowHeight - 30;
        line->setPoints(240, y, kClientWidth - 240, y);
        line->setBorderColor(kYellow);
        lines[static_cast<size_t>(i)] = line;
    }
    btnClose = new forms::CommandButton(client(), QStringLiteral("btnClose"), QStringLiteral("&Close"));
    btnClose->setTwipRect({0, 2400, 972, 372});
}

namespace econcalendar {

void Form_Load(frmEconCalendar &w)
{
    w.btnClose->setTwipLeft(static_cast<int>(std::lround((w.twipWidth() - w.btnClose->twipWidth()) * 0.5)));
}

} // namespace econcalendar

} // namespace tarvello
