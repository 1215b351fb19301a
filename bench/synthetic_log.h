#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/ole_date_time.h"
#include "tests/common/module_exports.h"

// A contest log of a given size for measurements: US, Canadian, Mexican and
// DX stations in CW and SSB, with repeats, as a busy weekend produces them.
struct SyntheticQso {
    std::string call;
    std::string mode;
    std::string prefix;
    std::string exchRcvd;
    unsigned freqHz;
    platform::COleDateTime time;
};

std::vector<SyntheticQso> MakeSyntheticLog(std::size_t count);

// Feeds the log to the module as the host does: ResetStats0 and one AddData0
// per QSO, through the exports that Module() finds or those given.
void LoadIntoModule(const std::vector<SyntheticQso>& log, int reportMode = 0,
                    const ModuleExports& module = Module());

// AddData0 and RemoveData0 of one QSO, as the host calls them.
void AddToModule(const SyntheticQso& qso, const ModuleExports& module = Module());
void RemoveFromModule(const SyntheticQso& qso);
