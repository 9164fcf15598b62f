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

class DefaultPrinter final : public WindowPrinter {
public:
    bool printWindow(QWidget &window) override;
    void showMessage(QWidget *owner, const QString &title, const QString &text) override;
};

} // namespace tarvello::print
