#include "app/NewLeagueWizard.h"

namespace vantorel {

void NewLeagueWizard::Reset() {
    tableName.clear();
    teamCount = 8;
    winPoints = 3;
    playTimes = 2;
    ownTeam = 0;
    promoteCount = 0;
    relegateCount = 0;
    teamSize = 11;
    subsCount = 3;
    matchDays.reset();
    page_ = Introduction;
    wantedTeams_ = 20;
    teamNames_.clear();
    fromResults_ = false;
}

void NewLeagueWizard::TakeSeason(const ResultsSeason& season, const std::string& suggestedName) {
    Reset();
    tableName = suggestedName;
    teamNames_ = season.teamNames;
    teamCount = wantedTeams_ = static_cast<int>(teamNames_.size());
    playTimes = season.playTimes;
    fromResults_ = true;
    page_ = Step1;
}

bool NewLeagueWizard::Next(Prompts& prompts) {
    if (page_ == Step4)
        return false;
    if (page_ == Step1) {
        if (!fromResults_)
            wantedTeams_ = teamCount;
        if (auto status = CheckTableName(tableName); !status) {
            prompts.Error(status.message());
            return false;
        }
    }
    if (page_ == Step2) {
        if (auto status = CheckTeamNames(teamNames_, wantedTeams_); !status) {
            prompts.Error(status.message());
            return false;
        }
        if (ownTeam > static_cast<int>(teamNames_.size()))
            ownTeam = 0;
    }
    page_ = static_cast<Page>(page_ + 1);
    return true;
}

void NewLeagueWizard::Back() {
    if (backEnabled())
        page_ = static_cast<Page>(page_ - 1);
}

bool NewLeagueWizard::AddName(const std::string& name) {
    if (name.empty() || !addEnabled())
        return false;
    teamNames_.push_back(name);
    teamNames_ = SortedTeamNames(std::move(teamNames_));
    return true;
}

std::string NewLeagueWizard::TakeName(int position) {
    if (fromResults_ || position < 0 || position >= static_cast<int>(teamNames_.size()))
        return {};
    std::string name = teamNames_[static_cast<std::size_t>(position)];
    teamNames_.erase(teamNames_.begin() + position);
    return name;
}

std::string NewLeagueWizard::RemainingText() const {
    return RemainingTeamsText(wantedTeams_ - static_cast<int>(teamNames_.size()));
}

std::vector<std::string> NewLeagueWizard::OwnTeamChoices() const {
    std::vector<std::string> choices = {"** None **"};
    choices.insert(choices.end(), teamNames_.begin(), teamNames_.end());
    return choices;
}

NewLeagueAnswers NewLeagueWizard::Answers() const {
    NewLeagueAnswers answers;
    answers.tableName = tableName;
    answers.teamNames = teamNames_;
    answers.winPoints = winPoints;
    answers.playTimes = playTimes;
    answers.ownTeam = ownTeam;
    answers.promoteCount = promoteCount;
    answers.relegateCount = relegateCount;
    answers.teamSize = teamSize;
    answers.subsCount = subsCount;
    answers.matchDays = matchDays;
    return answers;
}

} // namespace vantorel
