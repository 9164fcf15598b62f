#include "platform/forms/VbColor.h"

#include <QGuiApplication>
#include <QPalette>

namespace tarvello::forms {

namespace {

// The system colours the game's windows use, by their index, mapped to the palette role that plays
// the same part here.
QPalette::ColorRole systemRole(unsigned index)
{
    switch (index) {
    case 0x05:
        return QPalette::Base; // window background
    case 0x08:
        return QPalette::Text; // window text
    case 0x0D:
        return QPalette::Highlight; // selected item
    case 0x0E:
        return QPalette::HighlightedText; // selected text
    case 0x0F:
        return QPalette::Button; // button face
    case 0x11:
        return QPalette::PlaceholderText; // grey text
    case 0x12:
        return QPalette::ButtonText; // button text
    default:
        return QPalette::WindowText;
    }
}

} // namespace

QColor toQColor(VbColor color)
{
    if (color & kSystemColorFlag)
        return QGuiApplication::palette().color(QPalette::Active, systemRole(color & 0xFFu));
    return QColor(static_cast<int>(color & 0xFFu), static_cast<int>((color >> 8) & 0xFFu),
                  static_cast<int>((color >> 16) & 0xFFu));
}

} // namespace tarvello::forms
