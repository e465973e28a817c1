// The desktop program as a user runs it: in a real X server, listening to a
// recording, with its window's picture examined the way a person would look
// at it: where the note sits between the staff lines, and the needle's
// colour and place.
#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Signals.h"
#include "tests/support/Weston.h"
#include "tests/support/Xvfb.h"

#include <QColor>
#include <QFile>
#include <QImage>
#include <QRect>
#include <QXmlStreamReader>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <poll.h>
#include <set>
#include <signal.h>
#include <sstream>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace clefmark {
namespace {

    using namespace std::chrono_literals;

    using test::ChildOptions;
    using test::ChildOutput;
    using test::ChildProcess;
    using test::Xvfb;

    /// Options for a child with the environment changed by `environment` and
    /// both its output streams in `outputPath`.
    ChildOptions loggedTo(const std::string& outputPath, std::vector<std::string> environment)
    {
        return { .environment = std::move(environment),
            .out = ChildOutput::file(outputPath),
            .err = ChildOutput::withStandardOutput() };
    }

    /// A view's designed frame, from the interface description.
    std::optional<QRect> designedFrame(const QString& uiPath, const QString& objectName)
    {
        QFile file(uiPath);
        if (!file.open(QIODevice::ReadOnly))
            return std::nullopt;
        QXmlStreamReader xml(&file);
        bool inWidget = false;
        bool inGeometry = false;
        std::map<QString, int> values;
        while (!xml.atEnd()) {
            xml.readNext();
            if (!xml.isStartElement())
                continue;
            if (xml.name() == u"widget")
                inWidget = xml.attributes().value(QStringLiteral("name")) == objectName;
            else if (inWidget && xml.name() == u"property")
                inGeometry = xml.attributes().value(QStringLiteral("name")) == u"geometry";
            else if (inWidget && inGeometry
                && (xml.name() == u"x" || xml.name() == u"y" || xml.name() == u"width"
                    || xml.name() == u"height")) {
                const QString key = xml.name().toString();
                values[key] = xml.readElementText().toInt();
                if (values.size() == 4)
                    return QRect(values["x"], values["y"], values["width"], values["height"]);
            }
        }
        return std::nullopt;
    }

    bool near(QRgb pixel, QColor colour, int tolerance = 12)
    {
        return std::abs(qRed(pixel) - colour.red()) <= tolerance
            && std::abs(qGreen(pixel) - colour.green()) <= tolerance
            && std::abs(qBlue(pixel) - colour.blue()) <= tolerance;
    }

    bool dark(QRgb pixel)
    {
        return qRed(pixel) < 90 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
    }

    struct Blob {
        int count = 0;
        double x = 0; // centroid
        double y = 0;
        QRect bounds;
    };

    template <typename Predicate> Blob blob(const QImage& image, Predicate inside)
    {
        Blob b;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (inside(x, y)) {
                    ++b.count;
                    b.x += x;
                    b.y += y;
                    b.bounds |= QRect(x, y, 1, 1);
                }
        if (b.count > 0) {
            b.x /= b.count;
            b.y /= b.count;
        }
        return b;
    }

    /// The rows of the staff lines: rows where dark pixels run across most of
    /// `area`, thick lines counted once (their middle row).
    std::vector<double> staffLines(const QImage& image, const QRect& area)
    {
        std::vector<double> lines;
        int firstRow = -1;
        for (int y = area.top(); y <= area.bottom() + 1; ++y) {
            int longest = 0;
            int run = 0;
            if (y <= area.bottom())
                for (int x = area.left(); x <= area.right(); ++x) {
                    run = dark(image.pixel(x, y)) ? run + 1 : 0;
                    longest = std::max(longest, run);
                }
            const bool isLine = longest >= area.width() / 2;
            if (isLine && firstRow < 0)
                firstRow = y;
            if (!isLine && firstRow >= 0) {
                lines.push_back((firstRow + y - 1) / 2.0);
                firstRow = -1;
            }
        }
        return lines;
    }

    // Colours of the needle, as the tuner meter paints it.
    const QColor kInTuneGreen(0, 150, 0);
    const QColor kOffRed(238, 0, 0);

    class EndToEnd : public testing::Test {
    protected:
        void SetUp() override
        {
            if (!test::onPath("Xvfb"))
                GTEST_SKIP() << "no Xvfb on PATH (Debian package xvfb)";
            xvfb_.emplace(dir);
            ASSERT_FALSE(xvfb_->display().empty()) << test::readBytes(dir.file("xvfb.log"));
            writeTones();
        }

