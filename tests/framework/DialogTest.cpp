#include <gtest/gtest.h>

#include "framework/Dialog.h"
#include "platform/sim/SimWindow.h"
#include "platform/sim/SimDesktop.h"

namespace tx80 {
namespace {

// A dialog that paints a picture and records the pointer.
struct PointerDialog : fw::Dialog {
  explicit PointerDialog(int templateId = 500) : fw::Dialog(templateId) {}
  bool OnCommand(uint32_t id, uint32_t) override {
    if (id != 7) return false;
    EndDialog(7);
    return true;
  }
  bool OnInitDialog() override {
    Host().SetCaption(u"Pointer");
    if (endInInit) EndDialog(endInInit);
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
  int endInInit = 0;
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
    int endInInit = 0;
  } cases[] = {
      {"closed", [](SimWindowHost& w) { w.Send(fw::msg::kClose, 0, 0); }, 0},
      {"EndDialog", [](SimWindowHost& w) { w.Send(fw::msg::kCommand, 7, 0); }, 7},
      {"Enter", [](SimWindowHost& w) { w.Send(fw::msg::kCommand, fw::kIdOk, 0); }, 1},
      {"Escape", [](SimWindowHost& w) { w.Send(fw::msg::kCommand, fw::kIdCancel, 0); }, 2},
      {"nothing", [](SimWindowHost&) {}, 0},
      {"EndDialog in OnInitDialog", [](SimWindowHost&) { ADD_FAILURE() << "ran after it ended"; }, 9, 9},
  };
  for (const auto& c : cases) {
    PointerDialog dialog;
    dialog.endInInit = c.endInInit;
    windows.onModal[500] = c.script;
    EXPECT_EQ(windows.RunModal(dialog), c.result) << c.name;
    EXPECT_FALSE(dialog.HasWindow()) << c.name;
  }
}

// A modal dialog is owned by the innermost one running, which takes no input
// until the inner one ends, however it ends; the loops nest.
TEST(Dialog, AModalDialogDisablesItsOwnerUntilItEnds) {
  const struct {
    const char* name;
    std::function<void(SimWindowHost&)> end;
    int result;
  } cases[] = {
      {"EndDialog", [](SimWindowHost& w) { w.Send(fw::msg::kCommand, 7, 0); }, 7},
      {"destroyed", [](SimWindowHost& w) { w.Destroy(); }, 0},
      {"left open", [](SimWindowHost&) {}, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    SimDesktop desktop;
    SimWindowSystem windows(desktop);
    PointerDialog main, middle(501), inner(502);
    SimWindowHost& mainWindow = windows.Open(main);
    int innerResult = -1;
    windows.onModal[501] = [&](SimWindowHost& middleWindow) {
      EXPECT_EQ(middleWindow.Owner(), &mainWindow);
      windows.onModal[502] = [&](SimWindowHost& innerWindow) {
        EXPECT_EQ(innerWindow.Owner(), &middleWindow);
        EXPECT_FALSE(middleWindow.Enabled());
        EXPECT_FALSE(mainWindow.Enabled());
        middleWindow.Click(1, 1);  // the user clicks the owner: nothing reaches it
        c.end(innerWindow);
      };
      innerResult = windows.RunModal(inner);
      EXPECT_TRUE(middleWindow.Enabled());
      EXPECT_FALSE(mainWindow.Enabled());
      middleWindow.Click(2, 2);  // its own loop goes on
    };
    EXPECT_EQ(windows.RunModal(middle), 0);
    EXPECT_EQ(innerResult, c.result);
    EXPECT_TRUE(mainWindow.Enabled());
    EXPECT_EQ(middle.downs, (std::vector<fw::Point>{{2, 2}}));
  }
}

// The loop of the innermost dialog delivers what is posted to any window of the
// program, and its dialog alone pre-translates it.
TEST(Dialog, TheInnermostLoopDeliversEveryWindowsMessages) {
  constexpr uint32_t kPing = fw::msg::kUser + 1;
  struct Watching : PointerDialog {
    using PointerDialog::PointerDialog;
    bool PreTranslateMessage(const fw::Message& m) override {
      if (m.id == kPing) preTranslated.push_back(m.forDialogOrChild);
      return false;
    }
    std::optional<intptr_t> OnOtherMessage(const fw::Message& m) override {
      if (m.id == kPing) ++handled;
      return 0;
    }
    std::vector<bool> preTranslated;  // forDialogOrChild of each
    int handled = 0;
  };
  SimDesktop desktop;
  SimWindowSystem windows(desktop);
  Watching main, list, warning(501);
  SimWindowHost& mainWindow = windows.Open(main);
  WindowHost* listWindow = windows.CreateModeless(list, &mainWindow);
  mainWindow.Post(kPing, 0, 0);
  listWindow->Post(kPing, 0, 0);
  windows.onModal[501] = [&](SimWindowHost& w) { w.Post(kPing, 0, 0); };
  windows.RunModal(warning);
  EXPECT_EQ(main.handled, 1);
  EXPECT_EQ(list.handled, 1);
  EXPECT_EQ(warning.handled, 1);
  EXPECT_EQ(warning.preTranslated, (std::vector<bool>{false, false, true}));
  EXPECT_TRUE(main.preTranslated.empty());

  listWindow->Post(kPing, 0, 0);  // back in the main window's loop
  windows.PumpPosted();
  EXPECT_EQ(list.handled, 2);
  EXPECT_EQ(main.preTranslated, std::vector<bool>{false});
  EXPECT_TRUE(list.preTranslated.empty());
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
