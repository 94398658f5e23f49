<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>AppInfo</name>
    <message>
        <source>STROBIX  -  Programmable LED Sequencer/Flasher</source>
        <translation>STROBIX  -  Programowalny sekwencer/migacz LED</translation>
    </message>
</context>
<context>
    <name>BrowserEdition</name>
    <message>
        <source>This browser does not keep this page&apos;s data (%1).<byte value="xd"/>The port number, the zoom and the copies of unsaved work last only until the tab is closed.<byte value="xd"/>Save your sequences to files.</source>
        <translation>Ta przeglądarka nie przechowuje danych tej strony (%1).<byte value="xd"/>Numer portu, powiększenie i kopie niezapisanej pracy przetrwają tylko do zamknięcia karty.<byte value="xd"/>Zapisuj sekwencje w plikach.</translation>
    </message>
</context>
<context>
    <name>CloseGuard</name>
    <message>
        <source>A download to STROBIX is still going on.<byte value="xd"/><byte value="xd"/>Click OK to stop it and close: STROBIX will not be programmed.<byte value="xd"/>Click Cancel to let the download finish.</source>
        <translation>Trwa jeszcze wysyłanie do STROBIX.<byte value="xd"/><byte value="xd"/>Kliknij OK, aby je przerwać i zamknąć: STROBIX nie zostanie zaprogramowany.<byte value="xd"/>Kliknij Anuluj, aby pozwolić wysyłaniu się zakończyć.</translation>
    </message>
    <message>
        <source>The download was stopped: STROBIX is not programmed.<byte value="xd"/><byte value="xd"/>Download the sequence again before using the device.</source>
        <translation>Wysyłanie zostało przerwane: STROBIX nie jest zaprogramowany.<byte value="xd"/><byte value="xd"/>Wyślij sekwencję ponownie, zanim użyjesz urządzenia.</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Black</source>
        <translation>Czarny</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Czerwony</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Zielony</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Żółty</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Niebieski</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cyjan</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Biały</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Pokaż tę pomoc i zakończ.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Pokaż wersję programu i zakończ.</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as text and exit.</source>
        <translation>Wypisz sekwencję z &lt;file&gt; jako tekst i zakończ.</translation>
    </message>
    <message>
        <source>Program the device with &lt;file&gt; without opening a window; needs --port or --device.</source>
        <translation>Zaprogramuj urządzenie plikiem &lt;file&gt; bez otwierania okna; wymaga --port lub --device.</translation>
    </message>
    <message>
        <source>Download through serial port number &lt;n&gt; (1 to 8).</source>
        <translation>Wysyłaj przez port szeregowy numer &lt;n&gt; (od 1 do 8).</translation>
    </message>
    <message>
        <source>Download to the serial device &lt;path&gt; instead of the one the port number reaches (also in the window).</source>
        <translation>Wysyłaj do urządzenia szeregowego &lt;path&gt; zamiast tego, do którego prowadzi numer portu (także w oknie).</translation>
    </message>
    <message>
        <source>Draw the visual test of &lt;file&gt; as an animated GIF picture &lt;out.gif&gt; and exit.</source>
        <translation>Narysuj test wizualny z &lt;file&gt; jako animowany obraz GIF &lt;out.gif&gt; i zakończ.</translation>
    </message>
    <message>
        <source>With --export-animation: the picture&apos;s width in pixels (%1 to %2). Below the window&apos;s own width only the lamps are drawn; from there on also the grid and the time axis.</source>
        <translation>Z --export-animation: szerokość obrazu w pikselach (od %1 do %2). Poniżej szerokości okna rysowane są tylko lampki; od niej także siatka i oś czasu.</translation>
    </message>
    <message>
        <source>With --export-animation: the servo stick&apos;s zone, 0 (1000-1240 us) to 3 (1750-1990 us); by default the zone in which the most LEDs light.</source>
        <translation>Z --export-animation: strefa drążka serwa, od 0 (1000-1240 us) do 3 (1750-1990 us); domyślnie strefa, w której świeci najwięcej LED.</translation>
    </message>
    <message>
        <source>With --download: do not wait for Enter after the power-up instructions.</source>
        <translation>Z --download: nie czekaj na Enter po instrukcjach włączenia zasilania.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt; instead of the desktop&apos;s (%1).</source>
        <translation>Używaj języka &lt;code&gt; zamiast języka pulpitu (%1).</translation>
    </message>
    <message>
        <source>Editor and programmer for the STROBIX LED sequencer. Without options it opens the editor window, with [file] loaded.</source>
        <translation>Edytor i programator sekwencera LED STROBIX. Bez opcji otwiera okno edytora z wczytanym [file].</translation>
    </message>
    <message>
        <source>--port goes with --download (the window takes its port from Settings).</source>
        <translation>--port idzie z --download (okno bierze port z Ustawień).</translation>
    </message>
    <message>
        <source>--yes goes with --download.</source>
        <translation>--yes idzie z --download.</translation>
    </message>
    <message>
        <source>--device does not go with --print.</source>
        <translation>--device nie pasuje do --print.</translation>
    </message>
    <message>
        <source>--size and --stick go with --export-animation.</source>
        <translation>--size i --stick idą z --export-animation.</translation>
    </message>
    <message>
        <source>--device does not go with --export-animation.</source>
        <translation>--device nie pasuje do --export-animation.</translation>
    </message>
    <message>
        <source>--export-animation needs the picture to write (one name).</source>
        <translation>--export-animation wymaga obrazu do zapisania (jednej nazwy).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Nieoczekiwany argument: %1</translation>
    </message>
    <message>
        <source>Only one file can be opened: %1</source>
        <translation>Można otworzyć tylko jeden plik: %1</translation>
    </message>
    <message>
        <source>--download needs either --port or --device (not both).</source>
        <translation>--download wymaga --port albo --device (nie obu).</translation>
    </message>
    <message>
        <source>--device needs a path.</source>
        <translation>--device wymaga ścieżki.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--port przyjmuje liczbę od 1 do %1, nie &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 przyjmuje liczbę od %2 do %3, nie &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &apos;%2&apos;.</source>
        <translation>--language przyjmuje jeden z kodów %1, nie &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2
