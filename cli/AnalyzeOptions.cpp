#include "cli/AnalyzeOptions.h"

namespace clefmark::cli {

namespace {

    // What `clefmark-cli analyze --help` prints.
    constexpr std::string_view kAnalyzeHelp = R"(Usage: clefmark-cli analyze [OPTIONS] FILE...

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
  --transpose N        name notes as an instrument's part writes them: N
                       semitones above the sounding note, -24 to 24 (Bb
                       trumpet 2, Eb alto sax 9, F horn 7; default 0); only
                       "note" and "name" change
  --flats              name the black keys with flats (Bb4, not A#4) in the
                       text format; jsonl and tsv keep sharps
  --names NAMES        letters (C D E F G A B; the default), german (H for
                       B, B for Bb) or solfege (Do Re Mi Fa Sol La Si) in
                       the text format; jsonl and tsv keep letters
  --fresh-notes        start a new note when a pitch follows about 0.2 s
                       without one, instead of going on with the average
  --detector NAME      classic (default), or hybrid: where the classic
                       detector finds no period in a loud enough block, a
                       second one is asked (for piano and voice)
  --cycle-frames N     frames per input cycle, 1 to 65536 (default 512); the
                       results do not depend on it
  -h, --help           show this help and exit
  --version            show the version and exit
  --                   end of options: every later argument is a file
Options take their value as "--format jsonl" or "--format=jsonl". Numbers
are decimal digits, with a sign if you like (+2, -2); no spaces or units.

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
          detector   with --detector hybrid only, after "detected": which
                     detector found it, "classic" or "yin", or null
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

Records are written as they are made, a piece at a time, so that memory
does not grow with the length of a file. A file that cannot be analysed
(missing, not a regular file, not audio, damaged, or at a sample rate the
analysis cannot take) gets one line on standard error; one that fails part way (a read error, or
cut short while it is read) keeps the records written before the fault,
then gets its line.

Exit status: 0 when every file was analysed, 1 when some were and some were
not, 2 when none was, the options were wrong or the results could not be
written.
)";

} // namespace

ParsedAnalyzeOptions parseAnalyzeOptions(std::span<const std::string_view> args)
{
    ParsedAnalyzeOptions parsed;
    AnalyzeOptions& o = parsed.options;
    OptionReader reader(args);
    while (parsed.error.empty() && reader.next()) {
        if (reader.isOperand())
            o.files.emplace_back(reader.argument());
        else if (takeCommonOption(reader, o, parsed.error))
            continue;
        else if (reader.name() == "--cycle-frames")
            parsed.error
                = parseCycleFrames(reader.value(), AnalyzeOptions::kMaxCycleFrames, o.cycleFrames);
        else if (reader.name() == "--format")
            parsed.error = parseFormat(reader.value(),
                { OutputFormat::Text, OutputFormat::Jsonl, OutputFormat::Tsv }, o.format);
        else
            parsed.error = unknownOption(reader.argument(), "analyze");
    }
    if (parsed.error.empty() && o.files.empty() && !o.help && !o.version)
        parsed.error = "analyze: no audio file given (see 'clefmark-cli analyze --help')";
    return parsed;
}

std::string analyzeHelp()
{
    return std::string(kAnalyzeHelp);
}

} // namespace clefmark::cli
