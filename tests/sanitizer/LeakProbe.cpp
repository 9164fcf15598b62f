// What the leak checker of the sanitizer build reports, with the project's suppressions:
//   plain       leaks 4242 bytes from main;
//   event       leaks 4343 bytes from a call Qt's event loop makes, where every frame below ours is Qt's;
//   fonts-exit  starts Qt's fonts, as every window of the game does, then ends by std::exit as the game
//               does; it leaks nothing of its own.
//   scripts-exit
//               shows the game's Disclaimer window with a text in Hebrew, Arabic and emoji (letters its
//               own font lacks, so Qt looks for fallback fonts), then ends by std::exit; it leaks
//               nothing of its own.
#include "platform/forms/ApplicationSetup.h"
#include "windows/DisclaimerWindow.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPixmap>
#include <QTimer>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

void *volatile kept = nullptr;

void leak(std::size_t bytes)
{
    kept = new char[bytes];
    std::memset(kept, 1, bytes);
    kept = nullptr; // the last reference goes: the block is leaked
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const char *kind = argc > 1 ? argv[1] : "";
    if (std::strcmp(kind, "plain") == 0) {
        leak(4242);
        return 0;
    }
    if (std::strcmp(kind, "event") == 0) {
        QTimer::singleShot(0, [] {
            leak(4343);
            QCoreApplication::quit();
        });
        return app.exec();
    }
    if (std::strcmp(kind, "fonts-exit") == 0) {
        const QFontMetrics metrics(QFont(QStringLiteral("DejaVu Sans"), 10));
        std::printf("line height %d\n", metrics.height());
        std::fflush(nullptr);
        std::exit(0);
    }
    if (std::strcmp(kind, "scripts-exit") == 0) {
        tarvello::forms::setUpApplication();
        tarvello::frmDisclaimer disclaimer;
        disclaimer.txtNewsDisplay->setText(QStringLiteral(
            "\u05D6\u05D4\u05D5 \u05DE\u05E9\u05D7\u05E7. \u0647\u0630\u0647 \u0644\u0639\u0628\u0629. "
            "A game \U0001F3B2 \U0001F4C8 \u2014 prices are simulated."));
        disclaimer.show();
        const QImage shown = disclaimer.grab().toImage(); // paints every control, text included
        std::printf("shown %dx%d\n", shown.width(), shown.height());
        std::fflush(nullptr);
        std::exit(0);
    }
    std::fputs("usage: leak_probe plain|event|fonts-exit|scripts-exit\n", stderr);
    return 2;
}
