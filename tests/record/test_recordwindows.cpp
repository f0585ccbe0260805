// The record menu, its dialogs, the statistics and frequency windows and the hooks of
// the drawing window, driven through the controls' names.
#include "codec.h"
#include "frequencyform.h"
#include "messages.h"
#include "recordcontroller.h"
#include "savefilechooser.h"
#include "textfile.h"

#include <QAction>
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChartView>
#include <QCheckBox>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QStandardPaths>
#include <QClipboard>
#include <QGraphicsSimpleTextItem>
#include <QGraphicsTextItem>
#include <QTextDocument>
#include <QGraphicsView>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QListWidget>
#include <QMenu>
#include <QPieSeries>
#include <QPieSlice>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kSep = QStringLiteral("  ");

template<typename T = QWidget>
T *openWindow(const QString &name)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == name && widget->isVisible())
            return qobject_cast<T *>(widget);
    }
    return nullptr;
}

void closeAllWindows(const QString &keep)
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() != keep && widget->isVisible())
            widget->close();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(QWidget *parent, const QString &button)
{
    auto *target = parent->findChild<QPushButton *>(button);
    QVERIFY2(target, qPrintable(button));
    target->click();
}

QString joined(std::initializer_list<const char *> results)
{
    QStringList list;
    for (const char *result : results)
        list.append(QString::fromUtf8(result));
    return list.join(kSep);
}
} // namespace

class TestRecordWindows : public QObject
{
    Q_OBJECT

    QWidget *window = nullptr;
    QPlainTextEdit *memo = nullptr;
    QLabel *label = nullptr;
    RecordController *memoRecord = nullptr;
    RecordController *labelRecord = nullptr;
    QList<ShownMessage> messages;
    QStringList chosenFiles;
    QString nextFileName;
    QTemporaryDir dir;

    // File dialogs answered with nextFileName, their captions and filters noted.
    void answerFileDialogs()
    {
        SetSaveFileChooser([this](QWidget *, const QString &caption, const QString &filter, const QString &) {
            chosenFiles.append(caption + QLatin1Char('|') + filter);
            return nextFileName;
        });
    }

    void trigger(RecordController *record, const QString &item)
    {
        auto *action = record->RandMenu()->findChild<QAction *>(item);
        QVERIFY2(action, qPrintable(item));
        action->trigger();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(BindCodec(SUITE_APP_DIR));
        SetMessageHandler([this](const ShownMessage &message) {
            messages.append(message);
            return QMessageBox::Ok;
        });
        answerFileDialogs();
    }

    void init()
    {
        window = new QWidget;
        window->setObjectName(QStringLiteral("TRandForm"));
        memo = new QPlainTextEdit(window);
        memo->setObjectName(QStringLiteral("RandRecordMemo"));
        label = new QLabel(window);
        label->setObjectName(QStringLiteral("RandRecordLabel"));
        memoRecord = new RecordController(memo, window);
        labelRecord = new RecordController(label, window);
        memoRecord->SetSeparator(kSep);
        labelRecord->SetSeparator(kSep);
        window->show();
        messages.clear();
        chosenFiles.clear();
    }

    void cleanup()
    {
        closeAllWindows(QString());
        delete window;
    }

    void lineBreakDialog()
    {
        memo->setPlainText(joined({"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}));
        trigger(memoRecord, QStringLiteral("RRMenu_NewLine"));
        auto *dialog = openWindow(QStringLiteral("TNewLineForm"));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("批量换行操作"));
        auto *count = dialog->findChild<QLineEdit *>(QStringLiteral("NewLineRCount"));
        QCOMPARE(count->text(), QStringLiteral("5"));

        // Empty: the error box, the dialog stays and the record is unchanged.
        count->clear();
        click(dialog, QStringLiteral("BOK"));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].caption, QStringLiteral("参数有误"));
        QCOMPARE(messages[0].text, QStringLiteral("换行间隔数不能为空！"));
        QCOMPARE(messages[0].icon, QMessageBox::Critical);
        QVERIFY(dialog->isVisible());
        QVERIFY(!memo->toPlainText().contains(QLatin1Char('\n')));
        // Only digits get in.
        QTest::keyClicks(count, QStringLiteral("a-5"));
        QCOMPARE(count->text(), QStringLiteral("5"));

        click(dialog, QStringLiteral("BOK"));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(memo->toPlainText(), joined({"1", "2", "3", "4", "5"}) + "\n" + joined({"6", "7", "8", "9", "10"}) + "\n"
                                          + joined({"11", "12"}));
        QCOMPARE(memoRecord->RecordText().count(QStringLiteral("\r\n")), 2);
    }

