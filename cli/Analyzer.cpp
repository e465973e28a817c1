#include "cli/Analyzer.h"

#include "audio/AudioFile.h"
#include "audio/FileAudioHardware.h"
#include "cli/Console.h"
#include "tuner/Analysis.h"
#include "tuner/NoteMapper.h"

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

    // Names each block's note as the window would, and hands the block to
    // the output.
    class RecordCollector final : public BlockReceiver {
    public:
        RecordCollector(AnalyzeOutput& output, std::string_view file, const AnalyzeOptions& options)
            : output_(output)
            , file_(file)
            , closeEnough_(options.closeEnough)
            , transposition_(options.transposition)
        {
            mapper_.InitTuningObject(options.referencePitch, NoteMapper::kStepsPerSemitone);
        }

        void blockAnalysed(const BlockReport& analysed) override
        {
            BlockReport report = analysed;
            if (report.frequency) {
                if (const std::optional<Pitch> pitch
                    = mapper_.mapPitch(*report.frequency, closeEnough_)) {
                    report.update = pitch->update;
                    report.update->note += transposition_;
                    ++withNote_;
                }
            }
            output_.record(file_, clock_.next(report, report.frames, report.sampleRate));
        }

        std::int64_t withNote() const { return withNote_; }

    private:
        AnalyzeOutput& output_;
        std::string_view file_;
        NoteMapper mapper_;
        bool closeEnough_;
        int transposition_;
        BlockClock clock_;
        std::int64_t withNote_ = 0;
    };

    FileAnalysis analyzeOpenFile(const std::string& path, AudioFile& file,
        const AnalyzeOptions& options, AnalyzeOutput& output)
    {
        FileAnalysis result;
        Analysis analysis;
        analysis.setFreshNotes(options.freshNotes);
        analysis.setSecondOpinion(options.secondOpinion);
        // Asked with the rate as the file gives it, so that a refusal names it
        // exactly.
        if (const std::string refusal = analysis.configure(file.sampleRate()); !refusal.empty()) {
            result.error = path + ": " + refusal;
            return result;
        }

        output.beginFile(
            path, { file.formatDescription(), file.sampleRate(), file.channels(), file.frames() });
        RecordCollector collector(output, path, options);

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

        for (;;) {
            const std::int64_t got = file.read(samples.data(), readFrames);
            for (std::int64_t first = 0; first < got; first += cycleFrames) {
                const auto frames = std::min<std::int64_t>(cycleFrames, got - first);
                analysis.take(std::span<const float>(samples).subspan(
                                  static_cast<std::size_t>(first) * channels,
                                  static_cast<std::size_t>(frames) * channels),
                    channels, options.octaveRejection, collector);
            }
            if (!output.flushIfFull()) {
                result.outputFailed = true;
                return result;
            }
            if (got < readFrames)
                break;
        }
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
        options.flats ? NoteSpelling::Flats : NoteSpelling::Sharps, options.secondOpinion,
        // Never the locale's: analyses read the same wherever they are run.
        options.naming.value_or(NoteNaming::Letters));
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
