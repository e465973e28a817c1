#include "app/Application.h"

#include "app/Accessibility.h"
#include "app/CaptureStatus.h"
#include "app/Controller.h"
#include "app/Options.h"
#include "app/SignalTermination.h"
#include "audio/InputSwitch.h"
#include "audio/PulseAudioHardware.h"
#include "desktop/Alerts.h"
#include "desktop/DisplayProbe.h"
#include "desktop/IniUserDefaults.h"
#include "desktop/QtMainThread.h"
#include "desktop/Readiness.h"
#include "desktop/SoundSettings.h"
#include "tuner/Tuner.h"
#include "tuner/TunerSettings.h"
#include "views/Resources.h"
#include "views/ViewLoader.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPixmap>
#include <QTimer>
#include <QTranslator>
#include <QWidget>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <map>
#include <memory>
#include <optional>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace clefmark {

namespace {

    void printTo(std::FILE* stream, const QString& text)
    {
        std::fputs(text.toLocal8Bit().constData(), stream);
    }

    void printError(const QString& line)
    {
        printTo(stderr, QStringLiteral("clefmark: %1\n").arg(line));
    }

    QString errorText(int error)
    {
        return QString::fromStdString(std::error_code(error, std::generic_category()).message());
    }

    // Writes all of `bytes` to `fd`; 0, else the error that stopped it.
    int writeAll(int fd, const QByteArray& bytes)
    {
        for (qsizetype done = 0; done < bytes.size();) {
            const ssize_t n = ::write(
                fd, bytes.constData() + done, static_cast<std::size_t>(bytes.size() - done));
            if (n < 0 && errno == EINTR)
                continue;
            if (n <= 0)
                return n < 0 ? errno : EIO;
            done += n;
        }
        return 0;
    }

