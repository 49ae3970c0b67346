#include "platform/win32/Win32WindowSystem.h"

#include <windows.h>
#include <commctrl.h>
#include <dbt.h>

#include <cstddef>
#include <string_view>

#include <algorithm>

#include "framework/Dialog.h"
#include "platform/win32/Win32Canvas.h"
#include "platform/win32/Win32CopyData.h"
#include "platform/win32/Win32WindowHost.h"
#include "platform/win32/WideText.h"

namespace tx80 {

namespace {

// What the dialog procedure of one dialog window needs. A modal one lives on
// RunModal's stack, so nested dialogs each track their own end; a modeless one
// on the heap until its window is gone.
struct RunningDialog {
  fw::Dialog& dialog;
  Win32WindowHost host;
  Win32WindowSystem& system;
  bool modal = true;
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

// The dialog draws its client area off-screen; the window gets it in one copy.
bool Paint(HWND window, fw::Dialog& dialog) {
  RECT client{};
  GetClientRect(window, &client);
  Win32Canvas canvas(client.right, client.bottom);
  if (!canvas.Valid() || !dialog.OnPaint(canvas)) return false;
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  BitBlt(dc, 0, 0, client.right, client.bottom, canvas.Dc(), 0, 0, SRCCOPY);
  EndPaint(window, &paint);
  return true;
}

INT_PTR ControlColors(fw::Dialog& dialog, HDC dc) {
  const auto colors = dialog.OnCtlColor();
  if (!colors) return FALSE;
  SelectObject(dc, FontFor(colors->font));
  SetBkColor(dc, ColourOf(colors->background));
  SetTextColor(dc, ColourOf(colors->text));
  return reinterpret_cast<INT_PTR>(BrushFor(colors->background));
}

bool MeasureMenuItem(fw::Dialog& dialog, MEASUREITEMSTRUCT& item) {
  if (item.CtlType != ODT_MENU) return false;
  fw::Size size{static_cast<int>(item.itemWidth), static_cast<int>(item.itemHeight)};
  if (!dialog.OnMeasureMenuItem(item.itemData, size)) return false;
  item.itemWidth = static_cast<UINT>(size.cx);
  item.itemHeight = static_cast<UINT>(size.cy);
  return true;
}

bool DrawMenuItem(fw::Dialog& dialog, const DRAWITEMSTRUCT& item) {
  if (item.CtlType != ODT_MENU || !item.itemData) return false;
  Win32Canvas canvas(item.hDC, item.rcItem.right, item.rcItem.bottom);
  const fw::MenuItemDraw draw{item.itemData,
                              {item.rcItem.left, item.rcItem.top, item.rcItem.right, item.rcItem.bottom},
                              (item.itemState & ODS_SELECTED) != 0,
                              (item.itemState & ODS_CHECKED) != 0};
  return dialog.OnDrawMenuItem(draw, canvas);
}

INT_PTR CALLBACK DialogProcedure(HWND window, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_INITDIALOG) {
    auto* running = reinterpret_cast<RunningDialog*>(lParam);
    SetWindowLongPtrW(window, DWLP_USER, lParam);
    running->host.SetHandle(window);
    running->host.SetModal(running->modal);
    running->system.Register(window, &running->host);
    running->dialog.Attach(&running->host);
    AcceptCopyDataFromAnyProcess(window);  // the program's requests, whatever rights the sender has
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
      running->system.Unregister(window);
      running->host.SetHandle(nullptr);
      running->destroyed = true;
      dialog.Detach();
      if (!running->modal) delete running;
      return FALSE;
    case WM_QUERYDRAGICON:
      return reinterpret_cast<INT_PTR>(ProgramIcon());
    case WM_PAINT:
      return Paint(window, dialog) ? TRUE : FALSE;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
      return ControlColors(dialog, reinterpret_cast<HDC>(wParam));
    case WM_MEASUREITEM:
      return Result(window, id, MeasureMenuItem(dialog, *reinterpret_cast<MEASUREITEMSTRUCT*>(lParam)) ? TRUE : FALSE);
    case WM_DRAWITEM:
      return Result(window, id, DrawMenuItem(dialog, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE);
    case WM_COPYDATA:
      return Result(window, id, AnswerRequest(dialog, window, wParam, lParam));
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
  RunningDialog running{dialog, {}, *this};

  HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialog.TemplateId()), owner,
                                   DialogProcedure, reinterpret_cast<LPARAM>(&running));
  if (!window) {
    // Either the template is missing, or the dialog ended in its own OnInitDialog.
    dialog.Detach();
    return running.destroyed ? running.host.EndResult() : -1;
  }

  // Like a modal dialog, the owner takes no input while this one runs.
  if (owner && IsWindowEnabled(owner)) {
    EnableWindow(owner, FALSE);
    running.host.SetDisabledOwner(owner);
  }
  running_.push_back(window);
  // A window that stays hidden is never shown at all, not even for a moment.
  if (!dialog.StartsHidden()) {
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
  }

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
  return running.host.EndResult();
}

WindowHost* Win32WindowSystem::CreateModeless(fw::Dialog& dialog, WindowHost* owner) {
  auto* running = new RunningDialog{dialog, {}, *this};
  running->modal = false;
  HWND window = CreateDialogParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(dialog.TemplateId()),
                                   WindowHandle(owner), DialogProcedure, reinterpret_cast<LPARAM>(running));
  if (!window) {
    // A window that came and went in its own OnInitDialog deleted its record then.
    if (!running->destroyed) {
      dialog.Detach();
      delete running;
    }
    return nullptr;
  }
  return &running->host;
}

WindowHost* Win32WindowSystem::FindByCaption(std::u16string_view caption) {
  HWND found = FindWindowW(nullptr, ToWide(caption).c_str());
  const auto mine = std::find_if(windows_.begin(), windows_.end(), [found](const auto& w) { return w.first == found; });
  return found && mine != windows_.end() ? mine->second : nullptr;
}

void Win32WindowSystem::Register(HWND window, WindowHost* host) { windows_.emplace_back(window, host); }

void Win32WindowSystem::Unregister(HWND window) {
  std::erase_if(windows_, [window](const auto& w) { return w.first == window; });
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
