<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru">
<context>
    <name>Autopilot</name>
    <message>
        <source>autopilot: pressing %1</source>
        <extracomment>%1 names the button, such as Connect or Command2.</extracomment>
        <translation>автопилот: нажимаю %1</translation>
    </message>
    <message>
        <source>autopilot: the log as the window shows it:</source>
        <translation>автопилот: журнал в том виде, в каком его показывает окно:</translation>
    </message>
    <message>
        <source>autopilot: the modem accepted %1</source>
        <extracomment>%1 describes the message as the simulated modem&apos;s log does, in English.</extracomment>
        <translation>автопилот: модем принял %1</translation>
    </message>
    <message>
        <source>the message arrived as &quot;%1&quot; to %2, not &quot;%3&quot; to %4</source>
        <translation>сообщение пришло как «%1» на %2, а не как «%3» на %4</translation>
    </message>
    <message>
        <source>autopilot: &quot;%1&quot; to %2 arrived intact</source>
        <translation>автопилот: сообщение «%1» на %2 дошло без искажений</translation>
    </message>
    <message>
        <source>autopilot: it came back to the modem, as the log shows</source>
        <translation>автопилот: оно вернулось на модем, как видно из журнала</translation>
    </message>
    <message>
        <source>modempad-demo: autopilot failed: %1</source>
        <translation>modempad-demo: ошибка автопилота: %1</translation>
    </message>
    <message>
        <source>ModemPad reported: %1</source>
        <translation>ModemPad сообщил: %1</translation>
    </message>
    <message>
        <source>no answer to %1 within %2 s</source>
        <extracomment>%1 names the button pressed, such as Command2.</extracomment>
        <translation>нет ответа на %1 за %2 с</translation>
    </message>
    <message numerus="yes">
        <source>the modem accepted %n messages, not one</source>
        <translation>
            <numerusform>модем принял %n сообщение вместо одного</numerusform>
            <numerusform>модем принял %n сообщения вместо одного</numerusform>
            <numerusform>модем принял %n сообщений вместо одного</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CommControl</name>
    <message>
        <source>No serial ports are present now: plug the modem in and try again.</source>
        <translation>Сейчас нет ни одного последовательного порта: подключите модем и попробуйте снова.</translation>
    </message>
    <message>
        <source>Use one of the ports there are now: %1.</source>
        <extracomment>%1 lists the ports as number = device, such as &quot;1 = /dev/ttyUSB0, 2 = /dev/ttyACM0&quot;.</extracomment>
        <translation>Выберите один из имеющихся портов: %1.</translation>
    </message>
    <message>
        <source>even parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>проверка на чётность</translation>
    </message>
    <message>
        <source>odd parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>проверка на нечётность</translation>
    </message>
    <message>
        <source>mark parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>бит чётности 1 (mark)</translation>
    </message>
    <message>
        <source>space parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>бит чётности 0 (space)</translation>
    </message>
    <message>
        <source>no parity</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>без контроля чётности</translation>
    </message>
    <message>
        <source>Port %1 is already open.</source>
        <translation>Порт %1 уже открыт.</translation>
    </message>
    <message>
        <source>%1 is not a valid port number: ports are numbered from 1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 — недопустимый номер порта: порты нумеруются с 1. %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; are not valid line settings: expected baud, parity (n, e, o, m, s), data bits (5 to 8) and stop bits (1, 1.5, 2), such as &quot;2400,n,8,1&quot;.</source>
        <extracomment>The letters n, e, o, m and s are typed as they are, in any language.</extracomment>
        <translation>«%1» — недопустимые параметры линии: ожидаются скорость в бодах, чётность (n, e, o, m, s), биты данных (от 5 до 8) и стоповые биты (1, 1.5, 2), например «2400,n,8,1».</translation>
    </message>
    <message>
        <source>Writing to port %1 failed: %2. Check that the device is still connected and switched on.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Не удалось записать в порт %1: %2. Проверьте, что устройство по-прежнему подключено и включено.</translation>
    </message>
    <message>
        <source>There is no port %1. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>Порта %1 нет. %2</translation>
    </message>
    <message>
        <source>Port %1 names %2, which is not there (any more): the device may have been unplugged. %3</source>
        <extracomment>%3 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>Порт %1 указывает на %2, которого нет (или уже нет): возможно, устройство отключили. %3</translation>
    </message>
    <message>
        <source>%1 is not there (any more): the device may have been unplugged. %2</source>
        <extracomment>%2 is a sentence that lists the ports there are, or says there are none.</extracomment>
        <translation>%1 нет (или уже нет): возможно, устройство отключили. %2</translation>
    </message>
    <message>
        <source>Port %1 is in use by another program. Close that program and try again (a modem just plugged in can be held for a few seconds while the system probes it), or choose another port.</source>
        <translation>Порт %1 занят другой программой. Закройте её и попробуйте снова (только что подключённый модем может быть занят несколько секунд, пока система его опрашивает) или выберите другой порт.</translation>
    </message>
    <message>
        <source>You may not open port %1: only members of the group &quot;%2&quot; may. Add your user to that group (on Debian: sudo adduser $USER %2), then log out and in again.</source>
        <translation>Вам нельзя открыть порт %1: это разрешено только членам группы «%2». Добавьте своего пользователя в эту группу (в Debian: sudo adduser $USER %2), затем выйдите из системы и войдите снова.</translation>
    </message>
    <message>
        <source>You may not open port %1: only its owner &quot;%2&quot; may. Ask the administrator of this computer for access to it.</source>
        <translation>Вам нельзя открыть порт %1: это разрешено только его владельцу «%2». Попросите доступ у администратора этого компьютера.</translation>
    </message>
    <message>
        <source>Port %1 refuses the line settings &quot;%2&quot;: %3. Check that it is a serial port.</source>
        <extracomment>%3 is the system&apos;s reason.</extracomment>
        <translation>Порт %1 не принимает параметры линии «%2»: %3. Проверьте, что это последовательный порт.</translation>
    </message>
    <message>
        <source>Port %1 could not be opened: %2. Check that it is a serial port.</source>
        <extracomment>%2 is the system&apos;s reason.</extracomment>
        <translation>Не удалось открыть порт %1: %2. Проверьте, что это последовательный порт.</translation>
    </message>
    <message>
        <source>Port %1 went away while it was open: the device was unplugged or switched off. Plug it back in, then start ModemPad again.</source>
        <translation>Порт %1 пропал, пока был открыт: устройство отключили или выключили. Подключите его снова, затем перезапустите ModemPad.</translation>
    </message>
    <message>
        <source>Port %1 is not open. Press Connect first.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Порт %1 не открыт. Сначала нажмите Connect.</translation>
    </message>
    <message>
        <source>Port %1 refuses %2 (settings &quot;%3&quot;): %4. Check that it is a serial port whose driver supports that.</source>
        <extracomment>%2 is what was refused, such as &quot;2400 baud&quot; or &quot;even parity&quot;; %4 is the system&apos;s reason.</extracomment>
        <translation>Порт %1 не принимает настройку «%2» (параметры «%3»): %4. Проверьте, что это последовательный порт, драйвер которого это поддерживает.</translation>
    </message>
    <message>
        <source>%1 baud</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>%1 бод</translation>
    </message>
    <message>
        <source>1.5 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1,5 стоповых бита</translation>
    </message>
    <message>
        <source>RTS/CTS flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>управление потоком RTS/CTS</translation>
    </message>
    <message>
        <source>XON/XOFF flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>управление потоком XON/XOFF</translation>
    </message>
    <message>
        <source>no flow control</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>без управления потоком</translation>
    </message>
    <message>
        <source>Port %1 refuses to set its %2 line: %3. Check that it is a serial port.</source>
        <extracomment>%2 names a wire of the serial line, DTR or RTS; %3 is the system&apos;s reason.</extracomment>
        <translation>Порт %1 не позволяет установить линию %2: %3. Проверьте, что это последовательный порт.</translation>
    </message>
    <message>
        <source>1 stop bit</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>1 стоповый бит</translation>
    </message>
    <message>
        <source>2 stop bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;.</extracomment>
        <translation>2 стоповых бита</translation>
    </message>
    <message>
        <source>%1 data bits</source>
        <extracomment>What a port refused, put into &quot;Port %1 refuses %2 (settings ...)&quot;; %1 is 5 to 8.</extracomment>
        <translation>%1 бит данных</translation>
    </message>
    <message>
        <source>Port %1 is marked as taken by the lock file %2, left by process %3, which has ended. The file belongs to the user &quot;%4&quot;, so ModemPad may not remove it: ask that user or the administrator of this computer to remove it (sudo rm %2), then try again.</source>
        <extracomment>%2 is the lock file&apos;s path, %3 the number of the process that left it, %4 the user who owns the file.</extracomment>
        <translation>Порт %1 помечен как занятый файлом блокировки %2, который оставил уже завершившийся процесс %3. Файл принадлежит пользователю «%4», поэтому ModemPad не может его удалить: попросите этого пользователя или администратора этого компьютера удалить его (sudo rm %2), затем попробуйте снова.</translation>
    </message>
    <message>
        <source>Port %1 cannot be locked for ModemPad&apos;s use: the name of its lock file, %2, is longer than this system allows. Give the device a shorter name.</source>
        <extracomment>%2 is the lock file&apos;s path.</extracomment>
        <translation>Не удаётся заблокировать порт %1 для ModemPad: имя его файла блокировки, %2, длиннее, чем допускает эта система. Дайте устройству более короткое имя.</translation>
    </message>
    <message>
        <source>No port is open. Type the port&apos;s number or its device&apos;s path, then press Connect.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Ни один порт не открыт. Введите номер порта или путь к его устройству, затем нажмите Connect.</translation>
    </message>
