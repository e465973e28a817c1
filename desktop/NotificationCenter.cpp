#include "desktop/NotificationCenter.h"

#include <algorithm>

namespace clefmark {

struct NotificationCenter::Entry {
    Token token;
    std::string name;
    Observer observer;
    bool removed = false;
};

NotificationCenter& NotificationCenter::defaultCenter()
{
    static auto* center = new NotificationCenter;
    return *center;
}

NotificationCenter::NotificationCenter() = default;
NotificationCenter::~NotificationCenter() = default;

NotificationCenter::Token NotificationCenter::addObserver(std::string name, Observer observer)
{
    const Token token = nextToken_++;
    entries_.push_back(
        std::make_shared<Entry>(Entry { token, std::move(name), std::move(observer) }));
    return token;
}

void NotificationCenter::removeObserver(Token token)
{
    const auto it = std::find_if(
        entries_.begin(), entries_.end(), [token](const auto& e) { return e->token == token; });
    if (it == entries_.end())
        return;
    (*it)->removed = true;
    entries_.erase(it);
}

void NotificationCenter::post(const std::string& name)
{
    // Observers may add and remove observers, or post again: work from a
    // snapshot that keeps each entry alive while it runs.
    const std::vector<std::shared_ptr<Entry>> snapshot = entries_;
    for (const auto& entry : snapshot) {
        if (!entry->removed && entry->name == name)
            entry->observer();
    }
}

} // namespace clefmark
