#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "platform/sim/SimWindow.h"
#include "platform/sim/SimDesktop.h"

namespace tx80 {
namespace {

// A dialog that paints a picture and records the pointer.
struct PointerDialog : fw::Dialog {
  PointerDialog() : fw::Dialog(500) {}
  bool OnCommand(uint32_t id, uint32_t) override {
    if (id != 7) return false;
    EndDialog(7);
    return true;
  }
  bool OnInitDialog() override {
    Host().SetCaption(u"Pointer");
    return true;
  }
  bool OnPaint(fw::Canvas& canvas) override {
    canvas.FillRect({0, 0, 4, 4}, {255, 0, 0});
    return true;
  }
  bool OnEraseBackground() override { return true; }
  void OnLButtonDown(int x, int y) override { downs.push_back({x, y}); }
  void OnLButtonUp(int x, int y) override { ups.push_back({x, y}); }
  std::vector<fw::Point> downs, ups;
};

TEST(Dialog, DeliversPointerMessagesAndPaintsOnRequest) {
  SimDesktop desktop;
  SimWindowSystem windows(desktop);
  PointerDialog dialog;
  WindowHost* host = windows.CreateModeless(dialog, nullptr);
  SimWindowHost& window = *windows.HostOf(host);
  EXPECT_FALSE(window.IsVisible());  // hidden until shown
  EXPECT_EQ(windows.FindByCaption(u"Pointer"), host);

  window.Move({10, 20, 30, 40});
  window.Click(-3, 7);  // left of the window: coordinates are signed
  EXPECT_EQ(dialog.downs, (std::vector<fw::Point>{{-3, 7}}));
  EXPECT_EQ(dialog.ups, (std::vector<fw::Point>{{-3, 7}}));
  EXPECT_EQ(window.Send(fw::msg::kEraseBkgnd, 0, 0), 1);

  ASSERT_TRUE(window.NeedsPaint());
  window.UpdateNow();
  ASSERT_NE(window.LastPaint(), nullptr);
  EXPECT_EQ(window.LastPaint()->Surface().Width(), 20);
  EXPECT_EQ(window.LastPaint()->Surface().Pixel(3, 3), (fw::Rgb{255, 0, 0}));
  EXPECT_FALSE(window.NeedsPaint());

  dialog.EndDialog(1);  // a modeless dialog is only hidden
  EXPECT_FALSE(window.IsVisible());
  EXPECT_TRUE(dialog.HasWindow());
  host->Destroy();
  EXPECT_FALSE(dialog.HasWindow());
  EXPECT_EQ(windows.FindByCaption(u"Pointer"), nullptr);
}

TEST(Dialog, ModalResultComesFromEndDialogOrTheKeys) {
  SimDesktop desktop;
  SimWindowSystem windows(desktop);
  const struct {
    const char* name;
    std::function<void(SimWindowHost&)> script;
    int result;
  } cases[] = {
      {"closed", [](SimWindowHost& w) { w.Send(fw::msg::kClose, 0, 0); }, 0},
      {"EndDialog", [](SimWindowHost& w) { w.Send(fw::msg::kCommand, 7, 0); }, 7},
      {"Enter", [](SimWindowHost& w) { w.Send(fw::msg::kCommand, fw::kIdOk, 0); }, 1},
      {"Escape", [](SimWindowHost& w) { w.Send(fw::msg::kCommand, fw::kIdCancel, 0); }, 2},
      {"nothing", [](SimWindowHost&) {}, 0},
  };
  for (const auto& c : cases) {
    PointerDialog dialog;
    windows.onModal[500] = c.script;
    EXPECT_EQ(windows.RunModal(dialog), c.result) << c.name;
    EXPECT_FALSE(dialog.HasWindow()) << c.name;
  }
}

// Like the system, a window tells its dialog before it turns visible or
// hidden, and only then: the first showing of a modal dialog after its
// initialisation, a hide, a show from anyone (another process restores it).
TEST(Dialog, IsToldBeforeItTurnsVisibleOrHidden) {
  struct Watching : PointerDialog {
    void OnShowWindow(bool shown) override { told.push_back({shown, HasWindow() && Host().IsVisible()}); }
    bool StartsHidden() const override { return hidden; }
    std::vector<std::pair<bool, bool>> told;  // shown, and whether it was visible then
    bool hidden = false;
  };
  SimDesktop desktop;
  SimWindowSystem windows(desktop);
  Watching dialog;
  SimWindowHost& window = windows.Open(dialog);
  EXPECT_EQ(dialog.told, (std::vector<std::pair<bool, bool>>{{true, false}}));
  for (const ShowMode mode : {ShowMode::Show, ShowMode::Restore, ShowMode::Minimize, ShowMode::Hide, ShowMode::Hide,
                              ShowMode::Minimize, ShowMode::Restore})
    window.Show(mode);
  EXPECT_EQ(dialog.told, (std::vector<std::pair<bool, bool>>{{true, false}, {false, true}, {true, false}}));

  Watching kept;
  kept.hidden = true;
  SimWindowHost& hidden = windows.Open(kept);
  EXPECT_TRUE(kept.told.empty());
  EXPECT_FALSE(hidden.IsVisible());
  hidden.Show(ShowMode::Restore);
  EXPECT_EQ(kept.told, (std::vector<std::pair<bool, bool>>{{true, false}}));
}

}  // namespace
}  // namespace tx80