        void writeTones()
        {
            test::write16BitFile(
                dir.file("a4.wav"), test::sine16(440.0, 44100, 0.5, 44100), 1, 44100);
            test::write16BitFile(
                dir.file("445.wav"), test::sine16(445.0, 44100, 0.5, 44100), 1, 44100);
            test::write16BitFile(
                dir.file("silence.wav"), std::vector<float>(44100, 0.0f), 1, 44100);
        }

        virtual std::vector<std::string> environment() const
        {
            return { "DISPLAY=" + xvfb_->display(), "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY",
                "XDG_CONFIG_HOME=" + dir.file("config"), "XDG_RUNTIME_DIR",
                "HOME=" + dir.path().string() };
        }

        /// Runs the program until it quits by itself; returns its exit status.
        std::optional<int> run(const std::vector<std::string>& arguments, const std::string& log)
        {
            std::vector<std::string> argv { CLEFMARK_EXECUTABLE };
            argv.insert(argv.end(), arguments.begin(), arguments.end());
            ChildProcess child(argv, loggedTo(dir.file(log), environment()));
            return child.wait(60s);
        }

        /// The window's picture while `recording` plays.
        QImage snapshot(const std::string& recording)
        {
            const std::string png = dir.file(recording + ".png");
            const std::optional<int> status
                = run({ "--input", dir.file(recording), "--snapshot", png, "--quit-after", "2.5" },
                    recording + ".log");
            EXPECT_EQ(status, 0) << test::readBytes(dir.file(recording + ".log"));
            QImage image(QString::fromStdString(png));
            EXPECT_FALSE(image.isNull()) << png;
            // CLEFMARK_KEEP_SNAPSHOTS=DIR keeps them as DIR/window-<recording>.png.
            if (const char* keep = std::getenv("CLEFMARK_KEEP_SNAPSHOTS");
                keep != nullptr && !image.isNull()) {
                const std::string stem = recording.substr(0, recording.rfind('.'));
                image.save(QString::fromLocal8Bit(keep) + QStringLiteral("/window-")
                    + QString::fromStdString(stem) + QStringLiteral(".png"));
            }
            return image.convertToFormat(QImage::Format_RGB32);
        }

        /// The tuner meter's horizontal extent in the picture.
        std::pair<double, double> meterSpan(const QImage& image) const
        {
            const QString ui = QStringLiteral(CLEFMARK_RESOURCES_DIR "/MainMenu.ui");
            const std::optional<QRect> meter = designedFrame(ui, QStringLiteral("tunerMeter"));
            const std::optional<QRect> window = designedFrame(ui, QStringLiteral("mainWindow"));
            EXPECT_TRUE(meter && window)
                << "no tunerMeter or mainWindow geometry in " << ui.toStdString();
            if (!meter || !window)
                return { 0, 0 };
            const double scale = double(image.width()) / window->width();
            return { meter->left() * scale, (meter->left() + meter->width()) * scale };
        }

        /// The needle: green, at the meter's centre, and no red needle at all.
        void expectInTuneNeedle(const QImage& image) const
        {
            const auto [left, right] = meterSpan(image);
            const Blob green
                = blob(image, [&](int x, int y) { return near(image.pixel(x, y), kInTuneGreen); });
            const Blob red = blob(image, [&](int x, int y) {
                return x >= left && x < right && near(image.pixel(x, y), kOffRed);
            });
            ASSERT_GT(green.count, 10) << "no green needle";
            EXPECT_EQ(red.count, 0);
            const double centre = (left + right) / 2.0;
            EXPECT_NEAR(green.x, centre, (right - left) / 65.0 + 1.0);
        }

        test::TempDir dir;
        std::optional<Xvfb> xvfb_;
    };

    // The same program on a Wayland compositor of the test's own.
    class OnWayland : public EndToEnd {
    protected:
        void SetUp() override
        {
            if (!test::onPath("weston"))
                GTEST_SKIP() << "no weston on PATH (Debian package weston)";
            weston_.emplace(dir);
            ASSERT_FALSE(weston_->display().empty()) << test::readBytes(dir.file("weston.log"));
            writeTones();
        }

