#include "app/DateTimeUnit.h"

#include <QDateTime>
#include <QLocale>
#include <mutex>

namespace {

struct FormatSettings {
  QString TimeSeparator = ":";
  QStringList DayNames;  // Sunday first
};

std::mutex g_mutex;
FormatSettings g_settings;
bool g_loaded = false;

// The separator between hours and minutes in the locale's own time format.
QString TimeSeparatorOf(const QLocale& locale)
{
  const QString format = locale.timeFormat(QLocale::ShortFormat);
  const qsizetype hour = format.indexOf(QLatin1Char('h'), 0, Qt::CaseInsensitive);
  if (hour < 0)
    return ":";
  qsizetype start = hour;
  while (start < format.size() && format[start].toLower() == QLatin1Char('h'))
    ++start;
  qsizetype end = start;
  while (end < format.size() && format[end] != QLatin1Char('m'))
    ++end;
  const QString separator = format.mid(start, end - start).remove(QLatin1Char('\''));
  return separator.isEmpty() || end == format.size() ? QStringLiteral(":") : separator;
}

FormatSettings ReadSettings()
{
  const QLocale locale;  // the system's unless the program sets another
  FormatSettings settings;
  settings.TimeSeparator = TimeSeparatorOf(locale);
  for (int day = 0; day < 7; ++day)
    settings.DayNames.append(locale.dayName(day == 0 ? 7 : day, QLocale::LongFormat));
  return settings;
}

FormatSettings CurrentSettings()
{
  std::lock_guard lock(g_mutex);
  if (!g_loaded) {
    g_settings = ReadSettings();
    g_loaded = true;
  }
  return g_settings;
}

QString TwoDigits(int value)
{
  return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

}  // namespace

void RefreshFormatSettings()
{
  FormatSettings fresh = ReadSettings();
  std::lock_guard lock(g_mutex);
  g_settings = std::move(fresh);
  g_loaded = true;
}

std::string TimeTextAt(const QDateTime& moment)
{
  const QString separator = CurrentSettings().TimeSeparator;
  const QTime time = moment.time();
  return (TwoDigits(time.hour()) + separator + TwoDigits(time.minute()) + separator + TwoDigits(time.second()))
      .toStdString();
}

std::string DateTextAt(const QDateTime& moment)
{
  const QDate date = moment.date();
  const QString day = CurrentSettings().DayNames.value(date.dayOfWeek() % 7);
  return (day + QLatin1Char(' ') + TwoDigits(date.day()) + QLatin1Char('.') + TwoDigits(date.month()) +
          QLatin1Char('.') + QStringLiteral("%1").arg(date.year(), 4, 10, QLatin1Char('0')))
      .toStdString();
}

std::string TimeText()
{
  return TimeTextAt(QDateTime::currentDateTime());
}

std::string DateText()
{
  return DateTextAt(QDateTime::currentDateTime());
}
