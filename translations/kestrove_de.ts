<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About %1</source>
        <translation>Über %1</translation>
    </message>
    <message>
        <source>This program is free software: you can redistribute it and/or modify it under the terms of the GNU General Public License as published by the Free Software Foundation, either version 3 of the License, or (at your option) any later version.</source>
        <translation>Dieses Programm ist freie Software: Sie können es unter den Bedingungen der GNU General Public License, wie von der Free Software Foundation veröffentlicht, weitergeben und/oder ändern, entweder gemäß Version 3 der Lizenz oder (nach Ihrer Wahl) jeder neueren Version.</translation>
    </message>
    <message>
        <source>This program is distributed in the hope that it will be useful, but WITHOUT ANY WARRANTY; without even the implied warranty of MERCHANTABILITY or FITNESS FOR A PARTICULAR PURPOSE. See the GNU General Public License for more details.</source>
        <translation>Dieses Programm wird in der Hoffnung bereitgestellt, dass es nützlich ist, aber OHNE JEDE GEWÄHRLEISTUNG; sogar ohne die implizite Gewährleistung der MARKTREIFE oder der EIGNUNG FÜR EINEN BESTIMMTEN ZWECK. Einzelheiten finden Sie in der GNU General Public License.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;System Info...</source>
        <translation>&amp;Systeminformationen…</translation>
    </message>
    <message>
        <source>System Information Is Unavailable At This Time</source>
        <translation>Systeminformationen sind nicht verfügbar.</translation>
    </message>
    <message>
        <source>Free software: GPL-3.0-or-later</source>
        <translation>Freie Software: GPL-3.0-or-later</translation>
    </message>
</context>
<context>
    <name>AccessibleLevelMeter</name>
    <message>
        <source>Level</source>
        <translation>Pegel</translation>
    </message>
    <message>
        <source>left %1%, right %2%</source>
        <translation>links %1 %, rechts %2 %</translation>
    </message>
</context>
<context>
    <name>AssociationStore</name>
    <message>
        <source>The associations in %1 were not read: %2. The file is left as it is.</source>
        <translation>Die Zuordnungen in %1 konnten nicht gelesen werden: %2. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The associations could not be written to %1: %2.</source>
        <translation>Die Zuordnungen konnten nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>The associations in %1 could not be read: %2. The damaged file is kept as %3 and a new one was written.</source>
        <translation>Die Zuordnungen in %1 konnten nicht gelesen werden: %2. Die beschädigte Datei wurde als %3 aufbewahrt und eine neue gespeichert.</translation>
    </message>
    <message>
        <source>The damaged associations in %1 could not be kept as %2: %3. The file is left as it is.</source>
        <translation>Die beschädigten Zuordnungen in %1 konnten nicht als %2 aufbewahrt werden: %3. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>it holds no keys</source>
        <translation>sie enthält keine Schlüssel</translation>
    </message>
</context>
<context>
    <name>ControlGallery</name>
    <message>
        <source>Kestrove controls</source>
        <translation>Kestrove-Steuerelemente</translation>
    </message>
    <message>
        <source>Slider</source>
        <translation>Schieberegler</translation>
    </message>
    <message>
        <source>Splitter pane</source>
        <translation>Geteilter Bereich</translation>
    </message>
    <message>
        <source>Flat buttons</source>
        <translation>Flache Schaltflächen</translation>
    </message>
    <message>
        <source>Scrolling text and etched lines</source>
        <translation>Lauftext und eingeprägte Linien</translation>
    </message>
    <message>
        <source>Text progress bar</source>
        <translation>Fortschrittsbalken mit Text</translation>
    </message>
    <message>
        <source>Playback speed</source>
        <translation>Wiedergabegeschwindigkeit</translation>
    </message>
    <message>
        <source>Movie speed:100%</source>
        <translation>Tempo: 100 %</translation>
    </message>
    <message>
        <source>Movie speed:%1%</source>
        <translation>Tempo: %1 %</translation>
    </message>
    <message>
        <source>left pane</source>
        <translation>Linker Bereich</translation>
    </message>
    <message>
        <source>right pane</source>
        <translation>Rechter Bereich</translation>
    </message>
    <message>
        <source>left pane: %1 %</source>
        <translation>Linker Bereich: %1 %</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Kestrove|sounds, videos and pictures|one copy per user</source>
        <translation>Kestrove|Klänge, Videos und Bilder|Eine Kopie pro Benutzer</translation>
    </message>
    <message>
        <source>Copying</source>
        <translation>Kopieren</translation>
    </message>
