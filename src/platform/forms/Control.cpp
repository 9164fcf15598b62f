#include "platform/forms/Control.h"

#include "platform/forms/Form.h"

#include <QApplication>
#include <QPalette>

namespace tarvello::forms {

Control::Control(QWidget &widget, const QString &kind, bool graphical, VbColor back, VbColor fore)
    : widget_(widget), kind_(kind), graphical_(graphical), backColor_(back), foreColor_(fore),
      font_(initialFont(widget.parentWidget()))
{
    widget_.setFont(toQFont(font_));
}

void Control::setTwipLeft(int left)
{
    setTwipRect({left, rect_.top, rect_.width, rect_.height});
}
void Control::setTwipTop(int top)
{
    setTwipRect({rect_.left, top, rect_.width, rect_.height});
}
void Control::setTwipWidth(int width)
{
    setTwipRect({rect_.left, rect_.top, width, rect_.height});
}
void Control::setTwipHeight(int height)
{
    setTwipRect({rect_.left, rect_.top, rect_.width, height});
}

void Control::setTwipRect(const TwipRect &rect)
{
    rect_ = rect;
    widget_.setGeometry(twipsToPixels(rect.left), twipsToPixels(rect.top), twipsToPixels(rect.width),
                        twipsToPixels(rect.height));
}

void Control::setFocus()
{
    if (takesInput(widget_))
        widget_.setFocus();
}

void Control::setBackColor(VbColor color)
{
    backColor_ = color;
    applyColors();
}

void Control::setForeColor(VbColor color)
{
    foreColor_ = color;
    applyColors();
}

void Control::setColors(VbColor back, VbColor fore)
{
    backColor_ = back;
    foreColor_ = fore;
    applyColors();
}

void Control::setFontSpec(const FontSpec &font)
{
    font_ = font;
    widget_.setFont(toQFont(font_));
}

void Control::setFontBold(bool bold)
{
    FontSpec font = font_;
    font.bold = bold;
    setFontSpec(font);
}

void Control::setToolTipText(const QString &text)
{
    toolTip_ = text;
    widget_.setToolTip(text);
}

namespace {

// Setting a palette resolves it against the application's for the widget's class, costly for the
// colours the game sets again at every period; the same colours change nothing.
void setPaletteColors(QWidget &widget, QPalette::ColorRole back, QPalette::ColorRole fore, VbColor backColor,
                      VbColor foreColor)
{
    const QPalette &current = widget.palette();
    QPalette palette = current;
    palette.setColor(back, toQColor(backColor));
    palette.setColor(fore, toQColor(foreColor));
    if (palette == current && palette.resolveMask() == current.resolveMask())
        return;
    widget.setPalette(palette);
}

} // namespace

void Control::applyColors()
{
    setPaletteColors(widget_, QPalette::Window, QPalette::WindowText, backColor_, foreColor_);
}

void Control::applyEntryColors()
{
    setPaletteColors(widget_, QPalette::Base, QPalette::Text, backColor_, foreColor_);
}

QPalette standardPalette(const QWidget &widget)
{
    QPalette standard = QApplication::palette(&widget);
    standard.setResolveMask(~QPalette::ResolveMask(0));
    return standard;
}

FontSpec initialFont(const QWidget *parent)
{
    for (const QWidget *w = parent; w; w = w->parentWidget()) {
        if (const auto *form = qobject_cast<const Form *>(w))
            return form->fontSpec();
    }
    return {};
}

void placeInDrawingOrder(QWidget &control, bool graphical)
{
    QWidget *parent = control.parentWidget();
    if (!graphical || !parent)
        return;
    // The parent's children are kept in drawing order, bottom first.
    for (QObject *child : parent->children()) {
        auto *sibling = qobject_cast<QWidget *>(child);
        if (!sibling || sibling == &control)
            continue;
        const auto *other = dynamic_cast<const Control *>(sibling);
        if (!other || !other->graphical()) {
            control.stackUnder(sibling);
            return;
        }
    }
}

} // namespace tarvello::forms
