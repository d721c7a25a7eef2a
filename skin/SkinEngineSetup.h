#pragma once
// Connects the skin engine's data core to the user interface: its messages go to
// the program's message boxes, its system colours come from the platform.

// Call once, after the application object exists and before the main window.
void StartSkinEngine(int argc, char** argv);
