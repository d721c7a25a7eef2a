#pragma once
// A top-level window with a self-drawn non-client area (caption and frame), so
// that the skin engine can paint it and the style bits can remove it.

#include <cstdint>
#include <functional>
#include <vector>

#include "platform/WinControl.h"

class FormWindow;
class TNonClientHandler;

constexpr uint32_t WS_BORDER = 0x00800000;
constexpr uint32_t WS_CAPTION = 0x00C00000;
constexpr uint32_t WS_SYSMENU = 0x00080000;
constexpr uint32_t WS_MINIMIZEBOX = 0x00020000;
constexpr uint32_t WS_MAXIMIZEBOX = 0x00010000;

enum class TWindowState { wsNormal, wsMinimized, wsMaximized };
// bsSingle: in the normal state the window keeps the size the program gives it.
enum class TFormBorderStyle { bsSizeable, bsSingle };

// The platform's caption height and frame width of the self-drawn non-client area.
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
  TFormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TFormBorderStyle style);
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

  void Show();
  void Close();
  FormWindow* Window() const { return window_; }

  // Who paints caption and frame and places the caption buttons; null: the plain standard look.
  void SetNonClientHandler(TNonClientHandler* handler);
  TNonClientHandler* NonClientHandler() const { return handler_; }
  void SetNonClientMetrics(const TNonClientMetrics& metrics);
  // Repaints part of the window (window coordinates); an empty rectangle: all of it.
  void InvalidateNonClient(const QRect& area);
  // The window's top-left corner on the screen, wherever the user moved it.
  QPoint ScreenOrigin() const;

  // Called whenever any form becomes the active window, before its OnActivate.
  using ActivationHook = std::function<void(TForm* form)>;
  static void SetActivationHook(ActivationHook hook);
  // The form whose window is active, or null.
  static TForm* ActiveForm();

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
  void Activated();
  void ApplyWindowFlags();
  void ApplySizeLimits(int width, int height);

  FormWindow* window_;
  uint32_t style_ = WS_CAPTION | WS_BORDER | WS_SYSMENU | WS_MINIMIZEBOX;
  TWindowState state_ = TWindowState::wsNormal;
  QRect normalBounds_;
  bool stayOnTop_ = false;
  TFormBorderStyle borderStyle_ = TFormBorderStyle::bsSizeable;
  TNonClientMetrics metrics_;
  TNonClientHandler* handler_ = nullptr;
};
