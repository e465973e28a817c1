#include "views/ViewLoader.h"

#include "ViewTestSupport.h"
#include "views/Clefmark.h"
#include "views/GuitarTunerView.h"
#include "views/LevelMeter.h"
#include "views/StatusIndicator.h"
#include "views/TunerMeter.h"

#include <QMainWindow>
#include <QMenuBar>
#include <gtest/gtest.h>

namespace clefmark {
namespace {

    using test::TestResources;

    QByteArray rect(int x, int y, int width, int height)
    {
        return QStringLiteral(
            "<property name=\"geometry\"><rect><x>%1</x><y>%2</y><width>%3</width>"
            "<height>%4</height></rect></property>")
            .arg(x)
            .arg(y)
            .arg(width)
            .arg(height)
            .toUtf8();
    }

    QByteArray widget(const char* className, const char* name, const QByteArray& inside)
    {
        return QByteArray("<widget class=\"") + className + "\" name=\"" + name + "\">" + inside
            + "</widget>";
    }

    /// Every view class in a 400 × 300 form, one level meter inside a frame.
    QByteArray panelDescription()
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ui version=\"4.0\"><class>Panel</class>"
            + widget("QWidget", "Panel",
                rect(0, 0, 400, 300)
                    + widget("GuitarTunerView", "staves",
                        rect(0, 0, 400, 300)
                            + "<property name=\"imageName\"><string>status</string></property>")
                    + widget("TunerMeter", "tunerMeter", rect(10, 20, 65, 30))
                    + widget("Clefmark", "clefmark", rect(100, 10, 40, 280))
                    + widget("StatusIndicator", "statusIndicator", rect(300, 250, 50, 10))
                    + widget("QFrame", "box",
                        rect(200, 100, 120, 80)
                            + widget("LevelMeter", "levelMeter", rect(0, 40, 60, 10)))
                    + widget("AutoResizeView", "plain", rect(5, 6, 7, 8)))
            + "</ui>";
    }

    struct Loaded {
        explicit Loaded(const QByteArray& description)
        {
            resources.addFile(QStringLiteral("Form.ui"), description);
            result = ViewLoader().loadInterface(QStringLiteral("Form"));
        }
        TestResources resources;
        LoadedInterface result;
    };

    TEST(ViewLoader, viewsAreBuiltAsTheirRealClassesWithTheirDesignedFrames)
    {
        Loaded loaded(panelDescription());
        ASSERT_TRUE(loaded.result) << loaded.result.error.toStdString();
        QWidget& panel = *loaded.result.widget;

        struct Case {
            AutoResizeView* view;
            QRectF frame;
            QSizeF parentSize;
        };
        const Case cases[] = {
            { panel.findChild<TunerMeter*>(QStringLiteral("tunerMeter")), { 10, 20, 65, 30 },
                { 400, 300 } },
            { panel.findChild<Clefmark*>(QStringLiteral("clefmark")), { 100, 10, 40, 280 },
                { 400, 300 } },
            { panel.findChild<StatusIndicator*>(QStringLiteral("statusIndicator")),
                { 300, 250, 50, 10 }, { 400, 300 } },
            { panel.findChild<LevelMeter*>(QStringLiteral("levelMeter")), { 0, 40, 60, 10 },
                { 120, 80 } },
            { panel.findChild<AutoResizeView*>(QStringLiteral("plain")), { 5, 6, 7, 8 },
                { 400, 300 } },
        };
        for (const auto& c : cases) {
            ASSERT_NE(c.view, nullptr);
            SCOPED_TRACE(c.view->objectName().toStdString());
            EXPECT_EQ(c.view->originalFrameRect(), c.frame);
            EXPECT_EQ(c.view->originalSuperviewBounds(), QRectF(QPointF(), c.parentSize));
            EXPECT_EQ(c.view->frame(), c.frame);
        }
        auto* staves = panel.findChild<GuitarTunerView*>(QStringLiteral("staves"));
        ASSERT_NE(staves, nullptr);
        EXPECT_EQ(staves->imageName(), QStringLiteral("status"));

        // The staff view places its notes from its designed height.
        const auto* clefmark = panel.findChild<Clefmark*>(QStringLiteral("clefmark"));
        EXPECT_EQ(clefmark->imageData(0).point, QPointF(3, 116));

        panel.show();
        panel.resize(800, 450);
        EXPECT_EQ(cases[0].view->frame(), QRectF(20, 30, 130, 45));
        // The frame is no proportional view: the meter in it stays put.
        EXPECT_EQ(cases[3].view->frame(), QRectF(0, 40, 60, 10));
    }

