#pragma once
// The three lists a build writes into "output\temp\" for the engine, each put
// into the quest archive with the files it names.
#include <QString>

class CCompileList;
class CNameList;
class CMessagePort;
class CVirtualArchive;

// What an export shows when its tree list cannot be opened (caption: the
// path), and what it logs before a name it leaves out.
extern const char kEntityListMissing[]; // "Couldnt open entity List"
extern const char kSheetListMissing[];  // "Couldnt open sheets List"
extern const char kSoundListMissing[];  // "Couldnt open sound List"
extern const char kNameLeftOut[];       // "Resource name left out of the quest file, it is not a plain file name:"

// "entities.txt": every entity's name and flag; each entity script is brought
// up to date and its compiled file added. 1, or 0 when the list cannot be
// written or a script fails to compile.
int ExportEntities(CNameList& entities, CVirtualArchive& archive, CCompileList& compileList, CMessagePort& ui);
// "sheets.txt": every sheet's name; each sheet's .spt and .bmp are added.
int ExportSheets(CNameList& sheets, CVirtualArchive& archive, CMessagePort& ui);
// "soundlist.txt": every sound's name and file when sound is included, else
// an empty list.
int ExportSounds(CNameList& sounds, CVirtualArchive& archive, bool includeSound, CMessagePort& ui);

// The entity's flag for the engine: 1 when its script opens and no piece of it
// (read 63 characters at a time) holds "main()", else 0.
int EntityFlag(const QString& name);

// Whether a name read from a tree list can stand as a file name in its
// resource folder: no path separator, drive, ".." or control character.
bool IsPlainResourceName(const QString& name);
