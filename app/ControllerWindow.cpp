// The controller's side of the main window itself: its shape under resizing,
// the View menu's choices, and the line telling why nothing is heard.
#include "app/Controller.h"
#include "tuner/UserDefaults.h"
#include "views/LevelMeter.h"
#include "views/MeterPalette.h"
#include "views/ScaledColumn.h"
#include "views/TunerMeter.h"

#include <QEvent>
#include <QLabel>
#include <QLayout>
#include <QMainWindow>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace clefmark {

namespace {

    WindowSize toWindowSize(QSize size)
    {
        return { static_cast<float>(size.width()), static_cast<float>(size.height()) };
    }

    QSize toQSize(WindowSize size)
    {
        return { static_cast<int>(std::lround(size.width)),
            static_cast<int>(std::lround(size.height)) };
    }

} // namespace

QWidget* Controller::contentArea() const
{
    QWidget* window = mainWindow();
    if (auto* main = qobject_cast<QMainWindow*>(window);
        main != nullptr && main->centralWidget() != nullptr)
        return main->centralWidget();
    return window;
}

void Controller::fixProportions()
{
    if (QWidget* content = contentArea()) {
        if (QLayout* layout = mainWindow()->layout())
            layout->activate(); // gives the content its size before the window shows
        // The content's minimum size is the unit of Alt-snapping and fixes
        // the proportions: the one set, else the one the content asks for
        // (the picture with or without the readout under it), else the
        // designed size.
        auto* column = qobject_cast<ScaledColumn*>(content);
        QSize minimum = column != nullptr ? column->designedSize() : content->minimumSize();
        if (minimum.width() <= 0 || minimum.height() <= 0)
            minimum = content->minimumSizeHint();
        if (minimum.width() <= 0 || minimum.height() <= 0) {
            minimum = content->size();
            content->setMinimumSize(minimum);
        }
        minimumSize_ = toWindowSize(minimum);
        settledSize_ = toWindowSize(content->size());
        allowForRoom();
    }
}

// A screen too small for the least size (a large scale factor on a small
// screen) lets the content go below it, in proportion.
void Controller::allowForRoom()
{
    auto* column = qobject_cast<ScaledColumn*>(contentArea());
    if (column == nullptr || !(minimumSize_.width > 0.0f) || !(minimumSize_.height > 0.0f))
        return;
    const QSize room = contentRoom();
    column->setLeastScale(std::min({ 1.0, room.width() / static_cast<double>(minimumSize_.width),
        room.height() / static_cast<double>(minimumSize_.height) }));
}

void Controller::restoreViewChoices()
{
    bool readoutShown = true;
    bool colourBlindSafe = false;
    if (UserDefaults* defaults = services_.defaults) {
        defaults->registerBool(kReadoutShownKey, true);
        defaults->registerBool(kColourBlindSafeKey, false);
        readoutShown = defaults->boolForKey(kReadoutShownKey);
        colourBlindSafe = defaults->boolForKey(kColourBlindSafeKey);
    }
    showReadout(readoutShown);
    setColourBlindSafe(colourBlindSafe);
}

void Controller::remember(const char* key, bool on)
{
    if (services_.defaults != nullptr && services_.defaults->boolForKey(key) != on)
        services_.defaults->setBool(key, on);
}

void Controller::setReadoutShown(bool shown)
{
    remember(kReadoutShownKey, shown);
    showReadout(shown);
}

void Controller::showReadout(bool shown)
{
    if (readoutAction_ != nullptr)
        readoutAction_->setChecked(shown);
    if (readout_ == nullptr || readout_->isHidden() != shown || terminated_)
        return;
    // Hidden, the strip takes no readings at all.
    if (tuner_ != nullptr)
        tuner_->setReadingDisplay(shown ? readout_.data() : nullptr);
    QWidget* window = mainWindow();
    QWidget* content = contentArea();
    const QSize before = content != nullptr ? content->size() : QSize();
    const QSize around = chrome();
    const float unitHeight = minimumSize_.height;
    readout_->setVisible(shown);
    followReadout();
    fixProportions();
    if (window == nullptr || content == nullptr || !(unitHeight > 0.0f))
        return;
    // The window grows or shrinks by the strip at the scale it has now; a
    // maximised or full-screen window keeps the size the desktop gives it.
    if (window->isMaximized() || window->isFullScreen())
        return;
    const QSize after = fitInRoom(
        QSize(before.width(),
            static_cast<int>(std::lround(before.height() * minimumSize_.height / unitHeight))),
        toQSize(minimumSize_), contentRoom(), false);
    settledSize_ = toWindowSize(after);
    window->resize(after + around);
}

void Controller::followReadout()
{
    using State = Readout::State;
    const Readout::Text* text
        = readout_ != nullptr && !readout_->isHidden() ? &readout_->text() : nullptr;
    if (auto* meter = qobject_cast<TunerMeter*>(tunerMeter_.data()))
        meter->setDimmed(text != nullptr && text->past);
    // No readings come while paused or without a server: what the meter
    // last showed would stand for ever. Blocks that still come (noise
    // without a pitch) light it again.
    const bool gone = text != nullptr
        && (text->past || text->state == State::Paused || text->state == State::NoDevice
            || text->state == State::WaitingForServer);
    if (gone && !soundGone_) {
        if (auto* meter = qobject_cast<LevelMeter*>(levelMeter_.data()))
            meter->clear();
    }
    soundGone_ = gone;
}

