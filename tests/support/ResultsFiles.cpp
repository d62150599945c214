#include "support/ResultsFiles.h"

#include <sstream>

#include "platform/DateFormat.h"
#include "store/TextCodec.h"
#include "support/SampleSeason.h"

namespace vantorel::testing {

const std::map<std::string, std::string>& SampleSeasonShortNames() {
    static const std::map<std::string, std::string> names = {{"Birmingham City", "Birmingham"},
                                                             {"Blackburn Rovers", "Blackburn"},
                                                             {"Bolton Wanderers", "Bolton"},
                                                             {"Charlton Athletic", "Charlton"},
                                                             {"Manchester City", "Man City"},
                                                             {"Manchester United", "Man United"},
                                                             {"Newcastle United", "Newcastle"},
                                                             {"Tottenham Hotspur", "Tottenham"},
                                                             {"West Bromwich Albion", "West Brom"},
                                                             {"West Ham United", "West Ham"},
                                                             {"Wigan Athletic", "Wigan"}};
    return names;
}

std::string SampleSeasonResultsFile(const ResultsFileStyle& style) {
    const DateFormat read = DateFormat::Default();
    const DateFormat written = *DateFormat::FromPattern(style.datePattern);
    auto named = [&](const std::string& name) {
        const auto found = SampleSeasonShortNames().find(name);
        return style.shortNames && found != SampleSeasonShortNames().end() ? found->second : name;
    };
    std::string text;
    for (std::size_t c = 0; c < style.columns.size(); ++c)
        text += (c ? "," : "") + style.columns[c];
    text += style.lineEnd;
    int match = 0;
    for (const std::string& line : SampleSeasonLines("results.csv")) {
        std::vector<std::string> fields;
        std::stringstream in(line);
        for (std::string field; std::getline(in, field, ',');)
            fields.push_back(field);
        ++match;
        const int home = std::stoi(fields[3]);
        const int away = std::stoi(fields[4]);
        for (std::size_t c = 0; c < style.columns.size(); ++c) {
            std::string column = style.columns[c];
            // The heading may be in any case; the values follow the names as such files write them.
            for (const char* known : {"Date", "Time", "Home", "Away", "HomeGoals", "AwayGoals", "Attendance"})
                if (SameTextIgnoringCase(column, known))
                    column = known;
            std::string value = "2.10";
            if (column == "Date")
                value = written.Format(*read.Parse(fields[0]));
            else if (column == "Time")
                value = match % 2 ? "15:00" : "17:30";
            else if (column == "HomeTeam" || column == "Home")
                value = named(fields[1]);
            else if (column == "AwayTeam" || column == "Away")
                value = named(fields[2]);
            else if (column == "FTHG" || column == "HG" || column == "HomeGoals")
                value = fields[3];
            else if (column == "FTAG" || column == "AG" || column == "AwayGoals")
                value = fields[4];
            else if (column == "FTR" || column == "Res")
                value = home > away ? "H" : home < away ? "A" : "D";
            else if (column == "Attendance")
                value = match % 7 ? std::to_string(20000 + match * 37) : "";
            else if (column == "Div")
                value = "E0";
            else if (column == "Referee")
                value = "M Dean";
            text += (c ? "," : "") + value;
        }
        text += style.lineEnd;
    }
    // Files of this kind often end in a line of empty cells.
    return text + std::string(style.columns.size() - 1, ',') + style.lineEnd;
}

std::vector<std::string> PublishedTableLines(const Division& division) {
    TableVariant variant;
    variant.asAt = 1e9;
    const LeagueTable table = FillTable(division, variant);
    std::map<std::string, std::string> fullName;
    for (const auto& [full, shortName] : SampleSeasonShortNames())
        fullName[shortName] = full;
    std::vector<std::string> lines = {"Team,P,W,D,L,GF,GA,GD,Pts,Deduction"};
    for (int p = 1; p <= table.TeamCount; ++p) {
        const int team = table.TableOrder[p];
        const StandingsRow& row = table.rowAt(p);
        std::string name = Windows1252ToUtf8(division.Teams[team].Name.stored());
        if (const auto found = fullName.find(name); found != fullName.end())
            name = found->second;
        std::ostringstream line;
        line << name << ',' << row.Played << ',' << row.Won() << ',' << row.Drawn() << ',' << row.Lost()
             << ',' << row.GoalsFor() << ',' << row.GoalsAgainst() << ',' << row.GoalDiff << ',' << row.Points
             << ',' << division.Teams[team].Deduction;
        lines.push_back(line.str());
    }
    return lines;
}

} // namespace vantorel::testing
