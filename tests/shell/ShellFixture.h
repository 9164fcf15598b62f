#pragma once

#include "platform/forms/FormRegistry.h"
#include "shell/ui/ScreenColor.h"
#include "support/MainWindowFixture.h"
#include "windows/ScreenColorWindow.h"

namespace tarvello::test {

// The main window with the Screen Color dialog answered by a chosen option, then "OK".
class ShellTest : public MainWindowTest {
protected:
    void chooseScheme(Scheme scheme)
    {
        host.answerNext([scheme](forms::Form &form) {
            auto &d = static_cast<frmScreenColor &>(form);
            forms::OptionButton *option = scheme == Scheme::Black  ? d.optBlack
                                          : scheme == Scheme::Gray ? d.optGray
                                                                   : d.optMono;
            option->setValue(true);
            d.Command1->click();
        });
        w().mnuScreenColor->click();
    }
};

} // namespace tarvello::test