        std::vector<std::string> environment() const override
        {
            // The client's side of the protocol in its log: what it asks the
            // compositor, such as its application id, is read from there.
            return { "WAYLAND_DISPLAY=" + weston_->display(), "QT_QPA_PLATFORM=wayland",
                "XDG_RUNTIME_DIR=" + weston_->runtimeDirectory(), "WAYLAND_DEBUG=client", "DISPLAY",
                "XDG_CONFIG_HOME=" + dir.file("config"), "HOME=" + dir.path().string() };
        }

        std::optional<test::Weston> weston_;
    };

    TEST_F(OnWayland, OpensAsClefmarkReadsAToneZoomsAndQuitsCleanly)
    {
        const QImage actual = snapshot("a4.wav");
        ASSERT_FALSE(actual.isNull());
        expectInTuneNeedle(actual);
        EXPECT_NE(
            test::readBytes(dir.file("a4.wav.log")).find("set_app_id(\"org.clefmark.Clefmark\")"),
            std::string::npos)
            << "no application id asked for";

        // Zoomed to twice the size, as the window remembers it.
        std::filesystem::create_directories(dir.file("config/Clefmark"));
        std::ofstream(dir.file("config/Clefmark/Clefmark.ini"))
            << "[General]\nWindowScaleKey=2000\n";
        const QImage zoomed = snapshot("a4.wav");
        ASSERT_FALSE(zoomed.isNull());
        // Everything but the menu bar doubles.
        EXPECT_NEAR(zoomed.width(), 2 * actual.width(), 2);
        EXPECT_GT(zoomed.height(), 1.9 * actual.height());
        expectInTuneNeedle(zoomed);
    }

    TEST_F(EndToEnd, A4ShowsTheWholeNoteInTheSecondSpaceOfTheTrebleStaffAndAGreenNeedleAtTheCentre)
    {
        const QImage silent = snapshot("silence.wav");
        const QImage a4 = snapshot("a4.wav");
        ASSERT_FALSE(silent.isNull() || a4.isNull());
        ASSERT_EQ(silent.size(), a4.size());

        // The ten staff lines, found in the quiet window: treble above bass.
        const std::vector<double> lines = staffLines(silent, silent.rect());
        ASSERT_GE(lines.size(), 10u) << "staff lines found: " << lines.size();
        const double gap = lines[1] - lines[0];
        for (std::size_t i = 1; i < 5; ++i)
            EXPECT_NEAR(lines[i] - lines[i - 1], gap, 1.5) << "treble line " << i;

        // The note: dark where the quiet window was not, between the staves'
        // outer ledger lines.
        const QRect staves(
            0, int(lines[0] - 3 * gap), silent.width(), int(lines[9] - lines[0] + 6 * gap));
        const Blob note = blob(a4, [&](int x, int y) {
            return staves.contains(x, y) && dark(a4.pixel(x, y)) && !dark(silent.pixel(x, y));
        });
        ASSERT_GT(note.count, 20) << "no note drawn";
        // A4 lies in the space between G4 (the treble staff's second line from
        // the bottom) and B4 (its third).
        const double a4Space = (lines[2] + lines[3]) / 2.0;
        EXPECT_NEAR(note.y, a4Space, gap / 3.0) << "lines at " << lines[2] << " and " << lines[3];
        EXPECT_LE(note.bounds.height(), 2 * gap) << "one whole note, no more";

        expectInTuneNeedle(a4);
    }

    TEST_F(EndToEnd, FourHundredFortyFiveHertzShowsARedNeedleRightOfCentre)
    {
        const QImage image = snapshot("445.wav");
        ASSERT_FALSE(image.isNull());
        const auto [left, right] = meterSpan(image);
        const Blob red = blob(image, [&](int x, int y) {
            return x >= left && x < right && near(image.pixel(x, y), kOffRed);
        });
        const Blob green
            = blob(image, [&](int x, int y) { return near(image.pixel(x, y), kInTuneGreen); });
        ASSERT_GT(red.count, 10) << "no red needle";
        EXPECT_EQ(green.count, 0);
        // About 20 cents sharp: 10 steps of 1/51 semitone right of the centre.
        const double step = (right - left) / 65.0;
        const double centre = (left + right) / 2.0;
        EXPECT_GT(red.x, centre + 5 * step);
        EXPECT_LT(red.x, centre + 15 * step);
    }

