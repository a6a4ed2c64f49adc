#pragma once
// A sheet designer with a display, a recording Ui and host, over a temporary
// base directory holding the sheet "meadow" (a 64 x 32 bitmap, red at its
// top-left 8 x 8, and a sheet file the test writes).
#include "display/Display.h"
#include "helpers/FakeUi.h"
#include "helpers/TempBase.h"
#include "sheets/SheetDesigner.h"
#include "sheets/SheetHost.h"

#include <QImage>

#include <gtest/gtest.h>

struct CRecordingSheetHost : CSheetHost {
    void ReturnToMap() override { ++returns; }
    bool ScreenDoubleSize() const override { return doubleSize; }
    int returns = 0;
    bool doubleSize = false;
};

class SheetDesignerTest : public ::testing::Test {
protected:
    SheetDesignerTest()
    {
        display.Initialise(nullptr, 1024, 768);
        designer.display = &display;
        QImage image(64, 32, QImage::Format_RGB32);
        image.fill(QColor(0, 0, 255));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x)
                image.setPixelColor(x, y, QColor(255, 0, 0));
        image.save(base.Path(QStringLiteral("sprite sheets\\meadow.bmp")), "BMP");
    }
    void WriteSheetFile(const QByteArray& bytes) { base.Write(QStringLiteral("sprite sheets\\meadow.spt"), bytes); }
    QByteArray SheetFile() const { return base.Read(QStringLiteral("sprite sheets\\meadow.spt")); }
    // A press at one view point, a move to another and the release there.
    void Drag(int x1, int y1, int x2, int y2)
    {
        designer.onLButtonDown(MK_LBUTTON, x1, y1);
        designer.onMouseMove(MK_LBUTTON, x2, y2);
        designer.onLButtonUp(0, x2, y2);
    }
    // Names every sprite the properties dialog is opened on from the queue;
    // an empty queue ends it with Escape.
    void NameSprites(QByteArrayList codes)
    {
        ui.onSpriteProperties = [codes](CDesignerSprite& sprite, CSheetDesigner&) mutable {
            if (codes.isEmpty())
                return int(CUiPort::AnswerCancel);
            sprite.code = codes.takeFirst();
            return int(CUiPort::AnswerOk);
        };
    }
    // Cuts a sprite from the drag of the snapped view rectangle.
    void Cut(const QByteArray& code, int left, int top, int right, int bottom)
    {
        designer.drag = CRect{left, top, right, bottom};
        NameSprites({code});
        designer.CreateSprite();
    }
    QByteArrayList Codes() const
    {
        QByteArrayList codes;
        for (const CDesignerSprite* s : designer.sprites)
            codes << s->code;
        return codes;
    }
    CDesignerSprite* Sprite(const QByteArray& code) const
    {
        for (CDesignerSprite* s : designer.sprites)
            if (s->code == code)
                return s;
        return nullptr;
    }
    uint16_t Pixel(int x, int y) const { return display.BackBuffer()->Pixel(x, y); }

    CTempBase base;
    CFakeUi ui;
    CRecordingSheetHost host;
    CDisplay display;
    CSheetDesigner designer{ui, ui, ui, &host};
};
