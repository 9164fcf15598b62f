#include "Excerpt.h"

#include <cstdio>

namespace tarvello::futuresdb {

namespace {

// The length of the printable UTF-8 sequence starting at text[i], or 0 when it is broken or a control
// character (U+0080..U+009F).
std::size_t utf8Length(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    const std::size_t length = lead >= 0xC2 && lead <= 0xDF   ? 2
                               : lead >= 0xE0 && lead <= 0xEF ? 3
                               : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                              : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    if (lead == 0xC2 && static_cast<unsigned char>(text[i + 1]) < 0xA0)
        return 0;
    return length;
}

} // namespace

std::string excerpt(std::string_view text)
{
    std::string shown;
    std::size_t i = 0;
    for (std::size_t characters = 0; i < text.size() && characters < kExcerptCharacters; ++characters) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c >= 0x20 && c < 0x7F) {
            shown += static_cast<char>(c);
            ++i;
        } else if (const std::size_t length = c >= 0x80 ? utf8Length(text, i) : 0; length > 0) {
            shown.append(text.substr(i, length));
            i += length;
        } else {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            shown += escaped;
            ++i;
        }
    }
    if (i < text.size())
        shown += "... (" + std::to_string(text.size()) + " bytes)";
    return shown;
}

} // namespace tarvello::futuresdb
