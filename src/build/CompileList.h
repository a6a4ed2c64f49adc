#pragma once
// The compile list "compiler\compilelist.txt": for every script compiled so
// far, the last-write time its source had at its last successful compile, so
// that a build compiles only the scripts whose source changed since.
//
// The file holds three lines per script: the source path (logical, as handed
// to Compile), then the high and the low half of that time as FILETIME halves
// printed "%d" (negative when the half's top bit is set).
#include "common/TaggedList.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <string_view>
#include <unordered_map>
#include <vector>

class CMessagePort;
class CStartedRun;

// What a compile shows when the compiler cannot be started, and when it ends
// with an exit code that is neither success nor "errors listed".
extern const char kCannotRun[];         // "Couldn't find or run the Compiler!"
extern const char kScriptsHaveErrors[]; // "One or more of your scripts has errors, ..."

class CEntry {
public:
    virtual ~CEntry() = default;

    uint64_t compiledAt = 0;    // the source's time at its last successful compile
    uint64_t current = 0;       // the source's time when loaded or last recorded
    bool currentKnown = false;  // false when the source's time could not be read
    QString sourcePath;
};

class CCompileList {
public:
    // Messages go through the Ui port (the view's window in the editor).
    explicit CCompileList(CMessagePort& ui);
    virtual ~CCompileList();

    // Reads the list, taking every source's time now. 1 on success, 0 (with
    // "Couldn't Create compilelist.txt") when it can be neither read nor made.
    // Without `makeWhenMissing` (the quest check) a missing list is taken as
    // empty and nothing is written.
    int LoadCompileList(bool makeWhenMissing = true);
    // Whether the list shows the source (a logical path) unchanged since its
    // last successful compile.
    bool IsUpToDate(const QString& sourcePath) const;
    // Compiles the source unless the list shows it unchanged.
    // 1 when up to date or compiled without errors, else 0.
    int CompileIfChanged(const QString& sourcePath);
    // Runs compiler\sc on the source and acts on its exit code.
    int Compile(const QString& sourcePath);
    // The scripts a build compiles, in its order. While one of them compiles,
    // the next one that is not up to date compiles beside it (two at a time),
    // into an error file of its own; its exit code, error file and record
    // are taken when the build comes to it, so what the build shows and the
    // list records are as when each is compiled in turn.
    void ExpectToCompile(const QStringList& sources);
    // The build is over: a script still compiling ahead is waited for, and
    // neither recorded nor shown. The expected scripts are forgotten.
    void FinishCompilesAhead();
    // Records the source's time now as its compiled-at time.
    void RecordCompiled(const QString& sourcePath);
    // Rewrites the file; 0 (with the message) when it cannot be written.
    int SaveCompileList();
    // "Recompile all scripts": empties the file so that the next build
    // compiles every script. 0 (logged) when the file cannot be written.
    int RecompileAll();

    // The compiled file of a script: "a\b\x.ves" gives "a\b\amx\x.amx".
    static QString OutputPath(const QString& sourcePath);
    // Runs compiler\sc in the base directory on the source (a logical path),
    // writing the compiled script and the error file at native paths. Its exit
    // code, or kRunFailedToStart or kRunCrashed.
    static int RunCompiler(const QString& sourcePath, const QString& outputNative, const QString& errorFileNative);

    // Off, ExpectToCompile is ignored and each script compiles in turn.
    bool compilesAhead = true;

    const CTaggedList<CEntry>& Entries() const { return m_entries; }
    CEntry* Find(const QString& sourcePath) const;
    // How many times the compiler was started (for tests and diagnosis).
    int CompilerRuns() const { return m_compilerRuns; }

private:
    CEntry* Append(std::unique_ptr<CEntry> entry);
    void ForgetEntries();
    // Starts the compile of the first expected script after `current` that
    // is not up to date, unless one runs ahead already.
    void StartNextAhead(const QString& current);
    int ActOnExitCode(const QString& sourcePath, int exitCode);

    CMessagePort& m_ui;
    CTaggedList<CEntry> m_entries;
    // The first entry of every path. A long list makes thousands of look-ups,
    // and Qt's own string hash took several times as long for each and left
    // the code after it slower still (support/platform/VectorState.h).
    struct PathHash {
        size_t operator()(const QString& path) const noexcept
        {
            return std::hash<std::u16string_view>{}(
                std::u16string_view(reinterpret_cast<const char16_t*>(path.utf16()), size_t(path.size())));
        }
    };
    std::unordered_map<QString, size_t, PathHash> m_firstByPath; // its place in m_firstInOrder
    std::vector<CEntry*> m_firstInOrder;                          // those first entries in the list's order
    mutable size_t m_nextGuess = 0; // in m_firstInOrder: the one after the last found
    int m_compilerRuns = 0;
    QStringList m_expected;
    std::unique_ptr<CStartedRun> m_ahead; // the compile of m_aheadSource
    QString m_aheadSource;
    // The error file slot of m_ahead: the next compile ahead starts while this
    // one's file is still to be taken, so the two take turns.
    int m_aheadSlot = 0;
};

