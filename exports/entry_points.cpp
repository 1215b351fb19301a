// The exported functions: each unpacks the host's argument list and calls the
// engine. Nothing thrown ever reaches the host.
#include "exports/plugin_api.h"

#include "engine/call_check.h"
#include "engine/engine_texts.h"
#include "engine/exchange_rules.h"
#include "engine/qso_intake.h"
#include "exports/contest_reset.h"
#include "exports/module_state.h"
#include "reports/score_summary.h"

namespace {

template <typename Result, typename Body>
Result Guarded(Result fallback, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

QsoRecord MakeQso(const char* myCall, const char* call, const COleDateTime* qsoTime,
                  unsigned int freqHz, const char* mode, const char* rstSent, const char* rstRcvd,
                  const char* exchSent, const char* exchRcvd, const char* prefix,
                  const char* band) {
    QsoRecord qso;
    qso.myCall = HostText(myCall);
    qso.call = HostText(call);
    qso.qsoTime = COleDateTime::FromHost(qsoTime);
    qso.freqHz = freqHz;
    qso.mode = HostText(mode);
    qso.rstSent = HostText(rstSent);
    qso.rstRcvd = HostText(rstRcvd);
    qso.exchSent = HostText(exchSent);
    qso.exchRcvd = HostText(exchRcvd);
    qso.prefix = HostText(prefix);
    qso.band = HostText(band);
    return qso;
}

}  // namespace

extern "C" {

int PLUGIN_CALL GetNumberOfSets() {
    return 1;
}

const char* PLUGIN_CALL GetSetName(int set) {
    return set == 0 ? kSetName : "";
}

void PLUGIN_CALL SetupSet0() {
    Guarded(0, [] {
        TheModule().GetDesktop().ShowPlainMessage(kNoSetupText);
        return 0;
    });
}

int PLUGIN_CALL GetExchgCount0(const char*, const char*, const char*) {
    return 1;
}

int PLUGIN_CALL IsValidExchg0(const char* exchange, const char*, const char* prefix, const char*,
                              int, int, int flag) {
    return Guarded(0, [&] { return IsValidExchange(exchange, prefix, flag); });
}

int PLUGIN_CALL CheckCall0(const char* call, unsigned int, unsigned int, const char* mode,
                           const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*, const char*, const char*, const char* prefix,
                           int, int, int, double, double, const char*, const char*, const char*,
                           const char*, const char*, const char* band, const char* refBand, char*,
                           char*) {
    return Guarded(static_cast<int>(kCallNewCountry), [&] {
        ModuleState& module = TheModule();
        return CheckCall(module.m_Log, module.GetDesktop(), call, mode, prefix, band, refBand);
    });
}

int PLUGIN_CALL AddData0(const char* myCall, const char* call, COleDateTime* qsoTime, COleDateTime*,
                         COleDateTime*, COleDateTime*, unsigned int, unsigned int freqHz,
                         const char* mode, const char* rstSent, const char* rstRcvd,
                         const char* exchSent, const char* exchRcvd, const char*, const char*,
                         const char*, const char*, const char*, const char*, const char*,
                         const char*, const char*, const char* prefix, int, int, int, double,
                         double, const char*, const char*, const char*, const char* band,
                         const char*) {
    return Guarded(0, [&] {
        return AddQso(TheModule().m_Log, MakeQso(myCall, call, qsoTime, freqHz, mode, rstSent,
                                                 rstRcvd, exchSent, exchRcvd, prefix, band));
    });
}

int PLUGIN_CALL RemoveData0(const char* myCall, const char* call, COleDateTime* qsoTime,
                            COleDateTime*, COleDateTime*, COleDateTime*, unsigned int,
                            unsigned int freqHz, const char* mode, const char* rstSent,
                            const char* rstRcvd, const char* exchSent, const char* exchRcvd,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char*, const char*, const char* prefix,
                            int, int, int, double, double, const char*, const char*, const char*,
                            const char* band, const char*) {
    return Guarded(1, [&] {
        return RemoveQso(TheModule().m_Log, MakeQso(myCall, call, qsoTime, freqHz, mode, rstSent,
                                                    rstRcvd, exchSent, exchRcvd, prefix, band));
    });
}

int PLUGIN_CALL ResetStats0(const char*, int reportMode, const char* myCall, COleDateTime* date1,
                            COleDateTime* date2, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, int, int, int, double, double, const char*, const char*,
                            const char*) {
    return Guarded(1, [&] {
        ResetRecord reset;
        reset.reportMode = reportMode;
        reset.myCall = HostText(myCall);
        reset.date1 = COleDateTime::FromHost(date1);
        reset.date2 = COleDateTime::FromHost(date2);
        ModuleState& module = TheModule();
        return ResetStats(module.m_Log, module.m_Results, module.GetDesktop(), reset);
    });
}

const char* PLUGIN_CALL GetResult0(int* resultFlag) {
    return Guarded(static_cast<const char*>(""), [&] {
        ModuleState& module = TheModule();
        return GetResult(module.m_Log, module.m_Results, module.GetDesktop(), resultFlag);
    });
}

}  // extern "C"
