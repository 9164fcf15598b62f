#include "platform/forms/Form.h"

#include "platform/forms/AccessKeys.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/FramePlacement.h"
#include "platform/forms/InputGate.h"
#include "platform/forms/MenuItem.h"
#include "platform/forms/ModalHost.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcutEvent>
#include <QVBoxLayout>
#include <QWindow>

#include <utility>

namespace tarvello::forms {

namespace {

// Left and Top place the outer frame. A window manager frames a window only once it is mapped, and a
// native window made before it was placed keeps its client area where it was put: on X11 the title
// bar and close box then lie above the screen's edge. Until the window manager has reported the frame,
// the frame is placed again whenever the window system tells something new of the window: at its
// show, moves and paints, and at any event of the window system (the report itself may come without a
// move or a paint).
class FramePlacement final : public QObject, public QAbstractNativeEventFilter, public FrameReport {
public:
    FramePlacement(Form &form, QPoint at)
        : QObject(&form), window_(form), client_(*form.client()), placer_(at)
    {
        window_.installEventFilter(this);
        client_.installEventFilter(this);
    }
    ~FramePlacement() override
    {
        if (QCoreApplication *application = QCoreApplication::instance())
            application->removeNativeEventFilter(this);
    }
    bool pending() const { return placer_.pending(); }
    void setTarget(QPoint at) { placer_.setTarget(at); }

