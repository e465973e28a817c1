#include "tuner/Tuner.h"

#include <stdexcept>

namespace clefmark {

namespace {

    Tuner* sharedTuner = nullptr;

} // namespace

Tuner::Tuner(UserDefaults& defaults, MainThread& mainThread, AudioHardware* hardware,
    std::chrono::milliseconds stallTimeout)
    : defaults_(defaults)
    , doorbell_(mainThread.makeDoorbell([this] { deliverPending(); }))
    , capture_(hardware, &TunerInputProc, this, *this, stallTimeout)
{
    firstLaunch_ = !defaults_.hasValue(kReferencePitchKey);
    defaults_.registerInteger(kReferencePitchKey, kDefaultReferencePitch);
    defaults_.registerBool(kOctaveRejectionKey, false);
    defaults_.registerBool(kCloseEnoughKey, false);
    defaults_.registerInteger(kTranspositionKey, 0);
    defaults_.registerBool(kFlatNamesKey, false);
    defaults_.registerInteger(kNoteNamingKey, kNoteNamingSetting.initial);
    defaults_.registerBool(kFreshNotesKey, kFreshNotesSetting.initial);
    defaults_.registerBool(kSecondOpinionKey, false);

    // A value edited by hand outside the range would put the whole scale out
    // of tune without the user seeing why; take the nearer limit.
    const int pitch = kReferencePitchSetting.within(defaults_.integerForKey(kReferencePitchKey));
    referencePitch_.store(pitch, std::memory_order_relaxed);
    octaveRejection_.store(defaults_.boolForKey(kOctaveRejectionKey), std::memory_order_relaxed);
    closeEnough_.store(defaults_.boolForKey(kCloseEnoughKey), std::memory_order_relaxed);
    transposition_.store(kTranspositionSetting.within(defaults_.integerForKey(kTranspositionKey)));
    flatNames_.store(defaults_.boolForKey(kFlatNamesKey), std::memory_order_relaxed);
    // A number edited by hand that names no system leaves the choice to
    // the language, as if none had been made.
    const int naming = defaults_.integerForKey(kNoteNamingKey);
    noteNaming_.store(kNoteNamingSetting.accepts(naming) ? naming : kNoteNamingSetting.initial,
        std::memory_order_relaxed);
    freshNotes_.store(defaults_.boolForKey(kFreshNotesKey), std::memory_order_relaxed);
    secondOpinion_.store(defaults_.boolForKey(kSecondOpinionKey), std::memory_order_relaxed);

    mapper_.InitTuningObject(pitch, NoteMapper::kStepsPerSemitone);
}

Tuner::~Tuner()
{
    // No input cycle rings the bell once capture is closed, and what is
    // still in the ring reaches no display once the bell is gone.
    capture_.close();
    doorbell_.reset();
}

Tuner& Tuner::sharedInstance(
    UserDefaults& defaults, MainThread& mainThread, AudioHardware* hardware)
{
    // Created once and never released: the input thread may still be using
    // it while the process exits.
    if (sharedTuner == nullptr)
        sharedTuner = new Tuner(defaults, mainThread, hardware);
    return *sharedTuner;
}

Tuner& Tuner::sharedInstance()
{
    if (sharedTuner == nullptr)
        throw std::logic_error("Tuner::sharedInstance: the shared tuner has not been created");
    return *sharedTuner;
}

void Tuner::setReferencePitch(int hz)
{
    referencePitch_.store(hz, std::memory_order_relaxed);
    defaults_.setInteger(kReferencePitchKey, hz);

    // Before anything has been shown there is nothing to re-map: the display
    // keeps its blank state rather than a note made up from 0 Hz. Results
    // still in the ring are mapped when they are delivered, under this
    // reference: nothing made under the old one can arrive after.
    mapper_.InitTuningObject(hz, NoteMapper::kStepsPerSemitone);
    if (shownFrequency_ == 0.0f)
        return;
    const std::optional<Pitch> pitch = mapper_.mapPitch(shownFrequency_, closeEnough());
    if (!pitch)
        return;
    lastPitch_ = *pitch;
    show(pitch->update);
    if (readingDisplay_ != nullptr)
        readingDisplay_->setPitch(*pitch);
}

void Tuner::setOctaveRejection(bool on)
{
    octaveRejection_.store(on, std::memory_order_relaxed);
    defaults_.setBool(kOctaveRejectionKey, on);
}

void Tuner::setCloseEnough(bool on)
{
    closeEnough_.store(on, std::memory_order_relaxed);
    defaults_.setBool(kCloseEnoughKey, on);
    // DoFineTune: the last tune value, judged again, whether or not a note
    // has been shown.
    lastPitch_.update.inTune = NoteMapper::isInTune(lastPitch_.update.tune, on);
    show(lastPitch_.update);
    if (readingDisplay_ != nullptr && shownFrequency_ != 0.0f)
        readingDisplay_->setPitch(lastPitch_);
}

int Tuner::transposition() const
{
    return transposition_.load(std::memory_order_relaxed);
}

void Tuner::setTransposition(int semitones)
{
    const int clamped = kTranspositionSetting.within(semitones);
    transposition_.store(clamped, std::memory_order_relaxed);
    defaults_.setInteger(kTranspositionKey, clamped);
    // The staff shows the change at once rather than at the next note.
    if (shownFrequency_ != 0.0f)
        show(lastPitch_.update);
}

void Tuner::setSecondOpinion(bool on)
{
    secondOpinion_.store(on, std::memory_order_relaxed);
    defaults_.setBool(kSecondOpinionKey, on);
}

void Tuner::setFlatNames(bool on)
{
    flatNames_.store(on, std::memory_order_relaxed);
    defaults_.setBool(kFlatNamesKey, on);
}

std::optional<NoteNaming> Tuner::noteNaming() const
{
    const int naming = noteNaming_.load(std::memory_order_relaxed);
    if (naming < 0)
        return std::nullopt;
    return static_cast<NoteNaming>(naming);
}

void Tuner::setNoteNaming(NoteNaming naming)
{
    noteNaming_.store(static_cast<int>(naming), std::memory_order_relaxed);
    defaults_.setInteger(kNoteNamingKey, static_cast<int>(naming));
}

void Tuner::setFreshNotes(bool on)
{
    freshNotes_.store(on, std::memory_order_relaxed);
    defaults_.setBool(kFreshNotesKey, on);
}

DisplayUpdate Tuner::lastUpdate() const
{
    DisplayUpdate update = lastPitch_.update;
    update.note += transposition();
    return update;
}

void Tuner::setLevelMeter(LevelDisplay* display)
{
    mLevelMeter = display;
}

void Tuner::setTunerMeter(TuneDisplay* display)
{
    mTunerMeter = display;
}

void Tuner::setClefmark(NoteDisplay* display)
{
    mClefmark = display;
}

void Tuner::setStatusIndicator(StatusDisplay* display)
{
    mStatusIndicator = display;
}

void Tuner::setReadingDisplay(ReadingDisplay* display)
{
    readingDisplay_ = display;
}

std::string Tuner::configureCapture(const StreamFormat& format)
{
    return analysis_.configure(format.sampleRate);
}

std::string Tuner::prepareCapture(const StreamFormat& format)
{
    return configureCapture(format);
}

void Tuner::start()
{
    capture_.start();
}

void Tuner::stop()
{
    capture_.stop();
}

bool Tuner::setInputDevice(AudioDeviceID device)
{
    return capture_.setInputDevice(device);
}

void Tuner::audioHardwarePropertyListener()
{
    capture_.defaultInputChanged();
}

void Tuner::recordingEnded()
{
    capture_.recordingEnded();
}

void Tuner::applicationWillTerminate()
{
    capture_.terminate();
    defaults_.setInteger(kReferencePitchKey, referencePitch());
    defaults_.setBool(kOctaveRejectionKey, octaveRejection());
    defaults_.setBool(kCloseEnoughKey, closeEnough());
    defaults_.setInteger(kTranspositionKey, transposition());
    defaults_.setBool(kFlatNamesKey, flatNames());
    // Never the language's names: those follow the language if it changes.
    if (noteNaming())
        defaults_.setInteger(kNoteNamingKey, static_cast<int>(*noteNaming()));
    defaults_.setBool(kFreshNotesKey, freshNotes());
    defaults_.setBool(kSecondOpinionKey, secondOpinion());
}

std::int32_t Tuner::inputIOProc(const AudioDeviceProcParams* params)
{
    // Paused or not, a cycle that comes shows the stream is alive.
    capture_.cycleArrived(params);
    if (params == nullptr || pause_.load(std::memory_order_relaxed) || !isCaptureConfigured()
        || !SampleIntake::isValidCycle(*params))
        return 0;
    analysis_.setFreshNotes(freshNotes());
    analysis_.setSecondOpinion(secondOpinion());
    analysis_.take(*params->inputData, octaveRejection(), *this);
    return 0;
}

void Tuner::blockAnalysed(const BlockReport& report)
{
    if (!deliveries_.push(report)) {
        dropped_.fetch_add(1, std::memory_order_relaxed);
        return;
    }
    // Acquire-release: see deliverPending.
    if (!wakePending_.exchange(true, std::memory_order_acq_rel))
        doorbell_->ring();
}

void Tuner::deliverPending()
{
    // Cleared before the ring is read, by an exchange: when it reads a set
    // by the input thread it also sees every result pushed before that set,
    // and a result pushed after the exchange rings the bell again.
    wakePending_.exchange(false, std::memory_order_acq_rel);
    while (const std::optional<BlockReport> report = deliveries_.pop())
        deliver(*report);
}

// In the order the analysis made them: the note and the status step when a
// pitch was found, then the level and the reading.
void Tuner::deliver(BlockReport report)
{
    std::optional<Pitch> pitch;
    if (report.frequency) {
        pitch = UpdateTunerFrequency(*report.frequency);
        if (pitch) {
            report.update = pitch->update;
            report.update->note += transposition();
        }
        if (mStatusIndicator != nullptr)
            mStatusIndicator->increment();
    }
    if (mLevelMeter != nullptr)
        mLevelMeter->setLevel(report.level);
    if (readingDisplay_ != nullptr)
        readingDisplay_->setReading(report.level, pitch);
    if (observer_ != nullptr)
        observer_->blockAnalysed(report);
}

std::optional<Pitch> Tuner::UpdateTunerFrequency(float F)
{
    shownFrequency_ = F;
    const std::optional<Pitch> pitch = mapper_.mapPitch(F, closeEnough());
    if (!pitch)
        return std::nullopt;
    lastPitch_ = *pitch;
    show(pitch->update);
    return pitch;
}

void Tuner::show(const DisplayUpdate& update)
{
    if (mTunerMeter != nullptr)
        mTunerMeter->setTune(update.tune, update.inTune);
    if (mClefmark != nullptr)
        mClefmark->setNote(update.note + transposition());
}

std::int32_t TunerInputProc(std::uint32_t device, const AudioTimeStamp* now,
    const AudioBufferList* inputData, const AudioTimeStamp* inputTime, AudioBufferList* outputData,
    const AudioTimeStamp* outputTime, void* clientData)
{
    const AudioDeviceProcParams params { device, now, inputData, inputTime, outputData,
        outputTime };
    return static_cast<Tuner*>(clientData)->inputIOProc(&params);
}

} // namespace clefmark
