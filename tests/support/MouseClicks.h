#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace tarvello::test {

// A left click, pressed and released at a point of the widget, as the window system delivers it.
inline void clickAt(QWidget &widget, QPoint point)
{
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, QPointF(point), widget.mapToGlobal(QPointF(point)), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&widget, &event);
    }
}

} // namespace tarvello::test
