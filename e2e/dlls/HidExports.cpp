// The functions of hid.dll that the program imports, answered by the emulated
// mouse for handles opened on its interface pipes.
#include <windows.h>

// The HID headers declare C functions without saying so to a C++ compiler.
extern "C" {
#include <hidsdi.h>
}

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "EmulatedDevice.h"
#include "EmulatorExports.h"

using tx80::EmulatedMouse;
using tx80::emu::EmulatedDevice;

// The opaque block behind PHIDP_PREPARSED_DATA: the capabilities of one interface.
struct _HIDP_PREPARSED_DATA {
  static constexpr uint32_t kMagic = 0x54583830;  // "TX80"
  uint32_t magic = kMagic;
  HIDP_CAPS caps{};
};

namespace {

const EmulatedMouse::Interface* InterfaceOf(HANDLE handle) {
  const auto* found = EmulatedDevice::Instance().InterfaceOf(handle);
  if (!found) SetLastError(ERROR_INVALID_HANDLE);
  return found;
}

// TX80_EMU_REPORT_LOG names a file that gets every feature report the program
// sends, one hex line each, so a test can see what reached the mouse even after
// the program has ended.
void LogFeatureReport(const uint8_t* report, ULONG length) {
  const char* path = std::getenv("TX80_EMU_REPORT_LOG");
  if (!path) return;
  if (FILE* log = std::fopen(path, "a")) {
    for (ULONG i = 0; i < length; ++i) std::fprintf(log, i ? " %02X" : "%02X", report[i]);
    std::fputc('\n', log);
    std::fclose(log);
  }
}

}  // namespace

extern "C" {

DWORD WINAPI Tx80EmuInterfacePath(DWORD index, WCHAR* path, DWORD capacity) {
  EmulatedDevice& device = EmulatedDevice::Instance();
  if (index >= device.InterfaceCount() || !device.Mouse().Plugged()) return 0;
  const std::wstring& name = device.InterfacePath(index);
  if (path && capacity > name.size()) std::copy(name.c_str(), name.c_str() + name.size() + 1, path);
  return static_cast<DWORD>(name.size());
}

void NTAPI HidD_GetHidGuid(LPGUID hidGuid) {
  EmulatedDevice::Instance();  // the control channel opens as soon as the program starts with HID
  *hidGuid = GUID{0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
}

BOOLEAN NTAPI HidD_GetAttributes(HANDLE device, PHIDD_ATTRIBUTES attributes) {
  if (!InterfaceOf(device)) return FALSE;
  attributes->Size = sizeof *attributes;
  attributes->VendorID = EmulatedMouse::kVendorId;
  attributes->ProductID = EmulatedMouse::kProductId;
  attributes->VersionNumber = 0x0100;
  return TRUE;
}

BOOLEAN NTAPI HidD_GetPreparsedData(HANDLE device, PHIDP_PREPARSED_DATA* preparsed) {
  const auto* found = InterfaceOf(device);
  if (!found) return FALSE;
  auto* data = new _HIDP_PREPARSED_DATA;
  data->caps.UsagePage = found->usagePage;
  data->caps.Usage = found->usage;
  data->caps.InputReportByteLength = found->inputReportByteLength;
  data->caps.FeatureReportByteLength = found->featureReportByteLength;
  *preparsed = data;
  return TRUE;
}

BOOLEAN NTAPI HidD_FreePreparsedData(PHIDP_PREPARSED_DATA preparsed) {
  if (!preparsed || preparsed->magic != _HIDP_PREPARSED_DATA::kMagic) return FALSE;
  preparsed->magic = 0;
  delete preparsed;
  return TRUE;
}

NTSTATUS NTAPI HidP_GetCaps(PHIDP_PREPARSED_DATA preparsed, PHIDP_CAPS caps) {
  if (!preparsed || preparsed->magic != _HIDP_PREPARSED_DATA::kMagic) return HIDP_STATUS_INVALID_PREPARSED_DATA;
  *caps = preparsed->caps;
  return HIDP_STATUS_SUCCESS;
}

BOOLEAN NTAPI HidD_SetFeature(HANDLE device, PVOID report, ULONG length) {
  const auto* found = InterfaceOf(device);
  if (!found) return FALSE;
  if (!EmulatedDevice::Instance().Mouse().Plugged()) {
    SetLastError(ERROR_DEVICE_NOT_CONNECTED);
    return FALSE;
  }
  // Like the system's HID driver: only a collection with feature reports takes
  // one, and only of exactly its length.
  if (found->featureReportByteLength == 0 || length != found->featureReportByteLength) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  LogFeatureReport(static_cast<const uint8_t*>(report), length);
  EmulatedDevice::Instance().Mouse().ReceiveFeatureReport({static_cast<const uint8_t*>(report), length});
  return TRUE;
}

}  // extern "C"
