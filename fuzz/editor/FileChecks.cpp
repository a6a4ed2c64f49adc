#include "FileChecks.h"

#include "build/NameList.h"
#include "display/Surface.h"
#include "document/Commands.h"
#include "document/QuestDoc.h"
#include "quest/MapFile.h"
#include "quest/PreviewReader.h"
#include "screens/Screen.h"
#include "screens/ScreenFile.h"
#include "sheets/DesignerSheetFile.h"
#include "sheets/SheetFileWriter.h"
#include "support/io/TextFile.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace {
// Counts what a reader would have shown a person.
class CCountingMessages : public CMessagePort {
public:
    int MessageBox(const QString& text, const QString& caption, Buttons) override
    {
        last = caption + QStringLiteral(": ") + text;
        ++count;
        return AnswerCancel;
    }
    int count = 0;
    QString last;
};

QByteArray Bytes(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString Logical(const QString& relative)
{
    return QString(relative).replace(QLatin1Char('/'), QLatin1Char('\\'));
}
} // namespace

CFileChecks::CFileChecks(CQuestDoc& document, const QString& watched, const QString& base, const QString& allowed)
    : m_document(document), m_watched(watched), m_base(base), m_allowed(allowed)
{
    m_outside = List(m_watched, m_base);
    m_inside = List(m_base, QString());
}

