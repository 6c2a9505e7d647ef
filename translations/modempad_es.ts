<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>Autopilot</name>
    <message>
        <source>autopilot: pressing %1</source>
        <extracomment>%1 names the button, such as Connect or Command2.</extracomment>
        <translation>piloto automático: pulsando %1</translation>
    </message>
    <message>
        <source>autopilot: the log as the window shows it:</source>
        <translation>piloto automático: el registro tal como lo muestra la ventana:</translation>
    </message>
    <message>
        <source>autopilot: the modem accepted %1</source>
        <extracomment>%1 describes the message as the simulated modem&apos;s log does, in English.</extracomment>
        <translation>piloto automático: el módem aceptó %1</translation>
    </message>
    <message>
        <source>the message arrived as &quot;%1&quot; to %2, not &quot;%3&quot; to %4</source>
        <translation>el mensaje llegó como &quot;%1&quot; a %2, no como &quot;%3&quot; a %4</translation>
    </message>
    <message>
        <source>autopilot: &quot;%1&quot; to %2 arrived intact</source>
        <translation>piloto automático: el mensaje &quot;%1&quot; a %2 llegó intacto</translation>
    </message>
    <message>
        <source>autopilot: it came back to the modem, as the log shows</source>
        <translation>piloto automático: volvió al módem, como muestra el registro</translation>
    </message>
    <message>
        <source>modempad-demo: autopilot failed: %1</source>
        <translation>modempad-demo: el piloto automático falló: %1</translation>
    </message>
    <message>
        <source>ModemPad reported: %1</source>
        <translation>ModemPad informó: %1</translation>
    </message>
    <message>
        <source>no answer to %1 within %2 s</source>
        <extracomment>%1 names the button pressed, such as Command2.</extracomment>
        <translation>sin respuesta a %1 en %2 s</translation>
    </message>
    <message numerus="yes">
        <source>the modem accepted %n messages, not one</source>
        <translation>
            <numerusform>el módem aceptó %n mensaje en lugar de uno</numerusform>
            <numerusform>el módem aceptó %n mensajes en lugar de uno</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommControl</name>
    <message>
        <source>No serial ports are present now: plug the modem in and try again.</source>
        <translation>Ahora no hay ningún puerto serie: conecte el módem e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Use one of the ports there are now: %1.</source>
        <extracomment>%1 lists the ports as number = device, such as &quot;1 = /dev/ttyUSB0, 2 = /dev/ttyACM0&quot;.</extracomment>
        <translation>Use uno de los puertos que hay ahora: %1.</translation>
    </message>
    <message>
        <source>even parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>paridad par</translation>
    </message>
    <message>
        <source>odd parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>paridad impar</translation>
    </message>
    <message>
        <source>mark parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>paridad de marca</translation>
    </message>
    <message>
        <source>space parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>paridad de espacio</translation>
    </message>
    <message>
        <source>no parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>sin paridad</translation>
    </message>
    <message>
        <source>Port %1 is already open.</source>
        <translation>El puerto %1 ya está abierto.</translation>
    </message>
    <message>
        <source>%1 is not a valid port number: ports are numbered from 1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 no es un número de puerto válido: los puertos se numeran desde 1. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; are not valid line settings: expected baud, parity (n, e, o, m, s), data bits (5 to 8) and stop bits (1, 1.5, 2), such as &quot;2400,n,8,1&quot;.</source>
        <extracomment>The letters n, e, o, m and s are typed as they are, in any language.</extracomment>
        <translation>&quot;%1&quot; no son ajustes de línea válidos: se esperan baudios, paridad (n, e, o, m, s), bits de datos (5 a 8) y bits de parada (1, 1.5, 2), como &quot;2400,n,8,1&quot;.</translation>
    </message>
    <message>
        <source>Writing to port %1 failed: %2. Check that the device is still connected and switched on.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Falló la escritura en el puerto %1: %2. Compruebe que el dispositivo sigue conectado y encendido.</translation>
    </message>
    <message>
        <source>There is no port %1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>No existe el puerto %1. %2</translation>
    </message>
    <message>
        <source>Port %1 names %2, which is not there (any more): the device may have been unplugged. %3</source>
        <extracomment>%3 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>El puerto %1 designa %2, que no existe (o ya no existe): puede que se haya desconectado el dispositivo. %3</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device may have been unplugged. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 no existe (o ya no existe): puede que se haya desconectado el dispositivo. %2</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program. Close that program and try again (a modem just plugged in can be held for a few seconds while the system probes it), or choose another port.</source>
        <translation>Otro programa está usando el puerto %1. Cierre ese programa e inténtelo de nuevo (un módem recién conectado puede quedar ocupado unos segundos mientras el sistema lo examina), o elija otro puerto.</translation>
    </message>
    <message>
        <source>You may not open port %1: only members of the group &quot;%2&quot; may. Add your user to that group (on Debian: sudo adduser $USER %2), then log out and in again.</source>
        <translation>No tiene permiso para abrir el puerto %1: solo lo tienen los miembros del grupo &quot;%2&quot;. Añada su usuario a ese grupo (en Debian: sudo adduser $USER %2) y luego cierre la sesión y vuelva a entrar.</translation>
    </message>
    <message>
        <source>You may not open port %1: only its owner &quot;%2&quot; may. Ask the administrator of this computer for access to it.</source>
        <translation>No tiene permiso para abrir el puerto %1: solo lo tiene su propietario &quot;%2&quot;. Pida acceso al administrador de este equipo.</translation>
    </message>
    <message>
        <source>Port %1 refuses the line settings &quot;%2&quot;: %3. Check that it is a serial port.</source>
        <extracomment>%3 is the system&apos;s reason.</extracomment>
        <translation>El puerto %1 rechaza los ajustes de línea &quot;%2&quot;: %3. Compruebe que es un puerto serie.</translation>
    </message>
    <message>
        <source>Port %1 could not be opened: %2. Check that it is a serial port.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>No se pudo abrir el puerto %1: %2. Compruebe que es un puerto serie.</translation>
    </message>
    <message>
        <source>Port %1 went away while it was open: the device was unplugged or switched off. Plug it back in, then start ModemPad again.</source>
        <translation>El puerto %1 desapareció mientras estaba abierto: el dispositivo se desconectó o se apagó. Vuelva a conectarlo y después inicie ModemPad de nuevo.</translation>
    </message>
    <message>
        <source>Port %1 is not open. Press Connect first.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>El puerto %1 no está abierto. Pulse primero Connect.</translation>
    </message>
    <message>
        <source>Port %1 refuses %2 (settings &quot;%3&quot;): %4. Check that it is a serial port whose driver supports that.</source>
        <extracomment>%2 is what was refused, such as &quot;2400 baud&quot; or &quot;even parity&quot;; %4 is the system&apos;s reason.</extracomment>
        <translation>El puerto %1 rechaza %2 (ajustes &quot;%3&quot;): %4. Compruebe que es un puerto serie cuyo controlador lo admite.</translation>
    </message>
    <message>
        <source>%1 baud</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>%1 baudios</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1,5 bits de parada</translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>control de flujo RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>control de flujo XON/XOFF</translation>
    </message>
    <message>
        <source>no flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>sin control de flujo</translation>
    </message>
    <message>
        <source>Port %1 refuses to set its %2 line: %3. Check that it is a serial port.</source>
        <extracomment>%2 names a wire of the serial line, DTR or RTS; %3 is the system&apos;s reason.</extracomment>
        <translation>El puerto %1 no permite fijar su línea %2: %3. Compruebe que es un puerto serie.</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1 bit de parada</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>2 bits de parada</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;; %1 is 5 to 8.</extracomment>
        <translation>%1 bits de datos</translation>
    </message>
    <message>
        <source>Port %1 is marked as taken by the lock file %2, left by process %3, which has ended. The file belongs to the user &quot;%4&quot;, so ModemPad may not remove it: ask that user or the administrator of this computer to remove it (sudo rm %2), then try again.</source>
        <extracomment>%2 is the lock file&apos;s path, %3 the number of the process that left it, %4 the user who owns the file.</extracomment>
        <translation>El puerto %1 está marcado como ocupado por el archivo de bloqueo %2, que dejó el proceso %3, ya terminado. El archivo pertenece al usuario &quot;%4&quot;, así que ModemPad no puede eliminarlo: pida a ese usuario o al administrador de este equipo que lo elimine (sudo rm %2) e inténtelo de nuevo.</translation>
    </message>
    <message>
        <source>Port %1 cannot be locked for ModemPad&apos;s use: the name of its lock file, %2, is longer than this system allows. Give the device a shorter name.</source>
        <extracomment>%2 is the lock file&apos;s path.</extracomment>
        <translation>No se puede bloquear el puerto %1 para uso de ModemPad: el nombre de su archivo de bloqueo, %2, es más largo de lo que permite este sistema. Dé al dispositivo un nombre más corto.</translation>
    </message>
    <message>
        <source>No port is open. Type the port&apos;s number or its device&apos;s path, then press Connect.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>No hay ningún puerto abierto. Escriba el número del puerto o la ruta de su dispositivo y pulse Connect.</translation>
    </message>