    QByteArray mainWindowDescription(const QByteArray& centralExtras)
    {
        return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><ui version=\"4.0\"><class>Main</class>"
            + widget("QMainWindow", "Main",
                rect(0, 0, 300, 200)
                    + widget("GuitarTunerView", "centralwidget",
                        centralExtras + widget("TunerMeter", "tunerMeter", rect(30, 40, 65, 20)))
                    + widget("QMenuBar", "menubar",
                        rect(0, 0, 300, 22)
                            + widget("QMenu", "menuFile",
                                "<property name=\"title\"><string>File</string></property>")
                            + "<addaction name=\"menuFile\"/>"))
            + "</ui>";
    }

    TEST(ViewLoader, aMainWindowsViewsScaleWithItsContentArea)
    {
        // The content area is the central widget as the window's layout makes
        // it at the description's size (less the menu bar, or as large as the
        // central widget's minimum), never Qt's default size for a new widget.
        const QByteArray minimum300x200 = "<property name=\"minimumSize\"><size><width>300</width>"
                                          "<height>200</height></size></property>";
        for (const bool withMinimum : { false, true }) {
            SCOPED_TRACE(withMinimum ? "central widget with a minimum size" : "window size only");
            Loaded loaded(mainWindowDescription(withMinimum ? minimum300x200 : QByteArray()));
            ASSERT_TRUE(loaded.result) << loaded.result.error.toStdString();
            auto* window = qobject_cast<QMainWindow*>(loaded.result.widget.get());
            ASSERT_NE(window, nullptr);
            auto* meter = window->findChild<TunerMeter*>(QStringLiteral("tunerMeter"));
            ASSERT_NE(meter, nullptr);

            const QSize content = window->centralWidget()->size();
            const int menuHeight = window->menuBar()->height();
            EXPECT_GT(menuHeight, 0);
            EXPECT_EQ(content, withMinimum ? QSize(300, 200) : QSize(300, 200 - menuHeight));
            EXPECT_EQ(meter->originalSuperviewBounds().size(), QSizeF(content));
            EXPECT_EQ(meter->frame(), QRectF(30, 40, 65, 20));

            window->show();
            EXPECT_EQ(meter->frame(), QRectF(30, 40, 65, 20));
            window->resize(600, 2 * content.height() + menuHeight);
            EXPECT_EQ(meter->frame(), QRectF(60, 80, 130, 40));
        }
    }

    TEST(ViewLoader, failuresSayWhatWentWrong)
    {
        TestResources resources(false);
        ViewLoader loader;
        const LoadedInterface missing = loader.loadInterface(QStringLiteral("Preferences"));
        EXPECT_FALSE(missing);
        EXPECT_TRUE(missing.error.contains(QStringLiteral("Preferences.ui")));
        EXPECT_TRUE(missing.error.contains(resources.path()));

        resources.addFile(QStringLiteral("Broken.ui"), "<ui version=\"4.0\"><widget class=");
        const LoadedInterface broken = loader.loadInterface(QStringLiteral("Broken"));
        EXPECT_FALSE(broken);
        EXPECT_TRUE(broken.error.startsWith(QStringLiteral("Cannot load ")));
    }

    TEST(GuitarTunerView, isOpaqueAndItsPictureCoversItsWholeFrame)
    {
        TestResources resources;
        GuitarTunerView view;
        EXPECT_TRUE(view.testAttribute(Qt::WA_OpaquePaintEvent));
        view.setImageName(QStringLiteral("status"));
        view.resize(120, 40);
        const QImage image = test::render(view);
        EXPECT_EQ(test::pixel(image, 0, 0), TestResources::statusColour);
        EXPECT_EQ(test::pixel(image, 119, 39), TestResources::statusColour);

        // Without a picture it still paints every pixel.
        GuitarTunerView empty;
        empty.resize(20, 20);
        EXPECT_EQ(test::pixel(test::render(empty), 10, 10).alpha(), 255);
    }

} // namespace
} // namespace clefmark
