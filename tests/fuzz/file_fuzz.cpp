// Writes each input to a file and analyses it as `clefmark-cli analyze FILE`
// does, through the look at the file's start, libsndfile and the tuner, with
// the default settings and the records as JSON lines. Any bytes, named with
// any ending, and headers claiming any rate, channel count, encoding and
// length (see FileFuzzInput.h). Each file must give either records, one for
// every block its frames fill, each with its values in range, or an error
// that names it and says why.
#include "audio/AudioFile.h"
#include "cli/AnalyzeOptions.h"
#include "cli/AnalyzeOutput.h"
#include "cli/Analyzer.h"
#include "cli/RecordFormat.h"
#include "tests/fuzz/FileFuzzInput.h"
#include "tuner/NoteMapper.h"
#include "tuner/SampleIntake.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace {

using clefmark::fuzz::Container;
using clefmark::fuzz::HeaderClaims;

// Compressed formats decode a few bytes into many samples: a small FLAC file
// of constant frames claims, and holds, hours of audio. The analyser reads a
// file to its end, so files that decode to more samples (of all channels)
// than this are left unanalysed; a million take under a second here, well
// inside libFuzzer's timeout on a busy machine.
constexpr std::int64_t kMaxSamples = std::int64_t { 1 } << 20;

// The private directory the input file is written to, removed at exit. The
// file keeps one path for as long as the ending does not change.
std::filesystem::path gDirectory;
std::string gPath;
std::vector<std::string> gEndings;

void removeDirectory()
{
    std::error_code ignored;
    std::filesystem::remove_all(gDirectory, ignored);
}

// libFuzzer keeps the input that failed; the copy on disk is not needed.
[[noreturn]] void fail(const std::string& what, std::string_view detail = {})
{
    std::fprintf(stderr, "file_fuzz: %s\n", what.c_str());
    if (!detail.empty())
        std::fprintf(stderr, "file_fuzz: %.*s\n", static_cast<int>(detail.size()), detail.data());
    removeDirectory();
    std::abort();
}

