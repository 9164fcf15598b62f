#pragma once

#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <utility>
#include <vector>

namespace tarvello {

// What the two summary windows (frmGameOver and frmEndofGame) share: the same rows in the same order,
// each a caption at the left and a value at the right, under a full-width message line; their buttons
// go along the bottom. The twins differ in their caption, their width, the length of the rule of "="
// and the names of two labels: the message line and the "Commissions:" caption swap Label1 and Label2.
class SummaryWindow : public forms::Form {
    Q_OBJECT
public:
    using Label = forms::Label;
    using CommandButton = forms::CommandButton;

    Label *Label1, *Label2, *Label3, *Label4, *Label5, *Label6, *Label7, *Label8, *Label9, *Label10, *Label11,
        *label12;

    // The message line and the "Commissions:" caption, whichever labels they are in this window.
    Label *messageLine() const { return message_; }

protected:
    struct Design {
        const char *name;
        const char *caption;
        int clientWidth;      // twips
        int ruleLength;       // characters of "=" in the rule under the final score
        bool messageIsLabel1; // frmEndofGame: Label1 is the message line and Label2 "Commissions:"
        std::vector<std::pair<const char *, const char *>> buttons; // name and caption, left to right
    };
    explicit SummaryWindow(const Design &design);

    // The buttons along the bottom, in the order the design names them.
    std::vector<CommandButton *> buttons_;

private:
    Label *message_ = nullptr;
};

} // namespace tarvello