    bool shown() const override
    {
        const QWindow *handle = window_.windowHandle();
        return handle && handle->isExposed();
    }
    std::optional<QPoint> framePosition() const override
    {
        const QWindow *handle = window_.windowHandle();
        if (!handle || handle->frameMargins().isNull())
            return std::nullopt;
        return handle->framePosition();
    }
    // The client area goes where the frame just reported puts it. The widget's own copy of the frame
    // may be older, and its geometry is what Qt sends again at the next change of size.
    void moveFrame(QPoint at) override
    {
        const QMargins frame = window_.windowHandle()->frameMargins();
        window_.setGeometry(QRect(at + QPoint(frame.left(), frame.top()), window_.size()));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const bool news = watched == &client_
                              ? event->type() == QEvent::Paint
                              : event->type() == QEvent::Show || event->type() == QEvent::Move;
        if (news)
            update();
        return false;
    }
    bool nativeEventFilter(const QByteArray &, void *, qintptr *) override
    {
        // Looked at once the event has been taken in, and once for a run of events.
        if (!updateQueued_) {
            updateQueued_ = true;
            QMetaObject::invokeMethod(
                this,
                [this] {
                    updateQueued_ = false;
                    update();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    void update()
    {
        if (!placer_.pending())
            return;
        placer_.update(*this);
        if (!placer_.pending()) {
            window_.removeEventFilter(this);
            client_.removeEventFilter(this);
            QCoreApplication::instance()->removeNativeEventFilter(this);
            deleteLater();
        } else if (shown() && !watchingWindowSystem_) {
            // Only a window on screen waits for its frame; a hidden one would only wake at every event.
            watchingWindowSystem_ = true;
            QCoreApplication::instance()->installNativeEventFilter(this);
        }
    }

    QWidget &window_;
    QWidget &client_;
    FramePlacer placer_;
    bool updateQueued_ = false;
    bool watchingWindowSystem_ = false;
};

void placeFrame(Form &form, QPoint at)
{
    // Before the native window exists a top-level's position is its frame's; once the window manager
    // has reported the frame it is known. Either way move() places the frame; in between it may not,
    // so it is done again.
    form.move(at);
    for (QObject *child : form.children()) {
        if (auto *placement = dynamic_cast<FramePlacement *>(child); placement && placement->pending()) {
            placement->setTarget(at);
            return;
        }
    }
    const QWindow *window = form.windowHandle();
    if (window && window->isExposed() && !window->frameMargins().isNull())
        return;
    new FramePlacement(form, at);
}

} // namespace

Form::Form(const QString &name, int clientWidthTwips, int clientHeightTwips)
    : layout_(new QVBoxLayout(this)), client_(new QWidget(this)), clientWidth_(clientWidthTwips),
      clientHeight_(clientHeightTwips)
{
    setObjectName(name);
    // A fixed single border: the window takes the size of its client area and cannot be resized.
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    layout_->addWidget(client_);
    client_->setObjectName(name + QStringLiteral("_client"));
    client_->setAutoFillBackground(true);
    client_->installEventFilter(this);
    resizeClient(clientWidthTwips, clientHeightTwips);
    setBackColor(backColor_);
    // The window system may hand the focus to a window after it has hidden (a close that came before
    // the window manager gave it the keyboard): it goes back at once.
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow *focused) {
        if (focused && !visible_ && focused == windowHandle())
            giveFocusBack();
    });
}

// Refuses the player's input to a disabled window: a filter of the application's events, which exists
// only while the window is disabled.
class Form::InputLock final : public QObject {
public:
    explicit InputLock(Form &form) : form_(form) { QCoreApplication::instance()->installEventFilter(this); }
    ~InputLock() override
    {
        if (QCoreApplication *application = QCoreApplication::instance())
            application->removeEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    Form &form_;
};

bool Form::InputLock::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Shortcut:
    case QEvent::ContextMenu:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::DragEnter:
    case QEvent::DragMove:
    case QEvent::Drop:
    case QEvent::FocusIn:
        break;
    default:
        return false;
    }
    if (owningForm(watched) != &form_)
        return false;
    // The window system may hand the focus back when the window becomes active: it has none.
    if (event->type() == QEvent::FocusIn) {
        if (auto *widget = qobject_cast<QWidget *>(watched))
            widget->clearFocus();
    }
    return true;
}

Form::~Form() = default;

void Form::setFixedDialogBorder()
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
}

void Form::addMenu(MenuItem *menu)
{
    if (!menuBar_) {
        menuBar_ = new QMenuBar(this);
        menuBar_->setObjectName(objectName() + QStringLiteral("_menuBar"));
        layout_->setMenuBar(menuBar_);
        menuBar_->installEventFilter(this);
    }
    menuBar_->addAction(menu);
}

void Form::setCaption(const QString &caption)
{
    caption_ = caption;
    setWindowTitle(caption);
}

void Form::setBackColor(VbColor color)
{
    backColor_ = color;
    QPalette palette = client_->palette();
    palette.setColor(QPalette::Window, toQColor(backColor_));
    palette.setColor(QPalette::WindowText, toQColor(foreColor_));
    client_->setPalette(palette);
}

void Form::setForeColor(VbColor color)
{
    foreColor_ = color;
    setBackColor(backColor_);
}

int Form::twipWidth() const
{
    return clientWidth_ + 2 * kBorderTwips;
}

int Form::twipHeight() const
{
    return clientHeight_ + 2 * kBorderTwips + kCaptionTwips + (menuBar_ ? kMenuBarTwips : 0);
}

void Form::setTwipLeft(int left)
{
    left_ = left;
    placeFrame(*this, QPoint(twipsToPixels(left_), twipsToPixels(top_)));
}

void Form::setTwipTop(int top)
{
    top_ = top;
    placeFrame(*this, QPoint(twipsToPixels(left_), twipsToPixels(top_)));
}

void Form::setTwipWidth(int width)
{
    resizeClient(width - (twipWidth() - clientWidth_), clientHeight_);
}

void Form::setTwipHeight(int height)
{
    resizeClient(clientWidth_, height - (twipHeight() - clientHeight_));
}

void Form::resizeClient(int widthTwips, int heightTwips)
{
    clientWidth_ = std::max(widthTwips, 0);
    clientHeight_ = std::max(heightTwips, 0);
    client_->setFixedSize(twipsToPixels(clientWidth_), twipsToPixels(clientHeight_));
}

void Form::setVisible(bool visible)
{
    const bool wasVisible = visible_;
    if (visible && !wasVisible) {
        auto *focused = qobject_cast<Form *>(QApplication::activeWindow());
        if ((!focused || !focused->visible_) && registry_)
            focused = registry_->activeForm();
        focusBack_ = focused != this ? focused : nullptr;
    }
    visible_ = visible;
    QWidget::setVisible(visible);
    if (wasVisible && !visible) {
        if (QApplication::activeWindow() == this || QGuiApplication::focusWindow() == windowHandle())
            giveFocusBack();
        emit hiddenOrUnloaded();
    }
    if (visible && registry_)
        registry_->activate(*this);
}

void Form::setEnabled(bool enabled)
{
    if (enabled == enabled_)
        return;
    enabled_ = enabled;
    // Qt's own disabling would grey every control and menu and draw them all again, twice a click of
    // "&Forward"; the window only refuses input instead, and gives up the focus as a disabled one does.
    if (!enabled) {
        focusBeforeLock_ = focusWidget();
        if (focusBeforeLock_)
            focusBeforeLock_->clearFocus();
        inputLock_ = std::make_unique<InputLock>(*this);
    } else {
        inputLock_.reset();
        // Nothing can take the focus while the window is locked, so the control that had it gets it
        // back, unless the procedure hid or disabled it meanwhile. In a window that is not active this
        // only marks the control, which takes the focus when the window is activated.
        const QPointer<QWidget> focus = std::exchange(focusBeforeLock_, nullptr);
        if (focus && !focusWidget() && focus->isVisibleTo(this) && focus->isEnabled() &&
            focus->focusPolicy() != Qt::NoFocus)
            focus->setFocus(Qt::OtherFocusReason);
    }
}

void Form::setFocus()
{
    if (enabled_)
        QWidget::setFocus();
}

void Form::showModeless()
{
    setVisible(true);
}

void Form::showModal(Form *owner)
{
    FormRegistry *registry = registry_;
    if (!registry) {
        setVisible(true);
        return;
    }
    // When the modal window goes, the window it came from is active again.
    const QPointer<Form> back = owner ? owner : registry->activeForm();
    owner_ = back;
    registry->modalHost().showModal(*this, owner);
    // This window may be unloaded by now: touch only what was saved above.
    if (back && back->loaded() && back->visible())
        registry->activate(*back);
}

void Form::giveFocusBack()
{
    Form *back = focusBack_ && focusBack_->visible_ ? focusBack_.data() : owner_.data();
    if (back && back != this && back->visible_)
        back->activateWindow();
}

bool Form::unload()
{
    if (!loaded_ || unloading_)
        return !loaded_;
    unloading_ = true;
    int16_t cancel = 0;
    if (unload_)
        unload_(cancel);
    unloading_ = false;
    if (cancel != 0)
        return false;
    loaded_ = false;
    setVisible(false);
    emit hiddenOrUnloaded();
    if (registry_)
        registry_->release(*this);
    return true;
}

void Form::closeEvent(QCloseEvent *event)
{
    // The close box asks for an unload; Qt itself never closes a window of ours.
    event->ignore();
    unload();
}

void Form::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && registry_ && loaded_)
        registry_->activate(*this);
    QWidget::changeEvent(event);
}

void Form::click()
{
    runInput(*this, click_);
}

bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == menuBar_ && event->type() == QEvent::Shortcut &&
        pressButtonForMenuKey(*this, *static_cast<QShortcutEvent *>(event)))
        return true;
    if (watched == client_ && click_ &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonRelease)) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton) {
            if (event->type() == QEvent::MouseButtonRelease &&
                client_->rect().contains(mouse->position().toPoint()))
                click();
            return true;
        }
    }
    if (watched == client_ && event->type() == QEvent::Paint && paint_ && !paintQueued_) {
        paintQueued_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                paintQueued_ = false;
                if (paint_ && loaded_)
                    paint_();
            },
            Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

void Form::runLoad()
{
    if (load_)
        load_();
}

void Form::runActivate()
{
    if (activate_)
        activate_();
}

Form *owningForm(const QObject *object)
{
    for (const QObject *o = object; o; o = o->parent()) {
        if (auto *form = qobject_cast<Form *>(const_cast<QObject *>(o)))
            return form;
    }
    return nullptr;
}

bool takesInput(const QWidget &widget)
{
    if (!widget.isEnabled())
        return false;
    const Form *form = owningForm(&widget);
    return !form || form->enabled();
}

} // namespace tarvello::forms
