#include "orders/ui/TradeConfirmation.h"

#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/frmTradeConfirmation.h"

#include <cmath>

namespace tarvello {

void ShowTradeConfirmation(App &app, const QString &text)
{
    frmTradeConfirmation &window = app.forms.get<frmTradeConfirmation>();
    window.lblTradeConfirmation->setCaption(text);
    window.showModal(&app.main());
}

void centreOverMainWindow(App &app, forms::Form &window)
{
    const Halvern &main = app.main();
    // The centre is reckoned in Single twips and rounded to whole twips only at the end.
    const float top = static_cast<float>(main.twipTop()) +
                      static_cast<float>(main.twipHeight() - window.twipHeight()) * 0.5f;
    const float left = static_cast<float>(main.twipLeft()) +
                       static_cast<float>(main.twipWidth() - window.twipWidth()) * 0.5f;
    window.setTwipTop(static_cast<int>(std::lround(top)));
    window.setTwipLeft(static_cast<int>(std::lround(left)));
}

namespace tradeconfirmation {

void Form_Load(App &app)
{
    centreOverMainWindow(app, app.forms.get<frmTradeConfirmation>());
}

void Form_Unload(App &app, int16_t &cancel)
{
    cancel = 1;
    app.forms.get<frmTradeConfirmation>().setVisible(false);
}

void Command1_Click(App &app)
{
    frmTradeConfirmation &window = app.forms.get<frmTradeConfirmation>();
    window.setVisible(false);
    window.lblTradeConfirmation->setCaption(QString());
}

void Form_Click(App &app)
{
    app.forms.get<frmTradeConfirmation>().setVisible(false);
}

void lblTradeConfirmation_Click(App &app)
{
    app.forms.get<frmTradeConfirmation>().setVisible(false);
    forms::doEvents();
}

} // namespace tradeconfirmation

void connectTradeConfirmation(frmTradeConfirmation &w, App &app)
{
    w.setLoadHandler([&app] { tradeconfirmation::Form_Load(app); });
    w.setUnloadHandler([&app](int16_t &cancel) { tradeconfirmation::Form_Unload(app, cancel); });
    w.setClickHandler([&app] { tradeconfirmation::Form_Click(app); });
    w.Command1->setClickHandler([&app] { tradeconfirmation::Command1_Click(app); });
    w.lblTradeConfirmation->setClickHandler([&app] { tradeconfirmation::lblTradeConfirmation_Click(app); });
}

} // namespace tarvello
