#pragma once
// The application object: title, message loop, error box, hand-over to the
// user-interface thread. One per process, created by main before any form.

#include <functional>
#include <memory>
#include <string>

#include "platform/Events.h"

class QApplication;

class TApplication {
public:
  TApplication(int& argc, char** argv);
  ~TApplication();

  static TApplication* Instance();

  const std::string& Title() const { return title_; }
  void SetTitle(const std::string& title);
  void Run();
  void Terminate();
  void ProcessMessages();

  // Runs a handler; an exception that escapes it is shown in the error box and
  // the program goes on. Every event the platform delivers goes through here.
  static void Guarded(const std::function<void()>& handler);
  static void ShowException(const std::exception& error);
  // The error box titled with the application title. Without an application
  // object (tests of the data core) the text goes to stderr.
  static void ShowError(const std::string& text);
  // An information box with the same title (through the same hook).
  static void ShowMessage(const std::string& text);
  // A warning box with the same title (through the same hook).
  static void ShowWarning(const std::string& text);
  // Replaces the error box (tests record the texts instead of showing a modal box).
  using ErrorBoxHook = std::function<void(const std::string& title, const std::string& text)>;
  static void SetErrorBoxHook(ErrorBoxHook hook);

  // Hints (tool tips) of the whole application; buttons switch them off while held.
  static bool HintsEnabled();
  static void SetHintsEnabled(bool value);

  // Queues a call for the user-interface thread; callable from any thread, never waits.
  static void Post(std::function<void()> call);

  // The system announced a change of its regional settings.
  TNotifyEvent OnSettingChange;

private:
  std::unique_ptr<QApplication> app_;
  std::string title_;
};

// The program file's full path (from /proc/self/exe) and its directory with a trailing '/'.
std::string ExeName();
std::string ExtractFilePath(const std::string& path);
// Where code and data beside the program are looked up: the directory of
// ExeName(), else of the first command-line argument. Never empty: a bare file
// name would be looked up on the system's search path and find some other copy.
std::string ProgramDirectory();
