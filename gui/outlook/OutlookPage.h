#pragma once

#include <atomic>
#include <memory>
#include <optional>
#include <thread>

#include <QWidget>

#include "app/AppContext.h"
#include "app/Workspace.h"
#include "outlook/Outlook.h"

class QCheckBox;
class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;
class QToolButton;

namespace vantorel {

// The "Outlook" page: for each team, in table order, the best and worst final position it can still
// reach and its simulated chances of each zone and position as a heat map. The outlook is computed on a
// worker thread from a copy of the league and posted back: the exact part first while matches are open to
// simulate, then the simulation, with a progress bar and Cancel when it takes longer than a moment.
class OutlookPage : public QWidget {
public:
    OutlookPage(AppContext& app, Workspace& workspace, QWidget* parent);
    ~OutlookPage() override;

    // The page is shown: the match dates are rebuilt, the as-at date is the League Table page's, and the
    // outlook is computed anew, unless the league, the date and the predictions are as they were for the
    // outlook already worked out (or still being worked out).
    void Refresh();

    void SpinButton1UpClick();
    void SpinButton1DownClick();
    void btnDivDateClick();
    void cbPredictionsClick();
    void btnCancelClick();
    void btnPrintClick();
    void btnExportClick();
    void btnPictureClick();
    void OutlookTableDblClick(int row);

    // The outlook shown, null until the first one arrives.
    const Outlook* shown() const { return outlook_.get(); }
    // Whether a computation is running.
    bool busy() const { return running_; }

    QLabel* panLeague;
    QLabel* lbCaption;
    QTableWidget* OutlookTable;
    QLabel* lbDivDate;
    QToolButton* btnDivDate;
    QToolButton* btnSpinUp;
    QToolButton* btnSpinDown;
    QCheckBox* cbPredictions;
    QProgressBar* pbSimulation;
    QPushButton* btnCancel;
    QPushButton* btnPrint;
    QPushButton* btnExport;
    QPushButton* btnPicture;
    QPushButton* btnExit2;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Start();
    void Stop();
    void Finished(int generation, bool complete);
    void ShowOutlook(std::shared_ptr<const Outlook> outlook, int generation);
    void FillTable();
    std::string CaptionText() const;

    AppContext& app_;
    Workspace& workspace_;
    DateList dates_;
    std::shared_ptr<const Outlook> outlook_;
    // What an outlook is worked out from: the league as it stands, the as-at date and the predictions.
    struct Inputs {
        std::uint64_t revision = 0;
        double asAt = 0;
        bool withPredictions = false;
        bool operator==(const Inputs&) const = default;
    };
    Inputs CurrentInputs() const;
    // What the outlook shown or on its way was asked for; empty once a computation was cancelled.
    std::optional<Inputs> computedFor_;
    std::thread worker_;
    std::shared_ptr<std::atomic<bool>> cancel_;
    int generation_ = 0;
    bool running_ = false;
    QTimer* progressDelay_;
};

} // namespace vantorel