    // Saves `picture` as a PNG at `path`; empty when saved, else why not. A
    // file is replaced whole or not at all, by a complete new one renamed
    // over it: a full disk leaves no part of a picture, and an earlier one
    // stays. What is not a regular file (a device, a pipe) is written to as
    // it is, without waiting for a reader.
    QString savePicture(const QPixmap& picture, const QString& path)
    {
        QByteArray png;
        QBuffer buffer(&png);
        if (!buffer.open(QIODevice::WriteOnly) || !picture.save(&buffer, "PNG"))
            return QStringLiteral("the picture could not be made");
        QByteArray target = QFile::encodeName(path);
        struct stat status { };
        const bool exists = ::stat(target.constData(), &status) == 0;
        if (exists && !S_ISREG(status.st_mode)) {
            const int fd = ::open(target.constData(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
            if (fd < 0)
                return errorText(errno);
            int error = ::fcntl(fd, F_SETFL, 0) == 0 ? writeAll(fd, png) : errno;
            if (::close(fd) != 0 && error == 0)
                error = errno;
            return error != 0 ? errorText(error) : QString();
        }
        // A link stays a link: what it points at is replaced.
        if (exists) {
            if (char* resolved = ::realpath(target.constData(), nullptr)) {
                target = resolved;
                std::free(resolved);
            }
        }
        const qsizetype slash = target.lastIndexOf('/');
        const QByteArray folder = slash < 0 ? QByteArray() : target.left(slash + 1);
        const QByteArray temporary
            = folder + '.' + target.mid(slash + 1) + '.' + QByteArray::number(::getpid());
        const int fd = ::open(
            temporary.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
        if (fd < 0)
            return errorText(errno);
        int error = exists && ::fchmod(fd, status.st_mode & 07777) != 0 ? errno : 0;
        if (error == 0)
            error = writeAll(fd, png);
        if (error == 0 && ::fdatasync(fd) != 0)
            error = errno;
        if (::close(fd) != 0 && error == 0)
            error = errno;
        if (error == 0 && ::rename(temporary.constData(), target.constData()) != 0)
            error = errno;
        if (error != 0) {
            ::unlink(temporary.constData());
            return errorText(error);
        }
        return {};
    }

    QString noDisplayMessage(const DisplayCandidate& display)
    {
        const QString where = display.display.empty()
            ? QStringLiteral("no display to open the window on (%1 is not set)")
                  .arg(display.kind == DisplayCandidate::Kind::Wayland
                          ? QStringLiteral("WAYLAND_DISPLAY")
                          : QStringLiteral("DISPLAY"))
            : QStringLiteral("cannot open the display %1")
                  .arg(QString::fromStdString(display.display));
        return where + QStringLiteral("; use clefmark-cli listen in a terminal");
    }

    // Answered before any window system is contacted; none when the
    // arguments ask for neither.
    std::optional<int> answerHelpOrVersion(int argc, char** argv)
    {
        QStringList rawArguments;
        for (int i = 1; i < argc; ++i)
            rawArguments << QString::fromLocal8Bit(argv[i]);
        if (!asksForHelpOrVersion(rawArguments))
            return std::nullopt;
        printTo(stdout, asksForHelp(rawArguments) ? helpText() : versionText());
        return 0;
    }

    // The window in the user's language where it has been translated, and Qt's
    // own words (its dialogs' buttons) with it; English otherwise.
    void installTranslations(QApplication& app)
    {
        const QLocale locale;
        auto* qt = new QTranslator(&app);
        if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        for (const QString& folder : resourceFolders()) {
            const QString translations = folder + QStringLiteral("/translations");
            // English's plural forms ("1 semitone") beneath every language,
            // for the texts a language has not translated, and for English.
            auto* english = new QTranslator(&app);
            if (!english->load(QStringLiteral("clefmark_en"), translations)) {
                delete english;
                continue;
            }
            QCoreApplication::installTranslator(english);
            auto* ours = new QTranslator(&app);
            if (ours->load(locale, QStringLiteral("clefmark"), QStringLiteral("_"), translations))
                QCoreApplication::installTranslator(ours);
            break;
        }
    }

    void describeApplication()
    {
        QApplication::setApplicationName(QStringLiteral("Clefmark"));
        QApplication::setOrganizationName(QStringLiteral("Clefmark"));
        QApplication::setApplicationVersion(QStringLiteral(CLEFMARK_VERSION));
        QApplication::setDesktopFileName(QStringLiteral("org.clefmark.Clefmark"));
        QApplication::setQuitOnLastWindowClosed(
            Controller::applicationShouldTerminateAfterLastWindowClosed());
    }

    // The shared tuner keeps these for the rest of the process, so they are
    // never destroyed; the main thread is closed before the application goes.
    QtMainThread& sharedMainThread()
    {
        static QtMainThread* mainThread = new QtMainThread;
        return *mainThread;
    }

    IniUserDefaults& sharedDefaults()
    {
        static IniUserDefaults* defaults = [] {
            auto* made = new IniUserDefaults;
            for (const RangedSetting* setting : kRangedSettings)
                made->limitInteger(*setting);
            made->limitInteger(kWindowScaleKey, kMinWindowScale, kMaxWindowScale);
            made->limitInteger(kWindowLeftKey, kMinWindowPlace, kMaxWindowPlace);
            made->limitInteger(kWindowTopKey, kMinWindowPlace, kMaxWindowPlace);
            return made;
        }();
        return *defaults;
    }

    // What the window's tuner hears: the sound server's default input, or a
    // file chosen meanwhile; and what tells the window about capture.
    struct Capture {
        const AppOptions& options;
        std::unique_ptr<InputSwitch> hardware;
        std::unique_ptr<CaptureReporter> reporter;
        QString cannotPlay; // the alert for a file given that cannot be played

        Tuner& makeTuner(Controller& controller)
        {
            auto server = std::make_unique<PulseAudioHardware>(
                QApplication::applicationName().toStdString());
            PulseAudioHardware* pulse = server.get();
            hardware = std::make_unique<InputSwitch>(std::move(server));
            // A file given is heard from the start. One that cannot be played
            // is said at once, and in the window once it is up; meanwhile the
            // tuner listens to the default input.
            if (!options.input.isEmpty()) {
                if (const QString reason = controller.useRecording(options.input);
                    !reason.isEmpty()) {
                    printError(
                        QStringLiteral("cannot play '%1': %2; listening to the default input")
                            .arg(options.input, reason));
                    cannotPlay = Controller::cannotPlayMessage(options.input, reason);
                }
            }
            Tuner& tuner
                = Tuner::sharedInstance(sharedDefaults(), sharedMainThread(), hardware.get());
            reporter = std::make_unique<CaptureReporter>(sharedMainThread(), controller, tuner,
                [pulse] { return pulse->serverConnected(); });
            tuner.setCaptureObserver(reporter.get());
            return tuner;
        }
    };

    Controller::Services windowServices(Capture& capture)
    {
        Controller::Services services;
        services.tuner = [&capture](Controller& controller) -> Tuner& {
            return capture.makeTuner(controller);
        };
        services.openSoundSettings = [] { return !openSoundSettings().isEmpty(); };
        services.playFile = [&capture](const QString& path) {
            if (capture.hardware == nullptr)
                return QStringLiteral("no audio hardware");
            return QString::fromStdString(
                capture.hardware->playFile(QFile::encodeName(path).toStdString()));
        };
        services.listenToInput = [&capture] {
            if (capture.hardware != nullptr)
                capture.hardware->listenToInput();
        };
        services.defaults = &sharedDefaults();
        services.applyResizeRule = QGuiApplication::platformName() == u"xcb";
        services.keepAboveAvailable = services.applyResizeRule;
        // Wayland lets no program place its own window.
        services.windowPlaceable = !QGuiApplication::platformName().startsWith(u"wayland");
        return services;
    }

    void applySettingsGiven(Tuner& tuner, const AppOptions& options)
    {
        if (options.referencePitch)
            tuner.setReferencePitch(*options.referencePitch);
        if (options.octaveRejection)
            tuner.setOctaveRejection(*options.octaveRejection);
        if (options.closeEnough)
            tuner.setCloseEnough(*options.closeEnough);
        if (options.transposition)
            tuner.setTransposition(*options.transposition);
        if (options.flatNames)
            tuner.setFlatNames(*options.flatNames);
        if (options.noteNaming)
            tuner.setNoteNaming(*options.noteNaming);
        if (options.freshNotes)
            tuner.setFreshNotes(*options.freshNotes);
        if (options.secondOpinion)
            tuner.setSecondOpinion(*options.secondOpinion);
    }

    void finishLaunchingSoon(Controller& controller, const QString& cannotPlay)
    {
        QTimer::singleShot(0, &controller, [&controller, &cannotPlay] {
            controller.applicationDidFinishLaunching();
            // The event loop runs, so a termination signal is now handled.
            Readiness::ofProcess().announce();
            if (!cannotPlay.isEmpty())
                runAlertPanel(cannotPlay);
        });
    }

    void quitAfter(
        double seconds, const AppOptions& options, QWidget* window, Controller& controller)
    {
        const int milliseconds = static_cast<int>(seconds * 1000.0);
        QTimer::singleShot(milliseconds, &controller, [&options, window] {
            int status = 0;
            if (!options.snapshot.isEmpty()) {
                if (const QString why = savePicture(window->grab(), options.snapshot);
                    !why.isEmpty()) {
                    printError(QStringLiteral("cannot save the window's picture to '%1' (%2)")
                                   .arg(options.snapshot, why));
                    status = 1;
                }
            }
            QCoreApplication::exit(status);
        });
    }

} // namespace

SignalTermination* connectOrderlyTermination(QGuiApplication& app, Controller& controller)
{
    // Every way out ends the event loop, after which Qt sends aboutToQuit.
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &controller,
        [&controller] { controller.applicationWillTerminate(); });
    // The session manager asks this when the session ends: a tuner has no
    // document to offer to save, so it quits in order rather than be killed.
    QObject::connect(
        &app, &QGuiApplication::commitDataRequest, &controller, [] { QCoreApplication::exit(0); });
    return new SignalTermination([](int) { QCoreApplication::exit(0); }, &app);
}

int runApplication(int argc, char** argv)
{
    if (const std::optional<int> status = answerHelpOrVersion(argc, argv))
        return *status;
    DisplayProbe probe;
    if (const std::optional<DisplayCandidate>& unanswered = probe.unanswered()) {
        printError(noDisplayMessage(*unanswered));
        return 1;
    }

    QApplication app(argc, argv);
    probe.release(); // Qt holds a connection of its own now
    installAccessibility();
    installTranslations(app);
    describeApplication();

    const ParsedOptions parsed = parseOptions(QApplication::arguments().mid(1));
    if (!parsed.error.isEmpty()) {
        printError(parsed.error);
        return 2;
    }
    const AppOptions& options = parsed.options;
    QtMainThread& mainThread = sharedMainThread();
    sharedDefaults(); // read now, so that what it says comes before the window

    LoadedInterface loaded = ViewLoader().loadInterface(QStringLiteral("MainMenu"));
    if (!loaded) {
        logFailure(QStringLiteral("Failed to load MainMenu.ui: %1").arg(loaded.error));
        return 1;
    }
    std::unique_ptr<QWidget> window = std::move(loaded.widget);

    Capture capture { options, nullptr, nullptr, {} };
    Controller controller(windowServices(capture));
    controller.connectOutlets(window.get());
    connectOrderlyTermination(app, controller);

    if (!controller.awakeFromNib())
        return 1;

    Tuner& tuner = *controller.tuner();
    applySettingsGiven(tuner, options);
    window->show();
    finishLaunchingSoon(controller, capture.cannotPlay);
    if (options.quitAfter)
        quitAfter(*options.quitAfter, options, window.get(), controller);

    const int status = QApplication::exec();
    controller.applicationWillTerminate();
    mainThread.close();
    tuner.setCaptureObserver(nullptr);
    capture.reporter.reset();
    window.reset();
    // Joins the back-end's threads; the terminated tuner has let go of it.
    capture.hardware.reset();
    return status;
}

} // namespace clefmark
