#pragma once

#include "platform/forms/Control.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>

#include <functional>

namespace tarvello::forms {

// The controls the game's windows are made of. Each takes its parent (the window's client area, or a
// frame) and its name; positions are set in twips afterwards. Click handlers are plain functions that
// the window's wiring connects to the game's procedures. A procedure that the player's input starts (a
// click, a key, a pick) runs under the input rule (InputGate.h), which drops input it refuses; a value
// set by code runs its procedure at once.
using ClickHandler = std::function<void()>;

// A label. It wraps its caption within its width and draws it from the top.
// A transparent label (the default) lets the window colour show; an opaque one paints its BackColor.
// With AutoSize the height follows the wrapped caption whenever the caption or the width changes.
// A word wider than the label is broken at its edge, so every character shows. A scrolling label
// whose caption needs more height than it has shows a vertical scroll bar at its right edge.
class Label : public ControlWidget<QLabel> {
    Q_OBJECT
public:
    Label(QWidget *parent, const QString &name, const QString &caption = {});

    const QString &caption() const { return caption_; }
    void setCaption(const QString &caption);
    Justify justify() const { return justify_; }
    void setJustify(Justify justify);
    bool opaque() const { return opaque_; }
    void setOpaque(bool opaque);
    bool autoSize() const { return autoSize_; }
    void setAutoSize(bool autoSize);
    bool scrolls() const { return scrollBar_ != nullptr; }
    void setScrolls(bool scrolls);
    // The scroll bar of a scrolling label (shown only while the caption needs it); null otherwise.
    QScrollBar *scrollBar() const { return scrollBar_; }
    void setTwipRect(const TwipRect &rect) override;
    // The Click event. A label with a click procedure takes the click for itself; one without lets it
    // reach the window below.
    void setClickHandler(ClickHandler handler) { click_ = std::move(handler); }

    // The player's click: does nothing unless the label is shown and can be used.
    void click();

    QString displayText() const override { return caption_; }

protected:
    void applyColors() override;
    bool event(QEvent *event) override;
    void changeEvent(QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    // Lays the caption out for the label's size and font; while the label is hidden, only once it
    // is shown again.
    void layOutCaption();
    void layOutNow();
    void fitHeight();
    int textWidth() const;
    bool hasRoomForAnotherLine() const;

    QString caption_;
    bool layoutPending_ = false;
    Justify justify_ = Justify::Left;
    bool opaque_ = false;
    bool autoSize_ = false;
    QScrollBar *scrollBar_ = nullptr;
    ClickHandler click_;
};

// A command button; "&" in the caption marks the access key, which presses it at once. Space or Enter
// presses it while it has the focus.
class CommandButton : public ControlWidget<QPushButton> {
    Q_OBJECT
public:
    CommandButton(QWidget *parent, const QString &name, const QString &caption = {});

    const QString &caption() const { return caption_; }
    void setCaption(const QString &caption);
    void setClickHandler(ClickHandler handler) { click_ = std::move(handler); }

    // The player's click: does nothing unless the button is shown and can be used.
    void click();

    QString displayText() const override { return caption_; }

protected:
    bool event(QEvent *event) override;

private:
    QString caption_;
    ClickHandler click_;
};

// A single-line text box. Its text is what the player typed or the game wrote (Qt's own text).
class TextBox : public ControlWidget<QLineEdit> {
    Q_OBJECT
public:
    // The key-down procedure: the key code (13 Enter, 9 Tab, 8 Backspace, 48-57 digits, 65-90 letters,
    // 96-105 keypad digits, ...) and the shift state (1 Shift, 2 Ctrl, 4 Alt). It runs before the box
    // handles the key; a handler that sets the code to 0 keeps the key from the box.
    using KeyDownHandler = std::function<void(int16_t &keyCode, int16_t shift)>;

    TextBox(QWidget *parent, const QString &name, const QString &text = {});

    Justify justify() const { return justify_; }
    void setJustify(Justify justify);
    void setKeyDownHandler(KeyDownHandler handler) { keyDown_ = std::move(handler); }

    QString displayText() const override { return text(); }

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void applyColors() override;

private:
    bool runKeyDown(QKeyEvent *event); // false when the handler took the key

    Justify justify_ = Justify::Left;
    KeyDownHandler keyDown_;
};

// A multi-line text box with a vertical scroll bar that shows a text the player reads and cannot
// change. Its text is its own state; a click in it runs the click handler.
class MultiLineTextBox : public ControlWidget<QPlainTextEdit> {
    Q_OBJECT
public:
    MultiLineTextBox(QWidget *parent, const QString &name, const QString &text = {});

    const QString &text() const { return text_; }
    void setText(const QString &text);
    void setClickHandler(ClickHandler handler) { click_ = std::move(handler); }
    void setDblClickHandler(ClickHandler handler) { dblClick_ = std::move(handler); }

    // The player's click, and double click, in the text.
    void click();
    void dblClick();