</context>
<context>
    <name>FailurePolicy</name>
    <message>
        <source>Error %1

%2</source>
        <extracomment>The message box after a failure: %1 is the error&apos;s number, %2 says what went wrong and what to do.</extracomment>
        <translation>Ошибка %1

%2</translation>
    </message>
</context>
<context>
    <name>Form1</name>
    <message>
        <source>Announces the message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>Объявляет сообщение %1:
%2</translation>
    </message>
    <message>
        <source>The message %1:
%2</source>
        <extracomment>%1 says where the message goes and how, such as &quot;to +447700900123 in the GSM 7-bit alphabet, 13 septets&quot;; %2 is the message&apos;s text, on a line of its own.</extracomment>
        <translation>Сообщение %1:
%2</translation>
    </message>
    <message>
        <source>Modem log</source>
        <extracomment>The name a screen reader gives the box where the modem&apos;s answers show.</extracomment>
        <translation>Журнал модема</translation>
    </message>
    <message>
        <source>The number of the serial port to open, or the path of its device.</source>
        <extracomment>The tooltip of the box where the port is typed; the ports present follow it, one a line.</extracomment>
        <translation>Номер последовательного порта, который нужно открыть, или путь к его устройству.</translation>
    </message>
    <message>
        <source>No serial ports are present now.</source>
        <translation>Сейчас нет ни одного последовательного порта.</translation>
    </message>
    <message>
        <source>Everything the modem sends, each piece after one blank. Every byte is shown: line breaks as new lines, other control characters as picture symbols where the font has them, bytes from 0x80 up and the other control characters as two hexadecimal digits in angle brackets.</source>
        <translation>Всё, что присылает модем, каждая порция после одного пробела. Виден каждый байт: переводы строк — как новые строки, прочие управляющие символы — как значки, если они есть в шрифте, байты от 0x80 и остальные управляющие символы — как две шестнадцатеричные цифры в угловых скобках.</translation>
    </message>
