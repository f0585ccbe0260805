// Save and load of project documents through the encoded store: a typical project
// (about 20 KB of XML) and a large one (about 5 MB). Prints time per operation and MB/s.
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {
QDomDocument documentOfSize(qsizetype bytes)
{
    QDomDocument doc = NewXmlDocument();
    QDomElement root = doc.createElement(QStringLiteral("RandProject"));
    doc.appendChild(root);
    QDomElement form = ChildElement(root, QStringLiteral("Form"));
    int i = 0;
    while (doc.toByteArray().size() < bytes) {
        // Grow in chunks so building the document stays cheap.
        for (int k = 0; k < 50; ++k, ++i) {
            QDomElement e = doc.createElement(QStringLiteral("Remark%1").arg(i));
            e.setAttribute(QStringLiteral("Caption"), QStringLiteral("备注文字 %1 remark text").arg(i));
            e.setAttribute(QStringLiteral("Font"), QStringLiteral("0,0,0|微软雅黑|fsBold|12"));
            e.setAttribute(QStringLiteral("Top"), QString::number(i * 3));
            form.appendChild(e);
        }
    }
    return doc;
}

QTemporaryDir &workDir()
{
    static QTemporaryDir dir;
    return dir;
}

void BM_Save(benchmark::State &state)
{
    const QDomDocument doc = documentOfSize(state.range(0));
    const QString path = workDir().filePath(QStringLiteral("save.rpj"));
    for (auto _ : state)
        SaveEncodedDocument(doc, path);
    state.SetBytesProcessed(state.iterations() * doc.toByteArray().size());
}

void BM_Load(benchmark::State &state)
{
    const QDomDocument doc = documentOfSize(state.range(0));
    const QString path = workDir().filePath(QStringLiteral("load.rpj"));
    SaveEncodedDocument(doc, path);
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadEncodedDocument(path));
    state.SetBytesProcessed(state.iterations() * doc.toByteArray().size());
}
// A plain project document whose list holds `state.range(0)` names, as the command line's
// --file reads it.
void BM_LoadLongList(benchmark::State &state)
{
    QStringList names;
    for (qint64 i = 0; i < state.range(0); ++i)
        names << QStringLiteral("名字%1").arg(i);
    QDomDocument doc = NewXmlDocument();
    QDomElement root = doc.createElement(QStringLiteral("RandProject"));
    doc.appendChild(root);
    ChildElement(ChildElement(ChildElement(root, "RandQuery"), "Rand"), "Query")
        .setAttribute(QStringLiteral("Lists"), names.join(QLatin1Char(' ')));
    const QString path = workDir().filePath(QStringLiteral("list.xml"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(doc.toByteArray()) < 0)
        state.SkipWithError("cannot write the document");
    file.close();
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadProjectDocumentAnyForm(path));
    state.SetBytesProcessed(state.iterations() * file.size());
}
} // namespace

BENCHMARK(BM_Save)->Arg(20 * 1024)->Arg(5 * 1024 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Load)->Arg(20 * 1024)->Arg(5 * 1024 * 1024)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadLongList)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (!BindCodec(QStringLiteral(SUITE_APP_DIR))) {
        fprintf(stderr, "%s\n", qPrintable(CodecBindError()));
        return 1;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
