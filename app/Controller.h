// The application controller: wires the main window to the tuner, answers the
// menu commands, pauses and resumes, and shapes the window's resizing.
#pragma once

#include "app/ResizeRule.h"
#include "app/WindowFit.h"
#include "desktop/Alerts.h"
#include "tuner/Tuner.h"
#include "views/ReadoutView.h"

#include <QAction>
#include <QLabel>
#include <QList>
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QString>
#include <functional>
#include <optional>

class QTimer;
class QWidget;

namespace clefmark {

class UserDefaults;
class LevelDisplay;
class TuneDisplay;
class NoteDisplay;
class StatusDisplay;

/// The View menu's choices, remembered in the user defaults.
inline constexpr const char* kReadoutShownKey = "ReadoutShownKey"; // true
inline constexpr const char* kColourBlindSafeKey = "ColourBlindSafeKey"; // false
inline constexpr const char* kKeepAboveKey = "KeepAboveOthersKey"; // false
/// The window's size, in thousandths of its least size (1000 unless
/// stored), and the place of its frame's top left corner: remembered when a
/// zoom command is given and when a resize or a move ends, at the latest at
/// termination.
inline constexpr const char* kWindowScaleKey = "WindowScaleKey";
inline constexpr const char* kWindowLeftKey = "WindowLeftKey";
inline constexpr const char* kWindowTopKey = "WindowTopKey";
/// What may be remembered there: from the least size to fifty times it,
/// and a place in the X protocol's 16-bit coordinates.
inline constexpr int kMinWindowScale = 1000;
inline constexpr int kMaxWindowScale = 50000;
inline constexpr int kMinWindowPlace = -32768;
inline constexpr int kMaxWindowPlace = 32767;

/// The panels that open from the menu.
enum class Panel { Preferences, About, Help };

class Preferences;

class Controller final : public QObject {
    Q_OBJECT
public:
    /// What the controller uses from the rest of the program; tests replace
    /// any of it.
    struct Services {
        /// The shared tuner, created on the first call for the controller
        /// that asks. Called once, at start-up, and only when the version
        /// check passes.
        std::function<Tuner&(Controller&)> tuner;
        /// Where the View menu's choices are remembered; with none they
        /// hold for the run only.
        UserDefaults* defaults = nullptr;
        AlertFunction alert = runAlertPanel;
        /// Opens the desktop's sound settings; false when none could be.
        std::function<bool()> openSoundSettings;
        /// Brings a panel forward, loading it first if need be; without
        /// it, the program's own panels, the preferences on this
        /// controller's tuner.
        std::function<void(Panel)> showPanel;
        /// Whether Alt is held at this moment.
        std::function<bool()> altHeld;
        /// qVersion() unless a test says otherwise.
        QString runningQtVersion;
        /// Whether the window manager lets the program choose the window's
        /// size after a resize (X11); elsewhere the compositor's size stands.
        bool applyResizeRule = false;
        /// How long resize events must pause before a resize counts as over.
        int resizeSettleMilliseconds = 200;
        /// Whether the program may place its window, so that its place is
        /// worth remembering (not on Wayland).
        bool windowPlaceable = true;
        /// Whether the window can ask to stay above the others (X11).
        bool keepAboveAvailable = false;
        /// The screens' available areas, the primary first; Qt's screens
        /// unless a test says otherwise.
        std::function<QList<QRect>()> screenAreas;
        /// How long a reason for silence must last before it is shown: the
        /// sound server's first answer takes a moment at every start.
        int captureStatusDelayMilliseconds = 1000;
        /// Plays the sound file at `path` instead of the input; returns why
        /// it cannot, empty when it plays. Without it, no file is played.
        std::function<QString(const QString& path)> playFile;
        /// Goes back from a file to the default input.
        std::function<void()> listenToInput;
        /// Asks the user for a recording to play; empty when cancelled. A
        /// file dialog unless a test says otherwise.
        std::function<QString()> chooseRecording;
    };

    static inline const QString kTitle = QStringLiteral("Clefmark");
    /// The paused title's words as the translator finds them.
    static constexpr const char* kPausedTitleText
        = QT_TRANSLATE_NOOP("Controller", "Clefmark (Paused)");
    static inline const QString kPausedTitle = QString::fromUtf8(kPausedTitleText);

    explicit Controller(Services services, QObject* parent = nullptr);
    /// Detaches the views from the tuner.
    ~Controller() override;

    /// Fills the outlets from `window` by object name ("levelMeter",
    /// "tunerMeter", "clefmark", "statusIndicator", "readout") and connects
    /// its menu actions ("actionSoundSettings", "actionPreferences",
    /// "actionAbout", "actionHelp", "actionPause", "actionResume",
    /// "actionQuit", "actionActualSize", "actionZoomIn", "actionZoomOut",
    /// and the check items "actionReadout", "actionColourBlindSafe" and
    /// "actionKeepAbove") to the controller. What the window lacks stays
    /// unset.
    void connectOutlets(QWidget* window);

    /// Start-up: the version check, the window's proportions, the View
    /// menu's remembered choices, the tuner and its views, capture. False
    /// when the version check failed, after its alert has been dismissed:
    /// the program must then end, and the tuner was never created.
    bool awakeFromNib();
    /// Launch completion: starts taking the Pause and Resume commands, and
    /// tells the readout the tuner's settings.
    void applicationDidFinishLaunching();
    /// Orderly termination, once however often called: a resize or move
    /// still settling is remembered, the views are detached, then the tuner
    /// stops capture and saves its settings.
    void applicationWillTerminate();
    static bool applicationShouldTerminateAfterLastWindowClosed() { return true; }

