#pragma once
// The compile list "compiler\compilelist.txt": for every script compiled so
// far, the last-write time its source had at its last successful compile, so
// that a build compiles only the scripts whose source changed since.
//
// The file holds three lines per script: the source path (logical, as handed
// to Compile), then the high and the low half of that time as FILETIME halves
// printed "%d" (negative when the half's top bit is set).
#include "common/TaggedList.h"

#include <QHash>
#include <QString>

#include <cstdint>

class CMessagePort;

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
    int LoadCompileList();
    // Compiles the source (a logical path) unless the list shows it unchanged.
    // 1 when up to date or compiled without errors, else 0.
    int CompileIfChanged(const QString& sourcePath);
    // Runs compiler\sc on the source and acts on its exit code.
    int Compile(const QString& sourcePath);
    // Records the source's time now as its compiled-at time.
    void RecordCompiled(const QString& sourcePath);
    // Rewrites the file; 0 (with the message) when it cannot be written.
    int SaveCompileList();
    // "Recompile all scripts": empties the file so that the next build
    // compiles every script. 0 (logged) when the file cannot be written.
    int RecompileAll();

    // The compiled file of a script: "a\b\x.ves" gives "a\b\amx\x.amx".
    static QString OutputPath(const QString& sourcePath);

    const CTaggedList<CEntry>& Entries() const { return m_entries; }
    CEntry* Find(const QString& sourcePath) const;
    // How many times the compiler was started (for tests and diagnosis).
    int CompilerRuns() const { return m_compilerRuns; }

private:
    CEntry* Append(std::unique_ptr<CEntry> entry);

    CMessagePort& m_ui;
    CTaggedList<CEntry> m_entries;
    QHash<QString, CEntry*> m_firstByPath; // the first entry of every path
    int m_compilerRuns = 0;
};

