#include "views/Resources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <algorithm>
#include <cmath>

#ifndef CLEFMARK_INSTALL_DATADIR
#error "CLEFMARK_INSTALL_DATADIR must name the installed resources folder"
#endif

namespace clefmark {

QStringList resourceFolders()
{
    const QString overridden = qEnvironmentVariable("CLEFMARK_RESOURCES");
    if (!overridden.isEmpty())
        return { QDir::cleanPath(overridden) };

    QStringList folders;
    // Without an application object there is no executable path to go by.
    if (QCoreApplication::instance()) {
        const QDir exe(QCoreApplication::applicationDirPath());
        folders << QDir::cleanPath(exe.filePath(QStringLiteral("resources")))
                << QDir::cleanPath(exe.filePath(QStringLiteral("../resources")))
                << QDir::cleanPath(exe.filePath(QStringLiteral("../share/clefmark")));
    }
    const QString installed = QDir::cleanPath(QStringLiteral(CLEFMARK_INSTALL_DATADIR));
    if (!folders.contains(installed))
        folders << installed;
    return folders;
}

QString findResource(const QString& relativePath)
{
    for (const QString& folder : resourceFolders()) {
        const QFileInfo file(QDir(folder).filePath(relativePath));
        if (file.isFile())
            return file.absoluteFilePath();
    }
    return {};
}

QImage loadImage(const QString& name, qreal devicePixelRatio, QString* error)
{
    const auto fail = [&](const QString& message) {
        if (error)
            *error = message;
        return QImage();
    };

    constexpr int kDensities = 3;
    QString paths[kDensities];
    for (int scale = 1; scale <= kDensities; ++scale) {
        const QString suffix = scale == 1 ? QString() : QStringLiteral("@%1x").arg(scale);
        paths[scale - 1] = findResource(QStringLiteral("images/%1%2.png").arg(name, suffix));
    }

    const int wanted = std::isfinite(devicePixelRatio)
        ? std::clamp(static_cast<int>(std::ceil(devicePixelRatio)), 1, kDensities)
        : 1;
    int chosen = 0;
    for (int scale = wanted; scale <= kDensities && chosen == 0; ++scale) {
        if (!paths[scale - 1].isEmpty())
            chosen = scale;
    }
    for (int scale = wanted - 1; scale >= 1 && chosen == 0; --scale) {
        if (!paths[scale - 1].isEmpty())
            chosen = scale;
    }
    if (chosen == 0) {
        return fail(QStringLiteral("No image \"%1\" (images/%1.png) in %2")
                        .arg(name, resourceFolders().join(QStringLiteral(", "))));
    }

    QImageReader reader(paths[chosen - 1]);
    QImage image = reader.read();
    if (image.isNull()) {
        return fail(QStringLiteral("Cannot read image \"%1\" from %2: %3")
                        .arg(name, paths[chosen - 1], reader.errorString()));
    }
    image.setDevicePixelRatio(chosen);
    if (error)
        error->clear();
    return image;
}

QImage loadImage(const QString& name, QString* error)
{
    const auto* gui = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return loadImage(name, gui ? gui->devicePixelRatio() : 1.0, error);
}

bool DensityImage::load(const QString& name, QString* error)
{
    for (std::size_t i = 0; i < images_.size(); ++i) {
        const auto density = static_cast<qreal>(i + 1);
        // loadImage falls back to another density when this one is missing;
        // keep only true matches, so `at` knows what really exists.
        QImage image = loadImage(name, density, error);
        images_[i] = image.devicePixelRatio() == density ? std::move(image) : QImage();
    }
    return !isNull();
}

bool DensityImage::isNull() const
{
    return std::all_of(images_.begin(), images_.end(), [](const QImage& i) { return i.isNull(); });
}

const QImage& DensityImage::at(qreal pixelsPerUnit) const
{
    const QImage* densest = nullptr;
    for (std::size_t i = 0; i < images_.size(); ++i) {
        if (images_[i].isNull())
            continue;
        densest = &images_[i];
        // The small tolerance keeps a 2.0001 scale from reaching for 3×.
        if (static_cast<qreal>(i + 1) >= pixelsPerUnit - 0.01)
            return images_[i];
    }
    static const QImage none;
    return densest ? *densest : none;
}

} // namespace clefmark
