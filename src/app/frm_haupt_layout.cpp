// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <array>

#include "app/frm_haupt.h"
#include "core/words.h"

namespace gravok {
namespace {

// Damage bar, light to dark green, yellow, red.
constexpr std::array<Color, 18> DamageColors = {0xC0FFC0, 0x80FF80, 0x00FF00, 0x00C000, 0x008000, 0x004000,
                                                0xFFFFC0, 0xFFFF80, 0xFFFF00, 0xC0C000, 0x808000, 0x404000,
                                                0xFFC0C0, 0xFF8080, 0xFF0000, 0xC00000, 0x800000, 0x400000};

Control makeImage(std::string name, float l, float t, float w, float h, int index, std::string tag)
{
    Control c = makeControl(ControlKind::Image, std::move(name), l, t, w, h, index);
    c.Tag = std::move(tag);
    return c;
}

Control makeFrame(std::string name, float l, float t, float w, float h, std::string caption)
{
    Control c = makeControl(ControlKind::Frame, std::move(name), l, t, w, h);
    c.Caption = std::move(caption);
    c.Bordered = !c.Caption.empty();
    c.BackTransparent = false;
    return c;
}

} // namespace

void FrmHaupt::buildLayout()
{
    Width = 9600;
    Height = 8640;
    Caption = "Gravok";
    Tag = "0";

    fraHintergrund = &add(makeFrame("fraHintergrund", 0, 0, 9600, 7200, ""));
    lblNeu = &add(makeLabel("lblNeu", 4200, 6960, 1215, 255, GRAVOK_TEXT("frmHaupt", "Neues Spiel: F4"), Align::Center),
                  fraHintergrund);
    for (int k = 1; k <= 10; ++k)
        imgGravok(k) = &add(makeImage("imgGravok", 0, 0, 480, 480, k, "0"), fraHintergrund);
    imgHerz = &add(makeImage("imgHerz", 600, -2500, 270, 270, -1, "0"), fraHintergrund);
    for (int i = 0; i <= 9; ++i)
        imgSchuss(i) = &add(makeImage("imgSchuss", 0, -250, 135, 135, i, "0"), fraHintergrund);
    imgShuttle = &add(makeImage("imgShuttle", 4372, 3172, 855, 855, -1, ""), fraHintergrund);
    // The big message stays on top so that "Game over!" is never hidden by a gravok.
    lblAnzeige = &add(makeLabel("lblAnzeige", 120, 2520, 9375, 1935, "", Align::Center, Font{"Arial", 90}, 0x808080),
                      fraHintergrund);

    Control line = makeControl(ControlKind::Line, "Line", 0, 7200, 0, 0);
    line.X2 = 9600;
    line.Y2 = 7200;
    Line = &add(std::move(line));
    buildStatusStrip();

    // The timers; the order they fire in is set by startTimers().
    tmeAniSchuss = &add(makeTimer("tmeAniSchuss", 200, false));
    tmeAniGravok = &add(makeTimer("tmeAniGravok", 100, false));
    tmeGravokiten = &add(makeTimer("tmeGravokiten", 50, true));
    tmeSchuss = &add(makeTimer("tmeSchuss", 50, true));
    tmeBewegung = &add(makeTimer("tmeBewegung", 50, true));
}

void FrmHaupt::buildStatusStrip()
{
    fraTempo = &add(makeFrame("fraTempo", 1560, 7320, 1335, 615, GRAVOK_TEXT("frmHaupt", "Tempo")));
    lblTempo =
        &add(makeLabel("lblTempo", 240, 240, 855, 255, "", Align::Center, Font{"Courier New", 15.75f}), fraTempo);
    fraSchaden = &add(makeFrame("fraSchaden", 3360, 7320, 4695, 615, GRAVOK_TEXT("frmHaupt", "Schaden")));
    for (int i = 0; i <= 17; ++i) {
        Control seg = makeShape("spe", ShapeKind::Rectangle, 240.0f + 240.0f * static_cast<float>(i), 240, 135, 255,
                                DamageColors[static_cast<std::size_t>(i)]);
        seg.Index = i;
        seg.Filled = true;
        spe(i) = &add(std::move(seg), fraSchaden);
    }
    lblPunkte = &add(makeLabel("lblPunkte", 2640, 8160, 2055, 255, GRAVOK_TEXT("frmHaupt", "Aktueller Punktestand:"),
                               Align::Right, Font{"MS Sans Serif", 9.75f}));
    lblP = &add(makeLabel("lblP", 4800, 8160, 855, 255, "", Align::Center, Font{"Courier", 9.75f}));
    lblEnde = &add(makeLabel("lblEnde", 240, 7635, 615, 255, GRAVOK_TEXT("frmHaupt", "Ende"), Align::Center));
    Shape1 = &add(makeShape("Shape1", ShapeKind::Circle, 240, 7440, 615, 615));
    lblHilfe = &add(makeLabel("lblHilfe", 8745, 7530, 615, 255, GRAVOK_TEXT("frmHaupt", "Hilfe"), Align::Center));
    lblInfo = &add(makeLabel("lblInfo", 8745, 7770, 615, 255, GRAVOK_TEXT("frmHaupt", "Info"), Align::Center));
    Shape2 = &add(makeShape("Shape2", ShapeKind::Circle, 8760, 7440, 615, 615));
    lblHighscore =
        &add(makeLabel("lblHighscore", 6000, 8175, 735, 255, GRAVOK_TEXT("frmHaupt", "Highscore"), Align::Center));
    Shape3 = &add(makeShape("Shape3", ShapeKind::Oval, 5880, 8085, 975, 375));
}

} // namespace gravok
