#include "SampleText.h"

#include <cmath>
#include <cstdarg>
#include <cstdio>

namespace tarvello::futuresdb {

std::string format(const char *pattern, ...)
{
    char buffer[512];
    va_list args;
    va_start(args, pattern);
    const int n = std::vsnprintf(buffer, sizeof buffer, pattern, args);
    va_end(args);
    return std::string(buffer,
                       n < 0 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), sizeof buffer - 1));
}

std::string fillIn(std::string text, std::initializer_list<std::pair<const char *, std::string>> values)
{
    for (const auto &[name, value] : values) {
        const std::string key = std::string("{") + name + "}";
        for (std::size_t at = text.find(key); at != std::string::npos; at = text.find(key, at + value.size()))
            text.replace(at, key.size(), value);
    }
    return text;
}

std::string priceText(Instrument instrument, double v)
{
    switch (instrument) {
    case Instrument::Cattle:
        return format("%.2f cents a pound", v);
    case Instrument::Gold:
        return format("$%.2f an ounce", v);
    case Instrument::Oil:
        return format("$%.2f a barrel", v);
    case Instrument::SP500:
        return format("%.2f index points", v);
    case Instrument::Soybean: {
        const long quarters = std::lround(v * 4);
        const long cents = quarters / 4;
        static const char *const kFractions[] = {"", " 1/4", " 1/2", " 3/4"};
        return format("$%ld.%02ld%s a bushel", cents / 100, cents % 100, kFractions[quarters % 4]);
    }
    case Instrument::TBond: {
        const long thirtySeconds = std::lround(v * 32);
        if (thirtySeconds % 32 == 0)
            return format("%ld points", thirtySeconds / 32);
        return format("%ld %ld/32", thirtySeconds / 32, thirtySeconds % 32);
    }
    }
    return {};
}

std::vector<std::string> pickSome(const std::vector<std::string> &items, int count, SampleRandom &random)
{
    std::vector<std::string> pool = items, picked;
    while (count-- > 0 && !pool.empty()) {
        const int i = random.below(static_cast<int>(pool.size()));
        picked.push_back(pool[i]);
        pool.erase(pool.begin() + i);
    }
    return picked;
}

} // namespace tarvello::futuresdb
