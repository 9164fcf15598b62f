#pragma once

#include "common/Instrument.h"
#include "platform/db/Database.h"

#include <QString>

#include <array>
#include <cstdint>

namespace tarvello {

// The connection to the price database, kept for the whole run (a member of the game state). At most
// one database handle is open at any time.
struct PriceDatabaseState {
    QString DbPath;            // the program's directory and "futures.mdb"
    QString DbUser;            // the workspace user, "admin"
    QString WorkspacePassword; // empty
    bool DbOpen = false;       // true while FuturesDb is open
    int16_t DbOpenFailed = 0;  // 1 once opening the file failed: the notice then uses its tall layout
    // The instrument keys in CommodityID order: CommodityNames[id - 1].
    std::array<QString, kInstrumentCount> CommodityNames;
    db::Workspace FuturesWorkspace;
    db::Database FuturesDb; // every query of the market data and of the news releases runs on it
};

} // namespace tarvello
