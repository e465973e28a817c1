#include "cli/RecordFormat.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <system_error>

namespace clefmark::cli {

namespace {

    // Large enough for any float in general form and any double up to 1e300 in
    // fixed form with a few decimals.
    constexpr std::size_t kNumberRoom = 400;

    void appendPadded(std::string& out, std::string_view text, std::size_t width, bool right)
    {
        const std::size_t pad = text.size() < width ? width - text.size() : 0;
        if (right)
            out.append(pad, ' ');
        out.append(text);
        if (!right)
            out.append(pad, ' ');
    }

    std::string fixedText(double value, int decimals)
    {
        std::string text;
        appendFixed(text, value, decimals);
        return text;
    }

    std::string signedText(int value)
    {
        std::string text;
        if (value > 0)
            text += '+';
        appendInteger(text, value);
        return text;
    }

    // JSON and tsv null: a number only when there is one to give. A frequency is
    // never infinite or NaN in practice, but JSON could not carry one.
    void appendOptionalFloat(
        std::string& out, const std::optional<float>& value, std::string_view null)
    {
        if (value && std::isfinite(*value))
            appendGeneral(out, *value);
        else
            out.append(null);
    }

    // Length of the well-formed UTF-8 sequence at the start of `s`, 0 if there
    // is none (stray continuation byte, overlong form, surrogate, beyond U+10FFFF
    // or cut short).
    std::size_t utf8SequenceLength(std::string_view s)
    {
        const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(s[i]); };
        const unsigned char lead = byte(0);
        std::size_t length = 0;
        unsigned char low = 0x80, high = 0xBF; // range of the second byte
        if (lead < 0x80)
            return 1;
        if (lead >= 0xC2 && lead <= 0xDF) {
            length = 2;
        } else if (lead >= 0xE0 && lead <= 0xEF) {
            length = 3;
            if (lead == 0xE0)
                low = 0xA0;
            else if (lead == 0xED)
                high = 0x9F;
        } else if (lead >= 0xF0 && lead <= 0xF4) {
            length = 4;
            if (lead == 0xF0)
                low = 0x90;
            else if (lead == 0xF4)
                high = 0x8F;
        } else {
            return 0;
        }
        if (s.size() < length || byte(1) < low || byte(1) > high)
            return 0;
        for (std::size_t i = 2; i < length; ++i)
            if (byte(i) < 0x80 || byte(i) > 0xBF)
                return 0;
        return length;
    }

} // namespace

void appendGeneral(std::string& out, float value)
{
    char buffer[kNumberRoom];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 9);
    out.append(buffer, result.ptr);
}

void appendFixed(std::string& out, double value, int decimals)
{
    char buffer[kNumberRoom];
    const auto result
        = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    if (result.ec == std::errc {})
        out.append(buffer, result.ptr);
    else // beyond 1e300: no input is that long
        appendGeneral(out, static_cast<float>(value));
}

void appendInteger(std::string& out, std::int64_t value)
{
    char buffer[24];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    out.append(buffer, result.ptr);
}

void appendJsonString(std::string& out, std::string_view text)
{
    static constexpr char kHex[] = "0123456789abcdef";
    out += '"';
    std::size_t i = 0;
    while (i < text.size()) {
        const auto c = static_cast<unsigned char>(text[i]);
        switch (c) {
        case '"':
            out += "\\\"";
            ++i;
            continue;
        case '\\':
            out += "\\\\";
            ++i;
            continue;
        case '\b':
            out += "\\b";
            ++i;
            continue;
        case '\f':
            out += "\\f";
            ++i;
            continue;
        case '\n':
            out += "\\n";
            ++i;
            continue;
        case '\r':
            out += "\\r";
            ++i;
            continue;
        case '\t':
            out += "\\t";
            ++i;
            continue;
        default:
            break;
        }
        if (c < 0x20) {
            out += "\\u00";
            out += kHex[c >> 4];
            out += kHex[c & 0xF];
            ++i;
            continue;
        }
        const std::size_t length = utf8SequenceLength(text.substr(i));
        if (length == 0) {
            out += "\\ufffd";
            ++i;
        } else {
            out.append(text.substr(i, length));
            i += length;
        }
    }
    out += '"';
}

void appendTsvField(std::string& out, std::string_view text)
{
    for (const char c : text) {
        switch (c) {
        case '\\':
            out += "\\\\";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        default:
            out += c;
        }
    }
}

std::string centsText(int tune)
{
    // tune * 100 / 51 to the nearest tenth, in integers: 1000 * tune / 51 is
    // never exactly halfway, so rounding up from 26/51 is rounding to nearest.
    const long long magnitude = std::llabs(static_cast<long long>(tune));
    const long long tenths = (magnitude * 1000 + 25) / 51;
    std::string text;
    if (tenths != 0)
        text += tune > 0 ? '+' : '-';
    appendInteger(text, tenths / 10);
    text += '.';
    appendInteger(text, tenths % 10);
    return text;
}

BlockRecord BlockClock::next(
    const BlockReport& report, std::uint32_t blockFrames, double sampleRate)
{
    if (blockFrames != blockFrames_ || sampleRate != sampleRate_) {
        segmentStart_ = lastTime_;
        segmentBlocks_ = 0;
        blockFrames_ = blockFrames;
        sampleRate_ = sampleRate;
    }
    BlockRecord record;
    record.block = blocks_++;
    // From the block count, not by adding up block lengths, so that rounding
    // does not build up over a long input.
    ++segmentBlocks_;
    record.time = segmentStart_ + static_cast<double>(segmentBlocks_) * blockFrames_ / sampleRate_;
    lastTime_ = record.time;
    record.report = report;
    return record;
}

