<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Einstellungen</name>
    <message>
        <source>links drehen</source>
        <translation>turn left</translation>
    </message>
    <message>
        <source>rechts drehen</source>
        <translation>turn right</translation>
    </message>
    <message>
        <source>schneller</source>
        <translation>faster</translation>
    </message>
    <message>
        <source>langsamer</source>
        <translation>slower</translation>
    </message>
    <message>
        <source>Feuer</source>
        <translation>Fire</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Neues Spiel</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Vollbild</source>
        <translation>Full screen</translation>
    </message>
    <message>
        <source>Ton</source>
        <translation>Sound</translation>
    </message>
    <message>
        <source>Leertaste</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Pfeil links</source>
        <translation>Left arrow</translation>
    </message>
    <message>
        <source>Pfeil hoch</source>
        <translation>Up arrow</translation>
    </message>
    <message>
        <source>Pfeil rechts</source>
        <translation>Right arrow</translation>
    </message>
    <message>
        <source>Pfeil runter</source>
        <translation>Down arrow</translation>
    </message>
    <message>
        <source>Rücktaste</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Umschalt</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Strg</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Bild hoch</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Bild runter</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Pos1</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Einfg</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Entf</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Kreuz hoch</source>
        <translation>D-pad up</translation>
    </message>
    <message>
        <source>Kreuz runter</source>
        <translation>D-pad down</translation>
    </message>
    <message>
        <source>Kreuz links</source>
        <translation>D-pad left</translation>
    </message>
    <message>
        <source>Kreuz rechts</source>
        <translation>D-pad right</translation>
    </message>
    <message>
        <source>an</source>
        <translation>on</translation>
    </message>
    <message>
        <source>aus</source>
        <translation>off</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Tasten …</source>
        <translation>Keys …</translation>
    </message>
    <message>
        <source>Aktion</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Taste</source>
        <translation>Key</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Defaults</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Tasten</source>
        <translation>Keys</translation>
    </message>
    <message>
        <source>Taste drücken …</source>
        <translation>Press a key …</translation>
    </message>
    <message>
        <source>Lautstärke</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Flüssige Bewegung</source>
        <translation>Smooth motion</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Automatisch</source>
        <translation>Automatic</translation>
    </message>
    <message>
        <source>Deutsch</source>
        <translation>Deutsch</translation>
    </message>
    <message>
        <source>English</source>
        <translation>English</translation>
    </message>
</context>
<context>
    <name>Gravok</name>
    <message>
        <source>Gravok – Fehler</source>
        <translation>Gravok – Error</translation>
    </message>
    <message>
        <source>Gravok muss beendet werden, weil ein Fehler aufgetreten ist:

%1</source>
        <translation>Gravok has to close because an error occurred:

%1</translation>
    </message>
    <message>
        <source>Gravok – Wiedergabe</source>
        <translation>Gravok – Replay</translation>
    </message>
    <message>
        <source>Gravok – Wiedergabe beendet (Escape schließt)</source>
        <translation>Gravok – Replay ended (Escape closes)</translation>
    </message>
    <message>
        <source>Dieses Spiel kann nicht gezeigt werden: %1</source>
        <translation>This game cannot be shown: %1</translation>
    </message>
</context>
<context>
    <name>Hilfe</name>
    <message>
        <source>Es wurde keine Datei angegeben.</source>
        <translation>No file was given.</translation>
    </message>
    <message>
        <source>Die Datei gibt es nicht.</source>
        <translation>The file does not exist.</translation>
    </message>
    <message>
        <source>Das ist ein Ordner, keine Datei.</source>
        <translation>That is a folder, not a file.</translation>
    </message>
    <message>
        <source>Sie haben keine Berechtigung, sie zu lesen.</source>
        <translation>You have no permission to read it.</translation>
    </message>
    <message>
        <source>Lesefehler (%1).</source>
        <translation>Read error (%1).</translation>
    </message>
    <message>
        <source>Die Datei ist leer.</source>
        <translation>The file is empty.</translation>
    </message>
    <message>
        <source>Die Datei ist kein UTF-8-Text.</source>
        <translation>The file is not UTF-8 text.</translation>
    </message>
    <message>
        <source>Die Hilfedatei „%1“ konnte nicht geöffnet werden: %2</source>
        <translation>The help file “%1” could not be opened: %2</translation>
    </message>
    <message>
        <source>Gravok – Hilfe</source>
        <translation>Gravok – Help</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vor</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>NameBox</name>
    <message>
        <source>Geben sie bitte ihren Namen ein:</source>
        <translation>Please enter your name:</translation>
    </message>
    <message>
        <source>Namen?</source>
        <translation>Name?</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>↑↓ Zeichen   ←→ Stelle   A nimmt   B löscht   Start fertig</source>
        <translation>↑↓ letter   ←→ place   A takes   B deletes   Start done</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Done</translation>
    </message>
</context>
<context>
    <name>frmHaupt</name>
    <message>
        <source>Pause!</source>
        <translation>Paused!</translation>
    </message>
    <message>
        <source>Neues Spiel: F4</source>
        <translation>New game: F4</translation>
    </message>
    <message>
        <source>Tempo</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Schaden</source>
        <translation>Damage</translation>
    </message>
    <message>
        <source>Aktueller Punktestand:</source>
        <translation>Current score:</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Highscore</source>
        <translation>Scores</translation>
    </message>
    <message>
        <source>Game over!</source>
        <translation>Game over!</translation>
    </message>
    <message>
        <source>Geschafft!</source>
        <translation>Well done!</translation>
    </message>
</context>
<context>
    <name>frmInfo</name>
    <message>
        <source>Das Gravok-Team</source>
        <translation>The Gravok team</translation>
    </message>
    <message>
        <source>Copyright (C) 2026 Das Gravok-Team</source>
        <translation>Copyright (C) 2026 The Gravok team</translation>
    </message>
    <message>
        <source>Sternenweg 1</source>
        <translation>Sternenweg 1</translation>
    </message>
    <message>
        <source>12345 Musterstadt</source>
        <translation>12345 Musterstadt</translation>
    </message>
    <message>
        <source>Gravok ist freie Software: Sie dürfen es unter der GNU General Public License, Version 3 oder später, weitergeben und verändern.</source>
        <translation>Gravok is free software: you may share and change it under the GNU General Public License, version 3 or later.</translation>
    </message>
    <message>
        <source>Für dieses Spiel gibt es keinerlei Garantie, soweit das Gesetz es zulässt.</source>
        <translation>This game comes with no warranty at all, as far as the law allows.</translation>
    </message>
    <message>
        <source>Version </source>
        <translation>Version </translation>
    </message>
    <message>
        <source>von</source>
        <translation>by</translation>
    </message>
    <message>
        <source>Oder schreiben sie mir:</source>
        <translation>Or write to me:</translation>
    </message>
    <message>
        <source>Ich freue mich auf ihre Kommentare und Anregungen.</source>
        <translation>I look forward to your comments and ideas.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>frmNeu</name>
    <message>
        <source>Episode 1:</source>
        <translation>Episode 1:</translation>
    </message>
    <message>
        <source>Episode 2:</source>
        <translation>Episode 2:</translation>
    </message>
    <message>
        <source>Episode 3:</source>
        <translation>Episode 3:</translation>
    </message>
    <message>
        <source>Episode 4:</source>
        <translation>Episode 4:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>frmPunkte</name>
    <message>
        <source>Erreichte Punkte:</source>
        <translation>Points scored:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
