#include "calclibrary.h"

#include "apppaths.h"
#include "suiteerror.h"

#include <QLibrary>
#include <QMutex>
#include <QMutexLocker>

#include <atomic>
#include <QCoreApplication>

namespace {
using GoCalcCall = long double (*)(const QString *, const QStringList *, const QStringList *);
using LastErrorCall = void (*)(QString *);

// Constant-initialised, so they are ready before any static constructor runs.
QBasicMutex bindingMutex;
std::atomic<GoCalcCall> boundGoCalc{nullptr};
LastErrorCall boundLastError = nullptr; // set before boundGoCalc is published
// Loaded for the life of the process and never unloaded; held here so that the handle
// is not taken for a leak at exit.
QLibrary *boundLibrary = nullptr;

QString missingLibraryMessage(const QString &detail)
{
    return QCoreApplication::translate("Engine", "找不到计算库 Mirzonel（%1），无法生成计算题。请重新安装本软件。")
        .arg(detail);
}
} // namespace

void BindCalcLibrary(const QString &libraryDir)
{
    QMutexLocker lock(&bindingMutex);
    if (boundGoCalc.load())
        return;
    QString dir = libraryDir.isEmpty() ? ProgramDir() : libraryDir;
    if (!dir.endsWith(QLatin1Char('/')))
        dir += QLatin1Char('/');
    auto *library = new QLibrary(dir + QStringLiteral("Mirzonel"));
    if (!library->load()) {
        const QString detail = library->errorString();
        delete library;
        throw SuiteError(missingLibraryMessage(detail));
    }
    auto goCalc = reinterpret_cast<GoCalcCall>(library->resolve("GoCalc"));
    auto lastError = reinterpret_cast<LastErrorCall>(library->resolve("GoCalcLastError"));
    if (!goCalc || !lastError) {
        library->unload();
        delete library;
        throw SuiteError(
            missingLibraryMessage(QCoreApplication::translate("Engine", "缺少导出函数 GoCalc 或 GoCalcLastError")));
    }
    boundLibrary = library;
    boundLastError = lastError;
    boundGoCalc.store(goCalc);
}

bool IsCalcLibraryBound()
{
    return boundGoCalc.load() != nullptr;
}

double EvaluateExpression(const QString &expression, const QStringList &names, const QStringList &values)
{
    const GoCalcCall goCalc = boundGoCalc.load();
    if (!goCalc)
        throw SuiteError(missingLibraryMessage(QCoreApplication::translate("Engine", "尚未加载")));
    const long double value = goCalc(&expression, &names, &values);
    QString reason;
    boundLastError(&reason);
    if (!reason.isEmpty())
        throw SuiteError(QCoreApplication::translate("Engine", "表达式“%1”无法计算：%2。请修改计算参数中的这个表达式。")
                             .arg(expression, reason));
    return static_cast<double>(value);
}
