<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>AppInfo</name>
    <message>
        <source>STROBIX  -  Programmable LED Sequencer/Flasher</source>
        <translation>STROBIX  -  Séquenceur/clignoteur LED programmable</translation>
    </message>
</context>
<context>
    <name>BrowserEdition</name>
    <message>
        <source>This browser does not keep this page&apos;s data (%1).<byte value="xd"/>The port number, the zoom and the copies of unsaved work last only until the tab is closed.<byte value="xd"/>Save your sequences to files.</source>
        <translation>Ce navigateur ne garde pas les données de cette page (%1).<byte value="xd"/>Le numéro de port, le zoom et les copies du travail non enregistré ne durent que jusqu&apos;à la fermeture de l&apos;onglet.<byte value="xd"/>Enregistrez vos séquences dans des fichiers.</translation>
    </message>
</context>
<context>
    <name>CloseGuard</name>
    <message>
        <source>A download to STROBIX is still going on.<byte value="xd"/><byte value="xd"/>Click OK to stop it and close: STROBIX will not be programmed.<byte value="xd"/>Click Cancel to let the download finish.</source>
        <translation>Un transfert vers le STROBIX est en cours.<byte value="xd"/><byte value="xd"/>Cliquez sur OK pour l&apos;arrêter et fermer : le STROBIX ne sera pas programmé.<byte value="xd"/>Cliquez sur Annuler pour laisser le transfert se terminer.</translation>
    </message>
    <message>
        <source>The download was stopped: STROBIX is not programmed.<byte value="xd"/><byte value="xd"/>Download the sequence again before using the device.</source>
        <translation>Le transfert a été arrêté : le STROBIX n&apos;est pas programmé.<byte value="xd"/><byte value="xd"/>Transférez à nouveau la séquence avant d&apos;utiliser le module.</translation>
    </message>
</context>
<context>
    <name>ColorTable</name>
    <message>
        <source>Black</source>
        <translation>Noir</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Yellow</source>
        <translation>Jaune</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
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
        <translation>Blanc</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show this help and exit.</source>
        <translation>Afficher cette aide et quitter.</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and exit.</source>
        <translation>Afficher la version du programme et quitter.</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as text and exit.</source>
        <translation>Afficher la séquence de &lt;file&gt; sous forme de texte et quitter.</translation>
    </message>
    <message>
        <source>Program the device with &lt;file&gt; without opening a window; needs --port or --device.</source>
        <translation>Programmer le module avec &lt;file&gt; sans ouvrir de fenêtre ; demande --port ou --device.</translation>
    </message>
    <message>
        <source>Download through serial port number &lt;n&gt; (1 to 8).</source>
        <translation>Transférer par le port série numéro &lt;n&gt; (1 à 8).</translation>
    </message>
    <message>
        <source>Download to the serial device &lt;path&gt; instead of the one the port number reaches (also in the window).</source>
        <translation>Transférer vers le périphérique série &lt;path&gt; au lieu de celui que désigne le numéro de port (aussi dans la fenêtre).</translation>
    </message>
    <message>
        <source>Draw the visual test of &lt;file&gt; as an animated GIF picture &lt;out.gif&gt; and exit.</source>
        <translation>Dessiner le test visuel de &lt;file&gt; en image GIF animée &lt;out.gif&gt; et quitter.</translation>
    </message>
    <message>
        <source>With --export-animation: the picture&apos;s width in pixels (%1 to %2). Below the window&apos;s own width only the lamps are drawn; from there on also the grid and the time axis.</source>
        <translation>Avec --export-animation : la largeur de l&apos;image en pixels (%1 à %2). En dessous de la largeur de la fenêtre, seules les lampes sont dessinées ; au-delà, aussi la grille et l&apos;axe du temps.</translation>
    </message>
    <message>
        <source>With --export-animation: the servo stick&apos;s zone, 0 (1000-1240 us) to 3 (1750-1990 us); by default the zone in which the most LEDs light.</source>
        <translation>Avec --export-animation : la zone du manche de servo, 0 (1000-1240 us) à 3 (1750-1990 us) ; par défaut la zone où s&apos;allument le plus de LED.</translation>
    </message>
    <message>
        <source>With --download: do not wait for Enter after the power-up instructions.</source>
        <translation>Avec --download : ne pas attendre Entrée après les instructions de mise sous tension.</translation>
    </message>
    <message>
        <source>Speak the language &lt;code&gt; instead of the desktop&apos;s (%1).</source>
        <translation>Parler la langue &lt;code&gt; au lieu de celle du bureau (%1).</translation>
    </message>
    <message>
        <source>Editor and programmer for the STROBIX LED sequencer. Without options it opens the editor window, with [file] loaded.</source>
        <translation>Éditeur et programmateur du séquenceur LED STROBIX. Sans option, il ouvre la fenêtre de l&apos;éditeur, avec [file] chargé.</translation>
    </message>
    <message>
        <source>--port goes with --download (the window takes its port from Settings).</source>
        <translation>--port va avec --download (la fenêtre prend son port dans les Réglages).</translation>
    </message>
    <message>
        <source>--yes goes with --download.</source>
        <translation>--yes va avec --download.</translation>
    </message>
    <message>
        <source>--device does not go with --print.</source>
        <translation>--device ne va pas avec --print.</translation>
    </message>
    <message>
        <source>--size and --stick go with --export-animation.</source>
        <translation>--size et --stick vont avec --export-animation.</translation>
    </message>
    <message>
        <source>--device does not go with --export-animation.</source>
        <translation>--device ne va pas avec --export-animation.</translation>
    </message>
    <message>
        <source>--export-animation needs the picture to write (one name).</source>
        <translation>--export-animation demande l&apos;image à écrire (un nom).</translation>
    </message>
    <message>
        <source>Unexpected argument: %1</source>
        <translation>Argument inattendu : %1</translation>
    </message>
    <message>
        <source>Only one file can be opened: %1</source>
        <translation>Un seul fichier peut être ouvert : %1</translation>
    </message>
    <message>
        <source>--download needs either --port or --device (not both).</source>
        <translation>--download demande soit --port, soit --device (pas les deux).</translation>
    </message>
    <message>
        <source>--device needs a path.</source>
        <translation>--device demande un chemin.</translation>
    </message>
    <message>
        <source>--port takes a number from 1 to %1, not &apos;%2&apos;.</source>
        <translation>--port prend un nombre de 1 à %1, pas « %2 ».</translation>
    </message>
    <message>
        <source>--%1 takes a number from %2 to %3, not &apos;%4&apos;.</source>
        <translation>--%1 prend un nombre de %2 à %3, pas « %4 ».</translation>
    </message>
    <message>
        <source>--language takes one of %1, not &apos;%2&apos;.</source>
        <translation>--language prend l&apos;un de %1, pas « %2 ».</translation>
    </message>
    <message>
        <source>%1: %2
