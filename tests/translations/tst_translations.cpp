// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QProcess>
#include <QTest>

#include <memory>

// The real modempad in the language its environment names, as a desktop session starts it:
// --help, and the failure box for a port that is no number, which the box probe presses Connect
// for and reads. modemsim in the same language: its --help and a mistake in an option.
class TestTranslations : public QObject {
    Q_OBJECT

private slots:
    void language_data();
    void language();
};

namespace {

QProcess *start(const QString &lang, const QStringList &arguments,
                const QString &program = QStringLiteral(MODEMPAD_PATH)) {
    auto *modempad = new QProcess;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LANG"), lang);
    environment.insert(QStringLiteral("QT_PLUGIN_PATH"), QStringLiteral(BOXPROBE_PLUGIN_PATH));
    environment.insert(QStringLiteral("QT_QPA_GENERIC_PLUGINS"), QStringLiteral("boxprobe"));
    modempad->setProcessEnvironment(environment);
    modempad->start(program, arguments);
    return modempad;
}

} // namespace

void TestTranslations::language_data() {
    QTest::addColumn<QString>("lang");
    // How --help starts, %1 the program's path, and the failure box: title, text, buttons.
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("box");
    // modemsim's --help after its usage line, and what it says to --puk 12.
    QTest::addColumn<QString>("simHelp");
    QTest::addColumn<QString>("simMistake");

    QTest::newRow("C") << "C"
                       << "Usage: %1 [options]\nA window for trying out a GSM modem"
                       << "ModemPad\nError 1\n\n\"x\" is not a port number. Type a whole number, "
                          "such as 1, or a device's path, such as /dev/ttyUSB0.\nOK"
                       << "A simulated GSM modem that takes AT commands"
                       << "modemsim: --puk takes 8 digits, not \"12\".\n";
    QTest::newRow("German")
        << "de_DE.UTF-8"
        << "Aufruf: %1 [Optionen]\nEin Fenster zum Ausprobieren eines GSM-Modems"
        << "ModemPad\nFehler 1\n\n„x“ ist keine Portnummer. Geben Sie eine ganze "
           "Zahl ein, wie 1, oder den Pfad eines Geräts, wie /dev/ttyUSB0.\nOK"
        << "Ein simuliertes GSM-Modem, das AT-Befehle"
        << "modemsim: --puk nimmt 8 Ziffern, nicht „12“.\n";
    QTest::newRow("Chinese") << "zh_CN.UTF-8"
                             << "用法：%1 [选项]\n用于在串口上试用 GSM 调制解调器"
                             << "ModemPad\n错误 1\n\n“x”不是端口号。请输入一个整数（如 1）或设备"
                                "路径（如 /dev/ttyUSB0）。\n确定"
                             << "一个模拟的 GSM 调制解调器"
                             << "modemsim: --puk 接受 8 位数字，而不是“12”。\n";
}

void TestTranslations::language() {
    QFETCH(QString, lang);
    QFETCH(QString, help);
    QFETCH(QString, box);

    const std::unique_ptr<QProcess> helped(start(lang, {QStringLiteral("--help")}));
    QVERIFY(helped->waitForFinished(-1));
    QCOMPARE(helped->exitCode(), 0);
    const QString helpText = QString::fromUtf8(helped->readAllStandardOutput());
    QVERIFY2(helpText.startsWith(help.arg(QStringLiteral(MODEMPAD_PATH))), qPrintable(helpText));

    const std::unique_ptr<QProcess> failed(
        start(lang, {QStringLiteral("--port"), QStringLiteral("x")}));
    QVERIFY(failed->waitForFinished(-1));
    QCOMPARE(failed->exitCode(), 1);
    QCOMPARE(QString::fromUtf8(failed->readAllStandardOutput()), box);

    QFETCH(QString, simHelp);
    QFETCH(QString, simMistake);
    const QString modemsim = QStringLiteral(MODEMSIM_PATH);
    const std::unique_ptr<QProcess> simHelped(start(lang, {QStringLiteral("--help")}, modemsim));
    QVERIFY(simHelped->waitForFinished(-1));
    const QString simHelpText = QString::fromUtf8(simHelped->readAllStandardOutput());
    QVERIFY2(simHelpText.section(u'\n', 1).startsWith(simHelp), qPrintable(simHelpText));
    const std::unique_ptr<QProcess> mistaken(
        start(lang, {QStringLiteral("--puk"), QStringLiteral("12")}, modemsim));
    QVERIFY(mistaken->waitForFinished(-1));
    QCOMPARE(mistaken->exitCode(), 2);
    QCOMPARE(QString::fromUtf8(mistaken->readAllStandardError()), simMistake);
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
