#include "platform/DateFormat.h"

#include <algorithm>
#include <cctype>

#include "store/Dates.h"
#include "store/TextLines.h"

namespace vantorel {
namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

std::string ZeroPadded(int value, int width) {
    std::string digits = std::to_string(value);
    while (static_cast<int>(digits.size()) < width)
        digits.insert(digits.begin(), '0');
    return digits;
}

// Reads up to maxDigits digits at pos; nothing when there is no digit.
std::optional<int> ReadNumber(std::string_view text, std::size_t& pos, std::size_t maxDigits,
                              std::size_t& digits) {
    digits = 0;
    int value = 0;
    while (pos < text.size() && digits < maxDigits && IsDigit(text[pos])) {
        value = value * 10 + (text[pos] - '0');
        ++pos;
        ++digits;
    }
    if (digits == 0)
        return std::nullopt;
    return value;
}

} // namespace

DateFormat::DateFormat(std::string pattern, std::vector<Token> tokens)
    : pattern_(std::move(pattern)), tokens_(std::move(tokens)) {}

std::optional<DateFormat> DateFormat::FromPattern(std::string_view pattern) {
    std::vector<Token> tokens;
    bool seen[3] = {false, false, false};
    std::size_t pos = 0;
    while (pos < pattern.size()) {
        const char c = pattern[pos];
        std::size_t run = 1;
        while (pos + run < pattern.size() && pattern[pos + run] == c)
            ++run;
        Field field = Field::Literal;
        if (c == 'd' && run <= 2)
            field = Field::Day;
        else if (c == 'M' && run <= 2)
            field = Field::Month;
        else if (c == 'y' && (run == 2 || run == 4))
            field = Field::Year;
        else if (std::isalpha(static_cast<unsigned char>(c)))
            return std::nullopt;

        if (field == Field::Literal) {
            if (!tokens.empty() && tokens.back().field == Field::Literal)
                tokens.back().literal += pattern.substr(pos, run);
            else
                tokens.push_back({Field::Literal, 0, std::string(pattern.substr(pos, run))});
        } else {
            const auto index = static_cast<std::size_t>(field);
            // Fields of one or two digits run together could not be told apart when read back.
            if (seen[index] || (!tokens.empty() && tokens.back().field != Field::Literal))
                return std::nullopt;
            seen[index] = true;
            tokens.push_back({field, static_cast<int>(run), {}});
        }
        pos += run;
    }
    if (!seen[0] || !seen[1] || !seen[2])
        return std::nullopt;
    return DateFormat(std::string(pattern), std::move(tokens));
}

DateFormat DateFormat::Default() {
    return *FromPattern("dd/MM/yyyy");
}

std::string DateFormat::Format(double dayNumber) const {
    if (dayNumber == 0)
        return {};
    const CalendarDate date = CalendarDateOf(dayNumber);
    std::string text;
    for (const Token& token : tokens_) {
        switch (token.field) {
        case Field::Day:
            text += ZeroPadded(date.day, token.width);
            break;
        case Field::Month:
            text += ZeroPadded(date.month, token.width);
            break;
        case Field::Year:
            text += ZeroPadded(token.width == 2 ? date.year % 100 : date.year, token.width);
            break;
        case Field::Literal:
            text += token.literal;
            break;
        }
    }
    return text;
}

DateFormat DateFormat::WithFourDigitYear() const {
    std::string pattern;
    for (const Token& token : tokens_) {
        switch (token.field) {
        case Field::Day:
            pattern += std::string(static_cast<std::size_t>(token.width), 'd');
            break;
        case Field::Month:
            pattern += std::string(static_cast<std::size_t>(token.width), 'M');
            break;
        case Field::Year:
            pattern += "yyyy";
            break;
        case Field::Literal:
            pattern += token.literal;
            break;
        }
    }
    return *FromPattern(pattern);
}

DateFormat DateFormat::WithDayAndMonthExchanged() const {
    std::string pattern = pattern_;
    for (char& c : pattern)
        c = c == 'd' ? 'M' : c == 'M' ? 'd' : c;
    return *FromPattern(pattern);
}

std::optional<double> DateFormat::Parse(std::string_view text) const {
    if (const auto day = ParseInPattern(text))
        return day;
    // Only a four-digit year opens an ISO date, so that "13-08-05" never reads as 2013.
    const std::string_view trimmed = Trimmed(text);
    if (trimmed.size() < 5 || !std::all_of(trimmed.begin(), trimmed.begin() + 4, IsDigit) ||
        trimmed[4] != '-')
        return std::nullopt;
    static const DateFormat iso = *FromPattern("yyyy-MM-dd");
    return iso.ParseInPattern(trimmed);
}

std::optional<double> DateFormat::ParseInPattern(std::string_view text) const {
    text = Trimmed(text);
    CalendarDate date;
    std::size_t pos = 0;
    for (const Token& token : tokens_) {
        if (token.field == Field::Literal) {
            if (text.substr(pos, token.literal.size()) != token.literal)
                return std::nullopt;
            pos += token.literal.size();
            continue;
        }
        std::size_t digits = 0;
        const auto value = ReadNumber(text, pos, token.field == Field::Year ? 4 : 2, digits);
        if (!value)
            return std::nullopt;
        switch (token.field) {
        case Field::Day:
            date.day = *value;
            break;
        case Field::Month:
            date.month = *value;
            break;
        case Field::Year:
            if (digits == 2)
                date.year = *value < 50 ? 2000 + *value : 1900 + *value;
            else if (digits == 4)
                date.year = *value;
            else
                return std::nullopt;
            break;
        case Field::Literal:
            break;
        }
    }
    if (pos != text.size())
        return std::nullopt;
    return DayNumberOf(date);
}

std::string InvalidDateMessage(std::string_view text, const DateFormat& format) {
    return "'" + std::string(text) + "' is not a valid date (expected " + format.pattern() + ")";
}

} // namespace vantorel
