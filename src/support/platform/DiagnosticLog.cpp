#include "support/platform/DiagnosticLog.h"

#include "support/io/NativeFile.h"
#include "support/io/TextCodec.h"
#include "support/paths/LogicalPath.h"

#include <QFile>

namespace {
const char kLogName[] = "ErrorChk.txt";
}

void InitLog()
{
    QFile file;
    if (!OpenNativeFile(file, NativePath(QLatin1String(kLogName)), QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    file.write("Tessellmancery error checking file initialised...\r\n********************\r\n");
}

void LogLine(const QString& text)
{
    QFile file;
    if (!OpenNativeFile(file, NativePath(QLatin1String(kLogName)), QIODevice::WriteOnly | QIODevice::Append))
        return;
    file.write("\r\n" + EncodeText(text));
}
