#include "views/AccessibleViews.h"

#include "tuner/NoteMapper.h"
#include "views/AccessibleReadout.h"
#include "views/Clefmark.h"
#include "views/GuitarTunerView.h"
#include "views/LevelMeter.h"
#include "views/ReadoutView.h"
#include "views/ReadoutWords.h"
#include "views/StatusIndicator.h"
#include "views/TunerMeter.h"

#include <QAccessibleValueInterface>
#include <QCoreApplication>
#include <algorithm>
#include <cmath>
#include <cstdint>

namespace clefmark {

double needleCents(int position)
{
    const int deviation = position - TunerMeter::kCentre;
    return std::round(deviation * 1000.0 / 51.0) / 10.0;
}

AnnouncementGate::Action AnnouncementGate::update(Key key, Clock::time_point now)
{
    if (told_ == key)
        return Action::None;
    if (told_.has_value() && now < nextAllowed())
        return Action::TellLater;
    told_ = key;
    lastTold_ = now;
    return Action::TellNow;
}

void CentsSettling::update(
    const std::string& note, std::optional<double> cents, Clock::time_point now)
{
    if (!cents || note != note_ || !anchor_ || std::abs(*cents - *anchor_) > kWithin) {
        note_ = note;
        anchor_ = cents;
        since_ = now;
        resting_ = false;
        return;
    }
    if (!resting_ && now - since_ >= kHeldFor) {
        resting_ = true;
        ++restings_;
    }
}

std::optional<CentsSettling::Clock::time_point> CentsSettling::due() const
{
    if (!anchor_ || resting_)
        return std::nullopt;
    return since_ + kHeldFor;
}

namespace {

    AnnouncementServices completed(AnnouncementServices s)
    {
        if (!s.clock)
            s.clock = [] { return AnnouncementGate::Clock::now(); };
        if (!s.makeTimer)
            s.makeTimer = makeEventLoopTimer;
        if (!s.listening)
            s.listening = [] { return QAccessible::isActive(); };
        if (!s.send)
            s.send = [](QAccessibleEvent* event) { QAccessible::updateAccessibility(event); };
        return s;
    }

    AnnouncementServices& shared()
    {
        static AnnouncementServices services = completed({});
        return services;
    }

} // namespace

AccessibleView::AccessibleView(QWidget* view, QAccessible::Role role)
    : QAccessibleWidget(view, role)
    , services_(shared())
{
}

void AccessibleView::viewChanged()
{
    const auto now = services_.clock();
    const AnnouncementGate::Key key = announcementKey(now);
    // The next look: when the key may change by itself, or when the gate
    // lets a change that came too soon be told.
    std::optional<AnnouncementGate::Clock::time_point> look = keyDue();
    switch (gate_.update(key, now)) {
    case AnnouncementGate::Action::None:
        break;
    case AnnouncementGate::Action::TellNow:
        announce();
        break;
    case AnnouncementGate::Action::TellLater:
        look = std::min(look.value_or(gate_.nextAllowed()), gate_.nextAllowed());
        break;
    }
    if (!look) {
        if (timer_)
            timer_->cancel();
        return;
    }
    if (!timer_)
        timer_ = services_.makeTimer();
    // The timer goes with this interface, which goes with its view.
    const std::chrono::duration<double> wait = *look - now;
    timer_->start(std::max(wait.count(), 0.0), [this] {
        if (services_.listening())
            viewChanged();
    });
}

void accessibleViewChanged(QWidget* view)
{
    if (!shared().listening())
        return;
    if (auto* iface = dynamic_cast<AccessibleView*>(QAccessible::queryAccessibleInterface(view)))
        iface->viewChanged();
}

namespace {

    /// A read-only value, for the views that have one.
    class ReadOnlyValue : public QAccessibleValueInterface {
    public:
        void setCurrentValue(const QVariant&) override { }
    };