</context>
<context>
    <name>FailurePolicy</name>
    <message>
        <source>Error %1

%2</source>
        <extracomment>The message box after a failure: %1 is the error&apos;s number, %2 says what went wrong and what to do.</extracomment>
        <translation>Error %1

%2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Announces the message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>Anuncia el mensaje %1:
%2</translation>
    </message>
    <message>
        <source>The message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>El mensaje %1:
%2</translation>
    </message>
    <message>
        <source>Modem log</source>
        <extracomment>The name a screen reader gives the box where the modem&apos;s answers show.</extracomment>
        <translation>Registro del módem</translation>
    </message>
    <message>
        <source>The number of the serial port to open, or the path of its device.</source>
        <extracomment>The tooltip of the box where the port is typed; the ports present follow it, one a line.</extracomment>
        <translation>El número del puerto serie que se abrirá, o la ruta de su dispositivo.</translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Ahora no hay ningún puerto serie.</translation>
    </message>
    <message>
        <source>Everything the modem sends, each piece after one blank. Every byte is shown: line breaks as new lines, other control characters as picture symbols where the font has them, bytes from 0x80 up and the other control characters as two hexadecimal digits in angle brackets.</source>
        <translation>Todo lo que envía el módem, cada fragmento tras un espacio. Se muestra cada byte: los saltos de línea como líneas nuevas, los demás caracteres de control como símbolos gráficos cuando la fuente los tiene, y los bytes desde 0x80 y los caracteres de control restantes como dos dígitos hexadecimales entre corchetes angulares.</translation>
    </message>
