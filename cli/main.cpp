// clefmark-cli: the tuner's engine on the command line.
//
// Each subcommand is one entry of the table below, with a summary for the
// general help, its own help text and its entry point.
#include "cli/Analyzer.h"
#include "cli/Console.h"
#include "cli/Listen.h"
#include "desktop/Readiness.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace {

using namespace clefmark::cli;

struct Command {
    std::string_view name;
    std::string_view summary;
    std::string (*help)();
    int (*run)(std::span<const std::string_view> args);
};

constexpr Command kCommands[] = {
    { "analyze", "print the tuner's analysis of audio files, block by block", analyzeHelp,
        runAnalyze },
    { "listen", "the tuner, live, on the sound server's input or a file played in real time",
        listenHelp, runListen },
};

const Command* findCommand(std::string_view name)
{
    for (const Command& command : kCommands)
        if (command.name == name)
            return &command;
    return nullptr;
}

std::string generalHelp()
{
    std::string text = "Usage: " + std::string(kProgramName)
        + " COMMAND [ARGUMENTS...]\n\n"
          "The Clefmark tuner's engine on the command line.\n\nCommands:\n";
    for (const Command& command : kCommands) {
        text += "  ";
        text += command.name;
        text.append(command.name.size() < 10 ? 10 - command.name.size() : 1, ' ');
        text += command.summary;
        text += '\n';
    }
    text += "  help [COMMAND]  show this help, or a command's\n"
            "\nOptions:\n"
            "  -h, --help      show this help and exit\n"
            "  --version       show the version and exit\n"
            "\nRun '"
        + std::string(kProgramName) + " help COMMAND' for a command's options.\n";
    return text;
}

std::string versionText()
{
    return std::string(kProgramName) + " " + std::string(programVersion()) + "\n";
}

int unknownCommand(std::string_view name)
{
    reportError("'" + std::string(name) + "' is not a command (see '" + std::string(kProgramName)
        + " --help')");
    return 2;
}

int dispatch(std::span<const std::string_view> args)
{
    if (args.empty()) {
        reportError("no command given (see '" + std::string(kProgramName) + " --help')");
        return 2;
    }
    const std::string_view first = args[0];
    if (first == "--help" || first == "-h")
        return writeOutput(generalHelp()) ? 0 : 2;
    if (first == "--version")
        return writeOutput(versionText()) ? 0 : 2;
    if (first == "help") {
        if (args.size() == 1)
            return writeOutput(generalHelp()) ? 0 : 2;
        const Command* command = findCommand(args[1]);
        if (command == nullptr)
            return unknownCommand(args[1]);
        return writeOutput(command->help()) ? 0 : 2;
    }
    const Command* command = findCommand(first);
    if (command == nullptr)
        return unknownCommand(first);
    return command->run(args.subspan(1));
}

} // namespace

int main(int argc, char** argv)
{
    // Before anything is written, and before any thread exists.
    setAsideStandardStreams();
    // Before any thread exists that might read the environment.
    clefmark::Readiness::ofProcess();
    // No setlocale: the program stays in the "C" locale, and formats its
    // numbers without the locale anyway.
    const std::vector<std::string_view> args(argv + (argc > 0 ? 1 : 0), argv + argc);
    int status = dispatch(args);
    if (!flushOutput() && status != 2) {
        reportError("cannot write the results");
        status = 2;
    }
    return status;
}
