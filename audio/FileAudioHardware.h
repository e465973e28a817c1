// An audio file as the only input device, played in real time: what the
// terminal tuner listens to on a machine without a sound server, and what
// tests use to run the whole capture path at the pace of a sound card.
#pragma once

#include "audio/AudioFile.h"
#include "tuner/AudioHardware.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace clefmark {

/// The stream format a device delivering `file`'s samples reports: native
/// 32-bit float, all channels interleaved in one buffer, the file's rate.
StreamFormat floatStreamFormat(int sampleRate, int channels);

/// The time a file device plays by. The device asks it for the time once, as
/// it starts, and then sleeps until each cycle's deadline; a test's own clock
/// lets it check the pacing without waiting for it.
class PlaybackClock {
public:
    using Clock = std::chrono::steady_clock;
    virtual ~PlaybackClock() = default;
    virtual Clock::time_point now() = 0;
    /// Waits on `wake`, with `lock` held on entry and exit, until `deadline`
    /// or until `stopRequested` (guarded by `lock`) is true; returns it.
    virtual bool sleepUntil(std::unique_lock<std::mutex>& lock, std::condition_variable& wake,
        Clock::time_point deadline, const bool& stopRequested)
        = 0;
    /// The steady clock, shared by every device that is given no other.
    static PlaybackClock& steady();
};

/// One input device, `kDevice`, which is the default input from construction
/// and never stops being it. Once a file is open and a procedure started, an
/// input thread of the device's own reads the file as the analyser does
/// (`AudioFile::read`, all channels interleaved) and calls the procedure with
/// one cycle of `cycleFrames` frames (fewer when that many frames of the
/// file's channels would not fit in kReadBufferBytes; `bufferFrameSize`
/// tells the size in use) each time that much audio would have
/// arrived from a sound card: cycles are paced against its clock from
/// the moment of `start`, each deadline computed from the frames played so
/// far, so lateness in one cycle does not carry over into the next. The
/// sample time is the number of frames delivered since `open` plus one, and
/// keeps counting across `stop`, `start` and loops.
///
/// At the end of the file, the last cycle may be short; then the file has
/// been played (`finished`) and no more cycles come. When looping, the file
/// is rewound instead and cycles stay whole, running on across the seam.
///
/// One input procedure may be bound at a time.
///
/// Threads: every method may be called from any thread but the input thread
/// (there, `start`, `stop`, `open` and `removeIOProc` fail rather than
/// deadlock). Control calls are serialised by a mutex that the input thread
/// never takes; the input thread shares with them only atomics and a
/// wake-up mutex held for a store and a notify. `stop` waits for the cycle in
/// progress to end and joins the input thread, never the other way round.
class FileAudioHardware final : public AudioHardware {
public:
    static constexpr AudioDeviceID kDevice = 1;
    static constexpr std::uint32_t kDefaultCycleFrames = 512;
    static constexpr std::uint32_t kMaxCycleFrames = 65536;

    /// `cycleFrames` is clamped to 1..kMaxCycleFrames. With `loop`, the file
    /// plays again from its start each time it ends, until stopped. `clock`,
    /// the steady clock unless given, must outlive the device.
    explicit FileAudioHardware(std::uint32_t cycleFrames = kDefaultCycleFrames, bool loop = false,
        PlaybackClock& clock = PlaybackClock::steady());
    /// Stops playing. No input procedure runs once it has returned.
    ~FileAudioHardware() override;

    FileAudioHardware(const FileAudioHardware&) = delete;
    FileAudioHardware& operator=(const FileAudioHardware&) = delete;

    /// Opens the file the device plays, replacing any before. Fails while
    /// playing; on failure, `error()` says why in the file reader's words
    /// ("no such file", "not an audio file (…)", …), without the path, and
    /// the device has no format until a file opens.
    bool open(const std::string& path);
    /// Why the last `open` failed, or why playing stopped early (a read
    /// error); empty otherwise. Thread safe.
    std::string error() const;

    std::uint32_t cycleFrames() const { return cycleFrames_; }
    bool loops() const { return loop_; }
    /// The frames the open file holds, as its header gives them; 0 when no
    /// file is open. Set by `open`, so that it is read only between opens.
    std::int64_t fileFrames() const { return fileFrames_; }

