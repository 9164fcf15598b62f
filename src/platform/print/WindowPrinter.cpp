#include "platform/print/WindowPrinter.h"

#include <QMessageBox>
#include <QPageLayout>
#include <QPainter>
#include <QPdfWriter>
#include <QPixmap>
#include <QPrinterInfo>
#include <QTemporaryDir>
#include <QWidget>

#include <dlfcn.h>

namespace tarvello::print {

namespace {

constexpr int kPageResolution = 300; // dots per inch of the page sent to the printer

// The page of the printer's own default size; US Letter for a printer the system does not describe.
QPageSize pageSizeOf(const QString &printer)
{
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer);
    const QPageSize size = info.isNull() ? QPageSize() : info.defaultPageSize();
    return size.isValid() ? size : QPageSize(QPageSize::Letter);
}

// The image scaled to fit the page, keeping its proportions, as a one-page PDF file.
bool writePage(const QPixmap &image, const QString &file, const QString &printer, const QString &title)
{
    QPdfWriter pdf(file);
    pdf.setTitle(title);
    pdf.setResolution(kPageResolution);
    pdf.setPageLayout(QPageLayout(pageSizeOf(printer), QPageLayout::Portrait, QMarginsF(12.7, 12.7, 12.7, 12.7),
                                  QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&pdf))
        return false;
    const QRect page = painter.viewport();
    QSize size = image.size();
    size.scale(page.size(), Qt::KeepAspectRatio);
    painter.setViewport(page.x(), page.y(), size.width(), size.height());
    painter.setWindow(image.rect());
    painter.drawPixmap(0, 0, image);
    return painter.end();
}

} // namespace

bool DefaultPrinter::printWindow(QWidget &window)
{
    const QString printer = spooler_.defaultPrinter();
    if (printer.isEmpty())
        return false;
    const QPixmap image = window.grab();
    const QTemporaryDir folder;
    if (image.isNull() || !folder.isValid())
        return false;
    const QString file = folder.filePath(QStringLiteral("page.pdf"));
    const QString title = window.window()->windowTitle();
    return writePage(image, file, printer, title) && spooler_.submit(printer, file, title);
}

void DefaultPrinter::showMessage(QWidget *owner, const QString &title, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, owner);
    box.exec();
}

QString CupsSpooler::defaultPrinter()
{
    return QPrinterInfo::defaultPrinterName();
}

bool CupsSpooler::submit(const QString &printer, const QString &pdfFile, const QString &title)
{
    // cupsPrintFile answers with the job's number, or 0 when the job was not taken. The library stays
    // loaded once found: it keeps per-thread state that must outlive the call.
    using PrintFile = int (*)(const char *, const char *, const char *, int, void *);
    static const PrintFile printFile = [] {
        void *cups = dlopen("libcups.so.2", RTLD_NOW | RTLD_LOCAL);
        return cups ? reinterpret_cast<PrintFile>(dlsym(cups, "cupsPrintFile")) : nullptr;
    }();
    if (!printFile)
        return false;
    return printFile(printer.toLocal8Bit().constData(), pdfFile.toLocal8Bit().constData(),
                     title.toLocal8Bit().constData(), 0, nullptr) > 0;
}

} // namespace tarvello::print
