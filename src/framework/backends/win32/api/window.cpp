#include "framework/backends/win32/api/window.h"

#include <windows.h>

#include <algorithm>
#include <stdexcept>

#include "framework/backends/win32/api/cursors.h"
#include "framework/backends/win32/api/system.h"

namespace win32 {

namespace {

constexpr const char* kClassName = "QuickIntroWindow";
constexpr const char* kIconName = "MAINICON";

TTopLevelWindow* WindowOf(HWND window) {
  return reinterpret_cast<TTopLevelWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

bool IsInputMessage(UINT message) {
  switch (message) {
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_ACTIVATE:
    case WM_QUERYNEWPALETTE:
    case WM_PALETTECHANGED:
      return true;
    default:
      return false;
  }
}

// Dragging outside the window still reaches it until the last button is let go.
void TrackCapture(HWND window, UINT message, WPARAM buttons) {
  if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
    SetCapture(window);
  } else if ((message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP) &&
             (buttons & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) == 0) {
    ReleaseCapture();
  }
}

LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    const auto* create = reinterpret_cast<const CREATESTRUCTA*>(lParam);
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(create->lpCreateParams));
  }
  TTopLevelWindow* self = WindowOf(window);
  if (self == nullptr) return DefWindowProcA(window, message, wParam, lParam);
  switch (message) {
    case WM_PAINT:
      self->Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;  // every pixel is painted
    case WM_SETCURSOR:
      if (LOWORD(lParam) != HTCLIENT) break;
      self->ShowCursor();
      return TRUE;
    case WM_CLOSE:
      // The program decides whether the window closes (its close event may refuse).
      self->Sink().WindowMessage(message, wParam, lParam);
      return 0;
    case WM_SYSKEYDOWN:
      self->Sink().WindowMessage(message, wParam, lParam);
      // The program closes on Alt+F4 itself; the system's own close would come on top.
      if (wParam == VK_F4) return 0;
      break;
    default:
      if (!IsInputMessage(message)) break;
      if (message >= WM_LBUTTONDOWN && message <= WM_MBUTTONUP) {
        TrackCapture(window, message, wParam);
      }
      self->Sink().WindowMessage(message, wParam, lParam);
      if (message == WM_QUERYNEWPALETTE) return FALSE;  // realised by the program, later
      break;
  }
  return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterWindowClass() {
  static const bool registered = [] {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hIcon = LoadIconA(windowClass.hInstance, kIconName);
    windowClass.hCursor = nullptr;  // WM_SETCURSOR decides
    windowClass.lpszClassName = kClassName;
    return RegisterClassExA(&windowClass) != 0;
  }();
  (void)registered;
}

DWORD StyleOf(const TWindowParams& params) {
  DWORD flags = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
  if (params.resizable) flags |= WS_THICKFRAME | WS_MAXIMIZEBOX;
  if (!params.toolWindow) flags |= WS_MINIMIZEBOX;
  return flags;
}

DWORD ExtendedStyleOf(const TWindowParams& params) {
  DWORD flags = 0;
  if (params.toolWindow) flags |= WS_EX_TOOLWINDOW;
  if (params.stayOnTop) flags |= WS_EX_TOPMOST;
  return flags;
}

// The outer size of a window whose client area has the given size.
SIZE OuterSize(DWORD style, DWORD extendedStyle, int clientWidth, int clientHeight) {
  RECT frame{0, 0, clientWidth, clientHeight};
  AdjustWindowRectEx(&frame, style, FALSE, extendedStyle);
  return {frame.right - frame.left, frame.bottom - frame.top};
}

HWND Window(void* handle) {
  return static_cast<HWND>(handle);
}

// Draws pixels 0x00RRGGBB, rows from the top, at the client area's top-left corner.
void DrawPixels(HDC dc, const std::vector<std::uint32_t>& pixels, int width, int height) {
  if (pixels.empty()) return;
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(width), static_cast<DWORD>(height), 0, 0, 0,
                    static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
}

bool PointerIsOver(HWND window) {
  POINT position;
  return GetCapture() == window || (GetCursorPos(&position) && WindowFromPoint(position) == window);
}

}  // namespace

TModifierKeys HeldModifierKeys() {
  auto held = [](int key) { return (GetKeyState(key) & 0x8000) != 0; };
  return {held(VK_SHIFT), held(VK_CONTROL), held(VK_MENU)};
}

