#include "verifiabledraw.h"

#include "suiteerror.h"
#include "textfile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QRandomGenerator>
#include <QCoreApplication>

namespace {

const QString kProjectInput = QStringLiteral("project");
const QString kCommittedInput = QStringLiteral("committed");
const QString kTypeInput = QStringLiteral("type");
const QString kModeInput = QStringLiteral("mode");
const QString kPictureNameInput = QStringLiteral("pictureName");
const QString kSeparatorInput = QStringLiteral("resultSeparator");
constexpr int kSeedBytes = 32;

QString KindName(DrawStep::Kind kind)
{
    switch (kind) {
    case DrawStep::Kind::Draw:
        return QStringLiteral("draw");
    case DrawStep::Kind::Frame:
        return QStringLiteral("frame");
    case DrawStep::Kind::Restore:
        return QStringLiteral("restore");
    }
    return QString();
}

// "    "key": value" lines of one member, indented as a member of the top-level object.
QByteArray MemberText(const QString &key, const QJsonValue &value)
{
    const QByteArray text = QJsonDocument(QJsonObject{{key, value}}).toJson(QJsonDocument::Indented);
    return text.mid(2, text.size() - 5); // without "{\n" and "\n}\n"
}

} // namespace

QList<CanonicalInput> CanonicalInputs(const QString &project, const QString &committedAt, int pmode,
                                      const QueryParams &params, const DrawSettings &settings)
{
    QList<CanonicalInput> inputs{{kProjectInput, project},
                                 {kCommittedInput, committedAt},
                                 {kTypeInput, QString::number(pmode)},
                                 {kModeInput, params.value(0)}};
    const QStringList &attributes = ProjectTypeAt(pmode).attributes;
    for (qsizetype i = 0; i < attributes.size(); ++i)
        inputs.append({attributes.at(i), params.value(i + 1)});
    inputs.append({kPictureNameInput, settings.pictureNameSetting});
    inputs.append({kSeparatorInput, settings.resultSeparator});
    return inputs;
}

DrawInputs ReadCanonicalInputs(const QList<CanonicalInput> &inputs)
{
    auto mismatch = [](qsizetype index, const QString &expected, const QString &found) {
        return SuiteError(QCoreApplication::translate("Engine", "第 %1 项输入应为“%2”，证书中是“%3”。")
                              .arg(index + 1)
                              .arg(expected, found));
    };
    const QStringList leading{kProjectInput, kCommittedInput, kTypeInput, kModeInput};
    for (qsizetype i = 0; i < leading.size(); ++i)
        if (i >= inputs.size() || inputs.at(i).name != leading.at(i))
            throw mismatch(i, leading.at(i),
                           i < inputs.size() ? inputs.at(i).name : QCoreApplication::translate("Engine", "（缺失）"));
    DrawInputs draw;
    draw.project = inputs.at(0).value;
    draw.committedAt = inputs.at(1).value;
    bool ok = false;
    draw.pmode = inputs.at(2).value.toInt(&ok);
    if (!ok || draw.pmode < 0 || draw.pmode >= kProjectTypeCount || QString::number(draw.pmode) != inputs.at(2).value)
        throw SuiteError(
            QCoreApplication::translate("Engine", "输入“type”（项目类型）应为 0 到 14 的整数，证书中是“%1”。")
                .arg(inputs.at(2).value));
    draw.params << inputs.at(3).value;
    QStringList names = ProjectTypeAt(draw.pmode).attributes;
    names << kPictureNameInput << kSeparatorInput;
    if (inputs.size() != leading.size() + names.size())
        throw SuiteError(QCoreApplication::translate("Engine", "证书有 %1 项输入，项目类型 %2 应有 %3 项。")
                             .arg(inputs.size())
                             .arg(draw.pmode)
                             .arg(leading.size() + names.size()));
    for (qsizetype i = 0; i < names.size(); ++i) {
        const CanonicalInput &input = inputs.at(leading.size() + i);
        if (input.name != names.at(i))
            throw mismatch(leading.size() + i, names.at(i), input.name);
        if (i < names.size() - 2)
            draw.params << input.value;
    }
    draw.pictureNameSetting = inputs.at(inputs.size() - 2).value;
    draw.resultSeparator = inputs.last().value;
    return draw;
}