Try &apos;%1 --help&apos;.
</source>
        <translation>%1 : %2
Essayez « %1 --help ».
</translation>
    </message>
    <message>
        <source>Print the sequence of &lt;file&gt; as a link (#seq=...) and exit.</source>
        <translation>Afficher la séquence de &lt;file&gt; sous forme de lien (#seq=...) et quitter.</translation>
    </message>
    <message>
        <source>With --print-link: the address of the browser edition, to print the whole link.</source>
        <translation>Avec --print-link : l&apos;adresse de l&apos;édition pour navigateur, pour afficher le lien complet.</translation>
    </message>
    <message>
        <source>A sequence data file (*.dat) to open, or a link to a sequence (https://.../#seq=... or #seq=...), opened as a new, unsaved one.</source>
        <translation>Un fichier de séquence (*.dat) à ouvrir, ou un lien vers une séquence (https://.../#seq=... ou #seq=...), ouverte comme une nouvelle séquence non enregistrée.</translation>
    </message>
    <message>
        <source>--device does not go with --print-link.</source>
        <translation>--device ne va pas avec --print-link.</translation>
    </message>
    <message>
        <source>--link-base goes with --print-link.</source>
        <translation>--link-base va avec --print-link.</translation>
    </message>
    <message>
        <source>--link-base needs an address.</source>
        <translation>--link-base demande une adresse.</translation>
    </message>
    <message>
        <source>--print, --print-link, --download and --export-animation do not go together.</source>
        <translation>--print, --print-link, --download et --export-animation ne vont pas ensemble.</translation>
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
Exemples :
  %1 show.dat                               ouvrir show.dat dans l&apos;éditeur
  %1 --print show.dat                       l&apos;afficher en grille
  %1 --print-link show.dat                  l&apos;afficher en lien (#seq=...)
  %1 &apos;#seq=...&apos;                             ouvrir un tel lien dans l&apos;éditeur
  %1 --download show.dat --port 1           programmer le module sur le port 1
  %1 --download show.dat --device /dev/pts/3 --yes
  %1 --export-animation show.dat show.gif  dessiner son test visuel en GIF

Code de sortie de --print, --print-link, --download et --export-animation :
  %2  succès
  %3  mauvais usage (option inconnue, argument manquant, --port avec --device, ...)
  %4  le fichier de données est illisible ou n&apos;est pas un fichier de séquence valide ; rien n&apos;a été envoyé
  %5  le port série ne peut pas être ouvert (périphérique absent, occupé, pas d&apos;autorisation)
  %6  la liaison a échoué pendant l&apos;envoi (le message nomme l&apos;enregistrement)
  %7  annulé : non ou fin de saisie à l&apos;invite de mise sous tension, Ctrl+C ou SIGTERM
  %8  l&apos;image ne peut pas être écrite (dossier absent, pas d&apos;autorisation, disque plein) ; rien n&apos;est laissé
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
        <translation>Impossible de lire %1
%2
%3
</translation>
    </message>
    <message>
        <source>Nothing was printed.</source>
        <translation>Rien n&apos;a été affiché.</translation>
    </message>
    <message>
        <source>Warning: %1 of the pictures last less than %2 ms (the shortest %3 ms). GIF viewers show them longer, so the picture plays slower than the test.
</source>
        <translation>Attention : %1 des images durent moins de %2 ms (la plus courte %3 ms). Les visionneuses GIF les montrent plus longtemps, l&apos;image est donc plus lente que le test.
</translation>
    </message>
    <message>
        <source>Nothing was written.</source>
        <translation>Rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>Cannot write %1
%2
Nothing was written.
</source>
        <translation>Impossible d&apos;écrire %1
%2
Rien n&apos;a été écrit.
</translation>
    </message>
    <message>
        <source>No link was printed.</source>
        <translation>Aucun lien n&apos;a été affiché.</translation>
    </message>
</context>
<context>
    <name>DialogPrompts</name>
    <message>
        <source>Examples</source>
        <translation>Exemples</translation>
    </message>
</context>
<context>
    <name>DownloadCommand</name>
    <message>
        <source>none present</source>
        <translation>aucun</translation>
    </message>
</context>
<context>
    <name>DownloadMessages</name>
    <message>
        <source>Plug in the USB-serial adapter of the programming cable, or choose another port in Settings.</source>
        <translation>Branchez l&apos;adaptateur USB-série du câble de programmation, ou choisissez un autre port dans les Réglages.</translation>
    </message>
    <message>
        <source>Your user account may not use serial ports. Add it to the &apos;dialout&apos; group (sudo usermod -a -G dialout $USER), then log out and back in.</source>
        <translation>Votre compte utilisateur ne peut pas utiliser les ports série. Ajoutez-le au groupe &apos;dialout&apos; (sudo usermod -a -G dialout $USER), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>Your user account may not use this port. Ask the computer&apos;s administrator for access to it.</source>
        <translation>Votre compte utilisateur ne peut pas utiliser ce port. Demandez-en l&apos;accès à l&apos;administrateur de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Another program is using this port. Close that program, or choose another port in Settings.</source>
        <translation>Un autre programme utilise ce port. Fermez ce programme, ou choisissez un autre port dans les Réglages.</translation>
    </message>
    <message>
        <source>The port cannot be set to 2400 baud, 8 data bits, no parity, 1 stop bit. Choose another port in Settings.</source>
        <translation>Le port ne peut pas être réglé sur 2400 bauds, 8 bits de données, sans parité, 1 bit d&apos;arrêt. Choisissez un autre port dans les Réglages.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>%1 is the computer&apos;s built-in serial port. If the programming cable uses a USB-serial adapter, plug it in (it appears as %2ttyUSBn; adapters are numbered before the built-in ports), or choose the right port in Settings.</source>
        <translation><byte value="xd"/><byte value="xd"/>%1 est le port série intégré de l&apos;ordinateur. Si le câble de programmation utilise un adaptateur USB-série, branchez-le (il apparaît comme %2ttyUSBn ; les adaptateurs sont numérotés avant les ports intégrés), ou choisissez le bon port dans les Réglages.</translation>
    </message>
    <message>
        <source>serial device %1</source>
        <extracomment>Also starts a sentence, with its first letter in capitals</extracomment>
        <translation>le périphérique série %1</translation>
    </message>
    <message>
        <source>serial port %1 (%2)</source>
        <translation>le port série %1 (%2)</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Nothing was sent to the device.</source>
        <translation><byte value="xd"/><byte value="xd"/>Rien n&apos;a été envoyé au module.</translation>
    </message>
    <message>
        <source>Download to STROBIX  -  Programmable LED Sequencer/Flasher...</source>
        <translation>Transfert vers le STROBIX  -  Séquenceur/clignoteur LED programmable...</translation>
    </message>
    <message>
        <source><byte value="xd"/> 1) Cycle power/Connect Strobix to programming cable (All LEDs flash), then<byte value="xd"/><byte value="xd"/> 2)  Wait till all LEDS come on and stay on, then<byte value="xd"/><byte value="xd"/> 3)  With all LEDs lit, Press &apos;OK&apos; to download to Strobix...</source>
        <translation><byte value="xd"/> 1) Coupez puis rétablissez l&apos;alimentation / branchez le Strobix au câble de programmation (toutes les LED clignotent), puis<byte value="xd"/><byte value="xd"/> 2)  Attendez que toutes les LED s&apos;allument et restent allumées, puis<byte value="xd"/><byte value="xd"/> 3)  Toutes les LED allumées, appuyez sur &apos;OK&apos; pour transférer vers le Strobix...</translation>
    </message>
    <message>
        <source>Serial port %1 reaches no device (%2).<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>Le port série %1 n&apos;atteint aucun périphérique (%2).<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>%1 could not be opened:<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</source>
        <translation>%1 n&apos;a pas pu être ouvert :<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>the start marker</source>
        <translation>la marque de début</translation>
    </message>
    <message>
        <source>record %1 of %2</source>
        <translation>l&apos;enregistrement %1 sur %2</translation>
    </message>
    <message>
        <source>The download stopped at %1 on %2:<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Check the programming cable and its adapter, then download again.</source>
        <translation>Le transfert vers %2 s&apos;est arrêté à %1 :<byte value="xd"/>%3<byte value="xd"/><byte value="xd"/>Le module n&apos;a pas été entièrement programmé. Vérifiez le câble de programmation et son adaptateur, puis transférez à nouveau.</translation>
    </message>
    <message>
        <source>The download to %1 was cancelled after %2 of %3 records; the port is closed.<byte value="xd"/><byte value="xd"/>The device has not been programmed completely. Download again.</source>
        <translation>Le transfert vers %1 a été annulé après %2 enregistrements sur %3 ; le port est fermé.<byte value="xd"/><byte value="xd"/>Le module n&apos;a pas été entièrement programmé. Transférez à nouveau.</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>Open STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Ouvrir un fichier de données STROBIX (séquenceur/clignoteur LED programmable)</translation>
    </message>
    <message>
        <source>Save STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Enregistrer un fichier de données STROBIX (séquenceur/clignoteur LED programmable)</translation>
    </message>
    <message>
        <source>Merge STROBIX Programmable LED Sequencer/Flasher Data File</source>
        <translation>Fusionner un fichier de données STROBIX (séquenceur/clignoteur LED programmable)</translation>
    </message>
    <message>
        <source>Data Files (*.DAT);;All Files (*.*)</source>
        <translation>Fichiers de données (*.DAT);;Tous les fichiers (*.*)</translation>
    </message>
    <message>
        <source>Replace existing file - %1?</source>
        <translation>Remplacer le fichier existant - %1 ?</translation>
    </message>
    <message>
        <source>Cannot read %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Impossible de lire %1<byte value="xd"/>%2<byte value="xd"/>Rien n&apos;a été modifié.</translation>
    </message>
    <message>
        <source>The sequence was not saved; an existing file of that name was left as it was.</source>
        <translation>La séquence n&apos;a pas été enregistrée ; un fichier existant de ce nom est resté tel quel.</translation>
    </message>
    <message>
        <source>The sequence was not saved.</source>
        <translation>La séquence n&apos;a pas été enregistrée.</translation>
    </message>
    <message>
        <source>Cannot save %1<byte value="xd"/>%2<byte value="xd"/>%3</source>
        <translation>Impossible d&apos;enregistrer %1<byte value="xd"/>%2<byte value="xd"/>%3</translation>
    </message>
    <message>
        <source>Cannot open the link %1<byte value="xd"/>%2<byte value="xd"/>Nothing was changed.</source>
        <translation>Impossible d&apos;ouvrir le lien %1<byte value="xd"/>%2<byte value="xd"/>Rien n&apos;a été modifié.</translation>
    </message>
