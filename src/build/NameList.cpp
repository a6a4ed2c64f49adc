#include "build/NameList.h"

#include "support/io/LineHelpers.h"
#include "support/paths/QuestPaths.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/ui/MessagePort.h"

namespace {

// A name line cut to the 32-character name field. A UTF-8 name is cut before a
// character that does not fit whole (cutting inside it would leave text that
// is no longer UTF-8); other bytes are cut at 32 and kept as they are.
QString NameField(const QByteArray& line)
{
    return DecodeText(CutBytes(line, kResourceNameLength));
}

} // namespace

const char kEntityListMissing[] = "Couldnt open entity List";
const char kSheetListMissing[] = "Couldnt open sheets List";
const char kSoundListMissing[] = "Couldnt open sound List";

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
