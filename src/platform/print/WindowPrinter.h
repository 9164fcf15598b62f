#pragma once

#include <QString>

class QWidget;

namespace tarvello::print {

// Prints the image of a window and shows a plain message box. The game prints with DefaultPrinter;
// tests put a recording one in its place, so no test waits on a printer or a box.
class WindowPrinter {
public:
    virtual ~WindowPrinter() = default;
    // The window's image, with its controls as shown, as one page on the default printer; false
    // when it could not be printed (no printer, or the printer refused the job).
    virtual bool printWindow(QWidget &window) = 0;
    // A message box with the OK button only, titled `title`, over `owner`.
    virtual void showMessage(QWidget *owner, const QString &title, const QString &text) = 0;
};

// The print system the finished page is handed to. Its answer is the only way to learn that a
// printer refused the job, so the job is submitted here rather than left to QPrinter, which drops
// the print system's answer. Tests put a stand-in in its place that takes or refuses the job.
class PrintSpooler {
public:
    virtual ~PrintSpooler() = default;
    // The name of the default printer; empty when there is none.
    virtual QString defaultPrinter() = 0;
    // Sends a PDF file to the printer as one job; false when the job was not taken (the printer
    // refuses jobs, is gone, or the print system cannot be reached).
    virtual bool submit(const QString &printer, const QString &pdfFile, const QString &title) = 0;
};

// CUPS, reached when a job is submitted: a machine without it has no printer, and the game still runs.
class CupsSpooler final : public PrintSpooler {
public:
    QString defaultPrinter() override;
    bool submit(const QString &printer, const QString &pdfFile, const QString &title) override;
};

class DefaultPrinter final : public WindowPrinter {
public:
    explicit DefaultPrinter(PrintSpooler &spooler) : spooler_(spooler) {}
    bool printWindow(QWidget &window) override;
    void showMessage(QWidget *owner, const QString &title, const QString &text) override;

private:
    PrintSpooler &spooler_;
};

} // namespace tarvello::print
