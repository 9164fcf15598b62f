#pragma once

namespace tarvello {

// The price database's fixed schema. Any writer (the database tool, a user's import, a test fixture)
// creates exactly these tables, so that the game can read what it wrote. Dates are REAL day serials
// (days since 30 December 1899, time of day as the fraction). The primary keys make the unordered row
// queries come back in date order. The index on the daily dates lets the Daily calendar's query (every
// distinct day of a period, all instruments) read a range of keys instead of the whole table.
inline constexpr const char *kPriceSchemaSql = R"SQL(
CREATE TABLE DailyData (CommodityID INTEGER NOT NULL, [Date] REAL NOT NULL, OpenInterest INTEGER,
  DayVolume INTEGER, [Open] REAL NOT NULL, High REAL NOT NULL, Low REAL NOT NULL, [Close] REAL NOT NULL,
  PRIMARY KEY (CommodityID, [Date])) WITHOUT ROWID;
CREATE INDEX DailyDataDate ON DailyData ([Date]);
CREATE TABLE TickTradeDaysResults ([Date] REAL NOT NULL PRIMARY KEY) WITHOUT ROWID;
CREATE TABLE TickData (CommodityID INTEGER NOT NULL, [DateTime] REAL NOT NULL, realprice REAL NOT NULL,
  PRIMARY KEY (CommodityID, [DateTime])) WITHOUT ROWID;
CREATE TABLE OverviewNews ([Date] REAL NOT NULL, CommodityID INTEGER NOT NULL, News TEXT NOT NULL,
  PRIMARY KEY ([Date], CommodityID)) WITHOUT ROWID;
CREATE TABLE sortedticknewsreleases (NRDate REAL NOT NULL, NRTime REAL NOT NULL, NRTitle TEXT NOT NULL,
  NRStory TEXT NOT NULL, PRIMARY KEY (NRDate, NRTime, NRTitle)) WITHOUT ROWID;
CREATE TABLE DatabaseInfo (Name TEXT NOT NULL PRIMARY KEY, Value TEXT NOT NULL) WITHOUT ROWID;
)SQL";

// The password the game's connect string carries; a database records it in DatabaseInfo so that a
// wrong password fails on open.
inline constexpr const char *kPricePassword = "kxq";
inline constexpr const char *kSchemaVersion = "1";
// The file name the game looks for in its own directory.
inline constexpr const char *kPriceFileName = "futures.mdb";

} // namespace tarvello
