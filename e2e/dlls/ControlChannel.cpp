#include "ControlChannel.h"

#include <winsock2.h>
#include <ws2tcpip.h>
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <cstdio>
#include <functional>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "EmulatedDevice.h"

namespace tx80::emu {

namespace {

bool SendAll(SOCKET socket, const std::string& text) {
  for (size_t sent = 0; sent < text.size();) {
    const int n = send(socket, text.data() + sent, static_cast<int>(text.size() - sent), 0);
    if (n <= 0) return false;
    sent += static_cast<size_t>(n);
  }
  return true;
}

// Microseconds of the performance counter, the clock the input spy prints.
long long NowUs() {
  LARGE_INTEGER frequency, now;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&now);
  return now.QuadPart / frequency.QuadPart * 1'000'000 + now.QuadPart % frequency.QuadPart * 1'000'000 / frequency.QuadPart;
}

int ThreadsOfThisProcess() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return -1;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry))
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  CloseHandle(snapshot);
  return count;
}

// What the program holds, for a test that looks for leaks over many cycles.
std::vector<std::string> ProcessFigures() {
  DWORD handles = 0;
  GetProcessHandleCount(GetCurrentProcess(), &handles);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  K32GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof memory);
  // The lowest free slot of the handle table, which leaked handles push up:
  // Wine answers the count with 0.
  const HANDLE probe = CreateEventW(nullptr, FALSE, FALSE, nullptr);
  const auto slot = reinterpret_cast<uintptr_t>(probe);
  CloseHandle(probe);
  return {"handles=" + std::to_string(handles), "handle_slot=" + std::to_string(slot),
          "threads=" + std::to_string(ThreadsOfThisProcess()), "memory=" + std::to_string(memory.WorkingSetSize)};
}

void Post(std::istringstream& words) {
  unsigned long message = 0, wParam = 0;
  words >> message >> wParam;
  for (HWND window : EmulatedDevice::ProcessWindows()) PostMessageW(window, static_cast<UINT>(message), wParam, 0);
}

// Answers one command; false when the connection is to close. A press is
// answered with the moment its report was handed to the mouse ("time <us>"),
// so that a test times what follows without the channel's round trip.
bool Answer(SOCKET socket, EmulatedMouse& mouse, std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const bool quit = line == "quit";
  std::string answer;
  std::istringstream words(line);
  std::string command;
  words >> command;
  std::vector<std::string> lines;
  if (command == "process") {
    lines = ProcessFigures();
  } else if (command == "post") {
    Post(words);
  } else if (!quit) {
    const long long before = NowUs();
    lines = mouse.Control(line);
    if (command == "press") lines.push_back("time " + std::to_string(before));
  }
  for (const std::string& answerLine : lines) answer += answerLine + "\n";
  answer += ".\n";
  return SendAll(socket, answer) && !quit;
}

void Serve(SOCKET socket, EmulatedMouse& mouse) {
  std::string pending;
  char chunk[512];
  for (bool open = true; open;) {
    const int n = recv(socket, chunk, sizeof chunk, 0);
    if (n <= 0) break;
    pending.append(chunk, static_cast<size_t>(n));
    for (size_t end; open && (end = pending.find('\n')) != std::string::npos;) {
      open = Answer(socket, mouse, pending.substr(0, end));
      pending.erase(0, end + 1);
    }
  }
  closesocket(socket);
}

}  // namespace

void StartControlChannel(EmulatedMouse& mouse, int port) {
  WSADATA data;
  if (WSAStartup(MAKEWORD(2, 2), &data) != 0) return;
  const SOCKET listener = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(static_cast<u_short>(port));
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (listener == INVALID_SOCKET || bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
      listen(listener, SOMAXCONN) != 0) {
    std::fprintf(stderr, "tx80 emulated mouse: cannot listen on port %d\n", port);
    return;
  }
  std::thread([listener, &mouse] {
    for (SOCKET client; (client = accept(listener, nullptr, nullptr)) != INVALID_SOCKET;) {
      std::thread(Serve, client, std::ref(mouse)).detach();
    }
  }).detach();
}

}  // namespace tx80::emu
