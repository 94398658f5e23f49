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
    <name>BrowserEdition</name>
    <message>
        <source>This browser does not keep this page&apos;s data (%1).<byte value="xd"/>The port number, the zoom and the copies of unsaved work last only until the tab is closed.<byte value="xd"/>Save your sequences to files.</source>
        <translation>Dieser Browser bewahrt die Daten dieser Seite nicht auf (%1).<byte value="xd"/>Die Schnittstellennummer, die Zoomstufe und die Kopien ungespeicherter Arbeit bleiben nur erhalten, bis der Tab geschlossen wird.<byte value="xd"/>Speichern Sie Ihre Sequenzen in Dateien.</translation>
    </message>
</context>
<context>
    <name>CloseGuard</name>
    <message>
        <source>A download to STROBIX is still going on.<byte value="xd"/><byte value="xd"/>Click OK to stop it and close: STROBIX will not be programmed.<byte value="xd"/>Click Cancel to let the download finish.</source>
        <translation>Eine Übertragung zum STROBIX läuft noch.<byte value="xd"/><byte value="xd"/>Klicken Sie auf OK, um sie abzubrechen und zu schließen: Der STROBIX wird dann nicht programmiert.<byte value="xd"/>Klicken Sie auf Abbrechen, um die Übertragung zu Ende laufen zu lassen.</translation>
    </message>
    <message>
        <source>The download was stopped: STROBIX is not programmed.<byte value="xd"/><byte value="xd"/>Download the sequence again before using the device.</source>
        <translation>Die Übertragung wurde abgebrochen: Der STROBIX ist nicht programmiert.<byte value="xd"/><byte value="xd"/>Übertragen Sie die Sequenz erneut, bevor Sie das Gerät verwenden.</translation>
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
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Diese Hilfe zeigen und beenden.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Die Version des Programms zeigen und beenden.</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as text and exit.</source>
        <translation>Die Sequenz aus &lt;file&gt; als Text ausgeben und beenden.</translation>
    </message>
    <message>
        <source>Program the device with &lt;file&gt; without opening a window; needs --port or --device.</source>
        <translation>Das Gerät mit &lt;file&gt; programmieren, ohne ein Fenster zu öffnen; braucht --port oder --device.</translation>
    </message>
    <message>
        <source>Download through serial port number &lt;n&gt; (1 to 8).</source>
        <translation>Über die serielle Schnittstelle Nummer &lt;n&gt; (1 bis 8) übertragen.</translation>
    </message>
    <message>
        <source>Download to the serial device &lt;path&gt; instead of the one the port number reaches (also in the window).</source>
        <translation>Zum seriellen Gerät &lt;path&gt; übertragen statt zu dem, das die Schnittstellennummer erreicht (auch im Fenster).</translation>
    </message>
    <message>
        <source>Draw the visual test of &lt;file&gt; as an animated GIF picture &lt;out.gif&gt; and exit.</source>
        <translation>Den visuellen Test von &lt;file&gt; als animiertes GIF-Bild &lt;out.gif&gt; zeichnen und beenden.</translation>
    </message>
    <message>
        <source>With --export-animation: the picture&apos;s width in pixels (%1 to %2). Below the window&apos;s own width only the lamps are drawn; from there on also the grid and the time axis.</source>
        <translation>Mit --export-animation: die Breite des Bildes in Pixeln (%1 bis %2). Unter der Breite des Fensters werden nur die Lampen gezeichnet, ab da auch das Raster und die Zeitachse.</translation>
    </message>
    <message>
        <source>With --export-animation: the servo stick&apos;s zone, 0 (1000-1240 us) to 3 (1750-1990 us); by default the zone in which the most LEDs light.</source>
        <translation>Mit --export-animation: die Zone des Servoknüppels, 0 (1000-1240 us) bis 3 (1750-1990 us); ohne Angabe die Zone, in der die meisten LEDs leuchten.</translation>
    </message>
    <message>
        <source>With --download: do not wait for Enter after the power-up instructions.</source>
        <translation>Mit --download: nach den Anweisungen zum Einschalten nicht auf die Eingabetaste warten.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt; instead of the desktop&apos;s (%1).</source>
        <translation>Die Sprache &lt;code&gt; sprechen statt der des Desktops (%1).</translation>
    </message>
    <message>
        <source>Editor and programmer for the STROBIX LED sequencer. Without options it opens the editor window, with [file] loaded.</source>
        <translation>Editor und Programmiergerät für den LED-Sequenzer STROBIX. Ohne Optionen öffnet es das Editorfenster, mit [file] geladen.</translation>
    </message>
    <message>
        <source>--port goes with --download (the window takes its port from Settings).</source>
        <translation>--port gehört zu --download (das Fenster nimmt die Schnittstelle aus den Einstellungen).</translation>
    </message>
    <message>
        <source>--yes goes with --download.</source>
        <translation>--yes gehört zu --download.</translation>
    </message>
    <message>
        <source>--device does not go with --print.</source>
        <translation>--device passt nicht zu --print.</translation>
    </message>
    <message>
        <source>--size and --stick go with --export-animation.</source>
        <translation>--size und --stick gehören zu --export-animation.</translation>
    </message>
    <message>
        <source>--device does not go with --export-animation.</source>
        <translation>--device passt nicht zu --export-animation.</translation>
    </message>
    <message>
        <source>--export-animation needs the picture to write (one name).</source>
        <translation>--export-animation braucht das zu schreibende Bild (einen Namen).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Unerwartetes Argument: %1</translation>
    </message>
    <message>
        <source>Only one file can be opened: %1</source>
        <translation>Es kann nur eine Datei geöffnet werden: %1</translation>
    </message>
    <message>
        <source>--download needs either --port or --device (not both).</source>
        <translation>--download braucht entweder --port oder --device (nicht beide).</translation>
    </message>
    <message>
        <source>--device needs a path.</source>
        <translation>--device braucht einen Pfad.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--port nimmt eine Zahl von 1 bis %1, nicht &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 nimmt eine Zahl von %2 bis %3, nicht &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &apos;%2&apos;.</source>
        <translation>--language nimmt eine von %1, nicht &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2
