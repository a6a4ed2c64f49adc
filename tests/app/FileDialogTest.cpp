#include "app/WidgetUi.h"
#include "helpers/TempBase.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {
const QString kQssFilter = QStringLiteral("QSS files (*.qss)|*.qss|All Files (*.*)|*.*||");

// The Open quest dialog as a person meets it, on Qt's own dialog so that it
// runs without a desktop.
struct OpenQuestDialog : ::testing::Test {
    CTempBase base;
    QFileDialog dialog;
    OpenQuestDialog()
    {
        base.Write(QStringLiteral("save\\Demo.qss"), "Vantraglen Tessellmancery Map File\r\n");
        base.Write(QStringLiteral("save\\README"), "no dot in this name");
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        SetUpOpenFileDialog(dialog, QStringLiteral("*.qss"), QStringLiteral("save\\*.qss"), kQssFilter);
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    }
    QLineEdit* NameField() { return dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }
    QStringList Listed()
    {
        QListView* list = dialog.findChild<QListView*>(QStringLiteral("listView"));
        QStringList names;
        for (int row = 0; row < list->model()->rowCount(list->rootIndex()); ++row)
            names << list->model()->index(row, 0, list->rootIndex()).data().toString();
        return names;
    }
};
} // namespace

TEST_F(OpenQuestDialog, StartsInTheSaveFolderWithTheInitialName)
{
    EXPECT_EQ(QDir(base.Path(QStringLiteral("save"))).absolutePath(), dialog.directory().absolutePath());
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
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                boxes << box->text();
                box->done(QMessageBox::Ok);
            }
    });
    closer.start(50);
    NameField()->setFocus();
    NameField()->clear();
    QTest::keyClicks(NameField(), QStringLiteral("Demo"));
    QTest::keyClick(NameField(), Qt::Key_Return);
    EXPECT_TRUE(boxes.isEmpty()) << boxes.join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(QDialog::Accepted, dialog.result());
    EXPECT_EQ(QStringList{base.Path(QStringLiteral("save\\Demo.qss"))}, dialog.selectedFiles());
}

TEST_F(OpenQuestDialog, AllFilesListsNamesWithoutADot)
{
    EXPECT_TRUE(QTest::qWaitFor([&] { return Listed().contains(QStringLiteral("Demo.qss")); }, 5000));
    EXPECT_FALSE(Listed().contains(QStringLiteral("README")));
    dialog.selectNameFilter(dialog.nameFilters().at(1));
    EXPECT_TRUE(QTest::qWaitFor([&] { return Listed().contains(QStringLiteral("README")); }, 5000))
        << Listed().join(QLatin1Char(' ')).toStdString();
}

TEST(WidgetUi, TurnsFiltersIntoQtFilters)
{
    // Each name stays whole to be shown as it is; Qt reads the patterns after it.
    EXPECT_EQ(QStringLiteral("QSS files (*.qss) (*.qss);;All Files (*.*) (*)"), QtFileFilter(kQssFilter));
    EXPECT_EQ(QStringLiteral("Vantraglen.exe (*.exe);;All Files (*) (*)"),
              QtFileFilter(QStringLiteral("Vantraglen.exe |*.exe|All Files (*)|*||")));
    EXPECT_EQ(QStringLiteral("Pictures (*.bmp *.png)"), QtFileFilter(QStringLiteral("Pictures|*.bmp;*.png||")));
}
