// Finding the program's resources: interface descriptions (`<name>.ui`) and
// images (`images/<name>.png`, with `@2x` and `@3x` versions for dense
// screens).
//
// Resources are looked for, in this order:
//   1. only in the folder that CLEFMARK_RESOURCES names, when it is set;
//   2. in `resources/` next to the executable, or one folder up (the build
//      tree copies them to `<build>/resources/`);
//   3. in `../share/clefmark/` from the executable, and in the install
//      prefix's `share/clefmark/` (an installed program).
// Each file is looked up on its own, so the first folder that has it wins.
#pragma once

#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>

namespace clefmark {

/// The folders searched, in order, whether or not they exist.
QStringList resourceFolders();

/// The path of the resource at `relativePath` in the first folder that has
/// it, or an empty string.
QString findResource(const QString& relativePath);

/// The image resource `name` at the density that suits `devicePixelRatio`:
/// the smallest of 1×, 2× and 3× that is at least as dense, else the densest
/// there is. Its device-pixel ratio is set to that density, so its size in
/// units is its size at 1×. A null image, with `error` set, when there is no
/// file of that name or it cannot be read.
QImage loadImage(const QString& name, qreal devicePixelRatio, QString* error = nullptr);

/// The same at the density of the densest screen.
QImage loadImage(const QString& name, QString* error = nullptr);

/// An image resource in every density there is, for views drawn at varying
/// scales: a window snapped to twice its size on an ordinary screen wants the
/// 2× picture, not the 1× one stretched and blurred.
class DensityImage {
public:
    /// Loads every density of `name` there is; false, with `error` set, when
    /// there is none.
    bool load(const QString& name, QString* error = nullptr);

    bool isNull() const;
    /// The picture for drawing at `pixelsPerUnit` device pixels per unit: the
    /// least dense one at least that dense, else the densest. Its device-pixel
    /// ratio is its density.
    const QImage& at(qreal pixelsPerUnit) const;
    /// Its size in units.
    QSizeF size() const { return at(1.0).deviceIndependentSize(); }

private:
    std::array<QImage, 3> images_; // 1×, 2×, 3×; null where there is none
};

} // namespace clefmark
