// EightPointThree of a ROM in a folder of 10,000 long-named files, against a bare read of the
// same folder. Both run alternately in one process so that caches treat them alike.
#include "dosname.h"
#include "median.h"

#include "bareread.h"

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// The last entry in raw order: EightPointThree has to pass every other entry first.
QString lastEntry(const QByteArray& path) {
    DIR* dir = opendir(path.constData());
    QByteArray last;
    while (const dirent* entry = readdir(dir))
        if (entry->d_name[0] != '.')
            last = entry->d_name;
    closedir(dir);
    return QFile::decodeName(last);
}

} // namespace

int main() {
    QTemporaryDir dir;
    const int files = 10000;
    for (int i = 0; i < files; ++i) {
        QFile f(dir.filePath(QStringLiteral("Some Long Game Title %1 (Europe).gb").arg(i)));
        if (!f.open(QIODevice::WriteOnly))
            return 1;
    }
    const QByteArray path = QFile::encodeName(dir.path());
    const QString target = dir.filePath(lastEntry(path));

    const int rounds = 31;
    std::vector<double> bare, e83;
    QString name;
    int count = 0;
    for (int r = 0; r < rounds; ++r) {
        QElapsedTimer t;
        t.start();
        count += bareDirectoryRead(path);
        bare.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        name = EightPointThree(target);
        e83.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("folder of %d long-named files, last entry in directory order -> %s\n", files,
                qPrintable(name));
    std::printf("median of %d rounds: bare directory read %.3f ms, EightPointThree %.3f ms, "
                "ratio %.2f (entries seen %d)\n",
                rounds, median(bare), median(e83), median(e83) / median(bare), count / rounds);
    return 0;
}
