#include "cmdline/Arguments.h"

#include <algorithm>
#include <charconv>

namespace vantorel::cmdline {

Arguments::Arguments(const std::vector<std::string>& words, const std::set<std::string>& flags) {
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (word.size() > 2 && word.rfind("--", 0) == 0) {
            if (flags.count(word)) {
                options_.emplace_back(word, "");
            } else if (i + 1 < words.size()) {
                options_.emplace_back(word, words[++i]);
            } else {
                throw UsageError("option " + word + " needs a value");
            }
        } else {
            positionals_.push_back(word);
        }
    }
}

std::string Arguments::positional(const std::string& what) {
    if (positionals_.empty())
        throw UsageError("missing " + what);
    std::string word = positionals_.front();
    positionals_.erase(positionals_.begin());
    return word;
}

std::optional<std::string> Arguments::value(const std::string& option) {
    std::vector<std::string> all = values(option);
    if (all.size() > 1)
        throw UsageError("option " + option + " is given more than once");
    if (all.empty())
        return std::nullopt;
    return all.front();
}

std::vector<std::string> Arguments::values(const std::string& option) {
    std::vector<std::string> found;
    for (const auto& [name, text] : options_)
        if (name == option)
            found.push_back(text);
    options_.erase(
        std::remove_if(options_.begin(), options_.end(), [&](const auto& o) { return o.first == option; }),
        options_.end());
    return found;
}

bool Arguments::flag(const std::string& option) {
    return !values(option).empty();
}

std::optional<int> Arguments::number(const std::string& option, int low, int high) {
    const auto text = value(option);
    if (!text)
        return std::nullopt;
    return ParseNumber(*text, low, high, option);
}

void Arguments::finish() const {
    if (!options_.empty())
        throw UsageError("unknown option " + options_.front().first);
    if (!positionals_.empty())
        throw UsageError("unexpected argument '" + positionals_.front() + "'");
}

int ParseNumber(const std::string& text, int low, int high, const std::string& what) {
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value < low || value > high)
        throw UsageError(what + " must be a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not '" + text + "'");
    return value;
}

} // namespace vantorel::cmdline
