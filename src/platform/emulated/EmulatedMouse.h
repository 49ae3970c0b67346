#pragma once
#include <array>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tx80 {

// A model of the mouse as the program meets it: two vendor HID collections, a
// memory of what each command set, and button reports for the buttons it was
// told to report. The simulated backend and the test-only HID libraries used
// under Wine share it, so both see the same device.
class EmulatedMouse {
 public:
  static constexpr uint16_t kVendorId = 0x18F8;
  static constexpr uint16_t kProductId = 0x0F99;
  static constexpr uint16_t kReportLength = 8;
  static constexpr int kButtons = 8;

  enum class Collection { Input, Command };
  struct Interface {
    Collection collection;
    std::u16string path;
    uint16_t usagePage;
    uint16_t usage;
    uint16_t inputReportByteLength;
    uint16_t featureReportByteLength;
  };

  // The last value each command gave; empty until one arrives.
  struct State {
    std::array<std::optional<uint8_t>, kButtons> buttonCode;  // device buttons 1..8
    std::optional<uint8_t> wheel;
    std::optional<uint8_t> dpiLevel;
    std::optional<uint8_t> dpiStep;
    std::optional<uint8_t> led;
    std::optional<uint8_t> fire;
  };

  // The collections in the order enumeration lists them.
  explicit EmulatedMouse(std::vector<Collection> order = {Collection::Input, Collection::Command});

  const std::vector<Interface>& Interfaces() const { return interfaces_; }

  // Host side: a feature report written to the command collection.
  void ReceiveFeatureReport(std::span<const uint8_t> report);
  // Host side: waits for the next input report; false once unplugged. A
  // handle opened before a removal stays dead after the mouse comes back, so
  // a read names the plugging it was opened in (Plugging()).
  bool ReadInputReport(std::span<uint8_t> buffer, uint32_t plugging);
  bool ReadInputReport(std::span<uint8_t> buffer) { return ReadInputReport(buffer, Plugging()); }
  // Counts the times the mouse was plugged in; changes at every Plug.
  uint32_t Plugging() const;
  bool Plugged() const;
  // Blocks until the mouse is plugged in.
  void WaitUntilPlugged();

  // Physical side.
  void Press(int button);
  void Release(int button);
  // Wakes every waiting reader; reads fail from now on, and the reports not
  // yet read are lost, as a removed device's are.
  void Unplug();
  void Plug();
  // Told of every Unplug and Plug after it took effect (true: plugged), on the
  // caller's thread, outside the mouse's lock: the bus that lists the mouse
  // sends the system's device notices from here.
  void OnPlugChange(std::function<void(bool plugged)> listener);

  std::vector<std::vector<uint8_t>> Reports() const;
  void ClearReports();
  State GetState() const;

  // The line protocol of the control channel (press N, release N, reports,
  // clear, state, unplug, plug); returns the answer lines, without the closing ".".
  std::vector<std::string> Control(const std::string& line);

 private:
  void Queue(std::array<uint8_t, kReportLength> report);

  std::vector<Interface> interfaces_;
  mutable std::mutex mutex_;
  std::condition_variable reportReady_;
  std::deque<std::array<uint8_t, kReportLength>> pending_;
  std::vector<std::vector<uint8_t>> received_;
  State state_;
  bool unplugged_ = false;
  uint32_t plugging_ = 1;
  std::function<void(bool)> plugListener_;
};

}  // namespace tx80
