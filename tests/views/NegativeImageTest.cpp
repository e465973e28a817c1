#include "views/NegativeImage.h"

#include <climits>
#include <gtest/gtest.h>
#include <vector>

namespace clefmark {
namespace {

    /// `width` × `height` pixels, every one `pixel`.
    Bitmap uniform(int width, int height, std::vector<std::uint8_t> pixel)
    {
        Bitmap bitmap { width, height, static_cast<int>(pixel.size()), {} };
        for (int i = 0; i < width * height; ++i)
            bitmap.samples.insert(bitmap.samples.end(), pixel.begin(), pixel.end());
        return bitmap;
    }

    /// Which columns of row `row` differ from the pixel `original`: '-' kept, 'x' changed.
    std::string changedColumns(
        const Bitmap& bitmap, const std::vector<std::uint8_t>& original, int row = 0)
    {
        std::string columns;
        const auto s = static_cast<std::size_t>(bitmap.samplesPerPixel);
        for (int x = 0; x < bitmap.width; ++x) {
            const auto start
                = (static_cast<std::size_t>(row) * static_cast<std::size_t>(bitmap.width)
                      + static_cast<std::size_t>(x))
                * s;
            const std::vector<std::uint8_t> pixel(bitmap.samples.begin() + static_cast<long>(start),
                bitmap.samples.begin() + static_cast<long>(start + s));
            columns += pixel == original ? '-' : 'x';
        }
        return columns;
    }

    struct ColumnCase {
        int n;
        const char* changed;
    };

    TEST(NegativeImage, colourBitmapsInvertTheColumnsTheArgumentPicks)
    {
        const ColumnCase cases[] = {
            { 0, "xxxx" },
            { 1, "-xxx" },
            { -1, "xxx-" },
            { 3, "---x" },
            { -3, "x---" },
            { 4, "----" },
            { -4, "----" },
            { 99, "----" },
            { INT_MAX, "----" },
            { INT_MIN, "----" },
        };
        for (const auto& pixel : { std::vector<std::uint8_t> { 10, 20, 30, 40 },
                 std::vector<std::uint8_t> { 10, 20, 30 } }) {
            const Bitmap source = uniform(4, 2, pixel);
            for (const auto& c : cases) {
                SCOPED_TRACE(testing::Message() << pixel.size() << " samples, n = " << c.n);
                const auto negative = negativeImageRep(source, c.n);
                ASSERT_TRUE(negative);
                EXPECT_EQ(changedColumns(*negative, pixel, 0), c.changed);
                EXPECT_EQ(changedColumns(*negative, pixel, 1), c.changed);
            }
        }
    }

    TEST(NegativeImage, colourInversionComplementsColoursAndKeepsAlpha)
    {
        const auto rgba = negativeImageRep(uniform(4, 1, { 10, 20, 30, 40 }), 0);
        ASSERT_TRUE(rgba);
        EXPECT_EQ(*rgba, uniform(4, 1, { 245, 235, 225, 40 }));

        const auto rgb = negativeImageRep(uniform(2, 1, { 0, 128, 255 }), 0);
        ASSERT_TRUE(rgb);
        EXPECT_EQ(*rgb, uniform(2, 1, { 255, 127, 0 }));
    }

    TEST(NegativeImage, greyBitmapsAreInvertedWholeWhateverTheArgument)
    {
        for (const int n : { 0, 1, -1, 5, INT_MIN }) {
            SCOPED_TRACE(n);
            EXPECT_EQ(negativeImageRep(uniform(3, 2, { 10, 40 }), n), uniform(3, 2, { 245, 40 }));
            EXPECT_EQ(negativeImageRep(uniform(3, 2, { 10 }), n), uniform(3, 2, { 245 }));
        }
    }

    TEST(NegativeImage, bitmapsItCannotReadHaveNoNegative)
    {
        EXPECT_FALSE(negativeImageRep(uniform(2, 2, { 1, 2, 3, 4, 5 }), 0));
        EXPECT_FALSE(negativeImageRep(Bitmap { 2, 2, 0, {} }, 0));
        EXPECT_FALSE(negativeImageRep(Bitmap { 2, 2, 3, std::vector<std::uint8_t>(11) }, 0));
        EXPECT_FALSE(negativeImageRep(Bitmap { -1, 2, 1, {} }, 0));
        EXPECT_FALSE(negativeImageRep(Bitmap { INT_MAX, INT_MAX, 4, {} }, 0));
        EXPECT_TRUE(negativeImageRep(Bitmap { 0, 0, 4, {} }, 0));
    }

    TEST(NegativeImage, theSourceStaysAsItWasAndEachNegativeIsItsOwn)
    {
        const Bitmap source = uniform(4, 1, { 10, 20, 30, 40 });
        const Bitmap before = source;
        const auto left = negativeImageRep(source, -2);
        const auto right = negativeImageRep(source, 2);
        EXPECT_EQ(source, before);
        EXPECT_EQ(changedColumns(*left, { 10, 20, 30, 40 }), "xx--");
        EXPECT_EQ(changedColumns(*right, { 10, 20, 30, 40 }), "--xx");
    }

    TEST(NegativeImage, imagesConvertToPackedSamplesAndBack)
    {
        // Three-pixel RGB rows are 9 bytes, padded to 12 in a QImage.
        QImage rgb(3, 2, QImage::Format_RGB888);
        rgb.fill(QColor(1, 2, 3));
        rgb.setPixelColor(2, 1, QColor(7, 8, 9));
        const Bitmap packed = bitmapFromImage(rgb);
        EXPECT_EQ(packed.samplesPerPixel, 3);
        ASSERT_EQ(packed.samples.size(), 18u);
        EXPECT_EQ(std::vector<std::uint8_t>(packed.samples.end() - 3, packed.samples.end()),
            (std::vector<std::uint8_t> { 7, 8, 9 }));
        EXPECT_EQ(imageFromBitmap(packed), rgb);

        QImage grey(5, 1, QImage::Format_Grayscale8);
        grey.fill(QColor(77, 77, 77));
        EXPECT_EQ(bitmapFromImage(grey), uniform(5, 1, { 77 }));

        // Any other format is read as unpremultiplied RGBA, in that order.
        QImage argb(1, 1, QImage::Format_ARGB32_Premultiplied);
        argb.setPixelColor(0, 0, QColor(255, 0, 0, 255));
        EXPECT_EQ(bitmapFromImage(argb), uniform(1, 1, { 255, 0, 0, 255 }));

        const QImage greyAlpha = imageFromBitmap(uniform(1, 1, { 90, 200 }));
        EXPECT_EQ(greyAlpha.format(), QImage::Format_RGBA8888);
        EXPECT_EQ(greyAlpha.pixelColor(0, 0), QColor(90, 90, 90, 200));
        EXPECT_TRUE(imageFromBitmap(uniform(1, 1, { 1, 2, 3, 4, 5 })).isNull());
    }

    TEST(NegativeImage, aNegativeImageKeepsItsSizeInUnits)
    {
        QImage image(4, 2, QImage::Format_ARGB32);
        image.fill(QColor(10, 20, 30, 255));
        image.setDevicePixelRatio(2.0);
        const QImage negative = negativeImage(image, 2);
        EXPECT_EQ(negative.deviceIndependentSize(), QSizeF(2, 1));
        EXPECT_EQ(negative.pixelColor(1, 1), QColor(10, 20, 30));
        EXPECT_EQ(negative.pixelColor(2, 1), QColor(245, 235, 225));
        EXPECT_EQ(image.pixelColor(2, 1), QColor(10, 20, 30));
    }

} // namespace
} // namespace clefmark
