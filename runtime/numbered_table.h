// A table that names its entries by small positive numbers (file numbers, picture handles), which
// fit the 32-bit integer values that application code keeps them in. Numbers are handed out in
// rising order and not reused while the counter has not wrapped; every operation takes the lock,
// since worker threads use the table too.
#pragma once

#include <cstdint>
#include <map>
#include <mutex>
#include <optional>
#include <utility>

namespace rt {

template <typename Value>
class NumberedTable {
public:
    // The entry's new number (1 or more).
    int32_t Add(Value value)
    {
        std::lock_guard guard(lock_);
        while (entries_.contains(next_)) Advance();
        int32_t number = next_;
        entries_.emplace(number, std::move(value));
        Advance();
        return number;
    }

    std::optional<Value> Find(int32_t number) const
    {
        std::lock_guard guard(lock_);
        auto found = entries_.find(number);
        if (found == entries_.end()) return std::nullopt;
        return found->second;
    }

    // The number of an entry that passes the test, if any.
    template <typename Test>
    std::optional<int32_t> FindNumber(Test test) const
    {
        std::lock_guard guard(lock_);
        for (const auto& [number, value] : entries_) {
            if (test(value)) return number;
        }
        return std::nullopt;
    }

    // Takes the entry out of the table; nothing for a number that is not in it.
    std::optional<Value> Remove(int32_t number)
    {
        std::lock_guard guard(lock_);
        auto found = entries_.find(number);
        if (found == entries_.end()) return std::nullopt;
        Value value = std::move(found->second);
        entries_.erase(found);
        return value;
    }

    // Empties the table; the entries are destroyed outside the lock.
    void Clear()
    {
        std::map<int32_t, Value> taken;
        {
            std::lock_guard guard(lock_);
            taken.swap(entries_);
        }
    }

    // Lets the counter start near its end, so a test can see it wrap.
    void SetNextNumber(int32_t number)
    {
        std::lock_guard guard(lock_);
        next_ = number > 0 ? number : 1;
    }

private:
    void Advance() { next_ = next_ == INT32_MAX ? 1 : next_ + 1; }

    mutable std::mutex lock_;
    std::map<int32_t, Value> entries_;
    int32_t next_ = 1;
};

}  // namespace rt
