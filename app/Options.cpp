#include "app/Options.h"

#include "tuner/OptionValues.h"
#include "tuner/TunerSettings.h"

namespace clefmark {

namespace {

    QString quoted(const QString& text)
    {
        return u'\'' + text + u'\'';
    }

    // Those that take the next argument as their value, unless given after '='.
    bool takesValue(const QString& name)
    {
        return name == u"--input" || name == u"--snapshot" || name == u"--quit-after"
            || name == u"--reference" || name == u"--transpose" || name == u"--detector"
            || name == u"--names";
    }

    enum class Asked { Nothing, Help, Version };

    // Help is answered rather than the version when both are asked.
    Asked askedFor(const QStringList& arguments)
    {
        Asked asked = Asked::Nothing;
        for (qsizetype i = 0; i < arguments.size(); ++i) {
            const QString& argument = arguments[i];
            if (argument == u"--")
                break;
            if (argument == u"-h" || argument == u"--help")
                return Asked::Help;
            if (argument == u"--version")
                asked = Asked::Version;
            else if (takesValue(argument))
                ++i;
        }
        return asked;
    }

    // A file manager hands over every file chosen; the window plays one.
    QString setInput(AppOptions& options, const QString& path)
    {
        if (options.input.isEmpty()) {
            options.input = path;
            return {};
        }
        return QStringLiteral("one file at a time, please (got %1 and %2)")
            .arg(quoted(options.input), quoted(path));
    }

    // The option at arguments[i], with its value after '=' or, when taken,
    // as the next argument, which `i` then moves past.
    class OptionAt {
    public:
        OptionAt(const QStringList& arguments, qsizetype& i)
            : arguments_(arguments)
            , i_(i)
            , name_(arguments[i])
        {
            const QString& argument = arguments[i];
            if (const qsizetype eq = argument.indexOf(u'='); argument.startsWith(u"--") && eq > 0) {
                name_ = argument.left(eq);
                value_ = argument.mid(eq + 1);
            }
        }

        const QString& name() const { return name_; }
        const QString& argument() const { return arguments_[i_]; }
        bool hasInlineValue() const { return value_.has_value(); }
        std::optional<QString> takeValue()
        {
            if (value_)
                return value_;
            if (i_ + 1 < arguments_.size())
                return arguments_[++i_];
            return std::nullopt;
        }

    private:
        const QStringList& arguments_;
        qsizetype& i_;
        QString name_;
        std::optional<QString> value_;
    };

    QString givenText(const std::optional<QString>& text)
    {
        return text ? quoted(*text) : QStringLiteral("nothing");
    }

    QString takePath(AppOptions& options, OptionAt& option)
    {
        const std::optional<QString> path = option.takeValue();
        if (!path || path->isEmpty())
            return QStringLiteral("%1 needs a file name").arg(option.name());
        if (option.name() == u"--snapshot") {
            options.snapshot = *path;
            return {};
        }
        return setInput(options, *path);
    }

    QString takeQuitAfter(AppOptions& options, OptionAt& option)
    {
        const std::optional<QString> text = option.takeValue();
        const std::optional<double> seconds
            = text ? decimalFromText(text->toStdString()) : std::nullopt;
        if (!seconds || *seconds <= 0 || *seconds > kMaxQuitAfterSeconds)
            return QStringLiteral("--quit-after needs a number of seconds above 0 and at most %1 "
                                  "(a day), such as 2.5 (got %2)")
                .arg(kMaxQuitAfterSeconds)
                .arg(givenText(text));
        options.quitAfter = *seconds;
        return {};
    }

    // --reference and --transpose.
    QString takeSetting(AppOptions& options, OptionAt& option)
    {
        const bool reference = option.name() == u"--reference";
        const RangedSetting& setting = reference ? kReferencePitchSetting : kTranspositionSetting;
        const std::optional<QString> text = option.takeValue();
        const std::optional<int> number
            = text ? setting.fromText(text->toStdString()) : std::nullopt;
        if (!number)
            return QStringLiteral("%1 needs %2 (got %3)")
                .arg(option.name(), QString::fromStdString(setting.rule()), givenText(text));
        (reference ? options.referencePitch : options.transposition) = *number;
        return {};
    }

    QString takeDetector(AppOptions& options, OptionAt& option)
    {
        const std::optional<QString> text = option.takeValue();
        const std::optional<bool> choice
            = text ? secondOpinionFromName(text->toStdString()) : std::nullopt;
        if (!choice)
            return QStringLiteral("--detector needs %1 or %2 (got %3)")
                .arg(QLatin1String(kDetectorNames[0]), QLatin1String(kDetectorNames[1]),
                    givenText(text));
        options.secondOpinion = *choice;
        return {};
    }

    QString takeNames(AppOptions& options, OptionAt& option)
    {
        const std::optional<QString> text = option.takeValue();
        const std::optional<NoteNaming> naming
            = text ? parseNoteNaming(text->toStdString()) : std::nullopt;
        if (!naming)
            return QStringLiteral("--names needs %1 (got %2)")
                .arg(QString::fromStdString(noteNamingChoices()), givenText(text));
        options.noteNaming = *naming;
        return {};
    }