</context>
<context>
    <name>ModemCommands</name>
    <message>
        <source>Writes &quot;%1&quot; followed by %2</source>
        <extracomment>A button&apos;s tooltip: %1 is what it writes to the modem, %2 the control characters after that, &quot;CR LF&quot; or &quot;Ctrl-Z&quot;, which keep their names.</extracomment>
        <translation>Записывает «%1», а затем %2</translation>
    </message>
    <message numerus="yes">
        <source>to %1 in the GSM 7-bit alphabet, %n septet(s)</source>
        <extracomment>Where a message goes and how its text is sent, put into &quot;The message %1:&quot;; %1 is the phone number.</extracomment>
        <translation>
            <numerusform>на %1 в 7-битном алфавите GSM, %n септет</numerusform>
            <numerusform>на %1 в 7-битном алфавите GSM, %n септета</numerusform>
            <numerusform>на %1 в 7-битном алфавите GSM, %n септетов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>to %1 in UCS2, %n UTF-16 unit(s)</source>
        <extracomment>As above, for a text sent in UCS2, the 16-bit coding.</extracomment>
        <translation>
            <numerusform>на %1 в UCS2, %n единица UTF-16</numerusform>
            <numerusform>на %1 в UCS2, %n единицы UTF-16</numerusform>
            <numerusform>на %1 в UCS2, %n единиц UTF-16</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>PortNumber</name>
    <message>
        <source>&quot;%1&quot; is not a port number. Type a whole number, such as 1, or a device&apos;s path, such as %2.</source>
        <translation>«%1» — не номер порта. Введите целое число, например 1, или путь к устройству, например %2.</translation>
    </message>
    <message>
        <source>Port number %1 is out of range. Port numbers go from 1 to 32767.</source>
        <translation>Номер порта %1 вне допустимого диапазона. Номера портов — от 1 до 32767.</translation>
    </message>
