<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Autopilot</name>
    <message>
        <source>autopilot: pressing %1</source>
        <extracomment>%1 names the button, such as Connect or Command2.</extracomment>
        <translation>pilote automatique : appui sur %1</translation>
    </message>
    <message>
        <source>autopilot: the log as the window shows it:</source>
        <translation>pilote automatique : le journal tel que la fenêtre l&apos;affiche :</translation>
    </message>
    <message>
        <source>autopilot: the modem accepted %1</source>
        <extracomment>%1 describes the message as the simulated modem&apos;s log does, in English.</extracomment>
        <translation>pilote automatique : le modem a accepté %1</translation>
    </message>
    <message>
        <source>the message arrived as &quot;%1&quot; to %2, not &quot;%3&quot; to %4</source>
        <translation>le message est arrivé comme « %1 » à %2, et non comme « %3 » à %4</translation>
    </message>
    <message>
        <source>autopilot: &quot;%1&quot; to %2 arrived intact</source>
        <translation>pilote automatique : le message « %1 » à %2 est arrivé intact</translation>
    </message>
    <message>
        <source>autopilot: it came back to the modem, as the log shows</source>
        <translation>pilote automatique : il est revenu au modem, comme le montre le journal</translation>
    </message>
    <message>
        <source>modempad-demo: autopilot failed: %1</source>
        <translation>modempad-demo : échec du pilote automatique : %1</translation>
    </message>
    <message>
        <source>ModemPad reported: %1</source>
        <translation>ModemPad a signalé : %1</translation>
    </message>
    <message>
        <source>no answer to %1 within %2 s</source>
        <extracomment>%1 names the button pressed, such as Command2.</extracomment>
        <translation>pas de réponse à %1 en %2 s</translation>
    </message>
    <message numerus="yes">
        <source>the modem accepted %n messages, not one</source>
        <translation>
            <numerusform>le modem a accepté %n message au lieu d&apos;un seul</numerusform>
            <numerusform>le modem a accepté %n messages au lieu d&apos;un seul</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommControl</name>
    <message>
        <source>No serial ports are present now: plug the modem in and try again.</source>
        <translation>Aucun port série n&apos;est présent pour l&apos;instant : branchez le modem et réessayez.</translation>
    </message>
    <message>
        <source>Use one of the ports there are now: %1.</source>
        <extracomment>%1 lists the ports as number = device, such as &quot;1 = /dev/ttyUSB0, 2 = /dev/ttyACM0&quot;.</extracomment>
        <translation>Utilisez l&apos;un des ports présents : %1.</translation>
    </message>
    <message>
        <source>even parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>parité paire</translation>
    </message>
    <message>
        <source>odd parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>parité impaire</translation>
    </message>
    <message>
        <source>mark parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>parité marque</translation>
    </message>
    <message>
        <source>space parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>parité espace</translation>
    </message>
    <message>
        <source>no parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>sans parité</translation>
    </message>
    <message>
        <source>Port %1 is already open.</source>
        <translation>Le port %1 est déjà ouvert.</translation>
    </message>
    <message>
        <source>%1 is not a valid port number: ports are numbered from 1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 n&apos;est pas un numéro de port valide : les ports sont numérotés à partir de 1. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; are not valid line settings: expected baud, parity (n, e, o, m, s), data bits (5 to 8) and stop bits (1, 1.5, 2), such as &quot;2400,n,8,1&quot;.</source>
        <extracomment>The letters n, e, o, m and s are typed as they are, in any language.</extracomment>
        <translation>« %1 » ne sont pas des paramètres de ligne valides : sont attendus le débit en bauds, la parité (n, e, o, m, s), les bits de données (5 à 8) et les bits d&apos;arrêt (1, 1.5, 2), par exemple « 2400,n,8,1 ».</translation>
    </message>
    <message>
        <source>Writing to port %1 failed: %2. Check that the device is still connected and switched on.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>L&apos;écriture sur le port %1 a échoué : %2. Vérifiez que l&apos;appareil est toujours branché et allumé.</translation>
    </message>
    <message>
        <source>There is no port %1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>Le port %1 n&apos;existe pas. %2</translation>
    </message>
    <message>
        <source>Port %1 names %2, which is not there (any more): the device may have been unplugged. %3</source>
        <extracomment>%3 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>Le port %1 désigne %2, qui n&apos;existe pas (ou plus) : l&apos;appareil a peut-être été débranché. %3</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device may have been unplugged. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 n&apos;existe pas (ou plus) : l&apos;appareil a peut-être été débranché. %2</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program. Close that program and try again (a modem just plugged in can be held for a few seconds while the system probes it), or choose another port.</source>
        <translation>Le port %1 est utilisé par un autre programme. Fermez ce programme et réessayez (un modem qui vient d&apos;être branché peut rester occupé quelques secondes pendant que le système l&apos;examine), ou choisissez un autre port.</translation>
    </message>
    <message>
        <source>You may not open port %1: only members of the group &quot;%2&quot; may. Add your user to that group (on Debian: sudo adduser $USER %2), then log out and in again.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir le port %1 : seuls les membres du groupe « %2 » l&apos;ont. Ajoutez votre utilisateur à ce groupe (sous Debian : sudo adduser $USER %2), puis déconnectez-vous et reconnectez-vous.</translation>
    </message>
    <message>
        <source>You may not open port %1: only its owner &quot;%2&quot; may. Ask the administrator of this computer for access to it.</source>
        <translation>Vous n&apos;avez pas le droit d&apos;ouvrir le port %1 : seul son propriétaire « %2 » l&apos;a. Demandez-en l&apos;accès à l&apos;administrateur de cet ordinateur.</translation>
    </message>
    <message>
        <source>Port %1 refuses the line settings &quot;%2&quot;: %3. Check that it is a serial port.</source>
        <extracomment>%3 is the system&apos;s reason.</extracomment>
        <translation>Le port %1 refuse les paramètres de ligne « %2 » : %3. Vérifiez qu&apos;il s&apos;agit bien d&apos;un port série.</translation>
    </message>
    <message>
        <source>Port %1 could not be opened: %2. Check that it is a serial port.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;ouvrir le port %1 : %2. Vérifiez qu&apos;il s&apos;agit bien d&apos;un port série.</translation>
    </message>
    <message>
        <source>Port %1 went away while it was open: the device was unplugged or switched off. Plug it back in, then start ModemPad again.</source>
        <translation>Le port %1 a disparu alors qu&apos;il était ouvert : l&apos;appareil a été débranché ou éteint. Rebranchez-le, puis relancez ModemPad.</translation>
    </message>
    <message>
        <source>Port %1 is not open. Press Connect first.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Le port %1 n&apos;est pas ouvert. Appuyez d&apos;abord sur Connect.</translation>
    </message>
    <message>
        <source>Port %1 refuses %2 (settings &quot;%3&quot;): %4. Check that it is a serial port whose driver supports that.</source>
        <extracomment>%2 is what was refused, such as &quot;2400 baud&quot; or &quot;even parity&quot;; %4 is the system&apos;s reason.</extracomment>
        <translation>Le port %1 refuse %2 (paramètres « %3 ») : %4. Vérifiez qu&apos;il s&apos;agit d&apos;un port série dont le pilote le prend en charge.</translation>
    </message>
    <message>
        <source>%1 baud</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>%1 bauds</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1,5 bit d&apos;arrêt</translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>contrôle de flux RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>contrôle de flux XON/XOFF</translation>
    </message>
    <message>
        <source>no flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>sans contrôle de flux</translation>
    </message>
    <message>
        <source>Port %1 refuses to set its %2 line: %3. Check that it is a serial port.</source>
        <extracomment>%2 names a wire of the serial line, DTR or RTS; %3 is the system&apos;s reason.</extracomment>
        <translation>Le port %1 refuse de positionner sa ligne %2 : %3. Vérifiez qu&apos;il s&apos;agit bien d&apos;un port série.</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1 bit d&apos;arrêt</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>2 bits d&apos;arrêt</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;; %1 is 5 to 8.</extracomment>
        <translation>%1 bits de données</translation>
    </message>
    <message>
        <source>Port %1 is marked as taken by the lock file %2, left by process %3, which has ended. The file belongs to the user &quot;%4&quot;, so ModemPad may not remove it: ask that user or the administrator of this computer to remove it (sudo rm %2), then try again.</source>
        <extracomment>%2 is the lock file&apos;s path, %3 the number of the process that left it, %4 the user who owns the file.</extracomment>
        <translation>Le port %1 est marqué comme occupé par le fichier de verrou %2, laissé par le processus %3, qui s&apos;est terminé. Le fichier appartient à l&apos;utilisateur « %4 », ModemPad ne peut donc pas le supprimer : demandez à cet utilisateur ou à l&apos;administrateur de cet ordinateur de le supprimer (sudo rm %2), puis réessayez.</translation>
    </message>
    <message>
        <source>Port %1 cannot be locked for ModemPad&apos;s use: the name of its lock file, %2, is longer than this system allows. Give the device a shorter name.</source>
        <extracomment>%2 is the lock file&apos;s path.</extracomment>
        <translation>Le port %1 ne peut pas être verrouillé pour ModemPad : le nom de son fichier de verrou, %2, est plus long que ce que ce système autorise. Donnez un nom plus court au périphérique.</translation>
    </message>
    <message>
        <source>No port is open. Type the port&apos;s number or its device&apos;s path, then press Connect.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Aucun port n&apos;est ouvert. Tapez le numéro du port ou le chemin de son périphérique, puis appuyez sur Connect.</translation>
    </message>
