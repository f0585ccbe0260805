#include "fairnessreport.h"

#include "fairnessstore.h"
#include "storedvaluetext.h"
#include "suiteerror.h"
#include "templategenerator.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QCoreApplication>

FairnessCheck CheckFairness(const QString &databasePath, const FairnessSubject &subject, int draws,
                            RandomSource &random)
{
    std::optional<ListContents> contents;
    if (subject.item.isEmpty()) {
        contents = ReadListContents(subject.pmode, subject.query);
    } else {
        contents = TemplateGenerator(subject.pmode, subject.query).ListItemContents(subject.item);
        if (!contents)
            throw SuiteError(QCoreApplication::translate("History", "工程中没有名为“%1”的名单项目。").arg(subject.item));
    }
    const QList<WeightedEntry> entries = DistinctEntries(contents->entries.ToStringList());
    const FairSettings &settings = subject.settings;
    FairnessCheck check;
    check.project = subject.item.isEmpty() ? subject.project : subject.project + QLatin1Char('/') + subject.item;
    check.settings = settings;
    check.ranCount = contents->ranCount;
    BalanceHistory start;
    RotationState rotation;
    if (QFileInfo::exists(databasePath)) {
        FairnessStore store = subject.item.isEmpty()
                                  ? FairnessStore(databasePath, subject.project)
                                  : FairnessStore(databasePath, ItemFairnessKey(subject.project, subject.item),
                                                  FairnessStore::Counting::OwnTurns);
        start = store.ReadBalance(FairPeriodStart(settings.period, QDate::currentDate()), settings.skip);
        if (settings.mode == FairMode::Rotation)
            rotation = store.ReadRotation().value_or(RotationState());
        const QList<QStringList> batches = store.ReadBatches(check.ranCount);
        check.notice = store.Notice();
        check.history = MeasureFairness(entries, batches);
    }
    check.simulated = SimulateFairness(settings, entries, check.ranCount, draws, start, rotation, random);
    check.plain = SimulateFairness(FairSettings{}, entries, check.ranCount, draws, {}, {}, random);
    return check;
}

namespace {

QString Figure(double value)
{
    return QString::number(value, 'f', 2);
}

QString TableText(const FairnessTable &table)
{
    QString text = QCoreApplication::translate("History", "条目\t期望次数\t次数\t最长间隔\n");
    for (const FairnessRow &row : table.rows)
        text += QStringLiteral("%1\t%2\t%3\t%4\n").arg(row.entry, Figure(row.expected)).arg(row.count).arg(row.longestWait);
    text += QCoreApplication::translate("History", "χ² = %1（自由度 %2），p = %3；与期望次数的均方根偏差 %4\n")
                .arg(Figure(table.chiSquare))
                .arg(table.freedom)
                .arg(QString::number(table.pValue, 'g', 3), Figure(table.spread));
    return text;
}

QJsonObject TableJson(const FairnessTable &table)
{
    QJsonArray rows;
    for (const FairnessRow &row : table.rows)
        rows.append(QJsonObject{{QStringLiteral("entry"), row.entry},
                                {QStringLiteral("expected"), row.expected},
                                {QStringLiteral("count"), row.count},
                                {QStringLiteral("longestWait"), row.longestWait}});
    return {{QStringLiteral("rows"), rows},
            {QStringLiteral("draws"), table.draws},
            {QStringLiteral("chiSquare"), table.chiSquare},
            {QStringLiteral("freedom"), table.freedom},
            {QStringLiteral("pValue"), table.pValue},
            {QStringLiteral("spread"), table.spread}};
}

} // namespace

QString FairnessCheckText(const FairnessCheck &check)
{
    QString text = QCoreApplication::translate(
                       "History", "公平性检验：工程“%1”，“%2”抽取，模拟 %3 次（每次 %4 个），不写入任何记录\n")
                       .arg(check.project, StoredValueText(FairModeText(check.settings.mode)))
                       .arg(check.simulated.draws)
                       .arg(check.ranCount);
    text += TableText(check.simulated);
    text +=
        QCoreApplication::translate("History", "同样次数的普通抽取：均方根偏差 %1\n").arg(Figure(check.plain.spread));
    if (check.history) {
        text += QCoreApplication::translate("History", "\n历史记录：%1 次抽取\n").arg(check.history->draws);
        text += TableText(*check.history);
        if (!check.history->longestUnseen.isEmpty())
            text += QCoreApplication::translate("History", "最久未被抽到：%1（已 %2 次抽取未被抽到）\n")
                        .arg(check.history->longestUnseen)
                        .arg(check.history->unseenFor);
    }
    return text;
}

QByteArray FairnessCheckJson(const FairnessCheck &check)
{
    QJsonObject json{{QStringLiteral("project"), check.project},
                     {QStringLiteral("mode"), FairModeText(check.settings.mode)},
                     {QStringLiteral("draws"), check.simulated.draws},
                     {QStringLiteral("simulated"), TableJson(check.simulated)},
                     {QStringLiteral("plainSpread"), check.plain.spread}};
    if (check.history) {
        QJsonObject history = TableJson(*check.history);
        history.insert(QStringLiteral("longestUnseen"), check.history->longestUnseen);
        history.insert(QStringLiteral("unseenFor"), check.history->unseenFor);
        json.insert(QStringLiteral("history"), history);
    } else {
        json.insert(QStringLiteral("history"), QJsonValue::Null);
    }
    return QJsonDocument(json).toJson(QJsonDocument::Compact) + '\n';
}
