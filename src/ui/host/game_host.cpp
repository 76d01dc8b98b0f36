// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/host/game_host.h"

#include <algorithm>
#include <exception>
#include <utility>

#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>

#include "app/game.h"
#include "core/errors.h"
#include "core/form.h"
#include "ui/input/fire_toggle.h"
#include "ui/input/key_map.h"
#include "ui/input/key_router.h"
#include "ui/language/language.h"
#include "ui/layers/layer.h"
#include "ui/view/form_view.h"

namespace gravok::ui {

namespace {

class QuitKeys : public QObject {
public:
    QuitKeys(QWidget& window, std::function<void()> end) : QObject(&window), end_(std::move(end))
    {
        window.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress && event->type() != QEvent::ShortcutOverride)
            return false;
        const auto* key = static_cast<const QKeyEvent*>(event);
        if (!isQuitKey(key->key(), key->modifiers()))
            return false;
        event->accept();
        if (event->type() == QEvent::KeyPress) {
            if (auto* widget = qobject_cast<QWidget*>(watched))
                widget->close();
            end_();
        }
        return true;
    }

private:
    std::function<void()> end_;
};

} // namespace

namespace {

void showFatal(const QString& message)
{
    QMessageBox::critical(nullptr, QCoreApplication::translate("Gravok", "Gravok – Fehler"), message);
}

} // namespace

GameHost::GameHost(Game& game, QObject* parent)
    : QObject(parent), reportError(showFatal), quit([] { QCoreApplication::exit(0); }), game_(game), door_(game)
{
    keys_ = new KeyRouter([this](const QWidget* w) { return isGameWindow(w); },
                          [this](const KeyPress& press) { return pressKey(press); }, this);
    if (qApp)
        qApp->installEventFilter(keys_);
}

GameHost::~GameHost()
{
    if (qApp)
        qApp->removeEventFilter(keys_);
}

bool GameHost::guarded(const std::function<void()>& work)
{
    if (ended_)
        return false;
    try {
        work();
        return true;
    } catch (const ProgramEnded&) {
        return false;
    } catch (const GameError& e) {
        fail(shown(e.message()));
    } catch (const std::exception& e) {
        fail(QString::fromStdString(e.what()));
    }
    return false;
}

void GameHost::call(const std::function<void()>& work)
{
    if (beforeCall_)
        beforeCall_();
    guarded(work);
    refresh();
    if (afterCall_)
        afterCall_();
    for (const auto& after : alsoAfter_)
        after();
}

void GameHost::setCallHooks(std::function<void()> before, std::function<void()> after)
{
    beforeCall_ = std::move(before);
    afterCall_ = std::move(after);
}

// The game cannot play on: say why, then end as the player would with "Ende".
void GameHost::fail(const QString& what)
{
    ended_ = true;
    reportError(
        QCoreApplication::translate("Gravok", "Gravok muss beendet werden, weil ein Fehler aufgetreten ist:\n\n%1")
            .arg(what));
    end();
}

bool GameHost::pressKey(const KeyPress& press)
{
    if (ended_)
        return false;
    // Without a window manager Alt+F4 comes to us; it closes the window, as it does with one.
    if (isQuitKey(press.key, press.modifiers)) {
        end();
        return true;
    }
    lastFromPad_ = padSending_;
    lastPadButton_ = padButton_;
    Layer* top = topLayer();
    if (top && top->takeKey(press)) {
        refresh();
        return true;
    }
    const auto physical = virtualKey(press.key);
    if (!physical)
        return false;
    std::optional<int> code;
    if (!top) {
        if (*physical == key::F3 && openSettings) {
            openSettings();
            return true;
        }
        const auto action = bindings_.actionOfKey(*physical);
        // The window's own two are taken before the game; nothing of theirs reaches it.
        if (action == bind::Action::FullScreen || action == bind::Action::Sound)
            return true;
        if (action == bind::Action::Fire && fireToggle && fireToggle->press(press.autoRepeat))
            return true;
        code = bindings_.gameCode(*physical);
    } else {
        // In a dialog Enter, Escape and the arrows keep their meaning; Help follows its key.
        const bool own =
            *physical == key::Enter || *physical == key::Escape || (*physical >= key::Left && *physical <= key::Down);
        if (!own && bindings_.actionOfKey(*physical) == bind::Action::Help)
            code = key::F1;
        else if (own || bind::knownToGame(*physical))
            code = physical;
    }
    if (!code)
        return false;
    call([this, code] {
        if (!game_.windows().empty())
            door_.key(*code);
    });
    return true;
}

bool GameHost::isActionKey(int qtKey, bind::Action action) const
{
    const auto physical = virtualKey(qtKey);
    if (!physical || bindings_.actionOfKey(*physical) != action)
        return false;
    const Layer* top = topLayer();
    if (top && top->capturesKeys())
        return false;
    return !(top && top->typesText() && qtKeyFor(*physical) && !qtKeyFor(*physical)->text.isEmpty());
}

void GameHost::refresh()
{
    finishClosedLayers();
    for (FormView* view : views_)
        view->sync();
}

void GameHost::addView(FormView* view)
{
    views_.push_back(view);
    connect(view, &QObject::destroyed, this, [this, view] { removeView(view); });
    view->setDispatch([this](const std::function<void()>& work) { call(work); });
    view->setDoor(&door_);
}

void GameHost::removeView(FormView* view)
{
    std::erase(views_, view);
}

bool GameHost::isGameWindow(const QWidget* window) const
{
    return std::any_of(views_.begin(), views_.end(), [window](const FormView* v) { return v->window() == window; });
}

void GameHost::runLayer(Layer& layer)
{
    if (ended_)
        throw ProgramEnded{};
    refresh();
    layers_.push_back(&layer);
    keys_->layerOpened();
    if (fireToggle)
        fireToggle->stop();
    layer.run();
    keys_->layerClosed();
    std::erase(layers_, &layer);
    if (ended_)
        throw ProgramEnded{};
}

// Layers close when their form says so, which the game does from its handlers.
void GameHost::finishClosedLayers()
{
    for (Layer* layer : layers_)
        if (layer->form().closed())
            layer->finish();
}

void endOnQuitKeys(QWidget& window, std::function<void()> end)
{
    new QuitKeys(window, std::move(end));
}

void GameHost::end()
{
    ended_ = true;
    for (Layer* layer : layers_)
        layer->finish();
    quit();
}

} // namespace gravok::ui
