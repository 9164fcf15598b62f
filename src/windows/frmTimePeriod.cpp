#include "windows/frmTimePeriod.h"

#include <QKeyEvent>

namespace tarvello {

namespace {

using forms::Frame;
using forms::OptionButton;
using forms::TwipRect;

struct OptionRow {
    OptionButton *frmTimePeriod::*member;
    Frame *frmTimePeriod::*frame;
    const char *name;
    const char *caption;
    TwipRect rect; // within its frame
    bool selected = false;
};

const OptionRow kOptions[] = {
    {&frmTimePeriod::OptNovice, &frmTimePeriod::Frame1, "OptNovice", "Novice", {840, 240, 1335, 375}},
    {&frmTimePeriod::OptExpert, &frmTimePeriod::Frame1, "OptExpert", "Expert", {2400, 240, 1335, 375}, true},
    {&frmTimePeriod::OptMonth, &frmTimePeriod::Frame2, "OptMonth", "One Month", {120, 360, 1455, 255}},
    {&frmTimePeriod::OptQuarter,
     &frmTimePeriod::Frame2,
     "OptQuarter",
     "One Quarter",
     {1560, 360, 1695, 255},
     true},
    {&frmTimePeriod::OptYear, &frmTimePeriod::Frame2, "OptYear", "One Year", {3120, 360, 1455, 255}},
    {&frmTimePeriod::OptDaily, &frmTimePeriod::Frame3, "OptDaily", "Daily", {120, 240, 1095, 255}, true},
    {&frmTimePeriod::OptTick, &frmTimePeriod::Frame3, "OptTick", "Tick", {1080, 240, 975, 255}},
    {&frmTimePeriod::OptAnnual, &frmTimePeriod::Frame4, "OptAnnual", "Annual", {240, 240, 1095, 255}, true},
    {&frmTimePeriod::OptDayReports, &frmTimePeriod::Frame4, "OptDayReports", "Daily", {1320, 240, 855, 255}},
};

} // namespace

frmTimePeriod::frmTimePeriod() : Form(QStringLiteral("frmTimePeriod"), 5205, 4815)
{
    setCaption(QStringLiteral("Game Level Options"));
    setFixedDialogBorder();
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});

    const struct {
        Frame *frmTimePeriod::*member;
        const char *name;
        const char *caption;
        TwipRect rect;
    } frames[] = {
        {&frmTimePeriod::Frame1, "Frame1", "Level", {120, 120, 4935, 735}},
        {&frmTimePeriod::Frame2, "Frame2", "Length", {120, 960, 4935, 735}},
        {&frmTimePeriod::Frame3, "Frame3", "Data", {120, 1920, 2295, 735}},
        {&frmTimePeriod::Frame4, "Frame4", "News", {2760, 1920, 2295, 735}},
        {&frmTimePeriod::fTime, "fTime", "&Time Period", {120, 2760, 4935, 1455}},
    };
    for (const auto &row : frames) {
        auto *frame = new Frame(client(), QString::fromLatin1(row.name), QString::fromLatin1(row.caption));
        frame->setTwipRect(row.rect);
        this->*row.member = frame;
    }
    // The design selection is drawn before any click procedure is connected, so it runs nothing.
    for (const OptionRow &row : kOptions) {
        auto *option = new OptionButton(this->*row.frame, QString::fromLatin1(row.name),
                                        QString::fromLatin1(row.caption));
        option->setTwipRect(row.rect);
        option->setValue(row.selected);
        this->*row.member = option;
    }

    labeltime = new forms::Label(fTime, QStringLiteral("labeltime"));
    labeltime->setTwipRect({120, 240, 4695, 975});
    auto *select = new OptionButton(fTime, optSelect.name(), QStringLiteral("&Select Timeperiod"));
    select->setTwipRect({240, 960, 2175, 255});
    optSelect.add(0, select);
    auto *random = new OptionButton(fTime, optSelect.name(), QStringLiteral("&Random Timeperiod"));
    random->setTwipRect({2520, 960, 2295, 255});
    random->setValue(true);
    optSelect.add(1, random);

    // Both lists offer only their own entries: a typed month or year could name no date.
    Combo2 = new forms::ComboBox(client(), QStringLiteral("Combo2"), forms::ComboStyle::DropDownList);
    Combo2->setTwipRect({480, 3360, 1695, 315});
    Combo2->setVisible(false);
    Combo1 = new forms::ComboBox(client(), QStringLiteral("Combo1"), forms::ComboStyle::DropDownList);
    Combo1->setTwipRect({2760, 3360, 1695, 315});
    Combo1->setVisible(false);

    cmdBegin = new forms::CommandButton(client(), QStringLiteral("cmdBegin"), QStringLiteral("&Begin"));
    cmdBegin->setTwipRect({1200, 4320, 1200, 372});
    cmdReset = new forms::CommandButton(client(), QStringLiteral("cmdReset"), QStringLiteral("&Cancel"));
    cmdReset->setTwipRect({2880, 4320, 1200, 372});
}

void frmTimePeriod::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        cmdBegin->click();
        return;
    }
    Form::keyPressEvent(event);
}

} // namespace tarvello