QString DescribeInput(const QString &name)
{
    // Words translated when shown, so the table itself stays the same in every language.
    static const QHash<QString, const char *> words{
        {kProjectInput, QT_TRANSLATE_NOOP("Engine", "工程名称")},
        {kCommittedInput, QT_TRANSLATE_NOOP("Engine", "承诺时间")},
        {kTypeInput, QT_TRANSLATE_NOOP("Engine", "项目类型")},
        {kModeInput, QT_TRANSLATE_NOOP("Engine", "生成模式")},
        {kPictureNameInput, QT_TRANSLATE_NOOP("Engine", "图片名称显示方式")},
        {kSeparatorInput, QT_TRANSLATE_NOOP("Engine", "结果分隔符")},
        {QStringLiteral("Lists"), QT_TRANSLATE_NOOP("Engine", "名单")},
        {QStringLiteral("List"), QT_TRANSLATE_NOOP("Engine", "名单")},
        {QStringLiteral("MemberLists"), QT_TRANSLATE_NOOP("Engine", "人员名单")},
        {QStringLiteral("MemberList"), QT_TRANSLATE_NOOP("Engine", "人员名单")},
        {QStringLiteral("PrizeLists"), QT_TRANSLATE_NOOP("Engine", "奖项")},
        {QStringLiteral("TaskList"), QT_TRANSLATE_NOOP("Engine", "任务列表")},
        {QStringLiteral("ImgList"), QT_TRANSLATE_NOOP("Engine", "图片列表")},
        {QStringLiteral("RanCount"), QT_TRANSLATE_NOOP("Engine", "抽取数量")},
        {QStringLiteral("AutoDel"), QT_TRANSLATE_NOOP("Engine", "抽取后移除")},
        {QStringLiteral("AllowRepeat"), QT_TRANSLATE_NOOP("Engine", "允许重复")},
    };
    const char *word = words.value(name);
    return word ? QCoreApplication::translate("Engine", "%1（%2）")
                      .arg(QCoreApplication::translate("Engine", word), name)
                : QCoreApplication::translate("Engine", "“%1”").arg(name);
}

QByteArray Sha256(const QByteArray &bytes)
{
    return QCryptographicHash::hash(bytes, QCryptographicHash::Sha256);
}

QByteArray InputDigest(const CanonicalInput &input)
{
    return Sha256(input.name.toUtf8() + '\0' + input.value.toUtf8());
}

QByteArray CommitmentOf(const QList<QByteArray> &inputDigests, const QByteArray &seedHash)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(QByteArrayView("Zelmora verifiable draw 1\0", 26));
    for (const QByteArray &digest : inputDigests)
        hash.addData(digest);
    hash.addData(seedHash);
    return hash.result();
}

QString Fingerprint(const QByteArray &commitment)
{
    const QString hex = QString::fromLatin1(commitment.left(8).toHex());
    QStringList groups;
    for (qsizetype i = 0; i < hex.size(); i += 4)
        groups << hex.mid(i, 4);
    return groups.join(QLatin1Char(' '));
}

QByteArray FinalStreamKey(const QByteArray &seed, const QString &publicNumbers, const QByteArray &commitment)
{
    return Sha256(seed + publicNumbers.toUtf8() + commitment);
}

QByteArray ChainStart(const QByteArray &commitment, const QString &publicNumbers)
{
    return Sha256(commitment + publicNumbers.toUtf8());
}

QByteArray ChainHash(const QByteArray &previous, const QJsonObject &batchWithoutHash)
{
    return Sha256(previous + QJsonDocument(batchWithoutHash).toJson(QJsonDocument::Compact));
}

QJsonObject StepJson(int number, const DrawStep &step)
{
    QJsonObject json{{QStringLiteral("number"), number}, {QStringLiteral("kind"), KindName(step.kind)}};
    if (!step.answers.isEmpty()) {
        QJsonArray answers;
        for (bool answer : step.answers)
            answers.append(answer);
        json.insert(QStringLiteral("answers"), answers);
    }
    if (!step.refusal.isEmpty())
        json.insert(QStringLiteral("refused"), step.refusal);
    else if (step.abandoned)
        json.insert(QStringLiteral("abandoned"), true);
    else if (step.hasBatch)
        json.insert(QStringLiteral("results"), QJsonArray::fromStringList(step.results));
    return json;
}

// The engine holds its final source for as long as it lives; the stream itself is keyed
// only when the first final batch draws, so public numbers may be entered until then.
class VerifiableDraw::FinalStreamProxy : public RandomSource
{
public:
    explicit FinalStreamProxy(VerifiableDraw &draw) : m_draw(draw) {}

protected:
    void FillBlock(Block &block) override
    {
        KeyedStreamSource &stream = m_draw.FinalStream();
        for (quint64 &value : block)
            value = stream.Next64();
    }

private:
    VerifiableDraw &m_draw;
};

