<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Autopilot</name>
    <message>
        <source>autopilot: pressing %1</source>
        <extracomment>%1 names the button, such as Connect or Command2.</extracomment>
        <translation>piloto automático: pressionando %1</translation>
    </message>
    <message>
        <source>autopilot: the log as the window shows it:</source>
        <translation>piloto automático: o registro como a janela o mostra:</translation>
    </message>
    <message>
        <source>autopilot: the modem accepted %1</source>
        <extracomment>%1 describes the message as the simulated modem&apos;s log does, in English.</extracomment>
        <translation>piloto automático: o modem aceitou %1</translation>
    </message>
    <message>
        <source>the message arrived as &quot;%1&quot; to %2, not &quot;%3&quot; to %4</source>
        <translation>a mensagem chegou como &quot;%1&quot; para %2, não como &quot;%3&quot; para %4</translation>
    </message>
    <message>
        <source>autopilot: &quot;%1&quot; to %2 arrived intact</source>
        <translation>piloto automático: a mensagem &quot;%1&quot; para %2 chegou intacta</translation>
    </message>
    <message>
        <source>autopilot: it came back to the modem, as the log shows</source>
        <translation>piloto automático: ela voltou ao modem, como mostra o registro</translation>
    </message>
    <message>
        <source>modempad-demo: autopilot failed: %1</source>
        <translation>modempad-demo: o piloto automático falhou: %1</translation>
    </message>
    <message>
        <source>ModemPad reported: %1</source>
        <translation>O ModemPad informou: %1</translation>
    </message>
    <message>
        <source>no answer to %1 within %2 s</source>
        <extracomment>%1 names the button pressed, such as Command2.</extracomment>
        <translation>sem resposta a %1 em %2 s</translation>
    </message>
    <message numerus="yes">
        <source>the modem accepted %n messages, not one</source>
        <translation>
            <numerusform>o modem aceitou %n mensagem em vez de uma</numerusform>
            <numerusform>o modem aceitou %n mensagens em vez de uma</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommControl</name>
    <message>
        <source>No serial ports are present now: plug the modem in and try again.</source>
        <translation>Não há nenhuma porta serial no momento: conecte o modem e tente novamente.</translation>
    </message>
    <message>
        <source>Use one of the ports there are now: %1.</source>
        <extracomment>%1 lists the ports as number = device, such as &quot;1 = /dev/ttyUSB0, 2 = /dev/ttyACM0&quot;.</extracomment>
        <translation>Use uma das portas disponíveis agora: %1.</translation>
    </message>
    <message>
        <source>even parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>paridade par</translation>
    </message>
    <message>
        <source>odd parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>paridade ímpar</translation>
    </message>
    <message>
        <source>mark parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>paridade de marca</translation>
    </message>
    <message>
        <source>space parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>paridade de espaço</translation>
    </message>
    <message>
        <source>no parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>sem paridade</translation>
    </message>
    <message>
        <source>Port %1 is already open.</source>
        <translation>A porta %1 já está aberta.</translation>
    </message>
    <message>
        <source>%1 is not a valid port number: ports are numbered from 1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 não é um número de porta válido: as portas são numeradas a partir de 1. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; are not valid line settings: expected baud, parity (n, e, o, m, s), data bits (5 to 8) and stop bits (1, 1.5, 2), such as &quot;2400,n,8,1&quot;.</source>
        <extracomment>The letters n, e, o, m and s are typed as they are, in any language.</extracomment>
        <translation>&quot;%1&quot; não são configurações de linha válidas: esperam-se baud, paridade (n, e, o, m, s), bits de dados (5 a 8) e bits de parada (1, 1.5, 2), como &quot;2400,n,8,1&quot;.</translation>
    </message>
    <message>
        <source>Writing to port %1 failed: %2. Check that the device is still connected and switched on.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Falha ao escrever na porta %1: %2. Verifique se o dispositivo ainda está conectado e ligado.</translation>
    </message>
    <message>
        <source>There is no port %1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>A porta %1 não existe. %2</translation>
    </message>
    <message>
        <source>Port %1 names %2, which is not there (any more): the device may have been unplugged. %3</source>
        <extracomment>%3 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>A porta %1 indica %2, que não existe (ou não existe mais): o dispositivo pode ter sido desconectado. %3</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device may have been unplugged. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 não existe (ou não existe mais): o dispositivo pode ter sido desconectado. %2</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program. Close that program and try again (a modem just plugged in can be held for a few seconds while the system probes it), or choose another port.</source>
        <translation>A porta %1 está em uso por outro programa. Feche esse programa e tente novamente (um modem recém-conectado pode ficar ocupado por alguns segundos enquanto o sistema o examina) ou escolha outra porta.</translation>
    </message>
    <message>
        <source>You may not open port %1: only members of the group &quot;%2&quot; may. Add your user to that group (on Debian: sudo adduser $USER %2), then log out and in again.</source>
        <translation>Você não tem permissão para abrir a porta %1: somente os membros do grupo &quot;%2&quot; têm. Adicione seu usuário a esse grupo (no Debian: sudo adduser $USER %2) e depois saia e entre novamente na sessão.</translation>
    </message>
    <message>
        <source>You may not open port %1: only its owner &quot;%2&quot; may. Ask the administrator of this computer for access to it.</source>
        <translation>Você não tem permissão para abrir a porta %1: somente o dono &quot;%2&quot; tem. Peça acesso ao administrador deste computador.</translation>
    </message>
    <message>
        <source>Port %1 refuses the line settings &quot;%2&quot;: %3. Check that it is a serial port.</source>
        <extracomment>%3 is the system&apos;s reason.</extracomment>
        <translation>A porta %1 recusa as configurações de linha &quot;%2&quot;: %3. Verifique se é uma porta serial.</translation>
    </message>
    <message>
        <source>Port %1 could not be opened: %2. Check that it is a serial port.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Não foi possível abrir a porta %1: %2. Verifique se é uma porta serial.</translation>
    </message>
    <message>
        <source>Port %1 went away while it was open: the device was unplugged or switched off. Plug it back in, then start ModemPad again.</source>
        <translation>A porta %1 desapareceu enquanto estava aberta: o dispositivo foi desconectado ou desligado. Conecte-o novamente e depois inicie o ModemPad outra vez.</translation>
    </message>
    <message>
        <source>Port %1 is not open. Press Connect first.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>A porta %1 não está aberta. Pressione Connect primeiro.</translation>
    </message>
    <message>
        <source>Port %1 refuses %2 (settings &quot;%3&quot;): %4. Check that it is a serial port whose driver supports that.</source>
        <extracomment>%2 is what was refused, such as &quot;2400 baud&quot; or &quot;even parity&quot;; %4 is the system&apos;s reason.</extracomment>
        <translation>A porta %1 recusa %2 (configurações &quot;%3&quot;): %4. Verifique se é uma porta serial cujo driver oferece suporte a isso.</translation>
    </message>
    <message>
        <source>%1 baud</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>%1 baud</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1,5 bit de parada</translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>controle de fluxo RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>controle de fluxo XON/XOFF</translation>
    </message>
    <message>
        <source>no flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>sem controle de fluxo</translation>
    </message>
    <message>
        <source>Port %1 refuses to set its %2 line: %3. Check that it is a serial port.</source>
        <extracomment>%2 names a wire of the serial line, DTR or RTS; %3 is the system&apos;s reason.</extracomment>
        <translation>A porta %1 se recusa a definir sua linha %2: %3. Verifique se é uma porta serial.</translation>
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
        <translation>%1 bits de dados</translation>
    </message>
    <message>
        <source>Port %1 is marked as taken by the lock file %2, left by process %3, which has ended. The file belongs to the user &quot;%4&quot;, so ModemPad may not remove it: ask that user or the administrator of this computer to remove it (sudo rm %2), then try again.</source>
        <extracomment>%2 is the lock file&apos;s path, %3 the number of the process that left it, %4 the user who owns the file.</extracomment>
        <translation>A porta %1 está marcada como ocupada pelo arquivo de bloqueio %2, deixado pelo processo %3, que já terminou. O arquivo pertence ao usuário &quot;%4&quot;, então o ModemPad não pode removê-lo: peça a esse usuário ou ao administrador deste computador que o remova (sudo rm %2) e tente novamente.</translation>
    </message>
    <message>
        <source>Port %1 cannot be locked for ModemPad&apos;s use: the name of its lock file, %2, is longer than this system allows. Give the device a shorter name.</source>
        <extracomment>%2 is the lock file&apos;s path.</extracomment>
        <translation>Não é possível bloquear a porta %1 para uso do ModemPad: o nome do seu arquivo de bloqueio, %2, é mais longo do que este sistema permite. Dê ao dispositivo um nome mais curto.</translation>
    </message>
    <message>
        <source>No port is open. Type the port&apos;s number or its device&apos;s path, then press Connect.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Nenhuma porta está aberta. Digite o número da porta ou o caminho do seu dispositivo e pressione Connect.</translation>
    </message>
