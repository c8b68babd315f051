// The form's focus, keys and window procedure.
#include "ui/win32/win32_form.h"

#include <shellapi.h>

#include <algorithm>

#include "toolz/wide_text.h"
#include "ui/win32/win32_application.h"
#include "ui/win32/win32_menu.h"

namespace sigillo::ui::win32 {

namespace {

// Broadcast to top-level windows when Explorer starts its taskbar anew.
UINT TaskbarCreatedMessage() {
  static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
  return message;
}

class Win32Canvas : public Canvas {
 public:
  explicit Win32Canvas(HDC dc) : dc_(dc) {}

  // The system's line drawing leaves the end point out by itself.
  void DrawLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2, SystemColor color) override {
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(SystemColorIndex(color)));
    const HGDIOBJ old = SelectObject(dc_, pen);
    MoveToEx(dc_, x1, y1, nullptr);
    LineTo(dc_, x2, y2);
    SelectObject(dc_, old);
    DeleteObject(pen);
  }

 private:
  HDC dc_;
};

}  // namespace

// ---- Focus, tab order and keys ----

void Win32Form::PlaceInTabOrder(HWND control, int32_t order) {
  std::erase_if(tab_order_, [control](const auto& entry) { return entry.second == control; });
  tab_order_.emplace_back(order, control);
  std::stable_sort(tab_order_.begin(), tab_order_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  // The Tab key follows the order of the windows. A control is moved only when it
  // stands before its predecessor, so that each label stays just before its box.
  for (size_t i = 1; i < tab_order_.size(); ++i) {
    const HWND previous = tab_order_[i - 1].second;
    bool after = false;
    for (HWND w = GetWindow(previous, GW_HWNDNEXT); w != nullptr; w = GetWindow(w, GW_HWNDNEXT)) {
      if (w == tab_order_[i].second) {
        after = true;
        break;
      }
    }
    if (!after) {
      SetWindowPos(tab_order_[i].second, previous, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
  }
}

void Win32Form::FocusControl(HWND control) {
  saved_focus_ = control;
  // A hidden form's controls take the focus once the form is shown and active.
  if (IsWindowVisible(hwnd_)) SetFocus(control);
}

bool Win32Form::ControlHasFocus(HWND control) const {
  if (IsWindowVisible(hwnd_) && GetActiveWindow() == hwnd_) return GetFocus() == control;
  return saved_focus_ == control;
}

void Win32Form::ControlDisabling(HWND control) {
  if (GetFocus() == control) SetFocus(hwnd_);
  if (saved_focus_ == control) saved_focus_ = nullptr;
}

void Win32Form::RestoreFocus() {
  HWND target = saved_focus_;
  if (target == nullptr || !IsWindow(target) || !IsWindowEnabled(target)) {
    target = GetNextDlgTabItem(hwnd_, nullptr, FALSE);
  }
  if (target != nullptr && IsWindowEnabled(target)) SetFocus(target);
}

void Win32Form::SetDefaultButton(int id, bool is_default) {
  if (is_default) {
    SendMessageW(hwnd_, DM_SETDEFID, static_cast<WPARAM>(id), 0);
  } else if (default_id_ == id) {
    SendMessageW(hwnd_, DM_SETDEFID, 0, 0);
  }
}

bool Win32Form::PreTranslate(MSG& msg) {
  if (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd)) return false;
  if (accelerators_stale_) RebuildAccelerators();
  if (accelerators_ != nullptr && TranslateAcceleratorW(hwnd_, accelerators_, &msg)) return true;
  const bool modified =
      (GetKeyState(VK_CONTROL) & 0x8000) != 0 || (GetKeyState(VK_MENU) & 0x8000) != 0;
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && !modified) {
    // Enter presses the focused button, or else the default button.
    ChildControl* focused = ControlOf(GetFocus());
    if (focused != nullptr && focused->Press()) return true;
    const LRESULT default_id = SendMessageW(hwnd_, DM_GETDEFID, 0, 0);
    if (HIWORD(default_id) == DC_HASDEFID) {
      if (ChildControl* button = ControlWithId(LOWORD(default_id))) button->Press();
    }
    return true;
  }
  return IsDialogMessageW(hwnd_, &msg) != FALSE;
}

// ---- Messages ----

ChildControl* Win32Form::ControlOf(HWND window) const {
  if (window == nullptr) return nullptr;
  for (const auto& control : controls_) {
    if (control->Window() == window) return control.get();
  }
  return nullptr;
}

ChildControl* Win32Form::ControlWithId(int id) const {
  return ControlOf(GetDlgItem(hwnd_, id));
}

LRESULT CALLBACK Win32Form::WindowProc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* form = reinterpret_cast<Win32Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (form == nullptr || form->destroying_) return DefWindowProcW(hwnd, message, wparam, lparam);
  return form->Handle(message, wparam, lparam);
}

