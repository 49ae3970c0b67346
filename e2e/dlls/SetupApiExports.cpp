// The functions of setupapi.dll that the program imports: a device set of the
// HID class holds the interfaces of the emulated mouse (from hid.dll), any
// other class is empty.
#define _SETUPAPI_  // this library defines the functions setupapi.h declares
#include <windows.h>

#include <setupapi.h>

#include <cstddef>
#include <cstring>
#include <string>

#include "EmulatorExports.h"

namespace {

const GUID kHidClass{0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};

struct DeviceSet {
  static constexpr uint32_t kMagic = 0x53455430;  // "SET0"
  uint32_t magic = kMagic;
  bool hid = false;
};

DeviceSet* SetOf(HDEVINFO handle) {
  auto* set = static_cast<DeviceSet*>(handle);
  if (handle == INVALID_HANDLE_VALUE || !set || set->magic != DeviceSet::kMagic) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return set;
}

BOOL Fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

}  // namespace

extern "C" {

HDEVINFO WINAPI SetupDiGetClassDevsW(const GUID* classGuid, PCWSTR, HWND, DWORD flags) {
  auto* set = new DeviceSet;
  set->hid = classGuid && (flags & DIGCF_DEVICEINTERFACE) && std::memcmp(classGuid, &kHidClass, sizeof kHidClass) == 0;
  return set;
}

BOOL WINAPI SetupDiDestroyDeviceInfoList(HDEVINFO handle) {
  DeviceSet* set = SetOf(handle);
  if (!set) return FALSE;
  set->magic = 0;
  delete set;
  return TRUE;
}

BOOL WINAPI SetupDiEnumDeviceInterfaces(HDEVINFO handle, PSP_DEVINFO_DATA, const GUID* classGuid, DWORD index,
                                        PSP_DEVICE_INTERFACE_DATA data) {
  const DeviceSet* set = SetOf(handle);
  if (!set) return FALSE;
  if (!data || data->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
  const bool hid = set->hid && classGuid && std::memcmp(classGuid, &kHidClass, sizeof kHidClass) == 0;
  if (!hid || Tx80EmuInterfacePath(index, nullptr, 0) == 0) return Fail(ERROR_NO_MORE_ITEMS);
  data->InterfaceClassGuid = kHidClass;
  data->Flags = SPINT_ACTIVE;
  data->Reserved = index + 1;  // which interface, for the detail call
  return TRUE;
}

BOOL WINAPI SetupDiGetDeviceInterfaceDetailW(HDEVINFO handle, PSP_DEVICE_INTERFACE_DATA data,
                                             PSP_DEVICE_INTERFACE_DETAIL_DATA_W detail, DWORD detailSize,
                                             PDWORD requiredSize, PSP_DEVINFO_DATA) {
  if (!SetOf(handle)) return FALSE;
  if (!data || data->Reserved == 0) return Fail(ERROR_INVALID_PARAMETER);
  const DWORD index = static_cast<DWORD>(data->Reserved - 1);
  const DWORD length = Tx80EmuInterfacePath(index, nullptr, 0);
  if (length == 0) return Fail(ERROR_NO_SUCH_DEVICE_INTERFACE);
  // As the system computes it: the fixed part up to the path, then the path and its null.
  const DWORD required = static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath) +
                                            (length + 1) * sizeof(WCHAR));
  if (requiredSize) *requiredSize = required;
  if (!detail) return Fail(detailSize ? ERROR_INVALID_USER_BUFFER : ERROR_INSUFFICIENT_BUFFER);
  if (detail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return Fail(ERROR_INVALID_USER_BUFFER);
  if (detailSize < required) return Fail(ERROR_INSUFFICIENT_BUFFER);
  Tx80EmuInterfacePath(index, detail->DevicePath, length + 1);
  return TRUE;
}

}  // extern "C"
