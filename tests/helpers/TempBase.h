#pragma once
// A base directory in a temporary folder, laid out like the shipped one, that
// the globals point at for the length of a test. Its compiler\sc is the one
// this build made, never whatever lies in the shipped workspace.
#include "helpers/QtPrinters.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class CTempBase {
public:
    // Copies the shipped workspace (its folders and templates) and puts this
    // build's compiler in compiler\sc, unless `empty`.
    explicit CTempBase(bool empty = false);
    ~CTempBase();

    // Copies the whole shipped workspace below the base, sample quest and all,
    // with this build's compiler as compiler\sc.
    bool CopyShippedWorkspace() const;
    // Puts this build's compiler in compiler\sc, replacing what is there.
    bool InstallCompiler() const;

    QString Path(const QString& logical) const; // native path of a logical one
    QByteArray Read(const QString& logical) const;
    void Write(const QString& logical, const QByteArray& bytes) const;
    bool Exists(const QString& logical) const;
    // Every file and folder below the base, relative, with "/" and folders ending in "/".
    QStringList Listing() const;
    QString root;

private:
    QTemporaryDir m_dir;
    QString m_oldBase;
    QString m_oldQuest;
};

// Copies a folder tree.
bool CopyTree(const QString& from, const QString& to);
