// What the commands of clefmark-cli have in common on the command line: how
// arguments are walked through, the tuner settings every command takes, and
// the checks of the values that more than one command accepts. Messages are
// one line each, naming the option, without the program name.
#pragma once

#include "cli/RecordFormat.h"
#include "tuner/NoteNames.h"
#include "tuner/Tuner.h"
#include "tuner/TunerSettings.h"
#include "tuner/UserDefaults.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace clefmark::cli {

/// The window's settings, and help and version, which every command running
/// a tuner takes.
struct CommonOptions {
    int referencePitch = kReferencePitchSetting.initial;
    bool octaveRejection = kOctaveRejectionSetting.initial;
    bool closeEnough = kCloseEnoughSetting.initial;
    /// Semitones from the sounding note to the written one that is shown.
    int transposition = kTranspositionSetting.initial;
    /// Names for people with flats; the records for programs keep sharps.
    bool flats = kFlatNamesSetting.initial;
    /// `--names`: how notes are named for people; none for the command's
    /// own default. Records for programs keep letters.
    std::optional<NoteNaming> naming;
    /// A pitch after a gap starts a new note.
    bool freshNotes = kFreshNotesSetting.initial;
    /// `--detector hybrid`: the second opinion where the classic detector
    /// finds nothing.
    bool secondOpinion = kSecondOpinionSetting.initial;
    bool help = false;
    bool version = false;
};

/// Stores the settings where a new Tuner reads them, so that the tuner
/// starts out with them.
void seedDefaults(UserDefaults& defaults, const CommonOptions& options);

/// Walks through a command's arguments. An option is an argument of two or
/// more characters starting with '-', up to "--", after which everything is
/// an operand; its value comes after '=' ("--format=jsonl", long options
/// only) or as the next argument ("--format jsonl").
class OptionReader {
public:
    explicit OptionReader(std::span<const std::string_view> args)
        : args_(args)
    {
    }

    /// Moves to the next argument, skipping the "--" that ends the options.
    /// False when there is none.
    bool next();
    bool isOperand() const { return operand_; }
    /// The argument as given.
    std::string_view argument() const { return args_[index_]; }
    /// The option's name, without "=value".
    std::string_view name() const { return name_; }
    /// The option's value: the part after '=', or else the next argument,
    /// which is then used up. None when there is neither.
    std::optional<std::string_view> value();
    /// For options that take no value: false when one was given with '='.
    bool hasInlineValue() const { return inlineValue_.has_value(); }

private:
    std::span<const std::string_view> args_;
    std::size_t index_ = 0;
    bool started_ = false;
    bool optionsEnded_ = false;
    bool operand_ = false;
    std::string_view name_;
    std::optional<std::string_view> inlineValue_;
};

/// The option at `reader`, if it is one of CommonOptions' (--reference,
/// --octave-rejection, --close-enough, --transpose, --flats, --fresh-notes,
/// --detector, -h/--help, --version), applied to `options`. Returns false when it is none of them;
/// otherwise true, with `error` set when its value is wrong.
bool takeCommonOption(OptionReader& reader, CommonOptions& options, std::string& error);

/// The checks of option values; each returns the error, or empty when the
/// value was accepted and stored.
std::string parseCycleFrames(
    std::optional<std::string_view> value, std::uint32_t maxFrames, std::uint32_t& frames);
std::string parseFormat(std::optional<std::string_view> value,
    std::initializer_list<OutputFormat> allowed, OutputFormat& format);

/// "'ARG': unknown option (see 'clefmark-cli COMMAND --help')".
std::string unknownOption(std::string_view argument, std::string_view command);

/// `text` in single quotes, for messages.
std::string quoted(std::string_view text);
/// "text", "jsonl" or "tsv".
std::string_view formatName(OutputFormat format);

} // namespace clefmark::cli