</context>
<context>
    <name>FailurePolicy</name>
    <message>
        <source>Error %1

%2</source>
        <extracomment>The message box after a failure: %1 is the error&apos;s number, %2 says what went wrong and what to do.</extracomment>
        <translation>Erro %1

%2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Announces the message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>Anuncia a mensagem %1:
%2</translation>
    </message>
    <message>
        <source>The message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>A mensagem %1:
%2</translation>
    </message>
    <message>
        <source>Modem log</source>
        <extracomment>The name a screen reader gives the box where the modem&apos;s answers show.</extracomment>
        <translation>Registro do modem</translation>
    </message>
    <message>
        <source>The number of the serial port to open, or the path of its device.</source>
        <extracomment>The tooltip of the box where the port is typed; the ports present follow it, one a line.</extracomment>
        <translation>O número da porta serial a abrir, ou o caminho do seu dispositivo.</translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Não há nenhuma porta serial no momento.</translation>
    </message>
    <message>
        <source>Everything the modem sends, each piece after one blank. Every byte is shown: line breaks as new lines, other control characters as picture symbols where the font has them, bytes from 0x80 up and the other control characters as two hexadecimal digits in angle brackets.</source>
        <translation>Tudo o que o modem envia, cada trecho após um espaço. Cada byte é mostrado: quebras de linha como novas linhas, outros caracteres de controle como símbolos gráficos quando a fonte os tem, e bytes a partir de 0x80 e os demais caracteres de controle como dois dígitos hexadecimais entre sinais de menor e maior.</translation>
    </message>