VerifiableDraw::VerifiableDraw(const QString &project, int pmode, const QueryParams &params,
                               const DrawSettings &settings, const QDateTime &committedAt)
    : VerifiableDraw(project, pmode, params, settings, committedAt, [] {
          QByteArray seed(kSeedBytes, Qt::Uninitialized);
          QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(seed.data()), kSeedBytes / 4);
          return seed;
      }())
{
}

VerifiableDraw::VerifiableDraw(const QString &project, int pmode, const QueryParams &params,
                               const DrawSettings &settings, const QDateTime &committedAt, const QByteArray &seed)
    : m_inputs(CanonicalInputs(project, committedAt.toString(QStringLiteral("yyyy/M/d H:mm:ss")), pmode, params, settings))
    , m_seed(seed)
{
    if (pmode == 6)
        throw SuiteError(
            QCoreApplication::translate("Engine", "随机密码不能进行可验证抽取：密码不应能被他人重算出来。"));
    if (seed.size() != kSeedBytes)
        throw SuiteError(QCoreApplication::translate("Engine", "可验证抽取的种子应为 %1 字节。").arg(kSeedBytes));
    for (const CanonicalInput &input : std::as_const(m_inputs))
        m_inputDigests << InputDigest(input);
    m_commitment = CommitmentOf(m_inputDigests, Sha256(m_seed));
    m_finalSource = std::make_shared<FinalStreamProxy>(*this);
}

VerifiableDraw::~VerifiableDraw() = default;

void VerifiableDraw::Attach(RandEngine &engine)
{
    engine.SetFinalSource(m_finalSource);
    engine.SetStepLog(this);
}

void VerifiableDraw::SetPublicNumbers(const QString &text)
{
    if (m_stream)
        throw SuiteError(QCoreApplication::translate("Engine", "抽取已经开始，公开随机数只能在第一次抽取之前输入。"));
    m_publicNumbers = text.trimmed();
    KeepCertificateUpToDate();
}

KeyedStreamSource &VerifiableDraw::FinalStream()
{
    if (!m_stream)
        m_stream = std::make_unique<KeyedStreamSource>(FinalStreamKey(m_seed, m_publicNumbers, m_commitment), 0);
    return *m_stream;
}

QString VerifiableDraw::SeedFilePath(const QString &certificatePath)
{
    return certificatePath + QStringLiteral(".seed");
}

void VerifiableDraw::KeepCertificateAt(const QString &path)
{
    m_certificatePath = path;
    QDir().mkpath(QFileInfo(path).absolutePath());
    if (!m_revealed) {
        QFile seedFile(SeedFilePath(path));
        // The seed must never be readable by others: the rights are set before it is written.
        const bool written = seedFile.open(QIODevice::WriteOnly | QIODevice::Truncate)
            && seedFile.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner)
            && seedFile.write(m_seed.toHex() + '\n') == kSeedBytes * 2 + 1 && seedFile.flush();
        if (!written)
            throw SuiteError(QCoreApplication::translate("Engine", "无法写入种子文件“%1”：%2")
                                 .arg(QDir::toNativeSeparators(seedFile.fileName()), seedFile.errorString()));
    }
    WriteCertificate();
}

void VerifiableDraw::Reveal()
{
    m_revealed = true;
    WriteCertificate();
    if (!m_certificatePath.isEmpty())
        QFile::remove(SeedFilePath(m_certificatePath));
}

void VerifiableDraw::StepFinished(const DrawStep &step)
{
    QJsonObject json = StepJson(int(m_batches.size()) + 1, step);
    if (m_batches.isEmpty()) // the public numbers are fixed by now
        m_lastHash = ChainStart(m_commitment, m_publicNumbers);
    m_lastHash = ChainHash(m_lastHash, json);
    json.insert(QStringLiteral("hash"), QString::fromLatin1(m_lastHash.toHex()));
    m_batches.append(json);
    KeepCertificateUpToDate();
}

void VerifiableDraw::KeepCertificateUpToDate() const
{
    // A refused write must not stop the draw; the next step and the reveal try again.
    try {
        WriteCertificate();
    } catch (const SuiteError &) {
    }
}

void VerifiableDraw::WriteCertificate() const
{
    if (!m_certificatePath.isEmpty())
        WriteFileAtomically(m_certificatePath, CertificateText());
}

