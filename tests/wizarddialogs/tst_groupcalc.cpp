#include "dialogfixture.h"

#include "tcalsetform.h"
#include "tequationsetform.h"
#include "tgroupsetform.h"
#include "tlistsetform.h"
#include "veditform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

namespace {
// A custom project of the given groups (type, query) with names left to default.
QueryParams customProject(const QList<std::pair<QString, QString>> &groups, const QString &count,
                          const QString &repeat)
{
    QStringList types, queries, names;
    for (int i = 0; i < groups.size(); ++i) {
        types << groups.at(i).first;
        queries << groups.at(i).second;
        names << QStringLiteral("第%1组").arg(i + 1);
    }
    return {QStringLiteral("组合模式"),
            types.join(QStringLiteral("##")),
            queries.join(QStringLiteral("##")),
            names.join(QStringLiteral("##")),
            repeat,
            count,
            QStringLiteral("[第1组][第2组]"),
            QStringLiteral("空格")};
}

const QString kList = QStringLiteral("列举模式");
const QString kNumbering = QStringLiteral("编号");

void chooseType(TGroupSetForm *editor, int index, const QString &type)
{
    QComboBox *box = editor->TypeBox(index);
    box->setCurrentText(type);
    emit box->activated(box->currentIndex());
}
} // namespace

class GroupCalcTest : public QObject
{
    Q_OBJECT
private slots:
    void groupProductAgainstCount();
    void groupListNeedsEnoughItems();
    void groupNumberingAndPictureOnlyOnce();
    void groupAddDeleteAndLimit();
    void groupMoveKeepsEditedGroup();
    void groupListsOfCustomProjectsDrawFairly();
    void groupNamesStayDistinct();
    void groupPresetsReadBack();
    void groupCustomReadsBack();
    void calcVariableChecks();
    void calcSaveChecksAndConditions();
    void calcEncodingsReadBack();
    void equationGridsFromUnknowns();
    void equationSaveChecks();
};

void GroupCalcTest::groupProductAgainstCount()
{
    MessageLog log;
    QPointer<TGroupSetForm> editor = openFor<TGroupSetForm>(log);
    // Repeats inside the groups, none between whole results.
    editor->LoadProject(0, customProject({{kList, QStringLiteral("否||a b c||是||否||1")},
                                          {kList, QStringLiteral("否||d e f g||是||否||1")}},
                                         QStringLiteral("13"), QStringLiteral("否")));
    QCOMPARE(editor->GroupCount(), 2);
    editor->SaveModeClick();
    QVERIFY2(log.texts.size() == 1, qPrintable(log.texts.join("\n---\n")));
    QVERIFY(log.texts.first().startsWith(QStringLiteral("在整体生成的随机数不允许重复的情况下")));
    QVERIFY(log.texts.first().endsWith(QStringLiteral("整体可生成的随机数数量：12")));
    QCOMPARE(log.handBacks, 0);

    log.clear();
    child<QCheckBox>(editor, "RepeatAllowed")->setChecked(true);
    editor->SaveModeClick();
    QVERIFY2(log.texts.isEmpty(), qPrintable(log.texts.join('\n')));
    QCOMPARE(log.handBacks, 1);

    // A password group never runs out: the product becomes at least the count.
    log.clear();
    child<QCheckBox>(editor, "RepeatAllowed")->setChecked(false);
    editor->LoadProject(0, customProject({{kList, QStringLiteral("否||a b||是||否||1")},
                                          {QStringLiteral("密码模式"), QStringLiteral("8||数字||1")}},
                                         QStringLiteral("5"), QStringLiteral("否")));
    editor->SaveModeClick();
    QCOMPARE(log.handBacks, 1);

    log.clear();
    child<QLineEdit>(editor, "GroupFormatValue")->clear();
    editor->SaveModeClick();
    QCOMPARE(log.captions, QStringList{QStringLiteral("编码格式有误")});
    QCOMPARE(log.texts, QStringList{QStringLiteral("编码格式不能为空！")});
    delete editor;
}

