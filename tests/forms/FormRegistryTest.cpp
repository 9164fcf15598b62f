#include "platform/forms/FormRegistry.h"
#include "platform/forms/Controls.h"
#include "platform/forms/ModalHost.h"
#include "support/ScriptedModalHost.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QTimer>
#include <QWindow>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tarvello::forms {
namespace {

// A small window with the design caption "design" on its label and an OK button.
class frmSample : public Form {
public:
    frmSample() : Form(QStringLiteral("frmSample"), 3000, 2000)
    {
        setCaption(QStringLiteral("Sample"));
        Label1 = new Label(client(), QStringLiteral("Label1"), QStringLiteral("design"));
        Label1->setForeColor(0x00FFFF);
        cmdOK = new CommandButton(client(), QStringLiteral("cmdOK"), QStringLiteral("OK"));
    }
    Label *Label1;
    CommandButton *cmdOK;
};

class frmOwner : public Form {
public:
    frmOwner() : Form(QStringLiteral("frmOwner"), 6000, 4000) {}
};

class Registry : public ::testing::Test {
protected:
    Registry()
    {
        forms.setConnector<frmSample>([this](frmSample &f) {
            f.setLoadHandler([this] {
                log.push_back("Load");
                // The window counts as loaded while its Load handler runs: this is no reload.
                forms.get<frmSample>().Label1->setToolTipText(QStringLiteral("set at load"));
            });
            f.setActivateHandler([this] { log.push_back("Activate"); });
            f.setUnloadHandler([this](int16_t &cancel) {
                log.push_back("Unload");
                cancel = cancelUnload;
            });
            f.cmdOK->setClickHandler([&f] { f.unload(); });
        });
        forms.setConnector<frmOwner>(
            [this](frmOwner &f) { f.setActivateHandler([this] { log.push_back("Owner.Activate"); }); });
    }
    test::ScriptedModalHost host;
    FormRegistry forms{host};
    std::vector<std::string> log;
    int16_t cancelUnload = 0;
};

TEST_F(Registry, TouchingAWindowLoadsItWithoutShowingIt)
{
    EXPECT_FALSE(forms.isLoaded<frmSample>());
    FormRef<frmSample> sample(forms);
    EXPECT_EQ(sample->Label1->caption(), QStringLiteral("design"));
    EXPECT_TRUE(sample.loaded());
    EXPECT_FALSE(sample->visible());
    EXPECT_EQ(sample->Label1->toolTipText(), QStringLiteral("set at load"));
    sample->Label1->setCaption(QStringLiteral("changed"));
    EXPECT_EQ(forms.get<frmSample>().Label1->caption(), QStringLiteral("changed"));
    EXPECT_EQ(log, (std::vector<std::string>{"Load"}));
}

TEST_F(Registry, UnloadingLetsTheWindowGoAndTheNextTouchMakesAFreshOne)
{
    forms.get<frmSample>().Label1->setCaption(QStringLiteral("changed"));
    forms.get<frmSample>().showModeless();
    EXPECT_TRUE(forms.unload<frmSample>());
    EXPECT_FALSE(forms.isLoaded<frmSample>());
    EXPECT_EQ(forms.get<frmSample>().Label1->caption(), QStringLiteral("design"));
    EXPECT_FALSE(forms.get<frmSample>().visible());
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "Activate", "Unload", "Load"}));
}

TEST_F(Registry, AnUnloadHandlerCanCancelAndTheCloseBoxAsksTheSameWay)
{
    frmSample &sample = forms.get<frmSample>();
    sample.showModeless();
    cancelUnload = 1;
    EXPECT_FALSE(sample.unload());
    QCloseEvent close;
    QCoreApplication::sendEvent(&sample, &close);
    EXPECT_TRUE(forms.isLoaded<frmSample>());
    EXPECT_TRUE(sample.visible());

    cancelUnload = 0;
    QCloseEvent again;
    QCoreApplication::sendEvent(&sample, &again);
    EXPECT_FALSE(forms.isLoaded<frmSample>());
    EXPECT_EQ(log, (std::vector<std::string>{"Load", "Activate", "Unload", "Unload", "Unload"}));
}

TEST_F(Registry, ActivateRunsOncePerActivation)
{
    frmOwner &owner = forms.get<frmOwner>();
    owner.showModeless();
    owner.showModeless(); // already the active window
    host.answerNext(test::ScriptedModalHost::click(QStringLiteral("cmdOK")));
    forms.get<frmSample>().showModal(&owner);
    EXPECT_EQ(log,
              (std::vector<std::string>{"Owner.Activate", "Load", "Activate", "Unload", "Owner.Activate"}));
    EXPECT_EQ(forms.activeForm(), &owner);
}

