#include "build/CompileList.h"

#include "build/FileTime.h"
#include "build/SourceTimes.h"
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
#include "support/platform/VectorState.h"
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
    entry.currentKnown = TakeSourceTime(entry.sourcePath, time);
    entry.current = entry.currentKnown ? time : 0;
}

// The compiler runs in the base directory and gets the paths relative to it
// (a path outside it whole), one argument per path so blanks need no
// quoting: the source, "-o" joined to the output, "-e" joined to the error
// file.
QStringList CompilerArguments(const QString& sourcePath, const QString& outputNative, const QString& errorFileNative)
{
    return {RelativeNativePath(sourcePath), QStringLiteral("-o") + RelativeNativePath(outputNative),
            QStringLiteral("-e") + RelativeNativePath(errorFileNative)};
}

} // namespace

CCompileList::CCompileList(CMessagePort& ui) : m_ui(ui) {}

CCompileList::~CCompileList()
{
    FinishCompilesAhead();
}

CEntry* CCompileList::Append(std::unique_ptr<CEntry> entry)
{
    CEntry* added = m_entries.Append(std::move(entry), "CEntry");
    // The first of a path stays.
    if (m_firstByPath.try_emplace(added->sourcePath, m_firstInOrder.size()).second)
        m_firstInOrder.push_back(added);
    return added;
}

void CCompileList::ForgetEntries()
{
    m_entries.Clear();
    m_firstByPath.clear();
    m_firstInOrder.clear();
    m_nextGuess = 0;
}

CEntry* CCompileList::Find(const QString& sourcePath) const
{
    // A build asks for its scripts in the order it compiled them last time,
    // which is the list's order: the entry after the last one found is
    // looked at before the index.
    if (m_nextGuess < m_firstInOrder.size() && m_firstInOrder[m_nextGuess]->sourcePath == sourcePath)
        return m_firstInOrder[m_nextGuess++];
    const auto found = m_firstByPath.find(sourcePath);
    if (found == m_firstByPath.end())
        return nullptr;
    m_nextGuess = found->second + 1;
    return m_firstInOrder[found->second];
}

int CCompileList::LoadCompileList(bool makeWhenMissing)
{
    ClearUpperVectorState(); // what came before may have hashed text with Qt
    ForgetEntries();
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
    CSourceTimes times;
    // Room for as many entries as the usual line lengths make (a path, two
    // numbers), so the index is not rebuilt as it grows.
    m_firstByPath.reserve(size_t(file.Size() / 48));
    m_firstInOrder.reserve(size_t(file.Size() / 48));
    while (file.GetWholeLine(path, kLineBuffer)) {
        file.GetWholeLine(high, kLineBuffer);
        file.GetWholeLine(low, kLineBuffer);
        if (path.isEmpty())
            continue;
        auto entry = std::make_unique<CEntry>();
        entry->sourcePath = DecodeText(path);
        entry->compiledAt = MakeFileTime(uint32_t(ParseDecimalInt(high)), uint32_t(ParseDecimalInt(low)));
        uint64_t time = 0;
        entry->currentKnown = times.Take(path, entry->sourcePath, time);
        entry->current = entry->currentKnown ? time : 0;
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
    return RunAndWait(CompilerProgram(), QStringLiteral("2"), CompilerArguments(sourcePath, outputNative, errorFileNative),
                      NativePath(QString()));
}

int CCompileList::Compile(const QString& sourcePath)
{
    if (m_ahead && m_aheadSource == sourcePath) {
        // Compiled ahead: the next one starts, then this one's end is taken,
        // and its error file is the compiler's error file from now on, as if
        // it had been compiled now.
        const std::unique_ptr<CStartedRun> run = std::move(m_ahead);
        const int slot = m_aheadSlot;
        m_aheadSource.clear();
        m_aheadSlot = 1 - slot;
        StartNextAhead(sourcePath);
        const int exitCode = run->Wait();
        const QString ahead = NativePath(CompilerErrorFileAheadPath(slot));
        if (QFile::exists(ahead)) {
            const QString errors = NativePath(CompilerErrorFilePath());
            QFile::remove(errors);
            QFile::rename(ahead, errors);
        }
        return ActOnExitCode(sourcePath, exitCode);
    }
    const QString output = OutputPath(sourcePath);
    ++m_compilerRuns;
    // The "amx" folder beside the script is made when it is missing.
    const QString outputNative = NativePath(output);
    MakeNativeFolder(outputNative.left(outputNative.lastIndexOf(QLatin1Char('/'))));
    CStartedRun run(CompilerProgram(), QStringLiteral("2"), CompilerArguments(sourcePath, outputNative,
                                                                             NativePath(CompilerErrorFilePath())),
                    NativePath(QString()));
    StartNextAhead(sourcePath);
    return ActOnExitCode(sourcePath, run.Wait());
}

void CCompileList::ExpectToCompile(const QStringList& sources)
{
    m_expected = compilesAhead ? sources : QStringList();
}

void CCompileList::StartNextAhead(const QString& current)
{
    if (m_ahead)
        return;
    const qsizetype at = m_expected.indexOf(current);
    if (at < 0)
        return;
    for (qsizetype i = at + 1; i < m_expected.size(); ++i) {
        const QString& next = m_expected[i];
        // Never two compilers on one output: a name in other letter case may
        // be the same file.
        const QString outputNative = NativePath(OutputPath(next));
        if (next.compare(current, Qt::CaseInsensitive) == 0 || outputNative == NativePath(OutputPath(current))
            || IsUpToDate(next))
            continue;
        MakeNativeFolder(outputNative.left(outputNative.lastIndexOf(QLatin1Char('/'))));
        const QString errors = NativePath(CompilerErrorFileAheadPath(m_aheadSlot));
        QFile::remove(errors); // what an earlier build left
        ++m_compilerRuns;
        m_ahead = std::make_unique<CStartedRun>(CompilerProgram(), QStringLiteral("2"),
                                                CompilerArguments(next, outputNative, errors), NativePath(QString()));
        m_aheadSource = next;
        return;
    }
}

void CCompileList::FinishCompilesAhead()
{
    if (m_ahead) {
        m_ahead->Wait();
        m_ahead.reset();
        QFile::remove(NativePath(CompilerErrorFileAheadPath(m_aheadSlot)));
    }
    m_aheadSlot = 0;
    m_aheadSource.clear();
    m_expected.clear();
}

int CCompileList::ActOnExitCode(const QString& sourcePath, int exitCode)
{
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
    ForgetEntries();
    return 1;
}