</context>
<context>
    <name>GridAccessible</name>
    <message>
        <source>LED#%1, event %2, %3</source>
        <extracomment>A cell of the grid as a screen reader names it; %3 is on or off</extracomment>
        <translation>LED#%1, pas %2, %3</translation>
    </message>
    <message>
        <source>on</source>
        <translation>allumée</translation>
    </message>
    <message>
        <source>off</source>
        <translation>éteinte</translation>
    </message>
</context>
<context>
    <name>HeadlessDownload</name>
    <message>
        <source><byte value="xd"/>[%1%2] record %3 of %4</source>
        <translation><byte value="xd"/>[%1%2] enregistrement %3 sur %4</translation>
    </message>
    <message>
        <source>Nothing was sent to the device.</source>
        <translation>Rien n&apos;a été envoyé au module.</translation>
    </message>
    <message>
        <source>Press Enter to download to %1 (n and Enter, or Ctrl+C, cancels)... </source>
        <extracomment>The answer that cancels starts with n in every language</extracomment>
        <translation>Entrée transfère vers %1 (n et Entrée, ou Ctrl+C, annule)... </translation>
    </message>
    <message>
        <source>Cancelled. Nothing was sent to the device.
</source>
        <translation>Annulé. Rien n&apos;a été envoyé au module.