</context>
<context>
    <name>ModemCommands</name>
    <message>
        <source>Writes &quot;%1&quot; followed by %2</source>
        <extracomment>A button&apos;s tooltip: %1 is what it writes to the modem, %2 the control characters after that, &quot;CR LF&quot; or &quot;Ctrl-Z&quot;, which keep their names.</extracomment>
        <translation>Escribe &quot;%1&quot; seguido de %2</translation>
    </message>
    <message numerus="yes">
        <source>to %1 in the GSM 7-bit alphabet, %n septet(s)</source>
        <extracomment>Where a message goes and how its text is sent, put into &quot;The message %1:&quot;; %1 is the phone number.</extracomment>
        <translation>
            <numerusform>a %1 en el alfabeto GSM de 7 bits, %n septeto</numerusform>
            <numerusform>a %1 en el alfabeto GSM de 7 bits, %n septetos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>to %1 in UCS2, %n UTF-16 unit(s)</source>
        <extracomment>As above, for a text sent in UCS2, the 16-bit coding.</extracomment>
        <translation>
            <numerusform>a %1 en UCS2, %n unidad UTF-16</numerusform>
            <numerusform>a %1 en UCS2, %n unidades UTF-16</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortNumber</name>
    <message>
        <source>&quot;%1&quot; is not a port number. Type a whole number, such as 1, or a device&apos;s path, such as %2.</source>
        <translation>&quot;%1&quot; no es un número de puerto. Escriba un número entero, como 1, o la ruta de un dispositivo, como %2.</translation>
    </message>
    <message>
        <source>Port number %1 is out of range. Port numbers go from 1 to 32767.</source>
        <translation>El número de puerto %1 está fuera de rango. Los números de puerto van de 1 a 32767.</translation>
    </message>