</context>
<context>
    <name>ModemCommands</name>
    <message>
        <source>Writes &quot;%1&quot; followed by %2</source>
        <extracomment>A button&apos;s tooltip: %1 is what it writes to the modem, %2 the control characters after that, &quot;CR LF&quot; or &quot;Ctrl-Z&quot;, which keep their names.</extracomment>
        <translation>Escreve &quot;%1&quot; seguido de %2</translation>
    </message>
    <message numerus="yes">
        <source>to %1 in the GSM 7-bit alphabet, %n septet(s)</source>
        <extracomment>Where a message goes and how its text is sent, put into &quot;The message %1:&quot;; %1 is the phone number.</extracomment>
        <translation>
            <numerusform>para %1 no alfabeto GSM de 7 bits, %n septeto</numerusform>
            <numerusform>para %1 no alfabeto GSM de 7 bits, %n septetos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>to %1 in UCS2, %n UTF-16 unit(s)</source>
        <extracomment>As above, for a text sent in UCS2, the 16-bit coding.</extracomment>
        <translation>
            <numerusform>para %1 em UCS2, %n unidade UTF-16</numerusform>
            <numerusform>para %1 em UCS2, %n unidades UTF-16</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortNumber</name>
    <message>
        <source>&quot;%1&quot; is not a port number. Type a whole number, such as 1, or a device&apos;s path, such as %2.</source>
        <translation>&quot;%1&quot; não é um número de porta. Digite um número inteiro, como 1, ou o caminho de um dispositivo, como %2.</translation>
    </message>
    <message>
        <source>Port number %1 is out of range. Port numbers go from 1 to 32767.</source>
        <translation>O número de porta %1 está fora do intervalo. Os números de porta vão de 1 a 32767.</translation>
    </message>
