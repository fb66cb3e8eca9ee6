#include "utf8_text.h"

namespace scrivafresa {

std::optional<char32_t> DecodeCharacter(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        length = 2, c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, c = lead & 0x07;
    } else {
        ++i;
        return std::nullopt;
    }
    if (i + length > text.size()) {
        ++i;
        return std::nullopt;
    }
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80) {
            ++i;
            return std::nullopt;
        }
        c = (c << 6) | (byte(i + k) & 0x3F);
    }
    static constexpr char32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < kSmallest[length] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return std::nullopt;
    }
    i += length;
    return c;
}

std::optional<std::size_t> CountCharacters(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++count)
        if (!DecodeCharacter(text, i)) return std::nullopt;
    return count;
}

}  // namespace scrivafresa
