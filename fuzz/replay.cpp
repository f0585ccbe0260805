// Runs every seed and every reproducer under fuzz/corpus/<target>/ and fuzz/reproducers/<target>/
// through its target's entry with the ordinary build, so a finding stays fixed. Prints each
// file as it goes: a crash or abort names the file it happened on.
#include "fuzzentries.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <fuzz folder>\n", argv[0]);
        return 2;
    }
    const QDir root(QString::fromLocal8Bit(argv[1]));
    int files = 0;
    for (const QString &kind : {QStringLiteral("corpus"), QStringLiteral("reproducers")}) {
        const QDir kindDir(root.filePath(kind));
        for (const QString &target : kindDir.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
            const fuzz::Entry entry = fuzz::EntryNamed(target);
            if (!entry) {
                std::fprintf(stderr, "no fuzz target named %s\n", qPrintable(target));
                return 1;
            }
            const QDir inputs(kindDir.filePath(target));
            for (const QString &name : inputs.entryList(QDir::Files)) {
                QFile file(inputs.filePath(name));
                if (!file.open(QIODevice::ReadOnly))
                    return 1;
                const QByteArray bytes = file.readAll();
                std::printf("%s/%s/%s\n", qPrintable(kind), qPrintable(target), qPrintable(name));
                std::fflush(stdout);
                entry(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
                ++files;
            }
        }
    }
    std::printf("%d inputs replayed\n", files);
    return files > 0 ? 0 : 1;
}
