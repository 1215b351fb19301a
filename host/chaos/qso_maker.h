#pragma once

#include <string>
#include <vector>

#include "host/chaos/chaos_qso.h"
#include "host/chaos/chaos_random.h"

// The arguments of a call check that the host makes while a callsign is typed.
struct CheckArgs {
    ArgText call, mode, prefix, band, refBand;
};

// The arguments of an exchange check.
struct ExchangeArgs {
    ArgText exchange, prefix;
    int flag = 0;
};

// The QSOs, call checks and exchange checks of one host thread: mostly sound
// contest QSOs, some odd (null pointers, empty, huge and unprintable texts,
// other bands and modes, dates that no calendar holds). Each thread's
// callsigns end in a letter of its own, so that two threads' QSOs never share
// the keys of duplicates and removals; only thread 0 sends empty or null
// callsigns, which every thread's QSOs would share.
class QsoMaker {
public:
    QsoMaker(ChaosRandom& random, int thread) : m_Random(random), m_Thread(thread) {}

    // A new QSO, odd one time in `oddPercent`.
    ChaosQso Next(unsigned oddPercent);
    // A QSO this thread made before, for a removal; a new one when none.
    ChaosQso Earlier();
    CheckArgs NextCheck(unsigned oddPercent);
    ExchangeArgs NextExchange(unsigned oddPercent);

    // An odd text: null, empty, blank, control and high bytes, printf
    // directives, device names, long and huge.
    static ArgText OddText(ChaosRandom& random);

private:
    std::string Call();
    ChaosQso Sound();
    void MakeOdd(ChaosQso& qso);
    TimeArg Time(bool odd);

    ChaosRandom& m_Random;
    int m_Thread;
    std::vector<ChaosQso> m_Made;  // the last QSOs made, for removals
};
