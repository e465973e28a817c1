#include "panels/About.h"
#include "panels/HelpPanel.h"
#include "panels/HotText.h"
#include "tests/panels/PanelTestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace clefmark {
namespace {

    /// What is alike in the about and help panels.
    struct PanelKind {
        const char* name;
        QString interfaceName;
        std::function<std::unique_ptr<QObject>()> make;
        std::function<void(QObject*)> show;
        std::function<QWidget*(QObject*)> window;
    };

    void PrintTo(const PanelKind& kind, std::ostream* out)
    {
        *out << kind.name;
    }

    PanelKind aboutKind()
    {
        return { "About", QStringLiteral("About"), [] { return std::make_unique<About>(); },
            [](QObject* o) { static_cast<About*>(o)->showPanel(); },
            [](QObject* o) { return static_cast<About*>(o)->aboutWindow(); } };
    }

    PanelKind helpKind()
    {
        return { "Help", QStringLiteral("Help"), [] { return std::make_unique<HelpPanel>(); },
            [](QObject* o) { static_cast<HelpPanel*>(o)->showPanel(); },
            [](QObject* o) { return static_cast<HelpPanel*>(o)->window(); } };
    }

    class PanelKindTest : public ::testing::TestWithParam<PanelKind> { };

    TEST_P(PanelKindTest, KeepsItsPlaceOnScreenAndCentresWhenShownAgain)
    {
        const PanelKind& kind = GetParam();
        auto panel = kind.make();
        kind.show(panel.get());
        QWidget* window = kind.window(panel.get());
        ASSERT_NE(window, nullptr);
        EXPECT_TRUE(window->isVisible());
        const QRect available = window->screen()->availableGeometry();

        window->move(available.topLeft() + QPoint(21, 8));
        const QPoint placed = window->pos();
        kind.show(panel.get());
        EXPECT_EQ(window->pos(), placed);
        EXPECT_EQ(kind.window(panel.get()), window);

        window->close();
        kind.show(panel.get());
        // Within the frame's margins, unknown before the first showing.
        EXPECT_LE((window->frameGeometry().center() - available.center()).manhattanLength(), 8);
    }

    TEST_P(PanelKindTest, FailsAloneAndTriesAgain)
    {
        const PanelKind& kind = GetParam();
        const PanelKind other = kind.interfaceName == u"About" ? helpKind() : aboutKind();
        // A resources folder with every description but this panel's.
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(
            QFile::copy(QStringLiteral(CLEFMARK_RESOURCES_DIR "/%1.ui").arg(other.interfaceName),
                folder.filePath(other.interfaceName + QStringLiteral(".ui"))));

        auto panel = kind.make();
        auto otherPanel = other.make();
        {
            test::ResourcesAt resources(folder.path());
            test::LogCapture log;
            kind.show(panel.get());
            kind.show(panel.get());
            other.show(otherPanel.get());
            const QString line = QStringLiteral("Failed to load %1.nib").arg(kind.interfaceName);
            EXPECT_EQ(log.count(line), 2) << log.lines().join(u'\n').toStdString();
            EXPECT_EQ(kind.window(panel.get()), nullptr);
            ASSERT_NE(other.window(otherPanel.get()), nullptr);
            EXPECT_TRUE(other.window(otherPanel.get())->isVisible());
        }
        kind.show(panel.get());
        ASSERT_NE(kind.window(panel.get()), nullptr);
        EXPECT_TRUE(kind.window(panel.get())->isVisible());
    }

    INSTANTIATE_TEST_SUITE_P(Panels, PanelKindTest, ::testing::Values(aboutKind(), helpKind()),
        [](const ::testing::TestParamInfo<PanelKind>& info) {
            return std::string(info.param.name);
        });

    constexpr char kHost[] = "clefmark.test";

    TEST(AboutTest, ShowsThisBuildsVersionLicenceAndLinks)
    {
        About about(nullptr, QString::fromLatin1(kHost));
        about.showPanel();
        QWidget* window = about.aboutWindow();
        ASSERT_NE(window, nullptr);
        auto* version = window->findChild<QLabel*>(QStringLiteral("versionLabel"));
        ASSERT_NE(version, nullptr);
        EXPECT_TRUE(version->text().contains(QStringLiteral(CLEFMARK_EXPECTED_VERSION)));

        QString everything;
        for (const QLabel* label : window->findChildren<QLabel*>())
            everything += label->text() + u'\n';
        EXPECT_TRUE(everything.contains(u"GPL-3.0-or-later"));

        test::OpenedUrls opened;
        const QList<HotText*> links = window->findChildren<HotText*>();
        ASSERT_EQ(links.size(), 2);
        for (HotText* link : links) {
            EXPECT_EQ(link->textInteractionFlags(), Qt::NoTextInteraction);
            QTest::mouseClick(link, Qt::LeftButton, {}, link->rect().center());
        }
        ASSERT_EQ(opened.urls.size(), 2u);
        EXPECT_EQ(opened.urls[0], QUrl(QStringLiteral("http://%1/").arg(kHost)));
        EXPECT_EQ(opened.urls[1].host(), u"www.gnu.org");
    }

