#include "dialogs/DialogMessage.h"
#include "dialogs/EntityInfoDlg.h"
#include "screens/PlacedSprite.h"

#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct EntityWindow : ::testing::Test {
    EntityWindow()
    {
        SetMessageShower([this](QWidget*, const QString& text, const QString& caption, QMessageBox::StandardButtons) {
            shown << caption + QStringLiteral(": ") + text;
            return int(QMessageBox::Ok);
        });
        entity.code = "bat";
        entity.entityName = "old";
        entity.x = 10;
        entity.y = 20;
        window.SetEntity(&entity, 320, 480, QStringLiteral("bat"), [this](int) { ++changes; });
        window.Show(true);
        name = window.findChild<QLineEdit*>(QStringLiteral("1017"));
    }
    ~EntityWindow() override { SetMessageShower(nullptr); }
    QString Text(const char* id) { return window.findChild<QLabel*>(QLatin1String(id))->text(); }

    CPlacedSprite entity;
    CEntityInfoDlg window;
    QLineEdit* name = nullptr;
    QStringList shown;
    int changes = 0;
};
} // namespace

TEST_F(EntityWindow, ShowsTheEntityAndItsCoordinates)
{
    EXPECT_EQ(QStringLiteral("Entity information"), window.windowTitle());
    EXPECT_TRUE(window.isVisible());
    EXPECT_FALSE(window.isModal());
    EXPECT_EQ(QStringLiteral("old"), name->text());
    EXPECT_EQ(19, name->maxLength());
    EXPECT_EQ(QStringLiteral("bat"), Text("1018"));
    EXPECT_EQ(QStringLiteral("x = 10, y = 20"), Text("1051"));
    EXPECT_EQ(QStringLiteral("x = 330, y = 500"), Text("1052"));
    window.Show(false);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(EntityWindow, EveryChangeOfTheNameIsTakenAtOnce)
{
    name->clear();
    QTest::keyClicks(name, QStringLiteral("bob"));
    EXPECT_EQ("bob", entity.entityName);
    EXPECT_EQ(3, changes); // the clear is no edit; each key is
    QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ("", entity.entityName); // an empty name is taken
    EXPECT_TRUE(shown.isEmpty());
}

TEST_F(EntityWindow, ALeadingDigitIsRefusedAndTheOldNameKept)
{
    QTest::keyClick(name, Qt::Key_Home);
    QTest::keyClick(name, Qt::Key_7);
    EXPECT_EQ(QStringList{QStringLiteral("Error: The first character of the identifier cannot be a number.")}, shown);
    EXPECT_EQ("old", entity.entityName);
    EXPECT_EQ(QStringLiteral("old"), name->text());
    EXPECT_EQ(0, changes);
}

TEST_F(EntityWindow, WithNoEntityNothingIsTaken)
{
    window.SetEntity(nullptr, 0, 0, QString(), nullptr);
    QTest::keyClicks(name, QStringLiteral("x"));
    EXPECT_EQ("old", entity.entityName);
    EXPECT_EQ(0, changes);
}