</translation>
    </message>
    <message>
        <source>Sending to %1...
</source>
        <translation>Envoi vers %1...
</translation>
    </message>
    <message>
        <source>Done: %1 records sent to %2.
</source>
        <translation>Terminé : %1 enregistrements envoyés à %2.
</translation>
    </message>
</context>
<context>
    <name>LastingStorage</name>
    <message>
        <source>Strobix is already open in another tab of this browser</source>
        <translation>Strobix est déjà ouvert dans un autre onglet de ce navigateur</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Sequence grid</source>
        <translation>Grille de la séquence</translation>
    </message>
    <message>
        <source>Four LEDs by 50 events; each cell is on or off. Arrows move, Space toggles, Shift+arrow paints.</source>
        <translation>Quatre LED sur 50 pas ; chaque case est allumée ou éteinte. Les flèches déplacent, Espace inverse, Maj+flèche peint.</translation>
    </message>
    <message>
        <source>Time axis</source>
        <translation>Axe du temps</translation>
    </message>
    <message>
        <source>Event numbers; the red one is the last event. Left and Right move, Enter or Space moves the end marker to the focused event.</source>
        <translation>Numéros des pas ; le rouge est le dernier pas. Gauche et Droite déplacent, Entrée ou Espace place la marque de fin sur le pas choisi.</translation>
    </message>
    <message>
        <source>Click here to change color of %1</source>
        <translation>Cliquez ici pour changer la couleur de %1</translation>
    </message>
    <message>
        <source>%1 colour</source>
        <translation>Couleur de %1</translation>
    </message>
    <message>
        <source>Opens the colour list for %1 (Enter or Space)</source>
        <translation>Ouvre la liste des couleurs de %1 (Entrée ou Espace)</translation>
    </message>
    <message>
        <source>%1 lamp</source>
        <translation>Lampe de %1</translation>
    </message>
    <message>
        <source>Shows %1 during the visual test</source>
        <translation>Montre %1 pendant le test visuel</translation>
    </message>
    <message>
        <source>Click here to change %1 flash pattern</source>
        <translation>Cliquez ici pour changer le clignotement de %1</translation>
    </message>
    <message>
        <source>%1 row options</source>
        <translation>Options de la ligne de %1</translation>
    </message>
    <message>
        <source>Opens the list of operations on the %1 row</source>
        <translation>Ouvre la liste des opérations sur la ligne de %1</translation>
    </message>
    <message>
        <source>Change how %1 will repond to R/C servo signal</source>
        <translation>Choisir comment %1 réagit au signal servo R/C</translation>
    </message>
    <message>
        <source>%1 servo control</source>
        <translation>Commande servo de %1</translation>
    </message>
    <message>
        <source>How %1 responds to the R/C servo signal</source>
        <translation>Comment %1 réagit au signal servo R/C</translation>
    </message>
    <message>
        <source>Servo Control</source>
        <translation>Servo</translation>
    </message>
    <message>
        <source>Heading of the servo-control lists</source>
        <translation>Titre des listes de commande servo</translation>
    </message>
    <message>
        <source>&amp;Open File...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>Click here to open and load a  LED sequence...</source>
        <translation>Cliquez ici pour ouvrir et charger une séquence LED...</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Test</translation>
    </message>
    <message>
        <source>Click here to Start/Stop the visual test of the LED sequence...</source>
        <translation>Cliquez ici pour lancer/arrêter le test visuel de la séquence LED...</translation>
    </message>
    <message>
        <source>&amp;DOWNLOAD</source>
        <translation>TRA&amp;NSFÉRER</translation>
    </message>
    <message>
        <source>Click here to Download data to Strobix Sequencer/Flasher...</source>
        <translation>Cliquez ici pour transférer les données vers le séquenceur/clignoteur Strobix...</translation>
    </message>
    <message>
        <source>&amp;Save File...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>Click here to save the current LED sequence...</source>
        <translation>Cliquez ici pour enregistrer la séquence LED actuelle...</translation>
    </message>
    <message>
        <source>S&amp;ettings...</source>
        <translation>&amp;Réglages...</translation>
    </message>
    <message>
        <source>Click here to change Software/Strobix Settings...</source>
        <translation>Cliquez ici pour modifier les réglages du logiciel et du Strobix...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Exit software...</source>
        <translation>Quitter le logiciel...</translation>
    </message>
    <message>
        <source>Servo Pulsewidth =</source>
        <translation>Impulsion servo =</translation>
    </message>
    <message>
        <source>The servo pulse width the stick sets</source>
        <translation>La largeur d&apos;impulsion servo donnée par le manche</translation>
    </message>
    <message>
        <source>Servo pulse width</source>
        <translation>Largeur d&apos;impulsion servo</translation>
    </message>
    <message>
        <source>Pulse width in microseconds</source>
        <translation>Largeur d&apos;impulsion en microsecondes</translation>
    </message>
    <message>
        <source>microseconds</source>
        <translation>microsecondes</translation>
    </message>
    <message>
        <source>Unit of the servo pulse width</source>
        <translation>Unité de la largeur d&apos;impulsion servo</translation>
    </message>
    <message>
        <source>Servo stick</source>
        <translation>Manche de servo</translation>
    </message>
    <message>
        <source>Simulated R/C servo stick; Left and Right move it</source>
        <translation>Manche de servo R/C simulé ; Gauche et Droite le déplacent</translation>
    </message>
    <message>
        <source>(Use Mouse or Left + Right Arrow key to change servo position)</source>
        <translation>(Souris ou flèches gauche/droite pour déplacer le servo)</translation>
    </message>
    <message>
        <source>Use the Mouse or Left + Right Arrow key to change servo position...</source>
        <translation>Utilisez la souris ou les flèches gauche/droite pour changer la position du servo...</translation>
    </message>
    <message>
        <source>Downloading to STROBIX ...</source>
        <translation>Transfert vers STROBIX ...</translation>
    </message>
    <message>
        <source>Downloading data to the Strobix...</source>
        <translation>Transfert des données vers le Strobix...</translation>
    </message>
    <message>
        <source>Download progress</source>
        <translation>Progression du transfert</translation>
    </message>
    <message>
        <source>Records sent to the sequencer</source>
        <translation>Enregistrements envoyés au séquenceur</translation>
    </message>
    <message>
        <source> Up and Down move, Enter picks, Escape closes.</source>
        <translation> Haut et Bas déplacent, Entrée choisit, Échap ferme.</translation>
    </message>
    <message>
        <source>Colour list</source>
        <translation>Liste des couleurs</translation>
    </message>
    <message>
        <source>Display colour of the LED.</source>
        <translation>Couleur d&apos;affichage de la LED.</translation>
    </message>
    <message>
        <source>Row options</source>
        <translation>Options de ligne</translation>
    </message>
    <message>
        <source>Operations on the LED&apos;s row.</source>
        <translation>Opérations sur la ligne de la LED.</translation>
    </message>
    <message>
        <source>Copy row list</source>
        <translation>Liste des lignes à copier</translation>
    </message>
    <message>
        <source>The other LED&apos;s row to copy.</source>
        <translation>La ligne de l&apos;autre LED à copier.</translation>
    </message>
    <message>
        <source>&amp;New/Clear</source>
        <translation>&amp;Nouveau/Effacer</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>&amp;Fusionner...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>&amp;Enregistrer...</translation>
    </message>
    <message>
        <source>&amp;Download</source>
        <translation>Tra&amp;nsférer</translation>
    </message>
    <message>
        <source>S&amp;ettings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>&amp;Users&apos; Manual...</source>
        <translation>&amp;Manuel d&apos;utilisation...</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout effacer</translation>
    </message>
    <message>
        <source>Mark All</source>
        <translation>Tout allumer</translation>
    </message>
    <message>
        <source>Toggle All</source>
        <translation>Tout inverser</translation>
    </message>
    <message>
        <source>Copy from...</source>
        <translation>Copier de...</translation>
    </message>
    <message>
        <source>Copy to...</source>
        <translation>Copier vers...</translation>
    </message>
    <message>
        <source>Skip 1...</source>
        <translation>Sauter 1...</translation>
    </message>
    <message>
        <source>Skip 2...</source>
        <translation>Sauter 2...</translation>
    </message>
    <message>
        <source>Skip 3...</source>
        <translation>Sauter 3...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