void GroupCalcTest::groupListNeedsEnoughItems()
{
    MessageLog log;
    QPointer<TGroupSetForm> editor = openFor<TGroupSetForm>(log);
    editor->LoadProject(0, customProject({{kNumbering, QStringLiteral("1,2,3...||0")},
                                          {kList, QStringLiteral("否||a b c||否||否||2")}},
                                         QStringLiteral("2"), QStringLiteral("是")));
    editor->SaveModeClick();
    QCOMPARE(log.texts.size(), 1);
    const QStringList lines = log.texts.first().split('\n');
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.at(1), QStringLiteral("出错的组：第2组"));
    QCOMPARE(lines.at(2), QStringLiteral("该组可生成的随机数数量：3"));
    QCOMPARE(lines.at(3), QStringLiteral("该组实际所需生成的随机数数量：4"));
    QCOMPARE(log.handBacks, 0);

    log.clear();
    child<QLineEdit>(editor, "RanCountValue")->setText(QStringLiteral("1"));
    editor->SaveModeClick();
    QCOMPARE(log.handBacks, 1);

    // A numbering group alone cannot make a result.
    log.clear();
    editor->LoadProject(0, customProject({{kNumbering, QStringLiteral("1,2,3...||0")}}, QStringLiteral("1"),
                                         QStringLiteral("是")));
    editor->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("不能只设置组类型为编号的一组！")});
    QCOMPARE(log.handBacks, 0);
    delete editor;
}

void GroupCalcTest::groupNumberingAndPictureOnlyOnce()
{
    MessageLog log;
    QPointer<TGroupSetForm> editor = openFor<TGroupSetForm>(log);
    editor->LoadProject(0, customProject({{kNumbering, QStringLiteral("1,2,3...||0")},
                                          {kList, QStringLiteral("否||a b c||否||否||1")}},
                                         QStringLiteral("1"), QStringLiteral("是")));
    chooseType(editor, 1, kNumbering);
    QCOMPARE(log.texts, QStringList{QStringLiteral("最多只能设置一组编号！")});
    QCOMPARE(editor->GroupType(1), kList);
    QCOMPARE(editor->TypeBox(1)->currentText(), kList);

    log.clear();
    chooseType(editor, 1, QStringLiteral("图片模式"));
    QVERIFY(log.texts.isEmpty());
    QCOMPARE(editor->GroupType(1), QStringLiteral("图片模式"));
    QVERIFY(editor->Preview(1)->toPlainText().contains(QStringLiteral("注：如果您要在随机数中显示图片名称")));
    chooseType(editor, 0, QStringLiteral("图片模式"));
    QCOMPARE(log.texts, QStringList{QStringLiteral("最多只能设置一组图片模式的随机数！")});
    QCOMPARE(editor->GroupType(0), kNumbering);

    // A type change puts the new type's default query in place.
    chooseType(editor, 0, QStringLiteral("数值范围模式"));
    QCOMPARE(editor->GroupQuery(0), QStringLiteral("1||100||0.1||0.#||是||1"));
    chooseType(editor, 0, kList);
    QCOMPARE(editor->GroupQuery(0), QStringLiteral("是||加权&张三:2&李四 王五 赵六:1||是||否||1"));
    delete editor;
}

void GroupCalcTest::groupAddDeleteAndLimit()
{
    MessageLog log;
    QPointer<TGroupSetForm> editor = openFor<TGroupSetForm>(log);
    editor->LoadProject(0, DefaultQueryParams(0));
    QCOMPARE(editor->GroupCount(), 0);
    editor->AddNewGroupClick();
    QCOMPARE(editor->GroupType(0), QStringLiteral("数值范围模式"));
    QVERIFY(!editor->DeleteButton(0)->isEnabled());
    chooseType(editor, 0, kNumbering);
    editor->AddNewGroupClick(); // never a second numbering group
    QCOMPARE(editor->GroupType(1), QStringLiteral("数值范围模式"));
    QVERIFY(editor->DeleteButton(0)->isEnabled());
    QCOMPARE(child<QLabel>(editor, "GroupCount")->text(), QStringLiteral("2组"));

    editor->DelGroupClick(0);
    QCOMPARE(log.texts, QStringList{QStringLiteral("您确定要删除掉当前组？")});
    QCOMPARE(editor->GroupCount(), 1);
    QCOMPARE(editor->GroupLabelText(0), QStringLiteral("第1组："));
    QVERIFY(!editor->DeleteButton(0)->isEnabled());

    while (editor->GroupCount() < TGroupSetForm::MaxGroups)
        editor->AddNewGroupClick();
    log.clear();
    editor->AddNewGroupClick();
    QCOMPARE(editor->GroupCount(), TGroupSetForm::MaxGroups);
    QCOMPARE(log.texts.size(), 1);
    QCOMPARE(log.captions.first(), QStringLiteral("参数有误"));
    delete editor;
}