</context>
<context>
    <name>QtOptions</name>
    <message>
        <source>Taken by Qt (see QGuiApplication).</source>
        <translation>Обрабатывается Qt (см. QGuiApplication).</translation>
    </message>
</context>
<context>
    <name>Setting</name>
    <message>
        <source>&quot;%1&quot; is not a dial string: an optional + and then 1 to %2 digits 0-9, with no blanks or dashes</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>«%1» — не номер для набора: необязательный + и затем от 1 до %2 цифр 0-9, без пробелов и дефисов</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; has %n digit(s), %2 more than the %3 a message&apos;s destination holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>в «%1» %n цифра, на %2 больше, чем %3, которые вмещает адрес получателя сообщения</numerusform>
            <numerusform>в «%1» %n цифры, на %2 больше, чем %3, которые вмещает адрес получателя сообщения</numerusform>
            <numerusform>в «%1» %n цифр, на %2 больше, чем %3, которые вмещает адрес получателя сообщения</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n septet(s) in the GSM 7-bit alphabet, %1 more than the %2 one message holds (each of ^ { } [ ] ~ \ | € takes two)</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>текст занимает %n септет в 7-битном алфавите GSM, на %1 больше, чем %2, которые вмещает одно сообщение (каждый из ^ { } [ ] ~ \ | € занимает два)</numerusform>
            <numerusform>текст занимает %n септета в 7-битном алфавите GSM, на %1 больше, чем %2, которые вмещает одно сообщение (каждый из ^ { } [ ] ~ \ | € занимает два)</numerusform>
            <numerusform>текст занимает %n септетов в 7-битном алфавите GSM, на %1 больше, чем %2, которые вмещает одно сообщение (каждый из ^ { } [ ] ~ \ | € занимает два)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the text takes %n UTF-16 unit(s) in UCS2, %1 more than the %2 one message holds (a character outside the GSM 7-bit alphabet makes it UCS2, where a character beyond U+FFFF, such as an emoji, takes two)</source>
        <translation>
            <numerusform>текст занимает %n единицу UTF-16 в UCS2, на %1 больше, чем %2, которые вмещает одно сообщение (символ вне 7-битного алфавита GSM требует UCS2, где символ за пределами U+FFFF, например эмодзи, занимает две)</numerusform>
            <numerusform>текст занимает %n единицы UTF-16 в UCS2, на %1 больше, чем %2, которые вмещает одно сообщение (символ вне 7-битного алфавита GSM требует UCS2, где символ за пределами U+FFFF, например эмодзи, занимает две)</numerusform>
            <numerusform>текст занимает %n единиц UTF-16 в UCS2, на %1 больше, чем %2, которые вмещает одно сообщение (символ вне 7-битного алфавита GSM требует UCS2, где символ за пределами U+FFFF, например эмодзи, занимает две)</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>«%1» — не скорость линии: нужно целое число бит в секунду, например 9600 или 115200</translation>
    </message>
    <message>
        <source>NUMBER</source>
        <extracomment>What --help shows after --to for its value.</extracomment>
        <translation>НОМЕР</translation>
    </message>
    <message>
        <source>Where the message goes: + and the country code for an international number, or a national number; then digits 0-9 only, at most 20.</source>
        <translation>Куда идёт сообщение: + и код страны для международного номера или национальный номер; далее только цифры 0-9, не более 20.</translation>
    </message>
    <message>
        <source>TEXT</source>
        <extracomment>What --help shows after --text for its value.</extracomment>
        <translation>ТЕКСТ</translation>
    </message>
    <message>
        <source>The message: at most 160 septets in the GSM 7-bit alphabet (each of ^ { } [ ] ~ \ | and the euro sign takes two), or, with any other character, at most 70 UTF-16 units in UCS2 (a character beyond U+FFFF, such as an emoji, takes two).</source>
        <translation>Сообщение: не более 160 септетов в 7-битном алфавите GSM (каждый из ^ { } [ ] ~ \ | и знак евро занимает два) или, с любым другим символом, не более 70 единиц UTF-16 в UCS2 (символ за пределами U+FFFF, например эмодзи, занимает две).</translation>
    </message>
    <message>
        <source>RATE</source>
        <extracomment>What --help shows after --baud for its value.</extracomment>
        <translation>СКОРОСТЬ</translation>
    </message>
    <message>
        <source>The line speed Connect sets, in bits per second: 300 to 4000000, or any other rate the port takes.</source>
        <extracomment>Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Скорость линии, которую устанавливает Connect, в битах в секунду: от 300 до 4000000 или любая другая, которую принимает порт.</translation>
    </message>
    <message>
        <source>PORT</source>
        <extracomment>What --help shows after --port for its value.</extracomment>
        <translation>ПОРТ</translation>
    </message>
    <message>
        <source>The port box&apos;s initial text: a port number, or a device&apos;s path such as /dev/ttyUSB0.</source>
        <extracomment>The port box is the box where the port&apos;s number or device is typed.</extracomment>
        <translation>Начальный текст поля порта: номер порта или путь к устройству, например /dev/ttyUSB0.</translation>
    </message>
    <message numerus="yes">
        <source>the text has %n character(s), far more than the 160 one message holds</source>
        <extracomment>A rule broken, put after the option or the line of the settings file.</extracomment>
        <translation>
            <numerusform>в тексте %n символ, намного больше 160, которые вмещает одно сообщение</numerusform>
            <numerusform>в тексте %n символа, намного больше 160, которые вмещает одно сообщение</numerusform>
            <numerusform>в тексте %n символов, намного больше 160, которые вмещает одно сообщение</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>the port has %n byte(s), more than the %1 a device&apos;s path may have</source>
        <extracomment>A rule broken, put after the option or the line of the settings file. The port is what is typed in the port box: a port number or a device&apos;s path.</extracomment>
        <translation>
            <numerusform>указанный порт занимает %n байт, больше, чем %1, допустимые для пути к устройству</numerusform>
            <numerusform>указанный порт занимает %n байта, больше, чем %1, допустимые для пути к устройству</numerusform>
            <numerusform>указанный порт занимает %n байт, больше, чем %1, допустимые для пути к устройству</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StartOptions</name>
    <message>
        <source>%1 Default: %2, from the settings file.</source>
        <extracomment>An option&apos;s line in --help: %1 says what the option is, %2 is its default.</extracomment>
        <translation>%1 По умолчанию: %2, из файла настроек.</translation>
    </message>
    <message>
        <source>%1 Default: %2.</source>
        <translation>%1 По умолчанию: %2.</translation>
    </message>
    <message>
        <source>The settings file %1 has the key &quot;%2&quot;, which is not a setting: the settings are %3, outside any [group]. Correct or remove that line.</source>
        <extracomment>%3 lists the keys, which stay in English: to, text, baud, port.</extracomment>
        <translation>В файле настроек %1 есть ключ «%2», который не является настройкой: настройки — это %3, вне какой-либо [группы]. Исправьте или удалите эту строку.</translation>
    </message>
    <message>
        <source>The settings file %1 has a comma outside double quotes in the value of %2, which INI reads as a list: put the whole value in double quotes. Correct or remove that line.</source>
        <translation>В файле настроек %1 в значении %2 есть запятая вне двойных кавычек, и INI читает его как список: заключите всё значение в двойные кавычки. Исправьте или удалите эту строку.</translation>
    </message>
    <message>
        <source>The settings file %1 has a bad value for %2: %3. Correct or remove that line.</source>
        <extracomment>%2 is the key; %3 is the rule its value breaks, such as &quot;&quot;x&quot; is not a line speed: a whole number of bits per second, such as 9600 or 115200&quot;.</extracomment>
        <translation>В файле настроек %1 неверное значение %2: %3. Исправьте или удалите эту строку.</translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: check that its lines are of the form key=value.</source>
        <translation>Не удаётся прочитать файл настроек %1: проверьте, что его строки имеют вид ключ=значение.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a regular file (a FIFO or a device, say), so it is not read: put a file in its place, or remove it.</source>
        <translation>Файл настроек %1 не является обычным файлом (например, это FIFO или устройство), поэтому он не читается: поместите на его место файл или удалите его.</translation>
    </message>
    <message numerus="yes">
        <source>The settings file %1 has %n byte(s), more than the %2 any settings take, so it is not read: remove what is not settings.</source>
        <translation>
            <numerusform>Файл настроек %1 занимает %n байт, больше %2, которых хватит для любых настроек, поэтому он не читается: удалите из него всё, что не является настройками.</numerusform>
            <numerusform>Файл настроек %1 занимает %n байта, больше %2, которых хватит для любых настроек, поэтому он не читается: удалите из него всё, что не является настройками.</numerusform>
            <numerusform>Файл настроек %1 занимает %n байт, больше %2, которых хватит для любых настроек, поэтому он не читается: удалите из него всё, что не является настройками.</numerusform>
        </translation>
    </message>
    <message>
        <source>The settings file %1 cannot be read: %2. Check that you may read it.</source>
        <extracomment>%2 is the system&apos;s reason, such as &quot;Permission denied&quot;.</extracomment>
        <translation>Не удаётся прочитать файл настроек %1: %2. Проверьте, что у вас есть право его читать.</translation>
    </message>
    <message>
        <source>The settings file %1 is not in UTF-8: its byte %2, on line %3, is 0x%4. Save it in UTF-8.</source>
        <extracomment>%2 counts bytes from 1, %3 is the line the byte is on, %4 the byte in hexadecimal.</extracomment>
        <translation>Файл настроек %1 не в кодировке UTF-8: его байт %2, в строке %3, равен 0x%4. Сохраните его в UTF-8.</translation>
    </message>
