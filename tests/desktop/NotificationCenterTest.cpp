#include "desktop/NotificationCenter.h"

#include <gtest/gtest.h>
#include <string>

namespace clefmark {
namespace {

    TEST(NotificationCenter, ObserversOfTheNameHearItInOrder)
    {
        NotificationCenter center;
        std::string heard;
        center.addObserver(kPauseNotification, [&] { heard += 'a'; });
        center.addObserver(kResumeNotification, [&] { heard += 'r'; });
        center.addObserver(kPauseNotification, [&] { heard += 'b'; });
        center.post(kPauseNotification);
        center.post("SomethingElse");
        EXPECT_EQ(heard, "ab");
        center.post(kResumeNotification);
        EXPECT_EQ(heard, "abr");
    }

    TEST(NotificationCenter, ObserversMayChangeTheCentreWhileItPosts)
    {
        NotificationCenter center;
        std::string heard;
        NotificationCenter::Token second = 0;
        center.addObserver("N", [&] {
            heard += '1';
            center.removeObserver(second); // not called by this post
            center.addObserver("N", [&] { heard += '3'; }); // hears the next one
        });
        second = center.addObserver("N", [&] { heard += '2'; });
        center.post("N");
        EXPECT_EQ(heard, "1");
        center.post("N");
        EXPECT_EQ(heard, "113");
    }

    TEST(NotificationCenter, AnObserverMayRemoveItself)
    {
        NotificationCenter center;
        int calls = 0;
        NotificationCenter::Token self = 0;
        self = center.addObserver("N", [&] {
            ++calls;
            center.removeObserver(self);
        });
        center.post("N");
        center.post("N");
        EXPECT_EQ(calls, 1);
    }

} // namespace
} // namespace clefmark
