<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>modemsim</name>
    <message>
        <source>modemsim: line lost: %1</source>
        <translation>modemsim: Leitung verloren: %1</translation>
    </message>
    <message>
        <source>Answer at 2400 baud, as a real line does.</source>
        <extracomment>A line: the serial connection to a modem.</extracomment>
        <translation>Antwortet mit 2400 Baud, wie eine echte Leitung.</translation>
    </message>
    <message>
        <source>The SIM asks for this PIN, 4 to 8 digits.</source>
        <translation>Die SIM verlangt diese PIN, 4 bis 8 Ziffern.</translation>
    </message>
    <message>
        <source>The PUK that unblocks the SIM after three wrong PINs, 8 digits; 12345678 unless given.</source>
        <translation>Die PUK, die die SIM nach drei falschen PINs entsperrt, 8 Ziffern; ohne Angabe 12345678.</translation>
    </message>
    <message>
        <source>How the network starts: off, home (unless given), roaming, denied or searching.</source>
        <translation>Wie das Netz beginnt: off, home (ohne Angabe), roaming, denied oder searching.</translation>
    </message>
    <message>
        <source>The signal strength +CSQ reports, 0 to 31 (21 unless given) or 99.</source>
        <translation>Die Signalstärke, die +CSQ meldet, 0 bis 31 (ohne Angabe 21) oder 99.</translation>
    </message>
    <message>
        <source>Every answer waits this long first, such as 300ms or 2s.</source>
        <translation>Jede Antwort wartet zuerst so lange, etwa 300ms oder 2s.</translation>
    </message>
    <message>
        <source>How long after a message that asks for one its status report comes, saying delivered, such as 500ms or 10s (1s unless given); never: only when a &quot;report&quot; line decides it.</source>
        <translation>Wie lange nach einer Nachricht, die einen Statusbericht anfordert, dieser als zugestellt kommt, etwa 500ms oder 10s (ohne Angabe 1s); never: nur wenn eine „report“-Zeile darüber entscheidet.</translation>
    </message>
    <message>
        <source>Play the lines of FILE, the control language with its waits, from the start; standard input works alongside.</source>
        <translation>Spielt die Zeilen von FILE ab, die Steuersprache mit ihren Wartezeiten, von Beginn an; die Standardeingabe funktioniert daneben.</translation>
    </message>
    <message>
        <source>Start N modems on one network, 1 (unless given) to 256, each on its own pseudo-terminal, with its own number and identity; a message to one&apos;s number reaches it.</source>
        <translation>Startet N Modems in einem Netz, 1 (ohne Angabe) bis 256, jedes auf einem eigenen Pseudoterminal, mit eigener Rufnummer und Identität; eine Nachricht an die Rufnummer eines Modems erreicht es.</translation>
    </message>
    <message>
        <source>Also put modem 1 on TCP port PORT, modem 2 on PORT+1 and so on; raw bytes, one client at a time. HOST is 127.0.0.1 unless given; the port has no authentication. Port 0: ports the system chooses.</source>
        <extracomment>TCP ports; PORT and HOST are the option&apos;s value as typed, not translated.</extracomment>
        <translation>Stellt zusätzlich Modem 1 auf den TCP-Port PORT, Modem 2 auf PORT+1 und so weiter; rohe Bytes, jeweils ein Client. HOST ist ohne Angabe 127.0.0.1; der Port hat keine Authentifizierung. Port 0: Ports, die das System wählt.</translation>
    </message>
    <message>
        <source>The SIM&apos;s number of modem K, or of modem 1, from which the others&apos; are derived; may be repeated.</source>
        <translation>Die Rufnummer der SIM von Modem K oder von Modem 1, aus der die der anderen abgeleitet werden; kann wiederholt werden.</translation>
    </message>
    <message>
        <source>The IMEI of modem K, or of modem 1, as --number.</source>
        <translation>Die IMEI von Modem K oder von Modem 1, wie bei --number.</translation>
    </message>
    <message>
        <source>The IMSI of modem K, or of modem 1, as --number.</source>
        <translation>Die IMSI von Modem K oder von Modem 1, wie bei --number.</translation>
    </message>
    <message>
        <source>The SIM&apos;s serial number that +CCID, +ICCID and +CRSM give, of modem K or of modem 1, as --number: 89 and 17 or 18 more digits, the last a Luhn check digit; 8900101012345678904 unless given.</source>
        <translation>Die Seriennummer der SIM, die +CCID, +ICCID und +CRSM liefern, von Modem K oder von Modem 1, wie bei --number: 89 und 17 oder 18 weitere Ziffern, die letzte eine Luhn-Prüfziffer; ohne Angabe 8900101012345678904.</translation>
    </message>
    <message>
        <source>--modems takes 1 to %1, not &quot;%2&quot;.</source>
        <translation>--modems nimmt 1 bis %1, nicht „%2“.</translation>
    </message>
    <message>
        <source>A device takes one modem: leave out --modems or the device.</source>
        <translation>Ein Gerät bedient nur ein Modem: Lassen Sie --modems oder das Gerät weg.</translation>
    </message>
    <message>
        <source>--listen takes [HOST:]PORT, HOST an IP address, with a port for every modem up to 65535; not &quot;%1&quot;.</source>
        <translation>--listen nimmt [HOST:]PORT, HOST eine IP-Adresse, mit einem Port für jedes Modem bis 65535; nicht „%1“.</translation>
    </message>
    <message>
        <source>--%1 %2: there is no modem %3.</source>
        <translation>--%1 %2: Es gibt kein Modem %3.</translation>
    </message>
    <message>
        <source>--%1 takes %2; not &quot;%3&quot;.</source>
        <translation>--%1 nimmt %2; nicht „%3“.</translation>
    </message>
    <message>
        <source>Modems %1 and %2 would both have the number %3: give one another with --number %2:NUMBER.</source>
        <translation>Die Modems %1 und %2 hätten beide die Rufnummer %3: Geben Sie einem eine andere mit --number %2:NUMBER.</translation>
    </message>
    <message>
        <source>--puk takes 8 digits, not &quot;%1&quot;.</source>
        <translation>--puk nimmt 8 Ziffern, nicht „%1“.</translation>
    </message>
    <message>
        <source>--report-delay takes a duration such as 500ms or 10s, a day at most, or never; not &quot;%1&quot;.</source>
        <translation>--report-delay nimmt eine Dauer wie 500ms oder 10s, höchstens einen Tag, oder never; nicht „%1“.</translation>
    </message>
    <message>
        <source>A simulated GSM modem that takes AT commands and SMS in PDU and text mode. Prints the device to open, then the dialogue. Reads lines of its control language from standard input and a script, such as &quot;sms +447700900456 Hello there&quot; (a message from that number arrives) or &quot;network off&quot;; &quot;help&quot; lists them.</source>
        <translation>Ein simuliertes GSM-Modem, das AT-Befehle und SMS im PDU- und Textmodus annimmt. Gibt das zu öffnende Gerät aus, dann den Dialog. Liest Zeilen seiner Steuersprache von der Standardeingabe und aus einem Skript, etwa „sms +447700900456 Hello there“ (eine Nachricht von dieser Rufnummer kommt an) oder „network off“; „help“ listet sie auf.</translation>
    </message>
    <message>
        <source>A device to answer on instead of a new pseudo-terminal.</source>
        <translation>Ein Gerät, auf dem statt eines neuen Pseudoterminals geantwortet wird.</translation>
    </message>
    <message>
        <source>Give one device at most.</source>
        <translation>Geben Sie höchstens ein Gerät an.</translation>
    </message>
    <message>
        <source>Cannot open a pseudo-terminal: %1</source>
        <translation>Ein Pseudoterminal kann nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a device&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>%1 kann nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2: %3</source>
        <extracomment>%1 is an IP address, %2 a TCP port number, %3 the system&apos;s reason.</extracomment>
        <translation>Auf %1 Port %2 kann nicht gelauscht werden: %3</translation>
    </message>
    <message>
        <source>Cannot read the script %1: there is no such file.</source>
        <translation>Das Skript %1 kann nicht gelesen werden: Diese Datei gibt es nicht.</translation>
    </message>
    <message>
        <source>The script %1 is not a regular file; give a file of lines.</source>
        <translation>Das Skript %1 ist keine reguläre Datei; geben Sie eine Datei mit Zeilen an.</translation>
    </message>
    <message>
        <source>The script %1 has %2 bytes, more than the %3 a script may have.</source>
        <translation>Das Skript %1 hat %2 Bytes, mehr als die %3, die ein Skript haben darf.</translation>
    </message>
    <message>
        <source>Cannot read the script %1: %2</source>
        <translation>Das Skript %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>The script goes on past %1 bytes.</source>
        <translation>Das Skript geht über %1 Bytes hinaus.</translation>
    </message>
    <message>
        <source>A line is over %1 bytes.</source>
        <translation>Eine Zeile ist länger als %1 Bytes.</translation>
    </message>
    <message>
        <source>3 to 15 digits, with a + before an international number</source>
        <translation>3 bis 15 Ziffern, mit einem + vor einer internationalen Rufnummer</translation>
    </message>
    <message>
        <source>15 digits, the last a Luhn check digit</source>
        <translation>15 Ziffern, die letzte eine Luhn-Prüfziffer</translation>
    </message>
    <message>
        <source>6 to 15 digits</source>
        <translation>6 bis 15 Ziffern</translation>
    </message>
    <message>
        <source>89 and 17 or 18 more digits, the last a Luhn check digit</source>
        <translation>89 und 17 oder 18 weitere Ziffern, die letzte eine Luhn-Prüfziffer</translation>
    </message>
</context>
</TS>
