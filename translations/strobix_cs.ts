<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs">
<context>
    <name>AppInfo</name>
    <message>
        <source>STROBIX  -  Programmable LED Sequencer/Flasher</source>
        <translation>STROBIX  -  Programovatelný sekvencér/blikač LED</translation>
    </message>
</context>
<context>
    <name>BrowserEdition</name>
    <message>
        <source>This browser does not keep this page&apos;s data (%1).<byte value="xd"/>The port number, the zoom and the copies of unsaved work last only until the tab is closed.<byte value="xd"/>Save your sequences to files.</source>
        <translation>Tento prohlížeč neuchovává data této stránky (%1).<byte value="xd"/>Číslo portu, přiblížení a kopie neuložené práce vydrží jen do zavření karty.<byte value="xd"/>Ukládejte své sekvence do souborů.</translation>
    </message>
</context>
<context>
    <name>CloseGuard</name>
    <message>
        <source>A download to STROBIX is still going on.<byte value="xd"/><byte value="xd"/>Click OK to stop it and close: STROBIX will not be programmed.<byte value="xd"/>Click Cancel to let the download finish.</source>
        <translation>Odesílání do STROBIXu stále probíhá.<byte value="xd"/><byte value="xd"/>Klepněte na OK, chcete-li je zastavit a zavřít: STROBIX nebude naprogramován.<byte value="xd"/>Klepněte na Zrušit, chcete-li odesílání nechat dokončit.</translation>
    </message>
    <message>
        <source>The download was stopped: STROBIX is not programmed.<byte value="xd"/><byte value="xd"/>Download the sequence again before using the device.</source>
        <translation>Odesílání bylo zastaveno: STROBIX není naprogramován.<byte value="xd"/><byte value="xd"/>Před použitím zařízení odešlete sekvenci znovu.</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Black</source>
        <translation>Černá</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Červená</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zelená</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Žlutá</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Modrá</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Purpurová</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Azurová</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bílá</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Zobrazit tuto nápovědu a skončit.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Zobrazit verzi programu a skončit.</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as text and exit.</source>
        <translation>Vypsat sekvenci ze souboru &lt;file&gt; jako text a skončit.</translation>
    </message>
    <message>
        <source>Program the device with &lt;file&gt; without opening a window; needs --port or --device.</source>
        <translation>Naprogramovat zařízení souborem &lt;file&gt; bez otevření okna; vyžaduje --port nebo --device.</translation>
    </message>
    <message>
        <source>Download through serial port number &lt;n&gt; (1 to 8).</source>
        <translation>Odeslat přes sériový port číslo &lt;n&gt; (1 až 8).</translation>
    </message>
    <message>
        <source>Download to the serial device &lt;path&gt; instead of the one the port number reaches (also in the window).</source>
        <translation>Odeslat do sériového zařízení &lt;path&gt; místo toho, kam vede číslo portu (i v okně).</translation>
    </message>
    <message>
        <source>Draw the visual test of &lt;file&gt; as an animated GIF picture &lt;out.gif&gt; and exit.</source>
        <translation>Nakreslit vizuální test ze souboru &lt;file&gt; jako animovaný obrázek GIF &lt;out.gif&gt; a skončit.</translation>
    </message>
    <message>
        <source>With --export-animation: the picture&apos;s width in pixels (%1 to %2). Below the window&apos;s own width only the lamps are drawn; from there on also the grid and the time axis.</source>
        <translation>S --export-animation: šířka obrázku v pixelech (%1 až %2). Pod šířkou okna se kreslí jen kontrolky; od ní výš i mřížka a časová osa.</translation>
    </message>
    <message>
        <source>With --export-animation: the servo stick&apos;s zone, 0 (1000-1240 us) to 3 (1750-1990 us); by default the zone in which the most LEDs light.</source>
        <translation>S --export-animation: pásmo páky serva, 0 (1000-1240 us) až 3 (1750-1990 us); výchozí je pásmo, ve kterém svítí nejvíce LED.</translation>
    </message>
    <message>
        <source>With --download: do not wait for Enter after the power-up instructions.</source>
        <translation>S --download: nečekat na Enter po pokynech k zapnutí.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt; instead of the desktop&apos;s (%1).</source>
        <translation>Mluvit jazykem &lt;code&gt; místo jazyka plochy (%1).</translation>
    </message>
    <message>
        <source>Editor and programmer for the STROBIX LED sequencer. Without options it opens the editor window, with [file] loaded.</source>
        <translation>Editor a programátor pro sekvencér LED STROBIX. Bez voleb otevře okno editoru s načteným [file].</translation>
    </message>
    <message>
        <source>--port goes with --download (the window takes its port from Settings).</source>
        <translation>--port patří k --download (okno bere port z Nastavení).</translation>
    </message>
    <message>
        <source>--yes goes with --download.</source>
        <translation>--yes patří k --download.</translation>
    </message>
    <message>
        <source>--device does not go with --print.</source>
        <translation>--device nejde s --print.</translation>
    </message>
    <message>
        <source>--size and --stick go with --export-animation.</source>
        <translation>--size a --stick patří k --export-animation.</translation>
    </message>
    <message>
        <source>--device does not go with --export-animation.</source>
        <translation>--device nejde s --export-animation.</translation>
    </message>
    <message>
        <source>--export-animation needs the picture to write (one name).</source>
        <translation>--export-animation potřebuje obrázek k zápisu (jeden název).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Nečekaný argument: %1</translation>
    </message>
    <message>
        <source>Only one file can be opened: %1</source>
        <translation>Otevřít lze jen jeden soubor: %1</translation>
    </message>
    <message>
        <source>--download needs either --port or --device (not both).</source>
        <translation>--download potřebuje buď --port, nebo --device (ne obojí).</translation>
    </message>
    <message>
        <source>--device needs a path.</source>
        <translation>--device potřebuje cestu.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--port bere číslo od 1 do %1, ne &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 bere číslo od %2 do %3, ne &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &apos;%2&apos;.</source>
        <translation>--language bere jeden z kódů %1, ne &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2
