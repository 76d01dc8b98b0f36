// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/frames/stats_probe.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <sstream>

#include <QEvent>
#include <QTextStream>

#include <sys/resource.h>
#include <unistd.h>

#include "core/clock.h"
#include "ui/view/form_view.h"

namespace gravok::ui {
namespace {

// The movement timer, whose rate the line shows: whether the game runs on time.
constexpr const char* PacedTimer = "tmeBewegung";

double cpuSeconds()
{
    rusage use{};
    getrusage(RUSAGE_SELF, &use);
    return static_cast<double>(use.ru_utime.tv_sec + use.ru_stime.tv_sec) +
           static_cast<double>(use.ru_utime.tv_usec + use.ru_stime.tv_usec) / 1e6;
}

long residentKb()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    while (status >> key) {
        if (key == "VmRSS:") {
            long kb = 0;
            status >> kb;
            return kb;
        }
        status.ignore(4096, '\n');
    }
    return -1;
}

// Milliseconds since the kernel started this process, or -1 if /proc does not say.
long long msSinceProcessStart()
{
    std::ifstream stat("/proc/self/stat");
    std::string text((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const auto close = text.rfind(')'); // the command name may hold blanks
    if (close == std::string::npos)
        return -1;
    std::istringstream fields(text.substr(close + 2));
    std::string field;
    unsigned long long startTicks = 0;
    for (int i = 3; i <= 22 && fields >> field; ++i)
        if (i == 22)
            startTicks = std::stoull(field);
    timespec boot{};
    if (startTicks == 0 || clock_gettime(CLOCK_BOOTTIME, &boot) != 0)
        return -1;
    const long hz = sysconf(_SC_CLK_TCK);
    const long long nowMs = static_cast<long long>(boot.tv_sec) * 1000 + boot.tv_nsec / 1'000'000;
    return nowMs - static_cast<long long>(startTicks * 1000 / static_cast<unsigned long long>(hz));
}

// The middle, the 99th percentile and the longest of the intervals between frames, in ms.
QString intervals(std::int64_t before, const std::vector<std::int64_t>& frames)
{
    std::vector<double> ms;
    for (const std::int64_t at : frames) {
        if (before >= 0)
            ms.push_back(static_cast<double>(at - before) / 1e6);
        before = at;
    }
    if (ms.empty())
        return QStringLiteral("-");
    std::sort(ms.begin(), ms.end());
    const auto at = [&](double share) {
        return QString::number(ms[static_cast<std::size_t>(std::lround(share * static_cast<double>(ms.size() - 1)))],
                               'f', 1);
    };
    return QStringLiteral("%1/%2/%3 ms").arg(at(0.5), at(0.99), at(1.0));
}

// PART of WHOLE in per cent, or "-" when there is no whole.
QString share(std::uint64_t part, std::uint64_t whole)
{
    return whole == 0 ? QStringLiteral("-")
                      : QString::number(100.0 * static_cast<double>(part) / static_cast<double>(whole), 'f', 1);
}

void toStdout(const QString& line)
{
    std::fputs(qPrintable(line + QLatin1Char('\n')), stdout);
    std::fflush(stdout);
}

} // namespace

StatsProbe::StatsProbe(VirtualClock& clock, FormView& view, Sink sink, QObject* parent)
    : QObject(parent), clock_(clock), view_(view), sink_(sink ? std::move(sink) : Sink(toStdout))
{
    timer_.setInterval(1000);
    connect(&timer_, &QTimer::timeout, this, &StatsProbe::report);
}

StatsProbe::~StatsProbe()
{
    clock_.onTick = nullptr;
    view_.removeEventFilter(this);
}

void StatsProbe::start()
{
    clock_.onTick = [this](const Control& timer) { ++ticks_[timer.Name]; };
    view_.installEventFilter(this);
    elapsed_.start();
    lastCpuSeconds_ = cpuSeconds();
    timer_.start();
}

bool StatsProbe::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == &view_ && event->type() == QEvent::Paint) {
        ++frames_;
        frameNs_.push_back(elapsed_.nsecsElapsed());
        if (!sawFirstFrame_)
            firstFrame();
    }
    return false;
}

void StatsProbe::firstFrame()
{
    sawFirstFrame_ = true;
    const long long ms = msSinceProcessStart();
    sink_(ms < 0 ? QStringLiteral("stats: first frame (start time unknown)")
                 : QStringLiteral("stats: first frame %1 ms after the process started").arg(ms));
}

void StatsProbe::report()
{
    const double seconds = static_cast<double>(elapsed_.nsecsElapsed()) / 1e9;
    const double cpu = cpuSeconds();
    const double span = seconds - lastSeconds_;
    const std::uint64_t paced = ticks_[PacedTimer];
    const auto perSecond = [&](double n) { return QString::number(span > 0 ? n / span : 0.0, 'f', 1); };

    QString text;
    QTextStream out(&text);
    out << "stats: " << QString::number(seconds, 'f', 3) << " s, " << perSecond(double(paced - lastTicks_))
        << " ticks/s, " << perSecond(double(frames_ - lastFrames_)) << " frames/s, interval p50/p99/max "
        << intervals(lastFrameNs_, frameNs_);
    const AheadDrawing::Counts ahead = aheadCounts ? aheadCounts() : AheadDrawing::Counts{};
    out << ", ahead " << share(ahead.framesAhead - lastAhead_.framesAhead, ahead.frames - lastAhead_.frames)
        << " %, re-aimed "
        << share(ahead.foretoldAgain - lastAhead_.foretoldAgain, ahead.foretold - lastAhead_.foretold) << " %, cpu "
        << perSecond(100.0 * (cpu - lastCpuSeconds_)) << " %, rss " << residentKb() << " kB; total";
    for (const auto& [name, n] : ticks_)
        out << ' ' << QString::fromStdString(name) << ' ' << n;
    out << " frames " << frames_;
    sink_(text);

    lastSeconds_ = seconds;
    lastCpuSeconds_ = cpu;
    lastTicks_ = paced;
    lastFrames_ = frames_;
    lastAhead_ = ahead;
    if (!frameNs_.empty())
        lastFrameNs_ = frameNs_.back();
    frameNs_.clear();
}

} // namespace gravok::ui
