#include "ShellFixture.h"

#include "platform/help/HelpViewer.h"
#include "platform/print/WindowPrinter.h"
#include "shell/HelpPages.h"
#include "shell/ui/HelpCommands.h"
#include "windows/Halvern.h"

#include <QFile>
#include <QTextBrowser>

#include <functional>

namespace tarvello::test {
namespace {

struct HelpCall {
    uint32_t command;
    int32_t data;
    bool windowEnabled;
    bool menusEnabled;
    bool operator==(const HelpCall &) const = default;
};

class RecordingHelp final : public help::HelpViewer {
public:
    explicit RecordingHelp(Halvern *&w) : w_(w) {}
    void helpCommand(QWidget *, const QString &, uint32_t command, int32_t data) override
    {
        calls.push_back({command, data, w_->enabled(), w_->mnuGame->enabled()});
    }
    std::vector<HelpCall> calls;

private:
    Halvern *&w_;
};

class HelpTest : public ShellTest {
protected:
    HelpTest()
    {
        window = &w();
        app.help = &help;
    }
    Halvern *window = nullptr;
    RecordingHelp help{window};
};

// Each topic first closes any help window, then opens its page with the main window and its menus
// disabled; both are enabled again afterwards.
TEST_F(HelpTest, TopicsCloseHelpThenOpenTheirPage)
{
    struct Case {
        const char *name;
        std::function<void()> click;
        uint32_t command;
        int32_t data;
    };
    const Case cases[] = {
        {"Instructions", [this] { w().mnuInstructions->click(); }, help::HELP_CONTENTS, 0},
        {"Definitions A-L", [this] { w().mnuDefinitions[0]->click(); }, help::HELP_CONTEXT, 1003},
        {"Definitions M-Z", [this] { w().mnuDefinitions[1]->click(); }, help::HELP_CONTEXT, 1004},
        {"Disclaimer", [this] { w().mnuDisclaimer->click(); }, help::HELP_CONTEXT, 1006},
        {"Morvaine", [this] { w().mnuMorvaine->click(); }, help::HELP_CONTEXT, 1009},
        {"How to", [this] { w().mnuHowto->click(); }, help::HELP_CONTEXT, 1012},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        help.calls.clear();
        c.click();
        const std::vector<HelpCall> expected = {{help::HELP_QUIT, 0, false, false},
                                                {c.command, c.data, false, false}};
        EXPECT_EQ(help.calls, expected);
        EXPECT_TRUE(w().enabled());
        EXPECT_TRUE(w().mnuGame->enabled());
    }
}

TEST_F(HelpTest, EconomicCalendarDisablesNothingAndEnablesBoth)
{
    w().mnuSettings->setEnabled(true);
    w().mnuEconomicCalendar->click();
    const std::vector<HelpCall> expected = {{help::HELP_QUIT, 0, true, true},
                                            {help::HELP_CONTEXT, 1007, true, true}};
    EXPECT_EQ(help.calls, expected);
    EXPECT_TRUE(w().enabled());
    EXPECT_TRUE(w().mnuZelk->enabled());
}

TEST(HelpWindow, ShowsPagesByNumberAndCloses)
{
    help::HelpWindow viewer(help::helpPages());
    viewer.helpCommand(nullptr, QStringLiteral("zelk.hlp"), help::HELP_QUIT, 0); // nothing open: nothing happens
    EXPECT_FALSE(viewer.isOpen());

    for (int32_t context : {1003, 1004, 1006, 1007, 1009, 1012}) {
        SCOPED_TRACE(context);
        ASSERT_NE(help::findHelpPage(context), nullptr);
        viewer.helpCommand(nullptr, QStringLiteral("zelk.hlp"), help::HELP_CONTEXT, context);
        EXPECT_TRUE(viewer.isOpen());
        EXPECT_EQ(viewer.shownContext(), context);
        EXPECT_TRUE(viewer.browser()->windowTitle().endsWith(help::findHelpPage(context)->title));
    }
    viewer.helpCommand(nullptr, QStringLiteral("zelk.hlp"), help::HELP_CONTENTS, 0);
    EXPECT_EQ(viewer.shownContext(), 0);
    // The contents page links every topic.
    for (const help::HelpPage &page : help::helpPages()) {
        if (page.context != 0) {
            EXPECT_TRUE(help::findHelpPage(0)->html.contains(QStringLiteral("topic:%1").arg(page.context)));
        }
    }

    viewer.helpCommand(nullptr, QStringLiteral("zelk.hlp"), help::HELP_CONTEXT, 41067);
    EXPECT_EQ(viewer.shownContext(), -1);
    EXPECT_TRUE(viewer.browser()->toPlainText().contains(QStringLiteral("Topic not found")));

    viewer.helpCommand(nullptr, QString(), help::HELP_QUIT, 0);
    EXPECT_FALSE(viewer.isOpen());
}

class RecordingPrinter final : public print::WindowPrinter {
public:
    bool printWindow(QWidget &window) override
    {
        printed.push_back(window.objectName());
        return succeeds;
    }
    void showMessage(QWidget *owner, const QString &title, const QString &text) override
    {
        messages.push_back({owner ? owner->objectName() : QString(), title, text});
    }
    bool succeeds = true;
    std::vector<QString> printed;
    std::vector<std::array<QString, 3>> messages;
};

TEST_F(ShellTest, PrintScreenPrintsTheMainWindowOrSaysItCouldNot)
{
    RecordingPrinter printer;
    app.printer = &printer;
    w().mnuPrint->click();
    // The client area with its controls: the menu bar is not printed.
    EXPECT_EQ(printer.printed, std::vector<QString>{QStringLiteral("Halvern_client")});
    EXPECT_TRUE(printer.messages.empty());

    printer.succeeds = false;
    w().mnuPrint->click();
    ASSERT_EQ(printer.messages.size(), 1u);
    EXPECT_EQ(printer.messages[0][0], "Halvern");
    EXPECT_EQ(printer.messages[0][1], "Tarvello");
    EXPECT_EQ(printer.messages[0][2], "The form could not be printed.");
    EXPECT_TRUE(w().enabled());
}

// The print system: it takes or refuses each job, and keeps what it was sent.
class StandInSpooler final : public print::PrintSpooler {
public:
    struct Job {
        QString printer;
        QByteArray pdf;
    };
    QString defaultPrinter() override { return printer; }
    bool submit(const QString &name, const QString &pdfFile, const QString &) override
    {
        QFile file(pdfFile);
        jobs.push_back({name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray()});
        return accepts;
    }
    QString printer = QStringLiteral("Office");
    bool accepts = true;
    std::vector<Job> jobs;
};

// The game's own printer, with its message box recorded instead of shown.
class BoxRecordingPrinter final : public print::WindowPrinter {
public:
    explicit BoxRecordingPrinter(print::PrintSpooler &spooler) : printer_(spooler) {}
    bool printWindow(QWidget &window) override { return printer_.printWindow(window); }
    void showMessage(QWidget *owner, const QString &title, const QString &text) override
    {
        messages.push_back({owner ? owner->objectName() : QString(), title, text});
    }
    std::vector<std::array<QString, 3>> messages;

private:
    print::DefaultPrinter printer_;
};

TEST_F(ShellTest, APrinterThatRefusesTheJobIsAFailureThePlayerIsTold)
{
    StandInSpooler spooler;
    BoxRecordingPrinter printer(spooler);
    app.printer = &printer;
    const std::array<QString, 3> failure = {QStringLiteral("Halvern"), QStringLiteral("Tarvello"),
                                            QStringLiteral("The form could not be printed.")};

    w().mnuPrint->click(); // taken: one page, no box
    ASSERT_EQ(spooler.jobs.size(), 1u);
    EXPECT_EQ(spooler.jobs[0].printer, "Office");
    EXPECT_TRUE(spooler.jobs[0].pdf.startsWith("%PDF"));
    EXPECT_TRUE(printer.messages.empty());

    spooler.accepts = false; // the printer refuses the job
    w().mnuPrint->click();
    EXPECT_EQ(spooler.jobs.size(), 2u);
    ASSERT_EQ(printer.messages.size(), 1u);
    EXPECT_EQ(printer.messages[0], failure);

    spooler.printer.clear(); // no printer at all: nothing is sent
    w().mnuPrint->click();
    EXPECT_EQ(spooler.jobs.size(), 2u);
    ASSERT_EQ(printer.messages.size(), 2u);
    EXPECT_EQ(printer.messages[1], failure);
    EXPECT_TRUE(w().enabled());
}

} // namespace
} // namespace tarvello::test
