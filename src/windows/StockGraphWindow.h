#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

namespace tarvello {

// The graph style options window: which lines the price chart draws and in which style. The colour
// schemes recolour it; its load sets its check boxes.
class frmStockGraph : public forms::Form {
    Q_OBJECT
public:
    frmStockGraph();

    forms::CheckBox *ckAll, *ckBF, *ckLine, *ckMean, *ckMinMax, *ckSD;
    forms::Frame *optFrame;
    forms::Label *Label2;
    forms::OptionButton *Option1, *Option2, *Option3;
    forms::CommandButton *Command1;
};

namespace stockgraph {
void Form_Load(frmStockGraph &w);
} // namespace stockgraph

} // namespace tarvello
