#include "cli/Analyzer.h"

#include "audio/AudioFile.h"
#include "audio/FileAudioHardware.h"
#include "cli/Console.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tuner/Tuner.h"

#include <algorithm>
#include <cstdint>
#include <new>
#include <vector>

namespace clefmark::cli {

namespace {

    // Frames read from the file at a time, at most: large enough that reading
    // costs next to nothing, small enough to stay in cache. Fewer with many
    // channels, so that the buffer stays within kReadBufferBytes.
    constexpr std::uint32_t kReadFrames = 65536;

    // Hands each block to the output as the tuner reports it. The tuner calls
    // it inside `inputIOProc`, on this same thread.
    class RecordCollector final : public AnalysisObserver {
    public:
        RecordCollector(
            AnalyzeOutput& output, std::string_view file, std::uint32_t blockFrames, int sampleRate)
            : output_(output)
            , file_(file)
            , blockFrames_(blockFrames)
            , sampleRate_(sampleRate)
        {
        }

        void blockAnalysed(const BlockReport& report) override
        {
            output_.record(file_, clock_.next(report, blockFrames_, sampleRate_));
            if (report.update && report.frequency)
                ++withNote_;
        }

        std::int64_t withNote() const { return withNote_; }

    private:
        AnalyzeOutput& output_;
        std::string_view file_;
        std::uint32_t blockFrames_;
        int sampleRate_;
        BlockClock clock_;
        std::int64_t withNote_ = 0;
    };

    FileAnalysis analyzeOpenFile(const std::string& path, AudioFile& file,
        const AnalyzeOptions& options, AnalyzeOutput& output)
    {
        FileAnalysis result;
        MemoryUserDefaults defaults;
        seedDefaults(defaults, options);
        ImmediateMainThread mainThread;
        Tuner tuner(defaults, mainThread);
        const StreamFormat format = floatStreamFormat(file.sampleRate(), file.channels());
        // Asked with the rate as the file gives it, so that a refusal names it
        // exactly: the tuner keeps its rate as a float.
        std::string refusal = analysisBlockSize(format.sampleRate).refusal;
        if (refusal.empty())
            refusal = tuner.configureCapture(format);
        if (!refusal.empty()) {
            result.error = path + ": " + refusal;
            return result;
        }

        output.beginFile(
            path, { file.formatDescription(), file.sampleRate(), file.channels(), file.frames() });
        RecordCollector collector(output, path, tuner.bufferFrames(), file.sampleRate());
        tuner.setAnalysisObserver(&collector);

        // Cycles as asked, unless one would not fit in the buffer: the records
        // do not depend on the size of the cycles. Whole cycles per read, so
        // that only the file's last cycle can be short.
        const auto channels = static_cast<std::uint32_t>(file.channels());
        const std::uint32_t bufferFrames = readBufferFrames(file.channels());
        const std::uint32_t cycleFrames = std::min(options.cycleFrames, bufferFrames);
        const std::uint32_t cyclesPerRead
            = std::max<std::uint32_t>(1, std::min(kReadFrames, bufferFrames) / cycleFrames);
        const std::int64_t readFrames = std::int64_t { cyclesPerRead } * cycleFrames;
        std::vector<float> samples(static_cast<std::size_t>(readFrames) * channels);

        std::uint64_t framesSoFar = 0;
        for (;;) {
            const std::int64_t got = file.read(samples.data(), readFrames);
            for (std::int64_t first = 0; first < got; first += cycleFrames) {
                const auto frames
                    = static_cast<std::uint32_t>(std::min<std::int64_t>(cycleFrames, got - first));
                const AudioBuffer buffer { channels,
                    static_cast<std::uint32_t>(frames * channels * sizeof(float)),
                    samples.data() + static_cast<std::size_t>(first) * channels };
                const AudioBufferList list { 1, &buffer };
                // A device that cannot tell the time counts frames from 1, since
                // a sample time of 0 marks a cycle as invalid.
                const AudioTimeStamp time { static_cast<double>(framesSoFar + 1) };
                const AudioDeviceProcParams params { 0, &time, &list, &time, nullptr, nullptr };
                tuner.inputIOProc(&params);
                framesSoFar += frames;
            }
            if (!output.flushIfFull()) {
                result.outputFailed = true;
                break;
            }
            if (got < readFrames)
                break;
        }
        tuner.setAnalysisObserver(nullptr);
        if (result.outputFailed)
            return result;
        if (file.hasReadError()) {
            result.error = path + ": " + file.error();
            return result;
        }
        output.endFile(collector.withNote());
        result.ok = true;
        return result;
    }

} // namespace

FileAnalysis analyzeFile(
    const std::string& path, const AnalyzeOptions& options, AnalyzeOutput& output)
{
    try {
        AudioFile file;
        if (!file.open(path))
            return { false, path + ": " + file.error(), false };
        return analyzeOpenFile(path, file, options, output);
    } catch (const std::bad_alloc&) {
        // Whatever the file made it ask for, the other files still get their
        // turn, and what was written stays written.
        return { false, path + ": not enough memory to analyse it", false };
    }
}

int runAnalyze(std::span<const std::string_view> args)
{
    const ParsedAnalyzeOptions parsed = parseAnalyzeOptions(args);
    if (!parsed.error.empty()) {
        reportError(parsed.error);
        return 2;
    }
    const AnalyzeOptions& options = parsed.options;
    if (options.help)
        return writeOutput(analyzeHelp()) ? 0 : 2;
    if (options.version)
        return writeOutput(std::string(kProgramName) + " " + std::string(programVersion()) + "\n")
            ? 0
            : 2;

    const RecordFormatter formatter(options.format, options.files.size() > 1,
        options.flats ? NoteSpelling::Flats : NoteSpelling::Sharps);
    AnalyzeOutput output(formatter);
    std::size_t analysed = 0;
    for (const std::string& path : options.files) {
        const FileAnalysis analysis = analyzeFile(path, options, output);
        // What the file made is out before its error, if it has one.
        if (analysis.outputFailed || !output.flush())
            return 2;
        if (!analysis.ok) {
            reportError(analysis.error);
            continue;
        }
        ++analysed;
    }

    if (analysed == options.files.size())
        return 0;
    return analysed == 0 ? 2 : 1;
}

} // namespace clefmark::cli
