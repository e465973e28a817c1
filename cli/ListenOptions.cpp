#include "cli/ListenOptions.h"

#include "tuner/OptionValues.h"

namespace clefmark::cli {

namespace {

    // Seconds above 0 and at most a year: the error, or empty once stored.
    std::string parseDuration(std::optional<std::string_view> v, std::optional<double>& duration)
    {
        const auto s = v ? decimalFromText(*v) : std::nullopt;
        const std::string days = std::to_string(ListenOptions::kMaxDurationDays) + " days";
        if (!v)
            return "--duration: needs a number of seconds, above 0 and at most " + days;
        if (!s)
            return "--duration: " + quoted(*v) + " is not a number of seconds (such as 10 or 2.5)";
        if (*s <= 0)
            return "--duration: " + quoted(*v) + " is not a number of seconds above 0";
        if (*s > ListenOptions::kMaxDuration)
            return "--duration: " + quoted(*v) + " is more than " + days + " ("
                + std::to_string(static_cast<long long>(ListenOptions::kMaxDuration)) + " seconds)";
        duration = *s;
        return {};
    }

    // --loop and --cycle-frames shape how a file is played; the sound server
    // has its own cycles and never ends.
    std::string fileOnlyOptionWithoutFile(const ListenOptions& o, bool cycleFramesGiven)
    {
        if (o.input.empty() && o.loop)
            return "--loop: only with --input FILE";
        if (o.input.empty() && cycleFramesGiven)
            return "--cycle-frames: only with --input FILE (the sound server chooses its own)";
        return {};
    }

    // What `clefmark-cli listen --help` prints.
    constexpr std::string_view kListenHelp = R"(Usage: clefmark-cli listen [OPTIONS]

The tuner in a terminal: listens to the default input of the sound server
(PulseAudio, or PipeWire's PulseAudio service) and shows the nearest note,
how far off it is and the input level, live. With --input, it plays an audio
file in real time instead, as if it came from a sound card.

Options:
  --input FILE         play FILE (any file libsndfile reads) instead of
                       capturing; it ends when the file has been played
  --loop               with --input: play the file again and again
  --duration S         stop after S seconds (such as 10 or 2.5), at most
                       365 days
  --format FORMAT      text: the status line; jsonl: one record per block
                       (default: text on a terminal, jsonl otherwise)
  --reference HZ       the reference A, a whole number from 420 to 460
                       (default 440)
  --octave-rejection   take sudden jumps of one octave up as errors
  --close-enough       count one tune step either side of a note as in tune
  --transpose N        show notes as an instrument's part writes them: N
                       semitones above the sounding note, -24 to 24 (Bb
                       trumpet 2, Eb alto sax 9, F horn 7; default 0)
  --flats              name the black keys with flats (Bb4, not A#4) in the
                       status line; jsonl keeps sharps
  --names NAMES        letters (C D E F G A B), german (H for B, B for Bb)
                       or solfege (Do Re Mi Fa Sol La Si) in the status
                       line (default: those taught in the language of
                       LC_ALL, LC_MESSAGES or LANG); jsonl keeps letters
  --fresh-notes        start a new note when a pitch follows about 0.2 s
                       without one, instead of going on with the average
  --detector NAME      classic (default), or hybrid: where the classic
                       detector finds no period in a loud enough block, a
                       second one is asked (for piano and voice)
  --cycle-frames N     with --input: frames per input cycle, 1 to 65536
                       (default 512)
  -h, --help           show this help and exit
  --version            show the version and exit
Options take their value as "--duration 10" or "--duration=10". Numbers
are decimal digits, with a sign if you like (+2, -2), and for --duration a
point (2.5, .5, 5.); no spaces, exponents or units.

The status line, redrawn in place a few times a second:
    A4     +3.9 cents  [----------|*---------]  sharp      level [=====   ]
  the note, its deviation in cents to a tenth, a needle (each side spans
  half a semitone; '|' is the note itself), "flat", "sharp" or "in tune"
  as the window's readout says them, and the input level from 0 (below
  -21 dBFS) to 8 (full scale). A second after the last
  pitch, the note stays without its needle and never "in tune", and the
  line says "listening" or "too quiet" instead. It names the input device
  on standard error at the start and whenever it changes. When the output
  is not a terminal, --format text
  writes the status as a new line each time it changes instead.

jsonl: the records of 'clefmark-cli analyze --format jsonl' (see its help),
one line per analysis block as soon as it has been analysed. "block" counts
from 0 and "time" is the seconds of input analysed, both from the start of
capture; both go on counting when capture moves to another input device,
and time spent waiting for a device is not counted.

Without a sound server or input device, it says so in one line on standard
error and waits for one, then carries on; so it does when the server goes
away or the device changes while it runs. An input device whose format the
tuner cannot use is named in one line, and it waits for another.

It stops on Ctrl-C (SIGINT), SIGTERM or SIGHUP (its terminal closed; not
when started under nohup), after --duration, or at the end of the --input
file unless --loop is given. A stop ends it within a second even
while its output is blocked (a pipe nobody reads, a terminal held with
Ctrl-S); what could not be written then is lost.

Exit status: 0 when it stopped as asked or the file was played through; 1
when --input FILE cannot be played, or when --duration is given and there is
no usable input device after about a second; 2 when the options were wrong,
the output could not be written, or a stop found it blocked.
)";

} // namespace

ParsedListenOptions parseListenOptions(std::span<const std::string_view> args)
{
    ParsedListenOptions parsed;
    ListenOptions& o = parsed.options;
    std::string& error = parsed.error;
    bool cycleFramesGiven = false;
    OptionReader reader(args);
    while (error.empty() && reader.next()) {
        const std::string_view name = reader.name();
        if (reader.isOperand()) {
            error = quoted(reader.argument())
                + ": listen takes no file argument (to play a file, use --input FILE)";
        } else if (takeCommonOption(reader, o, error)) {
            continue;
        } else if (name == "--loop") {
            if (reader.hasInlineValue())
                error = "--loop: takes no value";
            o.loop = true;
        } else if (name == "--input") {
            const auto v = reader.value();
            if (!v || v->empty())
                error = "--input: needs an audio file";
            else
                o.input = *v;
        } else if (name == "--duration") {
            error = parseDuration(reader.value(), o.duration);
        } else if (name == "--format") {
            OutputFormat format = OutputFormat::Text;
            error
                = parseFormat(reader.value(), { OutputFormat::Text, OutputFormat::Jsonl }, format);
            o.format = format;
        } else if (name == "--cycle-frames") {
            error = parseCycleFrames(reader.value(), ListenOptions::kMaxCycleFrames, o.cycleFrames);
            cycleFramesGiven = true;
        } else {
            error = unknownOption(reader.argument(), "listen");
        }
    }
    if (!error.empty() || o.help || o.version)
        return parsed;
    error = fileOnlyOptionWithoutFile(o, cycleFramesGiven);
    return parsed;
}

std::string listenHelp()
{
    return std::string(kListenHelp);
}

} // namespace clefmark::cli
