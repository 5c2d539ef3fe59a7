// Runs a fuzz target over files and folders of inputs once each, without the
// fuzzing engine, so that every build replays the seeds and the inputs that
// once found a fault.

#include <QtCore/QDirIterator>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>
#include <QtCore/QStringList>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char *argv[])
{
    QStringList paths;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(path).isDir())
            paths.append(path);
        for (QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories); files.hasNext();)
            paths.append(files.next());
    }
    for (const QString &path : qAsConst(paths)) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray input = file.readAll();
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
    }
    std::printf("%d inputs replayed\n", int(paths.size()));
    return paths.isEmpty() ? 1 : 0;
}
