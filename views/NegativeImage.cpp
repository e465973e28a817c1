#include "views/NegativeImage.h"

#include <cstring>
#include <limits>

namespace clefmark {
namespace {

    constexpr std::uint8_t inverted(std::uint8_t sample)
    {
        return static_cast<std::uint8_t>(255 - sample);
    }

    /// Inverts the first `colours` samples of each pixel in the columns n picks.
    void invertColumns(Bitmap& bitmap, int n, int colours)
    {
        const int first = n >= 0 ? n : 0;
        const int end = n >= 0 ? bitmap.width : bitmap.width + n;
        const auto s = static_cast<std::size_t>(bitmap.samplesPerPixel);
        for (int r = 0; r < bitmap.height; ++r) {
            for (int x = first; x < end; ++x) {
                const std::size_t pixel
                    = (static_cast<std::size_t>(r) * static_cast<std::size_t>(bitmap.width)
                          + static_cast<std::size_t>(x))
                    * s;
                for (int c = 0; c < colours; ++c)
                    bitmap.samples[pixel + static_cast<std::size_t>(c)]
                        = inverted(bitmap.samples[pixel + static_cast<std::size_t>(c)]);
            }
        }
    }

} // namespace

bool Bitmap::isValid() const
{
    if (width < 0 || height < 0 || samplesPerPixel < 1)
        return false;
    const auto w = static_cast<unsigned long long>(width);
    const auto h = static_cast<unsigned long long>(height);
    const auto s = static_cast<unsigned long long>(samplesPerPixel);
    // Sizes whose product does not fit cannot match any sample count.
    if (h != 0 && w > std::numeric_limits<std::size_t>::max() / s / h)
        return false;
    return samples.size() == w * h * s;
}

Bitmap& invertRGBA(Bitmap& bitmap, int n)
{
    invertColumns(bitmap, n, 3);
    return bitmap;
}

Bitmap& invertRGB(Bitmap& bitmap, int n)
{
    invertColumns(bitmap, n, 3);
    return bitmap;
}

Bitmap& invertGreyAlpha(Bitmap& bitmap, int)
{
    invertColumns(bitmap, 0, 1);
    return bitmap;
}

Bitmap& invertGrey(Bitmap& bitmap, int)
{
    for (auto& sample : bitmap.samples)
        sample = inverted(sample);
    return bitmap;
}

std::optional<Bitmap> negativeImageRep(const Bitmap& bitmap, int n)
{
    using Inverter = Bitmap& (*)(Bitmap&, int);
    Inverter inverter = nullptr;
    switch (bitmap.samplesPerPixel) {
    case 1:
        inverter = invertGrey;
        break;
    case 2:
        inverter = invertGreyAlpha;
        break;
    case 3:
        inverter = invertRGB;
        break;
    case 4:
        inverter = invertRGBA;
        break;
    default:
        return std::nullopt;
    }
    if (!bitmap.isValid())
        return std::nullopt;
    Bitmap copy = bitmap;
    inverter(copy, n);
    return copy;
}

Bitmap bitmapFromImage(const QImage& source)
{
    QImage image;
    Bitmap bitmap;
    switch (source.format()) {
    case QImage::Format_Grayscale8:
        image = source;
        bitmap.samplesPerPixel = 1;
        break;
    case QImage::Format_RGB888:
        image = source;
        bitmap.samplesPerPixel = 3;
        break;
    default:
        image = source.convertToFormat(QImage::Format_RGBA8888);
        bitmap.samplesPerPixel = 4;
        break;
    }
    bitmap.width = image.width();
    bitmap.height = image.height();
    // QImage pads its rows; the bitmap's are packed.
    const auto rowBytes
        = static_cast<std::size_t>(bitmap.width) * static_cast<std::size_t>(bitmap.samplesPerPixel);
    bitmap.samples.resize(rowBytes * static_cast<std::size_t>(bitmap.height));
    for (int r = 0; r < bitmap.height; ++r)
        std::memcpy(bitmap.samples.data() + rowBytes * static_cast<std::size_t>(r),
            image.constScanLine(r), rowBytes);
    return bitmap;
}

QImage imageFromBitmap(const Bitmap& bitmap)
{
    if (!bitmap.isValid() || bitmap.samplesPerPixel > 4)
        return {};
    QImage::Format format = QImage::Format_RGBA8888;
    if (bitmap.samplesPerPixel == 1)
        format = QImage::Format_Grayscale8;
    else if (bitmap.samplesPerPixel == 3)
        format = QImage::Format_RGB888;
    QImage image(bitmap.width, bitmap.height, format);
    if (image.isNull() && bitmap.width != 0 && bitmap.height != 0)
        return {};
    const auto s = static_cast<std::size_t>(bitmap.samplesPerPixel);
    const auto rowBytes = static_cast<std::size_t>(bitmap.width) * s;
    for (int r = 0; r < bitmap.height; ++r) {
        const std::uint8_t* from = bitmap.samples.data() + rowBytes * static_cast<std::size_t>(r);
        std::uint8_t* to = image.scanLine(r);
        if (bitmap.samplesPerPixel != 2) {
            std::memcpy(to, from, rowBytes);
            continue;
        }
        for (int x = 0; x < bitmap.width; ++x, from += 2, to += 4) {
            to[0] = to[1] = to[2] = from[0];
            to[3] = from[1];
        }
    }
    return image;
}

QImage negativeImage(const QImage& image, int n)
{
    const auto negative = negativeImageRep(bitmapFromImage(image), n);
    if (!negative)
        return {};
    QImage result = imageFromBitmap(*negative);
    result.setDevicePixelRatio(image.devicePixelRatio());
    return result;
}

} // namespace clefmark
