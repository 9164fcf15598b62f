#include "account/GameOverSummary.h"

#include "account/AccountPanel.h"
#include "common/Random.h"
#include "common/VbMath.h"

namespace tarvello {

namespace {

// The figures every game-over window shows, and the score they end the game with.
GameOverTexts summary(GameState &state)
{
    AccountState &account = state.account;
    const double score = account.realizedPL + account.unrealizedPL;
    account.score = vb::toSingle(score);
    GameOverTexts texts;
    texts.caption = QStringLiteral("Game Over");
    texts.label3 = dollarsText(account.unrealizedPL);
    texts.label4 = dollarsText(account.realizedPL);
    texts.label7 = dollarsText(score);
    texts.lblScore = dollarsText(score);
    return texts;
}

} // namespace

QString blowOutSentence()
{
    return QStringLiteral("You Blew Out of the Game, by Losing All of Your Money!");
}

QString currentMarketBanner()
{
    return QStringLiteral("  Current Market:    (Last Trade  *  Change)");
}

GameOverTexts blowOutGameOver(GameState &state, const RatingContext &context, BlowOutVariant variant,
                              RandomSource &random)
{
    GameOverTexts texts = summary(state);
    random.randomize();
    if (pick(random, 3) == 1)
        texts.endOfGameRating = RateEndOfGame(state.account, context, random);
    texts.label2 = texts.endOfGameRating && !texts.endOfGameRating->isEmpty() ? *texts.endOfGameRating
                                                                              : blowOutSentence();
    texts.centre = variant != BlowOutVariant::MarginTest;
    return texts;
}

GameOverTexts GameOver(GameState &state, const RatingContext &context, RandomSource &random)
{
    GameOverTexts texts = summary(state);
    texts.endOfGameRating = RateEndOfGame(state.account, context, random);
    texts.label2 = *texts.endOfGameRating;
    return texts;
}

AfterBlowOut afterBlowOut(BlowOutVariant variant, int16_t restartMode)
{
    AfterBlowOut after;
    const bool playAgain = restartMode == 1;
    after.showCurrentMarket = variant != BlowOutVariant::MarginTest || playAgain;
    after.restart = playAgain;
    after.loadPeriodPrices = playAgain && variant != BlowOutVariant::OrderPath;
    // The window's own buttons always restart or end the program; should it close any other way, the
    // game cannot go on with a lost account, so it ends as "&End" would end it.
    after.endProgram = !playAgain;
    return after;
}

} // namespace tarvello
