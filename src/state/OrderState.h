#pragma once

#include "common/Instrument.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarvello {

// The side of the pending order. None is what a cleared or reset order holds: it equals neither side.
enum class OrderSide : uint8_t { None, Buy, Sell };

inline QString sideText(OrderSide side)
{
    switch (side) {
    case OrderSide::Buy:
        return QStringLiteral("Buy");
    case OrderSide::Sell:
        return QStringLiteral("Sell");
    case OrderSide::None:
        break;
    }
    return {};
}

// The result code of the last quantity check.
enum class OrderStage : int16_t { BackToSide = 0, Accepted = 1, GiveUp = 2, AskAgain = 3 };

// Who placed the order being filled: the player, or the margin-call liquidation.
enum class OrderKind : int16_t { Player = 0, MarginCall = 1 };

// The layouts of the order-entry area. Only the controls hold the stage; this names the layout to set.
enum class TradeStage : uint8_t { ChangePeriod, Trade, GetUnits, TradeConfirmation, CorrOrd, Restart };

// The order in progress. There is one for the whole run.
struct PendingOrder {
    std::optional<Instrument> selectedSecurity; // none chosen yet: stands for Oil wherever it is looked up
    OrderSide orderSide = OrderSide::None;
    float orderUnits = 0.0f; // stored positive by the quantity check, negated for a Sell before the fill
    double orderPrice = 0.0; // the fill price, a Single for four instruments, a Double for T-Bond and Soybean
    OrderKind orderKind = OrderKind::Player;
    OrderStage orderStage = OrderStage::BackToSide;
    int16_t securitySelected = 0; // 1 from "&Trade" until an instrument button is clicked

    Instrument instrument() const { return selectedSecurity.value_or(Instrument::Oil); }
};

// One filled order.
struct TradeRecord {
    int32_t tradeNumber = 0; // equals the record's index; as wide as the trade count
    int16_t tradeDay = 0;    // the period index at the fill
    Instrument security = Instrument::Oil;
    QString transaction; // "Buy" or "Sell", with " - Margin Call" after it for a forced fill
    float units = 0.0f;  // signed: negative when sold
    float price = 0.0f;

    bool operator==(const TradeRecord &) const = default;
};

// The trades of the game, indexed by trade number from 1; index 0 holds no fill. A new game starts
// numbering at 1 again and overwrites from there, so only records 1 to the trade count belong to it.
// The table grows as needed: a long game, or a run of margin-call fills, is never refused a record.
struct TradeHistory {
    std::vector<TradeRecord> records = std::vector<TradeRecord>(1);

    void write(const TradeRecord &record)
    {
        const auto index = static_cast<size_t>(record.tradeNumber);
        if (records.size() <= index)
            records.resize(index + 1);
        records[index] = record;
    }

    // Records 1 to totalTrades: the trades of the current game.
    std::span<const TradeRecord> ofGame(int32_t totalTrades) const
    {
        const auto count = std::min(static_cast<size_t>(std::max(totalTrades, 0)), records.size() - 1);
        return std::span<const TradeRecord>(records).subspan(1, count);
    }
};

} // namespace tarvello
