#include "QuestArchiveCommand.h"

#include "console/ConsoleUi.h"

#include "build/ArchiveReader.h"
#include "support/io/NativeFolders.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"

#include <QBuffer>
#include <QDir>
#include <QFile>

const CommandSpec kQstListCommand{
    QStringLiteral("tessell qst list FILE"),
    QStringLiteral("One line per entry of the quest archive: name, scramble flag, start, end, size; then the damage, "
                   "if any."),
    {}, QString(), 1, 1};
const CommandSpec kQstExtractCommand{
    QStringLiteral("tessell qst extract FILE DIR"),
    QStringLiteral("Writes every entry of the quest archive, unscrambled, into DIR under its own name's bytes."),
    {}, QString(), 2, 2};
const CommandSpec kQstVerifyCommand{
    QStringLiteral("tessell qst verify FILE"),
    QStringLiteral("Checks the quest archive's directory and data area; one message names the damage."),
    {}, QString(), 1, 1};
const CommandSpec kQstCommand{
    QStringLiteral("tessell qst list|extract|verify ..."),
    QStringLiteral("The quest archive seen from the command line:\n  ") + kQstListCommand.usage
        + QStringLiteral("\n  ") + kQstExtractCommand.usage + QStringLiteral("\n  ") + kQstVerifyCommand.usage,
    {}, QString(), 1, 1};

namespace {

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
                     .arg(DecodeText(e.name))
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
                           .arg(DecodeText(name), folder));
            return 1;
        }
    }
    // Entries are written under their names' bytes, so two names never
    // become one file.
    const QString native = QDir::isAbsolutePath(folder) ? folder : CurrentNativeFolder() + QLatin1Char('/') + folder;
    if (!MakeNativeFolder(native, true)) {
        PrintError(QStringLiteral("cannot make the folder %1").arg(folder));
        return 1;
    }
    for (size_t i = 0; i < reader.Entries().size(); ++i) {
        const QString name = DecodeText(reader.Entries()[i].name);
        const QString target = QDir(folder).filePath(name);
        QBuffer bytes;
        bytes.open(QIODevice::WriteOnly);
        if (!reader.ExtractTo(int(i), bytes)) {
            PrintError(path + QStringLiteral(": ") + reader.Error());
            return 1;
        }
        CTextWriter out;
        if (!out.Open(native + QLatin1Char('/') + name)) {
            PrintError(QStringLiteral("cannot write %1").arg(target));
            return 1;
        }
        out.Raw(bytes.data());
        if (!out.Commit()) {
            PrintError(QStringLiteral("cannot write %1").arg(target));
            return 1;
        }
    }
    PrintOut(QStringLiteral("Extracted %1 entries into %2").arg(reader.Entries().size()).arg(folder));
    return 0;
}

} // namespace

int QuestArchiveCommand(const QStringList& args)
{
    if (args.isEmpty())
        return UsageError(kQstCommand, QStringLiteral("a command is missing"));
    const QString command = args[0];
    const QStringList rest = args.mid(1);
    ParsedCommand parsed;
    if (command == QLatin1String("list")) {
        if (const int code = ParseCommand(kQstListCommand, rest, parsed); code >= 0)
            return code;
        return List(parsed.names[0]);
    }
    if (command == QLatin1String("verify")) {
        if (const int code = ParseCommand(kQstVerifyCommand, rest, parsed); code >= 0)
            return code;
        return Verify(parsed.names[0]);
    }
    if (command == QLatin1String("extract")) {
        if (const int code = ParseCommand(kQstExtractCommand, rest, parsed); code >= 0)
            return code;
        return Extract(parsed.names[0], parsed.names[1]);
    }
    if (command == QLatin1String("--help")) {
        PrintOut(CommandHelp(kQstCommand).chopped(1));
        return 0;
    }
    if (command.startsWith(QLatin1Char('-')))
        return UsageError(kQstCommand, QStringLiteral("unknown option \"%1\"").arg(command));
    return UsageError(kQstCommand, QStringLiteral("unknown command \"qst %1\"").arg(command));
}
