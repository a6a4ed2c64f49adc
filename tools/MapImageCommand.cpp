#include "MapImageCommand.h"

#include "console/ConsoleUi.h"

#include "quest/MapImage.h"
#include "quest/QuestFiles.h"
#include "quest/QuestMap.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QImageWriter>
#include <QSaveFile>

QString MapImageUsage()
{
    return QStringLiteral("       tessell map-image QUEST FILE.png [--full]   a picture of the whole map, from the "
                          "previews or (--full) the screens\n");
}

int MapImageCommand(const QStringList& args)
{
    QStringList rest = args;
    const bool full = rest.removeAll(QStringLiteral("--full")) > 0;
    if (rest.size() != 2) {
        PrintError(QStringLiteral("usage: ") + MapImageUsage().trimmed());
        return 2;
    }
    const QString quest = rest[0];
    const QString target = rest[1];
    if (!IsSafeFileName(quest)) {
        PrintError(QStringLiteral("Error: there is no quest \"%1\" here").arg(quest));
        return 1;
    }
    // The map as the editor opens it: a screen whose preview does not load is
    // an empty cell (the message says which).
    CConsoleUi ui;
    CQuestMap map;
    CQuestFiles files(map, ui, ui, ui);
    if (!files.LoadMapFile(MapFilePath(quest), quest).isMapFile)
        return 1;
    QString problem;
    const QImage image = DrawMapImage(map, full ? MapImageCells::Screens : MapImageCells::Previews, ui, problem);
    if (image.isNull()) {
        PrintError(QStringLiteral("%1: %2, no map image made").arg(MapFilePath(quest), problem));
        return 1;
    }
    QSaveFile file(target);
    QImageWriter writer(&file, "png");
    if (!file.open(QIODevice::WriteOnly) || !writer.write(image) || !file.commit()) {
        PrintError(QStringLiteral("Couldn't write the map image %1: %2")
                       .arg(target, writer.error() != QImageWriter::UnknownError ? writer.errorString()
                                                                                  : file.errorString()));
        return 1;
    }
    const CellArea area = UsedCellArea(map);
    PrintError(QStringLiteral("Wrote %1: %2 x %3 pixels, columns %4 to %5 and rows %6 to %7 of the map")
                   .arg(target)
                   .arg(image.width())
                   .arg(image.height())
                   .arg(area.left)
                   .arg(area.right)
                   .arg(area.top)
                   .arg(area.bottom));
    return 0;
}
