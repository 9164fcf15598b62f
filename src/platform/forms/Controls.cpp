#include "platform/forms/Controls.h"

#include "platform/forms/AccessKeys.h"
#include "platform/forms/Form.h"
#include "platform/forms/InputGate.h"

#include <QCoreApplication>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcutEvent>
#include <QSignalBlocker>
#include <QStyle>
#include <QTextBoundaryFinder>
#include <QWheelEvent>

#include <algorithm>

namespace tarvello::forms {

namespace {

Qt::Alignment toQtAlignment(Justify justify)
{
    switch (justify) {
    case Justify::Right:
        return Qt::AlignRight;
    case Justify::Center:
        return Qt::AlignHCenter;
    case Justify::Left:
        break;
    }
    return Qt::AlignLeft;
}

void run(const ClickHandler &handler)
{
    if (handler)
        handler();
}

// A line break opportunity that draws nothing.
constexpr char16_t kZeroWidthSpace = 0x200B;

// Whether no word of a Latin-1 text can be wider than `limit` pixels, judged without laying the text
// out: its longest word, one character longer, at the font's widest character still fits. Most
// captions are decided here, which is far cheaper than shaping them. Text outside Latin-1 may be
// drawn in a fallback font with wider characters, so it is always measured.
bool noWordCanPass(const QString &text, const QFontMetricsF &metrics, double limit)
{
    qsizetype longest = 0;
    qsizetype run = 0;
    for (const QChar c : text) {
        if (c.unicode() > 0xFF)
            return false;
        run = c.isSpace() ? 0 : run + 1;
        longest = std::max(longest, run);
    }
    return static_cast<double>(longest + 1) * metrics.maxWidth() <= limit;
}

// The text with every word wider than `width` pixels broken before the character that would pass
// the edge; a width of 0 or less (a label not placed yet) leaves the text alone. A pixel is kept
// spare so that rounding in the layout never pushes a piece over the edge.
QString breakLongWords(const QString &text, const QFont &font, int width)
{
    const double limit = width - 1;
    if (limit <= 0)
        return text;
    const QFontMetricsF metrics(font);
    if (noWordCanPass(text, metrics, limit))
        return text;
    if (metrics.horizontalAdvance(text) <= limit) // all of it on one line: no word is too wide
        return text;
    QString out;
    QString word;
    const auto flush = [&] {
        if (metrics.horizontalAdvance(word) <= limit) {
            out += word;
        } else {
            QString piece;
            QTextBoundaryFinder characters(QTextBoundaryFinder::Grapheme, word);
            qsizetype start = 0;
            for (qsizetype next = characters.toNextBoundary(); next > 0; next = characters.toNextBoundary()) {
                const QString character = word.mid(start, next - start);
                if (!piece.isEmpty() && metrics.horizontalAdvance(piece + character) > limit) {
                    out += piece + QChar(kZeroWidthSpace);
                    piece.clear();
                }
                piece += character;
                start = next;
            }
            out += piece;
        }
        word.clear();
    };
    for (const QChar c : text) {
        if (c.isSpace()) {
            flush();
            out += c;
        } else {
            word += c;
        }
    }
    flush();
    return out;
}

// The height a text takes wrapped within `width` pixels, as a label draws it.
int wrappedHeight(const QFont &font, const QString &text, int width, Qt::Alignment alignment)
{
    constexpr int kTall = 1 << 20;
    return QFontMetrics(font)
        .boundingRect(QRect(0, 0, std::max(width, 1), kTall), static_cast<int>(alignment) | Qt::TextWordWrap,
                      text)
        .height();
}

} // namespace

// --- Label ---

Label::Label(QWidget *parent, const QString &name, const QString &caption)
    : ControlWidget(parent, name, QStringLiteral("Label"), true, kSysButtonFace, kSysButtonText)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setJustify(Justify::Left);
    caption_ = caption;
    layOutCaption();
    applyColors();
}

void Label::setCaption(const QString &caption)
{
    if (scrollBar_)
        scrollBar_->setValue(0); // a caption set is read from its start
    // The same caption again lays out as it did; windows set many captions at every period.
    if (caption == caption_)
        return;
    caption_ = caption;
    layOutCaption();
    fitHeight();
}

int Label::textWidth() const
{
    return twipsToPixels(twipWidth());
}

void Label::layOutCaption()
{
    // A label the game hides draws nothing, and windows resize and fill hidden labels with long texts;
    // it lays its caption out when it is shown again.
    if (!visible() && !autoSize_) {
        layoutPending_ = true;
        return;
    }
    layOutNow();
}

