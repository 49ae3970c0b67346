#include "device/CommandReport.h"

#include <algorithm>

#include "platform/HidBus.h"

namespace tx80 {

CommandReport::CommandReport(HidBus& hid, DeviceLink& link) : hid_(hid), link_(link), buffer_(kBufferSize, 0) {}

void CommandReport::Send(const CommandBytes& command) {
  const DeviceHandles handles = link_.Handles();
  std::lock_guard lock(mutex_);
  // A collection that declares a longer report gets it zero-filled beyond what
  // the commands write, instead of a read past the buffer.
  const std::size_t length = handles.CommandCaps.featureReportByteLength;
  if (length > buffer_.size()) buffer_.resize(length, 0);
  buffer_[0] = CommandBytes::kReportId;
  buffer_[1] = command.command;
  buffer_[2] = command.first;
  buffer_[3] = command.second;
  if (command.clearsTail) std::fill(buffer_.begin() + 4, buffer_.begin() + 8, 0);
  hid_.SetFeature(handles.CommandHandle, std::span<const uint8_t>(buffer_.data(), length));
}

void CommandReport::SendIfOpen(const CommandBytes& command) {
  if (link_.Handles().CommandHandle == kInvalidHidHandle) return;
  Send(command);
}

}  // namespace tx80
