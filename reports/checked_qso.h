#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "engine/log_store.h"
#include "reports/cabrillo_log.h"

namespace reports {

// What decides a QSO's multipliers, by the module's rules and the sponsor's.
// A log's QSOs come from few of these.
struct QsoSource {
    int modeClass;
    std::string prefix;    // the DXCC prefix as the host gave it
    std::string multCode;  // the location code the module accepted, else empty
    std::string sent;      // with a code: the code as sent, as the sponsor reads it
    bool maritime;         // a maritime-mobile station
    bool unlisted;         // with a code: one that the sponsor does not list
    bool anotherCountry;   // with a code: one of another country's list than the station's
};

// What the check beside the Cabrillo log knows of one stored QSO.
struct CheckedQso {
    static constexpr int64_t kNoMinute = QsoLineFacts::kNoMinute;

    // As the log shows it, counted from 1899-12-30 0000; kNoMinute when the
    // time is not valid.
    int64_t minute;
    uint32_t call;    // the store's id of its callsign
    uint32_t source;  // its QsoSource
    uint32_t line;    // where its line begins in the text of the log's QSO lines
    bool hasCall;
    bool codeError;    // a location code that the module refused
    bool brokenField;  // its callsign or an exchange empty, or with a blank inside

    bool Timed() const { return minute != kNoMinute; }
};

// The check's facts of a whole log, in store order.
struct CheckedLog {
    std::vector<CheckedQso> qsos;
    std::vector<QsoSource> sources;
    uint32_t callIdBound = 0;  // every QSO's call id lies below it
    // The QSOs' times: the first and last minute of those that have one
    // (first > last when none has), and how many have none.
    int64_t firstMinute = INT64_MAX;
    int64_t lastMinute = INT64_MIN;
    std::size_t untimed = 0;

    // Whether every QSO has a time from the first minute given to before the end.
    bool AllWithin(int64_t first, int64_t end) const {
        return untimed == 0 && (qsos.empty() || (firstMinute >= first && lastMinute < end));
    }
};

// A field that a reader splitting the line at blanks would not find whole:
// once trimmed, empty or with a blank or another control character inside.
bool BrokenField(std::string_view field);

// Gathers the facts record by record, while the report pass walks the store
// under its lock for the log's lines: the records are read once, no
// callsign is copied or hashed, and what the line shows is not worked out
// again.
class CheckedLogBuilder {
public:
    explicit CheckedLogBuilder(const engine::CInfoLog& store) noexcept;
    CheckedLogBuilder(const CheckedLogBuilder&) = delete;
    CheckedLogBuilder& operator=(const CheckedLogBuilder&) = delete;

    // The facts of the store's record i, which follows the one added before,
    // and of its line, which begins there in the text of the log's QSO lines.
    void Add(std::size_t i, std::size_t lineStart, const QsoLineFacts& line) noexcept;
    // The facts of the records added; none when memory ran out, which leaves
    // the report pass as it would be without the check.
    std::optional<CheckedLog> Take() noexcept;

private:
    uint32_t SourceOf(const engine::CInfo& record, uint32_t kind);
    uint32_t NewOrOtherSource(const engine::CInfo& record, uint32_t kind, bool maritime,
                              bool sentAsKept);
    uint32_t OtherSource(uint32_t kind, const std::string& sent, bool maritime);
    uint32_t NewSource(const engine::KindFacts& kind, const std::string& sent, bool maritime);

    const engine::CInfoLog& m_Store;
    CheckedLog m_Log;
    bool m_Failed = false;
    // Most QSOs of a kind sent its code as the module keeps it, from no
    // maritime-mobile station; others mostly as the kind's QSO before them
    // ("DF" for "CMX"). Their sources by kind id; the rest by kind id, code
    // as sent and maritime mobile.
    static constexpr uint32_t kNoSource = UINT32_MAX;
    struct KindSources {
        uint32_t plain = kNoSource;
        uint32_t last = kNoSource;  // of the last other QSO
        std::string lastSent;       // its exchange as received
        bool lastMaritime = false;
    };
    std::vector<KindSources> m_KindSources;
    std::map<std::tuple<uint32_t, std::string, bool>, uint32_t> m_OtherSources;
};

}  // namespace reports
