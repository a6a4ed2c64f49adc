#pragma once
// The base directory a program starts on: the folder named on its command
// line; else the folder it is started in, when that is a base directory (it
// holds questdata); else the user's data folder, which is made on first start
// as a copy of the installed base directory (with the sample quest).
#include <QString>

struct BaseDirectoryChoice {
    QString path;     // the native path of the base directory
    QString madeFrom; // the installed base directory it was just made from, or empty
    QString problem;  // why the user's data folder could not be made, or empty
};

BaseDirectoryChoice ChooseBaseDirectory(const QString& given);

// Whether a folder is a base directory: it holds questdata.
bool IsBaseDirectory(const QString& nativePath);
