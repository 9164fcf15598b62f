#include "shell/ui/CustomProgramming.h"

#include "windows/CustomWindow.h"

#include "platform/forms/FormRegistry.h"
#include "shell/Maker.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

using namespace forms::colors;

namespace custom {

QString windowCaption()
{
    return maker::name() + QString(8, QLatin1Char(' ')) + maker::webAddress();
}

QString offerText()
{
    return QStringLiteral(
               "If you are associated with a Broker-Dealer or an Investment Advisor needing custom "
               "programming, ") +
           maker::name() + QStringLiteral(" may be able to help.");
}

QString contactText()
{
    return QStringLiteral("Send e-mail to: ") + maker::emailAddress() + QStringLiteral(", or call ") +
           maker::telephone() + QStringLiteral(" to contact to a Software Developer");
}

void Form_Load(frmCustom &w)
{
    w.setCaption(windowCaption());
    w.lblTop->setCaption(offerText());
    w.lblBottom->setCaption(contactText());
}

void cmdOK_Click(App &app)
{
    app.forms.unload<frmCustom>();
}

} // namespace custom

void mnuCustom_Click(App &app)
{
    forms::FormRef<frmCustom>(app.forms)->showModal(&app.main());
}

void connectCustomWindow(frmCustom &w, App &app)
{
    w.setLoadHandler([&w] { custom::Form_Load(w); });
    // Closing by the close box is "OK": the window goes either way.
    w.cmdOK->setClickHandler([&app] { custom::cmdOK_Click(app); });
}

} // namespace tarvello
