#include "windows/frmLevelSelected.h"

namespace tarvello {

using namespace forms::colors;

frmLevelSelected::frmLevelSelected() : Form(QStringLiteral("frmLevelSelected"), 4335, 2250)
{
    setCaption(QStringLiteral("Level Detail"));
    setFixedDialogBorder();
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    setBackColor(kGray);

    const struct {
        forms::Label *frmLevelSelected::*caption;
        const char *captionName;
        const char *text;
        forms::Label *frmLevelSelected::*value;
        const char *valueName;
    } rows[] = {
        {&frmLevelSelected::Label1, "Label1", "Level:", &frmLevelSelected::lblLevel, "lblLevel"},
        {&frmLevelSelected::Label3, "Label3", "Game Length:", &frmLevelSelected::lblMaxGameLength,
         "lblMaxGameLength"},
        {&frmLevelSelected::Label5, "Label5", "Data:", &frmLevelSelected::lblDataType, "lblDataType"},
        {&frmLevelSelected::Label2, "Label2", "News Reports:", &frmLevelSelected::lblNewsOptions,
         "lblNewsOptions"},
    };
    int top = 120;
    for (const auto &row : rows) {
        auto *caption =
            new forms::Label(client(), QString::fromLatin1(row.captionName), QString::fromLatin1(row.text));
        caption->setTwipRect({240, top, 1575, 255});
        caption->setForeColor(forms::kSysWindowText);
        caption->setBackColor(kGray);
        this->*row.caption = caption;
        auto *value = new forms::Label(client(), QString::fromLatin1(row.valueName));
        value->setTwipRect({1920, top, 2175, 255});
        value->setForeColor(kBlue);
        value->setBackColor(kGray);
        this->*row.value = value;
        top += 360;
    }
    cmdBegin = new forms::CommandButton(client(), QStringLiteral("cmdBegin"), QStringLiteral("&Begin"));
    cmdBegin->setTwipRect({480, 1680, 1200, 372});
    cmdReset = new forms::CommandButton(client(), QStringLiteral("cmdReset"), QStringLiteral("&Reset"));
    cmdReset->setTwipRect({2640, 1680, 1200, 372});
}

} // namespace tarvello
