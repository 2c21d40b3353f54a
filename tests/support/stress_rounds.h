#pragma once

namespace qi_test {

// How many rounds a load test runs: normally the given number, which keeps the suite quick;
// scripts/stress.sh asks for many more through the environment variable, which only tests read.
int StressRounds(const char* variable, int normal);

}  // namespace qi_test
