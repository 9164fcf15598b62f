// A price file whose tables make their rows only when read: "&Begin" gives the notice that names the
// table at once, instead of reading rows without end.
#include "AdvanceFixture.h"

#include "common/VbDate.h"

#include <QDir>

namespace tarvello::test {
namespace {

class HostileFile : public AdvanceTest {};

TEST_F(HostileFile, ACalendarViewIsNamedAtBeginInsteadOfRead)
{
    addTickDays(fixture, tickDays());
    // The three trading days over and over: a huge count would keep the window from answering; this
    // one is small enough that reading it ends, in a game or another notice, which this test refuses.
    fixture.exec(
        QStringLiteral("DROP TABLE TickTradeDaysResults; CREATE VIEW TickTradeDaysResults AS "
                       "WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE i < 3000) "
                       "SELECT %1 + i % 3 AS [Date] FROM n")
            .arg(vb::toSerial(1997, 7, 1)));
    host.setDefaultAnswer(ScriptedModalHost::click(QStringLiteral("btnOkay")));

    beginNewGame({Tick, Month});

    const auto shown = showsOf(QStringLiteral("frmPlayerNotification"));
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, QStringLiteral("Tarvello"));
    const QString text = shown[0].text(QStringLiteral("Label1"));
    EXPECT_TRUE(text.contains(QStringLiteral("its table TickTradeDaysResults is a view")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QDir::toNativeSeparators(fixture.path()))) << text.toStdString();
    EXPECT_FALSE(state.clock.gameDataLoaded);
    EXPECT_EQ(programEnd.calls(), 1); // a file that cannot be opened ends the program, as at start-up
}

} // namespace
} // namespace tarvello::test