    // The options that set a switch one way or the other, and take no value.
    struct Switch {
        const char16_t* on;
        const char16_t* off;
        std::optional<bool> AppOptions::*target;
    };
    constexpr Switch kSwitches[] = {
        { u"--octave-rejection", u"--no-octave-rejection", &AppOptions::octaveRejection },
        { u"--close-enough", u"--no-close-enough", &AppOptions::closeEnough },
        { u"--flats", u"--sharps", &AppOptions::flatNames },
        { u"--fresh-notes", u"--no-fresh-notes", &AppOptions::freshNotes },
    };

    QString takeOption(AppOptions& options, OptionAt& option)
    {
        const QString& name = option.name();
        if (name == u"--input" || name == u"--snapshot")
            return takePath(options, option);
        if (name == u"--quit-after")
            return takeQuitAfter(options, option);
        if (name == u"--reference" || name == u"--transpose")
            return takeSetting(options, option);
        if (name == u"--detector")
            return takeDetector(options, option);
        if (name == u"--names")
            return takeNames(options, option);
        for (const Switch& s : kSwitches) {
            if (name != s.on && name != s.off)
                continue;
            if (option.hasInlineValue())
                return QStringLiteral("%1 takes no value").arg(name);
            options.*s.target = name == s.on;
            return {};
        }
        return QStringLiteral("unknown option %1 (see 'clefmark --help')")
            .arg(quoted(option.argument()));
    }

} // namespace

bool asksForHelpOrVersion(const QStringList& arguments)
{
    return askedFor(arguments) != Asked::Nothing;
}

bool asksForHelp(const QStringList& arguments)
{
    return askedFor(arguments) == Asked::Help;
}

ParsedOptions parseOptions(const QStringList& arguments)
{
    ParsedOptions result;
    AppOptions& options = result.options;
    QString& error = result.error;
    for (qsizetype i = 0; i < arguments.size() && error.isEmpty(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            for (++i; i < arguments.size() && error.isEmpty(); ++i)
                error = setInput(options, arguments[i]);
            break;
        }
        if (!argument.startsWith(u'-') && !argument.isEmpty()) {
            error = setInput(options, argument);
        } else if (argument == u"-h" || argument == u"--help" || argument == u"--version") {
            // Answered before the window system is contacted.
        } else if (argument.isEmpty() || argument == u"-") {
            error = QStringLiteral("unexpected argument %1 (see 'clefmark --help')")
                        .arg(quoted(argument));
        } else {
            OptionAt option(arguments, i);
            error = takeOption(options, option);
        }
    }
    if (error.isEmpty() && !options.snapshot.isEmpty() && !options.quitAfter)
        options.quitAfter = kDefaultSnapshotSeconds;
    return result;
}

QString helpText()
{
    return QStringLiteral(
        "Usage: clefmark [OPTION]... [FILE]\n"
        "A chromatic tuner: play a note and Clefmark shows the nearest note on the\n"
        "treble and bass staves, how far off it is, and the input level.\n"
        "\n"
        "It listens to the default input of the sound server (PulseAudio or\n"
        "PipeWire); choose the input in Tuner > Sound Settings…. To tune from a\n"
        "recording, give its FILE, choose Tuner > Open Recording… or drop it on the\n"
        "window; Tuner > Listen to Input goes back.\n"
        "\n"
        "Options:\n"
        "  FILE, --input FILE    listen to a sound file, played in a loop, instead\n"
        "  --snapshot PNG        save a picture of the window when quitting\n"
        "  --quit-after SECONDS  quit after this many seconds, at most a day\n"
        "                        (default with --snapshot: 3)\n"
        "  --reference HZ        the A above middle C, 420 to 460 (default 440)\n"
        "  --octave-rejection, --no-octave-rejection\n"
        "                        correct sudden jumps up an octave, or not\n"
        "  --close-enough, --no-close-enough\n"
        "                        count one step (about 2 cents) either side as\n"
        "                        in tune, or not\n"
        "  --transpose N         show the notes as an instrument's part writes\n"
        "                        them: N semitones above concert pitch, -24 to 24\n"
        "                        (Bb trumpet 2, Eb alto sax 9, F horn 7; default 0)\n"
        "  --flats, --sharps     name the black keys with flats (Bb) or sharps (A#)\n"
        "  --names NAMES         letters (C D E F G A B), german (H for B, B for Bb)\n"
        "                        or solfege (Do Re Mi Fa Sol La Si); the default\n"
        "                        is those taught in your language\n"
        "  --fresh-notes, --no-fresh-notes\n"
        "                        start each note afresh after about 0.2 s without\n"
        "                        a pitch, or go on with the average (the default)\n"
        "  --detector NAME       classic (default), or hybrid: where the classic\n"
        "                        detector finds no period, a second one is asked\n"
        "                        (for piano and voice)\n"
        "  -h, --help            show this help and quit\n"
        "  --version             show the version and quit\n"
        "\n"
        "Options take their value as \"--reference 442\" or \"--reference=442\".\n"
        "Numbers are decimal digits, with a sign if you like (+2, -2), and for\n"
        "--quit-after a point (2.5, .5, 5.); no spaces, exponents or units.\n"
        "\n"
        "Settings given here are remembered like changes made in the window.\n"
        "They are kept in $XDG_CONFIG_HOME/Clefmark/Clefmark.ini\n"
        "(~/.config/Clefmark/Clefmark.ini), saved as each one changes.\n");
}

QString versionText()
{
    return QStringLiteral("clefmark " CLEFMARK_VERSION "\n");
}

} // namespace clefmark
