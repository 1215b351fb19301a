#include "reports/checked_qso.h"

#include <algorithm>

#include "engine/exchange_rules.h"
#include "engine/qso_intake.h"
#include "platform/text.h"
#include "reports/sponsor_rules.h"

namespace reports {

bool BrokenField(std::string_view field) {
    const auto control = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto first = std::find_if_not(field.begin(), field.end(), platform::IsWhiteSpace);
    const auto last = std::find_if_not(field.rbegin(), field.rend(), platform::IsWhiteSpace).base();
    return first >= last || std::any_of(first, last, control);
}

namespace {

// The code a station sent, as the sponsor reads it: a maritime-mobile
// station's region may come as its number alone.
std::string SentCode(const std::string& exchange, bool maritime) {
    const std::string code = engine::NormaliseCode(exchange);
    const char* region = maritime ? engine::RegionOfNumber(code.c_str()) : nullptr;
    return region ? region : code;
}

// Only an empty field, or a line whose fields held a blank or a control
// character, can have a broken field: most lines are passed at that.
bool AnyBrokenField(const engine::CInfo& r, const QsoLineFacts& line) {
    const bool maybe =
        line.fieldWithBlank || r.m_Call.empty() || r.m_ExchSent.empty() || r.m_ExchRcvd.empty();
    return maybe &&
           (BrokenField(r.m_Call) || BrokenField(r.m_ExchSent) || BrokenField(r.m_ExchRcvd));
}

// Equal texts, compared in place: most are codes of two or three letters.
bool Same(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i] != b[i]) {
            return false;
        }
    }
    return true;
}

}  // namespace

CheckedLogBuilder::CheckedLogBuilder(const engine::CInfoLog& store) noexcept : m_Store(store) {
    try {
        m_Log.qsos.reserve(store.GetSize());
    } catch (...) {
        m_Failed = true;
    }
}

void CheckedLogBuilder::Add(std::size_t i, std::size_t lineStart,
                            const QsoLineFacts& line) noexcept {
    // The 32-bit module's text never reaches 4 GB; a native one beyond it
    // gets no check.
    if (m_Failed || lineStart > UINT32_MAX) {
        m_Failed = true;
        return;
    }
    try {
        const engine::CInfo& r = m_Store[i];
        const engine::CInfoLog::Key& key = m_Store.Keys()[i];
        const int64_t minute = line.minute;
        if (minute == CheckedQso::kNoMinute) {
            ++m_Log.untimed;
        } else {
            m_Log.firstMinute = std::min(m_Log.firstMinute, minute);
            m_Log.lastMinute = std::max(m_Log.lastMinute, minute);
        }
        m_Log.qsos.push_back({minute, key.call, SourceOf(r, key.kind),
                              static_cast<uint32_t>(lineStart), !r.m_Call.empty(),
                              r.m_CodeError != 0, AnyBrokenField(r, line)});
    } catch (...) {
        m_Failed = true;
    }
}

std::optional<CheckedLog> CheckedLogBuilder::Take() noexcept {
    if (m_Failed) {
        return std::nullopt;
    }
    m_Log.callIdBound = m_Store.CallIdBound();
    return std::move(m_Log);
}

inline uint32_t CheckedLogBuilder::SourceOf(const engine::CInfo& record, uint32_t kindId) {
    const engine::KindFacts& kind = m_Store.Kinds().Facts(kindId);
    const std::string& code = kind.Texts().code;
    const bool maritime = engine::IsMaritimeMobile(record.m_Call);
    const std::string& sent = record.m_ExchRcvd;
    const bool sentAsKept = !code.empty() && Same(sent, code);
    if (kindId < m_KindSources.size() && !maritime && (code.empty() || sentAsKept) &&
        m_KindSources[kindId].plain != kNoSource) {
        return m_KindSources[kindId].plain;
    }
    return NewOrOtherSource(record, kindId, maritime, sentAsKept);
}

uint32_t CheckedLogBuilder::NewOrOtherSource(const engine::CInfo& record, uint32_t kindId,
                                             bool maritime, bool sentAsKept) {
    const engine::KindFacts& kind = m_Store.Kinds().Facts(kindId);
    const std::string& code = kind.Texts().code;
    const std::string& sent = record.m_ExchRcvd;
    if (kindId >= m_KindSources.size()) {
        m_KindSources.resize(kindId + 1);
    }
    KindSources& known = m_KindSources[kindId];
    if (!maritime && (code.empty() || sentAsKept)) {
        known.plain = NewSource(kind, code, false);
        return known.plain;
    }
    if (known.last == kNoSource || known.lastMaritime != maritime || !Same(sent, known.lastSent)) {
        known.last = OtherSource(kindId, sent, maritime);
        known.lastSent = sent;
        known.lastMaritime = maritime;
    }
    return known.last;
}

uint32_t CheckedLogBuilder::OtherSource(uint32_t kindId, const std::string& sent, bool maritime) {
    const engine::KindFacts& kind = m_Store.Kinds().Facts(kindId);
    const std::string read = kind.Texts().code.empty() ? std::string() : SentCode(sent, maritime);
    const auto found = m_OtherSources.find({kindId, read, maritime});
    if (found != m_OtherSources.end()) {
        return found->second;
    }
    const uint32_t source = NewSource(kind, read, maritime);
    m_OtherSources.emplace(std::make_tuple(kindId, read, maritime), source);
    return source;
}

uint32_t CheckedLogBuilder::NewSource(const engine::KindFacts& kind, const std::string& sent,
                                      bool maritime) {
    const engine::QsoKind& texts = kind.Texts();
    const bool coded = !texts.code.empty();
    // A maritime-mobile station sends its region, whatever its country.
    m_Log.sources.push_back({kind.modeClass, texts.prefix, texts.code, sent, maritime,
                             coded && !SponsorCodeKind(sent),
                             coded && !maritime && IsAnotherCountrysCode(texts.prefix, sent)});
    return static_cast<uint32_t>(m_Log.sources.size() - 1);
}

}  // namespace reports