// Column widths of the text format, shared by the titles and the lines.
namespace text {
    constexpr std::size_t kTime = 9;
    constexpr std::size_t kNote = 4;
    constexpr std::size_t kCents = 6;
    constexpr std::size_t kTune = 5;
    constexpr std::size_t kFrequency = 9;
} // namespace text

std::size_t RecordFormatter::noteColumn() const
{
    // Syllables take a column more: "Sol#4".
    return textNaming_ == NoteNaming::Solfege ? text::kNote + 1 : text::kNote;
}

void RecordFormatter::appendHeader(std::string& out) const
{
    if (format_ != OutputFormat::Tsv)
        return;
    if (withFileNames_)
        out += "file\t";
    out += "block\ttime\tlevel\tdetected\tfrequency\tnote\tname\ttune\tin_tune\n";
}

void RecordFormatter::beginFile(
    std::string& out, std::string_view file, const FileSummary& summary) const
{
    if (format_ != OutputFormat::Text)
        return;
    out.append(file);
    out += ": ";
    out.append(summary.description);
    out += ", ";
    appendInteger(out, summary.sampleRate);
    out += " Hz, ";
    appendInteger(out, summary.channels);
    out += summary.channels == 1 ? " channel, " : " channels, ";
    appendFixed(out, static_cast<double>(summary.frames) / summary.sampleRate, 3);
    out += " s\n";

    appendPadded(out, "time", text::kTime + 2, true);
    out += "  ";
    appendPadded(out, "note", noteColumn(), false);
    out += "  ";
    appendPadded(out, "cents", text::kCents, true);
    out += "  ";
    appendPadded(out, "tune", text::kTune, true);
    out += "  ";
    appendPadded(out, "frequency", text::kFrequency + 3, true);
    out += '\n';
}

void RecordFormatter::appendRecord(
    std::string& out, std::string_view file, const BlockRecord& record) const
{
    switch (format_) {
    case OutputFormat::Jsonl:
        appendJsonl(out, file, record);
        break;
    case OutputFormat::Tsv:
        appendTsv(out, file, record);
        break;
    case OutputFormat::Text:
        appendText(out, record);
        break;
    }
}

void RecordFormatter::endFile(std::string& out, std::int64_t recordsWithNote) const
{
    if (format_ == OutputFormat::Text && recordsWithNote == 0)
        out += "  (no pitch detected)\n";
}

void RecordFormatter::appendJsonl(
    std::string& out, std::string_view file, const BlockRecord& record) const
{
    const BlockReport& r = record.report;
    out += '{';
    if (withFileNames_) {
        out += "\"file\":";
        appendJsonString(out, file);
        out += ',';
    }
    out += "\"block\":";
    appendInteger(out, record.block);
    out += ",\"time\":";
    appendFixed(out, record.time, 6);
    out += ",\"level\":";
    appendInteger(out, r.level);
    out += ",\"detected\":";
    appendOptionalFloat(out, r.detected, "null");
    if (withDetector_)
        out += !r.detected    ? ",\"detector\":null"
            : r.secondOpinion ? ",\"detector\":\"yin\""
                              : ",\"detector\":\"classic\"";
    out += ",\"frequency\":";
    appendOptionalFloat(out, r.frequency, "null");
    if (r.update) {
        out += ",\"note\":";
        appendInteger(out, r.update->note);
        out += ",\"name\":";
        appendJsonString(out, noteName(r.update->note));
        out += ",\"tune\":";
        appendInteger(out, r.update->tune);
        out += r.update->inTune ? ",\"in_tune\":true}\n" : ",\"in_tune\":false}\n";
    } else {
        out += ",\"note\":null,\"name\":null,\"tune\":null,\"in_tune\":null}\n";
    }
}

void RecordFormatter::appendTsv(
    std::string& out, std::string_view file, const BlockRecord& record) const
{
    const BlockReport& r = record.report;
    if (withFileNames_) {
        appendTsvField(out, file);
        out += '\t';
    }
    appendInteger(out, record.block);
    out += '\t';
    appendFixed(out, record.time, 6);
    out += '\t';
    appendInteger(out, r.level);
    out += '\t';
    appendOptionalFloat(out, r.detected, "");
    out += '\t';
    appendOptionalFloat(out, r.frequency, "");
    out += '\t';
    if (r.update) {
        appendInteger(out, r.update->note);
        out += '\t';
        out += noteName(r.update->note);
        out += '\t';
        appendInteger(out, r.update->tune);
        out += r.update->inTune ? "\ttrue\n" : "\tfalse\n";
    } else {
        out += "\t\t\t\n";
    }
}

void RecordFormatter::appendText(std::string& out, const BlockRecord& record) const
{
    const BlockReport& r = record.report;
    if (!r.update || !r.frequency)
        return;
    appendPadded(out, fixedText(record.time, 3), text::kTime, true);
    out += " s  ";
    appendPadded(
        out, asciiNoteName(r.update->note, textSpelling_, textNaming_), noteColumn(), false);
    out += "  ";
    appendPadded(out, centsText(r.update->tune), text::kCents, true);
    out += "  ";
    appendPadded(out, signedText(r.update->tune), text::kTune, true);
    out += "  ";
    appendPadded(out, fixedText(*r.frequency, 2), text::kFrequency, true);
    out += " Hz";
    if (r.update->inTune)
        out += "  in tune";
    out += '\n';
}

} // namespace clefmark::cli
