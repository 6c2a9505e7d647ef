// SPDX-FileCopyrightText: 2026 ModemPad developers <modempad@example.org>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include <QLabel>
#include <QPushButton>
#include <QStyleOptionButton>
#include <QTest>

namespace {

// What the screen is set to: QT_FONT_DPI, as each run of this test is started with.
int screenDpi() {
    const int forced = qEnvironmentVariableIntValue("QT_FONT_DPI");
    return forced > 0 ? forced : 96;
}

} // namespace

// The window at the resolution of the run: every control keeps the physical size of its
// layout in twips, and no caption is cut off.
class TestHiDpi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void physicalGeometry_data();
    void physicalGeometry();
    void captionsFit_data();
    void captionsFit();
    void screenshot();

private:
    Form1 m_form;
};

void TestHiDpi::initTestCase() {
    m_form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m_form));
    // Qt 6.4 on the offscreen platform turns a forced font DPI into a device pixel ratio of
    // DPI / 96 at a logical 96 DPI, or, with high-DPI scaling off, into the logical DPI itself;
    // either way the product is the resolution the run asked for.
    QCOMPARE(m_form.logicalDpiX() * m_form.devicePixelRatioF(), qreal(screenDpi()));
}

void TestHiDpi::physicalGeometry_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("twips");

    QTest::newRow("client area") << QString() << QRect(0, 0, 7230, 5625);
    QTest::newRow("Label1") << "Label1" << QRect(120, 120, 1455, 255);
    QTest::newRow("txtPort") << "txtPort" << QRect(120, 480, 1575, 285);
    QTest::newRow("Connect") << "Connect" << QRect(2520, 360, 1335, 615);
    QTest::newRow("Text1") << "Text1" << QRect(120, 1080, 1575, 2055);
    QTest::newRow("Command1") << "Command1" << QRect(2520, 1800, 1335, 615);
    QTest::newRow("Command2") << "Command2" << QRect(2520, 2520, 1335, 615);
    QTest::newRow("Command3") << "Command3" << QRect(2520, 3240, 1335, 615);
    QTest::newRow("Command4") << "Command4" << QRect(2520, 3960, 1335, 615);
}

void TestHiDpi::physicalGeometry() {
    QFETCH(QString, name);
    QFETCH(QRect, twips);

    const QWidget *control = name.isEmpty() ? &m_form : m_form.findChild<QWidget *>(name);
    QVERIFY(control);
    const QRect logical(control->mapTo(&m_form, QPoint(0, 0)), control->size());
    const qreal ratio = m_form.devicePixelRatioF();
    const qreal perTwip = screenDpi() / 1440.0;
    const auto near = [](qreal physical, qreal expected) { return qAbs(physical - expected) <= 1; };
    QVERIFY2(
        near(logical.x() * ratio, twips.x() * perTwip) &&
            near(logical.y() * ratio, twips.y() * perTwip) &&
            near(logical.width() * ratio, twips.width() * perTwip) &&
            near(logical.height() * ratio, twips.height() * perTwip),
        qPrintable(QStringLiteral("%1 x %2 at (%3, %4) physical pixels, want %5 x %6 at (%7, %8)")
                       .arg(logical.width() * ratio)
                       .arg(logical.height() * ratio)
                       .arg(logical.x() * ratio)
                       .arg(logical.y() * ratio)
                       .arg(twips.width() * perTwip)
                       .arg(twips.height() * perTwip)
                       .arg(twips.x() * perTwip)
                       .arg(twips.y() * perTwip)));
}

void TestHiDpi::captionsFit_data() {
    QTest::addColumn<QString>("name");

    for (const char *name : {"Label1", "Connect", "Command1", "Command2", "Command3", "Command4"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestHiDpi::captionsFit() {
    QFETCH(QString, name);

    QRect room;
    QString caption;
    if (const auto *button = m_form.findChild<QPushButton *>(name)) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = caption = button->text();
        room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    } else {
        const auto *label = m_form.findChild<QLabel *>(name);
        QVERIFY(label);
        caption = label->text();
        room = label->contentsRect();
    }
    const QRect needed = m_form.fontMetrics().boundingRect(caption);
    QVERIFY2(needed.width() <= room.width() && m_form.fontMetrics().height() <= room.height(),
             qPrintable(QStringLiteral("\"%1\" needs %2 x %3, has %4 x %5")
                            .arg(caption)
                            .arg(needed.width())
                            .arg(m_form.fontMetrics().height())
                            .arg(room.width())
                            .arg(room.height())));
}

void TestHiDpi::screenshot() {
    const QPixmap shot = m_form.grab();
    // A grab has the screen's physical pixels: the whole client area at this resolution.
    const qreal perTwip = screenDpi() / 1440.0;
    QVERIFY(qAbs(shot.width() - 7230 * perTwip) <= 1);
    QVERIFY(qAbs(shot.height() - 5625 * perTwip) <= 1);
    QVERIFY(shot.save(QStringLiteral("form1-%1dpi-%2x%3.png")
                          .arg(screenDpi())
                          .arg(m_form.devicePixelRatioF())
                          .arg(m_form.isRightToLeft() ? "-reverse" : "")));
}

QTEST_MAIN(TestHiDpi)
#include "tst_hidpi.moc"
