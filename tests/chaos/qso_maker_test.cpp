// The QSOs of different host threads never share the keys of duplicates and
// removals, so that the model's counts do not hang on how the threads
// interleave; and the odd QSOs are odd.
#include "host/chaos/qso_maker.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "host/chaos/contest_model.h"

TEST(QsoMaker, ThreadsKeepToCallsignsOfTheirOwn) {
    std::set<std::string> callsByThread[4];
    int odd = 0;
    for (int thread = 0; thread < 4; ++thread) {
        ChaosRandom random(ChaosRandom(7).Fork(thread));
        QsoMaker maker(random, thread);
        for (int i = 0; i < 3000; ++i) {
            const ChaosQso qso = maker.Next(30);
            odd += ContestModel::ExpectedAdd(qso) == 0 ? 1 : 0;
            if (thread != 0) {
                EXPECT_FALSE(qso.call.null || qso.call.text.empty())
                    << "only thread 0 sends an empty callsign";
            }
            callsByThread[thread].insert(qso.call.text);
        }
    }
    for (int a = 1; a < 4; ++a) {
        for (int b = 0; b < a; ++b) {
            for (const std::string& call : callsByThread[a]) {
                EXPECT_EQ(0u, callsByThread[b].count(call))
                    << "threads " << a << " and " << b << " share " << call.substr(0, 40);
            }
        }
    }
    EXPECT_GT(odd, 400) << "the odd QSOs include refused ones";
}

TEST(QsoMaker, RemovalsTakeQsosOfTheSameThread) {
    ChaosRandom random(3);
    QsoMaker maker(random, 2);
    std::set<std::string> made;
    for (int i = 0; i < 200; ++i) {
        made.insert(maker.Next(10).call.text);
    }
    for (int i = 0; i < 200; ++i) {
        EXPECT_EQ(1u, made.count(maker.Earlier().call.text));
    }
}
