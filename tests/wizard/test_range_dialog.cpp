#include "customconversion.h"
#include "dragnumberedit.h"
#include "messages.h"
#include "trangenumsetform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDomDocument>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QtTest>

namespace {
// Sends one mouse event with the left button held (or released) to a widget.
void sendMouse(QWidget *widget, QEvent::Type type, int x, int y = 5)
{
    const QPointF pos(x, y);
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, widget->mapToGlobal(pos), button, held, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

void moves(QWidget *widget, int count, int startX, int stepX)
{
    for (int i = 0; i < count; ++i)
        sendMouse(widget, QEvent::MouseMove, startX + i * stepX);
}
} // namespace

class TestRangeDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void dragStepsEverySixthMoveByDirection();
    void dragCountBoxesStartAtOneAndStayAboveZero();
    void dragValueBoxesStepByPrecision();
    void dragCounterIsSharedBetweenBoxes();

    void emptyOrUnreadableInputIsRefused_data();
    void emptyOrUnreadableInputIsRefused();
    void gridSizeLimitsTheCountWithoutRepeats_data();
    void gridSizeLimitsTheCountWithoutRepeats();
    void handsBackOnlyToKnownRequirers();
    void encodingsReadBackIntoTheSameState();

    void conversionsToCustomTypes();
    void replacingTheQueryDropsOldAttributes();

private:
    TRangeNumSetForm *openDialog();
    void fill(const QString &min, const QString &max, const QString &pred, const QString &count, bool repeat);

    QList<ShownMessage> messages;
    QPointer<TRangeNumSetForm> dialog;
};

void TestRangeDialog::init()
{
    messages.clear();
    SetMessageHandler([this](const ShownMessage &message) {
        messages << message;
        return QMessageBox::Ok;
    });
}

void TestRangeDialog::cleanup()
{
    SetMessageHandler({});
    delete dialog;
}

TRangeNumSetForm *TestRangeDialog::openDialog()
{
    dialog = new TRangeNumSetForm;
    dialog->show();
    return dialog;
}

void TestRangeDialog::fill(const QString &min, const QString &max, const QString &pred, const QString &count,
                           bool repeat)
{
    dialog->findChild<QLineEdit *>(QStringLiteral("MinValue"))->setText(min);
    dialog->findChild<QLineEdit *>(QStringLiteral("MaxValue"))->setText(max);
    dialog->findChild<QComboBox *>(QStringLiteral("PredValue"))->setEditText(pred);
    dialog->findChild<QLineEdit *>(QStringLiteral("RanCountValue"))->setText(count);
    dialog->findChild<QCheckBox *>(QStringLiteral("RepeatAllowed"))->setChecked(repeat);
}

void TestRangeDialog::dragStepsEverySixthMoveByDirection()
{
    DragStepCounter counter;
    QList<int> steps;
    for (int i = 1; i <= 12; ++i)
        steps << counter.RegisterMove(10 * i);
    QCOMPARE(steps, QList<int>({0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 1}));
    // Left of the x of the previous step: down; a purely vertical move: up.
    for (int i = 0; i < 5; ++i)
        QCOMPARE(counter.RegisterMove(0), 0);
    QCOMPARE(counter.RegisterMove(50), -1);
    for (int i = 0; i < 5; ++i)
        counter.RegisterMove(50);
    QCOMPARE(counter.RegisterMove(50), 1);
}

void TestRangeDialog::dragCountBoxesStartAtOneAndStayAboveZero()
{
    QCOMPARE(StepCountText(QString(), 1), QStringLiteral("2"));
    QCOMPARE(StepCountText(QString(), -1), QStringLiteral("1"));
    QCOMPARE(StepCountText(QStringLiteral("2"), -1), QStringLiteral("1"));
    QCOMPARE(StepCountText(QStringLiteral("1"), -1), QStringLiteral("1"));
    QCOMPARE(StepCountText(QStringLiteral("abc"), 1), QStringLiteral("abc"));

    // Through the mouse: dragging left from 2 stops at 1, an emptied box starts at 1.
    openDialog();
    auto *count = dialog->findChild<DragNumberEdit *>(QStringLiteral("RanCountValue"));
    QVERIFY(count);
    count->setText(QStringLiteral("2"));
    sendMouse(count, QEvent::MouseButtonPress, 100);
    moves(count, 6, 100, 10);  // first step remembers x = 150: up
    QCOMPARE(count->text(), QStringLiteral("3"));
    moves(count, 18, 140, -5); // three steps left
    QCOMPARE(count->text(), QStringLiteral("1"));
    count->clear();
    sendMouse(count, QEvent::MouseMove, 0);
    QCOMPARE(count->text(), QStringLiteral("1"));
    sendMouse(count, QEvent::MouseButtonRelease, 0);
    moves(count, 12, 200, 10); // released: no change
    QCOMPARE(count->text(), QStringLiteral("1"));
}

