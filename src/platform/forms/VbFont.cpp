#include "platform/forms/VbFont.h"

#include "platform/forms/Twips.h"

#include <QFontMetricsF>
#include <QStringList>

#include <algorithm>
#include <cmath>

namespace tarvello::forms {

QString substituteFamily(const QString &name)
{
    if (name.compare(QLatin1String("Tahoma"), Qt::CaseInsensitive) == 0)
        return QStringLiteral("DejaVu Sans");
    return QStringLiteral("Liberation Sans");
}

QFont toQFont(const FontSpec &font)
{
    QFont f(substituteFamily(font.name));
    f.setPixelSize(static_cast<int>(std::lround(font.size * 96.0 / 72.0)));
    f.setBold(font.bold);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    return f;
}

int textWidthTwips(const FontSpec &font, const QString &text)
{
    // The advance, or the inked width where a glyph overhangs it, which is what a label needs.
    const QFont qfont = toQFont(font);
    const QFontMetricsF metrics(qfont);
    const QFontMetrics inked(qfont);
    int widest = 0;
    for (const QString &line : displayLineBreaks(text).split(QLatin1Char('\n'))) {
        const int advance = static_cast<int>(std::ceil(metrics.horizontalAdvance(line)));
        widest = std::max({widest, advance, inked.boundingRect(line).width()});
    }
    return pixelsToTwips(widest);
}

QString displayLineBreaks(const QString &text)
{
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

} // namespace tarvello::forms
