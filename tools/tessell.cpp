// tessell: the editor's companion on the command line, run in a base
// directory. It uses the same code as the editor and needs no display.
#include "ConsoleUi.h"

#include "document/QuestDoc.h"
#include "map/MapDesigner.h"
#include "support/DiagnosticLog.h"
#include "support/Globals.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>

namespace {

int Usage()
{
    PrintError(QStringLiteral("usage: tessell new NAME"));
    return 2;
}

int NewQuest(const QStringList& args)
{
    if (args.size() != 1)
        return Usage();
    CConsoleUi ui;
    CQuestDoc document(ui);
    if (!document.mapDesigner->NewQuestNamed(args[0]))
        return 1;
    if (ui.messageCount > 0)
        return 1;
    PrintError(QStringLiteral("Made quest \"%1\" in questdata\\%1 with its map file save\\%1.qss").arg(args[0]));
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = QCoreApplication::arguments().mid(1);
    if (args.isEmpty())
        return Usage();
    g_baseDirectory = QDir::currentPath();
    const QString command = args.takeFirst();
    if (command == QLatin1String("new"))
        return NewQuest(args);
    return Usage();
}