void TestRangeDialog::dragValueBoxesStepByPrecision()
{
    QCOMPARE(FormatPlainNumber(0.1 + 0.2), QStringLiteral("0.3"));
    QCOMPARE(FormatPlainNumber(-0.000000001), QStringLiteral("0"));
    QCOMPARE(FormatPlainNumber(12.5), QStringLiteral("12.5"));
    QCOMPARE(StepValueText(QStringLiteral("-0.1"), 1, 0.1), QStringLiteral("0"));
    QCOMPARE(StepValueText(QStringLiteral("-"), 1, 0.1), QStringLiteral("-"));

    openDialog();
    auto *min = dialog->findChild<DragNumberEdit *>(QStringLiteral("MinValue"));
    dialog->findChild<QComboBox *>(QStringLiteral("PredValue"))->setEditText(QStringLiteral("0.1"));
    min->setText(QStringLiteral("0"));
    sendMouse(min, QEvent::MouseButtonPress, 10);
    moves(min, 6, 11, 1);
    QCOMPARE(min->text(), QStringLiteral("0.1"));
    moves(min, 6, 30, 1);
    QCOMPARE(min->text(), QStringLiteral("0.2"));
    sendMouse(min, QEvent::MouseButtonRelease, 40);
}

void TestRangeDialog::dragCounterIsSharedBetweenBoxes()
{
    openDialog();
    auto *min = dialog->findChild<DragNumberEdit *>(QStringLiteral("MinValue"));
    auto *max = dialog->findChild<DragNumberEdit *>(QStringLiteral("MaxValue"));
    min->setText(QStringLiteral("0"));
    max->setText(QStringLiteral("10"));
    sendMouse(min, QEvent::MouseButtonPress, 10);
    moves(min, 4, 10, 1);
    sendMouse(min, QEvent::MouseButtonRelease, 14);
    sendMouse(max, QEvent::MouseButtonPress, 20);
    moves(max, 2, 20, 1); // the sixth move of the dialog falls on MaxValue
    QCOMPARE(min->text(), QStringLiteral("0"));
    QCOMPARE(max->text(), QStringLiteral("11"));
}

void TestRangeDialog::emptyOrUnreadableInputIsRefused_data()
{
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("pred");
    QTest::addColumn<QString>("count");
    QTest::addColumn<QString>("message");
    const QString empty = QStringLiteral("相关参数不能为空，请填写完整！");
    QTest::newRow("empty min") << "" << "10" << "1" << "5" << empty;
    QTest::newRow("empty count") << "0" << "10" << "1" << "" << empty;
    QTest::newRow("lone minus") << "-" << "10" << "1" << "5"
                                << QStringLiteral("最大值、最小值和精确度必须是有效的数字，请重新填写！");
    QTest::newRow("zero count") << "0" << "10" << "1" << "0"
                                << QStringLiteral("生成的随机数数量必须是不小于1的整数，请重新填写！");
    QTest::newRow("max below min") << "5" << "4" << "1" << "1" << QStringLiteral("最大值不能小于最小值！");
    QTest::newRow("zero precision") << "0" << "10" << "0" << "1"
                                    << QStringLiteral("当前精确度下无法生成随机数，请重新设置相关参数！");
}

void TestRangeDialog::emptyOrUnreadableInputIsRefused()
{
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(QString, pred);
    QFETCH(QString, count);
    QFETCH(QString, message);
    openDialog();
    QPushButton commander;
    int handedBack = 0;
    connect(&commander, &QPushButton::clicked, [&] { ++handedBack; });
    dialog->SetRequirer(kRequirerCreatePage);
    dialog->SetCommander(&commander);
    fill(min, max, pred, count, false);
    dialog->findChild<QPushButton *>(QStringLiteral("SaveMode"))->click();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().text, message);
    QCOMPARE(messages.first().caption, QStringLiteral("参数有误"));
    QCOMPARE(messages.first().icon, QMessageBox::Critical);
    QCOMPARE(handedBack, 0);
    QVERIFY(dialog->isVisible());
}

