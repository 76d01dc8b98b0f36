// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <initializer_list>
#include <vector>

#include "app/game.h"
#include "core/form.h"
#include "core/int16.h"
#include "core/vbarray.h"

namespace gravok {

// The main window's variables, apart so that a copy of the game takes them in one go.
// All start at zero.
struct FrmHauptVariablen {
    I16 Zaehler;
    I16 Zaehler2;
    VbArray<I16, 0, 9> SchussRichtung;
    I16 ShuttleBild;
    I16 ZufallsVorzeichen;
    I16 ZufallsSchritt;
    I16 ExplosionsGravok;
    I16 ZerstoerteGravoks;
    I16 Pausiert;
    bool WarPausiert = false;
    I16 Trefferpunkte;
    VbArray<I16, 1, 12> GravokTypWert;
    VbArray<I16, 0, 9> SchussExplodiert;
    VbArray<I16, 1, 10> ExplosionsPhase;
};

// The main window: the playing field, the status strip, its variables and its handlers.
// The handlers are spread over the folders of their subsystems; the comments below name
// the file that defines each group.
class FrmHaupt : public Form, public FrmHauptVariablen {
public:
    // Controls, in the drawing order of the layout.
    Control* fraHintergrund;
    Control* lblNeu;
    VbArray<Control*, 1, 10> imgGravok;
    Control* imgHerz;
    VbArray<Control*, 0, 9> imgSchuss;
    Control* imgShuttle;
    Control* lblAnzeige;
    Control* Line;
    Control* fraTempo;
    Control* lblTempo;
    Control* fraSchaden;
    VbArray<Control*, 0, 17> spe;
    Control* lblPunkte;
    Control* lblP;
    Control* lblEnde;
    Control* Shape1;
    Control* lblHilfe;
    Control* lblInfo;
    Control* Shape2;
    Control* lblHighscore;
    Control* Shape3;
    Control* tmeAniSchuss;
    Control* tmeAniGravok;
    Control* tmeGravokiten;
    Control* tmeSchuss;
    Control* tmeBewegung;

    // Where each member is defined, in the order of the game's rules: start-up and pause,
    // keys, menu, the shuttle's flight, contacts, the gravoks' flight and bounce, collision
    // and damage, shots, hits and score, explosions and levels, and last the layout.

    // app/frm_haupt.cpp: start-up, pause, and the helpers every part of the field shares
    explicit FrmHaupt(Game& game);
    void frmHaupt_Form_Load();
    void load() override { frmHaupt_Form_Load(); }
    void PauseUmschalten();
    // P pauses and resumes only while the window is not busy with a dialog of its own.
    [[nodiscard]] bool pauseKeyWorks() const;
    // Whether Space fires now: a game runs, and it is not paused.
    [[nodiscard]] bool shotsWork() const;
    // The player looked away (the window lost focus or was minimised): a running game
    // pauses exactly as P would pause it, and only P resumes it.
    void pauseWhileAway();
    // Puts the gravoks of level l on the field, counting the slots with k.
    void startLevel(int l, I16& k);
    // Takes the whole state of OTHER, a window of the same layout: its variables and every
    // control's properties.
    void copyStateFrom(const FrmHaupt& other);
    // The damage bar is full: the game is over.
    [[nodiscard]] bool gameEnded() const { return game_.Start.Schaden >= 19; }

private:
    void startTimers();
    int drawInt(int n);
    I16 drawSign();
    void wrap(Control& c);
    void endGame(const char* words);
    // Defined here in the header:
    GravokSatz& slot(int k) { return game_.Start.LevelDaten(game_.Start.Level).Gravok(k); }
    // Before the first episode is loaded and after the last level there is no field to play.
    [[nodiscard]] bool levelInPlay() const
    {
        return game_.Start.Level >= 1 && game_.Start.Level <= game_.Start.LevelDaten.count();
    }

public:
    // app/keys.cpp
    void frmHaupt_Form_KeyDown(int keyCode, int shift);
    void keyDown(int keyCode, int shift) override { frmHaupt_Form_KeyDown(keyCode, shift); }

private:
    void turn(int by);
    void changeSpeed(int by);
    void requestShot();

public:
    // app/menu.cpp
    void frmHaupt_lblEnde_Click();
    void frmHaupt_lblHighscore_Click();
    void frmHaupt_lblHilfe_Click();
    void frmHaupt_lblInfo_Click();
    void NeuesSpiel();
    void mouseDown(Control& control) override;
    void mouseUp(Control& control) override;
    void click(Control& control) override;

private:
    void showAroundPause(Form& dialog);
    [[nodiscard]] bool isMenuLabel(const Control& c) const;

public:
    // app/movement.cpp
    void frmHaupt_tmeBewegung_Timer();
    // The fastest the shuttle flies, forwards or back.
    static constexpr int TempoMost = 100;
    // Twips on either axis in one movement tick at most.
    [[nodiscard]] static float shuttleStepMost();

private:
    void collectHeart();

public:
    // field/overlap.cpp
    bool KollisionShuttleGravok(int k, int sx, int sy);
    bool KollisionGravokGravok(int i, int j);
    bool KollisionGravokShuttle(int i);

    // field/descent.cpp
    void frmHaupt_tmeGravokiten_Timer();
    void GravokeAbprallen(int i, int j);

private:
    static void clampSteps(std::initializer_list<I16*> steps);

public:
    // field/collision.cpp
    void ShuttleGetroffen(int i);

private:
    void deflect(GravokSatz& g);
    void knockShuttle();

public:
    // weapons/shots.cpp
    void frmHaupt_tmeSchuss_Timer();
    // Twips on either axis a shot flies in one tick at most (diagonals included).
    [[nodiscard]] static float shotStepMost();

private:
    void launchShot(int i);
    void flyShot(int i);
    void hitAction(int i, int j);
    [[nodiscard]] double score() const;
    void setScore(double points);

public:
    // weapons/hits.cpp
    void TrefferWerten(int j);

    // weapons/animations.cpp
    void frmHaupt_tmeAniGravok_Timer();
    void frmHaupt_tmeAniSchuss_Timer();

    // app/moving.cpp: what moves on its own from one tick to the next, for a view that
    // draws it in between. No rule reads it.
    struct Moving {
        Control* control;
        float largestStep; // twips on either axis in one tick, at most
        bool wraps;        // leaves the field on one side and comes back on the other
        bool onItsOwn;     // in play now: a gravok not exploding or parked, a shot in flight
    };
    // Into ALL, which keeps its room: a view asks at every tick.
    void movingPictures(std::vector<Moving>& all) const;
    // The period of the ticks that move the pictures.
    [[nodiscard]] int movementTickMs() const { return tmeBewegung->Interval; }

private:
    [[nodiscard]] float levelDrift() const;

    bool endExplosion(int k);
    [[nodiscard]] bool anyExplosion() const;
    void levelCleared();

    // app/frm_haupt_layout.cpp
    void buildLayout();
    void buildStatusStrip();

    Game& game_;
};

} // namespace gravok