</context>
<context>
    <name>FailurePolicy</name>
    <message>
        <source>Error %1

%2</source>
        <extracomment>The message box after a failure: %1 is the error&apos;s number, %2 says what went wrong and what to do.</extracomment>
        <translation>Erreur %1

%2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Announces the message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>Annonce le message %1 :
%2</translation>
    </message>
    <message>
        <source>The message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>Le message %1 :
%2</translation>
    </message>
    <message>
        <source>Modem log</source>
        <extracomment>The name a screen reader gives the box where the modem&apos;s answers show.</extracomment>
        <translation>Journal du modem</translation>
    </message>
    <message>
        <source>The number of the serial port to open, or the path of its device.</source>
        <extracomment>The tooltip of the box where the port is typed; the ports present follow it, one a line.</extracomment>
        <translation>Le numéro du port série à ouvrir, ou le chemin de son périphérique.</translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Aucun port série n&apos;est présent pour l&apos;instant.</translation>
    </message>
    <message>
        <source>Everything the modem sends, each piece after one blank. Every byte is shown: line breaks as new lines, other control characters as picture symbols where the font has them, bytes from 0x80 up and the other control characters as two hexadecimal digits in angle brackets.</source>
        <translation>Tout ce que le modem envoie, chaque morceau après une espace. Chaque octet est affiché : les sauts de ligne comme nouvelles lignes, les autres caractères de contrôle comme symboles graphiques lorsque la police les possède, les octets à partir de 0x80 et les caractères de contrôle restants comme deux chiffres hexadécimaux entre chevrons.</translation>
    </message>
