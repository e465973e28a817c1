#include "views/ViewLoader.h"

#include "views/AutoResizeView.h"
#include "views/Clefmark.h"
#include "views/GuitarTunerView.h"
#include "views/LevelMeter.h"
#include "views/ReadoutView.h"
#include "views/Resources.h"
#include "views/ScaledColumn.h"
#include "views/StatusIndicator.h"
#include "views/TunerMeter.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLayout>
#include <QXmlStreamReader>
#include <optional>

namespace clefmark {
namespace {

    /// What the description says about one widget's size and place.
    struct DesignedWidget {
        std::optional<QRectF> geometry;
    };

    /// Reads a `<rect>` element's four numbers; the reader is left on its end.
    QRectF readRect(QXmlStreamReader& xml)
    {
        double values[4] = {};
        while (xml.readNextStartElement()) {
            const auto name = xml.name();
            const double value = xml.readElementText().toDouble();
            if (name == u"x")
                values[0] = value;
            else if (name == u"y")
                values[1] = value;
            else if (name == u"width")
                values[2] = value;
            else if (name == u"height")
                values[3] = value;
        }
        return QRectF(values[0], values[1], values[2], values[3]);
    }

    /// The designed geometry of every named widget of a description.
    QHash<QString, DesignedWidget> readDesign(const QByteArray& description)
    {
        QHash<QString, DesignedWidget> widgets;
        QXmlStreamReader xml(description);
        // The open elements, and for each open <widget> its name.
        QList<QString> elements;
        QList<QString> widgetNames;
        while (!xml.atEnd()) {
            const auto token = xml.readNext();
            if (token == QXmlStreamReader::EndElement) {
                if (elements.takeLast() == u"widget")
                    widgetNames.removeLast();
                continue;
            }
            if (token != QXmlStreamReader::StartElement)
                continue;
            const QString element = xml.name().toString();
            const bool ofWidget = !elements.isEmpty() && elements.last() == u"widget";
            if (element == u"property" && ofWidget
                && xml.attributes().value(QLatin1String("name")) == u"geometry") {
                // Read to the end of <property>, which therefore never opens.
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"rect")
                        widgets[widgetNames.last()].geometry = readRect(xml);
                    else
                        xml.skipCurrentElement();
                }
                continue;
            }
            elements.append(element);
            if (element == u"widget") {
                widgetNames.append(xml.attributes().value(QLatin1String("name")).toString());
                widgets.insert(widgetNames.last(), {});
            }
        }
        return widgets;
    }

    /// Lays out `root` and everything in it at the size it has now, parents
    /// before children; hidden widgets would otherwise wait until shown.
    void layOut(QWidget* root)
    {
        QList<QWidget*> widgets { root };
        widgets += root->findChildren<QWidget*>();
        for (QWidget* widget : widgets) {
            if (QLayout* layout = widget->layout()) {
                layout->invalidate();
                layout->activate();
            }
        }
    }

    void placeViews(QWidget* root, const QHash<QString, DesignedWidget>& design)
    {
        QList<AutoResizeView*> views = root->findChildren<AutoResizeView*>();
        if (auto* view = qobject_cast<AutoResizeView*>(root))
            views.prepend(view);

        layOut(root);
        for (AutoResizeView* view : views) {
            const auto designed = design.constFind(view->objectName());
            if (designed == design.cend() || !designed->geometry)
                continue;
            QWidget* parent = view->parentWidget();
            QSizeF parentSize;
            if (parent) {
                const auto parentDesign = design.constFind(parent->objectName());
                parentSize = parentDesign != design.cend() && parentDesign->geometry
                    ? parentDesign->geometry->size()
                    : QSizeF(parent->size());
            }
            view->setOriginalGeometry(*designed->geometry, parentSize);
        }
    }

} // namespace

namespace {

    QHash<QString, std::function<QWidget*(QWidget*)>>& registeredClasses()
    {
        static QHash<QString, std::function<QWidget*(QWidget*)>> classes;
        return classes;
    }

} // namespace

void ViewLoader::registerWidgetClass(
    const QString& className, std::function<QWidget*(QWidget* parent)> factory)
{
    registeredClasses().insert(className, std::move(factory));
}

const QStringList& ViewLoader::viewClassNames()
{
    static const QStringList names { QStringLiteral("AutoResizeView"),
        QStringLiteral("GuitarTunerView"), QStringLiteral("LevelMeter"),
        QStringLiteral("TunerMeter"), QStringLiteral("Clefmark"), QStringLiteral("StatusIndicator"),
        QStringLiteral("ScaledColumn"), QStringLiteral("ReadoutView") };
    return names;
}

ViewLoader::ViewLoader(QObject* parent)
    : QUiLoader(parent)
{
}

QWidget* ViewLoader::createWidget(const QString& className, QWidget* parent, const QString& name)
{
    QWidget* widget = nullptr;
    if (className == u"AutoResizeView")
        widget = new AutoResizeView(parent);
    else if (className == u"GuitarTunerView")
        widget = new GuitarTunerView(parent);
    else if (className == u"LevelMeter")
        widget = new LevelMeter(parent);
    else if (className == u"TunerMeter")
        widget = new TunerMeter(parent);
    else if (className == u"Clefmark")
        widget = new Clefmark(parent);
    else if (className == u"StatusIndicator")
        widget = new StatusIndicator(parent);
    else if (className == u"ScaledColumn")
        widget = new ScaledColumn(parent);
    else if (className == u"ReadoutView")
        widget = new ReadoutView(parent);
    else if (const auto registered = registeredClasses().constFind(className);
             registered != registeredClasses().cend())
        widget = (*registered)(parent);
    else
        return QUiLoader::createWidget(className, parent, name);
    widget->setObjectName(name);
    return widget;
}

LoadedInterface ViewLoader::loadInterface(const QString& name, QWidget* parent)
{
    const QString fileName = name + QStringLiteral(".ui");
    const QString path = findResource(fileName);
    if (path.isEmpty()) {
        return { nullptr,
            QStringLiteral("The interface description \"%1\" is missing: no %2 in %3")
                .arg(name, fileName, resourceFolders().join(QStringLiteral(", "))) };
    }
    return loadInterfaceFile(path, parent);
}

LoadedInterface ViewLoader::loadInterfaceFile(const QString& path, QWidget* parent)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return { nullptr, QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()) };
    QByteArray description = file.readAll();

    setWorkingDirectory(QFileInfo(path).absoluteDir());
    QBuffer buffer(&description);
    buffer.open(QIODevice::ReadOnly);
    std::unique_ptr<QWidget> widget(load(&buffer, parent));
    if (!widget) {
        const QString why
            = errorString().isEmpty() ? QStringLiteral("unknown error") : errorString();
        return { nullptr, QStringLiteral("Cannot load %1: %2").arg(path, why) };
    }
    placeViews(widget.get(), readDesign(description));
    return { std::move(widget), QString() };
}

} // namespace clefmark
