#include "helpers/TempBase.h"

#include "support/io/NativeFile.h"
#include "support/io/NativeFolders.h"
#include "support/paths/Globals.h"
#include "support/paths/LogicalPath.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

bool CopyTree(const QString& from, const QString& to)
{
    QDir().mkpath(to);
    QDirIterator it(from, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString target = to + QLatin1Char('/') + QDir(from).relativeFilePath(path);
        if (it.fileInfo().isDir())
            QDir().mkpath(target);
        else if (!QFile::copy(path, target))
            return false;
    }
    return true;
}

namespace {
const QString kShippedWorkspace = QStringLiteral(TESSELL_SOURCE_DIR "/workspace");
} // namespace

CTempBase::CTempBase(bool empty)
{
    m_oldBase = g_baseDirectory;
    m_oldQuest = g_questName;
    root = m_dir.path();
    if (!empty) {
        const QString& workspace = kShippedWorkspace;
        for (const char* folder : {"save", "output/temp", "compiler", "editor", "entities/amx", "sounds",
                                   "sprite sheets", "questdata"})
            QDir().mkpath(root + QLatin1Char('/') + QLatin1String(folder));
        for (const char* file : {"questdata/standardmain.ves", "questdata/standardscreen.ves",
                                 "questdata/standardentity.txt", "questdata/entitylist.txt",
                                 "questdata/soundlist.txt", "questdata/sheets.txt"})
            QFile::copy(workspace + QLatin1Char('/') + QLatin1String(file), root + QLatin1Char('/') + QLatin1String(file));
        InstallCompiler();
    }
    g_baseDirectory = root;
    g_questName.clear();
}

bool CTempBase::CopyShippedWorkspace() const
{
    return CopyTree(kShippedWorkspace, root) && InstallCompiler();
}

bool CTempBase::InstallCompiler() const
{
    const QString target = root + QStringLiteral("/compiler/sc");
    QFile::remove(target);
    QDir().mkpath(root + QStringLiteral("/compiler"));
    return QFile::copy(QStringLiteral(TESSELL_SC_PATH), target);
}

CTempBase::~CTempBase()
{
    g_baseDirectory = m_oldBase;
    g_questName = m_oldQuest;
}

QString CTempBase::Path(const QString& logical) const
{
    return NativePath(logical);
}

QByteArray CTempBase::Read(const QString& logical) const
{
    // By the bytes of its name, which need not be UTF-8.
    QFile file;
    if (!OpenNativeFile(file, Path(logical), QIODevice::ReadOnly))
        return QByteArray("<missing>");
    return file.readAll();
}

void CTempBase::Write(const QString& logical, const QByteArray& bytes) const
{
    const QString path = Path(logical);
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        file.write(bytes);
}

bool CTempBase::Exists(const QString& logical) const
{
    return NativePathExists(Path(logical));
}

QStringList CTempBase::Listing() const
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QString relative = QDir(root).relativeFilePath(path);
        if (it.fileInfo().isDir())
            relative += QLatin1Char('/');
        entries << relative;
    }
    entries.sort();
    return entries;
}
