// The window as a screen reader finds it: the program in an X server, a
// session bus and an accessibility bus of the test's own, with a recording
// playing into it, read over AT-SPI by atspi_tree.py (python3-pyatspi, through
// Debian's /usr/bin/python3) the way a screen reader reads it.
#include "tests/support/AudioFiles.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/Signals.h"
#include "tests/support/SoundServer.h"
#include "tests/support/Xvfb.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QString>
#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <optional>
#include <poll.h>
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

    // Debian's own Python, where python3-pyatspi is installed; a Python on
    // PATH (pyenv, a virtual environment) may lack it.
    const std::string kPython = "/usr/bin/python3";
    const std::string kBusLauncher = "/usr/libexec/at-spi-bus-launcher";

    /// Why the test cannot run here, or empty.
    std::string missingTool()
    {
        if (!test::onPath("Xvfb"))
            return "no Xvfb (Debian package xvfb)";
        if (!test::onPath("dbus-daemon"))
            return "no dbus-daemon (Debian package dbus-daemon)";
        if (::access(kBusLauncher.c_str(), X_OK) != 0)
            return "no " + kBusLauncher + " (Debian package at-spi2-core)";
        ChildProcess probe(
            { kPython, "-c", "import gi; gi.require_version('Atspi', '2.0'); import pyatspi" },
            { .out = ChildOutput::discard(), .err = ChildOutput::discard() });
        if (probe.wait(30s) != 0)
            return "no pyatspi for " + kPython + " (Debian package python3-pyatspi)";
        return {};
    }

    /// One object of the tree as atspi_tree.py reports it.
    struct Object {
        std::string path, role, name, description;
        std::optional<double> value, minimum, maximum;
    };

    std::string signedCents(double cents)
    {
        char text[16];
        std::snprintf(text, sizeof text, "%+.1f", cents);
        return text;
    }

    class Accessibility : public testing::Test {
    protected:
        void SetUp() override
        {
            if (const std::string missing = missingTool(); !missing.empty()) {
                if (test::soundServersRequired())
                    FAIL() << missing << " (and CLEFMARK_REQUIRE_SERVERS=1)";
                GTEST_SKIP() << missing;
            }
            xvfb_.emplace(dir);
            ASSERT_FALSE(xvfb_->display().empty()) << test::readBytes(dir.file("xvfb.log"));
            ASSERT_EQ(::mkdir(dir.file("runtime").c_str(), 0700), 0);

            // The session bus, which says its address once it listens.
            int fds[2];
            ASSERT_EQ(::pipe2(fds, O_CLOEXEC), 0);
            ChildOptions busOptions = logged("bus.log");
            busOptions.keepOpen = { fds[1] };
            bus_.emplace(std::vector<std::string> { "dbus-daemon", "--session", "--nofork",
                             "--nopidfile", "--address=unix:path=" + dir.file("bus"),
                             "--print-address=" + std::to_string(fds[1]) },
                busOptions);
            ::close(fds[1]);
            pollfd p { fds[0], POLLIN, 0 };
            const bool listening = ::poll(&p, 1, 10000) > 0;
            ::close(fds[0]);
            ASSERT_TRUE(listening) << test::readBytes(dir.file("bus.log"));

            // The accessibility bus, before the program; atspi_tree.py waits
            // for it to be named on the session bus.
            launcher_.emplace(std::vector<std::string> { kBusLauncher, "--launch-immediately" },
                logged("launcher.log"));
        }

        void TearDown() override
        {
            // The launcher ends its bus when it is asked to end.
            if (launcher_) {
                launcher_->signal(SIGTERM);
                launcher_->wait(5s);
            }
        }

        ChildOptions logged(const std::string& log) const
        {
            return { .environment = environment(),
                .out = ChildOutput::file(dir.file(log)),
                .err = ChildOutput::withStandardOutput() };
        }

        std::vector<std::string> environment() const
        {
            return { "DISPLAY=" + (xvfb_ ? xvfb_->display() : std::string()),
                "DBUS_SESSION_BUS_ADDRESS=unix:path=" + dir.file("bus"), "AT_SPI_BUS_ADDRESS",
                "QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1", "QT_QPA_PLATFORM=xcb", "WAYLAND_DISPLAY",
                "XDG_RUNTIME_DIR=" + dir.file("runtime"), "XDG_CONFIG_HOME=" + dir.file("config"),
                "HOME=" + dir.path().string() };
        }

        /// Plays `recording` into the program and has atspi_tree.py, listening
        /// from before the program starts, take the tree once an object is
        /// named `until` (if given) and count the events of the next
        /// `seconds`. Its report, or an empty object after a failure.
        QJsonObject watch(const std::string& recording, double seconds, const std::string& until)
        {
            std::vector<std::string> argv { kPython, ATSPI_TREE_SCRIPT, "--watch",
                std::to_string(seconds), "--timeout", "30" };
            if (!until.empty())
                argv.insert(argv.end(), { "--until", until });
            ChildOptions options = logged("atspi.log");
            options.out = ChildOutput::capture();
            options.readiness = true;
            ChildProcess reader(argv, options);
            if (!reader.waitUntilReady(30s)) {
                ADD_FAILURE() << "atspi_tree.py never listened:\n" << log("atspi.log");
                return {};
            }
            ChildOptions programOptions = logged("clefmark.log");
            programOptions.readiness = true;
            ChildProcess program(
                { CLEFMARK_EXECUTABLE, "--input", dir.file(recording) }, programOptions);
            EXPECT_TRUE(program.waitUntilReady(30s)) << log("clefmark.log");
            const std::optional<int> status = reader.wait(60s);
            program.signal(SIGTERM);
            EXPECT_EQ(program.wait(20s), 0) << log("clefmark.log");
            if (status != 0) {
                ADD_FAILURE() << "atspi_tree.py ended with " << status.value_or(-1) << ":\n"
                              << log("atspi.log") << "\nclefmark:\n"
                              << log("clefmark.log");
                return {};
            }
            return QJsonDocument::fromJson(QByteArray::fromStdString(reader.out())).object();
        }

        std::string log(const std::string& name) const { return test::readBytes(dir.file(name)); }

        static std::vector<Object> objects(const QJsonObject& report)
        {
            std::vector<Object> out;
            for (const QJsonValue& v : report[u"tree"].toArray()) {
                const QJsonObject o = v.toObject();
                Object object { o[u"path"].toString().toStdString(),
                    o[u"role"].toString().toStdString(), o[u"name"].toString().toStdString(),
                    o[u"description"].toString().toStdString(), std::nullopt, std::nullopt,
                    std::nullopt };
                auto number = [](const QJsonValue& v) {
                    return v.isDouble() ? std::optional<double>(v.toDouble()) : std::nullopt;
                };
                object.value = number(o[u"value"]);
                object.minimum = number(o[u"minimum"]);
                object.maximum = number(o[u"maximum"]);
                out.push_back(object);
            }
            return out;
        }

        static std::optional<Object> named(const std::vector<Object>& tree, const std::string& name)
        {
            for (const Object& o : tree)
                if (o.name == name)
                    return o;
            return std::nullopt;
        }

        /// The cents that clefmark-cli analyze gives for the recording's last
        /// block, as it prints them ("+19.6").
        std::string analyzedCents(const std::string& recording)
        {
            ChildProcess cli({ CLEFMARK_CLI_EXECUTABLE, "analyze", dir.file(recording) });
            EXPECT_EQ(cli.wait(30s), 0) << cli.err();
            std::istringstream lines(cli.out());
            std::string line, last;
            while (std::getline(lines, line))
                if (line.find(" Hz") != std::string::npos)
                    last = line;
            std::istringstream words(last);
            std::string time, unit, note, cents;
            words >> time >> unit >> note >> cents;
            return cents;
        }

        test::TempDir dir;
        std::optional<test::Xvfb> xvfb_;
        std::optional<ChildProcess> bus_;
        std::optional<ChildProcess> launcher_;
    };

    TEST_F(Accessibility, AScreenReaderReadsTheNoteAndTheNeedlesCents)
    {
        test::write16BitFile(dir.file("445.wav"), test::sine16(445.0, 44100, 0.5, 44100), 1, 44100);
        const std::string cents = analyzedCents("445.wav");
        ASSERT_TRUE(cents == "+19.5" || cents == "+19.6") << cents;

        const QJsonObject report = watch("445.wav", 10.0, "A4");
        const std::vector<Object> tree = objects(report);
        ASSERT_FALSE(tree.empty());

        const std::optional<Object> staff = named(tree, "A4");
        ASSERT_TRUE(staff);
        EXPECT_EQ(staff->role, "image");
        const std::optional<Object> needle = named(tree, "Deviation in cents");
        ASSERT_TRUE(needle && needle->value);
        EXPECT_EQ(signedCents(*needle->value), cents);
        // A slider a reader can read, over the cents a note can be off.
        EXPECT_EQ(needle->role, "slider");
        EXPECT_EQ(needle->minimum, -50.0);
        EXPECT_EQ(needle->maximum, 50.0);
        const std::optional<Object> level = named(tree, "Input level");
        ASSERT_TRUE(level && level->value);
        EXPECT_EQ(level->role, "progress bar");
        EXPECT_GE(*level->value, 1.0);
        EXPECT_LE(*level->value, 8.0);
        const std::optional<Object> status = named(tree, "Pitch detection");
        ASSERT_TRUE(status);
        EXPECT_EQ(status->role, "animation");
        // The readout says it all in one sentence: note, cents and hertz. It
        // is told when the note or the judgement changes, so a reader holds
        // the numbers of the first detection, which may still be settling
        // (444.8 Hz, 19.2 cents): the note and the judgement must be right.
        const auto readout = std::find_if(tree.begin(), tree.end(),
            [](const Object& o) { return o.name.find("hertz") != std::string::npos; });
        ASSERT_NE(readout, tree.end());
        EXPECT_EQ(readout->name.rfind("A4, ", 0), 0u) << readout->name;
        EXPECT_NE(readout->name.find("cents sharp, 44"), std::string::npos) << readout->name;

        // Everything in the window's content has a name.
        const std::optional<Object> content = named(tree, "Tuner");
        ASSERT_TRUE(content);
        EXPECT_EQ(content->role, "panel");
        for (const Object& o : tree) {
            if (o.path.rfind(content->path + "/", 0) == 0) {
                EXPECT_FALSE(o.name.empty()) << o.role << " at " << o.path;
            }
        }
    }

    // How often each element may tell is AnnouncementGate's to keep, proven
    // against its own clock in the views' tests; how many events land in a
    // window of wall time depends on how busy the machine is, so here only
    // that changing notes are told at all.
    TEST_F(Accessibility, NotesChangingFiveTimesASecondAreTold)
    {
        // A4 in tune, C5 sharp and E5 flat by 20 cents, a fifth of a second
        // each, over and over: the note changes five times a second and the
        // judgement with it.
        std::vector<float> samples;
        for (const double hz : { 440.0, 529.33, 651.66 }) {
            const std::vector<float> tone = test::sine16(hz, 44100, 0.5, 8820);
            samples.insert(samples.end(), tone.begin(), tone.end());
        }
        test::write16BitFile(dir.file("changing.wav"), samples, 1, 44100);

        const QJsonObject report = watch("changing.wav", 5.0, "");
        ASSERT_FALSE(report.isEmpty());
        const QJsonObject events = report[u"events"].toObject();
        int told = 0;
        for (const QJsonValue& times : events)
            told = std::max(told, static_cast<int>(times.toArray().size()));
        EXPECT_GE(told, 2) << "the changing notes were hardly told: "
                           << QJsonDocument(events).toJson().toStdString();
    }

    // The first detection of a new pitch is seldom where it settles: a
    // reader must hear the settled value too, and last.
    TEST_F(Accessibility, AToneMovingFrom440To445IsToldWhereItSettles)
    {
        std::vector<float> samples = test::sine16(440.0, 44100, 0.5, 44100);
        const std::vector<float> moved = test::sine16(445.0, 44100, 0.5, 5 * 44100);
        samples.insert(samples.end(), moved.begin(), moved.end());
        test::write16BitFile(dir.file("moving.wav"), samples, 1, 44100);

        const QJsonObject report = watch("moving.wav", 4.0, "A4");
        ASSERT_FALSE(report.isEmpty());
        const std::vector<Object> tree = objects(report);
        const auto readout = std::find_if(tree.begin(), tree.end(),
            [](const Object& o) { return o.name.find("hertz") != std::string::npos; });
        ASSERT_NE(readout, tree.end());
        std::vector<std::string> told;
        for (const QJsonValue& event :
            report[u"events"][QString::fromStdString(readout->path + " " + readout->role)]
                .toArray())
            told.push_back(event.toArray()[1].toString().toStdString());
        std::string all;
        for (const std::string& t : told)
            all += "\n  " + t;
        ASSERT_FALSE(told.empty());
        // The file's 445 Hz reads +19.5 or +19.6 once settled; told as it
        // comes to rest, within a cent of that.
        double last = 0.0;
        ASSERT_EQ(std::sscanf(told.back().c_str(), "A4, %lf cents sharp", &last), 1) << all;
        EXPECT_NEAR(last, 19.55, 1.0) << all;
    }

} // namespace
} // namespace clefmark
