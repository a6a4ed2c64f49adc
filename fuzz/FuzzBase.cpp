#include "FuzzBase.h"

#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <memory>

int CFuzzUi::MessageBox(const QString& text, const QString& caption, Buttons buttons)
{
    ++messageCount;
    lastText = text;
    lastCaption = caption;
    return QuietAnswer(buttons);
}

namespace {

std::unique_ptr<QTemporaryDir> g_fuzzBase;

// Pixmaps (the tree lists' icons) and fonts need an application object; the
// offscreen platform needs no display.
void MakeApplication()
{
    if (QCoreApplication::instance())
        return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "tessell-fuzz";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives as long as the process
}

void MakeLayout(const QString& root)
{
    for (const char* folder :
         {"save", "output/temp", "compiler", "editor", "entities/amx", "sounds", "sprite sheets",
          "questdata/Fuzz/screens", "questdata/Fuzz/scripts/main/amx", "questdata/Fuzz/scripts/group/amx",
          "questdata/Fuzz/scripts/screen/amx"})
        QDir().mkpath(root + QLatin1Char('/') + QLatin1String(folder));
    QFile script(root + QStringLiteral("/questdata/standardscreen.ves"));
    if (script.open(QIODevice::WriteOnly))
        script.write("public main()\r\n{\r\n}\r\n");
}

} // namespace

QString FuzzSetUp()
{
    if (!g_fuzzBase) {
        MakeApplication();
        g_fuzzBase = std::make_unique<QTemporaryDir>(QDir::tempPath() + QStringLiteral("/tessell-fuzz-XXXXXX"));
        if (!g_fuzzBase->isValid()) {
            std::fprintf(stderr, "cannot make a temporary base directory\n");
            std::abort();
        }
        MakeLayout(g_fuzzBase->path());
        // Removed at a normal exit; a crash leaves it for a look.
        std::atexit([] { g_fuzzBase.reset(); });
    }
    g_baseDirectory = g_fuzzBase->path();
    g_questName = kFuzzQuest;
    return g_baseDirectory;
}

void FuzzWrite(const QString& logicalPath, const uint8_t* data, size_t size)
{
    FuzzWrite(logicalPath, QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
}

void FuzzWrite(const QString& logicalPath, const QByteArray& bytes)
{
    const QString path = NativePath(logicalPath);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        std::abort();
    }
}

void FuzzWriteSampleSheet(const QString& name)
{
    const QString base = QStringLiteral("sprite sheets\\") + name;
    QImage bitmap(64, 32, QImage::Format_RGB32);
    bitmap.fill(QColor(0, 255, 0));
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 64; x += 3)
            bitmap.setPixelColor(x, y, QColor(x * 4, y * 8, 128));
    if (!bitmap.save(NativePath(base + QStringLiteral(".bmp")), "BMP")) {
        std::fprintf(stderr, "cannot write the sample sheet's bitmap\n");
        std::abort();
    }
    FuzzWrite(base + QStringLiteral(".spt"),
              QByteArray("Sample\r\n"
                         "[BACKGROUND]\r\ntree\r\n0\r\n0\r\n16\r\n24\r\n\r\nFALSE\r\n255\r\n[EE]\r\n"
                         "[ENTITY]\r\n[BACKGROUND]\r\nbat\r\nANIMATED\r\n2\r\n5.000000\r\n16\r\n0\r\n8\r\n8\r\n"
                         "24\r\n0\r\n8\r\n8\r\n\r\nTRUE\r\n255\r\n[EE]\r\n"
                         "grass\r\n32\r\n0\r\n8\r\n8\r\n[FILL]\r\n\r\nFALSE\r\n255\r\n[EE]\r\n"
                         "hole001\r\n40\r\n0\r\n8\r\n8\r\n[FILL]\r\n\r\nFALSE\r\n255\r\n[EE]\r\n"
                         "hole002\r\n48\r\n0\r\n8\r\n8\r\n[FILL]\r\n\r\nFALSE\r\n255\r\n[EE]\r\n"
                         "water\r\n56\r\n8\r\n3\r\n5\r\n[FILL]\r\n\r\nTRUE\r\n255\r\n[EE]\r\n"));
}

void FuzzCheck(bool condition, const char* what)
{
    if (condition)
        return;
    std::fprintf(stderr, "fuzz check failed: %s\n", what);
    std::abort();
}

QStringList FuzzListing()
{
    QStringList entries;
    const QString root = g_baseDirectory;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QString relative = QDir(root).relativeFilePath(path);
        if (it.fileInfo().isDir())
            relative += QLatin1Char('/');
        entries << relative;
    }
    entries.sort();
    return entries;
}
