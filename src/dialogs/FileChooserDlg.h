#pragma once
// The file-open dialog of the Ui port. Qt's own file dialog lists a folder
// through Qt's folder classes, which pass over every name that is not UTF-8,
// so a map file "save\Caf\xe9.qss" or an entity script "entities\caf\xe9.ves"
// made on another system could never be chosen. This one lists a folder by
// the bytes of its names and gives back the chosen file's path with them.
#include <QDialog>
#include <QString>
#include <QStringList>

class QComboBox;
class QLineEdit;
class QListWidget;
class QListWidgetItem;

class CFileChooserDlg : public QDialog {
public:
    explicit CFileChooserDlg(QWidget* parent = nullptr);

    // The filter in the "Name|*.ext;*.ext|Name|*.ext||" form: each name is
    // shown as it stands, its patterns pick the files listed.
    void SetFilter(const QString& filter);
    // What a name typed without an extension gets ("qss").
    void SetDefaultSuffix(const QString& suffix) { m_defaultSuffix = suffix; }
    // Lists a folder (a native path, bytes kept).
    void SetFolder(const QString& nativeFolder);
    // Puts a name or a pattern ("*.qss") into the name field.
    void SetFileName(const QString& name);
    // Chooses the filter shown, by its name.
    void SelectFilter(const QString& name);

    QString Folder() const { return m_folder; }
    QStringList FilterNames() const;
    // The names the list shows for the folder, folders first.
    QStringList ListedNames() const;
    // The chosen file's native path, its bytes kept; empty until chosen.
    QString SelectedFile() const { return m_selected; }

private:
    void Refill();
    void Activate(QListWidgetItem* item);
    void OpenTyped();
    // The native path the name field stands for.
    QString TypedPath() const;
    bool Matches(const QString& name) const;

    struct Filter {
        QString name;
        QStringList patterns;
    };
    std::vector<Filter> m_filters;
    QString m_typedPattern; // a pattern typed into the name field
    QString m_folder;
    QString m_defaultSuffix;
    QString m_chosenName; // the kept name of the item last picked in the list
    QString m_selected;
    QLineEdit* m_folderField;
    QListWidget* m_list;
    QLineEdit* m_nameField;
    QComboBox* m_types;
};
