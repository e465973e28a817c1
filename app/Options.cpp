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
            || name == u"--reference" || name == u"--transpose";
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
    auto fail = [&result](const QString& message) {
        result.error = message;
        return result;
    };

    // A file manager hands over every file chosen; the window plays one.
    auto setInput = [&options](const QString& path) {
        if (options.input.isEmpty()) {
            options.input = path;
            return true;
        }
        return false;
    };
    auto twoFiles = [&options](const QString& path) {
        return QStringLiteral("one file at a time, please (got %1 and %2)")
            .arg(quoted(options.input), quoted(path));
    };

    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == u"--") {
            for (++i; i < arguments.size(); ++i)
                if (!setInput(arguments[i]))
                    return fail(twoFiles(arguments[i]));
            break;
        }
        if (!argument.startsWith(u'-') && !argument.isEmpty()) {
            if (!setInput(argument))
                return fail(twoFiles(argument));
            continue;
        }
        if (argument == u"-h" || argument == u"--help") {
            options.help = true;
            continue;
        }
        if (argument == u"--version") {
            options.version = true;
            continue;
        }
        if (argument.isEmpty() || argument == u"-")
            return fail(QStringLiteral("unexpected argument %1 (see 'clefmark --help')")
                            .arg(quoted(argument)));

        QString name = argument;
        std::optional<QString> value;
        if (const qsizetype eq = argument.indexOf(u'='); argument.startsWith(u"--") && eq > 0) {
            name = argument.left(eq);
            value = argument.mid(eq + 1);
        }
        auto takeValue = [&]() -> std::optional<QString> {
            if (value)
                return value;
            if (i + 1 < arguments.size())
                return arguments[++i];
            return std::nullopt;
        };
        auto flag = [&](std::optional<bool>& target, bool on) {
            if (value)
                return false;
            target = on;
            return true;
        };

        if (name == u"--input" || name == u"--snapshot") {
            const std::optional<QString> path = takeValue();
            if (!path || path->isEmpty())
                return fail(QStringLiteral("%1 needs a file name").arg(name));
            if (name == u"--snapshot")
                options.snapshot = *path;
            else if (!setInput(*path))
                return fail(twoFiles(*path));
        } else if (name == u"--quit-after") {
            const std::optional<QString> text = takeValue();
            const std::optional<double> seconds
                = text ? decimalFromText(text->toStdString()) : std::nullopt;
            if (!seconds || *seconds <= 0 || *seconds > kMaxQuitAfterSeconds)
                return fail(QStringLiteral("--quit-after needs a number of seconds above 0 and "
                                           "at most %1 (a day), such as 2.5 (got %2)")
                                .arg(kMaxQuitAfterSeconds)
                                .arg(text ? quoted(*text) : QStringLiteral("nothing")));
            options.quitAfter = *seconds;
        } else if (name == u"--reference" || name == u"--transpose") {
            const RangedSetting& setting
                = name == u"--reference" ? kReferencePitchSetting : kTranspositionSetting;
            const std::optional<QString> text = takeValue();
            const std::optional<int> number
                = text ? setting.fromText(text->toStdString()) : std::nullopt;
            if (!number)
                return fail(QStringLiteral("%1 needs %2 (got %3)")
                                .arg(name, QString::fromStdString(setting.rule()),
                                    text ? quoted(*text) : QStringLiteral("nothing")));
            (name == u"--reference" ? options.referencePitch : options.transposition) = *number;
        } else if (name == u"--octave-rejection" || name == u"--no-octave-rejection") {
            if (!flag(options.octaveRejection, name == u"--octave-rejection"))
                return fail(QStringLiteral("%1 takes no value").arg(name));
        } else if (name == u"--close-enough" || name == u"--no-close-enough") {
            if (!flag(options.closeEnough, name == u"--close-enough"))
                return fail(QStringLiteral("%1 takes no value").arg(name));
        } else if (name == u"--flats" || name == u"--sharps") {
            if (!flag(options.flatNames, name == u"--flats"))
                return fail(QStringLiteral("%1 takes no value").arg(name));
        } else {
            return fail(
                QStringLiteral("unknown option %1 (see 'clefmark --help')").arg(quoted(argument)));
        }
    }
    if (!options.snapshot.isEmpty() && !options.quitAfter)
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