Spróbuj &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as a link (#seq=...) and exit.</source>
        <translation>Wypisz sekwencję z &lt;file&gt; jako link (#seq=...) i zakończ.</translation>
    </message>
    <message>
        <source>With --print-link: the address of the browser edition, to print the whole link.</source>
        <translation>Z --print-link: adres wersji przeglądarkowej, aby wypisać cały link.</translation>
    </message>
    <message>
        <source>A sequence data file (*.dat) to open, or a link to a sequence (https://.../#seq=... or #seq=...), opened as a new, unsaved one.</source>
        <translation>Plik sekwencji (*.dat) do otwarcia albo link do sekwencji (https://.../#seq=... lub #seq=...), otwieranej jako nowa, niezapisana.</translation>
    </message>
    <message>
        <source>--device does not go with --print-link.</source>
        <translation>--device nie pasuje do --print-link.</translation>
    </message>
    <message>
        <source>--link-base goes with --print-link.</source>
        <translation>--link-base idzie z --print-link.</translation>
    </message>
    <message>
        <source>--link-base needs an address.</source>
        <translation>--link-base wymaga adresu.</translation>
    </message>
    <message>
        <source>--print, --print-link, --download and --export-animation do not go together.</source>
        <translation>--print, --print-link, --download i --export-animation nie idą w parze.</translation>
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
Przykłady:
  %1 show.dat                               otwórz show.dat w edytorze
  %1 --print show.dat                       wypisz ją jako siatkę
  %1 --print-link show.dat                  wypisz ją jako link (#seq=...)
  %1 &apos;#seq=...&apos;                             otwórz taki link w edytorze
  %1 --download show.dat --port 1           zaprogramuj urządzenie na porcie 1
  %1 --download show.dat --device /dev/pts/3 --yes
  %1 --export-animation show.dat show.gif  narysuj jej test wizualny jako GIF

Kod wyjścia --print, --print-link, --download i --export-animation:
  %2  powodzenie
  %3  złe użycie (nieznana opcja, brak argumentu, --port z --device, ...)
  %4  pliku danych nie da się odczytać lub nie jest poprawnym plikiem sekwencji; nic nie wysłano
  %5  nie można otworzyć portu szeregowego (brak urządzenia, zajęty, brak uprawnień)
  %6  łącze zawiodło podczas wysyłania (komunikat podaje rekord)
  %7  anulowano: nie lub koniec wejścia przy pytaniu o zasilanie, Ctrl+C albo SIGTERM
  %8  nie można zapisać obrazu (brak folderu, brak uprawnień, pełny dysk); nic nie pozostaje
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
        <translation>Nie można odczytać %1
%2
%3
</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Nic nie wypisano.</translation>
    </message>
    <message>
        <source>Warning: %1 of the pictures last less than %2 ms (the shortest %3 ms). GIF viewers show them longer, so the picture plays slower than the test.
</source>
        <translation>Uwaga: liczba obrazów krótszych niż %2 ms: %1 (najkrótszy %3 ms). Przeglądarki GIF pokazują je dłużej, więc obraz jest wolniejszy niż test.
</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Nic nie zapisano.</translation>
    </message>
    <message>
        <source>Cannot write %1
%2
Nothing was written.
</source>
        <translation>Nie można zapisać %1
%2
Nic nie zapisano.
</translation>
    </message>
    <message>
        <source>No link was printed.</source>
        <translation>Nie wypisano linku.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Examples</source>
        <translation>Przykłady</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <source>none present</source>
        <translation>brak</translation>
    </message>
</context>
<context>
    <name>DownloadMessages</name>
    <message>
        <source>Plug in the USB-serial adapter of the programming cable, or choose another port in Settings.</source>
        <translation>Podłącz przejściówkę USB-szeregową kabla programującego albo wybierz inny port w Ustawieniach.</translation>
    </message>
    <message>
        <source>Your user account may not use serial ports. Add it to the &apos;dialout&apos; group (sudo usermod -a -G dialout $USER), then log out and back in.</source>
        <translation>Twoje konto nie może używać portów szeregowych. Dodaj je do grupy &apos;dialout&apos; (sudo usermod -a -G dialout $USER), a potem wyloguj się i zaloguj ponownie.</translation>
    </message>
    <message>
        <source>Your user account may not use this port. Ask the computer&apos;s administrator for access to it.</source>
        <translation>Twoje konto nie może używać tego portu. Poproś administratora komputera o dostęp.</translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port in Settings.</source>
        <translation>Inny program używa tego portu. Zamknij ten program albo wybierz inny port w Ustawieniach.</translation>
    </message>
    <message>
        <source>The port cannot be set to 2400 baud, 8 data bits, no parity, 1 stop bit. Choose another port in Settings.</source>
        <translation>Nie można ustawić portu na 2400 bodów, 8 bitów danych, bez parzystości, 1 bit stopu. Wybierz inny port w Ustawieniach.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>%1 is the computer&apos;s built-in serial port. If the programming cable uses a USB-serial adapter, plug it in (it appears as %2ttyUSBn; adapters are numbered before the built-in ports), or choose the right port in Settings.</source>
        <translation><byte value="xd"/><byte value="xd"/>%1 to wbudowany port szeregowy komputera. Jeśli kabel programujący używa przejściówki USB-szeregowej, podłącz ją (pojawia się jako %2ttyUSBn; przejściówki są numerowane przed portami wbudowanymi) albo wybierz właściwy port w Ustawieniach.</translation>
    </message>
    <message>
        <source>serial device %1</source>
        <extracomment>Also starts a sentence, with its first letter in capitals</extracomment>
        <translation>urządzenie szeregowe %1</translation>
    </message>
    <message>
        <source>serial port %1 (%2)</source>
        <translation>port szeregowy %1 (%2)</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Nothing was sent to the device.</source>
        <translation><byte value="xd"/><byte value="xd"/>Do urządzenia nic nie wysłano.</translation>
    </message>
    <message>
        <source>Download to STROBIX  -  Programmable LED Sequencer/Flasher...</source>
        <translation>Wysyłanie do STROBIX  -  Programowalny sekwencer/migacz LED...</translation>
    </message>
    <message>
        <source><byte value="xd"/> 1) Cycle power/Connect Strobix to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Strobix...</source>
        <translation><byte value="xd"/> 1) Wyłącz i włącz zasilanie / podłącz Strobix do kabla programującego (wszystkie LED migają), potem<byte value="xd"/><byte value="xd"/> 2)  Poczekaj, aż wszystkie LED zaświecą i pozostaną włączone, potem<byte value="xd"/><byte value="xd"/> 3)  Gdy świecą wszystkie LED, naciśnij &apos;OK&apos;, aby wysłać do Strobix...</translation>
    </message>
    <message>
        <source>Serial port %1 reaches no device (%2).<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>Port szeregowy %1 nie prowadzi do żadnego urządzenia (%2).<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>%1 could not be opened:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>%1 — nie można otworzyć:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>the start marker</source>
        <translation>znacznik startu</translation>
    </message>
    <message>
        <source>record %1 of %2</source>
        <translation>rekord %1 z %2</translation>
    </message>
    <message>
        <source>The download stopped at %1 on %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Check the programming cable and its adapter, then download again.</source>
        <translation>Wysyłanie zatrzymało się na: %1, %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Urządzenie nie zostało w pełni zaprogramowane. Sprawdź kabel programujący i jego przejściówkę, a potem wyślij ponownie.</translation>
    </message>
    <message>
        <source>The download to %1 was cancelled after %2 of %3 records; the port is closed.<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Download again.</source>
        <translation>Wysyłanie anulowano po %2 z %3 rekordów (%1); port jest zamknięty.<byte value="xd"/><byte value="xd"/>Urządzenie nie zostało w pełni zaprogramowane. Wyślij ponownie.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Open STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Otwórz plik danych STROBIX (programowalny sekwencer/migacz LED)</translation>
    </message>
    <message>
        <source>Save STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Zapisz plik danych STROBIX (programowalny sekwencer/migacz LED)</translation>
    </message>
    <message>
        <source>Merge STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Scal plik danych STROBIX (programowalny sekwencer/migacz LED)</translation>
    </message>
    <message>
        <source>Data Files (*.DAT);;All Files (*.*)</source>
        <translation>Pliki danych (*.DAT);;Wszystkie pliki (*.*)</translation>
    </message>
    <message>
        <source>Replace existing file - %1?</source>
        <translation>Zastąpić istniejący plik - %1?</translation>
    </message>
    <message>
        <source>Cannot read %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Nie można odczytać %1<byte value="xd"/>%2<byte value="xd"/>Nic nie zmieniono.</translation>
    </message>
    <message>
        <source>The sequence was not saved; an existing file of that name was left as it was.</source>
        <translation>Sekwencja nie została zapisana; istniejący plik o tej nazwie pozostał bez zmian.</translation>
    </message>
    <message>
        <source>The sequence was not saved.</source>
        <translation>Sekwencja nie została zapisana.</translation>
    </message>
    <message>
        <source>Cannot save %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>Nie można zapisać %1<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Cannot open the link %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Nie można otworzyć linku %1<byte value="xd"/>%2<byte value="xd"/>Nic nie zmieniono.</translation>
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
        <translation>wł.</translation>
    </message>
    <message>
        <source>off</source>
        <translation>wył.</translation>
    </message>
</context>
<context>
    <name>HeadlessDownload</name>
    <message>
        <source><byte value="xd"/>[%1%2] record %3 of %4</source>
        <translation><byte value="xd"/>[%1%2] rekord %3 z %4</translation>
    </message>
    <message>
        <source>Nothing was sent to the device.</source>
        <translation>Do urządzenia nic nie wysłano.</translation>
    </message>
    <message>
        <source>Press Enter to download to %1 (n and Enter, or Ctrl+C, cancels)... </source>
        <extracomment>The answer that cancels starts with n in every language</extracomment>
        <translation>Naciśnij Enter, aby wysłać do %1 (n i Enter albo Ctrl+C anuluje)... </translation>
    </message>
    <message>
        <source>Cancelled. Nothing was sent to the device.
</source>
        <translation>Anulowano. Do urządzenia nic nie wysłano.
</translation>
    </message>
    <message>
        <source>Sending to %1...
</source>
        <translation>Wysyłanie do %1...
</translation>
    </message>
    <message>
        <source>Done: %1 records sent to %2.
</source>
        <translation>Gotowe: wysłano %1 rekordów do %2.
</translation>
    </message>
</context>
<context>
    <name>LastingStorage</name>
    <message>
        <source>Strobix is already open in another tab of this browser</source>
        <translation>Strobix jest już otwarty w innej karcie tej przeglądarki</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sequence grid</source>
        <translation>Siatka sekwencji</translation>
    </message>
    <message>
        <source>Four LEDs by 50 events; each cell is on or off. Arrows move, Space toggles, Shift+arrow paints.</source>
        <translation>Cztery LED na 50 kroków; każda komórka jest włączona lub wyłączona. Strzałki przesuwają, Spacja przełącza, Shift+strzałka maluje.</translation>
    </message>
    <message>
        <source>Time axis</source>
        <translation>Oś czasu</translation>
    </message>
    <message>
        <source>Event numbers; the red one is the last event. Left and Right move, Enter or Space moves the end marker to the focused event.</source>
        <translation>Numery kroków; czerwony to ostatni krok. Lewo i Prawo przesuwają, Enter lub Spacja stawia znacznik końca na wybranym kroku.</translation>
    </message>
    <message>
        <source>Click here to change color of %1</source>
        <translation>Kliknij tutaj, aby zmienić kolor %1</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>Kolor %1</translation>
    </message>
    <message>
        <source>Opens the colour list for %1 (Enter or Space)</source>
        <translation>Otwiera listę kolorów %1 (Enter lub Spacja)</translation>
    </message>
    <message>
        <source>%1 lamp</source>
        <translation>Lampka %1</translation>
    </message>
    <message>
        <source>Shows %1 during the visual test</source>
        <translation>Pokazuje %1 podczas testu wizualnego</translation>
    </message>
    <message>
        <source>Click here to change %1 flash pattern</source>
        <translation>Kliknij tutaj, aby zmienić wzór migania %1</translation>
    </message>
    <message>
        <source>%1 row options</source>
        <translation>Opcje wiersza %1</translation>
    </message>
    <message>
        <source>Opens the list of operations on the %1 row</source>
        <translation>Otwiera listę operacji na wierszu %1</translation>
    </message>
    <message>
        <source>Change how %1 will repond to R/C servo signal</source>
        <translation>Zmień, jak %1 reaguje na sygnał serwa R/C</translation>
    </message>
    <message>
        <source>%1 servo control</source>
        <translation>Sterowanie serwem %1</translation>
    </message>
    <message>
        <source>How %1 responds to the R/C servo signal</source>
        <translation>Jak %1 reaguje na sygnał serwa R/C</translation>
    </message>
    <message>
        <source>Servo Control</source>
        <translation>Serwo</translation>
    </message>
    <message>
        <source>Heading of the servo-control lists</source>
        <translation>Nagłówek list sterowania serwem</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>Click here to open and load a  LED sequence...</source>
        <translation>Kliknij tutaj, aby otworzyć i wczytać sekwencję LED...</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Click here to Start/Stop the visual test of the LED sequence...</source>
        <translation>Kliknij tutaj, aby uruchomić/zatrzymać test wizualny sekwencji LED...</translation>
    </message>
    <message>
        <source>&amp;DOWNLOAD</source>
        <translation>&amp;WYŚLIJ</translation>
    </message>
    <message>
        <source>Click here to Download data to Strobix Sequencer/Flasher...</source>
        <translation>Kliknij tutaj, aby wysłać dane do sekwencera/migacza Strobix...</translation>
    </message>
    <message>
        <source>&amp;Save File...</source>
        <translation>&amp;Zapisz...</translation>
    </message>
    <message>
        <source>Click here to save the current LED sequence...</source>
        <translation>Kliknij tutaj, aby zapisać bieżącą sekwencję LED...</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Ustawienia...</translation>
    </message>
    <message>
        <source>Click here to change Software/Strobix Settings...</source>
        <translation>Kliknij tutaj, aby zmienić ustawienia programu i Strobix...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>Za&amp;kończ</translation>
    </message>
    <message>
        <source>Exit software...</source>
        <translation>Zakończ program...</translation>
    </message>
    <message>
        <source>Servo Pulsewidth =</source>
        <translation>Impuls serwa =</translation>
    </message>
    <message>
        <source>The servo pulse width the stick sets</source>
        <translation>Szerokość impulsu serwa ustawiona drążkiem</translation>
    </message>
    <message>
        <source>Servo pulse width</source>
        <translation>Szerokość impulsu serwa</translation>
    </message>
    <message>
        <source>Pulse width in microseconds</source>
        <translation>Szerokość impulsu w mikrosekundach</translation>
    </message>
    <message>
        <source>microseconds</source>
        <translation>mikrosekundy</translation>
    </message>
    <message>
        <source>Unit of the servo pulse width</source>
        <translation>Jednostka szerokości impulsu serwa</translation>
    </message>
    <message>
        <source>Servo stick</source>
        <translation>Drążek serwa</translation>
    </message>
    <message>
        <source>Simulated R/C servo stick; Left and Right move it</source>
        <translation>Symulowany drążek serwa R/C; Lewo i Prawo go przesuwają</translation>
    </message>
    <message>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation>(Myszą lub strzałkami lewo/prawo zmieniasz położenie serwa)</translation>
    </message>
    <message>
        <source>Use the Mouse or Left + Right Arrow key to change servo position...</source>
        <translation>Użyj myszy lub strzałek lewo/prawo, aby zmienić położenie serwa...</translation>
    </message>
    <message>
        <source>Downloading to STROBIX ...</source>
        <translation>Wysyłanie do STROBIX ...</translation>
    </message>
    <message>
        <source>Downloading data to the Strobix...</source>
        <translation>Wysyłanie danych do Strobix...</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Postęp wysyłania</translation>
    </message>
    <message>
        <source>Records sent to the sequencer</source>
        <translation>Rekordy wysłane do sekwencera</translation>
    </message>
    <message>
        <source> Up and Down move, Enter picks, Escape closes.</source>
        <translation> Góra i Dół przesuwają, Enter wybiera, Esc zamyka.</translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation>Lista kolorów</translation>
    </message>
    <message>
        <source>Display colour of the LED.</source>
        <translation>Kolor wyświetlania LED.</translation>
    </message>
    <message>
        <source>Row options</source>
        <translation>Opcje wiersza</translation>
    </message>
    <message>
        <source>Operations on the LED&apos;s row.</source>
        <translation>Operacje na wierszu LED.</translation>
    </message>
    <message>
        <source>Copy row list</source>
        <translation>Lista wierszy do kopiowania</translation>
    </message>
    <message>
        <source>The other LED&apos;s row to copy.</source>
        <translation>Wiersz innej LED do skopiowania.</translation>
    </message>
    <message>
        <source>&amp;New/Clear</source>
        <translation>&amp;Nowy/Wyczyść</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Otwórz...</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Scal...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Zapisz...</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Wyślij</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Ustawienia</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;O programie</translation>
    </message>
    <message>
        <source>&amp;Users&apos; Manual...</source>
        <translation>&amp;Podręcznik użytkownika...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Plik</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Pomo&amp;c</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Cofnij</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ponów</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Zaznacz</translation>
    </message>
    <message>
        <source>Toggle All</source>
        <translation>Odwróć</translation>
    </message>
    <message>
        <source>Copy from...</source>
        <translation>Kopiuj z...</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Kopiuj do...</translation>
    </message>
    <message>
        <source>Skip 1...</source>
        <translation>Pomiń 1...</translation>
    </message>
    <message>
        <source>Skip 2...</source>
        <translation>Pomiń 2...</translation>
    </message>
    <message>
        <source>Skip 3...</source>
        <translation>Pomiń 3...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>The serial port did not finish sending within %1 seconds.</source>
        <translation>Port szeregowy nie skończył wysyłania w ciągu %1 sekund.</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>Port szeregowy nie jest otwarty.</translation>
    </message>
</context>
<context>
    <name>PortLocator</name>
    <message>
        <source>none present
%1</source>
        <extracomment>%1 which ports the computer has</extracomment>
        <translation>brak
%1</translation>
    </message>
    <message>
        <source>this computer has no serial port</source>
        <translation>ten komputer nie ma portu szeregowego</translation>
    </message>
    <message>
        <source>this computer has 1 serial port: %1</source>
        <translation>ten komputer ma 1 port szeregowy: %1</translation>
    </message>
    <message>
        <source>this computer has %1 serial ports: %2</source>
        <translation>liczba portów szeregowych tego komputera: %1: %2</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>brak urządzenia</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>a sequence not saved yet</source>
        <translation>sekwencja jeszcze niezapisana</translation>
    </message>
    <message>
        <source>Strobix was not closed normally. Unsaved work was kept from %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Yes restores it in this window; it stays unsaved until you save it.<byte value="xd"/>No discards it for good.<byte value="xd"/>Cancel keeps it for later: Strobix asks again at the next start.</source>
        <extracomment>%1 when the copy was written, %2 the file name or &quot;a sequence not saved yet&quot;</extracomment>
        <translation>Strobix nie został zamknięty normalnie. Zachowano niezapisaną pracę z %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>„Tak” przywraca ją w tym oknie; pozostaje niezapisana, dopóki jej nie zapiszesz.<byte value="xd"/>„Nie” usuwa ją na zawsze.<byte value="xd"/>„Anuluj” zostawia ją na później: Strobix zapyta ponownie przy następnym uruchomieniu.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved work cannot be read:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>It was put aside as<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix starts without it. If it still holds a sequence, open it with Open; otherwise delete it.</source>
        <translation>Nie można odczytać kopii zapasowej niezapisanej pracy:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Odłożono ją jako<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix uruchamia się bez niej. Jeśli nadal zawiera sekwencję, otwórz ją poleceniem Otwórz; w przeciwnym razie ją usuń.</translation>
    </message>
    <message>
        <source>Strobix cannot keep a recovery copy of your unsaved work in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>It goes on working without one until it is started again: save your work often. To have recovery copies again, free some disk space or make that folder writable.</source>
        <translation>Strobix nie może przechowywać kopii zapasowej niezapisanej pracy w<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Działa dalej bez niej do następnego uruchomienia: zapisuj często. Aby znów mieć kopie zapasowe, zwolnij miejsce na dysku albo zezwól na zapis w tym folderze.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of another window was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers it now.</source>
        <translation><byte value="xd"/><byte value="xd"/>Zachowano też niezapisaną pracę z innego okna. Po „Tak” czeka ona na następne uruchomienie; po „Nie” lub „Anuluj” Strobix proponuje ją od razu.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of %1 other windows was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers the next one now.</source>
        <translation><byte value="xd"/><byte value="xd"/>Zachowano też niezapisaną pracę z innych okien (liczba okien: %1). Po „Tak” czeka ona na następne uruchomienie; po „Nie” lub „Anuluj” Strobix od razu proponuje następną.</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 to plik, a nie folder.</translation>
    </message>
    <message>
        <source>the system gave no reason.</source>
        <translation>system nie podał przyczyny.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>Nie można utworzyć folderu %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be made: %2</source>
        <translation>Nie można utworzyć pliku %1: %2</translation>
    </message>
    <message>
        <source>It was written by a newer version of Strobix.</source>
        <translation>Zapisała ją nowsza wersja Strobix.</translation>
    </message>
    <message>
        <source>Its two files do not belong together (damaged or cut short).</source>
        <translation>Jej dwa pliki do siebie nie pasują (uszkodzone lub ucięte).</translation>
    </message>
    <message>
        <source>Its file %1 cannot be read: %2</source>
        <translation>Nie można odczytać jej pliku %1: %2</translation>
    </message>
    <message>
        <source>Its file %1 is missing.</source>
        <translation>Brak jej pliku %1.</translation>
    </message>
    <message>
        <source>Its file %1 is far too big to be part of a recovery copy.</source>
        <translation>Jej plik %1 jest o wiele za duży, by być częścią kopii zapasowej.</translation>
    </message>
</context>
<context>
    <name>SequenceDocument</name>
    <message>
        <source>Switch a cell of %1</source>
        <translation>Przełącz komórkę %1</translation>
    </message>
    <message>
        <source>Paint cells</source>
        <translation>Malowanie komórek</translation>
    </message>
    <message>
        <source>Row options of %1</source>
        <translation>Opcje wiersza %1</translation>
    </message>
    <message>
        <source>New/Clear</source>
        <translation>Nowy/Wyczyść</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Scal</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Otwórz link</translation>
    </message>
</context>
<context>
    <name>SequenceEdits</name>
    <message>
        <source>Colour</source>
        <translation>Kolor</translation>
    </message>
    <message>
        <source>Servo control</source>
        <translation>Sterowanie serwem</translation>
    </message>
    <message>
        <source>End marker</source>
        <translation>Znacznik końca</translation>
    </message>
</context>
<context>
    <name>SequenceFileReader</name>
    <message>
        <source> (%1 to %2)</source>
        <translation> (od %1 do %2)</translation>
    </message>
    <message>
        <source>the value of event %1</source>
        <translation>wartość kroku %1</translation>
    </message>
    <message>
        <source>the colour of LED#%1</source>
        <translation>kolor LED#%1</translation>
    </message>
    <message>
        <source>spare colour entry %1</source>
        <translation>wolny wpis koloru %1</translation>
    </message>
    <message>
        <source>the servo-control choice of LED#%1</source>
        <translation>sterowanie serwem LED#%1</translation>
    </message>
    <message>
        <source>the sequencer speed</source>
        <translation>szybkość sekwencera</translation>
    </message>
    <message>
        <source>the test speed</source>
        <translation>szybkość testu</translation>
    </message>
    <message>
        <source>Line %1: expected value %2 of %3, %4, found %5.</source>
        <extracomment>%1 line, %2 value number, %3 count of values, %4 what the value is, %5 what was there</extracomment>
        <translation>Wiersz %1: oczekiwano wartości %2 z %3, %4; jest: %5.</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>koniec pliku</translation>
    </message>
    <message>
        <source>a text without its closing double quote</source>
        <translation>tekst bez zamykającego cudzysłowu</translation>
    </message>
    <message>
        <source> followed by other text</source>
        <translation> z dalszym tekstem</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nic</translation>
    </message>
    <message>
        <source>This is not a regular file (it is a folder, a device or a pipe) and cannot hold sequence data.</source>
        <translation>To nie jest zwykły plik (to folder, urządzenie lub potok) i nie może zawierać danych sekwencji.</translation>
    </message>
    <message>
        <source>the last event (%1 to %2 for events 1 to 50)</source>
        <extracomment>the file holds 0 for event 1 ... 49 for event 50</extracomment>
        <translation>ostatni krok (od %1 do %2 dla kroków od 1 do 50)</translation>
    </message>
    <message>
        <source>A sequence data file has its 65 values within its first %1 KB; this file does not, so it is not a sequence data file.</source>
        <translation>Plik sekwencji ma swoje 65 wartości w pierwszych %1 KB; ten plik nie, więc nie jest plikiem sekwencji.</translation>
    </message>
</context>
<context>
    <name>SequenceGrid</name>
    <message>
        <source>Click a cell to switch it on or off, or drag to paint.
Keys: arrows move, Space switches, Shift+arrows paint, Home/End go to the row&apos;s ends.
Ctrl+Z undoes, Ctrl+Shift+Z or Ctrl+Y redoes.</source>
        <translation>Kliknij komórkę, aby ją włączyć lub wyłączyć, albo przeciągnij, aby malować.
Klawisze: strzałki przesuwają, Spacja przełącza, Shift+strzałki malują, Home/End idą na końce wiersza.
Ctrl+Z cofa, Ctrl+Shift+Z lub Ctrl+Y ponawia.</translation>
    </message>
</context>
<context>
    <name>SequenceLink</name>
    <message>
        <source>The link is damaged: it is too short or too long, as if cut off or run together with other text.</source>
        <translation>Link jest uszkodzony: jest za krótki lub za długi, jakby został ucięty albo sklejony z innym tekstem.</translation>
    </message>
    <message>
        <source>The link is damaged: it holds bits that no version of Strobix writes.</source>
        <translation>Link jest uszkodzony: zawiera bity, których nie zapisuje żadna wersja Strobix.</translation>
    </message>
    <message>
        <source>The link is damaged: %1 is %2.</source>
        <translation>Link jest uszkodzony: %1 wynosi %2.</translation>
    </message>
    <message>
        <source>This is not a link to a sequence: it has no &quot;#seq=&quot; part.</source>
        <translation>To nie jest link do sekwencji: brak w nim części „#seq=”.</translation>
    </message>
    <message>
        <source>The link is damaged: &quot;%1&quot; cannot be part of it.</source>
        <translation>Link jest uszkodzony: „%1” nie może być jego częścią.</translation>
    </message>
    <message>
        <source>The link is damaged: its check characters do not match the rest, so something in it was changed.</source>
        <translation>Link jest uszkodzony: jego znaki kontrolne nie pasują do reszty, więc coś w nim zmieniono.</translation>
    </message>
    <message>
        <source>The link was made by a newer version of Strobix (link format %1; this version reads format %2). Open it with a newer version.</source>
        <translation>Link został utworzony przez nowszą wersję Strobix (format linku %1; ta wersja czyta format %2). Otwórz go w nowszej wersji.</translation>
    </message>
    <message>
        <source>The link is damaged: it names no format of Strobix&apos;s links.</source>
        <translation>Link jest uszkodzony: nie podaje żadnego formatu linków Strobix.</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>The serial port is not open.</source>
        <translation>Port szeregowy nie jest otwarty.</translation>
    </message>
    <message>
        <source>The serial port&apos;s output queue could not be read: %1</source>
        <translation>Nie można odczytać kolejki wyjściowej portu szeregowego: %1</translation>
    </message>
</context>
<context>
    <name>ServoControl</name>
    <message>
        <source>OFF</source>
        <translation>WYŁ.</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>BRAK</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>The serial port setting could not be saved to<byte value="xd"/></source>
        <translation>Nie można zapisać ustawienia portu szeregowego w<byte value="xd"/></translation>
    </message>
    <message>
        <source>The new settings are used until the program ends.</source>
        <translation>Nowe ustawienia obowiązują do końca działania programu.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source> Settings...</source>
        <translation> Ustawienia...</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Ustawienia programu</translation>
    </message>
    <message>
        <source>Communication Port# (RS-232)</source>
        <translation>Port komunikacyjny (RS-232)</translation>
    </message>
    <message>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation>(9-stykowy port, do którego podłączono kabel programujący)</translation>
    </message>
    <message>
        <source>LED Test Speed (ms)</source>
        <translation>Szybkość testu LED (ms)</translation>
    </message>
    <message>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation>(Dopasuj do szybkości sekwencera)</translation>
    </message>
    <message>
        <source>Strobix Settings</source>
        <translation>Ustawienia Strobix</translation>
    </message>
    <message>
        <source>Sequencer Delay (ms)</source>
        <translation>Przerwa sekwencera (ms)</translation>
    </message>
    <message>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation>(Przerwa między każdym z 50 kroków )</translation>
    </message>
    <message>
        <source>Use Pull-downs for changing all settings!</source>
        <translation>Wszystko zmieniaj listami rozwijanymi!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Port komunikacyjny</translation>
    </message>
    <message>
        <source>Serial port number the programming cable is connected to</source>
        <translation>Numer portu szeregowego, do którego podłączono kabel programujący</translation>
    </message>
    <message>
        <source>LED test speed (ms)</source>
        <translation>Szybkość testu LED (ms)</translation>
    </message>
    <message>
        <source>Step time of the visual test, to match the sequencer</source>
        <translation>Czas kroku testu wizualnego, dopasowany do sekwencera</translation>
    </message>
    <message>
        <source>Sequencer delay (ms)</source>
        <translation>Przerwa sekwencera (ms)</translation>
    </message>
    <message>
        <source>Delay between each of the 50 events on the sequencer</source>
        <translation>Przerwa między każdym z 50 kroków w sekwencerze</translation>
    </message>
    <message>
        <source>Uses these settings and remembers the port</source>
        <translation>Stosuje te ustawienia i zapamiętuje port</translation>
    </message>
    <message>
        <source>Closes without changing the settings</source>
        <translation>Zamyka bez zmiany ustawień</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>OK to Really Exit ?</source>
        <translation>Naprawdę zakończyć ?</translation>
    </message>
    <message>
        <source>(Be sure you have saved your files)</source>
        <translation>(Czy zapisano pliki?)</translation>
    </message>
    <message>
        <source>Programmable LED Sequencer/Flasher  - Rev3</source>
        <translation>Programowalny sekwencer/migacz LED  - Rev3</translation>
    </message>
    <message>
        <source>By:  Tessmer</source>
        <translation>Autor:  Tessmer</translation>
    </message>
    <message>
        <source>Feb 2008</source>
        <translation>Luty 2008</translation>
    </message>
    <message>
        <source> Users&apos; Manual</source>
        <translation> Podręcznik użytkownika</translation>
    </message>
    <message>
        <source><byte value="xd"/> Click OK to view the Strobix Users&apos; Manual on the %1 webpage...</source>
        <extracomment>%1 the name of the manual&apos;s web page, left in English</extracomment>
        <translation><byte value="xd"/> Kliknij OK, aby zobaczyć podręcznik użytkownika Strobix na stronie %1...</translation>
    </message>
    <message>
        <source>No web browser could be started. Open that file in a web browser,<byte value="xd"/> or install xdg-utils so the desktop knows how to show it.</source>
        <translation>Nie udało się uruchomić przeglądarki. Otwórz ten plik w przeglądarce<byte value="xd"/> lub zainstaluj xdg-utils, aby pulpit wiedział, jak go pokazać.</translation>
    </message>
    <message>
        <source>The file is missing. Reinstall Strobix to restore it.</source>
        <translation>Brak pliku. Zainstaluj Strobix ponownie, aby go przywrócić.</translation>
    </message>
    <message>
        <source><byte value="xd"/> The Users&apos; Manual could not be opened:<byte value="xd"/><byte value="xd"/> </source>
        <translation><byte value="xd"/> Nie można otworzyć podręcznika użytkownika:<byte value="xd"/><byte value="xd"/> </translation>
    </message>
</context>
<context>
    <name>SystemSerialPort</name>
    <message>
        <source>The serial port took only %1 of %2 bytes in %3 seconds.</source>
        <translation>Port szeregowy przyjął tylko %1 z %2 bajtów w ciągu %3 sekund.</translation>
    </message>
    <message>
        <source>browsers let only pages from https:// addresses or from this computer use serial ports, and this page has neither</source>
        <translation>przeglądarki pozwalają używać portów szeregowych tylko stronom z adresów https:// lub z tego komputera, a ta strona nie pochodzi z żadnego z nich</translation>
    </message>
    <message>
        <source>this browser has no Web Serial; Chrome and Edge have it, Firefox and Safari do not (Save still works in every browser)</source>
        <translation>ta przeglądarka nie ma Web Serial; mają go Chrome i Edge, a Firefox i Safari nie (Zapisz nadal działa w każdej przeglądarce)</translation>
    </message>
    <message>
        <source>no port was chosen in the browser&apos;s list of serial ports</source>
        <translation>nie wybrano portu na liście portów szeregowych przeglądarki</translation>
    </message>
    <message>
        <source>the browser no longer lets this page use that port</source>
        <translation>przeglądarka nie pozwala już tej stronie używać tego portu</translation>
    </message>
    <message>
        <source>the serial port went away (was the adapter unplugged?)</source>
        <translation>port szeregowy zniknął (czy odłączono przejściówkę?)</translation>
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
        <translation>, znacznik końca</translation>
    </message>
</context>
</TS>
