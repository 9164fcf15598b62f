// The program's start-up, as a player waits for it: a new process from its start to the main window
// drawn and ready, with the About window and the Disclaimer answered at once. The floor is a bare Qt
// program doing the least that start-up must: it opens the same price database, shows two modal boxes
// one after the other, each drawn and answered at once, then shows one window. Each timed iteration
// runs this executable again as a child in one of the two modes and waits for it; its time is the
// child's processor time (user and system), and its peak resident memory (ru_maxrss, read by wait4)
// is recorded beside it.
#include "app/WindowConnections.h"
#include "common/Random.h"
#include "common/SystemServices.h"
#include "data/PriceDatabase.h"
#include "data/PriceSchema.h"
#include "platform/forms/ApplicationSetup.h"
#include "platform/forms/Controls.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/ModalHost.h"
#include "platform/help/HelpViewer.h"
#include "platform/print/WindowPrinter.h"
#include "shell/HelpPages.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <vector>

using namespace tarvello;

namespace {

constexpr const char *kChildFlag = "--startup-child=";

// --- the children ---

// Answers the opening windows at once, after letting them draw: "OK" in the About window, "&Agree"
// in the Disclaimer.
class OpeningAnswers final : public forms::ModalHost {
public:
    void showModal(forms::Form &form, forms::Form *) override
    {
        form.setVisible(true);
        QCoreApplication::processEvents();
        for (const char *name : {"cmdOK", "btnClose"}) {
            if (auto *b = form.findChild<forms::CommandButton *>(QString::fromLatin1(name))) {
                b->click();
                break;
            }
        }
        if (form.loaded())
            form.setVisible(false);
    }
};

// The game's own start-up, as main() runs it, up to the main window drawn.
int runGame(int argc, char **argv)
{
    QApplication application(argc, argv);
    forms::setUpApplication();
    GameState state;
    OpeningAnswers modalHost;
    bench::NoEnd programEnd;
    forms::FormRegistry forms(modalHost);
    DefaultRandomSource random;
    random.randomize();
    SystemClock clock;
    App game{state, forms, programEnd, random, clock, QCoreApplication::applicationDirPath()};
    help::HelpWindow help(help::helpPages());
    print::CupsSpooler spooler;
    print::DefaultPrinter printer(spooler);
    game.help = &help;
    game.printer = &printer;
    connectWindows(game);
    forms.get<Halvern>();
    QCoreApplication::processEvents();
    const bool ready = !programEnd.ended() && forms.get<Halvern>().visible();
    std::fflush(nullptr);
    std::_Exit(ready ? 0 : 2);
}

// A modal box with a line of text and a button, drawn and then answered.
void showBox(QWidget &owner, const QString &text)
{
    QDialog box(&owner);
    box.setModal(true);
    auto *layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(text, &box));
    auto *ok = new QPushButton(QStringLiteral("OK"), &box);
    layout->addWidget(ok);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    box.show();
    QCoreApplication::processEvents();
    ok->click();
}

// The floor: a bare window, the same database opened, two modal boxes, the window shown and drawn.
int runFloor(int argc, char **argv)
{
    QApplication application(argc, argv);
    QWidget window;
    window.resize(636, 481);
    showBox(window, QStringLiteral("About"));
    const QString file =
        QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kPriceFileName));
    PriceDatabaseState database;
    if (!OpenPriceDatabase(database, file))
        std::_Exit(2);
    showBox(window, QStringLiteral("Disclaimer"));
    window.show();
    QCoreApplication::processEvents();
    std::fflush(nullptr);
    std::_Exit(0);
}

// --- the parent ---

std::string self;
std::map<std::string, std::vector<long>> peaks; // kB, one per child run

struct ChildRun {
    bool ok = false;
    double cpuSeconds = 0; // user and system time of the child
    long peakKb = 0;       // its peak resident memory
};

