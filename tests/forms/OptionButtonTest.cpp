#include "platform/forms/Controls.h"
#include "platform/forms/Form.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace tarvello::forms {
namespace {

// Three option buttons in a frame (one group) and one loose on the window (another group). Each click
// handler logs its name and the selection it sees, so a test can tell the handler ran inside the
// setter, after the other options were cleared.
class OptionGroups : public ::testing::Test {
protected:
    OptionGroups()
    {
        for (const char *name : {"A", "B", "C"})
            add(&frame, name);
        add(form.client(), "D");
    }

    void add(QWidget *parent, const char *name)
    {
        auto *option = new OptionButton(parent, QString::fromLatin1(name), QString::fromLatin1(name));
        option->setClickHandler([this, name] { log.push_back(std::string(name) + ":" + selection()); });
        options[name] = option;
    }

    std::string selection() const
    {
        std::string s;
        for (const auto &[name, option] : options)
            if (option->value())
                s += name;
        return s;
    }

    Form form{QStringLiteral("frmTest"), 4000, 3000};
    Frame frame{form.client(), QStringLiteral("fraGroup")};
    std::map<std::string, OptionButton *> options;
    std::vector<std::string> log;
};

TEST_F(OptionGroups, SelectionRulesByCodeAndByClick)
{
    enum class Act { Select, Clear, Click, Disable, Enable };
    const struct {
        const char *what;
        std::string before;
        Act act;
        const char *option;
        std::string after;
        std::vector<std::string> log;
    } cases[] = {
        {"selecting from none runs the handler", "", Act::Select, "A", "A", {"A:A"}},
        {"selecting another clears the first before the handler", "A", Act::Select, "B", "B", {"B:B"}},
        {"selecting the selected one runs nothing", "A", Act::Select, "A", "A", {}},
        {"clearing leaves the group with none", "A", Act::Clear, "A", "", {}},
        {"clearing one not selected changes nothing", "A", Act::Clear, "B", "A", {}},
        {"the player's click selects and runs", "A", Act::Click, "C", "C", {"C:C"}},
        {"clicking the selected one runs nothing", "A", Act::Click, "A", "A", {}},
        {"disabling runs nothing", "A", Act::Disable, "A", "A", {}},
        {"enabling runs nothing", "A", Act::Enable, "A", "A", {}},
        {"groups are separate", "A", Act::Select, "D", "AD", {"D:AD"}},
        {"selecting within the frame leaves the window's group", "AD", Act::Select, "B", "BD", {"B:BD"}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        for (const auto &[name, option] : options)
            option->setValue(false);
        for (char name : c.before)
            options[std::string(1, name)]->setValue(true);
        log.clear();
        OptionButton *option = options[c.option];
        switch (c.act) {
        case Act::Select:
            option->setValue(true);
            break;
        case Act::Clear:
            option->setValue(false);
            break;
        case Act::Click:
            option->click();
            break;
        case Act::Disable:
            option->setEnabled(false);
            break;
        case Act::Enable:
            option->setEnabled(true);
            break;
        }
        EXPECT_EQ(selection(), c.after);
        EXPECT_EQ(log, c.log);
        for (const auto &[name, opt] : options)
            EXPECT_EQ(opt->isChecked(), opt->value()) << name; // what is drawn follows the value
    }
}

} // namespace
} // namespace tarvello::forms
