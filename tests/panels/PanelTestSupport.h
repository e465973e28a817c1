// Shared by the panel tests, which run in the shared offscreen application
// (tests/support/QtEnvironment) reading the source tree's resources: the
// log, the addresses the panels would open, and other resource folders.
#pragma once

#include "panels/UrlOpener.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <QtGlobal>
#include <vector>

namespace clefmark::test {

/// Everything written through Qt's logging while it lives.
class LogCapture {
public:
    LogCapture();
    ~LogCapture();
    LogCapture(const LogCapture&) = delete;
    LogCapture& operator=(const LogCapture&) = delete;

    const QStringList& lines() const { return lines_; }
    qsizetype count(const QString& line) const { return lines_.count(line); }

private:
    static void handle(QtMsgType, const QMessageLogContext&, const QString& message);
    QStringList lines_;
    QtMessageHandler previous_;
};

/// Records the addresses opened while it lives instead of opening them.
class OpenedUrls {
public:
    OpenedUrls();
    ~OpenedUrls();
    OpenedUrls(const OpenedUrls&) = delete;
    OpenedUrls& operator=(const OpenedUrls&) = delete;

    std::vector<QUrl> urls;
    /// Whether an address asked for opens, as with a browser to open it.
    bool opens = true;

private:
    UrlOpener previous_;
};

/// Points the resource lookup at `folder` while it lives.
class ResourcesAt {
public:
    explicit ResourcesAt(const QString& folder);
    ~ResourcesAt();
    ResourcesAt(const ResourcesAt&) = delete;
    ResourcesAt& operator=(const ResourcesAt&) = delete;

private:
    QByteArray previous_;
};

} // namespace clefmark::test
