#include "app/Controller.h"

#include "app/VersionCheck.h"
#include "panels/About.h"
#include "panels/HelpPanel.h"
#include "panels/Preferences.h"
#include "tuner/Tuner.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QKeySequence>
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

Controller::Controller(Services services, QObject* parent)
    : QObject(parent)
    , services_(std::move(services))
{
    if (services_.runningQtVersion.isEmpty())
        services_.runningQtVersion = QString::fromLatin1(qVersion());
    if (!services_.altHeld)
        services_.altHeld
            = [] { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier); };
    resizeTimer_ = new QTimer(this);
    resizeTimer_->setSingleShot(true);
    resizeTimer_->setInterval(services_.resizeSettleMilliseconds);
    connect(resizeTimer_, &QTimer::timeout, this, &Controller::resizeEnded);
    statusTimer_ = new QTimer(this);
    statusTimer_->setSingleShot(true);
    statusTimer_->setInterval(services_.captureStatusDelayMilliseconds);
    connect(statusTimer_, &QTimer::timeout, this, [this] {
        if (statusLabel_ != nullptr && !statusLabel_->text().isEmpty()) {
            statusLabel_->show();
            placeStatusLabel();
        }
    });
}

Controller::~Controller()
{
    for (const NotificationCenter::Token token : observers_)
        services_.notifications->removeObserver(token);
    detachViews();
}

void Controller::connectOutlets(QWidget* window)
{
    levelMeter_ = window->findChild<QWidget*>(QStringLiteral("levelMeter"));
    tunerMeter_ = window->findChild<QWidget*>(QStringLiteral("tunerMeter"));
    clefmark_ = window->findChild<QWidget*>(QStringLiteral("clefmark"));
    statusIndicator_ = window->findChild<QWidget*>(QStringLiteral("statusIndicator"));

    // A view going away first leaves the tuner, so no update reaches it.
    auto detachOnDestruction = [this](QWidget* view, auto detach) {
        if (view != nullptr)
            connect(view, &QObject::destroyed, this, [this, detach] {
                if (tuner_ != nullptr)
                    detach(*tuner_);
            });
    };
    detachOnDestruction(levelMeter_, [](Tuner& t) { t.setLevelMeter(nullptr); });
    detachOnDestruction(tunerMeter_, [](Tuner& t) { t.setTunerMeter(nullptr); });
    detachOnDestruction(clefmark_, [](Tuner& t) { t.setClefmark(nullptr); });
    detachOnDestruction(statusIndicator_, [](Tuner& t) { t.setStatusIndicator(nullptr); });

    auto action = [window](const char* name) {
        return window->findChild<QAction*>(QString::fromLatin1(name));
    };
    auto connectAction = [this](QAction* a, auto slot) {
        if (a != nullptr)
            connect(a, &QAction::triggered, this, slot);
    };
    connectAction(action("actionSoundSettings"), [this] { configure(sender()); });
    connectAction(action("actionPreferences"), [this] { preferences(sender()); });
    connectAction(action("actionAbout"), [this] { showAboutPanel(sender()); });
    connectAction(action("actionHelp"), [this] { showHelpPanel(sender()); });
    connectAction(action("actionQuit"), [] { QCoreApplication::quit(); });

    pauseAction_ = action("actionPause");
    resumeAction_ = action("actionResume");
    connectAction(pauseAction_, [this] { services_.notifications->post(kPauseNotification); });
    connectAction(resumeAction_, [this] { services_.notifications->post(kResumeNotification); });
    // Space toggles: only one of the two is enabled at a time, so the
    // shortcut is never ambiguous.
    for (QAction* a : { pauseAction_.data(), resumeAction_.data() })
        if (a != nullptr && a->shortcut().isEmpty())
            a->setShortcut(QKeySequence(Qt::Key_Space));
    if (QAction* quit = action("actionQuit"); quit != nullptr && quit->shortcut().isEmpty())
        quit->setShortcut(QKeySequence::Quit);
    validateMenuItems();

    if (QWidget* w = mainWindow()) {
        w->installEventFilter(this);
        QWidget* area = contentArea();
        statusLabel_ = new QLabel(area);
        statusLabel_->setObjectName(QStringLiteral("captureStatus"));
        statusLabel_->setWordWrap(true);
        statusLabel_->setAlignment(Qt::AlignCenter);
        statusLabel_->setStyleSheet(
            QStringLiteral("QLabel { background: rgba(40, 40, 40, 190); color: white;"
                           " border-radius: 4px; padding: 2px 6px; }"));
        QFont font = statusLabel_->font();
        font.setPointSizeF(font.pointSizeF() * 0.85);
        statusLabel_->setFont(font);
        statusLabel_->hide();
        if (area != w)
            area->installEventFilter(this);
    }
}

QWidget* Controller::mainWindow() const
{
    return tunerMeter_ != nullptr ? tunerMeter_->window() : nullptr;
}

