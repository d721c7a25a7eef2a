// A program with a guard, for the tests: guard_probe <limit> [lifetime ms] [args...]
// Prints "running <pid>" once it holds the record, "shown" when its window shows,
// and "handover <H> <command line>" for each command line handed over to it.
// PROBE_HANDLER_SLEEP_MS: the first hand-over's handler keeps the UI thread that long.
// PROBE_NO_HANDLER: no OnNewInstanceLoad handler is set.
// Ends in order (releasing its record) when its standard input closes.

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QString>
#include <QThread>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <unistd.h>

#include "instance/InstCtrl.h"
#include "platform/Application.h"
#include "platform/Form.h"

namespace {

void Say(const QString& line)
{
  std::printf("%s\n", line.toUtf8().constData());
  std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv)
{
  TApplication app(argc, argv);
  const auto limit = static_cast<int8_t>(argc > 1 ? std::atoi(argv[1]) : 0);
  const int lifetime = argc > 2 ? std::atoi(argv[2]) : 5000;
  TForm form(nullptr);
  auto* guard = new TOneInstance(&form);
  guard->SetMaxNewInstances(limit);
  int sleepMs = qEnvironmentVariableIntValue("PROBE_HANDLER_SLEEP_MS");
  if (!qEnvironmentVariableIsSet("PROBE_NO_HANDLER"))
    guard->OnNewInstanceLoad = [&sleepMs](uint32_t h, const char16_t* text) {
      Say(QStringLiteral("handover %1 %2").arg(h).arg(QString::fromUtf16(text)));
      QThread::msleep(static_cast<unsigned long>(std::exchange(sleepMs, 0)));
    };
  Say(QStringLiteral("running %1").arg(QCoreApplication::applicationPid()));
  form.Show();
  Say(QStringLiteral("shown"));
  QTimer::singleShot(lifetime, [] { TApplication::Instance()->Terminate(); });
  QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
  QObject::connect(&input, &QSocketNotifier::activated, [] {
    char byte;
    if (read(STDIN_FILENO, &byte, 1) <= 0)
      TApplication::Instance()->Terminate();
  });
  app.Run();
  return 0;
}
