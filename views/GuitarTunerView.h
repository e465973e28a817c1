// An image view that declares itself opaque, so nothing is drawn behind it:
// meant for a picture that fills its whole frame, such as the staves behind
// the displays. The picture is stretched over the frame, so it always covers
// it. Only a window layout places one; the program never refers to it.
#pragma once

#include "views/Resources.h"

#include <QLabel>
#include <QString>

namespace clefmark {

class GuitarTunerView : public QLabel {
    Q_OBJECT
    /// An image resource by name, loaded at the screen's density; an
    /// interface description can set it instead of a pixmap file.
    Q_PROPERTY(QString imageName READ imageName WRITE setImageName)

public:
    explicit GuitarTunerView(QWidget* parent = nullptr);

    QString imageName() const { return imageName_; }
    void setImageName(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString imageName_;
    DensityImage image_; // when named: drawn at the density the frame needs
};

} // namespace clefmark
