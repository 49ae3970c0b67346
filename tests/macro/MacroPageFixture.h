#pragma once
#include <gtest/gtest.h>

#include <array>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include "app/AppContext.h"
#include "profile/Captions.h"
#include "framework/Dialog.h"
#include "macro/MacroPage.h"
#include "macro/MacroStore.h"
#include "platform/sim/SimPlatform.h"
#include "support/TempDir.h"

namespace tx80::test {

// A main window that hands the macro page what the program's main window
// hands it, and keeps every other notice its controls send.
class PageDialog : public fw::Dialog {
 public:
  explicit PageDialog(AppContext& context) : fw::Dialog(102), context_(context) {}
  ~PageDialog() override {
    if (HasWindow()) Host().Destroy();
  }

  bool OnInitDialog() override {
    Host().SetCaption(MainCaption(context_.profile.LanguageFlag()));
    return true;
  }
  bool PreTranslateMessage(const fw::Message& message) override {
    if (page) page->OnPreTranslateMessage(message);
    return false;
  }
  bool OnCommand(uint32_t id, uint32_t notifyCode) override { return page && page->OnCommand(id, notifyCode); }
  std::optional<intptr_t> OnOtherMessage(const fw::Message& message) override {
    notices.push_back(message);
    if (message.id == kLineEditedMessage) oldTexts.emplace_back(reinterpret_cast<const char16_t*>(message.lParam));
    if (message.id == kEditorClosedMessage && page) page->OnCommitDelay();
    return 0;
  }

  int Count(uint32_t id) const {
    int n = 0;
    for (const auto& notice : notices) n += notice.id == id;
    return n;
  }

  MacroPage* page = nullptr;
  std::vector<fw::Message> notices;
  std::vector<std::u16string> oldTexts;

 private:
  AppContext& context_;
};

struct Event {
  uint8_t code;
  uint8_t action;
  uint16_t delay;
};

// The macro page shown in an English main window on the simulated backend.
class MacroPageTest : public ::testing::Test {
 protected:
  static constexpr std::array<fw::Rect, 4> kRects{{
      {10, 10, 60, 30},     // repeat count
      {10, 40, 160, 60},    // macro name
      {10, 70, 160, 230},   // macro list
      {200, 70, 400, 230},  // event list: ten lines of 16 pixels
  }};

  MacroPageTest() {
    context.profile.SetLanguageFlag(1);
    LoadPopupMenus(context.ui.menus, 1);
    window = &os.windows.Open(dialog);
    dialog.page = &page;
    page.CreateControls(kRects);
    page.RefreshMacroList();
  }

  // A macro with these events, shown on the page.
  int AddMacro(std::u16string_view name, std::initializer_list<Event> events = {}) {
    const int index = store.AddMacro(name);
    int k = 0;
    for (const auto& event : events) {
      store.InsertEvent(index, k, event.code, event.action);
      store.SetDelay(index, k++, event.delay);
    }
    store.SetCurrentMacro(index);
    page.RefreshMacroList();
    return index;
  }

  SimListBox& macroList() { return *os.childControls.ListBox(MacroPage::kMacroListId); }
  SimListBox& eventList() { return *os.childControls.ListBox(MacroPage::kEventListId); }
  SimEdit& nameEdit() { return *os.childControls.Edit(MacroPage::kMacroNameEditId); }
  SimEdit& repeatEdit() { return *os.childControls.Edit(MacroPage::kRepeatCountEditId); }

  // The right button released over a line of the event list, with `choice`
  // picked from the menu if it is shown.
  void RightClickLine(int line, std::optional<uint32_t> choice = std::nullopt) {
    const fw::Rect list = eventList().ClientRectOnScreen();
    os.popupMenus.cursor = {list.left + 5, list.top + (line - eventList().TopIndex()) * SimListBox::kItemHeight + 8};
    RightClickAtCursor(choice);
  }
  void RightClickAtCursor(std::optional<uint32_t> choice = std::nullopt) {
    os.popupMenus.nextChoice = choice;
    window->Deliver({fw::msg::kRButtonUp, 0, 0, true});
    window->PumpPosted();
  }

  std::vector<Event> Events(int index) {
    std::vector<Event> events;
    const auto macro = store.Copy(index);
    for (int k = 0; macro && k < macro->EventCount(); ++k)
      events.push_back({macro->Code(k), macro->Action(k), macro->Delay(k)});
    return events;
  }

  SimDesktop desktop;
  TempDir dir;
  SimPlatform os{desktop};
  AppContext context{os.platform, dir.path()};
  MacroStore store;
  PageDialog dialog{context};
  MacroPage page{{.mainWindow = dialog,
                  .store = store,
                  .profile = context.profile,
                  .childControls = os.childControls,
                  .dialogs = os.dialogs,
                  .files = os.files,
                  .clock = os.clock,
                  .keyboardHook = os.keyboardHook,
                  .popupMenus = os.popupMenus,
                  .eventMenu = context.ui.menus.EventContextMenu,
                  .saves = context,
                  .settingsDirectory = context.paths.settingsDirectory,
                  .skinsDirectory = context.paths.skinsDirectory}};
  SimWindowHost* window = nullptr;
};

inline bool operator==(const Event& a, const Event& b) {
  return a.code == b.code && a.action == b.action && a.delay == b.delay;
}

inline void PrintTo(const Event& event, std::ostream* out) {
  *out << "{" << int(event.code) << ", " << int(event.action) << ", " << event.delay << "}";
}

}  // namespace tx80::test
