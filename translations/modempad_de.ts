<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>Autopilot</name>
    <message>
        <source>autopilot: pressing %1</source>
        <extracomment>%1 names the button, such as Connect or Command2.</extracomment>
        <translation>Autopilot: drücke %1</translation>
    </message>
    <message>
        <source>autopilot: the log as the window shows it:</source>
        <translation>Autopilot: das Protokoll, wie das Fenster es zeigt:</translation>
    </message>
    <message>
        <source>autopilot: the modem accepted %1</source>
        <extracomment>%1 describes the message as the simulated modem&apos;s log does, in English.</extracomment>
        <translation>Autopilot: Das Modem hat angenommen: %1</translation>
    </message>
    <message>
        <source>the message arrived as &quot;%1&quot; to %2, not &quot;%3&quot; to %4</source>
        <translation>die Nachricht kam als „%1“ an %2 an, nicht als „%3“ an %4</translation>
    </message>
    <message>
        <source>autopilot: &quot;%1&quot; to %2 arrived intact</source>
        <translation>Autopilot: „%1“ an %2 ist unversehrt angekommen</translation>
    </message>
    <message>
        <source>autopilot: it came back to the modem, as the log shows</source>
        <translation>Autopilot: Sie kam zum Modem zurück, wie das Protokoll zeigt</translation>
    </message>
    <message>
        <source>modempad-demo: autopilot failed: %1</source>
        <translation>modempad-demo: Autopilot fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>ModemPad reported: %1</source>
        <translation>ModemPad meldete: %1</translation>
    </message>
    <message>
        <source>no answer to %1 within %2 s</source>
        <extracomment>%1 names the button pressed, such as Command2.</extracomment>
        <translation>keine Antwort auf %1 innerhalb von %2 s</translation>
    </message>
    <message numerus="yes">
        <source>the modem accepted %n messages, not one</source>
        <translation>
            <numerusform>das Modem hat %n Nachricht statt einer angenommen</numerusform>
            <numerusform>das Modem hat %n Nachrichten statt einer angenommen</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommControl</name>
    <message>
        <source>No serial ports are present now: plug the modem in and try again.</source>
        <translation>Zurzeit sind keine seriellen Schnittstellen vorhanden: Schließen Sie das Modem an und versuchen Sie es erneut.</translation>
    </message>
    <message>
        <source>Use one of the ports there are now: %1.</source>
        <extracomment>%1 lists the ports as number = device, such as &quot;1 = /dev/ttyUSB0, 2 = /dev/ttyACM0&quot;.</extracomment>
        <translation>Verwenden Sie einen der vorhandenen Ports: %1.</translation>
    </message>
    <message>
        <source>even parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>gerade Parität</translation>
    </message>
    <message>
        <source>odd parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>ungerade Parität</translation>
    </message>
    <message>
        <source>mark parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>Mark-Parität</translation>
    </message>
    <message>
        <source>space parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>Space-Parität</translation>
    </message>
    <message>
        <source>no parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>keine Parität</translation>
    </message>
    <message>
        <source>Port %1 is already open.</source>
        <translation>Port %1 ist bereits geöffnet.</translation>
    </message>
    <message>
        <source>%1 is not a valid port number: ports are numbered from 1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 ist keine gültige Portnummer: Ports werden ab 1 gezählt. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; are not valid line settings: expected baud, parity (n, e, o, m, s), data bits (5 to 8) and stop bits (1, 1.5, 2), such as &quot;2400,n,8,1&quot;.</source>
        <extracomment>The letters n, e, o, m and s are typed as they are, in any language.</extracomment>
        <translation>„%1“ sind keine gültigen Leitungseinstellungen: Erwartet werden Baudrate, Parität (n, e, o, m, s), Datenbits (5 bis 8) und Stoppbits (1, 1.5, 2), etwa „2400,n,8,1“.</translation>
    </message>
    <message>
        <source>Writing to port %1 failed: %2. Check that the device is still connected and switched on.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Schreiben auf Port %1 fehlgeschlagen: %2. Prüfen Sie, ob das Gerät noch angeschlossen und eingeschaltet ist.</translation>
    </message>
    <message>
        <source>There is no port %1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>Es gibt keinen Port %1. %2</translation>
    </message>
    <message>
        <source>Port %1 names %2, which is not there (any more): the device may have been unplugged. %3</source>
        <extracomment>%3 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>Port %1 bezeichnet %2, das nicht (mehr) vorhanden ist: Das Gerät wurde vielleicht abgezogen. %3</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device may have been unplugged. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 ist nicht (mehr) vorhanden: Das Gerät wurde vielleicht abgezogen. %2</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program. Close that program and try again (a modem just plugged in can be held for a few seconds while the system probes it), or choose another port.</source>
        <translation>Port %1 wird von einem anderen Programm verwendet. Schließen Sie dieses Programm und versuchen Sie es erneut (ein gerade angeschlossenes Modem kann einige Sekunden belegt sein, während das System es prüft), oder wählen Sie einen anderen Port.</translation>
    </message>
    <message>
        <source>You may not open port %1: only members of the group &quot;%2&quot; may. Add your user to that group (on Debian: sudo adduser $USER %2), then log out and in again.</source>
        <translation>Sie dürfen Port %1 nicht öffnen: Das dürfen nur Mitglieder der Gruppe „%2“. Fügen Sie Ihren Benutzer dieser Gruppe hinzu (unter Debian: sudo adduser $USER %2), melden Sie sich dann ab und wieder an.</translation>
    </message>
    <message>
        <source>You may not open port %1: only its owner &quot;%2&quot; may. Ask the administrator of this computer for access to it.</source>
        <translation>Sie dürfen Port %1 nicht öffnen: Das darf nur sein Eigentümer „%2“. Bitten Sie den Administrator dieses Computers um Zugriff darauf.</translation>
    </message>
    <message>
        <source>Port %1 refuses the line settings &quot;%2&quot;: %3. Check that it is a serial port.</source>
        <extracomment>%3 is the system&apos;s reason.</extracomment>
        <translation>Port %1 lehnt die Leitungseinstellungen „%2“ ab: %3. Prüfen Sie, ob es eine serielle Schnittstelle ist.</translation>
    </message>
    <message>
        <source>Port %1 could not be opened: %2. Check that it is a serial port.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Port %1 konnte nicht geöffnet werden: %2. Prüfen Sie, ob es eine serielle Schnittstelle ist.</translation>
    </message>
    <message>
        <source>Port %1 went away while it was open: the device was unplugged or switched off. Plug it back in, then start ModemPad again.</source>
        <translation>Port %1 ist verschwunden, während er geöffnet war: Das Gerät wurde abgezogen oder ausgeschaltet. Schließen Sie es wieder an und starten Sie ModemPad dann neu.</translation>
    </message>
    <message>
        <source>Port %1 is not open. Press Connect first.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Port %1 ist nicht geöffnet. Drücken Sie zuerst auf Connect.</translation>
    </message>
    <message>
        <source>Port %1 refuses %2 (settings &quot;%3&quot;): %4. Check that it is a serial port whose driver supports that.</source>
        <extracomment>%2 is what was refused, such as &quot;2400 baud&quot; or &quot;even parity&quot;; %4 is the system&apos;s reason.</extracomment>
        <translation>Port %1 lehnt „%2“ ab (Einstellungen „%3“): %4. Prüfen Sie, ob es eine serielle Schnittstelle ist, deren Treiber das unterstützt.</translation>
    </message>
    <message>
        <source>%1 baud</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>%1 Baud</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1,5 Stoppbits</translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>Flusssteuerung RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>Flusssteuerung XON/XOFF</translation>
    </message>
    <message>
        <source>no flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>keine Flusssteuerung</translation>
    </message>
    <message>
        <source>Port %1 refuses to set its %2 line: %3. Check that it is a serial port.</source>
        <extracomment>%2 names a wire of the serial line, DTR or RTS; %3 is the system&apos;s reason.</extracomment>
        <translation>Port %1 lässt seine Leitung %2 nicht setzen: %3. Prüfen Sie, ob es eine serielle Schnittstelle ist.</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1 Stoppbit</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>2 Stoppbits</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;; %1 is 5 to 8.</extracomment>
        <translation>%1 Datenbits</translation>
    </message>
    <message>
        <source>Port %1 is marked as taken by the lock file %2, left by process %3, which has ended. The file belongs to the user &quot;%4&quot;, so ModemPad may not remove it: ask that user or the administrator of this computer to remove it (sudo rm %2), then try again.</source>
        <extracomment>%2 is the lock file&apos;s path, %3 the number of the process that left it, %4 the user who owns the file.</extracomment>
        <translation>Port %1 ist durch die Sperrdatei %2 als belegt markiert, die der Prozess %3 hinterlassen hat, der bereits beendet ist. Die Datei gehört dem Benutzer „%4“, daher darf ModemPad sie nicht entfernen: Bitten Sie diesen Benutzer oder den Administrator dieses Computers, sie zu entfernen (sudo rm %2), und versuchen Sie es dann erneut.</translation>
    </message>
    <message>
        <source>Port %1 cannot be locked for ModemPad&apos;s use: the name of its lock file, %2, is longer than this system allows. Give the device a shorter name.</source>
        <extracomment>%2 is the lock file&apos;s path.</extracomment>
        <translation>Port %1 kann nicht für ModemPad gesperrt werden: Der Name seiner Sperrdatei, %2, ist länger, als dieses System erlaubt. Geben Sie dem Gerät einen kürzeren Namen.</translation>
    </message>
    <message>
        <source>No port is open. Type the port&apos;s number or its device&apos;s path, then press Connect.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Es ist kein Port geöffnet. Geben Sie die Nummer des Ports oder den Pfad seines Geräts ein und drücken Sie dann auf Connect.</translation>
    </message>
