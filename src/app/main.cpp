#include "app/Application.h"
#include "app/ApplicationStyle.h"
#include "support/platform/Settings.h"

#include <QApplication>
#include <QFile>
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
    QApplication::setStyle(new CApplicationStyle);
    NameTheApplication();
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tessellmancery.Tessellmancery"));
    // tessellmancery [BASE_DIR]; Qt has taken its own options out of argv.
    if (argc > 2 || (argc == 2 && argv[1][0] == '-')) {
        std::fprintf(stderr, "usage: tessellmancery [BASE_DIR]\n");
        return 2;
    }
    CApplication application;
    if (!application.Start(true, argc == 2 ? QFile::decodeName(argv[1]) : QString()))
        return 0;
    return app.exec();
}
