#pragma once

#include "platform/forms/Control.h"

#include <QFrame>

namespace tarvello {

// Stands where a control that is not built yet will go (the chart controls GraphLeft and
// GraphRight): it keeps the control's name, kind, place and own flags, and draws
// a plain frame with a title so that the screen shows where it is. The real controls replace it.
class StandIn : public forms::ControlWidget<QFrame> {
    Q_OBJECT
public:
    StandIn(QWidget *parent, const QString &name, const QString &kind, const QString &title = {});

    const QString &title() const { return title_; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QString title_;
};

} // namespace tarvello
