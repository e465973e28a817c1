#include "tuner/Readout.h"

#include "tuner/NoteMapper.h"
#include "tuner/NoteNames.h"

#include <cmath>
#include <cstdio>

namespace clefmark {

namespace {

    // How long the level must stay at 0 (below -21 dBFS, where detection
    // mostly has nothing to work on) before the readout calls it too quiet:
    // long enough that the gaps between plucked notes do not flicker.
    constexpr std::chrono::milliseconds kQuietFor { 500 };

    std::string oneDecimal(double value)
    {
        char text[32];
        std::snprintf(text, sizeof text, "%.1f", value);
        return text;
    }

} // namespace

std::string formatCents(double cents)
{
    // Rounded to tenths first, so that the sign belongs to what is shown:
    // -0.04 shows as 0.0, never as a negative zero.
    const double tenths = std::round(cents * 10.0);
    if (tenths == 0.0)
        return "0.0";
    const std::string digits = oneDecimal(std::fabs(tenths) / 10.0);
    return (tenths > 0.0 ? "+" : "\u2212") + digits;
}

const char* judgementWord(Readout::Judgement judgement)
{
    switch (judgement) {
    case Readout::Judgement::Flat:
        return "flat";
    case Readout::Judgement::InTune:
        return "in tune";
    case Readout::Judgement::Sharp:
        return "sharp";
    case Readout::Judgement::None:
        break;
    }
    return "";
}

// These rename the last note at once, heard or not: the readout must never
// show a deviation from a reference, or a name, that is no longer the user's.
void Readout::setPitch(const Pitch& pitch)
{
    pitch_ = pitch;
    describePitch();
    update(now_);
}

void Readout::setTransposition(int semitones)
{
    transposition_ = semitones;
    describePitch();
    update(now_);
}

void Readout::setSpelling(NoteSpelling spelling)
{
    spelling_ = spelling;
    describePitch();
    update(now_);
}

void Readout::setNaming(NoteNaming naming, const Syllables& syllables)
{
    naming_ = naming;
    syllables_ = syllables;
    describePitch();
    update(now_);
}

void Readout::setPaused(bool paused, Clock::time_point now)
{
    paused_ = paused;
    update(now);
}

void Readout::setCaptureState(
    CaptureState state, bool serverConnected, std::string device, Clock::time_point now)
{
    if (state == CaptureState::Running && capture_ != CaptureState::Running)
        capturedSince_ = now;
    capture_ = state;
    serverConnected_ = serverConnected;
    device_ = std::move(device);
    update(now);
}

void Readout::setReading(int level, std::optional<Pitch> pitch, Clock::time_point now)
{
    if (level > 0 || pitch)
        lastAudible_ = now;
    if (pitch) {
        pitch_ = pitch;
        lastPitchAt_ = now;
        describePitch();
    }
    update(now);
}

void Readout::tick(Clock::time_point now)
{
    update(now);
}

// The words for the pitch the tuner mapped; the cents to a tenth.
void Readout::describePitch()
{
    note_.clear();
    sounding_.clear();
    cents_.clear();
    hertz_.clear();
    judgement_ = Judgement::None;
    if (!pitch_)
        return;
    const DisplayUpdate& mapped = pitch_->update;
    note_ = noteName(mapped.note + transposition_, spelling_, naming_, syllables_);
    if (transposition_ != 0)
        sounding_ = noteName(mapped.note, spelling_, naming_, syllables_);
    cents_ = formatCents(pitch_->cents);
    hertz_ = oneDecimal(pitch_->frequency) + " Hz";
    judgement_ = mapped.inTune ? Judgement::InTune
        : mapped.tune > 0      ? Judgement::Sharp
                               : Judgement::Flat;
}

void Readout::update(Clock::time_point now)
{
    now_ = now;
    Text text;
    text.device = capture_ == CaptureState::Running ? device_ : std::string();
    text.note = note_;
    text.sounding = sounding_;
    text.cents = cents_;
    text.frequency = hertz_;
    const bool live = lastPitchAt_ && now - *lastPitchAt_ < kLiveFor && !paused_
        && capture_ == CaptureState::Running;
    text.past = !note_.empty() && !live;

    if (paused_) {
        text.state = State::Paused;
        text.stateText = "Paused";
    } else if (capture_ == CaptureState::NoDevice && !serverConnected_) {
        text.state = State::WaitingForServer;
        text.stateText = "Waiting for the sound server";
    } else if (capture_ == CaptureState::NoDevice || capture_ == CaptureState::FormatUnusable) {
        text.state = State::NoDevice;
        text.deviceUnusable = capture_ == CaptureState::FormatUnusable;
        text.stateText = capture_ == CaptureState::NoDevice ? "No input device"
                                                            : "The input device cannot be used";
    } else if (live) {
        text.state = State::Live;
        text.judgement = judgement_;
        static constexpr const char* kSigns[] = { "", "\u266D ", "\u2713 ", "\u266F " };
        text.judgementText
            = std::string(kSigns[static_cast<int>(judgement_)]) + judgementWord(judgement_);
    } else if (capture_ == CaptureState::Running
        && now - (lastAudible_ && *lastAudible_ > capturedSince_ ? *lastAudible_ : capturedSince_)
            >= kQuietFor) {
        text.state = State::TooQuiet;
        text.stateText = "Too quiet";
    } else {
        text.state = State::Listening;
        text.stateText = "Listening";
    }
    text_ = std::move(text);
}

} // namespace clefmark
