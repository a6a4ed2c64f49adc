#pragma once
// The three lists a build writes into "output\temp\" for the engine, each put
// into the quest archive with the files it names.
#include "build/NameList.h"

#include <QString>
#include <QStringList>

class CCompileList;
class CNameList;
class CMessagePort;
class CVirtualArchive;

// "entities.txt": every entity's name and flag; each entity script is brought
// up to date and its compiled file added. 1, or 0 when the list cannot be
// written or a script fails to compile.
// Each export leaves out a name that cannot stand as a file in its folder or
// in the archive (ResourceNameProblem), and appends to `leftOut` one line per
// name it left out, or per file it names that could not be read, saying why.
// `compiledAfter` names the scripts the build compiles after the entities, in
// its order, so that the compiles go on two at a time across the two.
int ExportEntities(CNameList& entities, CVirtualArchive& archive, CCompileList& compileList, CMessagePort& ui,
                   QStringList* leftOut = nullptr, const QStringList& compiledAfter = {});
// "sheets.txt": every sheet's name; each sheet's .spt and .bmp are added.
int ExportSheets(CNameList& sheets, CVirtualArchive& archive, CMessagePort& ui, QStringList* leftOut = nullptr);
// "soundlist.txt": every sound's name and file when sound is included, else
// an empty list.
int ExportSounds(CNameList& sounds, CVirtualArchive& archive, bool includeSound, CMessagePort& ui,
                 QStringList* leftOut = nullptr);

// Why the sheet's bitmap (sprite sheets\{sheet}.bmp) holds fewer pixels than
// its headers promise (BitmapEndProblem), or an empty string when it does not
// or cannot be opened. The build packs no such bitmap.
QString SheetBitmapEndProblem(const QString& sheet);

// The entity's flag for the engine: 1 when its script opens and no piece of it
// (read 63 characters at a time) holds "main()", else 0.
int EntityFlag(const QString& name);

// Why a name read from a tree list cannot go into the quest file, or an empty
// string when it can. It must stay one file inside its resource folder (not
// empty, not "." or "..", no separator, drive colon or control character), and
// its longest name inside the archive must fit the archive's directory (no
// "~", at most 63 bytes).
QString ResourceNameProblem(const QString& name, const QString& longestArchiveName);
