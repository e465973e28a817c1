// Loads interface descriptions (Qt Designer `.ui` files) from the resources
// and builds the display views they name as their real classes.
//
// A view of the proportional kind (`AutoResizeView`) must know the frame it
// was designed with and the size its parent had in that design. A loader
// builds every widget at Qt's default size and applies the description's
// geometry later, and a main window's central widget gets its size only from
// a layout, so the live sizes during loading mean nothing. The loader
// therefore reads them from the description itself:
//   - the view's original frame is the `geometry` the description gives it;
//   - its parent's original size is the `geometry` size the description
//     gives the parent; a parent that has none there (a main window's central
//     widget) gets the size its layout gives it with the loaded window at the
//     description's size, laid out once loading is over.
// Views are matched to the description by object name.
#pragma once

#include <QString>
#include <QStringList>
#include <QUiLoader>
#include <functional>
#include <memory>

namespace clefmark {

struct LoadedInterface {
    /// The top-level widget; null when loading failed.
    std::unique_ptr<QWidget> widget;
    /// Why loading failed, in words a user can act on.
    QString error;

    explicit operator bool() const { return widget != nullptr; }
};

class ViewLoader : public QUiLoader {
    Q_OBJECT

public:
    /// The classes this loader builds itself.
    static const QStringList& viewClassNames();

    /// Lets descriptions name `className`, built by `factory` with the
    /// parent; for widget classes of the libraries built on this one.
    static void registerWidgetClass(
        const QString& className, std::function<QWidget*(QWidget* parent)> factory);

    explicit ViewLoader(QObject* parent = nullptr);

    QWidget* createWidget(const QString& className, QWidget* parent = nullptr,
        const QString& name = QString()) override;

    /// Loads `<name>.ui` from the resources ("MainMenu", "Preferences",
    /// "About", "Help"). Pixmaps it names are found relative to the resources
    /// folder it came from.
    LoadedInterface loadInterface(const QString& name, QWidget* parent = nullptr);
    /// Loads the description in the file at `path`.
    LoadedInterface loadInterfaceFile(const QString& path, QWidget* parent = nullptr);
};

} // namespace clefmark
