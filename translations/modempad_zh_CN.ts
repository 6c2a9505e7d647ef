<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Autopilot</name>
    <message>
        <source>autopilot: pressing %1</source>
        <extracomment>%1 names the button, such as Connect or Command2.</extracomment>
        <translation>自动运行：按下 %1</translation>
    </message>
    <message>
        <source>autopilot: the log as the window shows it:</source>
        <translation>自动运行：窗口显示的日志如下：</translation>
    </message>
    <message>
        <source>autopilot: the modem accepted %1</source>
        <extracomment>%1 describes the message as the simulated modem&apos;s log does, in English.</extracomment>
        <translation>自动运行：调制解调器已接受 %1</translation>
    </message>
    <message>
        <source>the message arrived as &quot;%1&quot; to %2, not &quot;%3&quot; to %4</source>
        <translation>短信以“%1”发往 %2，而不是以“%3”发往 %4</translation>
    </message>
    <message>
        <source>autopilot: &quot;%1&quot; to %2 arrived intact</source>
        <translation>自动运行：发往 %2 的“%1”完整送达</translation>
    </message>
    <message>
        <source>autopilot: it came back to the modem, as the log shows</source>
        <translation>自动运行：如日志所示，它已回到调制解调器</translation>
    </message>
    <message>
        <source>modempad-demo: autopilot failed: %1</source>
        <translation>modempad-demo：自动运行失败：%1</translation>
    </message>
    <message>
        <source>ModemPad reported: %1</source>
        <translation>ModemPad 报告：%1</translation>
    </message>
    <message>
        <source>no answer to %1 within %2 s</source>
        <extracomment>%1 names the button pressed, such as Command2.</extracomment>
        <translation>%1 在 %2 秒内没有得到应答</translation>
    </message>
    <message numerus="yes">
        <source>the modem accepted %n messages, not one</source>
        <translation>
            <numerusform>调制解调器接受了 %n 条短信，而不是一条</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommControl</name>
    <message>
        <source>No serial ports are present now: plug the modem in and try again.</source>
        <translation>当前没有串口：请连接调制解调器后重试。</translation>
    </message>
    <message>
        <source>Use one of the ports there are now: %1.</source>
        <extracomment>%1 lists the ports as number = device, such as &quot;1 = /dev/ttyUSB0, 2 = /dev/ttyACM0&quot;.</extracomment>
        <translation>请使用当前存在的端口之一：%1。</translation>
    </message>
    <message>
        <source>even parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>偶校验</translation>
    </message>
    <message>
        <source>odd parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>奇校验</translation>
    </message>
    <message>
        <source>mark parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>标记校验</translation>
    </message>
    <message>
        <source>space parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>空格校验</translation>
    </message>
    <message>
        <source>no parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>无校验</translation>
    </message>
    <message>
        <source>Port %1 is already open.</source>
        <translation>端口 %1 已经打开。</translation>
    </message>
    <message>
        <source>%1 is not a valid port number: ports are numbered from 1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 不是有效的端口号：端口从 1 开始编号。%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; are not valid line settings: expected baud, parity (n, e, o, m, s), data bits (5 to 8) and stop bits (1, 1.5, 2), such as &quot;2400,n,8,1&quot;.</source>
        <extracomment>The letters n, e, o, m and s are typed as they are, in any language.</extracomment>
        <translation>“%1”不是有效的线路设置：应为波特率、校验（n、e、o、m、s）、数据位（5 到 8）和停止位（1、1.5、2），例如“2400,n,8,1”。</translation>
    </message>
    <message>
        <source>Writing to port %1 failed: %2. Check that the device is still connected and switched on.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>写入端口 %1 失败：%2。请检查设备是否仍然连接并已开启。</translation>
    </message>
    <message>
        <source>There is no port %1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>没有端口 %1。%2</translation>
    </message>
    <message>
        <source>Port %1 names %2, which is not there (any more): the device may have been unplugged. %3</source>
        <extracomment>%3 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>端口 %1 对应 %2，但它不存在（或已不存在）：设备可能已被拔出。%3</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device may have been unplugged. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 不存在（或已不存在）：设备可能已被拔出。%2</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program. Close that program and try again (a modem just plugged in can be held for a few seconds while the system probes it), or choose another port.</source>
        <translation>端口 %1 正被另一个程序使用。请关闭该程序后重试（刚插入的调制解调器可能会在系统检测时被占用几秒钟），或选择其他端口。</translation>
    </message>
    <message>
        <source>You may not open port %1: only members of the group &quot;%2&quot; may. Add your user to that group (on Debian: sudo adduser $USER %2), then log out and in again.</source>
        <translation>您无权打开端口 %1：只有“%2”组的成员可以打开。请将您的用户加入该组（在 Debian 上：sudo adduser $USER %2），然后注销并重新登录。</translation>
    </message>
    <message>
        <source>You may not open port %1: only its owner &quot;%2&quot; may. Ask the administrator of this computer for access to it.</source>
        <translation>您无权打开端口 %1：只有其所有者“%2”可以打开。请向这台计算机的管理员申请访问权限。</translation>
    </message>
    <message>
        <source>Port %1 refuses the line settings &quot;%2&quot;: %3. Check that it is a serial port.</source>
        <extracomment>%3 is the system&apos;s reason.</extracomment>
        <translation>端口 %1 拒绝线路设置“%2”：%3。请检查它是否为串口。</translation>
    </message>
    <message>
        <source>Port %1 could not be opened: %2. Check that it is a serial port.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>无法打开端口 %1：%2。请检查它是否为串口。</translation>
    </message>
    <message>
        <source>Port %1 went away while it was open: the device was unplugged or switched off. Plug it back in, then start ModemPad again.</source>
        <translation>端口 %1 在打开期间消失了：设备已被拔出或关闭。请重新插入，然后再次启动 ModemPad。</translation>
    </message>
    <message>
        <source>Port %1 is not open. Press Connect first.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>端口 %1 未打开。请先按 Connect。</translation>
    </message>
    <message>
        <source>Port %1 refuses %2 (settings &quot;%3&quot;): %4. Check that it is a serial port whose driver supports that.</source>
        <extracomment>%2 is what was refused, such as &quot;2400 baud&quot; or &quot;even parity&quot;; %4 is the system&apos;s reason.</extracomment>
        <translation>端口 %1 拒绝“%2”（设置“%3”）：%4。请检查它是否为驱动程序支持该设置的串口。</translation>
    </message>
    <message>
        <source>%1 baud</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>%1 波特</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1.5 个停止位</translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>RTS/CTS 流控制</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>XON/XOFF 流控制</translation>
    </message>
    <message>
        <source>no flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>无流控制</translation>
    </message>
    <message>
        <source>Port %1 refuses to set its %2 line: %3. Check that it is a serial port.</source>
        <extracomment>%2 names a wire of the serial line, DTR or RTS; %3 is the system&apos;s reason.</extracomment>
        <translation>端口 %1 拒绝设置其 %2 线：%3。请检查它是否为串口。</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1 个停止位</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>2 个停止位</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;; %1 is 5 to 8.</extracomment>
        <translation>%1 个数据位</translation>
    </message>
    <message>
        <source>Port %1 is marked as taken by the lock file %2, left by process %3, which has ended. The file belongs to the user &quot;%4&quot;, so ModemPad may not remove it: ask that user or the administrator of this computer to remove it (sudo rm %2), then try again.</source>
        <extracomment>%2 is the lock file&apos;s path, %3 the number of the process that left it, %4 the user who owns the file.</extracomment>
        <translation>端口 %1 被锁文件 %2 标记为已占用，该文件由已经结束的进程 %3 留下。该文件属于用户“%4”，因此 ModemPad 无权删除它：请让该用户或这台计算机的管理员删除它（sudo rm %2），然后重试。</translation>
    </message>
    <message>
        <source>Port %1 cannot be locked for ModemPad&apos;s use: the name of its lock file, %2, is longer than this system allows. Give the device a shorter name.</source>
        <extracomment>%2 is the lock file&apos;s path.</extracomment>
        <translation>无法为 ModemPad 锁定端口 %1：其锁文件的名称 %2 超出了本系统允许的长度。请给设备起一个更短的名称。</translation>
    </message>
    <message>
        <source>No port is open. Type the port&apos;s number or its device&apos;s path, then press Connect.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>没有打开的端口。请输入端口号或其设备路径，然后按 Connect。</translation>
    </message>
