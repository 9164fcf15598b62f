#include "news/ui/NewsDisplay.h"

#include "windows/NewsWindow.h"

#include "platform/forms/FormRegistry.h"
#include "platform/forms/Runtime.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <QIcon>

namespace tarvello {

namespace {

using namespace forms::colors;

constexpr int kTextWidthMargin = 115;  // the text areas are this much narrower than the window
constexpr int kTextHeightMargin = 360; // and this much lower

} // namespace

namespace newsdisplay {

namespace {

void applyColors(frmNewsDisplay &window, App &app)
{
    const bool mono = app.main().backColor() == kWhite;
    const forms::VbColor back = mono ? kGray : kVeryDarkRed;
    const forms::VbColor text = mono ? kBlack : kYellow;
    window.setBackColor(back);
    window.setForeColor(text);
    window.txtNewsDisplay->setBackColor(back);
    window.txtNewsDisplay->setForeColor(text);
    window.Labelnews->setBackColor(back);
    window.Labelnews->setForeColor(text);
}

} // namespace

void Form_Load(frmNewsDisplay &window, App &app)
{
    applyColors(window, app);
    window.setWindowIcon(QIcon());
    Form_Resize(window);
}

void Form_Activate(frmNewsDisplay &window, App &app)
{
    window.btnclose->setFocus();
    applyColors(window, app);
}

void Form_Resize(frmNewsDisplay &window)
{
    for (forms::Control *area : {static_cast<forms::Control *>(window.txtNewsDisplay),
                                 static_cast<forms::Control *>(window.Labelnews)}) {
        area->setTwipWidth(window.twipWidth() - kTextWidthMargin);
        area->setTwipHeight(window.twipHeight() - kTextHeightMargin);
    }
}

void HideNews(frmNewsDisplay &window)
{
    window.setVisible(false);
    forms::doEvents();
}

void txtNewsDisplay_Click(frmNewsDisplay &window)
{
    window.btnclose->setFocus();
}

} // namespace newsdisplay

void SetNewsWindowHeight(frmNewsDisplay &window, int height)
{
    window.setTwipHeight(height);
    newsdisplay::Form_Resize(window);
}

void ApplyNewsLayout(frmNewsDisplay &window, const NewsLayout &layout)
{
    SetNewsWindowHeight(window, layout.height);
    if (layout.inLabel)
        window.Labelnews->setCaption(window.txtNewsDisplay->text());
    window.Labelnews->setVisible(layout.inLabel);
    window.txtNewsDisplay->setVisible(!layout.inLabel);
}

void ShowNewsText(App &app, const QString &caption, const QString &text)
{
    forms::FormRef<frmNewsDisplay> news(app.forms);
    news->setCaption(caption);
    news->txtNewsDisplay->setText(text);
    news->showModal(&app.main());
}

void connectNewsWindow(frmNewsDisplay &window, App &app)
{
    window.setLoadHandler([&window, &app] { newsdisplay::Form_Load(window, app); });
    window.setActivateHandler([&window, &app] { newsdisplay::Form_Activate(window, app); });
    window.setClickHandler([&window] { newsdisplay::HideNews(window); });
    window.Labelnews->setClickHandler([&window] { newsdisplay::HideNews(window); });
    window.txtNewsDisplay->setDblClickHandler([&window] { newsdisplay::HideNews(window); });
    window.txtNewsDisplay->setClickHandler([&window] { newsdisplay::txtNewsDisplay_Click(window); });
}

} // namespace tarvello
