// Audio hardware that exists only in memory, for tests: devices of chosen
// formats, a default input the test changes at will, and input cycles the
// test delivers one by one on whatever thread it likes. Device changes reach
// the listeners through the back-ends' shared PropertyNotifier, on a thread of
// its own with no lock of ours held, as with real hardware, so the tuner's
// threads meet here as they do in the program.
#pragma once

#include "audio/PropertyNotifier.h"
#include "tuner/AudioHardware.h"

#include <cstddef>
#include <map>
#include <mutex>
#include <string>
#include <vector>

namespace clefmark {

/// Thread safe throughout. `deliverCycle` runs the device's input procedure
/// on the calling thread, which thereby is the device's input thread.
class SimulatedAudioHardware final : public AudioHardware {
public:
    SimulatedAudioHardware();
    ~SimulatedAudioHardware() override;

    /// Adds a device (not the default). Its format can be made unreadable.
    AudioDeviceID addDevice(const StreamFormat& format, std::uint32_t safetyOffset = 0,
        std::uint32_t bufferFrames = 512);
    void setFormatReadable(AudioDeviceID device, bool readable);
    /// Marks `device` as having delivered all it ever will, as a file does.
    void setExhausted(AudioDeviceID device, bool exhausted);
    /// Marks `device` as playing a recording rather than capturing.
    void setRecording(AudioDeviceID device, bool recording);
    /// Makes `device` (or none) the default input and tells the listeners.
    void setDefaultInputDevice(AudioDeviceID device);
    /// Tells the listeners that `property` changed, without changing anything.
    /// Announcements not yet told coalesce: each property is told once more
    /// after its latest announcement, in the order first announced.
    void announce(AudioHardwareProperty property);
    /// Waits until every announcement so far has been handled. Never call it
    /// from a listener.
    void waitForListeners();

    /// Runs one input cycle of interleaved `samples` on the calling thread, if
    /// a procedure is running on `device`. Returns whether one ran.
    bool deliverCycle(AudioDeviceID device, const float* samples, std::uint32_t frames);

    /// Procedures bound to `device`, running or not.
    std::size_t boundProcCount(AudioDeviceID device) const;
    bool isRunning(AudioDeviceID device) const;
    /// How often a procedure was started on `device`.
    std::size_t startCount(AudioDeviceID device) const;
    /// Devices with a procedure running, over all devices.
    std::size_t runningCount() const;

    void addPropertyListener(AudioPropertyListener listener, void* context) override;
    void removePropertyListener(AudioPropertyListener listener, void* context) override;
    AudioDeviceID defaultInputDevice() override;
    bool safetyOffset(AudioDeviceID device, std::uint32_t& frames) override;
    bool bufferFrameSize(AudioDeviceID device, std::uint32_t& frames) override;
    bool streamFormat(AudioDeviceID device, StreamFormat& format) override;
    /// "Simulated input N", N being the device's id.
    bool deviceName(AudioDeviceID device, std::string& name) override;
    bool inputExhausted(AudioDeviceID device) override;
    bool isRecording(AudioDeviceID device) override;
    bool addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData) override;
    bool removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc) override;
    bool start(AudioDeviceID device, AudioDeviceIOProc proc) override;
    bool stop(AudioDeviceID device, AudioDeviceIOProc proc) override;

private:
    struct Binding {
        AudioDeviceIOProc proc = nullptr;
        void* clientData = nullptr;
        bool running = false;
    };
    struct Device {
        StreamFormat format;
        std::uint32_t safetyOffset = 0;
        std::uint32_t bufferFrames = 0;
        bool formatReadable = true;
        bool exhausted = false;
        bool recording = false;
        std::vector<Binding> bindings;
        double framesDelivered = 0;
        std::size_t starts = 0;
    };

    Device* find(AudioDeviceID device);
    const Device* find(AudioDeviceID device) const;

    mutable std::mutex mutex_; // devices, default, bindings
    std::map<AudioDeviceID, Device> devices_;
    AudioDeviceID nextId_ = 1;
    AudioDeviceID defaultInput_ = kNoAudioDevice;

    // Held while an input cycle runs, so that `stop` can wait for it.
    std::mutex cycleMutex_;

    // Last, so that its thread ends before anything a listener may reach.
    PropertyNotifier notifier_;
};

} // namespace clefmark
