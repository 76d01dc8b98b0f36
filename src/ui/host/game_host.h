// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <functional>
#include <optional>
#include <vector>

#include <QObject>
#include <QString>

#include "core/bindings.h"
#include "replay/input_door.h"
#include "ui/view/picture_cache.h"

class QWidget;

namespace gravok {
class Form;
class Game;
} // namespace gravok

namespace gravok::ui {

class FireToggle;

class FormView;
class KeyRouter;
class Layer;
struct KeyPress;

// Everything the windows share: the one door into the game (every event, tick and
// start-up call goes through call()), the one door for keys (pressKey), the open views
// and layers, the bitmaps, and the end of the program.
// Ctrl+Q and Alt+F4 in WINDOW close it and call END: for a window shown before the game
// and its key router are there (the game's own windows go through the router).
void endOnQuitKeys(QWidget& window, std::function<void()> end);

class GameHost : public QObject {
    Q_OBJECT
public:
    explicit GameHost(Game& game, QObject* parent = nullptr);
    ~GameHost() override;

    [[nodiscard]] Game& game() { return game_; }
    [[nodiscard]] PictureCache& pictures() { return pictures_; }
    // Where every input and every advance of the clock enters the game.
    [[nodiscard]] replay::InputDoor& door() { return door_; }

    // Runs a call into the game, then refreshes. Does nothing once the program has ended.
    void call(const std::function<void()>& work);
    // The same without the refresh; false if the call was not run or failed.
    bool guarded(const std::function<void()>& work);
    // Finishes layers whose form has closed and re-reads the model into every view.
    void refresh();
    // Run around every call(): the clock catches up before, and plans its wake-up after.
    void setCallHooks(std::function<void()> before, std::function<void()> after);
    // Run after every call as well, after the hooks above (the sound looks for a pause).
    void addAfterCall(std::function<void()> after) { alsoAfter_.push_back(std::move(after)); }

    // A key for the topmost window: window keys first (Ctrl+Q ends the program), then the
    // topmost layer's own keys, then the game's key handler of the active window. True if
    // anything took it. Real keys and synthesized ones come in here alike. In the main
    // window the player's bindings turn the key into the game's own code; in a layer
    // Enter, Escape and the arrows mean themselves.
    bool pressKey(const KeyPress& press);

    // The player's keys and pad buttons.
    [[nodiscard]] bind::Bindings& bindings() { return bindings_; }
    // "Feuer: umschalten", where the program has it: the fire key goes there first, and a
    // layer stops it.
    FireToggle* fireToggle = nullptr;
    // Whether the key is bound to ACTION, and not a letter being typed into the name box.
    [[nodiscard]] bool isActionKey(int qtKey, bind::Action action) const;
    // The pad sends its presses inside this, naming the button where one was pressed (a
    // held arrow's repeats name none); the name box asks who pressed last, and with what.
    void setPadSending(bool sending, std::optional<pad::Button> button = std::nullopt)
    {
        padSending_ = sending;
        padButton_ = button;
    }
    [[nodiscard]] bool lastFromPad() const { return lastFromPad_; }
    [[nodiscard]] std::optional<pad::Button> lastPadButton() const { return lastPadButton_; }
    // F3 and the pad's B in the main window.
    std::function<void()> openSettings;

    void addView(FormView* view);
    void removeView(FormView* view);
    [[nodiscard]] bool isGameWindow(const QWidget* window) const;

    // Shows a layer over the main window, brought up to date first, and waits until it
    // is finished. When the program ends meanwhile, unwinds the game's call with
    // ProgramEnded instead of returning into it.
    void runLayer(Layer& layer);
    [[nodiscard]] Layer* topLayer() const { return layers_.empty() ? nullptr : layers_.back(); }

    // Stops all calls into the game, finishes the layers and leaves the event loops.
    void end();
    [[nodiscard]] bool ended() const { return ended_; }

    // How a fatal error is shown and how the event loops are left; tests replace them.
    std::function<void(const QString& message)> reportError;
    std::function<void()> quit;

private:
    void fail(const QString& what);
    void finishClosedLayers();

    Game& game_;
    replay::InputDoor door_;
    PictureCache pictures_;
    std::function<void()> beforeCall_;
    std::function<void()> afterCall_;
    std::vector<std::function<void()>> alsoAfter_;
    KeyRouter* keys_;
    std::vector<FormView*> views_;
    std::vector<Layer*> layers_;
    bind::Bindings bindings_;
    bool padSending_ = false;
    bool lastFromPad_ = false;
    std::optional<pad::Button> padButton_;
    std::optional<pad::Button> lastPadButton_;
    bool ended_ = false;
};

// Thrown out of a layer when the program ended while it was open; call() takes it.
struct ProgramEnded {};

} // namespace gravok::ui
