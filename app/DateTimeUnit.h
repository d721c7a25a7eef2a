#pragma once
// The date and time texts of the control panel, in the user's regional settings
// (time separator, weekday names), read at start and again when they change.

#include <string>

class QDateTime;

// "hh:mm:ss" with the regional time separator for ':'.
std::string TimeText();
// Full weekday name, a blank, and "dd.mm.yyyy" with literal points.
std::string DateText();

// The same texts for a given moment (what the clock functions use).
std::string TimeTextAt(const QDateTime& moment);
std::string DateTextAt(const QDateTime& moment);

// Reads the regional settings again (the system announced a change).
void RefreshFormatSettings();
