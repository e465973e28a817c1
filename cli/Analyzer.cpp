#include "cli/Analyzer.h"

#include "audio/AudioFile.h"
#include "audio/FileAudioHardware.h"
#include "cli/Console.h"
#include "desktop/MemoryUserDefaults.h"
#include "desktop/QueuedMainThread.h"
#include "tuner/Tuner.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

namespace clefmark::cli {

namespace {

    // Frames read from the file at a time: large enough that reading costs next
    // to nothing, small enough to stay in cache.
    constexpr std::uint32_t kReadFrames = 65536;

    // Formats each block as the tuner reports it. The tuner calls it inside
    // `inputIOProc`, on this same thread.
    class RecordCollector final : public AnalysisObserver {
    public:
        RecordCollector(const RecordFormatter& formatter, std::string_view file, std::string& out,
            std::uint32_t blockFrames, int sampleRate)
            : formatter_(formatter)
            , file_(file)
            , out_(out)
            , blockFrames_(blockFrames)
            , sampleRate_(sampleRate)
        {
        }

        void blockAnalysed(const BlockReport& report) override
        {
            formatter_.appendRecord(out_, file_, clock_.next(report, blockFrames_, sampleRate_));
            if (report.update && report.frequency)
                ++withNote_;
        }

        std::int64_t withNote() const { return withNote_; }

    private:
        const RecordFormatter& formatter_;
        std::string_view file_;
        std::string& out_;
        std::uint32_t blockFrames_;
        int sampleRate_;
        BlockClock clock_;
        std::int64_t withNote_ = 0;
    };

} // namespace

FileAnalysis analyzeFile(
    const std::string& path, const AnalyzeOptions& options, const RecordFormatter& formatter)
{
    FileAnalysis result;
    const auto failed = [&](std::string_view why) {
        result.ok = false;
        result.output.clear();
        result.error = path + ": " + std::string(why);
        return result;
    };

    AudioFile file;
    if (!file.open(path))
        return failed(file.error());

    const auto channels = static_cast<std::uint64_t>(file.channels());
    const std::uint64_t cycleBytes
        = std::uint64_t { options.cycleFrames } * channels * sizeof(float);
    if (cycleBytes > std::numeric_limits<std::uint32_t>::max())
        return failed(std::to_string(channels) + " channels are too many for input cycles of "
            + std::to_string(options.cycleFrames) + " frames");

    MemoryUserDefaults defaults;
    seedDefaults(defaults, options);
    ImmediateMainThread mainThread;
    Tuner tuner(defaults, mainThread);
    const StreamFormat format = floatStreamFormat(file.sampleRate(), file.channels());
    if (const std::string refusal = tuner.configureCapture(format); !refusal.empty())
        return failed(refusal);

    formatter.beginFile(result.output, path,
        { file.formatDescription(), file.sampleRate(), file.channels(), file.frames() });
    RecordCollector collector(
        formatter, path, result.output, tuner.bufferFrames(), file.sampleRate());
    tuner.setAnalysisObserver(&collector);

    // Whole cycles per read, so that only the file's last cycle can be short.
    const std::uint32_t cyclesPerRead
        = std::max<std::uint32_t>(1, kReadFrames / options.cycleFrames);
    const std::int64_t readFrames = std::int64_t { cyclesPerRead } * options.cycleFrames;
    std::vector<float> samples(static_cast<std::size_t>(readFrames) * channels);

    std::uint64_t framesSoFar = 0;
    for (;;) {
        const std::int64_t got = file.read(samples.data(), readFrames);
        for (std::int64_t first = 0; first < got; first += options.cycleFrames) {
            const auto frames = static_cast<std::uint32_t>(
                std::min<std::int64_t>(options.cycleFrames, got - first));
            const AudioBuffer buffer { static_cast<std::uint32_t>(channels),
                static_cast<std::uint32_t>(frames * channels * sizeof(float)),
                samples.data() + static_cast<std::size_t>(first) * channels };
            const AudioBufferList list { 1, &buffer };
            // A device that cannot tell the time counts frames from 1, since a
            // sample time of 0 marks a cycle as invalid.
            const AudioTimeStamp time { static_cast<double>(framesSoFar + 1) };
            const AudioDeviceProcParams params { 0, &time, &list, &time, nullptr, nullptr };
            tuner.inputIOProc(&params);
            framesSoFar += frames;
        }
        if (got < readFrames)
            break;
    }
    tuner.setAnalysisObserver(nullptr);
    if (file.hasReadError())
        return failed(file.error());

    formatter.endFile(result.output, collector.withNote());
    result.ok = true;
    return result;
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

    const RecordFormatter formatter(options.format, options.files.size() > 1);
    std::size_t analysed = 0;
    bool headerWritten = false;
    for (const std::string& path : options.files) {
        FileAnalysis analysis = analyzeFile(path, options, formatter);
        if (!analysis.ok) {
            reportError(analysis.error);
            continue;
        }
        std::string header;
        if (!headerWritten)
            formatter.appendHeader(header);
        else if (options.format == OutputFormat::Text)
            header = "\n"; // a blank line between the files' sections
        headerWritten = true;
        analysis.output.insert(0, header);
        ++analysed;
        if (!writeOutput(analysis.output))
            return 2;
    }

    if (analysed == options.files.size())
        return 0;
    return analysed == 0 ? 2 : 1;
}

} // namespace clefmark::cli
