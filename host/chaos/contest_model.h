#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "host/chaos/chaos_qso.h"

// What the host expects of the module, worked out from the contest's rules
// alone and not from the module's code: which QSOs the intake stores, which
// one a removal takes out, what a call check answers, which exchanges are
// acceptable, and the numbers of the summary's totals line.
class ContestModel {
public:
    struct Totals {
        int32_t qsos = 0;
        int32_t points = 0;
        int32_t dxcc = 0;
        int32_t codes = 0;
        int32_t k = 0;
        int32_t ve = 0;
        int32_t score = 0;
        bool operator==(const Totals& o) const;
    };

    // 1 when AddData0 stores the QSO, else 0.
    static int ExpectedAdd(const ChaosQso& qso);
    // What IsValidExchg0 answers.
    static int ExpectedValidExchange(const std::string& exchange, const std::string& prefix,
                                     int flag);
    // The totals line of a summary text; false when it has none.
    static bool ReadTotals(const std::string& summary, Totals& totals);
    static std::string Describe(const Totals& totals);
    // The moment of a date-time argument to the second, as a log keeps it (see TimeArg).
    static std::string MomentKey(const platform::COleDateTime* time);

    void Reset() { m_Stored.clear(); }
    // Takes in the QSO as AddData0 does; its result.
    int Add(const ChaosQso& qso);
    // Takes out the first stored QSO with the same callsign, band, mode and second.
    void Remove(const ChaosQso& qso);
    // What CheckCall0 answers now.
    int ExpectedCheck(const std::string& call, const std::string& mode, const std::string& prefix,
                      const ArgText& band, const ArgText& refBand) const;
    Totals ExpectedTotals() const;
    std::size_t Stored() const { return m_Stored.size(); }

private:
    struct Record {
        std::string call, band, mode, prefix, code, timeKey;
        bool codeError;
    };
    std::vector<Record> m_Stored;
};