// Runs this program as a child in `mode` and waits for it.
ChildRun runChild(const char *mode)
{
    const std::string flag = std::string(kChildFlag) + mode;
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
        if (std::freopen("/dev/null", "w", stderr) == nullptr)
            std::_Exit(126);
        execl(self.c_str(), self.c_str(), flag.c_str(), static_cast<char *>(nullptr));
        std::_Exit(127);
    }
    int status = 0;
    rusage usage{};
    ChildRun run;
    if (pid < 0 || wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return run;
    const auto seconds = [](const timeval &t) { return static_cast<double>(t.tv_sec) + t.tv_usec / 1e6; };
    run.ok = true;
    run.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
    run.peakKb = usage.ru_maxrss;
    return run;
}

// The time of an iteration is the child's processor time, which a busy machine disturbs far less
// than its wall time.
void startUp(benchmark::State &run, const char *mode, const std::string &name)
{
    for (auto _ : run) {
        const ChildRun child = runChild(mode);
        if (!child.ok) {
            run.SkipWithError("the child did not reach its ready state");
            break;
        }
        run.SetIterationTime(child.cpuSeconds);
        peaks[name].push_back(child.peakKb);
    }
}

void BM_StartupGame(benchmark::State &run)
{
    startUp(run, "game", "BM_StartupGame");
}

void BM_StartupFloor(benchmark::State &run)
{
    startUp(run, "floor", "BM_StartupFloor");
}

void repeatedRuns(benchmark::internal::Benchmark *b)
{
    bench::repeated<benchmark::kMillisecond>(b);
    b->Iterations(3)->UseManualTime();
}

BENCHMARK(BM_StartupFloor)->Apply(repeatedRuns);
BENCHMARK(BM_StartupGame)->Apply(repeatedRuns);

template <class T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? T{} : values[values.size() / 2];
}

// The two children run in turns, a floor then a game, so that both meet the machine as it is at that
// moment: on a shared machine the load changes between the benchmarks above, which run one after
// the other, more than it does between two neighbouring runs. The figure is the median of the
// pairs' ratios.
void interleavedRuns(int pairs)
{
    std::vector<double> game;
    std::vector<double> floor;
    std::vector<double> ratios;
    for (int i = 0; i < pairs; ++i) {
        const ChildRun f = runChild("floor");
        const ChildRun g = runChild("game");
        if (!f.ok || !g.ok) {
            std::printf("start-up in turns: a child did not reach its ready state\n");
            return;
        }
        floor.push_back(f.cpuSeconds * 1e3);
        game.push_back(g.cpuSeconds * 1e3);
        ratios.push_back(g.cpuSeconds / f.cpuSeconds);
    }
    std::printf("%-20s %9.2f ms   floor %9.2f ms   ratio %.2fx   (in turns, medians of %d pairs)\n",
                "BM_StartupGame", median(game), median(floor), median(ratios), pairs);
}

} // namespace

int main(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], kChildFlag, std::strlen(kChildFlag)) == 0) {
            const std::string mode = argv[i] + std::strlen(kChildFlag);
            int childArgc = 1;
            return mode == "game" ? runGame(childArgc, argv) : runFloor(childArgc, argv);
        }
    }
    self = "/proc/self/exe";
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0)
        self.assign(path, static_cast<size_t>(length));

    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    bench::RatioReporter reporter({{"BM_StartupGame", "BM_StartupFloor"}}, "floor", "ms");
    const int result = bench::runBenchmarks(argc, argv, reporter);
    const long game = median(peaks["BM_StartupGame"]);
    const long floor = median(peaks["BM_StartupFloor"]);
    if (game > 0 && floor > 0)
        std::printf("%-20s %9.1f MB   floor %9.1f MB   ratio %.2fx   (peak resident memory, median)\n",
                    "BM_StartupGame", game / 1024.0, floor / 1024.0, static_cast<double>(game) / floor);
    if (result == 0)
        interleavedRuns(31);
    return result;
}
