// DRUmktime against the C library, which knows the calendar.
#include "gribdata/calendrier.h"

#include <climits>
#include <ctime>
#include <gtest/gtest.h>

// Every 50 hours and 7 seconds from 1970 to the end of 2099, through gmtime.
TEST(DRUmktime, AgreesWithTheCalendarFrom1970To2099)
{
    const time_t fin = 4102444800;  // 2100-01-01
    for (time_t t = 0; t < fin; t += 50 * 3600 + 7) {
        std::tm c{};
        gmtime_r(&t, &c);
        ASSERT_EQ(DRUmktime(c.tm_year + 1900, c.tm_mon + 1, c.tm_mday, c.tm_hour, c.tm_min,
                            c.tm_sec),
                  long(t))
            << c.tm_year + 1900 << "-" << c.tm_mon + 1 << "-" << c.tm_mday;
    }
}

// Without the century rule, 2100 has a 29 February.
TEST(DRUmktime, Year2100IsALeapYear)
{
    EXPECT_EQ(DRUmktime(2100, 3, 1, 0, 0, 0) - DRUmktime(2100, 2, 28, 0, 0, 0), 2 * 86400);
    EXPECT_EQ(DRUmktime(2100, 3, 1, 0, 0, 0), 4107542400L + 86400);
}

// Whatever the fields, no overflow (the sanitizer build checks it).
TEST(DRUmktime, ExtremeFieldsDoNotOverflow)
{
    EXPECT_GT(DRUmktime(INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX, INT_MAX), 0);
    EXPECT_LT(DRUmktime(INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN, INT_MIN), 0);
}
