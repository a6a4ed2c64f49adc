#pragma once
// A base directory in a temporary folder, laid out like the shipped one, that
// the globals point at for the length of a test.
#include "helpers/QtPrinters.h"

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

class CTempBase {
public:
    // Copies the shipped workspace (its folders and templates) unless `empty`.
    explicit CTempBase(bool empty = false);
    ~CTempBase();

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
