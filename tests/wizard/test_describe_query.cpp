#include "describequery.h"

#include <QtTest>

class TestDescribeQuery : public QObject
{
    Q_OBJECT
private slots:
    void numberRangeDefaultsLineForLine();
    void customWithoutGroupsHasHeadingAndClosingLinesOnly();
    void customGroupsShowEachGroupUnescaped();
    void weightedRollCallListsEveryRow();
    void arithmeticDefaultsShowVariablesAndCondition();
    void coordinatesShowEveryDimension();
};

void TestDescribeQuery::numberRangeDefaultsLineForLine()
{
    QStringList lines{QStringLiteral("earlier line")};
    DescribeQuery(lines, DefaultQueryParams(1), 1);
    const QStringList expected = {
        QStringLiteral("earlier line"),
        QStringLiteral("生成模式：数值范围模式"),
        QStringLiteral("详细参数："),
        QStringLiteral("　最小值：1　最大值：100　精确度：0.1"),
        QStringLiteral("　格式：0.#"),
        QStringLiteral("　随机数数量：5"),
        QStringLiteral("　是否允许重复：否"),
    };
    QCOMPARE(lines, expected);
}

void TestDescribeQuery::customWithoutGroupsHasHeadingAndClosingLinesOnly()
{
    QStringList lines;
    DescribeQuery(lines, DefaultQueryParams(0), 0);
    const QStringList expected = {
        QStringLiteral("生成模式：组合模式"),
        QStringLiteral("详细参数："),
        QStringLiteral("　是否允许重复：是"),
        QStringLiteral("　生成的随机数数量：1"),
        QStringLiteral("　编码格式："),
    };
    QCOMPARE(lines, expected);

    // Type 14 without variables: only the heading.
    lines.clear();
    DescribeQuery(lines, DefaultQueryParams(14), 14);
    QCOMPARE(lines, QStringList({QStringLiteral("生成模式：计算模式"), QStringLiteral("详细参数：")}));
}

void TestDescribeQuery::customGroupsShowEachGroupUnescaped()
{
    // A range group whose format holds "##", an unnamed list group with escaped items.
    QueryParams params = DefaultQueryParams(0);
    params[1] = QStringLiteral("数值范围模式##列举模式");
    params[2] = QStringLiteral("1||9||1||0.##||否||2##否||甲/comma/乙 丙||是||是||1");
    params[3] = QStringLiteral("分数##");
    params[7] = QStringLiteral("空格");
    QStringList lines;
    DescribeQuery(lines, params, 0);
    const QStringList expected = {
        QStringLiteral("生成模式：组合模式"),
        QStringLiteral("详细参数："),
        QStringLiteral("  分数："),
        QStringLiteral("　　类型：数值范围模式"),
        QStringLiteral("　　最小值：1　最大值：9　　精确度：1"),
        QStringLiteral("　　格式：0.##"),
        QStringLiteral("　　是否允许重复：否"),
        QStringLiteral("　　随机数数量：2"),
        QStringLiteral("　第2组："),
        QStringLiteral("　　类型：列举模式"),
        QStringLiteral("　　是否设置概率：否"),
        QStringLiteral("　　名单：甲,乙 丙"),
        QStringLiteral("　　分隔符：空格"),
        QStringLiteral("　　是否允许重复：是"),
        QStringLiteral("　　生成随机数后，自动排除已生成的随机数"),
        QStringLiteral("　　随机数数量：1"),
        QStringLiteral("　是否允许重复：是"),
        QStringLiteral("　生成的随机数数量：1"),
        QStringLiteral("　编码格式："),
    };
    QCOMPARE(lines, expected);
}

void TestDescribeQuery::weightedRollCallListsEveryRow()
{
    QStringList lines;
    DescribeQuery(lines, DefaultQueryParams(2), 2);
    const QStringList expected = {
        QStringLiteral("生成模式：列举模式"),
        QStringLiteral("详细参数："),
        QStringLiteral("　是否设置概率：是"),
        QStringLiteral("　概率设置方式：加权"),
        QStringLiteral("　名单："),
        QStringLiteral("　　张三:2"),
        QStringLiteral("　　李四 王五 赵六:1"),
        QStringLiteral("　分隔符：空格"),
        QStringLiteral("　每次点名数量：1"),
        QStringLiteral("　是否允许重复：否"),
    };
    QCOMPARE(lines, expected);
}

void TestDescribeQuery::arithmeticDefaultsShowVariablesAndCondition()
{
    QueryParams params = DefaultQueryParams(11);
    params[5] = QStringLiteral("c,小于或等于,10|a,大于,b");
    QStringList lines;
    DescribeQuery(lines, params, 11);
    const QStringList expected = {
        QStringLiteral("生成模式：计算模式"),
        QStringLiteral("详细参数："),
        QStringLiteral("　变量列表：a,b,c"),
        QStringLiteral("　题目格式：[a]+[b]=(　)"),
        QStringLiteral("　随机变量列表："),
        QStringLiteral("　　[a]：最小值：0　最大值：9　精确度：1"),
        QStringLiteral("　　[b]：最小值：0　最大值：9　精确度：1"),
        QStringLiteral("　关系变量列表："),
        QStringLiteral("　　[c]=a+b"),
        QStringLiteral("　当【c 小于或等于 10 且 a 大于 b】时，取当前值"),
        QStringLiteral("　题目数量：5"),
        QStringLiteral("　是否允许重复：否"),
    };
    QCOMPARE(lines, expected);

    // Type 13 has no condition fields: its count and repeat flag are the last two.
    lines.clear();
    DescribeQuery(lines, DefaultQueryParams(13), 13);
    QCOMPARE(lines.mid(lines.size() - 2),
             QStringList({QStringLiteral("　题目数量：3"), QStringLiteral("　是否允许重复：否")}));
    QVERIFY(!lines.join(QString()).contains(QStringLiteral("当【")));
}

void TestDescribeQuery::coordinatesShowEveryDimension()
{
    QStringList lines;
    DescribeQuery(lines, DefaultQueryParams(8), 8);
    const QStringList expected = {
        QStringLiteral("生成模式：组合模式"),
        QStringLiteral("详细参数："),
        QStringLiteral("　坐标维数：2"),
        QStringLiteral("　第1维："),
        QStringLiteral("　　最小值：1　最大值：8  精确度：1"),
        QStringLiteral("　　格式：0"),
        QStringLiteral("　　是否允许重复：是"),
        QStringLiteral("　第2维："),
        QStringLiteral("　　最小值：1　最大值：6  精确度：1"),
        QStringLiteral("　　格式：0"),
        QStringLiteral("　　是否允许重复：是"),
        QStringLiteral("　生成坐标数量：5"),
        QStringLiteral("　坐标是否允许重复：否"),
        QStringLiteral("　编码格式：([第1维],[第2维])"),
    };
    QCOMPARE(lines, expected);
}

QTEST_GUILESS_MAIN(TestDescribeQuery)
#include "test_describe_query.moc"