</context>
<context>
    <name>FailurePolicy</name>
    <message>
        <source>Error %1

%2</source>
        <extracomment>The message box after a failure: %1 is the error&apos;s number, %2 says what went wrong and what to do.</extracomment>
        <translation>Fehler %1

%2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Announces the message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>Kündigt die Nachricht %1 an:
%2</translation>
    </message>
    <message>
        <source>The message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>Die Nachricht %1:
%2</translation>
    </message>
    <message>
        <source>Modem log</source>
        <extracomment>The name a screen reader gives the box where the modem&apos;s answers show.</extracomment>
        <translation>Modemprotokoll</translation>
    </message>
    <message>
        <source>The number of the serial port to open, or the path of its device.</source>
        <extracomment>The tooltip of the box where the port is typed; the ports present follow it, one a line.</extracomment>
        <translation>Die Nummer der zu öffnenden seriellen Schnittstelle oder der Pfad ihres Geräts.</translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Zurzeit sind keine seriellen Schnittstellen vorhanden.</translation>
    </message>
    <message>
        <source>Everything the modem sends, each piece after one blank. Every byte is shown: line breaks as new lines, other control characters as picture symbols where the font has them, bytes from 0x80 up and the other control characters as two hexadecimal digits in angle brackets.</source>
        <translation>Alles, was das Modem sendet, jedes Stück nach einem Leerzeichen. Jedes Byte wird gezeigt: Zeilenumbrüche als neue Zeilen, andere Steuerzeichen als Bildsymbole, wo die Schrift sie hat, Bytes ab 0x80 und die übrigen Steuerzeichen als zwei Hexadezimalziffern in spitzen Klammern.</translation>
    </message>