TTopLevelWindow::TTopLevelWindow(const TWindowParams& params, TWindowMessageSink& sink)
    : sink_(sink) {
  RegisterWindowClass();
  const DWORD windowStyle = StyleOf(params);
  const DWORD extendedStyle = ExtendedStyleOf(params);
  const SIZE outer = OuterSize(windowStyle, extendedStyle, params.clientWidth, params.clientHeight);
  int left = params.left;
  int top = params.top;
  if (params.centred) {
    left = (GetSystemMetrics(SM_CXSCREEN) - outer.cx) / 2;
    top = (GetSystemMetrics(SM_CYSCREEN) - outer.cy) / 2;
  }
  HWND window =
      CreateWindowExA(extendedStyle, kClassName, params.caption.c_str(), windowStyle, left, top,
                      outer.cx, outer.cy, nullptr, nullptr, GetModuleHandleA(nullptr), this);
  if (window == nullptr) throw std::runtime_error(ErrorText(GetLastError()));
  window_ = window;
}

TTopLevelWindow::~TTopLevelWindow() {
  // No message may reach this object once it is gone.
  SetWindowLongPtrA(Window(window_), GWLP_USERDATA, 0);
  DestroyWindow(Window(window_));
  DestroyIcon(icon_);
}

void TTopLevelWindow::SetCaption(const std::string& caption) {
  SetWindowTextA(Window(window_), caption.c_str());
}

void TTopLevelWindow::SetIcon(const std::uint32_t* argb, int width, int height) {
  void* icon = CreateArgbIcon(argb, width, height);
  HICON shown = icon != nullptr
                    ? static_cast<HICON>(icon)
                    : reinterpret_cast<HICON>(GetClassLongPtrA(Window(window_), GCLP_HICON));
  SendMessageA(Window(window_), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(shown));
  SendMessageA(Window(window_), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(shown));
  DestroyIcon(icon_);
  icon_ = icon;
}

void TTopLevelWindow::SetClientSize(int width, int height) {
  HWND window = Window(window_);
  const auto style = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_STYLE));
  const auto extendedStyle = static_cast<DWORD>(GetWindowLongPtrA(window, GWL_EXSTYLE));
  const SIZE outer = OuterSize(style, extendedStyle, width, height);
  SetWindowPos(window, nullptr, 0, 0, outer.cx, outer.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TTopLevelWindow::Show() {
  ShowWindow(Window(window_), SW_SHOW);
  if (bringToFrontWhenShown_) {
    bringToFrontWhenShown_ = false;
    SetForegroundWindow(Window(window_));
  }
}

void TTopLevelWindow::Hide() {
  ShowWindow(Window(window_), SW_HIDE);
}

bool TTopLevelWindow::Visible() const {
  return IsWindowVisible(Window(window_)) != 0;
}

void TTopLevelWindow::Present(const std::uint32_t* pixels, int width, int height, int stride) {
  width_ = std::max(width, 0);
  height_ = std::max(height, 0);
  pixels_.resize(static_cast<std::size_t>(width_) * height_);
  for (int y = 0; y < height_; ++y) {
    const std::uint32_t* row = pixels + static_cast<std::ptrdiff_t>(y) * stride;
    std::copy(row, row + width_, pixels_.begin() + static_cast<std::ptrdiff_t>(y) * width_);
  }
  HWND window = Window(window_);
  HDC dc = GetDC(window);
  DrawPixels(dc, pixels_, width_, height_);
  ReleaseDC(window, dc);
  ValidateRect(window, nullptr);
}

void TTopLevelWindow::Paint() {
  HWND window = Window(window_);
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(window, &paint);
  DrawPixels(dc, pixels_, width_, height_);
  EndPaint(window, &paint);
}

void TTopLevelWindow::SetCursor(void* cursor) {
  cursor_ = cursor;
  if (PointerIsOver(Window(window_))) ShowCursor();
}

void TTopLevelWindow::ShowCursor() {
  win32::ShowCursor(cursor_);
}

bool TTopLevelWindow::BringToFront() {
  if (!Visible()) {
    bringToFrontWhenShown_ = true;
    return true;
  }
  return SetForegroundWindow(Window(window_)) != 0;
}

}  // namespace win32
