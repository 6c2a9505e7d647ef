<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>modemsim</name>
    <message>
        <source>modemsim: line lost: %1</source>
        <translation>modemsim: linha perdida: %1</translation>
    </message>
    <message>
        <source>Answer at 2400 baud, as a real line does.</source>
        <extracomment>A line: the serial connection to a modem.</extracomment>
        <translation>Responde a 2400 bauds, como uma linha real.</translation>
    </message>
    <message>
        <source>The SIM asks for this PIN, 4 to 8 digits.</source>
        <translation>O SIM pede este PIN, de 4 a 8 dígitos.</translation>
    </message>
    <message>
        <source>The PUK that unblocks the SIM after three wrong PINs, 8 digits; 12345678 unless given.</source>
        <translation>O PUK que desbloqueia o SIM após três PINs errados, 8 dígitos; 12345678 se não for informado.</translation>
    </message>
    <message>
        <source>How the network starts: off, home (unless given), roaming, denied or searching.</source>
        <translation>Como a rede começa: off, home (se não for informado), roaming, denied ou searching.</translation>
    </message>
    <message>
        <source>The signal strength +CSQ reports, 0 to 31 (21 unless given) or 99.</source>
        <translation>A intensidade do sinal que o +CSQ informa, de 0 a 31 (21 se não for informado) ou 99.</translation>
    </message>
    <message>
        <source>Every answer waits this long first, such as 300ms or 2s.</source>
        <translation>Cada resposta espera esse tempo antes, como 300ms ou 2s.</translation>
    </message>
    <message>
        <source>How long after a message that asks for one its status report comes, saying delivered, such as 500ms or 10s (1s unless given); never: only when a &quot;report&quot; line decides it.</source>
        <translation>Quanto tempo depois de uma mensagem que pede um o seu relatório de status chega, dizendo entregue, como 500ms ou 10s (1s se não for informado); never: só quando uma linha &quot;report&quot; decidir.</translation>
    </message>
    <message>
        <source>Play the lines of FILE, the control language with its waits, from the start; standard input works alongside.</source>
        <translation>Executa as linhas de FILE, a linguagem de controle com suas esperas, desde o início; a entrada padrão funciona ao mesmo tempo.</translation>
    </message>
    <message>
        <source>Start N modems on one network, 1 (unless given) to 256, each on its own pseudo-terminal, with its own number and identity; a message to one&apos;s number reaches it.</source>
        <translation>Inicia N modems em uma mesma rede, de 1 (se não for informado) a 256, cada um em seu próprio pseudoterminal, com seu próprio número e identidade; uma mensagem para o número de um chega a ele.</translation>
    </message>
    <message>
        <source>Also put modem 1 on TCP port PORT, modem 2 on PORT+1 and so on; raw bytes, one client at a time. HOST is 127.0.0.1 unless given; the port has no authentication. Port 0: ports the system chooses.</source>
        <extracomment>TCP ports; PORT and HOST are the option&apos;s value as typed, not translated.</extracomment>
        <translation>Coloca também o modem 1 na porta TCP PORT, o modem 2 em PORT+1 e assim por diante; bytes brutos, um cliente por vez. HOST é 127.0.0.1 se não for informado; a porta não tem autenticação. Porta 0: portas que o sistema escolhe.</translation>
    </message>
    <message>
        <source>The SIM&apos;s number of modem K, or of modem 1, from which the others&apos; are derived; may be repeated.</source>
        <translation>O número do SIM do modem K, ou do modem 1, do qual os dos outros são derivados; pode ser repetido.</translation>
    </message>
    <message>
        <source>The IMEI of modem K, or of modem 1, as --number.</source>
        <translation>O IMEI do modem K, ou do modem 1, como em --number.</translation>
    </message>
    <message>
        <source>The IMSI of modem K, or of modem 1, as --number.</source>
        <translation>O IMSI do modem K, ou do modem 1, como em --number.</translation>
    </message>
    <message>
        <source>The SIM&apos;s serial number that +CCID, +ICCID and +CRSM give, of modem K or of modem 1, as --number: 89 and 17 or 18 more digits, the last a Luhn check digit; 8900101012345678904 unless given.</source>
        <translation>O número de série do SIM que +CCID, +ICCID e +CRSM informam, do modem K ou do modem 1, como em --number: 89 e mais 17 ou 18 dígitos, o último um dígito verificador de Luhn; 8900101012345678904 se não for informado.</translation>
    </message>
    <message>
        <source>--modems takes 1 to %1, not &quot;%2&quot;.</source>
        <translation>--modems aceita de 1 a %1, não &quot;%2&quot;.</translation>
    </message>
    <message>
        <source>A device takes one modem: leave out --modems or the device.</source>
        <translation>Um dispositivo aceita um só modem: omita --modems ou o dispositivo.</translation>
    </message>
    <message>
        <source>--listen takes [HOST:]PORT, HOST an IP address, with a port for every modem up to 65535; not &quot;%1&quot;.</source>
        <translation>--listen aceita [HOST:]PORT, sendo HOST um endereço IP, com uma porta para cada modem até 65535; não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--%1 %2: there is no modem %3.</source>
        <translation>--%1 %2: não existe o modem %3.</translation>
    </message>
    <message>
        <source>--%1 takes %2; not &quot;%3&quot;.</source>
        <translation>--%1 aceita %2; não &quot;%3&quot;.</translation>
    </message>
    <message>
        <source>Modems %1 and %2 would both have the number %3: give one another with --number %2:NUMBER.</source>
        <translation>Os modems %1 e %2 teriam ambos o número %3: dê outro a um deles com --number %2:NUMBER.</translation>
    </message>
    <message>
        <source>--puk takes 8 digits, not &quot;%1&quot;.</source>
        <translation>--puk aceita 8 dígitos, não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>--report-delay takes a duration such as 500ms or 10s, a day at most, or never; not &quot;%1&quot;.</source>
        <translation>--report-delay aceita uma duração como 500ms ou 10s, no máximo um dia, ou never; não &quot;%1&quot;.</translation>
    </message>
    <message>
        <source>A simulated GSM modem that takes AT commands and SMS in PDU and text mode. Prints the device to open, then the dialogue. Reads lines of its control language from standard input and a script, such as &quot;sms +447700900456 Hello there&quot; (a message from that number arrives) or &quot;network off&quot;; &quot;help&quot; lists them.</source>
        <translation>Um modem GSM simulado que aceita comandos AT e SMS nos modos PDU e texto. Mostra o dispositivo a abrir e depois o diálogo. Lê linhas da sua linguagem de controle da entrada padrão e de um script, como &quot;sms +447700900456 Hello there&quot; (chega uma mensagem desse número) ou &quot;network off&quot;; &quot;help&quot; as lista.</translation>
    </message>
    <message>
        <source>A device to answer on instead of a new pseudo-terminal.</source>
        <translation>Um dispositivo no qual responder em vez de um novo pseudoterminal.</translation>
    </message>
    <message>
        <source>Give one device at most.</source>
        <translation>Informe no máximo um dispositivo.</translation>
    </message>
    <message>
        <source>Cannot open a pseudo-terminal: %1</source>
        <translation>Não foi possível abrir um pseudoterminal: %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a device&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Não foi possível abrir %1: %2</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2: %3</source>
        <extracomment>%1 is an IP address, %2 a TCP port number, %3 the system&apos;s reason.</extracomment>
        <translation>Não foi possível escutar em %1 porta %2: %3</translation>
    </message>
    <message>
        <source>Cannot read the script %1: there is no such file.</source>
        <translation>Não foi possível ler o script %1: o arquivo não existe.</translation>
    </message>
    <message>
        <source>The script %1 is not a regular file; give a file of lines.</source>
        <translation>O script %1 não é um arquivo comum; informe um arquivo de linhas.</translation>
    </message>
    <message>
        <source>The script %1 has %2 bytes, more than the %3 a script may have.</source>
        <translation>O script %1 tem %2 bytes, mais do que os %3 que um script pode ter.</translation>
    </message>
    <message>
        <source>Cannot read the script %1: %2</source>
        <translation>Não foi possível ler o script %1: %2</translation>
    </message>
    <message>
        <source>The script goes on past %1 bytes.</source>
        <translation>O script passa de %1 bytes.</translation>
    </message>
    <message>
        <source>A line is over %1 bytes.</source>
        <translation>Uma linha passa de %1 bytes.</translation>
    </message>
    <message>
        <source>3 to 15 digits, with a + before an international number</source>
        <translation>De 3 a 15 dígitos, com um + antes de um número internacional</translation>
    </message>
    <message>
        <source>15 digits, the last a Luhn check digit</source>
        <translation>15 dígitos, o último um dígito verificador de Luhn</translation>
    </message>
    <message>
        <source>6 to 15 digits</source>
        <translation>De 6 a 15 dígitos</translation>
    </message>
    <message>
        <source>89 and 17 or 18 more digits, the last a Luhn check digit</source>
        <translation>89 e mais 17 ou 18 dígitos, o último um dígito verificador de Luhn</translation>
    </message>
</context>
</TS>