</context>
<context>
    <name>QtOptions</name>
    <message>
        <source>Taken by Qt (see QGuiApplication).</source>
        <translation>Lo procesa Qt (véase QGuiApplication).</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>&quot;%1&quot; is not a dial string: an optional + and then 1 to %2 digits 0-9, with no blanks or dashes</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>&quot;%1&quot; no es un número marcable: un + opcional y luego de 1 a %2 dígitos 0-9, sin espacios ni guiones</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; has %n digit(s), %2 more than the %3 a message&apos;s destination holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>&quot;%1&quot; tiene %n dígito, %2 más que los %3 que admite el destino de un mensaje</numerusform>
            <numerusform>&quot;%1&quot; tiene %n dígitos, %2 más que los %3 que admite el destino de un mensaje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n septet(s) in the GSM 7-bit alphabet, %1 more than the %2 one message holds (each of ^ { } [ ] ~ \ | € takes two)</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>el texto ocupa %n septeto en el alfabeto GSM de 7 bits, %1 más que los %2 que caben en un mensaje (cada uno de ^ { } [ ] ~ \ | € ocupa dos)</numerusform>
            <numerusform>el texto ocupa %n septetos en el alfabeto GSM de 7 bits, %1 más que los %2 que caben en un mensaje (cada uno de ^ { } [ ] ~ \ | € ocupa dos)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n UTF-16 unit(s) in UCS2, %1 more than the %2 one message holds (a character outside the GSM 7-bit alphabet makes it UCS2, where a character beyond U+FFFF, such as an emoji, takes two)</source>
        <translation>
            <numerusform>el texto ocupa %n unidad UTF-16 en UCS2, %1 más que las %2 que caben en un mensaje (un carácter fuera del alfabeto GSM de 7 bits obliga a usar UCS2, donde un carácter más allá de U+FFFF, como un emoji, ocupa dos)</numerusform>
            <numerusform>el texto ocupa %n unidades UTF-16 en UCS2, %1 más que las %2 que caben en un mensaje (un carácter fuera del alfabeto GSM de 7 bits obliga a usar UCS2, donde un carácter más allá de U+FFFF, como un emoji, ocupa dos)</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>&quot;%1&quot; no es una velocidad de línea: un número entero de bits por segundo, como 9600 o 115200</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <extracomment>What --help shows after --to for its value.</extracomment>
        <translation>NÚMERO</translation>
    </message>
    <message>
        <source>Where the message goes: + and the country code for an international number, or a national number; then digits 0-9 only, at most 20.</source>
        <translation>Adónde va el mensaje: + y el prefijo del país para un número internacional, o un número nacional; después solo dígitos 0-9, 20 como máximo.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>What --help shows after --text for its value.</extracomment>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>The message: at most 160 septets in the GSM 7-bit alphabet (each of ^ { } [ ] ~ \ | and the euro sign takes two), or, with any other character, at most 70 UTF-16 units in UCS2 (a character beyond U+FFFF, such as an emoji, takes two).</source>
        <translation>El mensaje: como máximo 160 septetos en el alfabeto GSM de 7 bits (cada uno de ^ { } [ ] ~ \ | y el signo del euro ocupa dos) o, con cualquier otro carácter, como máximo 70 unidades UTF-16 en UCS2 (un carácter más allá de U+FFFF, como un emoji, ocupa dos).</translation>
    </message>
    <message>
        <source>RATE</source>
        <extracomment>What --help shows after --baud for its value.</extracomment>
        <translation>VELOCIDAD</translation>
    </message>
    <message>
        <source>The line speed Connect sets, in bits per second: 300 to 4000000, or any other rate the port takes.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>La velocidad de línea que fija Connect, en bits por segundo: de 300 a 4000000, o cualquier otra que admita el puerto.</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>What --help shows after --port for its value.</extracomment>
        <translation>PUERTO</translation>
    </message>
    <message>
        <source>The port box&apos;s initial text: a port number, or a device&apos;s path such as /dev/ttyUSB0.</source>
        <extracomment>The port box is the box where the port&apos;s number or device is typed.</extracomment>
        <translation>El texto inicial de la casilla del puerto: un número de puerto o la ruta de un dispositivo, como /dev/ttyUSB0.</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n character(s), far more than the 160 one message holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>el texto tiene %n carácter, muchos más que los 160 que caben en un mensaje</numerusform>
            <numerusform>el texto tiene %n caracteres, muchos más que los 160 que caben en un mensaje</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the port has %n byte(s), more than the %1 a device&apos;s path may have</source>
        <extracomment>A rule broken, put after the option or the line of the settings file. The port is what is typed in the port box: a port number or a device&apos;s path.</extracomment>
        <translation>
            <numerusform>el puerto indicado tiene %n byte, más que los %1 que puede tener la ruta de un dispositivo</numerusform>
            <numerusform>el puerto indicado tiene %n bytes, más que los %1 que puede tener la ruta de un dispositivo</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>%1 Default: %2, from the settings file.</source>
        <extracomment>An option&apos;s line in --help: %1 says what the option is, %2 is its default.</extracomment>
        <translation>%1 Predeterminado: %2, del archivo de configuración.</translation>
    </message>
    <message>
        <source>%1 Default: %2.</source>
        <translation>%1 Predeterminado: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 has the key &quot;%2&quot;, which is not a setting: the settings are %3, outside any [group]. Correct or remove that line.</source>
        <extracomment>%3 lists the keys, which stay in English: to, text, baud, port.</extracomment>
        <translation>El archivo de configuración %1 tiene la clave &quot;%2&quot;, que no es un ajuste: los ajustes son %3, fuera de cualquier [grupo]. Corrija o elimine esa línea.</translation>
    </message>
    <message>
        <source>The settings file %1 has a comma outside double quotes in the value of %2, which INI reads as a list: put the whole value in double quotes. Correct or remove that line.</source>
        <translation>El archivo de configuración %1 tiene una coma fuera de comillas dobles en el valor de %2, que INI lee como una lista: ponga todo el valor entre comillas dobles. Corrija o elimine esa línea.</translation>
    </message>
    <message>
        <source>The settings file %1 has a bad value for %2: %3. Correct or remove that line.</source>
        <extracomment>%2 is the key; %3 is the rule its value breaks, such as &quot;&quot;x&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200&quot;.</extracomment>
        <translation>El archivo de configuración %1 tiene un valor incorrecto para %2: %3. Corrija o elimine esa línea.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: check that its lines are of the form key=value.</source>
        <translation>No se puede leer el archivo de configuración %1: compruebe que sus líneas tienen la forma clave=valor.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file (a FIFO or a device, say), so it is not read: put a file in its place, or remove it.</source>
        <translation>El archivo de configuración %1 no es un archivo normal (por ejemplo, una FIFO o un dispositivo), así que no se lee: ponga un archivo en su lugar o elimínelo.</translation>
    </message>
    <message numerus="yes">
        <source>The settings file %1 has %n byte(s), more than the %2 any settings take, so it is not read: remove what is not settings.</source>
        <translation>
            <numerusform>El archivo de configuración %1 tiene %n byte, más que los %2 que puede ocupar cualquier configuración, así que no se lee: quite lo que no sea configuración.</numerusform>
            <numerusform>El archivo de configuración %1 tiene %n bytes, más que los %2 que puede ocupar cualquier configuración, así que no se lee: quite lo que no sea configuración.</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2. Check that you may read it.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>No se puede leer el archivo de configuración %1: %2. Compruebe que tiene permiso para leerlo.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in UTF-8: its byte %2, on line %3, is 0x%4. Save it in UTF-8.</source>
        <extracomment>%2 counts bytes from 1, %3 is the line the byte is on, %4 the byte in hexadecimal.</extracomment>
        <translation>El archivo de configuración %1 no está en UTF-8: su byte %2, en la línea %3, es 0x%4. Guárdelo en UTF-8.</translation>
    </message>
