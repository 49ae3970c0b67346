#include "macro/MacroPage.h"

#include <algorithm>

#include <system_error>

#include "framework/ControlStyles.h"
#include "framework/Decimal.h"
#include "framework/Dialog.h"
#include "framework/Menu.h"
#include "macro/EventMenuCommands.h"
#include "macro/MacroFile.h"
#include "macro/MacroStore.h"
#include "platform/ChildControls.h"
#include "platform/Dialogs.h"
#include "platform/PopupMenus.h"
#include "platform/WindowHost.h"
#include "profile/ProfileModel.h"
#include "profile/SaveReporter.h"

namespace tx80 {

namespace {

constexpr std::u16string_view kMacroFileFilter = u"All Files(*.dat)|*.dat||";
constexpr std::u16string_view kMacroFileExtension = u"dat";
// menuMacro addresses one of the twelve slots at most.
constexpr int kLastMacroIndex = MacroStore::kMaxMacros - 1;

constexpr uint32_t kEditStyle =
    fw::style::kChild | fw::style::kVisible | fw::style::kEditWantReturn | fw::style::kEditCenter;
constexpr uint32_t kListStyle =
    fw::style::kChild | fw::style::kVisible | fw::style::kVScroll | fw::style::kListNotify;

}  // namespace

MacroPage::MacroPage(const Uses& uses)
    : uses_(uses),
      store_(uses.store),
      display_(eventList_, repeatCountEdit_, uses.mainWindow, uses.profile),
      recorder_(uses.store, uses.clock, uses.keyboardHook, uses.profile, display_, macroList_, eventList_,
                repeatCountEdit_) {}

void MacroPage::CreateControls(const std::array<fw::Rect, 4>& rects) {
  ChildControls& controls = uses_.childControls;
  fw::Dialog& window = uses_.mainWindow;
  controls.CreateEdit(window, repeatCountEdit_, {rects[kRepeatCountRect], kRepeatCountEditId, kEditStyle});
  controls.CreateEdit(window, macroNameEdit_, {rects[kMacroNameRect], kMacroNameEditId, kEditStyle});
  controls.CreateListBox(window, macroList_, {rects[kMacroListRect], kMacroListId, kListStyle});
  controls.CreateListBox(window, eventList_, {rects[kEventListRect], kEventListId, kListStyle});
  shown_ = true;
}

void MacroPage::DestroyControls() {
  shown_ = false;
  repeatCountEdit_.DestroyWindow();
  macroNameEdit_.DestroyWindow();
  macroList_.DestroyWindow();
  eventList_.DestroyWindow();
}

void MacroPage::ResetSelectedLine() {
  const auto macro = store_.Copy(store_.CurrentMacro());
  const int events = macro ? macro->EventCount() : 0;
  selectedLine_ = events > 0 ? 2 * events - 2 : 0;
}

void MacroPage::OnPreTranslateMessage(const fw::Message& message) {
  recorder_.Capture(message);
  if (message.id == fw::msg::kRButtonUp && shown_ && !recorder_.Recording())
    OnRightButtonUp();
}

bool MacroPage::OnCommand(uint32_t id, uint32_t notifyCode) {
  if (id == kMacroListId) {
    if (notifyCode == fw::kListSelChange) OnMacroListSelChange();
    return true;
  }
  const auto command = FindEventMenuCommand(id);
  if (!command) return false;
  // While recording, and without a macro to work on, the menu changes nothing.
  if (recorder_.Recording() || menuMacro_ < 0) return true;
  switch (command->kind) {
    case EventMenuCommand::Kind::InsertBefore:
      InsertMouseEvent(false, command->code, command->action);
      break;
    case EventMenuCommand::Kind::InsertAfter:
      InsertMouseEvent(true, command->code, command->action);
      break;
    case EventMenuCommand::Kind::ModifyDelay:
      ModifyDelay();
      break;
    case EventMenuCommand::Kind::Delete:
      DeleteEvent();
      break;
  }
  return true;
}

void MacroPage::OnMacroListSelChange() { ShowMacro(); }

void MacroPage::ImportMacros() {
  const FileDialogOptions options{kMacroFileFilter, uses_.settingsDirectory, {}};
  const auto path = uses_.dialogs.OpenFile(Owner(), options);
  if (!path) return;
  LoadMacroFile(uses_.files, store_, *path, uses_.dialogs, Owner());
  RefreshMacroList();
  Repaint();
}

void MacroPage::ExportMacros() {
  const FileDialogOptions options{kMacroFileFilter, uses_.settingsDirectory, kMacroFileExtension};
  if (const auto path = uses_.dialogs.SaveFile(Owner(), options))
    uses_.saves.ReportSave(*path, SaveMacroFile(uses_.files, store_, *path));
}

void MacroPage::NewMacro() {
  std::u16string name = macroNameEdit_.Text();
  macroList_.SetFocus();
  if (store_.MacroCount() >= MacroStore::kMaxMacros || name.empty()) return;
  // The stored name holds 19 code units; looking up and listing the cut name
  // keeps the list, the store and the next lookup in agreement.
  name.resize(std::min(name.size(), Macro::kMaxNameLength));
  const int index = store_.FindMacro(name);
  store_.SetCurrentMacro(index);
  if (index == store_.MacroCount()) {
    store_.AddMacro(name);
    eventList_.DeleteAll();
    macroList_.AddString(name);
  }
  macroList_.SetCurSel(index);
}

void MacroPage::DeleteMacro() {
  if (recorder_.Recording() || macroList_.Count() == 0) return;
  const int line = macroList_.CurSel();
  if (line < 0) return;  // no macro chosen: nothing to delete
  store_.RemoveMacro(line);
  macroList_.DeleteString(line);
  const int next = line > 0 ? line - 1 : 0;
  macroList_.SetCurSel(next);
  store_.SetCurrentMacro(next);
  if (macroList_.Count() == 0) {
    macroNameEdit_.SetText(u"");
    repeatCountEdit_.SetText(u"1");
    repeatCountEdit_.Enable(false);
  } else {
    macroNameEdit_.SetText(macroList_.Text(next));
  }
  RefreshEventList(next);
}

void MacroPage::SaveMacros() {
  int32_t count = ParseDecimal(repeatCountEdit_.Text());
  if (count < 1) {
    count = 1;
    repeatCountEdit_.SetText(u"1");
  } else if (count > 65535) {
    count = 65535;
    repeatCountEdit_.SetText(u"65535");
  }
  store_.SetRepeatCount(store_.CurrentMacro(), static_cast<uint16_t>(count));
  const std::filesystem::path file = MacroFile();
  uses_.saves.ReportSave(file, SaveMacroFile(uses_.files, store_, file));
}

void MacroPage::ToggleRepeatMode() {
  const int current = store_.CurrentMacro();
  const auto macro = store_.Copy(current);
  if (!macro) return;
  if (macro->RepeatMode() == 0) {
    store_.SetRepeatMode(current, 1);
    repeatCountEdit_.SetText(FormatDecimal(macro->RepeatCount()));
    repeatCountEdit_.Enable(true);
  } else {
    store_.SetRepeatMode(current, 0);
    repeatCountEdit_.SetText(u"1");
    repeatCountEdit_.Enable(false);
  }
  Repaint();
}

void MacroPage::RefreshMacroList() {
  macroList_.DeleteAll();
  for (const auto& name : store_.Names()) macroList_.AddString(name);
  if (store_.MacroCount() == 0) return;
  const int shown = std::clamp(store_.CurrentMacro(), 0, std::max(macroList_.Count() - 1, 0));
  store_.SetCurrentMacro(shown);
  macroList_.SetCurSel(shown);
  ShowMacro();
}

void MacroPage::LoadLanguageMacros() {
  LoadMacroFile(uses_.files, store_, MacroFile(), uses_.dialogs, Owner());
  if (!shown_) return;
  RefreshMacroList();
  Repaint();
}

void MacroPage::ResetToDefaultMacros() {
  const std::filesystem::path defaults = DefaultMacroFilePath(uses_.skinsDirectory, uses_.profile.LanguageFlag());
  std::error_code error;
  if (!std::filesystem::exists(defaults, error)) {
    // Without the default macros the user's own stay, in memory and on disk.
    uses_.dialogs.MessageBox(Owner(), kMacroFileMissingMessage, kMessageCaption);
    return;
  }
  LoadMacroFile(uses_.files, store_, defaults, uses_.dialogs, Owner());
  if (shown_) {
    RefreshMacroList();
    Repaint();
  }
  const std::filesystem::path file = MacroFile();
  uses_.saves.ReportSave(file, SaveMacroFile(uses_.files, store_, file));
}

void MacroPage::ShowMacro() {
  const int line = macroList_.CurSel();
  store_.SetCurrentMacro(line);
  macroNameEdit_.SetText(macroList_.Text(line));
  RefreshEventList(line);
}

void MacroPage::RefreshEventList(int index) {
  display_.RefreshEventList(store_.Copy(index), {.last = recorder_.Recording(), .line = selectedLine_});
}

void MacroPage::OnRightButtonUp() {
  const fw::Rect list = eventList_.ClientRectOnScreen();
  const int top = eventList_.TopIndex();
  const fw::Point pointer = uses_.popupMenus.CursorPosition();
  const int height = eventList_.ItemHeight();
  const int line = height != 0 ? (top * height + pointer.y - list.top) / height : 0;
  selectedLine_ = line;
  eventList_.SetCurSel(line);
  eventListCount_ = eventList_.Count();
  WindowHost* owner = Owner();
  if (owner && list.Contains(pointer) && (line < eventListCount_ || eventListCount_ == 0))
    uses_.eventMenu.TrackFirstSubMenu(kTrackRightButton, pointer, *owner);
  // Taken after the menu has closed, before its command arrives.
  menuEvent_ = eventList_.CurSel() / 2;
  menuMacro_ = std::min(macroList_.CurSel(), kLastMacroIndex);
}

void MacroPage::InsertMouseEvent(bool after, uint8_t code, uint8_t action) {
  const bool listEmpty = eventList_.Count() == 0;
  const int pos = !after ? menuEvent_ : (listEmpty ? 0 : menuEvent_ + 1);
  if (InsertEventOrWarn(store_, uses_.dialogs, Owner(), menuMacro_, pos, code, action))
    selectedLine_ += 2;
  if (after && listEmpty) selectedLine_ = 0;
  RefreshEventList(menuMacro_);
}

void MacroPage::ModifyDelay() {
  if (eventListCount_ == 0) return;
  // Only a delay line opens the editor.
  if (selectedLine_ % 2 != 0) eventList_.Send(fw::msg::kChar, 1);
}

void MacroPage::DeleteEvent() {
  store_.RemoveEvent(menuMacro_, menuEvent_);
  selectedLine_ = selectedLine_ < 3 ? 0 : selectedLine_ - 2;
  RefreshEventList(menuMacro_);
}

void MacroPage::OnCommitDelay() {
  // The editor also opens on Ctrl+A typed into the list, on whatever line is
  // selected; only a delay line chosen through the menu is a delay to store.
  // Anything else is put back as it was.
  const bool delayLine = menuMacro_ >= 0 && selectedLine_ % 2 != 0 && selectedLine_ < eventList_.Count();
  if (!delayLine) {
    RefreshEventList(store_.CurrentMacro());
    return;
  }
  std::u16string text = eventList_.Text(selectedLine_);
  if (const auto ms = text.find(u"ms"); ms != std::u16string::npos) text.resize(ms);
  store_.SetDelay(menuMacro_, menuEvent_, ParseDecimal(text));
  RefreshEventList(menuMacro_);
}

WindowHost* MacroPage::Owner() const { return uses_.mainWindow.HasWindow() ? &uses_.mainWindow.Host() : nullptr; }

void MacroPage::Repaint() {
  if (WindowHost* owner = Owner()) owner->Invalidate(true);
}

std::filesystem::path MacroPage::MacroFile() const {
  return MacroFilePath(uses_.settingsDirectory, uses_.profile.LanguageFlag());
}

}  // namespace tx80