</context>
<context>
    <name>ModemCommands</name>
    <message>
        <source>Writes &quot;%1&quot; followed by %2</source>
        <extracomment>A button&apos;s tooltip: %1 is what it writes to the modem, %2 the control characters after that, &quot;CR LF&quot; or &quot;Ctrl-Z&quot;, which keep their names.</extracomment>
        <translation>Schreibt „%1“, gefolgt von %2</translation>
    </message>
    <message numerus="yes">
        <source>to %1 in the GSM 7-bit alphabet, %n septet(s)</source>
        <extracomment>Where a message goes and how its text is sent, put into &quot;The message %1:&quot;; %1 is the phone number.</extracomment>
        <translation>
            <numerusform>an %1 im GSM-7-Bit-Alphabet, %n Septett</numerusform>
            <numerusform>an %1 im GSM-7-Bit-Alphabet, %n Septette</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>to %1 in UCS2, %n UTF-16 unit(s)</source>
        <extracomment>As above, for a text sent in UCS2, the 16-bit coding.</extracomment>
        <translation>
            <numerusform>an %1 in UCS2, %n UTF-16-Einheit</numerusform>
            <numerusform>an %1 in UCS2, %n UTF-16-Einheiten</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortNumber</name>
    <message>
        <source>&quot;%1&quot; is not a port number. Type a whole number, such as 1, or a device&apos;s path, such as %2.</source>
        <translation>„%1“ ist keine Portnummer. Geben Sie eine ganze Zahl ein, wie 1, oder den Pfad eines Geräts, wie %2.</translation>
    </message>
    <message>
        <source>Port number %1 is out of range. Port numbers go from 1 to 32767.</source>
        <translation>Portnummer %1 liegt außerhalb des Bereichs. Portnummern reichen von 1 bis 32767.</translation>
    </message>
