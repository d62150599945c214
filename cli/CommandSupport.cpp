#include "CommandSupport.h"

#include <chrono>
#include <ctime>
#include <filesystem>
#include <iostream>

#include "exchange/CsvImport.h"
#include "results/ResultEntry.h"
#include "standings/DateList.h"
#include "store/Dates.h"
#include "store/LeagueFile.h"
#include "store/Settings.h"
#include "store/TextCodec.h"

namespace vantorel::cli {

void LoadLeague(const std::string& path, Division& division) {
    bool recomputed = false;
    if (auto status = LoadDivision(path, division, &recomputed); !status)
        throw UsageError(path + ": " + status.message());
    if (recomputed)
        std::cerr << path
                  << ": the teams' and players' running totals disagreed with the results and were "
                     "recomputed\n";
}

FileLock LockLeague(const std::string& path) {
    FileLock lock;
    if (auto status = FileLock::Take(path, lock); !status)
        throw UsageError(path + ": " + status.message());
    return lock;
}

void SaveLeague(const std::string& path, Division& division) {
    if (auto status = SaveDivision(path, division); !status)
        throw UsageError(path + ": " + status.message());
}

std::vector<std::string> ReadDataLines(const std::string& path) {
    // An empty file has no lines; only a file that cannot be read is an error.
    std::error_code sizeError;
    const std::uintmax_t size = std::filesystem::file_size(path, sizeError);
    std::vector<std::uint8_t> bytes;
    if (sizeError || !ReadFileBytes(path, static_cast<std::size_t>(size), bytes))
        throw UsageError(path + ": " + kImportFileUnreadable);
    return ImportTextLines(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
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

double Today() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    return *DayNumberOf({local.tm_year + 1900, local.tm_mon + 1, local.tm_mday});
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
        // The current-form table always counts every played match, as its date controls are off.
        if (variant.content == TableContent::CurrentForm)
            throw UsageError("--as-at does not apply to the current-form table");
        dates.SetTo(ParseDateArgument(*asAt, dateFormat, "--as-at"));
    }
    variant.asAt = dates.AsAtDate();
    choice.format.shortFormat = args.flag("--short");
    choice.format.showPoss = args.flag("--poss");
    return choice;
}

int PickMatch(Arguments& args, const Division& division, bool played) {
    int result = 0;
    if (const auto number = args.value("--match")) {
        result = FindMatch(division, ParseNumber(*number, 1, kMaxResults, "--match"));
        if (result == 0)
            throw UsageError("there is no match number " + *number);
    } else {
        const int home = TeamByName(division, args.positional("home team"));
        const int away = TeamByName(division, args.positional("away team"));
        result = played ? FindPlayedResult(division, home, away) : division.FindFixture(home, away);
        if (result == 0) {
            const std::string pair = Windows1252ToUtf8(division.Teams[home].Name.stored()) + " v " +
                                     Windows1252ToUtf8(division.Teams[away].Name.stored());
            throw UsageError(played ? "no result of " + pair + " has been played"
                                    : "every match of " + pair + " has already been played");
        }
    }
    if (division.Results[result].Played != played)
        throw UsageError("match " + std::to_string(division.Results[result].MatchNo) +
                         (played ? " has not been played" : " has already been played"));
    return result;
}

int PlayerByName(const Division& division, const std::string& name) {
    const int player = division.FindPlayer(name);
    if (player == 0)
        throw UsageError("there is no player called '" + name + "' in this league");
    return player;
}

int TeamByName(const Division& division, const std::string& name) {
    const int team = division.FindTeam(name);
    if (team < 1 || team > division.Header().TeamCount)
        throw UsageError("there is no team called '" + name + "' in this league");
    return team;
}

} // namespace vantorel::cli
