#pragma once
// Bringing a sheet's entities into the quest: when a sheet is added, the
// sprites it marks as entities are looked up in the entity tree, and those
// missing are offered for adding, with the sounds their scripts play, to the
// entity and sound tree files.
#include "common/TaggedList.h"

#include <QString>
#include <QStringList>

#include <cstdint>

class CMessagePort;
class CResourceHost;
class CResourceManagerPort;

struct CSheetEntityRecord {
    QString name; // a sprite code, at most 31 bytes as the sheet file holds it
    int32_t found = 0;
};

class CSheetEntitiesImport {
public:
    CSheetEntitiesImport(CMessagePort& messages, CResourceHost& host) : m_messages(messages), m_host(host) {}

    // The OK of the dialog: the folder entries, the entities found in
    // "entities\" and, when asked for, the sounds their scripts play are
    // appended to the quest's tree files.
    void Confirm();
    // The names the dialog lists, in order.
    QStringList Names() const;

    CTaggedList<CSheetEntityRecord> records;
    QString folder;        // the dialog's folder field, empty at first
    int32_t addSounds = 1; // "Add any sounds from entity scripts", checked at first

private:
    bool EnsureFolderEntry(const QString& listPath, const QString& folderName, const char* logText,
                           const char* message);
    void AddScriptSounds(const QString& scriptPath, const QString& folderName);

    CMessagePort& m_messages;
    CResourceHost& m_host;
};

// Called right after a sheet (a sheet list name) was added to the sheet tree.
void ImportSheetEntities(const QString& sheetName, CMessagePort& messages, CResourceManagerPort& ui,
                         CResourceHost& host);
