#include "dialogfixture.h"

#include "groupstatistics.h"
#include "tlistsetform.h"
#include "tpicsetform.h"
#include "tpwdsetform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

class ListDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void itemCountsAndGroupStatistics();
    void listPercentagesMustMakeHundred();
    void listCountsEmptyItemsAndRefusesTooFew();
    void listLinesBecomeItemsWhenTheUserAgrees();
    void listProbabilityExcludesAutoDelete();
    void listRowsDeleteAndAdd();
    void listWeightsChangeByDragging();
    void listEncodingsReadBack();
    void listShuffleCountFollowsItems();
    void listFairSectionRefusesImpossibleSkip();
    void passwordChecksAndOptionOrder();
    void pictureCountAgainstPictures();
    void picturePreviewFillsItsFrame();
    void requirerDecidesHandBack();
};

void ListDialogsTest::itemCountsAndGroupStatistics()
{
    QCOMPARE(ListItemCount(QStringLiteral("a  b"), QStringLiteral("空格")), 3);
    QCOMPARE(ListItemCount(QString(), QStringLiteral("空格")), 1);
    QCOMPARE(ListItemCount(QStringLiteral("a b\nc"), QStringLiteral("空格")), 2);
    QCOMPARE(ListItemCount(QStringLiteral("甲，乙，丙"), QStringLiteral("全角逗号")), 3);

    // A comma-separated list is stored escaped; the count still sees its items.
    const QString weighted = QStringLiteral("是||加权&") + EscapeListText(QStringLiteral("a,b")) + QStringLiteral(":2&")
        + EscapeListText(QStringLiteral("c,d,e")) + QStringLiteral(":1||否||否||2");
    GroupStatistics list = StatisticsOfGroup(QStringLiteral("列举模式"), weighted, QStringLiteral("半角逗号"));
    QCOMPARE(list.possible, 5);
    QCOMPARE(list.wanted, 2);
    QVERIFY(!list.repeatsAllowed);

    GroupStatistics range = StatisticsOfGroup(QStringLiteral("数值范围模式"), QStringLiteral("1||100||1||0||否||3"), {});
    QCOMPARE(range.possible, 100);
    QCOMPARE(range.wanted, 3);
    QCOMPARE(StatisticsOfGroup(QStringLiteral("数值范围模式"), QStringLiteral("1||2||0||0||否||3"), {}).possible, 0);
    QCOMPARE(RangeGridSize(QStringLiteral("-"), QStringLiteral("2"), QStringLiteral("1")), -1);

    GroupStatistics pictures = StatisticsOfGroup(QStringLiteral("图片模式"), QStringLiteral("/a.jpg|/b.jpg||是||1"), {});
    QCOMPARE(pictures.possible, 2);
    QVERIFY(StatisticsOfGroup(QStringLiteral("密码模式"), QStringLiteral("8||数字||3"), {}).inexhaustible);
}

void ListDialogsTest::listPercentagesMustMakeHundred()
{
    MessageLog log;
    QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
    dialog->LoadProject(2, DefaultQueryParams(2));
    auto *grid = child<QTableWidget>(dialog, "RLists");
    QCOMPARE(grid->rowCount(), 2);
    dialog->findChild<QAction *>(QStringLiteral("RMenu_AddRow"))->trigger();
    grid->item(2, 1)->setText(QStringLiteral("孙七"));
    child<QRadioButton>(dialog, "PosByPercent")->click();
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("概率/%"));
    for (int row = 0; row < 3; ++row)
        QCOMPARE(grid->item(row, 2)->text(), QStringLiteral("33"));

    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("名单概率总和必须为100%！")});
    QCOMPARE(log.captions, QStringList{QStringLiteral("参数有误")});
    QCOMPARE(log.handBacks, 0);

    log.clear();
    grid->item(0, 2)->setText(QStringLiteral("34"));
    dialog->SaveModeClick();
    QVERIFY2(log.texts.isEmpty(), qPrintable(log.texts.join('\n')));
    QCOMPARE(log.handBacks, 1);
    QCOMPARE(dialog->EncodeList(), QStringLiteral("百分比&张三:34&李四 王五 赵六:33&孙七:33"));

    log.clear();
    grid->item(1, 2)->setText(QStringLiteral("x"));
    dialog->SaveModeClick();
    QCOMPARE(log.handBacks, 0);
    QCOMPARE(log.texts.size(), 1);
    QVERIFY(log.texts.first().contains(QStringLiteral("第2行")));

    // A 0% row could never be drawn and the draw refuses it.
    log.clear();
    grid->item(0, 2)->setText(QStringLiteral("0"));
    grid->item(1, 2)->setText(QStringLiteral("67"));
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("名单第1行的概率“0”必须是大于0的整数，请重新填写！")});
    QCOMPARE(log.handBacks, 0);

    // Going back to weights resets every row to 1.
    child<QRadioButton>(dialog, "PosByPower")->click();
    QCOMPARE(grid->horizontalHeaderItem(2)->text(), QStringLiteral("概率"));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("1"));

    // Weights are whole numbers too: the draw repeats each item by its weight.
    log.clear();
    grid->item(1, 2)->setText(QStringLiteral("1.5"));
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("名单第2行的概率“1.5”必须是不小于0的整数，请重新填写！")});
    QCOMPARE(log.handBacks, 0);
    delete dialog;
}