void GroupCalcTest::groupNamesStayDistinct()
{
    MessageLog log;
    QPointer<TGroupSetForm> editor = openFor<TGroupSetForm>(log);
    editor->LoadProject(0, DefaultQueryParams(0));
    editor->AddNewGroupClick();
    editor->AddNewGroupClick();
    auto rename = [&](int index, const QString &name) {
        editor->GroupDblClick(index);
        auto *properties = qobject_cast<TVEditForm *>(editor->OpenGroupEditor());
        QVERIFY(properties);
        properties->SetValue(QStringLiteral("组名称"), name);
        child<QPushButton>(properties, "BOK")->click();
    };
    // The format could reach only one of two groups of the same name, whether the other
    // shows it as its default name or as its own.
    auto refused = [&](const QString &taken) {
        log.clear();
        rename(1, taken);
        QCOMPARE(log.texts.size(), 1);
        QCOMPARE(log.captions, QStringList{QStringLiteral("参数有误")});
        QCOMPARE(editor->GroupName(1), QStringLiteral("第2组"));
        editor->OpenGroupEditor()->close();
    };
    refused(QStringLiteral("第1组"));
    log.clear();
    rename(0, QStringLiteral("班级"));
    QVERIFY(log.texts.isEmpty());
    QCOMPARE(editor->GroupName(0), QStringLiteral("班级"));
    refused(QStringLiteral("班级"));
    delete editor;
}

void GroupCalcTest::groupListsOfCustomProjectsDrawFairly()
{
    MessageLog log;
    QPointer<TGroupSetForm> editor = openFor<TGroupSetForm>(log);
    editor->LoadProject(0, customProject({{kList, QStringLiteral("否||a b c||否||否||1")},
                                          {kList, QStringLiteral("否||x y z w||否||否||1")}},
                                         QStringLiteral("1"), QStringLiteral("是")));
    FairSettings rotation;
    rotation.mode = FairMode::Rotation;
    editor->LoadItemFairness({{QStringLiteral("第1组"), rotation}});

    // Each list group's dialog offers the choice, set to that group's settings.
    editor->EditGroupClick(0);
    auto *first = qobject_cast<TListSetForm *>(editor->OpenGroupEditor());
    QVERIFY(first && child<QWidget>(first, "FairBox")->isVisibleTo(first));
    QVERIFY(child<QRadioButton>(first, "FairRotation")->isChecked());
    first->close();
    editor->EditGroupClick(1);
    auto *second = qobject_cast<TListSetForm *>(editor->OpenGroupEditor());
    QVERIFY(second && child<QRadioButton>(second, "FairPlain")->isChecked());
    child<QRadioButton>(second, "FairBalanced")->click();
    child<QSpinBox>(second, "FairSkipValue")->setValue(2);
    second->SaveModeClick();
    QVERIFY2(log.texts.isEmpty(), qPrintable(log.texts.join('\n')));

    // The settings stay with their groups when the groups change places.
    editor->MoveGroup(0, +1);
    const ItemFairSettings items = editor->EncodeItemFairness({});
    QCOMPARE(items.size(), 2);
    QCOMPARE(items.value(QStringLiteral("第2组")), rotation);
    QCOMPARE(items.value(QStringLiteral("第1组")).mode, FairMode::Balanced);
    QCOMPARE(items.value(QStringLiteral("第1组")).skip, 2);

    // The project's count multiplies a group's turns a draw: a skip that leaves too few
    // to draw from is refused before the project is handed back, as the draw would.
    log.clear();
    child<QLineEdit>(editor, "RanCountValue")->setText(QStringLiteral("2"));
    editor->SaveModeClick();
    QCOMPARE(log.handBacks, 1);
    log.clear();
    child<QLineEdit>(editor, "RanCountValue")->setText(QStringLiteral("3"));
    editor->SaveModeClick();
    QCOMPARE(log.handBacks, 0);
    QCOMPARE(log.texts.size(), 1);
    QVERIFY2(log.texts.first().startsWith(QStringLiteral("“均衡”抽取要跳过最近抽中的 2 人，但名单只有 4 个不同的条目、每次抽取 3 个")),
             qPrintable(log.texts.first()));
    QVERIFY(log.texts.first().endsWith(QStringLiteral("出错的组：第1组")));
    delete editor;

    // The fixed groups of the other combined types draw as they always did.
    QPointer<TGroupSetForm> tasks = openFor<TGroupSetForm>(log);
    tasks->LoadProject(4, DefaultQueryParams(4));
    tasks->EditGroupClick(0);
    auto *members = qobject_cast<TListSetForm *>(tasks->OpenGroupEditor());
    QVERIFY(members && !child<QWidget>(members, "FairBox")->isVisibleTo(members));
    QCOMPARE(tasks->EncodeItemFairness({{QStringLiteral("任务列表"), rotation}}).size(), 1);
    delete tasks;
}