</context>
<context>
    <name>QtOptions</name>
    <message>
        <source>Taken by Qt (see QGuiApplication).</source>
        <translation>Wird von Qt ausgewertet (siehe QGuiApplication).</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>&quot;%1&quot; is not a dial string: an optional + and then 1 to %2 digits 0-9, with no blanks or dashes</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>„%1“ ist keine wählbare Rufnummer: ein optionales + und dann 1 bis %2 Ziffern 0-9, ohne Leerzeichen oder Bindestriche</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; has %n digit(s), %2 more than the %3 a message&apos;s destination holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>„%1“ hat %n Ziffer, %2 mehr als die %3, die das Ziel einer Nachricht fasst</numerusform>
            <numerusform>„%1“ hat %n Ziffern, %2 mehr als die %3, die das Ziel einer Nachricht fasst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n septet(s) in the GSM 7-bit alphabet, %1 more than the %2 one message holds (each of ^ { } [ ] ~ \ | € takes two)</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>der Text braucht %n Septett im GSM-7-Bit-Alphabet, %1 mehr als die %2, die eine Nachricht fasst (jedes von ^ { } [ ] ~ \ | € zählt doppelt)</numerusform>
            <numerusform>der Text braucht %n Septette im GSM-7-Bit-Alphabet, %1 mehr als die %2, die eine Nachricht fasst (jedes von ^ { } [ ] ~ \ | € zählt doppelt)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n UTF-16 unit(s) in UCS2, %1 more than the %2 one message holds (a character outside the GSM 7-bit alphabet makes it UCS2, where a character beyond U+FFFF, such as an emoji, takes two)</source>
        <translation>
            <numerusform>der Text braucht %n UTF-16-Einheit in UCS2, %1 mehr als die %2, die eine Nachricht fasst (ein Zeichen außerhalb des GSM-7-Bit-Alphabets erzwingt UCS2, in dem ein Zeichen jenseits von U+FFFF, etwa ein Emoji, doppelt zählt)</numerusform>
            <numerusform>der Text braucht %n UTF-16-Einheiten in UCS2, %1 mehr als die %2, die eine Nachricht fasst (ein Zeichen außerhalb des GSM-7-Bit-Alphabets erzwingt UCS2, in dem ein Zeichen jenseits von U+FFFF, etwa ein Emoji, doppelt zählt)</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>„%1“ ist keine Übertragungsrate: eine ganze Zahl von Bits pro Sekunde, etwa 9600 oder 115200</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <extracomment>What --help shows after --to for its value.</extracomment>
        <translation>NUMMER</translation>
    </message>
    <message>
        <source>Where the message goes: + and the country code for an international number, or a national number; then digits 0-9 only, at most 20.</source>
        <translation>Wohin die Nachricht geht: + und die Ländervorwahl für eine internationale Nummer, oder eine nationale Nummer; danach nur Ziffern 0-9, höchstens 20.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>What --help shows after --text for its value.</extracomment>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>The message: at most 160 septets in the GSM 7-bit alphabet (each of ^ { } [ ] ~ \ | and the euro sign takes two), or, with any other character, at most 70 UTF-16 units in UCS2 (a character beyond U+FFFF, such as an emoji, takes two).</source>
        <translation>Die Nachricht: höchstens 160 Septette im GSM-7-Bit-Alphabet (jedes von ^ { } [ ] ~ \ | und das Euro-Zeichen zählt doppelt) oder, mit jedem anderen Zeichen, höchstens 70 UTF-16-Einheiten in UCS2 (ein Zeichen jenseits von U+FFFF, etwa ein Emoji, zählt doppelt).</translation>
    </message>
    <message>
        <source>RATE</source>
        <extracomment>What --help shows after --baud for its value.</extracomment>
        <translation>RATE</translation>
    </message>
    <message>
        <source>The line speed Connect sets, in bits per second: 300 to 4000000, or any other rate the port takes.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Die Übertragungsrate, die Connect einstellt, in Bits pro Sekunde: 300 bis 4000000 oder jede andere Rate, die der Port annimmt.</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>What --help shows after --port for its value.</extracomment>
        <translation>PORT</translation>
    </message>
    <message>
        <source>The port box&apos;s initial text: a port number, or a device&apos;s path such as /dev/ttyUSB0.</source>
        <extracomment>The port box is the box where the port&apos;s number or device is typed.</extracomment>
        <translation>Der anfängliche Text des Portfelds: eine Portnummer oder der Pfad eines Geräts wie /dev/ttyUSB0.</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n character(s), far more than the 160 one message holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>der Text hat %n Zeichen, weit mehr als die 160, die eine Nachricht fasst</numerusform>
            <numerusform>der Text hat %n Zeichen, weit mehr als die 160, die eine Nachricht fasst</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the port has %n byte(s), more than the %1 a device&apos;s path may have</source>
        <extracomment>A rule broken, put after the option or the line of the settings file. The port is what is typed in the port box: a port number or a device&apos;s path.</extracomment>
        <translation>
            <numerusform>die Angabe des Ports hat %n Byte, mehr als die %1, die der Pfad eines Geräts haben darf</numerusform>
            <numerusform>die Angabe des Ports hat %n Bytes, mehr als die %1, die der Pfad eines Geräts haben darf</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>%1 Default: %2, from the settings file.</source>
        <extracomment>An option&apos;s line in --help: %1 says what the option is, %2 is its default.</extracomment>
        <translation>%1 Vorgabe: %2, aus der Einstellungsdatei.</translation>
    </message>
    <message>
        <source>%1 Default: %2.</source>
        <translation>%1 Vorgabe: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 has the key &quot;%2&quot;, which is not a setting: the settings are %3, outside any [group]. Correct or remove that line.</source>
        <extracomment>%3 lists the keys, which stay in English: to, text, baud, port.</extracomment>
        <translation>Die Einstellungsdatei %1 hat den Schlüssel „%2“, der keine Einstellung ist: Die Einstellungen sind %3, außerhalb jeder [Gruppe]. Korrigieren oder entfernen Sie diese Zeile.</translation>
    </message>
    <message>
        <source>The settings file %1 has a comma outside double quotes in the value of %2, which INI reads as a list: put the whole value in double quotes. Correct or remove that line.</source>
        <translation>Die Einstellungsdatei %1 hat im Wert von %2 ein Komma außerhalb doppelter Anführungszeichen, das INI als Liste liest: Setzen Sie den ganzen Wert in doppelte Anführungszeichen. Korrigieren oder entfernen Sie diese Zeile.</translation>
    </message>
    <message>
        <source>The settings file %1 has a bad value for %2: %3. Correct or remove that line.</source>
        <extracomment>%2 is the key; %3 is the rule its value breaks, such as &quot;&quot;x&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200&quot;.</extracomment>
        <translation>Die Einstellungsdatei %1 hat einen ungültigen Wert für %2: %3. Korrigieren oder entfernen Sie diese Zeile.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: check that its lines are of the form key=value.</source>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: Prüfen Sie, ob ihre Zeilen die Form Schlüssel=Wert haben.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file (a FIFO or a device, say), so it is not read: put a file in its place, or remove it.</source>
        <translation>Die Einstellungsdatei %1 ist keine reguläre Datei (etwa ein FIFO oder ein Gerät) und wird daher nicht gelesen: Legen Sie an ihre Stelle eine Datei, oder entfernen Sie sie.</translation>
    </message>
    <message numerus="yes">
        <source>The settings file %1 has %n byte(s), more than the %2 any settings take, so it is not read: remove what is not settings.</source>
        <translation>
            <numerusform>Die Einstellungsdatei %1 hat %n Byte, mehr als die %2, die Einstellungen je brauchen, und wird daher nicht gelesen: Entfernen Sie, was keine Einstellung ist.</numerusform>
            <numerusform>Die Einstellungsdatei %1 hat %n Bytes, mehr als die %2, die Einstellungen je brauchen, und wird daher nicht gelesen: Entfernen Sie, was keine Einstellung ist.</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2. Check that you may read it.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Die Einstellungsdatei %1 kann nicht gelesen werden: %2. Prüfen Sie, ob Sie sie lesen dürfen.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in UTF-8: its byte %2, on line %3, is 0x%4. Save it in UTF-8.</source>
        <extracomment>%2 counts bytes from 1, %3 is the line the byte is on, %4 the byte in hexadecimal.</extracomment>
        <translation>Die Einstellungsdatei %1 ist nicht in UTF-8: Ihr Byte %2, in Zeile %3, ist 0x%4. Speichern Sie sie in UTF-8.</translation>
    </message>
