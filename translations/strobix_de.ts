<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AppInfo</name>
    <message>
        <source>STROBIX  -  Programmable LED Sequencer/Flasher</source>
        <translation>STROBIX  -  Programmierbarer LED-Sequenzer/Blinker</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Black</source>
        <translation>Schwarz</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Gelb</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>The serial port did not finish sending within %1 seconds.</source>
        <translation>Die serielle Schnittstelle hat das Senden nicht innerhalb von %1 Sekunden beendet.</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>Die serielle Schnittstelle ist nicht geöffnet.</translation>
    </message>
</context>
<context>
    <name>PortLocator</name>
    <message>
        <source>none present
%1</source>
        <extracomment>%1 which ports the computer has</extracomment>
        <translation>nicht vorhanden
%1</translation>
    </message>
    <message>
        <source>this computer has no serial port</source>
        <translation>dieser Computer hat keine serielle Schnittstelle</translation>
    </message>
    <message>
        <source>this computer has 1 serial port: %1</source>
        <translation>dieser Computer hat 1 serielle Schnittstelle: %1</translation>
    </message>
    <message>
        <source>this computer has %1 serial ports: %2</source>
        <translation>dieser Computer hat %1 serielle Schnittstellen: %2</translation>
    </message>
</context>
<context>
    <name>SequenceFileReader</name>
    <message>
        <source> (%1 to %2)</source>
        <translation> (%1 bis %2)</translation>
    </message>
    <message>
        <source>the value of event %1</source>
        <translation>den Wert von Schritt %1</translation>
    </message>
    <message>
        <source>the colour of LED#%1</source>
        <translation>die Farbe von LED#%1</translation>
    </message>
    <message>
        <source>spare colour entry %1</source>
        <translation>den freien Farbeintrag %1</translation>
    </message>
    <message>
        <source>the last event</source>
        <translation>den letzten Schritt</translation>
    </message>
    <message>
        <source>the servo-control choice of LED#%1</source>
        <translation>die Servosteuerung von LED#%1</translation>
    </message>
    <message>
        <source>the sequencer speed</source>
        <translation>die Geschwindigkeit des Sequenzers</translation>
    </message>
    <message>
        <source>the test speed</source>
        <translation>die Testgeschwindigkeit</translation>
    </message>
    <message>
        <source>Line %1: expected value %2 of %3, %4, found %5.</source>
        <extracomment>%1 line, %2 value number, %3 count of values, %4 what the value is, %5 what was there</extracomment>
        <translation>Zeile %1: Erwartet wurde Wert %2 von %3, %4, gefunden wurde %5.</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>das Dateiende</translation>
    </message>
    <message>
        <source>Line %1: the file is larger than %2 KB and is not a sequence data file.</source>
        <translation>Zeile %1: Die Datei ist größer als %2 KB und keine Sequenzdatei.</translation>
    </message>
    <message>
        <source>a text without its closing double quote</source>
        <translation>ein Text ohne schließendes Anführungszeichen</translation>
    </message>
    <message>
        <source> followed by other text</source>
        <translation> mit weiterem Text dahinter</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nichts</translation>
    </message>
    <message>
        <source>This is not a regular file (it is a folder, a device or a pipe) and cannot hold sequence data.</source>
        <translation>Dies ist keine gewöhnliche Datei (sondern ein Ordner, ein Gerät oder eine Pipe) und kann keine Sequenzdaten enthalten.</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>The serial port is not open.</source>
        <translation>Die serielle Schnittstelle ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The serial port&apos;s output queue could not be read: %1</source>
        <translation>Die Ausgabewarteschlange der seriellen Schnittstelle konnte nicht gelesen werden: %1</translation>
    </message>
</context>
<context>
    <name>ServoControl</name>
    <message>
        <source>OFF</source>
        <translation>AUS</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>KEINE</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>The serial port setting could not be saved to<byte value="xd"/></source>
        <translation>Die Einstellung der seriellen Schnittstelle konnte nicht gespeichert werden in<byte value="xd"/></translation>
    </message>
    <message>
        <source>The new settings are used until the program ends.</source>
        <translation>Die neuen Einstellungen gelten bis zum Ende des Programms.</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>OK to Really Exit ?</source>
        <translation>Wirklich beenden ?</translation>
    </message>
    <message>
        <source>(Be sure you have saved your files)</source>
        <translation>(Haben Sie Ihre Dateien gespeichert?)</translation>
    </message>
    <message>
        <source>Programmable LED Sequencer/Flasher  - Rev3</source>
        <translation>Programmierbarer LED-Sequenzer/Blinker  - Rev3</translation>
    </message>
    <message>
        <source>By:  Tessmer</source>
        <translation>Von:  Tessmer</translation>
    </message>
    <message>
        <source>Feb 2008</source>
        <translation>Feb. 2008</translation>
    </message>
    <message>
        <source> Users&apos; Manual</source>
        <translation> Benutzerhandbuch</translation>
    </message>
    <message>
        <source><byte value="xd"/> Click OK to view the Strobix Users&apos; Manual on the %1 webpage...</source>
        <extracomment>%1 the name of the manual&apos;s web page, left in English</extracomment>
        <translation><byte value="xd"/> Klicken Sie auf OK, um das Strobix-Benutzerhandbuch auf der Webseite %1 anzuzeigen...</translation>
    </message>
    <message>
        <source>No web browser could be started. Open that file in a web browser,<byte value="xd"/> or install xdg-utils so the desktop knows how to show it.</source>
        <translation>Es konnte kein Webbrowser gestartet werden. Öffnen Sie die Datei in einem Webbrowser<byte value="xd"/> oder installieren Sie xdg-utils, damit der Desktop sie anzeigen kann.</translation>
    </message>
    <message>
        <source>The file is missing. Reinstall Strobix to restore it.</source>
        <translation>Die Datei fehlt. Installieren Sie Strobix neu, um sie wiederherzustellen.</translation>
    </message>
    <message>
        <source><byte value="xd"/> The Users&apos; Manual could not be opened:<byte value="xd"/><byte value="xd"/> </source>
        <translation><byte value="xd"/> Das Benutzerhandbuch konnte nicht geöffnet werden:<byte value="xd"/><byte value="xd"/> </translation>
    </message>
</context>
</TS>
