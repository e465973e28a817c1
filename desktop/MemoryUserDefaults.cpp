#include "desktop/MemoryUserDefaults.h"

namespace clefmark {

namespace {

    // An integer read as a boolean and the other way round follow the usual
    // convention of settings stores: non-zero is true, true is 1.
    int asInteger(const std::variant<int, bool>& v)
    {
        return std::visit([](auto x) { return static_cast<int>(x); }, v);
    }

} // namespace

bool MemoryUserDefaults::hasValue(const std::string& key) const
{
    return stored_.contains(key);
}

void MemoryUserDefaults::registerInteger(const std::string& key, int value)
{
    registered_[key] = value;
}

void MemoryUserDefaults::registerBool(const std::string& key, bool value)
{
    registered_[key] = value;
}

const MemoryUserDefaults::Value* MemoryUserDefaults::lookup(const std::string& key) const
{
    if (auto it = stored_.find(key); it != stored_.end())
        return &it->second;
    if (auto it = registered_.find(key); it != registered_.end())
        return &it->second;
    return nullptr;
}

int MemoryUserDefaults::integerForKey(const std::string& key) const
{
    const Value* v = lookup(key);
    return v ? asInteger(*v) : 0;
}

bool MemoryUserDefaults::boolForKey(const std::string& key) const
{
    const Value* v = lookup(key);
    return v ? asInteger(*v) != 0 : false;
}

void MemoryUserDefaults::setInteger(const std::string& key, int value)
{
    stored_[key] = value;
}

void MemoryUserDefaults::setBool(const std::string& key, bool value)
{
    stored_[key] = value;
}

} // namespace clefmark
