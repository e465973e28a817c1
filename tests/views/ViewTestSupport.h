// Fixtures for the views' tests, which run in the shared offscreen
// application (tests/support/QtEnvironment): a temporary resources folder
// with simple pictures, rendering a view to an image, a timer the test steps
// itself, and counting redraws.
#pragma once

#include "views/OneShotTimer.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QTemporaryDir>
#include <QWidget>
#include <functional>
#include <optional>

namespace clefmark::test {

/// A folder of resources that CLEFMARK_RESOURCES points to while the object
/// lives. It starts with the four note pictures, each one solid colour
/// (`noteColour`) and 16 × 48 units, and a 50 × 10 "status" picture of
/// `statusColour`.
class TestResources {
public:
    static constexpr QSize kNoteSize { 16, 48 };
    static constexpr QSize kStatusSize { 50, 10 };
    static QColor noteColour(int index);
    static inline const QColor statusColour { 10, 20, 30 };
    static inline const QColor statusNegative { 245, 235, 225 };

    /// `withPictures` false leaves the folder empty.
    explicit TestResources(bool withPictures = true);
    ~TestResources();
    TestResources(const TestResources&) = delete;
    TestResources& operator=(const TestResources&) = delete;

    QString path() const { return dir_.path(); }
    /// Writes `image` as `images/<fileName>`.
    void addImage(const QString& fileName, const QImage& image) const;
    /// Writes `contents` as `<relativePath>`.
    void addFile(const QString& relativePath, const QByteArray& contents) const;
    static QImage solid(QSize size, const QColor& colour);

private:
    QTemporaryDir dir_;
    std::optional<QByteArray> previous_;
};

/// `widget` and its children alone on a transparent image at `devicePixelRatio`.
QImage render(QWidget& widget, qreal devicePixelRatio = 1.0);

/// The pixel's colour with its alpha; invalid outside the image.
QColor pixel(const QImage& image, int x, int y);

/// The smallest rectangle holding every pixel that is not fully transparent.
QRect paintedRect(const QImage& image);

/// How many times `view` was painted while `action` ran and the event loop
/// then settled. The view must be visible.
int paintsDuring(QWidget& view, const std::function<void()>& action);

/// A one-shot timer that fires only when the test says so.
class ManualTimer final : public OneShotTimer {
public:
    void start(double seconds, std::function<void()> callback) override;
    void cancel() override;

    /// The delay of the pending call, if any.
    std::optional<double> pending() const { return pending_; }
    int starts() const { return starts_; }
    /// Runs the pending call; false when there is none.
    bool fire();

private:
    std::optional<double> pending_;
    std::function<void()> callback_;
    int starts_ = 0;
};

} // namespace clefmark::test
