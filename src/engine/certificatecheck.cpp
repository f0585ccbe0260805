#include "certificatecheck.h"

#include "randengine.h"
#include "suiteerror.h"
#include "verifiabledraw.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <optional>
#include <QCoreApplication>

namespace {

const QString kFormat = QStringLiteral("Zelmora 可验证抽取证书");

// Answers the exhausted-list questions of a replayed step as the certificate records them.
class RecordedAnswers : public RemainingQuestion
{
public:
    void Reset(const QList<bool> &answers)
    {
        m_answers = answers;
        m_next = 0;
    }
    bool AskReset(const QString &, const QString &) override { return m_answers.value(m_next++, false); }

private:
    QList<bool> m_answers;
    qsizetype m_next = 0;
};

class LastStep : public DrawStepLog
{
public:
    void StepFinished(const DrawStep &step) override { last = step; }
    std::optional<DrawStep> last;
};

QByteArray HexField(const QJsonObject &object, const QString &key, qsizetype bytes, const QString &what)
{
    const QJsonValue value = object.value(key);
    const QByteArray hex = value.toString().toLatin1();
    const QByteArray raw = QByteArray::fromHex(hex);
    if (!value.isString() || hex.size() != bytes * 2 || raw.toHex() != hex.toLower())
        throw SuiteError(value.isUndefined()
                             ? QCoreApplication::translate("Engine", "证书缺少%1（“%2”）。").arg(what, key)
                             : QCoreApplication::translate("Engine", "%1（“%2”）不是 %3 位十六进制数。")
                                   .arg(what, key)
                                   .arg(bytes * 2));
    return raw;
}

QString BatchLabel(int number)
{
    return QCoreApplication::translate("Engine", "第 %1 次抽取").arg(number);
}

QString Quoted(const QString &text)
{
    constexpr int kShown = 60;
    return QCoreApplication::translate("Engine", "“%1”")
        .arg(text.size() > kShown ? text.left(kShown) + QStringLiteral("…") : text);
}

QString Outcome(const DrawStep &step)
{
    if (!step.refusal.isEmpty())
        return QCoreApplication::translate("Engine", "拒绝抽取（%1）").arg(step.refusal);
    if (step.abandoned)
        return QCoreApplication::translate("Engine", "因名单不足而放弃");
    if (step.hasBatch)
        return QCoreApplication::translate("Engine", "%1 个结果").arg(step.results.size());
    return QCoreApplication::translate("Engine", "没有结果");
}

// The recorded step of a batch object; throws SuiteError when a field has the wrong form.
DrawStep RecordedStep(const QJsonObject &batch, int number)
{
    DrawStep step;
    const QString kind = batch.value(QStringLiteral("kind")).toString();
    if (kind == QStringLiteral("draw"))
        step.kind = DrawStep::Kind::Draw;
    else if (kind == QStringLiteral("frame"))
        step.kind = DrawStep::Kind::Frame;
    else if (kind == QStringLiteral("restore"))
        step.kind = DrawStep::Kind::Restore;
    else
        throw SuiteError(QCoreApplication::translate("Engine", "%1的种类“%2”无效（应为 draw、frame 或 restore）。")
                             .arg(BatchLabel(number), kind));
    const QJsonValue answers = batch.value(QStringLiteral("answers"));
    if (!answers.isUndefined()) {
        if (!answers.isArray())
            throw SuiteError(
                QCoreApplication::translate("Engine", "%1的名单重置回答（answers）格式无效。").arg(BatchLabel(number)));
        for (const QJsonValue &answer : answers.toArray()) {
            if (!answer.isBool())
                throw SuiteError(QCoreApplication::translate("Engine", "%1的名单重置回答（answers）格式无效。")
                                     .arg(BatchLabel(number)));
            step.answers << answer.toBool();
        }
    }
    if (batch.contains(QStringLiteral("refused"))) {
        step.refusal = batch.value(QStringLiteral("refused")).toString();
        if (step.refusal.isEmpty())
            throw SuiteError(
                QCoreApplication::translate("Engine", "%1的拒绝原因（refused）格式无效。").arg(BatchLabel(number)));
    } else if (batch.contains(QStringLiteral("abandoned"))) {
        step.abandoned = batch.value(QStringLiteral("abandoned")) == QJsonValue(true);
        if (!step.abandoned)
            throw SuiteError(
                QCoreApplication::translate("Engine", "%1的放弃标记（abandoned）格式无效。").arg(BatchLabel(number)));
    } else if (batch.contains(QStringLiteral("results"))) {
        step.hasBatch = true;
        const QJsonValue results = batch.value(QStringLiteral("results"));
        if (!results.isArray())
            throw SuiteError(
                QCoreApplication::translate("Engine", "%1的结果（results）格式无效。").arg(BatchLabel(number)));
        for (const QJsonValue &result : results.toArray()) {
            if (!result.isString())
                throw SuiteError(QCoreApplication::translate("Engine", "%1的结果（results）中有不是文字的项。")
                                     .arg(BatchLabel(number)));
            step.results << result.toString();
        }
    }
    return step;
}

// The first difference between a recorded step and its replay, in words; empty when none.
QString StepDifference(const DrawStep &recorded, const DrawStep &replayed, int number)
{
    const QString label = BatchLabel(number);
    if (recorded.answers.size() != replayed.answers.size())
        return QCoreApplication::translate("Engine", "%1：证书记载了 %2 次名单重置询问，重算时出现 %3 次。")
            .arg(label)
            .arg(recorded.answers.size())
            .arg(replayed.answers.size());
    const bool sameKindOfOutcome = recorded.refusal.isEmpty() == replayed.refusal.isEmpty()
        && recorded.abandoned == replayed.abandoned && recorded.hasBatch == replayed.hasBatch;
    if (!sameKindOfOutcome || recorded.refusal != replayed.refusal)
        return QCoreApplication::translate("Engine", "%1：证书记载为%2，重算得到%3。")
            .arg(label, Outcome(recorded), Outcome(replayed));
    const qsizetype common = std::min(recorded.results.size(), replayed.results.size());
    for (qsizetype i = 0; i < common; ++i)
        if (recorded.results.at(i) != replayed.results.at(i))
            return QCoreApplication::translate("Engine", "%1第 %2 个结果：证书中是%3，按证书的输入和种子重算是%4。")
                .arg(label)
                .arg(i + 1)
                .arg(Quoted(recorded.results.at(i)), Quoted(replayed.results.at(i)));
    if (recorded.results.size() != replayed.results.size())
        return QCoreApplication::translate("Engine", "%1：证书记载了 %2 个结果，重算得到 %3 个。")
            .arg(label)
            .arg(recorded.results.size())
            .arg(replayed.results.size());
    return QString();
}

DrawStep Replay(RandEngine &engine, RecordedAnswers &answers, LastStep &log, const DrawStep &recorded)
{
    answers.Reset(recorded.answers);
    log.last.reset();
    try {
        switch (recorded.kind) {
        case DrawStep::Kind::Draw:
            engine.Generate(true, false);
            break;
        case DrawStep::Kind::Frame:
            engine.Generate(false, true);
            break;
        case DrawStep::Kind::Restore:
            engine.CheckRemaining();
            break;
        }
    } catch (const SuiteError &) {
        // Logged as the step's refusal.
    }
    if (log.last)
        return *log.last;
    DrawStep unrecorded; // a frame that asked nothing
    unrecorded.kind = recorded.kind;
    return unrecorded;
}

// Follows the certificate; throws SuiteError with the first difference.
void Check(const QByteArray &text, CertificateCheck &check)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(text, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        throw SuiteError(QCoreApplication::translate(
                             "Engine", "证书不是完整的 JSON 文本（第 %1 字节附近：%2），文件可能被截断或改动过。")
                             .arg(parseError.offset)
                             .arg(parseError.errorString()));
    if (!document.isObject())
        throw SuiteError(QCoreApplication::translate("Engine", "证书的内容不是一个 JSON 对象。"));
    const QJsonObject root = document.object();
    const QJsonValue version = root.value(QStringLiteral("version"));
    if (!version.isDouble() || version.toDouble() != double(version.toInt()) || version.toInt() < 1)
        throw SuiteError(QCoreApplication::translate("Engine", "证书版本（version）缺失或无效。"));
    if (version.toInt() > kCertificateVersion)
        throw SuiteError(QCoreApplication::translate(
                             "Engine", "证书版本为 %1，本程序只能验证版本 %2 的证书，请用更新版本的程序验证。")
                             .arg(version.toInt())
                             .arg(kCertificateVersion));
    if (root.value(QStringLiteral("format")).toString() != kFormat)
        throw SuiteError(QCoreApplication::translate("Engine", "证书格式标记（format）应为“%1”。").arg(kFormat));

    // Inputs: each must still match its digest, which the commitment binds.
    const QJsonValue inputsValue = root.value(QStringLiteral("inputs"));
    if (!inputsValue.isArray())
        throw SuiteError(QCoreApplication::translate("Engine", "证书缺少输入（inputs）。"));
    QList<CanonicalInput> inputs;
    QList<QByteArray> digests;
    QString changedInput;
    for (const QJsonValue &value : inputsValue.toArray()) {
        const QJsonObject input = value.toObject();
        const QJsonValue name = input.value(QStringLiteral("name"));
        const QJsonValue text = input.value(QStringLiteral("value"));
        if (!name.isString() || !text.isString())
            throw SuiteError(
                QCoreApplication::translate("Engine", "第 %1 项输入的名称或取值格式无效。").arg(inputs.size() + 1));
        inputs.append({name.toString(), text.toString()});
        const QByteArray digest =
            HexField(input, QStringLiteral("digest"), 32,
                     QCoreApplication::translate("Engine", "输入%1的摘要").arg(DescribeInput(name.toString())));
        // The replay goes on with the changed input, so the verdict can also name the
        // first result it changes (which entry of a list was edited).
        if (digest != InputDigest(inputs.last()) && changedInput.isEmpty())
            changedInput =
                QCoreApplication::translate("Engine", "输入%1与承诺时的摘要不符：这一项在公布承诺之后被改动过。")
                    .arg(DescribeInput(name.toString()));
        digests << digest;
    }
    DrawInputs draw;
    try {
        draw = ReadCanonicalInputs(inputs);
    } catch (const SuiteError &error) {
        throw changedInput.isEmpty() ? error : SuiteError(changedInput);
    }
    check.project = draw.project;

    const QByteArray commitment =
        HexField(root, QStringLiteral("commitment"), 32, QCoreApplication::translate("Engine", "承诺"));
    check.fingerprint = Fingerprint(commitment);
    if (root.value(QStringLiteral("fingerprint")).toString() != check.fingerprint)
        throw SuiteError(QCoreApplication::translate("Engine", "证书中的指纹“%1”与承诺的指纹 %2 不符。")
                             .arg(root.value(QStringLiteral("fingerprint")).toString(), check.fingerprint));
    if (!root.contains(QStringLiteral("seed")))
        throw SuiteError(
            QCoreApplication::translate("Engine", "证书中没有公开的种子：这次抽取还没有“结束并公开”，无法重算。"));
    const QByteArray seed = HexField(root, QStringLiteral("seed"), 32, QCoreApplication::translate("Engine", "种子"));
    const QByteArray recomputed = CommitmentOf(digests, Sha256(seed));
    if (recomputed != commitment)
        throw SuiteError(
            QCoreApplication::translate(
                "Engine",
                "按公开的种子和输入重算的承诺（指纹 %1）与证书记载的承诺（指纹 %2）不符：种子或承诺被改动过。")
                .arg(Fingerprint(recomputed), check.fingerprint));
    const QJsonValue publicNumbers = root.value(QStringLiteral("public"));
    if (!publicNumbers.isString())
        throw SuiteError(QCoreApplication::translate("Engine", "证书缺少公开随机数（public）一项。"));

    const QJsonValue batchesValue = root.value(QStringLiteral("batches"));
    if (!batchesValue.isArray())
        throw SuiteError(QCoreApplication::translate("Engine", "证书缺少抽取记录（batches）。"));
    const QJsonArray batches = batchesValue.toArray();

    RecordedAnswers answers;
    LastStep log;
    // The frames' values are never compared; a fixed generator serves them.
    auto frames = std::make_shared<GeneratorSource>(0);
    RandEngine engine({frames, frames, frames});
    DrawSettings settings;
    settings.question = &answers;
    settings.pictureNameSetting = draw.pictureNameSetting;
    settings.resultSeparator = draw.resultSeparator;
    engine.SetDrawSettings(settings);
    engine.SetFinalSource(
        std::make_shared<KeyedStreamSource>(FinalStreamKey(seed, publicNumbers.toString(), commitment), 0));
    engine.SetStepLog(&log);
    try {
        engine.Prepare(draw.pmode, draw.params);
    } catch (const SuiteError &) {
        // Every step is then refused with this message, as it was in the draw.
    }

    QByteArray previousHash = ChainStart(commitment, publicNumbers.toString());
    check.publicNumbers = publicNumbers.toString();
    for (int i = 0; i < batches.size(); ++i) {
        const int number = i + 1;
        QJsonObject batch = batches.at(i).toObject();
        if (batch.value(QStringLiteral("number")) != QJsonValue(number))
            throw SuiteError(
                QCoreApplication::translate("Engine", "第 %1 条抽取记录的序号（number）应为 %1，证书中是 %2。")
                    .arg(number)
                    .arg(batch.value(QStringLiteral("number")).toVariant().toString()));
        const DrawStep recorded = RecordedStep(batch, number);
        if (const QString difference = StepDifference(recorded, Replay(engine, answers, log, recorded), number);
            !difference.isEmpty())
            throw SuiteError(
                changedInput.isEmpty()
                    ? difference
                    : QCoreApplication::translate("Engine", "%1重算时的第一处不同：%2").arg(changedInput, difference));
        const QByteArray hash = HexField(batch, QStringLiteral("hash"), 32,
                                         QCoreApplication::translate("Engine", "%1的链接哈希").arg(BatchLabel(number)));
        batch.remove(QStringLiteral("hash"));
        previousHash = ChainHash(previousHash, batch);
        if (hash != previousHash)
            throw SuiteError(QCoreApplication::translate(
                                 "Engine", "%1的链接哈希不符：这条记录、它之前的记录或公开随机数被改动、删除或调换过。")
                                 .arg(BatchLabel(number)));
        check.batches = number;
    }
    if (!changedInput.isEmpty())
        throw SuiteError(changedInput);
}

} // namespace