void ListDialogsTest::listCountsEmptyItemsAndRefusesTooFew()
{
    MessageLog log;
    QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
    dialog->LoadProject(7, DefaultQueryParams(7));
    child<QPlainTextEdit>(dialog, "RandListValue")->setPlainText(QStringLiteral("a  b"));
    auto *count = child<QLineEdit>(dialog, "RanCountValue");
    count->setText(QStringLiteral("4"));
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("在不允许重复的情况下，随机数名单中的可生成随机数数量小于要生成的随机数数量，"
                                                   "请重新设置！")});
    QCOMPARE(log.handBacks, 0);

    log.clear();
    count->setText(QStringLiteral("3"));
    dialog->SaveModeClick();
    QVERIFY(log.texts.isEmpty());
    QCOMPARE(log.handBacks, 1);

    // Empty list and empty count report once each, and nothing is handed back.
    log.clear();
    child<QPlainTextEdit>(dialog, "RandListValue")->clear();
    count->clear();
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList(2, QStringLiteral("相关参数不能为空，请填写完整！")));
    QCOMPARE(log.handBacks, 0);
    delete dialog;
}

void ListDialogsTest::listLinesBecomeItemsWhenTheUserAgrees()
{
    const QString pasted = QStringLiteral("甲\n乙\n\n丙\n");
    QueryParams rollCall = DefaultQueryParams(2);
    rollCall[1] = QStringLiteral("否");
    rollCall[5] = QStringLiteral("否");
    {
        MessageLog log(QMessageBox::Yes);
        QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
        dialog->LoadProject(2, rollCall);
        child<QComboBox>(dialog, "SpliterValue")->setCurrentText(QStringLiteral("全角逗号"));
        child<QPlainTextEdit>(dialog, "RandListValue")->setPlainText(QStringLiteral("甲\n 乙 \n\n丙\n"));
        child<QLineEdit>(dialog, "RanCountValue")->setText(QStringLiteral("3"));
        dialog->SaveModeClick();
        QCOMPARE(log.captions, QStringList{QStringLiteral("提示")});
        QCOMPARE(log.handBacks, 1);
        QCOMPARE(child<QPlainTextEdit>(dialog, "RandListValue")->toPlainText(), QStringLiteral("甲，乙，丙"));
        QCOMPARE(dialog->EncodeProject(2, rollCall).value(2), QStringLiteral("甲，乙，丙"));
        delete dialog;
    }
    // Kept as typed, the text is one item: three names cannot come from it.
    MessageLog log(QMessageBox::No);
    QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
    dialog->LoadProject(2, rollCall);
    child<QPlainTextEdit>(dialog, "RandListValue")->setPlainText(pasted);
    child<QLineEdit>(dialog, "RanCountValue")->setText(QStringLiteral("3"));
    dialog->SaveModeClick();
    QCOMPARE(log.texts.size(), 2);
    QCOMPARE(log.texts.at(1), QStringLiteral("在不允许重复的情况下，随机数名单中的可生成随机数数量小于要生成的随机数数量，"
                                             "请重新设置！"));
    QCOMPARE(child<QPlainTextEdit>(dialog, "RandListValue")->toPlainText(), pasted);
    QCOMPARE(log.handBacks, 0);
    delete dialog;
}

