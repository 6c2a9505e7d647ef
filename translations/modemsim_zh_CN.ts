<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>modemsim</name>
    <message>
        <source>modemsim: line lost: %1</source>
        <translation>modemsim：线路丢失：%1</translation>
    </message>
    <message>
        <source>Answer at 2400 baud, as a real line does.</source>
        <extracomment>A line: the serial connection to a modem.</extracomment>
        <translation>以 2400 波特应答，如同真实线路。</translation>
    </message>
    <message>
        <source>The SIM asks for this PIN, 4 to 8 digits.</source>
        <translation>SIM 卡要求输入此 PIN 码，4 到 8 位数字。</translation>
    </message>
    <message>
        <source>The PUK that unblocks the SIM after three wrong PINs, 8 digits; 12345678 unless given.</source>
        <translation>在三次输错 PIN 码后解锁 SIM 卡的 PUK 码，8 位数字；未指定时为 12345678。</translation>
    </message>
    <message>
        <source>How the network starts: off, home (unless given), roaming, denied or searching.</source>
        <translation>网络的初始状态：off、home（未指定时）、roaming、denied 或 searching。</translation>
    </message>
    <message>
        <source>The signal strength +CSQ reports, 0 to 31 (21 unless given) or 99.</source>
        <translation>+CSQ 报告的信号强度，0 到 31（未指定时为 21）或 99。</translation>
    </message>
    <message>
        <source>Every answer waits this long first, such as 300ms or 2s.</source>
        <translation>每个应答先等待这么长时间，例如 300ms 或 2s。</translation>
    </message>
    <message>
        <source>How long after a message that asks for one its status report comes, saying delivered, such as 500ms or 10s (1s unless given); never: only when a &quot;report&quot; line decides it.</source>
        <translation>请求状态报告的短信发出后，报告“已送达”的状态报告要等多久才到，例如 500ms 或 10s（未指定时为 1s）；never：仅在“report”行决定时才到。</translation>
    </message>
    <message>
        <source>Play the lines of FILE, the control language with its waits, from the start; standard input works alongside.</source>
        <translation>从头播放 FILE 中的各行，即带等待的控制语言；标准输入同时可用。</translation>
    </message>
    <message>
        <source>Start N modems on one network, 1 (unless given) to 256, each on its own pseudo-terminal, with its own number and identity; a message to one&apos;s number reaches it.</source>
        <translation>在一个网络中启动 N 个调制解调器，1（未指定时）到 256 个，各自使用自己的伪终端，拥有自己的号码和标识；发往某一号码的短信会送达该调制解调器。</translation>
    </message>
    <message>
        <source>Also put modem 1 on TCP port PORT, modem 2 on PORT+1 and so on; raw bytes, one client at a time. HOST is 127.0.0.1 unless given; the port has no authentication. Port 0: ports the system chooses.</source>
        <extracomment>TCP ports; PORT and HOST are the option&apos;s value as typed, not translated.</extracomment>
        <translation>另外将调制解调器 1 置于 TCP 端口 PORT，调制解调器 2 置于 PORT+1，依此类推；原始字节，一次一个客户端。HOST 未指定时为 127.0.0.1；该端口没有身份验证。端口 0：由系统选择端口。</translation>
    </message>
    <message>
        <source>The SIM&apos;s number of modem K, or of modem 1, from which the others&apos; are derived; may be repeated.</source>
        <translation>调制解调器 K 或调制解调器 1 的 SIM 卡号码，其他调制解调器的号码由此推出；可重复指定。</translation>
    </message>
    <message>
        <source>The IMEI of modem K, or of modem 1, as --number.</source>
        <translation>调制解调器 K 或调制解调器 1 的 IMEI，同 --number。</translation>
    </message>
    <message>
        <source>The IMSI of modem K, or of modem 1, as --number.</source>
        <translation>调制解调器 K 或调制解调器 1 的 IMSI，同 --number。</translation>
    </message>
    <message>
        <source>The SIM&apos;s serial number that +CCID, +ICCID and +CRSM give, of modem K or of modem 1, as --number: 89 and 17 or 18 more digits, the last a Luhn check digit; 8900101012345678904 unless given.</source>
        <translation>+CCID、+ICCID 和 +CRSM 给出的 SIM 卡序列号，属于调制解调器 K 或调制解调器 1，同 --number：89 加上另外 17 或 18 位数字，最后一位为 Luhn 校验位；未指定时为 8900101012345678904。</translation>
    </message>
    <message>
        <source>--modems takes 1 to %1, not &quot;%2&quot;.</source>
        <translation>--modems 接受 1 到 %1，而不是“%2”。</translation>
    </message>
    <message>
        <source>A device takes one modem: leave out --modems or the device.</source>
        <translation>一个设备只能对应一个调制解调器：请去掉 --modems 或该设备。</translation>
    </message>
    <message>
        <source>--listen takes [HOST:]PORT, HOST an IP address, with a port for every modem up to 65535; not &quot;%1&quot;.</source>
        <translation>--listen 接受 [HOST:]PORT，HOST 为 IP 地址，每个调制解调器的端口不超过 65535；而不是“%1”。</translation>
    </message>
    <message>
        <source>--%1 %2: there is no modem %3.</source>
        <translation>--%1 %2：没有调制解调器 %3。</translation>
    </message>
    <message>
        <source>--%1 takes %2; not &quot;%3&quot;.</source>
        <translation>--%1 接受%2；而不是“%3”。</translation>
    </message>
    <message>
        <source>Modems %1 and %2 would both have the number %3: give one another with --number %2:NUMBER.</source>
        <translation>调制解调器 %1 和 %2 将具有相同的号码 %3：请用 --number %2:NUMBER 为其中一个指定另一个号码。</translation>
    </message>
    <message>
        <source>--puk takes 8 digits, not &quot;%1&quot;.</source>
        <translation>--puk 接受 8 位数字，而不是“%1”。</translation>
    </message>
    <message>
        <source>--report-delay takes a duration such as 500ms or 10s, a day at most, or never; not &quot;%1&quot;.</source>
        <translation>--report-delay 接受一个时长，例如 500ms 或 10s，最多一天，或 never；而不是“%1”。</translation>
    </message>
    <message>
        <source>A simulated GSM modem that takes AT commands and SMS in PDU and text mode. Prints the device to open, then the dialogue. Reads lines of its control language from standard input and a script, such as &quot;sms +447700900456 Hello there&quot; (a message from that number arrives) or &quot;network off&quot;; &quot;help&quot; lists them.</source>
        <translation>一个模拟的 GSM 调制解调器，接受 AT 命令以及 PDU 和文本模式的短信。先输出要打开的设备，然后输出对话。从标准输入和脚本中读取其控制语言的行，例如“sms +447700900456 Hello there”（收到来自该号码的短信）或“network off”；“help”会列出这些行。</translation>
    </message>
    <message>
        <source>A device to answer on instead of a new pseudo-terminal.</source>
        <translation>用于应答的设备，代替新建的伪终端。</translation>
    </message>
    <message>
        <source>Give one device at most.</source>
        <translation>最多指定一个设备。</translation>
    </message>
    <message>
        <source>Cannot open a pseudo-terminal: %1</source>
        <translation>无法打开伪终端：%1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a device&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>无法打开 %1：%2</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2: %3</source>
        <extracomment>%1 is an IP address, %2 a TCP port number, %3 the system&apos;s reason.</extracomment>
        <translation>无法在 %1 的端口 %2 上监听：%3</translation>
    </message>
    <message>
        <source>Cannot read the script %1: there is no such file.</source>
        <translation>无法读取脚本 %1：没有该文件。</translation>
    </message>
    <message>
        <source>The script %1 is not a regular file; give a file of lines.</source>
        <translation>脚本 %1 不是普通文件；请指定一个由多行组成的文件。</translation>
    </message>
    <message>
        <source>The script %1 has %2 bytes, more than the %3 a script may have.</source>
        <translation>脚本 %1 有 %2 字节，超过了脚本允许的 %3 字节。</translation>
    </message>
    <message>
        <source>Cannot read the script %1: %2</source>
        <translation>无法读取脚本 %1：%2</translation>
    </message>
    <message>
        <source>The script goes on past %1 bytes.</source>
        <translation>脚本超过了 %1 字节。</translation>
    </message>
    <message>
        <source>A line is over %1 bytes.</source>
        <translation>某一行超过了 %1 字节。</translation>
    </message>
    <message>
        <source>3 to 15 digits, with a + before an international number</source>
        <translation>3 到 15 位数字，国际号码前加 +</translation>
    </message>
    <message>
        <source>15 digits, the last a Luhn check digit</source>
        <translation>15 位数字，最后一位为 Luhn 校验位</translation>
    </message>
    <message>
        <source>6 to 15 digits</source>
        <translation>6 到 15 位数字</translation>
    </message>
    <message>
        <source>89 and 17 or 18 more digits, the last a Luhn check digit</source>
        <translation>89 加上另外 17 或 18 位数字，最后一位为 Luhn 校验位</translation>
    </message>
</context>
</TS>
