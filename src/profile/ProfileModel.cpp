#include "profile/ProfileModel.h"

#include <algorithm>

namespace tx80 {

namespace {

bool IsLevel(int level) { return level >= 0 && level < kDpiLevelCount; }

void RecomputeStepRegions(ProfileState& state) {
  for (int j = 0; j < kDpiLevelCount; ++j)
    state.DpiStepRegion[j] = state.fields.DPI_SET[j] + kFirstDpiStepRegion + kDpiStepCount * j;
}

// At least one button keeps the left click: after slot `slot` got a new
// function, give the left click to the next slot (slot 7 keeps it itself).
void KeepLeftClick(ProfileFields& fields, int slot) {
  if (HasLeftClick(fields)) return;
  const int target = slot == kButtonSlotCount ? kButtonSlotCount : slot + 1;
  fields.K[target - 1] = kLeftClick;
}

}  // namespace

bool HasLeftClick(const ProfileFields& fields) { return std::ranges::find(fields.K, kLeftClick) != fields.K.end(); }

bool HasDpiLevelOn(const ProfileFields& fields) { return std::ranges::find(fields.DPI_SET_EN, 1) != fields.DPI_SET_EN.end(); }

int DpiLevelInUse(const ProfileFields& fields) { return std::clamp(fields.DPI_LEVEL, 0, kDpiLevelCount - 1); }

int32_t StepResolution(int32_t stepCode) {
  constexpr std::array<int32_t, kDpiStepCount> kResolutions = {3200, 1200, 1600, 2000, 2400};
  if (stepCode < 0 || stepCode >= kDpiStepCount) return 1200;
  return kResolutions[static_cast<std::size_t>(stepCode)];
}

ProfileState ProfileModel::Snapshot() const {
  std::lock_guard lock(mutex_);
  return state_;
}

ProfileFields ProfileModel::Fields() const {
  std::lock_guard lock(mutex_);
  return state_.fields;
}

void ProfileModel::Load(const ProfileFields& fields) {
  std::lock_guard lock(mutex_);
  state_.fields = fields;
  state_.ActiveDpiSet = fields.DPI_SET;
  RecomputeStepRegions(state_);
}

void ProfileModel::SetFactoryDefaults() {
  std::lock_guard lock(mutex_);
  ProfileFields& f = state_.fields;
  f.K = {1, 2, 3, 5, 4, 18, 17};
  f.WHEEL_STATUS = 0;
  f.DPI_LEVEL = 0;
  f.DPI_SET = {1, 2, 4, 0};
  f.DPI_SET_EN = {1, 1, 1, 1};
  f.LED_STATUS = 0;
  f.DPI_SPEED = 4;
  f.WHEEL_SPEED = 2;
  f.FIRE_TIME = 50;
  state_.ActiveDpiSet = f.DPI_SET;
  RecomputeStepRegions(state_);
}

ProfileState ProfileModel::Activate() {
  std::lock_guard lock(mutex_);
  state_.ActiveDpiSet = state_.fields.DPI_SET;
  state_.ActiveLedMode = state_.fields.LED_STATUS;
  return state_;
}

void ProfileModel::SetButtonFunction(int slot, int32_t code) {
  if (slot < 1 || slot > kButtonSlotCount) return;
  std::lock_guard lock(mutex_);
  state_.fields.K[slot - 1] = code;
  KeepLeftClick(state_.fields, slot);
}

void ProfileModel::SetWheelStatus(int32_t status) {
  std::lock_guard lock(mutex_);
  state_.fields.WHEEL_STATUS = status;
}

void ProfileModel::ChooseDpiStep(int level, int step) {
  if (!IsLevel(level) || step < 0 || step >= kDpiStepCount) return;
  std::lock_guard lock(mutex_);
  state_.fields.DPI_SET[level] = static_cast<uint8_t>(step);
  state_.DpiStepRegion[level] = kFirstDpiStepRegion + kDpiStepCount * level + step;
}

void ProfileModel::SelectDpiLevel(int level) {
  if (!IsLevel(level)) return;
  std::lock_guard lock(mutex_);
  if (state_.fields.DPI_SET_EN[level]) state_.fields.DPI_LEVEL = level;
}

void ProfileModel::ToggleDpiLevel(int level) {
  if (!IsLevel(level)) return;
  std::lock_guard lock(mutex_);
  ProfileFields& f = state_.fields;
  if (f.DPI_SET_EN[level] == 0) {
    f.DPI_SET_EN[level] = 1;
    return;
  }
  f.DPI_SET_EN[level] = 0;
  if (level != f.DPI_LEVEL) return;
  for (int offset = 1; offset < kDpiLevelCount; ++offset) {
    const int next = (level + offset) % kDpiLevelCount;
    if (f.DPI_SET_EN[next] == 1) {
      f.DPI_LEVEL = next;
      return;
    }
  }
  f.DPI_SET_EN[level] = 1;  // the last enabled level cannot be switched off
}

void ProfileModel::ToggleMacroMode() {
  std::lock_guard lock(mutex_);
  state_.fields.MACRO_MODE2 = state_.fields.MACRO_MODE2 == 0 ? 1 : 0;
}

void ProfileModel::SetPointerSpeed(int speed) {
  if (speed < 0 || speed > 9) return;
  std::lock_guard lock(mutex_);
  state_.fields.DPI_SPEED = static_cast<uint8_t>(speed);
}

void ProfileModel::SetScrollLines(int lines) {
  if (lines < 0 || lines > 9) return;
  std::lock_guard lock(mutex_);
  state_.fields.WHEEL_SPEED = static_cast<uint8_t>(lines);
}

void ProfileModel::SetFireTimeFromSlider(int x, int sliderLeft, int sliderWidth) {
  if (sliderWidth <= 0 || x < sliderLeft || x >= sliderLeft + sliderWidth) return;
  std::lock_guard lock(mutex_);
  state_.fields.FIRE_TIME = (x - sliderLeft) * kMaxFireTime / sliderWidth;
}

void ProfileModel::IncreaseFireTime() {
  std::lock_guard lock(mutex_);
  state_.fields.FIRE_TIME = std::min(state_.fields.FIRE_TIME + 1, kMaxFireTime);
}

void ProfileModel::DecreaseFireTime() {
  std::lock_guard lock(mutex_);
  state_.fields.FIRE_TIME = std::max(state_.fields.FIRE_TIME - 1, 0);
}

void ProfileModel::SetLedMode(int mode) {
  if (mode < 0 || mode > 3) return;
  std::lock_guard lock(mutex_);
  state_.fields.LED_STATUS = static_cast<uint8_t>(mode);
}

void ProfileModel::SetDpiLevel(int32_t level) {
  if (!IsLevel(level)) return;
  std::lock_guard lock(mutex_);
  state_.fields.DPI_LEVEL = level;
}

int32_t ProfileModel::CurConfig() const {
  std::lock_guard lock(mutex_);
  return state_.CurConfig;
}

void ProfileModel::SetCurConfig(int32_t profile) {
  std::lock_guard lock(mutex_);
  state_.CurConfig = profile;
}

int32_t ProfileModel::LanguageFlag() const {
  std::lock_guard lock(mutex_);
  return state_.LanguageFlag;
}

void ProfileModel::SetLanguageFlag(int32_t flag) {
  std::lock_guard lock(mutex_);
  state_.LanguageFlag = flag;
}

}  // namespace tx80
