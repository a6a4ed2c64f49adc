#include "build/NameList.h"

#include "support/LineHelpers.h"
#include "support/QuestPaths.h"
#include "support/TextCodec.h"
#include "support/TextFile.h"
#include "support/MessagePort.h"

namespace {

// A name line cut to the 32-character name field. UTF-8 names are cut at a
// character boundary, so that a name whose 32nd byte falls inside a character
// keeps its letters (cutting the bytes would leave text that is no longer
// UTF-8 and reads as Latin-1); single-byte text keeps its first 32 bytes.
QString NameField(const QByteArray& line)
{
    QString name = DecodeText(line);
    if (EncodeText(name) != line)
        return DecodeText(line.left(kResourceNameLength));
    // No character takes less than a byte.
    name.truncate(kResourceNameLength);
    if (!name.isEmpty() && name.back().isHighSurrogate())
        name.chop(1);
    while (EncodeText(name).size() > kResourceNameLength)
        name.chop(name.size() >= 2 && name.at(name.size() - 1).isLowSurrogate() ? 2 : 1);
    return name;
}

} // namespace

void CNameList::ReadTreeFile(const QString& path, const QString& message, CMessagePort& ui)
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
    while (file.GetWholeLine(pathLine, 128) && file.GetWholeLine(nameLine, 128)) {
        if (nameLine.endsWith('\\'))
            continue;
        Append(NameField(nameLine));
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
