#include <gtest/gtest.h>

#include <QDateTime>
#include <QLocale>

#include "app/DateTimeUnit.h"

namespace {

QDateTime At(int year, int month, int day, int hour, int minute, int second)
{
  return QDateTime(QDate(year, month, day), QTime(hour, minute, second));
}

// Switches the regional settings the texts are made from, as a settings change would.
void UseLocale(const char* name)
{
  QLocale::setDefault(QLocale(name));
  RefreshFormatSettings();
}

}  // namespace

TEST(DateTimeText, WeekdayNameAndPointedDateFromTheSettings)
{
  UseLocale("cs_CZ");
  EXPECT_EQ(DateTextAt(At(2025, 12, 8, 9, 5, 3)), "pondělí 08.12.2025");
  EXPECT_EQ(DateTextAt(At(2025, 12, 14, 0, 0, 0)), "neděle 14.12.2025");
  UseLocale("en_US");
  EXPECT_EQ(DateTextAt(At(2025, 12, 8, 9, 5, 3)), "Monday 08.12.2025");
  EXPECT_EQ(DateTextAt(At(987, 1, 3, 0, 0, 0)).substr(DateTextAt(At(987, 1, 3, 0, 0, 0)).find(' ')), " 03.01.0987");
}

TEST(DateTimeText, TwentyFourHourClockWithTheRegionalSeparator)
{
  UseLocale("en_US");  // a 12-hour locale still gives 00..23
  EXPECT_EQ(TimeTextAt(At(2025, 12, 8, 9, 5, 3)), "09:05:03");
  EXPECT_EQ(TimeTextAt(At(2025, 12, 8, 0, 0, 7)), "00:00:07");
  EXPECT_EQ(TimeTextAt(At(2025, 12, 8, 23, 59, 59)), "23:59:59");
  UseLocale("fi_FI");  // points between hours and minutes
  EXPECT_EQ(TimeTextAt(At(2025, 12, 8, 21, 5, 3)), "21.05.03");
  EXPECT_EQ(DateTextAt(At(2025, 12, 8, 21, 5, 3)).substr(DateTextAt(At(2025, 12, 8, 21, 5, 3)).find(' ')),
            " 08.12.2025");
}

TEST(DateTimeText, SettingsAreReadAgainOnlyWhenAChangeIsAnnounced)
{
  UseLocale("cs_CZ");
  QLocale::setDefault(QLocale("en_US"));
  EXPECT_EQ(DateTextAt(At(2025, 12, 9, 12, 0, 0)), "úterý 09.12.2025");
  RefreshFormatSettings();
  EXPECT_EQ(DateTextAt(At(2025, 12, 9, 12, 0, 0)), "Tuesday 09.12.2025");
}