    void lineBreakThenAutomaticSort()
    {
        RecordSettings settings;
        settings.autoSortAfterNewLine = true;
        settings.sortScheme = {SortVariety::Num, SortDirection::Lower, SortRange::Rows};
        labelRecord->SetSettings(settings);
        label->setText(joined({"1", "2", "3", "4", "5"}));
        trigger(labelRecord, QStringLiteral("RRMenu_NewLine"));
        auto *dialog = openWindow(QStringLiteral("TNewLineForm"));
        dialog->findChild<QLineEdit *>(QStringLiteral("NewLineRCount"))->setText(QStringLiteral("2"));
        click(dialog, QStringLiteral("BOK"));
        QCOMPARE(label->text(), joined({"2", "1"}) + "\n" + joined({"4", "3"}) + "\n5");
    }

    void dragChangesCount()
    {
        memo->setPlainText(QStringLiteral("1"));
        trigger(memoRecord, QStringLiteral("RRMenu_NewLine"));
        auto *count = openWindow(QStringLiteral("TNewLineForm"))->findChild<QLineEdit *>(QStringLiteral("NewLineRCount"));
        count->setText(QStringLiteral("2"));
        QTest::mousePress(count, Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
        auto move = [&](int y, int times) {
            for (int i = 0; i < times; ++i) {
                QMouseEvent event(QEvent::MouseMove, QPointF(20, y), count->mapToGlobal(QPointF(20, y)), Qt::NoButton,
                                  Qt::LeftButton, Qt::NoModifier);
                QApplication::sendEvent(count, &event);
            }
        };
        move(2, 5);
        QCOMPARE(count->text(), QStringLiteral("2"));
        move(2, 1); // sixth move above the press point: one down
        QCOMPARE(count->text(), QStringLiteral("1"));
        move(2, 12); // never below 1
        QCOMPARE(count->text(), QStringLiteral("1"));
        move(30, 12); // below the press point: up
        QCOMPARE(count->text(), QStringLiteral("3"));
        QTest::mouseRelease(count, Qt::LeftButton, Qt::NoModifier, QPoint(20, 30));
    }

    void automaticLineBreak()
    {
        label->setText(joined({"1", "2", "3", "4", "5"}));
        trigger(labelRecord, QStringLiteral("RRMenu_AutoNewLine"));
        auto *dialog = openWindow(QStringLiteral("TAutoNLineForm"));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("自动换行设置"));
        auto *use = dialog->findChild<QCheckBox *>(QStringLiteral("UseAutoNewLine"));
        QCOMPARE(use->text(), QStringLiteral("使用自动换行"));
        QVERIFY(!use->isChecked());
        use->setChecked(true);
        auto *count = dialog->findChild<QLineEdit *>(QStringLiteral("NewLineRCount"));
        count->clear();
        click(dialog, QStringLiteral("BOK"));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].text, QStringLiteral("换行间隔数不能为空！"));
        QCOMPARE(labelRecord->Settings().autoNewLineCount, 0);

        count->setText(QStringLiteral("2"));
        click(dialog, QStringLiteral("BOK"));
        QCOMPARE(labelRecord->Settings().autoNewLineCount, 2);
        QCOMPARE(label->text(), joined({"1", "2"}) + "\n" + joined({"3", "4"}) + "\n5");

        // The drawing window appends a batch on a new line; the hook regroups the record.
        label->setText(label->text() + "\n" + joined({"6", "7", "8"}));
        labelRecord->AfterBatchAppended();
        QCOMPARE(label->text(), joined({"1", "2"}) + "\n" + joined({"3", "4"}) + "\n" + joined({"5", "6"}) + "\n"
                                    + joined({"7", "8"}));

        // Switched off: the count goes to 0, the record stays as it is.
        trigger(labelRecord, QStringLiteral("RRMenu_AutoNewLine"));
        dialog = openWindow(QStringLiteral("TAutoNLineForm"));
        QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("UseAutoNewLine"))->isChecked());
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("NewLineRCount"))->text(), QStringLiteral("2"));
        dialog->findChild<QCheckBox *>(QStringLiteral("UseAutoNewLine"))->setChecked(false);
        click(dialog, QStringLiteral("BOK"));
        QCOMPARE(labelRecord->Settings().autoNewLineCount, 0);
        QCOMPARE(labelRecord->Settings().newLineRCount, 2);
        label->setText(label->text() + "\n9");
        labelRecord->AfterBatchAppended();
        QVERIFY(label->text().endsWith(QStringLiteral("\n9")));
    }

    void sortDialog()
    {
        memo->setPlainText(joined({"10", "9", "100"}));
        trigger(memoRecord, QStringLiteral("RRMenu_Sort"));
        auto *dialog = openWindow(QStringLiteral("TSortForm"));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("排序操作"));
        // Defaults: text, ascending, all results.
        QVERIFY(dialog->findChild<QRadioButton *>(QStringLiteral("SortStr"))->isChecked());
        QVERIFY(dialog->findChild<QRadioButton *>(QStringLiteral("SortUpper"))->isChecked());
        QVERIFY(dialog->findChild<QRadioButton *>(QStringLiteral("SortGlobal"))->isChecked());
        dialog->findChild<QRadioButton *>(QStringLiteral("SortNum"))->setChecked(true);
        click(dialog, QStringLiteral("BOK"));
        QVERIFY(!dialog->isVisible());
        QCOMPARE(memo->toPlainText(), joined({"9", "10", "100"}));

        // A numeric sort of names: refused with a message, record and dialog stay.
        memo->setPlainText(joined({"张三", "2"}) + "\n" + joined({"1"}));
        trigger(memoRecord, QStringLiteral("RRMenu_Sort"));
        dialog = openWindow(QStringLiteral("TSortForm"));
        dialog->findChild<QRadioButton *>(QStringLiteral("SortNum"))->setChecked(true);
        click(dialog, QStringLiteral("BOK"));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].icon, QMessageBox::Critical);
        QVERIFY(messages[0].text.contains(QStringLiteral("张三")));
        QVERIFY(dialog->isVisible());
        QCOMPARE(memo->toPlainText(), joined({"张三", "2"}) + "\n" + joined({"1"}));
    }

    void automaticSort()
    {
        label->setText(joined({"3", "1", "2"}));
        trigger(labelRecord, QStringLiteral("Menu_AutoSort"));
        auto *dialog = openWindow(QStringLiteral("TAutoSortForm"));
        QVERIFY(dialog);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("自动排序设置"));
        auto *range = dialog->findChild<QListWidget *>(QStringLiteral("AutoSortRange"));
        QCOMPARE(range->count(), 2);
        QCOMPARE(range->item(0)->text(), QStringLiteral("每次生成随机数后自动排序"));
        QCOMPARE(range->item(1)->text(), QStringLiteral("手动换行操作后自动排序"));
        range->item(0)->setCheckState(Qt::Checked);
        dialog->findChild<QRadioButton *>(QStringLiteral("SortNum"))->setChecked(true);
        dialog->findChild<QRadioButton *>(QStringLiteral("SortLower"))->setChecked(true);
        click(dialog, QStringLiteral("BOK"));
        QCOMPARE(label->text(), joined({"3", "2", "1"}));
        QVERIFY(labelRecord->Settings().autoSortAfterBatch);
        QCOMPARE(labelRecord->Settings().sortScheme.variety, SortVariety::Num);

        label->setText(label->text() + kSep + joined({"10", "4"}));
        labelRecord->AfterBatchAppended();
        QCOMPARE(label->text(), joined({"10", "4", "3", "2", "1"}));

        // A scheme that fails on this record: the flags are stored, the scheme is not.
        label->setText(joined({"b", "a"}));
        trigger(labelRecord, QStringLiteral("Menu_AutoSort"));
        dialog = openWindow(QStringLiteral("TAutoSortForm"));
        dialog->findChild<QListWidget *>(QStringLiteral("AutoSortRange"))->item(1)->setCheckState(Qt::Checked);
        dialog->findChild<QRadioButton *>(QStringLiteral("SortUpper"))->setChecked(true);
        click(dialog, QStringLiteral("BOK"));
        QCOMPARE(messages.size(), 1);
        QVERIFY(labelRecord->Settings().autoSortAfterNewLine);
        QCOMPARE(labelRecord->Settings().sortScheme.direction, SortDirection::Lower);
        QCOMPARE(label->text(), joined({"b", "a"}));
        // The automatic sort after a batch reports the failure and leaves the record.
        messages.clear();
        labelRecord->AfterBatchAppended();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(label->text(), joined({"b", "a"}));
    }

    void emptyRecordDoesNothing()
    {
        for (const char *item : {"RRMenu_ClearNewLine", "RRMenu_NewLine", "RRMenu_Sort", "Menu_DelRepeat",
                                 "RRMenu_CheckFrequency", "RRMenu_Save"}) {
            trigger(labelRecord, QString::fromLatin1(item));
            QCOMPARE(label->text(), QString());
        }
        QVERIFY(!openWindow(QStringLiteral("TNewLineForm")));
        QVERIFY(!openWindow(QStringLiteral("TSortForm")));
        QVERIFY(!openWindow(QStringLiteral("TFrequencyForm")));
        QVERIFY(messages.isEmpty());
        QVERIFY(chosenFiles.isEmpty());
        labelRecord->AfterBatchAppended();
        QCOMPARE(label->text(), QString());
    }

    void statistics()
    {
        memo->setPlainText(joined({"1", "2"}) + "\n" + joined({"3", "4"}));
        memoRecord->SetNumberFormat(QStringLiteral("0"));
        trigger(memoRecord, QStringLiteral("RRMenu_Stat"));
        auto *form = openWindow(QStringLiteral("TStatForm"));
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("随机数统计"));
        auto *items = form->findChild<QListWidget *>(QStringLiteral("StatNum"));
        QCOMPARE(items->count(), 6);
        items->item(int(StatItem::Variance))->setCheckState(Qt::Unchecked);
        click(form, QStringLiteral("BStat"));
        auto *output = form->findChild<QPlainTextEdit *>(QStringLiteral("StatMemo"));
        QCOMPARE(output->toPlainText().split('\n'),
                 QStringList({"总数：4", "最小值：1", "最大值：4", "极差：3", "平均值：2.5", "标准差：1.12"}));
        // Its right-click menu is Chinese and copies the figures.
        QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5), output->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(output->viewport(), &rightClick);
        auto *outputMenu = form->findChild<QMenu *>(QStringLiteral("StatMemoMenu"));
        QTRY_VERIFY(outputMenu && outputMenu->isVisible());
        QCOMPARE(outputMenu->actions().first()->text(), QStringLiteral("复制"));
        outputMenu->actions().first()->trigger();
        outputMenu->hide();
        QCOMPARE(QApplication::clipboard()->text(), output->toPlainText());

        // The statistics read the record when pressed; names give the type error after the count.
        memo->setPlainText(joined({"张三", "李四", "王五"}));
        click(form, QStringLiteral("BStat"));
        QCOMPARE(output->toPlainText(), QStringLiteral("总数：3"));
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages[0].caption, QStringLiteral("类型错误"));
        QCOMPARE(messages[0].text, QStringLiteral("您排序的随机数不是数值类型，不能进行数值统计！"));
    }

    void frequencyWindow()
    {
        label->setText(joined({"A", "B"}) + "\n" + joined({"A", "C", "A"}));
        labelRecord->SetFrequencyChartDefaults(QStringLiteral("Lines"), false);
        trigger(labelRecord, QStringLiteral("RRMenu_CheckFrequency"));
        auto *form = openWindow<TFrequencyForm>(QStringLiteral("TFrequencyForm"));
        QVERIFY(form);
        QCOMPARE(form->windowTitle(), QStringLiteral("随机数频数统计"));

        auto *grid = form->findChild<QTableView *>(QStringLiteral("FreGrid"));
        QAbstractItemModel *model = grid->model();
        QCOMPARE(model->rowCount(), 3);
        QCOMPARE(model->headerData(0, Qt::Horizontal).toString(), QStringLiteral("编号"));
        QCOMPARE(model->headerData(1, Qt::Horizontal).toString(), QStringLiteral("随机数"));
        QCOMPARE(model->headerData(2, Qt::Horizontal).toString(), QStringLiteral("频数"));
        const QStringList expected = {"1|A|3", "2|B|1", "3|C|1"};
        for (int row = 0; row < 3; ++row) {
            QStringList cells;
            for (int column = 0; column < 3; ++column)
                cells.append(model->index(row, column).data().toString());
            QCOMPARE(cells.join('|'), expected[row]);
        }

        // One point per distinct result, in first-occurrence order, in each series.
        QBarSeries *bars = form->Bars();
        QLineSeries *lines = form->Lines();
        QPieSeries *sectors = form->Sectors();
        QCOMPARE(bars->objectName(), QStringLiteral("FBars"));
        QCOMPARE(lines->objectName(), QStringLiteral("FLines"));
        QCOMPARE(sectors->objectName(), QStringLiteral("FSectors"));
        QCOMPARE(bars->count(), 3);
        QCOMPARE(lines->count(), 3);
        QCOMPARE(sectors->count(), 3);
        const QStringList names = {"A", "B", "C"};
        const QList<qreal> counts = {3, 1, 1};
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(bars->barSets()[i]->label(), names[i]);
            QCOMPARE(bars->barSets()[i]->at(0), counts[i]);
            QCOMPARE(lines->at(i).y(), counts[i]);
            QCOMPARE(sectors->slices()[i]->label(), names[i]);
            QCOMPARE(sectors->slices()[i]->value(), counts[i]);
            QCOMPARE(sectors->slices()[i]->color(), bars->barSets()[i]->color());
        }

        // The stored style: lines only; the 3D switch off gives a flat chart.
        QVERIFY(form->findChild<QRadioButton *>(QStringLiteral("UseLines"))->isChecked());
        QVERIFY(lines->isVisible() && !bars->isVisible() && !sectors->isVisible());
        auto *show3D = form->findChild<QCheckBox *>(QStringLiteral("Show3D"));
        QVERIFY(!show3D->isChecked());
        QCOMPARE(form->DepthFaceCount(), 0);
        show3D->setChecked(true);
        QCOMPARE(form->DepthFaceCount(), 2); // one face per line segment

        form->findChild<QRadioButton *>(QStringLiteral("UseBars"))->click();
        QVERIFY(bars->isVisible() && !lines->isVisible() && !sectors->isVisible());
        QCOMPARE(form->DepthFaceCount(), 6); // top and side of every bar
        form->findChild<QRadioButton *>(QStringLiteral("UseSectors"))->click();
        QVERIFY(sectors->isVisible() && !bars->isVisible());
        QVERIFY(form->DepthFaceCount() >= 1);
        show3D->setChecked(false);
        QCOMPARE(form->DepthFaceCount(), 0);
    }

    void frequencyExports()
    {
        label->setText(joined({"张三", "=1+1", "张三"}));
        trigger(labelRecord, QStringLiteral("RRMenu_CheckFrequency"));
        auto *form = openWindow<TFrequencyForm>(QStringLiteral("TFrequencyForm"));
        nextFileName = dir.filePath(QStringLiteral("频数"));
        click(form, QStringLiteral("BSaveTable"));
        QFile csv(nextFileName + ".csv");
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readAll().endsWith(QStringLiteral("1,张三,2\r\n2,'=1+1,1\r\n").toUtf8()));

        nextFileName = dir.filePath(QStringLiteral("图.PNG"));
        click(form, QStringLiteral("BSaveChart"));
        QImage picture(nextFileName);
        QVERIFY(!picture.isNull());
        QCOMPARE(picture.size(), form->findChild<QWidget *>(QStringLiteral("FChartView"))->size());
        QVERIFY(messages.isEmpty());

        // A folder where the file should go: a message, no crash.
        nextFileName = dir.filePath(QStringLiteral("folder.csv"));
        QVERIFY(QDir().mkdir(nextFileName));
        click(form, QStringLiteral("BSaveTable"));
        QCOMPARE(messages.size(), 1);
    }

    void manyDistinctResultsStayReadable()
    {
        QStringList results;
        for (int i = 0; i < 500; ++i)
            results.append(QString::number(i));
        TFrequencyForm form(results, QStringLiteral("Bars"), true);
        QCOMPARE(form.findChild<QTableView *>(QStringLiteral("FreGrid"))->model()->rowCount(), 500);
        QCOMPARE(form.Bars()->count(), TFrequencyForm::kChartPointLimit);
        QCOMPARE(form.Sectors()->count(), TFrequencyForm::kChartPointLimit);
    }

    // The axis under bars and lines names the results in full, all of them or, when they
    // are too many for the width, every so many of them: always some, never a row of
    // elided "…" labels. The count axis shows whole counts, each once; no label covers
    // another; the counts over the points are in the window's face.
    void axisLabelsReadable()
    {
        auto results = [](int count, const QString &pattern) {
            QStringList list;
            for (int i = 0; i < count; ++i)
                list.append(pattern.arg(i + 10));
            return list;
        };
        QStringList decimals;
        for (int i = 0; i < 20; ++i)
            decimals.append(QString::number(15.1 + i * 0.1, 'f', 1));
        const QList<QStringList> records = {results(6, QStringLiteral("很长很长的抽奖结果名称之%1")),
                                            results(22, QStringLiteral("%1")), results(100, QStringLiteral("%1")),
                                            decimals + decimals};
        for (const QStringList &record : records) {
            for (const QString &style : {QStringLiteral("Bars"), QStringLiteral("Lines")}) {
                TFrequencyForm form(record, style, false);
                form.show();
                QVERIFY(QTest::qWaitForWindowExposed(&form));
                QTest::qWait(20);
                auto *view = form.findChild<QChartView *>(QStringLiteral("FChartView"));
                QStringList shown;
                QStringList countLabels;
                QList<QRectF> inked; // where each label's text is drawn, without its margins
                for (QGraphicsItem *item : view->scene()->items()) {
                    // The counts over the line's points are simple text items.
                    if (auto *simple = dynamic_cast<QGraphicsSimpleTextItem *>(item); simple && simple->isVisible()) {
                        inked.append(simple->sceneBoundingRect());
                        QCOMPARE(simple->font().family(), form.font().family());
                        QVERIFY(simple->font().pointSizeF() >= form.font().pointSizeF());
                    }
                    auto *text = dynamic_cast<QGraphicsTextItem *>(item);
                    if (!text || !text->isVisible())
                        continue;
                    shown.append(text->toPlainText());
                    const qreal margin = text->document()->documentMargin();
                    if (!text->toPlainText().isEmpty())
                        inked.append(text->sceneBoundingRect().adjusted(margin, margin, -margin, -margin));
                    if (!text->toPlainText().isEmpty() && text->sceneBoundingRect().right() <= view->chart()->plotArea().left())
                        countLabels.append(text->toPlainText());
                }
                QCOMPARE(countLabels.size(), QSet<QString>(countLabels.cbegin(), countLabels.cend()).size());
                const QString where = style + ": " + shown.join('|');
                for (const QString &text : shown)
                    QVERIFY2(!text.contains(QStringLiteral("...")) && !text.contains(QChar(0x2026)), qPrintable(where));
                if (record.size() == 6)
                    QVERIFY2(shown.contains(record.last()), qPrintable(where));
                QVERIFY2(shown.contains(record.first()), qPrintable(where));
                // No label is written over another.
                for (qsizetype i = 0; i < inked.size(); ++i) {
                    for (qsizetype j = i + 1; j < inked.size(); ++j)
                        QVERIFY2(!inked.at(i).intersects(inked.at(j)), qPrintable(where));
                }
            }
        }
    }

    void copyWithAndWithoutSelection()
    {
        memo->setPlainText(QStringLiteral("张三  李四\n王五"));
        trigger(memoRecord, QStringLiteral("RRMenu_Copy"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("张三  李四\n王五"));
        QTextCursor cursor = memo->textCursor();
        cursor.setPosition(4);
        cursor.setPosition(6, QTextCursor::KeepAnchor);
        memo->setTextCursor(cursor);
        trigger(memoRecord, QStringLiteral("RRMenu_Copy"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("李四"));
        label->setText(QStringLiteral("赵六"));
        trigger(labelRecord, QStringLiteral("RRMenu_Copy"));
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("赵六"));
    }

    void saveRecord()
    {
        label->setText(joined({"张三", "李四"}) + "\n" + joined({"王五"}));
        nextFileName = dir.filePath(QStringLiteral("记录"));
        trigger(labelRecord, QStringLiteral("RRMenu_Save"));
        QCOMPARE(chosenFiles, QStringList({"保存随机数记录|文本文档 (*.txt)"}));
        QCOMPARE(ReadTextLines(nextFileName + ".txt"), QStringList({joined({"张三", "李四"}), "王五"}));
        QFile file(nextFileName + ".txt");
        QVERIFY(file.open(QIODevice::ReadOnly));
        QVERIFY(file.readAll().startsWith("\xFF\xFE"));

        // A name that already ends in .txt gets nothing appended; cancelling writes nothing.
        memo->setPlainText(QStringLiteral("1\n2\n"));
        nextFileName = dir.filePath(QStringLiteral("memo.TXT"));
        trigger(memoRecord, QStringLiteral("RRMenu_Save"));
        QCOMPARE(ReadTextLines(nextFileName), QStringList({"1", "2"}));
        QVERIFY(!QFile::exists(nextFileName + ".txt"));
        nextFileName.clear();
        trigger(memoRecord, QStringLiteral("RRMenu_Save"));
        QVERIFY(messages.isEmpty());
    }

    // The real save dialog: Chinese buttons and labels, opening in the documents folder,
    // not in the program's; cancelled, it gives no name.
    void saveDialogSpeaksChinese()
    {
        SetSaveFileChooser({});
        QString accept, reject, fileName, folder;
        QTimer::singleShot(0, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            accept = dialog->labelText(QFileDialog::Accept);
            reject = dialog->labelText(QFileDialog::Reject);
            fileName = dialog->labelText(QFileDialog::FileName);
            folder = dialog->directory().absolutePath();
            dialog->reject();
        });
        const QString chosen = ChooseSaveFileName(window, QStringLiteral("保存随机数记录"), QStringLiteral("文本文档 (*.txt)"),
                                                  QStringLiteral(".txt"));
        answerFileDialogs();
        QVERIFY(chosen.isEmpty());
        QCOMPARE(accept, QStringLiteral("保存"));
        QCOMPARE(reject, QStringLiteral("取消"));
        QCOMPARE(fileName, QStringLiteral("文件名："));
        const QString documents = QDir(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)).absolutePath();
        QVERIFY2(folder == documents || folder == QDir::homePath(), qPrintable(folder));
    }

    void settingsReadAtStartAndWriteBackFailure()
    {
        // Settings read from a project show in the dialog.
        RecordSettings stored;
        stored.autoNewLineCount = 3;
        memoRecord->SetSettings(stored);
        trigger(memoRecord, QStringLiteral("RRMenu_AutoNewLine"));
        auto *dialog = openWindow(QStringLiteral("TAutoNLineForm"));
        QVERIFY(dialog->findChild<QCheckBox *>(QStringLiteral("UseAutoNewLine"))->isChecked());
        QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("NewLineRCount"))->text(), QStringLiteral("3"));
        dialog->close();

        // A project file that is gone: a message, false, no file created.
        const QString gone = dir.filePath(QStringLiteral("已删除.rpj"));
        QVERIFY(!memoRecord->WriteBackSettings(gone));
        QCOMPARE(messages.size(), 1);
        QVERIFY(!QFile::exists(gone));
    }
};

QTEST_MAIN(TestRecordWindows)
#include "test_recordwindows.moc"