TEST_F(Registry, AModalShowIsRecordedAndAnsweredWithoutBlocking)
{
    frmOwner &owner = forms.get<frmOwner>();
    owner.showModeless();
    forms.get<frmSample>().Label1->setCaption(QStringLiteral("Are you sure?"));
    host.answerNext(test::ScriptedModalHost::click(QStringLiteral("cmdOK")));
    forms.get<frmSample>().showModal(&owner);
    ASSERT_EQ(host.shows().size(), 1u);
    const test::ModalShow &shown = host.shows().front();
    EXPECT_EQ(shown.form, QStringLiteral("frmSample"));
    EXPECT_EQ(shown.caption, QStringLiteral("Sample"));
    EXPECT_EQ(shown.owner, QStringLiteral("frmOwner"));
    EXPECT_EQ(shown.text(QStringLiteral("Label1")), QStringLiteral("Are you sure?"));
    EXPECT_EQ(shown.controls.at(QStringLiteral("Label1")).foreColor, 0x00FFFFu);
    EXPECT_EQ(shown.controls.at(QStringLiteral("cmdOK")).kind, QStringLiteral("CommandButton"));
    EXPECT_FALSE(shown.shownAfterAnswer);
    EXPECT_FALSE(forms.isLoaded<frmSample>());
}

TEST_F(Registry, PaintRunsAfterThePaintingOncePerBatch)
{
    frmSample &sample = forms.get<frmSample>();
    int paints = 0;
    sample.setPaintHandler([&] { ++paints; });
    sample.showModeless();
    (void)sample.grab(); // paints the window
    (void)sample.grab();
    EXPECT_EQ(paints, 0); // queued: the handler may change what is shown
    QCoreApplication::processEvents();
    EXPECT_EQ(paints, 1);
    sample.setVisible(false);
}

TEST_F(Registry, TheOuterSizeIsTheClientAreaAndTheFrame)
{
    frmOwner &owner = forms.get<frmOwner>();
    EXPECT_EQ(owner.twipWidth(), 6000 + 90);
    EXPECT_EQ(owner.twipHeight(), 4000 + 90 + 285);
    owner.setTwipWidth(5000);
    owner.setTwipHeight(3000);
    EXPECT_EQ(owner.scaleWidth(), 5000 - 90);
    EXPECT_EQ(owner.scaleHeight(), 3000 - 90 - 285);
    EXPECT_EQ(owner.client()->width(), (5000 - 90) / 15);
    owner.setTwipLeft(1500);
    owner.setTwipTop(300);
    EXPECT_EQ(owner.twipLeft(), 1500);
    EXPECT_EQ(owner.pos(), QPoint(100, 20));
}

// Left and Top are the outer frame's, so that a window at 0, 0 shows its title bar and close box: the
// client area lies inside the frame, whether the window was placed before its native window was made,
// after that but before it was shown, or while on screen.
TEST_F(Registry, LeftAndTopPlaceTheOuterFrame)
{
    enum class When { BeforeTheNativeWindow, BeforeItShows, OnScreen };
    for (When when : {When::BeforeTheNativeWindow, When::BeforeItShows, When::OnScreen}) {
        SCOPED_TRACE(static_cast<int>(when));
        frmOwner &owner = forms.get<frmOwner>();
        const auto place = [&] {
            owner.setTwipLeft(1500);
            owner.setTwipTop(300);
        };
        if (when == When::BeforeItShows)
            (void)owner.winId();
        if (when != When::OnScreen)
            place();
        owner.showModeless();
        QCoreApplication::processEvents();
        if (when == When::OnScreen)
            place();
        (void)owner.grab(); // paints the window
        QCoreApplication::processEvents();

        const QMargins frame = owner.windowHandle()->frameMargins();
        ASSERT_GT(frame.top(), 0); // the test platform frames its windows
        EXPECT_EQ(owner.frameGeometry().topLeft(), QPoint(100, 20));
        EXPECT_EQ(owner.pos(), QPoint(100, 20));
        EXPECT_EQ(owner.geometry().topLeft(), QPoint(100 + frame.left(), 20 + frame.top()));
        forms.unload<frmOwner>();
    }
}

TEST(EventLoopModalHost, AModalShowReturnsOnceTheWindowIsHiddenOrUnloaded)
{
    EventLoopModalHost host;
    FormRegistry forms(host);
    frmOwner &owner = forms.get<frmOwner>();
    owner.showModeless();
    int steps = 0;
    // Whatever happens, the loop is left within a few seconds so that the test cannot hang.
    QTimer safety;
    safety.setSingleShot(true);
    QObject::connect(&safety, &QTimer::timeout, [&] { forms.get<frmSample>().setVisible(false); });
    safety.start(5000);

    QTimer::singleShot(0, &owner, [&] {
        ++steps;
        forms.get<frmSample>().setVisible(false);
    });
    forms.get<frmSample>().showModal(&owner);
    EXPECT_EQ(steps, 1);
    EXPECT_TRUE(forms.isLoaded<frmSample>());
    EXPECT_FALSE(forms.get<frmSample>().isModal());

    QTimer::singleShot(0, &owner, [&] {
        ++steps;
        forms.get<frmSample>().unload();
    });
    forms.get<frmSample>().showModal(&owner);
    EXPECT_EQ(steps, 2);
    EXPECT_FALSE(forms.isLoaded<frmSample>());
    owner.setVisible(false);
}

} // namespace
} // namespace tarvello::forms
