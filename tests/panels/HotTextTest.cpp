#include "panels/HotText.h"

#include "panels/AccessibleLink.h"
#include "tests/panels/PanelTestSupport.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace clefmark {
namespace {

    enum class Step { Press, Move, Release };

    struct PointerStep {
        Step step;
        QPoint at; // in the field's coordinates
    };

    struct Click {
        const char* name;
        std::vector<PointerStep> steps;
        bool opens;
    };

    void PrintTo(const Click& click, std::ostream* out)
    {
        *out << click.name;
    }

    /// A field in a window with room around it, as in a panel.
    class HotTextTest : public ::testing::TestWithParam<Click> {
    protected:
        void SetUp() override
        {
            // Before any field exists: Qt makes a widget's interface once.
            installLinkAccessibility();
            window = std::make_unique<QWidget>();
            window->resize(300, 120);
            field = new HotText(window.get());
            field->setText(QStringLiteral("clefmark.example.org/download/"));
            field->setGeometry(50, 50, 200, 20);
            window->show();
            ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        }

        void run(const std::vector<PointerStep>& steps)
        {
            for (const PointerStep& s : steps) {
                switch (s.step) {
                case Step::Press:
                    QTest::mousePress(field, Qt::LeftButton, {}, s.at);
                    break;
                case Step::Move:
                    QTest::mouseMove(field, s.at);
                    break;
                case Step::Release:
                    QTest::mouseRelease(field, Qt::LeftButton, {}, s.at);
                    break;
                }
            }
        }

        test::OpenedUrls opened;
        std::unique_ptr<QWidget> window;
        HotText* field = nullptr;
    };

    TEST_P(HotTextTest, OpensOnlyWhenReleasedOverTheField)
    {
        run(GetParam().steps);
        if (GetParam().opens) {
            ASSERT_EQ(opened.urls.size(), 1u);
            EXPECT_EQ(
                opened.urls[0], QUrl(QStringLiteral("http://clefmark.example.org/download/")));
        } else {
            EXPECT_TRUE(opened.urls.empty());
        }
        EXPECT_FALSE(field->hasSelectedText());
        EXPECT_EQ(field->text(), u"clefmark.example.org/download/");
    }

    const QPoint kInside(100, 10);
    const QPoint kCorner(0, 0);
    const QPoint kOutsideLeft(-30, 10);
    const QPoint kBelow(100, 40);

    const Click kClicks[] = {
        { "ReleaseInside", { { Step::Press, kInside }, { Step::Release, kInside } }, true },
        { "ReleaseAtCorner", { { Step::Press, kInside }, { Step::Release, kCorner } }, true },
        { "ReleaseOutside", { { Step::Press, kInside }, { Step::Release, kOutsideLeft } }, false },
        { "DragOutAndRelease",
            { { Step::Press, kInside }, { Step::Move, kBelow }, { Step::Release, kBelow } },
            false },
        { "DragOutAndBackIn",
            { { Step::Press, kInside }, { Step::Move, kBelow }, { Step::Move, kOutsideLeft },
                { Step::Move, kInside }, { Step::Release, kInside } },
            true },
        { "DragAcrossTheText",
            { { Step::Press, QPoint(2, 10) }, { Step::Move, QPoint(190, 10) },
                { Step::Release, QPoint(190, 10) } },
            true },
        { "ReleaseWithoutPress", { { Step::Release, kInside } }, false },
    };

    INSTANTIATE_TEST_SUITE_P(Table, HotTextTest, ::testing::ValuesIn(kClicks),
        [](const ::testing::TestParamInfo<Click>& info) { return std::string(info.param.name); });

    TEST_F(HotTextTest, ShowsTheFingerWithItsTipAsHotSpot)
    {
        const QCursor cursor = field->cursor();
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_FALSE(cursor.pixmap().isNull());
        EXPECT_EQ(cursor.hotSpot(), QPoint(6, 0));
        EXPECT_EQ(cursor.pixmap().cacheKey(), HotText::fingerCursor().pixmap().cacheKey());
        // The window around the field keeps the ordinary arrow.
        EXPECT_EQ(window->cursor().shape(), Qt::ArrowCursor);
    }

    TEST_F(HotTextTest, KeyboardAndMouseNeverEditOrSelect)
    {
        EXPECT_EQ(field->textInteractionFlags(), Qt::NoTextInteraction);
        // Tab reaches it; a click opens it without taking the focus.
        EXPECT_EQ(field->focusPolicy(), Qt::TabFocus);
        QTest::mouseDClick(field, Qt::LeftButton, {}, kInside);
        EXPECT_FALSE(field->hasSelectedText());
    }

    TEST_F(HotTextTest, ReturnEnterAndSpaceOpenItAndNothingElseDoes)
    {
        struct Key {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            bool opens;
        };
        const Key keys[] = {
            { Qt::Key_Return, Qt::NoModifier, true },
            { Qt::Key_Enter, Qt::KeypadModifier, true },
            { Qt::Key_Space, Qt::NoModifier, true },
            { Qt::Key_Return, Qt::ControlModifier, false },
            { Qt::Key_A, Qt::NoModifier, false },
            { Qt::Key_Tab, Qt::NoModifier, false },
        };
        for (const Key& k : keys) {
            SCOPED_TRACE(QKeySequence(k.key | k.modifiers).toString().toStdString());
            opened.urls.clear();
            QTest::keyClick(field, k.key, k.modifiers);
            EXPECT_EQ(opened.urls.size(), k.opens ? 1u : 0u);
        }
    }

    TEST_F(HotTextTest, TheFocusIsSeenAroundTheText)
    {
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        // The active window gives the field the focus at once: take it away.
        field->clearFocus();
        const QImage without = field->grab().toImage();
        field->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(field->hasFocus());
        const QImage with = field->grab().toImage();
        ASSERT_EQ(with.size(), without.size());
        const QColor highlight = field->palette().color(QPalette::Highlight);
        int changed = 0;
        for (int y = 0; y < with.height(); ++y)
            for (int x = 0; x < with.width(); ++x)
                if (with.pixel(x, y) != without.pixel(x, y)) {
                    EXPECT_EQ(QColor(with.pixel(x, y)), highlight) << x << ", " << y;
                    ++changed;
                }
        // A frame around the text, not a dot: at least its two long sides.
        const int textWidth = field->fontMetrics().horizontalAdvance(field->text());
        EXPECT_GE(changed, 2 * textWidth);
    }

    TEST_F(HotTextTest, AScreenReaderFindsALinkItCanFollow)
    {
        QAccessibleInterface* link = QAccessible::queryAccessibleInterface(field);
        ASSERT_NE(link, nullptr);
        EXPECT_EQ(link->role(), QAccessible::Link);
        EXPECT_EQ(link->text(QAccessible::Name), u"clefmark.example.org/download/");
        EXPECT_TRUE(link->state().focusable);
        QAccessibleActionInterface* actions = link->actionInterface();
        ASSERT_NE(actions, nullptr);
        ASSERT_FALSE(actions->actionNames().isEmpty());
        EXPECT_EQ(actions->actionNames().first(), QAccessibleActionInterface::pressAction());
        actions->doAction(QAccessibleActionInterface::pressAction());
        ASSERT_EQ(opened.urls.size(), 1u);
        EXPECT_EQ(opened.urls[0], QUrl(QStringLiteral("http://clefmark.example.org/download/")));
    }

} // namespace
} // namespace clefmark
