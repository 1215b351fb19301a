#include "engine/log_store.h"

#include <algorithm>

#include "engine/engine_texts.h"

const char* const kBandNames[kBandCount] = {"160m", "80m", "40m", "20m", "15m", "10m"};

std::mutex g_StoreLock;
CInfoLog g_InfoLog;
std::vector<std::string> g_Bands;
std::vector<std::vector<std::string>> g_BandRows;
CWorkedList g_WorkedDxcc[2];
CWorkedList g_WorkedCodes[2];
int32_t g_ReportMode = 0;
std::string g_Contestant;
std::string g_ContestYear;

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

std::string CInfoLog::CountryKey(const std::string& mode, const std::string& prefix) {
    // Host strings hold no NUL, so it separates the two parts unambiguously.
    std::string key = mode;
    key += '\0';
    key += prefix;
    return key;
}

void CInfoLog::Add(CInfo record) {
    // Allocate everything first: a failed allocation leaves the store unchanged.
    auto owned = std::make_unique<CInfo>(std::move(record));
    std::vector<uint64_t>& serials = m_SerialsByCall[owned->m_Call];
    ReserveOneMore(serials, 1);
    std::size_t& count = m_CountByCountry[CountryKey(owned->m_Mode, owned->m_Prefix)];
    ReserveOneMore(m_Records);
    ReserveOneMore(m_Serials);

    const uint64_t serial = m_NextSerial++;
    serials.push_back(serial);
    ++count;
    m_Serials.push_back(serial);
    m_Records.push_back(std::move(owned));
}

void CInfoLog::RemoveAt(std::size_t i) {
    const CInfo& record = *m_Records[i];
    const uint64_t serial = m_Serials[i];

    auto byCall = m_SerialsByCall.find(record.m_Call);
    std::vector<uint64_t>& serials = byCall->second;
    serials.erase(std::lower_bound(serials.begin(), serials.end(), serial));
    if (serials.empty()) {
        m_SerialsByCall.erase(byCall);
    }
    auto byCountry = m_CountByCountry.find(CountryKey(record.m_Mode, record.m_Prefix));
    if (--byCountry->second == 0) {
        m_CountByCountry.erase(byCountry);
    }
    m_Records.erase(m_Records.begin() + static_cast<std::ptrdiff_t>(i));
    m_Serials.erase(m_Serials.begin() + static_cast<std::ptrdiff_t>(i));
}

void CInfoLog::RemoveAll() {
    // Swapping with empty containers hands the memory back.
    std::vector<std::unique_ptr<CInfo>>().swap(m_Records);
    std::vector<uint64_t>().swap(m_Serials);
    std::unordered_map<std::string, std::vector<uint64_t>>().swap(m_SerialsByCall);
    std::unordered_map<std::string, std::size_t>().swap(m_CountByCountry);
}

std::size_t CInfoLog::IndexOfSerial(uint64_t serial) const {
    return static_cast<std::size_t>(std::lower_bound(m_Serials.begin(), m_Serials.end(), serial) -
                                    m_Serials.begin());
}

std::vector<std::size_t> CInfoLog::IndicesOfCall(const std::string& call) const {
    std::vector<std::size_t> indices;
    auto it = m_SerialsByCall.find(call);
    if (it != m_SerialsByCall.end()) {
        indices.reserve(it->second.size());
        for (uint64_t serial : it->second) {
            indices.push_back(IndexOfSerial(serial));
        }
    }
    return indices;
}

bool CInfoLog::HasDuplicate(const std::string& call, const std::string& band,
                            const std::string& mode) const {
    for (std::size_t i : IndicesOfCall(call)) {
        if (m_Records[i]->m_Band == band && m_Records[i]->m_Mode == mode) {
            return true;
        }
    }
    return false;
}

bool CInfoLog::HasCountryInMode(const std::string& mode, const std::string& prefix) const {
    return m_CountByCountry.count(CountryKey(mode, prefix)) != 0;
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
