#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "engine/id_table.h"

namespace engine {

// What the score takes from a stored QSO apart from its callsign. A log's
// QSOs fall into few kinds: the same band, mode, country and location code.
struct QsoKind {
    std::string band;
    std::string mode;
    std::string prefix;
    std::string code;  // the accepted location code, else empty
    bool counts;       // a callsign, and no refused location code

    bool operator==(const QsoKind& other) const {
        return counts == other.counts && band == other.band && mode == other.mode &&
               prefix == other.prefix && code == other.code;
    }
};

struct QsoKindHash {
    std::size_t operator()(const QsoKind& kind) const;
};

using KindTable = IdTable<QsoKind, NoExtra, QsoKindHash>;

// A kind as a scoring pass reads it: small ids of its parts, and what the
// score makes of them, worked out once when the kind first came in.
struct KindFacts {
    static constexpr uint32_t kNoCode = UINT32_MAX;

    uint32_t band = 0;
    uint32_t mode = 0;
    uint32_t prefix = 0;
    uint32_t code = kNoCode;
    int modeClass = 0;
    bool counts = false;
    bool k = false;   // the prefix "K"
    bool ve = false;  // the prefix "VE"
    KindTable::Slot* slot = nullptr;

    const QsoKind& Texts() const { return slot->first; }
};

// The kinds of the stored QSOs, each counted by its QSOs, with ids for the
// bands, modes, prefixes and location codes that they hold.
class QsoKinds {
public:
    // One more QSO of this kind; its id.
    uint32_t Acquire(const QsoKind& kind);
    // Room for the releases of one QSO's removal: call before any change.
    void ReserveRelease();
    // One QSO fewer of the kind; allocates nothing after ReserveRelease.
    void Release(uint32_t kind);
    void Clear();

    const KindFacts& Facts(uint32_t kind) const { return m_Facts[kind]; }
    // A band's id, or IdTable's kNoId when no stored QSO is on it.
    uint32_t BandId(const std::string& band) const { return m_Bands.IdOf(band); }
    uint32_t ModeIdBound() const { return m_Modes.IdBound(); }
    uint32_t PrefixIdBound() const { return m_Prefixes.IdBound(); }
    uint32_t CodeIdBound() const { return m_Codes.IdBound(); }

    // Whether a stored QSO has this mode and country prefix.
    bool HasCountryInMode(const std::string& mode, const std::string& prefix) const;

private:
    KindFacts FactsOf(KindTable::Slot& kind);
    void ReleaseParts(const KindFacts& facts);
    static uint64_t CountryKey(uint32_t mode, uint32_t prefix) {
        return static_cast<uint64_t>(mode) << 32 | prefix;
    }

    KindTable m_Kinds;
    std::vector<KindFacts> m_Facts;  // by kind id
    IdTable<std::string> m_Bands;
    IdTable<std::string> m_Modes;
    IdTable<std::string> m_Prefixes;
    IdTable<std::string> m_Codes;
    // The number of kinds of each mode and prefix, by CountryKey.
    std::unordered_map<uint64_t, uint32_t> m_KindsOfCountry;
};

}  // namespace engine
