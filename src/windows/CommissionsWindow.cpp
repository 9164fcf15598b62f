#include "windows/CommissionsWindow.h"

namespace tarvello {

using namespace forms::colors;

frmCommiss::frmCommiss() : Form(QStringLiteral("frmCommiss"), 5700, 2760)
{
    setFixedDialogBorder();
    setCaption(QStringLiteral("Commission Charges"));
    const auto makeLabel = [this](const char *name, const forms::TwipRect &rect, const QString &caption = {},
                                  forms::Justify justify = forms::Justify::Left) {
        auto *label = new forms::Label(client(), QString::fromLatin1(name), caption);
        label->setTwipRect(rect);
        label->setJustify(justify);
        return label;
    };
    Label4 = makeLabel("Label4", {360, 120, 4920, 852});
    Label11 = makeLabel("Label11", {360, 1080, 2535, 192}, QStringLiteral("Score (after commissions):"));
    Label7 = makeLabel("Label7", {3000, 1080, 2292, 240}, {}, forms::Justify::Right);
    Line1 = new forms::Line(client(), QStringLiteral("Line1"));
    Line1->setPoints(360, 1340, 5280, 1340);
    Label2 = makeLabel("Label2", {360, 1440, 1164, 192}, QStringLiteral("Commissions:"));
    label12 = makeLabel("label12", {3000, 1440, 2292, 192}, {}, forms::Justify::Right);
    Label1 = makeLabel("Label1", {360, 1680, 2895, 192}, QStringLiteral("Score (before commissions):"));
    Label3 = makeLabel("Label3", {3000, 1680, 2292, 192}, {}, forms::Justify::Right);
    cmdOK = new forms::CommandButton(client(), QStringLiteral("cmdOK"), QStringLiteral("OK"));
    cmdOK->setTwipRect({0, 2280, 972, 372});
}

} // namespace tarvello
