// The left chart's year-to-date view: every period from the first, plus one empty point at the end.
#include "charts/ui/ChartDrawing.h"

#include "data/TickData.h"
#include "state/GameState.h"
#include "windows/App.h"
#include "windows/Halvern.h"

namespace tarvello {

namespace p = graph::prop;

void DrawYearToDateGraph(App &app)
{
    const GameState &state = app.state;
    const DataKind kind = state.settings.dataType;
    if (kind != DataKind::Daily && kind != DataKind::Tick)
        return;
    Halvern &w = app.main();
    ChartControl &left = *w.GraphLeft;
    PriceSeries copy = ChartedSeries(app);
    left.set(88, 0);
    const int16_t tradeDay = state.clock.tradeDay;
    const bool ohlc = w.mnuGLType[0]->checked();
    if (tradeDay >= 1) {
        const int sets = kind == DataKind::Daily ? 4 : 1;
        left.set(p::SetCount, sets);
        left.set(p::PointCount, tradeDay + 1);
        for (int i = 1; i <= tradeDay; ++i) {
            if (kind == DataKind::Daily) {
                const DailyRow row = DayRow(app, copy, i);
                if (i == 1) {
                    copy.MaxHigh = row.High;
                    copy.MinLow = row.Low;
                }
                left.setAt(p::XLabel, i, CalendarDayText(app, i - 1));
                const float values[] = {ohlc ? row.Open : 0.0f, ohlc ? row.High : 0.0f, ohlc ? row.Low : 0.0f,
                                        row.Close};
                for (int s = 1; s <= 4; ++s) {
                    left.set(p::CurrentSet, s);
                    left.setAt(p::Value, i, values[s - 1]);
                }
                copy.MaxHigh = std::max(copy.MaxHigh, ohlc ? row.High : row.Close);
                copy.MinLow = std::min(copy.MinLow, ohlc ? row.Low : row.Close);
            } else {
                const auto tick = static_cast<int16_t>(i);
                const int day = static_cast<int>(TickDayIndex(tick).value_or(0.0f));
                const int slot = TickSlot(tick).value_or(0);
                const float price = ChartedTickPrice(app, i);
                left.set(p::CurrentSet, 1);
                left.setAt(p::Value, i, price);
                const float v = left.getAt(p::Value, i).toFloat();
                copy.MaxHigh = i == 1 ? v : std::max(copy.MaxHigh, v);
                copy.MinLow = i == 1 ? v : std::min(copy.MinLow, v);
                left.setAt(p::XLabel, i, slot == 1 ? CalendarDayText(app, day) : QString());
            }
        }
        for (int i = tradeDay + 1; i <= left.number(p::PointCount); ++i) {
            left.setAt(p::XLabel, i, QString());
            for (int s = 1; s <= sets; ++s) {
                left.set(p::CurrentSet, s);
                left.setAt(p::Value, i, 0.0f);
            }
        }
    }
    ScaleGraphYAxis(app, copy, left);
    const bool white = w.backColor() == 0xFFFFFF;
    const int coloured = kind == DataKind::Tick && left.number(p::GraphType) == graph::kLineGraph ? 1 : 4;
    left.set(p::Background, white ? 7 : 1);
    left.setAt(p::SetColor, coloured, white ? 0 : 14);
    left.set(p::ElementColor, 15);
    left.set(122, 2);
    left.set(p::YMin, left.single(p::YMin));
    left.set(p::YMax, left.single(p::YMax));
    ScaleGraphYAxis(app, copy, left);
    left.set(155, 1);
    left.set(p::GraphType, graph::kLineGraph);
    left.set(100, 0);
    SetPriceLineOptions(app, left);
}

} // namespace tarvello