QString CertificateCheck::Summary() const
{
    if (consistent)
        return QCoreApplication::translate("Engine",
                                           "一致：承诺指纹 %1，工程“%2”，%3 条抽取记录全部按公开的种子重算无误%4。")
            .arg(fingerprint, project)
            .arg(batches)
            .arg(publicNumbers.isEmpty()
                     ? QString()
                     : QCoreApplication::translate("Engine", "（公开随机数：%1）").arg(publicNumbers));
    return QCoreApplication::translate("Engine", "不一致：%1").arg(difference);
}

QJsonObject CertificateCheck::ToJson() const
{
    QJsonObject json{{QStringLiteral("result"), consistent ? QStringLiteral("一致") : QStringLiteral("不一致")},
                     {QStringLiteral("fingerprint"), fingerprint},
                     {QStringLiteral("project"), project},
                     {QStringLiteral("public"), publicNumbers},
                     {QStringLiteral("batches"), batches}};
    if (!consistent)
        json.insert(QStringLiteral("difference"), difference);
    return json;
}

CertificateCheck CheckCertificate(const QByteArray &certificateText)
{
    CertificateCheck check;
    try {
        Check(certificateText, check);
        check.consistent = true;
    } catch (const SuiteError &error) {
        check.difference = error.message();
    } catch (const std::bad_alloc &) {
        check.difference = QCoreApplication::translate("Engine", "内存不足，无法验证这份证书。");
    }
    return check;
}

CertificateCheck CheckCertificateFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        CertificateCheck check;
        check.difference = QCoreApplication::translate("Engine", "无法读取证书文件“%1”：%2")
                               .arg(QDir::toNativeSeparators(path), file.errorString());
        return check;
    }
    CertificateCheck check = CheckCertificate(file.readAll());
    const QString seedPath = VerifiableDraw::SeedFilePath(path);
    if (!check.consistent && QFile::exists(seedPath))
        check.difference +=
            QCoreApplication::translate("Engine", "（种子仍保存在“%1”，主持人可用 Dellamy --reveal 公开它。）")
                .arg(QDir::toNativeSeparators(seedPath));
    return check;
}