</context>
<context>
    <name>CopyJobDialog</name>
    <message>
        <source>From : </source>
        <translation>Von: </translation>
    </message>
    <message>
        <source>To : </source>
        <translation>Nach: </translation>
    </message>
    <message>
        <source>Current file progress:</source>
        <translation>Aktuelle Datei:</translation>
    </message>
    <message>
        <source>All file(s) progress:</source>
        <translation>Alle Dateien:</translation>
    </message>
    <message>
        <source>Estimated time left :</source>
        <translation>Verbleibende Zeit: </translation>
    </message>
    <message>
        <source>Elapsed time : </source>
        <translation>Vergangene Zeit: </translation>
    </message>
    <message>
        <source>Average KB/S : </source>
        <translation>Mittleres Tempo: </translation>
    </message>
    <message>
        <source>Estimated time left :%1</source>
        <translation>Verbleibende Zeit: %1</translation>
    </message>
    <message>
        <source>Elapsed time : %1</source>
        <translation>Vergangene Zeit: %1</translation>
    </message>
    <message>
        <source>Average KB/S : %1</source>
        <translation>Mittleres Tempo: %1/s</translation>
    </message>
    <message>
        <source>Buffersize : </source>
        <translation>Puffergröße: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>CopyMoveJob</name>
    <message>
        <source>%1 - Copying...</source>
        <translation>%1 – Kopieren…</translation>
    </message>
    <message>
        <source>%1 - Moving...</source>
        <translation>%1 – Verschieben…</translation>
    </message>
    <message numerus="yes">
        <source>Copying file: %1 of %n file(s).</source>
        <translation>
            <numerusform>Datei %1 von %n wird kopiert.</numerusform>
            <numerusform>Datei %1 von %n wird kopiert.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Moving file: %1 of %n file(s).</source>
        <translation>
            <numerusform>Datei %1 von %n wird verschoben.</numerusform>
            <numerusform>Datei %1 von %n wird verschoben.</numerusform>
        </translation>
    </message>
    <message>
        <source>Copy to : </source>
        <translation>Kopieren nach: </translation>
    </message>
    <message>
        <source>Move to : </source>
        <translation>Verschieben nach: </translation>
    </message>
    <message>
        <source>Nothing can be written to &quot;%1&quot;: %2.</source>
        <translation>In „%1“ kann nichts geschrieben werden: %2.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) from the list does not exist at the time beeing. It could be because they exist on a removeable drive.</source>
        <translation>
            <numerusform>%n Datei der Liste ist zurzeit nicht vorhanden, vielleicht weil sie auf einem Wechseldatenträger liegt.</numerusform>
            <numerusform>%n Dateien der Liste sind zurzeit nicht vorhanden, vielleicht weil sie auf einem Wechseldatenträger liegen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>These file(s) will be skipped !</source>
        <translation>
            <numerusform>Diese Datei wird übersprungen.</numerusform>
            <numerusform>Diese Dateien werden übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) comes from the choosen path. These file(s) will be skipped.</source>
        <translation>
            <numerusform>%n Datei liegt bereits im gewählten Ordner und wird übersprungen.</numerusform>
            <numerusform>%n Dateien liegen bereits im gewählten Ordner und werden übersprungen.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy (%n) files to &quot;%1&quot; ?</source>
        <translation>
            <numerusform>%n Datei nach „%1“ kopieren?</numerusform>
            <numerusform>%n Dateien nach „%1“ kopieren?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move (%n) files to &quot;%1&quot; ?</source>
        <translation>
            <numerusform>%n Datei nach „%1“ verschieben?</numerusform>
            <numerusform>%n Dateien nach „%1“ verschieben?</numerusform>
        </translation>
    </message>
    <message>
        <source>Buffersize : %1</source>
        <translation>Puffergröße: %1</translation>
    </message>
    <message>
        <source>ERROR! Copying files caused an internal error !</source>
        <translation>Beim Kopieren der Dateien ist ein interner Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>ERROR! Moving files caused an internal error !</source>
        <translation>Beim Verschieben der Dateien ist ein interner Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>The files in &quot;%1&quot; may not all be on the disk: %2 code : %3</source>
        <translation>Die Dateien in „%1“ wurden womöglich nicht alle auf den Datenträger geschrieben: %2 (Fehlercode %3).</translation>
    </message>
    <message>
        <source>From : %1</source>
        <translation>Von: %1</translation>
    </message>
    <message>
        <source>To : %1</source>
        <translation>Nach: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be copied.</source>
        <translation>
            <numerusform>%n Datei konnte nicht kopiert werden.</numerusform>
            <numerusform>%n Dateien konnten nicht kopiert werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be moved.</source>
        <translation>
            <numerusform>%n Datei konnte nicht verschoben werden.</numerusform>
            <numerusform>%n Dateien konnten nicht verschoben werden.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them had gone from where the list says before their turn came.</source>
        <translation>
            <numerusform>%n davon war nicht mehr dort, wo die Liste sie nennt, als sie an der Reihe war.</numerusform>
            <numerusform>%n davon waren nicht mehr dort, wo die Liste sie nennt, als sie an der Reihe waren.</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; and &quot;%2&quot; are the same file. It is skipped.</source>
        <translation>„%1“ und „%2“ sind dieselbe Datei. Sie wurde übersprungen.</translation>
    </message>
    <message>
        <source>Cancel entire process ?</source>
        <translation>Den ganzen Vorgang abbrechen?</translation>
    </message>
    <message>
        <source>There is not enough free space on drive %1 !</source>
        <translation>Auf %1 ist nicht genug Speicherplatz frei.</translation>
    </message>
    <message>
        <source>File &quot;%1&quot; allready exist!</source>
        <translation>Die Datei „%1“ ist bereits vorhanden.</translation>
    </message>
    <message>
        <source>Do you want to overwrite it ?</source>
        <translation>Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Overwrite all these files ?</source>
        <translation>Alle diese Dateien überschreiben?</translation>
    </message>
    <message>
        <source>Unable to copy file &quot;%1&quot; continue anyway ?</source>
        <translation>Die Datei „%1“ kann nicht kopiert werden. Trotzdem fortfahren?</translation>
    </message>
    <message>
        <source>Ignore further disk errors ?</source>
        <translation>Weitere Datenträgerfehler ignorieren?</translation>
    </message>
    <message>
        <source>Skip all files like these ?</source>
        <translation>Alle Dateien dieser Art überspringen?</translation>
    </message>
</context>
<context>
    <name>DeleteJob</name>
    <message>
        <source>Send files to Recycle Bin ?</source>
        <translation>Die Dateien in den Papierkorb verschieben oder endgültig löschen?</translation>
    </message>
    <message>
        <source>Cancel entire process ?</source>
        <translation>Den ganzen Vorgang abbrechen?</translation>
    </message>
    <message>
        <source>Removing file: %1 of %2.</source>
        <translation>Datei %1 von %2 wird entfernt.</translation>
    </message>
    <message>
        <source>File : %1</source>
        <translation>Datei: %1</translation>
    </message>
    <message>
        <source>Unable to delete file &quot;%1&quot;. Ignore rest ?</source>
        <translation>Die Datei „%1“ kann nicht gelöscht werden. Weitere Fehler ignorieren?</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Delete Permanently</source>
        <translation>Endgültig löschen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DeleteJobDialog</name>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>File : </source>
        <translation>Datei: </translation>
    </message>
    <message>
        <source>Current file progress:</source>
        <translation>Aktuelle Datei:</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>DropZone</name>
    <message>
        <source>Drag&apos;n&apos;Drop</source>
        <translation>Ziehen und Ablegen</translation>
    </message>
    <message>
        <source>HERE</source>
        <translation>Hier</translation>
    </message>
