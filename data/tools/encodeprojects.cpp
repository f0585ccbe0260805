// Build step: turns the plain XML sources of the starting documents and the sample
// projects into stored project files (.rpj), encoded like every project on disk.
//
//   encodeprojects <codec library folder> <source.xml> <target.rpj> [<source.xml> <target.rpj> ...]
#include "codec.h"
#include "encodedxml.h"
#include "suiteerror.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstdio>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 3 || args.size() % 2 == 0) {
        std::fprintf(stderr, "usage: encodeprojects <codec folder> <source.xml> <target.rpj> ...\n");
        return 2;
    }
    if (!BindCodec(args[0])) {
        std::fprintf(stderr, "%s\n", qPrintable(CodecBindError()));
        return 1;
    }
    try {
        for (int i = 1; i + 1 < args.size(); i += 2) {
            const QString source = args[i];
            const QString target = args[i + 1];
            const QDomDocument document = ParseXmlText(ReadTextLines(source).join(QLatin1Char('\n')), source);
            QDir().mkpath(QFileInfo(target).absolutePath());
            SaveEncodedDocument(document, target);
        }
    } catch (const SuiteError &e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
