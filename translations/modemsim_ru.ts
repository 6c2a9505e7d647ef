<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>modemsim</name>
    <message>
        <source>modemsim: line lost: %1</source>
        <translation>modemsim: линия потеряна: %1</translation>
    </message>
    <message>
        <source>Answer at 2400 baud, as a real line does.</source>
        <extracomment>A line: the serial connection to a modem.</extracomment>
        <translation>Отвечать на скорости 2400 бод, как настоящая линия.</translation>
    </message>
    <message>
        <source>The SIM asks for this PIN, 4 to 8 digits.</source>
        <translation>SIM-карта запрашивает этот PIN-код из 4–8 цифр.</translation>
    </message>
    <message>
        <source>The PUK that unblocks the SIM after three wrong PINs, 8 digits; 12345678 unless given.</source>
        <translation>PUK-код, который разблокирует SIM-карту после трёх неверных PIN-кодов, 8 цифр; по умолчанию 12345678.</translation>
    </message>
    <message>
        <source>How the network starts: off, home (unless given), roaming, denied or searching.</source>
        <translation>Начальное состояние сети: off, home (по умолчанию), roaming, denied или searching.</translation>
    </message>
    <message>
        <source>The signal strength +CSQ reports, 0 to 31 (21 unless given) or 99.</source>
        <translation>Уровень сигнала, который сообщает +CSQ: от 0 до 31 (по умолчанию 21) или 99.</translation>
    </message>
    <message>
        <source>Every answer waits this long first, such as 300ms or 2s.</source>
        <translation>Каждый ответ сначала ждёт столько времени, например 300ms или 2s.</translation>
    </message>
    <message>
        <source>How long after a message that asks for one its status report comes, saying delivered, such as 500ms or 10s (1s unless given); never: only when a &quot;report&quot; line decides it.</source>
        <translation>Через сколько времени после сообщения, запросившего отчёт о доставке, этот отчёт приходит со статусом «доставлено», например 500ms или 10s (по умолчанию 1s); never: только когда это решает строка «report».</translation>
    </message>
    <message>
        <source>Play the lines of FILE, the control language with its waits, from the start; standard input works alongside.</source>
        <translation>Воспроизвести строки файла FILE на языке управления, с его паузами, с самого начала; стандартный ввод работает параллельно.</translation>
    </message>
    <message>
        <source>Start N modems on one network, 1 (unless given) to 256, each on its own pseudo-terminal, with its own number and identity; a message to one&apos;s number reaches it.</source>
        <translation>Запустить N модемов в одной сети, от 1 (по умолчанию) до 256, каждый на своём псевдотерминале, со своим номером и идентификаторами; сообщение на номер модема доходит до него.</translation>
    </message>
    <message>
        <source>Also put modem 1 on TCP port PORT, modem 2 on PORT+1 and so on; raw bytes, one client at a time. HOST is 127.0.0.1 unless given; the port has no authentication. Port 0: ports the system chooses.</source>
        <extracomment>TCP ports; PORT and HOST are the option&apos;s value as typed, not translated.</extracomment>
        <translation>Также открыть модем 1 на TCP-порту PORT, модем 2 на PORT+1 и так далее; байты без обработки, один клиент одновременно. HOST по умолчанию 127.0.0.1; порт не требует аутентификации. Порт 0: порты выбирает система.</translation>
    </message>
    <message>
        <source>The SIM&apos;s number of modem K, or of modem 1, from which the others&apos; are derived; may be repeated.</source>
        <translation>Номер SIM-карты модема K или модема 1, из которого выводятся номера остальных; можно указывать несколько раз.</translation>
    </message>
    <message>
        <source>The IMEI of modem K, or of modem 1, as --number.</source>
        <translation>IMEI модема K или модема 1, как у --number.</translation>
    </message>
    <message>
        <source>The IMSI of modem K, or of modem 1, as --number.</source>
        <translation>IMSI модема K или модема 1, как у --number.</translation>
    </message>
    <message>
        <source>The SIM&apos;s serial number that +CCID, +ICCID and +CRSM give, of modem K or of modem 1, as --number: 89 and 17 or 18 more digits, the last a Luhn check digit; 8900101012345678904 unless given.</source>
        <translation>Серийный номер SIM-карты (ICCID), который выдают +CCID, +ICCID и +CRSM, модема K или модема 1, как у --number: 89 и ещё 17 или 18 цифр, последняя — контрольная цифра Луна; по умолчанию 8900101012345678904.</translation>
    </message>
    <message>
        <source>--modems takes 1 to %1, not &quot;%2&quot;.</source>
        <translation>--modems принимает число от 1 до %1, а не «%2».</translation>
    </message>
    <message>
        <source>A device takes one modem: leave out --modems or the device.</source>
        <translation>Устройству соответствует один модем: уберите --modems или устройство.</translation>
    </message>
    <message>
        <source>--listen takes [HOST:]PORT, HOST an IP address, with a port for every modem up to 65535; not &quot;%1&quot;.</source>
        <translation>--listen принимает [HOST:]PORT, где HOST — IP-адрес, и порт для каждого модема должен быть не больше 65535; а не «%1».</translation>
    </message>
    <message>
        <source>--%1 %2: there is no modem %3.</source>
        <translation>--%1 %2: модема %3 нет.</translation>
    </message>
    <message>
        <source>--%1 takes %2; not &quot;%3&quot;.</source>
        <translation>--%1 принимает %2; а не «%3».</translation>
    </message>
    <message>
        <source>Modems %1 and %2 would both have the number %3: give one another with --number %2:NUMBER.</source>
        <translation>У модемов %1 и %2 оказался бы один и тот же номер %3: задайте одному из них другой с помощью --number %2:NUMBER.</translation>
    </message>
    <message>
        <source>--puk takes 8 digits, not &quot;%1&quot;.</source>
        <translation>--puk принимает 8 цифр, а не «%1».</translation>
    </message>
    <message>
        <source>--report-delay takes a duration such as 500ms or 10s, a day at most, or never; not &quot;%1&quot;.</source>
        <translation>--report-delay принимает длительность, например 500ms или 10s, не больше суток, или never; а не «%1».</translation>
    </message>
    <message>
        <source>A simulated GSM modem that takes AT commands and SMS in PDU and text mode. Prints the device to open, then the dialogue. Reads lines of its control language from standard input and a script, such as &quot;sms +447700900456 Hello there&quot; (a message from that number arrives) or &quot;network off&quot;; &quot;help&quot; lists them.</source>
        <translation>Имитация GSM-модема, принимающая AT-команды и SMS в режимах PDU и текста. Выводит устройство, которое нужно открыть, а затем диалог. Читает строки своего языка управления со стандартного ввода и из сценария, например «sms +447700900456 Hello there» (приходит сообщение с этого номера) или «network off»; «help» выводит их список.</translation>
    </message>
    <message>
        <source>A device to answer on instead of a new pseudo-terminal.</source>
        <translation>Устройство, на котором отвечать вместо нового псевдотерминала.</translation>
    </message>
    <message>
        <source>Give one device at most.</source>
        <translation>Укажите не больше одного устройства.</translation>
    </message>
    <message>
        <source>Cannot open a pseudo-terminal: %1</source>
        <translation>Не удаётся открыть псевдотерминал: %1</translation>
    </message>
    <message>
        <source>Cannot open %1: %2</source>
        <extracomment>%1 is a device&apos;s path, %2 the system&apos;s reason.</extracomment>
        <translation>Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>Cannot listen on %1 port %2: %3</source>
        <extracomment>%1 is an IP address, %2 a TCP port number, %3 the system&apos;s reason.</extracomment>
        <translation>Не удаётся прослушивать %1, порт %2: %3</translation>
    </message>
    <message>
        <source>Cannot read the script %1: there is no such file.</source>
        <translation>Не удаётся прочитать сценарий %1: такого файла нет.</translation>
    </message>
    <message>
        <source>The script %1 is not a regular file; give a file of lines.</source>
        <translation>Сценарий %1 — не обычный файл; укажите файл со строками.</translation>
    </message>
    <message>
        <source>The script %1 has %2 bytes, more than the %3 a script may have.</source>
        <translation>Размер сценария %1 — %2 Б, больше допустимых для сценария %3 Б.</translation>
    </message>
    <message>
        <source>Cannot read the script %1: %2</source>
        <translation>Не удаётся прочитать сценарий %1: %2</translation>
    </message>
    <message>
        <source>The script goes on past %1 bytes.</source>
        <translation>Сценарий длиннее %1 Б.</translation>
    </message>
    <message>
        <source>A line is over %1 bytes.</source>
        <translation>Строка длиннее %1 Б.</translation>
    </message>
    <message>
        <source>3 to 15 digits, with a + before an international number</source>
        <translation>От 3 до 15 цифр, с + перед международным номером</translation>
    </message>
    <message>
        <source>15 digits, the last a Luhn check digit</source>
        <translation>15 цифр, последняя — контрольная цифра Луна</translation>
    </message>
    <message>
        <source>6 to 15 digits</source>
        <translation>От 6 до 15 цифр</translation>
    </message>
    <message>
        <source>89 and 17 or 18 more digits, the last a Luhn check digit</source>
        <translation>89 и ещё 17 или 18 цифр, последняя — контрольная цифра Луна</translation>
    </message>
</context>
</TS>
