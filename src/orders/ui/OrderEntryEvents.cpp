#include "orders/ui/OrderWindow.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

void connectOrderEntry(Halvern &w, App &app)
{
    w.btnTrade->setClickHandler([&app] { btnTrade_Click(app); });
    w.btnHold->setClickHandler([&app] { btnHold_Click(app); });
    w.btnYes->setClickHandler([&app] { btnYes_Click(app); });
    w.btnNo->setClickHandler([&app] { btnNo_Click(app); });
    w.btnBuy->setClickHandler([&app] { btnBuy_Click(app); });
    w.btnSell->setClickHandler([&app] { btnSell_Click(app); });
    const struct {
        forms::CommandButton *button;
        Instrument instrument;
    } instruments[] = {
        {w.btnGold, Instrument::Gold},     {w.btnSoybean, Instrument::Soybean},
        {w.btnCattle, Instrument::Cattle}, {w.btnTBond, Instrument::TBond},
        {w.btnSp500, Instrument::SP500},   {w.btnOil, Instrument::Oil},
    };
    for (const auto &[button, instrument] : instruments)
        button->setClickHandler([&app, i = instrument] { btnInstrument_Click(app, i); });
    w.inputUnits->setKeyDownHandler(
        [&app](int16_t &keyCode, int16_t shift) { InputUnits_KeyDown(app, keyCode, shift); });
    w.mnuMaximum.setClickHandler([&app](int16_t index) { mnuMaximum_Click(app, index); });
}

} // namespace tarvello
