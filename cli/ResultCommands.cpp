// The commands that enter, correct and cancel results, predict open fixtures and list both.

#include <memory>
#include <optional>
#include <ostream>

#include "CommandSupport.h"
#include "Commands.h"
#include "results/EntrySession.h"
#include "results/Predictions.h"
#include "results/ResultEntry.h"
#include "results/ResultList.h"
#include "store/Dates.h"

namespace vantorel::cli {
namespace {

struct Score {
    int home = 0;
    int away = 0;
};

Score ParseScore(const std::string& text) {
    const std::size_t dash = text.find('-');
    if (dash == std::string::npos || dash == 0 || dash + 1 == text.size())
        throw UsageError("a score is written H-A, not '" + text + "'");
    return {ParseNumber(text.substr(0, dash), 0, kMaxGoalsInAMatch, "home goals"),
            ParseNumber(text.substr(dash + 1), 0, kMaxGoalsInAMatch, "away goals")};
}

std::string ScoreText(const ResultRecord& match) {
    return std::to_string(match.HomeGoals) + "-" + std::to_string(match.AwayGoals);
}

int AttendanceOption(Arguments& args, int fallback) {
    const auto text = args.value("--attendance");
    if (!text)
        return fallback;
    const auto attendance = ParseAttendance(*text);
    if (!attendance)
        throw UsageError("--attendance must be a whole number of 0 or more, not '" + *text + "'");
    return *attendance;
}

// The line that tells what a command did to a result; printed once the change is saved.
std::string Described(const char* what, const Division& division, int result) {
    const ResultRecord& match = division.Results[result];
    return std::string(what) + " match " + std::to_string(match.MatchNo) + ": " +
           MatchTitle(division, result) + " " + ScoreText(match) + "\n";
}

// Enters the result the words give; returns the line that tells so.
std::string EnterSubcommand(Arguments& args, Division& division) {
    const int home = TeamByName(division, args.positional("home team"));
    const int away = TeamByName(division, args.positional("away team"));
    const Score score = ParseScore(args.positional("score"));
    const DateFormat format = DateFormatOption(args);
    const auto dateText = args.value("--date");
    const double date = dateText ? ParseDateArgument(*dateText, format, "--date") : Today();
    const int attendance = AttendanceOption(args, 0);
    args.finish();
    int fixture = 0;
    if (auto status = EnterResult(division, {home, away, score.home, score.away, date, attendance}, &fixture);
        !status)
        throw UsageError(status.message());
    return Described("Entered", division, fixture);
}

} // namespace

int ResultCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const std::string action = args.positional("enter, rescore, redate or cancel");
    const FileLock lock = LockLeague(path);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    std::string done;
    if (action == "enter") {
        done = EnterSubcommand(args, *division);
    } else if (action == "rescore") {
        const int result = PickMatch(args, *division, true);
        const Score score = ParseScore(args.positional("score"));
        const int attendance = AttendanceOption(args, division->Results[result].Attendance);
        args.finish();
        if (auto status = RescoreResult(*division, result, score.home, score.away, attendance); !status)
            throw UsageError(status.message());
        done = Described("Rescored", *division, result);
    } else if (action == "redate") {
        const int result = PickMatch(args, *division, true);
        const DateFormat format = DateFormatOption(args);
        const double date = ParseDateArgument(args.positional("date"), format, "date");
        args.finish();
        ChangeResultDate(*division, result, date);
        done = Described("Redated", *division, result);
    } else if (action == "cancel") {
        const int result = PickMatch(args, *division, true);
        args.finish();
        if (auto status = CancelResult(*division, result); !status)
            throw UsageError(status.message());
        done = Described("Cancelled", *division, result);
    } else {
        throw UsageError("result takes enter, rescore, redate or cancel, not '" + action + "'");
    }
    SaveLeague(path, *division);
    out << done;
    return 0;
}

int PredictCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {"--untick"});
    const std::string path = args.positional("league file");
    const FileLock lock = LockLeague(path);
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    const int fixture = PickMatch(args, *division, false);
    const DateFormat format = DateFormatOption(args);
    const auto dateText = args.value("--date");
    const double date = dateText ? ParseDateArgument(*dateText, format, "--date") : 0;
    const bool untick = args.flag("--untick");
    std::optional<Score> score;
    if (args.hasPositional())
        score = ParseScore(args.positional("score"));
    args.finish();
    if (score && untick)
        throw UsageError("a predicted score ticks the match; leave out --untick or the score");
    if (score) {
        if (auto status = SetPrediction(*division, fixture, score->home, score->away, date); !status)
            throw UsageError(status.message());
    } else {
        if (date != 0)
            ChangeResultDate(*division, fixture, date);
        MarkPredicted(*division, fixture, !untick);
    }
    SaveLeague(path, *division);
    out << Described(untick ? "Unticked" : "Predicted", *division, fixture);
    return 0;
}

int ListCommand(const std::vector<std::string>& words, std::ostream& out) {
    Arguments args(words, {});
    const std::string path = args.positional("league file");
    const std::string what = args.positional("results or open");
    if (what != "results" && what != "open")
        throw UsageError("list takes results or open, not '" + what + "'");
    const bool played = what == "results";
    const auto sortName = args.value("--sort");
    int key = kDefaultResultSort;
    if (sortName) {
        static const char* const kSortNames[] = {"date", "attend",  "home",     "away",
                                                 "for",  "against", "predicted"};
        key = 0;
        for (int k = 0; k < 7; ++k)
            if (*sortName == kSortNames[k])
                key = k + 1;
        if (key == 0)
            throw UsageError("--sort takes date, attend, home, away, for, against or predicted, not '" +
                             *sortName + "'");
    }
    const DateFormat format = DateFormatOption(args);
    args.finish();
    auto division = std::make_unique<Division>();
    LoadLeague(path, *division);
    ResultList list = played ? ResultList::Played(*division) : ResultList::Open(*division);
    list.Sort(*division, key);
    for (int row = 0; row < list.count(); ++row) {
        const int result = list.At(row);
        out << division->Results[result].MatchNo;
        if (played) {
            const auto cells = ResultCells(*division, result, false, format);
            out << "\t" << cells[0] << "\t" << cells[1] << "\t" << cells[2] << "\t" << cells[3] << "\t"
                << cells[4] << "-" << cells[5] << "\n";
        } else {
            const auto cells = PredictCells(*division, result, format);
            out << "\t" << (division->Results[result].Predicted ? "predicted" : "-") << "\t"
                << format.Format(division->Results[result].MatchDate) << "\t" << cells[2] << "\t" << cells[3]
                << "\t" << cells[4] << "-" << cells[5] << "\n";
        }
    }
    return 0;
}

} // namespace vantorel::cli
