#pragma once

#include <QString>

#include <cstdint>

namespace tarvello {

// One message for the notification box: its title, its text and the colour code it is shown with.
// The logic returns these; the window code shows them.
struct Notice {
    QString title;
    QString message;
    int16_t code = 1;

    bool operator==(const Notice &) const = default;
};

} // namespace tarvello
