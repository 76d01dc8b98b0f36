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
    <message>
        <source>Spieltempo</source>
        <translation>Game speed</translation>
    </message>
    <message>
        <source>halten</source>
        <translation>hold</translation>
    </message>
    <message>
        <source>umschalten</source>
        <translation>toggle</translation>
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
    <name>Meldungen</name>
    <message>
        <source>Level %1 gibt es in dieser Episode nicht</source>
        <translation>There is no level %1 in this episode</translation>
    </message>
    <message>
        <source>Bild %1 gibt es nicht</source>
        <translation>There is no picture %1</translation>
    </message>
    <message>
        <source>Überlauf: %1 passt in keine 16-Bit-Zahl</source>
        <translation>Overflow: %1 does not fit in a 16-bit number</translation>
    </message>
    <message>
        <source>keine Berechtigung</source>
        <translation>permission denied</translation>
    </message>
    <message>
        <source>das Dateisystem ist schreibgeschützt</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>der Datenträger ist voll</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>das Speicherkontingent ist erschöpft</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>die Datei würde größer, als erlaubt ist</source>
        <translation>the file would grow larger than allowed</translation>
    </message>
    <message>
        <source>ein Teil des Pfads ist kein Verzeichnis</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>das ist ein Verzeichnis</source>
        <translation>that is a folder</translation>
    </message>
    <message>
        <source>die Datei oder das Verzeichnis fehlt</source>
        <translation>the file or folder is missing</translation>
    </message>
    <message>
        <source>das ist ein symbolischer Verweis, dem das Spiel nicht folgt</source>
        <translation>that is a symbolic link, which the game does not follow</translation>
    </message>
    <message>
        <source>ein Eintrag dieses Namens ist schon vorhanden</source>
        <translation>an entry of that name already exists</translation>
    </message>
    <message>
        <source>die Datei ist belegt</source>
        <translation>the file is busy</translation>
    </message>
    <message>
        <source>die Datei ist von einem anderen Programm gesperrt</source>
        <translation>the file is locked by another program</translation>
    </message>
    <message>
        <source>das Gerät ist nicht vorhanden</source>
        <translation>the device is not there</translation>
    </message>
    <message>
        <source>zu viele offene Dateien</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>zu wenig Speicher</source>
        <translation>not enough memory</translation>
    </message>
    <message>
        <source>der Name ist zu lang</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>input/output error</translation>
    </message>
    <message>
        <source>ungültiger Zugriff</source>
        <translation>invalid access</translation>
    </message>
    <message>
        <source>Systemfehler Nummer %1</source>
        <translation>system error number %1</translation>
    </message>
    <message>
        <source>ein Verzeichnis</source>
        <translation>a folder</translation>
    </message>
    <message>
        <source>eine benannte Pipe (FIFO)</source>
        <translation>a named pipe (FIFO)</translation>
    </message>
    <message>
        <source>ein Gerät</source>
        <translation>a device</translation>
    </message>
    <message>
        <source>ein Socket</source>
        <translation>a socket</translation>
    </message>
    <message>
        <source>ein symbolischer Verweis</source>
        <translation>a symbolic link</translation>
    </message>
    <message>
        <source>keine gewöhnliche Datei</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>das ist %1, keine gewöhnliche Datei</source>
        <translation>that is %1, not a regular file</translation>
    </message>
    <message>
        <source>die Datei ist größer als %1</source>
        <translation>the file is larger than %1</translation>
    </message>
    <message>
        <source>%1 hat kein Steuerelement %2</source>
        <translation>%1 has no control %2</translation>
    </message>
    <message>
        <source>Typen unverträglich: &quot;%1&quot; ist keine Zahl</source>
        <translation>Type mismatch: &quot;%1&quot; is not a number</translation>
    </message>
    <message>
        <source>Die Datei fehlt.</source>
        <translation>The file is missing.</translation>
    </message>
    <message>
        <source>%1.</source>
        <translation>%1.</translation>
    </message>
    <message>
        <source>Die Episode kann nicht geladen werden: %1: %2</source>
        <translation>The episode cannot be loaded: %1: %2</translation>
    </message>
    <message>
        <source>Die Episode kann nicht geladen werden: %1: Zeile %2: %3</source>
        <translation>The episode cannot be loaded: %1: line %2: %3</translation>
    </message>
    <message>
        <source>Der Wert %1 %2 liegt außerhalb von -32768 bis 32767.</source>
        <translation>The value %1 %2 lies outside -32768 to 32767.</translation>
    </message>
    <message>
        <source>Der Herz-Zeile fehlt das Komma zwischen X und Y.</source>
        <translation>The heart line lacks the comma between X and Y.</translation>
    </message>
    <message>
        <source>Der Schritt %1 = %2 liegt außerhalb von %3 bis %4.</source>
        <translation>The step %1 = %2 lies outside %3 to %4.</translation>
    </message>
    <message>
        <source>Eine Gravok-Zeile braucht fünf Felder: Bild, X, Y, DX, DY.</source>
        <translation>A gravok line needs five fields: picture, X, Y, DX, DY.</translation>
    </message>
    <message>
        <source>Die Bildnummer %1 muss zwischen 1 und 12 liegen.</source>
        <translation>The picture number %1 must lie between 1 and 12.</translation>
    </message>
    <message>
        <source>Die Datei endet vor der Leerzeile, die Level %1 abschließt.</source>
        <translation>The file ends before the empty line that closes level %1.</translation>
    </message>
    <message>
        <source>Level %1 hat mehr als zehn Gravoks.</source>
        <translation>Level %1 has more than ten gravoks.</translation>
    </message>
    <message>
        <source>Die erste Zeile muss die Zahl der Level enthalten.</source>
        <translation>The first line must hold the number of levels.</translation>
    </message>
    <message>
        <source>Die Zahl der Level muss mindestens 1 sein.</source>
        <translation>The number of levels must be at least 1.</translation>
    </message>
    <message>
        <source>%1 Die Zeilen der Datei enden nur mit LF; sie müssen mit CR LF enden.</source>
        <translation>%1 The file’s lines end in LF only; they must end in CR LF.</translation>
    </message>
    <message>
        <source>Die Hilfe kann nicht angezeigt werden: %1 lässt sich nicht starten.</source>
        <translation>The help cannot be shown: %1 cannot be started.</translation>
    </message>
    <message>
        <source>Der Kopf der Aufzeichnung ist beschädigt (Zeile %1): %2</source>
        <translation>The recording’s header is damaged (line %1): %2</translation>
    </message>
    <message>
        <source>Die Datei ist keine Gravok-Aufzeichnung.</source>
        <translation>The file is not a Gravok recording.</translation>
    </message>
    <message>
        <source>die Formatangabe ist unlesbar.</source>
        <translation>the format cannot be read.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung hat das Format %1; dieses Gravok kann nur Format %2 abspielen.</source>
        <translation>The recording has format %1; this Gravok can only play format %2.</translation>
    </message>
    <message>
        <source>die Angabe der Regelversion fehlt.</source>
        <translation>the rules version is missing.</translation>
    </message>
    <message>
        <source>die Regelversion ist unlesbar.</source>
        <translation>the rules version cannot be read.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung wurde nach den Regeln der Version %1 gespielt; dieses Gravok spielt nach Version %2 und kann sie nicht genau wiedergeben.</source>
        <translation>The recording was played by the rules of version %1; this Gravok plays by version %2 and cannot replay it exactly.</translation>
    </message>
    <message>
        <source>der Zufallszustand fehlt.</source>
        <translation>the random state is missing.</translation>
    </message>
    <message>
        <source>der Zufallszustand ist unlesbar.</source>
        <translation>the random state cannot be read.</translation>
    </message>
    <message>
        <source>die Episodennummer ist unlesbar.</source>
        <translation>the episode number cannot be read.</translation>
    </message>
    <message>
        <source>der Inhalt der Episode ist beschädigt.</source>
        <translation>the episode’s content is damaged.</translation>
    </message>
    <message>
        <source>unbekannte Kopfzeile.</source>
        <translation>unknown header line.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung ist beschädigt (Zeile %1): keine Eingabe: %2</source>
        <translation>The recording is damaged (line %1): not an input: %2</translation>
    </message>
    <message>
        <source>die Datei ist beschädigt.</source>
        <translation>the file is damaged.</translation>
    </message>
    <message>
        <source>zu wenig Speicher.</source>
        <translation>not enough memory.</translation>
    </message>
    <message>
        <source>sie ist zu groß.</source>
        <translation>it is too large.</translation>
    </message>
    <message>
        <source>Die Aufzeichnung %1 kann nicht gelesen werden: %2</source>
        <translation>The recording %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Aufzeichnung enthält keine weitere Episode.</source>
        <translation>The recording holds no further episode.</translation>
    </message>
    <message>
        <source>Die erste Zeile der Punkteliste %1 hat das alte Format, lässt sich aber nicht umwandeln: %2. Sie bleibt, wie sie ist.</source>
        <translation>The first line of the score list %1 has the old format but cannot be converted: %2. It stays as it is.</translation>
    </message>
    <message>
        <source>%1: %2. Der Punktestand wird eingetragen, sobald die Sperre frei ist.</source>
        <translation>%1: %2. The score will be entered as soon as the lock is free.</translation>
    </message>
    <message>
        <source>%1: %2.</source>
        <translation>%1: %2.</translation>
    </message>
    <message>
        <source>Der Punktestand konnte nicht gespeichert werden: %1: %2. Das Spiel geht weiter.</source>
        <translation>The score could not be saved: %1: %2. The game goes on.</translation>
    </message>
    <message>
        <source>Der Punktestand konnte nicht gespeichert werden: %1: %2.</source>
        <translation>The score could not be saved: %1: %2.</translation>
    </message>
    <message>
        <source>Der Punktestand konnte nicht gespeichert werden: es gibt kein Verzeichnis dafür. Das Spiel geht weiter.</source>
        <translation>The score could not be saved: there is no folder for it. The game goes on.</translation>
    </message>
    <message>
        <source>%1: %2. Der Punktestand steht stattdessen in %3.</source>
        <translation>%1: %2. The score is kept in %3 instead.</translation>
    </message>
    <message>
        <source>Die Punkteliste kann nicht gelesen werden: %1: %2.</source>
        <translation>The score list cannot be read: %1: %2.</translation>
    </message>
    <message>
        <source>1 Eintrag der Punkteliste ist beschädigt und wird nicht angezeigt. Er bleibt unverändert in der Datei.</source>
        <translation>1 entry of the score list is damaged and is not shown. It stays unchanged in the file.</translation>
    </message>
    <message>
        <source>%1 Einträge der Punkteliste sind beschädigt und werden nicht angezeigt. Sie bleiben unverändert in der Datei.</source>
        <translation>%1 entries of the score list are damaged and are not shown. They stay unchanged in the file.</translation>
    </message>
    <message>
        <source>die Punkteliste ist von einem anderen Spiel gesperrt</source>
        <translation>the score list is locked by another game</translation>
    </message>
    <message>
        <source>die Datei hat mehr als %1 Zeilen</source>
        <translation>the file has more than %1 lines</translation>
    </message>
    <message>
        <source>die Angabe des Spieltempos ist unlesbar.</source>
        <translation>the game speed cannot be read.</translation>
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