    /// True once the file has been played to its end (never when looping)
    /// or a read failed. Reset by `open`. Thread safe, non-blocking.
    bool finished() const { return finished_.load(std::memory_order_acquire); }
    /// Waits up to `timeout` for `finished`; returns it. Never call it from
    /// the input procedure.
    bool waitUntilFinished(std::chrono::milliseconds timeout) const;

    /// True while the input thread is delivering cycles. Thread safe.
    bool isPlaying() const { return playing_.load(std::memory_order_acquire); }

    /// Kept, and removable, but never called: the one device never changes.
    void addPropertyListener(AudioPropertyListener listener, void* context) override;
    void removePropertyListener(AudioPropertyListener listener, void* context) override;
    /// Always kDevice, even before a file is open.
    AudioDeviceID defaultInputDevice() override;

    /// 0: nothing stands between the file and the procedure.
    bool safetyOffset(AudioDeviceID device, std::uint32_t& frames) override;
    /// The frames of each cycle: `cycleFrames`, or fewer for a file of many
    /// channels.
    bool bufferFrameSize(AudioDeviceID device, std::uint32_t& frames) override;
    /// The open file's rate and channels as native floats; false before a
    /// file is open.
    bool streamFormat(AudioDeviceID device, StreamFormat& format) override;
    /// The file's name, without its folder.
    bool deviceName(AudioDeviceID device, std::string& name) override;
    /// True once finished: a looping file never is.
    bool inputExhausted(AudioDeviceID device) override;
    bool isRecording(AudioDeviceID device) override { return device == kDevice; }

    /// Fails when another procedure is already bound.
    bool addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData) override;
    bool removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc) override;
    /// Starts the input thread, going on from where `stop` left the file;
    /// a file played to its end starts again from its beginning. Fails
    /// without an open file or a bound `proc`.
    bool start(AudioDeviceID device, AudioDeviceIOProc proc) override;
    bool stop(AudioDeviceID device, AudioDeviceIOProc proc) override;

private:
    void play(AudioDeviceIOProc proc, void* clientData);
    void stopLocked();
    bool onInputThread() const;
    void setFinished(std::string error);
    // Fills the read-ahead buffer, rewinding when looping; returns the frames
    // read.
    std::uint32_t readChunk();
    // The next cycle's frames at `chunkPos_`, reading ahead when the buffer
    // is used up; 0 at the end of the file.
    std::uint32_t nextCycle();
    void resetChunk();

    const std::uint32_t cycleFrames_;
    const bool loop_;
    PlaybackClock& clock_;

    mutable std::mutex controlMutex_; // everything below up to the next group
    std::uint32_t fileCycleFrames_; // cycleFrames_, or fewer for many channels
    AudioFile file_; // the input thread's alone while it runs
    StreamFormat format_;
    bool fileOpen_ = false;
    std::string name_;
    AudioDeviceIOProc proc_ = nullptr;
    void* clientData_ = nullptr;
    std::thread thread_;
    // Read ahead in whole cycles, as the analyser reads: a read per cycle
    // would cost a system call per cycle. The input thread's alone while it
    // runs, like the counters.
    std::vector<float> chunk_;
    std::uint32_t chunkCapacity_ = 0; // frames
    std::int64_t fileFrames_ = 0;
    std::uint32_t chunkFrames_ = 0; // frames read into it
    std::uint32_t chunkPos_ = 0; // the next frame to deliver
    bool chunkEnded_ = false; // no more to read after this chunk
    double framesDelivered_ = 0;
    std::vector<std::pair<AudioPropertyListener, void*>> listeners_;

    // Shared with the input thread.
    mutable std::mutex wakeMutex_;
    mutable std::condition_variable wake_;
    bool stopRequested_ = false; // under wakeMutex_
    std::atomic<bool> finished_ { false };
    std::atomic<bool> playing_ { false };
    std::atomic<std::thread::id> inputThread_ {};
    mutable std::mutex errorMutex_;
    std::string error_;
};

} // namespace clefmark