void GroupCalcTest::groupMoveKeepsEditedGroup()
{
    MessageLog log;
    QPointer<TGroupSetForm> editor = openFor<TGroupSetForm>(log);
    editor->LoadProject(0, customProject({{kList, QStringLiteral("否||a b c||否||否||1")},
                                          {QStringLiteral("数值范围模式"), QStringLiteral("1||9||1||0||否||1")}},
                                         QStringLiteral("1"), QStringLiteral("是")));
    editor->EditGroupClick(0);
    auto *list = qobject_cast<TListSetForm *>(editor->OpenGroupEditor());
    QVERIFY(list);
    QCOMPARE(list->Requirer(), kRequirerGroupMode);

    // The user moves the group while its dialog is open: the result still lands in it.
    editor->MoveGroup(0, +1);
    QCOMPARE(editor->GroupType(1), kList);
    QCOMPARE(editor->GroupLabelText(1), QStringLiteral("第2组："));
    child<QPlainTextEdit>(list, "RandListValue")->setPlainText(QStringLiteral("x,y"));
    child<QComboBox>(list, "SpliterValue")->setCurrentText(QStringLiteral("半角逗号"));
    list->SaveModeClick();
    QVERIFY(log.texts.isEmpty());
    QCOMPARE(editor->GroupQuery(1), QStringLiteral("否||x/comma/y||否||否||1"));
    QCOMPARE(editor->GroupQuery(0), QStringLiteral("1||9||1||0||否||1"));
    QCOMPARE(editor->SpliterName(), QStringLiteral("半角逗号"));
    QVERIFY(editor->Preview(1)->toPlainText().contains(QStringLiteral("分隔符：半角逗号")));
    QTRY_VERIFY(!editor->OpenGroupEditor());

    // A numbering group is edited in the property editor; an empty list is refused.
    chooseType(editor, 0, kNumbering);
    editor->EditGroupClick(0);
    auto *properties = qobject_cast<TVEditForm *>(editor->OpenGroupEditor());
    QVERIFY(properties);
    QCOMPARE(properties->Value(QStringLiteral("编号起始值")), QStringLiteral("0"));
    // Choosing "自定义" swaps the start value row for a label list row.
    QComboBox *style = properties->findChild<QComboBox *>();
    QVERIFY(style);
    style->setCurrentText(QStringLiteral("自定义"));
    emit style->activated(style->currentIndex());
    QVERIFY(properties->HasRow(QStringLiteral("编号列表")));
    QVERIFY(!properties->HasRow(QStringLiteral("编号起始值")));
    child<QPushButton>(properties, "BOK")->click();
    QCOMPARE(log.texts, QStringList{QStringLiteral("编号列表不能为空！")});
    QCOMPARE(log.captions, QStringList{QStringLiteral("编号有误")});
    properties->SetValue(QStringLiteral("编号列表"), QStringLiteral("甲,乙"));
    child<QPushButton>(properties, "BOK")->click();
    QCOMPARE(editor->GroupQuery(0), QStringLiteral("自定义||甲,乙"));
    delete editor;
}

