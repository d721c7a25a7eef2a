#pragma once
// Screen metrics and the shell: the primary screen's size, opening a web address.

#include <QRect>
#include <string>

// The primary screen's rectangle, read anew at every call.
QRect PrimaryScreenRect();
int ScreenWidth();   // SM_CXSCREEN
int ScreenHeight();  // SM_CYSCREEN

// The shell's open action for an address (the user's web browser).
bool ShellOpen(const std::string& url);
