#include "app/WidgetUi.h"
#include "dialogs/DialogMessage.h"
#include "dialogs/FileChooserDlg.h"
#include "helpers/TempBase.h"
#include "support/io/TextCodec.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <unistd.h>

namespace {
const QString kQssFilter = QStringLiteral("QSS files (*.qss)|*.qss|All Files (*.*)|*.*||");

// A file whose name holds a byte that is not UTF-8, made by its bytes.
void MakeFileByBytes(const CTempBase& base, const QByteArray& relative)
{
    const int fd = ::open((QFile::encodeName(base.root) + '/' + relative).constData(), O_WRONLY | O_CREAT, 0644);
    ASSERT_GE(fd, 0);
    ::close(fd);
}

// The Open quest dialog as a person meets it.
struct OpenQuestDialog : ::testing::Test {
    CTempBase base;
    CFileChooserDlg dialog;
    OpenQuestDialog()
    {
        base.Write(QStringLiteral("save\\Demo.qss"), "Vantraglen Tessellmancery Map File\r\n");
        base.Write(QStringLiteral("save\\README"), "no dot in this name");
        MakeFileByBytes(base, "save/Caf\xe9.qss");
        SetUpOpenFileDialog(dialog, QStringLiteral("*.qss"), QStringLiteral("save\\*.qss"), kQssFilter);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    QLineEdit* NameField() { return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }
    QStringList Listed() { return dialog.ListedNames(); }
};
} // namespace

TEST_F(OpenQuestDialog, StartsInTheSaveFolderWithTheInitialName)
{
    EXPECT_EQ(QDir(base.Path(QStringLiteral("save"))).absolutePath(), dialog.Folder());
    ASSERT_NE(nullptr, NameField());
    EXPECT_EQ(QStringLiteral("*.qss"), NameField()->text());
    const QComboBox* types = dialog.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(nullptr, types);
    ASSERT_EQ(2, types->count());
    EXPECT_EQ(QStringLiteral("QSS files (*.qss)"), types->itemText(0));
    EXPECT_EQ(QStringLiteral("All Files (*.*)"), types->itemText(1));
}

TEST_F(OpenQuestDialog, ANameTypedWithoutExtensionOpensItsMapFile)
{
    // A message the dialog shows instead ("File not found") is read and closed.
    QStringList boxes;
    SetMessageShower([&](QWidget*, const QString& text, const QString&, QMessageBox::StandardButtons) {
        boxes << text;
        return int(QMessageBox::Ok);
    });
    NameField()->setFocus();
    NameField()->clear();
    QTest::keyClicks(NameField(), QStringLiteral("Demo"));
    QTest::keyClick(NameField(), Qt::Key_Return);
    SetMessageShower({});
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(base.Path(QStringLiteral("save\\Demo.qss")), dialog.SelectedFile());
}

TEST_F(OpenQuestDialog, AllFilesListsNamesWithoutADot)
{
    EXPECT_TRUE(Listed().contains(QStringLiteral("Demo.qss")));
    EXPECT_FALSE(Listed().contains(QStringLiteral("README")));
    dialog.SelectFilter(dialog.FilterNames().at(1));
    EXPECT_TRUE(Listed().contains(QStringLiteral("README"))) << Listed().join(QLatin1Char(' ')).toStdString();
}

// Qt's own dialog never lists a name that is not UTF-8; this one lists it,
// shows it as Latin-1 and gives back its bytes.
TEST_F(OpenQuestDialog, ListsAMapFileWhoseNameIsNotUtf8AndReturnsItsBytes)
{
    const QString kept = DecodeText("Caf\xe9.qss");
    ASSERT_TRUE(Listed().contains(kept)) << Listed().join(QLatin1Char(' ')).toStdString();
    QListWidget* list = dialog.findChild<QListWidget*>(QStringLiteral("listView"));
    const QList<QListWidgetItem*> shown = list->findItems(QStringLiteral("Caf\u00e9.qss"), Qt::MatchExactly);
    ASSERT_EQ(1, shown.size());
    list->setCurrentItem(shown[0]);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(QByteArray(QFile::encodeName(base.root) + "/save/Caf\xe9.qss"), EncodeText(dialog.SelectedFile()));
}

TEST(FileChooser, TheAddFileDialogOfTheEntityManagerListsAnEntityWhoseNameIsNotUtf8)
{
    CTempBase base;
    MakeFileByBytes(base, "entities/caf\xe9.ves");
    CFileChooserDlg dialog;
    SetUpOpenFileDialog(dialog, QStringLiteral("*.ves"), QStringLiteral("entities\\*.ves"),
                        QStringLiteral("Script files (*.ves)|*.ves|All Files (*.*)|*.*||"));
    // The "amx" folder first, then the script.
    EXPECT_EQ((QStringList{QStringLiteral("amx"), DecodeText("caf\xe9.ves")}), dialog.ListedNames());
}

TEST(WidgetUi, TurnsFiltersIntoQtFilters)
{
    // Each name stays whole to be shown as it is; Qt reads the patterns after it.
    EXPECT_EQ(QStringLiteral("QSS files (*.qss) (*.qss);;All Files (*.*) (*)"), QtFileFilter(kQssFilter));
    EXPECT_EQ(QStringLiteral("Vantraglen.exe (*.exe);;All Files (*) (*)"),
              QtFileFilter(QStringLiteral("Vantraglen.exe |*.exe|All Files (*)|*||")));
    EXPECT_EQ(QStringLiteral("Pictures (*.bmp *.png)"), QtFileFilter(QStringLiteral("Pictures|*.bmp;*.png||")));
}