</context>
<context>
    <name>modempad</name>
    <message>
        <source>A window for trying out a GSM modem on a serial port: Connect opens the port, and the buttons below it write the AT commands that send a short message in PDU mode.
Each setting comes from its option, else from the settings file %1, else from the build. Qt&apos;s own options, such as -platform NAME, are taken as well.</source>
        <extracomment>--help&apos;s description; Connect is the caption of the button, which stays in English.</extracomment>
        <translation>Окно для проверки GSM-модема на последовательном порту: Connect открывает порт, а кнопки под ней записывают AT-команды, которые отправляют SMS в режиме PDU.
Каждая настройка берётся из своего параметра, иначе из файла настроек %1, иначе из сборки. Собственные параметры Qt, например -platform ИМЯ, тоже принимаются.</translation>
    </message>
    <message>
        <source>unknown option %1%2: modempad --help lists the options</source>
        <translation>неизвестный параметр %1%2: список параметров выводит modempad --help</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;: modempad takes options only</source>
        <translation>неожиданный аргумент «%1»: modempad принимает только параметры</translation>
    </message>
    <message>
        <source>the value of %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 is the option, such as --text; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>значение %1 не в кодировке UTF-8: его байт %2 равен 0x%3; укажите его в UTF-8</translation>
    </message>
    <message>
        <source>argument %1 is not in UTF-8: its byte %2 is 0x%3; give it in UTF-8</source>
        <extracomment>%1 counts the arguments from 1; %2 counts bytes from 1; %3 is the byte in hexadecimal.</extracomment>
        <translation>аргумент %1 не в кодировке UTF-8: его байт %2 равен 0x%3; укажите его в UTF-8</translation>
    </message>
