// Each warning of the check beside the log, on a small clean log of the 2024
// contest changed so that it raises the warning, or only nearly.
#include <gtest/gtest.h>

#include "reports/log_warnings.h"

using namespace platform;
using namespace engine;
using namespace reports;

namespace {

using Qsos = std::vector<CInfo>;
constexpr int64_t kSaturday = 45640LL * 24 * 60;  // 2024-12-14 0000

COleDateTime At(int64_t minute) {
    return COleDateTime(static_cast<double>(kSaturday + minute) / (24 * 60));
}

// The QSO sent a location code, which the module kept as the code given.
void Sent(CInfo& q, const char* prefix, const std::string& call, const char* exchange,
          const char* code) {
    q.m_Prefix = prefix;
    q.m_Call = call;
    q.m_ExchRcvd = exchange;
    q.m_MultCode = code;
}

CInfo Qso(const std::string& call, const std::string& mode, int64_t minute) {
    CInfo q;
    Sent(q, "K", call, "CT", "CT");
    q.m_Mode = mode;
    q.m_ExchSent = "MA";
    q.m_Time = At(minute);
    return q;
}

// The warnings of the QSOs stored, with their lines of the log.
std::vector<Warning> WarningsOf(const CabrilloHeader& header, const Qsos& qsos) {
    CInfoLog store;
    CCabrilloLog log;
    CheckedLogBuilder facts(store);
    for (std::size_t i = 0; i < qsos.size(); ++i) {
        const CInfo& q = qsos[i];
        store.Add(q);
        const std::size_t start = log.m_QsoLines.size();
        facts.Add(
            i, start,
            log.AddQsoLine(q.m_Call, 28000, "CW", q.m_Time, "", q.m_ExchSent, "", q.m_ExchRcvd));
    }
    return LogWarnings(header, facts.Take().value(), ContestPeriodOf(2024), log.m_QsoLines);
}

// QSOs every `step` minutes from the period's start.
Qsos Spread(int count, int step) {
    Qsos qsos;
    for (int i = 0; i < count; ++i) {
        qsos.push_back(Qso("K" + std::to_string(i), "CW", int64_t{i} * step));
    }
    return qsos;
}

std::string Titles(const std::vector<Warning>& warnings) {
    std::string titles;
    for (const Warning& w : warnings) {
        titles += w.title + "\n";
    }
    return titles;
}

// A header and two QSOs that raise no warning.
CabrilloHeader CleanHeader() {
    CabrilloHeader header;
    header.m_Callsign = "W1AW";
    header.m_CategoryOperator = "SINGLE-OP";
    header.m_CategoryAssisted = "NON-ASSISTED";
    header.m_CategoryPower = "LOW";
    header.m_CategoryMode = "MIXED";
    header.m_CategoryBand = "10M";
    return header;
}

Qsos CleanQsos() {
    return {Qso("K1ABC", "CW", 0), Qso("K2XYZ", "SSB", 20)};
}

// The one warning that begins so, with its count; none without a title.
void ExpectOnly(const char* title, std::size_t count, const std::vector<Warning>& warnings) {
    if (!title) {
        EXPECT_TRUE(warnings.empty()) << Titles(warnings);
        return;
    }
    ASSERT_EQ(1u, warnings.size()) << Titles(warnings);
    EXPECT_EQ(0u, warnings[0].title.find(title)) << warnings[0].title;
    EXPECT_EQ(count, warnings[0].count);
}

}  // namespace