</context>
<context>
    <name>QtOptions</name>
    <message>
        <source>Taken by Qt (see QGuiApplication).</source>
        <translation>Tratada pelo Qt (veja QGuiApplication).</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>&quot;%1&quot; is not a dial string: an optional + and then 1 to %2 digits 0-9, with no blanks or dashes</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>&quot;%1&quot; não é um número discável: um + opcional e depois de 1 a %2 dígitos 0-9, sem espaços nem hifens</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; has %n digit(s), %2 more than the %3 a message&apos;s destination holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>&quot;%1&quot; tem %n dígito, %2 a mais que os %3 que o destino de uma mensagem comporta</numerusform>
            <numerusform>&quot;%1&quot; tem %n dígitos, %2 a mais que os %3 que o destino de uma mensagem comporta</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n septet(s) in the GSM 7-bit alphabet, %1 more than the %2 one message holds (each of ^ { } [ ] ~ \ | € takes two)</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>o texto ocupa %n septeto no alfabeto GSM de 7 bits, %1 a mais que os %2 que cabem em uma mensagem (cada um de ^ { } [ ] ~ \ | € ocupa dois)</numerusform>
            <numerusform>o texto ocupa %n septetos no alfabeto GSM de 7 bits, %1 a mais que os %2 que cabem em uma mensagem (cada um de ^ { } [ ] ~ \ | € ocupa dois)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n UTF-16 unit(s) in UCS2, %1 more than the %2 one message holds (a character outside the GSM 7-bit alphabet makes it UCS2, where a character beyond U+FFFF, such as an emoji, takes two)</source>
        <translation>
            <numerusform>o texto ocupa %n unidade UTF-16 em UCS2, %1 a mais que as %2 que cabem em uma mensagem (um caractere fora do alfabeto GSM de 7 bits obriga o uso de UCS2, em que um caractere além de U+FFFF, como um emoji, ocupa duas)</numerusform>
            <numerusform>o texto ocupa %n unidades UTF-16 em UCS2, %1 a mais que as %2 que cabem em uma mensagem (um caractere fora do alfabeto GSM de 7 bits obriga o uso de UCS2, em que um caractere além de U+FFFF, como um emoji, ocupa duas)</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>&quot;%1&quot; não é uma velocidade de linha: um número inteiro de bits por segundo, como 9600 ou 115200</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <extracomment>What --help shows after --to for its value.</extracomment>
        <translation>NÚMERO</translation>
    </message>
    <message>
        <source>Where the message goes: + and the country code for an international number, or a national number; then digits 0-9 only, at most 20.</source>
        <translation>Para onde vai a mensagem: + e o código do país para um número internacional, ou um número nacional; depois apenas dígitos 0-9, no máximo 20.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>What --help shows after --text for its value.</extracomment>
        <translation>TEXTO</translation>
    </message>
    <message>
        <source>The message: at most 160 septets in the GSM 7-bit alphabet (each of ^ { } [ ] ~ \ | and the euro sign takes two), or, with any other character, at most 70 UTF-16 units in UCS2 (a character beyond U+FFFF, such as an emoji, takes two).</source>
        <translation>A mensagem: no máximo 160 septetos no alfabeto GSM de 7 bits (cada um de ^ { } [ ] ~ \ | e o símbolo do euro ocupa dois) ou, com qualquer outro caractere, no máximo 70 unidades UTF-16 em UCS2 (um caractere além de U+FFFF, como um emoji, ocupa duas).</translation>
    </message>
    <message>
        <source>RATE</source>
        <extracomment>What --help shows after --baud for its value.</extracomment>
        <translation>TAXA</translation>
    </message>
    <message>
        <source>The line speed Connect sets, in bits per second: 300 to 4000000, or any other rate the port takes.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>A velocidade de linha que Connect define, em bits por segundo: de 300 a 4000000, ou qualquer outra taxa que a porta aceite.</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>What --help shows after --port for its value.</extracomment>
        <translation>PORTA</translation>
    </message>
    <message>
        <source>The port box&apos;s initial text: a port number, or a device&apos;s path such as /dev/ttyUSB0.</source>
        <extracomment>The port box is the box where the port&apos;s number or device is typed.</extracomment>
        <translation>O texto inicial da caixa da porta: um número de porta ou o caminho de um dispositivo, como /dev/ttyUSB0.</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n character(s), far more than the 160 one message holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>o texto tem %n caractere, muito mais que os 160 que cabem em uma mensagem</numerusform>
            <numerusform>o texto tem %n caracteres, muito mais que os 160 que cabem em uma mensagem</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the port has %n byte(s), more than the %1 a device&apos;s path may have</source>
        <extracomment>A rule broken, put after the option or the line of the settings file. The port is what is typed in the port box: a port number or a device&apos;s path.</extracomment>
        <translation>
            <numerusform>a porta indicada tem %n byte, mais que os %1 que o caminho de um dispositivo pode ter</numerusform>
            <numerusform>a porta indicada tem %n bytes, mais que os %1 que o caminho de um dispositivo pode ter</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>%1 Default: %2, from the settings file.</source>
        <extracomment>An option&apos;s line in --help: %1 says what the option is, %2 is its default.</extracomment>
        <translation>%1 Padrão: %2, do arquivo de configurações.</translation>
    </message>
    <message>
        <source>%1 Default: %2.</source>
        <translation>%1 Padrão: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 has the key &quot;%2&quot;, which is not a setting: the settings are %3, outside any [group]. Correct or remove that line.</source>
        <extracomment>%3 lists the keys, which stay in English: to, text, baud, port.</extracomment>
        <translation>O arquivo de configurações %1 tem a chave &quot;%2&quot;, que não é uma configuração: as configurações são %3, fora de qualquer [grupo]. Corrija ou remova essa linha.</translation>
    </message>
    <message>
        <source>The settings file %1 has a comma outside double quotes in the value of %2, which INI reads as a list: put the whole value in double quotes. Correct or remove that line.</source>
        <translation>O arquivo de configurações %1 tem uma vírgula fora de aspas duplas no valor de %2, que o INI lê como uma lista: coloque o valor inteiro entre aspas duplas. Corrija ou remova essa linha.</translation>
    </message>
    <message>
        <source>The settings file %1 has a bad value for %2: %3. Correct or remove that line.</source>
        <extracomment>%2 is the key; %3 is the rule its value breaks, such as &quot;&quot;x&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200&quot;.</extracomment>
        <translation>O arquivo de configurações %1 tem um valor inválido para %2: %3. Corrija ou remova essa linha.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: check that its lines are of the form key=value.</source>
        <translation>Não é possível ler o arquivo de configurações %1: verifique se as linhas estão no formato chave=valor.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file (a FIFO or a device, say), so it is not read: put a file in its place, or remove it.</source>
        <translation>O arquivo de configurações %1 não é um arquivo comum (um FIFO ou um dispositivo, por exemplo), por isso não é lido: coloque um arquivo no lugar dele ou remova-o.</translation>
    </message>
    <message numerus="yes">
        <source>The settings file %1 has %n byte(s), more than the %2 any settings take, so it is not read: remove what is not settings.</source>
        <translation>
            <numerusform>O arquivo de configurações %1 tem %n byte, mais que os %2 que quaisquer configurações ocupam, por isso não é lido: remova o que não for configuração.</numerusform>
            <numerusform>O arquivo de configurações %1 tem %n bytes, mais que os %2 que quaisquer configurações ocupam, por isso não é lido: remova o que não for configuração.</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2. Check that you may read it.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Não é possível ler o arquivo de configurações %1: %2. Verifique se você tem permissão para lê-lo.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in UTF-8: its byte %2, on line %3, is 0x%4. Save it in UTF-8.</source>
        <extracomment>%2 counts bytes from 1, %3 is the line the byte is on, %4 the byte in hexadecimal.</extracomment>
        <translation>O arquivo de configurações %1 não está em UTF-8: o byte %2, na linha %3, é 0x%4. Salve-o em UTF-8.</translation>
    </message>
