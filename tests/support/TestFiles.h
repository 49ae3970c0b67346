#pragma once
#include "platform/sim/SimClock.h"
#include "platform/sim/SimFileStore.h"

namespace tx80::test {

// The simulated backend's file store, the real file system, for tests that run
// no whole program; its retries wait on a clock of its own.
class TestFiles : public SimFileStore {
 public:
  TestFiles() : SimFileStore(clock_) {}  // the store only keeps the reference

 private:
  SimClock clock_;
};

}  // namespace tx80::test
