// Runs a harness over files and folders of inputs (the seed corpus, saved reproducers)
// in the normal build, so that ctest keeps every fixed finding fixed.
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdio>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size);

int main(int argc, char **argv)
{
    int inputs = 0;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        QStringList files;
        if (QFileInfo(arg).isDir()) {
            QDirIterator it(arg, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
            while (it.hasNext())
                files.append(it.next());
            files.sort();
        } else if (QFileInfo::exists(arg)) {
            files.append(arg);
        } else {
            std::fprintf(stderr, "no such input: %s\n", argv[i]);
            return 1;
        }
        for (const QString &path : std::as_const(files)) {
            QFile file(path);
            if (!file.open(QIODevice::ReadOnly)) {
                std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
                return 1;
            }
            const QByteArray bytes = file.readAll();
            LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()),
                                   size_t(bytes.size()));
            ++inputs;
        }
    }
    // The empty input is always worth one run.
    LLVMFuzzerTestOneInput(nullptr, 0);
    std::printf("%d inputs replayed\n", inputs + 1);
    return inputs > 0 ? 0 : 1;
}
