#include "dialogs/FileChooserDlg.h"

#include "dialogs/DialogMessage.h"
#include "support/io/NativeFolders.h"
#include "support/io/TextCodec.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>
#include <QToolButton>

#include <algorithm>

namespace {

constexpr int kNameRole = Qt::UserRole;
constexpr int kFolderRole = Qt::UserRole + 1;

bool IsPattern(const QString& text)
{
    return text.contains(QLatin1Char('*')) || text.contains(QLatin1Char('?'));
}

bool MatchesPattern(const QString& name, const QString& pattern)
{
    // "*.*" on the platform the filters come from means every file.
    if (pattern == QLatin1String("*") || pattern == QLatin1String("*.*"))
        return true;
    const QRegularExpression re(QRegularExpression::wildcardToRegularExpression(pattern),
                                QRegularExpression::CaseInsensitiveOption);
    // Matched as shown: a kept byte is no text a pattern can match.
    return re.match(DisplayText(name)).hasMatch();
}

} // namespace

CFileChooserDlg::CFileChooserDlg(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Open"));
    auto* grid = new QGridLayout(this);
    m_folderField = new QLineEdit(this);
    m_folderField->setObjectName(QStringLiteral("lookInEdit"));
    // Shown only: another folder is reached through the list, "Up" or a path
    // typed as the file name.
    m_folderField->setReadOnly(true);
    auto* up = new QToolButton(this);
    up->setObjectName(QStringLiteral("upButton"));
    up->setIcon(style()->standardIcon(QStyle::SP_FileDialogToParent));
    up->setToolTip(QStringLiteral("Up one level"));
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("listView"));
    m_nameField = new QLineEdit(this);
    m_nameField->setObjectName(QStringLiteral("fileNameEdit"));
    m_types = new QComboBox(this);
    m_types->setObjectName(QStringLiteral("fileTypeCombo"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Open | QDialogButtonBox::Cancel, this);
    grid->addWidget(new QLabel(QStringLiteral("Look in:"), this), 0, 0);
    grid->addWidget(m_folderField, 0, 1);
    grid->addWidget(up, 0, 2);
    grid->addWidget(m_list, 1, 0, 1, 3);
    grid->addWidget(new QLabel(QStringLiteral("File name:"), this), 2, 0);
    grid->addWidget(m_nameField, 2, 1, 1, 2);
    grid->addWidget(new QLabel(QStringLiteral("Files of type:"), this), 3, 0);
    grid->addWidget(m_types, 3, 1, 1, 2);
    grid->addWidget(buttons, 4, 0, 1, 3);
    resize(560, 400);

    connect(up, &QToolButton::clicked, this, [this] {
        const qsizetype slash = m_folder.lastIndexOf(QLatin1Char('/'));
        if (slash >= 0)
            SetFolder(slash == 0 ? QStringLiteral("/") : m_folder.left(slash));
    });
    connect(m_list, &QListWidget::itemActivated, this, &CFileChooserDlg::Activate);
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!item || item->data(kFolderRole).toBool())
            return;
        m_chosenName = item->data(kNameRole).toString();
        m_nameField->setText(item->text());
    });
    connect(m_types, &QComboBox::currentIndexChanged, this, [this] {
        m_typedPattern.clear();
        Refill();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &CFileChooserDlg::OpenTyped);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void CFileChooserDlg::SetFilter(const QString& filter)
{
    m_filters.clear();
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2)
        m_filters.push_back({parts[i].trimmed(), parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts)});
    const QSignalBlocker quiet(m_types);
    m_types->clear();
    for (const Filter& f : m_filters)
        m_types->addItem(f.name);
    Refill();
}

void CFileChooserDlg::SelectFilter(const QString& name)
{
    const int index = m_types->findText(name);
    if (index >= 0)
        m_types->setCurrentIndex(index);
}

QStringList CFileChooserDlg::FilterNames() const
{
    QStringList names;
    for (const Filter& f : m_filters)
        names << f.name;
    return names;
}