</context>
<context>
    <name>PacedSender</name>
    <message>
        <source>The serial port did not finish sending within %1 seconds.</source>
        <translation>Le port série n&apos;a pas fini d&apos;envoyer en %1 secondes.</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>Le port série n&apos;est pas ouvert.</translation>
    </message>
</context>
<context>
    <name>PortLocator</name>
    <message>
        <source>none present
%1</source>
        <extracomment>%1 which ports the computer has</extracomment>
        <translation>aucun
%1</translation>
    </message>
    <message>
        <source>this computer has no serial port</source>
        <translation>cet ordinateur n&apos;a pas de port série</translation>
    </message>
    <message>
        <source>this computer has 1 serial port: %1</source>
        <translation>cet ordinateur a 1 port série : %1</translation>
    </message>
    <message>
        <source>this computer has %1 serial ports: %2</source>
        <translation>cet ordinateur a %1 ports série : %2</translation>
    </message>
    <message>
        <source>no device</source>
        <translation>aucun périphérique</translation>
    </message>
</context>
<context>
    <name>RecoveryController</name>
    <message>
        <source>a sequence not saved yet</source>
        <translation>une séquence jamais enregistrée</translation>
    </message>
    <message>
        <source>Strobix was not closed normally. Unsaved work was kept from %1:<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>Yes restores it in this window; it stays unsaved until you save it.<byte value="xd"/>No discards it for good.<byte value="xd"/>Cancel keeps it for later: Strobix asks again at the next start.</source>
        <extracomment>%1 when the copy was written, %2 the file name or &quot;a sequence not saved yet&quot;</extracomment>
        <translation>Strobix n&apos;a pas été fermé normalement. Un travail non enregistré du %1 a été conservé :<byte value="xd"/><byte value="xd"/>   %2<byte value="xd"/><byte value="xd"/>« Oui » le restaure dans cette fenêtre ; il reste non enregistré jusqu&apos;à ce que vous l&apos;enregistriez.<byte value="xd"/>« Non » le supprime définitivement.<byte value="xd"/>« Annuler » le garde pour plus tard : Strobix redemandera au prochain démarrage.</translation>
    </message>
    <message>
        <source>A recovery copy of unsaved work cannot be read:<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>It was put aside as<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix starts without it. If it still holds a sequence, open it with Open; otherwise delete it.</source>
        <translation>Une copie de secours d&apos;un travail non enregistré ne peut pas être lue :<byte value="xd"/>%1<byte value="xd"/><byte value="xd"/>Elle a été mise de côté sous<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Strobix démarre sans elle. Si elle contient encore une séquence, ouvrez-la avec Ouvrir ; sinon supprimez-la.</translation>
    </message>
    <message>
        <source>Strobix cannot keep a recovery copy of your unsaved work in<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>It goes on working without one until it is started again: save your work often. To have recovery copies again, free some disk space or make that folder writable.</source>
        <translation>Strobix ne peut pas garder de copie de secours de votre travail non enregistré dans<byte value="xd"/>%1<byte value="xd"/>%2<byte value="xd"/><byte value="xd"/>Il continue sans copie jusqu&apos;au prochain démarrage : enregistrez souvent. Pour retrouver les copies de secours, libérez de l&apos;espace disque ou rendez ce dossier accessible en écriture.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of another window was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers it now.</source>
        <translation><byte value="xd"/><byte value="xd"/>Le travail non enregistré d&apos;une autre fenêtre a aussi été conservé. Après « Oui », il attend le prochain démarrage ; après « Non » ou « Annuler », Strobix le propose tout de suite.</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>Unsaved work of %1 other windows was kept too. After Yes it waits for the next start; after No or Cancel Strobix offers the next one now.</source>
        <translation><byte value="xd"/><byte value="xd"/>Le travail non enregistré de %1 autres fenêtres a aussi été conservé. Après « Oui », il attend le prochain démarrage ; après « Non » ou « Annuler », Strobix propose tout de suite le suivant.</translation>
    </message>
