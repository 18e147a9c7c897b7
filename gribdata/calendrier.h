// Calendar date to seconds, for dates the program builds itself.
#ifndef GRIBDATA_CALENDRIER_H
#define GRIBDATA_CALENDRIER_H

// Seconds from 1970-01-01 00:00 UTC to the given UTC date. Every year
// divisible by 4 is a leap year (so 2100 is one), which is right for
// 1970..2099. A year up to 1970 adds no years, a month up to 1 adds no
// months, and a month past 12 counts 31 days for each month from 12 on;
// day, hour, minute and second are used as given, even out of range.
long DRUmktime(int year, int month, int day, int hour, int minute, int second);

#endif
