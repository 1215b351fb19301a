#pragma once

#include "host/chaos/chaos_random.h"
#include "host/chaos/chaos_run.h"
#include "host/chaos/qso_maker.h"

// The module's exports as one host thread calls them, each with an argument
// list drawn for it: timed against its bound, and its result checked against
// the model wherever the model can know it.
class ModuleCalls {
public:
    ModuleCalls(ChaosRun& run, int thread, ChaosRandom random)
        : m_Run(run), m_Thread(thread), m_Random(random), m_Maker(m_Random, thread) {}
    ModuleCalls(const ModuleCalls&) = delete;
    ModuleCalls& operator=(const ModuleCalls&) = delete;

    void AddQso();
    void RemoveQso();
    void CheckCall();
    void CheckExchange();
    void GetResult();
    void Reset();
    void ResetForReport();
    void SetupSet();
    void SetQueries();

private:
    const PluginExports& X() const { return *m_Run.Exports(); }
    int CallQsoEntry(decltype(PluginExports::AddData0) entry, const char* name,
                     const ChaosQso& qso);
    void ResetPass(int reportMode);
    // A junk argument for a position the module does not use.
    const char* Junk();
    void Expect(const char* what, long got, long want, const std::string& about);

    ChaosRun& m_Run;
    int m_Thread;
    ChaosRandom m_Random;
    QsoMaker m_Maker;
    static constexpr unsigned kOddPercent = 12;
};
