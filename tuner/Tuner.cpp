#include "tuner/Tuner.h"

#include <algorithm>
#include <stdexcept>

namespace clefmark {

// The display receivers, shared with every delivery still queued for the
// main thread. A delivery reads its receiver when it runs, on the main
// thread, so a receiver detached (or a tuner destroyed) before then receives
// nothing. The input thread only tests them for null, to skip posting what
// nobody would receive.
struct Tuner::DisplayLinks {
    std::atomic<LevelDisplay*> level { nullptr };
    std::atomic<TuneDisplay*> tune { nullptr };
    std::atomic<NoteDisplay*> note { nullptr };
    std::atomic<StatusDisplay*> status { nullptr };
    std::atomic<ReadingDisplay*> reading { nullptr };
    // Read where a note is handed over, on the main thread: a delivery
    // queued before a change of transposition and run after it shows the
    // new one, as the re-sent note does.
    std::atomic<int> transposition { 0 };
};

namespace {

    Tuner* sharedTuner = nullptr;

    // The frames of a cycle, as its first buffer gives them.
    std::uint32_t cycleFrames(const AudioBufferList& list)
    {
        if (list.numberBuffers == 0 || list.buffers == nullptr
            || list.buffers[0].numberChannels == 0)
            return 0;
        return list.buffers[0].dataByteSize / sizeof(float) / list.buffers[0].numberChannels;
    }

    // Whether any sample of the cycle is other than an exact zero. A hole (a
    // buffer without data) carries none. Reads up to the first that is.
    bool carriesSound(const AudioBufferList& list)
    {
        for (std::uint32_t b = 0; b < list.numberBuffers && list.buffers != nullptr; ++b) {
            const AudioBuffer& buffer = list.buffers[b];
            if (buffer.data == nullptr)
                continue;
            const auto* samples = static_cast<const float*>(buffer.data);
            const std::uint32_t count = buffer.dataByteSize / sizeof(float);
            for (std::uint32_t i = 0; i < count; ++i)
                if (samples[i] != 0.0f)
                    return true;
        }
        return false;
    }

