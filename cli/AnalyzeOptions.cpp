#include "cli/AnalyzeOptions.h"

#include "tuner/Tuner.h"

#include <charconv>
#include <optional>

namespace clefmark::cli {

namespace {

// A whole decimal number and nothing else: no sign, no spaces, no unit.
std::optional<long long> wholeNumber(std::string_view text)
{
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    long long value = 0;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (ec != std::errc{} || end != text.data() + text.size())
        return std::nullopt;
    return value;
}

std::string quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

}  // namespace

ParsedAnalyzeOptions parseAnalyzeOptions(std::span<const std::string_view> args)
{
    ParsedAnalyzeOptions parsed;
    AnalyzeOptions& o = parsed.options;
    const auto fail = [&](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };

    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.front() != '-') {
            o.files.emplace_back(arg);
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }

        // "--name=value" or "--name value".
        std::string_view name = arg;
        std::optional<std::string_view> inlineValue;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            name = arg.substr(0, eq);
            inlineValue = arg.substr(eq + 1);
        }
        const auto value = [&]() -> std::optional<std::string_view> {
            if (inlineValue)
                return inlineValue;
            if (i + 1 < args.size())
                return args[++i];
            return std::nullopt;
        };
        const bool isSwitch = name == "--help" || name == "-h" || name == "--version"
            || name == "--octave-rejection" || name == "--close-enough";
        if (isSwitch && inlineValue)
            return fail(std::string(name) + ": takes no value");

        if (name == "--help" || name == "-h") {
            o.help = true;
        } else if (name == "--version") {
            o.version = true;
        } else if (name == "--octave-rejection") {
            o.octaveRejection = true;
        } else if (name == "--close-enough") {
            o.closeEnough = true;
        } else if (name == "--reference") {
            const auto v = value();
            if (!v)
                return fail("--reference: needs a value in Hz, 420 to 460");
            const auto hz = wholeNumber(*v);
            if (!hz || *hz < Tuner::kMinReferencePitch || *hz > Tuner::kMaxReferencePitch)
                return fail("--reference: " + quoted(*v) + " is not a whole number of Hz from 420 to 460");
            o.referencePitch = static_cast<int>(*hz);
        } else if (name == "--cycle-frames") {
            const auto v = value();
            if (!v)
                return fail("--cycle-frames: needs a number of frames, 1 to 65536");
            const auto frames = wholeNumber(*v);
            if (!frames || *frames < 1 || *frames > AnalyzeOptions::kMaxCycleFrames)
                return fail("--cycle-frames: " + quoted(*v) + " is not a whole number from 1 to 65536");
            o.cycleFrames = static_cast<std::uint32_t>(*frames);
        } else if (name == "--format") {
            const auto v = value();
            if (!v)
                return fail("--format: needs one of text, jsonl, tsv");
            if (*v == "text")
                o.format = OutputFormat::Text;
            else if (*v == "jsonl")
                o.format = OutputFormat::Jsonl;
            else if (*v == "tsv")
                o.format = OutputFormat::Tsv;
            else
                return fail("--format: " + quoted(*v) + " is not one of text, jsonl, tsv");
        } else {
            return fail(quoted(arg) + ": unknown option (see 'clefmark-cli analyze --help')");
        }
    }

    if (o.files.empty() && !o.help && !o.version)
        return fail("analyze: no audio file given (see 'clefmark-cli analyze --help')");
    return parsed;
}

std::string analyzeHelp()
{
    return R"(Usage: clefmark-cli analyze [OPTIONS] FILE...

Runs the tuner's analysis over audio files and prints what it found for every
analysis block (1/22 second of audio). Any file libsndfile reads will do (WAV,
AIFF, FLAC, Ogg, ...). Each file is analysed on its own, by a fresh tuner, and
is fed to it in input cycles as a sound card would deliver it, all channels
together: two equal channels count as one, other channels are summed. A block
left incomplete at the end of a file is not analysed.

Options:
  --format FORMAT      text (default), jsonl or tsv; see below
  --reference HZ       the reference A, a whole number from 420 to 460
                       (default 440)
  --octave-rejection   take sudden jumps of one octave up as errors
  --close-enough       count one tune step either side of a note as in tune
  --cycle-frames N     frames per input cycle, 1 to 65536 (default 512); the
                       results do not depend on it
  -h, --help           show this help and exit
  --version            show the version and exit
  --                   end of options: every later argument is a file
Options take their value as "--format jsonl" or "--format=jsonl".

Output formats (numbers always with a decimal point, whatever the locale):
  text    one aligned line per block in which a note was heard: time at the
          end of the block, note name, deviation in cents (100/51 cents per
          tune step), tune value, frequency in Hz, and "in tune"; each file
          starts with a heading.
  jsonl   one JSON object per block, keys in this order:
            {"block":0,"time":0.045442,"level":5,"detected":441,
             "frequency":441,"note":57,"name":"A4","tune":2,"in_tune":false}
          block      0-based index of the block in the file
          time       end of the block, in seconds of input (6 decimals)
          level      input level, 0 (below -21 dBFS) to 8 (full scale)
          detected   frequency found by period detection, or null
          frequency  smoothed frequency mapped to the note, or null
          note       nearest note, 57 = A4, 48 = C4, or null
          name       the note's name, or null
          tune       deviation from the note in steps of 1/51 semitone
                     (positive when sharp), or null
          in_tune    whether that counts as in tune, or null
  tsv     the jsonl fields as tab-separated columns after a header line;
          null is an empty field.
With more than one file, every jsonl record starts with a "file" key and
every tsv line with a file column (tab, newline, carriage return and
backslash escaped as \t, \n, \r and \\).

Each file's records are written once it has been read through. A file that
cannot be analysed (missing, not audio, damaged, or at a sample rate the
analysis cannot take) gets one line on standard error and no records.

Exit status: 0 when every file was analysed, 1 when some were and some were
not, 2 when none was or the options were wrong.
)";
}

}  // namespace clefmark::cli
