#include "functions/FunctionCatalog.h"

#include <array>

#include "device/CommandReport.h"

namespace tx80 {

namespace {

constexpr int32_t kCodes = 53;  // 0..52

constexpr FunctionInfo Mouse(uint8_t deviceCode) { return {deviceCode, Performer::Mouse, 0}; }
constexpr FunctionInfo Program(int dpiRole = 0) { return {kReportedDeviceCode, Performer::Program, dpiRole}; }

constexpr std::array<FunctionInfo, kCodes> BuildCatalog() {
  std::array<FunctionInfo, kCodes> catalog{};
  for (int code = 0; code <= 5; ++code) catalog[code] = Mouse(static_cast<uint8_t>(code));
  catalog[function_code::kDpiCycle] = Program(2);
  for (int code = 11; code <= 16; ++code) catalog[code] = Mouse(static_cast<uint8_t>(code - 4));
  catalog[function_code::kDpiUp] = Program(1);
  catalog[function_code::kDpiDown] = Program(-1);
  catalog[function_code::kLedToggle] = Program();
  for (int code = 21; code <= 25; ++code) catalog[code] = Mouse(static_cast<uint8_t>(code - 8));
  for (int code = function_code::kMute; code < kCodes; ++code) catalog[code] = Program();
  return catalog;
}

constexpr std::array<FunctionInfo, kCodes> kCatalog = BuildCatalog();

}  // namespace

FunctionInfo LookupFunction(int32_t code) {
  if (code < 0 || code >= kCodes) return FunctionInfo{};
  return kCatalog[code];
}

}  // namespace tx80
