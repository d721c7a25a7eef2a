#include "EngineProcesses.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMap>
#include <QSet>

namespace {

QByteArray ReadProc(const QString& pid, const char* entry)
{
  QFile file(QStringLiteral("/proc/%1/%2").arg(pid, QLatin1String(entry)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The parent pid: the field after the parenthesised command name.
QString ParentOf(const QString& pid)
{
  const QByteArray stat = ReadProc(pid, "stat");
  const int close = stat.lastIndexOf(')');
  return close < 0 ? QString() : QString::fromLatin1(stat.mid(close + 2).split(' ').value(1));
}

QString HelperType(const QByteArray& cmdline)
{
  for (const QByteArray& arg : cmdline.split('\0'))
    if (arg.startsWith("--type="))
      return QString::fromLatin1(arg.mid(7));
  return QStringLiteral("?");
}

}  // namespace

QStringList EngineHelperTypes()
{
  QMap<QString, QString> parents;
  for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs))
    if (pid.toLongLong() > 0)
      parents[pid] = ParentOf(pid);
  QSet<QString> ours{QString::number(QCoreApplication::applicationPid())};
  for (bool grown = true; grown;) {  // walk down the tree until nothing new turns up
    grown = false;
    for (auto it = parents.cbegin(); it != parents.cend(); ++it)
      if (!ours.contains(it.key()) && ours.contains(it.value()))
        grown = ours.insert(it.key()) != ours.end();
  }
  QMap<QString, QByteArray> engine;
  for (const QString& pid : ours)
    if (const QByteArray cmdline = ReadProc(pid, "cmdline"); cmdline.contains("QtWebEngineProcess"))
      engine[pid] = cmdline;
  // A zygote forks renderers without exec: they keep the zygote's command line.
  QStringList types;
  for (auto it = engine.cbegin(); it != engine.cend(); ++it)
    types << (engine.contains(parents[it.key()]) ? QStringLiteral("renderer") : HelperType(it.value()));
  return types;
}

int CountOf(const QStringList& types, const QString& type)
{
  return static_cast<int>(types.count(type));
}