QByteArray VerifiableDraw::CertificateText() const
{
    QJsonArray inputs;
    for (qsizetype i = 0; i < m_inputs.size(); ++i)
        inputs.append(QJsonObject{{QStringLiteral("name"), m_inputs.at(i).name},
                                  {QStringLiteral("value"), m_inputs.at(i).value},
                                  {QStringLiteral("digest"), QString::fromLatin1(m_inputDigests.at(i).toHex())}});
    QJsonArray batches;
    for (const QJsonObject &batch : m_batches)
        batches.append(batch);
    QList<QByteArray> members{
        MemberText(QStringLiteral("format"), QStringLiteral("Zelmora 可验证抽取证书")),
        MemberText(QStringLiteral("version"), kCertificateVersion),
        MemberText(QStringLiteral("inputs"), inputs),
        MemberText(QStringLiteral("commitment"), CommitmentHex()),
        MemberText(QStringLiteral("fingerprint"), FingerprintText()),
        MemberText(QStringLiteral("public"), m_publicNumbers),
        MemberText(QStringLiteral("batches"), batches),
    };
    if (m_revealed)
        members << MemberText(QStringLiteral("seed"), QString::fromLatin1(m_seed.toHex()));
    return "{\n" + members.join(",\n") + "\n}\n";
}

QByteArray VerifiableDraw::CommitmentText() const
{
    const QList<QByteArray> members{
        MemberText(QStringLiteral("format"), QStringLiteral("Zelmora 抽取承诺")),
        MemberText(QStringLiteral("version"), kCertificateVersion),
        MemberText(QStringLiteral("project"), m_inputs.at(0).value),
        MemberText(QStringLiteral("committed"), m_inputs.at(1).value),
        MemberText(QStringLiteral("commitment"), CommitmentHex()),
        MemberText(QStringLiteral("fingerprint"), FingerprintText()),
    };
    return "{\n" + members.join(",\n") + "\n}\n";
}

void RevealKeptSeed(const QString &certificatePath)
{
    const QString seedPath = VerifiableDraw::SeedFilePath(certificatePath);
    QFile seedFile(seedPath);
    if (!seedFile.open(QIODevice::ReadOnly))
        throw SuiteError(
            QCoreApplication::translate("Engine", "找不到种子文件“%1”：只有主持抽取的电脑上的数据文件夹里有它。")
                .arg(QDir::toNativeSeparators(seedPath)));
    const QByteArray seedHex = seedFile.readAll().trimmed();
    if (seedHex.size() != kSeedBytes * 2 || QByteArray::fromHex(seedHex).toHex() != seedHex.toLower())
        throw SuiteError(QCoreApplication::translate("Engine", "种子文件“%1”的内容不是 %2 位十六进制数。")
                             .arg(QDir::toNativeSeparators(seedPath))
                             .arg(kSeedBytes * 2));
    QFile certificate(certificatePath);
    if (!certificate.open(QIODevice::ReadOnly))
        throw SuiteError(QCoreApplication::translate("Engine", "无法读取证书“%1”：%2")
                             .arg(QDir::toNativeSeparators(certificatePath), certificate.errorString()));
    QByteArray text = certificate.readAll();
    const QJsonObject root = QJsonDocument::fromJson(text).object();
    if (root.isEmpty())
        throw SuiteError(QCoreApplication::translate("Engine", "证书“%1”不是完整的 JSON 文本。")
                             .arg(QDir::toNativeSeparators(certificatePath)));
    if (root.contains(QStringLiteral("seed")))
        throw SuiteError(QCoreApplication::translate("Engine", "证书“%1”中已经公开了种子。")
                             .arg(QDir::toNativeSeparators(certificatePath)));
    // The seed is appended as the last member, as a finished certificate has it.
    const qsizetype end = text.lastIndexOf('}');
    text = text.left(end).trimmed() + ",\n" + MemberText(QStringLiteral("seed"), QString::fromLatin1(seedHex.toLower()))
        + "\n}\n";
    WriteFileAtomically(certificatePath, text);
    seedFile.close();
    QFile::remove(seedPath);
}

QString CertificateFileName(const QString &project, const QDateTime &when)
{
    return QStringLiteral("%1 %2.zcert").arg(project, when.toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
}

QString NewCertificatePath(const QString &folder, const QString &project)
{
    const QDateTime now = QDateTime::currentDateTime();
    QString path = folder + CertificateFileName(project, now);
    for (int n = 2; QFileInfo::exists(path) || QFileInfo::exists(VerifiableDraw::SeedFilePath(path)); ++n)
        path = folder + CertificateFileName(QStringLiteral("%1 (%2)").arg(project).arg(n), now);
    return path;
}
