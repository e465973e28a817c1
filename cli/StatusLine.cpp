#include "cli/StatusLine.h"

#include "tuner/NoteMapper.h"
#include "tuner/NoteNames.h"

#include <algorithm>
#include <cmath>

namespace clefmark::cli {

namespace {

    constexpr std::string_view kBold = "\033[1m";
    constexpr std::string_view kGreen = "\033[32m";
    constexpr std::string_view kPlain = "\033[0m";
    constexpr std::string_view kInTune = "in tune";
    // The in-tune mark's field, wide enough for the words that stand there
    // when no live note is there.
    constexpr std::size_t kMarkWidth = 9;
    constexpr int kLevelWidth = 8;

    // Widths of the compact layouts, for terminals narrower than the full line.
    constexpr std::size_t kCompactWidth = 44; // note, cents, needle, mark
    constexpr std::size_t kMinimalWidth = 10; // note, cents

    void pad(std::string& out, std::string_view text, std::size_t width, bool right)
    {
        const std::size_t fill = text.size() < width ? width - text.size() : 0;
        if (right)
            out.append(fill, ' ');
        out.append(text);
        if (!right)
            out.append(fill, ' ');
    }

    // Colours `text` when asked; the escapes take no columns, so widths hold.
    void painted(std::string& out, std::string_view text, std::string_view colour, bool on)
    {
        if (on)
            out.append(colour);
        out.append(text);
        if (on)
            out.append(kPlain);
    }

} // namespace

int needlePosition(int tune)
{
    const int half = kNeedleWidth / 2;
    const long step = std::lround(static_cast<double>(tune) * half / 25.0);
    return static_cast<int>(std::clamp<long>(half + step, 0, kNeedleWidth - 1));
}

std::string needle(std::optional<int> tune)
{
    std::string bar(kNeedleWidth, '-');
    bar[kNeedleWidth / 2] = '|';
    if (tune)
        bar[static_cast<std::size_t>(needlePosition(*tune))] = '*';
    return "[" + bar + "]";
}

std::string statusLine(const StatusReading& reading, std::size_t width, bool colour)
{
    const std::optional<DisplayUpdate>& u = reading.update;
    const bool live = u && !reading.past;
    const bool inTune = live && u->inTune;
    const std::string name = u ? asciiNoteName(u->note, reading.spelling, reading.naming) : "--";
    // Syllables take a column more ("Sol#4"); the full line gives it from
    // the gap after the note, so it keeps its width, and the shorter
    // layouts grow by it.
    const std::size_t noteWidth = reading.naming == NoteNaming::Solfege ? 5 : 4;
    const std::size_t compactWidth = kCompactWidth + noteWidth - 4;
    const std::string& cents = reading.cents;

    std::string line;
    const bool full = width > kStatusWidth;
    const bool compact = !full && width > compactWidth;
    if (!full && !compact && width <= kMinimalWidth + noteWidth - 4) {
        // Too narrow for anything but a cut-off line without colour.
        pad(line, name, noteWidth, false);
        line += ' ';
        pad(line, cents, 5, true);
        line.resize(width > 1 ? width - 1 : 0);
        return line;
    }

    const std::string_view gap = full ? "  " : " ";
    std::string noteField;
    pad(noteField, name, noteWidth, false);
    painted(line, noteField, kBold, colour && live);
    line += full ? gap.substr(noteWidth - 4) : gap;
    pad(line, cents, 5, true);
    if (full)
        line += u ? " cents" : "      ";
    if (!full && !compact)
        return line;

    line += gap;
    const std::string bar = needle(live ? std::optional<int>(u->tune) : std::nullopt);
    if (colour && inTune) {
        const std::size_t marker = bar.find('*');
        line.append(bar, 0, marker);
        painted(line, "*", kGreen, true);
        line.append(bar, marker + 1);
    } else {
        line += bar;
    }
    line += gap;
    if (inTune) {
        painted(line, kInTune, kGreen, colour);
        line.append(kMarkWidth - kInTune.size(), ' ');
    } else {
        pad(line, std::string_view(reading.words).substr(0, kMarkWidth), kMarkWidth, false);
    }
    if (!full)
        return line;

    const int level = std::clamp(reading.level, 0, kLevelWidth);
    line += "  level [";
    line.append(static_cast<std::size_t>(level), '=');
    line.append(static_cast<std::size_t>(kLevelWidth - level), ' ');
    line += ']';
    return line;
}

std::string statusMessage(std::string_view message, std::size_t width)
{
    const std::size_t room = width > kStatusWidth ? kStatusWidth : (width > 1 ? width - 1 : 0);
    std::string line(message.substr(0, room));
    line.append(room - line.size(), ' ');
    return line;
}

} // namespace clefmark::cli
