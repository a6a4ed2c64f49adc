#include "QuestArchiveCommand.h"

#include "console/ConsoleUi.h"

#include "build/ArchiveReader.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace {

int UsageError()
{
    PrintError(QStringLiteral("usage: ") + QuestArchiveUsage().trimmed());
    return 2;
}

bool OpenArchive(CArchiveReader& reader, const QString& path)
{
    if (reader.Open(path))
        return true;
    PrintError(path + QStringLiteral(": ") + reader.Error());
    return false;
}

// Lists every entry that can be read, then names the damage, if any, as
// verify does.
int List(const QString& path)
{
    CArchiveReader reader;
    const bool read = reader.Open(path);
    for (const ArchiveEntry& e : reader.Entries())
        PrintOut(QStringLiteral("%1\t%2\t%3\t%4\t%5")
                     .arg(QFile::decodeName(e.name))
                     .arg(e.scramble)
                     .arg(e.start)
                     .arg(e.end)
                     .arg(e.Size()));
    if (!read || !reader.Verify()) {
        PrintError(path + QStringLiteral(": ") + reader.Error());
        return 1;
    }
    return 0;
}

int Verify(const QString& path)
{
    CArchiveReader reader;
    if (!OpenArchive(reader, path))
        return 1;
    if (!reader.Verify()) {
        PrintError(path + QStringLiteral(": ") + reader.Error());
        return 1;
    }
    PrintOut(QStringLiteral("%1: %2 entries, %3 data bytes, OK")
                 .arg(path)
                 .arg(reader.Entries().size())
                 .arg(reader.DataLength()));
    return 0;
}

// A name is written as one file directly inside the target folder.
bool StaysInFolder(const QByteArray& name)
{
    return !name.isEmpty() && name != "." && name != ".." && !name.contains('/') && !name.contains('\\')
           && !name.contains('\0');
}

int Extract(const QString& path, const QString& folder)
{
    CArchiveReader reader;
    if (!OpenArchive(reader, path))
        return 1;
    if (!reader.Verify()) {
        PrintError(path + QStringLiteral(": ") + reader.Error());
        return 1;
    }
    // Every name is checked before anything is written.
    for (size_t i = 0; i < reader.Entries().size(); ++i) {
        const QByteArray& name = reader.Entries()[i].name;
        if (!StaysInFolder(name)) {
            PrintError(QStringLiteral("%1: refusing entry %2 (\"%3\"): its name would leave %4")
                           .arg(path)
                           .arg(i + 1)
                           .arg(QString::fromUtf8(name), folder));
            return 1;
        }
    }
    if (!QDir().mkpath(folder)) {
        PrintError(QStringLiteral("cannot make the folder %1").arg(folder));
        return 1;
    }
    for (size_t i = 0; i < reader.Entries().size(); ++i) {
        const QString target = QDir(folder).filePath(QFile::decodeName(reader.Entries()[i].name));
        QSaveFile out(target);
        if (!out.open(QIODevice::WriteOnly)) {
            PrintError(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
            return 1;
        }
        if (!reader.ExtractTo(int(i), out)) {
            out.cancelWriting();
            PrintError(path + QStringLiteral(": ") + reader.Error());
            return 1;
        }
        if (!out.commit()) {
            PrintError(QStringLiteral("cannot write %1: %2").arg(target, out.errorString()));
            return 1;
        }
    }
    PrintOut(QStringLiteral("Extracted %1 entries into %2").arg(reader.Entries().size()).arg(folder));
    return 0;
}

} // namespace

QString QuestArchiveUsage()
{
    return QStringLiteral("       tessell qst list FILE        one line per entry: name, scramble flag, start, end, "
                          "size\n"
                          "       tessell qst extract FILE DIR every entry, unscrambled, into DIR\n"
                          "       tessell qst verify FILE      check the archive's directory and data area\n");
}

int QuestArchiveCommand(const QStringList& args)
{
    if (args.size() == 2 && args[0] == QLatin1String("list"))
        return List(args[1]);
    if (args.size() == 2 && args[0] == QLatin1String("verify"))
        return Verify(args[1]);
    if (args.size() == 3 && args[0] == QLatin1String("extract"))
        return Extract(args[1], args[2]);
    return UsageError();
}
