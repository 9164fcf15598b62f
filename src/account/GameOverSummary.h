#pragma once

#include "account/Rating.h"
#include "common/Services.h"
#include "state/GameState.h"

#include <QString>

#include <optional>

namespace tarvello {

inline constexpr int kGameOverWidthTwips = 5500;

// The sentence of a game lost by a blow-out.
QString blowOutSentence();

// The caption the quote lines' banner gets back after a blow-out.
QString currentMarketBanner();

// Whether the account is blown out: an account value of 0 or below.
inline bool isBlownOut(const AccountState &account)
{
    return account.accountValue <= 0.0f;
}

// What the game-over window frmGameOver shows. The window sets its caption and width, writes the
// labels, hides Label10 ("Regulatory Fines:"), writes lblScore on the main window, shows the last
// prices and then shows itself modally, centred over the main window when `centre` says so.
struct GameOverTexts {
    QString caption;                        // "Game Over"
    QString label2;                         // the verdict or the blow-out sentence
    QString label3;                         // unrealized P(L)
    QString label4;                         // realized P(L)
    QString label5;                         // regulatory fines: always empty
    QString label7;                         // final score
    QString lblScore;                       // the main window's score label
    bool centre = false;                    // centre over the main window
    std::optional<QString> endOfGameRating; // the rating label of frmEndofGame, when the rating ran
};

// Which check found the blow-out. They differ in the window's place and in what follows the window.
enum class BlowOutVariant { OrderPath, MarginTest, MarginCall };

// The blow-out game over: sets Score and returns the window's texts. One draw in three puts the
// end-of-game rating on the text line; whenever that line would be empty, the blow-out sentence is
// shown instead, so the window always says why the game ended.
GameOverTexts blowOutGameOver(GameState &state, const RatingContext &context, BlowOutVariant variant,
                              RandomSource &random);

// The normal end of a game: sets Score and returns the window's texts, with the rating on the text line.
GameOverTexts GameOver(GameState &state, const RatingContext &context, RandomSource &random);

// What the window code does after the blow-out window has closed.
struct AfterBlowOut {
    bool showCurrentMarket = false; // ShowCurrentMarket, then the banner caption currentMarketBanner()
    bool restart = false;           // ResetGameState, EnableSettingsMenus, the stage "Restart"
    bool loadPeriodPrices = false;  // after the restart: LoadPeriodPrices
    bool endProgram = false;        // the window closed without "&Play Again": ExitGame
};
AfterBlowOut afterBlowOut(BlowOutVariant variant, int16_t restartMode);

} // namespace tarvello