</context>
<context>
    <name>ModemCommands</name>
    <message>
        <source>Writes &quot;%1&quot; followed by %2</source>
        <extracomment>A button&apos;s tooltip: %1 is what it writes to the modem, %2 the control characters after that, &quot;CR LF&quot; or &quot;Ctrl-Z&quot;, which keep their names.</extracomment>
        <translation>Écrit « %1 » suivi de %2</translation>
    </message>
    <message numerus="yes">
        <source>to %1 in the GSM 7-bit alphabet, %n septet(s)</source>
        <extracomment>Where a message goes and how its text is sent, put into &quot;The message %1:&quot;; %1 is the phone number.</extracomment>
        <translation>
            <numerusform>à %1 dans l&apos;alphabet GSM 7 bits, %n septet</numerusform>
            <numerusform>à %1 dans l&apos;alphabet GSM 7 bits, %n septets</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>to %1 in UCS2, %n UTF-16 unit(s)</source>
        <extracomment>As above, for a text sent in UCS2, the 16-bit coding.</extracomment>
        <translation>
            <numerusform>à %1 en UCS2, %n unité UTF-16</numerusform>
            <numerusform>à %1 en UCS2, %n unités UTF-16</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortNumber</name>
    <message>
        <source>&quot;%1&quot; is not a port number. Type a whole number, such as 1, or a device&apos;s path, such as %2.</source>
        <translation>« %1 » n&apos;est pas un numéro de port. Tapez un nombre entier, comme 1, ou le chemin d&apos;un périphérique, comme %2.</translation>
    </message>
    <message>
        <source>Port number %1 is out of range. Port numbers go from 1 to 32767.</source>
        <translation>Le numéro de port %1 est hors limites. Les numéros de port vont de 1 à 32767.</translation>
    </message>
