#pragma once
// Handler types of the component events. Handlers run on the user-interface
// thread unless a component says otherwise.

#include <cstdint>
#include <functional>

class TObject;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Modifier and button state, as a bit set.
using TShiftState = uint32_t;
constexpr TShiftState ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32;

using TNotifyEvent = std::function<void(TObject* Sender)>;
using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;
using TKeyEvent = std::function<void(TObject* Sender, uint16_t& Key, TShiftState Shift)>;

// Virtual-key codes the program reacts to.
constexpr uint16_t VK_RETURN = 13, VK_SHIFT = 16, VK_ESCAPE = 27, VK_SPACE = 32, VK_UP = 38, VK_DOWN = 40;