</context>
<context>
    <name>EditListCommands</name>
    <message numerus="yes">
        <source>FileList (%n) files selected (%1)</source>
        <translation>
            <numerusform>Ausgewählt: %n Datei (%1)</numerusform>
            <numerusform>Ausgewählt: %n Dateien (%1)</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear all ?</source>
        <translation>Alle Dateien aus der EditList entfernen?</translation>
    </message>
    <message>
        <source>Clear selected from EditList ?</source>
        <translation>Die ausgewählten Dateien aus der EditList entfernen?</translation>
    </message>
    <message>
        <source>All file(s) exists !</source>
        <translation>Alle Dateien sind vorhanden.</translation>
    </message>
    <message numerus="yes">
        <source>Clear %n file(s) ?</source>
        <translation>
            <numerusform>%n fehlende Datei aus der Liste entfernen?</numerusform>
            <numerusform>%n fehlende Dateien aus der Liste entfernen?</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EditListSession</name>
    <message>
        <source>The file &quot;%1&quot; could not be found!</source>
        <translation>Die Datei „%1“ wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>If the file is located on a CD-ROM, please insert it in the correct cd-rom drive, and try again.</source>
        <translation>Wenn die Datei auf einem Wechseldatenträger liegt, schließen Sie ihn an und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>EditListWindow</name>
    <message>
        <source>Files on the EditList</source>
        <translation>Dateien auf der EditList</translation>
    </message>
    <message>
        <source>EditList</source>
        <translation>EditList</translation>
    </message>
    <message>
        <source>Checking for dublicates:</source>
        <translation>Suche nach Duplikaten:</translation>
    </message>
    <message>
        <source>Searching in : </source>
        <translation>Suche in: </translation>
    </message>
    <message>
        <source>Searching in : %1</source>
        <translation>Suche in: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found. Last file found was of type : %1.</source>
        <translation>
            <numerusform>%n Datei gefunden. Sie hat den Typ %1.</numerusform>
            <numerusform>%n Dateien gefunden. Die zuletzt gefundene hat den Typ %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Operations:</source>
        <translation>Aktionen</translation>
    </message>
    <message>
        <source>Copy...</source>
        <translation>Kopieren…</translation>
    </message>
    <message>
        <source>Move...</source>
        <translation>Verschieben…</translation>
    </message>
    <message>
        <source>Select the files to copy first.</source>
        <translation>Wählen Sie zuerst die zu kopierenden Dateien aus.</translation>
    </message>
    <message>
        <source>Select the files to move first.</source>
        <translation>Wählen Sie zuerst die zu verschiebenden Dateien aus.</translation>
    </message>
    <message>
        <source>Delete...</source>
        <translation>Löschen…</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Clear selected</source>
        <translation>Auswahl entfernen</translation>
    </message>
    <message>
        <source>Clear missing file(s)</source>
        <translation>Fehlende entfernen</translation>
    </message>
    <message>
        <source>Clear processed</source>
        <translation>Erledigte entfernen</translation>
    </message>
    <message>
        <source>Remove dublicates</source>
        <translation>Duplikate entfernen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Process info:</source>
        <translation>Dateistatus</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Processed</source>
        <translation>Erledigt</translation>
    </message>
    <message>
        <source>Skipped</source>
        <translation>Übersprungen</translation>
    </message>
    <message>
        <source>Skipped with error</source>
        <translation>Mit Fehler übersprungen</translation>
    </message>
    <message>
        <source>Buffersize:</source>
        <translation>Puffergröße</translation>
    </message>
    <message>
        <source>8 KB</source>
        <translation>8 KB</translation>
    </message>
    <message>
        <source>32 KB *</source>
        <translation>32 KB *</translation>
    </message>
    <message>
        <source>64 KB</source>
        <translation>64 KB</translation>
    </message>
    <message>
        <source>Most small files. Use this option for icon-like files. (8K buffer)</source>
        <translation>Überwiegend kleine Dateien, etwa Symbole (8-KB-Puffer).</translation>
    </message>
    <message>
        <source>Most medium files. Use this option for common type files like Mp3, jpg, wave etc.  (16K buffer)</source>
        <translation>Überwiegend mittelgroße Dateien, etwa MP3-, JPEG- und WAVE-Dateien (16-KB-Puffer).</translation>
    </message>
    <message>
        <source>Most big files. Use this option for big files lile moveis, waves and very large images.  (32K buffer)</source>
        <translation>Überwiegend große Dateien, etwa Filme, lange WAVE-Dateien und sehr große Bilder (32-KB-Puffer).</translation>
    </message>
    <message>
        <source>Drag&apos;n&apos;Drop</source>
        <translation>Ziehen und Ablegen</translation>
    </message>
    <message>
        <source>Current pattern :</source>
        <translation>Aktuelles Muster:</translation>
    </message>
    <message>
        <source>Edit pattern</source>
        <translation>Muster bearbeiten</translation>
    </message>
    <message>
        <source>This dataformat is not supported!</source>
        <translation>Dieses Datenformat wird nicht unterstützt.</translation>
    </message>
    <message>
        <source>You can only drop files and folders !</source>
        <translation>Hier können nur Dateien und Ordner abgelegt werden.</translation>
    </message>
    <message>
        <source>Searching for files...</source>
        <translation>Dateien werden gesucht…</translation>
    </message>
    <message>
        <source>Searching in :</source>
        <translation>Suche in:</translation>
    </message>
    <message>
        <source>0 file(s) found.</source>
        <translation>Keine Dateien gefunden.</translation>
    </message>
    <message>
        <source>0 bytes.</source>
        <translation>0 Bytes</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Clear processed files from list ?</source>
        <translation>Die erledigten Dateien aus der Liste entfernen?</translation>
    </message>
    <message numerus="yes">
        <source>Checking for dublicates: %n file(s) removed.</source>
        <translation>
            <numerusform>Suche nach Duplikaten: %n Datei entfernt.</numerusform>
            <numerusform>Suche nach Duplikaten: %n Dateien entfernt.</numerusform>
        </translation>
    </message>
    <message>
        <source>DONE !</source>
        <translation>Fertig.</translation>
    </message>
    <message>
        <source>This file does not exist. If it&apos;s located on a networkdrive or a CD-ROM, please check the media and try again.</source>
        <translation>Diese Datei ist nicht vorhanden. Wenn sie auf einem Netzlaufwerk oder einem Wechseldatenträger liegt, prüfen Sie, ob er verfügbar ist, und versuchen Sie es erneut.</translation>
    </message>
