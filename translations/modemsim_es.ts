<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>modemsim</name>
    <message>
        <source>modemsim: line lost: %1</source>
        <translation>modemsim: línea perdida: %1</translation>
    </message>
    <message>
        <source>Answer at 2400 baud, as a real line does.</source>
        <extracomment>A line: the serial connection to a modem.</extracomment>
        <translation>Responde a 2400 baudios, como una línea real.</translation>
    </message>
    <message>
        <source>The SIM asks for this PIN, 4 to 8 digits.</source>
        <translation>La SIM pide este PIN, de 4 a 8 dígitos.</translation>
    </message>
    <message>
        <source>The PUK that unblocks the SIM after three wrong PINs, 8 digits; 12345678 unless given.</source>
        <translation>El PUK que desbloquea la SIM tras tres PIN erróneos, 8 dígitos; 12345678 si no se indica.</translation>
    </message>
    <message>
        <source>How the network starts: off, home (unless given), roaming, denied or searching.</source>
        <translation>Cómo empieza la red: off, home (si no se indica), roaming, denied o searching.</translation>
    </message>
    <message>
        <source>The signal strength +CSQ reports, 0 to 31 (21 unless given) or 99.</source>
        <translation>La intensidad de señal que informa +CSQ, de 0 a 31 (21 si no se indica) o 99.</translation>
    </message>
    <message>
        <source>Every answer waits this long first, such as 300ms or 2s.</source>
        <translation>Cada respuesta espera antes este tiempo, como 300ms o 2s.</translation>
    </message>
    <message>
        <source>How long after a message that asks for one its status report comes, saying delivered, such as 500ms or 10s (1s unless given); never: only when a &quot;report&quot; line decides it.</source>
        <translation>Cuánto tarda, tras un mensaje que lo pide, su informe de estado en llegar, diciendo entregado, como 500ms o 10s (1s si no se indica); never: solo cuando lo decide una línea «report».</translation>
    </message>
    <message>
        <source>Play the lines of FILE, the control language with its waits, from the start; standard input works alongside.</source>
        <translation>Reproduce las líneas de FILE, el lenguaje de control con sus esperas, desde el inicio; la entrada estándar funciona a la vez.</translation>
    </message>
    <message>
        <source>Start N modems on one network, 1 (unless given) to 256, each on its own pseudo-terminal, with its own number and identity; a message to one&apos;s number reaches it.</source>
        <translation>Inicia N módems en una misma red, de 1 (si no se indica) a 256, cada uno en su propio pseudoterminal, con su propio número e identidad; un mensaje al número de uno le llega a él.</translation>
    </message>
    <message>
        <source>Also put modem 1 on TCP port PORT, modem 2 on PORT+1 and so on; raw bytes, one client at a time. HOST is 127.0.0.1 unless given; the port has no authentication. Port 0: ports the system chooses.</source>
        <extracomment>TCP ports; PORT and HOST are the option&apos;s value as typed, not translated.</extracomment>
        <translation>Pone además el módem 1 en el puerto TCP PORT, el módem 2 en PORT+1 y así sucesivamente; bytes en bruto, un cliente a la vez. HOST es 127.0.0.1 si no se indica; el puerto no tiene autenticación. Puerto 0: puertos que elige el sistema.</translation>
    </message>
    <message>
        <source>The SIM&apos;s number of modem K, or of modem 1, from which the others&apos; are derived; may be repeated.</source>
        <translation>El número de la SIM del módem K, o del módem 1, del que se derivan los de los demás; puede repetirse.</translation>
    </message>
    <message>
        <source>The IMEI of modem K, or of modem 1, as --number.</source>
        <translation>El IMEI del módem K, o del módem 1, como --number.</translation>
    </message>
    <message>
        <source>The IMSI of modem K, or of modem 1, as --number.</source>
        <translation>El IMSI del módem K, o del módem 1, como --number.</translation>
    </message>
    <message>
        <source>The SIM&apos;s serial number that +CCID, +ICCID and +CRSM give, of modem K or of modem 1, as --number: 89 and 17 or 18 more digits, the last a Luhn check digit; 8900101012345678904 unless given.</source>
        <translation>El número de serie de la SIM que dan +CCID, +ICCID y +CRSM, del módem K o del módem 1, como --number: 89 y 17 o 18 dígitos más, el último un dígito de control de Luhn; 8900101012345678904 si no se indica.</translation>
    </message>
    <message>
        <source>--modems takes 1 to %1, not &quot;%2&quot;.</source>
        <translation>--modems admite de 1 a %1, no «%2».</translation>
    </message>
    <message>
        <source>A device takes one modem: leave out --modems or the device.</source>
        <translation>Un dispositivo admite un solo módem: omita --modems o el dispositivo.</translation>
    </message>
    <message>
        <source>--listen takes [HOST:]PORT, HOST an IP address, with a port for every modem up to 65535; not &quot;%1&quot;.</source>
        <translation>--listen admite [HOST:]PORT, con HOST una dirección IP y un puerto para cada módem hasta el 65535; no «%1».</translation>
    </message>
    <message>
        <source>--%1 %2: there is no modem %3.</source>
        <translation>--%1 %2: no hay ningún módem %3.</translation>
    </message>
    <message>
        <source>--%1 takes %2; not &quot;%3&quot;.</source>
        <translation>--%1 admite %2; no «%3».</translation>
    </message>
    <message>
        <source>Modems %1 and %2 would both have the number %3: give one another with --number %2:NUMBER.</source>
        <translation>Los módems %1 y %2 tendrían ambos el número %3: dé a uno otro con --number %2:NUMBER.</translation>
    </message>
    <message>
        <source>--puk takes 8 digits, not &quot;%1&quot;.</source>
        <translation>--puk admite 8 dígitos, no «%1».</translation>
    </message>
    <message>
        <source>--report-delay takes a duration such as 500ms or 10s, a day at most, or never; not &quot;%1&quot;.</source>
        <translation>--report-delay admite una duración como 500ms o 10s, un día como máximo, o never; no «%1».</translation>
    </message>
    <message>
        <source>A simulated GSM modem that takes AT commands and SMS in PDU and text mode. Prints the device to open, then the dialogue. Reads lines of its control language from standard input and a script, such as &quot;sms +447700900456 Hello there&quot; (a message from that number arrives) or &quot;network off&quot;; &quot;help&quot; lists them.</source>
        <translation>Un módem GSM simulado que acepta comandos AT y SMS en modo PDU y de texto. Muestra el dispositivo que hay que abrir y después el diálogo. Lee líneas de su lenguaje de control de la entrada estándar y de un script, como «sms +447700900456 Hello there» (llega un mensaje de ese número) o «network off»; «help» las enumera.</translation>
    </message>
    <message>
        <source>A device to answer on instead of a new pseudo-terminal.</source>
        <translation>Un dispositivo en el que responder en lugar de un pseudoterminal nuevo.</translation>
    </message>
    <message>
        <source>Give one device at most.</source>
        <translation>Indique un dispositivo como máximo.</translation>
    </message>
    <message>
        <source>Cannot open a pseudo-terminal: %1</source>
        <translation>No se puede abrir un pseudoterminal: %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a device&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2: %3</source>
        <extracomment>%1 is an IP address, %2 a TCP port number, %3 the system&apos;s reason.</extracomment>
        <translation>No se puede escuchar en %1 puerto %2: %3</translation>
    </message>
    <message>
        <source>Cannot read the script %1: there is no such file.</source>
        <translation>No se puede leer el script %1: no existe ese archivo.</translation>
    </message>
    <message>
        <source>The script %1 is not a regular file; give a file of lines.</source>
        <translation>El script %1 no es un archivo normal; indique un archivo de líneas.</translation>
    </message>
    <message>
        <source>The script %1 has %2 bytes, more than the %3 a script may have.</source>
        <translation>El script %1 tiene %2 bytes, más de los %3 que puede tener un script.</translation>
    </message>
    <message>
        <source>Cannot read the script %1: %2</source>
        <translation>No se puede leer el script %1: %2</translation>
    </message>
    <message>
        <source>The script goes on past %1 bytes.</source>
        <translation>El script sobrepasa los %1 bytes.</translation>
    </message>
    <message>
        <source>A line is over %1 bytes.</source>
        <translation>Una línea sobrepasa los %1 bytes.</translation>
    </message>
    <message>
        <source>3 to 15 digits, with a + before an international number</source>
        <translation>De 3 a 15 dígitos, con un + delante de un número internacional</translation>
    </message>
    <message>
        <source>15 digits, the last a Luhn check digit</source>
        <translation>15 dígitos, el último un dígito de control de Luhn</translation>
    </message>
    <message>
        <source>6 to 15 digits</source>
        <translation>De 6 a 15 dígitos</translation>
    </message>
    <message>
        <source>89 and 17 or 18 more digits, the last a Luhn check digit</source>
        <translation>89 y 17 o 18 dígitos más, el último un dígito de control de Luhn</translation>
    </message>
</context>
</TS>
