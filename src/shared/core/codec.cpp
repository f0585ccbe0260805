#include "codec.h"

#include "apppaths.h"
#include "suiteerror.h"

#include <QLibrary>
#include <QCoreApplication>

namespace {
using CodecCall = QStringList *(*)(QStringList *, const QString *);

struct CodecBinding
{
    QLibrary *library = nullptr; // never unloaded
    CodecCall encode = nullptr;
    CodecCall decode = nullptr;
    QString error = QCoreApplication::translate("Files", "编码库 Quillet 尚未加载，无法读写工程文件。");
};

CodecBinding &binding()
{
    static CodecBinding b;
    return b;
}

QString missingLibraryMessage(const QString &detail)
{
    return QCoreApplication::translate("Files", "找不到编码库 Quillet（%1），无法读写工程文件。请重新安装本软件。")
        .arg(detail);
}

QStringList runCodec(CodecCall call, const QStringList &lines, const QString &key, bool decoding)
{
    if (!IsCodecBound())
        throw SuiteError(binding().error);
    // The library may return the list it was given or a new one; either way the
    // result is ours to copy and free.
    auto *buffer = new QStringList(lines);
    QStringList *result = call(buffer, &key);
    if (!result) {
        delete buffer;
        throw SuiteError(decoding ? QCoreApplication::translate("Files", "内容已损坏、被改动或不是本软件的加密格式。")
                                  : QCoreApplication::translate("Files", "编码库 Quillet 无法编码该内容。"));
    }
    QStringList out = std::move(*result);
    if (result != buffer)
        delete buffer;
    delete result;
    return out;
}
} // namespace

bool BindCodec(const QString &libraryDir)
{
    CodecBinding &b = binding();
    if (IsCodecBound())
        return true;
    const QString dir = libraryDir.isEmpty() ? ProgramDir() : libraryDir;
    auto *library = new QLibrary(dir + (dir.endsWith(QLatin1Char('/')) ? QString() : QStringLiteral("/")) + QStringLiteral("Quillet"));
    if (!library->load()) {
        b.error = missingLibraryMessage(library->errorString());
        delete library;
        return false;
    }
    auto encode = reinterpret_cast<CodecCall>(library->resolve("StrEncode"));
    auto decode = reinterpret_cast<CodecCall>(library->resolve("StrDecode"));
    if (!encode || !decode) {
        b.error = missingLibraryMessage(QCoreApplication::translate("Files", "缺少导出函数 StrEncode 或 StrDecode"));
        library->unload();
        delete library;
        return false;
    }
    b.library = library;
    b.encode = encode;
    b.decode = decode;
    b.error.clear();
    return true;
}

bool IsCodecBound()
{
    return binding().encode && binding().decode;
}

QString CodecBindError()
{
    return binding().error;
}

QStringList EncodeLines(const QStringList &lines, const QString &key)
{
    return runCodec(binding().encode, lines, key, false);
}

QStringList DecodeLines(const QStringList &lines, const QString &key)
{
    return runCodec(binding().decode, lines, key, true);
}
