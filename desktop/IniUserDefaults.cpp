#include "desktop/IniUserDefaults.h"

#include "desktop/IniText.h"
#include "desktop/SettingsFile.h"

#include <QFile>
#include <QStandardPaths>
#include <QtDebug>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <climits>

namespace clefmark {

namespace {

    std::string_view trimmed(std::string_view text)
    {
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
            text.remove_prefix(1);
        while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
            text.remove_suffix(1);
        return text;
    }

    // One line each, even for a megabyte of noise, and printed whole: a
    // control character (a NUL would end the line, a carriage return write
    // over it) is shown as \xNN.
    QString shown(const std::string& text)
    {
        constexpr qsizetype kLongest = 60;
        const QString whole = QString::fromStdString(text);
        qsizetype length = std::min(whole.size(), kLongest);
        if (length < whole.size() && whole[length - 1].isHighSurrogate())
            --length;
        QString out;
        for (const QChar c : QStringView(whole).first(length)) {
            if (c.category() == QChar::Other_Control)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QLatin1Char('0'));
            else
                out += c;
        }
        if (length < whole.size())
            out += QStringLiteral("...");
        return out;
    }

} // namespace

void IniUserDefaults::warn(const QString& text) const
{
    // One line per cause: a settings folder that cannot be written fails
    // every save of the run the same way.
    if (said_.insert(text).second)
        qWarning().noquote() << QStringLiteral("Clefmark: ") + text;
}

bool settingAsInteger(std::string_view text, long long& result)
{
    text = trimmed(text);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    const std::string_view digits = !text.empty() && text.front() == '-' ? text.substr(1) : text;
    if (digits.empty() || !std::all_of(digits.begin(), digits.end(), [](char c) {
            return std::isdigit(static_cast<unsigned char>(c));
        }))
        return false;
    if (std::from_chars(text.data(), text.data() + text.size(), result).ec != std::errc())
        result = text.front() == '-' ? LLONG_MIN : LLONG_MAX;
    return true;
}