    /// The needle: its value is the deviation in cents.
    class AccessibleNeedle final : public AccessibleView, public ReadOnlyValue {
    public:
        explicit AccessibleNeedle(TunerMeter* meter)
            : AccessibleView(meter, QAccessible::Slider)
        {
        }

        // A slider that only shows: a reader says so rather than offer to move it.
        QAccessible::State state() const override
        {
            QAccessible::State s = AccessibleView::state();
            s.readOnly = true;
            return s;
        }

        QString text(QAccessible::Text t) const override
        {
            switch (t) {
            case QAccessible::Name:
                return QCoreApplication::translate("AccessibleViews", "Deviation in cents");
            case QAccessible::Value:
                return words();
            // Fixed: a screen reader keeps the description it has read, and
            // only the value is told when it changes.
            case QAccessible::Description:
                return QCoreApplication::translate(
                    "AccessibleViews", "How far the pitch lies from the nearest note");
            default:
                return AccessibleView::text(t);
            }
        }

        void* interface_cast(QAccessible::InterfaceType t) override
        {
            if (t == QAccessible::ValueInterface)
                return static_cast<QAccessibleValueInterface*>(this);
            return AccessibleView::interface_cast(t);
        }

        // No note lies more than half a semitone off; the needle's ends, a
        // little past that, are where it stops, not deviations.
        static constexpr double kRange = 50.0;

        QVariant currentValue() const override
        {
            return meter()->hasTune() ? QVariant(cents()) : QVariant();
        }
        QVariant minimumValue() const override { return -kRange; }
        QVariant maximumValue() const override { return kRange; }
        QVariant minimumStepSize() const override { return 0.1; }

    protected:
        enum Judgement { None, Flat, InTune, Sharp };

        AnnouncementGate::Key announcementKey(AnnouncementGate::Clock::time_point) override
        {
            return judgement();
        }

        void announce() override
        {
            QAccessibleValueChangeEvent event(object(), currentValue());
            send(event);
        }

    private:
        TunerMeter* meter() const { return static_cast<TunerMeter*>(object()); }
        double cents() const { return std::clamp(needleCents(meter()->tune()), -kRange, kRange); }

        Judgement judgement() const
        {
            if (!meter()->hasTune())
                return None;
            if (meter()->inTune())
                return InTune;
            const int position = meter()->tune();
            return position < TunerMeter::kCentre ? Flat
                : position > TunerMeter::kCentre  ? Sharp
                                                  : InTune;
        }

        QString words() const
        {
            static const char* const kWords[] = { "", "flat", "in tune", "sharp" };
            const Judgement j = judgement();
            if (j == None)
                return QCoreApplication::translate("AccessibleViews", "No note yet");
            const double c = cents();
            const QString sign = c > 0 ? QStringLiteral("+")
                : c < 0                ? QStringLiteral("\u2212")
                                       : QString();
            return QStringLiteral("%1%2 cents, %3")
                .arg(sign, QString::number(std::abs(c), 'f', 1), QLatin1String(kWords[j]));
        }
    };

    /// The staff view: named after the note it shows, with its true octave.
    class AccessibleStaff final : public AccessibleView {
    public:
        explicit AccessibleStaff(Clefmark* staff)
            : AccessibleView(staff, QAccessible::Graphic)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            switch (t) {
            case QAccessible::Name:
                // As the staves write it, with the sharp sign, in the
                // names the user reads.
                return staff()->heardNote()
                    ? QString::fromStdString(noteName(*staff()->heardNote(), NoteSpelling::Sharps,
                        staff()->noteNaming(), localSyllables()))
                    : QCoreApplication::translate("AccessibleViews", "No note yet");
            case QAccessible::Description:
                return QCoreApplication::translate(
                    "AccessibleViews", "The note on the treble and bass staves");
            default:
                return AccessibleView::text(t);
            }
        }

    protected:
        AnnouncementGate::Key announcementKey(AnnouncementGate::Clock::time_point) override
        {
            // Every note is a 32-bit number; no note is none of them.
            const std::optional<int> note = staff()->heardNote();
            return note ? static_cast<std::uint32_t>(*note) : AnnouncementGate::Key(1) << 32;
        }

