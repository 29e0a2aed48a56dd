// Saves two texts in turn into every file named, forever, until it is killed; says
// "saved" once each file has been written. "-n lines" before the files sets the size
// of the texts (20000 lines).
#include "textfile.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    int first = 1;
    int count = 20000;
    if (argc > 3 && QByteArrayView(argv[1]) == "-n") {
        count = QByteArray(argv[2]).toInt();
        first = 3;
    }
    QStringList paths;
    for (int i = first; i < argc; ++i)
        paths.append(QString::fromLocal8Bit(argv[i]));
    QStringList a, b;
    for (int i = 0; i < count; ++i) {
        a.append(QString("alpha line %1 é").arg(i));
        b.append(QString("beta line %1 ə").arg(i));
    }
    for (unsigned n = 0;; ++n) {
        for (const QString &path : paths)
            if (!WriteUnicodeFile(path, n % 2 ? b : a).ok)
                return 1;
        if (n == 0) {
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}