bool Label::event(QEvent *event)
{
    if (event->type() == QEvent::ShowToParent && layoutPending_)
        layOutNow();
    return QLabel::event(event);
}

void Label::layOutNow()
{
    layoutPending_ = false;
    const QString lines = displayLineBreaks(caption_);
    const int width = textWidth();
    QString shown = hasRoomForAnotherLine() ? breakLongWords(lines, font(), width) : lines;
    if (scrollBar_) {
        const int height = twipsToPixels(twipHeight());
        const bool scroll = width > 0 && wrappedHeight(font(), shown, width, alignment()) > height;
        if (scroll) {
            // The text wraps beside the bar and scrolls by lines.
            const int inner = std::max(width - scrollBar_->sizeHint().width(), 1);
            shown = breakLongWords(lines, font(), inner);
            scrollBar_->setGeometry(inner, 0, width - inner, height);
            scrollBar_->setRange(0, std::max(wrappedHeight(font(), shown, inner, alignment()) - height, 0));
            scrollBar_->setPageStep(height);
            scrollBar_->setSingleStep(fontMetrics().lineSpacing());
        }
        scrollBar_->setVisible(scroll);
    }
    if (shown != QLabel::text())
        QLabel::setText(shown);
}

// A word's pieces after a break show only in a label that grows with its caption, scrolls, or is taller
// than two lines; a label for one line keeps its caption on that line. The figures of the account
// panel are one line tall, the score no more than two.
bool Label::hasRoomForAnotherLine() const
{
    if (autoSize_ || scrollBar_)
        return true;
    const QFontMetrics metrics(font());
    return twipsToPixels(twipHeight()) > metrics.height() + metrics.lineSpacing();
}

void Label::setScrolls(bool scrolls)
{
    if (scrolls == (scrollBar_ != nullptr))
        return;
    if (scrolls) {
        scrollBar_ = new QScrollBar(Qt::Vertical, this);
        scrollBar_->setObjectName(objectName() + QStringLiteral("_scrollBar"));
        scrollBar_->setPalette(standardPalette(*scrollBar_));
        scrollBar_->hide();
        connect(scrollBar_, &QScrollBar::valueChanged, this, [this] { update(); });
    } else {
        delete scrollBar_;
        scrollBar_ = nullptr;
    }
    layOutCaption();
}

void Label::setJustify(Justify justify)
{
    justify_ = justify;
    QLabel::setAlignment(toQtAlignment(justify) | Qt::AlignTop);
}

void Label::setOpaque(bool opaque)
{
    opaque_ = opaque;
    applyColors();
}

void Label::setAutoSize(bool autoSize)
{
    if (autoSize != autoSize_) {
        autoSize_ = autoSize;
        layOutCaption(); // whether words break follows the label's height, or its caption's
    }
    fitHeight();
}

void Label::setTwipRect(const TwipRect &rect)
{
    const TwipRect before = twipRect();
    Control::setTwipRect(rect);
    // The caption's layout depends on the size alone; a long caption takes long to lay out again,
    // and windows set their labels' places often without changing their sizes.
    if (rect.width != before.width || rect.height != before.height)
        layOutCaption();
    fitHeight();
}

void Label::changeEvent(QEvent *event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        layOutCaption();
}

void Label::paintEvent(QPaintEvent *event)
{
    if (!scrollBar_ || scrollBar_->isHidden()) {
        QLabel::paintEvent(event);
        return;
    }
    // The wrapped text, moved up by the scrolled distance, beside the bar.
    QPainter painter(this);
    const QRect area(0, -scrollBar_->value(), scrollBar_->x(), scrollBar_->maximum() + height());
    style()->drawItemText(&painter, area, static_cast<int>(alignment()) | Qt::TextWordWrap, palette(),
                          isEnabled(), text(), foregroundRole());
}

void Label::wheelEvent(QWheelEvent *event)
{
    if (scrollBar_ && !scrollBar_->isHidden())
        QCoreApplication::sendEvent(scrollBar_, event);
    else
        QLabel::wheelEvent(event);
}

void Label::fitHeight()
{
    if (!autoSize_)
        return;
    // The height the drawn caption needs at this width; an empty caption keeps one line.
    const int width = twipsToPixels(twipWidth());
    const int height = caption_.isEmpty() ? fontMetrics().lineSpacing() : heightForWidth(std::max(width, 1));
    const TwipRect &rect = twipRect();
    if (pixelsToTwips(height) != rect.height)
        Control::setTwipRect({rect.left, rect.top, rect.width, pixelsToTwips(height)});
}