</context>
<context>
    <name>RecoveryStore</name>
    <message>
        <source>%1 is a file, not a folder.</source>
        <translation>%1 est un fichier, pas un dossier.</translation>
    </message>
    <message>
        <source>the system gave no reason.</source>
        <translation>le système n&apos;a donné aucune raison.</translation>
    </message>
    <message>
        <source>The folder %1 cannot be made: %2</source>
        <translation>Le dossier %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>The file %1 cannot be made: %2</source>
        <translation>Le fichier %1 ne peut pas être créé : %2</translation>
    </message>
    <message>
        <source>It was written by a newer version of Strobix.</source>
        <translation>Elle a été écrite par une version plus récente de Strobix.</translation>
    </message>
    <message>
        <source>Its two files do not belong together (damaged or cut short).</source>
        <translation>Ses deux fichiers ne vont pas ensemble (abîmés ou tronqués).</translation>
    </message>
    <message>
        <source>Its file %1 cannot be read: %2</source>
        <translation>Son fichier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Its file %1 is missing.</source>
        <translation>Son fichier %1 manque.</translation>
    </message>
    <message>
        <source>Its file %1 is far too big to be part of a recovery copy.</source>
        <translation>Son fichier %1 est bien trop gros pour faire partie d&apos;une copie de secours.</translation>
    </message>
</context>
<context>
    <name>SequenceDocument</name>
    <message>
        <source>Switch a cell of %1</source>
        <translation>Inverser une case de %1</translation>
    </message>
    <message>
        <source>Paint cells</source>
        <translation>Peindre des cases</translation>
    </message>
    <message>
        <source>Row options of %1</source>
        <translation>Options de ligne de %1</translation>
    </message>
    <message>
        <source>New/Clear</source>
        <translation>Nouveau/Effacer</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>Fusionner</translation>
    </message>
    <message>
        <source>Open link</source>
        <translation>Ouvrir le lien</translation>
    </message>
</context>
<context>
    <name>SequenceEdits</name>
    <message>
        <source>Colour</source>
        <translation>Couleur</translation>
    </message>
    <message>
        <source>Servo control</source>
        <translation>Commande servo</translation>
    </message>
    <message>
        <source>End marker</source>
        <translation>Marque de fin</translation>
    </message>
