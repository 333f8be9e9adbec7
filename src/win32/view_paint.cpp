// The view's own drawing: control colours, frames with their shapes, pictures and the
// window's background.
#include "win32/ansi.h"
#include "win32/bitmap_picture.h"
#include "win32/control_windows.h"
#include "win32/native_view.h"

namespace win32 {

namespace {
constexpr int kCaptionIndent = 6;  // pixels from a frame's left edge to its caption
}

LRESULT NativeView::controlColours(HWND container, UINT message, HDC dc, HWND control) {
  auto brush = DefWindowProcA(container, message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control));
  const Native* native = nativeOf(control);
  if (!native) return brush;
  const forms::Control& model = *native->control;
  // A locked box stays white: the operator can still read and select in it.
  if (model.kind() == forms::Kind::TextBox && message == WM_CTLCOLORSTATIC && IsWindowEnabled(control)) {
    SetBkColor(dc, GetSysColor(COLOR_WINDOW));
    brush = reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  }
  if (model.hasForeColor()) SetTextColor(dc, colorRef(model.foreColor()));
  if (!model.hasBackColor()) return brush;
  SetBkColor(dc, colorRef(model.backColor()));
  return reinterpret_cast<LRESULT>(gdi_.brush(model.backColor()));
}

void NativeView::paint(HWND window) {
  PAINTSTRUCT painting;
  HDC dc = BeginPaint(window, &painting);
  RECT client;
  GetClientRect(window, &client);
  if (window == main_) {
    FillRect(dc, &client, gdi_.brush(form_.backColor));
    paintShapes(dc, nullptr);
  } else if (const Native* native = nativeOf(window)) {
    const forms::Control& model = *native->control;
    if (model.kind() == forms::Kind::Frame) {
      paintFrame(dc, window, static_cast<const forms::Frame&>(model));
    } else {
      FillRect(dc, &client, model.hasBackColor() ? gdi_.brush(model.backColor()) : GetSysColorBrush(COLOR_BTNFACE));
      const auto& picture = static_cast<const forms::PictureBox&>(model).picture();
      if (const auto* bitmap = dynamic_cast<const BitmapPicture*>(picture.get())) bitmap->draw(dc);
    }
  }
  EndPaint(window, &painting);
}

// A group box: an etched border, the caption on the top line in the frame's colours.
void NativeView::paintFrame(HDC dc, HWND window, const forms::Frame& frame) {
  RECT client;
  GetClientRect(window, &client);
  const COLORREF back = frame.hasBackColor() ? colorRef(frame.backColor()) : GetSysColor(COLOR_BTNFACE);
  FillRect(dc, &client, frame.hasBackColor() ? gdi_.brush(frame.backColor()) : GetSysColorBrush(COLOR_BTNFACE));
  HGDIOBJ previousFont = SelectObject(dc, gdi_.font(frame.font));
  TEXTMETRICA metrics{};
  GetTextMetricsA(dc, &metrics);
  RECT border = client;
  border.top += metrics.tmHeight / 2;
  DrawEdge(dc, &border, EDGE_ETCHED, BF_RECT);
  if (!frame.caption().empty()) {
    std::string caption(1, ' ');
    caption += toAnsi(frame.caption()) + ' ';
    COLORREF fore = frame.hasForeColor() ? colorRef(frame.foreColor()) : GetSysColor(COLOR_BTNTEXT);
    if (!IsWindowEnabled(window)) fore = GetSysColor(COLOR_GRAYTEXT);
    SetTextColor(dc, fore);
    SetBkColor(dc, back);
    SetBkMode(dc, OPAQUE);
    RECT line{kCaptionIndent, 0, client.right - kCaptionIndent, metrics.tmHeight};
    DrawTextA(dc, caption.c_str(), -1, &line, DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | DT_END_ELLIPSIS);
  }
  SelectObject(dc, previousFont);
  paintShapes(dc, &frame);
}

// Shapes have no window: their container draws them beneath its controls.
void NativeView::paintShapes(HDC dc, const forms::Frame* container) {
  for (const forms::Control* control : form_.controls) {
    if (control->kind() != forms::Kind::Shape || control->container() != container || !control->visible()) continue;
    HPEN pen = CreatePen(PS_SOLID, 1, control->hasForeColor() ? colorRef(control->foreColor()) : GetSysColor(COLOR_WINDOWTEXT));
    HGDIOBJ previousPen = SelectObject(dc, pen);
    HGDIOBJ previousBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    Rectangle(dc, pixels(control->left()), pixels(control->top()), pixels(control->left() + control->width()),
              pixels(control->top() + control->height()));
    SelectObject(dc, previousBrush);
    SelectObject(dc, previousPen);
    DeleteObject(pen);
  }
}

}  // namespace win32
