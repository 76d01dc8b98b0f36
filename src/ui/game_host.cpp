// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/game_host.h"

#include <algorithm>
#include <exception>
#include <utility>

#include <QApplication>
#include <QDialog>
#include <QMessageBox>

#include "app/game.h"
#include "core/errors.h"
#include "core/form.h"
#include "core/pad_keys.h"
#include "ui/form_view.h"
#include "ui/key_router.h"

namespace gravok::ui {
namespace {

void showFatal(const QString& message)
{
    QMessageBox::critical(nullptr, QStringLiteral("Gravok – Fehler"), message);
}

} // namespace

GameHost::GameHost(Game& game, QObject* parent)
    : QObject(parent), reportError(showFatal), quit([] { QCoreApplication::exit(0); }), game_(game), door_(game)
{
    keys_ = new KeyRouter([this](const QWidget* w) { return isGameWindow(w); },
                          [this](int code) { deliverKey(code); },
                          this);
    if (qApp)
        qApp->installEventFilter(keys_);
}

GameHost::~GameHost()
{
    if (qApp)
        qApp->removeEventFilter(keys_);
}

void GameHost::deliverKey(int code)
{
    Form* form = nullptr;
    call([this, code, &form] {
        if (game_.windows().empty())
            return;
        form = &game_.activeWindow();
        door_.key(code);
    });
    // An arrow then moves an option choice: a click on that option, through its view, so
    // it enters the game exactly as the mouse's click would. No arrow closes a window.
    if (code < key::Left || code > key::Down)
        return;
    const auto& open = game_.windows();
    if (!form || ended_ || open.empty() || open.back() != form || form->closed())
        return;
    if (const Control* option = pad::arrowOption(*form, code))
        for (FormView* view : views_)
            if (&view->form() == form && view->clickOption(*option))
                return;
}

bool GameHost::guarded(const std::function<void()>& work)
{
    if (ended_)
        return false;
    try {
        work();
        return true;
    } catch (const GameError& e) {
        fail(QString::fromStdString(e.what()));
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
    reportError(QStringLiteral("Gravok muss beendet werden, weil ein Fehler aufgetreten ist:\n\n%1").arg(what));
    end();
}

void GameHost::refresh()
{
    closeFinishedDialogs();
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

void GameHost::addDialog(QDialog* dialog, Form& form)
{
    dialogs_.push_back({dialog, &form});
    connect(dialog, &QObject::destroyed, this, [this, dialog] { removeDialog(dialog); });
}

void GameHost::removeDialog(QDialog* dialog)
{
    std::erase_if(dialogs_, [dialog](const OpenDialog& d) { return d.dialog == dialog; });
}

bool GameHost::isGameWindow(const QWidget* window) const
{
    return std::any_of(views_.begin(), views_.end(), [window](const FormView* v) { return v->window() == window; });
}

// Dialogs close when their form says so, which the game does from its handlers.
void GameHost::closeFinishedDialogs()
{
    for (const OpenDialog& d : std::vector<OpenDialog>(dialogs_))
        if (d.form->closed() && d.dialog->isVisible())
            d.dialog->done(QDialog::Accepted);
}

void GameHost::end()
{
    ended_ = true;
    for (const OpenDialog& d : std::vector<OpenDialog>(dialogs_))
        d.dialog->done(QDialog::Rejected);
    quit();
}

} // namespace gravok::ui