TEST(LogWarnings, EachRaisedByItsCaseOnly) {
    struct Case {
        const char* what;
        void (*change)(CabrilloHeader&, Qsos&);
        const char* warning;  // the start of the one warning raised; null for none
        std::size_t count;
    } const cases[] = {
        {"all well", [](CabrilloHeader&, Qsos&) {}, nullptr, 0},
        {"36 h on", [](CabrilloHeader&, Qsos& q) { q = Spread(109, 20); }, nullptr, 0},
        {"36 h 20 min on", [](CabrilloHeader&, Qsos& q) { q = Spread(110, 20); },
         "QSOs after 36 h of operating time (the log has 36 h 20 min)", 1},
        {"36 h on, gaps of 30 min off",
         [](CabrilloHeader&, Qsos& q) {
             q = Spread(109, 20);
             q.push_back(Qso("K0OFF", "CW", 109 * 20 + 10));
         },
         nullptr, 0},
        {"Sunday 2359", [](CabrilloHeader&, Qsos& q) { q[1].m_Time = At(48 * 60 - 1); }, nullptr,
         0},
        {"Monday 0000", [](CabrilloHeader&, Qsos& q) { q[1].m_Time = At(48 * 60); },
         "QSOs outside the contest period, 2024-12-14 0000 to 2024-12-15 2359 UTC", 1},
        {"no valid time",
         [](CabrilloHeader&, Qsos& q) { q[0].m_Time.m_status = COleDateTime::invalid; },
         "QSOs outside the contest period", 1},
        {"CW only",
         [](CabrilloHeader& h, Qsos& q) {
             h.m_CategoryMode = "CW";
             q[1].m_Mode = "CW";
         },
         nullptr, 0},
        {"SSB in CW", [](CabrilloHeader& h, Qsos&) { h.m_CategoryMode = "CW"; },
         "QSOs in a mode that CATEGORY-MODE CW excludes", 1},
        {"multi-op mixed", [](CabrilloHeader& h, Qsos&) { h.m_CategoryOperator = "MULTI-OP"; },
         nullptr, 0},
        {"multi-op SSB",
         [](CabrilloHeader& h, Qsos& q) {
             h.m_CategoryOperator = "MULTI-OP";
             h.m_CategoryMode = "SSB";
             q[0].m_Mode = "SSB";
         },
         "A multi-operator entry whose mode is not MIXED", 1},
        {"power MEDIUM", [](CabrilloHeader& h, Qsos&) { h.m_CategoryPower = "MEDIUM"; },
         "Category values the sponsor does not use", 1},
        {"band not given", [](CabrilloHeader& h, Qsos&) { h.m_CategoryBand = " "; },
         "Category values the sponsor does not use", 1},
        {"refused code",
         [](CabrilloHeader&, Qsos& q) {
             q[0].m_CodeError = 1;
             q[0].m_MultCode.clear();
         },
         "Exchanges no list knows (err.txt), which the sponsor counts busted", 1},
        {"NF", [](CabrilloHeader&, Qsos& q) { Sent(q[0], "VE", "VO1AA", "NF", "NL"); }, nullptr, 0},
        {"NL", [](CabrilloHeader&, Qsos& q) { Sent(q[0], "VE", "VE1AA", "NL", "NL"); },
         "Codes the sponsor does not list (NL: NF or LB?)", 1},
        {"blanks around", [](CabrilloHeader&, Qsos& q) { q[0].m_ExchSent = " MA "; }, nullptr, 0},
        {"blank inside", [](CabrilloHeader&, Qsos& q) { q[1].m_Call = "K1 X"; },
         "QSO fields empty or with a space inside", 1},
        {"no callsign", [](CabrilloHeader&, Qsos& q) { q[1].m_Call.clear(); },
         "QSO fields empty or with a space inside", 1},
        {"tab inside own call", [](CabrilloHeader& h, Qsos&) { h.m_Callsign = "W1\tAW"; },
         "QSO fields empty or with a space inside", 2},
        {"same minute", [](CabrilloHeader&, Qsos& q) { q[1].m_Time = q[0].m_Time; }, nullptr, 0},
        {"a minute back in the next line",
         [](CabrilloHeader&, Qsos& q) { q[0].m_Time = At(20 + 1); }, "QSO lines out of time order",
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        CabrilloHeader header = CleanHeader();
        Qsos qsos = CleanQsos();
        c.change(header, qsos);
        ExpectOnly(c.warning, c.count, WarningsOf(header, qsos));
    }
}

// Each country's stations send the codes of its own list, and a
// maritime-mobile station its region; the sponsor busts any other code.
TEST(LogWarnings, CodesByTheStationThatSentThem) {
    const char* const kAnotherList = "Exchanges that belong to another country's list";
    const char* const kUnlisted = "Codes the sponsor does not list (NL: NF or LB?)";
    struct Case {
        const char *prefix, *call, *exchange, *code;  // the code as the module keeps it
        const char* warning;
    } const cases[] = {
        {"VE", "VE3VA", " ok ", "OK", kAnotherList}, {"K", "K1ABC", "ON", "ON", kAnotherList},
        {"K", "K1ABC", "DF", "CMX", kAnotherList},   {"K", "K1ABC", "R2", "R2", kAnotherList},
        {"K", "W7MEY/MM", "R2", "R2", nullptr},      {"G", "G3DVX/MM", " 2 ", "R2", nullptr},
        {"XE", "XE1A", "dfe", "CMX", nullptr},       {"VE", "VO1AA", "NF", "NL", nullptr},
        {"K", "K1ABC", "NL", "NL", kUnlisted},  // no other country's: the sponsor lists no NL
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.exchange) + " from " + c.call);
        Qsos qsos = CleanQsos();
        Sent(qsos[0], c.prefix, c.call, c.exchange, c.code);
        ExpectOnly(c.warning, 1, WarningsOf(CleanHeader(), qsos));
    }
}
