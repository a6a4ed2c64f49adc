// tessell_monkey [--mode map|screen|sheet|managers] [--seed N] [--seconds S |
//                --actions N | --replay LOG] [--log FILE] [--plant crash|hang|outside --plant-at N]
//                [--hang-limit S] [--keep]
// Starts the editor's real main window under Qt's offscreen platform on a
// copy of the sample base directory in a temporary folder, opens the sample
// quest and lets the monkey loose on it. Exit code 0: no finding.
#include "Monkey.h"

#include "app/Application.h"
#include "document/QuestDoc.h"
#include "support/platform/Settings.h"

#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include <unistd.h>

namespace {
bool CopyFolder(const QString& from, const QString& to)
{
    if (!QDir().mkpath(to))
        return false;
    QDirIterator it(from, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString source = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(source);
        if (it.fileInfo().isDir() ? !QDir().mkpath(target) : !QFile::copy(source, target))
            return false;
    }
    return true;
}

int Usage()
{
    std::fprintf(stderr, "usage: tessell_monkey [--mode map|screen|sheet|managers] [--seed N] [--seconds S | --actions N"
                         " | --replay LOG] [--log FILE] [--plant crash|hang|outside --plant-at N] [--hang-limit S]"
                         " [--keep]\n");
    return 2;
}

// The offscreen platform says on every window that it cannot do what real
// window systems do; everything else Qt says is kept.
QtMessageHandler g_qtHandler = nullptr; // Qt's own, which QuietPlatform replaced

void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message.startsWith(QLatin1String("This plugin does not support")))
        return;
    g_qtHandler(type, context, message);
}

void SetEnvironment(const char* name, const QString& value)
{
    ::setenv(name, QFile::encodeName(value).constData(), 1);
}
} // namespace

int main(int argc, char* argv[])
{
    MonkeyOptions options;
    bool keep = false;
    for (int i = 1; i < argc; ++i) {
        const std::string option = argv[i];
        const bool hasValue = i + 1 < argc;
        const QString value = hasValue ? QString::fromLocal8Bit(argv[i + 1]) : QString();
        if (option == "--keep") {
            keep = true;
            continue;
        }
        if (!hasValue)
            return Usage();
        ++i;
        if (option == "--mode")
            options.mode = value;
        else if (option == "--seed")
            options.seed = value.toULongLong();
        else if (option == "--seconds")
            options.seconds = value.toDouble();
        else if (option == "--actions")
            options.actions = value.toLongLong();
        else if (option == "--replay")
            options.replay = QDir::current().absoluteFilePath(value);
        else if (option == "--log")
            options.log = QDir::current().absoluteFilePath(value);
        else if (option == "--plant")
            options.plant = value;
        else if (option == "--plant-at")
            options.plantAt = value.toLongLong();
        else if (option == "--hang-limit")
            options.hangLimit = value.toDouble();
        else
            return Usage();
    }
    if (!QStringList{"map", "screen", "sheet", "managers"}.contains(options.mode))
        return Usage();

    // The run's folder: the base directory three levels down in the watched
    // folder (so that a path that climbs out of the base lands where it is
    // seen), the home, settings and working directory in it too; the log, the
    // caches of the system's libraries and the runtime folder beside it.
    const char* tmp = std::getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tessell-monkey-XXXXXX";
    if (!::mkdtemp(pattern.data())) {
        std::perror("tessell_monkey: mkdtemp");
        return 2;
    }
    const QString run = QFile::decodeName(pattern.c_str());
    MonkeyPlaces places;
    places.watched = run + QStringLiteral("/watched");
    places.base = places.watched + QStringLiteral("/a/b/base");
    const QString home = places.watched + QStringLiteral("/home");
    places.settings = home + QStringLiteral("/.config");
    for (const QString& folder : {home, places.settings, places.watched + QStringLiteral("/cwd"),
                                  places.watched + QStringLiteral("/tmp"), run + QStringLiteral("/cache"),
                                  run + QStringLiteral("/runtime")})
        QDir().mkpath(folder);
    QFile::setPermissions(run + QStringLiteral("/runtime"), QFileDevice::ReadOwner | QFileDevice::WriteOwner
                                                                 | QFileDevice::ExeOwner);
    if (!CopyFolder(QStringLiteral(TESSELL_SOURCE_DIR "/workspace"), places.base)
        || !QFile::copy(QStringLiteral(TESSELL_SC_PATH), places.base + QStringLiteral("/compiler/sc"))) {
        std::fprintf(stderr, "tessell_monkey: cannot copy the sample base directory into %s\n", qPrintable(run));
        return 2;
    }
    // The script editor does nothing here: no terminal, no editor window.
    QFile editor(places.base + QStringLiteral("/editor/cgenie"));
    if (editor.open(QIODevice::WriteOnly | QIODevice::Truncate))
        editor.write("#!/bin/sh\nexit 0\n");
    editor.close();
    if (options.log.isEmpty())
        options.log = run + QStringLiteral("/monkey.log");
    SetEnvironment("HOME", home);
    SetEnvironment("XDG_CONFIG_HOME", places.settings);
    SetEnvironment("XDG_DATA_HOME", home + QStringLiteral("/.local/share"));
    SetEnvironment("XDG_CACHE_HOME", run + QStringLiteral("/cache"));
    SetEnvironment("XDG_RUNTIME_DIR", run + QStringLiteral("/runtime"));
    SetEnvironment("TMPDIR", places.watched + QStringLiteral("/tmp"));
    if (!std::getenv("QT_QPA_PLATFORM"))
        ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    if (::chdir(QFile::encodeName(places.watched + QStringLiteral("/cwd")).constData()) != 0)
        return 2;

    g_qtHandler = qInstallMessageHandler(QuietPlatform);
    QApplication app(argc, argv);
    NameTheApplication();
    int code = 0;
    {
        CApplication application;
        application.Start(false, places.base);
        application.document->quest.files.OpenQuestFile(places.base + QStringLiteral("/save/Demo.qss"), false);
        CMonkey monkey(application, options, places);
        code = monkey.Run();
    }
    if (code == 0 && !keep)
        QDir(run).removeRecursively();
    else
        std::printf("monkey: the run's folder is kept: %s\n", qPrintable(run));
    return code;
}
