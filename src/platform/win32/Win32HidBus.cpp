#include "platform/win32/Win32HidBus.h"

#include <dbt.h>
// The HID headers declare C functions without saying so to a C++ compiler.
extern "C" {
#include <hidsdi.h>
}

#include <memory>

#include "platform/win32/WideText.h"
#include "platform/win32/Win32WindowHost.h"

namespace tx80 {

namespace {

HANDLE ToHandle(HidHandle handle) { return reinterpret_cast<HANDLE>(handle); }

}  // namespace

Win32HidBus::Win32HidBus() { HidD_GetHidGuid(&hidClass_); }

void Win32HidBus::BeginEnumeration() {
  deviceSet_ = SetupDiGetClassDevsW(&hidClass_, nullptr, nullptr, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
}

void Win32HidBus::EndEnumeration() {
  if (deviceSet_ != INVALID_HANDLE_VALUE) SetupDiDestroyDeviceInfoList(deviceSet_);
  deviceSet_ = INVALID_HANDLE_VALUE;
}

HidListing Win32HidBus::InterfaceAt(int index) {
  const HidListing kFailed{HidListing::Kind::Failed, {}};
  SP_DEVICE_INTERFACE_DATA data{};
  data.cbSize = sizeof data;
  if (!SetupDiEnumDeviceInterfaces(deviceSet_, nullptr, &hidClass_, static_cast<DWORD>(index), &data)) {
    return GetLastError() == ERROR_NO_MORE_ITEMS ? HidListing{} : kFailed;
  }
  DWORD required = 0;
  SetupDiGetDeviceInterfaceDetailW(deviceSet_, &data, nullptr, 0, &required, nullptr);
  if (required < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return kFailed;
  // new[] of the detail type keeps its alignment; the path runs past the fixed part.
  const size_t count = (required + sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W) - 1) / sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  auto detail = std::make_unique<SP_DEVICE_INTERFACE_DETAIL_DATA_W[]>(count);
  // The size field counts only the fixed part, not the path that follows it.
  detail[0].cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
  if (!SetupDiGetDeviceInterfaceDetailW(deviceSet_, &data, detail.get(), required, nullptr, nullptr)) return kFailed;
  return {HidListing::Kind::Interface, FromWide(detail[0].DevicePath)};
}

HidHandle Win32HidBus::Open(const std::u16string& path, HidAccess access) {
  DWORD rights = 0;
  if (access == HidAccess::Read) rights = GENERIC_READ;
  if (access == HidAccess::Write) rights = GENERIC_WRITE;
  const HANDLE handle = CreateFileW(ToWide(path).c_str(), rights, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return kInvalidHidHandle;
  return reinterpret_cast<HidHandle>(handle);
}

std::optional<HidAttributes> Win32HidBus::Attributes(HidHandle handle) {
  HIDD_ATTRIBUTES attributes{};
  attributes.Size = sizeof attributes;
  if (!HidD_GetAttributes(ToHandle(handle), &attributes)) return std::nullopt;
  return HidAttributes{attributes.VendorID, attributes.ProductID};
}

std::optional<HidCaps> Win32HidBus::Capabilities(HidHandle handle) {
  PHIDP_PREPARSED_DATA preparsed = nullptr;
  if (!HidD_GetPreparsedData(ToHandle(handle), &preparsed)) return std::nullopt;
  HIDP_CAPS caps{};
  const NTSTATUS status = HidP_GetCaps(preparsed, &caps);
  HidD_FreePreparsedData(preparsed);
  if (status != HIDP_STATUS_SUCCESS) return std::nullopt;
  return HidCaps{caps.UsagePage, caps.Usage, caps.InputReportByteLength, caps.FeatureReportByteLength};
}

bool Win32HidBus::SetFeature(HidHandle handle, std::span<const uint8_t> report) {
  // The system's declaration takes a non-const buffer; it only reads it.
  return HidD_SetFeature(ToHandle(handle), const_cast<uint8_t*>(report.data()), static_cast<ULONG>(report.size()));
}

void Win32HidBus::Close(HidHandle handle) {
  if (handle != 0 && handle != kInvalidHidHandle) CloseHandle(ToHandle(handle));
}

bool Win32HidBus::Read(HidHandle handle, std::span<uint8_t> buffer) {
  DWORD received = 0;
  return ReadFile(ToHandle(handle), buffer.data(), static_cast<DWORD>(buffer.size()), &received, nullptr);
}

void Win32HidBus::RegisterNotifications(WindowHost& window) {
  DEV_BROADCAST_DEVICEINTERFACE_W filter{};
  filter.dbcc_size = sizeof filter;
  filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
  filter.dbcc_classguid = hidClass_;
  RegisterDeviceNotificationW(WindowHandle(&window), &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
}

}  // namespace tx80
