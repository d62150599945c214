#pragma once

#include <QDialog>
#include <QTimer>

class QLabel;

namespace vantorel {

class HelpViewer;

// The about box, with its ball rolling through six pictures every 100 ms while it is shown.
class TAboutBox : public QDialog {
public:
    TAboutBox(HelpViewer& help, QWidget* parent);

    int pictureNumber() const { return pictureNumber_; }
    QTimer* timer() const { return timer_; }

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void Timer1Timer();

    QLabel* PaintBox1;
    QTimer* timer_;
    int pictureNumber_ = 0;
};

} // namespace vantorel