    TEST(AboutTest, TabReachesEachLinkAndReturnOpensIt)
    {
        About about(nullptr, QString::fromLatin1(kHost));
        about.showPanel();
        QWidget* window = about.aboutWindow();
        ASSERT_NE(window, nullptr);
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));

        test::OpenedUrls opened;
        QList<HotText*> reached;
        for (int i = 0; i < 4; ++i) {
            QWidget* focus = QApplication::focusWidget();
            if (auto* link = qobject_cast<HotText*>(focus); link != nullptr) {
                if (!reached.contains(link))
                    reached.append(link);
                QTest::keyClick(link, Qt::Key_Return);
            }
            QTest::keyClick(focus != nullptr ? focus : window, Qt::Key_Tab);
        }
        EXPECT_EQ(reached.size(), 2);
        ASSERT_GE(opened.urls.size(), 2u);
        EXPECT_EQ(opened.urls[0], QUrl(QStringLiteral("http://%1/").arg(kHost)));
        EXPECT_EQ(opened.urls[1].host(), u"www.gnu.org");
    }

    TEST(AboutTest, WithoutAHostShowsOnlyTheLicenceLink)
    {
        About about(nullptr, QString());
        about.showPanel();
        ASSERT_NE(about.aboutWindow(), nullptr);
        QList<HotText*> shown;
        for (HotText* link : about.aboutWindow()->findChildren<HotText*>()) {
            if (!link->isHidden())
                shown.append(link);
        }
        ASSERT_EQ(shown.size(), 1);
        EXPECT_TRUE(shown[0]->text().contains(u"gnu.org"));
    }

    TEST(HelpPanelTest, ButtonOpensTheWebPageOrElseTheManual)
    {
        // Resources with a manual, as the build tree has them.
        QTemporaryDir folder;
        ASSERT_TRUE(folder.isValid());
        for (const char* name : { "Help.ui", "manual.md" }) {
            ASSERT_TRUE(QFile::copy(QStringLiteral(CLEFMARK_RESOURCES_DIR "/%1").arg(name),
                folder.filePath(QString::fromLatin1(name))));
        }
        QFile html(folder.filePath(QStringLiteral("manual.html")));
        ASSERT_TRUE(html.open(QIODevice::WriteOnly) && html.write("<p>manual</p>") > 0);
        html.close();
        test::ResourcesAt resources(folder.path());

        const struct {
            QString host, text;
            QUrl opened;
            QString withNoBrowser;
        } cases[] = {
            { QString::fromLatin1(kHost), QStringLiteral("Help on the Web…"),
                QUrl(QStringLiteral("http://clefmark.test/help/")),
                QStringLiteral("No web browser was found to open http://clefmark.test/help/.") },
            { QString(), QStringLiteral("Open the Manual…"), QUrl::fromLocalFile(html.fileName()),
                QStringLiteral("No web browser was found to open the manual. It is at %1.")
                    .arg(QFileInfo(html.fileName()).absoluteFilePath()) },
        };
        for (const auto& c : cases) {
            SCOPED_TRACE(c.host.toStdString());
            QStringList alerts;
            HelpPanel help(nullptr, c.host, [&](const QString& title) { alerts << title; });
            help.showPanel();
            ASSERT_NE(help.window(), nullptr);
            auto* button
                = help.window()->findChild<QAbstractButton*>(QStringLiteral("visitWebSiteButton"));
            ASSERT_NE(button, nullptr);
            EXPECT_EQ(button->text().remove(u'&'), c.text);

            test::OpenedUrls opened;
            QTest::mouseClick(button, Qt::LeftButton);
            ASSERT_EQ(opened.urls.size(), 1u);
            EXPECT_EQ(opened.urls[0], c.opened);
            EXPECT_TRUE(alerts.isEmpty());

            // Nothing to open it with: said, with where to find it.
            opened.opens = false;
            QTest::mouseClick(button, Qt::LeftButton);
            EXPECT_EQ(alerts, QStringList { c.withNoBrowser });
        }
    }

    TEST(HelpPanelTest, WithNeitherHostNorManualTheButtonIsOff)
    {
        const HelpButton button = helpButtonFor(QString(), QString());
        EXPECT_FALSE(button.target.isValid());
        EXPECT_EQ(QString(button.text).remove(u'&'), u"Open the Manual…");
    }

    TEST(HelpPanelTest, TextIsLoaded)
    {
        HelpPanel help;
        help.showPanel();
        ASSERT_NE(help.window(), nullptr);
        auto* text = help.window()->findChild<QTextBrowser*>();
        ASSERT_NE(text, nullptr);
        // Markdown rendered, not shown as source.
        EXPECT_TRUE(text->toPlainText().contains(u"Sound Settings…"));
        EXPECT_FALSE(text->toPlainText().contains(u"**"));
    }

} // namespace
} // namespace clefmark
