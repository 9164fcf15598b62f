// The cost of opening the trade history report on the real main window (offscreen) after 100, 1,000 and
// 10,000 round trips (two fills each), up to the grid's first drawing, next to a floor: a plain
// QTableView of the same size and font over a plain model that holds the same texts, already made,
// given its column widths and drawn once. Each opening is closed again, untimed, so that the next
// click opens it anew. The report's building alone (BuildTradeHistory and the drawing, without the
// click's steps around it: hiding the charts and letting the window repaint) is measured too. The heap
// the open report holds is measured once per count, by the bytes in use before and after an opening,
// and reported per fill.
#include "app/MainWindowEvents.h"
#include "app/WindowConnections.h"
#include "common/Random.h"
#include "common/SystemServices.h"
#include "news/ReportTexts.h"
#include "news/ui/NewsReports.h"
#include "platform/forms/FormRegistry.h"
#include "platform/forms/ModalHost.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

#include <QAbstractTableModel>
#include <QApplication>
#include <QHeaderView>
#include <QPixmap>
#include <QTableView>

#include <benchmark/benchmark.h>

#include "BenchSupport.h"

#include <malloc.h>

#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

using namespace tarvello;

namespace {

constexpr int kRoundTrips[] = {100, 1000, 10000};

// No window is expected to be modal here; any that is shown is put away at once.
class QuietHost final : public forms::ModalHost {
public:
    void showModal(forms::Form &form, forms::Form *) override { form.setVisible(false); }
};

// Bytes the program holds on the heap now.
size_t heapInUse()
{
    return mallinfo2().uordblks;
}

// A Tick game at its thirtieth period with `roundTrips` positions opened and closed again, over the
// six instruments in turn, so every position is flat when the report opens.
class Game {
public:
    explicit Game(int roundTrips)
    {
        connectWindows(app);
        forms.setConnector<Halvern>([this](Halvern &w) {
            connectMainWindow(w, app);
            w.setLoadHandler({}); // no About or Disclaimer
        });
        state.settings.dataType = DataKind::Tick;
        state.clock.tradeDay = 30;
        state.clock.gameDataLoaded = true;
        static constexpr float kPrices[] = {18.25f, 382.5f, 97.53125f, 1234.5f, 70.125f, 5.8075f};
        for (int r = 0; r < roundTrips; ++r) {
            const auto instrument = static_cast<size_t>(r % 6);
            const auto day = static_cast<int16_t>(1 + r % 29);
            const float units = static_cast<float>(1 + r % 25);
            fill(kAllInstruments[instrument], day, units, kPrices[instrument]);
            fill(kAllInstruments[instrument], day, -units, kPrices[instrument] * 1.01f);
        }
        w().showModeless();
        w().btnTradeHist->setVisible(true);
        w().btnTradeHist->setEnabled(true);
        QApplication::processEvents();
    }

    Halvern &w() { return forms.get<Halvern>(); }

    // Opens the report and draws its grid.
    void open()
    {
        w().btnTradeHist->click();
        QPixmap image = w().TradeGrid->grab();
        benchmark::DoNotOptimize(image.cacheKey());
    }
    void close()
    {
        w().btnCloseTradeHistory->click();
        QApplication::processEvents();
    }

