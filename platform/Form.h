#pragma once
// A top-level window with a self-drawn non-client area (caption and frame), so
// that the skin engine can paint it and the style bits can remove it.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/WinControl.h"

class FormWindow;
class QPainter;

constexpr uint32_t WS_BORDER = 0x00800000;
constexpr uint32_t WS_CAPTION = 0x00C00000;
constexpr uint32_t WS_SYSMENU = 0x00080000;
constexpr uint32_t WS_MINIMIZEBOX = 0x00020000;

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };

// What the non-client area is made of; the skin's form provider may replace the painter.
struct TNonClientMetrics {
  int CaptionHeight = 21;
  int FrameWidth = 3;
};

class TForm;

// Every form that exists, in creation order (the screen's form list).
const std::vector<TForm*>& ScreenForms();

class TForm : public TWinControl {
public:
  explicit TForm(TComponent* AOwner);
  ~TForm() override;

  void SetCaption(const std::string& caption);
  uint32_t Style() const { return style_; }
  void SetStyle(uint32_t style);
  TWindowState WindowState() const { return state_; }
  void SetWindowState(TWindowState state);
  bool StayOnTop() const { return stayOnTop_; }
  void SetStayOnTop(bool value);

  // Outer geometry (Left, Top, Width, Height) and the client area inside the frame.
  void SetBounds(int left, int top, int width, int height) override;
  int ClientWidth() const { return Width() - 2 * FrameWidth(); }
  int ClientHeight() const { return Height() - NonClientHeight(); }
  void SetClientWidth(int width) { SetWidth(width + 2 * FrameWidth()); }
  void SetClientHeight(int height) { SetHeight(height + NonClientHeight()); }
  int CaptionHeight() const;
  int FrameWidth() const;
  int NonClientHeight() const { return CaptionHeight() + 2 * FrameWidth(); }

  // The control with the keyboard focus; nullptr gives the focus to the form itself.
  TWinControl* ActiveControl() const;
  void SetActiveControl(TWinControl* control);
  bool Active() const;

  // Lets the window host views drawn through OpenGL (the web engine) without
  // recreating its native windows later. Call before any native window exists.
  void HostTextureChildren();

  void Show();
  void Close();
  FormWindow* Window() const { return window_; }

  // Paints caption and frame into the outer rectangle; empty: the plain standard look.
  using NonClientPainter = std::function<void(QPainter& canvas, const TForm& form)>;
  void SetNonClientPainter(NonClientPainter painter);
  const NonClientPainter& Painter() const { return painter_; }
  void SetNonClientMetrics(const TNonClientMetrics& metrics);

  TNotifyEvent OnShow;
  TNotifyEvent OnActivate;
  TNotifyEvent OnClose;
  TKeyEvent OnKeyUp;

protected:
  void KeyUp(uint16_t& key, TShiftState shift) override;
  QWidget* ClientWidget() const override;

private:
  friend class FormWindow;
  void LayoutClient();
  void ApplyWindowFlags();

  FormWindow* window_;
  uint32_t style_ = WS_CAPTION | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX;
  TWindowState state_ = TWindowState::wsNormal;
  QRect normalBounds_;
  bool stayOnTop_ = false;
  TNonClientMetrics metrics_;
  NonClientPainter painter_;
};