void ListDialogsTest::listProbabilityExcludesAutoDelete()
{
    MessageLog log;
    QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
    dialog->LoadProject(2, DefaultQueryParams(2));
    auto *posSetAble = child<QCheckBox>(dialog, "PosSetAble");
    auto *autoDel = child<QCheckBox>(dialog, "AutoDel");
    QVERIFY(posSetAble->isChecked());
    QVERIFY(!autoDel->isEnabled());
    QVERIFY(child<QTableWidget>(dialog, "RLists")->isVisibleTo(dialog));
    posSetAble->click();
    QVERIFY(autoDel->isEnabled());
    QVERIFY(!child<QRadioButton>(dialog, "PosByPercent")->isEnabled());
    QVERIFY(child<QPlainTextEdit>(dialog, "RandListValue")->isVisibleTo(dialog));
    // The names of the rows follow into the empty plain list, and back into empty rows.
    auto *memo = child<QPlainTextEdit>(dialog, "RandListValue");
    QCOMPARE(memo->toPlainText(), QStringLiteral("张三 李四 王五 赵六"));
    memo->setPlainText(QStringLiteral("甲 乙 丙"));
    posSetAble->click();
    QCOMPARE(dialog->EncodeList(), QStringLiteral("加权&张三:2&李四 王五 赵六:1")); // rows already filled
    auto *grid = child<QTableWidget>(dialog, "RLists");
    for (int row = grid->rowCount() - 1; row >= 0; --row) {
        grid->setCurrentCell(row, 1);
        dialog->findChild<QAction *>(QStringLiteral("RMenu_DelRow"))->trigger();
    }
    posSetAble->click();
    QCOMPARE(memo->toPlainText(), QStringLiteral("甲 乙 丙"));
    posSetAble->click();
    QCOMPARE(dialog->EncodeList(), QStringLiteral("加权&甲:1&乙:1&丙:1"));

    // Both set (as a hand-edited file could have them) is refused with its own caption.
    QueryParams params = DefaultQueryParams(2);
    params[6] = QStringLiteral("是");
    dialog->LoadProject(2, params);
    dialog->SaveModeClick();
    QCOMPARE(log.captions.value(0), QStringLiteral("设置有误"));
    QCOMPARE(log.texts.value(0), QStringLiteral("不能在设置概率的同时使用自动排除随机数功能！"));
    QCOMPARE(log.handBacks, 0);
    delete dialog;
}

void ListDialogsTest::listRowsDeleteAndAdd()
{
    MessageLog log;
    QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
    dialog->LoadProject(2, DefaultQueryParams(2));
    auto *grid = child<QTableWidget>(dialog, "RLists");
    QAction *del = dialog->findChild<QAction *>(QStringLiteral("RMenu_DelRow"));
    QAction *add = dialog->findChild<QAction *>(QStringLiteral("RMenu_AddRow"));

    grid->item(0, 2)->setText(QStringLiteral("5"));
    add->trigger();
    QCOMPARE(grid->rowCount(), 3);
    QCOMPARE(grid->item(2, 0)->text(), QStringLiteral("3"));
    QCOMPARE(grid->item(2, 2)->text(), QStringLiteral("1"));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("5")); // weights already set stay

    // Dragging a row to another place renumbers the rows in their new order.
    grid->verticalHeader()->moveSection(2, 0);
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("1"));
    QCOMPARE(grid->item(1, 1)->text(), QStringLiteral("张三"));
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(grid->verticalHeader()->logicalIndex(0), 0);
    grid->verticalHeader()->moveSection(0, 2);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("张三"));

    grid->setCurrentCell(0, 1);
    del->trigger();
    QCOMPARE(grid->rowCount(), 2);
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("李四 王五 赵六"));
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("1"));
    QCOMPARE(grid->item(1, 0)->text(), QStringLiteral("2"));

    grid->setCurrentCell(0, 1);
    del->trigger();
    QCOMPARE(grid->rowCount(), 1);
    del->trigger();
    QCOMPARE(grid->rowCount(), 1);
    QVERIFY(grid->item(0, 1)->text().isEmpty());
    QVERIFY(grid->item(0, 2)->text().isEmpty());
    delete dialog;
}

namespace {
void sendMouse(QWidget *target, QEvent::Type type, const QPoint &pos)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, pos, target->mapToGlobal(pos), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}
} // namespace