</context>
<context>
    <name>ExternalPlayerWindow</name>
    <message>
        <source>Media Player</source>
        <translation>Medienwiedergabe</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>This option is not available when the EditList is open!</source>
        <translation>Das ist nicht möglich, solange die EditList geöffnet ist.</translation>
    </message>
    <message>
        <source>Add files to playlist</source>
        <translation>Dateien zur Wiedergabeliste hinzufügen</translation>
    </message>
    <message>
        <source>Add files to editlist</source>
        <translation>Dateien zur EditList hinzufügen</translation>
    </message>
    <message>
        <source>Remove files to editlist</source>
        <translation>Dateien aus der EditList entfernen</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was not added: its name holds a carriage return, which a list file cannot keep.</source>
        <translation>„%1“ wurde nicht hinzugefügt: Der Name enthält einen Zeilenumbruch, den eine Listendatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>%1 files were not added: their names hold a carriage return, which a list file cannot keep.</source>
        <translation>%1 Dateien wurden nicht hinzugefügt: Ihre Namen enthalten einen Zeilenumbruch, den eine Listendatei nicht speichern kann.</translation>
    </message>
    <message>
        <source>Total files found so far : 0</source>
        <translation>Bisher gefundene Dateien: 0</translation>
    </message>
</context>
<context>
    <name>FileContextMenu</name>
    <message>
        <source>Add to playlist &gt;&gt;</source>
        <translation>Zur Wiedergabeliste hinzufügen</translation>
    </message>
    <message>
        <source>Add all to playlist &gt;&gt;&gt;&gt;</source>
        <translation>Alle zur Wiedergabeliste hinzufügen</translation>
    </message>
    <message>
        <source>Add to EditList ( + &amp;&amp; .. )</source>
        <translation>Zur EditList hinzufügen (+ &amp;&amp; ..)</translation>
    </message>
    <message>
        <source>Add all to EditList ( + &amp;&amp; Enter )</source>
        <translation>Alle zur EditList hinzufügen (+ &amp;&amp; Eingabe)</translation>
    </message>
    <message>
        <source>Remove from EditList ( - &amp;&amp; .. )</source>
        <translation>Aus der EditList entfernen (− &amp;&amp; ..)</translation>
    </message>
    <message>
        <source>Remove all from EditList ( - &amp;&amp; Enter )</source>
        <translation>Alle aus der EditList entfernen (− &amp;&amp; Eingabe)</translation>
    </message>
    <message>
        <source>Open EditList</source>
        <translation>EditList öffnen</translation>
    </message>
    <message>
        <source>Open in default player / viewer</source>
        <translation>Mit Standardanwendung öffnen</translation>
    </message>
    <message>
        <source>Open in seperate window</source>
        <translation>In eigenem Fenster öffnen</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
</context>
<context>
    <name>FileCopyEngine</name>
    <message>
        <source>Input past end of file</source>
        <translation>Lesen über das Dateiende hinaus</translation>
    </message>
    <message>
        <source>The file changed while it was being moved and stays where it was</source>
        <translation>Die Datei wurde während des Verschiebens geändert und bleibt, wo sie war</translation>
    </message>
    <message>
        <source>%1 code : %2</source>
        <translation>%1 (Fehlercode %2)</translation>
    </message>
</context>
<context>
    <name>FileDeleter</name>
    <message>
        <source>You can&apos;t delete entier drives !</source>
        <translation>Ganze Laufwerke können nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Unable to delete &quot;%1&quot;.</source>
        <translation>„%1“ kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>You can&apos;t delete special folders !</source>
        <translation>Spezielle Ordner können nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Unable to delete folder &quot;%1&quot;.</source>
        <translation>Der Ordner „%1“ kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>Delete folder &quot;%1&quot; ?</source>
        <translation>Den Ordner „%1“ löschen?</translation>
    </message>
    <message>
        <source>Delete file &quot;%1&quot; ?</source>
        <translation>Die Datei „%1“ löschen?</translation>
    </message>
    <message>
        <source>Send folder to Recycle Bin ?</source>
        <translation>Ordner in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Send file to Recycle Bin ?</source>
        <translation>Datei in den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Move to Trash</source>
        <translation>In den Papierkorb verschieben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FileDescriptor</name>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>FileInformation</name>
    <message>
        <source>True</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>False</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Size : %1</source>
        <translation>Größe: %1</translation>
    </message>
    <message>
        <source>File does not exist:</source>
        <translation>Die Datei ist nicht vorhanden:</translation>
    </message>
    <message>
        <source>File is locked - cannot access:</source>
        <translation>Auf die Datei kann nicht zugegriffen werden:</translation>
    </message>
    <message>
        <source>Unable to read AVI file info from:</source>
        <translation>Die AVI-Informationen können nicht gelesen werden aus:</translation>
    </message>
    <message>
        <source>Type : %1</source>
        <translation>Typ: %1</translation>
    </message>
    <message>
        <source>Compressed : %1</source>
        <translation>Komprimiert: %1</translation>
    </message>
    <message>
        <source>Interleaved : %1</source>
        <translation>Verschachtelt: %1</translation>
    </message>
    <message>
        <source>Can Read :  %1</source>
        <translation>Lesbar: %1</translation>
    </message>
    <message>
        <source>Can Write : %1</source>
        <translation>Schreibbar: %1</translation>
    </message>
    <message>
        <source>Has index : %1</source>
        <translation>Mit Index: %1</translation>
    </message>
    <message>
        <source>All keyframes : %1</source>
        <translation>Nur Schlüsselbilder: %1</translation>
    </message>
    <message>
        <source>Captured file : %1</source>
        <translation>Aufgenommene Datei: %1</translation>
    </message>
    <message>
        <source>Must use index : %1</source>
        <translation>Index erforderlich: %1</translation>
    </message>
    <message>
        <source>Channels : %1</source>
        <translation>Kanäle: %1</translation>
    </message>
    <message>
        <source>Framerate : %1 FPS</source>
        <translation>Bildrate: %1 fps</translation>
    </message>
    <message>
        <source>Size : %1 x %2</source>
        <translation>Abmessungen: %1 × %2</translation>
    </message>
    <message>
        <source>No of streams : %1</source>
        <translation>Datenströme: %1</translation>
    </message>
    <message>
        <source>Length  : %1</source>
        <translation>Länge: %1</translation>
    </message>
    <message>
        <source>Not a valid waveform-audio file!</source>
        <translation>Dies ist keine gültige WAVE-Audiodatei.</translation>
    </message>
    <message>
        <source>Can&apos;t find Format chunk!</source>
        <translation>Der Formatblock fehlt.</translation>
    </message>
    <message>
        <source>Can&apos;t read Format chunk!</source>
        <translation>Der Formatblock kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Bit PS : %1</source>
        <translation>Bits pro Sample: %1</translation>
    </message>
    <message>
        <source>Bits /s : %1</source>
        <translation>Bits pro Sekunde: %1</translation>
    </message>
    <message>
        <source>Samples /s : %1</source>
        <translation>Samples pro Sekunde: %1</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
