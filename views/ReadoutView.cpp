#include "views/ReadoutView.h"

#include "views/AccessibleViews.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>
#include <chrono>

namespace clefmark {

namespace {

    // The window picture's colours: its body where the gradient ends, a card
    // of paper with a hairline edge and a shadow line, and the inks of its
    // notes, staves and scale marks.
    const QColor kBody(0xe0, 0xdd, 0xd5);
    const QColor kShadow(0xd8, 0xd4, 0xcb);
    const QColor kPaper(0xfb, 0xfa, 0xf7);
    const QColor kEdge(0xd2, 0xce, 0xc5);
    const QColor kInk(0x16, 0x19, 0x1d);
    const QColor kSecondInk(0x3b, 0x40, 0x47);
    const QColor kQuietInk(0x6f, 0x74, 0x7c);
    const QColor kDimmed(0xa3, 0xa7, 0xad);

    // In units of the designed size: the card's inside, left and right as
    // the picture's footer card has them.
    constexpr double kLeft = 16.0;
    constexpr double kRightMargin = 16.0;
    constexpr double kCardTop = 0.5;
    constexpr double kCardHeight = 35.0;

    QString fromUtf8(const std::string& text)
    {
        return QString::fromStdString(text);
    }

    /// Whether `a` and `b` differ only in the numbers of the same live note,
    /// which wobble by a tenth from block to block on a held note.
    bool onlyNumbersDiffer(const Readout::Text& a, const Readout::Text& b)
    {
        return a.state == b.state && a.past == b.past && a.judgement == b.judgement
            && a.note == b.note && a.sounding == b.sounding && a.stateText == b.stateText
            && !a.note.empty();
    }

    QFont unitFont(const QFont& base, int pixels, QFont::Weight weight = QFont::Normal)
    {
        QFont font = base;
        font.setPixelSize(pixels);
        font.setWeight(weight);
        return font;
    }

    /// `font` made smaller until `text` fits `width` on one line, down to 7
    /// units.
    QFont fitted(QFont font, const QString& text, double width)
    {
        while (font.pixelSize() > 7 && QFontMetricsF(font).horizontalAdvance(text) > width)
            font.setPixelSize(font.pixelSize() - 1);
        return font;
    }

    /// "A♯4" → "A sharp 4", "B♭4" → "B flat 4".
    QString spokenNote(const std::string& note)
    {
        return fromUtf8(note)
            .replace(QChar(0x266F), QStringLiteral(" sharp "))
            .replace(QChar(0x266D), QStringLiteral(" flat "));
    }