bool Controller::awakeFromNib()
{
    if (!qtVersionSufficient(services_.runningQtVersion)) {
        services_.alert(qtVersionAlertTitle());
        return false;
    }

    if (QWidget* content = contentArea()) {
        if (QLayout* layout = mainWindow()->layout())
            layout->activate(); // gives the content its size before the window shows
        // The content's minimum size is the unit of Alt-snapping and fixes
        // the proportions; a description without one has its designed size.
        QSize minimum = content->minimumSize();
        if (minimum.width() <= 0 || minimum.height() <= 0) {
            minimum = content->size();
            content->setMinimumSize(minimum);
        }
        minimumSize_ = toWindowSize(minimum);
        settledSize_ = toWindowSize(content->size());
    }

    tuner_ = &services_.tuner();
    tuner_->setLevelMeter(dynamic_cast<LevelDisplay*>(levelMeter_.data()));
    tuner_->setTunerMeter(dynamic_cast<TuneDisplay*>(tunerMeter_.data()));
    tuner_->setClefmark(dynamic_cast<NoteDisplay*>(clefmark_.data()));
    tuner_->setStatusIndicator(dynamic_cast<StatusDisplay*>(statusIndicator_.data()));
    tuner_->start();
    return true;
}

void Controller::applicationDidFinishLaunching()
{
    if (!observers_.empty())
        return;
    observers_.push_back(
        services_.notifications->addObserver(kPauseNotification, [this] { pause(); }));
    observers_.push_back(
        services_.notifications->addObserver(kResumeNotification, [this] { resume(); }));
}

void Controller::applicationWillTerminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    // Saving the settings may wait on a busy disk, and the back-ends' threads
    // are joined after this: the window goes first, so that a quit looks
    // immediate whatever the rest takes.
    if (QWidget* window = mainWindow())
        window->hide();
    resizeTimer_->stop();
    detachViews();
    if (tuner_ != nullptr)
        tuner_->applicationWillTerminate();
}

void Controller::detachViews()
{
    if (tuner_ == nullptr)
        return;
    tuner_->setLevelMeter(nullptr);
    tuner_->setTunerMeter(nullptr);
    tuner_->setClefmark(nullptr);
    tuner_->setStatusIndicator(nullptr);
}

QWidget* Controller::contentArea() const
{
    QWidget* window = mainWindow();
    if (auto* main = qobject_cast<QMainWindow*>(window);
        main != nullptr && main->centralWidget() != nullptr)
        return main->centralWidget();
    return window;
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

void Controller::configure(QObject*)
{
    if (!services_.openSoundSettings || !services_.openSoundSettings())
        services_.alert(QStringLiteral("No sound settings program was found. "
                                       "Install pavucontrol to choose the input device."));
}

void showStandardPanel(Panel panel)
{
    switch (panel) {
    case Panel::Preferences:
        Preferences::showPrefsPanel();
        break;
    case Panel::About:
        About::showAboutPanel();
        break;
    case Panel::Help:
        HelpPanel::showHelpPanel();
        break;
    }
}

void Controller::preferences(QObject*)
{
    if (services_.showPanel)
        services_.showPanel(Panel::Preferences);
}

void Controller::showAboutPanel(QObject*)
{
    if (services_.showPanel)
        services_.showPanel(Panel::About);
}

void Controller::showHelpPanel(QObject*)
{
    if (services_.showPanel)
        services_.showPanel(Panel::Help);
}

void Controller::pause(QObject*)
{
    if (QWidget* window = mainWindow())
        window->setWindowTitle(kPausedTitle);
    if (tuner_ != nullptr)
        tuner_->setPause(true);
    paused_ = true;
    validateMenuItems();
}

void Controller::resume(QObject*)
{
    if (QWidget* window = mainWindow())
        window->setWindowTitle(kTitle);
    if (tuner_ != nullptr)
        tuner_->setPause(false);
    paused_ = false;
    validateMenuItems();
}

void Controller::validateMenuItems()
{
    if (pauseAction_ != nullptr)
        pauseAction_->setEnabled(!paused_);
    if (resumeAction_ != nullptr)
        resumeAction_->setEnabled(paused_);
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
    if (event->type() == QEvent::Resize) {
        if (watched == mainWindow() && services_.applyResizeRule && !terminated_)
            resizeTimer_->start();
        if (statusLabel_ != nullptr && watched == statusLabel_->parentWidget())
            placeStatusLabel();
    }
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
    // The rules shape the content; the menu bar and the like stay as they are.
    const WindowSize proposed = toWindowSize(content->size());
    const WindowSize wanted = services_.altHeld()
        ? clefmark::windowWillResize(proposed, minimumSize_, true)
        : keepAspectRatio(settledSize_, proposed, minimumSize_);
    settledSize_ = wanted;
    const QSize target = toQSize(wanted) + chrome();
    if (target != window->size())
        window->resize(target);
}

} // namespace clefmark
