#include "news/ui/NotificationBox.h"

#include "windows/NotificationBox.h"

#include "common/VbMath.h"
#include "news/ui/Notification.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <QPointer>

#include <cmath>
#include <optional>

namespace tarvello {

namespace {

using forms::VbColor;
using namespace forms::colors;

constexpr int kMaxMessageWidth = 6000; // a wider message wraps
constexpr int kBoxMargin = 300;        // the box is this much wider than the message
constexpr int kHeight = 1400;
constexpr int kTallHeight = 1620; // after a failed database open
constexpr int kOkayTop = 630;
constexpr int kTallOkayDrop = 240;
constexpr int kMessageGap = 120; // at least this much between the message and "OK"

struct TextColors {
    VbColor text;
    VbColor back;
};

// The colours of a code under the screen scheme (the main window's background); none for a code or
// a scheme the box does not know, which keeps the colours it has.
std::optional<TextColors> colorsFor(int code, VbColor scheme)
{
    if (code < 0 || code > 4)
        return std::nullopt;
    if (scheme == kWhite)
        return code == 3 ? TextColors{kBlack, kGray} : TextColors{kWhite, kBlack};
    if (scheme != kGray && scheme != kBlack)
        return std::nullopt;
    switch (code) {
    case 2:
    case 4:
        return TextColors{kYellow, kMagenta};
    case 3:
        return TextColors{kYellow, kVeryDarkRed};
    default:
        return TextColors{kYellow, kBlue};
    }
}

} // namespace

int16_t MinInt(int16_t a, int16_t b)
{
    return b < a ? b : a;
}

void ShowNotification(App &app, const QString &title, const QString &message, const QString &, int16_t code)
{
    // The box is loaded only while a notice is being put up or read. A notice raised meanwhile (by a
    // procedure that ran in one of the box's yields) gets a box of its own: closing it must not unload
    // the box the outer notice is still using, and the outer box keeps its message.
    const bool nested = app.forms.isLoaded<frmPlayerNotification>();
    const QString outerText = app.state.news.notificationText;
    app.state.news.notificationText = message;
    // Loading the box lets events run: it is used only if nothing has unloaded it by then.
    const QPointer<frmPlayerNotification> box =
        nested ? &app.forms.loadAnother<frmPlayerNotification>() : &app.forms.get<frmPlayerNotification>();
    if (box) {
        box->setCaption(title);
        box->Label1->setCaption(message);
        box->ColorScheme->setCaption(QString::number(code));
        box->showModal(&app.main());
    }
    if (nested)
        app.state.news.notificationText = outerText;
}

void ShowNotification(App &app, const Notice &notice)
{
    ShowNotification(app, notice.title, notice.message, QString(), notice.code);
}

namespace notification {

void Form_Load(frmPlayerNotification &box, App &app)
{
    Form_Activate(box, app);
    const int width = forms::textWidthTwips(box.fontSpec(), app.state.news.notificationText);
    box.setTwipWidth(width + kBoxMargin);
    box.Label1->setTwipWidth(width);
    box.Label1->setTwipLeft(150);
    box.setCaption(QStringLiteral("Tarvello"));
    box.Label1->setCaption(QString());
}

void Form_Activate(frmPlayerNotification &box, App &app)
{
    const int measured = forms::textWidthTwips(box.fontSpec(), app.state.news.notificationText);
    int16_t width = MinInt(kMaxMessageWidth, vb::CInt(measured));
    box.Label1->setTwipLeft(150);
    box.Label1->setJustify(forms::Justify::Center);
    box.Label1->setTwipWidth(width);
    box.btnOkay->setTwipTop(kOkayTop);
    if (app.state.priceDatabase.DbOpenFailed == 1) {
        box.setTwipHeight(kTallHeight);
        box.btnOkay->setTwipTop(box.btnOkay->twipTop() + kTallOkayDrop);
    } else {
        box.setTwipHeight(kHeight);
    }
    if (width < 0)
        width = 0;
    box.setTwipWidth(width + kBoxMargin);
    box.btnOkay->setTwipLeft(
        static_cast<int>(std::lround(box.twipWidth() / 2.0f - box.btnOkay->twipWidth() / 2.0f)));
    // A message of three lines or more would run under "OK": the box grows to show all of it.
    const int overlap =
        box.Label1->twipTop() + box.Label1->twipHeight() + kMessageGap - box.btnOkay->twipTop();
    if (overlap > 0) {
        box.btnOkay->setTwipTop(box.btnOkay->twipTop() + overlap);
        box.setTwipHeight(box.twipHeight() + overlap);
    }

    Halvern &main = app.main();
    const int code = vb::CInt(box.ColorScheme->caption().toDouble());
    if (const auto colors = colorsFor(code, main.backColor())) {
        box.setBackColor(colors->back);
        box.setForeColor(colors->text);
        box.Label1->setBackColor(colors->back);
        box.Label1->setForeColor(colors->text);
    }
    // The box stands over the middle of the main window.
    box.setTwipLeft(main.twipLeft() + (main.twipWidth() - box.twipWidth()) / 2);
    box.setTwipTop(main.twipTop() + (main.twipHeight() - box.twipHeight()) / 2);
    forms::doEvents();
}

void btnOkay_Click(frmPlayerNotification &box)
{
    box.unload();
    forms::doEvents();
}

void Form_Unload(frmPlayerNotification &box)
{
    box.setCaption(QStringLiteral("Tarvello"));
    box.Label1->setCaption(QString());
}

} // namespace notification

void connectNotificationBox(frmPlayerNotification &box, App &app)
{
    box.setLoadHandler([&box, &app] { notification::Form_Load(box, app); });
    box.setActivateHandler([&box, &app] { notification::Form_Activate(box, app); });
    box.setUnloadHandler([&box](int16_t &) { notification::Form_Unload(box); });
    box.btnOkay->setClickHandler([&box] { notification::btnOkay_Click(box); });
}

} // namespace tarvello
