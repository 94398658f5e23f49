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
        <source>the last event</source>
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
        <source>Line %1: the file is larger than %2 KB and is not a sequence data file.</source>
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
</TS>
