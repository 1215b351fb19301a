#include "host/chaos/module_calls.h"

#include <climits>
#include <cstring>

using namespace platform;

namespace {

const char kSetName[] = "ARRL 10 Meter Contest (C)";
// What GetResult0 finds in its flag when it leaves it alone.
constexpr int kUntouchedFlag = 12345;

std::string Shown(const ArgText& text) {
    if (text.null) {
        return "(null)";
    }
    return text.text.size() > 40 ? "(" + std::to_string(text.text.size()) + " characters)"
                                 : "\"" + text.text + "\"";
}

std::string Describe(const ChaosQso& qso) {
    return Shown(qso.call) + " " + Shown(qso.band) + " " + Shown(qso.mode) + " prefix " +
           Shown(qso.prefix) + " exchange " + Shown(qso.exchSent) + "/" + Shown(qso.exchRcvd) +
           " time " + qso.time.key;
}

}  // namespace

const char* ModuleCalls::Junk() {
    const unsigned pick = m_Random.Below(10);
    return pick == 0 ? nullptr : pick == 1 ? "" : "junk";
}

void ModuleCalls::Expect(const char* what, long got, long want, const std::string& about) {
    if (got != want) {
        m_Run.Fail(std::string(what) + " returned " + std::to_string(got) + " where " +
                   std::to_string(want) + " was due, for " + about);
    }
}

int ModuleCalls::CallQsoEntry(decltype(PluginExports::AddData0) entry, const char* name,
                              const ChaosQso& q) {
    COleDateTime other(m_Random.Below(50000) + 0.5);
    return m_Run.Timed(m_Thread, name, kCallBoundMs, [&] {
        return entry(q.myCall.Get(), q.call.Get(), const_cast<COleDateTime*>(q.time.Get()), &other,
                     nullptr, &other, m_Random.Next(), q.freqHz, q.mode.Get(), q.rstSent.Get(),
                     q.rstRcvd.Get(), q.exchSent.Get(), q.exchRcvd.Get(), Junk(), Junk(), Junk(),
                     Junk(), Junk(), Junk(), Junk(), Junk(), Junk(), q.prefix.Get(),
                     static_cast<int>(m_Random.Next()), -1, INT_MIN, 1e300, -0.0, Junk(), Junk(),
                     Junk(), q.band.Get(), Junk());
    });
}

void ModuleCalls::AddQso() {
    const ChaosQso qso = m_Maker.Next(kOddPercent);
    const auto pass = m_Run.PassShared(m_Thread);
    const int added = CallQsoEntry(X().AddData0, "AddData0", qso);
    Expect("AddData0", added, ContestModel::ExpectedAdd(qso), Describe(qso));
    std::lock_guard<std::mutex> edit(m_Run.modelEdit);
    m_Run.model.Add(qso);
}

void ModuleCalls::RemoveQso() {
    const ChaosQso qso = m_Maker.Earlier();
    const auto pass = m_Run.PassShared(m_Thread);
    Expect("RemoveData0", CallQsoEntry(X().RemoveData0, "RemoveData0", qso), 1, Describe(qso));
    std::lock_guard<std::mutex> edit(m_Run.modelEdit);
    m_Run.model.Remove(qso);
}

void ModuleCalls::CheckCall() {
    const CheckArgs c = m_Maker.NextCheck(kOddPercent);
    char buf1[64] = "untouched";
    char buf2[64] = "untouched";
    // Only the main thread's answers can be known: it holds the store still.
    std::unique_lock<std::shared_mutex> pass;
    if (m_Thread == kMainThread) {
        pass = m_Run.PassAlone(m_Thread);
    }
    const int answer = m_Run.Timed(m_Thread, "CheckCall0", kCallBoundMs, [&] {
        return X().CheckCall0(c.call.Get(), m_Random.Next(), m_Random.Next(), c.mode.Get(), Junk(),
                              Junk(), Junk(), Junk(), Junk(), Junk(), Junk(), Junk(), Junk(),
                              c.prefix.Get(), -1, 0, INT_MAX, -1e300, 0.5, Junk(), Junk(), Junk(),
                              Junk(), Junk(), c.band.Get(), c.refBand.Get(), buf1, buf2);
    });
    const std::string about = Shown(c.call) + " " + Shown(c.mode) + " prefix " + Shown(c.prefix) +
                              " bands " + Shown(c.band) + "/" + Shown(c.refBand);
    if (pass.owns_lock()) {
        const int due = m_Run.model.ExpectedCheck(c.call.Read(), c.mode.Read(), c.prefix.Read(),
                                                  c.band, c.refBand);
        Expect("CheckCall0", answer, due, about);
    } else if (answer != 0 && answer != 1 && answer != 2 && answer != 4) {
        Expect("CheckCall0", answer, 2, about);
    }
    if (std::strcmp(buf1, "untouched") != 0 || std::strcmp(buf2, "untouched") != 0) {
        m_Run.Fail("CheckCall0 wrote into the host's buffers, for " + about);
    }
}

