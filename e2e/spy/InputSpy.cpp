// Prints every key and mouse-button event of the session, one line each, as
// the low-level hooks see it, flushed at once so that a test can follow:
//   key <virtual key> <down|up> <scan code> <hook flags> <time us>
//   mouse <left|right|middle|x> <down|up> <time us>
// Numbers are hexadecimal except the time: microseconds of the performance
// counter, the same clock for every process of the session. "ready" comes
// first, once both hooks are in. Runs until it is ended.
#include <windows.h>

#include <cstdio>

namespace {

LARGE_INTEGER frequency;

long long NowUs() {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  return now.QuadPart / frequency.QuadPart * 1'000'000 + now.QuadPart % frequency.QuadPart * 1'000'000 / frequency.QuadPart;
}

LRESULT CALLBACK OnKey(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION) {
    const long long time = NowUs();
    const auto* key = reinterpret_cast<const KBDLLHOOKSTRUCT*>(data);
    const bool up = message == WM_KEYUP || message == WM_SYSKEYUP;
    std::printf("key %02lX %s %02lX %02lX %lld\n", key->vkCode, up ? "up" : "down", key->scanCode, key->flags, time);
    std::fflush(stdout);
  }
  return CallNextHookEx(nullptr, code, message, data);
}

LRESULT CALLBACK OnMouse(int code, WPARAM message, LPARAM data) {
  if (code == HC_ACTION) {
    const long long time = NowUs();
    const char* button = nullptr;
    bool up = false;
    switch (message) {
      case WM_LBUTTONDOWN: button = "left"; break;
      case WM_LBUTTONUP: button = "left"; up = true; break;
      case WM_RBUTTONDOWN: button = "right"; break;
      case WM_RBUTTONUP: button = "right"; up = true; break;
      case WM_MBUTTONDOWN: button = "middle"; break;
      case WM_MBUTTONUP: button = "middle"; up = true; break;
      case WM_XBUTTONDOWN: button = "x"; break;
      case WM_XBUTTONUP: button = "x"; up = true; break;
      default: break;  // moves and wheel turns are not buttons
    }
    if (button) {
      std::printf("mouse %s %s %lld\n", button, up ? "up" : "down", time);
      std::fflush(stdout);
    }
  }
  return CallNextHookEx(nullptr, code, message, data);
}

}  // namespace

int main() {
  QueryPerformanceFrequency(&frequency);
  const HINSTANCE instance = GetModuleHandleW(nullptr);
  const HHOOK keys = SetWindowsHookExW(WH_KEYBOARD_LL, OnKey, instance, 0);
  const HHOOK buttons = SetWindowsHookExW(WH_MOUSE_LL, OnMouse, instance, 0);
  if (!keys || !buttons) {
    std::printf("error: hooks not installed (%lu)\n", GetLastError());
    return 1;
  }
  std::printf("ready\n");
  std::fflush(stdout);
  // Low-level hooks are called on this thread, through its message loop.
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
