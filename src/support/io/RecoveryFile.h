#pragma once
// The recovery file of a screen or sheet with unsaved edits: a copy of the
// work below the base directory's "recovery\" folder, never over the user's
// own files, written whole (through a temporary file) at most every 30
// seconds and on every 20th edit, and removed once the work is saved or
// dropped. When the program ends without saving (killed, crashed, power
// lost) the copy is still there the next time the work is opened.
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimer>

#include <functional>

class CMessagePort;

class CRecoveryKeeper {
public:
    // `bytes` gives the recovery file's content as the work stands now.
    explicit CRecoveryKeeper(std::function<QByteArray()> bytes);

    // Keeps the recovery file at this logical path from now on; edits not yet
    // written are forgotten (no file is removed).
    void Start(const QString& logicalPath);
    // An edit was made, undone or redone. Work that is now as it was saved
    // needs no copy: the file goes.
    void Changed(bool asSaved);
    // The work was saved, or its edits dropped: the file goes.
    void Discard();
    // Writes the file now when edits wait for it.
    void WriteNow();
    // When this work's recovery file is there and not older than the work's
    // own file at `ownPath`, asks "Unsaved changes to this WHAT from DATE TIME
    // were found. Restore them?"; true with its bytes on Yes, and on No the
    // file goes.
    bool OfferRestore(CMessagePort& messages, const QString& ownPath, const QString& what, QByteArray& bytes);

    // How long an edit may wait for the file, in milliseconds.
    void SetInterval(int milliseconds) { m_timer.setInterval(milliseconds); }
    bool EditsWaiting() const { return m_editsWaiting > 0; }
    const QString& Path() const { return m_path; }

    static constexpr int kEditsPerWrite = 20;
    static constexpr int kIntervalMs = 30000;

private:
    void Write();

    std::function<QByteArray()> m_bytes;
    QString m_path;
    QTimer m_timer;
    int m_editsWaiting = 0;
    bool m_failureLogged = false;
};

// When the recovery file at `recoveryPath` is there and not older than the
// work's own file at `ownPath` (or that file is missing): its bytes and when
// it was written. Otherwise false.
bool FindRecovery(const QString& recoveryPath, const QString& ownPath, QByteArray& bytes, QDateTime& written);
// Removes a recovery file; true when none is left.
bool RemoveRecovery(const QString& recoveryPath);
// "2024-05-01 14:03:22": when a recovery file was written, as its question says it.
QString RecoveryTimeText(const QDateTime& written);
