#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

namespace scrivafresa {

// Decodes the UTF-8 character at `i` and moves `i` past it. A malformed or overlong sequence,
// a surrogate or a value beyond U+10FFFF gives nothing and moves `i` one byte on.
std::optional<char32_t> DecodeCharacter(std::string_view text, std::size_t& i);

// The number of characters in UTF-8 text, or nothing when the bytes are not UTF-8.
std::optional<std::size_t> CountCharacters(std::string_view text);

}  // namespace scrivafresa