</context>
<context>
    <name>FileTypeChooser</name>
    <message>
        <source>Add files to EditList</source>
        <translation>Dateien zur EditList hinzufügen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
</context>
<context>
    <name>FolderNavigator</name>
    <message>
        <source>There is no file or folder of that name.</source>
        <translation>Eine Datei oder einen Ordner dieses Namens gibt es nicht.</translation>
    </message>
    <message>
        <source>The folder &quot;%1&quot; is no longer there.</source>
        <translation>Den Ordner „%1“ gibt es nicht mehr.</translation>
    </message>
</context>
<context>
    <name>FolderWalker</name>
    <message>
        <source>Path is invalid</source>
        <translation>Der Pfad ist ungültig</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Kestrove is allready running !</source>
        <translation>Kestrove läuft bereits.</translation>
    </message>
    <message>
        <source>Go to our website ?</source>
        <translation>Die Kestrove-Website besuchen?</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
</context>
<context>
    <name>M3uFile</name>
    <message>
        <source>it is %1 text, and playlists are read as UTF-8</source>
        <translation>sie ist %1-Text, Wiedergabelisten werden aber als UTF-8 gelesen</translation>
    </message>
    <message>
        <source>it is not a text file: it holds NUL bytes</source>
        <translation>sie ist keine Textdatei (sie enthält NUL-Bytes)</translation>
    </message>
</context>
<context>
    <name>MediaFacts</name>
    <message>
        <source>Title : %1</source>
        <translation>Titel: %1</translation>
    </message>
    <message>
        <source>Artist : %1</source>
        <translation>Interpret: %1</translation>
    </message>
    <message>
        <source>Album : %1</source>
        <translation>Album: %1</translation>
    </message>
    <message>
        <source>Year : %1</source>
        <translation>Jahr: %1</translation>
    </message>
    <message>
        <source>Track : %1</source>
        <translation>Titelnummer: %1</translation>
    </message>
    <message>
        <source>Duration : %1</source>
        <translation>Dauer: %1</translation>
    </message>
    <message>
        <source>Video codec : %1</source>
        <translation>Videocodec: %1</translation>
    </message>
    <message>
        <source>Audio codec : %1</source>
        <translation>Audiocodec: %1</translation>
    </message>
    <message>
        <source>Codec : %1</source>
        <translation>Codec: %1</translation>
    </message>
    <message>
        <source>Bit rate : %1 kbit/s</source>
        <translation>Bitrate: %1 kbit/s</translation>
    </message>
    <message>
        <source>Sample rate : %1 Hz</source>
        <translation>Abtastrate: %1 Hz</translation>
    </message>
    <message>
        <source>Channels : %1</source>
        <translation>Kanäle: %1</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Picture size : %1 x %2</source>
        <translation>Bildgröße: %1 × %2</translation>
    </message>
    <message>
        <source>Frame rate : %1 fps</source>
        <translation>Bildrate: %1 fps</translation>
    </message>
</context>
<context>
    <name>MediaTypeEditor</name>
    <message>
        <source>Drag&apos;n&apos; Drop Extentions</source>
        <translation>Dateitypen für Ziehen und Ablegen</translation>
    </message>
    <message>
        <source>Supported extentions:</source>
        <translation>Unterstützte Dateitypen:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Clear all</source>
        <translation>Alle abwählen</translation>
    </message>
</context>
<context>
    <name>MpvPlayer</name>
    <message>
        <source>The player for sound and video (libmpv) cannot be loaded: %1</source>
        <translation>Der Player für Ton und Video (libmpv) kann nicht geladen werden: %1</translation>
    </message>
    <message>
        <source>The player for sound and video (libmpv) cannot be started.</source>
        <translation>Der Player für Ton und Video (libmpv) kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The MIDI synthesiser (FluidSynth) cannot be loaded: %1</source>
        <translation>Der MIDI-Synthesizer (FluidSynth) kann nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>PaneLayout</name>
    <message>
        <source>FOLDERS</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>FILES</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>PLAYLIST</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message>
        <source>PLAYER</source>
        <translation>Wiedergabe</translation>
    </message>
    <message>
        <source>Auto arrange to 25 %</source>
        <translation>Gleichmäßig anordnen (25 %)</translation>
    </message>
    <message>
        <source>Folders and lists</source>
        <translation>Ordner und Listen</translation>
    </message>
    <message>
        <source>Lists and player</source>
        <translation>Listen und Wiedergabe</translation>
    </message>
    <message>
        <source>Files and playlist</source>
        <translation>Dateien und Wiedergabeliste</translation>
    </message>
</context>
<context>
    <name>PathBar</name>
    <message>
        <source>Path:</source>
        <translation>Pfad:</translation>
    </message>
    <message>
        <source>Auto arrange</source>
        <translation>Anordnen</translation>
    </message>
</context>
<context>
    <name>PictureDescriber</name>
    <message>
        <source>Dimensions : %1 x %2</source>
        <translation>Abmessungen: %1 × %2</translation>
    </message>
    <message>
        <source>Camera : %1</source>
        <translation>Kamera: %1</translation>
    </message>
    <message>
        <source>Date taken : %1</source>
        <translation>Aufnahmedatum: %1</translation>
    </message>
    <message>
        <source>Exposure time : %1 s</source>
        <translation>Belichtungszeit: %1 s</translation>
    </message>
    <message>
        <source>Aperture : f/%1</source>
        <translation>Blende: f/%1</translation>
    </message>
    <message>
        <source>ISO : %1</source>
        <translation>ISO: %1</translation>
    </message>
    <message>
        <source>Focal length : %1 mm</source>
        <translation>Brennweite: %1 mm</translation>
    </message>
    <message>
        <source>GPS position : Recorded</source>
        <translation>GPS-Position: gespeichert</translation>
    </message>
    <message>
        <source>Software : %1</source>
        <translation>Software: %1</translation>
    </message>
