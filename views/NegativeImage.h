// Photographic negatives of an image, or of a band of its columns. The source
// is never changed: every operation that makes a negative returns a new
// image with its own pixels.
//
// The work is done on a plain bitmap of 8-bit samples, 1 to 4 to a pixel
// (grey, grey + alpha, RGB, RGBA; alpha last), pixels and rows tightly
// packed; QImage is converted to and from it.
//
// The column argument n picks the columns a colour negative inverts:
//   n >= 0: columns n to width - 1 (none when n >= width);
//   n <  0: columns 0 to width + n - 1 (none when n <= -width).
// So 0 inverts everything, a positive n spares the first n columns and a
// negative n the last -n. Every row is treated alike. Grey bitmaps are always
// inverted whole. Alpha is never touched.
#pragma once

#include <QImage>
#include <cstdint>
#include <optional>
#include <vector>

namespace clefmark {

struct Bitmap {
    int width = 0;
    int height = 0;
    int samplesPerPixel = 0;
    /// Row after row, each width × samplesPerPixel bytes; the pixel at column
    /// x of row r starts at byte (r × width + x) × samplesPerPixel.
    std::vector<std::uint8_t> samples;

    /// Sizes that agree with one another and with the sample count.
    bool isValid() const;

    friend bool operator==(const Bitmap&, const Bitmap&) = default;
};

/// An inverted copy of `bitmap`, chosen by its samples per pixel; nothing
/// for a bitmap with other than 1 to 4 samples per pixel, or whose sizes do
/// not match its samples.
std::optional<Bitmap> negativeImageRep(const Bitmap& bitmap, int n);

// The inverters, in place; each returns the bitmap it was given. They assume
// a valid bitmap of their own number of samples per pixel.
Bitmap& invertRGBA(Bitmap& bitmap, int n);
Bitmap& invertRGB(Bitmap& bitmap, int n);
/// Inverts the grey of every pixel, whatever `n` is.
Bitmap& invertGreyAlpha(Bitmap& bitmap, int n);
/// Inverts every sample, whatever `n` is.
Bitmap& invertGrey(Bitmap& bitmap, int n);

/// `image` as a bitmap: 8-bit grey as 1 sample per pixel, 8-bit RGB as 3,
/// everything else as unpremultiplied RGBA.
Bitmap bitmapFromImage(const QImage& image);
/// A bitmap as an image: grey as Grayscale8, grey + alpha as RGBA8888 with
/// the grey in all three colours, RGB as RGB888 and RGBA as RGBA8888. A null
/// image for an invalid bitmap.
QImage imageFromBitmap(const Bitmap& bitmap);

/// The negative of `image`, the same size in units (the device-pixel ratio
/// carries over); a null image when it has no negative.
QImage negativeImage(const QImage& image, int n);

} // namespace clefmark