</context>
<context>
    <name>modempad</name>
    <message>
        <source>A window for trying out a GSM modem on a serial port: Connect opens the port, and the buttons below it write the AT commands that send a short message in PDU mode.
Each setting comes from its option, else from the settings file %1, else from the build. Qt&apos;s own options, such as -platform NAME, are taken as well.</source>
        <extracomment>--help&apos;s description; Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Una ventana para probar un módem GSM en un puerto serie: Connect abre el puerto y los botones de debajo escriben los comandos AT que envían un SMS en modo PDU.
Cada ajuste viene de su opción, si no del archivo de configuración %1, si no de la compilación. También se aceptan las opciones propias de Qt, como -platform NOMBRE.</translation>
    </message>
    <message>
        <source>unknown option %1%2: modempad --help lists the options</source>
        <translation>opción desconocida %1%2: modempad --help muestra las opciones</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: modempad takes options only</source>
        <translation>argumento inesperado &quot;%1&quot;: modempad solo admite opciones</translation>
    </message>
    <message>
        <source>the value of %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 is the option, such as --text; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>el valor de %1 no está en UTF-8: su byte %2 es 0x%3; escríbalo en UTF-8</translation>
    </message>
    <message>
        <source>argument %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 counts the arguments from 1; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>el argumento %1 no está en UTF-8: su byte %2 es 0x%3; escríbalo en UTF-8</translation>
    </message>
