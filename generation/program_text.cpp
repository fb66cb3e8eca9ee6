#include "program_text.h"

#include <charconv>
#include <cstring>

namespace scrivafresa {
namespace {

char* WriteInteger(char* out, std::int64_t value) {
    return std::to_chars(out, out + 24, value).ptr;
}

char* WriteText(char* out, std::string_view text) {
    std::memcpy(out, text.data(), text.size());
    return out + text.size();
}

char* WriteMove(char* out, std::string_view word, std::int64_t x, std::int64_t y) {
    out = WriteText(out, word);
    out = WriteHundredths(out, x);
    out = WriteText(out, " Y");
    out = WriteHundredths(out, y);
    return WriteText(out, " ");
}

}  // namespace

char* WriteHundredths(char* out, std::int64_t hundredths) {
    // Work on the magnitude as unsigned so that even the most negative value has one.
    std::uint64_t magnitude = static_cast<std::uint64_t>(hundredths);
    if (hundredths < 0) {
        *out++ = '-';
        magnitude = 0 - magnitude;
    }
    out = std::to_chars(out, out + 21, magnitude / 100).ptr;
    const unsigned cents = static_cast<unsigned>(magnitude % 100);
    *out++ = '.';
    *out++ = static_cast<char>('0' + cents / 10);
    *out++ = static_cast<char>('0' + cents % 10);
    return out;
}

void ProgramText::Reserve(std::size_t lines) { text_.reserve(lines * 24); }

char* ProgramText::Room() { return line_; }

std::size_t ProgramText::Finish(char* end) {
    *end++ = '\r';
    *end++ = '\n';
    text_.append(line_, static_cast<std::size_t>(end - line_));
    return lineCount_++;
}

std::size_t ProgramText::Lift(std::int32_t travelHeight) {
    return Finish(WriteInteger(WriteText(Room(), "G0 Z"), travelHeight));
}

std::size_t ProgramText::Rapid(std::int64_t x, std::int64_t y) {
    return Finish(WriteMove(Room(), "G0 X", x, y));
}

std::size_t ProgramText::Plunge(std::int32_t depth) {
    return Finish(WriteInteger(WriteText(Room(), "G1 Z"), depth));
}

std::size_t ProgramText::Cut(std::int64_t x, std::int64_t y) {
    return Finish(WriteMove(Room(), "G1 X", x, y));
}

std::vector<std::string_view> ProgramLines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const std::size_t end = text.find("\r\n");
        if (end == std::string_view::npos) {
            lines.push_back(text);
            break;
        }
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    return lines;
}

}  // namespace scrivafresa
