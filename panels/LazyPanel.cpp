#include "panels/LazyPanel.h"

#include "desktop/Alerts.h"
#include "panels/HotText.h"
#include "views/ViewLoader.h"

#include <QDebug>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QWidget>

namespace clefmark {

void registerPanelWidgets()
{
    static const bool registered = [] {
        ViewLoader::registerWidgetClass(
            QStringLiteral("HotText"), [](QWidget* parent) { return new HotText(parent); });
        return true;
    }();
    (void)registered;
}

LazyPanel::LazyPanel(QString interfaceName)
    : name_(std::move(interfaceName))
{
}

LazyPanel::~LazyPanel() = default;

QWidget* LazyPanel::show(const std::function<void(QWidget*)>& awake)
{
    if (!window_) {
        registerPanelWidgets();
        LoadedInterface loaded = ViewLoader().loadInterface(name_);
        if (!loaded) {
            // The reason stays in the log's next line for whoever reads it.
            logFailure(QStringLiteral("Failed to load %1.nib").arg(name_));
            qWarning().noquote() << loaded.error;
            return nullptr;
        }
        window_ = std::move(loaded.widget);
        if (awake)
            awake(window_.get());
    }
    if (!window_->isVisible()) {
        // The size it will show at, which a fixed-size layout sets only
        // when activated.
        if (QLayout* layout = window_->layout())
            layout->activate();
        QScreen* screen = window_->screen() ? window_->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame = window_->frameGeometry();
            frame.moveCenter(screen->availableGeometry().center());
            window_->move(frame.topLeft());
        }
    }
    window_->show();
    window_->raise();
    window_->activateWindow();
    return window_.get();
}

} // namespace clefmark
