#include "ControlChannel.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <cstdio>
#include <functional>
#include <string>
#include <thread>

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

// Answers one command; false when the connection is to close. A press is
// answered with the moment its report was handed to the mouse ("time <us>"),
// so that a test times what follows without the channel's round trip.
bool Answer(SOCKET socket, EmulatedMouse& mouse, std::string line) {
  if (!line.empty() && line.back() == '\r') line.pop_back();
  const bool quit = line == "quit";
  std::string answer;
  if (!quit) {
    const long long before = NowUs();
    for (const std::string& answerLine : mouse.Control(line)) answer += answerLine + "\n";
    if (line.rfind("press ", 0) == 0) answer += "time " + std::to_string(before) + "\n";
  }
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
