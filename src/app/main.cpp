#include "app/WindowConnections.h"
#include "common/Random.h"
#include "common/SystemServices.h"
#include "platform/forms/ApplicationSetup.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/ModalHost.h"
#include "platform/forms/ProcessEnd.h"
#include "platform/help/HelpViewer.h"
#include "platform/print/WindowPrinter.h"
#include "shell/HelpPages.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    tarvello::forms::setUpApplication();
    tarvello::GameState state;
    tarvello::forms::EventLoopModalHost modalHost;
    tarvello::forms::ProcessEnd programEnd;
    tarvello::forms::FormRegistry forms(modalHost);
    tarvello::DefaultRandomSource random;
    random.randomize();
    tarvello::SystemClock clock;
    tarvello::App game{state, forms, programEnd, random, clock, QCoreApplication::applicationDirPath()};
    tarvello::help::HelpWindow help(tarvello::help::helpPages());
    tarvello::print::CupsSpooler spooler;
    tarvello::print::DefaultPrinter printer(spooler);
    game.help = &help;
    game.printer = &printer;
    tarvello::connectWindows(game);
    // Loading the main window runs the whole start-up: About, the price database, the Disclaimer.
    forms.get<tarvello::Halvern>();
    return app.exec();
}
