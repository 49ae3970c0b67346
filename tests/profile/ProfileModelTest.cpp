#include "profile/ProfileModel.h"

#include <gtest/gtest.h>

namespace tx80 {
namespace {

void LoadLevels(ProfileModel& model, std::array<uint8_t, 4> enabled, int32_t level) {
  model.SetFactoryDefaults();
  ProfileFields fields = model.Fields();
  fields.DPI_SET_EN = enabled;
  fields.DPI_LEVEL = level;
  model.Load(fields);
}

TEST(ProfileModel, FactoryDefaultsKeepMacroMode) {
  ProfileModel model;
  ProfileFields fields;
  fields.MACRO_MODE2 = 1;
  model.Load(fields);
  model.SetFactoryDefaults();
  const ProfileState state = model.Snapshot();
  EXPECT_EQ(state.fields.K, (std::array<int32_t, 7>{1, 2, 3, 5, 4, 18, 17}));
  EXPECT_EQ(state.fields.MACRO_MODE2, 1);
  EXPECT_EQ(state.fields.DPI_SET, (std::array<uint8_t, 4>{1, 2, 4, 0}));
  EXPECT_EQ(state.fields.DPI_SET_EN, (std::array<uint8_t, 4>{1, 1, 1, 1}));
  EXPECT_EQ(state.fields.DPI_SPEED, 4);
  EXPECT_EQ(state.fields.WHEEL_SPEED, 2);
  EXPECT_EQ(state.fields.FIRE_TIME, 50);
  EXPECT_EQ(state.ActiveDpiSet, state.fields.DPI_SET);
  EXPECT_EQ(state.DpiStepRegion, (std::array<int32_t, 4>{61, 67, 74, 75}));
}

TEST(ProfileModel, ToggleDpiLevel) {
  const struct {
    std::array<uint8_t, 4> enabled;
    int32_t level;
    int toggle;
    std::array<uint8_t, 4> enabledAfter;
    int32_t levelAfter;
  } cases[] = {
      {{1, 1, 0, 1}, 0, 0, {0, 1, 0, 1}, 1},  // the level in use moves on
      {{1, 0, 0, 1}, 3, 3, {1, 0, 0, 0}, 0},  // the search wraps
      {{0, 1, 0, 0}, 1, 1, {0, 1, 0, 0}, 1},  // the last enabled level stays on
      {{1, 1, 1, 1}, 0, 2, {1, 1, 0, 1}, 0},  // another level: DPI_LEVEL unchanged
      {{1, 0, 0, 0}, 0, 2, {1, 0, 1, 0}, 0},  // switching a level on
  };
  for (const auto& c : cases) {
    ProfileModel model;
    LoadLevels(model, c.enabled, c.level);
    model.ToggleDpiLevel(c.toggle);
    EXPECT_EQ(model.Fields().DPI_SET_EN, c.enabledAfter) << "toggle " << c.toggle;
    EXPECT_EQ(model.Fields().DPI_LEVEL, c.levelAfter) << "toggle " << c.toggle;
  }
}

TEST(ProfileModel, SelectDpiLevelOnlyWhenEnabled) {
  ProfileModel model;
  LoadLevels(model, {1, 0, 1, 1}, 0);
  model.SelectDpiLevel(1);
  EXPECT_EQ(model.Fields().DPI_LEVEL, 0);
  model.SelectDpiLevel(2);
  EXPECT_EQ(model.Fields().DPI_LEVEL, 2);
  model.SelectDpiLevel(7);  // no such level
  EXPECT_EQ(model.Fields().DPI_LEVEL, 2);
}

TEST(ProfileModel, ChooseDpiStepLeavesTheActiveSetUntilApplied) {
  ProfileModel model;
  LoadLevels(model, {1, 1, 1, 1}, 0);
  model.ChooseDpiStep(2, 3);
  ProfileState state = model.Snapshot();
  EXPECT_EQ(state.fields.DPI_SET[2], 3);
  EXPECT_EQ(state.DpiStepRegion[2], 73);
  EXPECT_EQ(state.ActiveDpiSet[2], 4);
  state = model.Activate();
  EXPECT_EQ(state.ActiveDpiSet[2], 3);
}

TEST(ProfileModel, FireTime) {
  ProfileModel model;
  const struct {
    int x;
    int32_t fireTime;
  } slider[] = {{100, 0}, {175, 150}, {249, 298}};
  for (const auto& c : slider) {
    model.SetFireTimeFromSlider(c.x, 100, 150);
    EXPECT_EQ(model.Fields().FIRE_TIME, c.fireTime) << c.x;
  }
  model.IncreaseFireTime();
  model.IncreaseFireTime();
  model.IncreaseFireTime();
  EXPECT_EQ(model.Fields().FIRE_TIME, 300);
  model.SetFireTimeFromSlider(100, 100, 150);
  model.DecreaseFireTime();
  EXPECT_EQ(model.Fields().FIRE_TIME, 0);
}

TEST(ProfileModel, AssignmentKeepsALeftClick) {
  const struct {
    std::array<int32_t, 7> before;
    int slot;
    int32_t code;
    std::array<int32_t, 7> after;
  } cases[] = {
      {{1, 2, 3, 5, 4, 18, 17}, 1, 3, {3, 1, 3, 5, 4, 18, 17}},
      {{2, 2, 3, 5, 4, 18, 1}, 7, 31, {2, 2, 3, 5, 4, 18, 1}},
      {{1, 1, 3, 5, 4, 18, 17}, 1, 5, {5, 1, 3, 5, 4, 18, 17}},
  };
  for (const auto& c : cases) {
    ProfileModel model;
    ProfileFields fields;
    fields.K = c.before;
    model.Load(fields);
    model.SetButtonFunction(c.slot, c.code);
    EXPECT_EQ(model.Fields().K, c.after) << "slot " << c.slot;
  }
}

}  // namespace
}  // namespace tx80
