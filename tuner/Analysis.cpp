#include "tuner/Analysis.h"

namespace clefmark {

std::string Analysis::configure(double sampleRate)
{
    sampleRate_ = static_cast<float>(sampleRate);
    const BlockSize size = analysisBlockSize(sampleRate);
    if (!size.refusal.empty()) {
        intake_.configure(0);
        return size.refusal;
    }
    intake_.configure(size.frames);
    // InitTunerProject: the detector's constants follow the rate.
    detector_.InitTunerProject(sampleRate_, intake_.bufferFrames());
    // Sized whether asked or not, so that turning it on never allocates.
    yin_.configure(sampleRate_, intake_.bufferFrames());
    tracker_.resetNote();
    return {};
}

void Analysis::take(std::span<const float> interleaved, std::uint32_t channels,
    bool octaveRejection, BlockReceiver& receiver)
{
    if (channels == 0)
        return;
    // The intake reads the samples, never writes them.
    const AudioBuffer buffer { channels,
        static_cast<std::uint32_t>(interleaved.size() / channels * channels * sizeof(float)),
        const_cast<float*>(interleaved.data()) };
    take(AudioBufferList { 1, &buffer }, octaveRejection, receiver);
}

void Analysis::take(const AudioBufferList& cycle, bool octaveRejection, BlockReceiver& receiver)
{
    octaveRejection_ = octaveRejection;
    receiver_ = &receiver;
    intake_.take(cycle, *this);
    receiver_ = nullptr;
}

std::int32_t Analysis::blockFull(float* block)
{
    const BlockAnalysis analysis = detector_.detectPitch(block);
    if (analysis.octaveGuardReset)
        tracker_.resetOctaveGuard();
    BlockReport report;
    report.frames = intake_.bufferFrames();
    report.sampleRate = sampleRate_;
    report.level = analysis.level;
    if (analysis.frequency) {
        DoWhenFound(*analysis.frequency, report);
    } else if (secondOpinion_ && analysis.searched) {
        // The block was scaled to its peak by the classic detector, which
        // the difference function does not mind.
        if (const std::optional<float> F = yin_.detect(block)) {
            report.secondOpinion = true;
            DoWhenFound(*F, report);
        } else {
            tracker_.blockWithoutPitch();
        }
    } else {
        tracker_.blockWithoutPitch();
    }
    receiver_->blockAnalysed(report);
    return 0;
}

void Analysis::DoWhenFound(float F, BlockReport& report)
{
    report.detected = F;
    tracker_.beginDetection();
    if (octaveRejection_)
        tracker_.OctaveJumpDetect(F);
    tracker_.IntegrateFrequency(F);
    report.frequency = F;
    tracker_.setSaveFrequency(F);
}

} // namespace clefmark
