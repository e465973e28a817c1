#include "desktop/QtMainThread.h"

#include "tests/support/QtEnvironment.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <memory>
#include <thread>
#include <vector>

namespace clefmark {
namespace {

    using test::processEventsUntil;

    TEST(QtMainThread, RunsTasksOnTheGuiThreadInOrder)
    {
        QtMainThread mainThread;
        std::vector<int> seen;
        std::atomic<bool> wrongThread { false };
        const auto gui = std::this_thread::get_id();
        constexpr int kTasks = 2000;
        std::thread poster([&] {
            for (int i = 0; i < kTasks; ++i)
                mainThread.post([&, i] {
                    if (std::this_thread::get_id() != gui)
                        wrongThread = true;
                    seen.push_back(i);
                });
        });
        poster.join();
        EXPECT_TRUE(processEventsUntil([&] { return seen.size() == kTasks; }));
        EXPECT_FALSE(wrongThread);
        for (int i = 0; i < static_cast<int>(seen.size()); ++i)
            ASSERT_EQ(seen[i], i);
    }

    TEST(QtMainThread, DeliversWhileAModalDialogIsUp)
    {
        QtMainThread mainThread;
        int delivered = 0;
        int deliveredUnderDialog = 0;
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Clefmark"), QStringLiteral("Modal"),
            QMessageBox::Ok);
        std::thread poster;
        QTimer::singleShot(0, &box, [&] {
            // The dialog's own event loop is running now.
            poster = std::thread([&] {
                for (int i = 0; i < 100; ++i)
                    mainThread.post([&] {
                        ++delivered;
                        if (QApplication::activeModalWidget() == &box)
                            ++deliveredUnderDialog;
                        if (delivered == 100)
                            box.done(QMessageBox::Ok);
                    });
            });
        });
        QTimer::singleShot(10000, &box, [&] { box.done(QMessageBox::Cancel); }); // never hang
        box.exec();
        poster.join();
        EXPECT_EQ(delivered, 100);
        EXPECT_EQ(deliveredUnderDialog, 100);
    }

    TEST(QtMainThread, ClosingDropsWhatIsQueuedAndWhatComesLater)
    {
        QtMainThread mainThread;
        auto held = std::make_shared<int>(0);
        int ran = 0;
        mainThread.post([&ran, held] { ++ran; });
        EXPECT_EQ(held.use_count(), 2);
        mainThread.close();
        EXPECT_FALSE(mainThread.isOpen());
        EXPECT_EQ(held.use_count(), 1); // the dropped task let go of what it held
        mainThread.post([&ran] { ++ran; });
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(ran, 0);
    }

    TEST(QtMainThread, PostingWhileClosingFromAnotherThreadIsSafe)
    {
        auto mainThread = std::make_unique<QtMainThread>();
        std::atomic<bool> stop { false };
        std::atomic<int> ran { 0 };
        std::thread poster([&] {
            while (!stop)
                mainThread->post([&] { ++ran; });
        });
        processEventsUntil([&] { return ran > 10; });
        mainThread->close();
        const int afterClose = ran;
        QCoreApplication::processEvents();
        stop = true;
        poster.join();
        EXPECT_EQ(ran, afterClose);
    }

} // namespace
} // namespace clefmark

namespace clefmark {
namespace {

    TEST(QtMainThread, ATaskRunningAModalDialogKeepsTheOrder)
    {
        QtMainThread mainThread;
        std::vector<int> seen;
        QMessageBox box(QMessageBox::Warning, QStringLiteral("Clefmark"), QStringLiteral("Modal"),
            QMessageBox::Ok);
        mainThread.post([&] {
            seen.push_back(1);
            // Posted from within the batch, while its second task still waits.
            QTimer::singleShot(0, &box, [&] {
                mainThread.post([&] {
                    seen.push_back(3);
                    box.done(QMessageBox::Ok);
                });
            });
            QTimer::singleShot(10000, &box, [&] { box.done(QMessageBox::Cancel); });
            box.exec();
        });
        mainThread.post([&] { seen.push_back(2); });
        EXPECT_TRUE(processEventsUntil([&] { return seen.size() == 3; }));
        // The task queued first ran first, inside the dialog, before the later one.
        EXPECT_EQ(seen, (std::vector<int> { 1, 2, 3 }));
    }

} // namespace
} // namespace clefmark