</context>
<context>
    <name>PicturePanel</name>
    <message>
        <source>Click for fullscreen, right-click or press ESC to return again.</source>
        <translation>Klicken für Vollbild; Rechtsklick oder Esc führt zurück.</translation>
    </message>
</context>
<context>
    <name>PictureViewer</name>
    <message>
        <source>This mark indicates that this picture is added to the EditList. Use Space/Shift-Space to add/remove it.</source>
        <translation>Diese Markierung zeigt, dass das Bild auf der EditList steht. Leertaste fügt es hinzu, Umschalt+Leertaste entfernt es.</translation>
    </message>
    <message>
        <source>Zoom : %1 %</source>
        <translation>Zoom: %1 %</translation>
    </message>
    <message>
        <source>%1 / %2</source>
        <translation>%1 / %2</translation>
    </message>
    <message>
        <source>%1 x %2</source>
        <translation>%1 × %2</translation>
    </message>
</context>
<context>
    <name>PlaybackCommands</name>
    <message>
        <source>Playing a video</source>
        <translation>Ein Video wird abgespielt</translation>
    </message>
    <message>
        <source>MCI COMMAND:</source>
        <translation>Wiedergabebefehl:</translation>
    </message>
    <message>
        <source>SEND MCI COMMAND TO DRIVER</source>
        <translation>Wiedergabebefehl senden</translation>
    </message>
</context>
<context>
    <name>PlaybackOptionsPanel</name>
    <message>
        <source>Autoplay on click</source>
        <translation>Beim Anklicken abspielen</translation>
    </message>
    <message>
        <source>Autoplay at start</source>
        <translation>Beim Start abspielen</translation>
    </message>
    <message>
        <source>Auto play next</source>
        <translation>Nächste automatisch abspielen</translation>
    </message>
    <message>
        <source>Remember position</source>
        <translation>Position merken</translation>
    </message>
    <message>
        <source>Restore speed at start</source>
        <translation>Tempo beim Start wiederherstellen</translation>
    </message>
    <message>
        <source>Maintain speed</source>
        <translation>Tempo beibehalten</translation>
    </message>
    <message>
        <source>StartOffset</source>
        <translation>Beginn bei</translation>
    </message>
    <message>
        <source>AutoPlay delay</source>
        <translation>Bilddauer</translation>
    </message>
    <message>
        <source>Movie speed:%1%</source>
        <translation>Tempo: %1 %</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Tempo</translation>
    </message>
    <message>
        <source>%1 Sec.</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Movie/Mp3  speed:100%</source>
        <translation>Tempo: 100 %</translation>
    </message>
</context>
<context>
    <name>PlayerPanel</name>
    <message>
        <source>No info</source>
        <translation>Keine Informationen</translation>
    </message>
    <message>
        <source>File information</source>
        <translation>Dateiinformationen</translation>
    </message>
</context>
<context>
    <name>PlaylistCommands</name>
    <message>
        <source>Open playlist</source>
        <translation>Wiedergabeliste öffnen</translation>
    </message>
    <message>
        <source>ERROR! File don&apos;t exist !</source>
        <translation>Die Datei ist nicht vorhanden.</translation>
    </message>
    <message>
        <source>The playlist %1 cannot be read: %2.</source>
        <translation>Die Wiedergabeliste %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Noting to save !</source>
        <translation>Es gibt nichts zu speichern.</translation>
    </message>
    <message>
        <source>Save playlist</source>
        <translation>Wiedergabeliste speichern</translation>
    </message>
    <message>
        <source>File already exists, overwrite ?</source>
        <translation>Die Datei ist bereits vorhanden. Möchten Sie sie überschreiben?</translation>
    </message>
    <message>
        <source>Overwrite?</source>
        <translation>Datei überschreiben</translation>
    </message>
    <message>
        <source>The playlist cannot be saved as %1: %2.</source>
        <translation>Die Wiedergabeliste kann nicht als %1 gespeichert werden: %2.</translation>
    </message>
</context>
<context>
    <name>PlaylistPanel</name>
    <message>
        <source>USE PLAYLIST</source>
        <translation>Wiedergabeliste verwenden</translation>
    </message>
    <message>
        <source>the file does not exist</source>
        <translation>die Datei ist nicht vorhanden</translation>
    </message>
    <message>
        <source>Playlist</source>
        <translation>Wiedergabeliste</translation>
    </message>