void ListDialogsTest::listWeightsChangeByDragging()
{
    MessageLog log;
    QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
    dialog->LoadProject(2, DefaultQueryParams(2));
    dialog->show();
    auto *grid = child<QTableWidget>(dialog, "RLists");
    QWidget *viewport = grid->viewport();
    const QPoint cell = grid->visualItemRect(grid->item(1, 2)).center();

    // Weights: one step per sixth move, never below 1.
    sendMouse(viewport, QEvent::MouseButtonPress, cell);
    for (int i = 1; i <= 12; ++i)
        sendMouse(viewport, QEvent::MouseMove, cell + QPoint(i, 0));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("3"));
    for (int i = 1; i <= 30; ++i)
        sendMouse(viewport, QEvent::MouseMove, cell - QPoint(i, 0));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("1"));
    sendMouse(viewport, QEvent::MouseButtonRelease, cell);

    // Percentages follow every move and stay between 1 and 99.
    child<QRadioButton>(dialog, "PosByPercent")->click();
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("50"));
    sendMouse(viewport, QEvent::MouseButtonPress, cell);
    for (int i = 1; i <= 3; ++i)
        sendMouse(viewport, QEvent::MouseMove, cell + QPoint(i, 0));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("53"));
    for (int i = 1; i <= 60; ++i)
        sendMouse(viewport, QEvent::MouseMove, cell + QPoint(3 + i, 0));
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("99"));
    sendMouse(viewport, QEvent::MouseButtonRelease, cell);
    // After release moves change nothing.
    sendMouse(viewport, QEvent::MouseMove, cell);
    QCOMPARE(grid->item(1, 2)->text(), QStringLiteral("99"));
    delete dialog;
}

void ListDialogsTest::listEncodingsReadBack()
{
    MessageLog log;
    for (int pmode : {2, 3, 7, 9}) {
        QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
        dialog->LoadProject(pmode, DefaultQueryParams(pmode));
        QCOMPARE(dialog->EncodeProject(pmode, DefaultQueryParams(pmode)), DefaultQueryParams(pmode));
        delete dialog;
    }

    // Items holding the stored separators survive a round trip through the dialog.
    QueryParams params = DefaultQueryParams(2);
    params[1] = QStringLiteral("是");
    params[2] = QStringLiteral("加权&") + EscapeListText(QStringLiteral("A:1,B#2")) + QStringLiteral(":3&")
        + EscapeListText(QStringLiteral("x|y&z")) + QStringLiteral(":1");
    params[3] = QStringLiteral("半角逗号");
    QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
    dialog->LoadProject(2, params);
    QCOMPARE(child<QTableWidget>(dialog, "RLists")->item(0, 1)->text(), QStringLiteral("A:1,B#2"));
    QCOMPARE(dialog->EncodeProject(2, params), params);
    QCOMPARE(dialog->PossibleCount(), 3);

    const QString group = QStringLiteral("否||") + EscapeListText(QStringLiteral("甲;乙;丙")) + QStringLiteral("||是||否||2");
    dialog->LoadGroupQuery(group, QStringLiteral("半角分号"));
    QCOMPARE(child<QPlainTextEdit>(dialog, "RandListValue")->toPlainText(), QStringLiteral("甲;乙;丙"));
    QCOMPARE(dialog->EncodeGroupQuery(), group);
    QCOMPARE(dialog->SpliterName(), QStringLiteral("半角分号"));
    delete dialog;
}

void ListDialogsTest::listShuffleCountFollowsItems()
{
    MessageLog log;
    QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
    dialog->LoadProject(3, DefaultQueryParams(3));
    auto *count = child<QLineEdit>(dialog, "RanCountValue");
    QVERIFY(!count->isEnabled());
    QVERIFY(!child<QCheckBox>(dialog, "PosSetAble")->isVisibleTo(dialog));
    QVERIFY(!child<QCheckBox>(dialog, "AutoDel")->isVisibleTo(dialog));
    child<QPlainTextEdit>(dialog, "RandListValue")->setPlainText(QStringLiteral("a b c d e f"));
    QCOMPARE(count->text(), QStringLiteral("6"));
    QCOMPARE(child<QLabel>(dialog, "RandListSet")->text(), QStringLiteral("名单："));
    delete dialog;

    dialog = openFor<TListSetForm>(log);
    dialog->LoadProject(7, DefaultQueryParams(7));
    QCOMPARE(child<QLabel>(dialog, "RanCountLabel")->text(), QStringLiteral("每次抽取数量"));
    QCOMPARE(child<QCheckBox>(dialog, "AutoDel")->text(), QStringLiteral("抽取一个单词/字词后，自动排除该单词/字词"));
    QVERIFY(!child<QCheckBox>(dialog, "RepeatAllowed")->isEnabled());
    delete dialog;
}

