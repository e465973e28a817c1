#include "audio/FileAudioHardware.h"

#include <algorithm>
#include <bit>
#include <utility>

namespace clefmark {

namespace {

    // Frames read from the file at a time, rounded down to whole cycles: a few
    // reads a second at common rates, each over in a fraction of a cycle.
    constexpr std::uint32_t kReadAheadFrames = 16384;

} // namespace

StreamFormat floatStreamFormat(int sampleRate, int channels)
{
    const auto count = static_cast<std::uint32_t>(channels);
    StreamFormat format;
    format.sampleRate = sampleRate;
    format.formatFlags = kFormatFlagIsFloat;
    if constexpr (std::endian::native == std::endian::big)
        format.formatFlags |= kFormatFlagIsBigEndian;
    format.bytesPerPacket = 4 * count;
    format.framesPerPacket = 1;
    format.bytesPerFrame = 4 * count;
    format.channelsPerFrame = count;
    format.bitsPerChannel = 32;
    return format;
}

PlaybackClock& PlaybackClock::steady()
{
    struct Steady final : PlaybackClock {
        Clock::time_point now() override { return Clock::now(); }
        bool sleepUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& wake,
            Clock::time_point deadline, const bool& stopRequested) override
        {
            return wake.wait_until(lock, deadline, [&] { return stopRequested; });
        }
    };
    static Steady clock;
    return clock;
}

FileAudioHardware::FileAudioHardware(std::uint32_t cycleFrames, bool loop, PlaybackClock& clock)
    : cycleFrames_(std::clamp<std::uint32_t>(cycleFrames, 1, kMaxCycleFrames))
    , loop_(loop)
    , clock_(clock)
    , fileCycleFrames_(cycleFrames_)
{
}

FileAudioHardware::~FileAudioHardware()
{
    std::lock_guard lock(controlMutex_);
    stopLocked();
}

bool FileAudioHardware::onInputThread() const
{
    return inputThread_.load(std::memory_order_relaxed) == std::this_thread::get_id();
}

bool FileAudioHardware::open(const std::string& path)
{
    if (onInputThread())
        return false;
    std::lock_guard lock(controlMutex_);
    if (isPlaying()) {
        std::lock_guard errorLock(errorMutex_);
        error_ = "cannot open another file while one is playing";
        return false;
    }
    // A file that ended leaves its thread to be collected.
    if (thread_.joinable())
        thread_.join();

    std::string problem;
    fileOpen_ = file_.open(path);
    name_ = path.substr(path.find_last_of('/') + 1);
    fileFrames_ = fileOpen_ ? file_.frames() : 0;
    if (fileOpen_) {
        format_ = floatStreamFormat(file_.sampleRate(), file_.channels());
        // Bounded in bytes: with many channels, cycles get shorter rather than
        // the buffer larger.
        const std::uint32_t bufferFrames
            = std::min(kReadAheadFrames, readBufferFrames(file_.channels()));
        fileCycleFrames_ = std::min(cycleFrames_, readBufferFrames(file_.channels()));
        chunkCapacity_
            = std::max<std::uint32_t>(1, bufferFrames / fileCycleFrames_) * fileCycleFrames_;
        const auto channels = static_cast<std::size_t>(file_.channels());
        chunk_.assign(std::size_t { chunkCapacity_ } * channels, 0.0f);
    } else {
        format_ = {};
        fileCycleFrames_ = cycleFrames_;
        chunkCapacity_ = 0;
        chunk_.clear();
        problem = file_.error();
    }
    resetChunk();
    framesDelivered_ = 0;
    finished_.store(false, std::memory_order_release);
    std::lock_guard errorLock(errorMutex_);
    error_ = std::move(problem);
    return fileOpen_;
}

std::string FileAudioHardware::error() const
{
    std::lock_guard lock(errorMutex_);
    return error_;
}

