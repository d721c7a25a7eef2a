#include "platform/Application.h"

#include "platform/Exception.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <mutex>

#include "platform/Font.h"
#include "platform/SessionBus.h"

namespace {

TApplication* g_instance = nullptr;

std::mutex& HookMutex()
{
  static std::mutex mutex;
  return mutex;
}

TApplication::ErrorBoxHook& Hook()
{
  static TApplication::ErrorBoxHook hook;
  return hook;
}

// Catches what escapes a handler that Qt calls directly, and reports setting changes.
class GuardedApplication : public QApplication {
public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override
  {
    if (event->type() == QEvent::LocaleChange && receiver == this && g_instance && g_instance->OnSettingChange)
      TApplication::Guarded([] { g_instance->OnSettingChange(nullptr); });
    try {
      return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
      TApplication::ShowException(error);
    }
    return false;
  }
};

}  // namespace

TApplication::TApplication(int& argc, char** argv)
{
  // Only the windows that ask for it become native; siblings stay Qt-painted.
  QCoreApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
  // Before the toolkit, whose users of the bus read the address when they connect.
  GuardSessionBus();
  app_ = std::make_unique<GuardedApplication>(argc, argv);
  g_instance = this;
  AddLayoutFonts();
}

TApplication::~TApplication()
{
  g_instance = nullptr;
}

TApplication* TApplication::Instance()
{
  return g_instance;
}

void TApplication::SetTitle(const std::string& title)
{
  title_ = title;
  // The name, not the display name: Qt would append a display name to every window title.
  QCoreApplication::setApplicationName(QString::fromStdString(title));
}

void TApplication::Run()
{
  QApplication::exec();
}

void TApplication::Terminate()
{
  QApplication::quit();
}

void TApplication::ProcessMessages()
{
  QApplication::processEvents();
}

void TApplication::Guarded(const std::function<void()>& handler)
{
  try {
    handler();
  } catch (const std::exception& error) {
    ShowException(error);
  }
}

void TApplication::ShowException(const std::exception& error)
{
  if (dynamic_cast<const EAbort*>(&error))
    return;
  ShowError(error.what());
}

namespace {

enum class BoxKind { Error, Warning, Information };

void ShowBox(BoxKind kind, const std::string& text)
{
  const std::string title = g_instance ? g_instance->Title() : std::string();
  TApplication::ErrorBoxHook hook;
  {
    std::lock_guard lock(HookMutex());
    hook = Hook();
  }
  if (hook) {
    hook(title, text);
  } else if (!g_instance) {
    std::fprintf(stderr, "%s\n", text.c_str());
  } else if (kind == BoxKind::Error) {
    QMessageBox::critical(nullptr, QString::fromStdString(title), QString::fromStdString(text));
  } else if (kind == BoxKind::Warning) {
    QMessageBox::warning(nullptr, QString::fromStdString(title), QString::fromStdString(text));
  } else {
    QMessageBox::information(nullptr, QString::fromStdString(title), QString::fromStdString(text));
  }
}

}  // namespace

void TApplication::ShowError(const std::string& text)
{
  ShowBox(BoxKind::Error, text);
}

void TApplication::ShowMessage(const std::string& text)
{
  ShowBox(BoxKind::Information, text);
}

void TApplication::ShowWarning(const std::string& text)
{
  ShowBox(BoxKind::Warning, text);
}

void TApplication::SetErrorBoxHook(ErrorBoxHook hook)
{
  std::lock_guard lock(HookMutex());
  Hook() = std::move(hook);
}

void TApplication::Post(std::function<void()> call)
{
  QCoreApplication* app = QCoreApplication::instance();
  if (!app)
    return;
  QMetaObject::invokeMethod(app, [call = std::move(call)] { Guarded(call); }, Qt::QueuedConnection);
}

std::string ExeName()
{
  std::error_code error;
  const auto path = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::string() : path.string();
}

std::string ExtractFilePath(const std::string& path)
{
  const auto slash = path.find_last_of('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string ProgramDirectory()
{
  std::string directory = ExtractFilePath(ExeName());
  if (directory.empty()) {
    std::error_code error;
    const std::filesystem::path first = std::filesystem::absolute(program_invocation_name, error);
    directory = error ? std::string() : ExtractFilePath(first.string());
  }
  return directory.empty() ? "./" : directory;
}

namespace {

bool hintsEnabled = true;

}  // namespace

bool TApplication::HintsEnabled()
{
  return hintsEnabled;
}

void TApplication::SetHintsEnabled(bool value)
{
  hintsEnabled = value;
}
