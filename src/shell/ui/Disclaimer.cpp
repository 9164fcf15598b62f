#include "shell/ui/Disclaimer.h"

#include "windows/DisclaimerWindow.h"

#include "common/Services.h"
#include "data/PriceDatabase.h"
#include "flow/ui/Startup.h"
#include "news/ui/Notification.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <cmath>

namespace tarvello {

namespace {

using namespace forms::colors;
constexpr int kDisclaimerId = 0; // the CommodityID no instrument has

int centred(int mainStart, int mainSize, int ownSize)
{
    return static_cast<int>(std::lround(mainStart + (mainSize - ownSize) * 0.5f));
}

// Ends the program after telling the player why there is no disclaimer to agree to.
void refuseToStart(App &app, const QString &message)
{
    ShowNotification(app, QStringLiteral("Tarvello"), message, QString(), 1);
    ExitGame(app, 1);
}

} // namespace

namespace disclaimer {

QString unreadableMessage(const QString &description)
{
    return QStringLiteral("The disclaimer could not be read from the price database: ") + description;
}

QString missingMessage()
{
    return QStringLiteral("The price database holds no disclaimer text, so the game cannot start.");
}

void Form_Load(frmDisclaimer &w, App &app)
{
    const Halvern &main = app.main();
    w.setTwipTop(centred(main.twipTop(), main.twipHeight(), w.twipHeight()));
    w.setTwipLeft(centred(main.twipLeft(), main.twipWidth(), w.twipWidth()));

    const auto text = ReadOverviewNews(app.state.priceDatabase, DisclaimerDate(), kDisclaimerId);
    if (!text) {
        refuseToStart(app, unreadableMessage(text.description()));
        return;
    }
    if (text.value().trimmed().isEmpty()) {
        refuseToStart(app, missingMessage());
        return;
    }
    w.txtNewsDisplay->setText(text.value());

    const float width = static_cast<float>(w.twipWidth());
    w.btnClose->setTwipLeft(static_cast<int>(std::lround(width / 3 - w.btnClose->twipWidth() * 0.5f)));
    w.btnExit->setTwipLeft(static_cast<int>(std::lround(width * 2 / 3 - w.btnExit->twipWidth() * 0.5f)));
}

void btnClose_Click(frmDisclaimer &w, App &app)
{
    w.agreed = true;
    app.forms.unload<frmDisclaimer>();
}

void btnExit_Click(frmDisclaimer &w, App &app)
{
    w.setVisible(false);
    forms::doEvents();
    app.programEnd.end(0);
}

void Form_Unload(frmDisclaimer &w, App &app)
{
    if (!w.agreed)
        btnExit_Click(w, app);
}

void txtNewsDisplay_Click(frmDisclaimer &w)
{
    w.btnClose->setFocus();
}

} // namespace disclaimer

void connectDisclaimer(frmDisclaimer &w, App &app)
{
    w.setLoadHandler([&w, &app] { disclaimer::Form_Load(w, app); });
    w.setUnloadHandler([&w, &app](int16_t &) { disclaimer::Form_Unload(w, app); });
    w.btnClose->setClickHandler([&w, &app] { disclaimer::btnClose_Click(w, app); });
    w.btnExit->setClickHandler([&w, &app] { disclaimer::btnExit_Click(w, app); });
    w.txtNewsDisplay->setClickHandler([&w] { disclaimer::txtNewsDisplay_Click(w); });
}

} // namespace tarvello
