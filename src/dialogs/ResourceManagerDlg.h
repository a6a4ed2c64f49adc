#pragma once
// The resource manager dialogs (141 "Entity Manager", 154 "Sound Manager",
// 153 "Sprite Sheet Manager"): the manager's tree with its help text, "Create
// New" where the manager has one, and OK, which only closes (every change is
// saved as it is made). The manager does the work; the dialog ends when one of
// its commands asks for it.
#include <QDialog>

#include <memory>

class CResourceManager;
struct ResourceManagerKind;
class CResourceTreeView;
class QLabel;
class QPushButton;

class CResourceManagerDlg : public QDialog {
    Q_OBJECT
public:
    explicit CResourceManagerDlg(CResourceManager& manager, QWidget* parent = nullptr);

    // Whether a command of the manager ended the dialog (with its result).
    bool EndedByManager() const { return m_endedByManager; }
    CResourceManager& Manager() const { return m_manager; }
    CResourceTreeView* TreeView() const { return m_tree; }

private:
    void CreateNew();
    void EndIfRequested();

    CResourceManager& m_manager;
    CResourceTreeView* m_tree;
    bool m_endedByManager = false;
};

// The three managers, each on a manager of its own kind.
class CEntityManagerDlg : public CResourceManagerDlg {
    Q_OBJECT
public:
    explicit CEntityManagerDlg(CResourceManager& manager, QWidget* parent = nullptr);
    static const ResourceManagerKind& Kind();
};

class CSoundManagerDlg : public CResourceManagerDlg {
    Q_OBJECT
public:
    explicit CSoundManagerDlg(CResourceManager& manager, QWidget* parent = nullptr);
    static const ResourceManagerKind& Kind();
};

class CSheetManagerDlg : public CResourceManagerDlg {
    Q_OBJECT
public:
    explicit CSheetManagerDlg(CResourceManager& manager, QWidget* parent = nullptr);
    static const ResourceManagerKind& Kind();
};

// The dialog of the manager's kind.
std::unique_ptr<CResourceManagerDlg> MakeResourceManagerDlg(CResourceManager& manager, QWidget* parent = nullptr);