</context>
<context>
    <name>SequenceFileReader</name>
    <message>
        <source> (%1 to %2)</source>
        <translation> (%1 à %2)</translation>
    </message>
    <message>
        <source>the value of event %1</source>
        <translation>la valeur du pas %1</translation>
    </message>
    <message>
        <source>the colour of LED#%1</source>
        <translation>la couleur de LED#%1</translation>
    </message>
    <message>
        <source>spare colour entry %1</source>
        <translation>l&apos;entrée de couleur libre %1</translation>
    </message>
    <message>
        <source>the servo-control choice of LED#%1</source>
        <translation>le choix de commande servo de LED#%1</translation>
    </message>
    <message>
        <source>the sequencer speed</source>
        <translation>la vitesse du séquenceur</translation>
    </message>
    <message>
        <source>the test speed</source>
        <translation>la vitesse du test</translation>
    </message>
    <message>
        <source>Line %1: expected value %2 of %3, %4, found %5.</source>
        <extracomment>%1 line, %2 value number, %3 count of values, %4 what the value is, %5 what was there</extracomment>
        <translation>Ligne %1 : valeur %2 sur %3 attendue, %4, trouvé %5.</translation>
    </message>
    <message>
        <source>the end of the file</source>
        <translation>la fin du fichier</translation>
    </message>
    <message>
        <source>a text without its closing double quote</source>
        <translation>un texte sans guillemet fermant</translation>
    </message>
    <message>
        <source> followed by other text</source>
        <translation> suivi d&apos;autre texte</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>rien</translation>
    </message>
    <message>
        <source>This is not a regular file (it is a folder, a device or a pipe) and cannot hold sequence data.</source>
        <translation>Ce n&apos;est pas un fichier ordinaire (c&apos;est un dossier, un périphérique ou un tube) et il ne peut pas contenir de séquence.</translation>
    </message>
    <message>
        <source>the last event (%1 to %2 for events 1 to 50)</source>
        <extracomment>the file holds 0 for event 1 ... 49 for event 50</extracomment>
        <translation>le dernier pas (%1 à %2 pour les pas 1 à 50)</translation>
    </message>
    <message>
        <source>A sequence data file has its 65 values within its first %1 KB; this file does not, so it is not a sequence data file.</source>
        <translation>Un fichier de séquence a ses 65 valeurs dans ses premiers %1 Ko ; ce fichier non, ce n&apos;est donc pas un fichier de séquence.</translation>
    </message>
</context>
<context>
    <name>SequenceGrid</name>
    <message>
        <source>Click a cell to switch it on or off, or drag to paint.
Keys: arrows move, Space switches, Shift+arrows paint, Home/End go to the row&apos;s ends.
Ctrl+Z undoes, Ctrl+Shift+Z or Ctrl+Y redoes.</source>
        <translation>Cliquez sur une case pour l&apos;allumer ou l&apos;éteindre, ou glissez pour peindre.
Touches : les flèches déplacent, Espace inverse, Maj+flèches peignent, Début/Fin vont aux bouts de la ligne.
Ctrl+Z annule, Ctrl+Maj+Z ou Ctrl+Y rétablit.</translation>
    </message>
</context>
<context>
    <name>SequenceLink</name>
    <message>
        <source>The link is damaged: it is too short or too long, as if cut off or run together with other text.</source>
        <translation>Le lien est abîmé : il est trop court ou trop long, comme s&apos;il avait été coupé ou collé à un autre texte.</translation>
    </message>
    <message>
        <source>The link is damaged: it holds bits that no version of Strobix writes.</source>
        <translation>Le lien est abîmé : il contient des bits qu&apos;aucune version de Strobix n&apos;écrit.</translation>
    </message>
    <message>
        <source>The link is damaged: %1 is %2.</source>
        <translation>Le lien est abîmé : %1 vaut %2.</translation>
    </message>
    <message>
        <source>This is not a link to a sequence: it has no &quot;#seq=&quot; part.</source>
        <translation>Ce n&apos;est pas un lien vers une séquence : il n&apos;a pas de partie « #seq= ».</translation>
    </message>
    <message>
        <source>The link is damaged: &quot;%1&quot; cannot be part of it.</source>
        <translation>Le lien est abîmé : « %1 » ne peut pas en faire partie.</translation>
    </message>
    <message>
        <source>The link is damaged: its check characters do not match the rest, so something in it was changed.</source>
        <translation>Le lien est abîmé : ses caractères de contrôle ne correspondent pas au reste, quelque chose y a donc été modifié.</translation>
    </message>
    <message>
        <source>The link was made by a newer version of Strobix (link format %1; this version reads format %2). Open it with a newer version.</source>
        <translation>Le lien a été créé par une version plus récente de Strobix (format de lien %1 ; cette version lit le format %2). Ouvrez-le avec une version plus récente.</translation>
    </message>
    <message>
        <source>The link is damaged: it names no format of Strobix&apos;s links.</source>
        <translation>Le lien est abîmé : il n&apos;indique aucun format de lien de Strobix.</translation>
    </message>
</context>
<context>
    <name>SerialLink</name>
    <message>
        <source>The serial port is not open.</source>
        <translation>Le port série n&apos;est pas ouvert.</translation>
    </message>
    <message>
        <source>The serial port&apos;s output queue could not be read: %1</source>
        <translation>La file de sortie du port série n&apos;a pas pu être lue : %1</translation>
    </message>
</context>
<context>
    <name>ServoControl</name>
    <message>
        <source>OFF</source>
        <translation>ARRÊT</translation>
    </message>
    <message>
        <source>NONE</source>
        <translation>AUCUN</translation>
    </message>
</context>
<context>
    <name>SettingsCommand</name>
    <message>
        <source>The serial port setting could not be saved to<byte value="xd"/></source>
        <translation>Le réglage du port série n&apos;a pas pu être enregistré dans<byte value="xd"/></translation>
    </message>
    <message>
        <source>The new settings are used until the program ends.</source>
        <translation>Les nouveaux réglages valent jusqu&apos;à la fin du programme.</translation>
    </message>
