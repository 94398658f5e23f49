<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>AppInfo</name>
    <message>
        <source>STROBIX  -  Programmable LED Sequencer/Flasher</source>
        <translation>STROBIX  -  Sequenziatore/lampeggiatore LED programmabile</translation>
    </message>
</context>
<context>
    <name>BrowserEdition</name>
    <message>
        <source>This browser does not keep this page&apos;s data (%1).<byte value="xd"/>The port number, the zoom and the copies of unsaved work last only until the tab is closed.<byte value="xd"/>Save your sequences to files.</source>
        <translation>Questo browser non conserva i dati di questa pagina (%1).<byte value="xd"/>Il numero di porta, lo zoom e le copie del lavoro non salvato durano solo finché la scheda resta aperta.<byte value="xd"/>Salvate le vostre sequenze su file.</translation>
    </message>
</context>
<context>
    <name>CloseGuard</name>
    <message>
        <source>A download to STROBIX is still going on.<byte value="xd"/><byte value="xd"/>Click OK to stop it and close: STROBIX will not be programmed.<byte value="xd"/>Click Cancel to let the download finish.</source>
        <translation>È in corso un trasferimento allo STROBIX.<byte value="xd"/><byte value="xd"/>Fate clic su OK per interromperlo e chiudere: lo STROBIX non sarà programmato.<byte value="xd"/>Fate clic su Annulla per lasciar finire il trasferimento.</translation>
    </message>
    <message>
        <source>The download was stopped: STROBIX is not programmed.<byte value="xd"/><byte value="xd"/>Download the sequence again before using the device.</source>
        <translation>Il trasferimento è stato interrotto: lo STROBIX non è programmato.<byte value="xd"/><byte value="xd"/>Trasferite di nuovo la sequenza prima di usare il modulo.</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Black</source>
        <translation>Nero</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Giallo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Ciano</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Bianco</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostra questo aiuto ed esce.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Mostra la versione del programma ed esce.</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as text and exit.</source>
        <translation>Stampa la sequenza di &lt;file&gt; come testo ed esce.</translation>
    </message>
    <message>
        <source>Program the device with &lt;file&gt; without opening a window; needs --port or --device.</source>
        <translation>Programma il modulo con &lt;file&gt; senza aprire una finestra; richiede --port o --device.</translation>
    </message>
    <message>
        <source>Download through serial port number &lt;n&gt; (1 to 8).</source>
        <translation>Trasferisce tramite la porta seriale numero &lt;n&gt; (da 1 a 8).</translation>
    </message>
    <message>
        <source>Download to the serial device &lt;path&gt; instead of the one the port number reaches (also in the window).</source>
        <translation>Trasferisce al dispositivo seriale &lt;path&gt; invece di quello indicato dal numero di porta (anche nella finestra).</translation>
    </message>
    <message>
        <source>Draw the visual test of &lt;file&gt; as an animated GIF picture &lt;out.gif&gt; and exit.</source>
        <translation>Disegna il test visivo di &lt;file&gt; come immagine GIF animata &lt;out.gif&gt; ed esce.</translation>
    </message>
    <message>
        <source>With --export-animation: the picture&apos;s width in pixels (%1 to %2). Below the window&apos;s own width only the lamps are drawn; from there on also the grid and the time axis.</source>
        <translation>Con --export-animation: la larghezza dell&apos;immagine in pixel (da %1 a %2). Sotto la larghezza della finestra si disegnano solo le lampade; da lì in su anche la griglia e l&apos;asse dei tempi.</translation>
    </message>
    <message>
        <source>With --export-animation: the servo stick&apos;s zone, 0 (1000-1240 us) to 3 (1750-1990 us); by default the zone in which the most LEDs light.</source>
        <translation>Con --export-animation: la zona dello stick del servo, da 0 (1000-1240 us) a 3 (1750-1990 us); di norma la zona in cui si accendono più LED.</translation>
    </message>
    <message>
        <source>With --download: do not wait for Enter after the power-up instructions.</source>
        <translation>Con --download: non attende Invio dopo le istruzioni di accensione.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt; instead of the desktop&apos;s (%1).</source>
        <translation>Usa la lingua &lt;code&gt; invece di quella del desktop (%1).</translation>
    </message>
    <message>
        <source>Editor and programmer for the STROBIX LED sequencer. Without options it opens the editor window, with [file] loaded.</source>
        <translation>Editor e programmatore per il sequenziatore LED STROBIX. Senza opzioni apre la finestra dell&apos;editor, con [file] caricato.</translation>
    </message>
    <message>
        <source>--port goes with --download (the window takes its port from Settings).</source>
        <translation>--port va con --download (la finestra prende la porta dalle Impostazioni).</translation>
    </message>
    <message>
        <source>--yes goes with --download.</source>
        <translation>--yes va con --download.</translation>
    </message>
    <message>
        <source>--device does not go with --print.</source>
        <translation>--device non va con --print.</translation>
    </message>
    <message>
        <source>--size and --stick go with --export-animation.</source>
        <translation>--size e --stick vanno con --export-animation.</translation>
    </message>
    <message>
        <source>--device does not go with --export-animation.</source>
        <translation>--device non va con --export-animation.</translation>
    </message>
    <message>
        <source>--export-animation needs the picture to write (one name).</source>
        <translation>--export-animation richiede l&apos;immagine da scrivere (un nome).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argomento inatteso: %1</translation>
    </message>
    <message>
        <source>Only one file can be opened: %1</source>
        <translation>Si può aprire un solo file: %1</translation>
    </message>
    <message>
        <source>--download needs either --port or --device (not both).</source>
        <translation>--download richiede --port oppure --device (non entrambi).</translation>
    </message>
    <message>
        <source>--device needs a path.</source>
        <translation>--device richiede un percorso.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--port accetta un numero da 1 a %1, non &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 accetta un numero da %2 a %3, non &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &apos;%2&apos;.</source>
        <translation>--language accetta uno tra %1, non &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2
