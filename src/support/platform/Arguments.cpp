#include "support/platform/Arguments.h"

#include "support/io/TextCodec.h"

#include <QCoreApplication>

QStringList ProgramArguments([[maybe_unused]] int argc, [[maybe_unused]] char** argv)
{
#ifdef Q_OS_UNIX
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments << DecodeText(QByteArray(argv[i]));
    return arguments;
#else
    return QCoreApplication::arguments().mid(1);
#endif
}
