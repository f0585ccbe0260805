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
    if (text.isEmpty())
        return lines;
    qsizetype start = 0;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            lines.append(text.mid(start, i - start));
            if (c == QLatin1Char('\r') && i + 1 < n && text.at(i + 1) == QLatin1Char('\n'))
                ++i;
            start = i + 1;
        }
    }
    if (start < n)
        lines.append(text.mid(start));
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
