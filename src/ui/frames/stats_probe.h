// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include "app/ahead_drawing.h"

namespace gravok {
class VirtualClock;
} // namespace gravok

namespace gravok::ui {

class FormView;

// Counts what the window does and says so once a second (gravok --stats): ticks of
// each timer, painted frames and the spread of the intervals between them, the share of
// smooth frames drawn ahead and of foretold ticks an input made again, CPU time used
// and resident memory, and once the time from the start of the process to the first
// painted frame.
class StatsProbe : public QObject {
    Q_OBJECT
public:
    // Where the lines go: standard output unless a test says otherwise.
    using Sink = std::function<void(const QString& line)>;

    StatsProbe(VirtualClock& clock, FormView& view, Sink sink = {}, QObject* parent = nullptr);
    ~StatsProbe() override;

    void start();
    // The smooth frames' counts, when the window draws any.
    std::function<AheadDrawing::Counts()> aheadCounts;
    // One report for the time since the last one; the timer calls it every second.
    void report();

private:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void firstFrame();

    VirtualClock& clock_;
    FormView& view_;
    Sink sink_;
    QTimer timer_;
    QElapsedTimer elapsed_;
    std::map<std::string, std::uint64_t> ticks_;
    std::uint64_t frames_ = 0;
    // When each frame of this second was painted, and the one before them.
    std::vector<std::int64_t> frameNs_;
    std::int64_t lastFrameNs_ = -1;
    bool sawFirstFrame_ = false;
    // At the last report.
    double lastSeconds_ = 0;
    double lastCpuSeconds_ = 0;
    std::uint64_t lastTicks_ = 0;
    std::uint64_t lastFrames_ = 0;
    AheadDrawing::Counts lastAhead_;
};

} // namespace gravok::ui