    // Each change is in the settings file once it is made, so no way of
    // ending the run loses it: neither a kill nor the X server going away.
    TEST_F(EndToEnd, SettingsChangedDuringARunAreSavedHoweverItEnds)
    {
        enum class End { Sigterm, Sigkill, XServerGone };
        const std::pair<End, std::optional<int>> cases[]
            = { { End::Sigterm, 0 }, { End::Sigkill, std::nullopt }, { End::XServerGone, 1 } };
        const std::string ini = dir.file("config/Clefmark/Clefmark.ini");
        for (const auto& [end, status] : cases) {
            std::filesystem::remove_all(dir.file("config"));
            ChildOptions options = loggedTo(dir.file("run.log"), environment());
            options.readiness = true;
            ChildProcess child({ CLEFMARK_EXECUTABLE, "--input", dir.file("a4.wav"), "--reference",
                                   "445", "--close-enough", "--octave-rejection" },
                options);
            ASSERT_TRUE(child.started()) << child.startError();
            ASSERT_TRUE(child.waitUntilReady(30s)) << test::readBytes(dir.file("run.log"));
            if (end == End::XServerGone)
                xvfb_.reset();
            else
                child.signal(end == End::Sigterm ? SIGTERM : SIGKILL);
            EXPECT_EQ(child.wait(20s), status) << test::readBytes(dir.file("run.log"));
            const std::string text = test::readBytes(ini);
            EXPECT_NE(text.find("ReferencePitchKey=445"), std::string::npos) << text;
            EXPECT_NE(text.find("CloseEnoughKey=true"), std::string::npos) << text;
            EXPECT_NE(text.find("OctaveRejectionKey=true"), std::string::npos) << text;
        }

        // The next run starts with them, and a plain run keeps them.
        xvfb_.emplace(dir);
        ASSERT_FALSE(xvfb_->display().empty()) << test::readBytes(dir.file("xvfb.log"));
        EXPECT_EQ(run({ "--input", dir.file("a4.wav"), "--quit-after", "0.5" }, "again.log"), 0);
        const std::string after = test::readBytes(ini);
        EXPECT_NE(after.find("ReferencePitchKey=445"), std::string::npos) << after;
    }

    /// How often the X server whose log is `log` was left without clients,
    /// and how many it has now, from the comings and goings it logs.
    std::pair<int, int> timesLeftAlone(const std::string& log)
    {
        std::istringstream lines(log);
        std::set<int> connected;
        int alone = 0;
        for (std::string line; std::getline(lines, line);) {
            int client = 0;
            const std::size_t at = line.find(": client ");
            if (at == std::string::npos
                || std::sscanf(line.c_str() + at, ": client %d", &client) != 1)
                continue;
            if (line.find(" connected from ") != std::string::npos)
                connected.insert(client);
            else if (line.ends_with(" disconnected") && connected.erase(client) == 1
                && connected.empty())
                ++alone;
        }
        return { alone, static_cast<int>(connected.size()) };
    }

    // Xorg and Xvfb start afresh whenever their last client leaves, and
    // close any connection that came meanwhile: the program's check that
    // the display answers must not be that last client just before the
    // toolkit connects, which aborts the start when the toolkit is quick
    // enough. So the server is left alone once per run, when it quits.
    TEST_F(EndToEnd, EveryStartComesUpOnAnXServerThatResetsWhenItsLastClientLeaves)
    {
        xvfb_.emplace(dir, Xvfb::Reset::WhenLastClientLeaves);
        ASSERT_FALSE(xvfb_->display().empty()) << test::readBytes(dir.file("xvfb.log"));
        constexpr int kStarts = 3;
        for (int i = 1; i <= kStarts; ++i) {
            ChildOptions options = loggedTo(dir.file("run.log"), environment());
            options.readiness = true;
            ChildProcess child({ CLEFMARK_EXECUTABLE, "--input", dir.file("a4.wav") }, options);
            ASSERT_TRUE(child.started()) << child.startError();
            EXPECT_TRUE(child.waitUntilReady(30s)) << test::readBytes(dir.file("run.log"));
            child.signal(SIGTERM);
            EXPECT_EQ(child.wait(20s), 0) << test::readBytes(dir.file("run.log"));
            // Gone from the server too, before the next start.
            std::pair<int, int> seen;
            ASSERT_TRUE(test::eventually([&] {
                seen = timesLeftAlone(test::readBytes(dir.file("xvfb.log")));
                return seen.second == 0 && seen.first >= i;
            })) << test::readBytes(dir.file("xvfb.log"));
            EXPECT_EQ(seen.first, i) << test::readBytes(dir.file("xvfb.log"));
        }
    }