CFileChecks::Listing CFileChecks::List(const QString& folder, const QString& skipped)
{
    Listing listing;
    QDirIterator it(folder, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    const QString skippedPrefix = skipped + QLatin1Char('/');
    while (it.hasNext()) {
        const QString path = it.next();
        if (!skipped.isEmpty() && (path == skipped || path.startsWith(skippedPrefix)))
            continue;
        const QFileInfo info = it.fileInfo();
        Stamp stamp;
        stamp.size = info.isDir() ? -2 : info.size();
        stamp.modified = info.isDir() ? 0 : info.lastModified().toMSecsSinceEpoch();
        listing[QDir(folder).relativeFilePath(path)] = stamp;
    }
    return listing;
}

QString CFileChecks::AfterAction(int saveCommand)
{
    if (QString outside = Outside(); !outside.isEmpty())
        return outside;
    Listing now = List(m_base, QString());
    QString fault;
    QStringList written;
    for (const auto& [relative, stamp] : now) {
        if (stamp.size < 0)
            continue;
        auto before = m_inside.find(relative);
        if (before != m_inside.end() && before->second == stamp)
            continue;
        written << Logical(relative);
        fault = ReadBack(relative);
        if (!fault.isEmpty() && !IsCopy(now, relative))
            break;
        fault.clear();
    }
    m_inside = std::move(now);
    if (fault.isEmpty())
        fault = DesignerHolds(saveCommand, written);
    return fault;
}

// The managers copy a file the user chose into their folder as it is: what
// it holds is the user's, not the editor's writing.
bool CFileChecks::IsCopy(const Listing& listing, const QString& relative) const
{
    const QByteArray bytes = Bytes(m_base + QLatin1Char('/') + relative);
    for (const auto& [other, stamp] : listing)
        if (other != relative && stamp.size == bytes.size() && Bytes(m_base + QLatin1Char('/') + other) == bytes)
            return true;
    return false;
}

QString CFileChecks::Outside()
{
    // The watched folder's own listing skips the base; what is left must stay.
    const Listing now = List(m_watched, m_base);
    const QString allowedPrefix = QDir(m_watched).relativeFilePath(m_allowed);
    for (const auto& [relative, stamp] : now) {
        if (relative == allowedPrefix || relative.startsWith(allowedPrefix + QLatin1Char('/')))
            continue;
        auto before = m_outside.find(relative);
        if (before == m_outside.end())
            return QStringLiteral("a file was written outside the base directory: %1").arg(m_watched + '/' + relative);
        if (!(before->second == stamp))
            return QStringLiteral("a file outside the base directory changed: %1").arg(m_watched + '/' + relative);
    }
    for (const auto& [relative, stamp] : m_outside)
        if (!now.count(relative) && !relative.startsWith(allowedPrefix))
            return QStringLiteral("a file outside the base directory was removed: %1").arg(m_watched + '/' + relative);
    return QString();
}

// Each file the editor writes, read back with the editor's own reader.
QString CFileChecks::ReadBack(const QString& relative)
{
    const QString path = m_base + QLatin1Char('/') + relative;
    const QString logical = Logical(relative);
    const QString suffix = QFileInfo(relative).suffix().toLower();
    const QString name = QFileInfo(relative).fileName().toLower();
    const bool inScreens = relative.contains(QLatin1String("/screens/"));
    const QByteArray bytes = Bytes(path);
    const auto fault = [&](const QString& what) { return QStringLiteral("%1: %2").arg(logical, what); };
    // A deleted screen leaves its files empty, and a new sheet starts as an
    // empty sheet file.
    if (bytes.isEmpty() && (suffix == QLatin1String("lnd") || suffix == QLatin1String("bmp")
                            || suffix == QLatin1String("spt")))
        return QString();
    if (relative.startsWith(QLatin1String("save/")) && suffix == QLatin1String("qss")) {
        ++m_filesRead;
        CQuestMap map;
        const MapFileReading reading = ReadMapFileBytes(bytes, map);
        if (!reading.isMapFile)
            return fault(QStringLiteral("the map file written is not a map file"));
        if (reading.EndsEarly())
            return fault(MapFileEndText(reading));
        // A cell holds a screen by its preview, which the quest's files load.
        for (const MapFileReading::Cell& cell : reading.screens)
            map.Cell(cell.column, cell.row).holdsScreen = true;
        if (MapFileBytes(map) != bytes)
            return fault(QStringLiteral("the map file written does not read back as written"));
    } else if (inScreens && suffix == QLatin1String("lnd")) {
        ++m_filesRead;
        CScreen screen(m_document.screenDesigner->display, nullptr, nullptr);
        CTextReader reader;
        reader.OpenBytes(bytes);
        const ScreenFileEnd end = ReadScreenFile(reader, screen);
        if (end.EndsEarly())
            return fault(ScreenFileEndText(end));
        if (ScreenFileBytes(screen) != bytes)
            return fault(QStringLiteral("the screen file written does not read back as written"));
    } else if (inScreens && suffix == QLatin1String("bmp")) {
        ++m_filesRead;
        CSurface surface;
        surface.Create(kPreviewWidth, kPreviewHeight);
        int lines = 0;
        if (!ReadPreviewFile(logical, surface, &lines) || lines != kPreviewLines)
            return fault(QStringLiteral("the preview written holds %1 of its %2 lines").arg(lines).arg(kPreviewLines));
    } else if (relative.startsWith(QLatin1String("sprite sheets/")) && suffix == QLatin1String("spt")) {
        ++m_filesRead;
        QByteArray title;
        CTaggedList<CDesignerSprite> sprites;
        CTaggedList<CSpriteAnimation> animations;
        if (!ReadDesignerSheet(bytes, title, sprites, animations))
            return fault(QStringLiteral("the sheet file written has no title line"));
        if (SheetFileBytes(title, SheetFileRecordsOf(sprites).sprites) != bytes)
            return fault(QStringLiteral("the sheet file written does not read back as written"));
    } else if (relative.startsWith(QLatin1String("questdata/"))
               && (name == QLatin1String("entitylist.txt") || name == QLatin1String("soundlist.txt")
                   || name == QLatin1String("sheets.txt"))) {
        ++m_filesRead;
        CCountingMessages messages;
        CNameList names;
        TreeListReading reading;
        names.ReadTreeFile(logical, QStringLiteral("Couldn't open the list"), messages, &reading);
        if (messages.count)
            return fault(messages.last);
        if (!reading.oddities.empty())
            return fault(QStringLiteral("line %1: %2").arg(reading.oddities.front().line).arg(
                reading.oddities.front().text));
    }
    return QString();
}

// After a save, the file read back is what the designer holds.
// A save that wrote nothing (a sheet without sprites) has no file to compare.
QString CFileChecks::DesignerHolds(int saveCommand, const QStringList& written)
{
    CQuestDoc& doc = m_document;
    const auto differs = [&](const QString& logical, const QByteArray& held) {
        if (!written.contains(logical, Qt::CaseInsensitive) || Bytes(NativePath(logical)) == held)
            return QString();
        QFile kept(NativePath(logical) + QStringLiteral(".held-by-designer"));
        if (kept.open(QIODevice::WriteOnly))
            kept.write(held);
        return QStringLiteral("%1: the file saved differs from what the designer holds (kept beside it as "
                              ".held-by-designer)").arg(logical);
    };
    if (saveCommand == ID_SAVE_MAP && doc.MapDesignerActive() && !g_questName.isEmpty())
        return differs(MapFilePath(), MapFileBytes(doc.quest.map));
    if (saveCommand == ID_SAVE_SCREEN && doc.ScreenDesignerActive() && doc.screenDesigner->current)
        return differs(ScreenFilePath(doc.screenDesigner->cellX, doc.screenDesigner->cellY),
                       ScreenFileBytes(*doc.screenDesigner->current));
    if (saveCommand == ID_SAVE_SHEET && doc.SheetDesignerActive() && !doc.sheetDesigner->sheetName.isEmpty()) {
        CSheetDesigner& sheet = *doc.sheetDesigner;
        return differs(SheetFilePath(sheet.sheetName),
                       SheetFileBytes(sheet.title, SheetFileRecordsOf(sheet.sprites).sprites));
    }
    return QString();
}