</context>
<context>
    <name>FailurePolicy</name>
    <message>
        <source>Error %1

%2</source>
        <extracomment>The message box after a failure: %1 is the error&apos;s number, %2 says what went wrong and what to do.</extracomment>
        <translation>错误 %1

%2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Announces the message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>预告短信（%1）：
%2</translation>
    </message>
    <message>
        <source>The message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>短信（%1）：
%2</translation>
    </message>
    <message>
        <source>Modem log</source>
        <extracomment>The name a screen reader gives the box where the modem&apos;s answers show.</extracomment>
        <translation>调制解调器日志</translation>
    </message>
    <message>
        <source>The number of the serial port to open, or the path of its device.</source>
        <extracomment>The tooltip of the box where the port is typed; the ports present follow it, one a line.</extracomment>
        <translation>要打开的串口的编号，或其设备路径。</translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>当前没有串口。</translation>
    </message>
    <message>
        <source>Everything the modem sends, each piece after one blank. Every byte is shown: line breaks as new lines, other control characters as picture symbols where the font has them, bytes from 0x80 up and the other control characters as two hexadecimal digits in angle brackets.</source>
        <translation>调制解调器发送的全部内容，每段之前有一个空格。每个字节都会显示：换行显示为新行，其他控制字符在字体支持时显示为图形符号，0x80 及以上的字节和其余控制字符显示为尖括号中的两位十六进制数。</translation>
    </message>
