#pragma once
// A quest of 1,000 screens in a temporary base directory, for the benchmarks
// that open or draw a large map: the map file save\Bench.qss and a preview per
// screen (40 columns, 25 rows), every preview different. `otherCase` names the
// screens folder and the preview files in other letter case, as a quest made
// on a case-insensitive system may be.
#include "display/Surface.h"
#include "screens/PreviewWriter.h"

#include <QDir>
#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <utime.h>

constexpr int kScreens = 1000;

struct ThousandScreenQuest {
    QTemporaryDir dir;
    QStringList previews;
    explicit ThousandScreenQuest(bool otherCase)
    {
        const QString screens =
            otherCase ? QStringLiteral("/questdata/Bench/Screens/") : QStringLiteral("/questdata/Bench/screens/");
        const QString extension = otherCase ? QStringLiteral(".BMP") : QStringLiteral(".bmp");
        QDir root(dir.path());
        root.mkpath(QStringLiteral("save"));
        root.mkpath(dir.path() + screens);
        CSurface small;
        small.Create(128, 96);
        QByteArray map = "Vantraglen Tessellmancery Map File\r\n" + QByteArray::number(kScreens) + "\r\n";
        for (int k = 0; k < kScreens; ++k) {
            const int column = k % 40;
            const int row = k / 40;
            // Every preview different, with values of every length.
            for (int y = 0; y < 96; ++y)
                for (int x = 0; x < 128; ++x)
                    small.SetPixel(x, y, uint16_t((x * 517 + y * 3 + k * 7919) & 0xFFFF));
            const QString path = dir.path() + screens + QStringLiteral("%1-%2").arg(column).arg(row) + extension;
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(PreviewFileBytes(small));
            previews << path;
            map += QByteArray::number(column) + "\r\n" + QByteArray::number(row) + "\r\n0\r\n";
        }
        map += "0\r\n160\r\n120\r\nBench\r\n0\r\n1\r\n";
        QFile file(dir.path() + QStringLiteral("/save/Bench.qss"));
        file.open(QIODevice::WriteOnly);
        file.write(map);
        // A quest made elsewhere was made long ago.
        if (otherCase) {
            const utimbuf longAgo{1577836800, 1577836800};
            for (const char* folder : {"/questdata", "/questdata/Bench", "/questdata/Bench/Screens"})
                utime(QFile::encodeName(dir.path() + QLatin1String(folder)).constData(), &longAgo);
        }
    }
};
