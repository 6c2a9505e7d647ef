<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>modemsim</name>
    <message>
        <source>modemsim: line lost: %1</source>
        <translation>modemsim : ligne perdue : %1</translation>
    </message>
    <message>
        <source>Answer at 2400 baud, as a real line does.</source>
        <extracomment>A line: the serial connection to a modem.</extracomment>
        <translation>Répond à 2400 bauds, comme une vraie ligne.</translation>
    </message>
    <message>
        <source>The SIM asks for this PIN, 4 to 8 digits.</source>
        <translation>La SIM demande ce code PIN, de 4 à 8 chiffres.</translation>
    </message>
    <message>
        <source>The PUK that unblocks the SIM after three wrong PINs, 8 digits; 12345678 unless given.</source>
        <translation>Le code PUK qui débloque la SIM après trois codes PIN erronés, 8 chiffres ; 12345678 par défaut.</translation>
    </message>
    <message>
        <source>How the network starts: off, home (unless given), roaming, denied or searching.</source>
        <translation>L&apos;état du réseau au départ : off, home (par défaut), roaming, denied ou searching.</translation>
    </message>
    <message>
        <source>The signal strength +CSQ reports, 0 to 31 (21 unless given) or 99.</source>
        <translation>La force du signal que +CSQ indique, de 0 à 31 (21 par défaut) ou 99.</translation>
    </message>
    <message>
        <source>Every answer waits this long first, such as 300ms or 2s.</source>
        <translation>Chaque réponse attend d&apos;abord ce délai, par exemple 300ms ou 2s.</translation>
    </message>
    <message>
        <source>How long after a message that asks for one its status report comes, saying delivered, such as 500ms or 10s (1s unless given); never: only when a &quot;report&quot; line decides it.</source>
        <translation>Délai après un message qui en demande un avant que son accusé de réception n&apos;arrive, disant remis, par exemple 500ms ou 10s (1s par défaut) ; never : seulement quand une ligne « report » en décide.</translation>
    </message>
    <message>
        <source>Play the lines of FILE, the control language with its waits, from the start; standard input works alongside.</source>
        <translation>Joue les lignes de FILE, le langage de commande avec ses attentes, dès le départ ; l&apos;entrée standard fonctionne en parallèle.</translation>
    </message>
    <message>
        <source>Start N modems on one network, 1 (unless given) to 256, each on its own pseudo-terminal, with its own number and identity; a message to one&apos;s number reaches it.</source>
        <translation>Démarre N modems sur un même réseau, de 1 (par défaut) à 256, chacun sur son propre pseudo-terminal, avec son propre numéro et sa propre identité ; un message au numéro de l&apos;un lui parvient.</translation>
    </message>
    <message>
        <source>Also put modem 1 on TCP port PORT, modem 2 on PORT+1 and so on; raw bytes, one client at a time. HOST is 127.0.0.1 unless given; the port has no authentication. Port 0: ports the system chooses.</source>
        <extracomment>TCP ports; PORT and HOST are the option&apos;s value as typed, not translated.</extracomment>
        <translation>Met aussi le modem 1 sur le port TCP PORT, le modem 2 sur PORT+1 et ainsi de suite ; octets bruts, un client à la fois. HOST vaut 127.0.0.1 par défaut ; le port n&apos;a aucune authentification. Port 0 : des ports choisis par le système.</translation>
    </message>
    <message>
        <source>The SIM&apos;s number of modem K, or of modem 1, from which the others&apos; are derived; may be repeated.</source>
        <translation>Le numéro de la SIM du modem K, ou du modem 1, dont ceux des autres sont dérivés ; peut être répété.</translation>
    </message>
    <message>
        <source>The IMEI of modem K, or of modem 1, as --number.</source>
        <translation>L&apos;IMEI du modem K, ou du modem 1, comme --number.</translation>
    </message>
    <message>
        <source>The IMSI of modem K, or of modem 1, as --number.</source>
        <translation>L&apos;IMSI du modem K, ou du modem 1, comme --number.</translation>
    </message>
    <message>
        <source>The SIM&apos;s serial number that +CCID, +ICCID and +CRSM give, of modem K or of modem 1, as --number: 89 and 17 or 18 more digits, the last a Luhn check digit; 8900101012345678904 unless given.</source>
        <translation>Le numéro de série de la SIM que donnent +CCID, +ICCID et +CRSM, du modem K ou du modem 1, comme --number : 89 puis 17 ou 18 chiffres, le dernier étant une clé de Luhn ; 8900101012345678904 par défaut.</translation>
    </message>
    <message>
        <source>--modems takes 1 to %1, not &quot;%2&quot;.</source>
        <translation>--modems prend de 1 à %1, pas « %2 ».</translation>
    </message>
    <message>
        <source>A device takes one modem: leave out --modems or the device.</source>
        <translation>Un périphérique ne prend qu&apos;un modem : omettez --modems ou le périphérique.</translation>
    </message>
    <message>
        <source>--listen takes [HOST:]PORT, HOST an IP address, with a port for every modem up to 65535; not &quot;%1&quot;.</source>
        <translation>--listen prend [HOST:]PORT, HOST étant une adresse IP, avec un port pour chaque modem jusqu&apos;à 65535 ; pas « %1 ».</translation>
    </message>
    <message>
        <source>--%1 %2: there is no modem %3.</source>
        <translation>--%1 %2 : il n&apos;y a pas de modem %3.</translation>
    </message>
    <message>
        <source>--%1 takes %2; not &quot;%3&quot;.</source>
        <translation>--%1 prend %2 ; pas « %3 ».</translation>
    </message>
    <message>
        <source>Modems %1 and %2 would both have the number %3: give one another with --number %2:NUMBER.</source>
        <translation>Les modems %1 et %2 auraient tous deux le numéro %3 : donnez-en un autre avec --number %2:NUMBER.</translation>
    </message>
    <message>
        <source>--puk takes 8 digits, not &quot;%1&quot;.</source>
        <translation>--puk prend 8 chiffres, pas « %1 ».</translation>
    </message>
    <message>
        <source>--report-delay takes a duration such as 500ms or 10s, a day at most, or never; not &quot;%1&quot;.</source>
        <translation>--report-delay prend une durée comme 500ms ou 10s, un jour au plus, ou never ; pas « %1 ».</translation>
    </message>
    <message>
        <source>A simulated GSM modem that takes AT commands and SMS in PDU and text mode. Prints the device to open, then the dialogue. Reads lines of its control language from standard input and a script, such as &quot;sms +447700900456 Hello there&quot; (a message from that number arrives) or &quot;network off&quot;; &quot;help&quot; lists them.</source>
        <translation>Un modem GSM simulé qui accepte les commandes AT et les SMS en mode PDU et texte. Affiche le périphérique à ouvrir, puis le dialogue. Lit des lignes de son langage de commande sur l&apos;entrée standard et dans un script, comme « sms +447700900456 Hello there » (un message de ce numéro arrive) ou « network off » ; « help » les énumère.</translation>
    </message>
    <message>
        <source>A device to answer on instead of a new pseudo-terminal.</source>
        <translation>Un périphérique sur lequel répondre au lieu d&apos;un nouveau pseudo-terminal.</translation>
    </message>
    <message>
        <source>Give one device at most.</source>
        <translation>Indiquez un périphérique au plus.</translation>
    </message>
    <message>
        <source>Cannot open a pseudo-terminal: %1</source>
        <translation>Impossible d&apos;ouvrir un pseudo-terminal : %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a device&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;ouvrir %1 : %2</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2: %3</source>
        <extracomment>%1 is an IP address, %2 a TCP port number, %3 the system&apos;s reason.</extracomment>
        <translation>Impossible d&apos;écouter sur %1 port %2 : %3</translation>
    </message>
    <message>
        <source>Cannot read the script %1: there is no such file.</source>
        <translation>Impossible de lire le script %1 : ce fichier n&apos;existe pas.</translation>
    </message>
    <message>
        <source>The script %1 is not a regular file; give a file of lines.</source>
        <translation>Le script %1 n&apos;est pas un fichier ordinaire ; donnez un fichier de lignes.</translation>
    </message>
    <message>
        <source>The script %1 has %2 bytes, more than the %3 a script may have.</source>
        <translation>Le script %1 fait %2 octets, plus que les %3 qu&apos;un script peut avoir.</translation>
    </message>
    <message>
        <source>Cannot read the script %1: %2</source>
        <translation>Impossible de lire le script %1 : %2</translation>
    </message>
    <message>
        <source>The script goes on past %1 bytes.</source>
        <translation>Le script dépasse %1 octets.</translation>
    </message>
    <message>
        <source>A line is over %1 bytes.</source>
        <translation>Une ligne dépasse %1 octets.</translation>
    </message>
    <message>
        <source>3 to 15 digits, with a + before an international number</source>
        <translation>3 à 15 chiffres, avec un + devant un numéro international</translation>
    </message>
    <message>
        <source>15 digits, the last a Luhn check digit</source>
        <translation>15 chiffres, le dernier étant une clé de Luhn</translation>
    </message>
    <message>
        <source>6 to 15 digits</source>
        <translation>6 à 15 chiffres</translation>
    </message>
    <message>
        <source>89 and 17 or 18 more digits, the last a Luhn check digit</source>
        <translation>89 puis 17 ou 18 chiffres, le dernier étant une clé de Luhn</translation>
    </message>
</context>
</TS>
