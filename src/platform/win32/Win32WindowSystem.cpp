#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>
#include <commctrl.h>
#include <dbt.h>

#include <cstddef>
#include <string_view>

#include "framework/Dialog.h"
#include "platform/win32/Win32WindowHost.h"
#include "platform/win32/WideText.h"

namespace tx80 {

namespace {

// What the dialog procedure of one running dialog needs; it lives on
// RunModal's stack, so nested dialogs each track their own end.
struct RunningDialog {
  fw::Dialog& dialog;
  Win32WindowHost host;
  bool destroyed = false;
};

// Messages whose result a dialog procedure returns directly instead of through
// DWLP_MSGRESULT.
bool ReturnsResultDirectly(UINT id) {
  return (id >= WM_CTLCOLORMSGBOX && id <= WM_CTLCOLORSTATIC) || id == WM_COMPAREITEM ||
         id == WM_VKEYTOITEM || id == WM_CHARTOITEM || id == WM_QUERYDRAGICON || id == WM_INITDIALOG;
}

INT_PTR Result(HWND window, UINT id, INT_PTR value) {
  if (ReturnsResultDirectly(id)) return value;
  SetWindowLongPtrW(window, DWLP_MSGRESULT, value);
  return TRUE;
}

// The broadcasts that carry a DEV_BROADCAST_HDR in lParam.
bool CarriesBroadcast(WPARAM event) {
  switch (event) {
    case DBT_DEVICEARRIVAL:
    case DBT_DEVICEQUERYREMOVE:
    case DBT_DEVICEQUERYREMOVEFAILED:
    case DBT_DEVICEREMOVEPENDING:
    case DBT_DEVICEREMOVECOMPLETE:
    case DBT_DEVICETYPESPECIFIC:
    case DBT_CUSTOMEVENT:
      return true;
    default:
      return false;
  }
}

// Reads the interface path only within the size the broadcast states.
fw::DeviceBroadcast Decode(const DEV_BROADCAST_HDR& header) {
  fw::DeviceBroadcast broadcast;
  broadcast.deviceType = header.dbch_devicetype;
  if (header.dbch_devicetype == DBT_DEVTYP_DEVICEINTERFACE) {
    const auto& device = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W&>(header);
    const size_t offset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (header.dbch_size > offset) {
      std::wstring_view name(device.dbcc_name, (header.dbch_size - offset) / sizeof(wchar_t));
      broadcast.name = FromWide(name.substr(0, name.find(L'\0')));
    }
  }
  return broadcast;
}

INT_PTR CALLBACK DialogProcedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_INITDIALOG) {
    auto* running = reinterpret_cast<RunningDialog*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    running->host.SetHandle(window);
    running->dialog.Attach(&running->host);
    return running->dialog.OnInitDialog() ? TRUE : FALSE;
  }
  auto* running = reinterpret_cast<RunningDialog*>(GetWindowLongPtrW(window, DWLP_USER));
  if (!running) return FALSE;  // messages before WM_INITDIALOG (WM_SETFONT, ...)
  fw::Dialog& dialog = running->dialog;

  switch (id) {
    case WM_NCDESTROY:
      // The dialog loses its window now, not when the loop notices: the
      // handler that destroyed it may still be running (a start sequence).
      SetWindowLongPtrW(window, DWLP_USER, 0);
      running->host.SetHandle(nullptr);
      running->destroyed = true;
      dialog.Detach();
      return FALSE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(ProgramIcon());
    case WM_DEVICECHANGE: {
      fw::DeviceBroadcast broadcast;
      const bool decoded = CarriesBroadcast(wParam) && lParam;
      if (decoded) broadcast = Decode(*reinterpret_cast<const DEV_BROADCAST_HDR*>(lParam));
      return Result(window, id, dialog.OnDeviceChange(wParam, decoded ? &broadcast : nullptr) ? TRUE : FALSE);
    }
    default:
      break;
  }
  const auto result = dialog.Dispatch(fw::Message{id, wParam, lParam, true});
  return result ? Result(window, id, *result) : FALSE;
}

}  // namespace

int Win32WindowSystem::RunModal(fw::Dialog& dialog) {
  HWND owner = running_.empty() ? nullptr : static_cast<HWND>(running_.back());
  RunningDialog running{dialog, {}};

  HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialog.TemplateId()), owner,
                                   DialogProcedure, reinterpret_cast<LPARAM>(&running));
  if (!window) {
    // Either the template is missing, or the dialog ended in its own OnInitDialog.
    dialog.Detach();
    return running.destroyed ? 0 : -1;
  }

  // Like a modal dialog, the owner takes no input while this one runs.
  if (owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    running.host.SetDisabledOwner(owner);
  }
  running_.push_back(window);
  ShowWindow(window, SW_SHOWNORMAL);
  UpdateWindow(window);

  MSG message;
  while (!running.destroyed) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) break;
    if (got == 0) {
      // A quit request belongs to whoever runs the outermost loop: pass it on.
      PostQuitMessage(static_cast<int>(message.wParam));
      running.host.Destroy();
      break;
    }
    const bool forDialogOrChild = message.hwnd == window || (message.hwnd && IsChild(window, message.hwnd));
    fw::Message seen{message.message, message.wParam, message.lParam, forDialogOrChild};
    if (dialog.HasWindow() && dialog.PreTranslateMessage(seen)) continue;
    if (!running.destroyed && IsDialogMessageW(window, &message)) continue;
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }

  running_.pop_back();
  running.host.EnableOwner();
  dialog.Detach();
  return 0;
}

void Win32WindowSystem::InitializeControls() {
  INITCOMMONCONTROLSEX controls{};
  controls.dwSize = 8;
  controls.dwICC = 0xFF;
  InitCommonControlsEx(&controls);
}

std::u16string Win32WindowSystem::LoadResourceString(int id) {
  // With a zero length LoadStringW hands back a pointer into the resource itself.
  const wchar_t* text = nullptr;
  const int length =
      LoadStringW(GetModuleHandleW(nullptr), static_cast<UINT>(id), reinterpret_cast<LPWSTR>(&text), 0);
  if (length <= 0 || !text) return {};
  return FromWide(std::wstring_view(text, static_cast<size_t>(length)));
}

}  // namespace tx80
