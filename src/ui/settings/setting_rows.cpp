// SPDX-FileCopyrightText: 2026 The Gravok developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/settings/setting_rows.h"

#include "audio/mixer.h"
#include "audio/sound_director.h"
#include "ui/frames/clock_driver.h"
#include "ui/frames/frame_loop.h"
#include "ui/input/fire_toggle.h"
#include "ui/language/language.h"
#include "ui/settings/window_settings.h"
#include "ui/view/game_window.h"

namespace gravok::ui {

std::vector<SettingRow> settingRows(const SettingTargets& to)
{
    const SettingKey& volume = settingKey(Setting::Volume);
    const SettingKey& speed = settingKey(Setting::Speed);
    return {
        {QT_TRANSLATE_NOOP("Einstellungen", "Lautstärke"), volume.max, volume.step, [to] { return to.mixer.volume(); },
         [to](int v) {
             to.mixer.setVolume(v);
             to.store.store(Setting::Volume, v);
         }},
        {QT_TRANSLATE_NOOP("Einstellungen", "Ton"), 1, 1, [to] { return to.sound.muted() ? 0 : 1; },
         [to](int v) {
             to.sound.setMuted(v == 0);
             to.store.store(Setting::Muted, to.sound.muted());
         }},
        {QT_TRANSLATE_NOOP("Einstellungen", "Flüssige Bewegung"), 1, 1, [to] { return to.frames.smooth() ? 1 : 0; },
         [to](int v) {
             to.frames.setSmooth(v != 0);
             to.store.store(Setting::Smooth, v != 0);
         }},
        // Kept with the window's place when the program ends.
        {QT_TRANSLATE_NOOP("Einstellungen", "Vollbild"), 1, 1, [to] { return to.fullScreen ? 1 : 0; },
         [to](int v) {
             if ((v != 0) != to.fullScreen)
                 to.window.toggleFullScreen();
             to.fullScreen = v != 0;
         }},
        {QT_TRANSLATE_NOOP("Einstellungen", "Sprache"),
         2,
         1,
         [to] { return to.store.number(Setting::Language); },
         [to](int v) {
             to.translations.use(languageOf(LanguageChoice(v), processEnvironment()));
             to.store.store(Setting::Language, v);
         },
         {QT_TRANSLATE_NOOP("Einstellungen", "Automatisch"), QT_TRANSLATE_NOOP("Einstellungen", "Deutsch"),
          QT_TRANSLATE_NOOP("Einstellungen", "English")}},
        // The assists. A slower game: its own time, every tick and draw the same, only slower.
        {QT_TRANSLATE_NOOP("Einstellungen", "Spieltempo"),
         speed.max,
         speed.step,
         [to] { return to.clock.speed(); },
         [to](int v) {
             to.clock.setSpeed(v);
             to.store.store(Setting::Speed, v);
         },
         {},
         speed.min},
        {QT_TRANSLATE_NOOP("Einstellungen", "Feuer"),
         1,
         1,
         [to] { return to.fire.toggles() ? 1 : 0; },
         [to](int v) {
             to.fire.setToggles(v == 1);
             to.store.store(Setting::Fire, v);
         },
         {QT_TRANSLATE_NOOP("Einstellungen", "halten"), QT_TRANSLATE_NOOP("Einstellungen", "umschalten")}},
    };
}

} // namespace gravok::ui
