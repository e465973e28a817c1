#include "desktop/MemoryUserDefaults.h"

#include <gtest/gtest.h>

namespace clefmark {
namespace {

    TEST(MemoryUserDefaults, UnknownKeyReadsAsZeroAndFalse)
    {
        MemoryUserDefaults defaults;
        EXPECT_FALSE(defaults.hasValue("Pitch"));
        EXPECT_EQ(defaults.integerForKey("Pitch"), 0);
        EXPECT_FALSE(defaults.boolForKey("Pitch"));
    }

    TEST(MemoryUserDefaults, RegisteredDefaultIsReadButIsNotAValue)
    {
        MemoryUserDefaults defaults;
        defaults.registerInteger("Pitch", 440);
        defaults.registerBool("Lenient", true);
        EXPECT_EQ(defaults.integerForKey("Pitch"), 440);
        EXPECT_TRUE(defaults.boolForKey("Lenient"));
        EXPECT_FALSE(defaults.hasValue("Pitch"));
        EXPECT_FALSE(defaults.hasValue("Lenient"));
    }

    TEST(MemoryUserDefaults, StoredValueWinsOverTheDefaultWhicheverCameFirst)
    {
        MemoryUserDefaults defaults;
        defaults.registerInteger("Pitch", 440);
        defaults.setInteger("Pitch", 442);
        EXPECT_EQ(defaults.integerForKey("Pitch"), 442);
        EXPECT_TRUE(defaults.hasValue("Pitch"));

        defaults.setBool("Lenient", false);
        defaults.registerBool("Lenient", true);
        EXPECT_FALSE(defaults.boolForKey("Lenient"));
        EXPECT_TRUE(defaults.hasValue("Lenient"));

        defaults.registerInteger("Pitch", 430);
        EXPECT_EQ(defaults.integerForKey("Pitch"), 442);
    }

    TEST(MemoryUserDefaults, IntegersAndBooleansReadAsEachOther)
    {
        MemoryUserDefaults defaults;
        defaults.setInteger("Five", 5);
        defaults.setInteger("Zero", 0);
        defaults.setBool("Yes", true);
        defaults.setBool("No", false);
        EXPECT_TRUE(defaults.boolForKey("Five"));
        EXPECT_FALSE(defaults.boolForKey("Zero"));
        EXPECT_EQ(defaults.integerForKey("Yes"), 1);
        EXPECT_EQ(defaults.integerForKey("No"), 0);
    }

} // namespace
} // namespace clefmark
