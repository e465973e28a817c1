#include "desktop/IniText.h"

#include <algorithm>
#include <cctype>

namespace clefmark {

namespace {

    constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

    std::string_view trimmed(std::string_view text)
    {
        const auto space = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
        while (!text.empty() && space(text.front()))
            text.remove_prefix(1);
        while (!text.empty() && space(text.back()))
            text.remove_suffix(1);
        return text;
    }

    bool namesTheGeneralSection(std::string_view name)
    {
        constexpr std::string_view general = "general";
        return name.size() == general.size()
            && std::equal(name.begin(), name.end(), general.begin(),
                [](char a, char b) { return std::tolower(static_cast<unsigned char>(a)) == b; });
    }

    std::string_view unquoted(std::string_view value)
    {
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            return value.substr(1, value.size() - 2);
        return value;
    }

} // namespace

IniText::IniText(std::string_view bytes)
{
    if (bytes.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        byteOrderMark_ = true;
        bytes.remove_prefix(kByteOrderMark.size());
    }
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size());
        lines_.emplace_back(bytes.substr(start, end - start));
        start = end + 1;
    }
    parse();
}

void IniText::parse()
{
    values_.clear();
    keyLines_.clear();
    generalHeader_.reset();
    lastGeneralKey_.reset();
    unclosedHeaders_.clear();
    strayLines_.clear();

    bool inGeneral = true;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const std::string_view line = trimmed(lines_[i]);
        if (line.empty() || line.front() == ';' || line.front() == '#')
            continue;
        if (line.front() == '[') {
            std::size_t close = line.find(']');
            if (close == std::string_view::npos) {
                unclosedHeaders_.push_back(i + 1);
                close = line.size();
            }
            inGeneral = namesTheGeneralSection(trimmed(line.substr(1, close - 1)));
            if (inGeneral && !generalHeader_)
                generalHeader_ = i;
            continue;
        }
        const std::size_t equals = line.find('=');
        const std::string_view key = equals == std::string_view::npos
            ? std::string_view()
            : trimmed(line.substr(0, equals));
        if (key.empty()) {
            strayLines_.push_back(i + 1);
            continue;
        }
        if (!inGeneral)
            continue;
        values_[std::string(key)] = unquoted(trimmed(line.substr(equals + 1)));
        keyLines_[std::string(key)] = i;
        lastGeneralKey_ = i;
    }
}

std::optional<std::string> IniText::value(const std::string& key) const
{
    const auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

void IniText::set(const std::string& key, const std::string& value)
{
    std::string line = key + "=" + value;
    if (const auto found = keyLines_.find(key); found != keyLines_.end())
        lines_[found->second] = std::move(line);
    else if (const auto after = lastGeneralKey_ ? lastGeneralKey_ : generalHeader_)
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(*after + 1), std::move(line));
    else
        lines_.insert(lines_.begin(), { "[General]", std::move(line) });
    parse();
}

std::string IniText::text() const
{
    std::string out = byteOrderMark_ ? std::string(kByteOrderMark) : std::string();
    for (const std::string& line : lines_) {
        out += line;
        out += '\n';
    }
    return out;
}

} // namespace clefmark
