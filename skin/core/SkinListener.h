#pragma once
// The skin command protocol between a manager and the skinned windows and
// controls. The data core has no windows: forms and controls implement this
// interface and register with their manager, which calls them synchronously on
// the user-interface thread.

#include <cstdint>

class TsSkinManager;

// The window message that carries a skin command: wParam high word = code, low
// word = argument, lParam = the sending manager. Inside a listener class the
// method hides this name: write ::SkinCommand there.
inline constexpr uint32_t SkinCommand = 0xA100;

enum TacSkinCommandCode : int {
  cmdNewSkin = 1,         // a skin was loaded: look the section up again and repaint
  cmdRemoveSkin = 2,      // the skin is being removed: forget every index
  cmdRefresh = 3,         // repaint everything
  cmdBeforeRefresh = 16,  // stop a running fade before the refresh
  cmdMouseEnter = 29,
  cmdMouseLeave = 30,
};

// The user-interface layer's delivery of a command to every form of the
// application and to each of its controls, recursively. The data core knows no
// windows, so the layer installs it at start-up; without it only the listeners
// registered with a manager hear it.
using TacWindowBroadcast = void (*)(int code, int argument, TsSkinManager* sender);
void SetWindowBroadcast(TacWindowBroadcast broadcast);
TacWindowBroadcast WindowBroadcast();

class TacSkinListener {
public:
  virtual void SkinCommand(int code, int argument, TsSkinManager* sender) = 0;

protected:
  ~TacSkinListener() = default;
};
