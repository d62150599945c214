#include "exchange/TeamNames.h"

#include <algorithm>
#include <set>
#include <tuple>

#include "store/Names.h"
#include "store/TextCodec.h"

namespace vantorel {
namespace {

using Words = std::vector<std::string>;

char LowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsWordCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || (static_cast<unsigned char>(c) & 0x80) != 0;
}

// The small letter, in UTF-8, of a capital that the league file's character set has beyond ASCII ("À" to
// "Þ" but "×", and "Š", "Œ", "Ž", "Ÿ"), given as its two UTF-8 bytes; empty for any other two bytes.
std::string SmallLetter(unsigned char lead, unsigned char next) {
    if (lead == 0xC3 && next >= 0x80 && next <= 0x9E && next != 0x97)
        return {static_cast<char>(0xC3), static_cast<char>(next + 0x20)};
    if (lead == 0xC5 && (next == 0xA0 || next == 0x92 || next == 0xBD))
        return {static_cast<char>(0xC5), static_cast<char>(next + 1)};
    if (lead == 0xC5 && next == 0xB8)
        return "\xC3\xBF";
    return {};
}

// The words of a name as the rules compare them.
Words CanonicalWords(std::string_view name) {
    std::string text;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const char c = name[i];
        const auto next = i + 1 < name.size() ? static_cast<unsigned char>(name[i + 1]) : 0u;
        if (const std::string small = SmallLetter(static_cast<unsigned char>(c), next); !small.empty()) {
            text += small;
            ++i;
        } else if (c == '&')
            text += " and ";
        else if (c == '\'' || c == '.')
            continue; // "Nott'm" is "Nottm", "A.F.C." is "AFC"
        else
            text += LowerAscii(c);
    }
    Words words;
    std::string word;
    auto endWord = [&] {
        if (word == "utd")
            word = "united";
        else if (word == "man")
            word = "manchester";
        if (!word.empty() && word != "fc" && word != "afc")
            words.push_back(word);
        word.clear();
    };
    for (const char c : text) {
        if (IsWordCharacter(c))
            word += c;
        else
            endWord();
    }
    endWord();
    return words;
}

std::string Joined(const Words& words) {
    std::string text;
    for (const std::string& word : words)
        text += (text.empty() ? "" : " ") + word;
    return text;
}

bool StartsWith(const Words& words, const Words& start) {
    return !start.empty() && start.size() <= words.size() &&
           std::equal(start.begin(), start.end(), words.begin());
}

int LeagueTeam(const Division& division, std::string_view name) {
    const int team = division.FindTeam(name);
    return team <= division.Header().TeamCount ? team : 0;
}

// The one team whose words fit, 0 when none does and -1 when several do.
template <class Fits> int OnlyTeam(const std::vector<Words>& teams, Fits fits) {
    int found = 0;
    for (std::size_t t = 1; t < teams.size(); ++t) {
        if (!fits(teams[t]))
            continue;
        if (found != 0)
            return -1;
        found = static_cast<int>(t);
    }
    return found;
}

// The team an alias names. The alias's own name is looked up exactly, then as the rules read it (its
// CanonicalWords); so is the team it names, which is typed by hand on the command line.
int AliasTeam(const Division& division, const std::vector<Words>& teams, const std::string& name,
              const TeamAliases& aliases) {
    auto found = aliases.find(name);
    if (found == aliases.end())
        found = std::find_if(aliases.begin(), aliases.end(), [&](const auto& alias) {
            return Joined(CanonicalWords(alias.first)) == Joined(CanonicalWords(name)) &&
                   !alias.first.empty();
        });
    if (found == aliases.end())
        return 0;
    if (const int team = LeagueTeam(division, found->second))
        return team;
    const Words named = CanonicalWords(found->second);
    return named.empty() ? 0 : std::max(OnlyTeam(teams, [&](const Words& team) { return team == named; }), 0);
}

// The one team a rule finds for the name, or 0 when it finds none or several.
int RuleTeam(const std::vector<Words>& teams, const Words& name) {
    if (name.empty())
        return 0;
    const int same = OnlyTeam(teams, [&](const Words& team) { return team == name; });
    if (same != 0)
        return std::max(same, 0);
    const int leading =
        OnlyTeam(teams, [&](const Words& team) { return StartsWith(team, name) || StartsWith(name, team); });
    return std::max(leading, 0);
}

std::size_t EditDistance(const std::string& a, const std::string& b) {
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

TeamNameMatches MatchTeamNames(const Division& division, const std::vector<std::string>& names,
                               const TeamAliases& aliases) {
    std::vector<Words> teams(static_cast<std::size_t>(division.Header().TeamCount) + 1);
    for (int t = 1; t <= division.Header().TeamCount; ++t)
        teams[static_cast<std::size_t>(t)] = CanonicalWords(TeamName(division, t));

    TeamNameMatches matches;
    std::map<std::string, int> byRule;
    std::set<int> claimedSurely; // teams found exactly or by an alias
    for (const std::string& name : names) {
        if (matches.teams.count(name) || byRule.count(name))
            continue;
        int team = LeagueTeam(division, name);
        if (team == 0)
            team = AliasTeam(division, teams, name, aliases);
        if (team != 0) {
            matches.teams[name] = team;
            claimedSurely.insert(team);
        } else {
            byRule[name] = RuleTeam(teams, CanonicalWords(name));
        }
    }
    std::map<int, int> ruleClaims;
    for (const auto& [name, team] : byRule)
        ++ruleClaims[team];
    std::set<std::string> listed;
    for (const std::string& name : names) {
        const auto rule = byRule.find(name);
        if (rule == byRule.end() || listed.count(name))
            continue;
        const int team = rule->second;
        if (team != 0 && ruleClaims[team] == 1 && !claimedSurely.count(team)) {
            matches.teams[name] = team;
        } else {
            matches.unmatched.push_back(name);
            listed.insert(name);
        }
    }
    return matches;
}

int ClosestTeam(const Division& division, std::string_view name) {
    const Words wanted = CanonicalWords(name);
    const std::string wantedText = Joined(wanted);
    // Nearest first by the name's words that begin a word of the team's, then by the letters the two share
    // at their start, then by the letters to change.
    auto nearness = [&](int team) {
        const Words words = CanonicalWords(TeamName(division, team));
        const std::string text = Joined(words);
        int wordsShared = 0;
        for (const std::string& word : wanted)
            wordsShared +=
                std::any_of(words.begin(), words.end(),
                            [&](const std::string& w) { return w.compare(0, word.size(), word) == 0; })
                    ? 1
                    : 0;
        const auto shared = std::mismatch(wantedText.begin(), wantedText.end(), text.begin(), text.end());
        return std::tuple(-wordsShared, -(shared.first - wantedText.begin()), EditDistance(wantedText, text));
    };
    int best = 0;
    for (int t = 1; t <= division.Header().TeamCount; ++t)
        if (best == 0 || nearness(t) < nearness(best))
            best = t;
    return best;
}

std::string UnmatchedNamesMessage(const Division& division, const std::vector<std::string>& unmatched) {
    std::string message = "Nothing was imported: these team names of the file are not the league's: ";
    for (std::size_t i = 0; i < unmatched.size(); ++i) {
        message += (i ? ", \"" : "\"") + unmatched[i] + "\"";
        if (const int closest = ClosestTeam(division, unmatched[i]))
            message += " (closest: \"" + TeamName(division, closest) + "\")";
    }
    return message +
           ". Map each to a team (on the command line with --alias \"NAME=TEAM\") and import again.";
}

} // namespace vantorel
