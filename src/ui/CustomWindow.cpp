#include "ui/CustomWindow.h"

#include "platform/forms/FormRegistry.h"
#include "ui/App.h"
#include "ui/Halvern.h"

namespace tarvello {

using namespace forms::colors;

frmCustom::frmCustom() : Form(QStringLiteral("frmCustom"), 4215, 3675)
{
    setFixedDialogBorder();
    setCaption(custom::windowCaption());
    const auto makeLabel = [this](const char *name, const forms::TwipRect &rect) {
        auto *label = new forms::Label(client(), QString::fromLatin1(name));
        label->setTwipRect(rect);
        label->setJustify(forms::Justify::Center);
        label->setOpaque(true);
        label->setForeColor(kYellow);
        label->setBackColor(kBlue);
        return label;
    };
    Label3 = makeLabel("Label3", {360, 240, 3492, 252}); // a coloured band above the notice
    lblTop = makeLabel("lblTop", {360, 480, 3492, 1932});
    lblTop->setFontSpec({QStringLiteral("MS Sans Serif"), 12.0f, true});
    lblBottom = makeLabel("lblBottom", {360, 2400, 3492, 732});
    cmdOK = new forms::CommandButton(client(), QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setTwipRect({1560, 3240, 972, 372});
}

namespace custom {

QString windowCaption()
{
    return QStringLiteral("Brennic Corporation") + QString(8, QLatin1Char(' ')) +
           QStringLiteral("www.brennic.example.invalid");
}

QString offerText()
{
    return QStringLiteral(
        "If you are associated with a Broker-Dealer or an Investment Advisor needing custom "
        "programming, Brennic Corporation may be able to help.");
}

QString contactText()
{
    return QStringLiteral("Send e-mail to: ") + QStringLiteral("info@brennic.example.invalid") +
           QStringLiteral(", or call ") + QStringLiteral("(555) 010-0199") +
           QStringLiteral(" to contact to a Software Developer");
}

void Form_Load(frmCustom &w)
{
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
