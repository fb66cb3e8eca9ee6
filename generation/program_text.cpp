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

char* WriteThousandths(char* out, std::int64_t thousandths) {
    std::uint64_t magnitude = static_cast<std::uint64_t>(thousandths);
    if (thousandths < 0) {
        *out++ = '-';
        magnitude = 0 - magnitude;
    }
    out = std::to_chars(out, out + 21, magnitude / 1000).ptr;
    unsigned fraction = static_cast<unsigned>(magnitude % 1000);
    if (fraction != 0) {
        *out++ = '.';
        for (unsigned digit = 100; fraction != 0; digit /= 10) {
            *out++ = static_cast<char>('0' + fraction / digit);
            fraction %= digit;
        }
    }
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
    char* end = WriteInteger(WriteText(Room(), "G1 Z"), depth);
    if (plungeFeed_ != feedInForce_) end = Feed(WriteText(end, " "), plungeFeed_);
    return Finish(end);
}

std::size_t ProgramText::Cut(std::int64_t x, std::int64_t y) {
    char* end = WriteMove(Room(), "G1 X", x, y);
    if (cutFeed_ != feedInForce_) end = Feed(end, cutFeed_);  // after the line's own space
    return Finish(end);
}

std::size_t ProgramText::Words(std::string_view words) {
    return Finish(WriteText(Room(), words.substr(0, sizeof(line_) - 2)));
}

std::size_t ProgramText::SpindleClockwise(std::int64_t rpmThousandths) {
    return Finish(WriteThousandths(WriteText(Room(), "M3 S"), rpmThousandths));
}

void ProgramText::UseFeeds(std::int64_t plungeThousandths, std::int64_t cutThousandths) {
    plungeFeed_ = plungeThousandths;
    cutFeed_ = cutThousandths;
}

char* ProgramText::Feed(char* end, std::int64_t feed) {
    feedInForce_ = feed;
    return WriteThousandths(WriteText(end, "F"), feed);
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
