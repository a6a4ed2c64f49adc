#pragma once
// The nine 16 x 16 images of the resource trees, in the order the trees index
// them: 0 project (title line), 1 open folder, 2 closed folder, 3 script,
// 4 highlighted script, 5 and 6 sprite sheet (plain and highlighted), 7 music,
// 8 wave sound.
#include <QIcon>

#include <vector>

constexpr int kTreeImageCount = 9;

// Loads the images from the program's resources; the same picture serves the
// normal and the selected state.
std::vector<QIcon> LoadTreeImages();
