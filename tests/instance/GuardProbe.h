#pragma once
// Copies of guard_probe started as real processes by the guard tests.

#include <QElapsedTimer>
#include <QProcess>
#include <algorithm>

inline QString ProbePath()
{
  return qEnvironmentVariable("GUARD_PROBE");
}

// One started copy; told to end (its input closes) when the test lets go of it.
class Probe {
public:
  explicit Probe(const QStringList& arguments, const QString& program = ProbePath(),
                 const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment())
  {
    process_.setProcessEnvironment(environment);
    process_.start(program, arguments);
    process_.waitForStarted(2000);
  }
  ~Probe()
  {
    process_.closeWriteChannel();
    if (!process_.waitForFinished(2000))
      Kill();
  }

  // Waits until a line of output starts with prefix; gives that line.
  QString WaitFor(const QString& prefix, int ms = 3000)
  {
    QElapsedTimer clock;
    clock.start();
    for (;;) {
      while (process_.canReadLine()) {
        const QString line = QString::fromUtf8(process_.readLine()).trimmed();
        lines_ << line;
        if (line.startsWith(prefix))
          return line;
      }
      if (clock.elapsed() >= ms || (process_.state() == QProcess::NotRunning && !process_.canReadLine()))
        return {};
      process_.waitForReadyRead(static_cast<int>(std::max<qint64>(1, std::min<qint64>(50, ms - clock.elapsed()))));
    }
  }
  bool Ended(int ms) { return process_.state() == QProcess::NotRunning || process_.waitForFinished(ms); }
  bool EndedWithZero(int ms) { return Ended(ms) && process_.exitStatus() == QProcess::NormalExit && process_.exitCode() == 0; }
  QString Output()
  {
    lines_ << QString::fromUtf8(process_.readAll()).split('\n', Qt::SkipEmptyParts);
    return lines_.join('\n');
  }
  QString Errors() { return QString::fromUtf8(process_.readAllStandardError()); }
  qint64 Pid() const { return process_.processId(); }
  void Kill() { process_.kill(); process_.waitForFinished(2000); }

private:
  QProcess process_;
  QStringList lines_;
};