    /// "+19.6" → "19.6 cents sharp"; "−3.0" → "3.0 cents flat"; "0.0" → "0.0 cents".
    QString spokenCents(const std::string& cents)
    {
        QString text = fromUtf8(cents);
        if (text.startsWith(u'+'))
            return text.mid(1) + QStringLiteral(" cents sharp");
        if (text.startsWith(QChar(0x2212)))
            return text.mid(1) + QStringLiteral(" cents flat");
        return text + QStringLiteral(" cents");
    }

} // namespace

ReadoutView::ReadoutView(QWidget* parent)
    : QWidget(parent)
    , clock_([] { return Clock::now(); })
    , liveTimer_(new QTimer(this))
    , numbersTimer_(new QTimer(this))
{
    setMinimumSize(kDesignedSize);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Reached with Tab, so that a screen reader's user can land on it.
    setFocusPolicy(Qt::TabFocus);
    liveTimer_->setSingleShot(true);
    connect(liveTimer_, &QTimer::timeout, this, &ReadoutView::tick);
    numbersTimer_->setSingleShot(true);
    connect(numbersTimer_, &QTimer::timeout, this, [this] { update(numbersArea_); });
    readout_.tick(clock_());
}

void ReadoutView::setReading(int level, std::optional<Pitch> pitch)
{
    const Clock::time_point now = clock_();
    if (pitch)
        lastPitch_ = now;
    readout_.setReading(level, pitch, now);
    refresh();
}

void ReadoutView::setPitch(const Pitch& pitch)
{
    readout_.setPitch(pitch);
    refresh();
}

void ReadoutView::setTransposition(int semitones)
{
    readout_.setTransposition(semitones);
    refresh();
}

void ReadoutView::setSpelling(NoteSpelling spelling)
{
    readout_.setSpelling(spelling);
    refresh();
}

void ReadoutView::setPaused(bool paused)
{
    readout_.setPaused(paused, clock_());
    refresh();
}

void ReadoutView::setCaptureState(
    CaptureState state, bool serverConnected, const std::string& device)
{
    readout_.setCaptureState(state, serverConnected, device, clock_());
    refresh();
}

void ReadoutView::tick()
{
    readout_.tick(clock_());
    refresh();
}

void ReadoutView::setClock(std::function<Clock::time_point()> clock)
{
    clock_ = std::move(clock);
}

bool ReadoutView::isLiveTimerActive() const
{
    return liveTimer_->isActive();
}

void ReadoutView::refresh()
{
    const Readout::Text& now = text();
    if (now == displayText_) {
        // Nothing to show.
    } else if (!onlyNumbersDiffer(now, displayText_)) {
        update();
    } else {
        // A note's numbers are read a few times a second at most; redrawn
        // more often they only flicker, and cost the more.
        using std::chrono::milliseconds;
        const auto due = std::chrono::ceil<milliseconds>(lastPaint_ + kNumbersEvery - clock_());
        if (due <= milliseconds(0)) {
            numbersTimer_->stop();
            update(numbersArea_);
        } else if (!numbersTimer_->isActive()) {
            numbersTimer_->start(due);
        }
    }
    if (now != toldText_) {
        toldText_ = now;
        // A screen reader hears only of a new note or judgement: see
        // AccessibleViews, which holds the rest back.
        accessibleViewChanged(this);
        emit textChanged();
    }
    // Every block comes here: the tooltip is only made anew for a new device.
    if (now.device != tooltipDevice_) {
        tooltipDevice_ = now.device;
        setToolTip(
            now.device.empty() ? QString() : tr("Listening to %1").arg(fromUtf8(now.device)));
    }
    scheduleTick();
}

// One wake-up when the live note is due to go past, not one per block: a
// steady note costs a tick a second, a silent or paused tuner none.
void ReadoutView::scheduleTick()
{
    if (text().state != Readout::State::Live || !lastPitch_ || isHidden()) {
        liveTimer_->stop();
        return;
    }
    if (liveTimer_->isActive())
        return;
    using std::chrono::milliseconds;
    const auto due = std::chrono::ceil<milliseconds>(*lastPitch_ + Readout::kLiveFor - clock_());
    liveTimer_->start(std::max(due, milliseconds(1)));
}

void ReadoutView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    tick();
}

void ReadoutView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    liveTimer_->stop();
}

QString ReadoutView::accessibleText() const
{
    const Readout::Text& t = text();
    if (t.note.empty())
        return fromUtf8(t.stateText);
    QString reading = spokenNote(t.note);
    if (!t.sounding.empty())
        reading += QStringLiteral(", sounds ") + spokenNote(t.sounding);
    if (!t.past && t.judgement == Readout::Judgement::InTune)
        reading += QStringLiteral(", in tune");
    reading += QStringLiteral(", ") + spokenCents(t.cents) + QStringLiteral(", ")
        + fromUtf8(t.frequency).replace(QStringLiteral("Hz"), QStringLiteral("hertz"));
    if (!t.past)
        return reading;
    return fromUtf8(t.stateText) + QStringLiteral("; last heard ") + reading;
}

void ReadoutView::paintEvent(QPaintEvent*)
{
    displayText_ = text();
    lastPaint_ = clock_();
    numbersTimer_->stop();
    numbersArea_ = rect();
    const Readout::Text& t = displayText_;
    // Drawn in units of the designed size, whatever the least size the
    // window gives it.
    const QSizeF designed(kDesignedSize);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(width() / designed.width(), height() / designed.height());
    paintCard(painter, designed);

    const QRectF inside(
        kLeft, kCardTop + 1, designed.width() - kLeft - kRightMargin, kCardHeight - 2);
    const QString state = fromUtf8(t.stateText);
    if (t.note.empty()) {
        // Nothing heard yet: only what is going on.
        painter.setFont(fitted(unitFont(font(), 13), state, inside.width()));
        painter.setPen(kQuietInk);
        painter.drawText(inside, Qt::AlignCenter, state);
        return;
    }

    // The note, then the cents over the frequency, then the judgement, or,
    // for a note gone past, what is going on now.
    const double noteWidth = paintNote(painter, inside, t);
    const double column = std::max(inside.left() + noteWidth + 8.0, inside.left() + 46.0);
    // Where the numbers and the judgement are, for redrawing only them.
    numbersArea_
        = painter.transform()
              .mapRect(QRectF(column - 2.0, 0, designed.width() - column + 2.0, designed.height()))
              .toAlignedRect();
    const double right = paintNumbers(painter, inside, column, t);
    const QRectF last(right, inside.top(), std::max(0.0, inside.right() - right), inside.height());
    if (!t.past) {
        paintJudgement(painter, inside, last, fromUtf8(t.judgementText));
    } else {
        painter.setFont(unitFont(font(), 10));
        painter.setPen(kQuietInk);
        painter.drawText(last, Qt::AlignRight | Qt::AlignVCenter | Qt::TextWordWrap, state);
    }
}

