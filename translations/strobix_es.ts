<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>AppInfo</name>
    <message>
        <source>STROBIX  -  Programmable LED Sequencer/Flasher</source>
        <translation>STROBIX  -  Secuenciador/intermitente LED programable</translation>
    </message>
</context>
<context>
    <name>BrowserEdition</name>
    <message>
        <source>This browser does not keep this page&apos;s data (%1).<byte value="xd"/>The port number, the zoom and the copies of unsaved work last only until the tab is closed.<byte value="xd"/>Save your sequences to files.</source>
        <translation>Este navegador no conserva los datos de esta página (%1).<byte value="xd"/>El número de puerto, el zoom y las copias del trabajo sin guardar solo duran hasta que se cierra la pestaña.<byte value="xd"/>Guarde sus secuencias en archivos.</translation>
    </message>
</context>
<context>
    <name>CloseGuard</name>
    <message>
        <source>A download to STROBIX is still going on.<byte value="xd"/><byte value="xd"/>Click OK to stop it and close: STROBIX will not be programmed.<byte value="xd"/>Click Cancel to let the download finish.</source>
        <translation>Hay una transferencia al STROBIX en curso.<byte value="xd"/><byte value="xd"/>Pulse Aceptar para detenerla y cerrar: el STROBIX no quedará programado.<byte value="xd"/>Pulse Cancelar para dejar que termine la transferencia.</translation>
    </message>
    <message>
        <source>The download was stopped: STROBIX is not programmed.<byte value="xd"/><byte value="xd"/>Download the sequence again before using the device.</source>
        <translation>La transferencia se detuvo: el STROBIX no está programado.<byte value="xd"/><byte value="xd"/>Transfiera de nuevo la secuencia antes de usar el módulo.</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Black</source>
        <translation>Negro</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Amarillo</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Magenta</source>
        <translation>Magenta</translation>
    </message>
    <message>
        <source>Cyan</source>
        <translation>Cian</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanco</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Mostrar esta ayuda y salir.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Mostrar la versión del programa y salir.</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as text and exit.</source>
        <translation>Mostrar la secuencia de &lt;file&gt; como texto y salir.</translation>
    </message>
    <message>
        <source>Program the device with &lt;file&gt; without opening a window; needs --port or --device.</source>
        <translation>Programar el módulo con &lt;file&gt; sin abrir una ventana; necesita --port o --device.</translation>
    </message>
    <message>
        <source>Download through serial port number &lt;n&gt; (1 to 8).</source>
        <translation>Transferir por el puerto serie número &lt;n&gt; (1 a 8).</translation>
    </message>
    <message>
        <source>Download to the serial device &lt;path&gt; instead of the one the port number reaches (also in the window).</source>
        <translation>Transferir al dispositivo serie &lt;path&gt; en lugar del que indica el número de puerto (también en la ventana).</translation>
    </message>
    <message>
        <source>Draw the visual test of &lt;file&gt; as an animated GIF picture &lt;out.gif&gt; and exit.</source>
        <translation>Dibujar la prueba visual de &lt;file&gt; como imagen GIF animada &lt;out.gif&gt; y salir.</translation>
    </message>
    <message>
        <source>With --export-animation: the picture&apos;s width in pixels (%1 to %2). Below the window&apos;s own width only the lamps are drawn; from there on also the grid and the time axis.</source>
        <translation>Con --export-animation: el ancho de la imagen en píxeles (%1 a %2). Por debajo del ancho de la ventana solo se dibujan las lámparas; a partir de ahí también la cuadrícula y el eje de tiempo.</translation>
    </message>
    <message>
        <source>With --export-animation: the servo stick&apos;s zone, 0 (1000-1240 us) to 3 (1750-1990 us); by default the zone in which the most LEDs light.</source>
        <translation>Con --export-animation: la zona del stick del servo, 0 (1000-1240 us) a 3 (1750-1990 us); por defecto la zona en la que se encienden más LED.</translation>
    </message>
    <message>
        <source>With --download: do not wait for Enter after the power-up instructions.</source>
        <translation>Con --download: no esperar a Intro tras las instrucciones de encendido.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt; instead of the desktop&apos;s (%1).</source>
        <translation>Hablar el idioma &lt;code&gt; en lugar del del escritorio (%1).</translation>
    </message>
    <message>
        <source>Editor and programmer for the STROBIX LED sequencer. Without options it opens the editor window, with [file] loaded.</source>
        <translation>Editor y programador del secuenciador LED STROBIX. Sin opciones abre la ventana del editor, con [file] cargado.</translation>
    </message>
    <message>
        <source>--port goes with --download (the window takes its port from Settings).</source>
        <translation>--port va con --download (la ventana toma su puerto de los Ajustes).</translation>
    </message>
    <message>
        <source>--yes goes with --download.</source>
        <translation>--yes va con --download.</translation>
    </message>
    <message>
        <source>--device does not go with --print.</source>
        <translation>--device no va con --print.</translation>
    </message>
    <message>
        <source>--size and --stick go with --export-animation.</source>
        <translation>--size y --stick van con --export-animation.</translation>
    </message>
    <message>
        <source>--device does not go with --export-animation.</source>
        <translation>--device no va con --export-animation.</translation>
    </message>
    <message>
        <source>--export-animation needs the picture to write (one name).</source>
        <translation>--export-animation necesita la imagen que escribir (un nombre).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argumento inesperado: %1</translation>
    </message>
    <message>
        <source>Only one file can be opened: %1</source>
        <translation>Solo se puede abrir un archivo: %1</translation>
    </message>
    <message>
        <source>--download needs either --port or --device (not both).</source>
        <translation>--download necesita --port o --device (no ambos).</translation>
    </message>
    <message>
        <source>--device needs a path.</source>
        <translation>--device necesita una ruta.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--port admite un número de 1 a %1, no &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 admite un número de %2 a %3, no &apos;%4&apos;.</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &apos;%2&apos;.</source>
        <translation>--language admite uno de %1, no &apos;%2&apos;.</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1: %2
