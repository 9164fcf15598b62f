#include "StartupFixture.h"

#include "common/VbDate.h"
#include "flow/ui/Startup.h"
#include "news/ui/NotificationBox.h"
#include "shell/ui/About.h"
#include "shell/ui/Disclaimer.h"
#include "windows/AboutWindow.h"
#include "windows/DisclaimerWindow.h"
#include "windows/NotificationBox.h"

#include <QFile>
#include <QTemporaryDir>

#include <functional>

namespace tarvello::test {
namespace {

using Strings = std::vector<QString>;
const QString kAbout = QStringLiteral("frmAboutHalvern");
const QString kDisclaimerForm = QStringLiteral("frmDisclaimer");

TEST_F(StartupTest, AgreeingLeavesTheMainWindowWaitingForAGame)
{
    bool openDuringAbout = true;
    bool openDuringDisclaimer = false;
    host.answerNext([&](forms::Form &about) {
        openDuringAbout = state.priceDatabase.DbOpen;
        ScriptedModalHost::click(QStringLiteral("cmdOK"))(about);
    });
    host.answerNext([&](forms::Form &disclaimer) {
        openDuringDisclaimer = state.priceDatabase.DbOpen;
        ScriptedModalHost::click(QStringLiteral("btnClose"))(disclaimer);
    });
    Halvern &main = w();

    // The About window opens before the database, the Disclaimer after it, both over the main window.
    ASSERT_EQ(shownForms(), (Strings{kAbout, kDisclaimerForm}));
    EXPECT_FALSE(openDuringAbout);
    EXPECT_TRUE(openDuringDisclaimer);
    EXPECT_EQ(host.shows()[0].owner, "Halvern");
    EXPECT_EQ(host.shows()[1].owner, "Halvern");
    EXPECT_EQ(host.shows()[1].text(QStringLiteral("txtNewsDisplay")), kDisclaimer);
    EXPECT_FALSE(forms.isLoaded<frmAboutHalvern>());
    EXPECT_FALSE(forms.isLoaded<frmDisclaimer>());

    // Idle: the main window up and usable, the database open, no game, the Game menu offering "&Start".
    EXPECT_FALSE(programEnd.ended());
    EXPECT_TRUE(main.visible());
    EXPECT_TRUE(main.enabled());
    EXPECT_TRUE(state.priceDatabase.DbOpen);
    EXPECT_EQ(state.priceDatabase.DbOpenFailed, 0);
    EXPECT_EQ(state.priceDatabase.DbPath, fixture.path());
    EXPECT_EQ(state.clock.tradeDay, 0);
    EXPECT_EQ(main.mnuNewGame->caption(), "&Start");
    EXPECT_EQ(state.settings.level, Level::Expert);
    EXPECT_FALSE(state.settings.gameStarted);
    EXPECT_EQ(state.settings.optionsChosen, 0);
    EXPECT_EQ(state.settings.levelChosenFromMenu, 0);
    EXPECT_EQ(state.order.securitySelected, 0);
    EXPECT_EQ(state.settings.startDate, vb::toSerial(1990, 12, 15));
    EXPECT_EQ(app.helpFile, "zelk.hlp");

    // Title, fixed size and place, whatever the screen.
    EXPECT_EQ(main.caption(), "Morvaine");
    EXPECT_EQ(main.GameName->caption(), "Tarvello");
    EXPECT_EQ(main.twipLeft(), 0);
    EXPECT_EQ(main.twipTop(), 0);
    EXPECT_EQ(main.twipWidth(), 9540);
    EXPECT_EQ(main.twipHeight(), 7220);

    // The charts' defaults: Oil charted with the moving average of 5 periods and its mean line.
    ASSERT_EQ(main.cboCommodity->listCount(), 6);
    const char *keys[] = {"Cattle", "Gold", "Oil", "SP500", "Soybean", "TBond"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(main.cboCommodity->list(i), keys[i]);
    EXPECT_EQ(main.cboCommodity->listIndex(), 2);
    EXPECT_EQ(main.cboCommodity->text(), "Oil");
    EXPECT_EQ(state.chart.selectedCommodity, 3);
    for (const auto &[index, item] : main.mnuGraph)
        EXPECT_EQ(item->checked(), index == 0) << index;
    EXPECT_EQ(state.chart.graphType, "MovingAverage");
    EXPECT_EQ(state.chart.movingAveragePeriod, 5);
    EXPECT_TRUE(main.mnuMoving[0]->checked());
}

// The About window comes first, alone, then the Disclaimer: the main window is not on the screen behind
// them and shows only once both are answered, as the last step of its load.
TEST_F(StartupTest, TheMainWindowShowsOnlyAfterTheOpeningWindows)
{
    std::vector<bool> mainOnScreen;
    const auto answer = [&](const QString &button) {
        return [&, button](forms::Form &form) {
            const Halvern &main = forms.get<Halvern>();
            mainOnScreen.push_back(main.visible() || main.isVisible());
            ScriptedModalHost::click(button)(form);
        };
    };
    host.answerNext(answer(QStringLiteral("cmdOK")));
    host.answerNext(answer(QStringLiteral("btnClose")));
    Halvern &main = w();
    ASSERT_EQ(shownForms(), (Strings{kAbout, kDisclaimerForm}));
    EXPECT_EQ(mainOnScreen, (std::vector<bool>{false, false}));
    EXPECT_TRUE(main.visible());
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(forms.activeForm(), &main);
    EXPECT_FALSE(main.btnChangePeriod->toolTipText().isEmpty()) << "its Activate ran when it showed";
    main.setVisible(false);
}

TEST_F(StartupTest, DisagreeingEndsTheProgram)
{
    startUp(QStringLiteral("btnExit"));

    EXPECT_EQ(shownForms(), (Strings{kAbout, kDisclaimerForm}));
    EXPECT_EQ(programEnd.calls(), 1);
    EXPECT_EQ(programEnd.code(), 0);
    EXPECT_FALSE(host.shows().back().shownAfterAnswer);
}

TEST_F(StartupTest, ClosingTheDisclaimerIsNoConsent)
{
    host.answerNext(ScriptedModalHost::click(QStringLiteral("cmdOK")));
    host.answerNext(ScriptedModalHost::unload()); // the close box
    w();

    EXPECT_EQ(shownForms(), (Strings{kAbout, kDisclaimerForm}));
    EXPECT_EQ(programEnd.calls(), 1);
}

TEST_F(StartupTest, ExitGameClosesTheDatabaseAndEnds)
{
    startUp();
    const int connections = db::Database::openConnections();

    ExitGame(app);

    EXPECT_EQ(programEnd.calls(), 1);
    EXPECT_EQ(programEnd.code(), 0);
    EXPECT_FALSE(state.priceDatabase.DbOpen);
    EXPECT_EQ(db::Database::openConnections(), connections - 1);

    // Again, with the database closed and no help ever opened: it simply ends.
    ExitGame(app);
    EXPECT_EQ(programEnd.calls(), 2);
}

// A price database start-up cannot open: the About window still comes first, then the notice with
// the failure, in the box's taller layout, and the program ends without a Disclaimer.
struct OpenFailure {
    const char *name;
    std::function<QString(FixtureDb &fixture, QTemporaryDir &elsewhere)> programDirectory;
    const char *description;
};

class FailedOpen : public StartupTest, public testing::WithParamInterface<OpenFailure> {};

TEST_P(FailedOpen, IsReportedAndEndsTheProgram)
{
    QTemporaryDir elsewhere;
    app.programDirectory = GetParam().programDirectory(fixture, elsewhere);
    const ModalShow *notice = startUpToTheEndingNotice();
    ASSERT_NE(notice, nullptr);

    EXPECT_TRUE(notice->text(QStringLiteral("Label1")).contains(QString::fromLatin1(GetParam().description)))
        << notice->text(QStringLiteral("Label1")).toStdString();
    EXPECT_EQ(notice->rect.height, 1620);
    EXPECT_EQ(notice->control(QStringLiteral("btnOkay")).rect.top, 870);
    EXPECT_EQ(notice->backColor, 0xFF0000u);
    EXPECT_EQ(state.priceDatabase.DbOpenFailed, 1);
    EXPECT_FALSE(forms.isLoaded<frmDisclaimer>());
    EXPECT_FALSE(w().visible() || w().isVisible()) << "the program ended before its main window showed";
}

INSTANTIATE_TEST_SUITE_P(
    StartupTest, FailedOpen,
    testing::Values(OpenFailure{"MissingFile", [](FixtureDb &, QTemporaryDir &empty) { return empty.path(); },
                                "Could not find the price database"},
                    OpenFailure{"CorruptFile",
                                [](FixtureDb &, QTemporaryDir &dir) {
                                    QFile file(dir.filePath(QStringLiteral("futures.mdb")));
                                    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
                                    file.write(QByteArray(4096, '\x5a'));
                                    return dir.path();
                                },
                                "is not a price database"},
                    OpenFailure{"WrongPassword",
                                [](FixtureDb &fixture, QTemporaryDir &) {
                                    fixture.setInfo(QStringLiteral("Password"),
                                                    QStringLiteral("not the game's"));
                                    return fixture.directory();
                                },
                                "Not a valid password"}),
    [](const testing::TestParamInfo<OpenFailure> &info) { return std::string(info.param.name); });

// A database without a disclaimer to show: the player is told so and the program ends, the database
// closed; no blank disclaimer is offered.
struct MissingDisclaimer {
    const char *name;
    const char *sql;
    QString message;
};

class NoDisclaimer : public StartupTest, public testing::WithParamInterface<MissingDisclaimer> {};

TEST_P(NoDisclaimer, IsReportedAndEndsTheProgram)
{
    fixture.exec(QString::fromLatin1(GetParam().sql));
    const ModalShow *notice = startUpToTheEndingNotice();
    ASSERT_NE(notice, nullptr);

    EXPECT_TRUE(notice->text(QStringLiteral("Label1")).startsWith(GetParam().message))
        << notice->text(QStringLiteral("Label1")).toStdString();
    EXPECT_EQ(notice->rect.height, 1400);
}

INSTANTIATE_TEST_SUITE_P(
    StartupTest, NoDisclaimer,
    testing::Values(
        MissingDisclaimer{"NoRow", "DELETE FROM OverviewNews", disclaimer::missingMessage()},
        MissingDisclaimer{"BlankRow", "UPDATE OverviewNews SET News = '  '", disclaimer::missingMessage()},
        MissingDisclaimer{"QueryFails", "DROP TABLE OverviewNews", disclaimer::unreadableMessage(QString())}),
    [](const testing::TestParamInfo<MissingDisclaimer> &info) { return std::string(info.param.name); });

} // namespace
} // namespace tarvello::test
