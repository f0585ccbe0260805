#include "historyreport.h"

#include "recordtools.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QCoreApplication>

std::optional<QDate> ParseHistoryDate(const QString &text)
{
    static const QRegularExpression pattern(QStringLiteral("^(\\d{4})[/-](\\d{1,2})[/-](\\d{1,2})$"));
    const QRegularExpressionMatch match = pattern.match(text.trimmed());
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(1).toInt(), match.captured(2).toInt(), match.captured(3).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QString HistoryTimeText(const QDateTime &time)
{
    return time.toLocalTime().toString(QStringLiteral("yyyy/M/d H:mm:ss"));
}

QString HistoryResultsText(const QStringList &results)
{
    return results.join(QStringLiteral("  "));
}

QString HistoryLinesText(const QList<HistoryEntry> &entries)
{
    QString text;
    for (const HistoryEntry &entry : entries) {
        text += HistoryTimeText(entry.time) + QCoreApplication::translate("History", "  第%1次  ").arg(entry.batch)
                + HistoryResultsText(entry.results) + QLatin1Char('\n');
    }
    return text;
}

QByteArray HistoryJson(const QString &project, const QList<HistoryEntry> &entries, const QList<DrawMark> &marks)
{
    QHash<qint64, QList<DrawMark>> marksOfDraw;
    for (const DrawMark &mark : marks)
        marksOfDraw[mark.drawTime.toMSecsSinceEpoch()].append(mark);
    // Written by hand so the keys keep the documented order, one draw per line.
    auto quoted = [](const QString &text) {
        const QByteArray array = QJsonDocument(QJsonArray{text}).toJson(QJsonDocument::Compact);
        return array.mid(1, array.size() - 2);
    };
    QByteArray json = "{\"project\": " + quoted(project) + ", \"draws\": [";
    for (qsizetype i = 0; i < entries.size(); ++i) {
        const HistoryEntry &entry = entries.at(i);
        json += i == 0 ? "\n  " : ",\n  ";
        json += "{\"time\": " + quoted(entry.time.toLocalTime().toString(Qt::ISODate))
                + ", \"batch\": " + QByteArray::number(entry.batch) + ", \"source\": " + quoted(entry.source)
                + ", \"results\": " + QJsonDocument(QJsonArray::fromStringList(entry.results)).toJson(QJsonDocument::Compact);
        if (const auto found = marksOfDraw.constFind(entry.time.toMSecsSinceEpoch()); found != marksOfDraw.cend()) {
            QByteArray list;
            for (const DrawMark &mark : *found)
                list += (list.isEmpty() ? "" : ", ") + QByteArray("{\"slot\": ") + QByteArray::number(mark.slot)
                        + ", \"result\": " + quoted(mark.result) + ", \"mark\": " + quoted(mark.mark) + "}";
            json += ", \"marks\": [" + list + "]";
        }
        json += "}";
    }
    json += entries.isEmpty() ? "]}\n" : "\n]}\n";
    return json;
}

QByteArray HistoryDrawsCsv(const QList<HistoryEntry> &entries)
{
    QList<QStringList> rows{
        {QCoreApplication::translate("History", "时间"), QCoreApplication::translate("History", "工程"),
         QCoreApplication::translate("History", "次序"), QCoreApplication::translate("History", "来源"),
         QCoreApplication::translate("History", "结果")}};
    for (const HistoryEntry &entry : entries) {
        rows.append({HistoryTimeText(entry.time), entry.project, QString::number(entry.batch), entry.source,
                     HistoryResultsText(entry.results)});
    }
    return CsvTable(rows, {4});
}

QByteArray HistoryCountsCsv(const QList<ResultCount> &counts)
{
    QList<QStringList> rows{
        {QCoreApplication::translate("History", "结果"), QCoreApplication::translate("History", "次数")}};
    for (const ResultCount &count : counts)
        rows.append({count.result, QString::number(count.count)});
    return CsvTable(rows, {0});
}
