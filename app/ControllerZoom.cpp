// The controller's side of the main window's size and place: the zoom
// commands, what is remembered between runs, the letterbox of a window whose
// size the desktop decides, and Keep Above Others.
#include "app/Controller.h"
#include "tuner/UserDefaults.h"
#include "views/ScaledColumn.h"

#include <QAction>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <cmath>

namespace clefmark {

namespace {

    QList<QRect> qtScreenAreas()
    {
        QList<QRect> areas;
        const QScreen* primary = QGuiApplication::primaryScreen();
        if (primary != nullptr)
            areas.append(primary->availableGeometry());
        for (const QScreen* screen : QGuiApplication::screens())
            if (screen != primary)
                areas.append(screen->availableGeometry());
        return areas;
    }

    QSize scaled(QSize unit, double scale)
    {
        return { static_cast<int>(std::lround(unit.width() * scale)),
            static_cast<int>(std::lround(unit.height() * scale)) };
    }

    constexpr int kPerMille = 1000;

} // namespace

void Controller::connectWindowActions(QWidget* window)
{
    if (!services_.screenAreas)
        services_.screenAreas = qtScreenAreas;
    auto connectZoom = [this, window](const char* name, Zoom command, QKeySequence shortcut) {
        auto* a = window->findChild<QAction*>(QString::fromLatin1(name));
        if (a == nullptr)
            return a;
        if (a->shortcut().isEmpty())
            a->setShortcut(shortcut);
        connect(a, &QAction::triggered, this, [this, command] { zoom(command); });
        return a;
    };
    connectZoom("actionActualSize", Zoom::ActualSize, QKeySequence(Qt::CTRL | Qt::Key_0));
    connectZoom("actionZoomOut", Zoom::Out, QKeySequence::ZoomOut);
    // Ctrl+= as well: on most keyboards "+" takes Shift besides.
    if (QAction* in = connectZoom("actionZoomIn", Zoom::In, QKeySequence::ZoomIn))
        in->setShortcuts(in->shortcuts() << QKeySequence(Qt::CTRL | Qt::Key_Equal));

    keepAboveAction_ = window->findChild<QAction*>(QStringLiteral("actionKeepAbove"));
    if (keepAboveAction_ != nullptr) {
        keepAboveAction_->setCheckable(true);
        // Shown either way: a command that vanishes on one desktop leaves its
        // user searching the menus for it.
        keepAboveAction_->setEnabled(services_.keepAboveAvailable);
        if (!services_.keepAboveAvailable) {
            keepAboveAction_->setToolTip(
                tr("This desktop does not let a program keep its window above the others."));
            for (QObject* holder : keepAboveAction_->associatedObjects())
                if (auto* menu = qobject_cast<QMenu*>(holder))
                    menu->setToolTipsVisible(true);
        }
        connect(keepAboveAction_, &QAction::triggered, this, &Controller::setKeepAbove);
    }
}

void Controller::restoreWindowChoices()
{
    UserDefaults* defaults = services_.defaults;
    if (defaults != nullptr) {
        defaults->registerBool(kKeepAboveKey, false);
        defaults->registerInteger(kWindowScaleKey, kPerMille);
    }
    showKeepAbove(defaults != nullptr && defaults->boolForKey(kKeepAboveKey));
    updateLetterbox();
    QWidget* window = mainWindow();
    if (defaults == nullptr || window == nullptr || contentArea() == nullptr
        || !(minimumSize_.height > 0))
        return;
    // The place first: the size must fit the screen the window goes to.
    if (services_.windowPlaceable && defaults->hasValue(kWindowLeftKey)
        && defaults->hasValue(kWindowTopKey)) {
        rememberedPlace_ = QPoint(
            defaults->integerForKey(kWindowLeftKey), defaults->integerForKey(kWindowTopKey));
        if (const std::optional<QPoint> place = restoredPlace(
                *rememberedPlace_, window->frameGeometry().size(), services_.screenAreas()))
            window->move(*place);
    }
    const int perMille = rememberedScale_ = defaults->integerForKey(kWindowScaleKey);
    const QSize unit(static_cast<int>(minimumSize_.width), static_cast<int>(minimumSize_.height));
    const QSize wanted = perMille > kPerMille
        ? scaled(unit, static_cast<double>(perMille) / kPerMille)
        : contentArea()->size();
    if (const QSize fitted = fitInRoom(wanted, unit, contentRoom(), false);
        perMille > kPerMille || fitted != wanted)
        resizeContent(fitted);
}

void Controller::rememberWindow(QSize content)
{
    UserDefaults* defaults = services_.defaults;
    QWidget* window = mainWindow();
    if (defaults == nullptr || window == nullptr || !window->isVisible() || window->isMinimized()
        || window->isMaximized() || window->isFullScreen() || !(minimumSize_.height > 0))
        return;
    // Below the least size only on a screen too small for it, which is
    // fitted afresh at every start.
    const int perMille = std::max(kMinWindowScale,
        static_cast<int>(std::lround(kPerMille * content.height() / minimumSize_.height)));
    // Nothing written while the window keeps the size it starts with.
    if (perMille != rememberedScale_) {
        defaults->setInteger(kWindowScaleKey, perMille);
        rememberedScale_ = perMille;
    }
    if (services_.windowPlaceable && window->pos() != rememberedPlace_) {
        defaults->setInteger(kWindowLeftKey, window->x());
        defaults->setInteger(kWindowTopKey, window->y());
        rememberedPlace_ = window->pos();
    }
}

void Controller::zoom(Zoom command)
{
    QWidget* window = mainWindow();
    const QWidget* content = contentArea();
    if (window == nullptr || content == nullptr || !(minimumSize_.height > 0) || terminated_)
        return;
    const QSize unit(static_cast<int>(minimumSize_.width), static_cast<int>(minimumSize_.height));
    // Maximised, the content's own size says nothing of the window it had.
    const bool normal = !window->isMaximized() && !window->isFullScreen();
    const double height = normal ? content->height() : settledSize_.height;
    const std::optional<int> multiple = zoomedMultiple(
        command, height / minimumSize_.height, largestMultiple(unit, contentRoom()));
    if (!multiple)
        return;
    if (!normal) {
        // Back where it was before it filled the screen, at the new size.
        const QRect before = window->normalGeometry();
        window->showNormal();
        if (services_.windowPlaceable && before.isValid())
            window->setGeometry(before);
    }
    const QSize zoomed = fitInRoom(unit * *multiple, unit, contentRoom(), true);
    resizeContent(zoomed);
    // Remembered at once: the window system may take its time to resize,
    // and a quit may come first.
    rememberWindow(zoomed);
}

void Controller::resizeContent(QSize content)
{
    QWidget* window = mainWindow();
    settledSize_ = { static_cast<float>(content.width()), static_cast<float>(content.height()) };
    window->resize(content + chrome());
    if (!services_.windowPlaceable)
        return;
    const QRect frame = window->frameGeometry();
    const QRect area = screenArea();
    if (const QPoint place = keptInside(frame, area); area.isValid() && place != frame.topLeft())
        window->move(place);
}

QRect Controller::screenArea() const
{
    const QWidget* window = mainWindow();
    const QList<QRect> areas = services_.screenAreas ? services_.screenAreas() : QList<QRect>();
    const int index = window != nullptr ? screenOf(window->frameGeometry(), areas) : -1;
    return index < 0 ? QRect() : areas[index];
}

QSize Controller::contentRoom() const
{
    const QWidget* window = mainWindow();
    const QWidget* content = contentArea();
    const QRect area = screenArea();
    if (window == nullptr || content == nullptr || !area.isValid())
        return { QWIDGETSIZE_MAX, QWIDGETSIZE_MAX };
    return area.size() - (window->frameGeometry().size() - content->size());
}

void Controller::updateLetterbox()
{
    const QWidget* window = mainWindow();
    auto* column = qobject_cast<ScaledColumn*>(contentArea());
    if (window == nullptr || column == nullptr)
        return;
    // Where the program cannot bring the window to the content's
    // proportions, the content keeps them inside whatever the window is.
    column->setLetterboxed(
        !services_.applyResizeRule || window->isMaximized() || window->isFullScreen());
}

void Controller::setKeepAbove(bool on)
{
    if (services_.defaults != nullptr && services_.defaults->boolForKey(kKeepAboveKey) != on)
        services_.defaults->setBool(kKeepAboveKey, on);
    showKeepAbove(on);
}

void Controller::showKeepAbove(bool on)
{
    on = on && services_.keepAboveAvailable;
    if (keepAboveAction_ != nullptr)
        keepAboveAction_->setChecked(on);
    QWidget* window = mainWindow();
    if (window == nullptr || window->windowFlags().testFlag(Qt::WindowStaysOnTopHint) == on)
        return;
    QWindow* handle = window->windowHandle();
    if (handle == nullptr || !window->isVisible()) {
        window->setWindowFlag(Qt::WindowStaysOnTopHint, on);
        return;
    }
    // Changing a shown widget's flags hides it and makes its window anew;
    // the window system takes the hint on the window as it is.
    Qt::WindowFlags flags = window->windowFlags();
    window->overrideWindowFlags(flags.setFlag(Qt::WindowStaysOnTopHint, on));
    handle->setFlag(Qt::WindowStaysOnTopHint, on);
}

} // namespace clefmark