</context>
<context>
    <name>modempad</name>
    <message>
        <source>A window for trying out a GSM modem on a serial port: Connect opens the port, and the buttons below it write the AT commands that send a short message in PDU mode.
Each setting comes from its option, else from the settings file %1, else from the build. Qt&apos;s own options, such as -platform NAME, are taken as well.</source>
        <extracomment>--help&apos;s description; Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Uma janela para experimentar um modem GSM em uma porta serial: Connect abre a porta, e os botões abaixo dele escrevem os comandos AT que enviam uma mensagem SMS no modo PDU.
Cada configuração vem da sua opção, senão do arquivo de configurações %1, senão da compilação. As opções próprias do Qt, como -platform NOME, também são aceitas.</translation>
    </message>
    <message>
        <source>unknown option %1%2: modempad --help lists the options</source>
        <translation>opção desconhecida %1%2: modempad --help lista as opções</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: modempad takes options only</source>
        <translation>argumento inesperado &quot;%1&quot;: o modempad aceita apenas opções</translation>
    </message>
    <message>
        <source>the value of %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 is the option, such as --text; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>o valor de %1 não está em UTF-8: o byte %2 é 0x%3; informe-o em UTF-8</translation>
    </message>
    <message>
        <source>argument %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 counts the arguments from 1; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>o argumento %1 não está em UTF-8: o byte %2 é 0x%3; informe-o em UTF-8</translation>
    </message>
