// The listener thread every back-end shares: listeners may call back into the
// back-end, removal waits for a running call, and coalescing keeps the order
// and the last change.
#include "audio/PropertyNotifier.h"

#include "tests/support/Eventually.h"
#include "tests/support/SimulatedAudioHardware.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <future>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>
#include <utility>
#include <vector>

namespace clefmark {
namespace {

    using namespace std::chrono_literals;
    using Property = AudioHardwareProperty;

    // The deadline only keeps a deadlock from hanging the suite until its
    // timeout with nothing said; it measures nothing.
    bool settles(const std::function<void()>& wait)
    {
        auto done = std::async(std::launch::async, wait);
        return done.wait_for(test::kHangGuard) == std::future_status::ready;
    }

    void countCall(Property, void* context)
    {
        ++*static_cast<std::atomic<int>*>(context);
    }

    std::int32_t silentProc(AudioDeviceID, const AudioTimeStamp*, const AudioBufferList*,
        const AudioTimeStamp*, AudioBufferList*, const AudioTimeStamp*, void*)
    {
        return 0;
    }

    // What the tuner does on a device change, and more: restart capture,
    // and change the listeners, all from the notification thread.
    struct Reconfigure {
        static void listener(Property, void* context)
        {
            auto& self = *static_cast<Reconfigure*>(context);
            const AudioDeviceID device = self.hardware.defaultInputDevice();
            self.hardware.stop(device, &silentProc);
            self.hardware.start(device, &silentProc);
            self.hardware.removePropertyListener(&countCall, &self.removedCalls);
            self.hardware.addPropertyListener(&countCall, &self.latecomerCalls);
        }
        SimulatedAudioHardware& hardware;
        std::atomic<int> removedCalls { 0 };
        std::atomic<int> latecomerCalls { 0 };
    };

    TEST(PropertyNotifier, ABackEndListenerMayCallBackIntoIt)
    {
        SimulatedAudioHardware hardware;
        const AudioDeviceID device = hardware.addDevice(StreamFormat {});
        ASSERT_TRUE(hardware.addIOProc(device, &silentProc, nullptr));
        Reconfigure rig { hardware };
        hardware.addPropertyListener(&Reconfigure::listener, &rig);
        hardware.addPropertyListener(&countCall, &rig.removedCalls);

        hardware.setDefaultInputDevice(device);
        ASSERT_TRUE(settles([&] { hardware.waitForListeners(); })) << "deadlocked";
        EXPECT_TRUE(hardware.isRunning(device));
        EXPECT_EQ(rig.removedCalls, 0) << "removed earlier in the round, yet called";
        EXPECT_EQ(rig.latecomerCalls, 0) << "added during the round, yet called in it";

        hardware.announce(Property::Devices);
        ASSERT_TRUE(settles([&] { hardware.waitForListeners(); })) << "deadlocked";
        EXPECT_EQ(rig.latecomerCalls, 1);
        hardware.removePropertyListener(&Reconfigure::listener, &rig);
        hardware.removePropertyListener(&countCall, &rig.latecomerCalls);
    }

    struct SlowListener {
        static void listener(Property, void* context)
        {
            auto& self = *static_cast<SlowListener*>(context);
            if (self.removed)
                ++self.callsAfterRemoval;
            self.entered = true;
            // Holds the call open long enough for a removal that does not
            // wait to be caught returning early.
            std::this_thread::sleep_for(50ms);
            self.finished = true;
        }
        std::atomic<bool> entered { false };
        std::atomic<bool> finished { false };
        std::atomic<bool> removed { false };
        std::atomic<int> callsAfterRemoval { 0 };
    };

    TEST(PropertyNotifier, RemovalWaitsForTheRunningCallAndNoneFollows)
    {
        PropertyNotifier notifier;
        SlowListener slow;
        notifier.addListener(&SlowListener::listener, &slow);
        notifier.post(Property::DefaultInputDevice);
        ASSERT_TRUE(test::eventually([&] { return slow.entered.load(); }));

        notifier.removeListener(&SlowListener::listener, &slow);
        EXPECT_TRUE(slow.finished) << "returned while the listener was still running";
        slow.removed = true;
        notifier.post(Property::DefaultInputDevice);
        ASSERT_TRUE(settles([&] { notifier.waitUntilIdle(); }));
        EXPECT_EQ(slow.callsAfterRemoval, 0);
    }

    // Holds its first call until released, so that posts pile up meanwhile,
    // and records each call with the state it saw.
    struct Recorder {
        static void listener(Property property, void* context)
        {
            auto& self = *static_cast<Recorder*>(context);
            std::unique_lock lock(self.mutex);
            self.calls.push_back({ property, self.state.load() });
            self.changed.notify_all();
            self.changed.wait_for(lock, 10s, [&] { return self.released; });
        }
        std::mutex mutex;
        std::condition_variable changed;
        bool released = false;
        std::vector<std::pair<Property, int>> calls;
        std::atomic<int> state { 0 };
    };

    TEST(PropertyNotifier, PostsWhileBusyAreToldOnceEachInOrderAfterTheLastChange)
    {
        PropertyNotifier notifier;
        Recorder recorder;
        notifier.addListener(&Recorder::listener, &recorder);
        notifier.post(Property::DefaultInputDevice);
        {
            std::unique_lock lock(recorder.mutex);
            ASSERT_TRUE(
                recorder.changed.wait_for(lock, 10s, [&] { return !recorder.calls.empty(); }));
        }
        recorder.state = 1;
        notifier.post(Property::Devices);
        recorder.state = 2;
        notifier.post(Property::DefaultOutputDevice);
        notifier.post(Property::Devices);
        recorder.state = 3;
        notifier.post(Property::DefaultInputDevice); // while its own call runs
        {
            std::lock_guard lock(recorder.mutex);
            recorder.released = true;
        }
        recorder.changed.notify_all();
        ASSERT_TRUE(settles([&] { notifier.waitUntilIdle(); }));

        const std::vector<std::pair<Property, int>> expected { { Property::DefaultInputDevice, 0 },
            { Property::Devices, 3 }, { Property::DefaultOutputDevice, 3 },
            { Property::DefaultInputDevice, 3 } };
        EXPECT_EQ(recorder.calls, expected);
    }

} // namespace
} // namespace clefmark
