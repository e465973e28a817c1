#include "ViewTestSupport.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPainter>
#include <gtest/gtest.h>

namespace clefmark::test {
namespace {

    class PaintCounter final : public QObject {
    public:
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override
        {
            if (event->type() == QEvent::Paint)
                ++paints;
            return false;
        }
    };

} // namespace

QColor TestResources::noteColour(int index)
{
    static const QColor colours[]
        = { { 200, 0, 0 }, { 0, 200, 0 }, { 0, 0, 200 }, { 200, 0, 200 } };
    return colours[index];
}

TestResources::TestResources(bool withPictures)
{
    if (qEnvironmentVariableIsSet("CLEFMARK_RESOURCES"))
        previous_ = qgetenv("CLEFMARK_RESOURCES");
    QDir(dir_.path()).mkpath(QStringLiteral("images"));
    qputenv("CLEFMARK_RESOURCES", dir_.path().toLocal8Bit());
    if (!withPictures)
        return;
    const char* names[] = { "WholeNote", "SharpNote", "LineWholeNote", "SharpLineWholeNote" };
    for (int i = 0; i < 4; ++i)
        addImage(
            QStringLiteral("%1.png").arg(QLatin1String(names[i])), solid(kNoteSize, noteColour(i)));
    addImage(QStringLiteral("status.png"), solid(kStatusSize, statusColour));
}

TestResources::~TestResources()
{
    if (previous_)
        qputenv("CLEFMARK_RESOURCES", *previous_);
    else
        qunsetenv("CLEFMARK_RESOURCES");
}

void TestResources::addImage(const QString& fileName, const QImage& image) const
{
    ASSERT_TRUE(image.save(QDir(dir_.path()).filePath(QStringLiteral("images/") + fileName)));
}

void TestResources::addFile(const QString& relativePath, const QByteArray& contents) const
{
    QFile file(QDir(dir_.path()).filePath(relativePath));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(contents);
}

QImage TestResources::solid(QSize size, const QColor& colour)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(colour);
    return image;
}

QImage render(QWidget& widget, qreal devicePixelRatio)
{
    QImage image(widget.size() * devicePixelRatio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image.convertToFormat(QImage::Format_ARGB32);
}

QColor pixel(const QImage& image, int x, int y)
{
    if (!image.valid(x, y))
        return {};
    return image.pixelColor(x, y);
}

QRect paintedRect(const QImage& image)
{
    QRect painted;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 0)
                painted |= QRect(x, y, 1, 1);
        }
    }
    return painted;
}

int paintsDuring(QWidget& view, const std::function<void()>& action)
{
    QApplication::processEvents();
    PaintCounter counter;
    view.installEventFilter(&counter);
    action();
    QApplication::processEvents();
    QApplication::processEvents();
    view.removeEventFilter(&counter);
    return counter.paints;
}

void ManualTimer::start(double seconds, std::function<void()> callback)
{
    pending_ = seconds;
    callback_ = std::move(callback);
    ++starts_;
}

void ManualTimer::cancel()
{
    pending_.reset();
    callback_ = nullptr;
}

bool ManualTimer::fire()
{
    if (!pending_)
        return false;
    auto callback = std::move(callback_);
    cancel();
    callback();
    return true;
}

} // namespace clefmark::test