Pruebe &apos;%1 --help&apos;.
</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as a link (#seq=...) and exit.</source>
        <translation>Mostrar la secuencia de &lt;file&gt; como enlace (#seq=...) y salir.</translation>
    </message>
    <message>
        <source>With --print-link: the address of the browser edition, to print the whole link.</source>
        <translation>Con --print-link: la dirección de la edición para navegador, para mostrar el enlace completo.</translation>
    </message>
    <message>
        <source>A sequence data file (*.dat) to open, or a link to a sequence (https://.../#seq=... or #seq=...), opened as a new, unsaved one.</source>
        <translation>Un archivo de secuencia (*.dat) para abrir, o un enlace a una secuencia (https://.../#seq=... o #seq=...), que se abre como una secuencia nueva sin guardar.</translation>
    </message>
    <message>
        <source>--device does not go with --print-link.</source>
        <translation>--device no va con --print-link.</translation>
    </message>
    <message>
        <source>--link-base goes with --print-link.</source>
        <translation>--link-base va con --print-link.</translation>
    </message>
    <message>
        <source>--link-base needs an address.</source>
        <translation>--link-base necesita una dirección.</translation>
    </message>
    <message>
        <source>--print, --print-link, --download and --export-animation do not go together.</source>
        <translation>--print, --print-link, --download y --export-animation no van juntos.</translation>
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
Ejemplos:
  %1 show.dat                               abrir show.dat en el editor
  %1 --print show.dat                       mostrarla como cuadrícula
  %1 --print-link show.dat                  mostrarla como enlace (#seq=...)
  %1 &apos;#seq=...&apos;                             abrir un enlace así en el editor
  %1 --download show.dat --port 1           programar el módulo en el puerto 1
  %1 --download show.dat --device /dev/pts/3 --yes
  %1 --export-animation show.dat show.gif  dibujar su prueba visual como GIF

Código de salida de --print, --print-link, --download y --export-animation:
  %2  éxito
  %3  uso incorrecto (opción desconocida, falta un argumento, --port con --device, ...)
  %4  el archivo de datos no se puede leer o no es un archivo de secuencia válido; no se envió nada
  %5  el puerto serie no se puede abrir (no existe el dispositivo, ocupado, sin permiso)
  %6  la línea falló durante el envío (el mensaje indica el registro)
  %7  cancelado: no o fin de la entrada en la pregunta de encendido, Ctrl+C o SIGTERM
  %8  la imagen no se puede escribir (no existe la carpeta, sin permiso, disco lleno); no queda nada
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
        <translation>No se puede leer %1
%2
%3
</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>No se mostró nada.</translation>
    </message>
    <message>
        <source>Warning: %1 of the pictures last less than %2 ms (the shortest %3 ms). GIF viewers show them longer, so the picture plays slower than the test.
</source>
        <translation>Aviso: %1 de las imágenes duran menos de %2 ms (la más corta %3 ms). Los visores de GIF las muestran más tiempo, así que la imagen va más lenta que la prueba.
</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>No se escribió nada.</translation>
    </message>
    <message>
        <source>Cannot write %1
%2
Nothing was written.
</source>
        <translation>No se puede escribir %1
%2
No se escribió nada.
</translation>
    </message>
    <message>
        <source>No link was printed.</source>
        <translation>No se mostró ningún enlace.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Examples</source>
        <translation>Ejemplos</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <source>none present</source>
        <translation>no hay</translation>
    </message>
</context>
<context>
    <name>DownloadMessages</name>
    <message>
        <source>Plug in the USB-serial adapter of the programming cable, or choose another port in Settings.</source>
        <translation>Conecte el adaptador USB-serie del cable de programación o elija otro puerto en Ajustes.</translation>
    </message>
    <message>
        <source>Your user account may not use serial ports. Add it to the &apos;dialout&apos; group (sudo usermod -a -G dialout $USER), then log out and back in.</source>
        <translation>Su cuenta de usuario no puede usar puertos serie. Añádala al grupo &apos;dialout&apos; (sudo usermod -a -G dialout $USER) y luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>Your user account may not use this port. Ask the computer&apos;s administrator for access to it.</source>
        <translation>Su cuenta de usuario no puede usar este puerto. Pida acceso al administrador del ordenador.</translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port in Settings.</source>
        <translation>Otro programa está usando este puerto. Cierre ese programa o elija otro puerto en Ajustes.</translation>
    </message>
    <message>
        <source>The port cannot be set to 2400 baud, 8 data bits, no parity, 1 stop bit. Choose another port in Settings.</source>
        <translation>El puerto no se puede configurar a 2400 baudios, 8 bits de datos, sin paridad, 1 bit de parada. Elija otro puerto en Ajustes.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>%1 is the computer&apos;s built-in serial port. If the programming cable uses a USB-serial adapter, plug it in (it appears as %2ttyUSBn; adapters are numbered before the built-in ports), or choose the right port in Settings.</source>
        <translation><byte value="xd"/><byte value="xd"/>%1 es el puerto serie integrado del ordenador. Si el cable de programación usa un adaptador USB-serie, conéctelo (aparece como %2ttyUSBn; los adaptadores se numeran antes que los puertos integrados) o elija el puerto correcto en Ajustes.</translation>
    </message>
    <message>
        <source>serial device %1</source>
        <extracomment>Also starts a sentence, with its first letter in capitals</extracomment>
        <translation>el dispositivo serie %1</translation>
    </message>
    <message>
        <source>serial port %1 (%2)</source>
        <translation>el puerto serie %1 (%2)</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Nothing was sent to the device.</source>
        <translation><byte value="xd"/><byte value="xd"/>No se envió nada al módulo.</translation>
    </message>
    <message>
        <source>Download to STROBIX  -  Programmable LED Sequencer/Flasher...</source>
        <translation>Transferir al STROBIX  -  Secuenciador/intermitente LED programable...</translation>
    </message>
    <message>
        <source><byte value="xd"/> 1) Cycle power/Connect Strobix to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Strobix...</source>
        <translation><byte value="xd"/> 1) Apague y encienda el Strobix / conéctelo al cable de programación (todos los LED parpadean), luego<byte value="xd"/><byte value="xd"/> 2)  Espere a que todos los LED se enciendan y queden encendidos, luego<byte value="xd"/><byte value="xd"/> 3)  Con todos los LED encendidos, pulse &apos;Aceptar&apos; para transferir al Strobix...</translation>
    </message>
    <message>
        <source>Serial port %1 reaches no device (%2).<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>El puerto serie %1 no llega a ningún dispositivo (%2).<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>%1 could not be opened:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>%1 no se pudo abrir:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>the start marker</source>
        <translation>la marca de inicio</translation>
    </message>
    <message>
        <source>record %1 of %2</source>
        <translation>el registro %1 de %2</translation>
    </message>
    <message>
        <source>The download stopped at %1 on %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Check the programming cable and its adapter, then download again.</source>
        <translation>La transferencia se detuvo en %1 en %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>El módulo no se ha programado por completo. Revise el cable de programación y su adaptador y vuelva a transferir.</translation>
    </message>
    <message>
        <source>The download to %1 was cancelled after %2 of %3 records; the port is closed.<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Download again.</source>
        <translation>Se canceló la transferencia hacia %1 tras %2 de %3 registros; el puerto está cerrado.<byte value="xd"/><byte value="xd"/>El módulo no se ha programado por completo. Vuelva a transferir.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Open STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Abrir archivo de datos STROBIX (secuenciador/intermitente LED programable)</translation>
    </message>
    <message>
        <source>Save STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Guardar archivo de datos STROBIX (secuenciador/intermitente LED programable)</translation>
    </message>
    <message>
        <source>Merge STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Combinar archivo de datos STROBIX (secuenciador/intermitente LED programable)</translation>
    </message>
    <message>
        <source>Data Files (*.DAT);;All Files (*.*)</source>
        <translation>Archivos de datos (*.DAT);;Todos los archivos (*.*)</translation>
    </message>
    <message>
        <source>Replace existing file - %1?</source>
        <translation>¿Reemplazar el archivo existente - %1?</translation>
    </message>
    <message>
        <source>Cannot read %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>No se puede leer %1<byte value="xd"/>%2<byte value="xd"/>No se cambió nada.</translation>
    </message>
    <message>
        <source>The sequence was not saved; an existing file of that name was left as it was.</source>
        <translation>La secuencia no se guardó; un archivo existente con ese nombre quedó como estaba.</translation>
    </message>
    <message>
        <source>The sequence was not saved.</source>
        <translation>La secuencia no se guardó.</translation>
    </message>
    <message>
        <source>Cannot save %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>No se puede guardar %1<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Cannot open the link %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>No se puede abrir el enlace %1<byte value="xd"/>%2<byte value="xd"/>No se cambió nada.</translation>
    </message>
</context>
<context>
    <name>GridAccessible</name>
    <message>
        <source>LED#%1, event %2, %3</source>
        <extracomment>A cell of the grid as a screen reader names it; %3 is on or off</extracomment>
        <translation>LED#%1, paso %2, %3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>encendido</translation>
    </message>
    <message>
        <source>off</source>
        <translation>apagado</translation>
    </message>
</context>
<context>
    <name>HeadlessDownload</name>
    <message>
        <source><byte value="xd"/>[%1%2] record %3 of %4</source>
        <translation><byte value="xd"/>[%1%2] registro %3 de %4</translation>
    </message>
    <message>
        <source>Nothing was sent to the device.</source>
        <translation>No se envió nada al módulo.</translation>
    </message>
    <message>
        <source>Press Enter to download to %1 (n and Enter, or Ctrl+C, cancels)... </source>
        <extracomment>The answer that cancels starts with n in every language</extracomment>
        <translation>Pulse Intro para transferir a %1 (n e Intro, o Ctrl+C, cancela)... </translation>
    </message>
    <message>
        <source>Cancelled. Nothing was sent to the device.
</source>
        <translation>Cancelado. No se envió nada al módulo.
</translation>
    </message>
    <message>
        <source>Sending to %1...
</source>
        <translation>Enviando a %1...
</translation>
    </message>
    <message>
        <source>Done: %1 records sent to %2.
</source>
        <translation>Hecho: %1 registros enviados a %2.
</translation>
    </message>
</context>
<context>
    <name>LastingStorage</name>
    <message>
        <source>Strobix is already open in another tab of this browser</source>
        <translation>Strobix ya está abierto en otra pestaña de este navegador</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sequence grid</source>
        <translation>Cuadrícula de la secuencia</translation>
    </message>
    <message>
        <source>Four LEDs by 50 events; each cell is on or off. Arrows move, Space toggles, Shift+arrow paints.</source>
        <translation>Cuatro LED por 50 pasos; cada celda está encendida o apagada. Las flechas mueven, Espacio invierte, Mayús+flecha pinta.</translation>
    </message>
    <message>
        <source>Time axis</source>
        <translation>Eje de tiempo</translation>
    </message>
    <message>
        <source>Event numbers; the red one is the last event. Left and Right move, Enter or Space moves the end marker to the focused event.</source>
        <translation>Números de paso; el rojo es el último paso. Izquierda y Derecha mueven, Intro o Espacio pone la marca final en el paso elegido.</translation>
    </message>
    <message>
        <source>Click here to change color of %1</source>
        <translation>Pulse aquí para cambiar el color de %1</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>Color de %1</translation>
    </message>
    <message>
        <source>Opens the colour list for %1 (Enter or Space)</source>
        <translation>Abre la lista de colores de %1 (Intro o Espacio)</translation>
    </message>
    <message>
        <source>%1 lamp</source>
        <translation>Lámpara de %1</translation>
    </message>
    <message>
        <source>Shows %1 during the visual test</source>
        <translation>Muestra %1 durante la prueba visual</translation>
    </message>
    <message>
        <source>Click here to change %1 flash pattern</source>
        <translation>Pulse aquí para cambiar el destello de %1</translation>
    </message>
    <message>
        <source>%1 row options</source>
        <translation>Opciones de la fila de %1</translation>
    </message>
    <message>
        <source>Opens the list of operations on the %1 row</source>
        <translation>Abre la lista de operaciones de la fila de %1</translation>
    </message>
    <message>
        <source>Change how %1 will repond to R/C servo signal</source>
        <translation>Cambiar cómo responde %1 a la señal de servo R/C</translation>
    </message>
    <message>
        <source>%1 servo control</source>
        <translation>Control servo de %1</translation>
    </message>
    <message>
        <source>How %1 responds to the R/C servo signal</source>
        <translation>Cómo responde %1 a la señal de servo R/C</translation>
    </message>
    <message>
        <source>Servo Control</source>
        <translation>Control servo</translation>
    </message>
    <message>
        <source>Heading of the servo-control lists</source>
        <translation>Título de las listas de control servo</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>A&amp;brir...</translation>
    </message>
    <message>
        <source>Click here to open and load a  LED sequence...</source>
        <translation>Pulse aquí para abrir y cargar una secuencia LED...</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Prueba</translation>
    </message>
    <message>
        <source>Click here to Start/Stop the visual test of the LED sequence...</source>
        <translation>Pulse aquí para iniciar/detener la prueba visual de la secuencia LED...</translation>
    </message>
    <message>
        <source>&amp;DOWNLOAD</source>
        <translation>&amp;TRANSFERIR</translation>
    </message>
    <message>
        <source>Click here to Download data to Strobix Sequencer/Flasher...</source>
        <translation>Pulse aquí para transferir los datos al secuenciador/intermitente Strobix...</translation>
    </message>
    <message>
        <source>&amp;Save File...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>Click here to save the current LED sequence...</source>
        <translation>Pulse aquí para guardar la secuencia LED actual...</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>A&amp;justes...</translation>
    </message>
    <message>
        <source>Click here to change Software/Strobix Settings...</source>
        <translation>Pulse aquí para cambiar los ajustes del programa y del Strobix...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>Exit software...</source>
        <translation>Salir del programa...</translation>
    </message>
    <message>
        <source>Servo Pulsewidth =</source>
        <translation>Pulso servo =</translation>
    </message>
    <message>
        <source>The servo pulse width the stick sets</source>
        <translation>El ancho de pulso servo que fija el stick</translation>
    </message>
    <message>
        <source>Servo pulse width</source>
        <translation>Ancho de pulso servo</translation>
    </message>
    <message>
        <source>Pulse width in microseconds</source>
        <translation>Ancho de pulso en microsegundos</translation>
    </message>
    <message>
        <source>microseconds</source>
        <translation>microsegundos</translation>
    </message>
    <message>
        <source>Unit of the servo pulse width</source>
        <translation>Unidad del ancho de pulso servo</translation>
    </message>
    <message>
        <source>Servo stick</source>
        <translation>Stick del servo</translation>
    </message>
    <message>
        <source>Simulated R/C servo stick; Left and Right move it</source>
        <translation>Stick de servo R/C simulado; Izquierda y Derecha lo mueven</translation>
    </message>
    <message>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation>(Ratón o flechas izquierda/derecha para mover el servo)</translation>
    </message>
    <message>
        <source>Use the Mouse or Left + Right Arrow key to change servo position...</source>
        <translation>Use el ratón o las flechas izquierda/derecha para cambiar la posición del servo...</translation>
    </message>
    <message>
        <source>Downloading to STROBIX ...</source>
        <translation>Enviando a STROBIX ...</translation>
    </message>
    <message>
        <source>Downloading data to the Strobix...</source>
        <translation>Transfiriendo los datos al Strobix...</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progreso de la transferencia</translation>
    </message>
    <message>
        <source>Records sent to the sequencer</source>
        <translation>Registros enviados al secuenciador</translation>
    </message>
    <message>
        <source> Up and Down move, Enter picks, Escape closes.</source>
        <translation> Arriba y Abajo mueven, Intro elige, Esc cierra.</translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation>Lista de colores</translation>
    </message>
    <message>
        <source>Display colour of the LED.</source>
        <translation>Color de visualización del LED.</translation>
    </message>
    <message>
        <source>Row options</source>
        <translation>Opciones de fila</translation>
    </message>
    <message>
        <source>Operations on the LED&apos;s row.</source>
        <translation>Operaciones en la fila del LED.</translation>
    </message>
    <message>
        <source>Copy row list</source>
        <translation>Lista de filas para copiar</translation>
    </message>
    <message>
        <source>The other LED&apos;s row to copy.</source>
        <translation>La fila del otro LED que copiar.</translation>
    </message>
    <message>
        <source>&amp;New/Clear</source>
        <translation>&amp;Nuevo/Borrar</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Abrir...</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Combinar...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Guardar...</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>&amp;Transferir</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>A&amp;justes</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>&amp;Users&apos; Manual...</source>
        <translation>&amp;Manual del usuario...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Borrar todo</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Marcar todo</translation>
    </message>
    <message>
        <source>Toggle All</source>
        <translation>Invertir todo</translation>
    </message>
    <message>
        <source>Copy from...</source>
        <translation>Copiar de...</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Copiar a...</translation>
    </message>
    <message>
        <source>Skip 1...</source>
        <translation>Saltar 1...</translation>
    </message>
    <message>
        <source>Skip 2...</source>
        <translation>Saltar 2...</translation>
    </message>
    <message>
        <source>Skip 3...</source>
        <translation>Saltar 3...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>The serial port did not finish sending within %1 seconds.</source>
        <translation>El puerto serie no terminó de enviar en %1 segundos.</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>El puerto serie no está abierto.</translation>
    </message>
</context>
<context>
    <name>PortLocator</name>
    <message>
        <source>none present
%1</source>
        <extracomment>%1 which ports the computer has</extracomment>
        <translation>no hay
%1</translation>
    </message>
    <message>
        <source>this computer has no serial port</source>
        <translation>este ordenador no tiene puerto serie</translation>
    </message>
    <message>
        <source>this computer has 1 serial port: %1</source>
        <translation>este ordenador tiene 1 puerto serie: %1</translation>
    </message>
    <message>
        <source>this computer has %1 serial ports: %2</source>
        <translation>este ordenador tiene %1 puertos serie: %2</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>ningún dispositivo</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>a sequence not saved yet</source>
        <translation>una secuencia aún sin guardar</translation>
    </message>
    <message>
        <source>Strobix was not closed normally. Unsaved work was kept from %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Yes restores it in this window; it stays unsaved until you save it.<byte value="xd"/>No discards it for good.<byte value="xd"/>Cancel keeps it for later: Strobix asks again at the next start.</source>
        <extracomment>%1 when the copy was written, %2 the file name or &quot;a sequence not saved yet&quot;</extracomment>
        <translation>Strobix no se cerró con normalidad. Se conservó trabajo sin guardar del %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>«Sí» lo restaura en esta ventana; sigue sin guardar hasta que lo guarde.<byte value="xd"/>«No» lo descarta para siempre.<byte value="xd"/>«Cancelar» lo guarda para más tarde: Strobix volverá a preguntar en el próximo inicio.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved work cannot be read:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>It was put aside as<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix starts without it. If it still holds a sequence, open it with Open; otherwise delete it.</source>
        <translation>No se puede leer una copia de recuperación de trabajo sin guardar:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Se apartó como<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix arranca sin ella. Si aún contiene una secuencia, ábrala con Abrir; si no, bórrela.</translation>
    </message>
    <message>
        <source>Strobix cannot keep a recovery copy of your unsaved work in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>It goes on working without one until it is started again: save your work often. To have recovery copies again, free some disk space or make that folder writable.</source>
        <translation>Strobix no puede guardar una copia de recuperación de su trabajo sin guardar en<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Sigue trabajando sin ella hasta que se vuelva a iniciar: guarde a menudo. Para volver a tener copias de recuperación, libere espacio en disco o haga que esa carpeta admita escritura.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of another window was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers it now.</source>
        <translation><byte value="xd"/><byte value="xd"/>También se conservó trabajo sin guardar de otra ventana. Tras «Sí» espera al próximo inicio; tras «No» o «Cancelar» Strobix lo ofrece ahora.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of %1 other windows was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers the next one now.</source>
        <translation><byte value="xd"/><byte value="xd"/>También se conservó trabajo sin guardar de otras %1 ventanas. Tras «Sí» espera al próximo inicio; tras «No» o «Cancelar» Strobix ofrece ahora el siguiente.</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 es un archivo, no una carpeta.</translation>
    </message>
    <message>
        <source>the system gave no reason.</source>
        <translation>el sistema no dio ningún motivo.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>No se puede crear la carpeta %1: %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be made: %2</source>
        <translation>No se puede crear el archivo %1: %2</translation>
    </message>
    <message>
        <source>It was written by a newer version of Strobix.</source>
        <translation>La escribió una versión más reciente de Strobix.</translation>
    </message>
    <message>
        <source>Its two files do not belong together (damaged or cut short).</source>
        <translation>Sus dos archivos no se corresponden (dañados o cortados).</translation>
    </message>
    <message>
        <source>Its file %1 cannot be read: %2</source>
        <translation>No se puede leer su archivo %1: %2</translation>
    </message>
    <message>
        <source>Its file %1 is missing.</source>
        <translation>Falta su archivo %1.</translation>
    </message>
    <message>
        <source>Its file %1 is far too big to be part of a recovery copy.</source>
        <translation>Su archivo %1 es demasiado grande para formar parte de una copia de recuperación.</translation>
    </message>
</context>
<context>
    <name>SequenceDocument</name>
    <message>
        <source>Switch a cell of %1</source>
        <translation>Cambiar una celda de %1</translation>
    </message>
    <message>
        <source>Paint cells</source>
        <translation>Pintar celdas</translation>
    </message>
    <message>
        <source>Row options of %1</source>
        <translation>Opciones de fila de %1</translation>
    </message>
    <message>
        <source>New/Clear</source>
        <translation>Nuevo/Borrar</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Combinar</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Abrir enlace</translation>
    </message>
</context>
<context>
    <name>SequenceEdits</name>
    <message>
        <source>Colour</source>
        <translation>Color</translation>
    </message>
    <message>
        <source>Servo control</source>
        <translation>Control servo</translation>
    </message>
    <message>
        <source>End marker</source>
        <translation>Marca final</translation>
    </message>
</context>
<context>
    <name>SequenceFileReader</name>
    <message>
        <source> (%1 to %2)</source>
        <translation> (%1 a %2)</translation>
    </message>
    <message>
        <source>the value of event %1</source>
        <translation>el valor del paso %1</translation>
    </message>
    <message>
        <source>the colour of LED#%1</source>
        <translation>el color de LED#%1</translation>
    </message>
    <message>
        <source>spare colour entry %1</source>
        <translation>la entrada de color libre %1</translation>
    </message>
    <message>
        <source>the servo-control choice of LED#%1</source>
        <translation>el control servo de LED#%1</translation>
    </message>
    <message>
        <source>the sequencer speed</source>
        <translation>la velocidad del secuenciador</translation>
    </message>
    <message>
        <source>the test speed</source>
        <translation>la velocidad de prueba</translation>
    </message>
    <message>
        <source>Line %1: expected value %2 of %3, %4, found %5.</source>
        <extracomment>%1 line, %2 value number, %3 count of values, %4 what the value is, %5 what was there</extracomment>
        <translation>Línea %1: se esperaba el valor %2 de %3, %4, y se encontró %5.</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>el final del archivo</translation>
    </message>
    <message>
        <source>a text without its closing double quote</source>
        <translation>un texto sin comillas de cierre</translation>
    </message>
    <message>
        <source> followed by other text</source>
        <translation> seguido de otro texto</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>nada</translation>
    </message>
    <message>
        <source>This is not a regular file (it is a folder, a device or a pipe) and cannot hold sequence data.</source>
        <translation>No es un archivo normal (es una carpeta, un dispositivo o una tubería) y no puede contener datos de secuencia.</translation>
    </message>
    <message>
        <source>the last event (%1 to %2 for events 1 to 50)</source>
        <extracomment>the file holds 0 for event 1 ... 49 for event 50</extracomment>
        <translation>el último paso (%1 a %2 para los pasos 1 a 50)</translation>
    </message>
    <message>
        <source>A sequence data file has its 65 values within its first %1 KB; this file does not, so it is not a sequence data file.</source>
        <translation>Un archivo de secuencia tiene sus 65 valores en sus primeros %1 KB; este no, así que no es un archivo de secuencia.</translation>
    </message>
</context>
<context>
    <name>SequenceGrid</name>
    <message>
        <source>Click a cell to switch it on or off, or drag to paint.
Keys: arrows move, Space switches, Shift+arrows paint, Home/End go to the row&apos;s ends.
Ctrl+Z undoes, Ctrl+Shift+Z or Ctrl+Y redoes.</source>
        <translation>Pulse una celda para encenderla o apagarla, o arrastre para pintar.
Teclas: las flechas mueven, Espacio cambia, Mayús+flechas pintan, Inicio/Fin van a los extremos de la fila.
Ctrl+Z deshace, Ctrl+Mayús+Z o Ctrl+Y rehace.</translation>
    </message>
</context>
<context>
    <name>SequenceLink</name>
    <message>
        <source>The link is damaged: it is too short or too long, as if cut off or run together with other text.</source>
        <translation>El enlace está dañado: es demasiado corto o demasiado largo, como si estuviera cortado o pegado a otro texto.</translation>
    </message>
    <message>
        <source>The link is damaged: it holds bits that no version of Strobix writes.</source>
        <translation>El enlace está dañado: contiene bits que ninguna versión de Strobix escribe.</translation>
    </message>
    <message>
        <source>The link is damaged: %1 is %2.</source>
        <translation>El enlace está dañado: %1 vale %2.</translation>
    </message>
    <message>
        <source>This is not a link to a sequence: it has no &quot;#seq=&quot; part.</source>
        <translation>No es un enlace a una secuencia: no tiene la parte «#seq=».</translation>
    </message>
    <message>
        <source>The link is damaged: &quot;%1&quot; cannot be part of it.</source>
        <translation>El enlace está dañado: «%1» no puede formar parte de él.</translation>
    </message>
    <message>
        <source>The link is damaged: its check characters do not match the rest, so something in it was changed.</source>
        <translation>El enlace está dañado: sus caracteres de control no coinciden con el resto, así que algo en él se cambió.</translation>
    </message>
    <message>
        <source>The link was made by a newer version of Strobix (link format %1; this version reads format %2). Open it with a newer version.</source>
        <translation>El enlace lo creó una versión más reciente de Strobix (formato de enlace %1; esta versión lee el formato %2). Ábralo con una versión más reciente.</translation>
    </message>
    <message>
        <source>The link is damaged: it names no format of Strobix&apos;s links.</source>
        <translation>El enlace está dañado: no indica ningún formato de enlace de Strobix.</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>The serial port is not open.</source>
        <translation>El puerto serie no está abierto.</translation>
    </message>
    <message>
        <source>The serial port&apos;s output queue could not be read: %1</source>
        <translation>No se pudo leer la cola de salida del puerto serie: %1</translation>
    </message>
</context>
<context>
    <name>ServoControl</name>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>NADA</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>The serial port setting could not be saved to<byte value="xd"/></source>
        <translation>El ajuste del puerto serie no se pudo guardar en<byte value="xd"/></translation>
    </message>
    <message>
        <source>The new settings are used until the program ends.</source>
        <translation>Los nuevos ajustes se usan hasta que termine el programa.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source> Settings...</source>
        <translation> Ajustes...</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Ajustes del programa</translation>
    </message>
    <message>
        <source>Communication Port# (RS-232)</source>
        <translation>Puerto de comunicación (RS-232)</translation>
    </message>
    <message>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation>(Puerto de 9 pines del cable de programación)</translation>
    </message>
    <message>
        <source>LED Test Speed (ms)</source>
        <translation>Velocidad prueba LED (ms)</translation>
    </message>
    <message>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation>(Ajústela a la velocidad del secuenciador)</translation>
    </message>
    <message>
        <source>Strobix Settings</source>
        <translation>Ajustes del Strobix</translation>
    </message>
    <message>
        <source>Sequencer Delay (ms)</source>
        <translation>Pausa secuenciador (ms)</translation>
    </message>
    <message>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation>(Pausa entre cada uno de los 50 pasos )</translation>
    </message>
    <message>
        <source>Use Pull-downs for changing all settings!</source>
        <translation>¡Cambie todos los ajustes con las listas!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Puerto de comunicación</translation>
    </message>
    <message>
        <source>Serial port number the programming cable is connected to</source>
        <translation>Número del puerto serie al que está conectado el cable de programación</translation>
    </message>
    <message>
        <source>LED test speed (ms)</source>
        <translation>Velocidad de prueba LED (ms)</translation>
    </message>
    <message>
        <source>Step time of the visual test, to match the sequencer</source>
        <translation>Duración de paso de la prueba visual, para igualar al secuenciador</translation>
    </message>
    <message>
        <source>Sequencer delay (ms)</source>
        <translation>Pausa del secuenciador (ms)</translation>
    </message>
    <message>
        <source>Delay between each of the 50 events on the sequencer</source>
        <translation>Pausa entre cada uno de los 50 pasos en el secuenciador</translation>
    </message>
    <message>
        <source>Uses these settings and remembers the port</source>
        <translation>Usa estos ajustes y recuerda el puerto</translation>
    </message>
    <message>
        <source>Closes without changing the settings</source>
        <translation>Cierra sin cambiar los ajustes</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>OK to Really Exit ?</source>
        <translation>¿Salir de verdad?</translation>
    </message>
    <message>
        <source>(Be sure you have saved your files)</source>
        <translation>(Asegúrese de haber guardado sus archivos)</translation>
    </message>
    <message>
        <source>Programmable LED Sequencer/Flasher  - Rev3</source>
        <translation>Secuenciador/intermitente LED programable  - Rev3</translation>
    </message>
    <message>
        <source>By:  Tessmer</source>
        <translation>Por:  Tessmer</translation>
    </message>
    <message>
        <source>Feb 2008</source>
        <translation>Feb. 2008</translation>
    </message>
    <message>
        <source> Users&apos; Manual</source>
        <translation> Manual del usuario</translation>
    </message>
    <message>
        <source><byte value="xd"/> Click OK to view the Strobix Users&apos; Manual on the %1 webpage...</source>
        <extracomment>%1 the name of the manual&apos;s web page, left in English</extracomment>
        <translation><byte value="xd"/> Pulse Aceptar para ver el manual del usuario de Strobix en la página web %1...</translation>
    </message>
    <message>
        <source>No web browser could be started. Open that file in a web browser,<byte value="xd"/> or install xdg-utils so the desktop knows how to show it.</source>
        <translation>No se pudo iniciar ningún navegador web. Abra ese archivo en un navegador web,<byte value="xd"/> o instale xdg-utils para que el escritorio sepa mostrarlo.</translation>
    </message>
    <message>
        <source>The file is missing. Reinstall Strobix to restore it.</source>
        <translation>Falta el archivo. Reinstale Strobix para recuperarlo.</translation>
    </message>
    <message>
        <source><byte value="xd"/> The Users&apos; Manual could not be opened:<byte value="xd"/><byte value="xd"/> </source>
        <translation><byte value="xd"/> No se pudo abrir el manual del usuario:<byte value="xd"/><byte value="xd"/> </translation>
    </message>
</context>
<context>
    <name>SystemSerialPort</name>
    <message>
        <source>The serial port took only %1 of %2 bytes in %3 seconds.</source>
        <translation>El puerto serie solo aceptó %1 de %2 bytes en %3 segundos.</translation>
    </message>
    <message>
        <source>browsers let only pages from https:// addresses or from this computer use serial ports, and this page has neither</source>
        <translation>los navegadores solo dejan usar puertos serie a las páginas de direcciones https:// o de este ordenador, y esta página no es de ninguno de los dos</translation>
    </message>
    <message>
        <source>this browser has no Web Serial; Chrome and Edge have it, Firefox and Safari do not (Save still works in every browser)</source>
        <translation>este navegador no tiene Web Serial; Chrome y Edge lo tienen, Firefox y Safari no (Guardar funciona igualmente en todos los navegadores)</translation>
    </message>
    <message>
        <source>no port was chosen in the browser&apos;s list of serial ports</source>
        <translation>no se eligió ningún puerto en la lista de puertos serie del navegador</translation>
    </message>
    <message>
        <source>the browser no longer lets this page use that port</source>
        <translation>el navegador ya no deja que esta página use ese puerto</translation>
    </message>
    <message>
        <source>the serial port went away (was the adapter unplugged?)</source>
        <translation>el puerto serie desapareció (¿se desconectó el adaptador?)</translation>
    </message>
</context>
<context>
    <name>TestController</name>
    <message>
        <source>Stop Test</source>
        <translation>Parar prueba</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Prueba</translation>
    </message>
</context>
<context>
    <name>TimeAxisAccessible</name>
    <message>
        <source>Event %1</source>
        <translation>Paso %1</translation>
    </message>
    <message>
        <source>, end marker</source>
        <translation>, marca final</translation>
    </message>
</context>
</TS>
