// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/window_settings.h"

#include "core/files.h"

#include <cstdio>

namespace gravok::ui {
namespace {

std::filesystem::path configFolder()
{
    return userFolder("XDG_CONFIG_HOME", ".config");
}

// A rectangle as earlier versions wrote it: "@Rect(x y width height)".
std::string rectText(const QRect& r)
{
    return QStringLiteral("@Rect(%1 %2 %3 %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()).toStdString();
}

QRect rectOf(const QString& text)
{
    if (!text.startsWith(QLatin1String("@Rect(")) || !text.endsWith(QLatin1Char(')')))
        return {};
    const QStringList parts = text.mid(6, text.size() - 7).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 4)
        return {};
    int n[4];
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        n[i] = parts[i].toInt(&ok);
        if (!ok)
            return {};
    }
    return {n[0], n[1], n[2], n[3]};
}

} // namespace

QString WindowSettings::playerFile()
{
    return QString::fromStdString((configFolder() / "gravok.conf").string());
}

WindowSettings::WindowSettings() : file_(configFolder() / "gravok.conf", configFolder() / "gravok.ini")
{
    load();
}

WindowSettings::WindowSettings(const QString& file) : file_(file.toStdString())
{
    load();
}

void WindowSettings::load()
{
    for (const std::string& problem : file_.load())
        std::fprintf(stderr, "gravok: %s\n", problem.c_str());
}

std::optional<WindowSettings::Placement> WindowSettings::placement() const
{
    const QRect normal = rectOf(QString::fromStdString(text(Setting::WindowNormal).value_or("")));
    if (!normal.isValid() || normal.width() < 16 || normal.height() < 16)
        return std::nullopt;
    return Placement{normal, flag(Setting::WindowMaximized), flag(Setting::WindowFullScreen)};
}

void WindowSettings::setPlacement(const Placement& placement)
{
    set(Setting::WindowNormal, rectText(placement.normal));
    set(Setting::WindowMaximized, placement.maximized ? "true" : "false");
    set(Setting::WindowFullScreen, placement.fullScreen ? "true" : "false");
}

std::optional<std::string> WindowSettings::text(Setting setting) const
{
    return file_.value(settingKey(setting).name);
}

void WindowSettings::set(Setting setting, const std::string& text)
{
    file_.set(settingKey(setting).name, text);
}

// As earlier versions read a switch: anything but nothing, "0" and "false" is on.
bool WindowSettings::flag(Setting setting) const
{
    const QString kept = QString::fromStdString(text(setting).value_or(settingKey(setting).fallback));
    return !kept.isEmpty() && kept != QLatin1String("0") &&
           kept.compare(QLatin1String("false"), Qt::CaseInsensitive) != 0;
}

int WindowSettings::number(Setting setting) const
{
    const SettingKey& key = settingKey(setting);
    if (key.kind == SettingKey::Kind::Choice) {
        const std::string kept = text(setting).value_or(key.fallback);
        for (const std::string& word : {kept, std::string(key.fallback)})
            for (std::size_t i = 0; i < key.words.size(); ++i)
                if (word == key.words[i])
                    return static_cast<int>(i);
        return 0;
    }
    bool ok = false;
    const int n = QString::fromStdString(text(setting).value_or("")).toInt(&ok);
    if (ok && n >= key.min && n <= key.max && (n - key.min) % key.step == 0)
        return n;
    return QString::fromLatin1(key.fallback).toInt();
}

void WindowSettings::store(Setting setting, bool on)
{
    set(setting, on ? "true" : "false");
    flush();
}

void WindowSettings::store(Setting setting, int number)
{
    const SettingKey& key = settingKey(setting);
    const bool word =
        key.kind == SettingKey::Kind::Choice && number >= 0 && number < static_cast<int>(key.words.size());
    set(setting, word ? key.words[static_cast<std::size_t>(number)] : std::to_string(number));
    flush();
}

bind::Bindings WindowSettings::bindings() const
{
    return bind::Bindings::fromStored([this](const std::string& key) { return file_.value(key); });
}

void WindowSettings::setBindings(const bind::Bindings& bindings)
{
    for (const auto& [key, value] : bindings.stored())
        file_.set(key, value);
    flush();
}

void WindowSettings::flush()
{
    // Said once: a disk that stays full would say it at every change.
    if (const auto why = file_.save(); why && !complained_) {
        complained_ = true;
        std::fprintf(stderr, "gravok: %s\n", why->c_str());
    }
}

} // namespace gravok::ui
