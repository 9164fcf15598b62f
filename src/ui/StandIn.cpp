#include "ui/StandIn.h"

#include <QPainter>

namespace tarvello {

StandIn::StandIn(QWidget *parent, const QString &name, const QString &kind, const QString &title)
    : ControlWidget(parent, name, kind, false, 0x000000, 0xC0C0C0), title_(title)
{
    applyColors();
}

void StandIn::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), forms::toQColor(backColor()));
    painter.setPen(forms::toQColor(foreColor()));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    painter.drawText(rect().adjusted(4, 4, -4, -4), Qt::AlignHCenter | Qt::AlignTop, title_);
}

} // namespace tarvello
