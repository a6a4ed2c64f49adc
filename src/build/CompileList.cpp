#include "build/CompileList.h"

#include "build/FileTime.h"
#include "common/DialogResults.h"
#include "support/io/LineHelpers.h"
#include "support/io/NativeFolders.h"
#include "support/io/TextCodec.h"
#include "support/io/TextFile.h"
#include "support/paths/InstalledFiles.h"
#include "support/paths/LogicalPath.h"
#include "support/paths/QuestPaths.h"
#include "support/platform/DiagnosticLog.h"
#include "support/platform/LaunchEditor.h"
#include "support/platform/Processes.h"
#include "support/ui/MessagePort.h"

#include <QFile>


const char kCannotRun[] = "Couldn't find or run the Compiler!";
const char kScriptsHaveErrors[] =
    "One or more of your scripts has errors, Your QST file will not\nbe built until you have fixed these errors.";

namespace {

const char kCannotCreate[] = "Couldn't Create compilelist.txt";
const char kCompilerCaption[] = "sc.exe";
const char kRecompileFailed[] = "OnRecompileAll() - Cant open Compile List! ***";
constexpr int kLineBuffer = 128;


// The source's time now. An unreadable time (missing file, bad path) leaves
// the entry looking changed, so the script is compiled and its error shown.
// A script that exists as written needs no look-up before its one stat.
void TakeCurrentTime(CEntry& entry)
{
    uint64_t time = 0;
    entry.currentKnown = LastWriteFileTime(NativePathAsWritten(entry.sourcePath), time)
        || LastWriteFileTime(NativePath(entry.sourcePath), time);
    entry.current = entry.currentKnown ? time : 0;
}

} // namespace

CCompileList::CCompileList(CMessagePort& ui) : m_ui(ui) {}

CCompileList::~CCompileList() = default;

CEntry* CCompileList::Append(std::unique_ptr<CEntry> entry)
{
    CEntry* added = m_entries.Append(std::move(entry), "CEntry");
    CEntry*& first = m_firstByPath[added->sourcePath];
    if (!first)
        first = added;
    return added;
}

CEntry* CCompileList::Find(const QString& sourcePath) const
{
    return m_firstByPath.value(sourcePath, nullptr);
}

int CCompileList::LoadCompileList(bool makeWhenMissing)
{
    m_entries.Clear();
    m_firstByPath.clear();
    CTextReader file;
    if (!file.Open(CompileListPath())) {
        if (!makeWhenMissing)
            return 1;
        // Made empty when missing; an existing file that cannot be read is
        // never truncated.
        QFile fresh(NativePath(CompileListPath()));
        if (!fresh.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
            m_ui.MessageBox(QLatin1String(kCannotCreate), QStringLiteral("Error"));
            LogLine(QLatin1String(kCannotCreate));
            return 0;
        }
        return 1;
    }
    QByteArray path, high, low;
    while (file.GetWholeLine(path, kLineBuffer)) {
        file.GetWholeLine(high, kLineBuffer);
        file.GetWholeLine(low, kLineBuffer);
        if (path.isEmpty())
            continue;
        auto entry = std::make_unique<CEntry>();
        entry->sourcePath = DecodeText(path);
        entry->compiledAt = MakeFileTime(uint32_t(ParseDecimalInt(high)), uint32_t(ParseDecimalInt(low)));
        TakeCurrentTime(*entry);
        Append(std::move(entry));
    }
    return 1;
}

bool CCompileList::IsUpToDate(const QString& sourcePath) const
{
    const CEntry* entry = Find(sourcePath);
    return entry && entry->currentKnown && entry->compiledAt == entry->current;
}

int CCompileList::CompileIfChanged(const QString& sourcePath)
{
    if (IsUpToDate(sourcePath))
        return 1;
    return Compile(sourcePath);
}

QString CCompileList::OutputPath(const QString& sourcePath)
{
    QString output = sourcePath;
    output.chop(4);
    output += QStringLiteral(".amx");
    const int slash = int(output.lastIndexOf(QLatin1Char('\\')));
    output.insert(slash + 1, QStringLiteral("amx\\"));
    return output;
}

int CCompileList::RunCompiler(const QString& sourcePath, const QString& outputNative, const QString& errorFileNative)
{
    // The compiler runs in the base directory and gets the paths relative to
    // it (a path outside it whole), one argument per path so blanks need no
    // quoting: the source, "-o" joined to the output, "-e" joined to the
    // error file.
    return RunAndWait(CompilerProgram(), QStringLiteral("2"),
                      {RelativeNativePath(sourcePath), QStringLiteral("-o") + RelativeNativePath(outputNative),
                       QStringLiteral("-e") + RelativeNativePath(errorFileNative)},
                      NativePath(QString()));
}

int CCompileList::Compile(const QString& sourcePath)
{
    const QString output = OutputPath(sourcePath);
    ++m_compilerRuns;
    // The "amx" folder beside the script is made when it is missing.
    const QString outputNative = NativePath(output);
    MakeNativeFolder(outputNative.left(outputNative.lastIndexOf(QLatin1Char('/'))));
    const int exitCode = RunCompiler(sourcePath, outputNative, NativePath(CompilerErrorFilePath()));
    switch (exitCode) {
    case kRunFailedToStart:
        m_ui.MessageBox(QLatin1String(kCannotRun), QLatin1String(kCompilerCaption));
        LogLine(QLatin1String(kCannotRun));
        return 0;
    case 0:
    case 1:
        RecordCompiled(sourcePath);
        SaveCompileList();
        return 1;
    case 2:
        if (m_ui.ScriptErrorsDialog() == kEditScript)
            LaunchEditor(m_ui, sourcePath);
        return 0;
    default:
        m_ui.MessageBox(QLatin1String(kScriptsHaveErrors), sourcePath);
        return 0;
    }
}

void CCompileList::RecordCompiled(const QString& sourcePath)
{
    CEntry* entry = Find(sourcePath);
    if (!entry) {
        auto fresh = std::make_unique<CEntry>();
        fresh->sourcePath = sourcePath;
        entry = Append(std::move(fresh));
    }
    TakeCurrentTime(*entry);
    entry->compiledAt = entry->current;
}

int CCompileList::SaveCompileList()
{
    CTextWriter file;
    bool ok = file.Open(CompileListPath());
    if (ok) {
        for (const CEntry* entry : m_entries) {
            WriteTextLine(entry->sourcePath, file);
            WriteIntLine(int32_t(FileTimeHigh(entry->compiledAt)), file);
            WriteIntLine(int32_t(FileTimeLow(entry->compiledAt)), file);
        }
        ok = file.Commit();
    }
    if (!ok) {
        m_ui.MessageBox(QLatin1String(kCannotCreate), QStringLiteral("Error"));
        LogLine(QLatin1String(kCannotCreate));
        return 0;
    }
    return 1;
}

int CCompileList::RecompileAll()
{
    CTextWriter file;
    if (!file.Open(CompileListPath()) || !file.Commit()) {
        LogLine(QLatin1String(kRecompileFailed));
        return 0;
    }
    m_entries.Clear();
    m_firstByPath.clear();
    return 1;
}
