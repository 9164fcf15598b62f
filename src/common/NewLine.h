#pragma once

#include <QString>

namespace tarvello {

// The line break the game writes into captions and texts: carriage return and line feed. The
// controls draw it as one break.
inline const QString NewLine = QStringLiteral("\r\n");

} // namespace tarvello
