#include <windows.h>
#include <commdlg.h>

#include <string>

#include "platform/win32/Win32Dialogs.h"
#include "platform/win32/Win32WindowHost.h"
#include "platform/win32/WideText.h"

namespace tx80 {

namespace {

// Long enough for any path the dialog can return.
constexpr DWORD kPathBuffer = 32768;

std::optional<std::filesystem::path> RunFileDialog(WindowHost* owner, const FileDialogOptions& options,
                                                   bool save) {
  // The framework's "a|b||" filter is the system's "a\0b\0\0".
  std::wstring filter = ToWide(options.filter);
  for (auto& c : filter)
    if (c == L'|') c = L'\0';
  filter.push_back(L'\0');
  const std::wstring directory = options.initialDirectory.wstring();
  const std::wstring extension = ToWide(options.defaultExtension);
  std::wstring file(kPathBuffer, L'\0');

  OPENFILENAMEW dialog{};
  dialog.lStructSize = sizeof(dialog);
  dialog.hwndOwner = WindowHandle(owner);
  dialog.lpstrFilter = filter.c_str();
  dialog.lpstrFile = file.data();
  dialog.nMaxFile = kPathBuffer;
  dialog.lpstrInitialDir = directory.c_str();
  dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
  dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | (save ? OFN_OVERWRITEPROMPT : OFN_READONLY);
  const BOOL chosen = save ? GetSaveFileNameW(&dialog) : GetOpenFileNameW(&dialog);
  if (!chosen) return std::nullopt;
  file.resize(wcslen(file.c_str()));
  return std::filesystem::path(file);
}

}  // namespace

std::optional<std::filesystem::path> Win32Dialogs::OpenFile(WindowHost* owner, const FileDialogOptions& options) {
  return RunFileDialog(owner, options, false);
}

std::optional<std::filesystem::path> Win32Dialogs::SaveFile(WindowHost* owner, const FileDialogOptions& options) {
  return RunFileDialog(owner, options, true);
}

}  // namespace tx80
