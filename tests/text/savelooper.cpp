// Saves two texts in turn, forever, until it is killed; says "saved" after the first.
#include "textfile.h"

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc < 2)
        return 2;
    const QString path = QString::fromLocal8Bit(argv[1]);
    QStringList a, b;
    for (int i = 0; i < 20000; ++i) {
        a.append(QString("alpha line %1 é").arg(i));
        b.append(QString("beta line %1 ə").arg(i));
    }
    for (unsigned n = 0;; ++n) {
        if (!WriteUnicodeFile(path, n % 2 ? b : a).ok)
            return 1;
        if (n == 0) {
            std::puts("saved");
            std::fflush(stdout);
        }
    }
}
