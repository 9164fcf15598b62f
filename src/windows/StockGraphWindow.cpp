#include "windows/StockGraphWindow.h"

namespace tarvello {

frmStockGraph::frmStockGraph() : Form(QStringLiteral("frmStockGraph"), 4200, 3360)
{
    setFixedDialogBorder();
    setCaption(QStringLiteral("Graph Style"));
    const auto makeCheck = [this](const char *name, const char *caption, int top) {
        auto *box = new forms::CheckBox(client(), QString::fromLatin1(name), QString::fromLatin1(caption));
        box->setTwipRect({240, top, 1800, 300});
        return box;
    };
    ckAll = makeCheck("ckAll", "All", 240);
    ckBF = makeCheck("ckBF", "Best Fit", 600);
    ckLine = makeCheck("ckLine", "Line", 960);
    ckMean = makeCheck("ckMean", "Mean", 1320);
    ckMinMax = makeCheck("ckMinMax", "Min-Max", 1680);
    ckSD = makeCheck("ckSD", "Std. Deviation", 2040);
    optFrame = new forms::Frame(client(), QStringLiteral("optFrame"), QStringLiteral("Style"));
    optFrame->setTwipRect({2160, 240, 1800, 1560});
    const auto makeOption = [this](const char *name, const char *caption, int top) {
        auto *option =
            new forms::OptionButton(optFrame, QString::fromLatin1(name), QString::fromLatin1(caption));
        option->setTwipRect({120, top, 1560, 300});
        return option;
    };
    Option1 = makeOption("Option1", "Bars", 300);
    Option2 = makeOption("Option2", "Lines", 660);
    Option3 = makeOption("Option3", "Points", 1020);
    Label2 = new forms::Label(client(), QStringLiteral("Label2"), QStringLiteral("Price chart lines"));
    Label2->setTwipRect({2160, 1920, 1800, 300});
    Command1 = new forms::CommandButton(client(), QStringLiteral("Command1"), QStringLiteral("OK"));
    Command1->setTwipRect({1614, 2760, 972, 372});
}

namespace stockgraph {

void Form_Load(frmStockGraph &w)
{
    for (forms::CheckBox *box : {w.ckAll, w.ckBF, w.ckLine, w.ckMean, w.ckMinMax, w.ckSD})
        box->setValue(0);
}

} // namespace stockgraph

} // namespace tarvello
