// A web address shown as a link: its text is the address without the
// scheme, and a click on it opens "http://" + text in the browser. Tab
// reaches it, a frame shows it has the focus, and Return, Enter or Space
// open it, so a link is as usable from the keyboard as with the pointer.
#pragma once

#include <QCursor>
#include <QLabel>

namespace clefmark {

class HotText : public QLabel {
    Q_OBJECT
public:
    explicit HotText(QWidget* parent = nullptr);

    /// The address a click opens.
    QUrl url() const;
    /// Opens `url()` through the replaceable opener (panels/UrlOpener.h).
    void openURL();

    /// The pointing finger shown over every link field, made once.
    static const QCursor& fingerCursor();

protected:
    // A click counts only when the button goes up over the field; what the
    // pointer does in between changes nothing, and the text is never
    // selected.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool tracking_ = false;
};

} // namespace clefmark
