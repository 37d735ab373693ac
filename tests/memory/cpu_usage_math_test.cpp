#include <doctest.h>

#include "memory/IdleTimeUsage.h"

using namespace quorvane;

TEST_CASE("usage is the share of time the processors were not idle") {
  CHECK(UsageBetween(1000000, 1000000, 1) == 0);    // idle all the time
  CHECK(UsageBetween(500000, 1000000, 1) == 50);    // idle half the time
  CHECK(UsageBetween(0, 1000000, 1) == 100);        // never idle
  CHECK(UsageBetween(1000000, 1000000, 2) == 50);   // one of two idle
  CHECK(UsageBetween(2000000, 1000000, 2) == 0);    // both idle
  CHECK(UsageBetween(3000000, 1000000, 4) == 25);
  CHECK(UsageBetween(10000000, 10000000, 1) == 0);  // the scale of the counts does not matter
}

TEST_CASE("usage is rounded to the nearest percent from four decimal places") {
  CHECK(UsageBetween(4990, 10000, 1) == 50);  // 50.1 %
  CHECK(UsageBetween(5010, 10000, 1) == 50);  // 49.9 %
  CHECK(UsageBetween(5060, 10000, 1) == 49);  // 49.4 %
  CHECK(UsageBetween(4950, 10000, 1) == 51);  // 50.5 % rounds up
  CHECK(UsageBetween(3333, 10000, 1) == 67);
  // the idle ratio is first cut to four decimals: 0.125001 becomes 0.1250,
  // so the usage is 87.5 %, rounded up to 88 (87.4999 % would give 87)
  CHECK(UsageBetween(125001, 1000000, 1) == 88);
  CHECK(UsageBetween(125100, 1000000, 1) == 87);
}

TEST_CASE("usage stays within 0 to 100") {
  // idle and system time are read one after the other: a quiet machine can
  // show more idle time than time passed, which must not read as -1 (failed)
  CHECK(UsageBetween(2100000, 1000000, 2) == 0);
  CHECK(UsageBetween(1030000, 1000000, 1) == 0);
  CHECK(UsageBetween(-50000, 1000000, 1) == 100);
  CHECK(UsageBetween(1000000, -1000000, 1) == 100);  // clock set back
  CHECK(UsageBetween(1000000, 1000000, 0) == 0);      // no processor count: as one
  CHECK_FALSE(UsageBetween(123, 0, 1).has_value());   // no time passed
}

TEST_CASE("the sampler measures each query from the previous good sample") {
  IdleTimeUsage usage;
  usage.Start(IdleTimeSample{1000, 50000, 1});
  CHECK(usage.Next(IdleTimeSample{11000, 60000, 1}) == 0);
  CHECK(usage.Next(IdleTimeSample{16000, 70000, 1}) == 50);

  // a failed read: -1, and the sample before it stays, so the next good one
  // covers both intervals (idle 10000 of 20000)
  CHECK(usage.Next(std::nullopt) == -1);
  CHECK(usage.Next(IdleTimeSample{26000, 90000, 1}) == 50);

  // two processors: idle time counts both
  CHECK(usage.Next(IdleTimeSample{36000, 95000, 2}) == 0);
}

TEST_CASE("a query within the same clock tick repeats the previous result") {
  IdleTimeUsage usage;
  usage.Start(IdleTimeSample{0, 100000, 1});
  CHECK(usage.Next(IdleTimeSample{7500, 110000, 1}) == 25);
  // no system time passed since: not a false 100 %
  CHECK(usage.Next(IdleTimeSample{7500, 110000, 1}) == 25);
  CHECK(usage.Next(IdleTimeSample{9000, 110000, 1}) == 25);
  // that sample was not taken over: the next interval starts at 7500/110000
  CHECK(usage.Next(IdleTimeSample{12500, 120000, 1}) == 50);

  // right after the start there is no result yet: 0
  IdleTimeUsage fresh;
  fresh.Start(IdleTimeSample{500, 1000, 1});
  CHECK(fresh.Next(IdleTimeSample{500, 1000, 1}) == 0);
}

TEST_CASE("a failed first sample leaves the start at zero") {
  IdleTimeUsage usage;
  usage.Start(std::nullopt);
  CHECK(usage.Next(IdleTimeSample{500000, 1000000, 1}) == 50);
}