// The card, as the picture draws its own: hairlines on whole units, so that
// they stay crisp at whole scales.
void ReadoutView::paintCard(QPainter& painter, const QSizeF& designed)
{
    painter.fillRect(QRectF(QPointF(), designed), kBody);
    painter.fillRect(QRectF(9, kCardTop + kCardHeight, designed.width() - 18, 1), kShadow);
    QPainterPath card;
    card.addRoundedRect(QRectF(8.5, kCardTop, designed.width() - 17, kCardHeight), 4, 4);
    painter.setPen(QPen(kEdge, 1));
    painter.setBrush(kPaper);
    painter.drawPath(card);
}

/// Draws the note at the left of `inside`; gives the width it takes, for
/// the numbers' column beside it.
double ReadoutView::paintNote(QPainter& painter, const QRectF& inside, const Readout::Text& t) const
{
    const QString note = fromUtf8(t.note);
    const QFont noteFont = unitFont(font(), 20, QFont::DemiBold);
    double noteWidth = QFontMetricsF(noteFont).horizontalAdvance(note);
    painter.setFont(noteFont);
    painter.setPen(t.past ? kDimmed : kInk);
    if (t.sounding.empty()) {
        painter.drawText(inside, Qt::AlignLeft | Qt::AlignVCenter, note);
    } else {
        // A transposed note: the written one a little higher, and under it,
        // small, the one that sounds.
        const double split = inside.top() + 22.0;
        painter.drawText(QRectF(inside.left(), inside.top(), inside.width(), split - inside.top()),
            Qt::AlignLeft | Qt::AlignBottom | Qt::TextDontClip, note);
        const QString sounding = tr("sounds %1").arg(fromUtf8(t.sounding));
        const QFont soundingFont = unitFont(font(), 9);
        noteWidth = std::max(noteWidth, QFontMetricsF(soundingFont).horizontalAdvance(sounding));
        painter.setFont(soundingFont);
        painter.setPen(t.past ? kDimmed : kQuietInk);
        painter.drawText(QRectF(inside.left(), split, inside.width(), inside.bottom() - split),
            Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, sounding);
    }
    return noteWidth;
}

/// Draws the cents over the frequency from `column`; gives where the space
/// right of them begins.
double ReadoutView::paintNumbers(
    QPainter& painter, const QRectF& inside, double column, const Readout::Text& t) const
{
    const QString cents = fromUtf8(t.cents) + QStringLiteral(" \u00A2");
    const QString hertz = fromUtf8(t.frequency);
    const QFont centsFont = unitFont(font(), 14, QFont::DemiBold);
    const QFont hertzFont = unitFont(font(), 10);
    const double numbersWidth = std::max(QFontMetricsF(centsFont).horizontalAdvance(cents),
        QFontMetricsF(hertzFont).horizontalAdvance(hertz));
    const double middle = inside.top() + 19.0;
    painter.setFont(centsFont);
    painter.setPen(t.past ? kDimmed : kSecondInk);
    painter.drawText(QRectF(column, inside.top(), numbersWidth + 4, middle - inside.top()),
        Qt::AlignLeft | Qt::AlignBottom, cents);
    painter.setFont(hertzFont);
    painter.setPen(t.past ? kDimmed : kQuietInk);
    painter.drawText(QRectF(column, middle, numbersWidth + 4, inside.bottom() - middle),
        Qt::AlignLeft | Qt::AlignTop, hertz);
    return column + numbersWidth + 6.0;
}

// The sign large over its word, as a tuner's flat and sharp lamps.
void ReadoutView::paintJudgement(
    QPainter& painter, const QRectF& inside, const QRectF& last, const QString& judgement) const
{
    const qsizetype space = judgement.indexOf(u' ');
    const QString sign = judgement.left(space);
    const QString word = judgement.mid(space + 1);
    const double rowSplit = inside.top() + 19.0;
    painter.setPen(kInk);
    painter.setFont(unitFont(font(), 18, QFont::DemiBold));
    painter.drawText(QRectF(last.left(), inside.top(), last.width(), rowSplit - inside.top()),
        Qt::AlignHCenter | Qt::AlignBottom, sign);
    painter.setFont(fitted(unitFont(font(), 10, QFont::DemiBold), word, last.width()));
    painter.drawText(QRectF(last.left(), rowSplit, last.width(), inside.bottom() - rowSplit),
        Qt::AlignHCenter | Qt::AlignTop, word);
}

} // namespace clefmark
