#include "desktop/IniUserDefaults.h"

#include "desktop/QueuedMainThread.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/QtEnvironment.h"
#include "tests/support/QtWarnings.h"
#include "tuner/Tuner.h"

#include <QFile>
#include <QStandardPaths>
#include <algorithm>
#include <chrono>
#include <climits>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace clefmark {
namespace {

    using test::WarningCapture;

    class SettingsFile : public testing::Test {
    protected:
        QString path() const
        {
            return QString::fromStdString(dir.file("config/Clefmark/Clefmark.ini"));
        }
        void write(const std::string& text)
        {
            std::filesystem::create_directories(dir.path() / "config/Clefmark");
            std::ofstream(path().toStdString()) << text;
        }
        std::string read() const
        {
            std::ifstream in(path().toStdString());
            return { std::istreambuf_iterator<char>(in), {} };
        }
        bool exists() const { return QFile::exists(path()); }

        test::TempDir dir;
    };

    // Writes beyond `bytes` fail with EFBIG rather than kill the process.
    class FileSizeLimit {
    public:
        explicit FileSizeLimit(rlim_t bytes)
        {
            ::getrlimit(RLIMIT_FSIZE, &saved_);
            const rlimit limit { bytes, saved_.rlim_max };
            ::setrlimit(RLIMIT_FSIZE, &limit);
            previous_ = std::signal(SIGXFSZ, SIG_IGN);
        }
        ~FileSizeLimit()
        {
            ::setrlimit(RLIMIT_FSIZE, &saved_);
            std::signal(SIGXFSZ, previous_);
        }

    private:
        rlimit saved_ {};
        void (*previous_)(int) = nullptr;
    };

    /// Every entry of `folder` with its kind, size, link target and, for a
    /// regular file, its contents: what a test compares to see nothing touched.
    std::string listing(const std::filesystem::path& folder)
    {
        namespace fs = std::filesystem;
        std::string out;
        for (const fs::directory_entry& entry : fs::directory_iterator(folder)) {
            const fs::file_status status = entry.symlink_status();
            out += entry.path().filename().string() + " "
                + std::to_string(static_cast<int>(status.type()));
            if (fs::is_symlink(status))
                out += " -> " + fs::read_symlink(entry.path()).string();
            if (fs::is_regular_file(status))
                out += " " + test::readBytes(entry.path().string());
            out += "\n";
        }
        return out;
    }

