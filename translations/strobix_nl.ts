<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl">
<context>
    <name>AppInfo</name>
    <message>
        <source>STROBIX  -  Programmable LED Sequencer/Flasher</source>
        <translation>STROBIX  -  Programmeerbare LED-sequencer/knipperlicht</translation>
    </message>
</context>
<context>
    <name>BrowserEdition</name>
    <message>
        <source>This browser does not keep this page&apos;s data (%1).<byte value="xd"/>The port number, the zoom and the copies of unsaved work last only until the tab is closed.<byte value="xd"/>Save your sequences to files.</source>
        <translation>Deze browser bewaart de gegevens van deze pagina niet (%1).<byte value="xd"/>Het poortnummer, de zoom en de kopieën van niet-opgeslagen werk blijven alleen bewaard tot het tabblad wordt gesloten.<byte value="xd"/>Sla uw sequenties op in bestanden.</translation>
    </message>
</context>
<context>
    <name>CloseGuard</name>
    <message>
        <source>A download to STROBIX is still going on.<byte value="xd"/><byte value="xd"/>Click OK to stop it and close: STROBIX will not be programmed.<byte value="xd"/>Click Cancel to let the download finish.</source>
        <translation>Er loopt nog een overdracht naar de STROBIX.<byte value="xd"/><byte value="xd"/>Klik op OK om die te stoppen en te sluiten: de STROBIX wordt dan niet geprogrammeerd.<byte value="xd"/>Klik op Annuleren om de overdracht af te laten lopen.</translation>
    </message>
    <message>
        <source>The download was stopped: STROBIX is not programmed.<byte value="xd"/><byte value="xd"/>Download the sequence again before using the device.</source>
        <translation>De overdracht is gestopt: de STROBIX is niet geprogrammeerd.<byte value="xd"/><byte value="xd"/>Verzend de sequentie opnieuw voordat u het apparaat gebruikt.</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Black</source>
        <translation>Zwart</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rood</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Groen</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Geel</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blauw</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyaan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Wit</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Deze hulp tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>De versie van het programma tonen en afsluiten.</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as text and exit.</source>
        <translation>De sequentie van &lt;file&gt; als tekst afdrukken en afsluiten.</translation>
    </message>
    <message>
        <source>Program the device with &lt;file&gt; without opening a window; needs --port or --device.</source>
        <translation>Het apparaat met &lt;file&gt; programmeren zonder een venster te openen; vereist --port of --device.</translation>
    </message>
    <message>
        <source>Download through serial port number &lt;n&gt; (1 to 8).</source>
        <translation>Verzenden via seriële poort nummer &lt;n&gt; (1 tot 8).</translation>
    </message>
    <message>
        <source>Download to the serial device &lt;path&gt; instead of the one the port number reaches (also in the window).</source>
        <translation>Verzenden naar het seriële apparaat &lt;path&gt; in plaats van dat van het poortnummer (ook in het venster).</translation>
    </message>
    <message>
        <source>Draw the visual test of &lt;file&gt; as an animated GIF picture &lt;out.gif&gt; and exit.</source>
        <translation>De visuele test van &lt;file&gt; tekenen als geanimeerde GIF-afbeelding &lt;out.gif&gt; en afsluiten.</translation>
    </message>
    <message>
        <source>With --export-animation: the picture&apos;s width in pixels (%1 to %2). Below the window&apos;s own width only the lamps are drawn; from there on also the grid and the time axis.</source>
        <translation>Met --export-animation: de breedte van de afbeelding in pixels (%1 tot %2). Onder de breedte van het venster worden alleen de lampjes getekend; vanaf daar ook het raster en de tijdas.</translation>
    </message>
    <message>
        <source>With --export-animation: the servo stick&apos;s zone, 0 (1000-1240 us) to 3 (1750-1990 us); by default the zone in which the most LEDs light.</source>
        <translation>Met --export-animation: de zone van de servostick, 0 (1000-1240 us) tot 3 (1750-1990 us); standaard de zone waarin de meeste LED&apos;s branden.</translation>
    </message>
    <message>
        <source>With --download: do not wait for Enter after the power-up instructions.</source>
        <translation>Met --download: na de inschakelinstructies niet op Enter wachten.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt; instead of the desktop&apos;s (%1).</source>
        <translation>De taal &lt;code&gt; spreken in plaats van die van het bureaublad (%1).</translation>
    </message>
    <message>
        <source>Editor and programmer for the STROBIX LED sequencer. Without options it opens the editor window, with [file] loaded.</source>
        <translation>Editor en programmeur voor de STROBIX LED-sequencer. Zonder opties opent hij het editorvenster, met [file] geladen.</translation>
    </message>
    <message>
        <source>--port goes with --download (the window takes its port from Settings).</source>
        <translation>--port hoort bij --download (het venster neemt de poort uit de Instellingen).</translation>
    </message>
    <message>
        <source>--yes goes with --download.</source>
        <translation>--yes hoort bij --download.</translation>
    </message>
    <message>
        <source>--device does not go with --print.</source>
        <translation>--device past niet bij --print.</translation>
    </message>
    <message>
        <source>--size and --stick go with --export-animation.</source>
        <translation>--size en --stick horen bij --export-animation.</translation>
    </message>
    <message>
        <source>--device does not go with --export-animation.</source>
        <translation>--device past niet bij --export-animation.</translation>
    </message>
    <message>
        <source>--export-animation needs the picture to write (one name).</source>
        <translation>--export-animation vereist de te schrijven afbeelding (één naam).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Onverwacht argument: %1</translation>
    </message>
    <message>
        <source>Only one file can be opened: %1</source>
        <translation>Er kan maar één bestand worden geopend: %1</translation>
    </message>
    <message>
        <source>--download needs either --port or --device (not both).</source>
        <translation>--download vereist --port of --device (niet allebei).</translation>
    </message>
    <message>
        <source>--device needs a path.</source>
        <translation>--device vereist een pad.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--port neemt een getal van 1 tot %1, niet &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 neemt een getal van %2 tot %3, niet &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &apos;%2&apos;.</source>
        <translation>--language neemt een van %1, niet &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2