void GroupCalcTest::groupPresetsReadBack()
{
    MessageLog log;
    for (int pmode : {4, 8, 10}) {
        QPointer<TGroupSetForm> editor = openFor<TGroupSetForm>(log);
        editor->LoadProject(pmode, DefaultQueryParams(pmode));
        QCOMPARE(editor->EncodeProject(pmode, DefaultQueryParams(pmode)), DefaultQueryParams(pmode));
        editor->SaveModeClick();
        QVERIFY2(log.texts.isEmpty(), qPrintable(QString::number(pmode) + log.texts.join('\n')));
        QCOMPARE(log.handBacks, 1);
        log.clear();

        auto *add = child<QPushButton>(editor, "AddNewGroup");
        auto *count = child<QLineEdit>(editor, "RanCountValue");
        auto *repeat = child<QCheckBox>(editor, "RepeatAllowed");
        if (pmode == 4) {
            QVERIFY(!add->isVisibleTo(editor));
            QVERIFY(count->text().isEmpty() && !count->isEnabled());
            QVERIFY(!repeat->isChecked() && !repeat->isEnabled());
            QCOMPARE(editor->GroupName(1), QStringLiteral("任务列表"));
            QVERIFY(!editor->TypeBox(0)->isEnabled() && !editor->DeleteButton(0)->isEnabled());
        } else if (pmode == 8) {
            QCOMPARE(editor->GroupName(1), QStringLiteral("第2维"));
            QCOMPARE(child<QLabel>(editor, "RanCountLabel")->text(), QStringLiteral("生成随机坐标数量："));
            editor->AddNewGroupClick();
            QCOMPARE(editor->GroupName(2), QStringLiteral("第3维"));
            const QueryParams three = editor->EncodeProject(8, {});
            QCOMPARE(three.value(1), QStringLiteral("3"));
            QCOMPARE(three.value(2), QStringLiteral("1,8,1,0,是,1|1,6,1,0,是,1|1,100,0.1,0.#,是,1"));
        } else {
            QCOMPARE(count->text(), QStringLiteral("4"));
            QVERIFY(!count->isEnabled() && !add->isEnabled() && !repeat->isVisibleTo(editor));
            QCOMPARE(editor->GroupType(0), kNumbering);
            // The winners' dialog shows only the exclusion and the count.
            editor->EditGroupClick(1);
            QWidget *list = editor->OpenGroupEditor();
            QCOMPARE(child<QCheckBox>(list, "AutoDel")->text(), QStringLiteral("抽奖后，排除已抽过的人员"));
            QVERIFY(!child<QCheckBox>(list, "RepeatAllowed")->isVisibleTo(list));
            QVERIFY(!child<QCheckBox>(list, "PosSetAble")->isVisibleTo(list));
            QCOMPARE(child<QLabel>(list, "RanCountLabel")->text(), QStringLiteral("每个奖项获得人数"));

            // Each prize is one result: the count follows the prize list.
            editor->EditGroupClick(0);
            auto *properties = qobject_cast<TVEditForm *>(editor->OpenGroupEditor());
            QVERIFY(properties);
            properties->SetValue(QStringLiteral("编号列表"), QStringLiteral("一等奖,二等奖"));
            child<QPushButton>(properties, "BOK")->click();
            QCOMPARE(count->text(), QStringLiteral("2"));
            QCOMPARE(editor->EncodeProject(10, {}).value(1), QStringLiteral("一等奖,二等奖"));
        }
        delete editor;
    }

    // Task assignment: four tasks cannot give three to each of two members.
    QueryParams tasks = DefaultQueryParams(4);
    tasks[4] = QStringLiteral("3");
    QPointer<TGroupSetForm> editor = openFor<TGroupSetForm>(log);
    editor->LoadProject(4, tasks);
    editor->SaveModeClick();
    QCOMPARE(log.texts.size(), 1);
    QVERIFY(log.texts.first().contains(QStringLiteral("出错的组：任务列表")));
    delete editor;
}

void GroupCalcTest::groupCustomReadsBack()
{
    MessageLog log;
    QueryParams params = customProject({{kNumbering, QStringLiteral("自定义||甲,乙,丙")},
                                        {QStringLiteral("数值范围模式"), QStringLiteral("1||10||0.5||0.##||否||2")},
                                        {kList, QStringLiteral("是||百分比&a b:60&c:40||否||否||1")},
                                        {QStringLiteral("密码模式"), QStringLiteral("6||数字||1")}},
                                       QStringLiteral("3"), QStringLiteral("否"));
    params[3] = QStringLiteral("奖项##第2组##名单##第4组");
    QPointer<TGroupSetForm> editor = openFor<TGroupSetForm>(log);
    editor->LoadProject(0, params);
    QVERIFY(log.texts.isEmpty());
    QCOMPARE(editor->GroupCount(), 4);
    QCOMPARE(editor->GroupQuery(1), QStringLiteral("1||10||0.5||0.##||否||2"));
    QCOMPARE(editor->EncodeProject(0, {}), params);
    // A password group's preview counts passwords, in the group editor's words.
    QVERIFY2(editor->Preview(3)->toPlainText().endsWith(QStringLiteral("\n密码数量：1")),
             qPrintable(editor->Preview(3)->toPlainText()));

    // Unnamed groups follow their position; named ones keep their name.
    editor->MoveGroup(1, -1);
    QCOMPARE(editor->EncodeProject(0, {}).value(3), QStringLiteral("第1组##奖项##名单##第4组"));

    // Group lists that do not fit their types are reported, not half-read.
    params[2] = QStringLiteral("自定义||甲");
    editor->LoadProject(0, params);
    QCOMPARE(editor->GroupCount(), 0);
    QCOMPARE(log.texts.size(), 1);
    delete editor;
}

