#include "cli/CommandLine.h"

#include "tuner/OptionValues.h"
#include "tuner/TunerSettings.h"

namespace clefmark::cli {

void seedDefaults(UserDefaults& defaults, const CommonOptions& options)
{
    defaults.setInteger(kReferencePitchSetting.key, options.referencePitch);
    defaults.setBool(kOctaveRejectionSetting.key, options.octaveRejection);
    defaults.setBool(kCloseEnoughSetting.key, options.closeEnough);
    defaults.setInteger(kTranspositionSetting.key, options.transposition);
    defaults.setBool(kFlatNamesSetting.key, options.flats);
    defaults.setBool(kFreshNotesSetting.key, options.freshNotes);
    defaults.setBool(kSecondOpinionSetting.key, options.secondOpinion);
}

bool OptionReader::next()
{
    for (;;) {
        if (started_)
            ++index_;
        started_ = true;
        if (index_ >= args_.size())
            return false;
        const std::string_view arg = args_[index_];
        name_ = {};
        inlineValue_.reset();
        operand_ = optionsEnded_ || arg.size() < 2 || arg.front() != '-';
        if (operand_)
            return true;
        if (arg == "--") {
            optionsEnded_ = true;
            continue;
        }
        name_ = arg;
        if (const auto eq = arg.find('='); arg.starts_with("--") && eq != std::string_view::npos) {
            name_ = arg.substr(0, eq);
            inlineValue_ = arg.substr(eq + 1);
        }
        return true;
    }
}

std::optional<std::string_view> OptionReader::value()
{
    if (inlineValue_)
        return inlineValue_;
    if (index_ + 1 < args_.size())
        return args_[++index_];
    return std::nullopt;
}

bool takeCommonOption(OptionReader& reader, CommonOptions& options, std::string& error)
{
    const std::string_view name = reader.name();
    bool* flag = nullptr;
    if (name == "--help" || name == "-h")
        flag = &options.help;
    else if (name == "--version")
        flag = &options.version;
    else if (name == "--octave-rejection")
        flag = &options.octaveRejection;
    else if (name == "--close-enough")
        flag = &options.closeEnough;
    else if (name == "--flats")
        flag = &options.flats;
    else if (name == "--fresh-notes")
        flag = &options.freshNotes;
    if (flag != nullptr) {
        if (reader.hasInlineValue())
            error = std::string(name) + ": takes no value";
        else
            *flag = true;
        return true;
    }

    if (name == "--names") {
        const auto v = reader.value();
        const auto naming = v ? parseNoteNaming(*v) : std::nullopt;
        if (!v)
            error = "--names: needs " + noteNamingChoices();
        else if (!naming)
            error = "--names: " + quoted(*v) + " is not " + noteNamingChoices();
        else
            options.naming = naming;
        return true;
    }

    if (name == "--detector") {
        const auto v = reader.value();
        const auto choice = v ? secondOpinionFromName(*v) : std::nullopt;
        const std::string names = std::string(kDetectorNames[0]) + " or " + kDetectorNames[1];
        if (!v)
            error = "--detector: needs " + names;
        else if (!choice)
            error = "--detector: " + quoted(*v) + " is not " + names;
        else
            options.secondOpinion = *choice;
        return true;
    }

    const RangedSetting* setting = name == "--reference" ? &kReferencePitchSetting
        : name == "--transpose"                          ? &kTranspositionSetting
                                                         : nullptr;
    if (setting == nullptr)
        return false;
    const auto v = reader.value();
    const auto number = v ? setting->fromText(*v) : std::nullopt;
    if (!number)
        error = std::string(name) + ": " + (v ? quoted(*v) + " is not" : std::string("needs")) + " "
            + setting->rule();
    else
        (setting == &kReferencePitchSetting ? options.referencePitch : options.transposition)
            = *number;
    return true;
}

std::string parseCycleFrames(
    std::optional<std::string_view> value, std::uint32_t maxFrames, std::uint32_t& frames)
{
    const std::string max = std::to_string(maxFrames);
    if (!value)
        return "--cycle-frames: needs a number of frames, 1 to " + max;
    const auto n = wholeNumberFromText(*value);
    if (!n || *n < 1 || *n > maxFrames)
        return "--cycle-frames: " + quoted(*value) + " is not a whole number from 1 to " + max;
    frames = static_cast<std::uint32_t>(*n);
    return {};
}

std::string parseFormat(std::optional<std::string_view> value,
    std::initializer_list<OutputFormat> allowed, OutputFormat& format)
{
    std::string names;
    for (const OutputFormat f : allowed) {
        if (!names.empty())
            names += ", ";
        names += formatName(f);
    }
    if (!value)
        return "--format: needs one of " + names;
    for (const OutputFormat f : allowed) {
        if (*value == formatName(f)) {
            format = f;
            return {};
        }
    }
    return "--format: " + quoted(*value) + " is not one of " + names;
}

std::string unknownOption(std::string_view argument, std::string_view command)
{
    return quoted(argument) + ": unknown option (see 'clefmark-cli " + std::string(command)
        + " --help')";
}

std::string quoted(std::string_view text)
{
    return "'" + std::string(text) + "'";
}

std::string_view formatName(OutputFormat format)
{
    switch (format) {
    case OutputFormat::Text:
        return "text";
    case OutputFormat::Jsonl:
        return "jsonl";
    case OutputFormat::Tsv:
        return "tsv";
    }
    return "text";
}

} // namespace clefmark::cli
