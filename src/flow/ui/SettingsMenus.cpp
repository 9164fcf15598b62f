#include "flow/ui/SettingsMenus.h"

#include "flow/GamePeriod.h"
#include "flow/ui/LevelSelected.h"
#include "flow/ui/MenuEnabling.h"
#include "platform/forms/FormRegistry.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"
#include "windows/frmLevelSelected.h"

namespace tarvello {

namespace {

void setSettingsEnabled(Halvern &w, bool enabled)
{
    for (forms::MenuItem *item :
         {w.mnuLevel[0], w.mnuLevel[2], w.mnuNews[0], w.mnuNews[1], w.mnuGameLength[2], w.mnuGameLength[3],
          w.mnuGameLength[4], w.mnuDat[0], w.mnuDat[1]})
        item->setEnabled(enabled);
}

} // namespace

void DisableSettingsMenus(App &app)
{
    setSettingsEnabled(app.main(), false);
}

void EnableSettingsMenus(App &app)
{
    setSettingsEnabled(app.main(), true);
}

void mnuDat_Click(Halvern &w, int16_t index)
{
    if (index != 0 && index != 1)
        return;
    w.mnuDat[0]->setChecked(index == 0);
    w.mnuDat[1]->setChecked(index == 1);
}

void mnuGameLength_Click(App &app, int16_t index)
{
    Halvern &w = app.main();
    w.setEnabled(false);
    DisableMainMenus(w);
    // Items 2, 3 and 4.
    const struct {
        GameLengthOption length;
        const char *text;
    } items[] = {{GameLengthOption::OneMonth, "One Month"},
                 {GameLengthOption::OneQuarter, "One Quarter"},
                 {GameLengthOption::OneYear, "One Year"}};
    if (index >= 2 && index <= 4) {
        for (int16_t item = 2; item <= 4; ++item)
            w.mnuGameLength[item]->setChecked(item == index);
        app.state.settings.gameLength = gameLengthPeriods(items[index - 2].length);
        app.forms.get<frmLevelSelected>().lblMaxGameLength->setCaption(
            QString::fromLatin1(items[index - 2].text));
    }
    w.setEnabled(true);
    EnableMainMenus(w);
}

std::optional<GameLengthOption> checkedGameLength(const Halvern &w)
{
    std::optional<GameLengthOption> checked;
    for (const auto &[item, length] : {std::pair{int16_t(2), GameLengthOption::OneMonth},
                                       std::pair{int16_t(3), GameLengthOption::OneQuarter},
                                       std::pair{int16_t(4), GameLengthOption::OneYear}}) {
        if (w.mnuGameLength[item]->checked())
            checked = length;
    }
    return checked;
}

} // namespace tarvello