</context>
<context>
    <name>modempad-demo</name>
    <message>
        <source>--port takes N=PATH with N from 1 to 32767, as in --port 7=/dev/pts/4; got &quot;%1&quot;</source>
        <translation>--port espera N=CAMINHO com N de 1 a 32767, como em --port 7=/dev/pts/4; recebido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--port %1: there is no %2; start what makes it first, such as socat, or give a device that is there</source>
        <translation>--port %1: %2 não existe; inicie primeiro o que o cria, como o socat, ou indique um dispositivo que exista</translation>
    </message>
    <message>
        <source>ModemPad with a simulated GSM modem behind port 5. Prints the modem&apos;s side of the dialogue. With no display it runs the autopilot. Reads lines such as &quot;sms +447700900456 Hello there&quot; from standard input: a message from that number arrives.</source>
        <translation>ModemPad com um modem GSM simulado na porta 5. Mostra o lado do modem no diálogo. Sem tela, executa o piloto automático. Lê da entrada padrão linhas como &quot;sms +447700900456 Hello there&quot;: chega uma mensagem desse número.</translation>
    </message>
    <message>
        <source>Run offscreen, press Connect, Command1, Command2 and Command3, and exit 0 only if the modem accepted the message intact.</source>
        <extracomment>The button captions stay in English.</extracomment>
        <translation>Executar fora da tela, pressionar Connect, Command1, Command2 e Command3 e sair com 0 somente se o modem aceitou a mensagem intacta.</translation>
    </message>
    <message>
        <source>The modem answers at 2400 baud.</source>
        <translation>O modem responde a 2400 baud.</translation>
    </message>
    <message>
        <source>Map port number N to the device PATH; repeatable.</source>
        <extracomment>A port here is a serial port, named by a number, and PATH its device.</extracomment>
        <translation>Associa o número de porta N ao dispositivo CAMINHO; pode ser repetido.</translation>
    </message>
    <message>
        <source>N=PATH</source>
        <extracomment>Keep N and the = sign; PATH is what follows it.</extracomment>
        <translation>N=CAMINHO</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>argumento inesperado &quot;%1&quot;</translation>
    </message>
    <message>
        <source>--autopilot checks the message on the simulated modem behind port %1; --port %1=... would take it away</source>
        <translation>--autopilot confere a mensagem no modem simulado na porta %1; --port %1=... o tiraria dali</translation>
    </message>
    <message>
        <source>modempad-demo: no pseudo-terminal for the simulated modem: %1</source>
        <translation>modempad-demo: não há pseudoterminal para o modem simulado: %1</translation>
    </message>
    <message>
        <source>simulated modem on port %1 = %2</source>
        <extracomment>%1 is the port&apos;s number, %2 the device behind it.</extracomment>
        <translation>modem simulado na porta %1 = %2</translation>
    </message>
    <message>
        <source>the second and third buttons send the message %1: %2</source>
        <extracomment>%1 says where the message goes and how; %2 is its text.</extracomment>
        <translation>o segundo e o terceiro botões enviam a mensagem %1: %2</translation>
    </message>
    <message>
        <source>no display: the autopilot runs the window offscreen</source>
        <translation>sem tela: o piloto automático executa a janela fora da tela</translation>
    </message>
</context>
</TS>
