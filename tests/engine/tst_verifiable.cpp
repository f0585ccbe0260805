#include "calclibrary.h"
#include "certificatecheck.h"
#include "enginetesthelpers.h"
#include "keyedstream.h"
#include "verifiabledraw.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTemporaryDir>

namespace {

const QDateTime kCommitted(QDate(2026, 12, 7), QTime(19, 30, 0));

QByteArray FixedSeed()
{
    QByteArray seed(32, Qt::Uninitialized);
    for (int i = 0; i < seed.size(); ++i)
        seed[i] = char(i * 7 + 1);
    return seed;
}

// One query per drawing type, with removal between batches wherever the type has it.
QueryParams QueryOfType(int pmode)
{
    switch (pmode) {
    case 0:
        return Query(0, {{"TypeList", "列举模式##数值范围模式"},
                         {"QueryList", "否||张三 李四 王五 赵六 钱七 孙八||否||是||1##60||100||1||0||是||1"},
                         {"NameList", "学生##成绩"},
                         {"RanCount", "2"},
                         {"Format", "[学生]：[成绩]"}});
    case 2:
        return Query(2, {{"AutoDel", "是"}, {"RanCount", "2"}});
    case 5:
        return Query(5, {{"ImgList", "a.jpg|b.jpg|c.jpg|d.jpg|e.jpg|f.jpg|g.jpg"}, {"AutoDel", "是"}, {"RanCount", "3"}});
    case 7:
        return Query(7, {{"AutoDel", "是"}});
    case 10:
        // Four prizes of two winners each, winners removed between rounds.
        return Query(10, {{"MemberLists", "A B C D E F G H I J K L"}, {"EveryPrizeGetMemberCount", "2"}});
    case 14:
        return Query(14, {{"Vars", "a,b,c"},
                          {"GroupFormat", "[a]×[b]=[c]"},
                          {"RandVars", "a,2,9,1|b,2,9,1"},
                          {"EqualVars", "c,a*b"},
                          {"Conditions", "c,大于,20"},
                          {"RanCount", "2"}});
    default:
        return DefaultQueryParams(pmode);
    }
}

DrawSettings Settings(bool autoRestore = true)
{
    DrawSettings settings;
    settings.listAutoRestore = autoRestore;
    settings.resultSeparator = QStringLiteral("，");
    return settings;
}

// A verifiable draw of `batches` stopped draws, each after `frames` animation frames.
struct Drawn
{
    std::unique_ptr<VerifiableDraw> draw;
    QList<QStringList> finals;
};

Drawn DrawVerifiably(int pmode, const QueryParams &params, int batches, int frames = 0,
                     const DrawSettings &settings = Settings(), const QString &publicNumbers = QString())
{
    Drawn drawn;
    drawn.draw = std::make_unique<VerifiableDraw>(QStringLiteral("年会"), pmode, params, settings, kCommitted, FixedSeed());
    RandEngine engine(RandomSources::FromSystem());
    engine.SetDrawSettings(settings);
    drawn.draw->Attach(engine);
    if (!publicNumbers.isEmpty())
        drawn.draw->SetPublicNumbers(publicNumbers);
    try {
        engine.Prepare(pmode, params);
    } catch (const SuiteError &) {
    }
    for (int b = 0; b < batches; ++b) {
        try {
            for (int f = 0; f < frames; ++f)
                engine.Generate(false, true);
            if (!engine.Ready()) {
                if (const std::optional<Batch> batch = engine.CheckRemaining())
                    drawn.finals << batch->results;
                continue;
            }
            drawn.finals << engine.Generate(true, false).results;
        } catch (const SuiteError &) {
        }
    }
    drawn.draw->Reveal();
    return drawn;
}

// The text with the first `from` after `after` replaced.
QByteArray Edited(QByteArray text, const QByteArray &from, const QByteArray &to, const QByteArray &after = {})
{
    const qsizetype at = text.indexOf(from, after.isEmpty() ? 0 : text.indexOf(after));
    if (at < 0)
        qFatal("no %s in the certificate", from.constData());
    return text.replace(at, from.size(), to);
}

} // namespace

class VerifiableDrawTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { BindCalcLibrary(QStringLiteral(SUITE_APP_DIR)); }

    // Any change to the stream, the canonical form or an engine that alters verified
    // results breaks these: old certificates would no longer verify.
    void knownAnswers_data()
    {
        QTest::addColumn<int>("pmode");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0") << 0 << "李四：78|赵六：77 / 王五：100|钱七：98";
        QTest::newRow("1") << 1 << "40.6|68.8|15.5|71.3|39.4 / 98.1|49.2|2.8|24.2|12.7";
        QTest::newRow("2") << 2 << "赵六|李四 / 王五|张三";
        QTest::newRow("3") << 3 << "赵六|李四|王五|张三 / 赵六|张三|李四|王五";
        QTest::newRow("4") << 4 << "请李四去任务C,任务B|请张三去任务A,任务D / 请李四去任务D,任务A|请张三去任务C,任务B";
        QTest::newRow("5") << 5 << "e.jpg|f.jpg|b.jpg / a.jpg|c.jpg|g.jpg";
        QTest::newRow("7") << 7 << "disagree|grateful / dislike|teenager";
        QTest::newRow("8") << 8 << "(8,3)|(3,3)|(2,6)|(6,6)|(7,2) / (3,5)|(8,3)|(5,6)|(5,3)|(6,3)";
        QTest::newRow("9") << 9 << "李四 / 张三";
        QTest::newRow("10") << 10 << "【特等奖】B,I|【一等奖】G,J|【二等奖】C,E|【三等奖】K,F / 【特等奖】B,D|【一等奖】K,H|【二等奖】A,I|【三等奖】E,J";
        QTest::newRow("11") << 11 << "0+4=(　)|2+0=(　)|5+0=(　)|3+5=(　)|5+3=(　) / 0+3=(　)|0+6=(　)|8+0=(　)|2+1=(　)|8+1=(　)";
        QTest::newRow("12") << 12 << "【2x+y=11　5x+y=26】|【x+y=3　4x+3y=10】|【3x+3y=15　5x+3y=23】 / 【3x+5y=16　x+3y=8】|【3x+2y=19　2x+3y=16】|【4x+3y=24　3x+y=13】";
        QTest::newRow("13") << 13 << "5x^2+4x+(-57)=0|1x^2+1x+(-30)=0|2x^2+5x+(-75)=0 / 3x^2+2x+(-16)=0|3x^2+3x+(-60)=0|3x^2+5x+(-42)=0";
        QTest::newRow("14") << 14 << "2×9=18|3×5=15 / 3×3=9|2×5=10";
    }
    void knownAnswers()
    {
        QFETCH(int, pmode);
        QFETCH(QString, expected);
        const Drawn drawn = DrawVerifiably(pmode, QueryOfType(pmode), 2);
        QStringList batches;
        for (const QStringList &batch : drawn.finals)
            batches << batch.join(QLatin1Char('|'));
        QCOMPARE(batches.join(QStringLiteral(" / ")), expected);
    }

    void streamAndCommitmentVectors()
    {
        KeyedStreamSource stream(QByteArray(32, '\0'), 0);
        // The ChaCha20 key stream of the zero key and nonce begins 76 b8 e0 ad a0 f1 3d 90.
        QCOMPARE(stream.Next64(), Q_UINT64_C(0x903df1a0ade0b876));
        VerifiableDraw draw(QStringLiteral("年会"), 9, DefaultQueryParams(9), Settings(), kCommitted, FixedSeed());
        QCOMPARE(draw.CommitmentHex(), QStringLiteral("3aaf9545b360ef844072b73f9cb6979e77a5433abcd3cff1f14003f2f701cc8a"));
        QCOMPARE(draw.FingerprintText(), draw.CommitmentHex().left(4) + ' ' + draw.CommitmentHex().mid(4, 4) + ' '
                                             + draw.CommitmentHex().mid(8, 4) + ' ' + draw.CommitmentHex().mid(12, 4));
    }

    void replayOfEveryType_data()
    {
        QTest::addColumn<int>("pmode");
        for (int pmode = 0; pmode < kProjectTypeCount; ++pmode)
            if (pmode != 6)
                QTest::newRow(qPrintable(QString::number(pmode))) << pmode;
    }
    void replayOfEveryType()
    {
        QFETCH(int, pmode);
        // Enough batches to exhaust the lists with removal, so restores are replayed too.
        const Drawn drawn = DrawVerifiably(pmode, QueryOfType(pmode), 6, 3);
        const CertificateCheck check = CheckCertificate(drawn.draw->CertificateText());
        QVERIFY2(check.consistent, qPrintable(check.difference));
        QCOMPARE(check.batches, drawn.draw->StepCount());
        QCOMPARE(check.fingerprint, drawn.draw->FingerprintText());
        QVERIFY(check.Summary().startsWith(QStringLiteral("一致")));
    }

    void declinedRestoreAndRefusalAreReplayed()
    {
        // Without automatic restore the exhausted list stays empty: the draws are abandoned.
        const Drawn declined = DrawVerifiably(9, DefaultQueryParams(9), 6, 0, Settings(false));
        QCOMPARE(declined.finals.size(), 4);
        const CertificateCheck declinedCheck = CheckCertificate(declined.draw->CertificateText());
        QVERIFY2(declinedCheck.consistent, qPrintable(declinedCheck.difference));

        const Drawn refused = DrawVerifiably(9, Query(9, {{"RanCount", "9"}}), 2);
        QVERIFY(refused.finals.isEmpty());
        const QByteArray text = refused.draw->CertificateText();
        QVERIFY(text.contains("\"refused\""));
        const CertificateCheck check = CheckCertificate(text);
        QVERIFY2(check.consistent, qPrintable(check.difference));
        QCOMPARE(check.batches, 2);
    }

    void animationLengthNeverChangesResults()
    {
        const Drawn still = DrawVerifiably(10, QueryOfType(10), 3, 0);
        const Drawn animated = DrawVerifiably(10, QueryOfType(10), 3, 25);
        QCOMPARE(animated.finals, still.finals);
        const CertificateCheck check = CheckCertificate(animated.draw->CertificateText());
        QVERIFY2(check.consistent, qPrintable(check.difference));
    }

    void publicNumbersEnteredAfterTheCommitment()
    {
        const QString published =
            VerifiableDraw(QStringLiteral("年会"), 2, QueryOfType(2), Settings(), kCommitted, FixedSeed()).FingerprintText();
        const Drawn withPublic = DrawVerifiably(2, QueryOfType(2), 2, 0, Settings(), QStringLiteral("03 17 22 29 31 08"));
        const Drawn without = DrawVerifiably(2, QueryOfType(2), 2);
        QCOMPARE(withPublic.draw->FingerprintText(), published);
        QVERIFY(withPublic.finals != without.finals);
        const QByteArray text = withPublic.draw->CertificateText();
        QVERIFY(CheckCertificate(text).consistent);
        const CertificateCheck changed = CheckCertificate(Edited(text, "03 17 22", "03 17 23"));
        QVERIFY(!changed.consistent);
        QVERIFY2(changed.difference.contains(QStringLiteral("第 1 次抽取")), qPrintable(changed.difference));

        VerifiableDraw started(QStringLiteral("年会"), 2, QueryOfType(2), Settings(), kCommitted, FixedSeed());
        RandEngine engine;
        started.Attach(engine);
        engine.Prepare(2, QueryOfType(2));
        engine.Generate(true, false);
        QVERIFY_THROWS_EXCEPTION(SuiteError, started.SetPublicNumbers(QStringLiteral("1")));
    }

    void tamperedFieldsAreNamed_data()
    {
        QTest::addColumn<QByteArray>("from");
        QTest::addColumn<QByteArray>("to");
        QTest::addColumn<QString>("named");
        QTest::newRow("member name") << QByteArray("I J K L") << QByteArray("I J X L") << "人员名单（MemberLists）";
        QTest::newRow("member and result") << QByteArray("A B C") << QByteArray("Z B C")
                                           << "人员名单（MemberLists）与承诺时的摘要不符：这一项在公布承诺之后被改动过。"
                                              "重算时的第一处不同：第 2 次抽取第 3 个结果：证书中是“【二等奖】A,I”";
        QTest::newRow("prize") << QByteArray("\"特等奖,") << QByteArray("\"头等奖,") << "奖项（PrizeLists）";
        QTest::newRow("project") << QByteArray("\"年会\"") << QByteArray("\"年末\"") << "工程名称";
        QTest::newRow("input digest") << QByteArray("\"digest\": \"") << QByteArray("\"digest\": \"0") << "摘要";
        QTest::newRow("commitment") << QByteArray("\"commitment\": \"") << QByteArray("\"commitment\": \"f") << "承诺";
        QTest::newRow("fingerprint") << QByteArray("\"fingerprint\": \"") << QByteArray("\"fingerprint\": \"0")
                                     << "指纹";
        QTest::newRow("result") << QByteArray("】") << QByteArray("】Z") << "第 1 次抽取第 1 个结果";
        QTest::newRow("number") << QByteArray("\"number\": 2") << QByteArray("\"number\": 3") << "序号";
        QTest::newRow("hash") << QByteArray("\"hash\": \"") << QByteArray("\"hash\": \"0") << "第 1 次抽取的链接哈希";
        QTest::newRow("kind") << QByteArray("\"draw\"") << QByteArray("\"drew\"") << "种类";
        QTest::newRow("seed") << QByteArray("\"seed\": \"0") << QByteArray("\"seed\": \"1") << "种子或承诺";
        QTest::newRow("seed missing") << QByteArray("\"seed\"") << QByteArray("\"sead\"") << "没有公开的种子";
        QTest::newRow("newer version") << QByteArray("\"version\": 1") << QByteArray("\"version\": 2") << "版本为 2";
        QTest::newRow("format") << QByteArray("可验证") << QByteArray("可检验") << "格式";
        QTest::newRow("truncated") << QByteArray("\"seed\"") << QByteArray("\"se") << "JSON";
    }
    void tamperedFieldsAreNamed()
    {
        QFETCH(QByteArray, from);
        QFETCH(QByteArray, to);
        QFETCH(QString, named);
        // A result is edited after the inputs, where the same text may appear first.
        const QByteArray after = QTest::currentDataTag() == QLatin1String("result") ? "\"batches\"" : "";
        QByteArray text = DrawVerifiably(10, QueryOfType(10), 3).draw->CertificateText();
        text = QTest::currentDataTag() == QLatin1String("truncated") ? text.left(text.indexOf(from) + 3)
                                                                      : Edited(text, from, to, after);
        const CertificateCheck check = CheckCertificate(text);
        QVERIFY(!check.consistent);
        QVERIFY2(check.difference.contains(named), qPrintable(check.difference));
        QVERIFY(check.Summary().startsWith(QStringLiteral("不一致")));
    }

    void everySingleByteChangeIsRefused()
    {
        const QByteArray text = DrawVerifiably(2, QueryOfType(2), 2).draw->CertificateText();
        for (qsizetype i = 0; i < text.size(); ++i) {
            QByteArray changed = text;
            changed[i] = char(changed[i] ^ 0x01);
            QVERIFY2(!CheckCertificate(changed).consistent, qPrintable(QStringLiteral("byte %1").arg(i)));
        }
        for (qsizetype length = 0; length < text.size(); length += 97)
            QVERIFY(!CheckCertificate(text.left(length)).consistent);
    }

    void unfinishedCertificateKeepsTheSeedPrivate()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(CertificateFileName(QStringLiteral("年会"), kCommitted));
        QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("年会 2026-12-07 19.30.00.zcert"));
        VerifiableDraw draw(QStringLiteral("年会"), 9, DefaultQueryParams(9), Settings(), kCommitted, FixedSeed());
        RandEngine engine;
        draw.Attach(engine);
        engine.Prepare(9, DefaultQueryParams(9));
        draw.KeepCertificateAt(path);
        engine.Generate(true, false);
        engine.Generate(true, false);

        // As a window killed now leaves it: the batches so far, no seed, the seed beside it.
        QFile certificate(path);
        QVERIFY(certificate.open(QIODevice::ReadOnly));
        const QJsonObject unfinished = QJsonDocument::fromJson(certificate.readAll()).object();
        certificate.close();
        QCOMPARE(unfinished.value("batches").toArray().size(), 2);
        QCOMPARE(unfinished.value("commitment").toString(), draw.CommitmentHex());
        QVERIFY(!unfinished.contains("seed"));
        const QString seedPath = VerifiableDraw::SeedFilePath(path);
        const QFile::Permissions ownerGroupOther(0x7077);
        QCOMPARE(QFile::permissions(seedPath) & ownerGroupOther, QFile::ReadOwner | QFile::WriteOwner);
        const CertificateCheck early = CheckCertificateFile(path);
        QVERIFY(!early.consistent);
        QVERIFY2(early.difference.contains(QStringLiteral("没有公开的种子")) && early.difference.contains(seedPath),
                 qPrintable(early.difference));

        // The host reveals the kept seed afterwards.
        RevealKeptSeed(path);
        QVERIFY(!QFile::exists(seedPath));
        QVERIFY_THROWS_EXCEPTION(SuiteError, RevealKeptSeed(path));
        const CertificateCheck check = CheckCertificateFile(path);
        QVERIFY2(check.consistent, qPrintable(check.difference));
        QCOMPARE(check.batches, 2);
    }

    void passwordsAreNeverVerifiable()
    {
        QVERIFY_THROWS_EXCEPTION(SuiteError, VerifiableDraw(QStringLiteral("p"), 6, DefaultQueryParams(6), Settings()));
    }
};

QTEST_GUILESS_MAIN(VerifiableDrawTest)
#include "tst_verifiable.moc"