void TestRangeDialog::gridSizeLimitsTheCountWithoutRepeats_data()
{
    QTest::addColumn<QString>("min");
    QTest::addColumn<QString>("max");
    QTest::addColumn<QString>("pred");
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("repeat");
    QTest::addColumn<bool>("accepted");
    QTest::newRow("one value, one wanted") << "3" << "3" << "0.5" << "1" << false << true;
    QTest::newRow("one value, two wanted") << "3" << "3" << "0.5" << "2" << false << false;
    QTest::newRow("one value, two with repeats") << "3" << "3" << "0.5" << "2" << true << true;
    QTest::newRow("hundred of hundred") << "1" << "100" << "1" << "100" << false << true;
    QTest::newRow("101 of hundred") << "1" << "100" << "1" << "101" << false << false;
    // Far beyond a 16-bit grid size: must neither wrap nor refuse.
    QTest::newRow("large grid") << "0" << "100000" << "1" << "40000" << false << true;
}

void TestRangeDialog::gridSizeLimitsTheCountWithoutRepeats()
{
    QFETCH(QString, min);
    QFETCH(QString, max);
    QFETCH(QString, pred);
    QFETCH(QString, count);
    QFETCH(bool, repeat);
    QFETCH(bool, accepted);
    openDialog();
    QPushButton commander;
    int handedBack = 0;
    connect(&commander, &QPushButton::clicked, [&] { ++handedBack; });
    dialog->SetRequirer(kRequirerGroupMode);
    dialog->SetCommander(&commander);
    fill(min, max, pred, count, repeat);
    dialog->SaveModeClick();
    QCOMPARE(handedBack, accepted ? 1 : 0);
    if (accepted) {
        QVERIFY(messages.isEmpty());
        QCOMPARE(dialog->WantedCount(), count.toInt());
        QVERIFY(dialog->PossibleCount() >= 1);
    } else {
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().text,
                 QStringLiteral("在不允许重复的情况下，生成的随机数数量大于可生成的随机数数量，请重新设置相关参数！"));
    }
}

