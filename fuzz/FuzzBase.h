#pragma once
// What every fuzz target shares: a base directory in a temporary folder, laid
// out like the shipped one, that g_baseDirectory points at (quest "Fuzz"); a
// quiet Ui port that answers every question with the safe choice; and writing
// the input bytes into a file below the base.
#include "document/UiPort.h"

#include <QByteArray>
#include <QString>

#include <cstddef>
#include <cstdint>

// The Ui port of the fuzz targets: counts message boxes, shows nothing, says
// No or Cancel to every question and cancels every dialog.
class CFuzzUi : public CUiPort {
public:
    int MessageBox(const QString& text, const QString& caption, Buttons buttons) override;
    void SetWindowTitle(const QString& title) override { windowTitle = title; }

    int messageCount = 0;
    QString lastText;
    QString lastCaption;
    QString windowTitle;
};

// The quest every target works in.
inline const QString kFuzzQuest = QStringLiteral("Fuzz");

// Makes the temporary base directory on the first call (with the quest folder
// questdata\Fuzz\ and its sub-folders) and points the globals at it again on
// every call. Returns the native path of the base.
QString FuzzSetUp();

// Writes bytes to a logical path below the base, replacing the file.
void FuzzWrite(const QString& logicalPath, const uint8_t* data, size_t size);
void FuzzWrite(const QString& logicalPath, const QByteArray& bytes);

// Writes a small sprite sheet "sprite sheets\<name>" (a 64 x 32 bitmap and its
// sheet file) for the targets that need sprites to resolve: a still
// background sprite "tree", an on-top entity "bat", a fill tile "grass" and the
// hole tiles "hole001" and "hole002".
void FuzzWriteSampleSheet(const QString& name);

// Aborts with the message when a property the reader must keep does not hold,
// so that libFuzzer (or the replay) reports it as a finding.
void FuzzCheck(bool condition, const char* what);

// Every file below the base, relative, for checks that nothing was written
// where it should not be.
QStringList FuzzListing();
