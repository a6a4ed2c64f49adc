#pragma once
// A quest "Full" of columns x rows screens (256 x 256 at most: every cell of
// the map), made in a temporary copy of the shipped base directory by copying
// Demo's six screens across the map, each cell the Demo screen at the same
// place in a 3 x 2 tiling. The files are hard links, so that 65,536 screens
// take little disk and little time to make; one group holds every screen.
// `files` lists what the quest's check reads, for the peer that reads them.
#include "support/paths/Globals.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>

#include <unistd.h>

struct DemoCopiedQuest {
    QTemporaryDir dir;
    QStringList previews;
    QStringList files; // the map file and every screen's three files
    int screens = 0;
    bool ready = false;

    DemoCopiedQuest(int columns, int rows)
    {
        const QString base = dir.path();
        if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), QStringLiteral(TESSELL_SOURCE_DIR "/workspace/."), base})
            != 0)
            return;
        const QString demo = base + QStringLiteral("/questdata/Demo");
        const QString full = base + QStringLiteral("/questdata/Full");
        if (QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-a"), demo, full}) != 0)
            return;
        QByteArray map = "Vantraglen Tessellmancery Map File\r\n" + QByteArray::number(columns * rows) + "\r\n";
        for (int r = 0; r < rows; ++r)
            for (int c = 0; c < columns; ++c) {
                const QString from = QStringLiteral("%1-%2").arg(1 + c % 3).arg(1 + r % 2);
                const QString to = QStringLiteral("%1-%2").arg(c).arg(r);
                const QString pairs[][2] = {
                    {demo + "/screens/" + from + ".lnd", full + "/screens/" + to + ".lnd"},
                    {demo + "/screens/" + from + ".bmp", full + "/screens/" + to + ".bmp"},
                    {demo + "/scripts/screen/" + from + ".ves", full + "/scripts/screen/" + to + ".ves"},
                };
                for (const auto& pair : pairs) {
                    QFile::remove(pair[1]);
                    if (::link(QFile::encodeName(pair[0]).constData(), QFile::encodeName(pair[1]).constData()) != 0)
                        return;
                    files << pair[1];
                }
                previews << pairs[1][1];
                map += QByteArray::number(c) + "\r\n" + QByteArray::number(r) + "\r\n0\r\n";
            }
        map += "1\r\n0\r\n0\r\n0\r\n" + QByteArray::number(columns * 128) + "\r\n" + QByteArray::number(rows * 96)
            + "\r\n0\r\n\r\n160\r\n120\r\nA copied Demo\r\n0\r\n1\r\n";
        QFile file(base + QStringLiteral("/save/Full.qss"));
        if (!file.open(QIODevice::WriteOnly) || file.write(map) != map.size())
            return;
        files.prepend(file.fileName());
        screens = columns * rows;
        ready = true;
    }
    void MakeCurrent() const
    {
        g_baseDirectory = dir.path();
        g_questName = QStringLiteral("Full");
    }
};

// Kilobytes this process holds in memory now (VmRSS), or at most so far (VmHWM).
inline double ResidentKilobytes(const char* field = "VmRSS:")
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(field))
            return line.mid(qsizetype(qstrlen(field))).trimmed().split(' ').value(0).toDouble();
    return -1;
}
