#include "platform/emulated/EmulatedMouse.h"

#include <cstdio>
#include <sstream>

namespace tx80 {

namespace {

constexpr uint8_t kCommandReportId = 0x07;
constexpr uint8_t kButtonReportId = 0x06;
constexpr uint8_t kButtonCommand = 0x10;
constexpr uint8_t kDpiLedCommand = 0x09;
constexpr uint8_t kWheelCommand = 0x11;
constexpr uint8_t kFireTimeCommand = 0x12;
constexpr uint8_t kReportedCode = 31;

std::string Hex(std::span<const uint8_t> bytes) {
  std::string text;
  char byte[4];
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    std::snprintf(byte, sizeof byte, i ? " %02X" : "%02X", bytes[i]);
    text += byte;
  }
  return text;
}

std::string Value(const std::optional<uint8_t>& value) { return value ? std::to_string(*value) : "-"; }

}  // namespace

EmulatedMouse::EmulatedMouse(std::vector<Collection> order) {
  int index = 0;
  for (Collection collection : order) {
    const bool input = collection == Collection::Input;
    std::u16string path = u"\\\\?\\hid#vid_18f8&pid_0f99&mi_0" + std::u16string(1, char16_t(u'0' + index++)) +
                          (input ? u"#input" : u"#command");
    interfaces_.push_back(Interface{collection, std::move(path), uint16_t(input ? 0xFF00 : 0xFF01), 1,
                                    uint16_t(input ? kReportLength : 0), uint16_t(input ? 0 : kReportLength)});
  }
}

void EmulatedMouse::ReceiveFeatureReport(std::span<const uint8_t> report) {
  std::lock_guard lock(mutex_);
  received_.emplace_back(report.begin(), report.end());
  if (report.size() < 4 || report[0] != kCommandReportId) return;
  switch (report[1]) {
    case kButtonCommand:
      if (report[2] >= 1 && report[2] <= kButtons) state_.buttonCode[report[2] - 1] = report[3];
      break;
    case kDpiLedCommand:
      state_.dpiLevel = report[2];
      state_.dpiStep = static_cast<uint8_t>((report[3] >> 4) - 8);
      state_.led = static_cast<uint8_t>(report[3] & 0x0F);
      break;
    case kWheelCommand:
      state_.wheel = report[2];
      break;
    case kFireTimeCommand:
      state_.fire = report[2];
      break;
    default:
      break;
  }
}

bool EmulatedMouse::ReadInputReport(std::span<uint8_t> buffer, uint32_t plugging) {
  std::unique_lock lock(mutex_);
  reportReady_.wait(lock, [&] { return unplugged_ || plugging != plugging_ || !pending_.empty(); });
  if (unplugged_ || plugging != plugging_) return false;
  const auto report = pending_.front();
  pending_.pop_front();
  for (std::size_t i = 0; i < buffer.size(); ++i) buffer[i] = i < report.size() ? report[i] : 0;
  return true;
}

void EmulatedMouse::Queue(std::array<uint8_t, kReportLength> report) {
  pending_.push_back(report);
  reportReady_.notify_all();
}

void EmulatedMouse::Press(int button) {
  std::lock_guard lock(mutex_);
  if (unplugged_ || button < 1 || button > kButtons || state_.buttonCode[button - 1] != kReportedCode) return;
  Queue({kButtonReportId, static_cast<uint8_t>(0xF0 + button)});
}

void EmulatedMouse::Release(int button) {
  std::lock_guard lock(mutex_);
  if (unplugged_ || button < 1 || button > kButtons || state_.buttonCode[button - 1] != kReportedCode) return;
  Queue({kButtonReportId, 0});
}

uint32_t EmulatedMouse::Plugging() const {
  std::lock_guard lock(mutex_);
  return plugging_;
}

bool EmulatedMouse::Plugged() const {
  std::lock_guard lock(mutex_);
  return !unplugged_;
}

void EmulatedMouse::WaitUntilPlugged() {
  std::unique_lock lock(mutex_);
  reportReady_.wait(lock, [&] { return !unplugged_; });
}

void EmulatedMouse::Unplug() {
  std::function<void(bool)> listener;
  {
    std::lock_guard lock(mutex_);
    if (unplugged_) return;
    unplugged_ = true;
    pending_.clear();
    listener = plugListener_;
    reportReady_.notify_all();
  }
  if (listener) listener(false);
}

void EmulatedMouse::Plug() {
  std::function<void(bool)> listener;
  {
    std::lock_guard lock(mutex_);
    if (!unplugged_) return;
    unplugged_ = false;
    ++plugging_;
    // A mouse that lost its power forgets what it was told.
    state_ = State{};
    listener = plugListener_;
    reportReady_.notify_all();
  }
  if (listener) listener(true);
}

void EmulatedMouse::OnPlugChange(std::function<void(bool plugged)> listener) {
  std::lock_guard lock(mutex_);
  plugListener_ = std::move(listener);
}

std::vector<std::vector<uint8_t>> EmulatedMouse::Reports() const {
  std::lock_guard lock(mutex_);
  return received_;
}

void EmulatedMouse::ClearReports() {
  std::lock_guard lock(mutex_);
  received_.clear();
}

EmulatedMouse::State EmulatedMouse::GetState() const {
  std::lock_guard lock(mutex_);
  return state_;
}

std::vector<std::string> EmulatedMouse::Control(const std::string& line) {
  std::istringstream words(line);
  std::string command;
  words >> command;
  std::vector<std::string> answer;
  if (command == "press" || command == "release") {
    int button = 0;
    words >> button;
    command == "press" ? Press(button) : Release(button);
  } else if (command == "reports") {
    for (const auto& report : Reports()) answer.push_back(Hex(report));
  } else if (command == "clear") {
    ClearReports();
  } else if (command == "unplug" || command == "plug") {
    command == "unplug" ? Unplug() : Plug();
    answer.push_back("ok");
  } else if (command == "state") {
    const State state = GetState();
    for (int n = 1; n <= kButtons; ++n) answer.push_back("button " + std::to_string(n) + "=" + Value(state.buttonCode[n - 1]));
    answer.push_back("wheel=" + Value(state.wheel));
    answer.push_back("dpi_level=" + Value(state.dpiLevel));
    answer.push_back("dpi_step=" + Value(state.dpiStep));
    answer.push_back("led=" + Value(state.led));
    answer.push_back("fire=" + Value(state.fire));
  }
  return answer;
}

}  // namespace tx80
