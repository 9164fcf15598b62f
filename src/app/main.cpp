#include "common/GameState.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/ModalHost.h"
#include "platform/forms/ProcessEnd.h"
#include "ui/Halvern.h"
#include "ui/MainWindowEvents.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tarvello::GameState state;
    tarvello::forms::EventLoopModalHost modalHost;
    tarvello::forms::ProcessEnd programEnd;
    tarvello::forms::FormRegistry forms(modalHost);
    forms.setConnector<tarvello::Halvern>(
        [&](tarvello::Halvern &w) { tarvello::connectMainWindow(w, state, programEnd); });
    forms.get<tarvello::Halvern>().showModeless();
    return app.exec();
}
