#include "EmulatedDevice.h"

#include <cstdlib>
#include <string_view>
#include <thread>
#include <utility>

#include "ControlChannel.h"

namespace tx80::emu {

namespace {

// Listening instances kept per interface: the program opens a path twice in a
// row (probe, then read or write), and each open takes one instance.
constexpr size_t kSpareInstances = 4;
constexpr DWORD kPipeBufferBytes = 4096;

// TX80_EMU_ORDER=command,input lists the command collection first; anything
// else keeps the default, input first.
std::vector<EmulatedMouse::Collection> OrderFromEnvironment() {
  using Collection = EmulatedMouse::Collection;
  const char* order = std::getenv("TX80_EMU_ORDER");
  if (order && std::string_view(order).starts_with("command")) return {Collection::Command, Collection::Input};
  return {Collection::Input, Collection::Command};
}

}  // namespace

EmulatedDevice& EmulatedDevice::Instance() {
  static EmulatedDevice* device = new EmulatedDevice();
  return *device;
}

EmulatedDevice::EmulatedDevice() : mouse_(OrderFromEnvironment()) {
  for (size_t i = 0; i < InterfaceCount(); ++i) {
    pipeNames_.push_back(L"\\\\.\\pipe\\tx80-emu-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(i));
    for (size_t spare = 0; spare < kSpareInstances; ++spare) listening_.push_back(Listen(i));
  }
  std::thread([this] { for (;;) AcceptStep(); }).detach();
  std::thread([this] { while (PumpStep()) {} }).detach();
  if (const char* port = std::getenv("TX80_EMU_PORT")) StartControlChannel(mouse_, std::atoi(port));
}

std::unique_ptr<EmulatedDevice::PipeInstance> EmulatedDevice::Listen(size_t interfaceIndex) {
  auto instance = std::make_unique<PipeInstance>();
  instance->interfaceIndex = interfaceIndex;
  instance->pipe = CreateNamedPipeW(pipeNames_[interfaceIndex].c_str(), PIPE_ACCESS_DUPLEX | FILE_FLAG_OVERLAPPED,
                                    PIPE_TYPE_BYTE | PIPE_WAIT, PIPE_UNLIMITED_INSTANCES, kPipeBufferBytes,
                                    kPipeBufferBytes, 0, nullptr);
  instance->connect.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  instance->write.hEvent = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  // A client that came between creation and this call is already connected.
  if (!ConnectNamedPipe(instance->pipe, &instance->connect) && GetLastError() == ERROR_PIPE_CONNECTED) {
    SetEvent(instance->connect.hEvent);
  }
  return instance;
}

void EmulatedDevice::AcceptStep() {
  std::vector<HANDLE> events;
  for (const auto& instance : listening_) events.push_back(instance->connect.hEvent);
  const DWORD signalled = WaitForMultipleObjects(static_cast<DWORD>(events.size()), events.data(), FALSE, INFINITE);
  if (signalled >= WAIT_OBJECT_0 + events.size()) return;
  auto& slot = listening_[signalled - WAIT_OBJECT_0];
  auto replacement = Listen(slot->interfaceIndex);
  std::lock_guard lock(connectedMutex_);
  connected_.push_back(std::exchange(slot, std::move(replacement)));
}

bool EmulatedDevice::PumpStep() {
  std::array<uint8_t, EmulatedMouse::kReportLength> report{};
  if (!mouse_.ReadInputReport(report)) return false;
  std::lock_guard lock(connectedMutex_);
  for (auto& instance : connected_) {
    if (mouse_.Interfaces()[instance->interfaceIndex].collection != EmulatedMouse::Collection::Input) continue;
    // Like a full HID ring buffer, a handle that does not read (the probe
    // handle) loses reports instead of holding up the others.
    if (instance->writing && !HasOverlappedIoCompleted(&instance->write)) continue;
    instance->report = report;
    ResetEvent(instance->write.hEvent);
    instance->writing = WriteFile(instance->pipe, instance->report.data(), static_cast<DWORD>(report.size()), nullptr,
                                  &instance->write) ||
                        GetLastError() == ERROR_IO_PENDING;
  }
  return true;
}

const EmulatedMouse::Interface* EmulatedDevice::InterfaceOf(HANDLE handle) const {
  // The name of a pipe handle is the pipe's path after "\\.\pipe".
  alignas(FILE_NAME_INFO) char buffer[sizeof(FILE_NAME_INFO) + MAX_PATH * sizeof(WCHAR)];
  if (!GetFileInformationByHandleEx(handle, FileNameInfo, buffer, sizeof buffer)) return nullptr;
  const auto* info = reinterpret_cast<const FILE_NAME_INFO*>(buffer);
  const std::wstring_view name(info->FileName, info->FileNameLength / sizeof(WCHAR));
  constexpr std::wstring_view kPipePrefix = L"\\\\.\\pipe";
  for (size_t i = 0; i < pipeNames_.size(); ++i) {
    if (std::wstring_view(pipeNames_[i]).substr(kPipePrefix.size()) == name) return &mouse_.Interfaces()[i];
  }
  return nullptr;
}

}  // namespace tx80::emu
