// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/host/qt_platform.h"

#include <cmath>
#include <system_error>

#include <QCoreApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QMessageBox>
#include <QProcess>
#include <QScreen>
#include <QUrl>

#include "app/game.h"
#include "audio/sound_director.h"
#include "core/form.h"
#include "core/pictures.h"
#include "replay/replay_store.h"
#include "scores/frm_punkte.h"
#include "ui/host/game_host.h"
#include "ui/language/language.h"
#include "ui/layers/layer.h"
#include "ui/layers/name_box.h"
#include "ui/layers/scores_layer.h"
#include "ui/view/form_view.h"
#include "ui/view/game_window.h"

namespace gravok::ui {
namespace {

QString qs(const std::string& s)
{
    return QString::fromStdString(s);
}

} // namespace

void QtPlatform::attach(Game& game, GameHost& host, GameWindow& window)
{
    game_ = &game;
    host_ = &host;
    window_ = &window;
    view_ = &window.view();
}

void QtPlatform::attachView(Game& game, GameHost& host, FormView& view)
{
    game_ = &game;
    host_ = &host;
    view_ = &view;
}

std::filesystem::path QtPlatform::programDir() const
{
    return QCoreApplication::applicationDirPath().toStdString();
}

// The installed layout's data folder, known by the help file in it; a build tree has none.
std::filesystem::path QtPlatform::dataDir() const
{
    std::error_code ec;
    auto dir = (programDir() / GRAVOK_DATA_FROM_PROGRAM).lexically_normal();
    if (!std::filesystem::is_regular_file(dir / "Gravok.quh", ec))
        return {};
    return dir;
}

float QtPlatform::screenWidthTwips() const
{
    const QScreen* screen = window_ ? window_->screen() : view_ ? view_->screen() : QGuiApplication::primaryScreen();
    return screen ? static_cast<float>(screen->geometry().width()) * TwipsPerPixel : 0.0f;
}

std::uint64_t QtPlatform::clockSeed() const
{
    return static_cast<std::uint64_t>(QDateTime::currentMSecsSinceEpoch());
}

void QtPlatform::showWindow(Form& form)
{
    if (!window_ || &window_->view().form() != &form)
        return;
    window_->show();
    window_->placeFromForm();
    window_->activateWindow();
}

// The dialog is a layer of the main window, over the field as it stands now.
void QtPlatform::runModal(Form& form)
{
    if (!host_ || host_->ended() || !view_)
        return;
    if (auto* punkte = dynamic_cast<FrmPunkte*>(&form); punkte && watchListed) {
        ScoresLayer layer(*host_, *punkte, *view_, replay::replayFolder(), watchListed);
        host_->runLayer(layer);
        return;
    }
    Layer layer(*host_, form, *view_);
    host_->runLayer(layer);
}

void QtPlatform::refresh()
{
    if (host_)
        host_->refresh();
}

// The help viewer speaks the game's language, and shows the help file in it.
bool QtPlatform::startProgram(const std::string& program, const std::string& argument)
{
    const Language language = Translations::current();
    QProcess viewer;
    viewer.setProgram(qs(program));
    viewer.setArguments({qs(helpArgument(argument, language))});
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("GRAVOK_LANGUAGE"), QString::fromLatin1(languageCode(language)));
    viewer.setProcessEnvironment(environment);
    return viewer.startDetached();
}

void QtPlatform::openUrl(const std::string& url)
{
    QDesktopServices::openUrl(QUrl(qs(url)));
}

std::optional<std::string> QtPlatform::inputBox(const std::string& prompt, const std::string& title)
{
    if (!host_ || host_->ended() || !view_)
        return std::nullopt;
    // No tick runs behind a box the desktop puts up for the game.
    const ClockHold hold(game_ ? &game_->clock : nullptr);
    NameBoxForm box(prompt, title);
    box.placeOver(view_->form());
    NameLayer layer(*host_, box, *view_);
    host_->runLayer(layer);
    auto answer = box.answer();
    if (!host_->ended())
        host_->door().answered(answer);
    return answer;
}

void QtPlatform::message(const Message& message)
{
    const ClockHold hold(game_ ? &game_->clock : nullptr);
    // Plain text: a message may quote a file, and a file's <img> or <a> must stay letters.
    QMessageBox box(QMessageBox::Information, QStringLiteral("Gravok"), shown(message), QMessageBox::Ok, window_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

// Nothing waits for a notice: the box stays up beside the running game.
void QtPlatform::notify(const Message& message)
{
    auto* box =
        new QMessageBox(QMessageBox::Information, QStringLiteral("Gravok"), shown(message), QMessageBox::Ok, window_);
    box->setTextFormat(Qt::PlainText);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::NonModal);
    box->show();
}

void QtPlatform::setBusyCursor(bool busy)
{
    if (busy) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        ++busy_;
    } else if (busy_ > 0) {
        QGuiApplication::restoreOverrideCursor();
        --busy_;
    }
}

void QtPlatform::playSound(const char* name)
{
    if (sound_)
        sound_->request(name);
}

void QtPlatform::endProgram()
{
    if (host_)
        host_->end();
    else
        QCoreApplication::exit(0);
}

} // namespace gravok::ui
