#pragma once

#include <QEvent>
#include <QObject>
#include <QWidget>

namespace tarvello::test {

// Counts the drawings of a widget.
class Paints final : public QObject {
public:
    explicit Paints(QWidget &widget) { widget.installEventFilter(this); }
    int count = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return false;
    }
};

} // namespace tarvello::test
