#include "support/LineHelpers.h"
#include "support/TextFile.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(ReadIntLine, DigitsFollowedByLettersAndEndOfFile)
{
    CTextReader file;
    file.OpenBytes("12abc\r\n");
    EXPECT_EQ(12, ReadIntLine(file));
    EXPECT_EQ(0, ReadIntLine(file));
}
