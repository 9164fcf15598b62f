#include "platform/forms/Runtime.h"

#include "platform/forms/Form.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace tarvello::forms {

namespace {

// While pending events run, a disabled window is not drawn again: a procedure that locks a window
// lets events run several times while it changes the window, and the player could not use what was
// drawn. The window's drawing waits, and is done once, when the events run with the window enabled
// again (or in any event loop, as under a modal window).
class LockedWindowPaints final : public QObject {
public:
    explicit LockedWindowPaints(const Form *held = nullptr) : held_(held)
    {
        QCoreApplication::instance()->installEventFilter(this);
    }
    ~LockedWindowPaints() override { QCoreApplication::instance()->removeEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::UpdateRequest)
            return false;
        auto *form = qobject_cast<Form *>(watched);
        if (!form || (form->enabled() && form != held_))
            return false;
        // Qt asks for one drawing at a time and waits for it: ask again for later.
        QCoreApplication::postEvent(form, new QEvent(QEvent::UpdateRequest), Qt::LowEventPriority);
        return true;
    }

private:
    const Form *held_;
};

} // namespace

void doEvents()
{
    const LockedWindowPaints deferred;
    QCoreApplication::processEvents();
}

void doEventsDrawingLater(const Form &window)
{
    const LockedWindowPaints deferred(&window);
    QCoreApplication::processEvents();
}

void setMousePointer(MousePointer pointer)
{
    if (pointer == MousePointer::Hourglass) {
        if (QGuiApplication::overrideCursor())
            QGuiApplication::changeOverrideCursor(Qt::WaitCursor);
        else
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QGuiApplication::overrideCursor())
        QGuiApplication::restoreOverrideCursor();
}

MousePointer mousePointer()
{
    const QCursor *cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor ? MousePointer::Hourglass : MousePointer::Default;
}

} // namespace tarvello::forms
