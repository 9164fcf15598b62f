#pragma once

#include "SampleRandom.h"

#include "common/Instrument.h"

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace tarvello::futuresdb {

// Small helpers shared by the sample's story and release writers.

// printf-style formatting into a std::string.
std::string format(const char *pattern, ...) __attribute__((format(printf, 1, 2)));

// Replaces every "{name}" of text by its value.
std::string fillIn(std::string text, std::initializer_list<std::pair<const char *, std::string>> values);

// A price in daily units as a reader would write it: "$18.20 a barrel", "98 16/32", "$5.81 1/4 a bushel".
std::string priceText(Instrument instrument, double dailyValue);

// A few distinct items of a list, in random order.
std::vector<std::string> pickSome(const std::vector<std::string> &items, int count, SampleRandom &random);

} // namespace tarvello::futuresdb