</context>
<context>
    <name>ModemCommands</name>
    <message>
        <source>Writes &quot;%1&quot; followed by %2</source>
        <extracomment>A button&apos;s tooltip: %1 is what it writes to the modem, %2 the control characters after that, &quot;CR LF&quot; or &quot;Ctrl-Z&quot;, which keep their names.</extracomment>
        <translation>写入“%1”，后跟 %2</translation>
    </message>
    <message numerus="yes">
        <source>to %1 in the GSM 7-bit alphabet, %n septet(s)</source>
        <extracomment>Where a message goes and how its text is sent, put into &quot;The message %1:&quot;; %1 is the phone number.</extracomment>
        <translation>
            <numerusform>发往 %1，使用 GSM 7 位字母表，%n 个七位组</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>to %1 in UCS2, %n UTF-16 unit(s)</source>
        <extracomment>As above, for a text sent in UCS2, the 16-bit coding.</extracomment>
        <translation>
            <numerusform>发往 %1，使用 UCS2，%n 个 UTF-16 单元</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortNumber</name>
    <message>
        <source>&quot;%1&quot; is not a port number. Type a whole number, such as 1, or a device&apos;s path, such as %2.</source>
        <translation>“%1”不是端口号。请输入一个整数（如 1）或设备路径（如 %2）。</translation>
    </message>
    <message>
        <source>Port number %1 is out of range. Port numbers go from 1 to 32767.</source>
        <translation>端口号 %1 超出范围。端口号范围为 1 到 32767。</translation>
    </message>