void Label::applyColors()
{
    Control::applyColors();
    setAutoFillBackground(opaque_);
}

void Label::click()
{
    runInput(*this, click_);
}

void Label::mousePressEvent(QMouseEvent *event)
{
    if (click_ && event->button() == Qt::LeftButton)
        event->accept();
    else
        QLabel::mousePressEvent(event);
}

void Label::mouseReleaseEvent(QMouseEvent *event)
{
    if (click_ && event->button() == Qt::LeftButton) {
        event->accept();
        if (rect().contains(event->position().toPoint()))
            click();
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

// --- CommandButton ---

CommandButton::CommandButton(QWidget *parent, const QString &name, const QString &caption)
    : ControlWidget(parent, name, QStringLiteral("CommandButton"), false, kSysButtonFace, kSysButtonText)
{
    setCaption(caption);
    setAutoDefault(true); // Enter presses the button that has the focus, as Space does
    connect(this, &QPushButton::clicked, this, [this] { runInput(*this, click_); });
}

void CommandButton::setCaption(const QString &caption)
{
    caption_ = caption;
    QPushButton::setText(caption);
}

void CommandButton::click()
{
    if (visible() && takesInput(*this))
        QPushButton::click();
}

bool CommandButton::event(QEvent *event)
{
    // The access key presses the button at once, as a click does: Qt's own press would run the
    // procedure a tenth of a second later from a timer, whatever the screen offers by then. A key the
    // button shares with a menu title presses it too (AccessKeys.h).
    if (event->type() == QEvent::Shortcut) {
        const auto *shortcut = static_cast<QShortcutEvent *>(event);
        if (!shortcut->isAmbiguous() || offeredButtonFor(*window(), shortcut->key()) == this) {
            click();
            return true;
        }
    }
    return QPushButton::event(event);
}

// --- TextBox ---

TextBox::TextBox(QWidget *parent, const QString &name, const QString &text)
    : ControlWidget(parent, name, QStringLiteral("TextBox"), false, kSysWindow, kSysWindowText)
{
    setText(text);
    applyColors();
}

void TextBox::setJustify(Justify justify)
{
    justify_ = justify;
    QLineEdit::setAlignment(toQtAlignment(justify) | Qt::AlignVCenter);
}

void TextBox::applyColors()
{
    applyEntryColors();
}

bool TextBox::runKeyDown(QKeyEvent *event)
{
    if (!keyDown_)
        return true;
    const int16_t code = vbKeyCode(event->key(), event->modifiers());
    int16_t keyCode = code;
    int16_t shift = 0;
    if (event->modifiers() & Qt::ShiftModifier)
        shift |= 1;
    if (event->modifiers() & Qt::ControlModifier)
        shift |= 2;
    if (event->modifiers() & Qt::AltModifier)
        shift |= 4;
    // A key that the rule for input refuses is dropped: neither the procedure nor the box sees it.
    if (!runInput(*this, [&] { keyDown_(keyCode, shift); }))
        return false;
    return !(code != 0 && keyCode == 0);
}

bool TextBox::event(QEvent *event)
{
    // Tab reaches the key-down procedure before it moves the focus.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            if (!runKeyDown(key)) {
                event->accept();
                return true;
            }
        }
    }
    return QLineEdit::event(event);
}

void TextBox::keyPressEvent(QKeyEvent *event)
{
    // Tab has been through the key-down procedure in event() already; it arrives here only when the
    // focus had nowhere to go.
    const bool tab = event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab;
    if (tab || runKeyDown(event))
        QLineEdit::keyPressEvent(event);
    else
        event->accept();
}

// --- MultiLineTextBox ---

MultiLineTextBox::MultiLineTextBox(QWidget *parent, const QString &name, const QString &text)
    : ControlWidget(parent, name, QStringLiteral("TextBox"), false, kSysWindow, kSysWindowText)
{
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // The scroll bars keep the standard colours, every role of them: in the box's colours their arrows
    // take the text colour on the style's light bar (yellow on near-white in the dark schemes).
    for (QScrollBar *bar : {verticalScrollBar(), horizontalScrollBar()})
        bar->setPalette(standardPalette(*bar));
    setText(text);
    applyColors();
}