    TEST_F(SettingsFile, StringsFromTheFileAreReadAsTheTypeAskedFor)
    {
        write("[General]\nReferencePitchKey=440\nOctaveRejectionKey=false\nCloseEnoughKey=true\n"
              "A=no\nB=yes\nC=0\nD=1\nE= 445 \nF=FALSE\nG=off\n");
        IniUserDefaults defaults(path());
        EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 440);
        EXPECT_FALSE(defaults.boolForKey(kOctaveRejectionKey));
        EXPECT_TRUE(defaults.boolForKey(kCloseEnoughKey));
        EXPECT_FALSE(defaults.boolForKey("A")); // QVariant("no").toBool() would say true
        EXPECT_TRUE(defaults.boolForKey("B"));
        EXPECT_FALSE(defaults.boolForKey("C"));
        EXPECT_TRUE(defaults.boolForKey("D"));
        EXPECT_EQ(defaults.integerForKey("E"), 445);
        EXPECT_FALSE(defaults.boolForKey("F"));
        EXPECT_FALSE(defaults.boolForKey("G"));
    }

    TEST_F(SettingsFile, ValuesThatAreNotOfTheirTypeAreReportedAndTheDefaultUsed)
    {
        write("[General]\nReferencePitchKey=loud\nCloseEnoughKey=maybe\nOctaveRejectionKey=\n");
        IniUserDefaults defaults(path());
        defaults.registerInteger(kReferencePitchKey, 440);
        defaults.registerBool(kCloseEnoughKey, false);
        defaults.registerBool(kOctaveRejectionKey, true);
        WarningCapture capture;
        EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 440);
        EXPECT_FALSE(defaults.boolForKey(kCloseEnoughKey));
        EXPECT_TRUE(defaults.boolForKey(kOctaveRejectionKey));
        ASSERT_EQ(capture.warnings.size(), 3);
        EXPECT_TRUE(capture.warnings[0].contains(u"ReferencePitchKey = loud"))
            << capture.warnings[0].toStdString();
        EXPECT_TRUE(capture.warnings[0].contains(path()));
        EXPECT_TRUE(capture.warnings[1].contains(u"CloseEnoughKey = maybe"));
    }

    TEST_F(SettingsFile, RegisteredDefaultsAreFallbacksAndWriteNothing)
    {
        IniUserDefaults defaults(path());
        defaults.registerInteger(kReferencePitchKey, 440);
        defaults.registerBool(kCloseEnoughKey, true);
        EXPECT_FALSE(defaults.hasValue(kReferencePitchKey));
        EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 440);
        EXPECT_TRUE(defaults.boolForKey(kCloseEnoughKey));
        EXPECT_EQ(defaults.integerForKey("Unregistered"), 0);
        EXPECT_FALSE(defaults.boolForKey("Unregistered"));
        EXPECT_FALSE(exists());

        defaults.setInteger(kReferencePitchKey, 432);
        EXPECT_TRUE(defaults.hasValue(kReferencePitchKey));
        EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 432);
        EXPECT_FALSE(defaults.hasValue(kCloseEnoughKey));
    }

    TEST_F(SettingsFile, TheTunerSavesEachChangeAtOnceAndReadsItBackAfterARestart)
    {
        QueuedMainThread mainThread;
        {
            IniUserDefaults defaults(path());
            Tuner tuner(defaults, mainThread);
            EXPECT_TRUE(tuner.isFirstLaunch());
            EXPECT_FALSE(exists()) << "reading writes nothing";
            // Each change is in the file as soon as it is made, with no
            // termination to flush it.
            tuner.setReferencePitch(445);
            EXPECT_NE(read().find("ReferencePitchKey=445"), std::string::npos) << read();
            tuner.setOctaveRejection(true);
            EXPECT_NE(read().find("OctaveRejectionKey=true"), std::string::npos) << read();
            tuner.setCloseEnough(false);
            EXPECT_NE(read().find("CloseEnoughKey=false"), std::string::npos) << read();
            tuner.applicationWillTerminate();
        }
        const std::string text = read();
        EXPECT_NE(text.find("ReferencePitchKey=445"), std::string::npos) << text;
        EXPECT_NE(text.find("OctaveRejectionKey=true"), std::string::npos) << text;
        EXPECT_NE(text.find("CloseEnoughKey=false"), std::string::npos) << text;

        // A new process: every value comes back as a string.
        IniUserDefaults defaults(path());
        Tuner tuner(defaults, mainThread);
        EXPECT_FALSE(tuner.isFirstLaunch());
        EXPECT_EQ(tuner.referencePitch(), 445);
        EXPECT_TRUE(tuner.octaveRejection());
        EXPECT_FALSE(tuner.closeEnough());
    }

    TEST_F(SettingsFile, AFailedSaveIsReported)
    {
        // A file-size limit binds root too, where a read-only folder would not.
        write("[General]\nReferencePitchKey=450\n");
        WarningCapture capture;
        IniUserDefaults defaults(path());
        {
            FileSizeLimit limit(8);
            defaults.setInteger(kReferencePitchKey, 441);
        }
        ASSERT_EQ(capture.warnings.size(), 1) << capture.warnings.join(u'\n').toStdString();
        EXPECT_TRUE(capture.warnings[0].contains(u"could not save the settings"))
            << capture.warnings[0].toStdString();
        EXPECT_EQ(read(), "[General]\nReferencePitchKey=450\n") << "the old file is kept whole";

        defaults.setInteger(kReferencePitchKey, 441);
        EXPECT_EQ(capture.warnings.size(), 1) << "and the next try succeeds, silently";
        EXPECT_EQ(read(), "[General]\nReferencePitchKey=441\n");
    }

    TEST_F(SettingsFile, AFileInTheWayOfTheFolderIsReported)
    {
        // Works for root too: a file where the folder must be cannot be
        // written through.
        std::ofstream(dir.file("config")) << "not a folder";
        WarningCapture capture;
        {
            IniUserDefaults defaults(path());
            defaults.setBool(kCloseEnoughKey, true);
        }
        ASSERT_FALSE(capture.warnings.isEmpty());
        EXPECT_TRUE(capture.warnings.back().contains(u"could not save the settings"))
            << capture.warnings.back().toStdString();
    }

    // Anything but a regular file (or a link to one) at the settings path is
    // said once, neither read nor written, and left exactly as it was; a FIFO
    // does not hold up the start.
    TEST(SettingsPath, WhatIsNotARegularFileIsNeitherReadNorWritten)
    {
        namespace fs = std::filesystem;
        struct Case {
            const char* what;
            std::function<bool(const std::string& ini, const fs::path& dir)> make;
        };
        const Case cases[] = {
            { "a FIFO", [](auto& ini, auto&) { return ::mkfifo(ini.c_str(), 0600) == 0; } },
            { "a directory", [](auto& ini, auto&) { return fs::create_directory(ini); } },
            { "a FIFO",
                [](auto& ini, auto& dir) {
                    return ::mkfifo((dir / "fifo").c_str(), 0600) == 0
                        && ::symlink("fifo", ini.c_str()) == 0;
                } },
            { "a device", // root only: a null device of the test's own
                [](auto& ini, auto& dir) {
                    return ::mknod((dir / "null").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0
                        && ::symlink((dir / "null").c_str(), ini.c_str()) == 0;
                } },
            { "a symbolic link to nothing",
                [](auto& ini, auto&) { return ::symlink("absent", ini.c_str()) == 0; } },
            // Without a controlling terminal it cannot even be opened; the
            // device is still what is in the way.
            { "a symbolic link to a device",
                [](auto& ini, auto&) { return ::symlink("/dev/tty", ini.c_str()) == 0; } },
            { "larger than 1 MB",
                [](auto& ini, auto&) {
                    std::ofstream(ini) << "[General]\nReferencePitchKey=450\n;"
                                       << std::string(1 << 20, 'x') << "\n";
                    return true;
                } },
        };
        for (const Case& c : cases) {
            test::TempDir dir;
            const std::string ini = dir.file("Clefmark.ini");
            if (!c.make(ini, dir.path())) {
                EXPECT_NE(::geteuid(), 0u) << c.what << " could not be made";
                continue;
            }
            const std::string before = listing(dir.path());
            WarningCapture capture;
            {
                IniUserDefaults defaults(QString::fromStdString(ini));
                defaults.registerInteger(kReferencePitchKey, 440);
                EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 440) << c.what;
                defaults.setInteger(kReferencePitchKey, 445);
                defaults.setBool(kCloseEnoughKey, true);
                EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 445) << "kept for the run";
            }
            ASSERT_EQ(capture.warnings.size(), 1) << c.what << ":\n"
                                                  << capture.warnings.join(u'\n').toStdString();
            const QString& said = capture.warnings[0];
            EXPECT_TRUE(said.contains(QString::fromStdString(ini)) && said.contains(c.what)
                && said.contains(u"neither read nor written"))
                << said.toStdString();
            EXPECT_EQ(listing(dir.path()), before) << c.what;
        }
    }

    TEST_F(SettingsFile, ALinkToARegularFileIsFollowedAndStaysALink)
    {
        std::filesystem::create_directories(dir.path() / "config/Clefmark");
        std::ofstream(dir.file("elsewhere.ini")) << "[General]\nReferencePitchKey=450\n";
        std::filesystem::create_symlink(dir.file("elsewhere.ini"), path().toStdString());
        IniUserDefaults defaults(path());
        EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 450);
        defaults.setInteger(kReferencePitchKey, 445);
        EXPECT_TRUE(std::filesystem::is_symlink(path().toStdString()));
        EXPECT_EQ(test::readBytes(dir.file("elsewhere.ini")), "[General]\nReferencePitchKey=445\n");
    }

    // A damaged file is read as far as it makes sense, what was not
    // understood is said once, and a save succeeds without a word, changing
    // only the line of the value saved.
    TEST_F(SettingsFile, DamagedFilesAreReadAsFarAsTheyGoAndSavedWithoutFalseAlarms)
    {
        constexpr char binary[] = "[General]\nReferencePitchKey=450\n\x01\x02\xff\xfe\0junk\n";
        const std::pair<std::string, const char*> cases[] = {
            { "\xEF\xBB\xBF[General]\nReferencePitchKey=450\n", nullptr },
            { "[General\nReferencePitchKey=450\n", "line 1 of" },
            { std::string(binary, sizeof binary - 1), "ignoring line 3 of" },
        };
        for (const auto& [text, said] : cases) {
            write(text);
            WarningCapture capture;
            {
                IniUserDefaults defaults(path());
                defaults.registerInteger(kReferencePitchKey, 440);
                EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 450) << text;
                defaults.setInteger(kReferencePitchKey, 445);
            }
            ASSERT_EQ(capture.warnings.size(), said != nullptr ? 1 : 0)
                << text << capture.warnings.join(u'\n').toStdString();
            if (said != nullptr) {
                EXPECT_TRUE(capture.warnings[0].contains(QString::fromUtf8(said) + u' ' + path()))
                    << capture.warnings[0].toStdString();
            }
            std::string expected = text;
            expected.replace(expected.find("450"), 3, "445");
            EXPECT_EQ(read(), expected);
        }
    }

    // The warning is printed as one C string on one line: a NUL would end it
    // and a carriage return would write over it, so neither is printed raw.
    TEST_F(SettingsFile, ControlCharactersInABadValueAreShownEscaped)
    {
        const std::pair<std::string, const char*> cases[] = {
            { std::string("4\0"
                          "40",
                  4),
                "ReferencePitchKey = 4\\x0040 in " },
            { "44\r0\x1b[2K", "ReferencePitchKey = 44\\x0d0\\x1b[2K in " },
        };
        for (const auto& [stored, said] : cases) {
            write("[General]\nReferencePitchKey=" + stored + "\n");
            WarningCapture capture;
            IniUserDefaults defaults(path());
            defaults.registerInteger(kReferencePitchKey, 440);
            EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), 440);
            ASSERT_EQ(capture.warnings.size(), 1) << said;
            const QString& line = capture.warnings[0];
            EXPECT_TRUE(line.contains(QString::fromUtf8(said)) && line.endsWith(u"using 440"))
                << line.toStdString();
            EXPECT_FALSE(std::any_of(line.begin(), line.end(), [](QChar c) {
                return c.category() == QChar::Other_Control;
            })) << line.toStdString();
        }
    }

    TEST_F(SettingsFile, EveryBadReferencePitchIsReportedWithWhatIsUsedInstead)
    {
        const std::pair<const char*, int> cases[] = { { "500", 460 }, { "-1", 420 },
            { "99999999999", 460 }, { "-99999999999999999999999", 420 }, { "4 40", 440 } };
        QueuedMainThread mainThread;
        for (const auto& [stored, used] : cases) {
            write(std::string("[General]\nReferencePitchKey=") + stored + "\n");
            WarningCapture capture;
            IniUserDefaults defaults(path());
            defaults.limitInteger(kReferencePitchSetting);
            Tuner tuner(defaults, mainThread);
            EXPECT_EQ(tuner.referencePitch(), used) << stored;
            ASSERT_EQ(capture.warnings.size(), 1) << stored;
            const QString& said = capture.warnings[0];
            EXPECT_TRUE(said.contains(QStringLiteral("ReferencePitchKey = %1 in").arg(stored))
                && said.endsWith(QStringLiteral("using %1").arg(used)))
                << said.toStdString();
        }
    }

    // A save killed part way (by a file-size limit, say) leaves files that
    // must not hold up the next run.
    TEST_F(SettingsFile, WhatAnInterruptedSaveLeftBehindHoldsNothingUp)
    {
        write("[General]\nReferencePitchKey=450\n");
        std::ofstream(path().toStdString() + ".lock").flush();
        std::ofstream(
            dir.file("config/Clefmark/.Clefmark.ini." + std::to_string(::getpid()) + ".0"))
            << "[Gen";
        const auto start = std::chrono::steady_clock::now();
        {
            IniUserDefaults defaults(path());
            defaults.setInteger(kReferencePitchKey, 445);
        }
        // A guard against waiting on the lock, as a lock file's owner would.
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
        EXPECT_EQ(read(), "[General]\nReferencePitchKey=445\n");
    }

    // A save killed before its rename leaves its temporary file. The next
    // save removes those whose writer is gone, and nothing else: not a file
    // still being written (its writer alive, or holding it locked), nor one
    // that is not a regular file of this user's, nor another file's.
    TEST_F(SettingsFile, ASaveRemovesWhatSavesOfGoneProcessesLeftBehind)
    {
        // A process that has ended and been reaped.
        const pid_t gone = ::fork();
        if (gone == 0)
            ::_exit(0);
        ASSERT_GT(gone, 0);
        ASSERT_EQ(::waitpid(gone, nullptr, 0), gone);
        const std::string dead = std::to_string(gone);
        const std::string alive = std::to_string(::getpid());
        struct Case {
            std::string name;
            bool removed;
            std::function<void(const std::string& path)> make;
        };
        const auto plain = [](const std::string& path) { std::ofstream(path) << "[Gen"; };
        std::optional<int> lockedFd;
        const Case cases[] = {
            { ".Clefmark.ini." + dead + ".0", true, plain },
            { ".Clefmark.ini." + dead + ".17", true, plain },
            { ".Clefmark.ini." + alive + ".3", false, plain },
            { ".Clefmark.ini." + dead + ".4", false, // a writer elsewhere holds it
                [&](const std::string& path) {
                    plain(path);
                    lockedFd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
                    ASSERT_EQ(::flock(*lockedFd, LOCK_EX | LOCK_NB), 0);
                } },
            { ".Clefmark.ini." + dead + ".5", false,
                [&](const std::string& path) {
                    ASSERT_EQ(::symlink(dir.file("elsewhere").c_str(), path.c_str()), 0);
                } },
            { ".Clefmark.ini." + dead + ".6", ::geteuid() != 0, // another user's, as root
                [&](const std::string& path) {
                    plain(path);
                    if (::geteuid() == 0) {
                        ASSERT_EQ(::chown(path.c_str(), 1, 1), 0);
                    }
                } },
            { ".Clefmark.ini." + dead + ".0.bak", false, plain },
            { ".Clefmark.ini." + dead, false, plain },
            { ".Other.ini." + dead + ".0", false, plain },
            { "Clefmark.ini." + dead + ".0", false, plain },
        };
        write("[General]\nReferencePitchKey=450\n");
        std::ofstream(dir.file("elsewhere")) << "not ours";
        for (const Case& c : cases)
            c.make(dir.file("config/Clefmark/" + c.name));
        IniUserDefaults(path()).setInteger(kReferencePitchKey, 445);
        if (lockedFd)
            ::close(*lockedFd);
        EXPECT_EQ(read(), "[General]\nReferencePitchKey=445\n");
        for (const Case& c : cases) {
            std::error_code error;
            EXPECT_EQ(
                std::filesystem::symlink_status(dir.file("config/Clefmark/" + c.name), error).type()
                    == std::filesystem::file_type::not_found,
                c.removed)
                << c.name;
        }
        EXPECT_EQ(test::readBytes(dir.file("elsewhere")), "not ours");
    }

    TEST(IniUserDefaults, TheUsersFileIsInTheConfigFolder)
    {
        IniUserDefaults defaults;
        EXPECT_EQ(defaults.fileName(),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                + QStringLiteral("/Clefmark/Clefmark.ini"));
    }

    TEST(SettingValues, ConversionTable)
    {
        long long i = -1;
        const std::pair<const char*, long long> integers[]
            = { { "440", 440 }, { " 432 ", 432 }, { "-3", -3 }, { "+7", 7 },
                  { "99999999999999999999", LLONG_MAX }, { "-99999999999999999999", LLONG_MIN } };
        for (const auto& [text, value] : integers) {
            EXPECT_TRUE(settingAsInteger(text, i)) << text;
            EXPECT_EQ(i, value) << text;
        }
        for (const char* bad : { "440.5", "4 40", "", "-", "true", "0x10" })
            EXPECT_FALSE(settingAsInteger(bad, i)) << bad;

        bool b = false;
        EXPECT_TRUE(settingAsBool("true", b));
        EXPECT_TRUE(b);
        EXPECT_TRUE(settingAsBool("No", b));
        EXPECT_FALSE(b);
        EXPECT_TRUE(settingAsBool("1", b));
        EXPECT_TRUE(b);
        for (const char* bad : { "maybe", "2", "" })
            EXPECT_FALSE(settingAsBool(bad, b)) << bad;
    }

    // The file is the user's too: other sections, before and after ours, and
    // comments stay as they were, keys under other sections are not ours even
    // when their names are, and a key new to [General] lands inside it, not at
    // the end of the section before.
    TEST_F(SettingsFile, OtherSectionsAreKeptAndNeverReadAsOurs)
    {
        struct Case {
            const char* what;
            const char* before;
            int pitch; // as read before the edit
            bool closeEnough;
            const char* after;
        };
        // Some open with a UTF-8 byte-order mark, which stays first.
        const Case cases[] = {
            { "[General] between other sections",
                "\xEF\xBB\xBF; Clefmark\n[Window]\nReferencePitchKey=400\n\n[General]\n# A4\n"
                "ReferencePitchKey=450\n\n[Recent]\nCloseEnoughKey=true\n",
                450, false,
                "\xEF\xBB\xBF; Clefmark\n[Window]\nReferencePitchKey=400\n\n[General]\n# A4\n"
                "ReferencePitchKey=445\nCloseEnoughKey=true\n\n[Recent]\nCloseEnoughKey=true\n" },
            { "an empty [General] after another section",
                "[Window]\nWidth=300\n[General]\n[Recent]\nReferencePitchKey=400\n", 440, false,
                "[Window]\nWidth=300\n[General]\nReferencePitchKey=445\nCloseEnoughKey=true\n"
                "[Recent]\nReferencePitchKey=400\n" },
            { "keys before any header",
                "\xEF\xBB\xBF# top\nReferencePitchKey=450\n[Window]\nCloseEnoughKey=true\n", 450,
                false,
                "\xEF\xBB\xBF# top\nReferencePitchKey=445\nCloseEnoughKey=true\n[Window]\n"
                "CloseEnoughKey=true\n" },
            { "no general section at all", "\xEF\xBB\xBF; mine\n[Window]\nReferencePitchKey=400\n",
                440, false,
                "\xEF\xBB\xBF[General]\nReferencePitchKey=445\nCloseEnoughKey=true\n; mine\n"
                "[Window]\nReferencePitchKey=400\n" },
        };
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            write(c.before);
            {
                IniUserDefaults defaults(path());
                defaults.registerInteger(kReferencePitchKey, 440);
                defaults.registerBool(kCloseEnoughKey, false);
                EXPECT_EQ(defaults.integerForKey(kReferencePitchKey), c.pitch);
                EXPECT_EQ(defaults.boolForKey(kCloseEnoughKey), c.closeEnough);
                defaults.setInteger(kReferencePitchKey, 445);
                defaults.setBool(kCloseEnoughKey, true);
            }
            EXPECT_EQ(read(), c.after);
            IniUserDefaults reread(path());
            EXPECT_EQ(reread.integerForKey(kReferencePitchKey), 445);
            EXPECT_TRUE(reread.boolForKey(kCloseEnoughKey));
        }
    }

    // Settings may be private: a save, which writes a new file and renames it
    // over the old, must not widen who can read them.
    TEST_F(SettingsFile, ASaveKeepsTheFilesPermissions)
    {
        for (const mode_t mode : { 0600, 0640 }) {
            write("[General]\nReferencePitchKey=450\n");
            ASSERT_EQ(::chmod(path().toStdString().c_str(), mode), 0);
            IniUserDefaults(path()).setInteger(kReferencePitchKey, 445);
            ASSERT_EQ(read(), "[General]\nReferencePitchKey=445\n");
            struct stat status { };
            ASSERT_EQ(::stat(path().toStdString().c_str(), &status), 0);
            EXPECT_EQ(status.st_mode & 07777, mode)
                << std::oct << "0" << mode << " became 0" << (status.st_mode & 07777);
        }
    }

} // namespace
} // namespace clefmark
