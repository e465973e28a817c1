// Files dropped on a window, as a file manager drops them.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QMimeData;
class QWidget;

namespace clefmark {

/// The first local file among what is dragged or dropped; empty when there is
/// none (text, web addresses).
QString firstLocalFile(const QMimeData* data);

/// Makes `window` take drops of local files: a drag that carries one is
/// accepted, and on the drop `dropped` is called with its first file once the
/// drop itself is over, so that what it does (an alert, say) never holds up
/// the program the file came from. Belongs to `window`.
class FileDropTarget final : public QObject {
public:
    FileDropTarget(QWidget* window, std::function<void(const QString& path)> dropped);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void(const QString&)> dropped_;
};

} // namespace clefmark
