// The audio hardware as the tuner sees it: a default input device that may
// change at any time, each device's input format, and an input procedure
// that the device calls once per input cycle on an input thread of its own.
//
// Back-ends: PulseAudioHardware (the sound server), SimulatedAudioHardware
// (tests drive it cycle by cycle) and FileAudioHardware (an audio file played
// in real time as the only input device).
#pragma once

#include "tuner/AudioTypes.h"

#include <cstdint>
#include <string>

namespace clefmark {

/// Identifies a device for as long as the back-end lives; never 0, which
/// means "no device".
using AudioDeviceID = std::uint32_t;
inline constexpr AudioDeviceID kNoAudioDevice = 0;

/// What changed, as told to a property listener.
enum class AudioHardwareProperty {
    DefaultInputDevice, // another device became the default input, or none
    DefaultOutputDevice,
    Devices, // a device appeared or went away
    // A running input procedure's stream ended without being stopped (the
    // server ended it, its device was replaced, it failed): capture is over
    // until started again.
    DeviceStreamEnded,
};

/// Called on the back-end's notification thread, never on an input thread
/// and never while the back-end holds a lock that its calls need: the
/// listener may call any method of the back-end, start and stop included.
using AudioPropertyListener = void (*)(AudioHardwareProperty property, void* context);

/// The input procedure: called once per input cycle on the device's input
/// thread with the cycle's buffers (32-bit native float samples; a buffer
/// with null data is a hole in the stream) and a non-zero sample time.
using AudioDeviceIOProc = std::int32_t (*)(AudioDeviceID device, const AudioTimeStamp* now,
    const AudioBufferList* inputData, const AudioTimeStamp* inputTime, AudioBufferList* outputData,
    const AudioTimeStamp* outputTime, void* clientData);

/// Every method may be called from any thread but a device's input thread,
/// and returns false when the call failed (no such device, no server, ...);
/// a failed query leaves its output as it was.
class AudioHardware {
public:
    virtual ~AudioHardware() = default;

    /// `listener` is called with `context` whenever a hardware property
    /// changes, until the back-end is destroyed.
    virtual void addPropertyListener(AudioPropertyListener listener, void* context) = 0;
    /// Removes a listener added with the same arguments. When it returns, no
    /// call of it is running or will run, so `context` may go away. Must not
    /// be called from the listener itself.
    virtual void removePropertyListener(AudioPropertyListener listener, void* context) = 0;

    /// The current default input device, or kNoAudioDevice when there is none
    /// (or no sound server). Does not block on the server.
    virtual AudioDeviceID defaultInputDevice() = 0;

    // A device's input properties. Back-ends that cannot tell the safety
    // offset or cycle size give 0.
    // Asked at every set-up, as the capture model has it; no result depends on it.
    virtual bool safetyOffset(AudioDeviceID device, std::uint32_t& frames) = 0;
    virtual bool bufferFrameSize(AudioDeviceID device, std::uint32_t& frames) = 0;
    virtual bool streamFormat(AudioDeviceID device, StreamFormat& format) = 0;
    /// The device's name as the user knows it ("Built-in Audio Analog
    /// Stereo", a file's name), for messages.
    virtual bool deviceName(AudioDeviceID device, std::string& name) = 0;
    /// True once `device` has delivered all it ever will (a file played to
    /// its end, not looping): its input procedure is no longer called, and
    /// that is no fault. A live device never is.
    virtual bool inputExhausted(AudioDeviceID /*device*/) { return false; }
    /// True when `device` plays a recording rather than capturing live sound:
    /// what it delivers, silence included, is the recording's, and starting it
    /// again changes nothing.
    virtual bool isRecording(AudioDeviceID /*device*/) { return false; }

    /// Binds `proc` with `clientData` to `device`; it runs only once started.
    virtual bool addIOProc(AudioDeviceID device, AudioDeviceIOProc proc, void* clientData) = 0;
    /// Unbinds `proc` from `device`. Stops it first if it is running.
    virtual bool removeIOProc(AudioDeviceID device, AudioDeviceIOProc proc) = 0;
    /// Starts calling the bound `proc` once per input cycle.
    virtual bool start(AudioDeviceID device, AudioDeviceIOProc proc) = 0;
    /// Stops calling `proc`. When it returns, no call of `proc` is running or
    /// will run. Stopping what is not running succeeds and does nothing.
    virtual bool stop(AudioDeviceID device, AudioDeviceIOProc proc) = 0;
};

} // namespace clefmark
