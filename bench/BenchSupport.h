#pragma once
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace tx80::bench {

// A benchmark's command line: `--smoke` asks for tiny counts (a run of a few
// seconds at most that only shows the benchmark still works); the other
// arguments, in order, are its own.
struct Arguments {
  Arguments(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
      if (std::string_view(argv[i]) == "--smoke") {
        smoke = true;
      } else {
        positional.emplace_back(argv[i]);
      }
    }
  }
  bool smoke = false;
  std::vector<std::string> positional;
};

// Waits, yielding, until `done()` holds. A benchmark never hangs: past `limit`
// it says what it was waiting for and ends the process with status 1, whatever
// its other threads are doing.
template <typename Done>
void WaitFor(const char* what, Done&& done, std::chrono::milliseconds limit = std::chrono::seconds(10)) {
  const auto deadline = std::chrono::steady_clock::now() + limit;
  while (!done()) {
    if (std::chrono::steady_clock::now() > deadline) {
      std::fprintf(stderr, "error: no %s within %lld ms\n", what, static_cast<long long>(limit.count()));
      std::fflush(stdout);
      std::fflush(stderr);
      std::_Exit(1);
    }
    std::this_thread::yield();
  }
}

}  // namespace tx80::bench