    GameState state;
    QuietHost host;
    bench::NoEnd programEnd;
    forms::FormRegistry forms{host};
    DefaultRandomSource random{20240611};
    SystemClock clock;
    App app{state, forms, programEnd, random, clock, QString()};

private:
    void fill(Instrument instrument, int16_t day, float units, float price)
    {
        TradeRecord r;
        r.tradeNumber = ++state.account.totalTrades;
        r.tradeDay = day;
        r.security = instrument;
        r.transaction = QLatin1String(units < 0 ? "Sell" : "Buy");
        r.units = units;
        r.price = price;
        state.trades.write(r);
    }
};

void BM_TradeHistory(benchmark::State &run, int roundTrips)
{
    Game game(roundTrips);
    // The first opening makes what any report needs once (fonts, style); the heap is counted on the
    // second, from a window whose grid holds a one-fill report.
    const int32_t total = game.state.account.totalTrades;
    game.state.account.totalTrades = 1;
    game.open();
    game.close();
    game.state.account.totalTrades = total;
    const size_t before = heapInUse();
    game.open();
    const size_t after = heapInUse();
    game.close();
    for (auto _ : run) {
        game.open();
        run.PauseTiming();
        game.close();
        run.ResumeTiming();
    }
    run.counters["heap_per_fill"] = benchmark::Counter(
        static_cast<double>(static_cast<long long>(after) - static_cast<long long>(before)) / total);
}

// The report's own building alone, as the click calls it once the charts are out of the way, and the
// grid's drawing.
void BM_TradeHistoryBuild(benchmark::State &run, int roundTrips)
{
    Game game(roundTrips);
    game.open();
    for (auto _ : run) {
        BuildTradeHistory(game.app);
        QPixmap image = game.w().TradeGrid->grab();
        benchmark::DoNotOptimize(image.cacheKey());
    }
}

using Texts = std::vector<std::array<QString, kTradeColumns>>;

// The floor's model: the texts, already made, one row of them per grid row.
class PlainModel final : public QAbstractTableModel {
public:
    explicit PlainModel(const Texts &texts) : texts_(texts) {}
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(texts_.size());
    }
    int columnCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : kTradeColumns;
    }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return texts_[static_cast<size_t>(index.row())][static_cast<size_t>(index.column())];
    }
    void reset()
    {
        beginResetModel();
        endResetModel();
    }

private:
    const Texts &texts_;
};

void BM_Floor(benchmark::State &run, int roundTrips)
{
    Game game(roundTrips);
    game.open(); // for the grid's place, font and column widths
    const grid::Grid &g = *game.w().TradeGrid;
    Texts texts;
    texts.push_back(TradeHistoryHeadings());
    const int32_t total = game.state.account.totalTrades;
    for (int32_t j = 0; j < total; ++j)
        texts.push_back(TradeHistoryRow(game.state.trades.records[static_cast<size_t>(total - j)], total - j,
                                        game.state.settings.dataType));
    std::vector<int> widths;
    for (int c = 0; c < kTradeColumns; ++c)
        widths.push_back(forms::twipsToPixels(g.colWidth(c)));

    QTableView view;
    view.horizontalHeader()->hide();
    view.verticalHeader()->hide();
    view.verticalHeader()->setDefaultSectionSize(g.verticalHeader()->defaultSectionSize());
    view.setFont(g.font());
    view.resize(g.size());
    PlainModel model(texts);
    view.setModel(&model);
    view.show();
    QApplication::processEvents();
    for (auto _ : run) {
        model.reset();
        for (int c = 0; c < kTradeColumns; ++c)
            view.setColumnWidth(c, widths[static_cast<size_t>(c)]);
        QPixmap image = view.grab();
        benchmark::DoNotOptimize(image.cacheKey());
    }
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    std::vector<bench::RatioReporter::Pair> pairs;
    for (int n : kRoundTrips) {
        const std::string trade = "TradeHistory/" + std::to_string(n);
        const std::string build = "TradeHistoryBuild/" + std::to_string(n);
        const std::string floor = "Floor/" + std::to_string(n);
        benchmark::RegisterBenchmark(trade.c_str(), BM_TradeHistory, n)
            ->Apply(bench::repeated<benchmark::kMillisecond>);
        benchmark::RegisterBenchmark(build.c_str(), BM_TradeHistoryBuild, n)
            ->Apply(bench::repeated<benchmark::kMillisecond>);
        benchmark::RegisterBenchmark(floor.c_str(), BM_Floor, n)
            ->Apply(bench::repeated<benchmark::kMillisecond>);
        pairs.push_back({trade, floor});
        pairs.push_back({build, floor});
    }
    bench::RatioReporter reporter(std::move(pairs), "floor", "ms");
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}
