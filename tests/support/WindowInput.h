#pragma once

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <QWindow>

#include <functional>

namespace tarvello::test {

// Input queued for a shown window as the window system queues it: nothing happens until events run,
// and then the window hands each key or click to what has the focus, or is under the point, at that
// moment (so a control that shows at the point before the click runs takes it). Each event is made
// when it runs: Qt keeps the state of the pointer in the events it makes.
inline void postToWindow(QWidget &window, std::function<void(QWindow &)> deliver)
{
    QPointer<QWindow> handle = window.window()->windowHandle();
    QMetaObject::invokeMethod(
        handle,
        [handle, deliver = std::move(deliver)] {
            if (handle)
                deliver(*handle);
        },
        Qt::QueuedConnection);
}

// A key pressed and released; with Qt::AltModifier, an access key.
inline void postKey(QWidget &window, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    postToWindow(window, [key, modifiers](QWindow &handle) {
        // A letter or digit typed alone carries its text, by which an open menu finds its item.
        const bool typed = modifiers == Qt::NoModifier &&
                           ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9));
        const QString text = typed ? QString(QChar(key)).toLower() : QString();
        for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
            QKeyEvent event(type, key, modifiers, text);
            QCoreApplication::sendEvent(&handle, &event);
        }
    });
}

// A typed key as the window system delivers it: to the window that has the focus when it runs (none:
// the key is lost), which hands it to its focus control.
inline void postKeyToFocusWindow(Qt::Key key, const QString &text)
{
    QMetaObject::invokeMethod(
        QCoreApplication::instance(),
        [key, text] {
            QWindow *focused = QGuiApplication::focusWindow();
            if (!focused)
                return;
            for (QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
                QKeyEvent event(type, key, Qt::NoModifier, text);
                QCoreApplication::sendEvent(focused, &event);
            }
        },
        Qt::QueuedConnection);
}

// A left click at a point of a widget's place, whether it shows there yet or not.
inline void postClickAt(QWidget &widget, QPoint point)
{
    QWidget *window = widget.window();
    const QPointF at = widget.mapTo(window, QPointF(point));
    const QPointF global = window->mapToGlobal(at);
    postToWindow(*window, [at, global](QWindow &handle) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
            QMouseEvent event(type, at, global, Qt::LeftButton,
                              type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(&handle, &event);
        }
    });
}

// A left double click at the middle of a control, as the window system delivers it: press, release,
// the second press as a double click, release.
inline void postDoubleClick(QWidget &control)
{
    QWidget *window = control.window();
    const QPointF at = control.mapTo(window, QPointF(control.rect().center()));
    const QPointF global = window->mapToGlobal(at);
    postToWindow(*window, [at, global](QWindow &handle) {
        for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                  QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const bool down = type != QEvent::MouseButtonRelease;
            QMouseEvent event(type, at, global, Qt::LeftButton, down ? Qt::LeftButton : Qt::NoButton,
                              Qt::NoModifier);
            QCoreApplication::sendEvent(&handle, &event);
        }
    });
}

// A left click at the middle of the place a control has, whether it shows there yet or not.
inline void postClick(QWidget &control)
{
    postClickAt(control, control.rect().center());
}

// Events and timers run for `ms` milliseconds, as while a player looks at the screen.
inline void letTimePass(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace tarvello::test
