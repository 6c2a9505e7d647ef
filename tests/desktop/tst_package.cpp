// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>

namespace {

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString &program, const QStringList &arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    process.waitForFinished(-1);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromLocal8Bit(process.readAll())};
}

} // namespace

// The Debian package as a person installs it: built by CPack from this build, then unpacked
// into a root of its own.
class TestPackage : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void dependencies_data();
    void dependencies();
    void desktopEntry();
    void icons();
    void lintian();
    void appstream();
    void commandLines_data();
    void commandLines();

private:
    QString m_dpkgDeb;
    QTemporaryDir m_work;
    QString m_package;
    QDir m_root;
};

void TestPackage::initTestCase() {
    m_dpkgDeb = QStandardPaths::findExecutable(QStringLiteral("dpkg-deb"));
    if (m_dpkgDeb.isEmpty())
        QSKIP("No dpkg-deb: this is not a Debian system, so there is no .deb to check.");
    QVERIFY(m_work.isValid());

    const Run cpack =
        run(QStringLiteral(MODEMPAD_CPACK),
            {QStringLiteral("--config"), QStringLiteral(MODEMPAD_CPACK_CONFIG),
             QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("-B"), m_work.path()});
    QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.output));

    const QStringList packages = QDir(m_work.path()).entryList({QStringLiteral("*.deb")});
    QCOMPARE(packages.size(), 1);
    m_package = m_work.filePath(packages.first());
    m_root.setPath(m_work.filePath(QStringLiteral("root")));
    const Run unpack = run(m_dpkgDeb, {QStringLiteral("-x"), m_package, m_root.path()});
    QVERIFY2(unpack.exitCode == 0, qPrintable(unpack.output));
}

void TestPackage::installedFiles_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");

    QTest::newRow("window") << "usr/bin/modempad" << true;
    QTest::newRow("demo") << "usr/bin/modempad-demo" << true;
    QTest::newRow("simulated modem") << "usr/bin/modemsim" << true;
    QTest::newRow("desktop entry")
        << "usr/share/applications/org.example.ModemPad.desktop" << false;
    QTest::newRow("AppStream metadata")
        << "usr/share/metainfo/org.example.ModemPad.metainfo.xml" << false;
    QTest::newRow("icon") << "usr/share/icons/hicolor/scalable/apps/modempad.svg" << false;
    QTest::newRow("icon for menus without SVG")
        << "usr/share/icons/hicolor/256x256/apps/modempad.png" << false;
    QTest::newRow("manual of the window") << "usr/share/man/man1/modempad.1.gz" << false;
    QTest::newRow("manual of the demo") << "usr/share/man/man1/modempad-demo.1.gz" << false;
    QTest::newRow("manual of the simulated modem") << "usr/share/man/man1/modemsim.1.gz" << false;
    QTest::newRow("licence") << "usr/share/doc/modempad/copyright" << false;
    QTest::newRow("changelog") << "usr/share/doc/modempad/changelog.gz" << false;
}

void TestPackage::installedFiles() {
    QFETCH(QString, path);
    QFETCH(bool, executable);

    const QFileInfo file(m_root.filePath(path));
    QVERIFY2(file.isFile(), qPrintable(path));
    QCOMPARE(file.isExecutable(), executable);
    QCOMPARE(file.permissions() & QFile::WriteOther, QFile::Permissions());
}

void TestPackage::dependencies_data() {
    QTest::addColumn<QString>("package");

    // Each library the executables link, so a hand-written list that missed one fails here.
    QTest::newRow("C library") << "libc6";
    QTest::newRow("C++ library") << "libstdc++6";
    QTest::newRow("Qt Core") << "libqt6core6";
    QTest::newRow("Qt GUI") << "libqt6gui6";
    QTest::newRow("Qt Widgets") << "libqt6widgets6";
    QTest::newRow("Qt Serial Port") << "libqt6serialport6";
}

void TestPackage::dependencies() {
    QFETCH(QString, package);

    const Run fields = run(m_dpkgDeb, {QStringLiteral("-f"), m_package, QStringLiteral("Depends")});
    QCOMPARE(fields.exitCode, 0);
    // dpkg-shlibdeps gives each library the lowest version that has the symbols used.
    const QRegularExpression versioned(
        QStringLiteral("(^|, )%1(:\\w+)? \\(>= [^)]+\\)").arg(QRegularExpression::escape(package)));
    QVERIFY2(versioned.match(fields.output).hasMatch(), qPrintable(fields.output));
}