        void announce() override
        {
            QAccessibleEvent event(object(), QAccessible::NameChanged);
            send(event);
        }

    private:
        Clefmark* staff() const { return static_cast<Clefmark*>(object()); }
    };

    /// The level meter: a progress bar from 0 to 8. Its level changes with
    /// every block and tells nothing; a screen reader reads it on request.
    class AccessibleLevelMeter final : public QAccessibleWidget, public ReadOnlyValue {
    public:
        explicit AccessibleLevelMeter(LevelMeter* meter)
            : QAccessibleWidget(meter, QAccessible::ProgressBar)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            switch (t) {
            case QAccessible::Name:
                return QCoreApplication::translate("AccessibleViews", "Input level");
            case QAccessible::Value:
                return QString::number(meter()->level());
            case QAccessible::Description:
                return QStringLiteral("0 to 8, in steps of 3 dB");
            default:
                return QAccessibleWidget::text(t);
            }
        }

        void* interface_cast(QAccessible::InterfaceType t) override
        {
            if (t == QAccessible::ValueInterface)
                return static_cast<QAccessibleValueInterface*>(this);
            return QAccessibleWidget::interface_cast(t);
        }

        QVariant currentValue() const override { return meter()->level(); }
        QVariant minimumValue() const override { return 0; }
        QVariant maximumValue() const override { return LevelMeter::kSegments; }
        QVariant minimumStepSize() const override { return 1; }

    private:
        LevelMeter* meter() const { return static_cast<LevelMeter*>(object()); }
    };

    /// The status picture: an animation that steps with every pitch found.
    class AccessibleStatusPicture final : public QAccessibleWidget {
    public:
        explicit AccessibleStatusPicture(StatusIndicator* indicator)
            : QAccessibleWidget(indicator, QAccessible::Animation)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Name)
                return QCoreApplication::translate("AccessibleViews", "Pitch detection");
            // The tooltip names the input device being heard.
            if (t == QAccessible::Description && widget()->toolTip().isEmpty())
                return QCoreApplication::translate(
                    "AccessibleViews", "Steps each time a pitch is found");
            return QAccessibleWidget::text(t);
        }
    };

    /// The picture behind the displays: the panel that holds them.
    class AccessibleBackground final : public QAccessibleWidget {
    public:
        explicit AccessibleBackground(GuitarTunerView* view)
            : QAccessibleWidget(view, QAccessible::Pane)
        {
        }

        QString text(QAccessible::Text t) const override
        {
            if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
                return QCoreApplication::translate("AccessibleViews", "Tuner");
            return QAccessibleWidget::text(t);
        }
    };

    template <typename View> bool is(const QString& className)
    {
        return className == QLatin1String(View::staticMetaObject.className());
    }

    QAccessibleInterface* viewInterface(const QString& className, QObject* object)
    {
        if (is<TunerMeter>(className))
            return new AccessibleNeedle(static_cast<TunerMeter*>(object));
        if (is<Clefmark>(className))
            return new AccessibleStaff(static_cast<Clefmark*>(object));
        if (is<LevelMeter>(className))
            return new AccessibleLevelMeter(static_cast<LevelMeter*>(object));
        if (is<StatusIndicator>(className))
            return new AccessibleStatusPicture(static_cast<StatusIndicator*>(object));
        if (is<GuitarTunerView>(className))
            return new AccessibleBackground(static_cast<GuitarTunerView*>(object));
        if (is<ReadoutView>(className))
            return new AccessibleReadout<ReadoutView>(static_cast<ReadoutView*>(object));
        return nullptr;
    }

} // namespace

void installViewAccessibility(AnnouncementServices services)
{
    shared() = completed(std::move(services));
    QAccessible::installFactory(viewInterface); // once: Qt keeps no duplicate
}

} // namespace clefmark
