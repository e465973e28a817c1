// User defaults kept in memory: for tests and tools that must not touch the
// user's real settings.
#pragma once

#include "tuner/UserDefaults.h"

#include <map>
#include <string>
#include <variant>

namespace clefmark {

class MemoryUserDefaults final : public UserDefaults {
public:
    bool hasValue(const std::string& key) const override;
    void registerInteger(const std::string& key, int value) override;
    void registerBool(const std::string& key, bool value) override;
    int integerForKey(const std::string& key) const override;
    bool boolForKey(const std::string& key) const override;
    void setInteger(const std::string& key, int value) override;
    void setBool(const std::string& key, bool value) override;

private:
    using Value = std::variant<int, bool>;
    const Value* lookup(const std::string& key) const;

    std::map<std::string, Value> stored_;
    std::map<std::string, Value> registered_;
};

} // namespace clefmark