bool FileAudioHardware::waitUntilFinished(std::chrono::milliseconds timeout) const
{
    std::unique_lock lock(wakeMutex_);
    return wake_.wait_for(lock, timeout, [this] { return finished(); });
}

void FileAudioHardware::addPropertyListener(AudioPropertyListener listener, void* context)
{
    std::lock_guard lock(controlMutex_);
    listeners_.emplace_back(listener, context);
}

void FileAudioHardware::removePropertyListener(AudioPropertyListener listener, void* context)
{
    std::lock_guard lock(controlMutex_);
    const auto found
        = std::find(listeners_.begin(), listeners_.end(), std::pair { listener, context });
    if (found != listeners_.end())
        listeners_.erase(found);
}

AudioDeviceID FileAudioHardware::defaultInputDevice()
{
    return kDevice;
}

bool FileAudioHardware::safetyOffset(AudioDeviceID device, std::uint32_t& frames)
{
    if (device != kDevice)
        return false;
    frames = 0;
    return true;
}

bool FileAudioHardware::bufferFrameSize(AudioDeviceID device, std::uint32_t& frames)
{
    std::lock_guard lock(controlMutex_);
    if (device != kDevice)
        return false;
    frames = fileCycleFrames_;
    return true;
}

bool FileAudioHardware::streamFormat(AudioDeviceID device, StreamFormat& format)
{
    std::lock_guard lock(controlMutex_);
    if (device != kDevice || !fileOpen_)
        return false;
    format = format_;
    return true;
}

bool FileAudioHardware::deviceName(AudioDeviceID device, std::string& name)
{
    std::lock_guard lock(controlMutex_);
    if (device != kDevice || !fileOpen_)
        return false;
    name = name_;
    return true;
}

bool FileAudioHardware::inputExhausted(AudioDeviceID device)
{
    return device == kDevice && finished();
}

bool FileAudioHardware::addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData)
{
    std::lock_guard lock(controlMutex_);
    if (device != kDevice || proc == nullptr)
        return false;
    if (proc_ != nullptr)
        return proc_ == proc && clientData_ == clientData;
    proc_ = proc;
    clientData_ = clientData;
    return true;
}

bool FileAudioHardware::removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc)
{
    if (onInputThread())
        return false;
    std::lock_guard lock(controlMutex_);
    if (device != kDevice || proc == nullptr || proc != proc_)
        return false;
    stopLocked();
    proc_ = nullptr;
    clientData_ = nullptr;
    return true;
}

bool FileAudioHardware::start(AudioDeviceID device, AudioDeviceIOProc proc)
{
    if (onInputThread())
        return false;
    std::lock_guard lock(controlMutex_);
    if (device != kDevice || proc == nullptr || proc != proc_ || !fileOpen_)
        return false;
    if (thread_.joinable()) {
        if (isPlaying())
            return true;
        thread_.join();
    }
    if (finished()) {
        if (!file_.rewind()) {
            std::lock_guard errorLock(errorMutex_);
            error_ = file_.error();
            return false;
        }
        resetChunk();
        finished_.store(false, std::memory_order_release);
        std::lock_guard errorLock(errorMutex_);
        error_.clear();
    }
    {
        std::lock_guard wakeLock(wakeMutex_);
        stopRequested_ = false;
    }
    playing_.store(true, std::memory_order_release);
    thread_ = std::thread(&FileAudioHardware::play, this, proc_, clientData_);
    return true;
}

bool FileAudioHardware::stop(AudioDeviceID device, AudioDeviceIOProc /*proc*/)
{
    if (onInputThread())
        return false;
    if (device != kDevice)
        return false;
    std::lock_guard lock(controlMutex_);
    stopLocked();
    return true;
}

void FileAudioHardware::stopLocked()
{
    {
        std::lock_guard wakeLock(wakeMutex_);
        stopRequested_ = true;
    }
    wake_.notify_all();
    if (thread_.joinable())
        thread_.join();
    playing_.store(false, std::memory_order_release);
}

