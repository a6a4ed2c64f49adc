// Replays a fuzz target over its committed inputs, once each, without
// fuzzing: every file of every folder named on the command line (a folder that
// does not exist is passed over). A finding aborts, as under libFuzzer.
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv)
{
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const QString folder = QFile::decodeName(argv[i]);
        if (!QFileInfo(folder).isDir())
            continue;
        const QStringList names = QDir(folder).entryList(QDir::Files | QDir::Hidden, QDir::Name);
        for (const QString& name : names) {
            QFile file(QDir(folder).filePath(name));
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(file.fileName()));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            std::fprintf(stderr, "replaying %s (%lld bytes)\n", qPrintable(file.fileName()),
                         static_cast<long long>(bytes.size()));
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.constData()), size_t(bytes.size()));
            ++replayed;
        }
    }
    if (replayed == 0) {
        std::fprintf(stderr, "no input to replay\n");
        return 1;
    }
    std::fprintf(stderr, "replayed %d inputs\n", replayed);
    return 0;
}
