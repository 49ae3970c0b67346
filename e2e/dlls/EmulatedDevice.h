#pragma once
#include <windows.h>

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "platform/emulated/EmulatedMouse.h"

namespace tx80::emu {

// The emulated mouse of this process, as the test libraries present it to the
// program: each of its interfaces is a named pipe that the program opens with
// its own CreateFileW and reads with its own ReadFile. One instance per
// process, shared by hid.dll and (through hid.dll's extra export) setupapi.dll.
// Unplugged (control command "unplug", or TX80_EMU_PLUGGED=0 at start), its
// pipes are cut, so pending and later reads fail as a removed device's do,
// enumeration lists nothing, and the process's top-level windows get
// WM_DEVICECHANGE for each interface, as windows registered for HID notices do.
class EmulatedDevice {
 public:
  // Built on first use and never destroyed: its threads run until the process
  // ends, and a destructor at unload would wait for threads already gone.
  static EmulatedDevice& Instance();

  EmulatedMouse& Mouse() { return mouse_; }
  size_t InterfaceCount() const { return mouse_.Interfaces().size(); }
  // The path enumeration reports for interface `index`: a pipe of this process.
  const std::wstring& InterfacePath(size_t index) const { return pipeNames_[index]; }
  // The interface a handle was opened on, found by the pipe's name; null for a
  // handle that is not one of ours.
  const EmulatedMouse::Interface* InterfaceOf(HANDLE handle) const;
  // The top-level windows of this process.
  static std::vector<HWND> ProcessWindows();

 private:
  // A server end of an interface pipe. While listening, `connect` waits for a
  // client; once connected, the input interface's instances get every report.
  struct PipeInstance {
    size_t interfaceIndex = 0;
    HANDLE pipe = INVALID_HANDLE_VALUE;
    OVERLAPPED connect{};
    OVERLAPPED write{};
    bool writing = false;
    std::array<uint8_t, EmulatedMouse::kReportLength> report{};
  };

  EmulatedDevice();
  std::unique_ptr<PipeInstance> Listen(size_t interfaceIndex);
  // Waits for one client to connect and puts a fresh listening instance in its place.
  void AcceptStep();
  // Hands one input report of the mouse to every open handle of the input interface.
  void PumpStep();
  // The cable: cuts every open handle's pipe (removal), then tells the windows.
  void OnPlugChange(bool plugged);
  void TellWindows(bool plugged);

  EmulatedMouse mouse_;
  std::vector<std::wstring> pipeNames_;
  std::vector<std::unique_ptr<PipeInstance>> listening_;  // only the accept thread touches these
  std::mutex connectedMutex_;
  std::vector<std::unique_ptr<PipeInstance>> connected_;
};

}  // namespace tx80::emu
