#include "platform/win32/Win32Clock.h"

#include <windows.h>
#include <mmsystem.h>

namespace tx80 {

namespace {

// Not in every SDK's headers yet; Windows 10 1803 and later know it.
constexpr DWORD kHighResolutionTimer = 0x00000002;  // CREATE_WAITABLE_TIMER_HIGH_RESOLUTION

// One timer per thread: the executor, playback and preview threads wait at once.
// Null when the system has no high-resolution timer.
class ThreadTimer {
 public:
  ThreadTimer()
      : handle_(CreateWaitableTimerExW(nullptr, nullptr, kHighResolutionTimer, TIMER_ALL_ACCESS)) {}
  ~ThreadTimer() {
    if (handle_) CloseHandle(handle_);
  }
  ThreadTimer(const ThreadTimer&) = delete;
  ThreadTimer& operator=(const ThreadTimer&) = delete;
  HANDLE Handle() const { return handle_; }

 private:
  HANDLE handle_;
};

}  // namespace

Clock::TimePoint Win32Clock::Now() {
  return std::chrono::time_point_cast<Duration>(std::chrono::steady_clock::now());
}

void Win32Clock::Sleep(int ms) { ::Sleep(ms > 0 ? static_cast<DWORD>(ms) : 0); }

void Win32Clock::SleepUntil(TimePoint deadline) {
  // The wait wakes up to a few hundred microseconds late (Wine's later); it
  // is asked to end that much early and the rest is spun. The spin costs at
  // most kSpin of one core per wait: 2.5 % of a core for events 20 ms apart.
  constexpr Duration kSpin = std::chrono::microseconds(500);
  const Duration wait = deadline - Now() - kSpin;
  if (wait > Duration::zero()) {
    thread_local ThreadTimer timer;
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>(wait.count() / 100);  // relative, 100 ns units
    if (timer.Handle() && SetWaitableTimer(timer.Handle(), &due, 0, nullptr, nullptr, FALSE)) {
      WaitForSingleObject(timer.Handle(), INFINITE);
    } else {
      // Without that timer Sleep keeps the system tick (often 15.6 ms); ask
      // for 1 ms while waiting.
      timeBeginPeriod(1);
      ::Sleep(static_cast<DWORD>(std::chrono::duration_cast<std::chrono::milliseconds>(wait).count()));
      timeEndPeriod(1);
    }
  }
  while (Now() < deadline) YieldProcessor();
}

}  // namespace tx80
