#include "support/SampleSeason.h"

#include <fstream>
#include <sstream>
#include <stdexcept>

#include "app/NewLeague.h"
#include "platform/DateFormat.h"
#include "store/TextCodec.h"
#include "support/LeagueEdits.h"
#include "support/LeagueMaker.h"

namespace vantorel::testing {

std::string SampleSeasonFolder() {
    return VANTOREL_SAMPLE_SEASON;
}

std::vector<std::string> SampleSeasonLines(const std::string& fileName) {
    std::ifstream in(SampleSeasonFolder() + "/" + fileName, std::ios::binary);
    if (!in)
        throw std::runtime_error("missing sample file " + fileName);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (!line.empty())
            lines.push_back(Windows1252ToUtf8(line));
    }
    return lines;
}

std::unique_ptr<Division> LoadSampleSeason() {
    NewLeagueAnswers answers;
    answers.tableName = "English Premier League 2005/06";
    answers.teamNames = SampleSeasonLines("teams.txt");
    answers.playTimes = 2;
    auto division = std::make_unique<Division>();
    if (!BuildNewLeague(answers, *division))
        throw std::runtime_error("sample season refused");
    testing::Edit(*division).Header().SortRules.assignStored("123");
    const DateFormat format = DateFormat::Default();
    for (const std::string& line : SampleSeasonLines("results.csv")) {
        std::vector<std::string> fields;
        std::stringstream in(line);
        for (std::string field; std::getline(in, field, ',');)
            fields.push_back(field);
        const int fixture =
            division->FindFixture(division->FindTeam(fields[1]), division->FindTeam(fields[2]));
        const auto date = format.Parse(fields[0]);
        if (fixture == 0 || !date)
            throw std::runtime_error("sample result not placed: " + line);
        PlayFixture(*division, fixture, std::stoi(fields[3]), std::stoi(fields[4]), *date);
    }
    testing::MarkSaved(*division);
    return division;
}

} // namespace vantorel::testing