    QString displayText() const override { return text_; }

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void applyColors() override;

private:
    QString text_;
    ClickHandler click_;
    ClickHandler dblClick_;
};

// The key code the game's key-down procedures expect for a Qt key event; 0 for keys it has no code for.
int16_t vbKeyCode(int qtKey, Qt::KeyboardModifiers modifiers);

// A check box. Value 0 unchecked, 1 checked, 2 greyed. Every change of the value, by a click or by
// code, runs the click handler.
class CheckBox : public ControlWidget<QCheckBox> {
    Q_OBJECT
public:
    CheckBox(QWidget *parent, const QString &name, const QString &caption = {});

    const QString &caption() const { return caption_; }
    void setCaption(const QString &caption);
    int16_t value() const { return value_; }
    void setValue(int16_t value);
    void setClickHandler(ClickHandler handler) { click_ = std::move(handler); }

    QString displayText() const override { return caption_; }

protected:
    void nextCheckState() override;

private:
    QString caption_;
    int16_t value_ = 0;
    ClickHandler click_;
};

// An option button. The option buttons with the same parent (a frame, or the window) exclude each
// other. Selecting one that was not selected, by a click or by code, clears the others and runs its
// click handler at once, before setValue returns. Selecting the selected one, clearing one, or
// enabling and disabling run nothing, and code may leave a group with none selected.
class OptionButton : public ControlWidget<QRadioButton> {
    Q_OBJECT
public:
    OptionButton(QWidget *parent, const QString &name, const QString &caption = {});

    const QString &caption() const { return caption_; }
    void setCaption(const QString &caption);
    bool value() const { return value_; }
    void setValue(bool value);
    void setClickHandler(ClickHandler handler) { click_ = std::move(handler); }

    QString displayText() const override { return caption_; }

protected:
    void nextCheckState() override;
    // A disabled option shows its caption greyed whatever its ForeColor, so the player sees which
    // options the others have closed.
    void applyColors() override;

private:
    void drawValue(bool value); // draws the state without running anything

    QString caption_;
    bool value_ = false;
    ClickHandler click_;
};

// A frame: a captioned border that holds controls (positions inside it are relative to it) and makes
// its option buttons one group.
class Frame : public ControlWidget<QGroupBox> {
    Q_OBJECT
public:
    Frame(QWidget *parent, const QString &name, const QString &caption = {});

    const QString &caption() const { return caption_; }
    void setCaption(const QString &caption);

    QString displayText() const override { return caption_; }

protected:
    void applyColors() override;

private:
    QString caption_;
};

// A rectangle shape: its border is drawn in BorderColor; the inside shows the window unless opaque.
class Shape : public ControlWidget<QWidget> {
    Q_OBJECT
public:
    Shape(QWidget *parent, const QString &name);

    VbColor borderColor() const { return borderColor_; }
    void setBorderColor(VbColor color);
    bool opaque() const { return opaque_; }
    void setOpaque(bool opaque);

protected:
    void paintEvent(QPaintEvent *event) override;
    void applyColors() override { update(); }

private:
    VbColor borderColor_ = kSysWindowText;
    bool opaque_ = false;
};

// A line from (X1, Y1) to (X2, Y2), in twips of its parent, drawn in BorderColor.
class Line : public ControlWidget<QWidget> {
    Q_OBJECT
public:
    Line(QWidget *parent, const QString &name);

    int x1() const { return x1_; }
    int y1() const { return y1_; }
    int x2() const { return x2_; }
    int y2() const { return y2_; }
    void setPoints(int x1, int y1, int x2, int y2);
    VbColor borderColor() const { return borderColor_; }
    void setBorderColor(VbColor color);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    int x1_ = 0, y1_ = 0, x2_ = 0, y2_ = 0;
    VbColor borderColor_ = kSysWindowText;
};

// A combo box: a drop-down combo, whose text the player can also type, or a drop-down list.
enum class ComboStyle : int16_t { DropDownCombo = 0, DropDownList = 2 };

// ListIndex is -1 when no item is selected. A change of ListIndex, by the player's choice or by code,
// runs the click handler at once. Adding items selects nothing. Setting the text of a drop-down combo
// changes only the text; setting that of a drop-down list selects the matching item (and runs the
// click handler when the selection changes), or does nothing when no item matches.
class ComboBox : public ControlWidget<QComboBox> {
    Q_OBJECT
public:
    ComboBox(QWidget *parent, const QString &name, ComboStyle style, const QString &text = {});

    ComboStyle style() const { return style_; }
    void addItem(const QString &item);
    void clear(); // no items, no selection, empty text; runs nothing
    int listCount() const { return static_cast<int>(items_.size()); }
    QString list(int index) const;
    int listIndex() const { return listIndex_; }
    void setListIndex(int index);
    const QString &text() const { return text_; }
    void setText(const QString &text);
    void setClickHandler(ClickHandler handler) { click_ = std::move(handler); }

    QString displayText() const override { return text_; }

protected:
    void applyColors() override;

private:
    void select(int index); // sets ListIndex and the text; runs the handler when it changed
    void sync();            // draws the own state

    ComboStyle style_;
    QStringList items_;
    int listIndex_ = -1;
    QString text_;
    bool syncing_ = false;
    ClickHandler click_;
};

} // namespace tarvello::forms
