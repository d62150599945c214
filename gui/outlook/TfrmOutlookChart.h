#pragma once

#include <memory>

#include <QDialog>

#include "app/AppContext.h"
#include "outlook/Outlook.h"

namespace vantorel {

// A team's outlook chart: the chances of its final positions and points, drawn by DrawTeamOutlookChart.
class TfrmOutlookChart : public QDialog {
public:
    TfrmOutlookChart(AppContext& app, std::shared_ptr<const Outlook> outlook, int team, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AppContext& app_;
    std::shared_ptr<const Outlook> outlook_;
    int team_;
};

} // namespace vantorel
