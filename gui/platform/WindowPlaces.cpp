#include "platform/WindowPlaces.h"

#include <optional>
#include <vector>

#include <QEvent>
#include <QGuiApplication>
#include <QObject>
#include <QScreen>
#include <QWidget>

#include "store/WindowMemory.h"

namespace vantorel {
namespace {

class PlaceKeeper : public QObject {
public:
    PlaceKeeper(QWidget* window, QString name, std::filesystem::path settingsFile)
        : QObject(window), window_(window), name_(std::move(name)), settingsFile_(std::move(settingsFile)) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == window_) {
            if (event->type() == QEvent::Show && !restored_) {
                restored_ = true;
                Restore();
            } else if (event->type() == QEvent::Hide || event->type() == QEvent::Close) {
                Remember();
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool FixedSize() const { return window_->minimumSize() == window_->maximumSize(); }

    void Restore() {
        const auto remembered = ReadWindowPlace(settingsFile_, name_.toStdString());
        if (!remembered)
            return;
        kept_ = *remembered;
        std::vector<ScreenArea> screens;
        for (const QScreen* screen : QGuiApplication::screens()) {
            const QRect area = screen->availableGeometry();
            screens.push_back({area.x(), area.y(), area.width(), area.height()});
        }
        WindowPlace place = *remembered;
        if (FixedSize()) {
            place.width = window_->width();
            place.height = window_->height();
        }
        const auto placed = PlaceOnScreens(place, screens);
        if (!placed)
            return;
        if (!FixedSize())
            window_->resize(QSize(placed->width, placed->height).expandedTo(window_->minimumSize()));
        window_->move(placed->left, placed->top);
        if (placed->maximised)
            window_->setWindowState(window_->windowState() | Qt::WindowMaximized);
    }

    void Remember() {
        if (!restored_)
            return;
        // A maximised window keeps the size it comes back to when it is restored.
        const QRect normal = window_->isMaximized() ? window_->normalGeometry() : window_->geometry();
        const QPoint corner = window_->isMaximized() ? normal.topLeft() : window_->pos();
        WindowPlace place{corner.x(), corner.y(), normal.width(), normal.height(), window_->isMaximized()};
        // The settings file is written safely, which takes longer than a frame: a window that hides
        // where it was (the main window, each time a league opens) leaves the file as it is.
        if (place.width <= 0 || place.height <= 0 || place == kept_)
            return;
        if (WriteWindowPlace(settingsFile_, name_.toStdString(), place))
            kept_ = place;
    }

    QWidget* window_;
    QString name_;
    std::filesystem::path settingsFile_;
    bool restored_ = false;
    std::optional<WindowPlace> kept_; // the place the settings file holds, as far as this window knows
};

} // namespace

void RememberPlace(QWidget* window, const QString& name, const std::filesystem::path& settingsFile) {
    if (settingsFile.empty())
        return;
    window->installEventFilter(new PlaceKeeper(window, name, settingsFile));
}

} // namespace vantorel
