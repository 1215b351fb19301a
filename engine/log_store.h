#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <unordered_set>
#include <vector>

#include "engine/id_table.h"
#include "engine/qso_kinds.h"
#include "platform/ole_date_time.h"

namespace engine {

// One stored QSO.
struct CInfo {
    std::string m_Call;
    std::string m_Prefix;
    std::string m_Band;
    std::string m_Mode;
    std::string m_RstRcvd;
    std::string m_RstSent;
    std::string m_ExchRcvd;
    std::string m_ExchSent;
    std::string m_MultCode;  // the accepted location code, else empty
    platform::COleDateTime m_Time;
    int32_t m_FreqKHz = 0;
    int32_t m_CodeError = 0;  // 1: the exchange should have been a location code and was not
};

// The QSO store: records in the order they were added, with the indexes that
// keep the call check and the refresh independent of the log's size, and a
// compact twin of the records for the scoring pass.
class CInfoLog {
public:
    // What a scoring pass reads of a stored QSO: small ids, given at intake,
    // of its callsign and of its kind (band, mode, prefix, location code).
    struct Key {
        uint32_t call;
        uint32_t kind;
    };

    CInfoLog() = default;
    ~CInfoLog() { RemoveAll(); }
    CInfoLog(const CInfoLog&) = delete;
    CInfoLog& operator=(const CInfoLog&) = delete;

    std::size_t GetSize() const { return m_Records.size(); }
    const CInfo& operator[](std::size_t i) const { return *m_Records[i]; }

    void Add(CInfo record);
    void RemoveAt(std::size_t i);
    void RemoveAll();

    // A record with this callsign, band and mode.
    bool HasDuplicate(const std::string& call, const std::string& band,
                      const std::string& mode) const;
    // A record in this mode with this country prefix.
    bool HasCountryInMode(const std::string& mode, const std::string& prefix) const {
        return m_Kinds.HasCountryInMode(mode, prefix);
    }
    // Indices of the records with this callsign, in store order.
    std::vector<std::size_t> IndicesOfCall(const std::string& call) const;
    // Calls fn with each record of this callsign, in store order, until fn
    // returns false.
    template <typename Fn>
    void ForEachOfCall(const std::string& call, Fn fn) const;
    // The index of a record that the store holds.
    std::size_t IndexOf(const CInfo& record) const;

    // The keys of the records, in store order; callsign ids lie below CallIdBound().
    const std::vector<Key>& Keys() const { return m_Keys; }
    uint32_t CallIdBound() const { return m_Calls.IdBound(); }
    const QsoKinds& Kinds() const { return m_Kinds; }

    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

private:
    // A record as the store holds it: its place in the order, and the next
    // record of the same callsign.
    struct Stored : CInfo {
        explicit Stored(CInfo&& record) : CInfo(std::move(record)) {}
        uint64_t serial = 0;
        Stored* nextOfCall = nullptr;
    };
    // A callsign's records, first to last in store order.
    struct CallChain {
        Stored* first = nullptr;
        Stored* last = nullptr;
    };

    static void Unlink(CallChain& chain, const Stored& record);

    // Each record on its own, owned by the store: growing the store or
    // closing a gap moves plain pointers, not records of nine strings.
    // Serials rise with the order.
    std::vector<Stored*> m_Records;
    std::vector<Key> m_Keys;
    uint64_t m_NextSerial = 0;
    IdTable<std::string, CallChain> m_Calls;
    QsoKinds m_Kinds;
};

template <typename Fn>
void CInfoLog::ForEachOfCall(const std::string& call, Fn fn) const {
    if (const auto* slot = m_Calls.Find(call)) {
        for (const Stored* r = slot->second.extra.first; r && fn(static_cast<const CInfo&>(*r));
             r = r->nextOfCall) {
        }
    }
}

// An ordered list of distinct strings with a constant-time membership test.
class CWorkedList {
public:
    // Appends the text unless the list holds it; true when appended.
    bool AddIfNew(const std::string& text);
    bool Contains(const std::string& text) const { return m_Members.count(text) != 0; }
    void RemoveAll();
    std::size_t GetSize() const { return m_Items.size(); }
    const std::string& operator[](std::size_t i) const { return m_Items[i]; }
    const std::vector<std::string>& Items() const { return m_Items; }

private:
    std::vector<std::string> m_Items;
    std::unordered_set<std::string> m_Members;
};

constexpr int kBandCount = 6;
constexpr int kBandRowCells = 5;
// The bands of the status windows, in row order.
extern const char* const kBandNames[kBandCount];

// Mode class: 0 for "CW", 1 for every other mode.
int ModeClass(const std::string& mode);

}  // namespace engine