    // Tune value and note of one mapping in one word, so they are stored and
    // read together.
    std::uint64_t packMapping(std::int32_t tune, std::int32_t note)
    {
        return (std::uint64_t { static_cast<std::uint32_t>(tune) } << 32)
            | static_cast<std::uint32_t>(note);
    }

} // namespace

Tuner::Tuner(UserDefaults& defaults, MainThread& mainThread, AudioHardware* hardware,
    std::chrono::milliseconds stallTimeout)
    : defaults_(defaults)
    , mainThread_(mainThread)
    , links_(std::make_shared<DisplayLinks>())
    , hardware_(hardware)
    , stallGuard_(stallTimeout,
          StallGuard::Reports { [this] { inputStalled(); },
              [this](bool heardSound) { inputSilent(heardSound); }, [this] { inputHeard(); } })
{
    firstLaunch_ = !defaults_.hasValue(kReferencePitchKey);
    defaults_.registerInteger(kReferencePitchKey, kDefaultReferencePitch);
    defaults_.registerBool(kOctaveRejectionKey, false);
    defaults_.registerBool(kCloseEnoughKey, false);
    defaults_.registerInteger(kTranspositionKey, 0);
    defaults_.registerBool(kFlatNamesKey, false);

    // A value edited by hand outside the range would put the whole scale out
    // of tune without the user seeing why; take the nearer limit.
    const int pitch = std::clamp(
        defaults_.integerForKey(kReferencePitchKey), kMinReferencePitch, kMaxReferencePitch);
    referencePitch_.store(pitch, std::memory_order_relaxed);
    octaveRejection_.store(defaults_.boolForKey(kOctaveRejectionKey), std::memory_order_relaxed);
    closeEnough_.store(defaults_.boolForKey(kCloseEnoughKey), std::memory_order_relaxed);
    links_->transposition.store(std::clamp(
        defaults_.integerForKey(kTranspositionKey), kMinTransposition, kMaxTransposition));
    flatNames_.store(defaults_.boolForKey(kFlatNamesKey), std::memory_order_relaxed);

    mapper_.InitTuningObject(pitch, NoteMapper::kStepsPerSemitone);

    if (hardware_ != nullptr)
        hardware_->addPropertyListener(&Tuner::propertyListener, this);
}

Tuner::~Tuner()
{
    // Outside the capture lock, which a restart it is making may be waiting
    // for.
    stallGuard_.shutDown();
    if (hardware_ != nullptr) {
        // First no more device changes, then no more input cycles.
        hardware_->removePropertyListener(&Tuner::propertyListener, this);
        std::lock_guard lock(captureMutex_);
        stopLocked();
    }
    links_->level.store(nullptr);
    links_->tune.store(nullptr);
    links_->note.store(nullptr);
    links_->status.store(nullptr);
    links_->reading.store(nullptr);
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
    // Sequentially consistent, as are the mapping's stores: see
    // UpdateTunerFrequency, which must see this store if its mapping would
    // otherwise land after ours.
    referencePitch_.store(hz, std::memory_order_seq_cst);
    defaults_.setInteger(kReferencePitchKey, hz);

    // Before anything has been shown there is nothing to re-map: the display
    // keeps its blank state rather than a note made up from 0 Hz.
    const float last = tracker_.saveFrequency();
    if (last == 0.0f)
        return;
    NoteMapper remap;
    remap.InitTuningObject(hz, NoteMapper::kStepsPerSemitone);
    if (!remap.UpdateTuningObject(last))
        return;
    const DisplayUpdate update = remap.update(closeEnough());
    storeLastMapping(update);
    postUpdate(update);
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
    postUpdate(lastMapping());
}

int Tuner::transposition() const
{
    return links_->transposition.load(std::memory_order_relaxed);
}

void Tuner::setTransposition(int semitones)
{
    const int clamped = std::clamp(semitones, kMinTransposition, kMaxTransposition);
    links_->transposition.store(clamped);
    defaults_.setInteger(kTranspositionKey, clamped);
    // The staff shows the change at once rather than at the next note. The
    // delivery adds the transposition it finds when it runs, so this one
    // stays whatever the input thread posts meanwhile.
    if (tracker_.saveFrequency() != 0.0f)
        postUpdate(lastMapping());
}

void Tuner::setFlatNames(bool on)
{
    flatNames_.store(on, std::memory_order_relaxed);
    defaults_.setBool(kFlatNamesKey, on);
}

DisplayUpdate Tuner::lastMapping() const
{
    const std::uint64_t packed = lastMapping_.load(std::memory_order_relaxed);
    const auto tune = static_cast<std::int32_t>(static_cast<std::uint32_t>(packed >> 32));
    const auto note = static_cast<std::int32_t>(static_cast<std::uint32_t>(packed));
    return { tune, NoteMapper::isInTune(tune, closeEnough()), note };
}

DisplayUpdate Tuner::lastUpdate() const
{
    DisplayUpdate update = lastMapping();
    update.note += transposition();
    return update;
}

void Tuner::storeLastMapping(const DisplayUpdate& update)
{
    lastMapping_.store(packMapping(update.tune, update.note), std::memory_order_seq_cst);
}

void Tuner::setLevelMeter(LevelDisplay* display)
{
    links_->level.store(display);
}

void Tuner::setTunerMeter(TuneDisplay* display)
{
    links_->tune.store(display);
}

void Tuner::setClefmark(NoteDisplay* display)
{
    links_->note.store(display);
}

void Tuner::setStatusIndicator(StatusDisplay* display)
{
    links_->status.store(display);
}

void Tuner::setReadingDisplay(ReadingDisplay* display)
{
    links_->reading.store(display);
}

std::string Tuner::configureCapture(const StreamFormat& format)
{
    mFormat = format;
    mSampleRate = static_cast<float>(format.sampleRate);
    mBytesPerFrame = format.bytesPerFrame;
    mBitsPerChannel = format.bitsPerChannel;
    mIsFloat = (format.formatFlags & kFormatFlagIsFloat) != 0;
    mIsNativeEndian = (format.formatFlags & kFormatFlagIsBigEndian) == 0;

    const BlockSize size = analysisBlockSize(format.sampleRate);
    captureConfigured_ = size.refusal.empty();
    if (!captureConfigured_) {
        intake_.configure(0);
        return size.refusal;
    }
    intake_.configure(size.frames);
    InitTunerProject();
    return {};
}

void Tuner::InitTunerProject()
{
    detector_.InitTunerProject(mSampleRate, intake_.bufferFrames());
    tracker_.resetNote();
}

std::int32_t Tuner::inputIOProc(const AudioDeviceProcParams* params)
{
    // Paused or not, a cycle that comes shows the stream is alive, and its
    // samples whether it carries sound.
    stallGuard_.cycle();
    if (params != nullptr && params->inputData != nullptr)
        stallGuard_.heard(cycleFrames(*params->inputData), carriesSound(*params->inputData));
    if (params == nullptr || pause_.load(std::memory_order_relaxed) || !captureConfigured_)
        return 0;
    return intake_.inputIOProc(*params, *this);
}

std::int32_t Tuner::blockFull(float* block)
{
    const BlockAnalysis analysis = detector_.detectPitch(block);
    if (analysis.octaveGuardReset)
        tracker_.resetOctaveGuard();

    BlockReport report;
    report.level = analysis.level;
    if (analysis.frequency)
        DoWhenFound(*analysis.frequency, report);
    postLevel(analysis.level);
    postReading(analysis.level, report.frequency);

    if (AnalysisObserver* observer = observer_.load(std::memory_order_acquire))
        observer->blockAnalysed(report);
    return 0;
}

void Tuner::DoWhenFound(float F, BlockReport& report)
{
    report.detected = F;
    if (octaveRejection())
        tracker_.OctaveJumpDetect(F);
    tracker_.IntegrateFrequency(F);
    report.frequency = F;
    UpdateTunerFrequency(F, report);
    tracker_.setSaveFrequency(F);
}

void Tuner::UpdateTunerFrequency(float F, BlockReport& report)
{
    // The main thread may set a new reference between our reading the old one
    // and our posting: its re-mapping would then reach the display first and
    // ours, made under the old reference, last. So once ours is stored and
    // posted we read the reference again and map once more if it moved.
    // Sequential consistency makes that enough: the main thread stores the
    // reference before it stores and posts its mapping, so if either of ours
    // lands after its counterpart (the single order of the seq_cst stores, the
    // post queue's lock), the second load sees the new reference.
    std::int32_t pitch = referencePitch_.load(std::memory_order_seq_cst);
    for (;;) {
        if (pitch != mapper_.middleA())
            mapper_.InitTuningObject(pitch, NoteMapper::kStepsPerSemitone);
        if (!mapper_.UpdateTuningObject(F))
            break;
        const DisplayUpdate update = mapper_.update(closeEnough());
        storeLastMapping(update);
        postUpdate(update);
        report.update = update;
        report.update->note += links_->transposition.load(std::memory_order_relaxed);
        const std::int32_t now = referencePitch_.load(std::memory_order_seq_cst);
        if (now == pitch)
            break;
        pitch = now;
    }
    postIncrement();
}

// The posts below capture the shared links, not the receivers: see
// DisplayLinks. Loads on the input thread are relaxed, since they only decide
// whether to post; the main thread's loads see its own stores.

void Tuner::postLevel(int level)
{
    if (links_->level.load(std::memory_order_relaxed) == nullptr)
        return;
    mainThread_.post([links = links_, level] {
        if (LevelDisplay* display = links->level.load())
            display->setLevel(level);
    });
}

void Tuner::postReading(int level, std::optional<float> frequency)
{
    if (links_->reading.load(std::memory_order_relaxed) == nullptr)
        return;
    mainThread_.post([links = links_, level, frequency] {
        if (ReadingDisplay* display = links->reading.load())
            display->setReading(level, frequency);
    });
}

void Tuner::postUpdate(const DisplayUpdate& update)
{
    if (links_->tune.load(std::memory_order_relaxed) == nullptr
        && links_->note.load(std::memory_order_relaxed) == nullptr)
        return;
    mainThread_.post([links = links_, update] {
        if (TuneDisplay* display = links->tune.load())
            display->setTune(update.tune, update.inTune);
        if (NoteDisplay* display = links->note.load())
            display->setNote(update.note + links->transposition.load());
    });
}

void Tuner::postIncrement()
{
    if (links_->status.load(std::memory_order_relaxed) == nullptr)
        return;
    mainThread_.post([links = links_] {
        if (StatusDisplay* display = links->status.load())
            display->increment();
    });
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
