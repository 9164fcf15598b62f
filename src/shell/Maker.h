#pragma once

#include <QString>

namespace tarvello::maker {

// The one maker of the game, as every window and notice that names it shows it: the About window's
// notices and address, the Custom Programming window's caption, offer and contact line.
inline QString name()
{
    return QStringLiteral("Brennic Corporation");
}

inline QString webAddress()
{
    return QStringLiteral("www.brennic.example.invalid");
}

inline QString emailAddress()
{
    return QStringLiteral("info@brennic.example.invalid");
}

inline QString telephone()
{
    return QStringLiteral("(555) 010-0199");
}

} // namespace tarvello::maker
