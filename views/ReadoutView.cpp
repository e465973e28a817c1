#include "views/ReadoutView.h"

#include "views/AccessibleViews.h"
#include "views/ReadoutWords.h"
#include "views/TextFit.h"

#include <QColor>
#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <algorithm>
#include <chrono>
#include <optional>

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

    /// "A♯4" → "A sharp 4", "B♭4" → "B flat 4".
    QString spokenNote(const std::string& note)
    {
        const QString sharp = QCoreApplication::translate("Readout", "sharp", "spoken accidental");
        const QString flat = QCoreApplication::translate("Readout", "flat", "spoken accidental");
        return fromUtf8(note)
            .replace(QChar(0x266F), u' ' + sharp + u' ')
            .replace(QChar(0x266D), u' ' + flat + u' ');
    }

    /// "+19.6" → "19.6 cents sharp"; "−3.0" → "3.0 cents flat"; "0.0" → "0.0 cents".
    QString spokenCents(const std::string& cents)
    {
        const QString text = localNumber(cents);
        if (text.startsWith(u'+'))
            return QCoreApplication::translate("Readout", "%1 cents sharp").arg(text.mid(1));
        if (text.startsWith(QChar(0x2212)))
            return QCoreApplication::translate("Readout", "%1 cents flat").arg(text.mid(1));
        return QCoreApplication::translate("Readout", "%1 cents").arg(text);
    }

    /// What is going on, in words, when no live note is there.
    QString stateOf(const Readout::Text& t)
    {
        return stateWords(t.state, t.deviceUnusable);
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

void ReadoutView::setNaming(NoteNaming naming)
{
    readout_.setNaming(naming, localSyllables());
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
        return stateOf(t);
    QString reading = spokenNote(t.note);
    if (!t.sounding.empty())
        reading += QStringLiteral(", ") + tr("sounds %1").arg(spokenNote(t.sounding));
    if (!t.past && t.judgement == Readout::Judgement::InTune)
        reading += QStringLiteral(", ") + QCoreApplication::translate("Readout", "in tune");
    reading += QStringLiteral(", ") + spokenCents(t.cents) + QStringLiteral(", ")
        + localNumber(t.frequency).replace(QStringLiteral("Hz"), tr("hertz"));
    if (!t.past)
        return reading;
    return tr("%1; last heard %2").arg(stateOf(t), reading);
}

void ReadoutView::paintEvent(QPaintEvent*)
{
    displayText_ = text();
    lastPaint_ = clock_();
    numbersTimer_->stop();
    // Drawn in units of the designed size, whatever the least size the
    // window gives it.
    const QSizeF designed(kDesignedSize);
    const double sx = width() / designed.width();
    const double sy = height() / designed.height();

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.save();
    painter.scale(sx, sy);
    paintCard(painter, designed);
    painter.restore();

    // The text in pixels, at the font sizes it was measured at: a font
    // scaled by the painter would not keep to the widths measured.
    const double scale = std::min(sx, sy);
    QRectF numbers;
    for (const Piece& piece : layOut(displayText_, font(), scale)) {
        const QRectF box(piece.box.left() * sx, piece.box.top() * sy, piece.box.width() * sx,
            piece.box.height() * sy);
        painter.setFont(fontAtScale(piece.font, scale));
        painter.setPen(piece.ink);
        painter.drawText(box, piece.alignment, piece.text);
        if (piece.numbers)
            numbers |= box;
    }
    // Where the numbers and the judgement are, for redrawing only them.
    numbersArea_ = numbers.isEmpty() ? rect() : numbers.adjusted(-2, 0, 2, 0).toAlignedRect();
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

namespace {

    using Piece = ReadoutView::Piece;

    /// `fitted`'s lines in `box`, centred on its middle, aligned by `alignment`.
    void addLines(std::vector<Piece>& pieces, const FittedText& fitted, const QRectF& box,
        int alignment, const QColor& ink, bool numbers = false)
    {
        if (fitted.lines.size() == 1) {
            pieces.push_back({ fitted.lines.first(), fitted.font, box, alignment | Qt::AlignVCenter,
                ink, numbers });
            return;
        }
        double top = box.center().y() - fitted.lineHeight * fitted.lines.size() / 2.0;
        for (const QString& line : fitted.lines) {
            pieces.push_back(
                { line, fitted.font, QRectF(box.left(), top, box.width(), fitted.lineHeight),
                    alignment | Qt::AlignVCenter, ink, numbers });
            top += fitted.lineHeight;
        }
    }

    /// The note, then the cents over the frequency, then the judgement or,
    /// for a note gone past, what is going on now, side by side, the first
    /// two in type `shrink` times their size; none when the last of them has
    /// no room.
    std::optional<std::vector<Piece>> beside(const Readout::Text& t, const QFont& base,
        double scale, const QRectF& inside, double shrink)
    {
        auto sized = [&](int pixels, QFont::Weight weight = QFont::Normal) {
            return unitFont(base, static_cast<int>(std::lround(pixels * shrink)), weight);
        };
        std::vector<Piece> pieces;
        const QString note = fromUtf8(t.note);
        const QFont noteFont = sized(20, QFont::DemiBold);
        double noteWidth = unitsWide(note, noteFont, scale);
        const QColor noteInk = t.past ? kDimmed : kInk;
        if (t.sounding.empty()) {
            pieces.push_back(
                { note, noteFont, QRectF(inside.left(), inside.top(), noteWidth, inside.height()),
                    Qt::AlignLeft | Qt::AlignVCenter, noteInk });
        } else {
            // A transposed note: the written one a little higher, and under
            // it, small, the one that sounds.
            const double split = inside.top() + 22.0;
            pieces.push_back({ note, noteFont,
                QRectF(inside.left(), inside.top(), noteWidth, split - inside.top()),
                Qt::AlignLeft | Qt::AlignBottom, noteInk });
            const QString sounding = ReadoutView::tr("sounds %1").arg(fromUtf8(t.sounding));
            const QFont soundingFont = sized(9);
            const double soundingWidth = unitsWide(sounding, soundingFont, scale);
            pieces.push_back({ sounding, soundingFont,
                QRectF(inside.left(), split, soundingWidth, inside.bottom() - split),
                Qt::AlignLeft | Qt::AlignTop, t.past ? kDimmed : kQuietInk });
            noteWidth = std::max(noteWidth, soundingWidth);
        }

        const double column
            = std::max(inside.left() + noteWidth + 8.0 * shrink, inside.left() + 46.0 * shrink);
        const QString cents = localNumber(t.cents) + QStringLiteral(" \u00A2");
        const QString hertz = localNumber(t.frequency);
        const QFont centsFont = sized(14, QFont::DemiBold);
        const QFont hertzFont = sized(10);
        const double numbersWidth
            = std::max(unitsWide(cents, centsFont, scale), unitsWide(hertz, hertzFont, scale));
        const double middle = inside.top() + 19.0;
        pieces.push_back(
            { cents, centsFont, QRectF(column, inside.top(), numbersWidth, middle - inside.top()),
                Qt::AlignLeft | Qt::AlignBottom, t.past ? kDimmed : kSecondInk, true });
        pieces.push_back(
            { hertz, hertzFont, QRectF(column, middle, numbersWidth, inside.bottom() - middle),
                Qt::AlignLeft | Qt::AlignTop, t.past ? kDimmed : kQuietInk, true });

        const double right = column + numbersWidth + 6.0 * shrink;
        const QRectF last(right, inside.top(), inside.right() - right, inside.height());
        if (last.width() <= 0.0)
            return std::nullopt;
        if (t.past) {
            const std::optional<FittedText> state
                = fitText(stateOf(t), unitFont(base, 10), 10, 8, last.size(), 3, scale);
            if (!state)
                return std::nullopt;
            addLines(pieces, *state, last, Qt::AlignRight, kQuietInk);
            return pieces;
        }
        // The sign large over its word, as a tuner's flat and sharp lamps.
        const QString judgement = judgementWords(t.judgement);
        const qsizetype space = judgement.indexOf(u' ');
        const QRectF signBox(last.left(), inside.top(), last.width(), middle - inside.top());
        const QRectF wordBox(last.left(), middle, last.width(), inside.bottom() - middle);
        const std::optional<FittedText> word = fitText(judgement.mid(space + 1),
            unitFont(base, 10, QFont::DemiBold), 10, 7, wordBox.size(), 1, scale);
        // Under a short word (two characters in Chinese) the sign is the
        // wider of the two.
        const QString sign = judgement.left(space);
        const QFont signFont = unitFont(base, 18, QFont::DemiBold);
        if (!word || !fitsBox(sign, signFont, signBox.size(), scale))
            return std::nullopt;
        pieces.push_back(
            { sign, signFont, signBox, Qt::AlignHCenter | Qt::AlignBottom, kInk, true });
        pieces.push_back({ word->lines.first(), word->font, wordBox,
            Qt::AlignHCenter | Qt::AlignTop, kInk, true });
        return pieces;
    }

    /// A past note on one line, smaller, with what is going on under it.
    std::vector<Piece> stacked(
        const Readout::Text& t, const QFont& base, double scale, const QRectF& inside)
    {
        struct Part {
            QString text;
            int pixels;
            QFont::Weight weight;
        };
        std::vector<Part> parts { { fromUtf8(t.note), 16, QFont::DemiBold } };
        if (!t.sounding.empty())
            parts.push_back(
                { ReadoutView::tr("sounds %1").arg(fromUtf8(t.sounding)), 9, QFont::Normal });
        parts.push_back({ localNumber(t.cents) + QStringLiteral(" \u00A2"), 12, QFont::DemiBold });
        parts.push_back({ localNumber(t.frequency), 9, QFont::Normal });
        constexpr double kGap = 5.0;
        const double rowBottom = inside.top() + 19.0;
        std::vector<Piece> pieces;
        for (double shrink = 1.0; shrink > 0.4; shrink -= 0.05) {
            pieces.clear();
            double x = inside.left();
            for (const Part& part : parts) {
                const QFont font = unitFont(base,
                    std::max(6, static_cast<int>(std::lround(part.pixels * shrink))), part.weight);
                const double wide = unitsWide(part.text, font, scale);
                pieces.push_back(
                    { part.text, font, QRectF(x, inside.top(), wide, rowBottom - inside.top()),
                        Qt::AlignLeft | Qt::AlignBottom, kDimmed, true });
                x += wide + kGap;
            }
            if (x - kGap <= inside.right())
                break;
        }
        // A long name can overrun the card even in the least type (Ukrainian
        // solfège, two octaves down): the gaps close up, to a space at least.
        if (const double over = pieces.back().box.right() - inside.right(); over > 0.0) {
            const double gap = std::max(2.0, kGap - over / static_cast<double>(pieces.size() - 1));
            for (std::size_t i = 1; i < pieces.size(); ++i)
                pieces[i].box.moveLeft(pieces[i - 1].box.right() + gap);
        }
        const QRectF under(inside.left(), rowBottom, inside.width(), inside.bottom() - rowBottom);
        const QString state = stateOf(t);
        if (const std::optional<FittedText> fitted
            = fitText(state, unitFont(base, 11), 11, 6, under.size(), 2, scale))
            addLines(pieces, *fitted, under, Qt::AlignLeft, kQuietInk);
        else
            pieces.push_back({ state, unitFont(base, 6), under, Qt::AlignLeft, kQuietInk });
        return pieces;
    }

} // namespace

std::vector<ReadoutView::Piece> ReadoutView::layOut(
    const Readout::Text& t, const QFont& base, double scale)
{
    const QRectF inside(
        kLeft, kCardTop + 1, kDesignedSize.width() - kLeft - kRightMargin, kCardHeight - 2);
    if (t.note.empty()) {
        // Nothing heard yet: only what is going on.
        const QString state = stateOf(t);
        std::vector<Piece> pieces;
        if (const std::optional<FittedText> fitted
            = fitText(state, unitFont(base, 13), 13, 7, inside.size(), 2, scale))
            addLines(pieces, *fitted, inside, Qt::AlignHCenter, kQuietInk);
        else
            pieces.push_back({ state, unitFont(base, 7), inside, Qt::AlignCenter, kQuietInk });
        return pieces;
    }
    // A past note's words go under it sooner than its numbers shrink; a
    // live note's judgement stays beside it, the rest smaller if need be.
    for (double shrink = 1.0; shrink > (t.past ? 0.99 : 0.6); shrink -= 0.05)
        if (std::optional<std::vector<Piece>> pieces = beside(t, base, scale, inside, shrink))
            return *pieces;
    return stacked(t, base, scale, inside);
}

} // namespace clefmark