void ListDialogsTest::passwordChecksAndOptionOrder()
{
    MessageLog log;
    QPointer<TPwdSetForm> dialog = openFor<TPwdSetForm>(log);
    dialog->LoadProject(6, DefaultQueryParams(6));
    QCOMPARE(dialog->EncodeProject(6, {}), DefaultQueryParams(6));

    for (const char *name : {"PwdLower", "PwdUpper", "PwdNum", "PwdSymbol"})
        child<QCheckBox>(dialog, name)->setChecked(false);
    child<QCheckBox>(dialog, "PwdSymbol")->setChecked(true);
    child<QCheckBox>(dialog, "PwdNum")->setChecked(true);
    QCOMPARE(dialog->EncodeOptions(), QStringLiteral("数字|特殊符号"));
    dialog->LoadGroupQuery(QStringLiteral("6||大写字母|数字||4"));
    QCOMPARE(dialog->EncodeGroupQuery(), QStringLiteral("6||大写字母|数字||4"));

    for (const char *name : {"PwdLower", "PwdUpper", "PwdNum", "PwdSymbol"})
        child<QCheckBox>(dialog, name)->setChecked(false);
    child<QLineEdit>(dialog, "PwLengthValue")->clear();
    dialog->SaveModeClick();
    QCOMPARE(log.texts, (QStringList{QStringLiteral("相关参数不能为空，请填写完整！"), QStringLiteral("至少应勾选一个密码选项！")}));
    QCOMPARE(log.handBacks, 0);

    // A length of 0 would make every password the same empty text.
    log.clear();
    child<QCheckBox>(dialog, "PwdNum")->setChecked(true);
    child<QLineEdit>(dialog, "PwLengthValue")->setText(QStringLiteral("0"));
    dialog->SaveModeClick();
    QCOMPARE(log.texts.size(), 1);
    QCOMPARE(log.handBacks, 0);

    log.clear();
    child<QLineEdit>(dialog, "PwLengthValue")->setText(QStringLiteral("8"));
    dialog->SaveModeClick();
    QCOMPARE(log.handBacks, 1);
    delete dialog;
}

void ListDialogsTest::pictureCountAgainstPictures()
{
    MessageLog log;
    QPointer<TPicSetForm> dialog = openFor<TPicSetForm>(log);
    dialog->LoadGroupQuery(QStringLiteral("||否||1"));
    QVERIFY(dialog->Paths().isEmpty());
    dialog->AddPictures({QStringLiteral("/p/one.jpg"), QStringLiteral("/p/two.png")});
    auto *count = child<QLineEdit>(dialog, "RanCountValue");
    count->setText(QStringLiteral("3"));
    dialog->SaveModeClick();
    QCOMPARE(log.texts, QStringList{QStringLiteral("图片总数小于要抽取的图片数量，请重新设置！")});
    QCOMPARE(log.handBacks, 0);

    log.clear();
    count->setText(QStringLiteral("2"));
    child<QCheckBox>(dialog, "AutoDel")->setChecked(true);
    dialog->SaveModeClick();
    QCOMPARE(log.handBacks, 1);
    QCOMPARE(dialog->EncodeGroupQuery(), QStringLiteral("/p/one.jpg|/p/two.png||是||2"));
    QCOMPARE(dialog->EncodeProject(5, {}),
             (QueryParams{QStringLiteral("图片模式"), QStringLiteral("/p/one.jpg|/p/two.png"), QStringLiteral("2"),
                          QStringLiteral("是")}));

    log.clear();
    dialog->LoadGroupQuery(QStringLiteral("||否||"));
    dialog->SaveModeClick();
    QCOMPARE(log.texts, (QStringList{QStringLiteral("图片列表不能为空！"), QStringLiteral("抽取图片数量不能为空！")}));
    delete dialog;
}

