#include "platform/forms/Runtime.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

namespace tarvello::forms {

void doEvents()
{
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
