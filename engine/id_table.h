#pragma once

#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

namespace engine {

// What an id table keeps beside a value when the caller needs nothing more.
struct NoExtra {};

// Small whole numbers for the values that the store holds, given once when a
// value first comes in, so that a pass over the store indexes tables by them
// instead of comparing or hashing the values. Each value counts its uses; when
// the last use goes, the value leaves the table and its id serves the next
// new value. Ids therefore stay below the number of values ever held at once.
template <typename Value, typename Extra = NoExtra, typename Hash = std::hash<Value>>
class IdTable {
public:
    static constexpr uint32_t kNoId = UINT32_MAX;

    struct Entry {
        uint32_t id;
        uint32_t uses;
        Extra extra;
    };
    using Slot = std::pair<const Value, Entry>;

    // One more use of the value. A new value takes an id; a failed
    // allocation leaves the table as it was.
    Slot& Acquire(const Value& value) {
        auto it = m_Slots.find(value);
        if (it == m_Slots.end()) {
            const bool reuse = !m_FreeIds.empty();
            it = m_Slots.emplace(value, Entry{reuse ? m_FreeIds.back() : m_IdBound, 0, Extra{}})
                     .first;
            if (reuse) {
                m_FreeIds.pop_back();
            } else {
                ++m_IdBound;
            }
        }
        ++it->second.uses;
        return *it;
    }

    // Room to free one id: called before a change whose releases must not fail.
    void ReserveRelease() {
        if (m_FreeIds.size() == m_FreeIds.capacity()) {
            m_FreeIds.reserve(m_FreeIds.empty() ? 8 : 2 * m_FreeIds.capacity());
        }
    }

    // One use fewer of a value held; after ReserveRelease it allocates nothing.
    void Release(const Value& value) { Release(*Find(value)); }
    void Release(Slot& slot) {
        if (--slot.second.uses == 0) {
            m_FreeIds.push_back(slot.second.id);
            m_Slots.erase(slot.first);
        }
    }

    const Slot* Find(const Value& value) const {
        auto it = m_Slots.find(value);
        return it == m_Slots.end() ? nullptr : &*it;
    }
    Slot* Find(const Value& value) {
        auto it = m_Slots.find(value);
        return it == m_Slots.end() ? nullptr : &*it;
    }

    uint32_t IdOf(const Value& value) const {
        const Slot* slot = Find(value);
        return slot ? slot->second.id : kNoId;
    }

    // Every id given lies below this bound.
    uint32_t IdBound() const { return m_IdBound; }

    // Forgets every value and hands the memory back.
    void Clear() {
        std::unordered_map<Value, Entry, Hash>().swap(m_Slots);
        std::vector<uint32_t>().swap(m_FreeIds);
        m_IdBound = 0;
    }

private:
    std::unordered_map<Value, Entry, Hash> m_Slots;
    std::vector<uint32_t> m_FreeIds;
    uint32_t m_IdBound = 0;
};

}  // namespace engine
