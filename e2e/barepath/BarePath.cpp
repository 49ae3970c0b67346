// The least a driver can do, to time TX80.exe's driver against: opens the
// mouse's input collection (usage page 0xFF00) as the program does, blocks in
// its read, and for every button press report injects one key (K, down and
// up) at once, on the same thread. Runs until it is ended.
#include <windows.h>
#include <setupapi.h>

extern "C" {
#include <hidsdi.h>
}

#include <cstdio>

namespace {

constexpr USHORT kInputUsagePage = 0xFF00;
constexpr BYTE kButtonReportId = 6;
constexpr BYTE kFirstPressCode = 0xF1;
constexpr WORD kKey = 'K';

HANDLE OpenInputCollection(USHORT& reportLength) {
  GUID hid;
  HidD_GetHidGuid(&hid);
  const HDEVINFO devices = SetupDiGetClassDevsW(&hid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (devices == INVALID_HANDLE_VALUE) return INVALID_HANDLE_VALUE;
  HANDLE found = INVALID_HANDLE_VALUE;
  SP_DEVICE_INTERFACE_DATA interface{sizeof interface};
  for (DWORD i = 0; found == INVALID_HANDLE_VALUE && SetupDiEnumDeviceInterfaces(devices, nullptr, &hid, i, &interface); ++i) {
    alignas(8) BYTE buffer[1024];
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer);
    detail->cbSize = sizeof *detail;
    if (!SetupDiGetDeviceInterfaceDetailW(devices, &interface, detail, sizeof buffer, nullptr, nullptr)) continue;
    const HANDLE device = CreateFileW(detail->DevicePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE) continue;
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    HIDP_CAPS caps{};
    if (HidD_GetPreparsedData(device, &preparsed)) {
      HidP_GetCaps(preparsed, &caps);
      HidD_FreePreparsedData(preparsed);
    }
    if (caps.UsagePage == kInputUsagePage) {
      found = device;
      reportLength = caps.InputReportByteLength;
    } else {
      CloseHandle(device);
    }
  }
  SetupDiDestroyDeviceInfoList(devices);
  return found;
}

void Inject(WORD key, bool up) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
  SendInput(1, &input, sizeof input);
}

}  // namespace

int main() {
  USHORT length = 0;
  const HANDLE device = OpenInputCollection(length);
  if (device == INVALID_HANDLE_VALUE || length < 2 || length > 64) {
    std::printf("error: no input collection\n");
    return 1;
  }
  SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_HIGHEST);  // as the driver's reader
  std::printf("ready\n");
  std::fflush(stdout);
  BYTE report[64];
  for (DWORD read = 0; ReadFile(device, report, length, &read, nullptr);) {
    if (read >= 2 && report[0] == kButtonReportId && report[1] >= kFirstPressCode) {
      Inject(kKey, false);
      Inject(kKey, true);
    }
  }
  return 0;
}
