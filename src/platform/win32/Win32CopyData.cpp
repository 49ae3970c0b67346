#include "platform/win32/Win32CopyData.h"

#include "framework/Dialog.h"
#include "platform/SingleInstance.h"

namespace tx80 {

bool SendCopyData(HWND to, HWND from, ULONG_PTR tag, std::u16string_view text) {
  COPYDATASTRUCT data{tag, static_cast<DWORD>(text.size() * sizeof(char16_t)), const_cast<char16_t*>(text.data())};
  DWORD_PTR result = 0;
  // SMTO_NORMAL: messages sent to this thread while it waits are handled.
  return SendMessageTimeoutW(to, WM_COPYDATA, reinterpret_cast<WPARAM>(from), reinterpret_cast<LPARAM>(&data),
                             SMTO_NORMAL | SMTO_ABORTIFHUNG, SingleInstance::kRequestTimeoutMs, &result) != 0 &&
         result != 0;
}

std::optional<std::u16string> CopyDataText(LPARAM data, ULONG_PTR tag) {
  const auto* copy = reinterpret_cast<const COPYDATASTRUCT*>(data);
  if (!copy || copy->dwData != tag || copy->cbData % sizeof(char16_t) != 0) return std::nullopt;
  if (copy->cbData == 0) return std::u16string();
  return std::u16string(static_cast<const char16_t*>(copy->lpData), copy->cbData / sizeof(char16_t));
}

void AcceptCopyDataFromAnyProcess(HWND window) { ChangeWindowMessageFilterEx(window, WM_COPYDATA, MSGFLT_ALLOW, nullptr); }

LRESULT AnswerRequest(fw::Dialog& dialog, HWND window, WPARAM sender, LPARAM data) {
  const auto request = CopyDataText(data, kRequestTag);
  HWND replyTo = reinterpret_cast<HWND>(sender);
  if (!request || !IsWindow(replyTo)) return FALSE;
  const auto reply = dialog.OnRequest(*request);
  if (!reply) return FALSE;
  return SendCopyData(replyTo, window, kReplyTag, *reply) ? TRUE : FALSE;
}

}  // namespace tx80