void GroupCalcTest::calcVariableChecks()
{
    MessageLog log;
    QPointer<TCalSetForm> dialog = openFor<TCalSetForm>(log);
    dialog->LoadProject(14, DefaultQueryParams(14));
    QVERIFY(log.texts.isEmpty());
    auto *vars = child<QLineEdit>(dialog, "VarValue");
    const QList<std::pair<QString, QString>> refused{
        {QString(), QStringLiteral("变量列表不能为空！")},
        {QStringLiteral("a,b,a"), QStringLiteral("变量名不得重复！")},
        {QStringLiteral("a,,b"), QStringLiteral("变量名不能为空！")},
        {QStringLiteral("a,1b"), QStringLiteral("变量的起始字符不能为数字！")},
    };
    for (const auto &[text, message] : refused) {
        log.clear();
        vars->setText(text);
        dialog->GoVarClick();
        QCOMPARE(log.texts, QStringList{message});
        QCOMPARE(log.captions, QStringList{QStringLiteral("变量错误")});
    }

    QStringList names;
    for (int i = 1; i <= 101; ++i)
        names << QStringLiteral("v%1").arg(i);
    log.clear();
    vars->setText(names.join(','));
    dialog->GoVarClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("变量总数不得超过100个！")});
    QVERIFY(child<QPushButton>(dialog, "GoVar")->isEnabled());

    log.clear();
    names.removeLast();
    vars->setText(names.join(','));
    dialog->GoVarClick();
    QVERIFY(log.texts.isEmpty());
    QCOMPARE(dialog->Variables().size(), 100);
    QVERIFY(!child<QPushButton>(dialog, "GoVar")->isEnabled());
    QVERIFY(vars->isReadOnly());

    dialog->VarsResetClick();
    QVERIFY(dialog->Variables().isEmpty());
    QVERIFY(child<QPushButton>(dialog, "GoVar")->isEnabled());
    delete dialog;
}

