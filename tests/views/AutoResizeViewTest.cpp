#include "views/AutoResizeView.h"

#include "ViewTestSupport.h"

#include <gtest/gtest.h>
#include <memory>

namespace clefmark {
namespace {

    /// A shown window holding a parent of `parentSize` at `parentOrigin`,
    /// which the tests resize as the window's content area would be.
    struct Stage {
        explicit Stage(QSize parentSize, QPoint parentOrigin = {})
        {
            window.resize(1000, 1000);
            parent = new QWidget(&window);
            parent->setGeometry(QRect(parentOrigin, parentSize));
            window.show();
        }
        QWidget window;
        QWidget* parent;
    };

    TEST(AutoResizeView, framesScaleWithTheParentWhateverSizesItPassesThrough)
    {
        Stage stage({ 200, 100 });
        AutoResizeView view(QRectF(10, 20, 30, 40), stage.parent);
        EXPECT_EQ(view.originalSuperviewBounds(), QRectF(0, 0, 200, 100));

        for (const QSize size :
            { QSize(300, 120), QSize(250, 250), QSize(120, 90), QSize(400, 150) })
            stage.parent->resize(size);
        EXPECT_EQ(view.frame(), QRectF(20, 30, 60, 60));
        EXPECT_EQ(view.geometry(), QRect(20, 30, 60, 60));
        EXPECT_EQ(view.bounds(), QRectF(0, 0, 60, 60));

        stage.parent->resize(333, 177);
        stage.parent->resize(200, 100);
        EXPECT_EQ(view.frame(), QRectF(10, 20, 30, 40));
        EXPECT_EQ(view.originalFrameRect(), QRectF(10, 20, 30, 40));
    }

    TEST(AutoResizeView, whereTheParentSitsPlaysNoPart)
    {
        Stage atZero({ 200, 100 });
        Stage elsewhere({ 200, 100 }, { 37, 53 });
        AutoResizeView a(QRectF(10, 20, 30, 40), atZero.parent);
        AutoResizeView b(QRectF(10, 20, 30, 40), elsewhere.parent);
        atZero.parent->resize(290, 130);
        elsewhere.parent->resize(290, 130);
        EXPECT_EQ(a.frame(), b.frame());
        EXPECT_EQ(a.frame(), QRectF(14.5, 26, 43.5, 52));
    }

    TEST(AutoResizeView, aMovedViewKeepsComparingAgainstItsFirstParent)
    {
        Stage first({ 200, 100 });
        Stage second({ 50, 50 });
        AutoResizeView view(QRectF(10, 20, 30, 40), first.parent);
        view.setParent(second.parent);
        EXPECT_EQ(view.originalSuperviewBounds(), QRectF(0, 0, 200, 100));

        second.parent->resize(400, 200);
        EXPECT_EQ(view.frame(), QRectF(20, 40, 60, 80));
        // The old parent no longer moves it.
        first.parent->resize(600, 300);
        EXPECT_EQ(view.frame(), QRectF(20, 40, 60, 80));
    }

    TEST(AutoResizeView, aViewPlacedLaterRecordsTheParentItIsPlacedIn)
    {
        Stage stage({ 200, 100 });
        AutoResizeView view(QRectF(10, 20, 30, 40));
        EXPECT_FALSE(view.isOriginalSuperviewBoundsSet());
        view.setParent(stage.parent);
        EXPECT_TRUE(view.isOriginalSuperviewBoundsSet());
        EXPECT_EQ(view.originalSuperviewBounds(), QRectF(0, 0, 200, 100));
        stage.parent->resize(100, 50);
        EXPECT_EQ(view.frame(), QRectF(5, 10, 15, 20));
    }

    TEST(AutoResizeView, aParentRecordedAtZeroSizeLeavesTheFrameAlone)
    {
        for (const QSize recorded : { QSize(0, 0), QSize(0, 100), QSize(200, 0) }) {
            Stage stage(recorded);
            AutoResizeView view(QRectF(10, 20, 30, 40), stage.parent);
            stage.parent->resize(400, 300);
            EXPECT_EQ(view.frame(), QRectF(10, 20, 30, 40));
        }
    }

    TEST(AutoResizeView, theDesignedPlacementReplacesTheLiveOne)
    {
        // As a loader builds it: default geometry in a parent of default size,
        // the design's geometry applied afterwards.
        Stage stage({ 100, 30 });
        AutoResizeView view(stage.parent);
        stage.parent->resize(400, 300);
        view.setOriginalGeometry(QRectF(40, 30, 80, 60), QSizeF(200, 150));
        EXPECT_EQ(view.originalFrameRect(), QRectF(40, 30, 80, 60));
        EXPECT_EQ(view.originalSuperviewBounds(), QRectF(0, 0, 200, 150));
        // Fitted to the parent's size at once.
        EXPECT_EQ(view.frame(), QRectF(80, 60, 160, 120));
        stage.parent->resize(200, 150);
        EXPECT_EQ(view.frame(), QRectF(40, 30, 80, 60));
    }

    TEST(AutoResizeView, fractionalFramesRoundEachEdgeSoNeighboursStillMeet)
    {
        EXPECT_EQ(pixelRect(QRectF(12.5, 0.4, 37.5, 10.2)), QRect(13, 0, 37, 11));
        EXPECT_EQ(
            pixelRect(QRectF(0, 0, 12.5, 1)).right() + 1, pixelRect(QRectF(12.5, 0, 10, 1)).left());

        // Someone else setting the geometry is believed.
        AutoResizeView view(QRectF(1.5, 0, 10, 10));
        view.setGeometry(5, 6, 7, 8);
        EXPECT_EQ(view.frame(), QRectF(5, 6, 7, 8));
    }

} // namespace
} // namespace clefmark
