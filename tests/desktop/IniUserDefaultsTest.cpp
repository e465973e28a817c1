#include "desktop/IniUserDefaults.h"

#include "desktop/QueuedMainThread.h"
#include "tests/support/AudioFiles.h"
#include "tests/support/QtEnvironment.h"
#include "tuner/Tuner.h"

#include <QFile>
#include <QStandardPaths>
#include <QVariant>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace clefmark {
namespace {

    // Warnings go to standard error through Qt's logging; tests read them here.
    QStringList* capturedWarnings = nullptr;

    void captureMessage(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (capturedWarnings != nullptr && type == QtWarningMsg)
            capturedWarnings->append(message);
    }

    class WarningCapture {
    public:
        WarningCapture()
        {
            capturedWarnings = &warnings;
            previous_ = qInstallMessageHandler(captureMessage);
        }
        ~WarningCapture()
        {
            qInstallMessageHandler(previous_);
            capturedWarnings = nullptr;
        }
        QStringList warnings;

    private:
        QtMessageHandler previous_;
    };

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

    TEST_F(SettingsFile, StringsFromTheFileAreReadAsTheTypeAskedFor)
    {
        write("[General]\nReferencePitchKey=440\nOctaveRejectionKey=false\nCloseEnoughKey=true\n"
              "A=no\nB=yes\nC=0\nD=1\nE= 445 \nF=FALSE\nG=off\n");
        QSettingsUserDefaults defaults(path());
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
        QSettingsUserDefaults defaults(path());
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
        QSettingsUserDefaults defaults(path());
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

    TEST_F(SettingsFile, TheTunerWritesOnlyAtTerminationAndReadsItBackAfterARestart)
    {
        QueuedMainThread mainThread;
        {
            QSettingsUserDefaults defaults(path());
            Tuner tuner(defaults, mainThread);
            EXPECT_TRUE(tuner.isFirstLaunch());
            tuner.setReferencePitch(445);
            tuner.setOctaveRejection(true);
            tuner.setCloseEnough(false);
            EXPECT_FALSE(exists());
            tuner.applicationWillTerminate();
            EXPECT_TRUE(exists());
        }
        const std::string text = read();
        EXPECT_NE(text.find("ReferencePitchKey=445"), std::string::npos) << text;
        EXPECT_NE(text.find("OctaveRejectionKey=true"), std::string::npos) << text;
        EXPECT_NE(text.find("CloseEnoughKey=false"), std::string::npos) << text;

        // A new process: every value comes back as a string.
        QSettingsUserDefaults defaults(path());
        Tuner tuner(defaults, mainThread);
        EXPECT_FALSE(tuner.isFirstLaunch());
        EXPECT_EQ(tuner.referencePitch(), 445);
        EXPECT_TRUE(tuner.octaveRejection());
        EXPECT_FALSE(tuner.closeEnough());
    }

    TEST_F(SettingsFile, AFailedSaveIsReported)
    {
        if (::geteuid() == 0)
            GTEST_SKIP() << "root writes into read-only folders";
        std::filesystem::create_directories(dir.path() / "config/Clefmark");
        ::chmod((dir.path() / "config/Clefmark").c_str(), 0500);
        WarningCapture capture;
        {
            QSettingsUserDefaults defaults(path());
            defaults.setInteger(kReferencePitchKey, 441);
        }
        ::chmod((dir.path() / "config/Clefmark").c_str(), 0700);
        ASSERT_FALSE(capture.warnings.isEmpty());
        EXPECT_TRUE(capture.warnings.back().contains(u"could not save the settings"));
    }

    TEST_F(SettingsFile, AFileInTheWayOfTheFolderIsReported)
    {
        // Works for root too: a file where the folder must be cannot be
        // written through.
        std::ofstream(dir.file("config")) << "not a folder";
        WarningCapture capture;
        {
            QSettingsUserDefaults defaults(path());
            defaults.setBool(kCloseEnoughKey, true);
        }
        ASSERT_FALSE(capture.warnings.isEmpty());
        EXPECT_TRUE(capture.warnings.back().contains(u"could not save the settings"))
            << capture.warnings.back().toStdString();
    }

    TEST(QSettingsUserDefaults, TheUsersFileIsInTheConfigFolder)
    {
        QSettingsUserDefaults defaults;
        EXPECT_EQ(defaults.fileName(),
            QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
                + QStringLiteral("/Clefmark/Clefmark.ini"));
    }

    TEST(SettingValues, ConversionTable)
    {
        int i = -1;
        EXPECT_TRUE(settingAsInteger(QVariant(QStringLiteral("440")), i));
        EXPECT_EQ(i, 440);
        EXPECT_TRUE(settingAsInteger(QVariant(432), i));
        EXPECT_EQ(i, 432);
        EXPECT_TRUE(settingAsInteger(QVariant(QStringLiteral("-3")), i));
        EXPECT_EQ(i, -3);
        for (const QVariant& bad : { QVariant(QStringLiteral("440.5")),
                 QVariant(QStringLiteral("4 40")), QVariant(QStringLiteral("")), QVariant(true) })
            EXPECT_FALSE(settingAsInteger(bad, i)) << bad.toString().toStdString();

        bool b = false;
        EXPECT_TRUE(settingAsBool(QVariant(true), b));
        EXPECT_TRUE(b);
        EXPECT_TRUE(settingAsBool(QVariant(QStringLiteral("No")), b));
        EXPECT_FALSE(b);
        EXPECT_TRUE(settingAsBool(QVariant(1), b));
        EXPECT_TRUE(b);
        for (const QVariant& bad : { QVariant(QStringLiteral("maybe")),
                 QVariant(QStringLiteral("2")), QVariant(QStringLiteral("")) })
            EXPECT_FALSE(settingAsBool(bad, b)) << bad.toString().toStdString();
    }

} // namespace
} // namespace clefmark
