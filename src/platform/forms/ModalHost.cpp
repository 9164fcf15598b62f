#include "platform/forms/ModalHost.h"

#include "platform/forms/Form.h"

#include <QEventLoop>
#include <QPointer>
#include <QWindow>

namespace tarvello::forms {

void EventLoopModalHost::showModal(Form &form, Form *owner)
{
    const QPointer<Form> guard(&form);
    form.setWindowModality(Qt::ApplicationModal);
    if (owner) {
        form.winId(); // make the native windows, so that the owner can be set
        owner->winId();
        form.windowHandle()->setTransientParent(owner->windowHandle());
    }
    QEventLoop loop;
    QObject::connect(&form, &Form::hiddenOrUnloaded, &loop, &QEventLoop::quit);
    form.setVisible(true);
    if (guard && guard->visible() && guard->loaded())
        loop.exec(QEventLoop::DialogExec);
    if (guard)
        guard->setWindowModality(Qt::NonModal);
}

} // namespace tarvello::forms
