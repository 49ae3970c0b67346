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
  const Duration remaining = deadline - Now();
  if (remaining <= Duration::zero()) return;

  thread_local ThreadTimer timer;
  if (timer.Handle()) {
    LARGE_INTEGER due;
    due.QuadPart = -static_cast<LONGLONG>((remaining.count() + 99) / 100);  // relative, 100 ns units
    if (SetWaitableTimer(timer.Handle(), &due, 0, nullptr, nullptr, FALSE)) {
      WaitForSingleObject(timer.Handle(), INFINITE);
      return;
    }
  }
  // Without that timer Sleep keeps the system tick (often 15.6 ms); ask for 1 ms
  // while waiting so that macro delays stay close to what was recorded.
  const auto ms = std::chrono::ceil<std::chrono::milliseconds>(remaining).count();
  timeBeginPeriod(1);
  ::Sleep(static_cast<DWORD>(ms));
  timeEndPeriod(1);
}

TimeOfDay Win32Clock::SystemTimeOfDay() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return {now.wHour, now.wMinute, now.wSecond, now.wMilliseconds};
}

}  // namespace tx80