void TestRangeDialog::handsBackOnlyToKnownRequirers()
{
    openDialog();
    QPushButton commander;
    int handedBack = 0;
    connect(&commander, &QPushButton::clicked, [&] { ++handedBack; });
    dialog->SetCommander(&commander);
    dialog->SetRequirer(QStringLiteral("DesignPage"));
    dialog->SaveModeClick();
    QCOMPARE(handedBack, 0);
    dialog->SetRequirer(kRequirerCreatePage);
    dialog->SaveModeClick();
    QCOMPARE(handedBack, 1);
    QVERIFY(messages.isEmpty());
    QCOMPARE(dialog->findChild<QLabel *>(QStringLiteral("Requirer"))->text(), kRequirerCreatePage);
    QVERIFY(dialog->windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(!dialog->isModal());
}

void TestRangeDialog::encodingsReadBackIntoTheSameState()
{
    openDialog();
    QueryParams params = DefaultQueryParams(1);
    params[1] = QStringLiteral("-2.5");
    params[4] = QStringLiteral("0.00");
    params[6] = QStringLiteral("是");
    dialog->LoadProject(1, params);
    QCOMPARE(dialog->EncodeProject(1, DefaultQueryParams(1)), params);

    const QString group = QStringLiteral("1||100||0.1||0.##||否||7");
    dialog->LoadGroupQuery(group);
    QCOMPARE(dialog->EncodeGroupQuery(), group);
    QVERIFY(!dialog->RepeatsAllowed());
    QCOMPARE(dialog->findChild<QComboBox *>(QStringLiteral("FormatValue"))->currentText(), QStringLiteral("0.##"));
}

void TestRangeDialog::conversionsToCustomTypes()
{
    // Task assignment: two list groups, one result per member.
    QueryParams tasks = DefaultQueryParams(4);
    // Stored lists are escaped whole: the separator commas too.
    tasks[2] = QStringLiteral("张三/comma/李四/comma/王五");
    tasks[3] = QStringLiteral("半角逗号");
    QuerySection converted = ConvertToCustomQuery(4, tasks);
    QCOMPARE(converted.pmode, 0);
    QCOMPARE(converted.params,
             QueryParams({QStringLiteral("组合模式"), QStringLiteral("列举模式##列举模式"),
                          QStringLiteral("否||张三/comma/李四/comma/王五||否||是||1##否||任务A 任务B 任务C 任务D||否||是||2"),
                          QStringLiteral("人员列表##任务列表"), QStringLiteral("否"), QStringLiteral("3"),
                          QStringLiteral("请[人员列表]去[任务列表]"), QStringLiteral("半角逗号")}));
    QCOMPARE(SplitGroupQueries(converted.params[1], converted.params[2]).size(), 2);

    converted = ConvertToCustomQuery(8, DefaultQueryParams(8));
    QCOMPARE(converted.params,
             QueryParams({QStringLiteral("组合模式"), QStringLiteral("数值范围模式##数值范围模式"),
                          QStringLiteral("1||8||1||0||是||1##1||6||1||0||是||1"), QStringLiteral("第1维##第2维"),
                          QStringLiteral("否"), QStringLiteral("5"), QStringLiteral("([第1维],[第2维])"),
                          QStringLiteral("空格")}));

    converted = ConvertToCustomQuery(10, DefaultQueryParams(10));
    QCOMPARE(converted.params,
             QueryParams({QStringLiteral("组合模式"), QStringLiteral("编号##列举模式"),
                          QStringLiteral("自定义||特等奖,一等奖,二等奖,三等奖##否||A B C D E F G||否||是||1"),
                          QStringLiteral("奖项列表##人员列表"), QStringLiteral("否"), QStringLiteral("4"),
                          QStringLiteral("【[奖项列表]】[人员列表]"), QStringLiteral("空格")}));

    converted = ConvertToCustomQuery(11, DefaultQueryParams(11));
    QCOMPARE(converted.pmode, 14);
    QCOMPARE(converted.params, DefaultQueryParams(11));

    converted = ConvertToCustomQuery(13, DefaultQueryParams(13));
    QCOMPARE(converted.pmode, 14);
    QCOMPARE(converted.params.size(), DefaultQueryParams(14).size());
    QCOMPARE(converted.params.mid(5, 3),
             QStringList({QString(), QStringLiteral("或"), QStringLiteral("重新取值")}));
    QCOMPARE(converted.params.mid(8), DefaultQueryParams(13).mid(5));

    QVERIFY(!CanConvertToCustom(1));
    QVERIFY(!CanConvertToCustom(0));
}

void TestRangeDialog::replacingTheQueryDropsOldAttributes()
{
    QDomDocument document;
    document.appendChild(document.createElement(QStringLiteral("Project")));
    WriteQuerySection(document, DefaultQueryParams(13), 13);
    ReplaceQuerySection(document, ConvertToCustomQuery(13, DefaultQueryParams(13)));
    const QDomElement rand = document.documentElement().firstChildElement(QStringLiteral("RandQuery"))
                                 .firstChildElement(QStringLiteral("Rand"));
    QCOMPARE(rand.attribute(QStringLiteral("PMode")), QStringLiteral("14"));
    QCOMPARE(rand.attribute(QStringLiteral("Type")), QStringLiteral("自定义运算"));
    QCOMPARE(rand.elementsByTagName(QStringLiteral("Query")).size(), 1);

    // Converting type 4 leaves none of its own attributes behind.
    WriteQuerySection(document, DefaultQueryParams(4), 4);
    ReplaceQuerySection(document, ConvertToCustomQuery(4, DefaultQueryParams(4)));
    const QDomElement query = document.documentElement().firstChildElement(QStringLiteral("RandQuery"))
                                  .firstChildElement(QStringLiteral("Rand")).firstChildElement(QStringLiteral("Query"));
    QVERIFY(!query.hasAttribute(QStringLiteral("TaskList")));
    QVERIFY(!query.hasAttribute(QStringLiteral("TaskCountForEachMember")));
    QCOMPARE(query.attributes().size(), ProjectTypeAt(0).attributes.size());
    const QuerySection back = ReadQuerySection(document);
    QCOMPARE(back.pmode, 0);
    QCOMPARE(back.params, ConvertToCustomQuery(4, DefaultQueryParams(4)).params);
}

QTEST_MAIN(TestRangeDialog)
#include "test_range_dialog.moc"
