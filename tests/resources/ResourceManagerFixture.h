#pragma once
// A resource manager of the quest Forest without its window: its tree file
// written from bytes, its items found by their text, and clicks and popup
// commands that count.
#include "helpers/FakeUi.h"
#include "helpers/FileBytes.h"
#include "helpers/TempBase.h"
#include "resources/ResourceHostFake.h"

#include "resources/ResourceManager.h"
#include "support/paths/Globals.h"

#include <QFile>
#include <QStandardItem>

#include <gtest/gtest.h>

#include <memory>

class ResourceManagerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        g_questName = QStringLiteral("Forest");
        // An editor that takes the script and goes: starting it says nothing.
        base.Write(QStringLiteral("editor\\cgenie"), "#!/bin/sh\nexit 0\n");
        QFile::setPermissions(base.Path(QStringLiteral("editor\\cgenie")), QFile::ReadOwner | QFile::ExeOwner);
    }

    CResourceManager& Open(const ResourceManagerKind& kind, const QString& treeFile, const QByteArray& bytes)
    {
        file = QStringLiteral("questdata\\Forest\\") + treeFile;
        base.Write(file, bytes);
        manager = std::make_unique<CResourceManager>(kind, ui, ui, host);
        manager->Initialise();
        return *manager;
    }

    // The item shown with this text, searched through the whole tree.
    QStandardItem* Item(const QString& text) const
    {
        const auto found = manager->tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
        EXPECT_EQ(found.size(), 1) << text.toStdString();
        return found.isEmpty() ? nullptr : found.front();
    }

    // A click that counts: on the selected item's text.
    TreeClick On(const QString& text) const
    {
        QStandardItem* item = Item(text);
        return TreeClick{item, true, item, 300, 120};
    }

    // Right-clicks an item and picks a command from its popup.
    void Pick(const QString& text, int command)
    {
        ui.popupAnswers.push_back(command);
        manager->treeCtrl.RightButtonDown(On(text));
    }

    QByteArray TreeFile() const { return base.Read(file); }

    CTempBase base;
    CFakeUi ui;
    CFakeResourceHost host;
    std::unique_ptr<CResourceManager> manager;
    QString file;
};
