// The text of a settings file in INI form, read and edited line by line.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace clefmark {

/// An INI text whose general section (the keys before any section header
/// and those under [General]) can be read and changed, while everything
/// else (comments, other sections, lines that mean nothing) is kept as it
/// was: the file is the user's as much as the program's.
///
/// Forgiving where the intent is plain: a UTF-8 byte-order mark is skipped
/// (and kept), a header without its closing bracket is read up to the end of
/// its line, spaces around keys and values and double quotes around a value
/// are dropped. Lines that are neither a header, a key=value pair nor a
/// comment (';' or '#') are counted and otherwise left alone.
class IniText {
public:
    explicit IniText(std::string_view bytes = {});

    /// The general section's values as written, the last of repeated keys.
    const std::map<std::string, std::string>& values() const { return values_; }
    std::optional<std::string> value(const std::string& key) const;

    /// Sets `key` in the general section: on its own line if it has one, else
    /// after the section's last key, in a [General] section made at the top
    /// when there is none.
    void set(const std::string& key, const std::string& value);

    /// The whole text, every line ending in a newline.
    std::string text() const;

    /// Headers read without their closing bracket, by their 1-based lines.
    const std::vector<std::size_t>& unclosedHeaders() const { return unclosedHeaders_; }
    /// Lines that are not understood, by their 1-based numbers.
    const std::vector<std::size_t>& strayLines() const { return strayLines_; }

private:
    void parse();

    bool byteOrderMark_ = false;
    std::vector<std::string> lines_;
    std::map<std::string, std::string> values_;
    std::map<std::string, std::size_t> keyLines_;
    std::optional<std::size_t> generalHeader_;
    std::optional<std::size_t> lastGeneralKey_;
    std::vector<std::size_t> unclosedHeaders_;
    std::vector<std::size_t> strayLines_;
};

} // namespace clefmark