</context>
<context>
    <name>modempad-demo</name>
    <message>
        <source>--port takes N=PATH with N from 1 to 32767, as in --port 7=/dev/pts/4; got &quot;%1&quot;</source>
        <translation>--port espera N=RUTA con N de 1 a 32767, como en --port 7=/dev/pts/4; se recibió &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--port %1: there is no %2; start what makes it first, such as socat, or give a device that is there</source>
        <translation>--port %1: no existe %2; inicie primero lo que lo crea, como socat, o indique un dispositivo que exista</translation>
    </message>
    <message>
        <source>ModemPad with a simulated GSM modem behind port 5. Prints the modem&apos;s side of the dialogue. With no display it runs the autopilot. Reads lines such as &quot;sms +447700900456 Hello there&quot; from standard input: a message from that number arrives.</source>
        <translation>ModemPad con un módem GSM simulado tras el puerto 5. Muestra la parte del diálogo que corresponde al módem. Sin pantalla, ejecuta el piloto automático. Lee de la entrada estándar líneas como &quot;sms +447700900456 Hello there&quot;: llega un mensaje de ese número.</translation>
    </message>
    <message>
        <source>Run offscreen, press Connect, Command1, Command2 and Command3, and exit 0 only if the modem accepted the message intact.</source>
        <extracomment>The button captions stay in English.</extracomment>
        <translation>Ejecutar sin pantalla, pulsar Connect, Command1, Command2 y Command3, y salir con 0 solo si el módem aceptó el mensaje intacto.</translation>
    </message>
    <message>
        <source>The modem answers at 2400 baud.</source>
        <translation>El módem responde a 2400 baudios.</translation>
    </message>
    <message>
        <source>Map port number N to the device PATH; repeatable.</source>
        <extracomment>A port here is a serial port, named by a number, and PATH its device.</extracomment>
        <translation>Asigna el número de puerto N al dispositivo RUTA; se puede repetir.</translation>
    </message>
    <message>
        <source>N=PATH</source>
        <extracomment>Keep N and the = sign; PATH is what follows it.</extracomment>
        <translation>N=RUTA</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--autopilot checks the message on the simulated modem behind port %1; --port %1=... would take it away</source>
        <translation>--autopilot comprueba el mensaje en el módem simulado tras el puerto %1; --port %1=... lo quitaría</translation>
    </message>
    <message>
        <source>modempad-demo: no pseudo-terminal for the simulated modem: %1</source>
        <translation>modempad-demo: no hay pseudoterminal para el módem simulado: %1</translation>
    </message>
    <message>
        <source>simulated modem on port %1 = %2</source>
        <extracomment>%1 is the port&apos;s number, %2 the device behind it.</extracomment>
        <translation>módem simulado en el puerto %1 = %2</translation>
    </message>
    <message>
        <source>the second and third buttons send the message %1: %2</source>
        <extracomment>%1 says where the message goes and how; %2 is its text.</extracomment>
        <translation>el segundo y el tercer botón envían el mensaje %1: %2</translation>
    </message>
    <message>
        <source>no display: the autopilot runs the window offscreen</source>
        <translation>sin pantalla: el piloto automático ejecuta la ventana fuera de la pantalla</translation>
    </message>
</context>
</TS>