    /// The lines of `text` that begin with `prefix`: the program's own,
    /// among what the libraries it uses print.
    std::vector<std::string> linesFrom(const std::string& text, const std::string& prefix)
    {
        std::vector<std::string> lines;
        std::istringstream in(text);
        for (std::string line; std::getline(in, line);)
            if (line.starts_with(prefix))
                lines.push_back(line);
        return lines;
    }

    // What needs no display at all.
    class CommandLine : public testing::Test {
    protected:
        std::optional<int> run(const std::vector<std::string>& arguments)
        {
            std::vector<std::string> argv { CLEFMARK_EXECUTABLE };
            argv.insert(argv.end(), arguments.begin(), arguments.end());
            ChildProcess child(argv,
                loggedTo(dir.file("out"), { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM" }));
            return child.wait(30s);
        }
        std::string output() const { return test::readBytes(dir.file("out")); }
        test::TempDir dir;
    };

    TEST_F(CommandLine, HelpAndVersionNeedNoDisplay)
    {
        EXPECT_EQ(run({ "--help" }), 0);
        EXPECT_NE(output().find("--input FILE"), std::string::npos) << output();
        EXPECT_EQ(run({ "--version" }), 0);
        EXPECT_EQ(output().rfind("clefmark ", 0), 0u) << output();
    }

    // A file that cannot be played is said at once, and the window comes up
    // listening to the default input; more than one file is refused.
    TEST_F(CommandLine, AFileThatCannotBePlayedIsSaidBeforeAnyWindow)
    {
        const std::string missing = dir.file("missing.wav");
        // Nothing writes to it: opened as a file is, it would hold up the
        // program for good, before any window.
        const std::string fifo = dir.file("fifo.wav");
        ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
        const struct {
            std::vector<std::string> arguments;
            int status;
            std::string says;
        } cases[] = {
            { { "--input", missing, "--quit-after", "1" }, 0,
                "clefmark: cannot play '" + missing
                    + "': no such file; listening to the default input\n" },
            { { missing, "--quit-after", "1" }, 0, "clefmark: cannot play '" + missing + "'" },
            { { fifo, "--quit-after", "1" }, 0,
                "clefmark: cannot play '" + fifo
                    + "': is a pipe, not a regular file; listening to the default input\n" },
            { { "--input", fifo, "--quit-after", "1" }, 0,
                "clefmark: cannot play '" + fifo + "': is a pipe" },
            { { "a.wav", "b.wav" }, 2,
                "clefmark: one file at a time, please (got 'a.wav' and 'b.wav')\n" },
        };
        for (const auto& c : cases) {
            std::vector<std::string> argv { CLEFMARK_EXECUTABLE };
            argv.insert(argv.end(), c.arguments.begin(), c.arguments.end());
            ChildProcess child(argv,
                loggedTo(dir.file("out"),
                    { "QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + dir.file("config") }));
            EXPECT_EQ(child.wait(30s), c.status) << output();
            EXPECT_NE(output().find(c.says), std::string::npos) << output();
        }
    }

    // A picture that cannot be saved is said in one line with the reason and
    // fails the run, and leaves no partial file: an earlier picture stays.
    TEST_F(CommandLine, ASnapshotThatCannotBeWrittenFailsTheRunAndLeavesNoPartFile)
    {
        test::write16BitFile(dir.file("a4.wav"), test::sine16(440.0, 44100, 0.5, 4410), 1, 44100);
        const std::string shots = dir.file("shots");
        std::filesystem::create_directory(shots);
        const std::string kept = shots + "/window.png";
        const struct {
            std::string target;
            std::optional<rlim_t> fileSizeLimit;
            std::string reason;
        } cases[] = {
            { "/dev/full", std::nullopt, "No space left on device" },
            { shots + "/new.png", 500, "File too large" },
            { kept, 500, "File too large" },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.target);
            std::ofstream(kept) << "an earlier picture";
            ChildOptions options = loggedTo(dir.file("out"),
                { "QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + dir.file("config") });
            options.fileSizeLimit = c.fileSizeLimit;
            ChildProcess child({ CLEFMARK_EXECUTABLE, "--input", dir.file("a4.wav"), "--snapshot",
                                   c.target, "--quit-after", "0.5" },
                options);
            EXPECT_EQ(child.wait(30s), 1) << output();
            EXPECT_EQ(linesFrom(output(), "clefmark: "),
                std::vector<std::string> { "clefmark: cannot save the window's picture to '"
                    + c.target + "' (" + c.reason + ")" })
                << output();
            std::vector<std::string> left;
            for (const auto& entry : std::filesystem::directory_iterator(shots))
                left.push_back(entry.path().filename().string());
            EXPECT_EQ(left, std::vector<std::string> { "window.png" });
            EXPECT_EQ(test::readBytes(kept), "an earlier picture");
        }
    }

    // Values out of range are said with what is used instead, and a
    // settings file that cannot be saved is said once, however many changes
    // fail to reach it (those of the command line, the window's place).
    TEST_F(CommandLine, SettingsTroubleIsSaidOncePerCause)
    {
        test::write16BitFile(dir.file("a4.wav"), test::sine16(440.0, 44100, 0.5, 4410), 1, 44100);
        const struct {
            std::string settings; // "" for a file in the way of the settings folder
            std::vector<std::string> said;
        } cases[] = {
            { "WindowScaleKey=0", { "ignoring WindowScaleKey = 0 in " } },
            { "WindowScaleKey=900000", { "ignoring WindowScaleKey = 900000 in " } },
            { "WindowLeftKey=99999\nWindowTopKey=-40000",
                { "ignoring WindowLeftKey = 99999 in ", "ignoring WindowTopKey = -40000 in " } },
            { "", { "could not save the settings to " } },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.settings);
            std::filesystem::remove_all(dir.file("config"));
            if (c.settings.empty()) {
                std::ofstream(dir.file("config")) << "not a folder";
            } else {
                std::filesystem::create_directories(dir.file("config/Clefmark"));
                std::ofstream(dir.file("config/Clefmark/Clefmark.ini")) << "[General]\n"
                                                                        << c.settings << "\n";
            }
            ChildProcess child({ CLEFMARK_EXECUTABLE, "--input", dir.file("a4.wav"), "--reference",
                                   "445", "--close-enough", "--quit-after", "0.5" },
                loggedTo(dir.file("out"),
                    { "QT_QPA_PLATFORM=offscreen", "XDG_CONFIG_HOME=" + dir.file("config") }));
            EXPECT_EQ(child.wait(30s), 0) << output();
            const std::vector<std::string> lines = linesFrom(output(), "Clefmark: ");
            EXPECT_EQ(lines.size(), c.said.size()) << output();
            for (const std::string& said : c.said)
                EXPECT_TRUE(std::any_of(lines.begin(), lines.end(),
                    [&](const std::string& line) { return line.find(said) != std::string::npos; }))
                    << said << " in\n"
                    << output();
        }
    }

    // Qt would abort inside QApplication's constructor with a page of plugin
    // names; the user gets one line naming the display instead.
    TEST_F(CommandLine, NoDisplayThatAnswersIsSaidInOneLine)
    {
        int unused = 399; // an X display nobody serves
        while (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(unused)))
            ++unused;
        const std::string x11 = ":" + std::to_string(unused);
        const std::string runtime = "XDG_RUNTIME_DIR=" + dir.path().string();
        struct Case {
            std::vector<std::string> environment;
            std::string said;
        };
        const Case cases[] = {
            { { "DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_SESSION_TYPE" },
                "no display to open the window on (DISPLAY is not set)" },
            { { "DISPLAY=" + x11, "QT_QPA_PLATFORM", "XDG_SESSION_TYPE" },
                "cannot open the display " + x11 },
            { { "DISPLAY=" + x11, "QT_QPA_PLATFORM=wayland;xcb", "WAYLAND_DISPLAY=nowhere",
                  runtime },
                "cannot open the display nowhere" },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.said);
            std::vector<std::string> environment = c.environment;
            environment.push_back("XDG_CONFIG_HOME=" + dir.file("config"));
            ChildProcess child({ CLEFMARK_EXECUTABLE }, loggedTo(dir.file("out"), environment));
            EXPECT_EQ(child.wait(30s), 1);
            EXPECT_EQ(
                output(), "clefmark: " + c.said + "; use clefmark-cli listen in a terminal\n");
        }
    }

} // namespace
} // namespace clefmark
