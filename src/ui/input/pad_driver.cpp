// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/input/pad_driver.h"

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QStyleHints>
#include <QWidget>

#include "app/frm_haupt.h"
#include "app/game.h"
#include "ui/host/game_host.h"
#include "ui/input/fire_toggle.h"
#include "ui/input/key_map.h"

namespace gravok::ui {

pad::Timing desktopTiming()
{
    pad::Timing t;
    if (const QStyleHints* hints = QGuiApplication::styleHints()) {
        const int rate = hints->keyboardAutoRepeatRate();
        if (rate > 0 && rate <= 100)
            t.intervalMs = 1000 / rate;
    }
    return t;
}

PadDriver::PadDriver(GameHost& host, QWidget& mainWindow, QObject* parent)
    : QObject(parent), host_(host), main_(mainWindow), keys_(desktopTiming())
{
    timer_.setTimerType(Qt::CoarseTimer);
    connect(&timer_, &QTimer::timeout, this, &PadDriver::pump);
    clock_.start();
}

PadDriver::~PadDriver() = default;

void PadDriver::start()
{
    if (!pad_.available())
        return;
    pump();
}

bool PadDriver::followScript(const QString& file)
{
    if (!pad_.available())
        return false;
    // Never a pipe that would hold the window: a regular file only, links followed.
    Opened opened = openRegular(file.toStdString(), O_RDONLY, Links::Follow);
    if (!opened.fd.ok()) {
        std::fprintf(stderr, "gravok: %s: %s\n", nameOf(file.toStdString()).c_str(), opened.reason().text().c_str());
        return false;
    }
    script_ = std::move(opened.fd);
    virtual_ = std::make_unique<sdl::VirtualPad>();
    return virtual_->attach();
}

void PadDriver::replan()
{
    const bool busy = pad_.connected() || virtual_;
    const int every = busy ? ReadMs : LookOutMs;
    if (!timer_.isActive() || timer_.interval() != every)
        timer_.start(every);
}

pad::Context PadDriver::context() const
{
    if (QApplication::activeModalWidget() || host_.topLayer())
        return pad::Context::Layer;
    Game& game = host_.game();
    const bool mainOnTop = !game.windows().empty() && &game.activeWindow() == &game.frmHaupt();
    return mainOnTop ? pad::Context::Main : pad::Context::Layer;
}

void PadDriver::pump()
{
    if (host_.ended()) {
        timer_.stop();
        return;
    }
    const long long now = clock_.elapsed();
    pad::MainKeys keys = host_.bindings().padKeys();
    // A fire button that toggles is pressed once, however long it is held.
    if (const auto fire = host_.bindings().button(bind::Action::Fire);
        fire && host_.fireToggle && host_.fireToggle->toggles())
        keys[static_cast<std::size_t>(*fire)].repeats = false;
    keys_.setMainKeys(keys);
    for (const sdl::PadEvent& e : pad_.poll()) {
        const pad::Context where = context();
        if (capture && e.kind == sdl::PadEvent::Kind::Down) {
            // The button is taken whole: no key, no repeat once let go.
            keys_.releaseAll();
            capture(e.button);
            continue;
        }
        std::vector<int> keys;
        std::optional<pad::Button> pressed;
        switch (e.kind) {
        case sdl::PadEvent::Kind::Connected: break;
        case sdl::PadEvent::Kind::Disconnected: keys_.releaseAll(); break;
        case sdl::PadEvent::Kind::Down:
            keys = keys_.press(e.button, where, now);
            pressed = e.button;
            break;
        case sdl::PadEvent::Kind::Up: keys_.release(e.button); break;
        case sdl::PadEvent::Kind::Move: keys = keys_.axis(e.axis, e.value, where, now); break;
        }
        send(keys, where, pressed);
    }
    const pad::Context where = context();
    send(keys_.tick(where, now), where);
    if (virtual_)
        readScript();
    replan();
}

// One line per look, so that a press and its release never fall into one SDL update.
void PadDriver::readScript()
{
    // One line is played per look: reading on while lines wait would only fill memory.
    char buffer[4096];
    if (scriptLines_.size() < 64)
        if (const ssize_t n = ::read(script_.get(), buffer, sizeof buffer); n > 0)
            scriptRest_.append(buffer, static_cast<qsizetype>(n));
    for (qsizetype end; (end = scriptRest_.indexOf('\n')) >= 0;) {
        scriptLines_.push_back(scriptRest_.left(end).trimmed());
        scriptRest_.remove(0, end + 1);
    }
    // A line no command could be is dropped, not kept growing.
    if (scriptRest_.size() > static_cast<qsizetype>(sizeof buffer))
        scriptRest_.clear();
    while (!scriptLines_.empty()) {
        const QByteArray line = scriptLines_.front();
        scriptLines_.pop_front();
        if (line.isEmpty() || line.startsWith('#'))
            continue;
        if (!virtual_->command(line.toStdString()))
            std::fprintf(stderr, "gravok: Testpad versteht die Zeile nicht: %s\n", line.constData());
        break;
    }
}

// Each key is sent on its own turn of the event loop: a key that opens a dialog runs
// the dialog's event loop inside its handler, and the pad must still be read there.
void PadDriver::send(const std::vector<int>& keys, pad::Context context, std::optional<pad::Button> button)
{
    for (const int k : keys)
        QMetaObject::invokeMethod(
            this, [this, k, context, button] { sendNow(k, context, button); }, Qt::QueuedConnection);
}

// Where a real key would go: the dialog in front, or the game's window. In the main window
// an action's code becomes the key the player bound to it, which the host turns back.
void PadDriver::sendNow(int virtualKey, pad::Context context, std::optional<pad::Button> button)
{
    int physical = virtualKey;
    if (const auto action = bind::actionOfCode(virtualKey); action && context == pad::Context::Main)
        physical = host_.bindings().key(*action);
    const auto key = qtKeyFor(physical);
    if (!key || host_.ended())
        return;
    QWidget* target = QApplication::activeModalWidget();
    if (target) {
        QWidget* focus = QApplication::focusWidget();
        if (focus && focus->window() == target)
            target = focus;
        else if (target->focusWidget())
            target = target->focusWidget();
    } else {
        target = main_.focusWidget() ? main_.focusWidget() : &main_;
    }
    if (virtual_)
        std::fprintf(stderr, "gravok: Testpad-Taste %d\n", virtualKey);
    const QPointer<QWidget> guard(target);
    const QString text = key->text;
    QKeyEvent press(QEvent::KeyPress, key->key, Qt::NoModifier, text);
    host_.setPadSending(true, button);
    QCoreApplication::sendEvent(target, &press);
    host_.setPadSending(false);
    if (guard) {
        QKeyEvent release(QEvent::KeyRelease, key->key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(guard, &release);
    }
}

} // namespace gravok::ui
