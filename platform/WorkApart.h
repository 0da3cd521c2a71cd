#pragma once

#include "platform/Result.h"

#include <QByteArray>
#include <QByteArrayView>

#include <chrono>
#include <functional>

namespace marvane {

// What a piece of work done apart may take.
struct ApartBounds
{
    std::chrono::milliseconds time{5000}; // on the clock, and as much CPU time
    qint64 extraMemory = qint64(128) << 20; // beyond what this process holds when the work starts
    qint64 mostBytes = qint64(256) << 20; // of what it makes
};

// Work to be done apart: it hands what it makes to `send`, in as many pieces as it likes, and
// answers whether all were sent.
using ApartSend = std::function<bool(QByteArrayView)>;
using ApartWork = std::function<Result<bool>(const ApartSend &send)>;

// Does `work` in a child process of this one, forked with this one's memory, and returns the
// bytes it sent or the failure it gave. A child that takes longer, asks for more memory or makes
// more than `bounds` allow, or dies, is stopped and reaped here, and that is the failure.
Result<QByteArray> doApart(const ApartWork &work, const ApartBounds &bounds);

} // namespace marvane
