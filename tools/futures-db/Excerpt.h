#pragma once

#include <string>
#include <string_view>

namespace tarvello::futuresdb {

// The most characters of a field that a message quotes.
inline constexpr std::size_t kExcerptCharacters = 40;

// A field's text as a message quotes it: its first characters, each byte that is no printable text (a
// control character, a NUL, broken UTF-8) written as \xNN, and the size of the whole when it was cut.
// A bad field of megabytes, or one holding a NUL, must not become the message.
std::string excerpt(std::string_view text);

} // namespace tarvello::futuresdb
