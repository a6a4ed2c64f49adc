#include "app/Application.h"

#include <QApplication>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

int main(int argc, char* argv[])
{
#ifdef Q_OS_UNIX
    if (!std::getenv("DISPLAY") && !std::getenv("WAYLAND_DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "Tessellmancery needs a graphical display, and none is available (DISPLAY is not set).\n");
        return 2;
    }
#endif
    QApplication app(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Tessellmancery v2"));
    QApplication::setApplicationName(QStringLiteral("Tessellmancery v2"));
    CApplication application;
    if (!application.Start())
        return 0;
    return app.exec();
}