</context>
<context>
    <name>QtOptions</name>
    <message>
        <source>Taken by Qt (see QGuiApplication).</source>
        <translation>Pris en charge par Qt (voir QGuiApplication).</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>&quot;%1&quot; is not a dial string: an optional + and then 1 to %2 digits 0-9, with no blanks or dashes</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>« %1 » n&apos;est pas un numéro à composer : un + facultatif puis 1 à %2 chiffres 0-9, sans espaces ni tirets</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; has %n digit(s), %2 more than the %3 a message&apos;s destination holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>« %1 » a %n chiffre, %2 de plus que les %3 que peut contenir le destinataire d&apos;un message</numerusform>
            <numerusform>« %1 » a %n chiffres, %2 de plus que les %3 que peut contenir le destinataire d&apos;un message</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n septet(s) in the GSM 7-bit alphabet, %1 more than the %2 one message holds (each of ^ { } [ ] ~ \ | € takes two)</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>le texte occupe %n septet dans l&apos;alphabet GSM 7 bits, %1 de plus que les %2 que contient un message (chacun de ^ { } [ ] ~ \ | € en compte deux)</numerusform>
            <numerusform>le texte occupe %n septets dans l&apos;alphabet GSM 7 bits, %1 de plus que les %2 que contient un message (chacun de ^ { } [ ] ~ \ | € en compte deux)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n UTF-16 unit(s) in UCS2, %1 more than the %2 one message holds (a character outside the GSM 7-bit alphabet makes it UCS2, where a character beyond U+FFFF, such as an emoji, takes two)</source>
        <translation>
            <numerusform>le texte occupe %n unité UTF-16 en UCS2, %1 de plus que les %2 que contient un message (un caractère hors de l&apos;alphabet GSM 7 bits impose l&apos;UCS2, où un caractère au-delà de U+FFFF, comme un emoji, en compte deux)</numerusform>
            <numerusform>le texte occupe %n unités UTF-16 en UCS2, %1 de plus que les %2 que contient un message (un caractère hors de l&apos;alphabet GSM 7 bits impose l&apos;UCS2, où un caractère au-delà de U+FFFF, comme un emoji, en compte deux)</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>« %1 » n&apos;est pas une vitesse de ligne : un nombre entier de bits par seconde, comme 9600 ou 115200</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <extracomment>What --help shows after --to for its value.</extracomment>
        <translation>NUMÉRO</translation>
    </message>
    <message>
        <source>Where the message goes: + and the country code for an international number, or a national number; then digits 0-9 only, at most 20.</source>
        <translation>Où va le message : + et l&apos;indicatif du pays pour un numéro international, ou un numéro national ; ensuite uniquement des chiffres 0-9, 20 au plus.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>What --help shows after --text for its value.</extracomment>
        <translation>TEXTE</translation>
    </message>
    <message>
        <source>The message: at most 160 septets in the GSM 7-bit alphabet (each of ^ { } [ ] ~ \ | and the euro sign takes two), or, with any other character, at most 70 UTF-16 units in UCS2 (a character beyond U+FFFF, such as an emoji, takes two).</source>
        <translation>Le message : au plus 160 septets dans l&apos;alphabet GSM 7 bits (chacun de ^ { } [ ] ~ \ | et le signe euro en compte deux) ou, avec tout autre caractère, au plus 70 unités UTF-16 en UCS2 (un caractère au-delà de U+FFFF, comme un emoji, en compte deux).</translation>
    </message>
    <message>
        <source>RATE</source>
        <extracomment>What --help shows after --baud for its value.</extracomment>
        <translation>DÉBIT</translation>
    </message>
    <message>
        <source>The line speed Connect sets, in bits per second: 300 to 4000000, or any other rate the port takes.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>La vitesse de ligne que règle Connect, en bits par seconde : de 300 à 4000000, ou tout autre débit que le port accepte.</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>What --help shows after --port for its value.</extracomment>
        <translation>PORT</translation>
    </message>
    <message>
        <source>The port box&apos;s initial text: a port number, or a device&apos;s path such as /dev/ttyUSB0.</source>
        <extracomment>The port box is the box where the port&apos;s number or device is typed.</extracomment>
        <translation>Le texte initial de la case du port : un numéro de port ou le chemin d&apos;un périphérique, comme /dev/ttyUSB0.</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n character(s), far more than the 160 one message holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>le texte a %n caractère, bien plus que les 160 que contient un message</numerusform>
            <numerusform>le texte a %n caractères, bien plus que les 160 que contient un message</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the port has %n byte(s), more than the %1 a device&apos;s path may have</source>
        <extracomment>A rule broken, put after the option or the line of the settings file. The port is what is typed in the port box: a port number or a device&apos;s path.</extracomment>
        <translation>
            <numerusform>le port indiqué fait %n octet, plus que les %1 que peut avoir le chemin d&apos;un périphérique</numerusform>
            <numerusform>le port indiqué fait %n octets, plus que les %1 que peut avoir le chemin d&apos;un périphérique</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>%1 Default: %2, from the settings file.</source>
        <extracomment>An option&apos;s line in --help: %1 says what the option is, %2 is its default.</extracomment>
        <translation>%1 Par défaut : %2, d&apos;après le fichier de configuration.</translation>
    </message>
    <message>
        <source>%1 Default: %2.</source>
        <translation>%1 Par défaut : %2.</translation>
    </message>
    <message>
        <source>The settings file %1 has the key &quot;%2&quot;, which is not a setting: the settings are %3, outside any [group]. Correct or remove that line.</source>
        <extracomment>%3 lists the keys, which stay in English: to, text, baud, port.</extracomment>
        <translation>Le fichier de configuration %1 contient la clé « %2 », qui n&apos;est pas un réglage : les réglages sont %3, hors de tout [groupe]. Corrigez ou supprimez cette ligne.</translation>
    </message>
    <message>
        <source>The settings file %1 has a comma outside double quotes in the value of %2, which INI reads as a list: put the whole value in double quotes. Correct or remove that line.</source>
        <translation>Le fichier de configuration %1 contient une virgule hors des guillemets doubles dans la valeur de %2, qu&apos;INI lit comme une liste : mettez toute la valeur entre guillemets doubles. Corrigez ou supprimez cette ligne.</translation>
    </message>
    <message>
        <source>The settings file %1 has a bad value for %2: %3. Correct or remove that line.</source>
        <extracomment>%2 is the key; %3 is the rule its value breaks, such as &quot;&quot;x&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200&quot;.</extracomment>
        <translation>Le fichier de configuration %1 contient une valeur incorrecte pour %2 : %3. Corrigez ou supprimez cette ligne.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: check that its lines are of the form key=value.</source>
        <translation>Impossible de lire le fichier de configuration %1 : vérifiez que ses lignes sont de la forme clé=valeur.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file (a FIFO or a device, say), so it is not read: put a file in its place, or remove it.</source>
        <translation>Le fichier de configuration %1 n&apos;est pas un fichier ordinaire (une FIFO ou un périphérique, par exemple), il n&apos;est donc pas lu : mettez un fichier à sa place, ou supprimez-le.</translation>
    </message>
    <message numerus="yes">
        <source>The settings file %1 has %n byte(s), more than the %2 any settings take, so it is not read: remove what is not settings.</source>
        <translation>
            <numerusform>Le fichier de configuration %1 fait %n octet, plus que les %2 que peut occuper une configuration, il n&apos;est donc pas lu : retirez ce qui n&apos;est pas de la configuration.</numerusform>
            <numerusform>Le fichier de configuration %1 fait %n octets, plus que les %2 que peut occuper une configuration, il n&apos;est donc pas lu : retirez ce qui n&apos;est pas de la configuration.</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2. Check that you may read it.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Impossible de lire le fichier de configuration %1 : %2. Vérifiez que vous avez le droit de le lire.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in UTF-8: its byte %2, on line %3, is 0x%4. Save it in UTF-8.</source>
        <extracomment>%2 counts bytes from 1, %3 is the line the byte is on, %4 the byte in hexadecimal.</extracomment>
        <translation>Le fichier de configuration %1 n&apos;est pas en UTF-8 : son octet %2, à la ligne %3, vaut 0x%4. Enregistrez-le en UTF-8.</translation>
    </message>
