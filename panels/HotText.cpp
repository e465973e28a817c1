#include "panels/HotText.h"

#include "panels/UrlOpener.h"
#include "views/Resources.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QUrl>

namespace clefmark {

namespace {
    constexpr int kFocusMargin = 3;
}

HotText::HotText(QWidget* parent)
    : QLabel(parent)
{
    setTextInteractionFlags(Qt::NoTextInteraction);
    setTextFormat(Qt::PlainText);
    // Tab, not a click, gives it the focus: a click opens it at once.
    setFocusPolicy(Qt::TabFocus);
    // Room for the focus frame around the text.
    setContentsMargins(kFocusMargin, kFocusMargin, kFocusMargin, kFocusMargin);
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
    // The address is in plain sight, to be typed where nothing opened it.
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

void HotText::keyPressEvent(QKeyEvent* event)
{
    const bool opens = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter
        || event->key() == Qt::Key_Space;
    if (!opens || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        openURL();
}

void HotText::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    // Drawn by hand rather than by the style, which may show focus only
    // after keyboard use, or not at all for a label.
    const QSize textSize = fontMetrics().size(Qt::TextSingleLine, text());
    const QRect textRect = QStyle::alignedRect(layoutDirection(),
        QStyle::visualAlignment(layoutDirection(), alignment()), textSize, contentsRect());
    const QRect frame
        = textRect
              .adjusted(-kFocusMargin + 1, -kFocusMargin + 1, kFocusMargin - 1, kFocusMargin - 1)
              .intersected(rect().adjusted(0, 0, -1, -1));
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 1));
    painter.drawRect(frame);
}

} // namespace clefmark
