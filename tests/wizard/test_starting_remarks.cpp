// Remarks of the starting documents that speak of the wizard's choices follow them.
#include "domutil.h"
#include "querysection.h"
#include "startingremarks.h"

#include <QFile>
#include <QtTest>

namespace {

QDomDocument StartingDocument(const QString &file)
{
    QFile source(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/") + file);
    if (!source.open(QIODevice::ReadOnly))
        qFatal("starting document %s missing", qPrintable(file));
    QDomDocument document;
    document.setContent(source.readAll());
    return document;
}

QDomElement FormChild(const QDomDocument &document, const QString &name)
{
    return document.documentElement().firstChildElement(QStringLiteral("Form")).firstChildElement(name);
}

// As the wizard writes its draw-trigger choices.
void ChooseTriggers(QDomDocument &document, bool button, bool key, const QString &shortCut)
{
    FormChild(document, QStringLiteral("GoRandButton")).setAttribute(QStringLiteral("Enabled"), button ? "是" : "否");
    QDomElement element = FormChild(document, QStringLiteral("GoRandShortCut"));
    element.setAttribute(QStringLiteral("Enabled"), key ? "是" : "否");
    element.setAttribute(QStringLiteral("ShortCut"), shortCut);
}

QStringList Remarks(const QDomDocument &document)
{
    const QDomElement remarks = FormChild(document, QStringLiteral("Remarks"));
    QStringList captions;
    for (QDomElement r = remarks.firstChildElement(QStringLiteral("Remark")); !r.isNull();
         r = r.nextSiblingElement(QStringLiteral("Remark")))
        captions << r.attribute(QStringLiteral("Caption"));
    if (remarks.attribute(QStringLiteral("Count")).toInt() != captions.size())
        captions << QStringLiteral("Count 不符");
    return captions;
}

QueryParams WithValue(int pmode, const QString &attribute, const QString &value)
{
    QueryParams params = DefaultQueryParams(pmode);
    params[QueryParamIndex(pmode, attribute)] = value;
    return params;
}

} // namespace

class TestStartingRemarks : public QObject
{
    Q_OBJECT
private slots:
    void drawKeyRemarkNamesTheChosenKeyOrGoes()
    {
        QDomDocument document = StartingDocument(QStringLiteral("2.RandName.xml"));
        ChooseTriggers(document, true, true, QStringLiteral("Shift+F5"));
        FitChoiceRemarks(document, 2, DefaultQueryParams(2));
        QCOMPARE(Remarks(document), QStringList({"点到的同学请起立回答", "按 Shift+F5 也可以开始"}));

        document = StartingDocument(QStringLiteral("1.RandRangeNum.xml"));
        ChooseTriggers(document, false, true, QStringLiteral("F1"));
        FitChoiceRemarks(document, 1, DefaultQueryParams(1));
        QCOMPARE(Remarks(document), QStringList({"按 F1 开始"}));

        document = StartingDocument(QStringLiteral("2.RandName.xml"));
        ChooseTriggers(document, true, false, QStringLiteral("F1"));
        FitChoiceRemarks(document, 2, DefaultQueryParams(2));
        QCOMPARE(Remarks(document), QStringList({"点到的同学请起立回答"}));
    }

    void prizeRemarkFollowsThePrizeList()
    {
        QDomDocument document = StartingDocument(QStringLiteral("10.RandAward(More).xml"));
        ChooseTriggers(document, true, true, QStringLiteral("F1"));
        FitChoiceRemarks(document, 10, WithValue(10, "PrizeLists", "一等奖,二等奖,纪念奖"));
        QCOMPARE(Remarks(document), QStringList({"依次抽出一等奖、二等奖和纪念奖", "按 F1 也可以开始"}));

        document = StartingDocument(QStringLiteral("10.RandAward(More).xml"));
        ChooseTriggers(document, true, true, QStringLiteral("F1"));
        FitChoiceRemarks(document, 10, WithValue(10, "PrizeLists", "幸运奖"));
        QCOMPARE(Remarks(document).first(), QStringLiteral("抽出幸运奖"));
    }

    void winnersStayOutRemarkOnlyWhenTheyDo()
    {
        QDomDocument document = StartingDocument(QStringLiteral("9.RandAward(One).xml"));
        ChooseTriggers(document, true, true, QStringLiteral("F1"));
        FitChoiceRemarks(document, 9, WithValue(9, "AutoDel", "是"));
        QVERIFY(Remarks(document).contains(QStringLiteral("抽中的人员不再参加后面的抽奖")));

        document = StartingDocument(QStringLiteral("9.RandAward(One).xml"));
        ChooseTriggers(document, true, true, QStringLiteral("F1"));
        FitChoiceRemarks(document, 9, WithValue(9, "AutoDel", "否"));
        QCOMPARE(Remarks(document), QStringList({"按 F1 也可以开始"}));
    }
};

QTEST_MAIN(TestStartingRemarks)
#include "test_starting_remarks.moc"
