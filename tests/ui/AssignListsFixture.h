#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "app/AppContext.h"
#include "profile/Captions.h"
#include "framework/Dialog.h"
#include "platform/sim/SimPlatform.h"
#include "support/TempDir.h"
#include "ui/AssignList.h"
#include "ui/CMenuDlg.h"
#include "ui/CSubMenuDlg.h"
#include "ui/WarningDlg.h"
#include "UiTestSupport.h"

namespace tx80::test {

// A main window that does with the lists what the program's does: a press
// closes an open list, and its paint starts by closing the list after a
// sub-list assignment.
class ListOwnerWindow : public fw::Dialog {
 public:
  explicit ListOwnerWindow(AppContext& context) : fw::Dialog(102), context_(context) {}
  ~ListOwnerWindow() override {
    if (HasWindow()) Host().Destroy();
  }
  bool OnInitDialog() override {
    Host().SetCaption(MainCaption(context_.profile.LanguageFlag()));
    return true;
  }
  bool OnPaint(fw::Canvas&) override {
    CloseMenuIfSubMenuDone(context_.ui.assignList);
    return true;
  }
  void OnLButtonDown(int, int) override { CloseAssignMenu(context_.ui.assignList); }

 private:
  AppContext& context_;
};

// The font of the texts in one interface language.
struct FontCase {
  int32_t language;
  int height;
  int width;
  std::u16string face;
};

inline std::string LanguageName(const ::testing::TestParamInfo<FontCase>& info) {
  return info.param.language ? "English" : "Chinese";
}

// Solid pictures of exact colours stand in for the skin's.
inline fw::Image Solid(int width, int height, fw::Rgb colour) {
  fw::Image image(width, height);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.SetPixel(x, y, colour);
  return image;
}

// An English program whose skin has lists of 10-pixel rows (the list 40 wide,
// its mask 103 high; the sub-list 50 wide, its mask 125 high), a 160 x 80
// warning, function names "F1".."F54" and three macros. The main window lies at
// (100, 50); button element 24 + s at (20, 20 s), 100 x 16, so slot s's list
// opens at (120, 66 + 20 s). Buttons hold 1, 2, 3, 5, 4, 18, 17.
class AssignListsTest : public ::testing::Test {
 protected:
  static constexpr int kW = 40;
  static constexpr int kSubW = 50;
  static constexpr int kH = 10;
  static constexpr fw::Rgb kNormal{0, 0, 200};
  static constexpr fw::Rgb kOver{0, 200, 0};
  static constexpr fw::Rgb kDown{200, 0, 0};
  static constexpr fw::Rgb kSubNormal{0, 0, 100};
  static constexpr fw::Rgb kSubOver{0, 100, 0};
  static constexpr fw::Rgb kWarningNormal{40, 40, 40};
  static constexpr fw::Rgb kWarningOver{90, 90, 0};

  AssignListsTest() {
    context.paths.skinsDirectory = Skins();
    std::map<std::string, fw::Image> pictures;
    pictures["menu_mask.jpg"] = Solid(kW, 103, {});
    pictures["menu_normal.jpg"] = Solid(kW, 100, kNormal);
    pictures["menu_over.jpg"] = Solid(kW, 100, kOver);
    pictures["menu_down.jpg"] = Solid(kW, 100, kDown);
    pictures["advanced menu_mask.jpg"] = Solid(kSubW, 125, {});
    pictures["advanced menu_normal.jpg"] = Solid(kSubW, 120, kSubNormal);
    pictures["advanced menu_over.jpg"] = Solid(kSubW, 120, kSubOver);
    pictures["advanced menu_down.jpg"] = Solid(kSubW, 120, {100, 0, 0});
    fw::Image warningMask = Solid(160, 80, {});
    warningMask.SetPixel(0, 0, {101, 101, 101});  // a hole in the corner
    pictures["warning_mask.jpg"] = warningMask;
    pictures["warning_normal.jpg"] = Solid(160, 80, kWarningNormal);
    pictures["warning_over.jpg"] = Solid(160, 80, kWarningOver);
    for (const auto& [name, picture] : pictures) images.Put(Skins() / name, picture);

    SkinTables& skin = context.ui.skin;
    for (int k = 1; k < static_cast<int>(skin.FunctionNames.size()); ++k)
      skin.FunctionNames[static_cast<std::size_t>(k)] = u"F" + Number(k);
    for (int s = 1; s <= 7; ++s) skin.MainItems[static_cast<std::size_t>(24 + s)] = {20, 20 * s, 100, 16, u""};
    skin.WarningItems = {SkinItem{10, 50, 60, 20, u"Go on"}, SkinItem{90, 50, 60, 20, u"Give up"},
                         SkinItem{10, 10, 140, 20, u"Only left click"}};

    context.profile.SetLanguageFlag(1);
    SetButtons({1, 2, 3, 5, 4, 18, 17});
    for (const char16_t* name : {u"Alpha", u"Beta", u"Gamma"}) context.macros.AddMacro(name);

    main = &os.windows.Open(mainDialog);
    main->Move({100, 50, 500, 350});
    context.mainWindow.Set(main);
  }
  ~AssignListsTest() override { context.mainWindow.Clear(); }

  std::filesystem::path Skins() const { return dir.path() / "skins"; }
  // The picture's file stays, but it no longer decodes.
  void Spoil(const char* name) { images.Spoil(Skins() / name); }

  static std::u16string Number(int n) {
    const std::string digits = std::to_string(n);
    return {digits.begin(), digits.end()};
  }

  void SetButtons(const std::array<int32_t, 7>& k) {
    ProfileFields fields = context.profile.Fields();
    fields.K = k;
    context.profile.Load(fields);
  }
  // FunctionCode of buttons 1..7.
  std::array<int32_t, 7> Functions() const { return context.profile.Fields().K; }

  AssignListState& State() { return context.ui.assignList; }
  SimWindowHost* HostOf(fw::Dialog* dialog) {
    return dialog && dialog->HasWindow() ? os.windows.HostOf(&dialog->Host()) : nullptr;
  }
  SimWindowHost* List() { return HostOf(State().MenuWindow.get()); }
  SimWindowHost* SubList() { return HostOf(State().SubMenuWindow.get()); }

  // What a press on the button element of slot `slot` does (a warning is
  // answered by the test's script for template 105).
  void Open(int slot) { OpenAssignMenu(context.AssignLists(), *main, main_element::ButtonOfSlot(slot)); }
  // Rests the pointer on list row `row`; the list's paint opens its sub-list.
  void RestOn(int row) {
    ASSERT_TRUE(List());
    List()->MoveTo(5, (row - 1) * kH + 5);
    List()->Paint();
  }
  static int RowMiddle(int row) { return (row - 1) * kH + 5; }

  SimDesktop desktop;
  SimPlatform os{desktop};
  FakeImageLoader images;
  // The simulated system with the fake pictures.
  Platform platform{os.clock,      os.dialogs,      os.hid,         os.input,   os.singleInstance,
                    os.desktop.systemMouse, os.threads, os.tray, os.windows, os.childControls,
                    os.keyboardHook, os.popupMenus, os.shell, images, os.files, os.autoStart,
                    os.onScreenDisplay, os.foreground, os.console};
  TempDir dir;
  AppContext context{platform, dir.path()};
  ListOwnerWindow mainDialog{context};
  SimWindowHost* main = nullptr;
};

}  // namespace tx80::test
