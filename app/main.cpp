#include "form1.h"

#include <QApplication>

int main(int argc, char *argv[]) {
    QApplication app(argc, argv);
    // Lets a Wayland desktop match the window to modempad.desktop, and so show its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("modempad"));
    Form1 form;
    form.show();
    return app.exec();
}