void GroupCalcTest::calcSaveChecksAndConditions()
{
    MessageLog log;
    QPointer<TCalSetForm> dialog = openFor<TCalSetForm>(log);
    dialog->LoadProject(14, DefaultQueryParams(14));
    dialog->SaveModeClick();
    QCOMPARE(log.captions, QStringList{QStringLiteral("未设置变量")});
    QCOMPARE(log.texts, QStringList{QStringLiteral("您尚未设置任何变量！")});

    child<QLineEdit>(dialog, "VarValue")->setText(QStringLiteral("a,b,c"));
    dialog->GoVarClick();
    auto *randGrid = child<QTableWidget>(dialog, "RandVarList");
    auto *equalGrid = child<QTableWidget>(dialog, "EqualVarList");
    dialog->DropVariable(QStringLiteral("a"), randGrid);
    dialog->DropVariable(QStringLiteral("b"), dialog); // dropped elsewhere: stays on the panel
    dialog->DropVariable(QStringLiteral("c"), equalGrid);
    QVERIFY(!dialog->Chip(QStringLiteral("a"))->isEnabled());
    QVERIFY(dialog->Chip(QStringLiteral("b"))->isEnabled());
    QCOMPARE(randGrid->item(0, 2)->text(), QStringLiteral("10"));

    // The minimum cell steps by the row's precision on every sixth move to the right.
    dialog->show();
    randGrid->item(0, 3)->setText(QStringLiteral("0.1"));
    const QPoint cell = randGrid->visualItemRect(randGrid->item(0, 1)).center();
    auto send = [&](QEvent::Type type, const QPoint &pos) {
        QMouseEvent event(type, pos, randGrid->viewport()->mapToGlobal(pos),
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(randGrid->viewport(), &event);
    };
    send(QEvent::MouseButtonPress, cell);
    for (int i = 1; i <= 6; ++i)
        send(QEvent::MouseMove, cell + QPoint(i, 0));
    send(QEvent::MouseButtonRelease, cell);
    QCOMPARE(randGrid->item(0, 1)->text(), QStringLiteral("0.1"));
    randGrid->item(0, 3)->setText(QStringLiteral("1"));

    log.clear();
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("编码格式不能为空！")});
    child<QLineEdit>(dialog, "GroupFormatValue")->setText(QStringLiteral("[a]+[b]=[c]"));
    log.clear();
    dialog->SaveModeClick();
    QCOMPARE(log.captions, (QStringList{QStringLiteral("变量未设置"), QStringLiteral("参数有误")}));
    QCOMPARE(log.texts.at(1), QStringLiteral("关系变量列表中不得有空项！"));
    QCOMPARE(log.handBacks, 0);

    // Dragging the chip with the mouse and letting go over the grid gives it a row.
    QLabel *chip = dialog->Chip(QStringLiteral("b"));
    const QPoint target = randGrid->mapToGlobal(randGrid->rect().center());
    auto sendToChip = [chip](QEvent::Type type, const QPoint &global) {
        QMouseEvent event(type, chip->mapFromGlobal(global), global,
                          type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(chip, &event);
    };
    sendToChip(QEvent::MouseButtonPress, chip->mapToGlobal(QPoint(4, 4)));
    sendToChip(QEvent::MouseMove, target);
    QVERIFY(child<QWidget>(dialog, "MoveVarBox")->isVisible());
    sendToChip(QEvent::MouseButtonRelease, target);
    QVERIFY(!child<QWidget>(dialog, "MoveVarBox")->isVisible());
    QCOMPARE(randGrid->rowCount(), 2);
    QCOMPARE(randGrid->item(1, 0)->text(), QStringLiteral("b"));
    QVERIFY(!chip->isEnabled());
    equalGrid->item(0, 1)->setText(QStringLiteral("a+b"));
    randGrid->item(1, 1)->setText(QStringLiteral("5"));
    randGrid->item(1, 2)->setText(QStringLiteral("2"));
    log.clear();
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("随机变量列表第2行：最大值不能小于最小值！")});
    randGrid->item(1, 2)->setText(QStringLiteral("9"));

    // Removing a row frees the variable's chip again.
    randGrid->setCurrentCell(1, 0);
    dialog->DelVarClick(randGrid);
    QVERIFY(dialog->Chip(QStringLiteral("b"))->isEnabled());
    dialog->DropVariable(QStringLiteral("b"), randGrid);

    // Conditions: one empty row always waits at the end.
    auto *conditions = child<QTableWidget>(dialog, "ConditionList");
    QCOMPARE(conditions->rowCount(), 1);
    dialog->ConditionEditStarted(0);
    QCOMPARE(conditions->rowCount(), 2);
    QCOMPARE(conditions->item(0, 0)->text(), QStringLiteral("1"));
    QVERIFY(conditions->item(1, 0)->text().isEmpty());
    log.clear();
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("请您将取值条件填写完整，或者删除不完整的取值条件！")});
    conditions->item(0, 1)->setText(QStringLiteral("c"));
    conditions->item(0, 2)->setText(QStringLiteral("介于(闭区间)"));
    conditions->item(0, 3)->setText(QStringLiteral("2"));
    log.clear();
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("取值条件第1行：区间的表达式2应写成“下限,上限”！")});
    conditions->item(0, 3)->setText(QStringLiteral("2,8"));
    log.clear();
    dialog->SaveModeClick();
    QVERIFY2(log.texts.isEmpty(), qPrintable(log.texts.join('\n')));
    QCOMPARE(log.handBacks, 1);
    const QueryParams saved = dialog->EncodeProject(14, {});
    QCOMPARE(saved.value(3), QStringLiteral("a,0.1,10,1|b,0,10,1"));
    QCOMPARE(saved.value(4), QStringLiteral("c,a+b"));
    QCOMPARE(saved.value(5), QStringLiteral("c,介于(闭区间),2,8"));

    conditions->setCurrentCell(0, 1);
    dialog->DelConditionClick();
    QCOMPARE(conditions->rowCount(), 1);
    child<QRadioButton>(dialog, "ConditionOr")->setChecked(true);
    child<QRadioButton>(dialog, "ConditionGetValue")->setChecked(true);
    const QueryParams none = dialog->EncodeProject(14, {});
    QVERIFY(none.value(5).isEmpty());
    QCOMPARE(none.value(6), QStringLiteral("或"));
    QCOMPARE(none.value(7), QStringLiteral("取当前值"));
    delete dialog;
}

