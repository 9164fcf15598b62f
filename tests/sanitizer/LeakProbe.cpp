// What the leak checker of the sanitizer build reports, with the project's suppressions:
//   plain       leaks 4242 bytes from main;
//   event       leaks 4343 bytes from a call Qt's event loop makes, where every frame below ours is Qt's;
//   fonts-exit  starts Qt's fonts, as every window of the game does, then ends by std::exit as the game
//               does; it leaks nothing of its own.
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
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
    QGuiApplication app(argc, argv);
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
    std::fputs("usage: leak_probe plain|event|fonts-exit\n", stderr);
    return 2;
}
