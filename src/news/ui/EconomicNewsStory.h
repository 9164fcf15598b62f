#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;
class frmEconomicNewsStory;

namespace newsstory {
void Form_Load(frmEconomicNewsStory &w, App &app);
} // namespace newsstory

} // namespace tarvello