</context>
<context>
    <name>QtOptions</name>
    <message>
        <source>Taken by Qt (see QGuiApplication).</source>
        <translation>由 Qt 处理（参见 QGuiApplication）。</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>&quot;%1&quot; is not a dial string: an optional + and then 1 to %2 digits 0-9, with no blanks or dashes</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>“%1”不是拨号字符串：可选的 + 后接 1 到 %2 位数字 0-9，不能有空格或短横线</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; has %n digit(s), %2 more than the %3 a message&apos;s destination holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>“%1”有 %n 位数字，比短信目标地址可容纳的 %3 位多 %2 位</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n septet(s) in the GSM 7-bit alphabet, %1 more than the %2 one message holds (each of ^ { } [ ] ~ \ | € takes two)</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>文本在 GSM 7 位字母表中占 %n 个七位组，比一条短信可容纳的 %2 个多 %1 个（^ { } [ ] ~ \ | € 每个占两个）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n UTF-16 unit(s) in UCS2, %1 more than the %2 one message holds (a character outside the GSM 7-bit alphabet makes it UCS2, where a character beyond U+FFFF, such as an emoji, takes two)</source>
        <translation>
            <numerusform>文本在 UCS2 中占 %n 个 UTF-16 单元，比一条短信可容纳的 %2 个多 %1 个（GSM 7 位字母表之外的字符会使文本采用 UCS2，其中 U+FFFF 以上的字符，如表情符号，占两个）</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>“%1”不是线路速率：应为每秒比特数的整数，例如 9600 或 115200</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <extracomment>What --help shows after --to for its value.</extracomment>
        <translation>号码</translation>
    </message>
    <message>
        <source>Where the message goes: + and the country code for an international number, or a national number; then digits 0-9 only, at most 20.</source>
        <translation>短信的目标号码：国际号码为 + 加国家代码，或国内号码；之后只能是数字 0-9，最多 20 位。</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>What --help shows after --text for its value.</extracomment>
        <translation>文本</translation>
    </message>
    <message>
        <source>The message: at most 160 septets in the GSM 7-bit alphabet (each of ^ { } [ ] ~ \ | and the euro sign takes two), or, with any other character, at most 70 UTF-16 units in UCS2 (a character beyond U+FFFF, such as an emoji, takes two).</source>
        <translation>短信内容：在 GSM 7 位字母表中最多 160 个七位组（^ { } [ ] ~ \ | 和欧元符号每个占两个）；若含其他字符，则在 UCS2 中最多 70 个 UTF-16 单元（U+FFFF 以上的字符，如表情符号，占两个）。</translation>
    </message>
    <message>
        <source>RATE</source>
        <extracomment>What --help shows after --baud for its value.</extracomment>
        <translation>速率</translation>
    </message>
    <message>
        <source>The line speed Connect sets, in bits per second: 300 to 4000000, or any other rate the port takes.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Connect 设置的线路速率，单位为比特每秒：300 到 4000000，或端口接受的任何其他速率。</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>What --help shows after --port for its value.</extracomment>
        <translation>端口</translation>
    </message>
    <message>
        <source>The port box&apos;s initial text: a port number, or a device&apos;s path such as /dev/ttyUSB0.</source>
        <extracomment>The port box is the box where the port&apos;s number or device is typed.</extracomment>
        <translation>端口框的初始文本：端口号，或设备路径，例如 /dev/ttyUSB0。</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n character(s), far more than the 160 one message holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>文本有 %n 个字符，远超一条短信可容纳的 160 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the port has %n byte(s), more than the %1 a device&apos;s path may have</source>
        <extracomment>A rule broken, put after the option or the line of the settings file. The port is what is typed in the port box: a port number or a device&apos;s path.</extracomment>
        <translation>
            <numerusform>所填端口有 %n 个字节，超过了设备路径最多可有的 %1 个字节</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>%1 Default: %2, from the settings file.</source>
        <extracomment>An option&apos;s line in --help: %1 says what the option is, %2 is its default.</extracomment>
        <translation>%1 默认值：%2，来自设置文件。</translation>
    </message>
    <message>
        <source>%1 Default: %2.</source>
        <translation>%1 默认值：%2。</translation>
    </message>
    <message>
        <source>The settings file %1 has the key &quot;%2&quot;, which is not a setting: the settings are %3, outside any [group]. Correct or remove that line.</source>
        <extracomment>%3 lists the keys, which stay in English: to, text, baud, port.</extracomment>
        <translation>设置文件 %1 中有键“%2”，它不是设置项：设置项为 %3，且不在任何 [组] 中。请更正或删除该行。</translation>
    </message>
    <message>
        <source>The settings file %1 has a comma outside double quotes in the value of %2, which INI reads as a list: put the whole value in double quotes. Correct or remove that line.</source>
        <translation>设置文件 %1 中 %2 的值里有一个不在双引号内的逗号，INI 会将其读作列表：请将整个值放在双引号中。请更正或删除该行。</translation>
    </message>
    <message>
        <source>The settings file %1 has a bad value for %2: %3. Correct or remove that line.</source>
        <extracomment>%2 is the key; %3 is the rule its value breaks, such as &quot;&quot;x&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200&quot;.</extracomment>
        <translation>设置文件 %1 中 %2 的值有误：%3。请更正或删除该行。</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: check that its lines are of the form key=value.</source>
        <translation>无法读取设置文件 %1：请检查其各行是否为“键=值”的形式。</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file (a FIFO or a device, say), so it is not read: put a file in its place, or remove it.</source>
        <translation>设置文件 %1 不是普通文件（例如 FIFO 或设备），因此不会被读取：请在其位置放一个文件，或将其删除。</translation>
    </message>
    <message numerus="yes">
        <source>The settings file %1 has %n byte(s), more than the %2 any settings take, so it is not read: remove what is not settings.</source>
        <translation>
            <numerusform>设置文件 %1 有 %n 个字节，超过了任何设置所需的 %2 个字节，因此不会被读取：请删除其中不属于设置的内容。</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2. Check that you may read it.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>无法读取设置文件 %1：%2。请检查您是否有权读取它。</translation>
    </message>
    <message>
        <source>The settings file %1 is not in UTF-8: its byte %2, on line %3, is 0x%4. Save it in UTF-8.</source>
        <extracomment>%2 counts bytes from 1, %3 is the line the byte is on, %4 the byte in hexadecimal.</extracomment>
        <translation>设置文件 %1 不是 UTF-8 编码：其第 %2 个字节（位于第 %3 行）为 0x%4。请以 UTF-8 编码保存。</translation>
    </message>
</context>
<context>
    <name>modempad</name>
    <message>
        <source>A window for trying out a GSM modem on a serial port: Connect opens the port, and the buttons below it write the AT commands that send a short message in PDU mode.
