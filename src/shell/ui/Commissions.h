#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class frmCommiss;

namespace commiss {

QString explanation(); // Label4

void Form_Load(frmCommiss &w);
// Activate: the window's colours for the screen's colour scheme.
void Form_Activate(frmCommiss &w, App &app);
void cmdOK_Click(App &app);

} // namespace commiss

// Help > "&Commissions".
void mnuCommission_Click(App &app);

void connectCommissionsWindow(frmCommiss &w, App &app);

} // namespace tarvello
