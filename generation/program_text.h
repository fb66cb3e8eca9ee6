#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace scrivafresa {

// Writes a coordinate given in hundredths of a program unit with two decimals, the sign in
// front of the magnitude: 1234 -> "12.34", 5 -> "0.05", -50 -> "-0.50". Returns the end.
// Needs at most 24 characters of room. Never looks at the locale.
char* WriteHundredths(char* out, std::int64_t hundredths);

// Writes a rate given in thousandths with only the decimals it needs: 300000 -> "300",
// 12500 -> "12.5", 1 -> "0.001". Needs at most 24 characters. Never looks at the locale.
char* WriteThousandths(char* out, std::int64_t thousandths);

// The program being written: its lines, each followed by CR LF, in one text so that a
// front end can show or save it in one piece. Every writer returns the index of its line.
class ProgramText {
public:
    void Reserve(std::size_t lines);

    std::size_t Lift(std::int32_t travelHeight);                 // "G0 Z%d"
    std::size_t Rapid(std::int64_t x, std::int64_t y);           // "G0 X%d.%02d Y%d.%02d "
    std::size_t Plunge(std::int32_t depth);                      // "G1 Z%d"
    std::size_t Cut(std::int64_t x, std::int64_t y);             // "G1 X%d.%02d Y%d.%02d "

    // Words a controller needs around the moves above.
    std::size_t Words(std::string_view words);             // a fixed line, such as "G90"
    std::size_t SpindleClockwise(std::int64_t rpmThousandths);  // "M3 S" and the speed

    // From here on, plunges and cuts run at these feeds (in thousandths): a move carries an F
    // word whenever the feed in force is not its own, so every feed is stated once per change.
    void UseFeeds(std::int64_t plungeThousandths, std::int64_t cutThousandths);

    const std::string& Text() const { return text_; }
    std::string TakeText() { return std::move(text_); }
    std::size_t LineCount() const { return lineCount_; }

private:
    std::size_t Finish(char* end);
    char* Room();
    char* Feed(char* end, std::int64_t feed);

    std::string text_;
    std::size_t lineCount_ = 0;
    std::int64_t plungeFeed_ = 0;  // 0: moves carry no feed
    std::int64_t cutFeed_ = 0;
    std::int64_t feedInForce_ = 0;
    // Longest line: "G1 X" + coordinate + " Y" + coordinate + " F" + rate + CR LF.
    char line_[96];
};

// Splits a program text into its lines, without their CR LF.
std::vector<std::string_view> ProgramLines(std::string_view text);

}  // namespace scrivafresa
