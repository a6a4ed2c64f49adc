#pragma once
// The last-write times of the scripts a compile list names, read as a run of
// look-ups. A path the list holds as a plain path below the base directory
// (folders and a name, no "." or ".." and no drive) is looked up from its
// folder, kept open while the paths that follow stay in it: the system then
// walks one name per script, not the base directory's whole path, and the
// path needs no conversion to a native string and back. Every other path, and
// one not found as written (it may be there in another letter case), is
// looked up as a single path would be.
#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string>

class CSourceTimes {
public:
    CSourceTimes(); // in the base directory as it is now
    ~CSourceTimes();
    CSourceTimes(const CSourceTimes&) = delete;
    CSourceTimes& operator=(const CSourceTimes&) = delete;

    // The time of the source named by `listed` (the list's line, whose text
    // is `logicalPath`), as a FILETIME count; false when it cannot be read.
    bool Take(const QByteArray& listed, const QString& logicalPath, uint64_t& time);

private:
    int m_base = -1;          // the base directory, open
    int m_folder = -1;        // the folder of the last plain path, open
    std::string m_folderPath; // that folder, relative to the base ("" for the base itself)
    std::string m_path;       // the path being looked up, with forward slashes
};

// A source's time by its logical path alone: as written, else as the
// base directory's folders hold it in another letter case.
bool TakeSourceTime(const QString& logicalPath, uint64_t& time);
