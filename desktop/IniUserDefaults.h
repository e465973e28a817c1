// The user's settings, kept in an INI file.
#pragma once

#include "tuner/TunerSettings.h"
#include "tuner/UserDefaults.h"

#include <QString>
#include <map>
#include <set>
#include <string>
#include <string_view>

namespace clefmark {

/// User defaults in an INI file: by default the user's own,
/// `$XDG_CONFIG_HOME/Clefmark/Clefmark.ini` (~/.config when unset).
///
/// Each change is saved at once, so that a crash, a lost display or a power
/// cut loses nothing; setting a value the file already holds writes nothing.
/// The file is only read and written when it is a regular file (or a link to
/// one) of at most SettingsFile::kMaxBytes; anything else is said once on
/// standard error and left alone while the program runs on the defaults.
///
/// An INI file keeps text only, so every value comes back as a string and is
/// read as the type asked for. A value that is not one ("maybe" for a
/// boolean, "loud" for an integer), or an integer outside its limits, is
/// reported on standard error with what is used instead. A save that fails
/// is reported the same way and tried again with the next change. Each line
/// is said once a run, however often its cause comes back.
/// Main thread only.
class IniUserDefaults final : public UserDefaults {
public:
    /// The user's settings file.
    IniUserDefaults();
    /// The given INI file.
    explicit IniUserDefaults(const QString& iniPath);

    QString fileName() const { return path_; }

    /// Stored integers for `key` outside min..max are reported and the nearer
    /// limit used.
    void limitInteger(const std::string& key, int min, int max);
    /// Likewise for one of the tuner's settings, reported in its own words.
    void limitInteger(const RangedSetting& setting);

    bool hasValue(const std::string& key) const override;
    void registerInteger(const std::string& key, int value) override;
    void registerBool(const std::string& key, bool value) override;
    int integerForKey(const std::string& key) const override;
    bool boolForKey(const std::string& key) const override;
    void setInteger(const std::string& key, int value) override;
    void setBool(const std::string& key, bool value) override;

private:
    void load();
    void store(const std::string& key, const std::string& text);
    void save();
    void reportIgnored(const std::string& key, const std::string& text, const char* why,
        const QString& used) const;
    /// Says `text` on standard error, unless it has been said already.
    void warn(const QString& text) const;

    QString path_;
    bool refused_ = false; // not ours to read or write this run
    std::map<std::string, std::string> stored_;
    std::map<std::string, std::string> unsaved_;
    std::map<std::string, int> registeredIntegers_;
    std::map<std::string, bool> registeredBools_;
    struct Limit {
        int min;
        int max;
        std::string why; // the words for a value outside them
    };
    std::map<std::string, Limit> limits_;
    mutable std::set<QString> said_;
};

/// A settings value read as a whole decimal number, spaces around it
/// allowed; one beyond the range of long long saturates. False when it is
/// not a whole number.
bool settingAsInteger(std::string_view text, long long& result);
/// A settings value read as a boolean: true/false, yes/no, on/off or 1/0,
/// in any case. False when it is none of them.
bool settingAsBool(std::string_view text, bool& result);

} // namespace clefmark