void ModuleCalls::CheckExchange() {
    const ExchangeArgs e = m_Maker.NextExchange(kOddPercent);
    const int answer = m_Run.Timed(m_Thread, "IsValidExchg0", kCallBoundMs, [&] {
        return X().IsValidExchg0(e.exchange.Get(), Junk(), e.prefix.Get(), Junk(),
                                 static_cast<int>(m_Random.Next()), -7, e.flag);
    });
    Expect("IsValidExchg0", answer,
           ContestModel::ExpectedValidExchange(e.exchange.Read(), e.prefix.Read(), e.flag),
           Shown(e.exchange) + " prefix " + Shown(e.prefix) + " flag " + std::to_string(e.flag));
}

void ModuleCalls::GetResult() {
    const auto pass = m_Run.PassAlone(m_Thread);
    int flag = kUntouchedFlag;
    const char* text =
        m_Run.Timed(m_Thread, "GetResult0", kCallBoundMs, [&] { return X().GetResult0(&flag); });
    const std::string summary = text ? text : "";
    ContestModel::Totals got;
    const ContestModel::Totals due = m_Run.model.ExpectedTotals();
    if (!ContestModel::ReadTotals(summary, got)) {
        m_Run.Fail("GetResult0 gave no totals line: \"" + summary.substr(0, 300) + "\"");
    } else if (!(got == due)) {
        m_Run.Fail("GetResult0 counted " + ContestModel::Describe(got) + " where the rules give " +
                   ContestModel::Describe(due) + ", of " + std::to_string(m_Run.model.Stored()) +
                   " QSOs stored");
    }
    Expect("GetResult0's flag", flag, m_Run.reportMode ? -1 : kUntouchedFlag, "the result flag");
}

void ModuleCalls::ResetPass(int reportMode) {
    COleDateTime date1(45269.0 + m_Random.Below(3));
    COleDateTime date2(date1.m_dt + 2.0);
    const bool odd = m_Random.Percent(kOddPercent);
    const ArgText myCall = odd ? QsoMaker::OddText(m_Random) : ArgText("W1AW");
    const auto pass = m_Run.PassAlone(m_Thread);
    const int result = m_Run.Timed(m_Thread, "ResetStats0", kResetBoundMs, [&] {
        return X().ResetStats0(
            Junk(), reportMode, myCall.Get(), odd && m_Random.Percent(50) ? nullptr : &date1,
            odd && m_Random.Percent(50) ? nullptr : &date2, Junk(), Junk(), Junk(), Junk(), Junk(),
            Junk(), Junk(), Junk(), Junk(), Junk(), 1, 2, 3, 4.0, 5.0, Junk(), Junk(), Junk());
    });
    Expect("ResetStats0", result, 1, "a reset");
    m_Run.model.Reset();
    m_Run.reportMode = reportMode != 0;
}

void ModuleCalls::Reset() {
    ResetPass(0);
}

void ModuleCalls::ResetForReport() {
    ResetPass(1);
}

void ModuleCalls::SetupSet() {
    m_Run.Timed(m_Thread, "SetupSet0", kCallBoundMs, [&] {
        X().SetupSet0();
        return 0;
    });
}

void ModuleCalls::SetQueries() {
    const int sets[] = {0, 0, 1, -1, INT_MIN, INT_MAX, 7};
    const int set = m_Random.PickFrom(sets);
    const int count = m_Run.Timed(m_Thread, "GetNumberOfSets", kCallBoundMs,
                                  [&] { return X().GetNumberOfSets(); });
    Expect("GetNumberOfSets", count, 1, "the rule sets");
    const char* name =
        m_Run.Timed(m_Thread, "GetSetName", kCallBoundMs, [&] { return X().GetSetName(set); });
    if (!name || std::strcmp(name, set == 0 ? kSetName : "") != 0) {
        m_Run.Fail("GetSetName(" + std::to_string(set) + ") gave \"" + (name ? name : "(null)") +
                   "\"");
    }
    const int exchanges = m_Run.Timed(m_Thread, "GetExchgCount0", kCallBoundMs, [&] {
        return X().GetExchgCount0(Junk(), QsoMaker::OddText(m_Random).Get(), Junk());
    });
    Expect("GetExchgCount0", exchanges, 1, "the exchange fields");
}
