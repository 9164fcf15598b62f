#include "platform/print/WindowPrinter.h"

#include <QMessageBox>
#include <QPainter>
#include <QPixmap>
#include <QPrinter>
#include <QPrinterInfo>
#include <QWidget>

namespace tarvello::print {

bool DefaultPrinter::printWindow(QWidget &window)
{
    const QPrinterInfo printerInfo = QPrinterInfo::defaultPrinter();
    if (printerInfo.isNull())
        return false;
    QPrinter printer(printerInfo, QPrinter::HighResolution);
    const QPixmap image = window.grab();
    QPainter painter;
    if (image.isNull() || !painter.begin(&printer))
        return false;
    // Scaled to fit the page, keeping the window's proportions.
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
    const bool ended = painter.end();
    return ended && printer.printerState() != QPrinter::Error;
}

void DefaultPrinter::showMessage(QWidget *owner, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.exec();
}

} // namespace tarvello::print
