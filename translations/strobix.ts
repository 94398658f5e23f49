<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1">
<context>
    <name>AppInfo</name>
    <message>
        <source>STROBIX  -  Programmable LED Sequencer/Flasher</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BrowserEdition</name>
    <message>
        <source>This browser does not keep this page&apos;s data (%1).<byte value="xd"/>The port number, the zoom and the copies of unsaved work last only until the tab is closed.<byte value="xd"/>Save your sequences to files.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CloseGuard</name>
    <message>
        <source>A download to STROBIX is still going on.<byte value="xd"/><byte value="xd"/>Click OK to stop it and close: STROBIX will not be programmed.<byte value="xd"/>Click Cancel to let the download finish.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download was stopped: STROBIX is not programmed.<byte value="xd"/><byte value="xd"/>Download the sequence again before using the device.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Black</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as text and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program the device with &lt;file&gt; without opening a window; needs --port or --device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download through serial port number &lt;n&gt; (1 to 8).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download to the serial device &lt;path&gt; instead of the one the port number reaches (also in the window).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw the visual test of &lt;file&gt; as an animated GIF picture &lt;out.gif&gt; and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export-animation: the picture&apos;s width in pixels (%1 to %2). Below the window&apos;s own width only the lamps are drawn; from there on also the grid and the time axis.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --export-animation: the servo stick&apos;s zone, 0 (1000-1240 us) to 3 (1750-1990 us); by default the zone in which the most LEDs light.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --download: do not wait for Enter after the power-up instructions.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt; instead of the desktop&apos;s (%1).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Editor and programmer for the STROBIX LED sequencer. Without options it opens the editor window, with [file] loaded.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port goes with --download (the window takes its port from Settings).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--yes goes with --download.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--device does not go with --print.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--size and --stick go with --export-animation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--device does not go with --export-animation.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--export-animation needs the picture to write (one name).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only one file can be opened: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--download needs either --port or --device (not both).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--device needs a path.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--port takes a number from 1 to %1, not &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--language takes one of %1, not &apos;%2&apos;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as a link (#seq=...) and exit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>With --print-link: the address of the browser edition, to print the whole link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sequence data file (*.dat) to open, or a link to a sequence (https://.../#seq=... or #seq=...), opened as a new, unsaved one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--device does not go with --print-link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--link-base goes with --print-link.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--link-base needs an address.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--print, --print-link, --download and --export-animation do not go together.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Console</name>
    <message>
        <source>Cannot read %1
%2
%3
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning: %1 of the pictures last less than %2 ms (the shortest %3 ms). GIF viewers show them longer, so the picture plays slower than the test.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write %1
%2
Nothing was written.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No link was printed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Examples</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <source>none present</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>DownloadMessages</name>
    <message>
        <source>Plug in the USB-serial adapter of the programming cable, or choose another port in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your user account may not use serial ports. Add it to the &apos;dialout&apos; group (sudo usermod -a -G dialout $USER), then log out and back in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your user account may not use this port. Ask the computer&apos;s administrator for access to it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The port cannot be set to 2400 baud, 8 data bits, no parity, 1 stop bit. Choose another port in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>%1 is the computer&apos;s built-in serial port. If the programming cable uses a USB-serial adapter, plug it in (it appears as %2ttyUSBn; adapters are numbered before the built-in ports), or choose the right port in Settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial device %1</source>
        <extracomment>Also starts a sentence, with its first letter in capitals</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>serial port %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Nothing was sent to the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download to STROBIX  -  Programmable LED Sequencer/Flasher...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/> 1) Cycle power/Connect Strobix to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Strobix...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port %1 reaches no device (%2).<byte value="xd"/><byte value="xd"/>%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be opened:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the start marker</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>record %1 of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download stopped at %1 on %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Check the programming cable and its adapter, then download again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The download to %1 was cancelled after %2 of %3 records; the port is closed.<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Download again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Open STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data Files (*.DAT);;All Files (*.*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Replace existing file - %1?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sequence was not saved; an existing file of that name was left as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The sequence was not saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot save %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the link %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GridAccessible</name>
    <message>
        <source>LED#%1, event %2, %3</source>
        <extracomment>A cell of the grid as a screen reader names it; %3 is on or off</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HeadlessDownload</name>
    <message>
        <source><byte value="xd"/>[%1%2] record %3 of %4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was sent to the device.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Enter to download to %1 (n and Enter, or Ctrl+C, cancels)... </source>
        <extracomment>The answer that cancels starts with n in every language</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancelled. Nothing was sent to the device.
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sending to %1...
</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Done: %1 records sent to %2.
</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>LastingStorage</name>
    <message>
        <source>Strobix is already open in another tab of this browser</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sequence grid</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Four LEDs by 50 events; each cell is on or off. Arrows move, Space toggles, Shift+arrow paints.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time axis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Event numbers; the red one is the last event. Left and Right move, Enter or Space moves the end marker to the focused event.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change color of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the colour list for %1 (Enter or Space)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lamp</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows %1 during the visual test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change %1 flash pattern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 row options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the list of operations on the %1 row</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change how %1 will repond to R/C servo signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 servo control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How %1 responds to the R/C servo signal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heading of the servo-control lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to open and load a  LED sequence...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to Start/Stop the visual test of the LED sequence...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;DOWNLOAD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to Download data to Strobix Sequencer/Flasher...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save File...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to save the current LED sequence...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click here to change Software/Strobix Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit software...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo Pulsewidth =</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The servo pulse width the stick sets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo pulse width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pulse width in microseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>microseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit of the servo pulse width</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo stick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Simulated R/C servo stick; Left and Right move it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use the Mouse or Left + Right Arrow key to change servo position...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading to STROBIX ...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Downloading data to the Strobix...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Records sent to the sequencer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Up and Down move, Enter picks, Escape closes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display colour of the LED.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operations on the LED&apos;s row.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy row list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The other LED&apos;s row to copy.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New/Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Users&apos; Manual...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Toggle All</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy from...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip 1...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip 2...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip 3...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>The serial port did not finish sending within %1 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PortLocator</name>
    <message>
        <source>none present
%1</source>
        <extracomment>%1 which ports the computer has</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this computer has no serial port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this computer has 1 serial port: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this computer has %1 serial ports: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no device</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>a sequence not saved yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strobix was not closed normally. Unsaved work was kept from %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Yes restores it in this window; it stays unsaved until you save it.<byte value="xd"/>No discards it for good.<byte value="xd"/>Cancel keeps it for later: Strobix asks again at the next start.</source>
        <extracomment>%1 when the copy was written, %2 the file name or &quot;a sequence not saved yet&quot;</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A recovery copy of unsaved work cannot be read:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>It was put aside as<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix starts without it. If it still holds a sequence, open it with Open; otherwise delete it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strobix cannot keep a recovery copy of your unsaved work in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>It goes on working without one until it is started again: save your work often. To have recovery copies again, free some disk space or make that folder writable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of another window was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers it now.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of %1 other windows was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers the next one now.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the system gave no reason.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file %1 cannot be made: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>It was written by a newer version of Strobix.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its two files do not belong together (damaged or cut short).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its file %1 cannot be read: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its file %1 is missing.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Its file %1 is far too big to be part of a recovery copy.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequenceDocument</name>
    <message>
        <source>Switch a cell of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint cells</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Row options of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New/Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Merge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open link</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequenceEdits</name>
    <message>
        <source>Colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servo control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>End marker</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequenceFileReader</name>
    <message>
        <source> (%1 to %2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the value of event %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the colour of LED#%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>spare colour entry %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the servo-control choice of LED#%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the sequencer speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the test speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1: expected value %2 of %3, %4, found %5.</source>
        <extracomment>%1 line, %2 value number, %3 count of values, %4 what the value is, %5 what was there</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a text without its closing double quote</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> followed by other text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a regular file (it is a folder, a device or a pipe) and cannot hold sequence data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the last event (%1 to %2 for events 1 to 50)</source>
        <extracomment>the file holds 0 for event 1 ... 49 for event 50</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A sequence data file has its 65 values within its first %1 KB; this file does not, so it is not a sequence data file.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequenceGrid</name>
    <message>
        <source>Click a cell to switch it on or off, or drag to paint.
Keys: arrows move, Space switches, Shift+arrows paint, Home/End go to the row&apos;s ends.
Ctrl+Z undoes, Ctrl+Shift+Z or Ctrl+Y redoes.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SequenceLink</name>
    <message>
        <source>The link is damaged: it is too short or too long, as if cut off or run together with other text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link is damaged: it holds bits that no version of Strobix writes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link is damaged: %1 is %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This is not a link to a sequence: it has no &quot;#seq=&quot; part.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link is damaged: &quot;%1&quot; cannot be part of it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link is damaged: its check characters do not match the rest, so something in it was changed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link was made by a newer version of Strobix (link format %1; this version reads format %2). Open it with a newer version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The link is damaged: it names no format of Strobix&apos;s links.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>The serial port is not open.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The serial port&apos;s output queue could not be read: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ServoControl</name>
    <message>
        <source>OFF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NONE</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>The serial port setting could not be saved to<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The new settings are used until the program ends.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source> Settings...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication Port# (RS-232)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED Test Speed (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strobix Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequencer Delay (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use Pull-downs for changing all settings!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serial port number the programming cable is connected to</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED test speed (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Step time of the visual test, to match the sequencer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sequencer delay (ms)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delay between each of the 50 events on the sequencer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uses these settings and remembers the port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Closes without changing the settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>OK to Really Exit ?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(Be sure you have saved your files)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmable LED Sequencer/Flasher  - Rev3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>By:  Tessmer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb 2008</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Users&apos; Manual</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/> Click OK to view the Strobix Users&apos; Manual on the %1 webpage...</source>
        <extracomment>%1 the name of the manual&apos;s web page, left in English</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No web browser could be started. Open that file in a web browser,<byte value="xd"/> or install xdg-utils so the desktop knows how to show it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The file is missing. Reinstall Strobix to restore it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source><byte value="xd"/> The Users&apos; Manual could not be opened:<byte value="xd"/><byte value="xd"/> </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemSerialPort</name>
    <message>
        <source>The serial port took only %1 of %2 bytes in %3 seconds.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>browsers let only pages from https:// addresses or from this computer use serial ports, and this page has neither</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>this browser has no Web Serial; Chrome and Edge have it, Firefox and Safari do not (Save still works in every browser)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>no port was chosen in the browser&apos;s list of serial ports</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the browser no longer lets this page use that port</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the serial port went away (was the adapter unplugged?)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestController</name>
    <message>
        <source>Stop Test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TimeAxisAccessible</name>
    <message>
        <source>Event %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>, end marker</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
