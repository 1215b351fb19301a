#include "engine/qso_kinds.h"

#include "engine/log_store.h"

namespace engine {

std::size_t QsoKindHash::operator()(const QsoKind& kind) const {
    std::hash<std::string> hash;
    std::size_t h = kind.counts ? 1 : 0;
    for (const std::string* part : {&kind.band, &kind.mode, &kind.prefix, &kind.code}) {
        h ^= hash(*part) + 0x9e3779b9u + (h << 6) + (h >> 2);
    }
    return h;
}

uint32_t QsoKinds::Acquire(const QsoKind& kind) {
    m_Kinds.ReserveRelease();  // the undoing below then allocates nothing
    auto& slot = m_Kinds.Acquire(kind);
    const uint32_t id = slot.second.id;
    if (slot.second.uses > 1) {
        return id;
    }
    // A new kind. Should an allocation fail, the kind goes again; a part
    // taken already may keep its id until the next reset, unused.
    try {
        if (id == m_Facts.size() && m_Facts.size() == m_Facts.capacity()) {
            m_Facts.reserve(m_Facts.empty() ? 8 : 2 * m_Facts.size());
        }
        const KindFacts facts = FactsOf(slot);
        ++m_KindsOfCountry[CountryKey(facts.mode, facts.prefix)];
        if (id == m_Facts.size()) {
            m_Facts.push_back(facts);
        } else {
            m_Facts[id] = facts;
        }
    } catch (...) {
        m_Kinds.Release(slot);
        throw;
    }
    return id;
}

KindFacts QsoKinds::FactsOf(KindTable::Slot& slot) {
    const QsoKind& kind = slot.first;
    KindFacts facts;
    facts.band = m_Bands.Acquire(kind.band).second.id;
    facts.mode = m_Modes.Acquire(kind.mode).second.id;
    facts.prefix = m_Prefixes.Acquire(kind.prefix).second.id;
    if (!kind.code.empty()) {
        facts.code = m_Codes.Acquire(kind.code).second.id;
    }
    facts.modeClass = ModeClass(kind.mode);
    facts.counts = kind.counts;
    facts.k = kind.prefix == "K";
    facts.ve = kind.prefix == "VE";
    facts.slot = &slot;
    return facts;
}

void QsoKinds::ReserveRelease() {
    m_Kinds.ReserveRelease();
    m_Bands.ReserveRelease();
    m_Modes.ReserveRelease();
    m_Prefixes.ReserveRelease();
    m_Codes.ReserveRelease();
}

void QsoKinds::Release(uint32_t id) {
    const KindFacts& facts = m_Facts[id];
    KindTable::Slot& slot = *facts.slot;
    if (slot.second.uses == 1) {
        ReleaseParts(facts);
    }
    m_Kinds.Release(slot);
}

// The parts of a kind whose last QSO goes, while the kind still holds their texts.
void QsoKinds::ReleaseParts(const KindFacts& facts) {
    auto country = m_KindsOfCountry.find(CountryKey(facts.mode, facts.prefix));
    if (--country->second == 0) {
        m_KindsOfCountry.erase(country);
    }
    const QsoKind& kind = facts.Texts();
    m_Bands.Release(kind.band);
    m_Modes.Release(kind.mode);
    m_Prefixes.Release(kind.prefix);
    if (facts.code != KindFacts::kNoCode) {
        m_Codes.Release(kind.code);
    }
}

void QsoKinds::Clear() {
    m_Kinds.Clear();
    std::vector<KindFacts>().swap(m_Facts);
    m_Bands.Clear();
    m_Modes.Clear();
    m_Prefixes.Clear();
    m_Codes.Clear();
    std::unordered_map<uint64_t, uint32_t>().swap(m_KindsOfCountry);
}

bool QsoKinds::HasCountryInMode(const std::string& mode, const std::string& prefix) const {
    const uint32_t modeId = m_Modes.IdOf(mode);
    const uint32_t prefixId = m_Prefixes.IdOf(prefix);
    return modeId != IdTable<std::string>::kNoId && prefixId != IdTable<std::string>::kNoId &&
           m_KindsOfCountry.count(CountryKey(modeId, prefixId)) != 0;
}

}  // namespace engine
