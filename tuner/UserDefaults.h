// Per-user persistent settings, keyed by name.
#pragma once

#include <string>

namespace clefmark {

/// A store of integers and booleans under string keys, with registered
/// fallbacks. A registered default is used while the store holds no value of
/// its own for the key; registering writes nothing.
/// Main thread only.
class UserDefaults {
public:
    virtual ~UserDefaults() = default;

    /// True when the store holds a value of its own for `key`; a registered
    /// default does not count.
    virtual bool hasValue(const std::string& key) const = 0;

    virtual void registerInteger(const std::string& key, int value) = 0;
    virtual void registerBool(const std::string& key, bool value) = 0;

    /// The stored value, else the registered default, else 0 / false.
    virtual int integerForKey(const std::string& key) const = 0;
    virtual bool boolForKey(const std::string& key) const = 0;

    virtual void setInteger(const std::string& key, int value) = 0;
    virtual void setBool(const std::string& key, bool value) = 0;
};

} // namespace clefmark