</context>
<context>
    <name>modempad</name>
    <message>
        <source>A window for trying out a GSM modem on a serial port: Connect opens the port, and the buttons below it write the AT commands that send a short message in PDU mode.
Each setting comes from its option, else from the settings file %1, else from the build. Qt&apos;s own options, such as -platform NAME, are taken as well.</source>
        <extracomment>--help&apos;s description; Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Ein Fenster zum Ausprobieren eines GSM-Modems an einer seriellen Schnittstelle: Connect öffnet den Port, und die Knöpfe darunter schreiben die AT-Befehle, die eine SMS im PDU-Modus senden.
Jede Einstellung kommt aus ihrer Option, sonst aus der Einstellungsdatei %1, sonst aus dem Build. Die eigenen Optionen von Qt, etwa -platform NAME, werden ebenfalls angenommen.</translation>
    </message>
    <message>
        <source>unknown option %1%2: modempad --help lists the options</source>
        <translation>unbekannte Option %1%2: modempad --help listet die Optionen auf</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: modempad takes options only</source>
        <translation>unerwartetes Argument „%1“: modempad nimmt nur Optionen an</translation>
    </message>
    <message>
        <source>the value of %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 is the option, such as --text; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>der Wert von %1 ist nicht in UTF-8: sein Byte %2 ist 0x%3; geben Sie ihn in UTF-8 an</translation>
    </message>
    <message>
        <source>argument %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 counts the arguments from 1; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>Argument %1 ist nicht in UTF-8: sein Byte %2 ist 0x%3; geben Sie es in UTF-8 an</translation>
    </message>
