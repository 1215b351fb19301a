// A log's operating time, the same whether its minutes span a weekend or
// years (then they are sorted instead of marked).
#include "reports/operating_time.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace engine;
using namespace reports;

TEST(OperatingTime, SameOverAWeekendAndOverYears) {
    constexpr int64_t kTenYears = 3653LL * 24 * 60;
    struct Case {
        std::vector<int64_t> minutes;
        int64_t on;
        int64_t overFrom;  // past the limit of 50 minutes on
    } const cases[] = {
        {{}, 0, INT64_MAX},
        {{20, 0, 10, 10}, 20, INT64_MAX},  // out of order, a minute twice
        {{0, 29, 59}, 29, INT64_MAX},      // 29 minutes on, 30 off
        {{0, 25, 50}, 50, INT64_MAX},
        {{0, 25, 50, 51, 52}, 52, kTenYears + 51},
    };
    for (const Case& c : cases) {
        for (const bool years : {false, true}) {
            SCOPED_TRACE(testing::PrintToString(c.minutes) +
                         (years ? " and ten years before" : ""));
            CInfoLog store;
            CheckedLogBuilder facts(store);
            std::vector<int64_t> minutes = c.minutes;
            if (years) {
                minutes.insert(minutes.begin(), -kTenYears);  // off-time before the rest
            }
            for (std::size_t i = 0; i < minutes.size(); ++i) {
                store.Add(CInfo());
                facts.Add(i, 0, {kTenYears + minutes[i], false});
            }
            const OperatingTime time = OperatingTimeOf(facts.Take().value(), 30, 50);
            EXPECT_EQ(c.on, time.minutes);
            EXPECT_EQ(c.overFrom, time.overFrom);
        }
    }
}