</context>
<context>
    <name>modempad</name>
    <message>
        <source>A window for trying out a GSM modem on a serial port: Connect opens the port, and the buttons below it write the AT commands that send a short message in PDU mode.
Each setting comes from its option, else from the settings file %1, else from the build. Qt&apos;s own options, such as -platform NAME, are taken as well.</source>
        <extracomment>--help&apos;s description; Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Une fenêtre pour essayer un modem GSM sur un port série : Connect ouvre le port, et les boutons en dessous écrivent les commandes AT qui envoient un SMS en mode PDU.
Chaque réglage vient de son option, sinon du fichier de configuration %1, sinon de la compilation. Les options propres à Qt, comme -platform NOM, sont aussi acceptées.</translation>
    </message>
    <message>
        <source>unknown option %1%2: modempad --help lists the options</source>
        <translation>option inconnue %1%2 : modempad --help liste les options</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: modempad takes options only</source>
        <translation>argument inattendu « %1 » : modempad n&apos;accepte que des options</translation>
    </message>
    <message>
        <source>the value of %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 is the option, such as --text; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>la valeur de %1 n&apos;est pas en UTF-8 : son octet %2 vaut 0x%3 ; donnez-la en UTF-8</translation>
    </message>
    <message>
        <source>argument %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 counts the arguments from 1; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>l&apos;argument %1 n&apos;est pas en UTF-8 : son octet %2 vaut 0x%3 ; donnez-le en UTF-8</translation>
    </message>
