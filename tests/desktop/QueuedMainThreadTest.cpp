#include "desktop/QueuedMainThread.h"

#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

namespace clefmark {
namespace {

    TEST(QueuedMainThread, RunsTasksOnlyWhenAskedAndInOrder)
    {
        QueuedMainThread main;
        std::vector<int> ran;
        for (int i = 0; i < 5; ++i)
            main.post([&ran, i] { ran.push_back(i); });
        EXPECT_TRUE(ran.empty());
        EXPECT_EQ(main.pendingCount(), 5u);

        EXPECT_EQ(main.runPending(), 5u);
        EXPECT_EQ(ran, (std::vector<int> { 0, 1, 2, 3, 4 }));
        EXPECT_EQ(main.pendingCount(), 0u);
        EXPECT_EQ(main.runPending(), 0u);
    }

    TEST(QueuedMainThread, TaskPostedWhileRunningWaitsForTheNextCall)
    {
        QueuedMainThread main;
        std::vector<std::string> ran;
        main.post([&] {
            ran.push_back("first");
            main.post([&] { ran.push_back("posted by first"); });
        });
        main.post([&] { ran.push_back("second"); });

        EXPECT_EQ(main.runPending(), 2u);
        EXPECT_EQ(ran, (std::vector<std::string> { "first", "second" }));
        EXPECT_EQ(main.pendingCount(), 1u);

        EXPECT_EQ(main.runPending(), 1u);
        EXPECT_EQ(ran.back(), "posted by first");
    }

    TEST(QueuedMainThread, PostsFromSeveralThreadsAllArriveInEachThreadsOrder)
    {
        constexpr int kThreads = 4;
        constexpr int kPerThread = 2000;
        QueuedMainThread main;
        // Written only by tasks, which all run on this thread.
        std::vector<std::vector<int>> seen(kThreads);

        std::vector<std::thread> posters;
        for (int t = 0; t < kThreads; ++t)
            posters.emplace_back([&main, &seen, t] {
                for (int i = 0; i < kPerThread; ++i)
                    main.post([&seen, t, i] { seen[t].push_back(i); });
            });
        // Drain while they post, so posting and running overlap.
        std::size_t ran = 0;
        while (ran < static_cast<std::size_t>(kThreads) * kPerThread / 2)
            ran += main.runPending();
        for (std::thread& poster : posters)
            poster.join();
        ran += main.runPending();

        EXPECT_EQ(ran, static_cast<std::size_t>(kThreads) * kPerThread);
        for (int t = 0; t < kThreads; ++t) {
            ASSERT_EQ(seen[t].size(), static_cast<std::size_t>(kPerThread)) << "thread " << t;
            for (int i = 0; i < kPerThread; ++i)
                ASSERT_EQ(seen[t][i], i) << "thread " << t;
        }
    }

} // namespace
} // namespace clefmark
