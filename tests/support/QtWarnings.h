// Qt's warnings, caught for a test to read: the program's messages about
// settings and options go through Qt's logging to standard error.
#pragma once

#include <QStringList>
#include <QtGlobal>

namespace clefmark::test {

/// Catches every warning logged while it lives. One at a time.
class WarningCapture {
public:
    WarningCapture()
    {
        current() = &warnings;
        previous_ = qInstallMessageHandler(&WarningCapture::take);
    }
    ~WarningCapture()
    {
        qInstallMessageHandler(previous_);
        current() = nullptr;
    }
    WarningCapture(const WarningCapture&) = delete;
    WarningCapture& operator=(const WarningCapture&) = delete;

    QStringList warnings;

private:
    static QStringList*& current()
    {
        static QStringList* list = nullptr;
        return list;
    }
    static void take(QtMsgType type, const QMessageLogContext&, const QString& message)
    {
        if (current() != nullptr && type == QtWarningMsg)
            current()->append(message);
    }

    QtMessageHandler previous_;
};

} // namespace clefmark::test
