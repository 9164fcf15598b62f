#include "platform/forms/VbFont.h"

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

} // namespace tarvello::forms