void Controller::setColourBlindSafe(bool on)
{
    remember(kColourBlindSafeKey, on);
    if (colourBlindSafeAction_ != nullptr)
        colourBlindSafeAction_->setChecked(on);
    const MeterPalette palette = on ? MeterPalette::colourBlindSafe() : MeterPalette::standard();
    if (auto* meter = qobject_cast<TunerMeter*>(tunerMeter_.data()))
        meter->setColours(palette);
    if (auto* meter = qobject_cast<LevelMeter*>(levelMeter_.data()))
        meter->setColours(palette);
}

QSize Controller::chrome() const
{
    const QWidget* window = mainWindow();
    const QWidget* content = contentArea();
    return window != nullptr && content != nullptr ? window->size() - content->size() : QSize();
}

WindowSize Controller::windowWillResize(WindowSize proposed) const
{
    const QSize around = chrome();
    const WindowSize content { proposed.width - static_cast<float>(around.width()),
        proposed.height - static_cast<float>(around.height()) };
    if (!services_.altHeld())
        return proposed;
    const WindowSize wanted = clefmark::windowWillResize(content, minimumSize_, true);
    return { wanted.width + static_cast<float>(around.width()),
        wanted.height + static_cast<float>(around.height()) };
}

void Controller::showCaptureStatus(const QString& text, const QString& device)
{
    const QString heard = device.isEmpty() ? QString() : tr("Listening to %1").arg(device);
    if (statusIndicator_ != nullptr)
        statusIndicator_->setToolTip(heard);
    if (statusLabel_ == nullptr)
        return;
    statusLabel_->setToolTip(heard);
    statusLabel_->setText(text);
    if (text.isEmpty()) {
        statusTimer_->stop();
        statusLabel_->hide();
    } else if (statusLabel_->isVisible()) {
        placeStatusLabel();
    } else if (!statusTimer_->isActive()) {
        statusTimer_->start();
    }
}

void Controller::placeStatusLabel()
{
    if (statusLabel_ == nullptr || !statusLabel_->isVisible())
        return;
    // Centred low in the content, where the artwork leaves room below the
    // staves, and wrapped to its width: the meters stay in view.
    const QWidget* area = statusLabel_->parentWidget();
    constexpr int margin = 6;
    const int width = std::max(1, area->width() - 2 * margin);
    statusLabel_->setMaximumWidth(width);
    const QSize size = statusLabel_->sizeHint().boundedTo(QSize(width, area->height()));
    const int height = statusLabel_->heightForWidth(size.width()) > 0
        ? statusLabel_->heightForWidth(size.width())
        : size.height();
    const int centreY = static_cast<int>(std::lround(area->height() * 0.83));
    statusLabel_->setGeometry(
        (area->width() - size.width()) / 2, centreY - height / 2, size.width(), height);
    statusLabel_->raise();
}

bool Controller::eventFilter(QObject* watched, QEvent* event)
{
    const bool window = watched == mainWindow();
    // A move ends like a resize: the place is remembered then.
    // So does the first showing: only then is the frame known, which may
    // leave the window's least size no longer on a small screen.
    if (window && !terminated_
        && (event->type() == QEvent::Resize || event->type() == QEvent::Move
            || event->type() == QEvent::Show))
        resizeTimer_->start();
    if (window && event->type() == QEvent::WindowStateChange)
        updateLetterbox();
    if (event->type() == QEvent::Resize && statusLabel_ != nullptr
        && watched == statusLabel_->parentWidget())
        placeStatusLabel();
    return QObject::eventFilter(watched, event);
}

void Controller::resizeEnded()
{
    QWidget* window = mainWindow();
    QWidget* content = contentArea();
    if (window == nullptr || content == nullptr || minimumSize_.width <= 0)
        return;
    // A maximised or full-screen window has the size the desktop gives it.
    if (window->isMaximized() || window->isFullScreen())
        return;
    QSize settled = content->size();
    allowForRoom();
    if (services_.applyResizeRule) {
        // The rules shape the content; the menu bar and the like stay as they are.
        const WindowSize proposed = toWindowSize(content->size());
        const bool altHeld = services_.altHeld();
        const WindowSize wanted = altHeld ? clefmark::windowWillResize(proposed, minimumSize_, true)
                                          : keepAspectRatio(settledSize_, proposed, minimumSize_);
        // Whoever asked for the size, the window stays on its screen.
        settled = fitInRoom(toQSize(wanted), toQSize(minimumSize_), contentRoom(), altHeld);
        if (settled + chrome() != window->size())
            resizeContent(settled);
    }
    settledSize_ = toWindowSize(settled);
    rememberWindow(settled);
}

} // namespace clefmark