LRESULT Win32Form::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      if (lparam != 0) {
        if (ChildControl* control = ControlOf(reinterpret_cast<HWND>(lparam)))
          control->Command(HIWORD(wparam));
      } else if (HIWORD(wparam) <= 1) {  // a menu item or its shortcut
        const auto item = menu_items_.find(LOWORD(wparam));
        if (item != menu_items_.end()) item->second->Click();
      }
      return 0;
    case WM_CTLCOLORSTATIC:
      if (ChildControl* control = ControlOf(reinterpret_cast<HWND>(lparam))) {
        if (HBRUSH brush = control->StaticColors(reinterpret_cast<HDC>(wparam)))
          return reinterpret_cast<LRESULT>(brush);
      }
      break;
    case WM_ERASEBKGND: {
      RECT r{};
      GetClientRect(hwnd_, &r);
      FillRect(reinterpret_cast<HDC>(wparam), &r, GetSysColorBrush(color_index_));
      return 1;
    }
    case WM_PAINT: {
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(hwnd_, &paint);
      if (dc != nullptr && on_paint_) {
        Win32Canvas canvas(dc);
        on_paint_(canvas);
      }
      EndPaint(hwnd_, &paint);
      return 0;
    }
    case WM_SETCURSOR:
      if (LOWORD(lparam) == HTCLIENT && app_.Cursor() == ScreenCursor::kHourGlass) {
        SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        return TRUE;
      }
      break;
    case WM_ACTIVATE:
      if (LOWORD(wparam) == WA_INACTIVE) {
        const HWND focus = GetFocus();
        if (focus != nullptr && IsChild(hwnd_, focus)) saved_focus_ = focus;
      } else if (HIWORD(wparam) == 0) {  // not minimised
        RestoreFocus();
        return 0;
      }
      break;
    case WM_NEXTDLGCTL: {
      // Sent by the dialog keys: the next or previous control, or the one named.
      const HWND target = LOWORD(lparam) != 0
                              ? reinterpret_cast<HWND>(wparam)
                              : GetNextDlgTabItem(hwnd_, GetFocus(), wparam != 0 ? TRUE : FALSE);
      if (target != nullptr) {
        SetFocus(target);
        if (SendMessageW(target, WM_GETDLGCODE, 0, 0) & DLGC_HASSETSEL)
          SendMessageW(target, EM_SETSEL, 0, -1);
      }
      return 0;
    }
    case DM_GETDEFID:
      return default_id_ != 0 ? MAKELRESULT(default_id_, DC_HASDEFID) : 0;
    case DM_SETDEFID:
      default_id_ = static_cast<int>(wparam);
      return TRUE;
    case WM_CLOSE:
      Close();
      return 0;
    case WM_DROPFILES: {
      HDROP drop = reinterpret_cast<HDROP>(wparam);
      std::wstring name;
      if (DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0) > 0) {
        name.resize(DragQueryFileW(drop, 0, nullptr, 0) + 1);
        name.resize(DragQueryFileW(drop, 0, name.data(), static_cast<UINT>(name.size())));
      }
      DragFinish(drop);
      if (!name.empty() && on_file_drop_) {
        const Text path = TextOfWide(name);
        app_.Dispatch([this, &path] { on_file_drop_(path); });
      }
      return 0;
    }
    case WM_SETTINGCHANGE:
      app_.SettingsChanged();
      break;
    default:
      if (message == TaskbarCreatedMessage()) app_.SettingsChanged();
      break;
  }
  return DefWindowProcW(hwnd_, message, wparam, lparam);
}

}  // namespace sigillo::ui::win32
