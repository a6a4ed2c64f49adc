// A quest archive as `tessell qst` reads it: the directory, the check of the
// whole file, every entry's bytes, and extraction into a folder. Nothing may be
// written outside that folder, and an archive that verifies extracts whole.
#include "FuzzBase.h"

#include "QuestArchiveCommand.h"

#include "build/ArchiveReader.h"
#include "support/paths/LogicalPath.h"

#include <QDir>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    FuzzSetUp();
    const QString path = NativePath(QStringLiteral("output\\Fuzz.qst"));
    const QString folder = NativePath(QStringLiteral("output\\extracted"));
    QDir(folder).removeRecursively();
    FuzzWrite(QStringLiteral("output\\Fuzz.qst"), data, size);
    const QStringList before = FuzzListing();

    CArchiveReader reader;
    bool verified = false;
    if (reader.Open(path)) {
        for (int i = 0; i < int(reader.Entries().size()); ++i) {
            QByteArray bytes;
            if (reader.Read(i, bytes))
                FuzzCheck(bytes.size() == reader.Entries()[size_t(i)].Size(), "an entry reads as long as it is");
        }
        verified = reader.Verify();
        FuzzCheck(!verified || reader.DataOffset() + reader.DataLength() == int64_t(size),
                  "a verified archive is described whole by its directory");
    }
    const int listed = QuestArchiveCommand({QStringLiteral("list"), path});
    FuzzCheck(listed == 0 || listed == 1, "listing ends with 0 or 1");
    const int extracted = QuestArchiveCommand({QStringLiteral("extract"), path, folder});
    for (const QString& entry : FuzzListing())
        FuzzCheck(before.contains(entry) || entry.startsWith(QStringLiteral("output/extracted/")),
                  "extraction writes only inside its folder");
    if (verified && extracted == 0)
        FuzzCheck(QDir(folder).entryList(QDir::Files).size() <= int(reader.Entries().size()),
                  "one file per entry at most");
    return 0;
}
