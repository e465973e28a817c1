// Every sound server the capture tests run against, by kind, for tests
// parameterised by server.
#pragma once

#include "tests/support/PipeWireServer.h"
#include "tests/support/PulseDaemon.h"
#include "tests/support/SoundServer.h"

#include <memory>
#include <ostream>
#include <string>

namespace clefmark::test {

inline constexpr SoundServerKind kSoundServers[]
    = { SoundServerKind::PulseAudio, SoundServerKind::PipeWire };

/// Why a server of `kind` cannot run here, or empty when it can.
inline std::string unavailableReason(SoundServerKind kind)
{
    return kind == SoundServerKind::PulseAudio ? PulseDaemon::unavailableReason()
                                               : PipeWireServer::unavailableReason();
}

/// A server of `kind`, started unless `startNow` is false.
inline std::unique_ptr<SoundServer> makeSoundServer(SoundServerKind kind, bool startNow = true)
{
    if (kind == SoundServerKind::PulseAudio)
        return std::make_unique<PulseDaemon>(startNow);
    return std::make_unique<PipeWireServer>(startNow);
}

// GoogleTest prints the parameter with each test, and CTest names the test
// after what it printed: "PulseTuner.ShowsAToneFromTheDefaultSource/PipeWire".
inline std::ostream& operator<<(std::ostream& out, SoundServerKind kind)
{
    return out << soundServerName(kind);
}

} // namespace clefmark::test
