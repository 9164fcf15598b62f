#include "StartupFixture.h"

#include "common/NewLine.h"
#include "shell/ui/About.h"
#include "shell/ui/Disclaimer.h"
#include "windows/AboutWindow.h"
#include "windows/DisclaimerWindow.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace tarvello::test {
namespace {

using AboutWindow = MainWindowTest;

constexpr forms::VbColor kBlack = 0x000000;
constexpr forms::VbColor kWhite = 0xFFFFFF;
constexpr forms::VbColor kGray = 0xC0C0C0;
const char *const kAboutLabels[] = {"LabelN", "Label1", "Label2", "Label4", "Label6", "Label8"};

TEST_F(AboutWindow, ShowsTheGameAndTheMakerInTheSchemeColours)
{
    const struct {
        const char *scheme;
        forms::VbColor mainBack, mainFore, window;
    } schemes[] = {
        {"black", kBlack, kWhite, 0x008000}, // dark green around the labels
        {"gray", kGray, kBlack, kGray},
        {"monochrome", kWhite, kBlack, kWhite},
    };
    w().showModeless();
    for (const auto &s : schemes) {
        SCOPED_TRACE(s.scheme);
        w().setBackColor(s.mainBack);
        w().setForeColor(s.mainFore);
        host.answerNext(ScriptedModalHost::click(QStringLiteral("cmdOK")));
        w().mnuAboutMorvaine->click();

        const ModalShow &about = host.shows().back();
        EXPECT_EQ(about.form, "frmAboutHalvern");
        EXPECT_EQ(about.owner, "Halvern");
        EXPECT_EQ(about.caption, "Tarvello");
        EXPECT_EQ(about.text(QStringLiteral("LabelN")), "Morvaine");
        EXPECT_EQ(about.text(QStringLiteral("Label1")), "Tarvello");
        EXPECT_EQ(about.text(QStringLiteral("Label8")), "For Game Instructions, select Instructions" +
                                                            NewLine +
                                                            "listed under Help on the Pull-Down Menu");
        EXPECT_TRUE(about.text(QStringLiteral("Label6"))
                        .startsWith("Additional Information on the Internet:" + NewLine));
        for (const char *twoLines : {"Label2", "Label4", "Label6"}) {
            const QString text = about.text(QString::fromLatin1(twoLines));
            EXPECT_EQ(text.count(NewLine), 1) << twoLines;
            EXPECT_FALSE(text.endsWith(NewLine)) << twoLines;
        }
        EXPECT_TRUE(about.text(QStringLiteral("Label2")).contains(QStringLiteral("Brennic Corporation")));
        EXPECT_TRUE(about.text(QStringLiteral("Label4")).contains(QStringLiteral("Brennic Corporation")));

        EXPECT_EQ(about.backColor, s.window);
        EXPECT_EQ(about.foreColor, s.mainFore);
        for (const char *name : kAboutLabels) {
            const ShownControl &label = about.control(QString::fromLatin1(name));
            EXPECT_EQ(label.foreColor, s.mainFore) << name;
            EXPECT_EQ(label.backColor, s.mainBack) << name;
        }
        const ShownControl &ok = about.control(QStringLiteral("cmdOK"));
        EXPECT_EQ(ok.backColor, forms::kSysButtonFace);
        EXPECT_FALSE(forms.isLoaded<frmAboutHalvern>());
    }
}

TEST_F(AboutWindow, ClosesByItsCloseBoxAsByOk)
{
    w().showModeless();
    host.answerNext(ScriptedModalHost::unload());
    w().mnuAboutMorvaine->click();

    EXPECT_EQ(host.shows().size(), 1u);
    EXPECT_FALSE(forms.isLoaded<frmAboutHalvern>());
    EXPECT_FALSE(programEnd.ended());
}

using DisclaimerWindow = StartupTest;

TEST_F(DisclaimerWindow, OpensCentredOnTheMainWindow)
{
    startUp();
    const ModalShow &atStartUp = host.shows().back();
    EXPECT_EQ(atStartUp.caption, "Disclaimer Statement");
    EXPECT_EQ(atStartUp.backColor, kGray);
    EXPECT_EQ(atStartUp.control(QStringLiteral("txtNewsDisplay")).foreColor, 0x0000FFu);
    EXPECT_EQ(atStartUp.text(QStringLiteral("btnClose")), "&Agree");
    EXPECT_EQ(atStartUp.text(QStringLiteral("btnExit")), "&Disagree");

    const forms::TwipRect mains[] = {{0, 0, 9540, 7220}, {1500, 600, 9540, 7220}, {-300, 45, 6000, 5655}};
    for (const forms::TwipRect &m : mains) {
        SCOPED_TRACE(testing::Message() << m.left << "," << m.top << " " << m.width << "x" << m.height);
        w().setTwipLeft(m.left);
        w().setTwipTop(m.top);
        w().setTwipWidth(m.width);
        w().setTwipHeight(m.height);
        frmDisclaimer &d = forms.get<frmDisclaimer>();

        // Centres agree to the rounding of a twip.
        EXPECT_NEAR(d.twipLeft() + d.twipWidth() / 2.0, m.left + m.width / 2.0, 0.5);
        EXPECT_NEAR(d.twipTop() + d.twipHeight() / 2.0, m.top + m.height / 2.0, 0.5);
        // "&Agree" centred on the line at a third of the window, "&Disagree" at two thirds.
        EXPECT_NEAR(d.btnClose->twipLeft() + 750, d.twipWidth() / 3.0, 0.5);
        EXPECT_NEAR(d.btnExit->twipLeft() + 750, d.twipWidth() * 2 / 3.0, 0.5);
        EXPECT_EQ(d.txtNewsDisplay->text(), kDisclaimer);
        d.btnClose->click();
        EXPECT_FALSE(forms.isLoaded<frmDisclaimer>());
    }
    EXPECT_FALSE(programEnd.ended());
}

TEST_F(DisclaimerWindow, AClickInTheTextThenEnterAgrees)
{
    startUp();
    frmDisclaimer &d = forms.get<frmDisclaimer>();
    d.showModeless();
    EXPECT_EQ(d.focusWidget(), d.btnClose) << "\"&Agree\" has the focus when the window opens";

    d.txtNewsDisplay->setFocus();
    ASSERT_EQ(d.focusWidget(), d.txtNewsDisplay);
    QWidget *text = d.txtNewsDisplay->viewport();
    const QPointF inside(10, 10);
    QMouseEvent press(QEvent::MouseButtonPress, inside, text->mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, text->mapToGlobal(inside), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(text, &press);
    QCoreApplication::sendEvent(text, &release);
    EXPECT_EQ(d.focusWidget(), d.btnClose);
    EXPECT_EQ(d.txtNewsDisplay->text(), kDisclaimer) << "the text cannot be changed";

    QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
    QCoreApplication::sendEvent(d.btnClose, &enter);
    EXPECT_FALSE(forms.isLoaded<frmDisclaimer>());
    EXPECT_FALSE(programEnd.ended());
}

} // namespace
} // namespace tarvello::test
