#pragma once

#include "support/MainWindowFixture.h"

#include "data/PriceDatabase.h"
#include "support/FixtureDb.h"

namespace tarvello::test {

// The program's start-up on a fixture price database in the program directory, which holds the
// disclaimer text. Touching the main window runs the start-up; the test queues the answers of its
// modal windows first.
class StartupTest : public MainWindowTest {
protected:
    static inline const QString kDisclaimer =
        QStringLiteral("Tarvello is a game.\r\nIts prices are simulated; nothing in it is advice.");

    StartupTest()
    {
        runStartUp = true;
        app.programDirectory = fixture.directory();
        fixture.addOverviewNews(DisclaimerDate(), 0, kDisclaimer);
    }
    ~StartupTest() override { CloseDatabase(state.priceDatabase); }

    // Start-up with the About window closed by "OK" and the Disclaimer answered by `button`.
    void startUp(const QString &button = QStringLiteral("btnClose"))
    {
        host.answerNext(ScriptedModalHost::click(QStringLiteral("cmdOK")));
        host.answerNext(ScriptedModalHost::click(button));
        w();
    }

    // Start-up that ends in a notice titled "Tarvello" after the About window: the program ends once
    // "OK" closes the notice, with the database closed. Null when the windows came otherwise.
    const ModalShow *startUpToTheEndingNotice()
    {
        host.answerNext(ScriptedModalHost::click(QStringLiteral("cmdOK")));
        host.answerNext(ScriptedModalHost::click(QStringLiteral("btnOkay")));
        w();
        const std::vector<QString> expected{QStringLiteral("frmAboutHalvern"),
                                            QStringLiteral("frmPlayerNotification")};
        EXPECT_EQ(shownForms(), expected);
        if (shownForms() != expected)
            return nullptr;
        const ModalShow &notice = host.shows()[1];
        EXPECT_EQ(notice.caption, "Tarvello");
        EXPECT_EQ(programEnd.calls(), 1);
        EXPECT_EQ(programEnd.code(), 1);
        EXPECT_FALSE(state.priceDatabase.DbOpen);
        return &notice;
    }

    std::vector<QString> shownForms() const
    {
        std::vector<QString> names;
        for (const ModalShow &show : host.shows())
            names.push_back(show.form);
        return names;
    }

    FixtureDb fixture;
};

} // namespace tarvello::test
