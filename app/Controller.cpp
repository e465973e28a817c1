#include "app/Controller.h"

#include "app/VersionCheck.h"
#include "panels/About.h"
#include "panels/HelpPanel.h"
#include "panels/Preferences.h"
#include "tuner/Tuner.h"
#include "views/Clefmark.h"
#include "views/ReadoutWords.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeySequence>
#include <QTimer>
#include <QWidget>

namespace clefmark {

Controller::Controller(Services services, QObject* parent)
    : QObject(parent)
    , services_(std::move(services))
{
    if (services_.runningQtVersion.isEmpty())
        services_.runningQtVersion = QString::fromLatin1(qVersion());
    if (!services_.altHeld)
        services_.altHeld
            = [] { return QGuiApplication::queryKeyboardModifiers().testFlag(Qt::AltModifier); };
    if (!services_.showPanel)
        services_.showPanel = [this](Panel panel) { showOwnPanel(panel); };
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
    detachViews();
}

void Controller::connectOutlets(QWidget* window)
{
    findViews(window);
    connectMenuCommands(window);
    connectRecordingCommands(window);
    connectViewChoices(window);
    connectWindowActions(window);
    makeStatusLabel();
}

void Controller::findViews(QWidget* window)
{
    levelMeter_ = window->findChild<QWidget*>(QStringLiteral("levelMeter"));
    tunerMeter_ = window->findChild<QWidget*>(QStringLiteral("tunerMeter"));
    clefmark_ = window->findChild<QWidget*>(QStringLiteral("clefmark"));
    statusIndicator_ = window->findChild<QWidget*>(QStringLiteral("statusIndicator"));
    readout_ = window->findChild<ReadoutView*>(QStringLiteral("readout"));

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
    detachOnDestruction(readout_, [](Tuner& t) { t.setReadingDisplay(nullptr); });
    if (readout_ != nullptr)
        connect(readout_, &ReadoutView::textChanged, this, &Controller::followReadout);
}

void Controller::connectMenuCommands(QWidget* window)
{
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

    // Connected at launch completion.
    pauseAction_ = action("actionPause");
    resumeAction_ = action("actionResume");
    // Space toggles: only one of the two is enabled at a time, so the
    // shortcut is never ambiguous.
    for (QAction* a : { pauseAction_.data(), resumeAction_.data() })
        if (a != nullptr && a->shortcut().isEmpty())
            a->setShortcut(QKeySequence(Qt::Key_Space));
    if (QAction* quit = action("actionQuit"); quit != nullptr && quit->shortcut().isEmpty())
        quit->setShortcut(QKeySequence::Quit);
    validateMenuItems();
}

void Controller::connectViewChoices(QWidget* window)
{
    // Only the user's choices are remembered: `triggered`, not `toggled`.
    readoutAction_ = window->findChild<QAction*>(QStringLiteral("actionReadout"));
    colourBlindSafeAction_ = window->findChild<QAction*>(QStringLiteral("actionColourBlindSafe"));
    for (QAction* a : { readoutAction_.data(), colourBlindSafeAction_.data() })
        if (a != nullptr)
            a->setCheckable(true);
    if (readoutAction_ != nullptr)
        connect(readoutAction_, &QAction::triggered, this, &Controller::setReadoutShown);
    if (colourBlindSafeAction_ != nullptr)
        connect(colourBlindSafeAction_, &QAction::triggered, this, &Controller::setColourBlindSafe);
}

void Controller::makeStatusLabel()
{
    QWidget* w = mainWindow();
    if (w == nullptr)
        return;
    w->installEventFilter(this);
    // Over the picture, whether or not the readout is under it.
    QWidget* area = tunerMeter_->parentWidget();
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

    fixProportions();
    restoreViewChoices();
    restoreWindowChoices();

    tuner_ = &services_.tuner(*this);
    tuner_->setLevelMeter(dynamic_cast<LevelDisplay*>(levelMeter_.data()));
    tuner_->setTunerMeter(dynamic_cast<TuneDisplay*>(tunerMeter_.data()));
    tuner_->setClefmark(dynamic_cast<NoteDisplay*>(clefmark_.data()));
    tuner_->setStatusIndicator(dynamic_cast<StatusDisplay*>(statusIndicator_.data()));
    if (readout_ != nullptr && !readout_->isHidden())
        tuner_->setReadingDisplay(readout_);
    tellReadoutTheSettings();
    tuner_->start();
    if (readout_ != nullptr)
        readout_->setCaptureState(tuner_->captureState(), true, tuner_->inputDeviceName());
    return true;
}

void Controller::applicationDidFinishLaunching()
{
    if (launched_)
        return;
    launched_ = true;
    if (pauseAction_ != nullptr)
        connect(pauseAction_, &QAction::triggered, this, [this] { pause(sender()); });
    if (resumeAction_ != nullptr)
        connect(resumeAction_, &QAction::triggered, this, [this] { resume(sender()); });
    // Settings given on the command line were set after start-up.
    tellReadoutTheSettings();
}

void Controller::tellReadoutTheSettings()
{
    if (readout_ == nullptr || tuner_ == nullptr)
        return;
    readout_->setTransposition(tuner_->transposition());
    readout_->setSpelling(tuner_->flatNames() ? NoteSpelling::Flats : NoteSpelling::Sharps);
    const NoteNaming naming = tuner_->noteNaming().value_or(localNaming());
    readout_->setNaming(naming);
    if (auto* staff = qobject_cast<Clefmark*>(clefmark_.data()))
        staff->setNoteNaming(naming);
}

void Controller::showCaptureState(CaptureState state, bool serverConnected, const QString& device)
{
    if (readout_ != nullptr)
        readout_->setCaptureState(state, serverConnected, device.toStdString());
}

void Controller::applicationWillTerminate()
{
    if (terminated_)
        return;
    terminated_ = true;
    // A resize or move still settling is the user's last word on the
    // window: it is remembered now, while the window is still shown.
    if (resizeTimer_->isActive()) {
        resizeTimer_->stop();
        resizeEnded();
    }
    // Saving the settings may wait on a busy disk, and the back-ends' threads
    // are joined after this: the window goes first, so that a quit looks
    // immediate whatever the rest takes.
    if (QWidget* window = mainWindow())
        window->hide();
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
    tuner_->setReadingDisplay(nullptr);
}

void Controller::configure(QObject*)
{
    if (!services_.openSoundSettings || !services_.openSoundSettings())
        services_.alert(tr("No sound settings program was found. "
                           "Install pavucontrol to choose the input device."));
}

void Controller::showOwnPanel(Panel panel)
{
    switch (panel) {
    case Panel::Preferences:
        // On the tuner this controller serves; its changes reach the readout.
        if (preferences_ == nullptr && tuner_ != nullptr)
            preferences_ = new Preferences(
                Preferences::Settings::of(*tuner_, [this] { tellReadoutTheSettings(); }),
                services_.alert, this);
        if (preferences_ != nullptr)
            preferences_->showPanel();
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
        window->setWindowTitle(windowTitle(recordingName_, true));
    if (tuner_ != nullptr)
        tuner_->setPause(true);
    if (readout_ != nullptr)
        readout_->setPaused(true);
    paused_ = true;
    validateMenuItems();
}

void Controller::resume(QObject*)
{
    if (QWidget* window = mainWindow())
        window->setWindowTitle(windowTitle(recordingName_, false));
    if (tuner_ != nullptr)
        tuner_->setPause(false);
    if (readout_ != nullptr)
        readout_->setPaused(false);
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

} // namespace clefmark
