// The account panel and the position labels of the main window.
#include "account/AccountPanel.h"
#include "account/ui/AccountWindow.h"
#include "data/ui/QuoteLines.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

void UpdateAccountDisplay(App &app)
{
    Halvern &w = app.main();
    const AccountPanelTexts texts = accountDisplay(app.state, app.state.clock.tradeDay);
    for (const LabelCaption &caption : texts.captions()) {
        auto *label = w.client()->findChild<forms::Label *>(caption.control, Qt::FindDirectChildrenOnly);
        Q_ASSERT_X(label, "UpdateAccountDisplay", qPrintable(caption.control));
        if (label)
            label->setCaption(caption.caption);
    }
    ShowCurrentMarket(app);
}

} // namespace tarvello
