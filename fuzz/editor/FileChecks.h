#pragma once
// What the monkey checks of the files after every action: nothing written
// outside the base directory, every file the editor wrote below it reads back
// with the editor's own reader without a defect, and a file just saved holds
// what its designer holds.
#include <QByteArray>
#include <QString>
#include <QStringList>

#include <map>

class CQuestDoc;

class CFileChecks {
public:
    // `watched` is the folder whose every file but those below `base` must
    // stay as it is; `allowed` (below `watched`) may change: the settings.
    CFileChecks(CQuestDoc& document, const QString& watched, const QString& base, const QString& allowed);

    // The first fault found since the last call, or empty. `saveCommand` is
    // the command the action ran (0 for none).
    QString AfterAction(int saveCommand);
    int FilesRead() const { return m_filesRead; }

private:
    struct Stamp {
        qint64 size = -1;
        qint64 modified = 0;
        bool operator==(const Stamp&) const = default;
    };
    using Listing = std::map<QString, Stamp>;
    // Every file below the folder (relative path), the `skipped` one left out.
    static Listing List(const QString& folder, const QString& skipped);
    QString Outside();
    bool IsCopy(const Listing& listing, const QString& relative) const;
    QString ReadBack(const QString& relative);
    QString DesignerHolds(int saveCommand, const QStringList& written);

    CQuestDoc& m_document;
    QString m_watched;
    QString m_base;
    QString m_allowed;
    Listing m_outside;
    Listing m_inside;
    int m_filesRead = 0;
};
