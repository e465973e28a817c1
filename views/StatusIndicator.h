// A small picture that steps each time the tuner finds a pitch: the "status"
// image with a band of its columns shown as a negative, the band's edge
// moving one column per step through a cycle of 100 steps. For an image 50
// units wide that is a complete wipe: the negative spreads from the left
// until the whole image is inverted, then the positive follows it.
#pragma once

#include "tuner/Displays.h"
#include "views/AutoResizeView.h"
#include "views/Resources.h"

#include <QImage>
#include <QPixmap>
#include <array>

namespace clefmark {

class StatusIndicator : public AutoResizeView, public StatusDisplay {
    Q_OBJECT

public:
    static constexpr int kCycle = 100;

    explicit StatusIndicator(QWidget* parent = nullptr);
    explicit StatusIndicator(const QRectF& frame, QWidget* parent = nullptr);

    /// One step, and always a redraw.
    void increment() override;

    /// Steps taken, counted round the cycle: the picture depends on nothing
    /// else, and the count cannot overflow however long the program runs.
    int status() const { return status_; }
    /// The column argument of the negative for the current step: -50 to 49.
    int column() const { return status_ - kCycle / 2; }

    /// The picture at 1× (or the least dense there is).
    const QImage& statusImage() const { return statusImages_.at(1.0); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void frameChanged() override { updateOpaqueness(); }

private:
    void loadStatusImage();
    static bool isOpaque(const QImage& image);
    void updateOpaqueness();

    DensityImage statusImages_;
    // Each step's picture, made on its first use: a step repeats every 100
    // detections, and making the negative and converting it for the screen
    // on every one of some twenty redraws a second would cost more than all
    // the rest of the window's drawing.
    std::array<QPixmap, kCycle> frames_;
    qreal framesDensity_ = 0; // the density the kept pictures were made at
    int status_ = 0;
    bool pictureOpaque_ = false; // every density, every pixel
};

} // namespace clefmark
