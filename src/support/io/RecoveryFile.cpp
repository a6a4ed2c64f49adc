#include "support/io/RecoveryFile.h"

#include "support/io/NativeFile.h"
#include "support/io/NativeFolders.h"
#include "support/io/TextFile.h"
#include "support/paths/LogicalPath.h"
#include "support/platform/DiagnosticLog.h"
#include "support/ui/MessagePort.h"

#include <QFile>
#include <QFileInfo>

CRecoveryKeeper::CRecoveryKeeper(std::function<QByteArray()> bytes) : m_bytes(std::move(bytes))
{
    m_timer.setSingleShot(true);
    m_timer.setInterval(kIntervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, &m_timer, [this] { WriteNow(); });
}

void CRecoveryKeeper::Start(const QString& logicalPath)
{
    m_timer.stop();
    m_editsWaiting = 0;
    m_failureLogged = false;
    m_path = logicalPath;
}

void CRecoveryKeeper::Changed(bool asSaved)
{
    if (asSaved) {
        Discard();
        return;
    }
    ++m_editsWaiting;
    if (m_editsWaiting >= kEditsPerWrite)
        Write();
    else if (!m_timer.isActive())
        m_timer.start();
}

void CRecoveryKeeper::Discard()
{
    m_timer.stop();
    m_editsWaiting = 0;
    if (!m_path.isEmpty())
        RemoveRecovery(m_path);
}

void CRecoveryKeeper::WriteNow()
{
    if (m_editsWaiting > 0)
        Write();
}

void CRecoveryKeeper::Write()
{
    m_timer.stop();
    m_editsWaiting = 0;
    if (m_path.isEmpty() || !m_bytes)
        return;
    // The copy is for a bad day: a failure is logged once, never shown, so
    // that it does not stand in the way of the work itself.
    const QString folder = QFileInfo(NativePath(m_path)).absolutePath();
    CTextWriter file;
    if (MakeNativeFolder(folder, true) && file.Open(m_path)) {
        file.Raw(m_bytes());
        if (file.Commit())
            return;
    }
    if (!m_failureLogged)
        LogLine(QStringLiteral("Couldn't write the recovery file ") + m_path);
    m_failureLogged = true;
}

bool FindRecovery(const QString& recoveryPath, const QString& ownPath, QByteArray& bytes, QDateTime& written)
{
    const qint64 recoveryTime = NativeModifiedMs(NativePath(recoveryPath));
    if (recoveryTime < 0)
        return false;
    // Written after the last save (which removes it), unless the work's own
    // file was replaced since, from elsewhere.
    if (recoveryTime < NativeModifiedMs(NativePath(ownPath)))
        return false;
    QFile file;
    if (!OpenLogicalFileForReading(file, recoveryPath))
        return false;
    bytes = file.readAll();
    written = QDateTime::fromMSecsSinceEpoch(recoveryTime);
    return true;
}

bool RemoveRecovery(const QString& recoveryPath)
{
    const QString native = NativePath(recoveryPath);
    return !NativePathExists(native) || RemoveNativeFile(native);
}

QString RecoveryTimeText(const QDateTime& written)
{
    return written.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"));
}

bool CRecoveryKeeper::OfferRestore(CMessagePort& messages, const QString& ownPath, const QString& what,
                                   QByteArray& bytes)
{
    QDateTime written;
    if (!FindRecovery(m_path, ownPath, bytes, written))
        return false;
    const int answer = messages.MessageBox(QStringLiteral("Unsaved changes to this %1 from %2 were found. "
                                                          "Restore them?")
                                               .arg(what, RecoveryTimeText(written)),
                                           QStringLiteral("Tessellmancery"), CMessagePort::ButtonsYesNo);
    if (answer == CMessagePort::AnswerYes)
        return true;
    Discard();
    return false;
}