void MultiLineTextBox::setText(const QString &text)
{
    text_ = text;
    setPlainText(displayLineBreaks(text));
}

void MultiLineTextBox::click()
{
    runInput(*this, click_);
}

void MultiLineTextBox::dblClick()
{
    runInput(*this, dblClick_);
}

void MultiLineTextBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    if (event->button() == Qt::LeftButton)
        dblClick();
}

void MultiLineTextBox::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        click();
}

void MultiLineTextBox::applyColors()
{
    applyEntryColors();
}

// --- key codes ---

int16_t vbKeyCode(int qtKey, Qt::KeyboardModifiers modifiers)
{
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<int16_t>((modifiers & Qt::KeypadModifier) ? 96 + (qtKey - Qt::Key_0) : qtKey);
    if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || qtKey == Qt::Key_Space)
        return static_cast<int16_t>(qtKey);
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<int16_t>(112 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 8;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return 9;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 13;
    case Qt::Key_Shift:
        return 16;
    case Qt::Key_Control:
        return 17;
    case Qt::Key_Alt:
        return 18;
    case Qt::Key_Escape:
        return 27;
    case Qt::Key_PageUp:
        return 33;
    case Qt::Key_PageDown:
        return 34;
    case Qt::Key_End:
        return 35;
    case Qt::Key_Home:
        return 36;
    case Qt::Key_Left:
        return 37;
    case Qt::Key_Up:
        return 38;
    case Qt::Key_Right:
        return 39;
    case Qt::Key_Down:
        return 40;
    case Qt::Key_Insert:
        return 45;
    case Qt::Key_Delete:
        return 46;
    case Qt::Key_Plus:
        return 107;
    case Qt::Key_Comma:
        return 188;
    case Qt::Key_Minus:
        return (modifiers & Qt::KeypadModifier) ? 109 : 189;
    case Qt::Key_Period:
        return (modifiers & Qt::KeypadModifier) ? 110 : 190;
    default:
        return 0;
    }
}

// --- CheckBox ---

CheckBox::CheckBox(QWidget *parent, const QString &name, const QString &caption)
    : ControlWidget(parent, name, QStringLiteral("CheckBox"), false, kSysButtonFace, kSysButtonText)
{
    setTristate(false);
    setCaption(caption);
    applyColors();
}

void CheckBox::setCaption(const QString &caption)
{
    caption_ = caption;
    QCheckBox::setText(caption);
}

void CheckBox::setValue(int16_t value)
{
    if (value == value_)
        return;
    value_ = value;
    const QSignalBlocker blocker(this);
    setCheckState(value == 1 ? Qt::Checked : value == 2 ? Qt::PartiallyChecked : Qt::Unchecked);
    run(click_);
}

void CheckBox::nextCheckState()
{
    runInput(*this, [this] { setValue(value_ == 1 ? 0 : 1); });
}

// --- OptionButton ---

OptionButton::OptionButton(QWidget *parent, const QString &name, const QString &caption)
    : ControlWidget(parent, name, QStringLiteral("OptionButton"), false, kSysButtonFace, kSysButtonText)
{
    // The group rule is ours: Qt's exclusive radios can neither be cleared by code nor keep quiet
    // when unchecked.
    setAutoExclusive(false);
    setCaption(caption);
    applyColors();
}

void OptionButton::setCaption(const QString &caption)
{
    caption_ = caption;
    QRadioButton::setText(caption);
}

void OptionButton::drawValue(bool value)
{
    value_ = value;
    const QSignalBlocker blocker(this);
    setChecked(value);
}

void OptionButton::setValue(bool value)
{
    if (value == value_)
        return;
    if (!value) {
        drawValue(false);
        return;
    }
    if (QWidget *group = parentWidget()) {
        for (OptionButton *other : group->findChildren<OptionButton *>(Qt::FindDirectChildrenOnly)) {
            if (other != this && other->value_)
                other->drawValue(false);
        }
    }
    drawValue(true);
    run(click_);
}

void OptionButton::nextCheckState()
{
    runInput(*this, [this] { setValue(true); });
}

void OptionButton::applyColors()
{
    Control::applyColors();
    QPalette palette = this->palette();
    palette.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
    setPalette(palette);
}

// --- Frame ---

Frame::Frame(QWidget *parent, const QString &name, const QString &caption)
    : ControlWidget(parent, name, QStringLiteral("Frame"), false, kSysButtonFace, kSysButtonText)
{
    setCaption(caption);
    applyColors();
}

