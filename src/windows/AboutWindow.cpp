#include "windows/AboutWindow.h"

namespace tarvello {

namespace {

struct LabelRow {
    forms::Label *frmAboutHalvern::*member;
    const char *name;
    int top;
    int height;
};

// Top to bottom; all share one column.
const LabelRow kLabels[] = {
    {&frmAboutHalvern::LabelN, "LabelN", 480, 255},  {&frmAboutHalvern::Label1, "Label1", 720, 495},
    {&frmAboutHalvern::Label2, "Label2", 1200, 615}, {&frmAboutHalvern::Label4, "Label4", 1800, 615},
    {&frmAboutHalvern::Label8, "Label8", 2400, 615}, {&frmAboutHalvern::Label6, "Label6", 3000, 495},
};
constexpr int kLabelLeft = 360;
constexpr int kLabelWidth = 3975;

} // namespace

frmAboutHalvern::frmAboutHalvern() : Form(QStringLiteral("frmAboutHalvern"), 4695, 4350)
{
    setFixedDialogBorder();
    setFontSpec({QStringLiteral("MS Sans Serif"), 8.25f, true});
    for (const LabelRow &row : kLabels) {
        auto *label = new forms::Label(client(), QString::fromLatin1(row.name));
        label->setTwipRect({kLabelLeft, row.top, kLabelWidth, row.height});
        label->setJustify(forms::Justify::Center);
        label->setOpaque(true);
        this->*row.member = label;
    }
    Label1->setFontSpec({QStringLiteral("MS Sans Serif"), 18.0f, true});
    cmdOK = new forms::CommandButton(client(), QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setTwipRect({1800, 3720, 1092, 372});
}

std::vector<forms::Control *> frmAboutHalvern::labels() const
{
    std::vector<forms::Control *> result;
    for (const LabelRow &row : kLabels)
        result.push_back(this->*row.member);
    return result;
}

} // namespace tarvello
