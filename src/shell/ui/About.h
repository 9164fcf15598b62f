#pragma once

#include <QString>

namespace tarvello {

struct App;
class frmAboutHalvern;

void connectAboutWindow(frmAboutHalvern &w, App &app);

namespace about {

// The texts of the window, set on every activation.
QString noticeOfRights();
QString trademarkNotice();
QString instructionsPointer();
QString internetPointer();

// Activate: the texts, and the colours from the main window's scheme.
void Form_Activate(frmAboutHalvern &w, App &app);
// "OK": unloads the window and recolours the charts.
void cmdOK_Click(App &app);
// Unload, however the window is closed: as "OK".
void Form_Unload(App &app);

} // namespace about

// Help > "&About Tarvello": the About window, modal over the main window.
void mnuAboutMorvaine_Click(App &app);

} // namespace tarvello
