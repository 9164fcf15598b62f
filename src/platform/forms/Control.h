#pragma once

#include "platform/forms/Twips.h"
#include "platform/forms/VbColor.h"
#include "platform/forms/VbFont.h"

#include <QString>
#include <QWidget>

#include <cstdint>

namespace tarvello::forms {

// Text alignment of labels and text boxes, with the game's values.
enum class Justify : int16_t { Left = 0, Right = 1, Center = 2 };

// The properties of a control that the game reads and writes, kept as the control's own state and
// pushed to the Qt widget that draws it. Nothing is read back from Qt: in particular visible() and
// enabled() are the control's own flags, whereas Qt's isVisible() and isEnabled() also depend on the
// window (a control of a hidden or disabled window keeps its own flags). Call setVisible/setEnabled
// through the control's own type or through Control, never through a QWidget pointer, which would
// reach Qt's non-virtual setEnabled and bypass the flag.
class Control {
public:
    virtual ~Control() = default;
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    const QString &kind() const { return kind_; } // "Label", "CommandButton", ...
    QString name() const { return widget_.objectName(); }
    QWidget &widget() { return widget_; }
    const QWidget &widget() const { return widget_; }

    // The element's Index in a control array; -1 for a control that is not an element.
    int16_t index() const { return index_; }
    void setArrayIndex(int16_t index) { index_ = index; }

    // Labels, shapes and lines are drawn on the window itself, below every other control, whatever
    // the order they were made in.
    bool graphical() const { return graphical_; }

    int twipLeft() const { return rect_.left; }
    int twipTop() const { return rect_.top; }
    int twipWidth() const { return rect_.width; }
    int twipHeight() const { return rect_.height; }
    const TwipRect &twipRect() const { return rect_; }
    void setTwipLeft(int left);
    void setTwipTop(int top);
    void setTwipWidth(int width);
    void setTwipHeight(int height);
    virtual void setTwipRect(const TwipRect &rect);

    bool visible() const { return visible_; }
    virtual void setVisible(bool visible) = 0;
    bool enabled() const { return enabled_; }
    virtual void setEnabled(bool enabled) = 0;
    // Gives the control the focus, when it and its window can take input; otherwise does nothing.
    void setFocus();

    VbColor backColor() const { return backColor_; }
    void setBackColor(VbColor color);
    VbColor foreColor() const { return foreColor_; }
    void setForeColor(VbColor color);
    // Both colours in one drawing pass: the same as setting the back colour and then the fore colour.
    void setColors(VbColor back, VbColor fore);

    const FontSpec &fontSpec() const { return font_; }
    void setFontSpec(const FontSpec &font);
    bool fontBold() const { return font_.bold; }
    void setFontBold(bool bold);

    const QString &toolTipText() const { return toolTip_; }
    void setToolTipText(const QString &text);

    // What the player reads on the control (its caption or text); empty for shapes and lines.
    virtual QString displayText() const { return {}; }

protected:
    Control(QWidget &widget, const QString &kind, bool graphical, VbColor back, VbColor fore);

    // Draws the colours; each kind maps them to the palette roles it paints with. Concrete controls
    // call it once at the end of their constructor.
    virtual void applyColors();
    // For the controls the player types into: the colours of the entry field.
    void applyEntryColors();

    bool visible_ = true;
    bool enabled_ = true;

private:
    QWidget &widget_;
    QString kind_;
    bool graphical_;
    int16_t index_ = -1;
    TwipRect rect_;
    VbColor backColor_;
    VbColor foreColor_;
    FontSpec font_;
    QString toolTip_;
};

// The application's standard palette with every role set, so that a widget given it keeps the
// standard colours whatever its parent's colours are (a scroll bar inside a coloured control).
QPalette standardPalette(const QWidget &widget);

// The font a new control starts with: its window's font.
FontSpec initialFont(const QWidget *parent);

// Puts a new control in the game's drawing order: a graphical control above the graphical ones made
// before it but below every other control; any other control on top.
void placeInDrawingOrder(QWidget &control, bool graphical);

// Binds the control state to a Qt widget class. Overrides Qt's setVisible (virtual) and hides its
// setEnabled so that both keep the own flags, and its setFocus so that a disabled window takes none.
template <class W> class ControlWidget : public W, public Control {
public:
    void setVisible(bool visible) override
    {
        visible_ = visible;
        W::setVisible(visible);
    }
    void setEnabled(bool enabled) override
    {
        enabled_ = enabled;
        W::setEnabled(enabled);
    }
    void setFocus() { Control::setFocus(); }

protected:
    ControlWidget(QWidget *parent, const QString &name, const QString &kind, bool graphical, VbColor back,
                  VbColor fore)
        : W(parent), Control(*this, kind, graphical, back, fore)
    {
        this->setObjectName(name);
        placeInDrawingOrder(*this, graphical);
    }
};

} // namespace tarvello::forms
