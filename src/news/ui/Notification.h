#pragma once

#include "common/Notice.h"

#include <QString>

#include <cstdint>

namespace tarvello {

struct App;

// The one modal box every notice, warning and refusal goes through: the title as its caption, the
// message, and a code that picks the colours. Returns when the player has closed it.
void ShowNotification(App &app, const QString &title, const QString &message, const QString &spare,
                      int16_t code);
void ShowNotification(App &app, const Notice &notice);

} // namespace tarvello
