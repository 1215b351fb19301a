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

namespace exports {

namespace {

template <typename Result, typename Body>
Result Guarded(Result fallback, Body body) noexcept {
    try {
        return body();
    } catch (...) {
        return fallback;
    }
}

engine::QsoRecord MakeQso(const char* myCall, const char* call,
                          const platform::COleDateTime* qsoTime, unsigned int freqHz,
                          const char* mode, const char* rstSent, const char* rstRcvd,
                          const char* exchSent, const char* exchRcvd, const char* prefix,
                          const char* band) {
    engine::QsoRecord qso;
    qso.myCall = engine::HostText(myCall);
    qso.call = engine::HostText(call);
    qso.qsoTime = platform::COleDateTime::FromHost(qsoTime);
    qso.freqHz = freqHz;
    qso.mode = engine::HostText(mode);
    qso.rstSent = engine::HostText(rstSent);
    qso.rstRcvd = engine::HostText(rstRcvd);
    qso.exchSent = engine::HostText(exchSent);
    qso.exchRcvd = engine::HostText(exchRcvd);
    qso.prefix = engine::HostText(prefix);
    qso.band = engine::HostText(band);
    return qso;
}

}  // namespace

}  // namespace exports

extern "C" {

int PLUGIN_CALL GetNumberOfSets() {
    return 1;
}

const char* PLUGIN_CALL GetSetName(int set) {
    return set == 0 ? engine::kSetName : "";
}

void PLUGIN_CALL SetupSet0() {
    exports::Guarded(0, [] {
        exports::TheModule().GetDesktop().ShowPlainMessage(engine::kNoSetupText);
        return 0;
    });
}

int PLUGIN_CALL GetExchgCount0(const char*, const char*, const char*) {
    return 1;
}

int PLUGIN_CALL IsValidExchg0(const char* exchange, const char*, const char* prefix, const char*,
                              int, int, int flag) {
    return exports::Guarded(0, [&] { return engine::IsValidExchange(exchange, prefix, flag); });
}

int PLUGIN_CALL CheckCall0(const char* call, unsigned int, unsigned int, const char* mode,
                           const char*, const char*, const char*, const char*, const char*,
                           const char*, const char*, const char*, const char*, const char* prefix,
                           int, int, int, double, double, const char*, const char*, const char*,
                           const char*, const char*, const char* band, const char* refBand, char*,
                           char*) {
    return exports::Guarded(static_cast<int>(engine::kCallNewCountry), [&] {
        exports::ModuleState& module = exports::TheModule();
        return engine::CheckCall(module.m_Log, module.GetDesktop(), call, mode, prefix, band,
                                 refBand);
    });
}

int PLUGIN_CALL AddData0(const char* myCall, const char* call, platform::COleDateTime* qsoTime,
                         platform::COleDateTime*, platform::COleDateTime*, platform::COleDateTime*,
                         unsigned int, unsigned int freqHz, const char* mode, const char* rstSent,
                         const char* rstRcvd, const char* exchSent, const char* exchRcvd,
                         const char*, const char*, const char*, const char*, const char*,
                         const char*, const char*, const char*, const char*, const char* prefix,
                         int, int, int, double, double, const char*, const char*, const char*,
                         const char* band, const char*) {
    return exports::Guarded(0, [&] {
        return engine::AddQso(exports::TheModule().m_Log,
                              exports::MakeQso(myCall, call, qsoTime, freqHz, mode, rstSent,
                                               rstRcvd, exchSent, exchRcvd, prefix, band));
    });
}

int PLUGIN_CALL RemoveData0(const char* myCall, const char* call, platform::COleDateTime* qsoTime,
                            platform::COleDateTime*, platform::COleDateTime*,
                            platform::COleDateTime*, unsigned int, unsigned int freqHz,
                            const char* mode, const char* rstSent, const char* rstRcvd,
                            const char* exchSent, const char* exchRcvd, const char*, const char*,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char* prefix, int, int, int, double,
                            double, const char*, const char*, const char*, const char* band,
                            const char*) {
    return exports::Guarded(1, [&] {
        return engine::RemoveQso(exports::TheModule().m_Log,
                                 exports::MakeQso(myCall, call, qsoTime, freqHz, mode, rstSent,
                                                  rstRcvd, exchSent, exchRcvd, prefix, band));
    });
}

int PLUGIN_CALL ResetStats0(const char*, int reportMode, const char* myCall,
                            platform::COleDateTime* date1, platform::COleDateTime* date2,
                            const char*, const char*, const char*, const char*, const char*,
                            const char*, const char*, const char*, const char*, const char*, int,
                            int, int, double, double, const char*, const char*, const char*) {
    return exports::Guarded(1, [&] {
        exports::ResetRecord reset;
        reset.reportMode = reportMode;
        reset.myCall = engine::HostText(myCall);
        reset.date1 = platform::COleDateTime::FromHost(date1);
        reset.date2 = platform::COleDateTime::FromHost(date2);
        exports::ModuleState& module = exports::TheModule();
        return exports::ResetStats(module.m_Log, module.m_Results, module.GetDesktop(), reset);
    });
}

const char* PLUGIN_CALL GetResult0(int* resultFlag) {
    return exports::Guarded(static_cast<const char*>(""), [&] {
        exports::ModuleState& module = exports::TheModule();
        return reports::GetResult(module.m_Log, module.m_Results, module.GetDesktop(), resultFlag);
    });
}

}  // extern "C"
