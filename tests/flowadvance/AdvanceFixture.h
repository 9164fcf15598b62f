#pragma once

#include "../flow/FlowFixture.h"

#include "data/PriceDatabase.h"
#include "flow/ui/LevelSetup.h"
#include "support/FixtureDb.h"
#include "support/FixtureGames.h"
#include "windows/frmEndofGame.h"
#include "windows/frmGameOver.h"

#include <QDate>

#include <vector>

namespace tarvello::test {

using enum GameOption;

// Games played from Game > "&Start" to their summary on the real main window, over a small fixture
// database. The options dialog's draws (0.5) pick 1 January 1991 for a Daily game and July 1997 for a
// Tick game; the fixtures hold a few days of prices there.
class AdvanceTest : public FlowTest {
protected:
    // Daily rows from 24 January 1991: six January days, then 1 and 4 February.
    static std::vector<QDate> dailyDays() { return weekdays(QDate(1991, 1, 24), 8); }
    // Tick days: 1 to 3 July 1997.
    static std::vector<QDate> tickDays(int count = 3) { return weekdays(QDate(1997, 7, 1), count); }

    AdvanceTest()
    {
        pointAt(state, fixture);
        SetupGameLevel(app, Level::Expert); // as start-up leaves the main window
    }
    ~AdvanceTest() override { CloseDatabase(state.priceDatabase); }

    void forward() { w().btnChangePeriod->click(); }

    // From now on, every modal window not answered otherwise: notices closed with OK, the summary
    // windows answered by `summary`.
    void answerSummaries(ScriptedModalHost::Answer summary)
    {
        host.setDefaultAnswer([summary](forms::Form &form) {
            if (form.objectName() == QStringLiteral("frmPlayerNotification"))
                ScriptedModalHost::click(QStringLiteral("btnOkay"))(form);
            else if (form.objectName() == QStringLiteral("frmGameOver") ||
                     form.objectName() == QStringLiteral("frmEndofGame"))
                summary(form);
        });
    }
    void answerSummaries(const QString &button) { answerSummaries(ScriptedModalHost::click(button)); }

    // "&Forward" until the game ends (a summary window shows), at most `limit` clicks; the number of
    // clicks it took.
    int forwardToTheEnd(int limit = 200)
    {
        const size_t shown = summaryShows();
        int clicks = 0;
        while (summaryShows() == shown && clicks < limit && w().btnChangePeriod->enabled()) {
            forward();
            ++clicks;
        }
        return clicks;
    }

    // The notices of the period advance itself (helpful hints aside).
    std::vector<Notice> traderNotices() const
    {
        std::vector<Notice> found;
        for (const Notice &n : notices()) {
            if (n.title == QStringLiteral("Trader Notification"))
                found.push_back(n);
        }
        return found;
    }

    size_t summaryShows() const
    {
        return showsOf(QStringLiteral("frmGameOver")).size() + showsOf(QStringLiteral("frmEndofGame")).size();
    }

    // The settings items a running game locks.
    std::vector<forms::MenuItem *> settingsItems()
    {
        return {w().mnuLevel[0],      w().mnuLevel[2],      w().mnuNews[0],
                w().mnuNews[1],       w().mnuGameLength[2], w().mnuGameLength[3],
                w().mnuGameLength[4], w().mnuDat[0],        w().mnuDat[1]};
    }

    FixtureDb fixture;
};

} // namespace tarvello::test
