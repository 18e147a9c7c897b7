// The diagnostic-log records written while a piece of test code runs, with
// warnings let through (ZELxCodes=W). Records go to standard error here.
#ifndef TESTS_CODES_JOURNAL_CAPTURE_H
#define TESTS_CODES_JOURNAL_CAPTURE_H

#include "codes/logerr.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>

inline std::string sJournal(const std::function<void()>& action)
{
    setenv("ZELxCodes", "W", 1);
    CLASS_CODES_LOGERR racine("test");
    testing::internal::CaptureStderr();
    action();
    return testing::internal::GetCapturedStderr();
}

#endif
