// The user's settings, kept by QSettings in an INI file.
#pragma once

#include "tuner/UserDefaults.h"

#include <QString>
#include <map>
#include <memory>
#include <string>

class QSettings;
class QVariant;

namespace clefmark {

/// User defaults in an INI file: by default the user's own,
/// `$XDG_CONFIG_HOME/Clefmark/Clefmark.ini` (~/.config when unset).
///
/// An INI file keeps text only, so after a restart every value comes back as
/// a string: each key is read as the type asked for, and a value that is not
/// one ("maybe" for a boolean, "loud" for an integer) is reported on standard
/// error and ignored in favour of the registered default. Each write goes to
/// the disk at once, and a write that fails is reported the same way.
/// Main thread only.
class QSettingsUserDefaults final : public UserDefaults {
public:
    /// The user's settings file.
    QSettingsUserDefaults();
    /// The given INI file.
    explicit QSettingsUserDefaults(const QString& iniPath);
    ~QSettingsUserDefaults() override;

    QString fileName() const;

    bool hasValue(const std::string& key) const override;
    void registerInteger(const std::string& key, int value) override;
    void registerBool(const std::string& key, bool value) override;
    int integerForKey(const std::string& key) const override;
    bool boolForKey(const std::string& key) const override;
    void setInteger(const std::string& key, int value) override;
    void setBool(const std::string& key, bool value) override;

private:
    void write(const std::string& key, const QVariant& value);
    void reportUnreadable() const;

    std::unique_ptr<QSettings> settings_;
    std::map<std::string, int> registeredIntegers_;
    std::map<std::string, bool> registeredBools_;
};

/// A settings value read as an integer: a whole decimal number, spaces
/// around it allowed. False when it is not one.
bool settingAsInteger(const QVariant& value, int& result);
/// A settings value read as a boolean: true/false, yes/no, on/off or 1/0,
/// in any case. False when it is none of them.
bool settingAsBool(const QVariant& value, bool& result);

} // namespace clefmark