Each setting comes from its option, else from the settings file %1, else from the build. Qt&apos;s own options, such as -platform NAME, are taken as well.</source>
        <extracomment>--help&apos;s description; Connect is the caption of the button, which stays in English.</extracomment>
        <translation>用于在串口上试用 GSM 调制解调器的窗口：Connect 打开端口，其下方的按钮写入以 PDU 模式发送短信的 AT 命令。
每项设置取自其选项，否则取自设置文件 %1，否则取自构建时的默认值。也接受 Qt 自身的选项，例如 -platform 名称。</translation>
    </message>
    <message>
        <source>unknown option %1%2: modempad --help lists the options</source>
        <translation>未知选项 %1%2：modempad --help 会列出所有选项</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: modempad takes options only</source>
        <translation>意外的参数“%1”：modempad 只接受选项</translation>
    </message>
    <message>
        <source>the value of %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 is the option, such as --text; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>%1 的值不是 UTF-8 编码：其第 %2 个字节为 0x%3；请以 UTF-8 编码给出</translation>
    </message>
    <message>
        <source>argument %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 counts the arguments from 1; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>第 %1 个参数不是 UTF-8 编码：其第 %2 个字节为 0x%3；请以 UTF-8 编码给出</translation>
    </message>
</context>
<context>
    <name>modempad-demo</name>
    <message>
        <source>--port takes N=PATH with N from 1 to 32767, as in --port 7=/dev/pts/4; got &quot;%1&quot;</source>
        <translation>--port 需要 N=路径，N 为 1 到 32767，例如 --port 7=/dev/pts/4；收到的是“%1”</translation>
    </message>
    <message>
        <source>--port %1: there is no %2; start what makes it first, such as socat, or give a device that is there</source>
        <translation>--port %1：%2 不存在；请先启动创建它的程序（例如 socat），或指定一个存在的设备</translation>
    </message>
    <message>
        <source>ModemPad with a simulated GSM modem behind port 5. Prints the modem&apos;s side of the dialogue. With no display it runs the autopilot. Reads lines such as &quot;sms +447700900456 Hello there&quot; from standard input: a message from that number arrives.</source>
        <translation>在端口 5 后接模拟 GSM 调制解调器的 ModemPad。输出对话中调制解调器一方的内容。没有显示器时运行自动运行模式。从标准输入读取诸如“sms +447700900456 Hello there”的行：即收到来自该号码的短信。</translation>
    </message>
    <message>
        <source>Run offscreen, press Connect, Command1, Command2 and Command3, and exit 0 only if the modem accepted the message intact.</source>
        <extracomment>The button captions stay in English.</extracomment>
        <translation>在屏幕外运行，依次按下 Connect、Command1、Command2 和 Command3，仅当调制解调器完整接受短信时以 0 退出。</translation>
    </message>
    <message>
        <source>The modem answers at 2400 baud.</source>
        <translation>调制解调器以 2400 波特应答。</translation>
    </message>
    <message>
        <source>Map port number N to the device PATH; repeatable.</source>
        <extracomment>A port here is a serial port, named by a number, and PATH its device.</extracomment>
        <translation>将端口号 N 映射到设备路径；可重复使用。</translation>
    </message>
    <message>
        <source>N=PATH</source>
        <extracomment>Keep N and the = sign; PATH is what follows it.</extracomment>
        <translation>N=路径</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>意外的参数“%1”</translation>
    </message>
    <message>
        <source>--autopilot checks the message on the simulated modem behind port %1; --port %1=... would take it away</source>
        <translation>--autopilot 在端口 %1 后的模拟调制解调器上检查短信；--port %1=... 会占用该端口</translation>
    </message>
    <message>
        <source>modempad-demo: no pseudo-terminal for the simulated modem: %1</source>
        <translation>modempad-demo：没有可供模拟调制解调器使用的伪终端：%1</translation>
    </message>
    <message>
        <source>simulated modem on port %1 = %2</source>
        <extracomment>%1 is the port&apos;s number, %2 the device behind it.</extracomment>
        <translation>模拟调制解调器位于端口 %1 = %2</translation>
    </message>
    <message>
        <source>the second and third buttons send the message %1: %2</source>
        <extracomment>%1 says where the message goes and how; %2 is its text.</extracomment>
        <translation>第二和第三个按钮发送短信（%1）：%2</translation>
    </message>
    <message>
        <source>no display: the autopilot runs the window offscreen</source>
        <translation>没有显示器：自动运行模式在屏幕外运行窗口</translation>
    </message>
</context>
</TS>