Zkuste &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as a link (#seq=...) and exit.</source>
        <translation>Vypsat sekvenci ze souboru &lt;file&gt; jako odkaz (#seq=...) a skončit.</translation>
    </message>
    <message>
        <source>With --print-link: the address of the browser edition, to print the whole link.</source>
        <translation>S --print-link: adresa verze pro prohlížeč, aby se vypsal celý odkaz.</translation>
    </message>
    <message>
        <source>A sequence data file (*.dat) to open, or a link to a sequence (https://.../#seq=... or #seq=...), opened as a new, unsaved one.</source>
        <translation>Soubor sekvence (*.dat) k otevření, nebo odkaz na sekvenci (https://.../#seq=... nebo #seq=...), která se otevře jako nová, neuložená.</translation>
    </message>
    <message>
        <source>--device does not go with --print-link.</source>
        <translation>--device nejde s --print-link.</translation>
    </message>
    <message>
        <source>--link-base goes with --print-link.</source>
        <translation>--link-base patří k --print-link.</translation>
    </message>
    <message>
        <source>--link-base needs an address.</source>
        <translation>--link-base potřebuje adresu.</translation>
    </message>
    <message>
        <source>--print, --print-link, --download and --export-animation do not go together.</source>
        <translation>--print, --print-link, --download a --export-animation nejdou dohromady.</translation>
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
Příklady:
  %1 show.dat                               otevřít show.dat v editoru
  %1 --print show.dat                       vypsat ji jako mřížku
  %1 --print-link show.dat                  vypsat ji jako odkaz (#seq=...)
  %1 &apos;#seq=...&apos;                             otevřít takový odkaz v editoru
  %1 --download show.dat --port 1           naprogramovat zařízení na portu 1
  %1 --download show.dat --device /dev/pts/3 --yes
  %1 --export-animation show.dat show.gif  nakreslit její vizuální test jako GIF

Návratový kód --print, --print-link, --download a --export-animation:
  %2  úspěch
  %3  špatné použití (neznámá volba, chybí argument, --port s --device, ...)
  %4  datový soubor nelze přečíst nebo to není platný soubor sekvence; nic nebylo odesláno
  %5  sériový port nelze otevřít (zařízení neexistuje, je obsazené, chybí oprávnění)
  %6  linka selhala při odesílání (zpráva uvádí záznam)
  %7  zrušeno: ne nebo konec vstupu u výzvy k zapnutí, Ctrl+C nebo SIGTERM
  %8  obrázek nelze zapsat (složka neexistuje, chybí oprávnění, plný disk); nic nezůstane
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
        <translation>Nelze přečíst %1
%2
%3
</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Nic nebylo vypsáno.</translation>
    </message>
    <message>
        <source>Warning: %1 of the pictures last less than %2 ms (the shortest %3 ms). GIF viewers show them longer, so the picture plays slower than the test.
</source>
        <translation>Upozornění: počet obrázků kratších než %2 ms: %1 (nejkratší %3 ms). Prohlížeče GIF je ukazují déle, takže obrázek běží pomaleji než test.
</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nebylo zapsáno.</translation>
    </message>
    <message>
        <source>Cannot write %1
%2
Nothing was written.
</source>
        <translation>Nelze zapsat %1
%2
Nic nebylo zapsáno.
</translation>
    </message>
    <message>
        <source>No link was printed.</source>
        <translation>Žádný odkaz nebyl vypsán.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Examples</source>
        <translation>Příklady</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <source>none present</source>
        <translation>není</translation>
    </message>
</context>
<context>
    <name>DownloadMessages</name>
    <message>
        <source>Plug in the USB-serial adapter of the programming cable, or choose another port in Settings.</source>
        <translation>Připojte převodník USB-sériový port programovacího kabelu, nebo v Nastavení zvolte jiný port.</translation>
    </message>
    <message>
        <source>Your user account may not use serial ports. Add it to the &apos;dialout&apos; group (sudo usermod -a -G dialout $USER), then log out and back in.</source>
        <translation>Váš uživatelský účet nesmí používat sériové porty. Přidejte jej do skupiny &apos;dialout&apos; (sudo usermod -a -G dialout $USER), pak se odhlaste a znovu přihlaste.</translation>
    </message>
    <message>
        <source>Your user account may not use this port. Ask the computer&apos;s administrator for access to it.</source>
        <translation>Váš uživatelský účet nesmí používat tento port. Požádejte správce počítače o přístup.</translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port in Settings.</source>
        <translation>Tento port používá jiný program. Zavřete ten program, nebo v Nastavení zvolte jiný port.</translation>
    </message>
    <message>
        <source>The port cannot be set to 2400 baud, 8 data bits, no parity, 1 stop bit. Choose another port in Settings.</source>
        <translation>Port nelze nastavit na 2400 Bd, 8 datových bitů, bez parity, 1 stop bit. V Nastavení zvolte jiný port.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>%1 is the computer&apos;s built-in serial port. If the programming cable uses a USB-serial adapter, plug it in (it appears as %2ttyUSBn; adapters are numbered before the built-in ports), or choose the right port in Settings.</source>
        <translation><byte value="xd"/><byte value="xd"/>%1 je vestavěný sériový port počítače. Pokud programovací kabel používá převodník USB-sériový port, připojte jej (objeví se jako %2ttyUSBn; převodníky se číslují před vestavěnými porty), nebo v Nastavení zvolte správný port.</translation>
    </message>
    <message>
        <source>serial device %1</source>
        <extracomment>Also starts a sentence, with its first letter in capitals</extracomment>
        <translation>sériové zařízení %1</translation>
    </message>
    <message>
        <source>serial port %1 (%2)</source>
        <translation>sériový port %1 (%2)</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Nothing was sent to the device.</source>
        <translation><byte value="xd"/><byte value="xd"/>Do zařízení nebylo nic odesláno.</translation>
    </message>
    <message>
        <source>Download to STROBIX  -  Programmable LED Sequencer/Flasher...</source>
        <translation>Odeslání do STROBIX  -  Programovatelný sekvencér/blikač LED...</translation>
    </message>
    <message>
        <source><byte value="xd"/> 1) Cycle power/Connect Strobix to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Strobix...</source>
        <translation><byte value="xd"/> 1) Vypněte a zapněte napájení / připojte Strobix k programovacímu kabelu (všechny LED blikají), pak<byte value="xd"/><byte value="xd"/> 2)  Počkejte, až se všechny LED rozsvítí a zůstanou svítit, pak<byte value="xd"/><byte value="xd"/> 3)  Když svítí všechny LED, stiskněte &apos;OK&apos; pro odeslání do Strobixu...</translation>
    </message>
    <message>
        <source>Serial port %1 reaches no device (%2).<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>Sériový port %1 nevede k žádnému zařízení (%2).<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>%1 could not be opened:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>%1 nelze otevřít:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>the start marker</source>
        <translation>počáteční značka</translation>
    </message>
    <message>
        <source>record %1 of %2</source>
        <translation>záznam %1 z %2</translation>
    </message>
    <message>
        <source>The download stopped at %1 on %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Check the programming cable and its adapter, then download again.</source>
        <translation>Odesílání se zastavilo u: %1, %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Zařízení nebylo naprogramováno celé. Zkontrolujte programovací kabel a jeho převodník, pak odešlete znovu.</translation>
    </message>
    <message>
        <source>The download to %1 was cancelled after %2 of %3 records; the port is closed.<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Download again.</source>
        <translation>Odesílání bylo zrušeno po %2 z %3 záznamů (%1); port je zavřený.<byte value="xd"/><byte value="xd"/>Zařízení nebylo naprogramováno celé. Odešlete znovu.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Open STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Otevřít datový soubor STROBIX (programovatelný sekvencér/blikač LED)</translation>
    </message>
    <message>
        <source>Save STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Uložit datový soubor STROBIX (programovatelný sekvencér/blikač LED)</translation>
    </message>
    <message>
        <source>Merge STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Sloučit datový soubor STROBIX (programovatelný sekvencér/blikač LED)</translation>
    </message>
    <message>
        <source>Data Files (*.DAT);;All Files (*.*)</source>
        <translation>Datové soubory (*.DAT);;Všechny soubory (*.*)</translation>
    </message>
    <message>
        <source>Replace existing file - %1?</source>
        <translation>Nahradit existující soubor - %1?</translation>
    </message>
    <message>
        <source>Cannot read %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Nelze přečíst %1<byte value="xd"/>%2<byte value="xd"/>Nic nebylo změněno.</translation>
    </message>
    <message>
        <source>The sequence was not saved; an existing file of that name was left as it was.</source>
        <translation>Sekvence nebyla uložena; existující soubor tohoto názvu zůstal beze změny.</translation>
    </message>
    <message>
        <source>The sequence was not saved.</source>
        <translation>Sekvence nebyla uložena.</translation>
    </message>
    <message>
        <source>Cannot save %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>Nelze uložit %1<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Cannot open the link %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Nelze otevřít odkaz %1<byte value="xd"/>%2<byte value="xd"/>Nic nebylo změněno.</translation>
    </message>
</context>
<context>
    <name>GridAccessible</name>
    <message>
        <source>LED#%1, event %2, %3</source>
        <extracomment>A cell of the grid as a screen reader names it; %3 is on or off</extracomment>
        <translation>LED#%1, krok %2, %3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>zap.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>vyp.</translation>
    </message>
</context>
<context>
    <name>HeadlessDownload</name>
    <message>
        <source><byte value="xd"/>[%1%2] record %3 of %4</source>
        <translation><byte value="xd"/>[%1%2] záznam %3 z %4</translation>
    </message>
    <message>
        <source>Nothing was sent to the device.</source>
        <translation>Do zařízení nebylo nic odesláno.</translation>
    </message>
    <message>
        <source>Press Enter to download to %1 (n and Enter, or Ctrl+C, cancels)... </source>
        <extracomment>The answer that cancels starts with n in every language</extracomment>
        <translation>Stiskněte Enter pro odeslání do %1 (n a Enter nebo Ctrl+C zruší)... </translation>
    </message>
    <message>
        <source>Cancelled. Nothing was sent to the device.
</source>
        <translation>Zrušeno. Do zařízení nebylo nic odesláno.
</translation>
    </message>
    <message>
        <source>Sending to %1...
</source>
        <translation>Odesílání do %1...
</translation>
    </message>
    <message>
        <source>Done: %1 records sent to %2.
</source>
        <translation>Hotovo: do %2 odesláno záznamů: %1.
</translation>
    </message>
</context>
<context>
    <name>LastingStorage</name>
    <message>
        <source>Strobix is already open in another tab of this browser</source>
        <translation>Strobix je již otevřen v jiné kartě tohoto prohlížeče</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sequence grid</source>
        <translation>Mřížka sekvence</translation>
    </message>
    <message>
        <source>Four LEDs by 50 events; each cell is on or off. Arrows move, Space toggles, Shift+arrow paints.</source>
        <translation>Čtyři LED krát 50 kroků; každá buňka je zapnutá nebo vypnutá. Šipky posouvají, mezerník přepíná, Shift+šipka kreslí.</translation>
    </message>
    <message>
        <source>Time axis</source>
        <translation>Časová osa</translation>
    </message>
    <message>
        <source>Event numbers; the red one is the last event. Left and Right move, Enter or Space moves the end marker to the focused event.</source>
        <translation>Čísla kroků; červené je poslední krok. Vlevo a Vpravo posouvají, Enter nebo mezerník přesune koncovou značku na zvolený krok.</translation>
    </message>
    <message>
        <source>Click here to change color of %1</source>
        <translation>Klepnutím sem změníte barvu %1</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>Barva %1</translation>
    </message>
    <message>
        <source>Opens the colour list for %1 (Enter or Space)</source>
        <translation>Otevře seznam barev pro %1 (Enter nebo mezerník)</translation>
    </message>
    <message>
        <source>%1 lamp</source>
        <translation>Kontrolka %1</translation>
    </message>
    <message>
        <source>Shows %1 during the visual test</source>
        <translation>Ukazuje %1 během vizuálního testu</translation>
    </message>
    <message>
        <source>Click here to change %1 flash pattern</source>
        <translation>Klepnutím sem změníte vzor blikání %1</translation>
    </message>
    <message>
        <source>%1 row options</source>
        <translation>Volby řádku %1</translation>
    </message>
    <message>
        <source>Opens the list of operations on the %1 row</source>
        <translation>Otevře seznam operací s řádkem %1</translation>
    </message>
    <message>
        <source>Change how %1 will repond to R/C servo signal</source>
        <translation>Změnit, jak %1 reaguje na signál serva R/C</translation>
    </message>
    <message>
        <source>%1 servo control</source>
        <translation>Ovládání servem %1</translation>
    </message>
    <message>
        <source>How %1 responds to the R/C servo signal</source>
        <translation>Jak %1 reaguje na signál serva R/C</translation>
    </message>
    <message>
        <source>Servo Control</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Heading of the servo-control lists</source>
        <translation>Nadpis seznamů ovládání servem</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>Click here to open and load a  LED sequence...</source>
        <translation>Klepnutím sem otevřete a načtete sekvenci LED...</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Click here to Start/Stop the visual test of the LED sequence...</source>
        <translation>Klepnutím sem spustíte/zastavíte vizuální test sekvence LED...</translation>
    </message>
    <message>
        <source>&amp;DOWNLOAD</source>
        <translation>O&amp;DESLAT</translation>
    </message>
    <message>
        <source>Click here to Download data to Strobix Sequencer/Flasher...</source>
        <translation>Klepnutím sem odešlete data do sekvencéru/blikače Strobix...</translation>
    </message>
    <message>
        <source>&amp;Save File...</source>
        <translation>&amp;Uložit...</translation>
    </message>
    <message>
        <source>Click here to save the current LED sequence...</source>
        <translation>Klepnutím sem uložíte aktuální sekvenci LED...</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Nastavení...</translation>
    </message>
    <message>
        <source>Click here to change Software/Strobix Settings...</source>
        <translation>Klepnutím sem změníte nastavení programu a Strobixu...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Konec</translation>
    </message>
    <message>
        <source>Exit software...</source>
        <translation>Ukončit program...</translation>
    </message>
    <message>
        <source>Servo Pulsewidth =</source>
        <translation>Impuls serva =</translation>
    </message>
    <message>
        <source>The servo pulse width the stick sets</source>
        <translation>Šířka impulsu serva nastavená pákou</translation>
    </message>
    <message>
        <source>Servo pulse width</source>
        <translation>Šířka impulsu serva</translation>
    </message>
    <message>
        <source>Pulse width in microseconds</source>
        <translation>Šířka impulsu v mikrosekundách</translation>
    </message>
    <message>
        <source>microseconds</source>
        <translation>mikrosekundy</translation>
    </message>
    <message>
        <source>Unit of the servo pulse width</source>
        <translation>Jednotka šířky impulsu serva</translation>
    </message>
    <message>
        <source>Servo stick</source>
        <translation>Páka serva</translation>
    </message>
    <message>
        <source>Simulated R/C servo stick; Left and Right move it</source>
        <translation>Simulovaná páka serva R/C; Vlevo a Vpravo ji posouvají</translation>
    </message>
    <message>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation>(Myší nebo šipkami vlevo/vpravo změníte polohu serva)</translation>
    </message>
    <message>
        <source>Use the Mouse or Left + Right Arrow key to change servo position...</source>
        <translation>Polohu serva změníte myší nebo šipkami vlevo/vpravo...</translation>
    </message>
    <message>
        <source>Downloading to STROBIX ...</source>
        <translation>Odesílání do STROBIX ...</translation>
    </message>
    <message>
        <source>Downloading data to the Strobix...</source>
        <translation>Data se odesílají do Strobixu...</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Průběh odesílání</translation>
    </message>
    <message>
        <source>Records sent to the sequencer</source>
        <translation>Záznamy odeslané do sekvencéru</translation>
    </message>
    <message>
        <source> Up and Down move, Enter picks, Escape closes.</source>
        <translation> Nahoru a Dolů posouvají, Enter vybere, Esc zavře.</translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation>Seznam barev</translation>
    </message>
    <message>
        <source>Display colour of the LED.</source>
        <translation>Barva zobrazení LED.</translation>
    </message>
    <message>
        <source>Row options</source>
        <translation>Volby řádku</translation>
    </message>
    <message>
        <source>Operations on the LED&apos;s row.</source>
        <translation>Operace s řádkem LED.</translation>
    </message>
    <message>
        <source>Copy row list</source>
        <translation>Seznam řádků ke kopírování</translation>
    </message>
    <message>
        <source>The other LED&apos;s row to copy.</source>
        <translation>Řádek jiné LED ke zkopírování.</translation>
    </message>
    <message>
        <source>&amp;New/Clear</source>
        <translation>&amp;Nový/Vymazat</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otevřít...</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Sloučit...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Uložit...</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>O&amp;deslat</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Nastavení</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programu</translation>
    </message>
    <message>
        <source>&amp;Users&apos; Manual...</source>
        <translation>&amp;Uživatelská příručka...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Soubor</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Nápo&amp;věda</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zpět</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Znovu</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Vymazat vše</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Označit vše</translation>
    </message>
    <message>
        <source>Toggle All</source>
        <translation>Obrátit vše</translation>
    </message>
    <message>
        <source>Copy from...</source>
        <translation>Kopie z...</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Kopie do...</translation>
    </message>
    <message>
        <source>Skip 1...</source>
        <translation>Vynech 1...</translation>
    </message>
    <message>
        <source>Skip 2...</source>
        <translation>Vynech 2...</translation>
    </message>
    <message>
        <source>Skip 3...</source>
        <translation>Vynech 3...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>The serial port did not finish sending within %1 seconds.</source>
        <translation>Sériový port nedokončil odesílání do %1 sekund.</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>Sériový port není otevřený.</translation>
    </message>
</context>
<context>
    <name>PortLocator</name>
    <message>
        <source>none present
%1</source>
        <extracomment>%1 which ports the computer has</extracomment>
        <translation>není
%1</translation>
    </message>
    <message>
        <source>this computer has no serial port</source>
        <translation>tento počítač nemá sériový port</translation>
    </message>
    <message>
        <source>this computer has 1 serial port: %1</source>
        <translation>tento počítač má 1 sériový port: %1</translation>
    </message>
    <message>
        <source>this computer has %1 serial ports: %2</source>
        <translation>počet sériových portů tohoto počítače: %1: %2</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>žádné zařízení</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>a sequence not saved yet</source>
        <translation>dosud neuložená sekvence</translation>
    </message>
    <message>
        <source>Strobix was not closed normally. Unsaved work was kept from %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Yes restores it in this window; it stays unsaved until you save it.<byte value="xd"/>No discards it for good.<byte value="xd"/>Cancel keeps it for later: Strobix asks again at the next start.</source>
        <extracomment>%1 when the copy was written, %2 the file name or &quot;a sequence not saved yet&quot;</extracomment>
        <translation>Strobix nebyl ukončen normálně. Byla zachována neuložená práce z %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>„Ano“ ji obnoví v tomto okně; zůstane neuložená, dokud ji neuložíte.<byte value="xd"/>„Ne“ ji natrvalo zahodí.<byte value="xd"/>„Zrušit“ ji ponechá na později: Strobix se zeptá znovu při příštím spuštění.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved work cannot be read:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>It was put aside as<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix starts without it. If it still holds a sequence, open it with Open; otherwise delete it.</source>
        <translation>Záložní kopii neuložené práce nelze přečíst:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Byla odložena jako<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix se spouští bez ní. Pokud ještě obsahuje sekvenci, otevřete ji příkazem Otevřít; jinak ji smažte.</translation>
    </message>
    <message>
        <source>Strobix cannot keep a recovery copy of your unsaved work in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>It goes on working without one until it is started again: save your work often. To have recovery copies again, free some disk space or make that folder writable.</source>
        <translation>Strobix nemůže uchovat záložní kopii vaší neuložené práce ve složce<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Až do příštího spuštění pracuje bez ní: ukládejte často. Chcete-li opět mít záložní kopie, uvolněte místo na disku nebo povolte zápis do té složky.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of another window was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers it now.</source>
        <translation><byte value="xd"/><byte value="xd"/>Byla zachována i neuložená práce z jiného okna. Po „Ano“ počká na příští spuštění; po „Ne“ nebo „Zrušit“ ji Strobix nabídne hned.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of %1 other windows was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers the next one now.</source>
        <translation><byte value="xd"/><byte value="xd"/>Byla zachována i neuložená práce z dalších oken (počet oken: %1). Po „Ano“ počká na příští spuštění; po „Ne“ nebo „Zrušit“ Strobix hned nabídne další.</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 je soubor, ne složka.</translation>
    </message>
    <message>
        <source>the system gave no reason.</source>
        <translation>systém neuvedl důvod.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>Složku %1 nelze vytvořit: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be made: %2</source>
        <translation>Soubor %1 nelze vytvořit: %2</translation>
    </message>
    <message>
        <source>It was written by a newer version of Strobix.</source>
        <translation>Zapsala ji novější verze Strobixu.</translation>
    </message>
    <message>
        <source>Its two files do not belong together (damaged or cut short).</source>
        <translation>Její dva soubory k sobě nepatří (poškozené nebo useknuté).</translation>
    </message>
    <message>
        <source>Its file %1 cannot be read: %2</source>
        <translation>Její soubor %1 nelze přečíst: %2</translation>
    </message>
    <message>
        <source>Its file %1 is missing.</source>
        <translation>Její soubor %1 chybí.</translation>
    </message>
    <message>
        <source>Its file %1 is far too big to be part of a recovery copy.</source>
        <translation>Její soubor %1 je příliš velký na to, aby byl součástí záložní kopie.</translation>
    </message>
</context>
<context>
    <name>SequenceDocument</name>
    <message>
        <source>Switch a cell of %1</source>
        <translation>Přepnout buňku %1</translation>
    </message>
    <message>
        <source>Paint cells</source>
        <translation>Kreslit buňky</translation>
    </message>
    <message>
        <source>Row options of %1</source>
        <translation>Volby řádku %1</translation>
    </message>
    <message>
        <source>New/Clear</source>
        <translation>Nový/Vymazat</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otevřít</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Sloučit</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Otevřít odkaz</translation>
    </message>
</context>
<context>
    <name>SequenceEdits</name>
    <message>
        <source>Colour</source>
        <translation>Barva</translation>
    </message>
    <message>
        <source>Servo control</source>
        <translation>Ovládání servem</translation>
    </message>
    <message>
        <source>End marker</source>
        <translation>Koncová značka</translation>
    </message>
</context>
<context>
    <name>SequenceFileReader</name>
    <message>
        <source> (%1 to %2)</source>
        <translation> (%1 až %2)</translation>
    </message>
    <message>
        <source>the value of event %1</source>
        <translation>hodnota kroku %1</translation>
    </message>
    <message>
        <source>the colour of LED#%1</source>
        <translation>barva LED#%1</translation>
    </message>
    <message>
        <source>spare colour entry %1</source>
        <translation>volná položka barvy %1</translation>
    </message>
    <message>
        <source>the servo-control choice of LED#%1</source>
        <translation>ovládání servem LED#%1</translation>
    </message>
    <message>
        <source>the sequencer speed</source>
        <translation>rychlost sekvencéru</translation>
    </message>
    <message>
        <source>the test speed</source>
        <translation>rychlost testu</translation>
    </message>
    <message>
        <source>Line %1: expected value %2 of %3, %4, found %5.</source>
        <extracomment>%1 line, %2 value number, %3 count of values, %4 what the value is, %5 what was there</extracomment>
        <translation>Řádek %1: očekávána hodnota %2 z %3, %4; nalezeno: %5.</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>konec souboru</translation>
    </message>
    <message>
        <source>a text without its closing double quote</source>
        <translation>text bez uzavíracích uvozovek</translation>
    </message>
    <message>
        <source> followed by other text</source>
        <translation> a za ním další text</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nic</translation>
    </message>
    <message>
        <source>This is not a regular file (it is a folder, a device or a pipe) and cannot hold sequence data.</source>
        <translation>Toto není běžný soubor (je to složka, zařízení nebo roura) a nemůže obsahovat data sekvence.</translation>
    </message>
    <message>
        <source>the last event (%1 to %2 for events 1 to 50)</source>
        <extracomment>the file holds 0 for event 1 ... 49 for event 50</extracomment>
        <translation>poslední krok (%1 až %2 pro kroky 1 až 50)</translation>
    </message>
    <message>
        <source>A sequence data file has its 65 values within its first %1 KB; this file does not, so it is not a sequence data file.</source>
        <translation>Soubor sekvence má svých 65 hodnot v prvních %1 KB; tento soubor ne, takže to není soubor sekvence.</translation>
    </message>
</context>
<context>
    <name>SequenceGrid</name>
    <message>
        <source>Click a cell to switch it on or off, or drag to paint.
Keys: arrows move, Space switches, Shift+arrows paint, Home/End go to the row&apos;s ends.
Ctrl+Z undoes, Ctrl+Shift+Z or Ctrl+Y redoes.</source>
        <translation>Klepnutím buňku zapnete nebo vypnete, tažením kreslíte.
Klávesy: šipky posouvají, mezerník přepíná, Shift+šipky kreslí, Home/End jdou na konce řádku.
Ctrl+Z vrací zpět, Ctrl+Shift+Z nebo Ctrl+Y opakuje.</translation>
    </message>
</context>
<context>
    <name>SequenceLink</name>
    <message>
        <source>The link is damaged: it is too short or too long, as if cut off or run together with other text.</source>
        <translation>Odkaz je poškozený: je příliš krátký nebo příliš dlouhý, jako by byl useknutý nebo spojený s jiným textem.</translation>
    </message>
    <message>
        <source>The link is damaged: it holds bits that no version of Strobix writes.</source>
        <translation>Odkaz je poškozený: obsahuje bity, které žádná verze Strobixu nezapisuje.</translation>
    </message>
    <message>
        <source>The link is damaged: %1 is %2.</source>
        <translation>Odkaz je poškozený: %1 je %2.</translation>
    </message>
    <message>
        <source>This is not a link to a sequence: it has no &quot;#seq=&quot; part.</source>
        <translation>Toto není odkaz na sekvenci: chybí v něm část „#seq=“.</translation>
    </message>
    <message>
        <source>The link is damaged: &quot;%1&quot; cannot be part of it.</source>
        <translation>Odkaz je poškozený: „%1“ nemůže být jeho součástí.</translation>
    </message>
    <message>
        <source>The link is damaged: its check characters do not match the rest, so something in it was changed.</source>
        <translation>Odkaz je poškozený: jeho kontrolní znaky nesedí se zbytkem, takže v něm bylo něco změněno.</translation>
    </message>
    <message>
        <source>The link was made by a newer version of Strobix (link format %1; this version reads format %2). Open it with a newer version.</source>
        <translation>Odkaz vytvořila novější verze Strobixu (formát odkazu %1; tato verze čte formát %2). Otevřete jej novější verzí.</translation>
    </message>
    <message>
        <source>The link is damaged: it names no format of Strobix&apos;s links.</source>
        <translation>Odkaz je poškozený: neuvádí žádný formát odkazů Strobixu.</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>The serial port is not open.</source>
        <translation>Sériový port není otevřený.</translation>
    </message>
    <message>
        <source>The serial port&apos;s output queue could not be read: %1</source>
        <translation>Výstupní frontu sériového portu nelze přečíst: %1</translation>
    </message>
</context>
<context>
    <name>ServoControl</name>
    <message>
        <source>OFF</source>
        <translation>VYP</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>ŽÁDNÉ</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>The serial port setting could not be saved to<byte value="xd"/></source>
        <translation>Nastavení sériového portu nelze uložit do<byte value="xd"/></translation>
    </message>
    <message>
        <source>The new settings are used until the program ends.</source>
        <translation>Nová nastavení platí do ukončení programu.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source> Settings...</source>
        <translation> Nastavení...</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Nastavení programu</translation>
    </message>
    <message>
        <source>Communication Port# (RS-232)</source>
        <translation>Komunikační port (RS-232)</translation>
    </message>
    <message>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation>(9pinový port, ke kterému je připojen programovací kabel)</translation>
    </message>
    <message>
        <source>LED Test Speed (ms)</source>
        <translation>Rychlost testu LED (ms)</translation>
    </message>
    <message>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation>(Sladit rychlost testu s rychlostí sekvencéru)</translation>
    </message>
    <message>
        <source>Strobix Settings</source>
        <translation>Nastavení Strobixu</translation>
    </message>
    <message>
        <source>Sequencer Delay (ms)</source>
        <translation>Prodleva sekvencéru (ms)</translation>
    </message>
    <message>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation>(Prodleva mezi každým z 50 kroků )</translation>
    </message>
    <message>
        <source>Use Pull-downs for changing all settings!</source>
        <translation>Všechna nastavení měňte seznamy!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Zrušit</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Komunikační port</translation>
    </message>
    <message>
        <source>Serial port number the programming cable is connected to</source>
        <translation>Číslo sériového portu, ke kterému je připojen programovací kabel</translation>
    </message>
    <message>
        <source>LED test speed (ms)</source>
        <translation>Rychlost testu LED (ms)</translation>
    </message>
    <message>
        <source>Step time of the visual test, to match the sequencer</source>
        <translation>Doba kroku vizuálního testu, sladěná se sekvencérem</translation>
    </message>
    <message>
        <source>Sequencer delay (ms)</source>
        <translation>Prodleva sekvencéru (ms)</translation>
    </message>
    <message>
        <source>Delay between each of the 50 events on the sequencer</source>
        <translation>Prodleva mezi každým z 50 kroků v sekvencéru</translation>
    </message>
    <message>
        <source>Uses these settings and remembers the port</source>
        <translation>Použije tato nastavení a zapamatuje si port</translation>
    </message>
    <message>
        <source>Closes without changing the settings</source>
        <translation>Zavře bez změny nastavení</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>OK to Really Exit ?</source>
        <translation>Opravdu ukončit ?</translation>
    </message>
    <message>
        <source>(Be sure you have saved your files)</source>
        <translation>(Uložili jste své soubory?)</translation>
    </message>
    <message>
        <source>Programmable LED Sequencer/Flasher  - Rev3</source>
        <translation>Programovatelný sekvencér/blikač LED  - Rev3</translation>
    </message>
    <message>
        <source>By:  Tessmer</source>
        <translation>Autor:  Tessmer</translation>
    </message>
    <message>
        <source>Feb 2008</source>
        <translation>Únor 2008</translation>
    </message>
    <message>
        <source> Users&apos; Manual</source>
        <translation> Uživatelská příručka</translation>
    </message>
    <message>
        <source><byte value="xd"/> Click OK to view the Strobix Users&apos; Manual on the %1 webpage...</source>
        <extracomment>%1 the name of the manual&apos;s web page, left in English</extracomment>
        <translation><byte value="xd"/> Klepněte na OK pro zobrazení uživatelské příručky Strobixu na webové stránce %1...</translation>
    </message>
    <message>
        <source>No web browser could be started. Open that file in a web browser,<byte value="xd"/> or install xdg-utils so the desktop knows how to show it.</source>
        <translation>Nepodařilo se spustit webový prohlížeč. Otevřete ten soubor ve webovém prohlížeči,<byte value="xd"/> nebo nainstalujte xdg-utils, aby plocha věděla, jak jej zobrazit.</translation>
    </message>
    <message>
        <source>The file is missing. Reinstall Strobix to restore it.</source>
        <translation>Soubor chybí. Přeinstalujte Strobix, abyste jej obnovili.</translation>
    </message>
    <message>
        <source><byte value="xd"/> The Users&apos; Manual could not be opened:<byte value="xd"/><byte value="xd"/> </source>
        <translation><byte value="xd"/> Uživatelskou příručku nelze otevřít:<byte value="xd"/><byte value="xd"/> </translation>
    </message>
</context>
<context>
    <name>SystemSerialPort</name>
    <message>
        <source>The serial port took only %1 of %2 bytes in %3 seconds.</source>
        <translation>Sériový port přijal jen %1 z %2 bajtů za %3 sekund.</translation>
    </message>
    <message>
        <source>browsers let only pages from https:// addresses or from this computer use serial ports, and this page has neither</source>
        <translation>prohlížeče dovolují používat sériové porty jen stránkám z adres https:// nebo z tohoto počítače a tato stránka nepochází ani z jednoho</translation>
    </message>
    <message>
        <source>this browser has no Web Serial; Chrome and Edge have it, Firefox and Safari do not (Save still works in every browser)</source>
        <translation>tento prohlížeč nemá Web Serial; Chrome a Edge jej mají, Firefox a Safari ne (Uložit funguje dál v každém prohlížeči)</translation>
    </message>
    <message>
        <source>no port was chosen in the browser&apos;s list of serial ports</source>
        <translation>v seznamu sériových portů prohlížeče nebyl zvolen žádný port</translation>
    </message>
    <message>
        <source>the browser no longer lets this page use that port</source>
        <translation>prohlížeč už této stránce nedovoluje ten port používat</translation>
    </message>
    <message>
        <source>the serial port went away (was the adapter unplugged?)</source>
        <translation>sériový port zmizel (byl odpojen převodník?)</translation>
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
        <translation>Krok %1</translation>
    </message>
    <message>
        <source>, end marker</source>
        <translation>, koncová značka</translation>
    </message>
</context>
</TS>