Probeer &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as a link (#seq=...) and exit.</source>
        <translation>De sequentie van &lt;file&gt; als link (#seq=...) afdrukken en afsluiten.</translation>
    </message>
    <message>
        <source>With --print-link: the address of the browser edition, to print the whole link.</source>
        <translation>Met --print-link: het adres van de browserversie, om de hele link af te drukken.</translation>
    </message>
    <message>
        <source>A sequence data file (*.dat) to open, or a link to a sequence (https://.../#seq=... or #seq=...), opened as a new, unsaved one.</source>
        <translation>Een sequentiebestand (*.dat) om te openen, of een link naar een sequentie (https://.../#seq=... of #seq=...), die als nieuwe, niet-opgeslagen sequentie wordt geopend.</translation>
    </message>
    <message>
        <source>--device does not go with --print-link.</source>
        <translation>--device past niet bij --print-link.</translation>
    </message>
    <message>
        <source>--link-base goes with --print-link.</source>
        <translation>--link-base hoort bij --print-link.</translation>
    </message>
    <message>
        <source>--link-base needs an address.</source>
        <translation>--link-base vereist een adres.</translation>
    </message>
    <message>
        <source>--print, --print-link, --download and --export-animation do not go together.</source>
        <translation>--print, --print-link, --download en --export-animation gaan niet samen.</translation>
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
Voorbeelden:
  %1 show.dat                               show.dat openen in de editor
  %1 --print show.dat                       als raster afdrukken
  %1 --print-link show.dat                  als link afdrukken (#seq=...)
  %1 &apos;#seq=...&apos;                             zo&apos;n link openen in de editor
  %1 --download show.dat --port 1           het apparaat op poort 1 programmeren
  %1 --download show.dat --device /dev/pts/3 --yes
  %1 --export-animation show.dat show.gif  de visuele test als GIF tekenen

Afsluitcode van --print, --print-link, --download en --export-animation:
  %2  gelukt
  %3  verkeerd gebruik (onbekende optie, ontbrekend argument, --port met --device, ...)
  %4  het gegevensbestand is onleesbaar of geen geldig sequentiebestand; er is niets verzonden
  %5  de seriële poort kan niet worden geopend (geen apparaat, bezet, geen toestemming)
  %6  de verbinding viel weg tijdens het verzenden (de melding noemt het record)
  %7  geannuleerd: nee of einde van de invoer bij de inschakelvraag, Ctrl+C of SIGTERM
  %8  de afbeelding kan niet worden geschreven (geen map, geen toestemming, schijf vol); er blijft niets achter
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
        <translation>Kan %1 niet lezen
%2
%3
</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Er is niets afgedrukt.</translation>
    </message>
    <message>
        <source>Warning: %1 of the pictures last less than %2 ms (the shortest %3 ms). GIF viewers show them longer, so the picture plays slower than the test.
</source>
        <translation>Waarschuwing: %1 van de beelden duren korter dan %2 ms (het kortste %3 ms). GIF-viewers tonen ze langer, dus de afbeelding loopt trager dan de test.
</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Er is niets geschreven.</translation>
    </message>
    <message>
        <source>Cannot write %1
%2
Nothing was written.
</source>
        <translation>Kan %1 niet schrijven
%2
Er is niets geschreven.
</translation>
    </message>
    <message>
        <source>No link was printed.</source>
        <translation>Er is geen link afgedrukt.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Examples</source>
        <translation>Voorbeelden</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <source>none present</source>
        <translation>niet aanwezig</translation>
    </message>
</context>
<context>
    <name>DownloadMessages</name>
    <message>
        <source>Plug in the USB-serial adapter of the programming cable, or choose another port in Settings.</source>
        <translation>Sluit de USB-serieeladapter van de programmeerkabel aan, of kies een andere poort in Instellingen.</translation>
    </message>
    <message>
        <source>Your user account may not use serial ports. Add it to the &apos;dialout&apos; group (sudo usermod -a -G dialout $USER), then log out and back in.</source>
        <translation>Uw gebruikersaccount mag geen seriële poorten gebruiken. Voeg het toe aan de groep &apos;dialout&apos; (sudo usermod -a -G dialout $USER), meld u daarna af en weer aan.</translation>
    </message>
    <message>
        <source>Your user account may not use this port. Ask the computer&apos;s administrator for access to it.</source>
        <translation>Uw gebruikersaccount mag deze poort niet gebruiken. Vraag de beheerder van de computer om toegang.</translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port in Settings.</source>
        <translation>Een ander programma gebruikt deze poort. Sluit dat programma, of kies een andere poort in Instellingen.</translation>
    </message>
    <message>
        <source>The port cannot be set to 2400 baud, 8 data bits, no parity, 1 stop bit. Choose another port in Settings.</source>
        <translation>De poort kan niet worden ingesteld op 2400 baud, 8 databits, geen pariteit, 1 stopbit. Kies een andere poort in Instellingen.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>%1 is the computer&apos;s built-in serial port. If the programming cable uses a USB-serial adapter, plug it in (it appears as %2ttyUSBn; adapters are numbered before the built-in ports), or choose the right port in Settings.</source>
        <translation><byte value="xd"/><byte value="xd"/>%1 is de ingebouwde seriële poort van de computer. Gebruikt de programmeerkabel een USB-serieeladapter, sluit die dan aan (hij verschijnt als %2ttyUSBn; adapters krijgen een nummer vóór de ingebouwde poorten), of kies de juiste poort in Instellingen.</translation>
    </message>
    <message>
        <source>serial device %1</source>
        <extracomment>Also starts a sentence, with its first letter in capitals</extracomment>
        <translation>het seriële apparaat %1</translation>
    </message>
    <message>
        <source>serial port %1 (%2)</source>
        <translation>de seriële poort %1 (%2)</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Nothing was sent to the device.</source>
        <translation><byte value="xd"/><byte value="xd"/>Er is niets naar het apparaat verzonden.</translation>
    </message>
    <message>
        <source>Download to STROBIX  -  Programmable LED Sequencer/Flasher...</source>
        <translation>Verzenden naar STROBIX  -  Programmeerbare LED-sequencer/knipperlicht...</translation>
    </message>
    <message>
        <source><byte value="xd"/> 1) Cycle power/Connect Strobix to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Strobix...</source>
        <translation><byte value="xd"/> 1) Zet de Strobix uit en aan / sluit hem aan op de programmeerkabel (alle LED&apos;s knipperen), dan<byte value="xd"/><byte value="xd"/> 2)  Wacht tot alle LED&apos;s aangaan en aan blijven, dan<byte value="xd"/><byte value="xd"/> 3)  Druk met alle LED&apos;s aan op &apos;OK&apos; om naar de Strobix te verzenden...</translation>
    </message>
    <message>
        <source>Serial port %1 reaches no device (%2).<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>Seriële poort %1 bereikt geen apparaat (%2).<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>%1 could not be opened:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>%1 kon niet worden geopend:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>the start marker</source>
        <translation>de startmarkering</translation>
    </message>
    <message>
        <source>record %1 of %2</source>
        <translation>record %1 van %2</translation>
    </message>
    <message>
        <source>The download stopped at %1 on %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Check the programming cable and its adapter, then download again.</source>
        <translation>De overdracht stopte bij %1 op %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Het apparaat is niet volledig geprogrammeerd. Controleer de programmeerkabel en de adapter, en verzend dan opnieuw.</translation>
    </message>
    <message>
        <source>The download to %1 was cancelled after %2 of %3 records; the port is closed.<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Download again.</source>
        <translation>De overdracht naar %1 is geannuleerd na %2 van %3 records; de poort is gesloten.<byte value="xd"/><byte value="xd"/>Het apparaat is niet volledig geprogrammeerd. Verzend opnieuw.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Open STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>STROBIX-gegevensbestand openen (programmeerbare LED-sequencer/knipperlicht)</translation>
    </message>
    <message>
        <source>Save STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>STROBIX-gegevensbestand opslaan (programmeerbare LED-sequencer/knipperlicht)</translation>
    </message>
    <message>
        <source>Merge STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>STROBIX-gegevensbestand samenvoegen (programmeerbare LED-sequencer/knipperlicht)</translation>
    </message>
    <message>
        <source>Data Files (*.DAT);;All Files (*.*)</source>
        <translation>Gegevensbestanden (*.DAT);;Alle bestanden (*.*)</translation>
    </message>
    <message>
        <source>Replace existing file - %1?</source>
        <translation>Bestaand bestand vervangen - %1?</translation>
    </message>
    <message>
        <source>Cannot read %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Kan %1 niet lezen<byte value="xd"/>%2<byte value="xd"/>Er is niets veranderd.</translation>
    </message>
    <message>
        <source>The sequence was not saved; an existing file of that name was left as it was.</source>
        <translation>De sequentie is niet opgeslagen; een bestaand bestand met die naam is gebleven zoals het was.</translation>
    </message>
    <message>
        <source>The sequence was not saved.</source>
        <translation>De sequentie is niet opgeslagen.</translation>
    </message>
    <message>
        <source>Cannot save %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>Kan %1 niet opslaan<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Cannot open the link %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Kan de link %1 niet openen<byte value="xd"/>%2<byte value="xd"/>Er is niets veranderd.</translation>
    </message>
</context>
<context>
    <name>GridAccessible</name>
    <message>
        <source>LED#%1, event %2, %3</source>
        <extracomment>A cell of the grid as a screen reader names it; %3 is on or off</extracomment>
        <translation>LED#%1, stap %2, %3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>aan</translation>
    </message>
    <message>
        <source>off</source>
        <translation>uit</translation>
    </message>
</context>
<context>
    <name>HeadlessDownload</name>
    <message>
        <source><byte value="xd"/>[%1%2] record %3 of %4</source>
        <translation><byte value="xd"/>[%1%2] record %3 van %4</translation>
    </message>
    <message>
        <source>Nothing was sent to the device.</source>
        <translation>Er is niets naar het apparaat verzonden.</translation>
    </message>
    <message>
        <source>Press Enter to download to %1 (n and Enter, or Ctrl+C, cancels)... </source>
        <extracomment>The answer that cancels starts with n in every language</extracomment>
        <translation>Druk op Enter om naar %1 te verzenden (n en Enter, of Ctrl+C, annuleert)... </translation>
    </message>
    <message>
        <source>Cancelled. Nothing was sent to the device.
</source>
        <translation>Geannuleerd. Er is niets naar het apparaat verzonden.
</translation>
    </message>
    <message>
        <source>Sending to %1...
</source>
        <translation>Verzenden naar %1...
</translation>
    </message>
    <message>
        <source>Done: %1 records sent to %2.
</source>
        <translation>Klaar: %1 records verzonden naar %2.
</translation>
    </message>
</context>
<context>
    <name>LastingStorage</name>
    <message>
        <source>Strobix is already open in another tab of this browser</source>
        <translation>Strobix is al geopend in een ander tabblad van deze browser</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sequence grid</source>
        <translation>Sequentieraster</translation>
    </message>
    <message>
        <source>Four LEDs by 50 events; each cell is on or off. Arrows move, Space toggles, Shift+arrow paints.</source>
        <translation>Vier LED&apos;s bij 50 stappen; elke cel is aan of uit. Pijlen verplaatsen, Spatie wisselt, Shift+pijl tekent.</translation>
    </message>
    <message>
        <source>Time axis</source>
        <translation>Tijdas</translation>
    </message>
    <message>
        <source>Event numbers; the red one is the last event. Left and Right move, Enter or Space moves the end marker to the focused event.</source>
        <translation>Stapnummers; het rode is de laatste stap. Links en Rechts verplaatsen, Enter of Spatie zet de eindmarkering op de gekozen stap.</translation>
    </message>
    <message>
        <source>Click here to change color of %1</source>
        <translation>Klik hier om de kleur van %1 te wijzigen</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>Kleur van %1</translation>
    </message>
    <message>
        <source>Opens the colour list for %1 (Enter or Space)</source>
        <translation>Opent de kleurenlijst van %1 (Enter of Spatie)</translation>
    </message>
    <message>
        <source>%1 lamp</source>
        <translation>Lampje van %1</translation>
    </message>
    <message>
        <source>Shows %1 during the visual test</source>
        <translation>Toont %1 tijdens de visuele test</translation>
    </message>
    <message>
        <source>Click here to change %1 flash pattern</source>
        <translation>Klik hier om het knipperpatroon van %1 te wijzigen</translation>
    </message>
    <message>
        <source>%1 row options</source>
        <translation>Rijopties van %1</translation>
    </message>
    <message>
        <source>Opens the list of operations on the %1 row</source>
        <translation>Opent de lijst met bewerkingen op de rij van %1</translation>
    </message>
    <message>
        <source>Change how %1 will repond to R/C servo signal</source>
        <translation>Wijzig hoe %1 reageert op het R/C-servosignaal</translation>
    </message>
    <message>
        <source>%1 servo control</source>
        <translation>Servobesturing van %1</translation>
    </message>
    <message>
        <source>How %1 responds to the R/C servo signal</source>
        <translation>Hoe %1 reageert op het R/C-servosignaal</translation>
    </message>
    <message>
        <source>Servo Control</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Heading of the servo-control lists</source>
        <translation>Kop van de servobesturingslijsten</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>Click here to open and load a  LED sequence...</source>
        <translation>Klik hier om een LED-sequentie te openen en te laden...</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Click here to Start/Stop the visual test of the LED sequence...</source>
        <translation>Klik hier om de visuele test van de LED-sequentie te starten/stoppen...</translation>
    </message>
    <message>
        <source>&amp;DOWNLOAD</source>
        <translation>&amp;VERZENDEN</translation>
    </message>
    <message>
        <source>Click here to Download data to Strobix Sequencer/Flasher...</source>
        <translation>Klik hier om de gegevens naar de Strobix-sequencer/knipperlicht te verzenden...</translation>
    </message>
    <message>
        <source>&amp;Save File...</source>
        <translation>Op&amp;slaan...</translation>
    </message>
    <message>
        <source>Click here to save the current LED sequence...</source>
        <translation>Klik hier om de huidige LED-sequentie op te slaan...</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Instellingen...</translation>
    </message>
    <message>
        <source>Click here to change Software/Strobix Settings...</source>
        <translation>Klik hier om de instellingen van de software en de Strobix te wijzigen...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Afsluiten</translation>
    </message>
    <message>
        <source>Exit software...</source>
        <translation>Software afsluiten...</translation>
    </message>
    <message>
        <source>Servo Pulsewidth =</source>
        <translation>Servopuls =</translation>
    </message>
    <message>
        <source>The servo pulse width the stick sets</source>
        <translation>De servopulsbreedte die de stick instelt</translation>
    </message>
    <message>
        <source>Servo pulse width</source>
        <translation>Servopulsbreedte</translation>
    </message>
    <message>
        <source>Pulse width in microseconds</source>
        <translation>Pulsbreedte in microseconden</translation>
    </message>
    <message>
        <source>microseconds</source>
        <translation>microseconden</translation>
    </message>
    <message>
        <source>Unit of the servo pulse width</source>
        <translation>Eenheid van de servopulsbreedte</translation>
    </message>
    <message>
        <source>Servo stick</source>
        <translation>Servostick</translation>
    </message>
    <message>
        <source>Simulated R/C servo stick; Left and Right move it</source>
        <translation>Gesimuleerde R/C-servostick; Links en Rechts bewegen hem</translation>
    </message>
    <message>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation>(Muis of pijltjes links/rechts om de servostand te wijzigen)</translation>
    </message>
    <message>
        <source>Use the Mouse or Left + Right Arrow key to change servo position...</source>
        <translation>Gebruik de muis of de pijltjes links/rechts om de servostand te wijzigen...</translation>
    </message>
    <message>
        <source>Downloading to STROBIX ...</source>
        <translation>Verzenden naar STROBIX ...</translation>
    </message>
    <message>
        <source>Downloading data to the Strobix...</source>
        <translation>Gegevens worden naar de Strobix verzonden...</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Voortgang van de overdracht</translation>
    </message>
    <message>
        <source>Records sent to the sequencer</source>
        <translation>Records verzonden naar de sequencer</translation>
    </message>
    <message>
        <source> Up and Down move, Enter picks, Escape closes.</source>
        <translation> Omhoog en Omlaag verplaatsen, Enter kiest, Esc sluit.</translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation>Kleurenlijst</translation>
    </message>
    <message>
        <source>Display colour of the LED.</source>
        <translation>Weergavekleur van de LED.</translation>
    </message>
    <message>
        <source>Row options</source>
        <translation>Rijopties</translation>
    </message>
    <message>
        <source>Operations on the LED&apos;s row.</source>
        <translation>Bewerkingen op de rij van de LED.</translation>
    </message>
    <message>
        <source>Copy row list</source>
        <translation>Lijst van rijen om te kopiëren</translation>
    </message>
    <message>
        <source>The other LED&apos;s row to copy.</source>
        <translation>De rij van de andere LED om te kopiëren.</translation>
    </message>
    <message>
        <source>&amp;New/Clear</source>
        <translation>&amp;Nieuw/Wissen</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Openen...</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>Samen&amp;voegen...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>Op&amp;slaan...</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Verzenden</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Instellingen</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>&amp;Users&apos; Manual...</source>
        <translation>&amp;Gebruikershandleiding...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Ongedaan maken</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Opnieuw</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alles wissen</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Alles aan</translation>
    </message>
    <message>
        <source>Toggle All</source>
        <translation>Alles omkeren</translation>
    </message>
    <message>
        <source>Copy from...</source>
        <translation>Kopie van...</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Kopie naar...</translation>
    </message>
    <message>
        <source>Skip 1...</source>
        <translation>Sla 1 over...</translation>
    </message>
    <message>
        <source>Skip 2...</source>
        <translation>Sla 2 over...</translation>
    </message>
    <message>
        <source>Skip 3...</source>
        <translation>Sla 3 over...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleer</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>The serial port did not finish sending within %1 seconds.</source>
        <translation>De seriële poort was niet binnen %1 seconden klaar met verzenden.</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>De seriële poort is niet open.</translation>
    </message>
</context>
<context>
    <name>PortLocator</name>
    <message>
        <source>none present
%1</source>
        <extracomment>%1 which ports the computer has</extracomment>
        <translation>niet aanwezig
%1</translation>
    </message>
    <message>
        <source>this computer has no serial port</source>
        <translation>deze computer heeft geen seriële poort</translation>
    </message>
    <message>
        <source>this computer has 1 serial port: %1</source>
        <translation>deze computer heeft 1 seriële poort: %1</translation>
    </message>
    <message>
        <source>this computer has %1 serial ports: %2</source>
        <translation>deze computer heeft %1 seriële poorten: %2</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>geen apparaat</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>a sequence not saved yet</source>
        <translation>een nog niet opgeslagen sequentie</translation>
    </message>
    <message>
        <source>Strobix was not closed normally. Unsaved work was kept from %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Yes restores it in this window; it stays unsaved until you save it.<byte value="xd"/>No discards it for good.<byte value="xd"/>Cancel keeps it for later: Strobix asks again at the next start.</source>
        <extracomment>%1 when the copy was written, %2 the file name or &quot;a sequence not saved yet&quot;</extracomment>
        <translation>Strobix is niet normaal afgesloten. Niet-opgeslagen werk van %1 is bewaard:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Ja herstelt het in dit venster; het blijft niet-opgeslagen tot u het opslaat.<byte value="xd"/>Nee gooit het definitief weg.<byte value="xd"/>Annuleren bewaart het voor later: Strobix vraagt het bij de volgende start opnieuw.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved work cannot be read:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>It was put aside as<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix starts without it. If it still holds a sequence, open it with Open; otherwise delete it.</source>
        <translation>Een herstelkopie van niet-opgeslagen werk kan niet worden gelezen:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Hij is opzijgezet als<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix start zonder. Bevat hij nog een sequentie, open hem dan met Openen; verwijder hem anders.</translation>
    </message>
    <message>
        <source>Strobix cannot keep a recovery copy of your unsaved work in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>It goes on working without one until it is started again: save your work often. To have recovery copies again, free some disk space or make that folder writable.</source>
        <translation>Strobix kan geen herstelkopie van uw niet-opgeslagen werk bewaren in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Het werkt zonder verder tot het opnieuw wordt gestart: sla uw werk vaak op. Om weer herstelkopieën te hebben, maakt u schijfruimte vrij of maakt u die map beschrijfbaar.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of another window was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers it now.</source>
        <translation><byte value="xd"/><byte value="xd"/>Ook niet-opgeslagen werk van een ander venster is bewaard. Na Ja wacht het op de volgende start; na Nee of Annuleren biedt Strobix het nu aan.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of %1 other windows was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers the next one now.</source>
        <translation><byte value="xd"/><byte value="xd"/>Ook niet-opgeslagen werk van %1 andere vensters is bewaard. Na Ja wacht het op de volgende start; na Nee of Annuleren biedt Strobix nu het volgende aan.</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 is een bestand, geen map.</translation>
    </message>
    <message>
        <source>the system gave no reason.</source>
        <translation>het systeem gaf geen reden.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>De map %1 kan niet worden gemaakt: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be made: %2</source>
        <translation>Het bestand %1 kan niet worden gemaakt: %2</translation>
    </message>
    <message>
        <source>It was written by a newer version of Strobix.</source>
        <translation>Hij is geschreven door een nieuwere versie van Strobix.</translation>
    </message>
    <message>
        <source>Its two files do not belong together (damaged or cut short).</source>
        <translation>De twee bestanden horen niet bij elkaar (beschadigd of afgekapt).</translation>
    </message>
    <message>
        <source>Its file %1 cannot be read: %2</source>
        <translation>Het bestand %1 kan niet worden gelezen: %2</translation>
    </message>
    <message>
        <source>Its file %1 is missing.</source>
        <translation>Het bestand %1 ontbreekt.</translation>
    </message>
    <message>
        <source>Its file %1 is far too big to be part of a recovery copy.</source>
        <translation>Het bestand %1 is veel te groot om bij een herstelkopie te horen.</translation>
    </message>
</context>
<context>
    <name>SequenceDocument</name>
    <message>
        <source>Switch a cell of %1</source>
        <translation>Een cel van %1 wisselen</translation>
    </message>
    <message>
        <source>Paint cells</source>
        <translation>Cellen tekenen</translation>
    </message>
    <message>
        <source>Row options of %1</source>
        <translation>Rijopties van %1</translation>
    </message>
    <message>
        <source>New/Clear</source>
        <translation>Nieuw/Wissen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Openen</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Samenvoegen</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Link openen</translation>
    </message>
</context>
<context>
    <name>SequenceEdits</name>
    <message>
        <source>Colour</source>
        <translation>Kleur</translation>
    </message>
    <message>
        <source>Servo control</source>
        <translation>Servobesturing</translation>
    </message>
    <message>
        <source>End marker</source>
        <translation>Eindmarkering</translation>
    </message>
</context>
<context>
    <name>SequenceFileReader</name>
    <message>
        <source> (%1 to %2)</source>
        <translation> (%1 tot %2)</translation>
    </message>
    <message>
        <source>the value of event %1</source>
        <translation>de waarde van stap %1</translation>
    </message>
    <message>
        <source>the colour of LED#%1</source>
        <translation>de kleur van LED#%1</translation>
    </message>
    <message>
        <source>spare colour entry %1</source>
        <translation>vrije kleurwaarde %1</translation>
    </message>
    <message>
        <source>the servo-control choice of LED#%1</source>
        <translation>de servobesturing van LED#%1</translation>
    </message>
    <message>
        <source>the sequencer speed</source>
        <translation>de snelheid van de sequencer</translation>
    </message>
    <message>
        <source>the test speed</source>
        <translation>de testsnelheid</translation>
    </message>
    <message>
        <source>Line %1: expected value %2 of %3, %4, found %5.</source>
        <extracomment>%1 line, %2 value number, %3 count of values, %4 what the value is, %5 what was there</extracomment>
        <translation>Regel %1: waarde %2 van %3 verwacht, %4, gevonden: %5.</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>het einde van het bestand</translation>
    </message>
    <message>
        <source>a text without its closing double quote</source>
        <translation>een tekst zonder afsluitend aanhalingsteken</translation>
    </message>
    <message>
        <source> followed by other text</source>
        <translation> gevolgd door andere tekst</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niets</translation>
    </message>
    <message>
        <source>This is not a regular file (it is a folder, a device or a pipe) and cannot hold sequence data.</source>
        <translation>Dit is geen gewoon bestand (het is een map, een apparaat of een pipe) en kan geen sequentiegegevens bevatten.</translation>
    </message>
    <message>
        <source>the last event (%1 to %2 for events 1 to 50)</source>
        <extracomment>the file holds 0 for event 1 ... 49 for event 50</extracomment>
        <translation>de laatste stap (%1 tot %2 voor de stappen 1 tot 50)</translation>
    </message>
    <message>
        <source>A sequence data file has its 65 values within its first %1 KB; this file does not, so it is not a sequence data file.</source>
        <translation>Een sequentiebestand heeft zijn 65 waarden in de eerste %1 KB; dit bestand niet, dus het is geen sequentiebestand.</translation>
    </message>
</context>
<context>
    <name>SequenceGrid</name>
    <message>
        <source>Click a cell to switch it on or off, or drag to paint.
Keys: arrows move, Space switches, Shift+arrows paint, Home/End go to the row&apos;s ends.
Ctrl+Z undoes, Ctrl+Shift+Z or Ctrl+Y redoes.</source>
        <translation>Klik op een cel om hem aan of uit te zetten, of sleep om te tekenen.
Toetsen: pijlen verplaatsen, Spatie wisselt, Shift+pijlen tekenen, Home/End gaan naar de uiteinden van de rij.
Ctrl+Z maakt ongedaan, Ctrl+Shift+Z of Ctrl+Y doet opnieuw.</translation>
    </message>
</context>
<context>
    <name>SequenceLink</name>
    <message>
        <source>The link is damaged: it is too short or too long, as if cut off or run together with other text.</source>
        <translation>De link is beschadigd: hij is te kort of te lang, alsof hij is afgekapt of aan andere tekst vastzit.</translation>
    </message>
    <message>
        <source>The link is damaged: it holds bits that no version of Strobix writes.</source>
        <translation>De link is beschadigd: hij bevat bits die geen enkele versie van Strobix schrijft.</translation>
    </message>
    <message>
        <source>The link is damaged: %1 is %2.</source>
        <translation>De link is beschadigd: %1 is %2.</translation>
    </message>
    <message>
        <source>This is not a link to a sequence: it has no &quot;#seq=&quot; part.</source>
        <translation>Dit is geen link naar een sequentie: het deel &quot;#seq=&quot; ontbreekt.</translation>
    </message>
    <message>
        <source>The link is damaged: &quot;%1&quot; cannot be part of it.</source>
        <translation>De link is beschadigd: &quot;%1&quot; kan er niet in voorkomen.</translation>
    </message>
    <message>
        <source>The link is damaged: its check characters do not match the rest, so something in it was changed.</source>
        <translation>De link is beschadigd: de controletekens passen niet bij de rest, dus er is iets in veranderd.</translation>
    </message>
    <message>
        <source>The link was made by a newer version of Strobix (link format %1; this version reads format %2). Open it with a newer version.</source>
        <translation>De link is gemaakt door een nieuwere versie van Strobix (linkformaat %1; deze versie leest formaat %2). Open hem met een nieuwere versie.</translation>
    </message>
    <message>
        <source>The link is damaged: it names no format of Strobix&apos;s links.</source>
        <translation>De link is beschadigd: hij noemt geen formaat van Strobix-links.</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>The serial port is not open.</source>
        <translation>De seriële poort is niet open.</translation>
    </message>
    <message>
        <source>The serial port&apos;s output queue could not be read: %1</source>
        <translation>De uitvoerwachtrij van de seriële poort kon niet worden gelezen: %1</translation>
    </message>
</context>
<context>
    <name>ServoControl</name>
    <message>
        <source>OFF</source>
        <translation>UIT</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>GEEN</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>The serial port setting could not be saved to<byte value="xd"/></source>
        <translation>De instelling van de seriële poort kon niet worden opgeslagen in<byte value="xd"/></translation>
    </message>
    <message>
        <source>The new settings are used until the program ends.</source>
        <translation>De nieuwe instellingen gelden tot het programma stopt.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source> Settings...</source>
        <translation> Instellingen...</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Software-instellingen</translation>
    </message>
    <message>
        <source>Communication Port# (RS-232)</source>
        <translation>Communicatiepoort (RS-232)</translation>
    </message>
    <message>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation>(Hier zit de programmeerkabel, 9-polig)</translation>
    </message>
    <message>
        <source>LED Test Speed (ms)</source>
        <translation>LED-testsnelheid (ms)</translation>
    </message>
    <message>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation>(Stem de testsnelheid af op de sequencer)</translation>
    </message>
    <message>
        <source>Strobix Settings</source>
        <translation>Strobix-instellingen</translation>
    </message>
    <message>
        <source>Sequencer Delay (ms)</source>
        <translation>Sequencerpauze (ms)</translation>
    </message>
    <message>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation>(Pauze tussen elk van de 50 stappen )</translation>
    </message>
    <message>
        <source>Use Pull-downs for changing all settings!</source>
        <translation>Wijzig alle instellingen via de lijsten!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Communicatiepoort</translation>
    </message>
    <message>
        <source>Serial port number the programming cable is connected to</source>
        <translation>Nummer van de seriële poort waarop de programmeerkabel is aangesloten</translation>
    </message>
    <message>
        <source>LED test speed (ms)</source>
        <translation>LED-testsnelheid (ms)</translation>
    </message>
    <message>
        <source>Step time of the visual test, to match the sequencer</source>
        <translation>Staptijd van de visuele test, afgestemd op de sequencer</translation>
    </message>
    <message>
        <source>Sequencer delay (ms)</source>
        <translation>Sequencerpauze (ms)</translation>
    </message>
    <message>
        <source>Delay between each of the 50 events on the sequencer</source>
        <translation>Pauze tussen elk van de 50 stappen op de sequencer</translation>
    </message>
    <message>
        <source>Uses these settings and remembers the port</source>
        <translation>Neemt deze instellingen over en onthoudt de poort</translation>
    </message>
    <message>
        <source>Closes without changing the settings</source>
        <translation>Sluit zonder de instellingen te wijzigen</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>OK to Really Exit ?</source>
        <translation>Echt afsluiten ?</translation>
    </message>
    <message>
        <source>(Be sure you have saved your files)</source>
        <translation>(Hebt u uw bestanden opgeslagen?)</translation>
    </message>
    <message>
        <source>Programmable LED Sequencer/Flasher  - Rev3</source>
        <translation>Programmeerbare LED-sequencer/knipperlicht  - Rev3</translation>
    </message>
    <message>
        <source>By:  Tessmer</source>
        <translation>Door:  Tessmer</translation>
    </message>
    <message>
        <source>Feb 2008</source>
        <translation>Feb. 2008</translation>
    </message>
    <message>
        <source> Users&apos; Manual</source>
        <translation> Gebruikershandleiding</translation>
    </message>
    <message>
        <source><byte value="xd"/> Click OK to view the Strobix Users&apos; Manual on the %1 webpage...</source>
        <extracomment>%1 the name of the manual&apos;s web page, left in English</extracomment>
        <translation><byte value="xd"/> Klik op OK om de Strobix-gebruikershandleiding op de webpagina %1 te bekijken...</translation>
    </message>
    <message>
        <source>No web browser could be started. Open that file in a web browser,<byte value="xd"/> or install xdg-utils so the desktop knows how to show it.</source>
        <translation>Er kon geen webbrowser worden gestart. Open dat bestand in een webbrowser,<byte value="xd"/> of installeer xdg-utils zodat het bureaublad weet hoe het te tonen.</translation>
    </message>
    <message>
        <source>The file is missing. Reinstall Strobix to restore it.</source>
        <translation>Het bestand ontbreekt. Installeer Strobix opnieuw om het te herstellen.</translation>
    </message>
    <message>
        <source><byte value="xd"/> The Users&apos; Manual could not be opened:<byte value="xd"/><byte value="xd"/> </source>
        <translation><byte value="xd"/> De gebruikershandleiding kon niet worden geopend:<byte value="xd"/><byte value="xd"/> </translation>
    </message>
</context>
<context>
    <name>SystemSerialPort</name>
    <message>
        <source>The serial port took only %1 of %2 bytes in %3 seconds.</source>
        <translation>De seriële poort nam maar %1 van %2 bytes aan in %3 seconden.</translation>
    </message>
    <message>
        <source>browsers let only pages from https:// addresses or from this computer use serial ports, and this page has neither</source>
        <translation>browsers laten alleen pagina&apos;s van https://-adressen of van deze computer seriële poorten gebruiken, en deze pagina is geen van beide</translation>
    </message>
    <message>
        <source>this browser has no Web Serial; Chrome and Edge have it, Firefox and Safari do not (Save still works in every browser)</source>
        <translation>deze browser heeft geen Web Serial; Chrome en Edge hebben het wel, Firefox en Safari niet (Opslaan werkt nog steeds in elke browser)</translation>
    </message>
    <message>
        <source>no port was chosen in the browser&apos;s list of serial ports</source>
        <translation>er is geen poort gekozen in de lijst met seriële poorten van de browser</translation>
    </message>
    <message>
        <source>the browser no longer lets this page use that port</source>
        <translation>de browser laat deze pagina die poort niet meer gebruiken</translation>
    </message>
    <message>
        <source>the serial port went away (was the adapter unplugged?)</source>
        <translation>de seriële poort is verdwenen (is de adapter losgekoppeld?)</translation>
    </message>
</context>
<context>
    <name>TestController</name>
    <message>
        <source>Stop Test</source>
        <translation>Stop test</translation>
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
        <translation>Stap %1</translation>
    </message>
    <message>
        <source>, end marker</source>
        <translation>, eindmarkering</translation>
    </message>
</context>
</TS>