</context>
<context>
    <name>modempad-demo</name>
    <message>
        <source>--port takes N=PATH with N from 1 to 32767, as in --port 7=/dev/pts/4; got &quot;%1&quot;</source>
        <translation>--port attend N=CHEMIN avec N de 1 à 32767, comme dans --port 7=/dev/pts/4 ; reçu « %1 »</translation>
    </message>
    <message>
        <source>--port %1: there is no %2; start what makes it first, such as socat, or give a device that is there</source>
        <translation>--port %1 : %2 n&apos;existe pas ; lancez d&apos;abord ce qui le crée, comme socat, ou indiquez un périphérique qui existe</translation>
    </message>
    <message>
        <source>ModemPad with a simulated GSM modem behind port 5. Prints the modem&apos;s side of the dialogue. With no display it runs the autopilot. Reads lines such as &quot;sms +447700900456 Hello there&quot; from standard input: a message from that number arrives.</source>
        <translation>ModemPad avec un modem GSM simulé derrière le port 5. Affiche la partie du dialogue côté modem. Sans affichage, il lance le pilote automatique. Lit sur l&apos;entrée standard des lignes comme « sms +447700900456 Hello there » : un message de ce numéro arrive.</translation>
    </message>
    <message>
        <source>Run offscreen, press Connect, Command1, Command2 and Command3, and exit 0 only if the modem accepted the message intact.</source>
        <extracomment>The button captions stay in English.</extracomment>
        <translation>Fonctionner hors écran, appuyer sur Connect, Command1, Command2 et Command3, et ne sortir avec 0 que si le modem a accepté le message intact.</translation>
    </message>
    <message>
        <source>The modem answers at 2400 baud.</source>
        <translation>Le modem répond à 2400 bauds.</translation>
    </message>
    <message>
        <source>Map port number N to the device PATH; repeatable.</source>
        <extracomment>A port here is a serial port, named by a number, and PATH its device.</extracomment>
        <translation>Associe le numéro de port N au périphérique CHEMIN ; peut être répété.</translation>
    </message>
    <message>
        <source>N=PATH</source>
        <extracomment>Keep N and the = sign; PATH is what follows it.</extracomment>
        <translation>N=CHEMIN</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argument inattendu « %1 »</translation>
    </message>
    <message>
        <source>--autopilot checks the message on the simulated modem behind port %1; --port %1=... would take it away</source>
        <translation>--autopilot vérifie le message sur le modem simulé derrière le port %1 ; --port %1=... le retirerait</translation>
    </message>
    <message>
        <source>modempad-demo: no pseudo-terminal for the simulated modem: %1</source>
        <translation>modempad-demo : pas de pseudo-terminal pour le modem simulé : %1</translation>
    </message>
    <message>
        <source>simulated modem on port %1 = %2</source>
        <extracomment>%1 is the port&apos;s number, %2 the device behind it.</extracomment>
        <translation>modem simulé sur le port %1 = %2</translation>
    </message>
    <message>
        <source>the second and third buttons send the message %1: %2</source>
        <extracomment>%1 says where the message goes and how; %2 is its text.</extracomment>
        <translation>les deuxième et troisième boutons envoient le message %1 : %2</translation>
    </message>
    <message>
        <source>no display: the autopilot runs the window offscreen</source>
        <translation>pas d&apos;affichage : le pilote automatique fait fonctionner la fenêtre hors écran</translation>
    </message>
</context>
</TS>
