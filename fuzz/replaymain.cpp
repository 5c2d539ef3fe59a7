// Runs a fuzz target over files and folders of inputs once each, without the
// fuzzing engine, so that every build replays the seeds and the inputs that
// once found a fault.

#include <QtCore/QDirIterator>
#include <QtCore/QFile>
#include <QtCore/QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

namespace {

bool replay(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
        return false;
    }
    const QByteArray input = file.readAll();
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(input.constData()), size_t(input.size()));
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    int replayed = 0;
    bool allRead = true;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (!QFileInfo(path).isDir()) {
            allRead = replay(path) && allRead;
            ++replayed;
            continue;
        }
        QDirIterator files(path, QDir::Files, QDirIterator::Subdirectories);
        while (files.hasNext()) {
            allRead = replay(files.next()) && allRead;
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return allRead && replayed > 0 ? 0 : 1;
}