Hilfe mit &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as a link (#seq=...) and exit.</source>
        <translation>Die Sequenz aus &lt;file&gt; als Link (#seq=...) ausgeben und beenden.</translation>
    </message>
    <message>
        <source>With --print-link: the address of the browser edition, to print the whole link.</source>
        <translation>Mit --print-link: die Adresse der Browser-Ausgabe, um den ganzen Link auszugeben.</translation>
    </message>
    <message>
        <source>A sequence data file (*.dat) to open, or a link to a sequence (https://.../#seq=... or #seq=...), opened as a new, unsaved one.</source>
        <translation>Eine Sequenzdatei (*.dat) zum Öffnen oder ein Link auf eine Sequenz (https://.../#seq=... oder #seq=...), die als neue, ungespeicherte geöffnet wird.</translation>
    </message>
    <message>
        <source>--device does not go with --print-link.</source>
        <translation>--device passt nicht zu --print-link.</translation>
    </message>
    <message>
        <source>--link-base goes with --print-link.</source>
        <translation>--link-base gehört zu --print-link.</translation>
    </message>
    <message>
        <source>--link-base needs an address.</source>
        <translation>--link-base braucht eine Adresse.</translation>
    </message>
    <message>
        <source>--print, --print-link, --download and --export-animation do not go together.</source>
        <translation>--print, --print-link, --download und --export-animation passen nicht zusammen.</translation>
    </message>
    <message>
        <source>
Examples:
  %1 show.dat                               open show.dat in the editor
  %1 --print show.dat                       print it as a grid
  %1 --print-link show.dat                  print it as a link (#seq=...)
  %1 &apos;#seq=...&apos;                             open such a link in the editor
  %1 --download show.dat --port 1           program the device on port 1
  %1 --download show.dat --device /dev/pts/3 --yes
  %1 --export-animation show.dat show.gif  draw its visual test as a GIF

Exit status of --print, --print-link, --download and --export-animation:
  %2  success
  %3  wrong usage (unknown option, missing argument, --port with --device, ...)
  %4  the data file cannot be read or is not a valid sequence file; nothing was sent
  %5  the serial port cannot be opened (no such device, busy, no permission)
  %6  the line failed while sending (the message names the record)
  %7  cancelled: no or end of input at the power-up prompt, Ctrl+C or SIGTERM
  %8  the picture cannot be written (no such folder, no permission, disk full); nothing is left behind
</source>
        <translation>
Beispiele:
  %1 show.dat                               show.dat im Editor öffnen
  %1 --print show.dat                       sie als Raster ausgeben
  %1 --print-link show.dat                  sie als Link ausgeben (#seq=...)
  %1 &apos;#seq=...&apos;                             einen solchen Link im Editor öffnen
  %1 --download show.dat --port 1           das Gerät an Schnittstelle 1 programmieren
  %1 --download show.dat --device /dev/pts/3 --yes
  %1 --export-animation show.dat show.gif  ihren visuellen Test als GIF zeichnen

Rückgabewert von --print, --print-link, --download und --export-animation:
  %2  Erfolg
  %3  falscher Aufruf (unbekannte Option, fehlendes Argument, --port mit --device, ...)
  %4  die Datendatei ist nicht lesbar oder keine gültige Sequenzdatei; nichts wurde gesendet
  %5  die serielle Schnittstelle lässt sich nicht öffnen (kein solches Gerät, belegt, keine Berechtigung)
  %6  die Leitung versagte beim Senden (die Meldung nennt den Datensatz)
  %7  abgebrochen: Nein oder Ende der Eingabe bei der Einschalt-Abfrage, Strg+C oder SIGTERM
  %8  das Bild lässt sich nicht schreiben (kein solcher Ordner, keine Berechtigung, Datenträger voll); nichts bleibt zurück
</translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>Cannot read %1
%2
%3
</source>
        <translation>%1 kann nicht gelesen werden
%2
%3
</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Es wurde nichts ausgegeben.</translation>
    </message>
    <message>
        <source>Warning: %1 of the pictures last less than %2 ms (the shortest %3 ms). GIF viewers show them longer, so the picture plays slower than the test.
</source>
        <translation>Warnung: %1 der Bilder dauern kürzer als %2 ms (das kürzeste %3 ms). GIF-Betrachter zeigen sie länger, daher läuft das Bild langsamer als der Test.
</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Cannot write %1
%2
Nothing was written.
</source>
        <translation>%1 kann nicht geschrieben werden
%2
Es wurde nichts geschrieben.
</translation>
    </message>
    <message>
        <source>No link was printed.</source>
        <translation>Es wurde kein Link ausgegeben.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <source>none present</source>
        <translation>nicht vorhanden</translation>
    </message>
</context>
<context>
    <name>DownloadMessages</name>
    <message>
        <source>Plug in the USB-serial adapter of the programming cable, or choose another port in Settings.</source>
        <translation>Stecken Sie den USB-Seriell-Adapter des Programmierkabels ein oder wählen Sie in den Einstellungen eine andere Schnittstelle.</translation>
    </message>
    <message>
        <source>Your user account may not use serial ports. Add it to the &apos;dialout&apos; group (sudo usermod -a -G dialout $USER), then log out and back in.</source>
        <translation>Ihr Benutzerkonto darf keine seriellen Schnittstellen verwenden. Fügen Sie es der Gruppe &apos;dialout&apos; hinzu (sudo usermod -a -G dialout $USER), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>Your user account may not use this port. Ask the computer&apos;s administrator for access to it.</source>
        <translation>Ihr Benutzerkonto darf diese Schnittstelle nicht verwenden. Bitten Sie den Administrator des Computers um Zugriff.</translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port in Settings.</source>
        <translation>Ein anderes Programm verwendet diese Schnittstelle. Schließen Sie dieses Programm oder wählen Sie in den Einstellungen eine andere Schnittstelle.</translation>
    </message>
    <message>
        <source>The port cannot be set to 2400 baud, 8 data bits, no parity, 1 stop bit. Choose another port in Settings.</source>
        <translation>Die Schnittstelle lässt sich nicht auf 2400 Baud, 8 Datenbits, keine Parität, 1 Stoppbit einstellen. Wählen Sie in den Einstellungen eine andere Schnittstelle.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>%1 is the computer&apos;s built-in serial port. If the programming cable uses a USB-serial adapter, plug it in (it appears as %2ttyUSBn; adapters are numbered before the built-in ports), or choose the right port in Settings.</source>
        <translation><byte value="xd"/><byte value="xd"/>%1 ist die eingebaute serielle Schnittstelle des Computers. Wenn das Programmierkabel einen USB-Seriell-Adapter verwendet, stecken Sie ihn ein (er erscheint als %2ttyUSBn; Adapter werden vor den eingebauten Schnittstellen gezählt), oder wählen Sie in den Einstellungen die richtige Schnittstelle.</translation>
    </message>
    <message>
        <source>serial device %1</source>
        <extracomment>Also starts a sentence, with its first letter in capitals</extracomment>
        <translation>serielles Gerät %1</translation>
    </message>
    <message>
        <source>serial port %1 (%2)</source>
        <translation>serielle Schnittstelle %1 (%2)</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Nothing was sent to the device.</source>
        <translation><byte value="xd"/><byte value="xd"/>Es wurde nichts an das Gerät gesendet.</translation>
    </message>
    <message>
        <source>Download to STROBIX  -  Programmable LED Sequencer/Flasher...</source>
        <translation>Übertragung zum STROBIX  -  Programmierbarer LED-Sequenzer/Blinker...</translation>
    </message>
    <message>
        <source><byte value="xd"/> 1) Cycle power/Connect Strobix to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Strobix...</source>
        <translation><byte value="xd"/> 1) Strobix aus- und einschalten bzw. an das Programmierkabel anschließen (alle LEDs blinken), dann<byte value="xd"/><byte value="xd"/> 2)  Warten, bis alle LEDs angehen und an bleiben, dann<byte value="xd"/><byte value="xd"/> 3)  Wenn alle LEDs leuchten, &apos;OK&apos; drücken, um zum Strobix zu übertragen...</translation>
    </message>
    <message>
        <source>Serial port %1 reaches no device (%2).<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>Die serielle Schnittstelle %1 erreicht kein Gerät (%2).<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>%1 could not be opened:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>%1 konnte nicht geöffnet werden:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>the start marker</source>
        <translation>der Startmarke</translation>
    </message>
    <message>
        <source>record %1 of %2</source>
        <translation>Datensatz %1 von %2</translation>
    </message>
    <message>
        <source>The download stopped at %1 on %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Check the programming cable and its adapter, then download again.</source>
        <translation>Die Übertragung brach bei %1 ab (%2):<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Das Gerät wurde nicht vollständig programmiert. Prüfen Sie das Programmierkabel und seinen Adapter und übertragen Sie dann erneut.</translation>
    </message>
    <message>
        <source>The download to %1 was cancelled after %2 of %3 records; the port is closed.<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Download again.</source>
        <translation>Die Übertragung wurde nach %2 von %3 Datensätzen abgebrochen (%1); die Schnittstelle ist geschlossen.<byte value="xd"/><byte value="xd"/>Das Gerät wurde nicht vollständig programmiert. Übertragen Sie erneut.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Open STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>STROBIX-Datendatei öffnen (programmierbarer LED-Sequenzer/Blinker)</translation>
    </message>
    <message>
        <source>Save STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>STROBIX-Datendatei speichern (programmierbarer LED-Sequenzer/Blinker)</translation>
    </message>
    <message>
        <source>Merge STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>STROBIX-Datendatei zusammenführen (programmierbarer LED-Sequenzer/Blinker)</translation>
    </message>
    <message>
        <source>Data Files (*.DAT);;All Files (*.*)</source>
        <translation>Datendateien (*.DAT);;Alle Dateien (*.*)</translation>
    </message>
    <message>
        <source>Replace existing file - %1?</source>
        <translation>Vorhandene Datei ersetzen - %1?</translation>
    </message>
    <message>
        <source>Cannot read %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>%1 kann nicht gelesen werden<byte value="xd"/>%2<byte value="xd"/>Es wurde nichts geändert.</translation>
    </message>
    <message>
        <source>The sequence was not saved; an existing file of that name was left as it was.</source>
        <translation>Die Sequenz wurde nicht gespeichert; eine vorhandene Datei dieses Namens blieb unverändert.</translation>
    </message>
    <message>
        <source>The sequence was not saved.</source>
        <translation>Die Sequenz wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Cannot save %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>%1 kann nicht gespeichert werden<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Cannot open the link %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Der Link %1 kann nicht geöffnet werden<byte value="xd"/>%2<byte value="xd"/>Es wurde nichts geändert.</translation>
    </message>
</context>
<context>
    <name>GridAccessible</name>
    <message>
        <source>LED#%1, event %2, %3</source>
        <extracomment>A cell of the grid as a screen reader names it; %3 is on or off</extracomment>
        <translation>LED#%1, Schritt %2, %3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>an</translation>
    </message>
    <message>
        <source>off</source>
        <translation>aus</translation>
    </message>
</context>
<context>
    <name>HeadlessDownload</name>
    <message>
        <source><byte value="xd"/>[%1%2] record %3 of %4</source>
        <translation><byte value="xd"/>[%1%2] Datensatz %3 von %4</translation>
    </message>
    <message>
        <source>Nothing was sent to the device.</source>
        <translation>Es wurde nichts an das Gerät gesendet.</translation>
    </message>
    <message>
        <source>Press Enter to download to %1 (n and Enter, or Ctrl+C, cancels)... </source>
        <extracomment>The answer that cancels starts with n in every language</extracomment>
        <translation>Eingabetaste überträgt zu %1 (n und Eingabetaste oder Strg+C bricht ab)... </translation>
    </message>
    <message>
        <source>Cancelled. Nothing was sent to the device.
</source>
        <translation>Abgebrochen. Es wurde nichts an das Gerät gesendet.
</translation>
    </message>
    <message>
        <source>Sending to %1...
</source>
        <translation>Senden an %1...
</translation>
    </message>
    <message>
        <source>Done: %1 records sent to %2.
</source>
        <translation>Fertig: %1 Datensätze an %2 gesendet.
</translation>
    </message>
</context>
<context>
    <name>LastingStorage</name>
    <message>
        <source>Strobix is already open in another tab of this browser</source>
        <translation>Strobix ist in diesem Browser schon in einem anderen Tab geöffnet</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sequence grid</source>
        <translation>Sequenzraster</translation>
    </message>
    <message>
        <source>Four LEDs by 50 events; each cell is on or off. Arrows move, Space toggles, Shift+arrow paints.</source>
        <translation>Vier LEDs mal 50 Schritte; jede Zelle ist an oder aus. Pfeile bewegen, Leertaste schaltet um, Umschalt+Pfeil malt.</translation>
    </message>
    <message>
        <source>Time axis</source>
        <translation>Zeitachse</translation>
    </message>
    <message>
        <source>Event numbers; the red one is the last event. Left and Right move, Enter or Space moves the end marker to the focused event.</source>
        <translation>Schrittnummern; die rote ist der letzte Schritt. Links und Rechts bewegen, Eingabe oder Leertaste setzt die Endmarke auf den gewählten Schritt.</translation>
    </message>
    <message>
        <source>Click here to change color of %1</source>
        <translation>Hier klicken, um die Farbe von %1 zu ändern</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>Farbe von %1</translation>
    </message>
    <message>
        <source>Opens the colour list for %1 (Enter or Space)</source>
        <translation>Öffnet die Farbliste für %1 (Eingabe oder Leertaste)</translation>
    </message>
    <message>
        <source>%1 lamp</source>
        <translation>Lampe %1</translation>
    </message>
    <message>
        <source>Shows %1 during the visual test</source>
        <translation>Zeigt %1 während des visuellen Tests</translation>
    </message>
    <message>
        <source>Click here to change %1 flash pattern</source>
        <translation>Hier klicken, um das Blinkmuster von %1 zu ändern</translation>
    </message>
    <message>
        <source>%1 row options</source>
        <translation>Zeilenoptionen von %1</translation>
    </message>
    <message>
        <source>Opens the list of operations on the %1 row</source>
        <translation>Öffnet die Liste der Operationen für die Zeile von %1</translation>
    </message>
    <message>
        <source>Change how %1 will repond to R/C servo signal</source>
        <translation>Festlegen, wie %1 auf das R/C-Servosignal reagiert</translation>
    </message>
    <message>
        <source>%1 servo control</source>
        <translation>Servosteuerung von %1</translation>
    </message>
    <message>
        <source>How %1 responds to the R/C servo signal</source>
        <translation>Wie %1 auf das R/C-Servosignal reagiert</translation>
    </message>
    <message>
        <source>Servo Control</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Heading of the servo-control lists</source>
        <translation>Überschrift der Servosteuerungslisten</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>Datei ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>Click here to open and load a  LED sequence...</source>
        <translation>Hier klicken, um eine LED-Sequenz zu öffnen und zu laden...</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Click here to Start/Stop the visual test of the LED sequence...</source>
        <translation>Hier klicken, um den visuellen Test der LED-Sequenz zu starten/stoppen...</translation>
    </message>
    <message>
        <source>&amp;DOWNLOAD</source>
        <translation>&amp;ÜBERTRAGEN</translation>
    </message>
    <message>
        <source>Click here to Download data to Strobix Sequencer/Flasher...</source>
        <translation>Hier klicken, um die Daten zum Strobix-Sequenzer/Blinker zu übertragen...</translation>
    </message>
    <message>
        <source>&amp;Save File...</source>
        <translation>Datei &amp;speichern...</translation>
    </message>
    <message>
        <source>Click here to save the current LED sequence...</source>
        <translation>Hier klicken, um die aktuelle LED-Sequenz zu speichern...</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Einstellungen...</translation>
    </message>
    <message>
        <source>Click here to change Software/Strobix Settings...</source>
        <translation>Hier klicken, um die Einstellungen der Software und des Strobix zu ändern...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Exit software...</source>
        <translation>Software beenden...</translation>
    </message>
    <message>
        <source>Servo Pulsewidth =</source>
        <translation>Servo-Pulsbreite =</translation>
    </message>
    <message>
        <source>The servo pulse width the stick sets</source>
        <translation>Die vom Knüppel eingestellte Servo-Pulsbreite</translation>
    </message>
    <message>
        <source>Servo pulse width</source>
        <translation>Servo-Pulsbreite</translation>
    </message>
    <message>
        <source>Pulse width in microseconds</source>
        <translation>Pulsbreite in Mikrosekunden</translation>
    </message>
    <message>
        <source>microseconds</source>
        <translation>Mikrosekunden</translation>
    </message>
    <message>
        <source>Unit of the servo pulse width</source>
        <translation>Einheit der Servo-Pulsbreite</translation>
    </message>
    <message>
        <source>Servo stick</source>
        <translation>Servoknüppel</translation>
    </message>
    <message>
        <source>Simulated R/C servo stick; Left and Right move it</source>
        <translation>Simulierter R/C-Servoknüppel; Links und Rechts bewegen ihn</translation>
    </message>
    <message>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation>(Servostellung mit Maus oder Pfeiltasten links/rechts ändern)</translation>
    </message>
    <message>
        <source>Use the Mouse or Left + Right Arrow key to change servo position...</source>
        <translation>Servostellung mit der Maus oder den Pfeiltasten links/rechts ändern...</translation>
    </message>
    <message>
        <source>Downloading to STROBIX ...</source>
        <translation>Übertragung zum STROBIX ...</translation>
    </message>
    <message>
        <source>Downloading data to the Strobix...</source>
        <translation>Daten werden zum Strobix übertragen...</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Fortschritt der Übertragung</translation>
    </message>
    <message>
        <source>Records sent to the sequencer</source>
        <translation>An den Sequenzer gesendete Datensätze</translation>
    </message>
    <message>
        <source> Up and Down move, Enter picks, Escape closes.</source>
        <translation> Auf und Ab bewegen, Eingabe wählt, Esc schließt.</translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation>Farbliste</translation>
    </message>
    <message>
        <source>Display colour of the LED.</source>
        <translation>Anzeigefarbe der LED.</translation>
    </message>
    <message>
        <source>Row options</source>
        <translation>Zeilenoptionen</translation>
    </message>
    <message>
        <source>Operations on the LED&apos;s row.</source>
        <translation>Operationen für die Zeile der LED.</translation>
    </message>
    <message>
        <source>Copy row list</source>
        <translation>Liste der Zeilen zum Kopieren</translation>
    </message>
    <message>
        <source>The other LED&apos;s row to copy.</source>
        <translation>Die Zeile der anderen LED zum Kopieren.</translation>
    </message>
    <message>
        <source>&amp;New/Clear</source>
        <translation>&amp;Neu/Löschen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Zusammenführen...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Speichern...</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Übertragen</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>&amp;Users&apos; Manual...</source>
        <translation>Benutzer&amp;handbuch...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle löschen</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Alle setzen</translation>
    </message>
    <message>
        <source>Toggle All</source>
        <translation>Alle umkehren</translation>
    </message>
    <message>
        <source>Copy from...</source>
        <translation>Kopie von...</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Kopie nach...</translation>
    </message>
    <message>
        <source>Skip 1...</source>
        <translation>Lücke 1...</translation>
    </message>
    <message>
        <source>Skip 2...</source>
        <translation>Lücke 2...</translation>
    </message>
    <message>
        <source>Skip 3...</source>
        <translation>Lücke 3...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbruch</translation>
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
    <message>
        <source>no device</source>
        <translation>kein Gerät</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>a sequence not saved yet</source>
        <translation>eine noch nie gespeicherte Sequenz</translation>
    </message>
    <message>
        <source>Strobix was not closed normally. Unsaved work was kept from %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Yes restores it in this window; it stays unsaved until you save it.<byte value="xd"/>No discards it for good.<byte value="xd"/>Cancel keeps it for later: Strobix asks again at the next start.</source>
        <extracomment>%1 when the copy was written, %2 the file name or &quot;a sequence not saved yet&quot;</extracomment>
        <translation>Strobix wurde nicht normal beendet. Ungespeicherte Arbeit vom %1 wurde aufbewahrt:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Ja stellt sie in diesem Fenster wieder her; sie bleibt ungespeichert, bis Sie sie speichern.<byte value="xd"/>Nein verwirft sie endgültig.<byte value="xd"/>Abbrechen hebt sie für später auf: Strobix fragt beim nächsten Start wieder.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved work cannot be read:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>It was put aside as<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix starts without it. If it still holds a sequence, open it with Open; otherwise delete it.</source>
        <translation>Eine Wiederherstellungskopie ungespeicherter Arbeit kann nicht gelesen werden:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Sie wurde beiseitegelegt als<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix startet ohne sie. Enthält sie noch eine Sequenz, öffnen Sie sie mit Öffnen; sonst löschen Sie sie.</translation>
    </message>
    <message>
        <source>Strobix cannot keep a recovery copy of your unsaved work in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>It goes on working without one until it is started again: save your work often. To have recovery copies again, free some disk space or make that folder writable.</source>
        <translation>Strobix kann keine Wiederherstellungskopie Ihrer ungespeicherten Arbeit anlegen in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Es arbeitet ohne sie weiter, bis es neu gestartet wird: Speichern Sie Ihre Arbeit oft. Damit es wieder Wiederherstellungskopien gibt, schaffen Sie Platz auf dem Datenträger oder machen Sie diesen Ordner beschreibbar.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of another window was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers it now.</source>
        <translation><byte value="xd"/><byte value="xd"/>Auch die ungespeicherte Arbeit eines anderen Fensters wurde aufbewahrt. Nach Ja wartet sie auf den nächsten Start; nach Nein oder Abbrechen bietet Strobix sie gleich an.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of %1 other windows was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers the next one now.</source>
        <translation><byte value="xd"/><byte value="xd"/>Auch die ungespeicherte Arbeit von %1 anderen Fenstern wurde aufbewahrt. Nach Ja wartet sie auf den nächsten Start; nach Nein oder Abbrechen bietet Strobix gleich die nächste an.</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 ist eine Datei, kein Ordner.</translation>
    </message>
    <message>
        <source>the system gave no reason.</source>
        <translation>das System nennt keinen Grund.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>Der Ordner %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be made: %2</source>
        <translation>Die Datei %1 kann nicht angelegt werden: %2</translation>
    </message>
    <message>
        <source>It was written by a newer version of Strobix.</source>
        <translation>Sie wurde von einer neueren Strobix-Version geschrieben.</translation>
    </message>
    <message>
        <source>Its two files do not belong together (damaged or cut short).</source>
        <translation>Ihre beiden Dateien passen nicht zusammen (beschädigt oder abgeschnitten).</translation>
    </message>
    <message>
        <source>Its file %1 cannot be read: %2</source>
        <translation>Ihre Datei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Its file %1 is missing.</source>
        <translation>Ihre Datei %1 fehlt.</translation>
    </message>
    <message>
        <source>Its file %1 is far too big to be part of a recovery copy.</source>
        <translation>Ihre Datei %1 ist viel zu groß, um zu einer Wiederherstellungskopie zu gehören.</translation>
    </message>
</context>
<context>
    <name>SequenceDocument</name>
    <message>
        <source>Switch a cell of %1</source>
        <translation>Zelle von %1 schalten</translation>
    </message>
    <message>
        <source>Paint cells</source>
        <translation>Zellen malen</translation>
    </message>
    <message>
        <source>Row options of %1</source>
        <translation>Zeilenoptionen von %1</translation>
    </message>
    <message>
        <source>New/Clear</source>
        <translation>Neu/Löschen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Zusammenführen</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Link öffnen</translation>
    </message>
</context>
<context>
    <name>SequenceEdits</name>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Servo control</source>
        <translation>Servosteuerung</translation>
    </message>
    <message>
        <source>End marker</source>
        <translation>Endmarke</translation>
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
        <translation>der Wert von Schritt %1</translation>
    </message>
    <message>
        <source>the colour of LED#%1</source>
        <translation>die Farbe von LED#%1</translation>
    </message>
    <message>
        <source>spare colour entry %1</source>
        <translation>der freie Farbeintrag %1</translation>
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
    <message>
        <source>the last event (%1 to %2 for events 1 to 50)</source>
        <extracomment>the file holds 0 for event 1 ... 49 for event 50</extracomment>
        <translation>der letzte Schritt (%1 bis %2 für die Schritte 1 bis 50)</translation>
    </message>
    <message>
        <source>A sequence data file has its 65 values within its first %1 KB; this file does not, so it is not a sequence data file.</source>
        <translation>Eine Sequenzdatei hat ihre 65 Werte in den ersten %1 KB; diese Datei nicht, also ist sie keine Sequenzdatei.</translation>
    </message>
</context>
<context>
    <name>SequenceGrid</name>
    <message>
        <source>Click a cell to switch it on or off, or drag to paint.
Keys: arrows move, Space switches, Shift+arrows paint, Home/End go to the row&apos;s ends.
Ctrl+Z undoes, Ctrl+Shift+Z or Ctrl+Y redoes.</source>
        <translation>Klicken Sie auf eine Zelle, um sie ein- oder auszuschalten, oder ziehen Sie, um zu malen.
Tasten: Pfeile bewegen, Leertaste schaltet, Umschalt+Pfeile malen, Pos1/Ende springen an die Enden der Zeile.
Strg+Z macht rückgängig, Strg+Umschalt+Z oder Strg+Y stellt wieder her.</translation>
    </message>
</context>
<context>
    <name>SequenceLink</name>
    <message>
        <source>The link is damaged: it is too short or too long, as if cut off or run together with other text.</source>
        <translation>Der Link ist beschädigt: Er ist zu kurz oder zu lang, als wäre er abgeschnitten oder mit anderem Text zusammengeraten.</translation>
    </message>
    <message>
        <source>The link is damaged: it holds bits that no version of Strobix writes.</source>
        <translation>Der Link ist beschädigt: Er enthält Bits, die keine Version von Strobix schreibt.</translation>
    </message>
    <message>
        <source>The link is damaged: %1 is %2.</source>
        <translation>Der Link ist beschädigt: %1 ist %2.</translation>
    </message>
    <message>
        <source>This is not a link to a sequence: it has no &quot;#seq=&quot; part.</source>
        <translation>Das ist kein Link auf eine Sequenz: Ihm fehlt der Teil „#seq=“.</translation>
    </message>
    <message>
        <source>The link is damaged: &quot;%1&quot; cannot be part of it.</source>
        <translation>Der Link ist beschädigt: „%1“ kann nicht darin vorkommen.</translation>
    </message>
    <message>
        <source>The link is damaged: its check characters do not match the rest, so something in it was changed.</source>
        <translation>Der Link ist beschädigt: Seine Prüfzeichen passen nicht zum Rest, also wurde etwas daran geändert.</translation>
    </message>
    <message>
        <source>The link was made by a newer version of Strobix (link format %1; this version reads format %2). Open it with a newer version.</source>
        <translation>Der Link wurde von einer neueren Version von Strobix erstellt (Linkformat %1; diese Version liest Format %2). Öffnen Sie ihn mit einer neueren Version.</translation>
    </message>
    <message>
        <source>The link is damaged: it names no format of Strobix&apos;s links.</source>
        <translation>Der Link ist beschädigt: Er nennt kein Format der Links von Strobix.</translation>
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
    <name>SettingsDialog</name>
    <message>
        <source> Settings...</source>
        <translation> Einstellungen...</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Software-Einstellungen</translation>
    </message>
    <message>
        <source>Communication Port# (RS-232)</source>
        <translation>Schnittstelle Nr. (RS-232)</translation>
    </message>
    <message>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation>(Hier steckt das Programmierkabel, 9-polig)</translation>
    </message>
    <message>
        <source>LED Test Speed (ms)</source>
        <translation>LED-Testtempo (ms)</translation>
    </message>
    <message>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation>(Testtempo an das Sequenzertempo angleichen)</translation>
    </message>
    <message>
        <source>Strobix Settings</source>
        <translation>Strobix-Einstellungen</translation>
    </message>
    <message>
        <source>Sequencer Delay (ms)</source>
        <translation>Sequenzer-Pause (ms)</translation>
    </message>
    <message>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation>(Pause zwischen den 50 Schritten )</translation>
    </message>
    <message>
        <source>Use Pull-downs for changing all settings!</source>
        <translation>Alle Einstellungen über die Auswahllisten ändern!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Schnittstelle</translation>
    </message>
    <message>
        <source>Serial port number the programming cable is connected to</source>
        <translation>Nummer der seriellen Schnittstelle, an der das Programmierkabel steckt</translation>
    </message>
    <message>
        <source>LED test speed (ms)</source>
        <translation>LED-Testtempo (ms)</translation>
    </message>
    <message>
        <source>Step time of the visual test, to match the sequencer</source>
        <translation>Schrittzeit des visuellen Tests, passend zum Sequenzer</translation>
    </message>
    <message>
        <source>Sequencer delay (ms)</source>
        <translation>Sequenzer-Pause (ms)</translation>
    </message>
    <message>
        <source>Delay between each of the 50 events on the sequencer</source>
        <translation>Pause zwischen den 50 Schritten auf dem Sequenzer</translation>
    </message>
    <message>
        <source>Uses these settings and remembers the port</source>
        <translation>Übernimmt diese Einstellungen und merkt sich die Schnittstelle</translation>
    </message>
    <message>
        <source>Closes without changing the settings</source>
        <translation>Schließt, ohne die Einstellungen zu ändern</translation>
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
<context>
    <name>SystemSerialPort</name>
    <message>
        <source>The serial port took only %1 of %2 bytes in %3 seconds.</source>
        <translation>Die serielle Schnittstelle hat in %3 Sekunden nur %1 von %2 Bytes angenommen.</translation>
    </message>
    <message>
        <source>browsers let only pages from https:// addresses or from this computer use serial ports, and this page has neither</source>
        <translation>Browser lassen nur Seiten von https://-Adressen oder von diesem Computer serielle Schnittstellen verwenden, und diese Seite stammt von keinem von beiden</translation>
    </message>
    <message>
        <source>this browser has no Web Serial; Chrome and Edge have it, Firefox and Safari do not (Save still works in every browser)</source>
        <translation>dieser Browser hat kein Web Serial; Chrome und Edge haben es, Firefox und Safari nicht (Speichern funktioniert trotzdem in jedem Browser)</translation>
    </message>
    <message>
        <source>no port was chosen in the browser&apos;s list of serial ports</source>
        <translation>in der Liste serieller Schnittstellen des Browsers wurde keine Schnittstelle gewählt</translation>
    </message>
    <message>
        <source>the browser no longer lets this page use that port</source>
        <translation>der Browser lässt diese Seite die Schnittstelle nicht mehr verwenden</translation>
    </message>
    <message>
        <source>the serial port went away (was the adapter unplugged?)</source>
        <translation>die serielle Schnittstelle ist verschwunden (wurde der Adapter abgezogen?)</translation>
    </message>
</context>
<context>
    <name>TestController</name>
    <message>
        <source>Stop Test</source>
        <translation>Test stoppen</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
</context>
<context>
    <name>TimeAxisAccessible</name>
    <message>
        <source>Event %1</source>
        <translation>Schritt %1</translation>
    </message>
    <message>
        <source>, end marker</source>
        <translation>, Endmarke</translation>
    </message>
</context>
</TS>