void TestPackage::desktopEntry() {
    const QString entry =
        m_root.filePath(QStringLiteral("usr/share/applications/org.example.ModemPad.desktop"));
    const QString validator =
        QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate"));
    QVERIFY2(!validator.isEmpty(), "desktop-file-validate is missing: apt-get install "
                                   "desktop-file-utils (./dev does).");
    const Run validation = run(validator, {entry});
    QVERIFY2(validation.exitCode == 0, qPrintable(validation.output));
    QVERIFY2(!validation.output.contains(QStringLiteral("warning:")),
             qPrintable(validation.output));

    QSettings desktop(entry, QSettings::IniFormat);
    desktop.beginGroup(QStringLiteral("Desktop Entry"));
    QCOMPARE(desktop.value(QStringLiteral("Name")).toString(), QStringLiteral("ModemPad"));
    // What the menu starts and shows must be in the package under those names.
    const QString command = desktop.value(QStringLiteral("Exec")).toString().section(' ', 0, 0);
    QVERIFY(QFileInfo(m_root.filePath(QStringLiteral("usr/bin/") + command)).isExecutable());
    const QString icon = desktop.value(QStringLiteral("Icon")).toString();
    QVERIFY(QFileInfo::exists(
        m_root.filePath(QStringLiteral("usr/share/icons/hicolor/scalable/apps/%1.svg").arg(icon))));
    QVERIFY(QFileInfo::exists(
        m_root.filePath(QStringLiteral("usr/share/icons/hicolor/256x256/apps/%1.png").arg(icon))));
}

void TestPackage::icons() {
    const QImage png(
        m_root.filePath(QStringLiteral("usr/share/icons/hicolor/256x256/apps/modempad.png")));
    // The hicolor theme finds an icon by the size of the folder it is in.
    QCOMPARE(png.size(), QSize(256, 256));
    QVERIFY(png.hasAlphaChannel());
    QCOMPARE(qAlpha(png.pixel(0, 0)), 0);

    QFile svg(
        m_root.filePath(QStringLiteral("usr/share/icons/hicolor/scalable/apps/modempad.svg")));
    QVERIFY(svg.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&svg);
    QVERIFY(xml.readNextStartElement());
    QCOMPARE(xml.name(), QStringLiteral("svg"));
    while (!xml.atEnd())
        xml.readNext();
    QVERIFY2(!xml.hasError(), qPrintable(xml.errorString()));
}

void TestPackage::lintian() {
    const QString lintian = QStandardPaths::findExecutable(QStringLiteral("lintian"));
    QVERIFY2(!lintian.isEmpty(), "lintian is missing: apt-get install lintian (./dev test does).");
    // Informational tags are advice, not faults. Run as root, lintian says that it would rather
    // not be, which is harmless.
    const Run check =
        run(lintian, {QStringLiteral("--fail-on"), QStringLiteral("error,warning"), m_package});
    QVERIFY2(check.exitCode == 0, qPrintable(check.output));
}

void TestPackage::appstream() {
    const QString appstreamcli = QStandardPaths::findExecutable(QStringLiteral("appstreamcli"));
    QVERIFY2(!appstreamcli.isEmpty(),
             "appstreamcli is missing: apt-get install appstream (./dev test does).");
    // As installed, so that the metadata is checked against the desktop entry beside it; a
    // warning fails it as an error does.
    const Run check = run(
        appstreamcli, {QStringLiteral("validate-tree"), QStringLiteral("--no-net"), m_root.path()});
    QVERIFY2(check.exitCode == 0, qPrintable(check.output));
}

void TestPackage::commandLines_data() {
    QTest::addColumn<QString>("program");

    QTest::newRow("window") << "modempad";
    QTest::newRow("demo") << "modempad-demo";
    QTest::newRow("simulated modem") << "modemsim";
}

void TestPackage::commandLines() {
    QFETCH(QString, program);

    const QString path = m_root.filePath(QStringLiteral("usr/bin/") + program);
    // Outside a login session, as under su -, nothing but the answer: no window system starts.
    qunsetenv("XDG_RUNTIME_DIR");
    const Run version = run(path, {QStringLiteral("--version")});
    QCOMPARE(version.exitCode, 0);
    QCOMPARE(version.output, program + u' ' + QStringLiteral(MODEMPAD_VERSION "\n"));

    // Every option the program offers is in its manual page.
    const Run manual =
        run(QStringLiteral("gzip"),
            {QStringLiteral("-dc"),
             m_root.filePath(QStringLiteral("usr/share/man/man1/%1.1.gz").arg(program))});
    QCOMPARE(manual.exitCode, 0);
    const Run help = run(path, {QStringLiteral("--help")});
    QCOMPARE(help.exitCode, 0);
    QVERIFY2(help.output.startsWith(QStringLiteral("Usage: ")), qPrintable(help.output));
    static const QRegularExpression Option(QStringLiteral("^  (?:-\\w, )?--([\\w-]+)"),
                                           QRegularExpression::MultilineOption);
    int options = 0;
    for (const QRegularExpressionMatch &match : Option.globalMatch(help.output)) {
        const QString option = QStringLiteral("\\-\\-") + match.captured(1).replace(u'-', "\\-");
        QVERIFY2(manual.output.contains(option), qPrintable(option));
        ++options;
    }
    QVERIFY(options >= 4);
}

QTEST_MAIN(TestPackage)
#include "tst_package.moc"
