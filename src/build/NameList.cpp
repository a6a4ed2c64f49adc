#include "build/NameList.h"

#include "support/io/LineHelpers.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/QuestPaths.h"
#include "support/ui/MessagePort.h"

namespace {

// A name line cut to the 32-character name field. A UTF-8 name is cut before a
// character that does not fit whole (cutting inside it would leave text that
// is no longer UTF-8); other bytes are cut at 32 and kept as they are.
QString NameField(const QByteArray& line)
{
    return DecodeText(CutBytes(line, kResourceNameLength));
}

QByteArray StripTrailingSlash(const QByteArray& line)
{
    return line.endsWith('\\') ? line.chopped(1) : line;
}

// What the build and the managers would read differently in one entry (its
// name line is `line`).
void NoteEntry(const QByteArray& pathLine, const QByteArray& nameLine, int line, TreeListReading& reading)
{
    auto note = [&](int at, const QString& text) { reading.oddities.push_back({at, text}); };
    if (pathLine.isEmpty()) {
        note(line - 1, QStringLiteral("An empty line stands where a path line belongs: the resource managers pass "
                                      "over it and pair the lines after it the other way round"));
        return;
    }
    const QList<QByteArray> components = pathLine.split('\\');
    qsizetype longest = 0;
    for (const QByteArray& component : components)
        longest = qMax(longest, component.size());
    if (pathLine.size() > kTreeListPathLimit || longest > kTreeListComponentLimit)
        note(line - 1, QStringLiteral("The path line is longer than the resource managers read (%1 characters, %2 "
                                      "for a folder or file name), so they leave the entry out")
                           .arg(kTreeListPathLimit)
                           .arg(kTreeListComponentLimit));
    const QByteArray last = pathLine.endsWith('\\') ? components.at(components.size() - 2) + '\\' : components.last();
    // A name holding a separator is refused by the build, and said so.
    const bool pathInName = StripTrailingSlash(nameLine).contains('\\');
    if (last != nameLine && !pathInName)
        note(line, QStringLiteral("The name line \"%1\" is not the last part of the path line above it (\"%2\"): "
                                  "the resource managers show \"%2\", the build takes \"%1\"")
                       .arg(DecodeText(nameLine), DecodeText(last)));
}

} // namespace

const char kEntityListMissing[] = "Couldnt open entity List";
const char kSheetListMissing[] = "Couldnt open sheets List";
const char kSoundListMissing[] = "Couldnt open sound List";

void CNameList::ReadTreeFile(const QString& path, const QString& message, CMessagePort& ui,
                             TreeListReading* reading)
{
    CTextReader file;
    if (!file.Open(path)) {
        ui.MessageBox(message, path);
        return;
    }
    m_names.Clear();
    // Entries are pairs of lines: the path line, then the name line. A line
    // longer than the buffer is read whole here (its pieces are joined), so the
    // pairing of path and name lines is never broken.
    QByteArray pathLine, nameLine;
    int line = 0;
    while (file.GetWholeLine(pathLine, 128)) {
        line += 1;
        if (!file.GetWholeLine(nameLine, 128)) {
            // A blank last line is nothing to either reader.
            if (reading && !pathLine.isEmpty())
                reading->oddities.push_back({line, QStringLiteral("The list ends after this path line, without its "
                                                                  "name line, so the entry is left out")});
            break;
        }
        line += 1;
        if (reading)
            NoteEntry(pathLine, nameLine, line, *reading);
        if (nameLine.endsWith('\\'))
            continue;
        Append(NameField(nameLine));
        if (reading) {
            const bool cut = CutBytes(nameLine, kResourceNameLength).size() != nameLine.size();
            reading->names.push_back({NameField(nameLine), cut ? DecodeText(nameLine) : QString(), line});
        }
    }
}

void CNameList::Append(const QString& name)
{
    m_names.Append(std::make_unique<QString>(name), "name");
}

bool CNameList::Contains(const QString& name) const
{
    for (QString* n : m_names)
        if (*n == name)
            return true;
    return false;
}

QStringList CNameList::Names() const
{
    QStringList names;
    for (QString* n : m_names)
        names << *n;
    return names;
}

QStringList CNameList::MusicChoices() const
{
    QStringList choices;
    if (m_names.IsEmpty())
        return choices;
    choices << QStringLiteral(" ");
    for (QString* n : m_names)
        if (!n->contains(QLatin1String(".wav")))
            choices << *n;
    return choices;
}
