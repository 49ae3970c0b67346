#pragma once
#include <array>
#include <cstdint>
#include <mutex>

namespace tx80 {

// Profiles 1..5 live in config.ini; the mouse has seven programmable buttons
// and four DPI levels, each set to one of five steps.
inline constexpr int32_t kProfileCount = 5;
inline constexpr int kButtonSlotCount = 7;
inline constexpr int kDpiLevelCount = 4;
inline constexpr int kDpiStepCount = 5;

// The FunctionCode of the left click, which some button always keeps.
inline constexpr int32_t kLeftClick = 1;

inline constexpr bool IsProfile(int32_t profile) { return profile >= 1 && profile <= kProfileCount; }

// The fields of one stored profile, named after their keys in config.ini.
// K[i] is the FunctionCode of ButtonSlot i + 1; DPI arrays are by level index.
struct ProfileFields {
  std::array<int32_t, kButtonSlotCount> K{};
  int32_t WHEEL_STATUS = 0;
  int32_t MACRO_MODE2 = 0;
  int32_t DPI_LEVEL = 0;
  std::array<uint8_t, kDpiLevelCount> DPI_SET{};
  std::array<uint8_t, kDpiLevelCount> DPI_SET_EN{};
  uint8_t LED_STATUS = 0;
  uint8_t DPI_SPEED = 0;
  uint8_t WHEEL_SPEED = 0;
  int32_t FIRE_TIME = 0;

  bool operator==(const ProfileFields&) const = default;
};

// What the mouse needs of a profile to stay usable: a button with the left
// click, and a DPI level switched on.
bool HasLeftClick(const ProfileFields& fields);
bool HasDpiLevelOn(const ProfileFields& fields);
// The DPI level in use, within the four levels (a hand-edited file may hold any).
int DpiLevelInUse(const ProfileFields& fields);

// A consistent copy of the whole model, for readers on other threads.
struct ProfileState {
  ProfileFields fields;
  std::array<int32_t, kDpiLevelCount> DpiStepRegion{};  // RegionCode of the chosen step of each level
  std::array<uint8_t, kDpiLevelCount> ActiveDpiSet{};    // step codes in force on the mouse
  uint8_t ActiveLedMode = 0;                // LED mode in force on the mouse
  int32_t CurConfig = 0;
  int32_t LanguageFlag = 0;  // nonzero English, zero Chinese
};

// Region code of the first step element of level 0 on the main page; each level
// has kDpiStepCount step elements.
inline constexpr int32_t kFirstDpiStepRegion = 60;
inline constexpr int32_t kMaxFireTime = 300;

// The resolution of a DPI step code in dots per inch: 0 is 3200, 1 1200, 2
// 1600, 3 2000, 4 2400; any other code is taken as 1200.
int32_t StepResolution(int32_t stepCode);

// The one in-memory copy of the current profile. Every operation takes the
// model's lock, so the UI thread, the executor and the reader always see whole
// values; readers that need several fields at once take a Snapshot.
class ProfileModel {
 public:
  ProfileState Snapshot() const;
  ProfileFields Fields() const;

  // Whole-profile replacement (a load): also sets ActiveDpiSet to DPI_SET and
  // recomputes DpiStepRegion. CurConfig is not touched.
  void Load(const ProfileFields& fields);
  // Factory settings of profile 1; MACRO_MODE2 keeps its value.
  void SetFactoryDefaults();
  // For an apply: ActiveDpiSet = DPI_SET, ActiveLedMode = LED_STATUS; returns
  // the state the apply sends.
  ProfileState Activate();

  // Edit operations of the pages and the assignment lists. Out-of-range
  // arguments (a programming error) are ignored rather than indexing past a table.
  void SetButtonFunction(int slot, int32_t code);
  void SetWheelStatus(int32_t status);
  void ChooseDpiStep(int level, int step);
  void SelectDpiLevel(int level);
  void ToggleDpiLevel(int level);
  void ToggleMacroMode();
  void SetPointerSpeed(int speed);
  void SetScrollLines(int lines);
  void SetFireTimeFromSlider(int x, int sliderLeft, int sliderWidth);
  void IncreaseFireTime();
  void DecreaseFireTime();
  void SetLedMode(int mode);

  // A DPI change made with a mouse button.
  void SetDpiLevel(int32_t level);

  int32_t CurConfig() const;
  void SetCurConfig(int32_t profile);
  int32_t LanguageFlag() const;
  void SetLanguageFlag(int32_t flag);

 private:
  mutable std::mutex mutex_;
  ProfileState state_;
};

}  // namespace tx80
