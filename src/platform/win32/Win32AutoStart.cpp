#include "platform/win32/Win32AutoStart.h"

#include <windows.h>

#include "platform/win32/WideText.h"

namespace tx80 {

namespace {

constexpr wchar_t kRunKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr wchar_t kApprovedKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\StartupApproved\\Run";

// Closes the key when it goes out of scope.
struct OpenKey {
  HKEY key = nullptr;
  ~OpenKey() {
    if (key) RegCloseKey(key);
  }
};

// Deletes value `name` of the user's `key`; a key or value that is not there
// is as good as deleted.
bool DeleteUserValue(const wchar_t* key, std::u16string_view name) {
  OpenKey open;
  const LSTATUS opened = RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_SET_VALUE, &open.key);
  if (opened == ERROR_FILE_NOT_FOUND) return true;
  if (opened != ERROR_SUCCESS) return false;
  const LSTATUS deleted = RegDeleteValueW(open.key, ToWide(name).c_str());
  return deleted == ERROR_SUCCESS || deleted == ERROR_FILE_NOT_FOUND;
}

}  // namespace

std::optional<std::u16string> Win32AutoStart::Read(std::u16string_view name) {
  OpenKey run;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kRunKey, 0, KEY_QUERY_VALUE, &run.key) != ERROR_SUCCESS) return std::nullopt;
  const std::wstring valueName = ToWide(name);
  std::wstring value(MAX_PATH, L'\0');
  for (;;) {
    DWORD type = 0;
    DWORD bytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    const LSTATUS status =
        RegQueryValueExW(run.key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(value.data()), &bytes);
    if (status == ERROR_MORE_DATA) {
      value.resize(bytes / sizeof(wchar_t) + 1);
      continue;
    }
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return std::nullopt;
    // The stored text need not end in a terminator.
    value.resize(bytes / sizeof(wchar_t));
    value.resize(wcsnlen(value.c_str(), value.size()));
    return FromWide(value);
  }
}

bool Win32AutoStart::Write(std::u16string_view name, std::u16string_view commandLine) {
  OpenKey run;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &run.key, nullptr) !=
      ERROR_SUCCESS)
    return false;
  const std::wstring value = ToWide(commandLine);
  const auto bytes = static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t));
  return RegSetValueExW(run.key, ToWide(name).c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                        bytes) == ERROR_SUCCESS;
}

bool Win32AutoStart::Remove(std::u16string_view name) { return DeleteUserValue(kRunKey, name); }

std::optional<std::string> Win32AutoStart::ReadApproval(std::u16string_view name) {
  OpenKey approved;
  if (RegOpenKeyExW(HKEY_CURRENT_USER, kApprovedKey, 0, KEY_QUERY_VALUE, &approved.key) != ERROR_SUCCESS)
    return std::nullopt;
  std::string bytes(64, '\0');
  DWORD type = 0;
  DWORD size = static_cast<DWORD>(bytes.size());
  if (RegQueryValueExW(approved.key, ToWide(name).c_str(), nullptr, &type, reinterpret_cast<BYTE*>(bytes.data()),
                       &size) != ERROR_SUCCESS ||
      type != REG_BINARY)
    return std::nullopt;
  bytes.resize(size);
  return bytes;
}

bool Win32AutoStart::RemoveApproval(std::u16string_view name) { return DeleteUserValue(kApprovedKey, name); }

}  // namespace tx80