void CFileChooserDlg::SetFolder(const QString& nativeFolder)
{
    m_folder = nativeFolder;
    m_folderField->setText(DisplayText(m_folder));
    Refill();
}

void CFileChooserDlg::SetFileName(const QString& name)
{
    m_chosenName.clear();
    if (IsPattern(name))
        m_typedPattern = name;
    m_nameField->setText(DisplayText(name));
    Refill();
}

bool CFileChooserDlg::Matches(const QString& name) const
{
    QStringList patterns;
    if (!m_typedPattern.isEmpty())
        patterns << m_typedPattern;
    else if (m_types->currentIndex() >= 0 && size_t(m_types->currentIndex()) < m_filters.size())
        patterns = m_filters[size_t(m_types->currentIndex())].patterns;
    if (patterns.isEmpty())
        return true;
    return std::any_of(patterns.begin(), patterns.end(),
                       [&](const QString& p) { return MatchesPattern(name, p.trimmed()); });
}

void CFileChooserDlg::Refill()
{
    m_list->clear();
    std::vector<FolderEntry> entries = ListNativeFolder(m_folder);
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) {
        if (a.isFolder != b.isFolder)
            return a.isFolder;
        return DisplayText(a.name).compare(DisplayText(b.name), Qt::CaseInsensitive) < 0;
    });
    for (const FolderEntry& entry : entries) {
        if (entry.name.startsWith(QLatin1Char('.')) || (!entry.isFolder && (!entry.isFile || !Matches(entry.name))))
            continue;
        auto* item = new QListWidgetItem(
            style()->standardIcon(entry.isFolder ? QStyle::SP_DirIcon : QStyle::SP_FileIcon), DisplayText(entry.name),
            m_list);
        item->setData(kNameRole, entry.name);
        item->setData(kFolderRole, entry.isFolder);
    }
}

QStringList CFileChooserDlg::ListedNames() const
{
    QStringList names;
    for (int row = 0; row < m_list->count(); ++row)
        names << m_list->item(row)->data(kNameRole).toString();
    return names;
}

void CFileChooserDlg::Activate(QListWidgetItem* item)
{
    const QString path = m_folder + QLatin1Char('/') + item->data(kNameRole).toString();
    if (item->data(kFolderRole).toBool()) {
        SetFolder(QDir::cleanPath(path));
        return;
    }
    m_selected = path;
    accept();
}

QString CFileChooserDlg::TypedPath() const
{
    // The name picked from the list keeps its bytes; a typed one is UTF-8.
    const QString shown = m_nameField->text();
    const QString name = !m_chosenName.isEmpty() && shown == DisplayText(m_chosenName) ? m_chosenName
                                                                                      : TypedText(shown);
    return QDir::isAbsolutePath(name) ? QDir::cleanPath(name) : QDir::cleanPath(m_folder + QLatin1Char('/') + name);
}

void CFileChooserDlg::OpenTyped()
{
    const QString shown = m_nameField->text().trimmed();
    if (shown.isEmpty()) {
        if (QListWidgetItem* item = m_list->currentItem())
            Activate(item);
        return;
    }
    if (IsPattern(shown)) {
        m_typedPattern = TypedText(shown);
        Refill();
        return;
    }
    QString path = TypedPath();
    if (IsNativeFolder(path)) {
        m_nameField->clear();
        SetFolder(path);
        return;
    }
    const QString fileName = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    if (!NativePathExists(path) && !m_defaultSuffix.isEmpty() && !fileName.contains(QLatin1Char('.')))
        path += QLatin1Char('.') + m_defaultSuffix;
    if (!NativePathExists(path) || IsNativeFolder(path)) {
        ShowDialogMessage(this, DisplayText(fileName) + QStringLiteral("\nFile not found.\nPlease verify the correct "
                                                                       "file name was given."),
                          windowTitle(), QMessageBox::Ok);
        return;
    }
    m_selected = path;
    accept();
}
