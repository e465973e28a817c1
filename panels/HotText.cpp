#include "panels/HotText.h"

#include "panels/UrlOpener.h"
#include "views/Resources.h"

#include <QMouseEvent>
#include <QPixmap>
#include <QUrl>

namespace clefmark {

HotText::HotText(QWidget* parent)
    : QLabel(parent)
{
    setTextInteractionFlags(Qt::NoTextInteraction);
    setTextFormat(Qt::PlainText);
    setFocusPolicy(Qt::NoFocus);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::Link));
    setPalette(palette);
    // A widget's cursor holds over exactly the part of it that is visible.
    setCursor(fingerCursor());
}

QUrl HotText::url() const
{
    return QUrl(QStringLiteral("http://%1").arg(text()));
}

void HotText::openURL()
{
    openUrl(url());
}

const QCursor& HotText::fingerCursor()
{
    // The hot spot is the fingertip, counted in the image's units from its
    // top-left corner, whatever the density of the picture chosen.
    static const QCursor cursor = [] {
        const QImage image = loadImage(QStringLiteral("fingerCursor"));
        if (image.isNull())
            return QCursor(Qt::PointingHandCursor);
        return QCursor(QPixmap::fromImage(image), 6, 0);
    }();
    return cursor;
}

void HotText::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        tracking_ = true;
    event->accept();
}

void HotText::mouseMoveEvent(QMouseEvent* event)
{
    event->accept();
}

void HotText::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
    if (event->button() != Qt::LeftButton || !tracking_)
        return;
    tracking_ = false;
    if (rect().contains(event->position().toPoint()))
        openURL();
}

void HotText::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click tracks like any other.
    mousePressEvent(event);
}

} // namespace clefmark