</context>
<context>
    <name>PlaylistWindow</name>
    <message>
        <source>PlayList</source>
        <translation>Wiedergabeliste</translation>
    </message>
    <message>
        <source>Move up</source>
        <translation>Nach oben</translation>
    </message>
    <message>
        <source>Move down</source>
        <translation>Nach unten</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>Sortieren</translation>
    </message>
    <message>
        <source>Randomize</source>
        <translation>Mischen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>PreferencesDialog</name>
    <message>
        <source>Kestrove Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Note! When you delete, files and folders is always send to Recycle Bin !</source>
        <translation>Löschen verschiebt Dateien in den Papierkorb; vorher wird nachgefragt</translation>
    </message>
    <message>
        <source>Updating registry, please wait...</source>
        <translation>Die Dateizuordnungen werden aktualisiert, bitte warten…</translation>
    </message>
    <message>
        <source>Resize filepanel while dragging</source>
        <translation>Dateibereich beim Ziehen anpassen</translation>
    </message>
    <message>
        <source>Resize videopanel while dragging</source>
        <translation>Videobereich beim Ziehen anpassen</translation>
    </message>
    <message>
        <source>Minimize mainwindow when EditList is opened.</source>
        <translation>Hauptfenster minimieren, wenn die EditList geöffnet wird</translation>
    </message>
    <message>
        <source>Delete moves file to Resycle Bin</source>
        <translation>Löschen verschiebt Dateien in den Papierkorb</translation>
    </message>
    <message>
        <source>Confirmation when deleting files from filelist.</source>
        <translation>Vor dem Löschen aus der Dateiliste nachfragen</translation>
    </message>
    <message>
        <source>Show ALL filetypes in filelist</source>
        <translation>Alle Dateitypen in der Dateiliste anzeigen</translation>
    </message>
    <message>
        <source>Also show modern media types (PNG, JPEG, WebP, SVG, TIFF, FLAC, Ogg, Opus, M4A, MP4, MKV, WebM)</source>
        <translation>Auch neuere Medientypen anzeigen (PNG, JPEG, WebP, SVG, TIFF, FLAC, Ogg, Opus, M4A, MP4, MKV, WebM)</translation>
    </message>
    <message>
        <source>Association :</source>
        <translation>Zuordnung:</translation>
    </message>
    <message>
        <source>Filetypes successfull associate with context:</source>
        <translation>Erfolgreich mit dem Kontextmenü verknüpfte Dateitypen:</translation>
    </message>
    <message>
        <source>Please note! Kestrove might not be able to play/show all types listed here. Kestrove can only play filetypoes with def. MCI driver installed.</source>
        <translation>Bitte beachten Sie: Kestrove kann womöglich nicht alle hier aufgeführten Typen abspielen oder anzeigen; es spielt nur Dateitypen ab, die seine Medienbibliotheken lesen können.</translation>
    </message>
    <message>
        <source>Make association</source>
        <translation>Zuordnung erstellen</translation>
    </message>
    <message>
        <source>Remove association</source>
        <translation>Zuordnung entfernen</translation>
    </message>
    <message>
        <source>Done.. You may now RightClick on any supported filetype ( see Readme.txt ) or folder, and choose Browse with Kestrove, to open it with Kestrove.</source>
        <translation>Fertig. Sie können jetzt im Dateimanager mit der rechten Maustaste auf eine unterstützte Datei (siehe README) oder einen Ordner klicken und „Browse with Kestrove“ wählen, um sie in Kestrove zu öffnen.</translation>
    </message>
    <message>
        <source>The association was not made: the desktop entry that lets file managers offer Browse with Kestrove could not be written.</source>
        <translation>Die Zuordnung wurde nicht angelegt: Der Desktop-Eintrag, mit dem Dateimanager „Browse with Kestrove“ anbieten, konnte nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Done ! :o(</source>
        <translation>Fertig. Die Zuordnung wurde entfernt.</translation>
    </message>
    <message>
        <source>Supported filetypes ?</source>
        <translation>Unterstützte Dateitypen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>if the correct MCI or Video-Driver is installed !</source>
        <translation>(abspielbar, sofern die nötigen Medienbibliotheken installiert sind)</translation>
    </message>
    <message>
        <source>Fit large pictures to the screen</source>
        <translation>Große Bilder an den Bildschirm anpassen</translation>
    </message>
    <message>
        <source>Show thumbnails</source>
        <translation>Miniaturbilder zeigen</translation>
    </message>
    <message>
        <source>%1 pixels</source>
        <translation>%1 Pixel</translation>
    </message>
    <message>
        <source>Thumbnail size:</source>
        <translation>Größe der Miniaturbilder:</translation>
    </message>
</context>
<context>
    <name>PropertiesDialog</name>
    <message>
        <source>Properties of %1</source>
        <translation>Eigenschaften von %1</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>Name:</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>Typ:</translation>
    </message>
    <message>
        <source>Contains:</source>
        <translation>Inhalt:</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s)</source>
        <translation>
            <numerusform>%n Element</numerusform>
            <numerusform>%n Elemente</numerusform>
        </translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>Größe:</translation>
    </message>
    <message>
        <source>%1 (%2 bytes)</source>
        <translation>%1 (%2 Bytes)</translation>
    </message>
    <message>
        <source>Modified:</source>
        <translation>Geändert:</translation>
    </message>
    <message>
        <source>Accessed:</source>
        <translation>Letzter Zugriff:</translation>
    </message>
    <message>
        <source>Permissions:</source>
        <translation>Berechtigungen:</translation>
    </message>
    <message>
        <source>Location:</source>
        <translation>Ort:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>The EditList in %1 was not read: %2. The file is left as it is.</source>
        <translation>Die EditList in %1 konnte nicht gelesen werden: %2. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The playlist in %1 was not read: %2. The file is left as it is.</source>
        <translation>Die Wiedergabeliste in %1 konnte nicht gelesen werden: %2. Die Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The EditList could not be saved in %1: %2. The file there was kept as it was.</source>
        <translation>Die EditList konnte nicht in %1 gespeichert werden: %2. Die vorhandene Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The playlist could not be saved in %1: %2. The file there was kept as it was.</source>
        <translation>Die Wiedergabeliste konnte nicht in %1 gespeichert werden: %2. Die vorhandene Datei blieb unverändert.</translation>
    </message>
    <message>
        <source>The name is too long for the trash.</source>
        <translation>Der Name ist zu lang für den Papierkorb.</translation>
    </message>
    <message>
        <source>The trash cannot be reached.</source>
        <translation>Der Papierkorb ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>The trash could not record where the item came from, and the item could not be put back from %1.</source>
        <translation>Der Papierkorb konnte nicht festhalten, woher das Objekt kam, und das Objekt konnte nicht aus %1 zurückgelegt werden.</translation>
    </message>
    <message>
        <source>The name is too long for another item of that name in the trash, so the item was put back.</source>
        <translation>Der Name ist zu lang für ein weiteres Objekt dieses Namens im Papierkorb, daher wurde das Objekt zurückgelegt.</translation>
    </message>
    <message>
        <source>The trash could not record where the item came from, so the item was put back.</source>
        <translation>Der Papierkorb konnte nicht festhalten, woher das Objekt kam, daher wurde das Objekt zurückgelegt.</translation>
    </message>
</context>
<context>
    <name>RegularFile</name>
    <message>
        <source>it is larger than %1 MB</source>
        <translation>sie ist größer als %1 MB</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine reguläre Datei</translation>
    </message>
</context>
<context>
    <name>ScrollingText</name>
    <message>
        <source>Kestrove|browses, previews and plays your media|thank you for using it</source>
        <translation>Kestrove|Durchsucht, zeigt und spielt Ihre Medien|Danke, dass Sie es verwenden</translation>
    </message>