</context>
<context>
    <name>modempad-demo</name>
    <message>
        <source>--port takes N=PATH with N from 1 to 32767, as in --port 7=/dev/pts/4; got &quot;%1&quot;</source>
        <translation>--port erwartet N=PFAD mit N von 1 bis 32767, wie in --port 7=/dev/pts/4; erhalten: „%1“</translation>
    </message>
    <message>
        <source>--port %1: there is no %2; start what makes it first, such as socat, or give a device that is there</source>
        <translation>--port %1: %2 gibt es nicht; starten Sie zuerst, was es anlegt, etwa socat, oder geben Sie ein vorhandenes Gerät an</translation>
    </message>
    <message>
        <source>ModemPad with a simulated GSM modem behind port 5. Prints the modem&apos;s side of the dialogue. With no display it runs the autopilot. Reads lines such as &quot;sms +447700900456 Hello there&quot; from standard input: a message from that number arrives.</source>
        <translation>ModemPad mit einem simulierten GSM-Modem hinter Port 5. Gibt die Seite des Modems im Dialog aus. Ohne Bildschirm läuft der Autopilot. Liest Zeilen wie „sms +447700900456 Hello there“ von der Standardeingabe: Dann kommt eine Nachricht von dieser Nummer an.</translation>
    </message>
    <message>
        <source>Run offscreen, press Connect, Command1, Command2 and Command3, and exit 0 only if the modem accepted the message intact.</source>
        <extracomment>The button captions stay in English.</extracomment>
        <translation>Ohne Bildschirm laufen, Connect, Command1, Command2 und Command3 drücken und nur mit 0 enden, wenn das Modem die Nachricht unversehrt angenommen hat.</translation>
    </message>
    <message>
        <source>The modem answers at 2400 baud.</source>
        <translation>Das Modem antwortet mit 2400 Baud.</translation>
    </message>
    <message>
        <source>Map port number N to the device PATH; repeatable.</source>
        <extracomment>A port here is a serial port, named by a number, and PATH its device.</extracomment>
        <translation>Portnummer N dem Gerät PFAD zuordnen; wiederholbar.</translation>
    </message>
    <message>
        <source>N=PATH</source>
        <extracomment>Keep N and the = sign; PATH is what follows it.</extracomment>
        <translation>N=PFAD</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>unerwartetes Argument „%1“</translation>
    </message>
    <message>
        <source>--autopilot checks the message on the simulated modem behind port %1; --port %1=... would take it away</source>
        <translation>--autopilot prüft die Nachricht am simulierten Modem hinter Port %1; --port %1=... würde es ersetzen</translation>
    </message>
    <message>
        <source>modempad-demo: no pseudo-terminal for the simulated modem: %1</source>
        <translation>modempad-demo: kein Pseudo-Terminal für das simulierte Modem: %1</translation>
    </message>
    <message>
        <source>simulated modem on port %1 = %2</source>
        <extracomment>%1 is the port&apos;s number, %2 the device behind it.</extracomment>
        <translation>simuliertes Modem an Port %1 = %2</translation>
    </message>
    <message>
        <source>the second and third buttons send the message %1: %2</source>
        <extracomment>%1 says where the message goes and how; %2 is its text.</extracomment>
        <translation>der zweite und dritte Knopf senden die Nachricht %1: %2</translation>
    </message>
    <message>
        <source>no display: the autopilot runs the window offscreen</source>
        <translation>kein Bildschirm: Der Autopilot lässt das Fenster unsichtbar laufen</translation>
    </message>
</context>
</TS>