</context>
<context>
    <name>modempad-demo</name>
    <message>
        <source>--port takes N=PATH with N from 1 to 32767, as in --port 7=/dev/pts/4; got &quot;%1&quot;</source>
        <translation>--port ожидает N=ПУТЬ, где N от 1 до 32767, например --port 7=/dev/pts/4; получено «%1»</translation>
    </message>
    <message>
        <source>--port %1: there is no %2; start what makes it first, such as socat, or give a device that is there</source>
        <translation>--port %1: %2 не существует; сначала запустите то, что его создаёт, например socat, или укажите существующее устройство</translation>
    </message>
    <message>
        <source>ModemPad with a simulated GSM modem behind port 5. Prints the modem&apos;s side of the dialogue. With no display it runs the autopilot. Reads lines such as &quot;sms +447700900456 Hello there&quot; from standard input: a message from that number arrives.</source>
        <translation>ModemPad с имитатором GSM-модема на порту 5. Выводит сторону модема в диалоге. Без дисплея запускает автопилот. Читает со стандартного ввода строки вида «sms +447700900456 Hello there»: приходит сообщение с этого номера.</translation>
    </message>
    <message>
        <source>Run offscreen, press Connect, Command1, Command2 and Command3, and exit 0 only if the modem accepted the message intact.</source>
        <extracomment>The button captions stay in English.</extracomment>
        <translation>Работать без экрана, нажать Connect, Command1, Command2 и Command3 и завершиться с кодом 0, только если модем принял сообщение без искажений.</translation>
    </message>
    <message>
        <source>The modem answers at 2400 baud.</source>
        <translation>Модем отвечает на скорости 2400 бод.</translation>
    </message>
    <message>
        <source>Map port number N to the device PATH; repeatable.</source>
        <extracomment>A port here is a serial port, named by a number, and PATH its device.</extracomment>
        <translation>Сопоставить номер порта N устройству ПУТЬ; можно повторять.</translation>
    </message>
    <message>
        <source>N=PATH</source>
        <extracomment>Keep N and the = sign; PATH is what follows it.</extracomment>
        <translation>N=ПУТЬ</translation>
    </message>
    <message>
        <source>unexpected argument &quot;%1&quot;</source>
        <translation>неожиданный аргумент «%1»</translation>
    </message>
    <message>
        <source>--autopilot checks the message on the simulated modem behind port %1; --port %1=... would take it away</source>
        <translation>--autopilot проверяет сообщение на имитаторе модема на порту %1; --port %1=... отнял бы этот порт</translation>
    </message>
    <message>
        <source>modempad-demo: no pseudo-terminal for the simulated modem: %1</source>
        <translation>modempad-demo: нет псевдотерминала для имитатора модема: %1</translation>
    </message>
    <message>
        <source>simulated modem on port %1 = %2</source>
        <extracomment>%1 is the port&apos;s number, %2 the device behind it.</extracomment>
        <translation>имитатор модема на порту %1 = %2</translation>
    </message>
    <message>
        <source>the second and third buttons send the message %1: %2</source>
        <extracomment>%1 says where the message goes and how; %2 is its text.</extracomment>
        <translation>вторая и третья кнопки отправляют сообщение %1: %2</translation>
    </message>
    <message>
        <source>no display: the autopilot runs the window offscreen</source>
        <translation>нет дисплея: автопилот запускает окно без экрана</translation>
    </message>
</context>
</TS>