    /// The resize rule for the main window, with Alt as held now. It shapes
    /// the content area (the central widget), whose minimum size is the unit;
    /// the menu bar around it keeps its size.
    WindowSize windowWillResize(WindowSize proposed) const;

    /// The main window (the tuner meter's window), or null.
    QWidget* mainWindow() const;
    /// What the views lie in: the main window's central widget.
    QWidget* contentArea() const;
    Tuner* tuner() const { return tuner_; }
    bool isPaused() const { return paused_; }
    /// The line telling why nothing is heard; hidden while capture runs.
    QLabel* captureStatusLabel() const { return statusLabel_; }
    ReadoutView* readout() const { return readout_; }
    /// The main window's title: "Clefmark", or "a4.wav — Clefmark" while a
    /// recording plays, with " (Paused)" while paused.
    static QString windowTitle(const QString& recordingName, bool paused);

    /// Plays the sound file at `path` in place of what is heard now, and
    /// names it in the title. Returns why it cannot be played, empty when it
    /// plays; the input is then as it was.
    QString useRecording(const QString& path);
    /// As `useRecording`, with an alert naming the reason when it fails.
    void playRecording(const QString& path);
    /// The alert's message for a file that cannot be played.
    static QString cannotPlayMessage(const QString& path, const QString& reason);

public slots:
    void configure(QObject* sender = nullptr);
    void preferences(QObject* sender = nullptr);
    void showAboutPanel(QObject* sender = nullptr);
    void showHelpPanel(QObject* sender = nullptr);
    /// PauseNotification and ResumeNotification: freeze and thaw the
    /// display; capture goes on.
    void pause(QObject* sender = nullptr);
    void resume(QObject* sender = nullptr);
    /// Tuner > Open Recording…: plays a chosen sound file.
    void openRecording(QObject* sender = nullptr);
    /// Tuner > Listen to Input: back to the default input.
    void listenToInput(QObject* sender = nullptr);

    /// Shows `text` unobtrusively in the window once it has stood for a
    /// moment, or hides it at once when empty. `device`, the input device
    /// being heard, is told on request: the status line's and the status
    /// indicator's tooltip.
    void showCaptureStatus(const QString& text, const QString& device = {});
    /// Tells the readout where capture stands; `device` is the input device
    /// being heard.
    void showCaptureState(CaptureState state, bool serverConnected, const QString& device);

    /// View > Readout: shows or hides the readout strip, and grows or
    /// shrinks the window by the strip's height at its present scale. The
    /// window's least size, proportions and Alt-snapping unit follow.
    void setReadoutShown(bool shown);
    /// View > Colour-Blind-Safe Colours: the needle's and the level meter's
    /// palette.
    void setColourBlindSafe(bool on);
    /// View > Actual Size, Zoom In and Zoom Out: the content to a whole
    /// multiple of its least size that fits the screen; at a limit, nothing.
    void zoom(Zoom command);
    /// View > Keep Above Others, where the platform has it.
    void setKeepAbove(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The parts of connectOutlets.
    void findViews(QWidget* window);
    void connectMenuCommands(QWidget* window);
    void connectViewChoices(QWidget* window);
    void makeStatusLabel();
    void validateMenuItems();
    /// Open Recording, Listen to Input, and files dropped on the window.
    void connectRecordingCommands(QWidget* window);
    void showRecording(const QString& name);
    void restoreViewChoices();
    void showReadout(bool shown);
    /// With the readout shown, dims the needle and empties the level meter
    /// while the readout tells of no live sound.
    void followReadout();
    void remember(const char* key, bool on);
    void tellReadoutTheSettings();
    void showOwnPanel(Panel panel);
    /// Takes the content's minimum size as the unit of the window's shape.
    void fixProportions();
    /// Lets the content below its least size where the screen has no room
    /// for that.
    void allowForRoom();
    void resizeEnded();
    void connectWindowActions(QWidget* window);
    void restoreWindowChoices();
    void rememberWindow(QSize content);
    void showKeepAbove(bool on);
    void updateLetterbox();
    /// The available area of the screen the window is on.
    QRect screenArea() const;
    /// What the content may grow to on that screen.
    QSize contentRoom() const;
    /// Resizes the window to `content` and keeps it on the screen.
    void resizeContent(QSize content);
    void placeStatusLabel();
    void detachViews();
    /// What the window adds around its content area.
    QSize chrome() const;

    Services services_;
    QPointer<QWidget> levelMeter_;
    QPointer<QWidget> tunerMeter_;
    QPointer<QWidget> clefmark_;
    QPointer<QWidget> statusIndicator_;
    QPointer<ReadoutView> readout_;
    Tuner* tuner_ = nullptr;

    QPointer<QAction> pauseAction_;
    QPointer<QAction> resumeAction_;
    QPointer<QAction> readoutAction_;
    QPointer<QAction> colourBlindSafeAction_;
    QPointer<QAction> listenToInputAction_;
    QString recordingName_; // of the file played, without its folder; empty for the input
    QPointer<QAction> keepAboveAction_;
    QPointer<QLabel> statusLabel_;
    QTimer* resizeTimer_ = nullptr;
    QTimer* statusTimer_ = nullptr;
    WindowSize minimumSize_; // of the content area
    WindowSize settledSize_; // likewise
    // What the defaults hold, so that a bad stored value is reported once.
    int rememberedScale_ = 0;
    std::optional<QPoint> rememberedPlace_;
    Preferences* preferences_ = nullptr; // made on first use
    bool paused_ = false;
    bool soundGone_ = false; // as the needle and the level meter show it
    bool launched_ = false;
    bool terminated_ = false;
};

} // namespace clefmark
