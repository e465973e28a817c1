// What the window's tuner listens to: the sound server's default input, or a
// sound file chosen while the program runs.
//
// The tuner captures through one AudioHardware and follows its default input
// device by itself. So the switch is itself that hardware: it owns the live
// back-end and, while a file plays, a file back-end, and routes every call by
// device id. Choosing a file (or the input again) makes another device the
// default input and tells the listeners so; the tuner then stops on the old
// device and starts on the new one as it does when the user picks another
// microphone.
//
// Ids. The live back-end's ids pass through unchanged; each file gets a fresh
// id of its own from kFirstFileDevice up, never reused. So a call the tuner
// makes for the old device while a switch is under way (stopping it, above
// all) still reaches the old back-end, and never the new one by mistake.
//
// Lifetime. A file switched away from is kept while an input procedure is
// bound to it, and let go when the procedure is removed: the tuner always
// removes it when it stops. Calls hold a back-end by shared ownership for
// their duration, so the last one out destroys it, which joins its thread.
#pragma once

#include "audio/FileAudioHardware.h"
#include "audio/PropertyNotifier.h"
#include "tuner/AudioHardware.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace clefmark {

/// Thread safe throughout, with the threading rules of AudioHardware. The
/// listeners are called on a notification thread of the switch's own, which
/// also passes on the live back-end's changes (those about its default input
/// only while no file is chosen).
class InputSwitch final : public AudioHardware {
public:
    /// The first id given to a file; the live back-end's ids must stay below.
    static constexpr AudioDeviceID kFirstFileDevice = 0x40000000;

    /// `live` may be null: there is then no input but files.
    explicit InputSwitch(std::unique_ptr<AudioHardware> live);
    /// Lets go of every back-end; no listener or input procedure runs once it
    /// has returned.
    ~InputSwitch() override;

    InputSwitch(const InputSwitch&) = delete;
    InputSwitch& operator=(const InputSwitch&) = delete;

    /// Opens `path`, played in a loop, and checks that its samples can be
    /// analysed and that it holds some; then makes it the default input.
    /// Returns why it cannot be played (in the file reader's words, without
    /// the path), leaving the input as it was; empty when it plays.
    std::string playFile(const std::string& path);
    /// Makes the live back-end's default input the default input again. Does
    /// nothing when no file is chosen.
    void listenToInput();
    /// True while a file is the default input.
    bool playingFile() const { return current_.load(std::memory_order_acquire) != kNoAudioDevice; }
    /// Waits until every change made or passed on so far has been told to
    /// the listeners. Never from a listener.
    void waitForListeners() { notifier_.waitUntilIdle(); }

    void addPropertyListener(AudioPropertyListener listener, void* context) override;
    void removePropertyListener(AudioPropertyListener listener, void* context) override;
    AudioDeviceID defaultInputDevice() override;
    bool safetyOffset(AudioDeviceID device, std::uint32_t& frames) override;
    bool bufferFrameSize(AudioDeviceID device, std::uint32_t& frames) override;
    bool streamFormat(AudioDeviceID device, StreamFormat& format) override;
    bool deviceName(AudioDeviceID device, std::string& name) override;
    bool inputExhausted(AudioDeviceID device) override;
    bool isRecording(AudioDeviceID device) override;
    bool addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData) override;
    bool removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc) override;
    bool start(AudioDeviceID device, AudioDeviceIOProc proc) override;
    bool stop(AudioDeviceID device, AudioDeviceIOProc proc) override;

private:
    // A file back-end under its id, with what its one procedure is called
    // with, so that the procedure sees the id it was bound with.
    struct File {
        AudioDeviceID id = kNoAudioDevice;
        FileAudioHardware hardware;
        AudioDeviceIOProc proc = nullptr;
        void* clientData = nullptr;
        explicit File(AudioDeviceID fileId)
            : id(fileId)
            , hardware(FileAudioHardware::kDefaultCycleFrames, true)
        {
        }
    };

    static void relay(AudioHardwareProperty property, void* context);
    static std::int32_t fileCycle(AudioDeviceID device, const AudioTimeStamp* now,
        const AudioBufferList* inputData, const AudioTimeStamp* inputTime,
        AudioBufferList* outputData, const AudioTimeStamp* outputTime, void* clientData);
    std::shared_ptr<File> file(AudioDeviceID device) const;
    template <typename Call> bool route(AudioDeviceID device, Call call);
    // Makes `next` (or the live input, when null) the default input.
    void select(std::shared_ptr<File> next);
    // Drops files no longer chosen and with no procedure bound.
    void collectLocked(std::vector<std::shared_ptr<File>>& dropped);

    std::unique_ptr<AudioHardware> live_;

    mutable std::mutex mutex_; // files_, nextId_ and each file's binding
    std::vector<std::shared_ptr<File>> files_; // the chosen one and those still bound
    AudioDeviceID nextId_ = kFirstFileDevice;
    std::atomic<AudioDeviceID> current_ { kNoAudioDevice }; // the chosen file's id

    PropertyNotifier notifier_;
};

} // namespace clefmark
