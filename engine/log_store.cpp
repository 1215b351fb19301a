#include "engine/log_store.h"

#include <algorithm>

#include "engine/engine_texts.h"

namespace engine {

const char* const kBandNames[kBandCount] = {"160m", "80m", "40m", "20m", "15m", "10m"};

int ModeClass(const std::string& mode) {
    return mode == kModeCw ? 0 : 1;
}

namespace {

// Room for one more element, growing geometrically: the append that follows
// cannot fail, and n appends cost O(n) in all.
template <typename T>
void ReserveOneMore(std::vector<T>& v, std::size_t first = 8) {
    if (v.size() == v.capacity()) {
        v.reserve(v.capacity() < first ? first : v.capacity() * 2);
    }
}

}  // namespace

namespace {

QsoKind KindOf(const CInfo& record) {
    return QsoKind{record.m_Band, record.m_Mode, record.m_Prefix, record.m_MultCode,
                   !record.m_Call.empty() && record.m_CodeError == 0};
}

}  // namespace

void CInfoLog::Add(CInfo record) {
    // Allocate everything first: a failed allocation leaves the store unchanged.
    auto owned = std::make_unique<Stored>(std::move(record));
    ReserveOneMore(m_Records);
    ReserveOneMore(m_Keys);
    m_Calls.ReserveRelease();
    auto& call = m_Calls.Acquire(owned->m_Call);
    uint32_t kind;
    try {
        kind = m_Kinds.Acquire(KindOf(*owned));
    } catch (...) {
        m_Calls.Release(call);
        throw;
    }

    Stored* stored = owned.release();
    stored->serial = m_NextSerial++;
    CallChain& chain = call.second.extra;
    (chain.last ? chain.last->nextOfCall : chain.first) = stored;
    chain.last = stored;
    m_Keys.push_back(Key{call.second.id, kind});
    m_Records.push_back(stored);
}

void CInfoLog::RemoveAt(std::size_t i) {
    m_Calls.ReserveRelease();
    m_Kinds.ReserveRelease();
    std::unique_ptr<Stored> record(m_Records[i]);
    auto& call = *m_Calls.Find(record->m_Call);
    Unlink(call.second.extra, *record);
    m_Calls.Release(call);
    m_Kinds.Release(m_Keys[i].kind);
    m_Records.erase(m_Records.begin() + static_cast<std::ptrdiff_t>(i));
    m_Keys.erase(m_Keys.begin() + static_cast<std::ptrdiff_t>(i));
}

// Takes the record out of its callsign's chain; the chains are short.
void CInfoLog::Unlink(CallChain& chain, const Stored& record) {
    Stored* before = nullptr;
    Stored* at = chain.first;
    while (at != &record) {
        before = at;
        at = at->nextOfCall;
    }
    (before ? before->nextOfCall : chain.first) = at->nextOfCall;
    if (chain.last == at) {
        chain.last = before;
    }
}

void CInfoLog::RemoveAll() {
    for (Stored* record : m_Records) {
        delete record;
    }
    // Swapping with empty containers hands the memory back.
    std::vector<Stored*>().swap(m_Records);
    std::vector<Key>().swap(m_Keys);
    m_Calls.Clear();
    m_Kinds.Clear();
}

std::size_t CInfoLog::IndexOf(const CInfo& record) const {
    const uint64_t serial = static_cast<const Stored&>(record).serial;
    auto at = std::lower_bound(m_Records.begin(), m_Records.end(), serial,
                               [](const Stored* r, uint64_t s) { return r->serial < s; });
    return static_cast<std::size_t>(at - m_Records.begin());
}

std::vector<std::size_t> CInfoLog::IndicesOfCall(const std::string& call) const {
    std::vector<std::size_t> indices;
    ForEachOfCall(call, [&](const CInfo& record) {
        indices.push_back(IndexOf(record));
        return true;
    });
    return indices;
}

bool CInfoLog::HasDuplicate(const std::string& call, const std::string& band,
                            const std::string& mode) const {
    bool found = false;
    ForEachOfCall(call, [&](const CInfo& record) {
        found = record.m_Band == band && record.m_Mode == mode;
        return !found;
    });
    return found;
}

bool CWorkedList::AddIfNew(const std::string& text) {
    ReserveOneMore(m_Items);
    if (!m_Members.insert(text).second) {
        return false;
    }
    m_Items.push_back(text);
    return true;
}

void CWorkedList::RemoveAll() {
    m_Items.clear();
    m_Members.clear();
}

}  // namespace engine
