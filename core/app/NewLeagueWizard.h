#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/LeagueFromResults.h"
#include "app/NewLeague.h"
#include "platform/Prompts.h"

namespace vantorel {

// The new-league wizard's pages and answers, without a window: the window shows this state and forwards
// the user's actions.
class NewLeagueWizard {
public:
    enum Page { Introduction = 0, Step1, Step2, Step3, Step4 };

    // Answers of the pages, edited directly by the window's controls.
    std::string tableName;
    int teamCount = 8; // the spin box of Step 1; becomes the wanted number of teams when Step 1 is left
    int winPoints = 3;
    int playTimes = 2;
    int ownTeam = 0; // position in the own-team list: 0 = none, k = team k
    int promoteCount = 0;
    int relegateCount = 0;
    int teamSize = 11;
    int subsCount = 3;
    std::optional<MatchDayPlan> matchDays; // none: the fixtures stay undated

    NewLeagueWizard() { Reset(); }
    // Back to the Introduction with every answer at its start value.
    void Reset();
    // Starts over with the teams and meetings of a results file ("From a results file..."): the team list
    // is the file's and cannot be changed, and the wizard goes on at Step 1 with the suggested table name.
    void TakeSeason(const ResultsSeason& season, const std::string& suggestedName);
    bool fromResults() const { return fromResults_; }

    Page page() const { return page_; }
    int wantedTeams() const { return wantedTeams_; }
    const std::vector<std::string>& teamNames() const { return teamNames_; }

    // Moves on after checking the page: Step 1 needs a table name, Step 2 exactly the wanted number of
    // different names. A refusal is shown through prompts and the page stays.
    bool Next(Prompts& prompts);
    // One page back, never before Step 1.
    void Back();

    bool backEnabled() const { return page_ >= Step2; }
    bool nextEnabled() const { return page_ != Step4; }
    bool finishEnabled() const { return page_ == Step4; }
    bool addEnabled() const { return !fromResults_ && static_cast<int>(teamNames_.size()) < wantedTeams_; }

    // Adds a name to the alphabetical list; an empty name, or one when the list is full, changes nothing.
    bool AddName(const std::string& name);
    // Takes a name out of the list for editing; empty when the position holds none.
    std::string TakeName(int position);
    // "All teams entered", "One more team required" or "n more teams required".
    std::string RemainingText() const;

    // The own-team choices: "** None **", then the team names in list order.
    std::vector<std::string> OwnTeamChoices() const;

    NewLeagueAnswers Answers() const;

private:
    Page page_ = Introduction;
    int wantedTeams_ = 20;
    std::vector<std::string> teamNames_;
    bool fromResults_ = false;
};

} // namespace vantorel
