#include "cmdline/LeagueArguments.h"

#include <iostream>

#include "standings/DateList.h"
#include "store/LeagueFile.h"

namespace vantorel::cmdline {

void LoadLeague(const std::string& path, Division& division) {
    bool recomputed = false;
    if (auto status = LoadDivision(path, division, &recomputed); !status)
        throw UsageError(path + ": " + status.message());
    if (recomputed)
        std::cerr << path
                  << ": the teams' and players' running totals disagreed with the results and were "
                     "recomputed\n";
}

DateFormat DateFormatOption(Arguments& args) {
    const auto pattern = args.value("--date-format");
    if (!pattern)
        return DateFormat::Default();
    const auto format = DateFormat::FromPattern(*pattern);
    if (!format)
        throw UsageError("--date-format '" + *pattern +
                         "' needs d or dd, M or MM and yy or yyyy, with a separator between them");
    return *format;
}

double ParseDateArgument(const std::string& text, const DateFormat& format, const std::string& what) {
    const auto date = format.Parse(text);
    if (!date)
        throw UsageError(what + ": " + InvalidDateMessage(text, format));
    return *date;
}

namespace {

template <typename Choice>
Choice Pick(const std::optional<std::string>& text,
            std::initializer_list<std::pair<const char*, Choice>> choices, Choice fallback,
            const std::string& option) {
    if (!text)
        return fallback;
    std::string known;
    for (const auto& [name, choice] : choices) {
        if (*text == name)
            return choice;
        known += std::string(known.empty() ? "" : ", ") + name;
    }
    throw UsageError(option + " must be one of " + known + ", not '" + *text + "'");
}

} // namespace

TableChoice TableOptions(Arguments& args, const Division& division, const DateFormat& dateFormat) {
    TableChoice choice;
    TableVariant& variant = choice.variant;
    variant.content = Pick(args.value("--content"),
                           {std::pair{"played", TableContent::PlayedGames},
                            {"predicted", TableContent::PlayedPredicted},
                            {"form", TableContent::CurrentForm}},
                           TableContent::PlayedGames, "--content");
    variant.games = Pick(args.value("--games"),
                         {std::pair{"all", GameSelection::HomeAndAway},
                          {"home", GameSelection::HomeOnly},
                          {"away", GameSelection::AwayOnly}},
                         GameSelection::HomeAndAway, "--games");
    variant.formGames = args.number("--form-games", kMinFormGames, kMaxFormGames).value_or(kDefaultFormGames);
    DateList dates = DateList::Build(division, variant.content);
    if (const auto asAt = args.value("--as-at")) {
        if (!HasAsAtDate(variant.content))
            throw UsageError("--as-at does not apply to the current-form table");
        dates.SetTo(ParseDateArgument(*asAt, dateFormat, "--as-at"));
    }
    variant.asAt = dates.AsAtDate();
    choice.format.shortFormat = args.flag("--short");
    choice.format.showPoss = args.flag("--poss");
    return choice;
}

int TeamByName(const Division& division, const std::string& name) {
    const int team = division.FindTeam(name);
    if (team < 1 || team > division.Header().TeamCount)
        throw UsageError("there is no team called '" + name + "' in this league");
    return team;
}

} // namespace vantorel::cmdline