</context>
<context>
    <name>SettingsDialog</name>
    <message>
        <source> Settings...</source>
        <translation> Réglages...</translation>
    </message>
    <message>
        <source>Software Settings</source>
        <translation>Réglages du logiciel</translation>
    </message>
    <message>
        <source>Communication Port# (RS-232)</source>
        <translation>Port de communication (RS-232)</translation>
    </message>
    <message>
        <source>(Programming cable is connected to this 9-pin port#)</source>
        <translation>(Port 9 broches où est branché le câble de programmation)</translation>
    </message>
    <message>
        <source>LED Test Speed (ms)</source>
        <translation>Vitesse du test LED (ms)</translation>
    </message>
    <message>
        <source>(Set to match Test speed with Sequencer speed)</source>
        <translation>(Accorder la vitesse du test à celle du séquenceur)</translation>
    </message>
    <message>
        <source>Strobix Settings</source>
        <translation>Réglages du Strobix</translation>
    </message>
    <message>
        <source>Sequencer Delay (ms)</source>
        <translation>Pause du séquenceur (ms)</translation>
    </message>
    <message>
        <source>(Sets the delay between each of the 50 events )</source>
        <translation>(Pause entre chacun des 50 pas )</translation>
    </message>
    <message>
        <source>Use Pull-downs for changing all settings!</source>
        <translation>Modifiez tous les réglages par les listes !</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Communication port</source>
        <translation>Port de communication</translation>
    </message>
    <message>
        <source>Serial port number the programming cable is connected to</source>
        <translation>Numéro du port série où est branché le câble de programmation</translation>
    </message>
    <message>
        <source>LED test speed (ms)</source>
        <translation>Vitesse du test LED (ms)</translation>
    </message>
    <message>
        <source>Step time of the visual test, to match the sequencer</source>
        <translation>Durée d&apos;un pas du test visuel, à accorder au séquenceur</translation>
    </message>
    <message>
        <source>Sequencer delay (ms)</source>
        <translation>Pause du séquenceur (ms)</translation>
    </message>
    <message>
        <source>Delay between each of the 50 events on the sequencer</source>
        <translation>Pause entre chacun des 50 pas sur le séquenceur</translation>
    </message>
    <message>
        <source>Uses these settings and remembers the port</source>
        <translation>Applique ces réglages et retient le port</translation>
    </message>
    <message>
        <source>Closes without changing the settings</source>
        <translation>Ferme sans modifier les réglages</translation>
    </message>
</context>
<context>
    <name>ShellCommands</name>
    <message>
        <source>OK to Really Exit ?</source>
        <translation>Vraiment quitter ?</translation>
    </message>
    <message>
        <source>(Be sure you have saved your files)</source>
        <translation>(Avez-vous enregistré vos fichiers ?)</translation>
    </message>
    <message>
        <source>Programmable LED Sequencer/Flasher  - Rev3</source>
        <translation>Séquenceur/clignoteur LED programmable  - Rev3</translation>
    </message>
    <message>
        <source>By:  Tessmer</source>
        <translation>Par :  Tessmer</translation>
    </message>
    <message>
        <source>Feb 2008</source>
        <translation>Févr. 2008</translation>
    </message>
    <message>
        <source> Users&apos; Manual</source>
        <translation> Manuel d&apos;utilisation</translation>
    </message>
    <message>
        <source><byte value="xd"/> Click OK to view the Strobix Users&apos; Manual on the %1 webpage...</source>
        <extracomment>%1 the name of the manual&apos;s web page, left in English</extracomment>
        <translation><byte value="xd"/> Cliquez sur OK pour afficher le manuel d&apos;utilisation de Strobix sur la page web %1...</translation>
    </message>
    <message>
        <source>No web browser could be started. Open that file in a web browser,<byte value="xd"/> or install xdg-utils so the desktop knows how to show it.</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé. Ouvrez ce fichier dans un navigateur web,<byte value="xd"/> ou installez xdg-utils pour que le bureau sache l&apos;afficher.</translation>
    </message>
    <message>
        <source>The file is missing. Reinstall Strobix to restore it.</source>
        <translation>Le fichier manque. Réinstallez Strobix pour le rétablir.</translation>
    </message>
    <message>
        <source><byte value="xd"/> The Users&apos; Manual could not be opened:<byte value="xd"/><byte value="xd"/> </source>
        <translation><byte value="xd"/> Le manuel d&apos;utilisation n&apos;a pas pu être ouvert :<byte value="xd"/><byte value="xd"/> </translation>
    </message>
</context>
<context>
    <name>SystemSerialPort</name>
    <message>
        <source>The serial port took only %1 of %2 bytes in %3 seconds.</source>
        <translation>Le port série n&apos;a pris que %1 octets sur %2 en %3 secondes.</translation>
    </message>
    <message>
        <source>browsers let only pages from https:// addresses or from this computer use serial ports, and this page has neither</source>
        <translation>les navigateurs ne laissent utiliser les ports série qu&apos;aux pages venant d&apos;adresses https:// ou de cet ordinateur, et cette page ne vient d&apos;aucun des deux</translation>
    </message>
    <message>
        <source>this browser has no Web Serial; Chrome and Edge have it, Firefox and Safari do not (Save still works in every browser)</source>
        <translation>ce navigateur n&apos;a pas Web Serial ; Chrome et Edge l&apos;ont, Firefox et Safari non (Enregistrer marche quand même dans tous les navigateurs)</translation>
    </message>
    <message>
        <source>no port was chosen in the browser&apos;s list of serial ports</source>
        <translation>aucun port n&apos;a été choisi dans la liste des ports série du navigateur</translation>
    </message>
    <message>
        <source>the browser no longer lets this page use that port</source>
        <translation>le navigateur ne laisse plus cette page utiliser ce port</translation>
    </message>
    <message>
        <source>the serial port went away (was the adapter unplugged?)</source>
        <translation>le port série a disparu (l&apos;adaptateur a-t-il été débranché ?)</translation>
    </message>
</context>
<context>
    <name>TestController</name>
    <message>
        <source>Stop Test</source>
        <translation>Arrêt test</translation>
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
        <translation>Pas %1</translation>
    </message>
    <message>
        <source>, end marker</source>
        <translation>, marque de fin</translation>
    </message>
</context>
</TS>
