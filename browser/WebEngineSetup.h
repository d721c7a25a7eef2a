#pragma once
// Loads the web engine on first use, after the program's window has been shown.

class QWidget;

// A new parentless web view, or nullptr (the reason said on stderr) when the engine
// cannot be loaded. The first call loads the engine. With ownWindow the view is made
// to be a frameless window of its own, composed through OpenGL.
QWidget* MakeWebView(bool ownWindow);
