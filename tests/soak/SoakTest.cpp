#include "SoakGame.h"

#include "data/PriceSchema.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>
#include <map>

namespace tarvello::test {
namespace {

// A few short runs by default; a long run chooses its own count of runs, first seed and actions a run:
//   TARVELLO_SOAK_GAMES=300 TARVELLO_SOAK_SEED=1 TARVELLO_SOAK_ACTIONS=3000 build/test/bin/test_soak
uint64_t fromEnvironment(const char *name, uint64_t fallback)
{
    const char *value = std::getenv(name);
    if (!value || !*value)
        return fallback;
    return std::strtoull(value, nullptr, 10);
}

// The test command's runs: three of 150 actions from this seed take Daily and Tick games at both
// levels through fills, margin calls, hostile quantities, "&Hold", "&Cancel Order", both reports, a
// scheme change, "&Restart", "&Play Again", a game to its end and "&End" (the tally printed at the end
// says what a run took).
constexpr uint64_t kDefaultSeed = 23;
constexpr int kDefaultGames = 3;
constexpr int kDefaultActions = 150;
// A long run goes on past a failing seed to find others, up to this many.
constexpr int kFailingSeedsReported = 5;

QByteArray fileHash(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result().toHex();
}

// Randomized whole games on the real windows over a copy of the sample price database: options,
// orders with sensible and hostile quantities, "&Hold" and "&Cancel Order", runs of "&Forward",
// reports, a scheme change, "&Play Again", "&Restart" and "&End", each seed its own run from
// start-up. A failure names its seed and the actions that led to it.
TEST(Soak, RandomizedGamesKeepTheirInvariants)
{
    const QString sample =
        QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kPriceFileName));
    ASSERT_TRUE(QFile::exists(sample)) << "no sample price database at " << sample.toStdString()
                                       << ": the build makes it (target futures_db_sample)";
    QTemporaryDir directory;
    ASSERT_TRUE(directory.isValid());
    const QString database = directory.filePath(QString::fromLatin1(kPriceFileName));
    ASSERT_TRUE(QFile::copy(sample, database));
    const QByteArray hash = fileHash(database);
    ASSERT_FALSE(hash.isEmpty());

    const uint64_t firstSeed = fromEnvironment("TARVELLO_SOAK_SEED", kDefaultSeed);
    const auto games = static_cast<int>(fromEnvironment("TARVELLO_SOAK_GAMES", kDefaultGames));
    const auto actions = static_cast<int>(fromEnvironment("TARVELLO_SOAK_ACTIONS", kDefaultActions));
    int failing = 0;
    std::map<std::string, int> tally;
    for (int n = 0; n < games && failing < kFailingSeedsReported; ++n) {
        const uint64_t seed = firstSeed + static_cast<uint64_t>(n);
        const std::string rerun = "seed " + std::to_string(seed) +
                                  " (rerun: TARVELLO_SOAK_SEED=" + std::to_string(seed) +
                                  " TARVELLO_SOAK_GAMES=1 test_soak)";
        SCOPED_TRACE(rerun);
        bool kept = false;
        {
            SoakGame game(seed, directory.path());
            kept = game.play(actions);
            for (const auto &[step, count] : game.tally())
                tally[step] += count;
            if (!kept) {
                std::cout << "Soak " << rerun << " failed after these actions:\n";
                const auto &log = game.log();
                for (size_t i = log.size() > 60 ? log.size() - 60 : 0; i < log.size(); ++i)
                    std::cout << "  " << log[i] << "\n";
                std::cout.flush();
            }
        }
        if (kept && fileHash(database) != hash) {
            ADD_FAILURE() << "the price database file changed";
            kept = false;
        }
        if (!kept)
            ++failing;
    }
    std::cout << "Soak: " << games << " runs from seed " << firstSeed << ", " << failing
              << " failing; steps taken:";
    for (const auto &[step, count] : tally)
        std::cout << " " << step << " " << count << ";";
    std::cout << std::endl;
}

} // namespace
} // namespace tarvello::test
