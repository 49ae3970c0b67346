#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <string_view>

namespace fw {
class Dialog;
}

namespace tx80 {

// Requests between copies of the program and their replies travel as
// WM_COPYDATA of UTF-16 text, each kind with its own tag.
inline constexpr ULONG_PTR kRequestTag = 0x54583852;  // "TX8R"
inline constexpr ULONG_PTR kReplyTag = 0x54583841;    // "TX8A"

// Sends `text` to `to` and waits, handling messages sent to this thread
// meanwhile (the reply comes as one); false when it was not delivered.
bool SendCopyData(HWND to, HWND from, ULONG_PTR tag, std::u16string_view text);
// The text of a WM_COPYDATA that carries `tag`.
std::optional<std::u16string> CopyDataText(LPARAM data, ULONG_PTR tag);
// A WM_COPYDATA to `window` from a process of other rights gets through
// (Windows drops it from a lower integrity level otherwise).
void AcceptCopyDataFromAnyProcess(HWND window);
// WM_COPYDATA of a dialog: its request handed to the dialog, the reply sent
// back to the sender's window. The message's result.
LRESULT AnswerRequest(fw::Dialog& dialog, HWND window, WPARAM sender, LPARAM data);

}  // namespace tx80