void GroupCalcTest::calcEncodingsReadBack()
{
    MessageLog log;
    for (int pmode : {11, 13}) {
        QPointer<TCalSetForm> dialog = openFor<TCalSetForm>(log);
        dialog->LoadProject(pmode, DefaultQueryParams(pmode));
        QCOMPARE(dialog->EncodeProject(pmode, {}), DefaultQueryParams(pmode));
        QCOMPARE(child<QLabel>(dialog, "GroupFormatLabel")->text(), QStringLiteral("题目格式："));
        dialog->SaveModeClick();
        QVERIFY2(log.texts.isEmpty(), qPrintable(log.texts.join('\n')));
        QCOMPARE(dialog->Chip(QStringLiteral("c"))->isEnabled(), false);
        delete dialog;
    }
    QueryParams params = DefaultQueryParams(11);
    params[4] = QStringLiteral("c,max(a,b)");
    params[5] = QStringLiteral("c,小于或等于,10|a+b,介于(开区间),1,5");
    QPointer<TCalSetForm> dialog = openFor<TCalSetForm>(log);
    dialog->LoadProject(11, params);
    QCOMPARE(child<QTableWidget>(dialog, "ConditionList")->rowCount(), 3);
    QCOMPARE(dialog->EncodeProject(11, {}), params);

    // An empty count names its label.
    child<QLineEdit>(dialog, "RanCountValue")->clear();
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("四则运算题目数量不能为空！")});
    delete dialog;
}

void GroupCalcTest::equationGridsFromUnknowns()
{
    MessageLog log;
    QPointer<TEquationSetForm> dialog = openFor<TEquationSetForm>(log);
    auto *times = child<QLineEdit>(dialog, "TimesCountValue");
    auto *unknowns = child<QTableWidget>(dialog, "UnknownVarList");
    auto *equation = child<QLineEdit>(dialog, "EquationFormatValue");
    times->setText(QStringLiteral("27"));
    dialog->GoTimesClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("方程元数不能超过26！")});
    QCOMPARE(log.captions, QStringList{QStringLiteral("方程元数有误")});
    times->setText(QStringLiteral("0"));
    dialog->GoTimesClick();
    QCOMPARE(log.texts.last(), QStringLiteral("方程元数不能为0！"));

    times->setText(QStringLiteral("26"));
    dialog->GoTimesClick();
    QCOMPARE(unknowns->rowCount(), 26);
    QCOMPARE(unknowns->item(0, 1)->text(), QStringLiteral("a"));
    QCOMPARE(unknowns->item(25, 1)->text(), QStringLiteral("z"));
    QCOMPARE(unknowns->item(25, 0)->text(), QStringLiteral("x[26]"));
    QVERIFY(times->isReadOnly());

    dialog->EquationResetClick();
    QCOMPARE(unknowns->rowCount(), 1);
    QVERIFY(equation->text().isEmpty());
    times->setText(QStringLiteral("3"));
    dialog->GoTimesClick();
    QCOMPARE(equation->text(), QStringLiteral("k[1]·x[1]+k[2]·x[2]+k[3]·x[3]=y"));
    QCOMPARE(child<QTableWidget>(dialog, "FactorList")->item(2, 0)->text(), QStringLiteral("k[3]"));
    delete dialog;
}

void GroupCalcTest::equationSaveChecks()
{
    MessageLog log;
    QPointer<TEquationSetForm> dialog = openFor<TEquationSetForm>(log);
    dialog->SaveModeClick();
    QCOMPARE(log.captions, QStringList{QStringLiteral("参数尚未设置")});

    dialog->LoadProject(12, DefaultQueryParams(12));
    QCOMPARE(dialog->Unknowns(), 2);
    QCOMPARE(dialog->EncodeProject(12, {}), DefaultQueryParams(12));
    log.clear();
    dialog->SaveModeClick();
    QCOMPARE(log.handBacks, 1);

    auto *unknowns = child<QTableWidget>(dialog, "UnknownVarList");
    auto *factors = child<QTableWidget>(dialog, "FactorList");
    unknowns->item(1, 1)->setText(QStringLiteral("x"));
    log.clear();
    dialog->SaveModeClick();
    QCOMPARE(log.captions, QStringList{QStringLiteral("未知量设置有误")});
    QCOMPARE(log.handBacks, 0);
    unknowns->item(1, 1)->setText(QStringLiteral("y"));

    factors->item(1, 3)->setText(QStringLiteral("0"));
    log.clear();
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("系数列表第2行：当前精确度下无法生成随机数，请重新设置相关参数！")});
    factors->item(1, 3)->setText(QString());
    log.clear();
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("未知量列表和系数列表内的参数中不得有空项！")});

    // A file that states three unknowns but holds two rows opens with an empty third row.
    QueryParams short3 = DefaultQueryParams(12);
    short3[1] = QStringLiteral("3");
    dialog->LoadProject(12, short3);
    QCOMPARE(dialog->Unknowns(), 3);
    QCOMPARE(unknowns->rowCount(), 3);
    log.clear();
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("未知量列表和系数列表内的参数中不得有空项！")});
    delete dialog;
}

QTEST_MAIN(GroupCalcTest)
#include "tst_groupcalc.moc"