void ListDialogsTest::picturePreviewFillsItsFrame()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("big.png"));
    QImage big(1600, 1200, QImage::Format_RGB32);
    big.fill(Qt::darkGreen);
    QVERIFY(big.save(path));

    // Loaded before the dialog is laid out, as every opener does.
    MessageLog log;
    QPointer<TPicSetForm> dialog = openFor<TPicSetForm>(log);
    dialog->LoadGroupQuery(path + QStringLiteral("||否||1"));
    dialog->show();
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    auto *shown = child<QLabel>(dialog, "PicShow");
    auto fillsFrame = [shown] {
        const QSize picture = shown->pixmap().size();
        return picture.width() == shown->width() || picture.height() == shown->height();
    };
    QTRY_VERIFY2(fillsFrame(), qPrintable(QStringLiteral("%1x%2 in %3x%4")
                                              .arg(shown->pixmap().width())
                                              .arg(shown->pixmap().height())
                                              .arg(shown->width())
                                              .arg(shown->height())));

    // A larger dialog gives a larger preview.
    const int before = shown->pixmap().width();
    dialog->resize(dialog->width() + 300, dialog->height() + 200);
    QTRY_VERIFY(shown->pixmap().width() > before);
    QVERIFY(fillsFrame());
    delete dialog;
}

void ListDialogsTest::requirerDecidesHandBack()
{
    MessageLog log;
    QPointer<TPwdSetForm> dialog = openFor<TPwdSetForm>(log);
    dialog->LoadProject(6, DefaultQueryParams(6));
    dialog->SetRequirer(QStringLiteral("DesignPage"));
    dialog->SaveModeClick();
    QCOMPARE(log.handBacks, 0);
    dialog->SetRequirer(kRequirerGroupMode);
    dialog->SaveModeClick();
    QCOMPARE(log.handBacks, 1);
    delete dialog;
}

QTEST_MAIN(ListDialogsTest)
#include "tst_listdialogs.moc"

void ListDialogsTest::listFairSectionRefusesImpossibleSkip()
{
    MessageLog log;
    QPointer<TListSetForm> dialog = openFor<TListSetForm>(log);
    QueryParams params = DefaultQueryParams(2);
    params[QueryParamIndex(2, "PosSetAble")] = QStringLiteral("否");
    params[QueryParamIndex(2, "Lists")] = QStringLiteral("甲 乙 丙 丁 甲");
    params[QueryParamIndex(2, "RanCount")] = QStringLiteral("2");
    dialog->LoadProject(2, params);
    FairSettings stored;
    stored.mode = FairMode::Balanced;
    stored.period = FairPeriod::Week;
    stored.strength = 4;
    stored.skip = 3;
    dialog->LoadFairness(stored);
    QVERIFY(child<QWidget>(dialog, "FairBox")->isVisibleTo(dialog));
    QVERIFY(child<QLabel>(dialog, "FairFormula")->text().contains(QStringLiteral("4 次方")));

    // Four different names, two a draw: two can be skipped at most.
    dialog->SaveModeClick();
    QCOMPARE(log.handBacks, 0);
    QCOMPARE(log.texts.size(), 1);
    QVERIFY2(log.texts.first().contains(QStringLiteral("最多为 2")), qPrintable(log.texts.first()));

    log.clear();
    child<QSpinBox>(dialog, "FairSkipValue")->setValue(2);
    dialog->SaveModeClick();
    QVERIFY2(log.texts.isEmpty(), qPrintable(log.texts.join('\n')));
    QCOMPARE(log.handBacks, 1);
    stored.skip = 2;
    QCOMPARE(dialog->EncodeFairness({}), stored);

    // A rotation remembers who was drawn: the automatic exclusion would fight it.
    log.clear();
    child<QRadioButton>(dialog, "FairRotation")->click();
    QVERIFY(!child<QSpinBox>(dialog, "FairSkipValue")->isEnabled());
    child<QCheckBox>(dialog, "AutoDel")->setChecked(true);
    dialog->SaveModeClick();
    QCOMPARE(log.handBacks, 0);
    QVERIFY(log.texts.first().contains(QStringLiteral("自动排除")));
    delete dialog;

    // List groups of custom projects keep their settings as they are.
    QPointer<TListSetForm> group = openFor<TListSetForm>(log);
    group->LoadGroupQuery(QStringLiteral("否||a b c||否||否||1"), QStringLiteral("空格"));
    QVERIFY(!child<QWidget>(group, "FairBox")->isVisibleTo(group));
    QCOMPARE(group->EncodeFairness(stored), stored);
    delete group;
}
