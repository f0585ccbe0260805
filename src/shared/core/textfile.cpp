#include "textfile.h"

#include "suiteerror.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>

QString DecodeText(const QByteArray &bytes)
{
    auto encoding = QStringConverter::encodingForData(bytes);
    QStringDecoder decoder(encoding.value_or(QStringConverter::Utf8), QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text;
}

QStringList SplitTextLines(const QString &text)
{
    QStringList lines;
    const QChar *const begin = text.constData();
    const QChar *const end = begin + text.size();
    const QChar *start = begin;
    for (const QChar *c = begin; c != end; ++c) {
        if (*c == QLatin1Char('\n') || *c == QLatin1Char('\r')) {
            lines.append(QString(start, c - start));
            if (*c == QLatin1Char('\r') && c + 1 != end && c[1] == QLatin1Char('\n'))
                ++c;
            start = c + 1;
        }
    }
    if (start != end)
        lines.append(QString(start, end - start));
    return lines;
}

QString ReadWholeText(const QString &path)
{
    QFile file(path);
    if (!file.exists())
        throw SuiteError(QStringLiteral("文件“%1”不存在。").arg(QFileInfo(path).fileName()));
    if (QFileInfo(path).isDir() || !file.open(QIODevice::ReadOnly))
        throw SuiteError(QStringLiteral("无法读取文件“%1”：%2").arg(QFileInfo(path).fileName(), file.errorString()));
    return DecodeText(file.readAll());
}

QStringList ReadTextLines(const QString &path)
{
    return SplitTextLines(ReadWholeText(path));
}

QByteArray EncodeUtf16LeWithBom(const QStringList &lines)
{
    QString text;
    qsizetype size = 1;
    for (const QString &line : lines)
        size += line.size() + 2;
    text.reserve(size);
    text.append(QChar(0xFEFF));
    for (const QString &line : lines) {
        text.append(line);
        text.append(QLatin1String("\r\n"));
    }
    QStringEncoder encoder(QStringConverter::Utf16LE);
    return encoder.encode(text);
}

void WriteFileAtomically(const QString &path, const QByteArray &bytes)
{
    const QString name = QFileInfo(path).fileName();
    if (QFileInfo(path).isDir())
        throw SuiteError(QStringLiteral("无法保存文件“%1”：同名的文件夹已存在。").arg(name));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw SuiteError(QStringLiteral("无法保存文件“%1”：%2").arg(name, file.errorString()));
    if (file.write(bytes) != bytes.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        throw SuiteError(QStringLiteral("无法保存文件“%1”：%2").arg(name, reason));
    }
    if (!file.commit())
        throw SuiteError(QStringLiteral("无法保存文件“%1”：%2").arg(name, file.errorString()));
}

void WriteTextLines(const QString &path, const QStringList &lines)
{
    WriteFileAtomically(path, EncodeUtf16LeWithBom(lines));
}