void FileAudioHardware::setFinished(std::string error)
{
    if (!error.empty()) {
        std::lock_guard errorLock(errorMutex_);
        error_ = std::move(error);
    }
    {
        std::lock_guard wakeLock(wakeMutex_);
        finished_.store(true, std::memory_order_release);
    }
    wake_.notify_all();
}

void FileAudioHardware::resetChunk()
{
    chunkFrames_ = 0;
    chunkPos_ = 0;
    chunkEnded_ = false;
}

std::uint32_t FileAudioHardware::readChunk()
{
    const auto channels = static_cast<std::size_t>(format_.channelsPerFrame);
    std::uint32_t filled = 0;
    bool rewound = false;
    while (filled < chunkCapacity_) {
        const std::int64_t got
            = file_.read(chunk_.data() + filled * channels, chunkCapacity_ - filled);
        filled += static_cast<std::uint32_t>(got);
        if (got > 0) {
            rewound = false;
            continue;
        }
        // A file with no frames at all would rewind for ever.
        if (!loop_ || rewound || file_.hasReadError() || !file_.rewind())
            break;
        rewound = true;
    }
    return filled;
}

std::uint32_t FileAudioHardware::nextCycle()
{
    if (chunkPos_ == chunkFrames_) {
        if (chunkEnded_)
            return 0;
        chunkFrames_ = readChunk();
        chunkPos_ = 0;
        chunkEnded_ = chunkFrames_ < chunkCapacity_ || file_.hasReadError();
    }
    return std::min(fileCycleFrames_, chunkFrames_ - chunkPos_);
}

void FileAudioHardware::play(AudioDeviceIOProc proc, void* clientData)
{
    using Clock = PlaybackClock::Clock;
    inputThread_.store(std::this_thread::get_id(), std::memory_order_relaxed);

    const double rate = format_.sampleRate;
    const std::uint32_t channels = format_.channelsPerFrame;
    const std::uint32_t bytesPerFrame = format_.bytesPerFrame;
    const Clock::time_point begin = clock_.now();
    std::uint64_t framesThisRun = 0;
    bool ended = false;
    for (;;) {
        const std::uint32_t frames = nextCycle();
        if (frames == 0) {
            ended = true;
            break;
        }
        // Each deadline from the frames played since `start`, not from the
        // previous wake-up, so that late wake-ups do not add up to a drift.
        framesThisRun += frames;
        const auto deadline = begin
            + std::chrono::duration_cast<Clock::duration>(
                std::chrono::duration<double>(static_cast<double>(framesThisRun) / rate));
        {
            // Stopped before its time, the cycle stays in the buffer for the
            // next start: stopping and starting again loses nothing.
            std::unique_lock lock(wakeMutex_);
            if (clock_.sleepUntil(lock, wake_, deadline, stopRequested_))
                break;
        }

        const AudioBuffer buffer { channels, frames * bytesPerFrame,
            chunk_.data() + std::size_t { chunkPos_ } * channels };
        const AudioBufferList list { 1, &buffer };
        // A sample time of 0 marks a cycle as invalid, so counting starts at 1.
        const AudioTimeStamp inputTime { framesDelivered_ + 1 };
        const AudioTimeStamp now { framesDelivered_ + 1 + frames };
        proc(kDevice, &now, &list, &inputTime, nullptr, nullptr, clientData);
        framesDelivered_ += frames;
        chunkPos_ += frames;

        if (chunkEnded_ && chunkPos_ == chunkFrames_) {
            ended = true;
            break;
        }
    }
    inputThread_.store(std::thread::id {}, std::memory_order_relaxed);
    // Not playing before finished: whoever sees the end and starts again
    // must find the thread done, not still "running".
    playing_.store(false, std::memory_order_release);
    if (ended)
        setFinished(file_.hasReadError() ? file_.error() : std::string());
}

} // namespace clefmark
