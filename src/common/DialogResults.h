#pragma once
// The codes with which dialogs end when their caller acts on how they ended.
// OK and Cancel end with the platform's answers (1 and 2).
enum DialogResult {
    kDialogOk = 1,
    kDialogCancel = 2,
    // Screen properties
    kEditScreen = 3001,
    kDeleteScreen = 3002,
    kEditGroup = 3004,
    kMoveScreen = 3005,
    kCopyScreen = 3006,
    // Start dialog
    kQuestOpened = 4001,
    kExitChosen = 4002,
    // Sprite properties
    kDeleteSprite = 5001,
    // Script errors
    kEditScript = 5005,
};
