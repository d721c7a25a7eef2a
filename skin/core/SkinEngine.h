#pragma once
// Process-wide state of the skin engine: the command line it looks at, the
// program's directory, and the hook through which it shows messages (the
// user-interface layer installs a message box; by default messages go to stderr).
// All of it is used on the user-interface thread only.

#include <functional>
#include <string>
#include <vector>

enum class TacMessageKind { Information, Warning, Error };
using TacMessageHook = std::function<void(TacMessageKind kind, const std::string& text)>;

inline constexpr char kSkinEngineVersion[] = "8.18";

// Remembers the command-line parameters (without the program name) and, when
// one of them lower-cased is "/acver", shows "Skin engine v8.18".
void InitSkinEngine(const std::vector<std::string>& arguments);
// True when a parameter, lower-cased, equals `parameter`.
bool HasSkinParameter(const std::string& parameter);
// The first parameter is "/acpreview": a skin editor sends the skin to show.
bool SkinPreviewMode();

void SetSkinMessageHook(TacMessageHook hook);
void ShowSkinMessage(TacMessageKind kind, const std::string& text);

// The program's directory with a trailing "/" (from /proc/self/exe unless set).
const std::string& SkinProgramDirectory();
void SetSkinProgramDirectory(const std::string& directory);