void Frame::setCaption(const QString &caption)
{
    caption_ = caption;
    QGroupBox::setTitle(caption);
}

void Frame::applyColors()
{
    Control::applyColors();
    setAutoFillBackground(true);
}

// --- Shape ---

Shape::Shape(QWidget *parent, const QString &name)
    : ControlWidget(parent, name, QStringLiteral("Shape"), true, kSysWindow, kSysWindowText)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Shape::setBorderColor(VbColor color)
{
    borderColor_ = color;
    update();
}

void Shape::setOpaque(bool opaque)
{
    opaque_ = opaque;
    update();
}

void Shape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (opaque_)
        painter.fillRect(rect(), toQColor(backColor()));
    painter.setPen(QPen(toQColor(borderColor_), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// --- Line ---

Line::Line(QWidget *parent, const QString &name)
    : ControlWidget(parent, name, QStringLiteral("Line"), true, kSysWindow, kSysWindowText)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void Line::setPoints(int x1, int y1, int x2, int y2)
{
    x1_ = x1;
    y1_ = y1;
    x2_ = x2;
    y2_ = y2;
    // The widget covers the line's bounding box, one pixel wide at least.
    setTwipRect({std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + kTwipsPerPixel,
                 std::abs(y2 - y1) + kTwipsPerPixel});
    update();
}

void Line::setBorderColor(VbColor color)
{
    borderColor_ = color;
    update();
}

void Line::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(toQColor(borderColor_), 1));
    const int left = std::min(x1_, x2_);
    const int top = std::min(y1_, y2_);
    painter.drawLine(twipsToPixels(x1_ - left), twipsToPixels(y1_ - top), twipsToPixels(x2_ - left),
                     twipsToPixels(y2_ - top));
}

// --- ComboBox ---

ComboBox::ComboBox(QWidget *parent, const QString &name, ComboStyle style, const QString &text)
    : ControlWidget(parent, name, QStringLiteral("ComboBox"), false, kSysWindow, kSysWindowText),
      style_(style), text_(style == ComboStyle::DropDownCombo ? text : QString())
{
    setEditable(style == ComboStyle::DropDownCombo);
    setInsertPolicy(QComboBox::NoInsert); // typing never adds to the list
    connect(this, &QComboBox::activated, this, [this](int index) {
        // A pick the rule for input refuses leaves the box showing its own state.
        if (!syncing_ && !runInput(*this, [this, index] { select(index); }))
            sync();
    });
    connect(this, &QComboBox::editTextChanged, this, [this](const QString &typed) {
        if (!syncing_ && style_ == ComboStyle::DropDownCombo)
            text_ = typed;
    });
    sync();
    applyColors();
}

void ComboBox::addItem(const QString &item)
{
    items_.append(item);
    sync();
}

void ComboBox::clear()
{
    items_.clear();
    listIndex_ = -1;
    text_.clear();
    sync();
}

QString ComboBox::list(int index) const
{
    return index >= 0 && index < items_.size() ? items_.at(index) : QString();
}

void ComboBox::setListIndex(int index)
{
    if (index < -1 || index >= items_.size())
        return;
    select(index);
}

void ComboBox::setText(const QString &text)
{
    if (style_ == ComboStyle::DropDownCombo) {
        text_ = text;
        sync();
        return;
    }
    for (int i = 0; i < items_.size(); ++i) {
        if (items_.at(i).compare(text, Qt::CaseInsensitive) == 0) {
            select(i);
            return;
        }
    }
}

void ComboBox::select(int index)
{
    const bool changed = index != listIndex_;
    listIndex_ = index;
    if (index >= 0)
        text_ = items_.at(index);
    else if (style_ == ComboStyle::DropDownList)
        text_.clear();
    sync();
    if (changed)
        run(click_);
}

void ComboBox::sync()
{
    syncing_ = true;
    {
        const QSignalBlocker blocker(this);
        if (QComboBox::count() != items_.size() || [&] {
                for (int i = 0; i < items_.size(); ++i)
                    if (itemText(i) != items_.at(i))
                        return true;
                return false;
            }()) {
            QComboBox::clear();
            QComboBox::addItems(items_);
        }
        setCurrentIndex(listIndex_);
        if (style_ == ComboStyle::DropDownCombo)
            setEditText(text_);
    }
    syncing_ = false;
}

void ComboBox::applyColors()
{
    applyEntryColors();
}

} // namespace tarvello::forms
