#pragma once

#include <string>
#include <vector>

#include <QDialog>

#include "exchange/TeamNames.h"
#include "store/Division.h"

class QComboBox;
class QPushButton;

namespace vantorel {

// "Team Names": maps each name of a results file that no team was found for to one of the league's teams,
// each offered with the closest team chosen.
class TfrmTeamNames : public QDialog {
public:
    TfrmTeamNames(const Division& division, const std::vector<std::string>& names, QWidget* parent);

    // The names with the teams chosen for them.
    TeamAliases aliases() const;

    std::vector<QComboBox*> cbTeams; // one per name, in the order given
    QPushButton* btnOK;
    QPushButton* btnCancel;

private:
    std::vector<std::string> names_;
};

} // namespace vantorel
