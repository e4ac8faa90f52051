#pragma once
// Date values: a date and time as days since 30 December 1899 00:00, the time
// of day as the fraction. Calendar arithmetic on them, proleptic Gregorian.
// Dates before 1899-12-30 use the usual sign convention: the whole part counts
// days back, the fraction still counts time forward within that day.

#include "platform/win_types.h"

namespace tellux::date_value {

// The date year-month-day at 00:00. Months outside 1..12 carry into the
// neighbouring years (month 0 is December of the year before) and days outside
// the month carry into the neighbouring months.
double DateSerial(int year, int month, int day);

int Year(double date);
int Month(double date);
int Day(double date);
// Day of the week, Sunday = 1 to Saturday = 7.
int Weekday(double date);

// The date and time of day of a record, to the second.
double FromSystemTime(const SYSTEMTIME& time);
// The record of a date value, to the millisecond; wDayOfWeek Sunday = 0.
SYSTEMTIME ToSystemTime(double date);

}  // namespace tellux::date_value
