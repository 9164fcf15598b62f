#pragma once

#include <QFont>
#include <QString>

namespace tarvello::forms {

// A control's font as the game names it. The name is kept as written ("MS Sans Serif"); only the
// drawing uses a font that Debian has.
struct FontSpec {
    QString name = QStringLiteral("MS Sans Serif");
    float size = 8.25f; // points
    bool bold = false;
    bool italic = false;
    bool underline = false;

    bool operator==(const FontSpec &) const = default;
};

// The installed family drawn in place of a named one: "MS Sans Serif" and any other small sans serif
// become Liberation Sans (metrics close enough that every caption fits its width); "Tahoma" becomes
// DejaVu Sans, its look-alike.
QString substituteFamily(const QString &name);

// The font to draw with. The size is set in pixels at 96 dpi (8.25 pt is 11 px), so that text keeps its
// size relative to the twip geometry on every screen.
QFont toQFont(const FontSpec &font);

// TextWidth: the width of a text drawn in the font, in twips; for a text of several lines, the width
// of its widest line. Fractions of a pixel, and glyphs that overhang their advance, count in full, so
// that a label this wide shows the text on one line.
int textWidthTwips(const FontSpec &font, const QString &text);

// The game writes its line breaks as carriage return and line feed; Qt draws a line feed alone.
QString displayLineBreaks(const QString &text);

} // namespace tarvello::forms
