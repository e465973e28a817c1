#include "views/OneShotTimer.h"

#include <QTimer>
#include <cmath>

namespace clefmark {
namespace {

    class EventLoopTimer final : public OneShotTimer {
    public:
        EventLoopTimer()
        {
            timer_.setSingleShot(true);
            timer_.setTimerType(Qt::PreciseTimer);
            QObject::connect(&timer_, &QTimer::timeout, [this] {
                // The callback may start the timer again; take it first.
                auto callback = std::move(callback_);
                callback_ = nullptr;
                if (callback)
                    callback();
            });
        }

        void start(double seconds, std::function<void()> callback) override
        {
            callback_ = std::move(callback);
            timer_.start(static_cast<int>(std::lround(seconds * 1000.0)));
        }

        void cancel() override
        {
            timer_.stop();
            callback_ = nullptr;
        }

    private:
        QTimer timer_;
        std::function<void()> callback_;
    };

} // namespace

std::unique_ptr<OneShotTimer> makeEventLoopTimer()
{
    return std::make_unique<EventLoopTimer>();
}

} // namespace clefmark