bool settingAsBool(std::string_view text, bool& result)
{
    std::string word(trimmed(text));
    std::transform(word.begin(), word.end(), word.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (word == "true" || word == "yes" || word == "on" || word == "1") {
        result = true;
        return true;
    }
    if (word == "false" || word == "no" || word == "off" || word == "0") {
        result = false;
        return true;
    }
    return false;
}

IniUserDefaults::IniUserDefaults()
    : IniUserDefaults(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Clefmark/Clefmark.ini"))
{
}

IniUserDefaults::IniUserDefaults(const QString& iniPath)
    : path_(iniPath)
{
    load();
}

void IniUserDefaults::load()
{
    const SettingsFile file = SettingsFile::open(QFile::encodeName(path_).toStdString());
    switch (file.state()) {
    case SettingsFile::State::Missing:
        return;
    case SettingsFile::State::Refused:
        refused_ = true;
        warn(QStringLiteral("the settings file %1 is %2; it is neither read nor written, and the "
                            "default settings are used")
                 .arg(path_, QString::fromStdString(file.reason())));
        return;
    case SettingsFile::State::Unreadable:
        refused_ = true;
        warn(
            QStringLiteral("cannot read the settings file %1 (%2); it is neither read nor written, "
                           "and the default settings are used")
                .arg(path_, QString::fromStdString(file.reason())));
        return;
    case SettingsFile::State::Regular:
        break;
    }
    const IniText text(file.contents());
    stored_ = text.values();
    for (const std::size_t line : text.unclosedHeaders())
        warn(QStringLiteral("line %1 of %2 is a section header without its closing ']'; it is "
                            "read up to the end of the line")
                 .arg(QString::number(line), path_));
    if (const auto& stray = text.strayLines(); stray.size() == 1)
        warn(QStringLiteral("ignoring line %1 of %2, which is not a key=value setting")
                 .arg(QString::number(stray.front()), path_));
    else if (!stray.empty())
        warn(QStringLiteral("ignoring %1 lines of %2, from line %3, which are not key=value "
                            "settings")
                 .arg(QString::number(stray.size()), path_, QString::number(stray.front())));
}

void IniUserDefaults::limitInteger(const std::string& key, int min, int max)
{
    limits_[key] = { min, max, "outside " + std::to_string(min) + " to " + std::to_string(max) };
}

void IniUserDefaults::limitInteger(const RangedSetting& setting)
{
    limits_[setting.key] = { setting.min, setting.max, "not " + setting.rule() };
}

bool IniUserDefaults::hasValue(const std::string& key) const
{
    return stored_.count(key) != 0;
}

void IniUserDefaults::registerInteger(const std::string& key, int value)
{
    registeredIntegers_[key] = value;
}

void IniUserDefaults::registerBool(const std::string& key, bool value)
{
    registeredBools_[key] = value;
}

void IniUserDefaults::reportIgnored(
    const std::string& key, const std::string& text, const char* why, const QString& used) const
{
    warn(QStringLiteral("ignoring %1 = %2 in %3 (%4); using %5")
             .arg(QString::fromStdString(key), shown(text), path_, QString::fromUtf8(why), used));
}

int IniUserDefaults::integerForKey(const std::string& key) const
{
    const auto registered = registeredIntegers_.find(key);
    const int fallback = registered != registeredIntegers_.end() ? registered->second : 0;
    const auto stored = stored_.find(key);
    if (stored == stored_.end())
        return fallback;
    long long value = 0;
    if (!settingAsInteger(stored->second, value)) {
        reportIgnored(key, stored->second, "not a whole number", QString::number(fallback));
        return fallback;
    }
    if (const auto limit = limits_.find(key); limit != limits_.end()) {
        const auto& [min, max, why] = limit->second;
        if (value < min || value > max) {
            const int used = value < min ? min : max;
            reportIgnored(key, stored->second, why.c_str(), QString::number(used));
            return used;
        }
    }
    if (value < INT_MIN || value > INT_MAX) {
        reportIgnored(key, stored->second, "too large", QString::number(fallback));
        return fallback;
    }
    return static_cast<int>(value);
}

bool IniUserDefaults::boolForKey(const std::string& key) const
{
    const auto registered = registeredBools_.find(key);
    const bool fallback = registered != registeredBools_.end() && registered->second;
    const auto stored = stored_.find(key);
    if (stored == stored_.end())
        return fallback;
    bool value = false;
    if (settingAsBool(stored->second, value))
        return value;
    reportIgnored(key, stored->second, "not true or false",
        fallback ? QStringLiteral("true") : QStringLiteral("false"));
    return fallback;
}

void IniUserDefaults::setInteger(const std::string& key, int value)
{
    store(key, std::to_string(value));
}

void IniUserDefaults::setBool(const std::string& key, bool value)
{
    store(key, value ? "true" : "false");
}

void IniUserDefaults::store(const std::string& key, const std::string& text)
{
    const auto stored = stored_.find(key);
    if (stored != stored_.end() && stored->second == text && unsaved_.count(key) == 0)
        return;
    stored_[key] = text;
    if (refused_)
        return;
    unsaved_[key] = text;
    save();
}

void IniUserDefaults::save()
{
    // Read again just before writing: what another copy of the program
    // saved meanwhile is kept, and the checks are made on what is replaced.
    const SettingsFile file = SettingsFile::open(QFile::encodeName(path_).toStdString());
    if (file.state() == SettingsFile::State::Refused) {
        refused_ = true;
        warn(QStringLiteral("could not save the settings to %1 (it is now %2, which is left alone)")
                 .arg(path_, QString::fromStdString(file.reason())));
        return;
    }
    std::string error = file.reason();
    IniText text(file.contents());
    if (file.state() != SettingsFile::State::Unreadable) {
        for (const auto& [key, value] : unsaved_)
            text.set(key, value);
        const std::string bytes = text.text();
        error = bytes.size() > SettingsFile::kMaxBytes ? "it would grow larger than 1 MB"
                                                       : file.replace(bytes);
    }
    if (!error.empty()) {
        warn(QStringLiteral("could not save the settings to %1 (%2)")
                 .arg(path_, QString::fromStdString(error)));
        return;
    }
    unsaved_.clear();
    stored_ = text.values();
}

} // namespace clefmark
