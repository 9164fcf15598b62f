#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class frmCustom;

namespace custom {

QString windowCaption();
QString offerText();   // lblTop
QString contactText(); // lblBottom

void Form_Load(frmCustom &w);
void cmdOK_Click(App &app);

} // namespace custom

// Help > "C&ustom Programming".
void mnuCustom_Click(App &app);

void connectCustomWindow(frmCustom &w, App &app);

} // namespace tarvello
