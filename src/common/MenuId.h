#pragma once
// The menus by their resource numbers: the frame's initial menu and the menus
// of the three designers.
enum MenuId { kInitialMenu = 128, kScreenMenu = 133, kMapMenu = 134, kSheetMenu = 161 };
