#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vantorel {

// The short date format in which dates are shown and read: a pattern of the fields d, dd (day), M, MM
// (month), yy, yyyy (year) and literal separators, for example "dd/MM/yyyy" or "M/d/yy". The gui takes it
// from the system; tests and the command line give one explicitly.
class DateFormat {
public:
    // The pattern, or nothing when it lacks a day, month or year field, holds another letter or puts two
    // fields side by side without a separator (such dates could not be read back).
    static std::optional<DateFormat> FromPattern(std::string_view pattern);
    static DateFormat Default(); // dd/MM/yyyy

    const std::string& pattern() const { return pattern_; }

    // The same format with a four-digit year ("M/d/yy" gives "M/d/yyyy"), so that a written date reads back
    // in any century.
    DateFormat WithFourDigitYear() const;

    // The text of a day number; the empty text for day 0 ("no date").
    std::string Format(double dayNumber) const;

    // The day number of a text in this format. Day and month take one or two digits whatever the pattern;
    // a year takes two digits (00-49 read as 20xx, 50-99 as 19xx) or four. A text that is not in this
    // format is also read as yyyy-MM-dd. Nothing when the text is not a valid date either way.
    std::optional<double> Parse(std::string_view text) const;
    // As Parse, without the yyyy-MM-dd reading.
    std::optional<double> ParseInPattern(std::string_view text) const;

    // The same format with day and month exchanged ("dd/MM/yy" gives "MM/dd/yy").
    DateFormat WithDayAndMonthExchanged() const;

private:
    enum class Field { Day, Month, Year, Literal };
    struct Token {
        Field field;
        int width; // digits written: 1 = no leading zero; 2 or 4
        std::string literal;
    };

    DateFormat(std::string pattern, std::vector<Token> tokens);

    std::string pattern_;
    std::vector<Token> tokens_;
};

// The message for a text that is not a date in the given format.
std::string InvalidDateMessage(std::string_view text, const DateFormat& format);

} // namespace vantorel
