#include "MapImageCommand.h"

#include "console/ConsoleUi.h"

#include "display/PixelMemory.h"
#include "display/PngRowWriter.h"
#include "quest/MapImage.h"
#include "quest/QuestFiles.h"
#include "quest/QuestMap.h"
#include "support/io/NativeFolders.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>

#include <future>
#include <memory>

const CommandSpec kMapImageCommand{
    QStringLiteral("tessell map-image [--full] QUEST FILE"),
    QStringLiteral("Writes a picture of the map's used area (the smallest rectangle of cells holding every screen),\n"
                   "each cell from its preview, 128 x 96 pixels, in the format FILE's suffix names (.png, .bmp, "
                   ".jpg ...)."),
    {QStringLiteral("--full")},
    QStringLiteral("  --full  render each cell from its screen file and the quest's sheets, 320 x 240 pixels"),
    2,
    2,
};

namespace {

// The format a file's suffix names, when Qt can write it; empty otherwise.
QByteArray FormatOfSuffix(const QString& target)
{
    const qsizetype slash = target.lastIndexOf(QLatin1Char('/'));
    const qsizetype dot = target.lastIndexOf(QLatin1Char('.'));
    if (dot <= slash + 1)
        return QByteArray();
    const QByteArray suffix = target.mid(dot + 1).toLower().toLatin1();
    return QImageWriter::supportedImageFormats().contains(suffix) ? suffix : QByteArray();
}

QString WritableFormats()
{
    QStringList formats;
    for (const QByteArray& format : QImageWriter::supportedImageFormats())
        formats << QLatin1String(format);
    return formats.join(QStringLiteral(", "));
}

} // namespace

int MapImageCommand(const QStringList& args)
{
    ParsedCommand parsed;
    if (const int code = ParseCommand(kMapImageCommand, args, parsed); code >= 0)
        return code;
    const QString quest = parsed.names[0];
    const QString target = parsed.names[1];
    const QByteArray format = FormatOfSuffix(target);
    if (format.isEmpty())
        return UsageError(kMapImageCommand, QStringLiteral("\"%1\" does not end in the suffix of a picture format "
                                                           "this program writes (%2)")
                                                .arg(target, WritableFormats()));
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
    const bool full = parsed.Has(QStringLiteral("--full"));
    const MapImageCells cells = full ? MapImageCells::Screens : MapImageCells::Previews;
    const QString native = QDir::isAbsolutePath(target) ? target : CurrentNativeFolder() + QLatin1Char('/') + target;
    CTextWriter file;
    QSize size;
    if (format == "png") {
        // A band at a time, straight into the file: a map of 65,536 screens
        // is a picture of gigabytes.
        std::unique_ptr<CPngRowWriter> png;
        bool created = true;
        // A band is compressed on the other core while the next one is drawn:
        // it is copied out of the canvas (which is drawn over) once the band
        // before it is in the file, so the bands go to the file one at a time
        // in their order and the file holds the same bytes.
        QImage rows;
        std::future<bool> compressing; // made last, so it is waited for before the copy goes
        auto compressed = [&compressing] { return !compressing.valid() || compressing.get(); };
        const bool drawn = DrawMapImageInBands(map, cells, ui, problem, [&](const QImage& band, int width, int height) {
            // A file that cannot be made is named once the picture is drawn,
            // as for every other format.
            if (!created)
                return true;
            if (!png) {
                if (!file.Open(native)) {
                    created = false;
                    return true;
                }
                size = QSize(width, height);
                png = std::make_unique<CPngRowWriter>(width, height, [&file](const char* bytes, size_t length) {
                    file.Raw(QByteArray::fromRawData(bytes, qsizetype(length)));
                    return true;
                });
            }
            if (!compressed())
                return false;
            if (!CopyIntoKept(band, rows))
                return false;
            compressing = std::async(std::launch::async, [&png, &rows] { return png->WriteRows(rows); });
            return true;
        });
        const bool written = compressed();
        if (!created) {
            PrintError(QStringLiteral("Couldn't write the map image %1: it cannot be created").arg(target));
            return 1;
        }
        if (!drawn && !png) {
            PrintError(QStringLiteral("%1: %2, no map image made").arg(MapFilePath(quest), problem));
            return 1;
        }
        if (!drawn || !written || !png->Finish() || !file.Commit()) {
            PrintError(QStringLiteral("Couldn't write the map image %1: it could not be written whole").arg(target));
            return 1;
        }
    } else {
        const QImage image = DrawMapImage(map, cells, ui, problem);
        if (image.isNull()) {
            PrintError(QStringLiteral("%1: %2, no map image made").arg(MapFilePath(quest), problem));
            return 1;
        }
        // Encoded in memory, then written whole under the name's own bytes.
        QBuffer encoded;
        encoded.open(QIODevice::WriteOnly);
        QImageWriter writer(&encoded, format);
        if (!writer.write(image)) {
            PrintError(QStringLiteral("Couldn't write the map image %1: %2").arg(target, writer.errorString()));
            return 1;
        }
        if (!file.Open(native)) {
            PrintError(QStringLiteral("Couldn't write the map image %1: it cannot be created").arg(target));
            return 1;
        }
        file.Raw(encoded.data());
        if (!file.Commit()) {
            PrintError(QStringLiteral("Couldn't write the map image %1: it could not be written whole").arg(target));
            return 1;
        }
        size = image.size();
    }
    const CellArea area = UsedCellArea(map);
    PrintError(QStringLiteral("Wrote %1: %2 x %3 pixels, columns %4 to %5 and rows %6 to %7 of the map")
                   .arg(target)
                   .arg(size.width())
                   .arg(size.height())
                   .arg(area.left)
                   .arg(area.right)
                   .arg(area.top)
                   .arg(area.bottom));
    return 0;
}