void put16le(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32le(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    put16le(out, value);
    put16le(out, value >> 16);
}

void put32be(std::vector<std::uint8_t>& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

void putTag(std::vector<std::uint8_t>& out, std::string_view tag)
{
    out.insert(out.end(), tag.begin(), tag.end());
}

// A canonical 44-byte header; the sizes derived from the claims wrap as a
// writer's 16- and 32-bit fields would.
void putWavHeader(std::vector<std::uint8_t>& out, const HeaderClaims& c)
{
    const std::uint32_t tag = c.encoding & 0xFFFF;
    const std::uint32_t bits = c.encoding >> 16;
    const std::uint32_t channels = c.channels & 0xFFFF;
    const std::uint32_t blockAlign = (channels * bits / 8) & 0xFFFF;
    putTag(out, "RIFF");
    put32le(out, 36 + c.dataBytes);
    putTag(out, "WAVEfmt ");
    put32le(out, 16);
    put16le(out, tag);
    put16le(out, channels);
    put32le(out, c.sampleRate);
    put32le(out, c.sampleRate * blockAlign);
    put16le(out, blockAlign);
    put16le(out, bits);
    putTag(out, "data");
    put32le(out, c.dataBytes);
}

void putAuHeader(std::vector<std::uint8_t>& out, const HeaderClaims& c)
{
    putTag(out, ".snd");
    put32be(out, 24);
    put32be(out, c.dataBytes);
    put32be(out, c.encoding);
    put32be(out, c.sampleRate);
    put32be(out, c.channels);
}

void writeInput(const std::vector<std::uint8_t>& bytes, const std::string& ending)
{
    const std::string path = (gDirectory / ("input" + ending)).string();
    if (path != gPath && !gPath.empty())
        ::unlink(gPath.c_str());
    gPath = path;
    const int fd = ::open(gPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        fail("cannot create " + gPath);
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            fail("cannot write " + gPath);
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

// What the file decodes to, or nothing when it does not open. Read apart
// from the analysis, so that the records can be counted against it and a
// file too long to analyse is known before it is.
struct Decoded {
    int sampleRate = 0;
    int channels = 0;
    std::int64_t frames = 0;
    bool readError = false;
};

std::optional<Decoded> decode(const std::string& path)
{
    clefmark::AudioFile file;
    if (!file.open(path))
        return std::nullopt;
    Decoded d;
    d.sampleRate = file.sampleRate();
    d.channels = file.channels();
    const auto channels = static_cast<std::size_t>(file.channels());
    const std::int64_t piece
        = std::min<std::int64_t>(65536, clefmark::readBufferFrames(file.channels()));
    std::vector<float> samples(static_cast<std::size_t>(piece) * channels);
    while (d.frames * file.channels() <= kMaxSamples) {
        const std::int64_t got = file.read(samples.data(), piece);
        d.frames += got;
        if (got < piece)
            break;
    }
    d.readError = file.hasReadError();
    return d;
}

// The analyser writes its records to standard output as it goes; they are
// caught in memory for the run, where no disk or pipe can slow them down.
class CapturedOutput {
public:
    CapturedOutput()
        : saved_(stdout)
        , capture_(open_memstream(&text_, &size_))
    {
        if (capture_ == nullptr)
            fail("cannot open a memory stream");
        stdout = capture_;
    }
    ~CapturedOutput()
    {
        finish();
        std::free(text_);
    }
    CapturedOutput(const CapturedOutput&) = delete;
    CapturedOutput& operator=(const CapturedOutput&) = delete;

    std::string_view finish()
    {
        if (capture_ != nullptr) {
            stdout = saved_;
            std::fclose(capture_);
            capture_ = nullptr;
        }
        return { text_, size_ };
    }

private:
    FILE* saved_;
    FILE* capture_;
    char* text_ = nullptr;
    std::size_t size_ = 0;
};

// The text of `key`'s value in a jsonl record, up to the next ',' or '}'.
std::string_view value(std::string_view record, std::string_view key)
{
    const std::string quoted = "\"" + std::string(key) + "\":";
    const std::size_t at = record.find(quoted);
    if (at == std::string_view::npos)
        fail("a record without \"" + std::string(key) + "\"", record);
    const std::size_t start = at + quoted.size();
    const std::size_t end = record.find_first_of(",}", start);
    return record.substr(start, end == std::string_view::npos ? end : end - start);
}

template <typename T> std::optional<T> number(std::string_view record, std::string_view key)
{
    const std::string_view text = value(record, key);
    if (text == "null")
        return std::nullopt;
    T result {};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), result);
    if (error != std::errc {} || end != text.data() + text.size())
        fail("\"" + std::string(key) + "\" is not a number", record);
    return result;
}

// Checks every record and returns how many there were. A damaged file may
// make libsndfile talk on standard output too, so records are found by their
// opening, wherever a line of its starts.
std::int64_t checkRecords(std::string_view text, std::uint32_t blockFrames, int sampleRate)
{
    constexpr std::string_view kOpening = "{\"block\":";
    std::int64_t count = 0;
    for (std::size_t at = text.find(kOpening); at != std::string_view::npos;
         at = text.find(kOpening, at + 1)) {
        const std::string_view record = text.substr(at, text.find('\n', at) - at);
        if (number<std::int64_t>(record, "block") != count)
            fail("blocks not numbered 0, 1, 2, ... in order", record);
        const double expected
            = static_cast<double>(count + 1) * blockFrames / static_cast<double>(sampleRate);
        const std::optional<double> time = number<double>(record, "time");
        if (!time || std::fabs(*time - expected) > 1e-6)
            fail("a block's time is not where its frames end", record);
        const std::optional<int> level = number<int>(record, "level");
        if (!level || *level < 0 || *level > 8)
            fail("level out of range", record);
        for (const std::string_view key : { "detected", "frequency" })
            if (const std::optional<double> f = number<double>(record, key); f && !(*f > 0.0))
                fail("a frequency that is not positive", record);
        const std::optional<int> note = number<int>(record, "note");
        const std::optional<int> tune = number<int>(record, "tune");
        const std::string_view inTune = value(record, "in_tune");
        if (note.has_value() != tune.has_value() || tune.has_value() != (inTune != "null"))
            fail("a note without its tune, or the reverse", record);
        if (tune && (*tune < -25 || *tune > 25))
            fail("tune out of range", record);
        if (tune && (inTune == "true") != clefmark::NoteMapper::isInTune(*tune, false))
            fail("in-tune judgement disagrees with the tune value", record);
        ++count;
    }
    return count;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string pattern
        = (std::filesystem::temp_directory_path() / "clefmark-file-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr)
        fail("cannot create a temporary directory");
    gDirectory = pattern;
    std::atexit(removeDirectory);
    gEndings = clefmark::fuzz::nameEndings();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    clefmark::fuzz::Trailer trailer;
    const std::span<const std::uint8_t> body
        = clefmark::fuzz::splitInput({ data, size }, gEndings.size(), trailer);
    std::vector<std::uint8_t> bytes;
    bytes.reserve(body.size() + 44);
    if (trailer.container == Container::WavHeader)
        putWavHeader(bytes, trailer.claims);
    else if (trailer.container == Container::AuHeader)
        putAuHeader(bytes, trailer.claims);
    bytes.insert(bytes.end(), body.begin(), body.end());
    writeInput(bytes, gEndings[trailer.nameIndex]);

    const std::optional<Decoded> decoded = decode(gPath);
    if (decoded && decoded->frames * decoded->channels > kMaxSamples)
        return 0;

    clefmark::cli::AnalyzeOptions options;
    options.format = clefmark::cli::OutputFormat::Jsonl;
    const clefmark::cli::RecordFormatter formatter(options.format, false);
    clefmark::cli::FileAnalysis analysis;
    CapturedOutput captured;
    {
        clefmark::cli::AnalyzeOutput output(formatter);
        analysis = clefmark::cli::analyzeFile(gPath, options, output);
        if (!output.flush())
            fail("the records could not be written to memory");
    }
    const std::string_view text = captured.finish();

    if (analysis.outputFailed)
        fail("the analysis gave up on its output");
    if (analysis.ok && !analysis.error.empty())
        fail("an analysed file with an error", analysis.error);
    const std::string prefix = gPath + ": ";
    if (!analysis.ok
        && (analysis.error.size() <= prefix.size()
            || analysis.error.compare(0, prefix.size(), prefix) != 0))
        fail("an error that does not name the file and say why", analysis.error);
    if (!decoded) {
        if (analysis.ok)
            fail("a file that does not open was analysed");
        if (text.find("{\"block\":") != std::string_view::npos)
            fail("a file that does not open has records", text);
        return 0;
    }
    if (analysis.ok && decoded->readError)
        fail("a file with a read error was analysed", analysis.error);

    const clefmark::BlockSize block = clefmark::analysisBlockSize(decoded->sampleRate);
    if (!block.refusal.empty()) {
        if (analysis.ok)
            fail("a file at a refused rate was analysed", block.refusal);
        return 0;
    }
    // A block left incomplete at the end is not analysed; a file that fails
    // part way keeps the records made before the fault.
    const std::int64_t records = checkRecords(text, block.frames, decoded->sampleRate);
    const std::int64_t whole = decoded->frames / block.frames;
    if (analysis.ok ? records != whole : records > whole)
        fail("records for " + std::to_string(records) + " blocks, but the file fills "
            + std::to_string(whole));
    return 0;
}
