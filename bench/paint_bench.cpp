// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What one busy frame of the main window costs to paint at the scales real screens give:
// 1, 1.875 (1080p filled), 3, 3.75 (2160p filled) and 4.5. Ten gravoks, ten shots, an
// explosion and a full damage bar, painted the way the view paints, on a QImage. And one
// frame of smooth motion between two ticks: only where the shuttle, the gravoks and the
// shots were and are drawn, at 1, 1.875 and 3.75. And what F3 costs before the settings
// show: their form built, filled in and painted whole, at 1, 1.875 and 3.75.
#include <cmath>
#include <string>
#include <vector>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QRegion>

#include <benchmark/benchmark.h>

#include "app/frm_haupt.h"
#include "started_game.h"
#include "ui/language/language.h"
#include "ui/layers/settings_layer.h"
#include "ui/view/form_layout.h"
#include "ui/view/form_painter.h"
#include "ui/view/letterbox.h"
#include "ui/view/picture_cache.h"

namespace gravok::bench {
namespace {

void makeBusy(Form& form)
{
    for (int i = 1; i <= 10; ++i) {
        Control& g = form.at("imgGravok", i);
        g.setPicture(i == 10 ? 151 : 100 + i);
        g.Left = static_cast<float>(600 * i);
        g.Top = static_cast<float>(450 * i);
    }
    for (int i = 0; i < 10; ++i) {
        Control& s = form.at("imgSchuss", i);
        s.setPicture(i % 2 ? 51 : 50);
        s.Left = static_cast<float>(900 * i + 300);
        s.Top = static_cast<float>(5800 - 300 * i);
    }
    for (int i = 0; i < 18; ++i)
        form.at("spe", i).Visible = true;
    form.at("imgShuttle").setPicture(23);
}

// The device image of FORM at SCALE.
QImage frameFor(const Form& form, double scale)
{
    const QSize formPixels = ui::formBox(form).size();
    return {QSize(static_cast<int>(std::ceil(formPixels.width() * scale)),
                  static_cast<int>(std::ceil(formPixels.height() * scale))),
            QImage::Format_RGB32};
}

// The scale a benchmark's argument names in thousandths; it labels the benchmark's row.
double scaleOf(benchmark::State& state)
{
    const double scale = static_cast<double>(state.range(0)) / 1000.0;
    state.SetLabel("scale " + std::to_string(scale).substr(0, 5));
    return scale;
}

// A busy main window and the device image it is painted on at SCALE.
struct BusyFrame {
    explicit BusyFrame(double s) : scale(s), form(started.game.frmHaupt()), frame(frameFor(form, s)) { makeBusy(form); }
    double scale;
    StartedGame started;
    Form& form;
    ui::PictureCache pictures;
    QImage frame;
};

void BM_PaintBusyFrame(benchmark::State& state)
{
    BusyFrame b(scaleOf(state));
    const auto paint = [&] {
        QPainter p(&b.frame);
        p.scale(b.scale, b.scale);
        p.setClipRect(ui::formBox(b.form));
        ui::FormPainter(p, b.pictures).paint(b.form);
    };
    paint(); // the pictures for this scale are made once, then kept
    for (auto _ : state) {
        paint();
        benchmark::DoNotOptimize(b.frame.constBits());
    }
}
BENCHMARK(BM_PaintBusyFrame)
    ->Arg(1000)
    ->Arg(1875)
    ->Arg(3000)
    ->Arg(3750)
    ->Arg(4500)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

// A frame at the screen's rate while everything flies: each moving picture a third of a
// form pixel on from the last frame (a gravok's step in a 60 Hz frame), repainted where it
// was and where it is, as the view asks.
void BM_PaintSmoothFrame(benchmark::State& state)
{
    BusyFrame b(scaleOf(state));
    const ui::Letterbox box{b.scale, {}, 1.0};
    std::vector<const Control*> movers{&b.form.at("imgShuttle")};
    for (int i = 1; i <= 10; ++i)
        movers.push_back(&b.form.at("imgGravok", i));
    for (int i = 0; i < 10; ++i)
        movers.push_back(&b.form.at("imgSchuss", i));
    const auto placed = [&](double shift) {
        ui::DrawnPlaces places;
        for (const Control* c : movers)
            places.emplace(c, QPointF(ui::controlBox(*c).topLeft()) + QPointF(shift, shift));
        return places;
    };
    const auto where = [&](const ui::DrawnPlaces& places) {
        QRegion r;
        for (const auto& [c, at] : places)
            r += box.toWidget(QRectF(at, QSizeF(ui::controlBox(*c).size())));
        return r;
    };
    ui::DrawnPlaces was = placed(0);
    const auto paint = [&](double shift) {
        ui::DrawnPlaces now = placed(shift);
        const QRegion dirty = where(was) + where(now);
        const QRegion only = box.toForm(dirty);
        QPainter p(&b.frame);
        p.setClipRegion(dirty);
        p.scale(b.scale, b.scale);
        p.setClipRect(ui::formBox(b.form), Qt::IntersectClip);
        ui::FormPainter(p, b.pictures, &now).paint(b.form, &only);
        was = std::move(now);
    };
    paint(0);
    int n = 0;
    for (auto _ : state) {
        paint((++n % 3) / 3.0);
        benchmark::DoNotOptimize(b.frame.constBits());
    }
}
BENCHMARK(BM_PaintSmoothFrame)->Arg(1000)->Arg(1875)->Arg(3750)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// "Sprache" changed: the catalogue swapped and the whole main window painted again in the
// other language, as the window does between the key and the next frame.
void BM_SwitchLanguage(benchmark::State& state)
{
    BusyFrame b(scaleOf(state));
    ui::Translations translations;
    bool english = false;
    for (auto _ : state) {
        english = !english;
        translations.use(english ? ui::Language::English : ui::Language::German);
        QPainter p(&b.frame);
        p.scale(b.scale, b.scale);
        ui::FormPainter(p, b.pictures).paint(b.form);
        benchmark::DoNotOptimize(b.frame.constBits());
    }
}
BENCHMARK(BM_SwitchLanguage)->Arg(1000)->Arg(1875)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

// The settings as F3 opens them: the form made, its first page filled in, painted whole.
void BM_OpenSettings(benchmark::State& state)
{
    const double scale = scaleOf(state);
    ui::PictureCache pictures;
    const bind::Bindings bindings;
    const std::vector<ui::SettingRow> rows{{"Lautstärke", 100, 10, {}, {}},
                                           {"Ton", 1, 1, {}, {}},
                                           {"Flüssige Bewegung", 1, 1, {}, {}},
                                           {"Vollbild", 1, 1, {}, {}}};
    for (auto _ : state) {
        ui::SettingsForm form(rows);
        form.show(false, 0, {100, 1, 1, 0}, bindings, false);
        QImage frame = frameFor(form, scale);
        QPainter p(&frame);
        p.scale(scale, scale);
        ui::FormPainter(p, pictures).paint(form);
        benchmark::DoNotOptimize(frame.constBits());
    }
}
BENCHMARK(BM_OpenSettings)->Arg(1000)->Arg(1875)->Arg(3750)->MeasureProcessCPUTime()->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace gravok::bench

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
