#pragma once

#include <optional>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

namespace vantorel::cmdline {

// A command line the program cannot follow: its message is printed as one line on standard error.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The arguments of one command: positional words and --options. Options named in flags stand alone; every
// other option takes the next argument as its value. A command takes what it knows and then calls
// finish(), which refuses anything left over.
class Arguments {
public:
    Arguments(const std::vector<std::string>& words, const std::set<std::string>& flags);

    // The next positional word; a UsageError naming what when there is none.
    std::string positional(const std::string& what);
    bool hasPositional() const { return !positionals_.empty(); }
    std::optional<std::string> value(const std::string& option);
    std::vector<std::string> values(const std::string& option);
    bool flag(const std::string& option);
    // A whole number option within a range.
    std::optional<int> number(const std::string& option, int low, int high);
    void finish() const;

private:
    std::vector<std::string> positionals_;
    std::vector<std::pair<std::string, std::string>> options_;
};

// A whole number in a range, or a UsageError naming what.
int ParseNumber(const std::string& text, int low, int high, const std::string& what);

} // namespace vantorel::cmdline
