// Importing a package of many small projects through the manager: the time per project
// must stay the same from 500 to 4,000 projects (no rescans per project, one catalogue
// write for the batch). Most of what is left is the disk's flush of each saved project.
#include "apppaths.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "projectcatalogue.h"
#include "projectexchange.h"
#include "projectheader.h"
#include "projectpackage.h"
#include "querysection.h"
#include "textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

// A package of `count` copies of one encoded project, named 学生0, 学生1, …
QString WritePackage(const QString &folder, int count)
{
    QDomDocument document = NewXmlDocument();
    ProjectRootElement(document);
    SetFormatVersion(document, kCurrentFormatVersion);
    WriteProjectProperties(document, ProjectHeader{});
    WriteProjectTitle(document, QStringLiteral("点名"));
    WriteQuerySection(document, DefaultQueryParams(2), 2);
    const QString stored = QDir(folder).filePath(QStringLiteral("one.rpj"));
    SaveEncodedDocument(document, stored);
    const QStringList lines = ReadTextLines(stored);
    QVector<PackageRecord> records;
    for (int i = 0; i < count; ++i)
        records << PackageRecord{QStringLiteral("学生%1").arg(i), lines};
    const QString package = QDir(folder).filePath(QStringLiteral("班级.rprojs"));
    WriteFileAtomically(package, EncodeUtf16LeWithBom({ComposePackage(records)}));
    return package;
}

void ImportPackage(benchmark::State &state)
{
    const int count = int(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir app;
        QDir(app.path()).mkpath(QStringLiteral("Data/Projects"));
        WriteFileAtomically(app.filePath(QStringLiteral("Data/menu.xml")),
                            R"(<?xml version="1.0" encoding="UTF-8"?><Menu><Projects Count="0"/></Menu>)");
        SetAppDir(app.path());
        const QString package = WritePackage(app.path(), count);
        state.ResumeTiming();
        const auto results = ImportProjects(LoadImportFiles({package}).candidates,
                                            [](const QString &, const QString &) { return ClashChoice::Rename; });
        benchmark::DoNotOptimize(results.size());
    }
    state.SetItemsProcessed(state.iterations() * count);
}
BENCHMARK(ImportPackage)->Arg(500)->Arg(4000)->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication application(argc, argv);
    if (!BindCodec(QStringLiteral(SUITE_APP_DIR)))
        return 1;
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