Provate &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as a link (#seq=...) and exit.</source>
        <translation>Stampa la sequenza di &lt;file&gt; come link (#seq=...) ed esce.</translation>
    </message>
    <message>
        <source>With --print-link: the address of the browser edition, to print the whole link.</source>
        <translation>Con --print-link: l&apos;indirizzo dell&apos;edizione per browser, per stampare il link completo.</translation>
    </message>
    <message>
        <source>A sequence data file (*.dat) to open, or a link to a sequence (https://.../#seq=... or #seq=...), opened as a new, unsaved one.</source>
        <translation>Un file di sequenza (*.dat) da aprire, o un link a una sequenza (https://.../#seq=... o #seq=...), aperta come nuova sequenza non salvata.</translation>
    </message>
    <message>
        <source>--device does not go with --print-link.</source>
        <translation>--device non va con --print-link.</translation>
    </message>
    <message>
        <source>--link-base goes with --print-link.</source>
        <translation>--link-base va con --print-link.</translation>
    </message>
    <message>
        <source>--link-base needs an address.</source>
        <translation>--link-base richiede un indirizzo.</translation>
    </message>
    <message>
        <source>--print, --print-link, --download and --export-animation do not go together.</source>
        <translation>--print, --print-link, --download ed --export-animation non vanno insieme.</translation>
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
Esempi:
  %1 show.dat                               apre show.dat nell&apos;editor
  %1 --print show.dat                       la stampa come griglia
  %1 --print-link show.dat                  la stampa come link (#seq=...)
  %1 &apos;#seq=...&apos;                             apre un link di questo tipo nell&apos;editor
  %1 --download show.dat --port 1           programma il modulo sulla porta 1
  %1 --download show.dat --device /dev/pts/3 --yes
  %1 --export-animation show.dat show.gif  disegna il suo test visivo come GIF

Codice di uscita di --print, --print-link, --download ed --export-animation:
  %2  successo
  %3  uso errato (opzione sconosciuta, argomento mancante, --port con --device, ...)
  %4  il file di dati non si può leggere o non è un file di sequenza valido; non è stato inviato nulla
  %5  la porta seriale non si può aprire (dispositivo inesistente, occupato, permesso negato)
  %6  la linea si è interrotta durante l&apos;invio (il messaggio indica il record)
  %7  annullato: no o fine dell&apos;input alla richiesta di accensione, Ctrl+C o SIGTERM
  %8  l&apos;immagine non si può scrivere (cartella inesistente, permesso negato, disco pieno); non resta nulla
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
        <translation>Impossibile leggere %1
%2
%3
</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Non è stato stampato nulla.</translation>
    </message>
    <message>
        <source>Warning: %1 of the pictures last less than %2 ms (the shortest %3 ms). GIF viewers show them longer, so the picture plays slower than the test.
</source>
        <translation>Attenzione: %1 delle immagini durano meno di %2 ms (la più breve %3 ms). I visualizzatori GIF le mostrano più a lungo, quindi l&apos;immagine è più lenta del test.
</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Non è stato scritto nulla.</translation>
    </message>
    <message>
        <source>Cannot write %1
%2
Nothing was written.
</source>
        <translation>Impossibile scrivere %1
%2
Non è stato scritto nulla.
</translation>
    </message>
    <message>
        <source>No link was printed.</source>
        <translation>Non è stato stampato alcun link.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Examples</source>
        <translation>Esempi</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <source>none present</source>
        <translation>assente</translation>
    </message>
</context>
<context>
    <name>DownloadMessages</name>
    <message>
        <source>Plug in the USB-serial adapter of the programming cable, or choose another port in Settings.</source>
        <translation>Collegate l&apos;adattatore USB-seriale del cavo di programmazione, o scegliete un&apos;altra porta nelle Impostazioni.</translation>
    </message>
    <message>
        <source>Your user account may not use serial ports. Add it to the &apos;dialout&apos; group (sudo usermod -a -G dialout $USER), then log out and back in.</source>
        <translation>Il vostro account non può usare le porte seriali. Aggiungetelo al gruppo &apos;dialout&apos; (sudo usermod -a -G dialout $USER), poi uscite e rientrate.</translation>
    </message>
    <message>
        <source>Your user account may not use this port. Ask the computer&apos;s administrator for access to it.</source>
        <translation>Il vostro account non può usare questa porta. Chiedete l&apos;accesso all&apos;amministratore del computer.</translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port in Settings.</source>
        <translation>Un altro programma sta usando questa porta. Chiudete quel programma, o scegliete un&apos;altra porta nelle Impostazioni.</translation>
    </message>
    <message>
        <source>The port cannot be set to 2400 baud, 8 data bits, no parity, 1 stop bit. Choose another port in Settings.</source>
        <translation>La porta non si può impostare a 2400 baud, 8 bit di dati, nessuna parità, 1 bit di stop. Scegliete un&apos;altra porta nelle Impostazioni.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>%1 is the computer&apos;s built-in serial port. If the programming cable uses a USB-serial adapter, plug it in (it appears as %2ttyUSBn; adapters are numbered before the built-in ports), or choose the right port in Settings.</source>
        <translation><byte value="xd"/><byte value="xd"/>%1 è la porta seriale integrata del computer. Se il cavo di programmazione usa un adattatore USB-seriale, collegatelo (compare come %2ttyUSBn; gli adattatori sono numerati prima delle porte integrate), o scegliete la porta giusta nelle Impostazioni.</translation>
    </message>
    <message>
        <source>serial device %1</source>
        <extracomment>Also starts a sentence, with its first letter in capitals</extracomment>
        <translation>il dispositivo seriale %1</translation>
    </message>
    <message>
        <source>serial port %1 (%2)</source>
        <translation>la porta seriale %1 (%2)</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Nothing was sent to the device.</source>
        <translation><byte value="xd"/><byte value="xd"/>Non è stato inviato nulla al modulo.</translation>
    </message>
    <message>
        <source>Download to STROBIX  -  Programmable LED Sequencer/Flasher...</source>
        <translation>Trasferimento allo STROBIX  -  Sequenziatore/lampeggiatore LED programmabile...</translation>
    </message>
    <message>
        <source><byte value="xd"/> 1) Cycle power/Connect Strobix to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Strobix...</source>
        <translation><byte value="xd"/> 1) Spegnete e riaccendete / collegate lo Strobix al cavo di programmazione (tutti i LED lampeggiano), poi<byte value="xd"/><byte value="xd"/> 2)  Attendete che tutti i LED si accendano e restino accesi, poi<byte value="xd"/><byte value="xd"/> 3)  Con tutti i LED accesi, premete &apos;OK&apos; per trasferire allo Strobix...</translation>
    </message>
    <message>
        <source>Serial port %1 reaches no device (%2).<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>La porta seriale %1 non raggiunge alcun dispositivo (%2).<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>%1 could not be opened:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>%1 non si può aprire:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>the start marker</source>
        <translation>marcatore di inizio</translation>
    </message>
    <message>
        <source>record %1 of %2</source>
        <translation>record %1 di %2</translation>
    </message>
    <message>
        <source>The download stopped at %1 on %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Check the programming cable and its adapter, then download again.</source>
        <translation>Il trasferimento verso %2 si è interrotto (%1):<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Il modulo non è stato programmato del tutto. Controllate il cavo di programmazione e il suo adattatore, poi trasferite di nuovo.</translation>
    </message>
    <message>
        <source>The download to %1 was cancelled after %2 of %3 records; the port is closed.<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Download again.</source>
        <translation>Il trasferimento verso %1 è stato annullato dopo %2 record su %3; la porta è chiusa.<byte value="xd"/><byte value="xd"/>Il modulo non è stato programmato del tutto. Trasferite di nuovo.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Open STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Apri file di dati STROBIX (sequenziatore/lampeggiatore LED programmabile)</translation>
    </message>
    <message>
        <source>Save STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Salva file di dati STROBIX (sequenziatore/lampeggiatore LED programmabile)</translation>
    </message>
    <message>
        <source>Merge STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Unisci file di dati STROBIX (sequenziatore/lampeggiatore LED programmabile)</translation>
    </message>
    <message>
        <source>Data Files (*.DAT);;All Files (*.*)</source>
        <translation>File di dati (*.DAT);;Tutti i file (*.*)</translation>
    </message>
    <message>
        <source>Replace existing file - %1?</source>
        <translation>Sostituire il file esistente - %1?</translation>
    </message>
    <message>
        <source>Cannot read %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Impossibile leggere %1<byte value="xd"/>%2<byte value="xd"/>Non è stato cambiato nulla.</translation>
    </message>
    <message>
        <source>The sequence was not saved; an existing file of that name was left as it was.</source>
        <translation>La sequenza non è stata salvata; un file esistente con quel nome è rimasto com&apos;era.</translation>
    </message>
    <message>
        <source>The sequence was not saved.</source>
        <translation>La sequenza non è stata salvata.</translation>
    </message>
    <message>
        <source>Cannot save %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>Impossibile salvare %1<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Cannot open the link %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Impossibile aprire il link %1<byte value="xd"/>%2<byte value="xd"/>Non è stato cambiato nulla.</translation>
    </message>
</context>
<context>
    <name>GridAccessible</name>
    <message>
        <source>LED#%1, event %2, %3</source>
        <extracomment>A cell of the grid as a screen reader names it; %3 is on or off</extracomment>
        <translation>LED#%1, passo %2, %3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>acceso</translation>
    </message>
    <message>
        <source>off</source>
        <translation>spento</translation>
    </message>
</context>
<context>
    <name>HeadlessDownload</name>
    <message>
        <source><byte value="xd"/>[%1%2] record %3 of %4</source>
        <translation><byte value="xd"/>[%1%2] record %3 di %4</translation>
    </message>
    <message>
        <source>Nothing was sent to the device.</source>
        <translation>Non è stato inviato nulla al modulo.</translation>
    </message>
    <message>
        <source>Press Enter to download to %1 (n and Enter, or Ctrl+C, cancels)... </source>
        <extracomment>The answer that cancels starts with n in every language</extracomment>
        <translation>Premete Invio per trasferire a %1 (n e Invio, o Ctrl+C, annulla)... </translation>
    </message>
    <message>
        <source>Cancelled. Nothing was sent to the device.
</source>
        <translation>Annullato. Non è stato inviato nulla al modulo.
</translation>
    </message>
    <message>
        <source>Sending to %1...
</source>
        <translation>Invio a %1...
</translation>
    </message>
    <message>
        <source>Done: %1 records sent to %2.
</source>
        <translation>Fatto: %1 record inviati a %2.
</translation>
    </message>
</context>
<context>
    <name>LastingStorage</name>
    <message>
        <source>Strobix is already open in another tab of this browser</source>
        <translation>Strobix è già aperto in un&apos;altra scheda di questo browser</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sequence grid</source>
        <translation>Griglia della sequenza</translation>
    </message>
    <message>
        <source>Four LEDs by 50 events; each cell is on or off. Arrows move, Space toggles, Shift+arrow paints.</source>
        <translation>Quattro LED per 50 passi; ogni cella è accesa o spenta. Le frecce spostano, Spazio inverte, Maiusc+freccia dipinge.</translation>
    </message>
    <message>
        <source>Time axis</source>
        <translation>Asse dei tempi</translation>
    </message>
    <message>
        <source>Event numbers; the red one is the last event. Left and Right move, Enter or Space moves the end marker to the focused event.</source>
        <translation>Numeri dei passi; quello rosso è l&apos;ultimo passo. Sinistra e Destra spostano, Invio o Spazio mette il marcatore di fine sul passo scelto.</translation>
    </message>
    <message>
        <source>Click here to change color of %1</source>
        <translation>Fate clic qui per cambiare il colore di %1</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>Colore di %1</translation>
    </message>
    <message>
        <source>Opens the colour list for %1 (Enter or Space)</source>
        <translation>Apre la lista dei colori di %1 (Invio o Spazio)</translation>
    </message>
    <message>
        <source>%1 lamp</source>
        <translation>Lampada di %1</translation>
    </message>
    <message>
        <source>Shows %1 during the visual test</source>
        <translation>Mostra %1 durante il test visivo</translation>
    </message>
    <message>
        <source>Click here to change %1 flash pattern</source>
        <translation>Fate clic qui per cambiare il lampeggio di %1</translation>
    </message>
    <message>
        <source>%1 row options</source>
        <translation>Opzioni della riga di %1</translation>
    </message>
    <message>
        <source>Opens the list of operations on the %1 row</source>
        <translation>Apre la lista delle operazioni sulla riga di %1</translation>
    </message>
    <message>
        <source>Change how %1 will repond to R/C servo signal</source>
        <translation>Cambia come %1 risponde al segnale servo R/C</translation>
    </message>
    <message>
        <source>%1 servo control</source>
        <translation>Controllo servo di %1</translation>
    </message>
    <message>
        <source>How %1 responds to the R/C servo signal</source>
        <translation>Come %1 risponde al segnale servo R/C</translation>
    </message>
    <message>
        <source>Servo Control</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Heading of the servo-control lists</source>
        <translation>Titolo delle liste di controllo servo</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>Click here to open and load a  LED sequence...</source>
        <translation>Fate clic qui per aprire e caricare una sequenza LED...</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Click here to Start/Stop the visual test of the LED sequence...</source>
        <translation>Fate clic qui per avviare/fermare il test visivo della sequenza LED...</translation>
    </message>
    <message>
        <source>&amp;DOWNLOAD</source>
        <translation>T&amp;RASFERISCI</translation>
    </message>
    <message>
        <source>Click here to Download data to Strobix Sequencer/Flasher...</source>
        <translation>Fate clic qui per trasferire i dati al sequenziatore/lampeggiatore Strobix...</translation>
    </message>
    <message>
        <source>&amp;Save File...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>Click here to save the current LED sequence...</source>
        <translation>Fate clic qui per salvare la sequenza LED attuale...</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Impostazioni...</translation>
    </message>
    <message>
        <source>Click here to change Software/Strobix Settings...</source>
        <translation>Fate clic qui per cambiare le impostazioni del programma e dello Strobix...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>Exit software...</source>
        <translation>Esci dal programma...</translation>
    </message>
    <message>
        <source>Servo Pulsewidth =</source>
        <translation>Impulso servo =</translation>
    </message>
    <message>
        <source>The servo pulse width the stick sets</source>
        <translation>La larghezza d&apos;impulso servo data dallo stick</translation>
    </message>
    <message>
        <source>Servo pulse width</source>
        <translation>Larghezza d&apos;impulso servo</translation>
    </message>
    <message>
        <source>Pulse width in microseconds</source>
        <translation>Larghezza d&apos;impulso in microsecondi</translation>
    </message>
    <message>
        <source>microseconds</source>
        <translation>microsecondi</translation>
    </message>
    <message>
        <source>Unit of the servo pulse width</source>
        <translation>Unità della larghezza d&apos;impulso servo</translation>
    </message>
    <message>
        <source>Servo stick</source>
        <translation>Stick del servo</translation>
    </message>
    <message>
        <source>Simulated R/C servo stick; Left and Right move it</source>
        <translation>Stick servo R/C simulato; Sinistra e Destra lo muovono</translation>
    </message>
    <message>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation>(Mouse o frecce sinistra/destra per muovere il servo)</translation>
    </message>
    <message>
        <source>Use the Mouse or Left + Right Arrow key to change servo position...</source>
        <translation>Usate il mouse o le frecce sinistra/destra per cambiare la posizione del servo...</translation>
    </message>
    <message>
        <source>Downloading to STROBIX ...</source>
        <translation>Invio a STROBIX ...</translation>
    </message>
    <message>
        <source>Downloading data to the Strobix...</source>
        <translation>Trasferimento dei dati allo Strobix...</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Avanzamento del trasferimento</translation>
    </message>
    <message>
        <source>Records sent to the sequencer</source>
        <translation>Record inviati al sequenziatore</translation>
    </message>
    <message>
        <source> Up and Down move, Enter picks, Escape closes.</source>
        <translation> Su e Giù spostano, Invio sceglie, Esc chiude.</translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation>Lista dei colori</translation>
    </message>
    <message>
        <source>Display colour of the LED.</source>
        <translation>Colore di visualizzazione del LED.</translation>
    </message>
    <message>
        <source>Row options</source>
        <translation>Opzioni di riga</translation>
    </message>
    <message>
        <source>Operations on the LED&apos;s row.</source>
        <translation>Operazioni sulla riga del LED.</translation>
    </message>
    <message>
        <source>Copy row list</source>
        <translation>Lista delle righe da copiare</translation>
    </message>
    <message>
        <source>The other LED&apos;s row to copy.</source>
        <translation>La riga dell&apos;altro LED da copiare.</translation>
    </message>
    <message>
        <source>&amp;New/Clear</source>
        <translation>&amp;Nuovo/Cancella</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Apri...</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Unisci...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Salva...</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>T&amp;rasferisci</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Impostazioni</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Informazioni</translation>
    </message>
    <message>
        <source>&amp;Users&apos; Manual...</source>
        <translation>&amp;Manuale utente...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ai&amp;uto</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Spegni tutto</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Accendi tutto</translation>
    </message>
    <message>
        <source>Toggle All</source>
        <translation>Inverti tutto</translation>
    </message>
    <message>
        <source>Copy from...</source>
        <translation>Copia da...</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Copia in...</translation>
    </message>
    <message>
        <source>Skip 1...</source>
        <translation>Salta 1...</translation>
    </message>
    <message>
        <source>Skip 2...</source>
        <translation>Salta 2...</translation>
    </message>
    <message>
        <source>Skip 3...</source>
        <translation>Salta 3...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>The serial port did not finish sending within %1 seconds.</source>
        <translation>La porta seriale non ha finito di inviare entro %1 secondi.</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>La porta seriale non è aperta.</translation>
    </message>
</context>
<context>
    <name>PortLocator</name>
    <message>
        <source>none present
%1</source>
        <extracomment>%1 which ports the computer has</extracomment>
        <translation>assente
%1</translation>
    </message>
    <message>
        <source>this computer has no serial port</source>
        <translation>questo computer non ha porte seriali</translation>
    </message>
    <message>
        <source>this computer has 1 serial port: %1</source>
        <translation>questo computer ha 1 porta seriale: %1</translation>
    </message>
    <message>
        <source>this computer has %1 serial ports: %2</source>
        <translation>questo computer ha %1 porte seriali: %2</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>nessun dispositivo</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>a sequence not saved yet</source>
        <translation>una sequenza mai salvata</translation>
    </message>
    <message>
        <source>Strobix was not closed normally. Unsaved work was kept from %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Yes restores it in this window; it stays unsaved until you save it.<byte value="xd"/>No discards it for good.<byte value="xd"/>Cancel keeps it for later: Strobix asks again at the next start.</source>
        <extracomment>%1 when the copy was written, %2 the file name or &quot;a sequence not saved yet&quot;</extracomment>
        <translation>Strobix non è stato chiuso normalmente. È stato conservato del lavoro non salvato del %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Sì lo ripristina in questa finestra; resta non salvato finché non lo salvate.<byte value="xd"/>No lo elimina per sempre.<byte value="xd"/>Annulla lo tiene per dopo: Strobix chiederà di nuovo al prossimo avvio.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved work cannot be read:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>It was put aside as<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix starts without it. If it still holds a sequence, open it with Open; otherwise delete it.</source>
        <translation>Una copia di ripristino di lavoro non salvato non si può leggere:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>È stata messa da parte come<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix si avvia senza. Se contiene ancora una sequenza, apritela con Apri; altrimenti eliminatela.</translation>
    </message>
    <message>
        <source>Strobix cannot keep a recovery copy of your unsaved work in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>It goes on working without one until it is started again: save your work often. To have recovery copies again, free some disk space or make that folder writable.</source>
        <translation>Strobix non può tenere una copia di ripristino del lavoro non salvato in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Continua a funzionare senza finché non viene riavviato: salvate spesso. Per riavere le copie di ripristino, liberate spazio su disco o rendete scrivibile quella cartella.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of another window was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers it now.</source>
        <translation><byte value="xd"/><byte value="xd"/>È stato conservato anche il lavoro non salvato di un&apos;altra finestra. Dopo Sì aspetta il prossimo avvio; dopo No o Annulla Strobix lo propone subito.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of %1 other windows was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers the next one now.</source>
        <translation><byte value="xd"/><byte value="xd"/>È stato conservato anche il lavoro non salvato di altre %1 finestre. Dopo Sì aspetta il prossimo avvio; dopo No o Annulla Strobix propone subito il successivo.</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 è un file, non una cartella.</translation>
    </message>
    <message>
        <source>the system gave no reason.</source>
        <translation>il sistema non ha dato alcun motivo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>La cartella %1 non si può creare: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be made: %2</source>
        <translation>Il file %1 non si può creare: %2</translation>
    </message>
    <message>
        <source>It was written by a newer version of Strobix.</source>
        <translation>È stata scritta da una versione più recente di Strobix.</translation>
    </message>
    <message>
        <source>Its two files do not belong together (damaged or cut short).</source>
        <translation>I suoi due file non corrispondono (danneggiati o troncati).</translation>
    </message>
    <message>
        <source>Its file %1 cannot be read: %2</source>
        <translation>Il suo file %1 non si può leggere: %2</translation>
    </message>
    <message>
        <source>Its file %1 is missing.</source>
        <translation>Manca il suo file %1.</translation>
    </message>
    <message>
        <source>Its file %1 is far too big to be part of a recovery copy.</source>
        <translation>Il suo file %1 è troppo grande per far parte di una copia di ripristino.</translation>
    </message>
</context>
<context>
    <name>SequenceDocument</name>
    <message>
        <source>Switch a cell of %1</source>
        <translation>Cambia una cella di %1</translation>
    </message>
    <message>
        <source>Paint cells</source>
        <translation>Dipingi celle</translation>
    </message>
    <message>
        <source>Row options of %1</source>
        <translation>Opzioni di riga di %1</translation>
    </message>
    <message>
        <source>New/Clear</source>
        <translation>Nuovo/Cancella</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Unisci</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Apri link</translation>
    </message>
</context>
<context>
    <name>SequenceEdits</name>
    <message>
        <source>Colour</source>
        <translation>Colore</translation>
    </message>
    <message>
        <source>Servo control</source>
        <translation>Controllo servo</translation>
    </message>
    <message>
        <source>End marker</source>
        <translation>Marcatore di fine</translation>
    </message>
</context>
<context>
    <name>SequenceFileReader</name>
    <message>
        <source> (%1 to %2)</source>
        <translation> (da %1 a %2)</translation>
    </message>
    <message>
        <source>the value of event %1</source>
        <translation>il valore del passo %1</translation>
    </message>
    <message>
        <source>the colour of LED#%1</source>
        <translation>il colore di LED#%1</translation>
    </message>
    <message>
        <source>spare colour entry %1</source>
        <translation>la voce di colore libera %1</translation>
    </message>
    <message>
        <source>the servo-control choice of LED#%1</source>
        <translation>il controllo servo di LED#%1</translation>
    </message>
    <message>
        <source>the sequencer speed</source>
        <translation>la velocità del sequenziatore</translation>
    </message>
    <message>
        <source>the test speed</source>
        <translation>la velocità del test</translation>
    </message>
    <message>
        <source>Line %1: expected value %2 of %3, %4, found %5.</source>
        <extracomment>%1 line, %2 value number, %3 count of values, %4 what the value is, %5 what was there</extracomment>
        <translation>Riga %1: atteso il valore %2 di %3, %4, trovato %5.</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>la fine del file</translation>
    </message>
    <message>
        <source>a text without its closing double quote</source>
        <translation>un testo senza le virgolette di chiusura</translation>
    </message>
    <message>
        <source> followed by other text</source>
        <translation> seguito da altro testo</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>niente</translation>
    </message>
    <message>
        <source>This is not a regular file (it is a folder, a device or a pipe) and cannot hold sequence data.</source>
        <translation>Non è un file normale (è una cartella, un dispositivo o una pipe) e non può contenere dati di sequenza.</translation>
    </message>
    <message>
        <source>the last event (%1 to %2 for events 1 to 50)</source>
        <extracomment>the file holds 0 for event 1 ... 49 for event 50</extracomment>
        <translation>l&apos;ultimo passo (da %1 a %2 per i passi da 1 a 50)</translation>
    </message>
    <message>
        <source>A sequence data file has its 65 values within its first %1 KB; this file does not, so it is not a sequence data file.</source>
        <translation>Un file di sequenza ha i suoi 65 valori nei primi %1 KB; questo file no, quindi non è un file di sequenza.</translation>
    </message>
</context>
<context>
    <name>SequenceGrid</name>
    <message>
        <source>Click a cell to switch it on or off, or drag to paint.
Keys: arrows move, Space switches, Shift+arrows paint, Home/End go to the row&apos;s ends.
Ctrl+Z undoes, Ctrl+Shift+Z or Ctrl+Y redoes.</source>
        <translation>Fate clic su una cella per accenderla o spegnerla, o trascinate per dipingere.
Tasti: le frecce spostano, Spazio inverte, Maiusc+frecce dipingono, Home/Fine vanno agli estremi della riga.
Ctrl+Z annulla, Ctrl+Maiusc+Z o Ctrl+Y ripete.</translation>
    </message>
</context>
<context>
    <name>SequenceLink</name>
    <message>
        <source>The link is damaged: it is too short or too long, as if cut off or run together with other text.</source>
        <translation>Il link è danneggiato: è troppo corto o troppo lungo, come se fosse stato tagliato o unito ad altro testo.</translation>
    </message>
    <message>
        <source>The link is damaged: it holds bits that no version of Strobix writes.</source>
        <translation>Il link è danneggiato: contiene bit che nessuna versione di Strobix scrive.</translation>
    </message>
    <message>
        <source>The link is damaged: %1 is %2.</source>
        <translation>Il link è danneggiato: %1 vale %2.</translation>
    </message>
    <message>
        <source>This is not a link to a sequence: it has no &quot;#seq=&quot; part.</source>
        <translation>Non è un link a una sequenza: manca la parte «#seq=».</translation>
    </message>
    <message>
        <source>The link is damaged: &quot;%1&quot; cannot be part of it.</source>
        <translation>Il link è danneggiato: «%1» non può farne parte.</translation>
    </message>
    <message>
        <source>The link is damaged: its check characters do not match the rest, so something in it was changed.</source>
        <translation>Il link è danneggiato: i suoi caratteri di controllo non corrispondono al resto, quindi qualcosa è stato cambiato.</translation>
    </message>
    <message>
        <source>The link was made by a newer version of Strobix (link format %1; this version reads format %2). Open it with a newer version.</source>
        <translation>Il link è stato creato da una versione più recente di Strobix (formato di link %1; questa versione legge il formato %2). Apritelo con una versione più recente.</translation>
    </message>
    <message>
        <source>The link is damaged: it names no format of Strobix&apos;s links.</source>
        <translation>Il link è danneggiato: non indica alcun formato di link di Strobix.</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>The serial port is not open.</source>
        <translation>La porta seriale non è aperta.</translation>
    </message>
    <message>
        <source>The serial port&apos;s output queue could not be read: %1</source>
        <translation>La coda di uscita della porta seriale non si è potuta leggere: %1</translation>
    </message>
</context>
<context>
    <name>ServoControl</name>
    <message>
        <source>OFF</source>
        <translation>SPENTO</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NIENTE</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>The serial port setting could not be saved to<byte value="xd"/></source>
        <translation>L&apos;impostazione della porta seriale non si è potuta salvare in<byte value="xd"/></translation>
    </message>
    <message>
        <source>The new settings are used until the program ends.</source>
        <translation>Le nuove impostazioni valgono fino alla chiusura del programma.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source> Settings...</source>
        <translation> Impostazioni...</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Impostazioni del programma</translation>
    </message>
    <message>
        <source>Communication Port# (RS-232)</source>
        <translation>Porta di comunicazione (RS-232)</translation>
    </message>
    <message>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation>(Porta a 9 pin a cui è collegato il cavo di programmazione)</translation>
    </message>
    <message>
        <source>LED Test Speed (ms)</source>
        <translation>Velocità test LED (ms)</translation>
    </message>
    <message>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation>(Adeguala alla velocità del sequenziatore)</translation>
    </message>
    <message>
        <source>Strobix Settings</source>
        <translation>Impostazioni dello Strobix</translation>
    </message>
    <message>
        <source>Sequencer Delay (ms)</source>
        <translation>Pausa sequenziatore (ms)</translation>
    </message>
    <message>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation>(Pausa tra ciascuno dei 50 passi )</translation>
    </message>
    <message>
        <source>Use Pull-downs for changing all settings!</source>
        <translation>Cambiate le impostazioni con le liste!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Porta di comunicazione</translation>
    </message>
    <message>
        <source>Serial port number the programming cable is connected to</source>
        <translation>Numero della porta seriale a cui è collegato il cavo di programmazione</translation>
    </message>
    <message>
        <source>LED test speed (ms)</source>
        <translation>Velocità del test LED (ms)</translation>
    </message>
    <message>
        <source>Step time of the visual test, to match the sequencer</source>
        <translation>Durata di un passo del test visivo, da adeguare al sequenziatore</translation>
    </message>
    <message>
        <source>Sequencer delay (ms)</source>
        <translation>Pausa del sequenziatore (ms)</translation>
    </message>
    <message>
        <source>Delay between each of the 50 events on the sequencer</source>
        <translation>Pausa tra ciascuno dei 50 passi sul sequenziatore</translation>
    </message>
    <message>
        <source>Uses these settings and remembers the port</source>
        <translation>Usa queste impostazioni e ricorda la porta</translation>
    </message>
    <message>
        <source>Closes without changing the settings</source>
        <translation>Chiude senza cambiare le impostazioni</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>OK to Really Exit ?</source>
        <translation>Uscire davvero ?</translation>
    </message>
    <message>
        <source>(Be sure you have saved your files)</source>
        <translation>(Avete salvato i vostri file?)</translation>
    </message>
    <message>
        <source>Programmable LED Sequencer/Flasher  - Rev3</source>
        <translation>Sequenziatore/lampeggiatore LED programmabile  - Rev3</translation>
    </message>
    <message>
        <source>By:  Tessmer</source>
        <translation>Di:  Tessmer</translation>
    </message>
    <message>
        <source>Feb 2008</source>
        <translation>Feb. 2008</translation>
    </message>
    <message>
        <source> Users&apos; Manual</source>
        <translation> Manuale utente</translation>
    </message>
    <message>
        <source><byte value="xd"/> Click OK to view the Strobix Users&apos; Manual on the %1 webpage...</source>
        <extracomment>%1 the name of the manual&apos;s web page, left in English</extracomment>
        <translation><byte value="xd"/> Fate clic su OK per vedere il manuale utente di Strobix nella pagina web %1...</translation>
    </message>
    <message>
        <source>No web browser could be started. Open that file in a web browser,<byte value="xd"/> or install xdg-utils so the desktop knows how to show it.</source>
        <translation>Non si è potuto avviare alcun browser web. Aprite quel file in un browser web,<byte value="xd"/> o installate xdg-utils perché il desktop sappia mostrarlo.</translation>
    </message>
    <message>
        <source>The file is missing. Reinstall Strobix to restore it.</source>
        <translation>Il file manca. Reinstallate Strobix per ripristinarlo.</translation>
    </message>
    <message>
        <source><byte value="xd"/> The Users&apos; Manual could not be opened:<byte value="xd"/><byte value="xd"/> </source>
        <translation><byte value="xd"/> Il manuale utente non si è potuto aprire:<byte value="xd"/><byte value="xd"/> </translation>
    </message>
</context>
<context>
    <name>SystemSerialPort</name>
    <message>
        <source>The serial port took only %1 of %2 bytes in %3 seconds.</source>
        <translation>La porta seriale ha accettato solo %1 byte su %2 in %3 secondi.</translation>
    </message>
    <message>
        <source>browsers let only pages from https:// addresses or from this computer use serial ports, and this page has neither</source>
        <translation>i browser lasciano usare le porte seriali solo alle pagine da indirizzi https:// o da questo computer, e questa pagina non viene da nessuno dei due</translation>
    </message>
    <message>
        <source>this browser has no Web Serial; Chrome and Edge have it, Firefox and Safari do not (Save still works in every browser)</source>
        <translation>questo browser non ha Web Serial; Chrome ed Edge ce l&apos;hanno, Firefox e Safari no (Salva funziona comunque in ogni browser)</translation>
    </message>
    <message>
        <source>no port was chosen in the browser&apos;s list of serial ports</source>
        <translation>non è stata scelta alcuna porta nella lista delle porte seriali del browser</translation>
    </message>
    <message>
        <source>the browser no longer lets this page use that port</source>
        <translation>il browser non lascia più usare quella porta a questa pagina</translation>
    </message>
    <message>
        <source>the serial port went away (was the adapter unplugged?)</source>
        <translation>la porta seriale è sparita (l&apos;adattatore è stato scollegato?)</translation>
    </message>
</context>
<context>
    <name>TestController</name>
    <message>
        <source>Stop Test</source>
        <translation>Ferma test</translation>
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
        <translation>Passo %1</translation>
    </message>
    <message>
        <source>, end marker</source>
        <translation>, marcatore di fine</translation>
    </message>
</context>
</TS>
