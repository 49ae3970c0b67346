// The least a driver can do, to time TX80.exe's driver against: has the mouse
// report its button 5 (command collection, usage page 0xFF01), opens its input
// collection (usage page 0xFF00) as the program does, blocks in its read, and
// for every button press report injects one key (K, down and up) at once, on
// the same thread. Runs until it is ended.
#include <windows.h>
#include <setupapi.h>

extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <cstdio>
#include <iterator>

namespace {

constexpr USHORT kInputUsagePage = 0xFF00;
constexpr USHORT kCommandUsagePage = 0xFF01;
// Button command: button 5 gets device code 31, "report it to the host".
constexpr BYTE kReportButton5[] = {0x07, 0x10, 0x05, 0x1F};
constexpr BYTE kButtonReportId = 6;
constexpr BYTE kFirstPressCode = 0xF1;
constexpr WORD kKey = 'K';

// The collection of that usage page, and the length of its input report (or,
// for the command collection, of its feature report).
HANDLE OpenCollection(USHORT usagePage, USHORT& reportLength) {
  GUID hid;
  HidD_GetHidGuid(&hid);
  const HDEVINFO devices = SetupDiGetClassDevsW(&hid, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
  if (devices == INVALID_HANDLE_VALUE) return INVALID_HANDLE_VALUE;
  HANDLE found = INVALID_HANDLE_VALUE;
  SP_DEVICE_INTERFACE_DATA entry{};
  entry.cbSize = sizeof entry;
  for (DWORD i = 0; found == INVALID_HANDLE_VALUE && SetupDiEnumDeviceInterfaces(devices, nullptr, &hid, i, &entry); ++i) {
    alignas(8) BYTE buffer[1024];
    auto* detail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer);
    detail->cbSize = sizeof *detail;
    if (!SetupDiGetDeviceInterfaceDetailW(devices, &entry, detail, sizeof buffer, nullptr, nullptr)) continue;
    const HANDLE device = CreateFileW(detail->DevicePath, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                      nullptr, OPEN_EXISTING, 0, nullptr);
    if (device == INVALID_HANDLE_VALUE) continue;
    PHIDP_PREPARSED_DATA preparsed = nullptr;
    HIDP_CAPS caps{};
    if (HidD_GetPreparsedData(device, &preparsed)) {
      HidP_GetCaps(preparsed, &caps);
      HidD_FreePreparsedData(preparsed);
    }
    if (caps.UsagePage == usagePage) {
      found = device;
      reportLength = usagePage == kInputUsagePage ? caps.InputReportByteLength : caps.FeatureReportByteLength;
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
  USHORT featureLength = 0;
  const HANDLE command = OpenCollection(kCommandUsagePage, featureLength);
  BYTE feature[512] = {};
  std::copy(std::begin(kReportButton5), std::end(kReportButton5), feature);
  if (command == INVALID_HANDLE_VALUE || featureLength < sizeof kReportButton5 || featureLength > sizeof feature ||
      !HidD_SetFeature(command, feature, featureLength)) {
    std::printf("error: the command collection did not take the button command\n");
    return 1;
  }
  USHORT length = 0;
  const HANDLE device = OpenCollection(kInputUsagePage, length);
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
