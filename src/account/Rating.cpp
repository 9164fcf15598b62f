#include "account/Rating.h"

#include "common/Formats.h"
#include "common/Random.h"
#include "common/VbMath.h"

#include <array>

namespace tarvello {

namespace {

// The bands of the gain, from the best to the worst.
enum Band { Top, VeryGood, Good, Small, ZeroMany, ZeroFew, SmallLoss, Loss, BigLoss, BandCount };

// A verdict; a second text means a further draw picks one of the two.
struct Verdict {
    const char16_t *first;
    const char16_t *second = nullptr;
};

using Table = std::array<Verdict, BandCount>;

const Table kNovice = {{
    {u"Excellent Trading!"},
    {u"Very Good Trading"},
    {u"Good Trading"},
    {u"Satisfactory Trading", u"Positive Result"},
    {u"All That Work For Nothing!"},
    {u"Next Time Maybe Try More Trades"},
    {u"Keep Practicing"},
    {u"Trading Needs Improvement"},
    {u"Stay at the Beginner Level"},
}};

const std::array<Table, 4> kExpert = {{
    {{
        {u"Hail to the Market Wizard!"},
        {u"Excellent Trading"},
        {u"Nice Job Trading"},
        {u"Positive Numbers are Always Better than Negatives"},
        {u"At Least Your Broker Made Money"},
        {u"Staying Alive to Try Another Day"},
        {u"Best to be Careful with this Monetary Stuff!"},
        {u"Back to the Fundamental Analyis Drawing Board"},
        {u"Don't Quit Your Day Job!"},
    }},
    {{
        {u"Do Not Pass Go, Move Immediately to Wall Street!"},
        {u"Excellent Trading:  Time to Think About Opening a Real Account!"},
        {u"Good Job!"},
        {u"How About Leveraging Your Positions More?"},
        {u"Patience is a Virtue"},
        {u"Maybe Next Time"},
        {u"Never Risk More than You can Afford to Lose"},
        {u"Next Time, How About Buying Low and Selling High?"},
        {u"You are the 'Rogue Trader'", u"Ever Thought About Living in Texas?"},
    }},
    {{
        {u"Clearly You are Omniscient!"},
        {u"Don't You Wish This Was Real Money!"},
        {u"At this Rate, You will be Able to Retire Early"},
        {u"Remember: Trade Slowly, Carry a Big Account!"},
        {u"All Work and No Play Makes Jack a Dull Boy"},
        {u"All Volatility is Born of Desire"},
        {u"Tread Gingerly Before Proceeding With Real Money!"},
        {u"Don't Mortgage the Farm Just Yet"},
        {u"Time to Forget About that Vacation House on Beach"},
    }},
    {{
        {u"Wonderful Job, You More Than Doubled Your Money!"},
        {u"Excellent Technical Trading"},
        {u"Great Job!"},
        {u"Profitable Account", u"Nicely Done, Son!"},
        {u"Remember to Let Gains Run"},
        {u"Remember to Let Gains Run"},
        {u"Keep Your Positions Small"},
        {u"Cut Your Losses Faster"},
        {u"Be Glad This Isn't Real Money!"},
    }},
}};

// The band of a gain. The edges are compared as Singles. The last Expert table starts its top band
// above a gain of 1 (doubling the money exactly counts as "very good" there); `manyTrades` splits a
// gain of exactly 0.
Band bandOf(float gain, bool topAboveOne, bool manyTrades)
{
    if (topAboveOne ? gain > 1.0f : gain >= 1.0f)
        return Top;
    if (gain >= 0.25f)
        return VeryGood;
    if (gain > 0.1f)
        return Good;
    if (gain > 0.0f)
        return Small;
    if (gain == 0.0f)
        return manyTrades ? ZeroMany : ZeroFew;
    if (gain >= -0.1f)
        return SmallLoss;
    if (gain > -0.25f)
        return Loss;
    return BigLoss;
}

QString pickText(const Verdict &verdict, RandomSource &random)
{
    if (verdict.second == nullptr)
        return QString::fromUtf16(verdict.first);
    return QString::fromUtf16(pick(random, 2) == 1 ? verdict.first : verdict.second);
}

} // namespace

float ratingGain(const AccountState &account)
{
    if (account.startingCapital == 0.0f)
        return 0.0f; // a game always has capital; nothing to rate against otherwise
    const float ratio = vb::toSingle((static_cast<double>(account.accountValue) - account.startingCapital) /
                                     account.startingCapital);
    return vb::toSingle(vb::roundFormat(ratio, u"#,###.###0"));
}

QString RateEndOfGame(const AccountState &account, const RatingContext &context, RandomSource &random)
{
    const float gain = ratingGain(account);
    QString text;
    if (account.accountValue > 0.0f || context.tradeDay == context.gameLength) {
        if (context.level == Level::Novice) {
            if (pick(random, 3) != 1)
                text = pickText(kNovice[bandOf(gain, false, account.totalTrades >= 5)], random);
        } else {
            random.randomize();
            const int table = pick(random, 6);
            if (table <= 4) {
                const bool last = table == 4;
                text = pickText(
                    kExpert[static_cast<size_t>(table - 1)][bandOf(gain, last, account.totalTrades >= 6)],
                    random);
            }
        }
    }
    if (context.tradeDay == 0)
        text.clear();
    return text;
}

} // namespace tarvello
