#include "EmulatedDevice.h"

#include <dbt.h>

#include <algorithm>
#include <cstddef>
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
    // The path names the mouse's ids, as a real HID interface path does: the
    // program looks for them before it opens anything.
    pipeNames_.push_back(L"\\\\.\\pipe\\tx80-emu-" + std::to_wstring(GetCurrentProcessId()) +
                         L"-hid#vid_18f8&pid_0f99&mi_0" + std::to_wstring(i));
    for (size_t spare = 0; spare < kSpareInstances; ++spare) listening_.push_back(Listen(i));
  }
  if (const char* plugged = std::getenv("TX80_EMU_PLUGGED"); plugged && std::string_view(plugged) == "0") {
    mouse_.Unplug();
  }
  mouse_.OnPlugChange([this](bool plugged) { OnPlugChange(plugged); });
  std::thread([this] { for (;;) AcceptStep(); }).detach();
  std::thread([this] { for (;;) PumpStep(); }).detach();
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

void EmulatedDevice::PumpStep() {
  std::array<uint8_t, EmulatedMouse::kReportLength> report{};
  if (!mouse_.ReadInputReport(report)) {
    mouse_.WaitUntilPlugged();
    return;
  }
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
}

void EmulatedDevice::OnPlugChange(bool plugged) {
  if (!plugged) {
    std::lock_guard lock(connectedMutex_);
    for (auto& instance : connected_) {
      if (instance->writing) {
        DWORD written = 0;
        CancelIoEx(instance->pipe, &instance->write);
        GetOverlappedResult(instance->pipe, &instance->write, &written, TRUE);
      }
      // The client's pending and later reads fail from here on.
      DisconnectNamedPipe(instance->pipe);
      CloseHandle(instance->pipe);
      CloseHandle(instance->connect.hEvent);
      CloseHandle(instance->write.hEvent);
    }
    connected_.clear();
  }
  TellWindows(plugged);
}

std::vector<HWND> EmulatedDevice::ProcessWindows() {
  std::vector<HWND> windows;
  EnumWindows(
      [](HWND window, LPARAM found) -> BOOL {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId()) reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&windows));
  return windows;
}

void EmulatedDevice::TellWindows(bool plugged) {
  const std::vector<HWND> windows = ProcessWindows();
  const WPARAM event = plugged ? DBT_DEVICEARRIVAL : DBT_DEVICEREMOVECOMPLETE;
  for (const std::wstring& path : pipeNames_) {
    // The header, then the path and its null, as the system lays it out.
    std::vector<char> buffer(offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + (path.size() + 1) * sizeof(WCHAR));
    auto* broadcast = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
    broadcast->dbcc_size = static_cast<DWORD>(buffer.size());
    broadcast->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::copy(path.c_str(), path.c_str() + path.size() + 1, broadcast->dbcc_name);
    for (HWND window : windows) {
      SendMessageTimeoutW(window, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(broadcast), SMTO_NORMAL, 10000,
                          nullptr);
    }
  }
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