</context>
<context>
    <name>SearchProgressDialog</name>
    <message>
        <source>Searching....</source>
        <translation>Suche…</translation>
    </message>
    <message>
        <source>Adding file:</source>
        <translation>Hinzufügen: </translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Adding file:%1</source>
        <translation>Hinzufügen: %1</translation>
    </message>
    <message>
        <source>Files found so far : %1</source>
        <translation>Bisher gefundene Dateien: %1</translation>
    </message>
</context>
<context>
    <name>SeparateVideoWindow</name>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <source>Normal size (100%)</source>
        <translation>Normale Größe (100 %)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>Slider</name>
    <message>
        <source>Set to 0%</source>
        <translation>Auf 0 % setzen</translation>
    </message>
    <message>
        <source>Set to 50%</source>
        <translation>Auf 50 % setzen</translation>
    </message>
    <message>
        <source>Set to 100%</source>
        <translation>Auf 100 % setzen</translation>
    </message>
</context>
<context>
    <name>SplitterPane</name>
    <message>
        <source>Splitter width cannot be set smaller than 1 pixel !</source>
        <translation>Der Trenner kann nicht schmaler als 1 Pixel sein.</translation>
    </message>
    <message>
        <source>Splitter width cannot be set bigger than 100 Pixel !</source>
        <translation>Der Trenner kann nicht breiter als 100 Pixel sein.</translation>
    </message>
    <message>
        <source>Minsize cannot be set below 1% !</source>
        <translation>Die Mindestgröße kann nicht unter 1 % liegen.</translation>
    </message>
    <message>
        <source>Minsize cannot be set above 50%</source>
        <translation>Die Mindestgröße kann nicht über 50 % liegen.</translation>
    </message>
</context>
<context>
    <name>TitleStrip</name>
    <message>
        <source>Click to give this panel the most room; right-click to arrange the panels</source>
        <translation>Klicken, um diesem Bereich den meisten Platz zu geben; Rechtsklick, um die Bereiche anzuordnen</translation>
    </message>
</context>
<context>
    <name>TransportBar</name>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Mute</source>
        <translation>Stumm schalten</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>Position</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Sound on</source>
        <translation>Ton an</translation>
    </message>
</context>
<context>
    <name>ViewerCommands</name>
    <message>
        <source>Unable to open the selected file. File may be corrupted!</source>
        <translation>Die ausgewählte Datei kann nicht geöffnet werden. Sie ist womöglich beschädigt.</translation>
    </message>
</context>
<context>
    <name>WindowActions</name>
    <message>
        <source>Up one folder</source>
        <translation>Übergeordneter Ordner</translation>
    </message>
    <message>
        <source>Play in a separate window</source>
        <translation>In eigenem Fenster abspielen</translation>
    </message>
    <message>
        <source>Video on the whole screen</source>
        <translation>Video im Vollbild</translation>
    </message>
    <message>
        <source>Open in the default program</source>
        <translation>Mit Standardanwendung öffnen</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Show the playing file</source>
        <translation>Laufende Datei zeigen</translation>
    </message>
    <message>
        <source>Open EditList</source>
        <translation>EditList öffnen</translation>
    </message>
    <message>
        <source>Play in the media player window</source>
        <translation>Im Wiedergabefenster abspielen</translation>
    </message>
    <message>
        <source>About Kestrove</source>
        <translation>Über Kestrove</translation>
    </message>
    <message>
        <source>Play in a separate window from the start</source>
        <translation>In eigenem Fenster von vorn abspielen</translation>
    </message>
    <message>
        <source>Play in the media player window from the start</source>
        <translation>Im Wiedergabefenster von vorn abspielen</translation>
    </message>
    <message>
        <source>LOAD</source>
        <translation>Laden</translation>
    </message>
    <message>
        <source>ADD TO EDITLIST</source>
        <translation>Zur EditList</translation>
    </message>
    <message>
        <source>CLEAR ALL</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>CLEAR SEL</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>SAVE AS</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>OPTIONS</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>SEND MCI  COMMAND</source>
        <translation>Befehl senden</translation>
    </message>
    <message>
        <source>Scale panel to fit video 100%</source>
        <translation>Bereich an Video anpassen (100 %)</translation>
    </message>
    <message>
        <source>Type a path</source>
        <translation>Pfad eingeben</translation>
    </message>
    <message>
        <source>Next file</source>
        <translation>Nächste Datei</translation>
    </message>
    <message>
        <source>Previous file</source>
        <translation>Vorherige Datei</translation>
    </message>
    <message>
        <source>Add to EditList</source>
        <translation>Zur EditList hinzufügen</translation>
    </message>
    <message>
        <source>Remove from EditList</source>
        <translation>Aus der EditList entfernen</translation>
    </message>
    <message>
        <source>Auto play next</source>
        <translation>Nächste automatisch abspielen</translation>
    </message>
    <message>
        <source>Read the folder again</source>
        <translation>Ordner neu einlesen</translation>
    </message>
    <message>
        <source>Play or pause</source>
        <translation>Abspielen oder anhalten</translation>
    </message>
    <message>
        <source>Back 10 seconds</source>
        <translation>10 Sekunden zurück</translation>
    </message>
    <message>
        <source>On 10 seconds</source>
        <translation>10 Sekunden vor</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Add files to editlist</source>
        <translation>Dateien zur EditList hinzufügen</translation>
    </message>
    <message>
        <source>Remove files to editlist</source>
        <translation>Dateien aus der EditList entfernen</translation>
    </message>
    <message>
        <source>Remove from the playlist</source>
        <translation>Aus der Wiedergabeliste entfernen</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Select all</source>
        <translation>Alle auswählen</translation>
    </message>
    <message>
        <source>Delete folder</source>
        <translation>Ordner löschen</translation>
    </message>
    <message>
        <source>Show thumbnails</source>
        <translation>Miniaturbilder zeigen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Kestrove cannot make sure that only one copy of it runs, because its lock file can be neither used nor replaced (%1). Remove that file and start Kestrove again.</source>
        <translation>Kestrove kann nicht sicherstellen, dass nur eine Kopie läuft, weil sich seine Sperrdatei weder verwenden noch ersetzen lässt (%1). Entfernen Sie diese Datei und starten Sie Kestrove erneut.</translation>
    </message>
</context>
</TS>
