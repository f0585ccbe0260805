#include "apppaths.h"
#include "calclibrary.h"
#include "codec.h"
#include "encodedxml.h"
#include "handoff.h"
#include "messages.h"
#include "modedialog.h"
#include "projectcatalogue.h"
#include "projectheader.h"
#include "randengine.h"
#include "randform.h"
#include "readablecolours.h"
#include "tcalsetform.h"
#include "tcreateform.h"
#include "tgroupsetform.h"
#include "trandqueryform.h"
#include "trangenumsetform.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QWindow>
#include <QtTest>

namespace {
const QString kExisting = QStringLiteral("已有项目");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Every file below a directory with its content, to prove nothing was written.
QMap<QString, QByteArray> snapshot(const QString &dir)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(dir, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        files.insert(path, readAll(path));
    }
    return files;
}

QDomElement formChild(const QDomDocument &document, const QString &name)
{
    return document.documentElement().firstChildElement(QStringLiteral("Form")).firstChildElement(name);
}
} // namespace

class TestCreateWizard : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void createsAProjectOfEachTemplateType_data();
    void createsAProjectOfEachTemplateType();
    void createsCustomProjectsThroughTheirDialogs();
    void defaultsShowResultsInContrast_data();
    void defaultsShowResultsInContrast();
    void parametersTheDrawCannotUseStayInTheDialog();
    void commaSeparatedListDrawsItsItems();
    void pictureTypeKeepsTheTemplateBoxes();
    void stepOneChecksReportInOrder_data();
    void stepOneChecksReportInOrder();
    void customTypesNeedParametersBeforeStepThree();
    void stepThreeChecks();
    void modeDialogHandsItsResultBack();
    void calculationDialogsLeaveTheWizardReachable_data();
    void calculationDialogsLeaveTheWizardReachable();
    void everyModeDialogHandsTheDefaultsBackUnchanged_data();
    void everyModeDialogHandsTheDefaultsBackUnchanged();
    void cancelWritesNothing();
    void verifiableOptionIsStoredForEveryTypeButPasswords();
    void catalogueFailureLeavesNoProjectBehind();
    void queryEditorEditsConvertsAndClearsTheRequest();
    void queryEditorCancelClearsTheRequest();

private:
    TCreateForm *newWizard();
    void goToStep2(const QString &name, int type);
    void goToStep3();
    QStringList texts() const;
    void finishAs(const QString &name);

    QTemporaryDir appDir;
    QList<ShownMessage> messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QPointer<TCreateForm> wizard;
    int designerStarts = 0;
};

void TestCreateWizard::initTestCase()
{
    QVERIFY(BindCodec(QStringLiteral(SUITE_APP_DIR)));
    // The wizard checks calculations with the drawing program's expression library.
    BindCalcLibrary(QStringLiteral(SUITE_APP_DIR));
    QVERIFY(appDir.isValid());
}

void TestCreateWizard::init()
{
    QDir(appDir.path()).removeRecursively();
    QDir().mkpath(appDir.path() + QStringLiteral("/Data/Projects"));
    QDir().mkpath(appDir.path() + QStringLiteral("/Data/Demo"));
    SetAppDir(appDir.path());
    // The installation's encoded starting documents.
    for (int type = 0; type < kProjectTypeCount; ++type) {
        const QString name = TemplateFileName(type);
        const QString source = QStringLiteral(SUITE_APP_DIR "/Data/Demo/") + name;
        QVERIFY2(QFile::copy(source, AppDir() + QStringLiteral("Data/Demo/") + name), qPrintable(source));
    }
    QFile menu(CatalogueFilePath());
    QVERIFY(menu.open(QIODevice::WriteOnly));
    menu.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Menu><Projects Count=\"1\">"
                              "<Project Name=\"%1\" Remark=\"\" ReadOnly=\"否\" Pic=\"3\"/></Projects></Menu>\n")
                   .arg(kExisting)
                   .toUtf8());
    menu.close();

    messages.clear();
    answer = QMessageBox::Yes;
    designerStarts = 0;
    SetMessageHandler([this](const ShownMessage &message) {
        messages << message;
        return message.buttons & QMessageBox::Yes ? answer : QMessageBox::Ok;
    });
}

void TestCreateWizard::cleanup()
{
    delete wizard;
    SetMessageHandler({});
    SetAppDir(QString());
}

TCreateForm *TestCreateWizard::newWizard()
{
    wizard = new TCreateForm;
    wizard->SetDesignerStarter([this] { ++designerStarts; });
    wizard->SetPictureChooser([] { return QStringLiteral("/pictures/背景.jpg"); });
    wizard->show();
    return wizard;
}

QStringList TestCreateWizard::texts() const
{
    QStringList shown;
    for (const ShownMessage &message : messages)
        shown << message.text;
    return shown;
}

void TestCreateWizard::goToStep2(const QString &name, int type)
{
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjNameValue"))->setText(name);
    wizard->findChild<QRadioButton *>(QStringLiteral("ProjSelectItem%1").arg(type))->click();
    wizard->findChild<QPushButton *>(QStringLiteral("BNext"))->click();
    QTRY_COMPARE(wizard->Step(), 2);
}

void TestCreateWizard::goToStep3()
{
    wizard->findChild<QPushButton *>(QStringLiteral("BNext"))->click();
    QTRY_COMPARE(wizard->Step(), 3);
}

void TestCreateWizard::createsAProjectOfEachTemplateType_data()
{
    QTest::addColumn<int>("type");
    for (int type = 1; type <= 13; ++type)
        QTest::newRow(qPrintable(ProjectTypeAt(type).caption)) << type;
}

void TestCreateWizard::createsAProjectOfEachTemplateType()
{
    QFETCH(int, type);
    const QString name = QStringLiteral("新项目%1").arg(type);
    newWizard();
    goToStep2(name, type);
    QCOMPARE(wizard->Params(), DefaultQueryParams(type));
    QVERIFY(wizard->findChild<QPlainTextEdit *>(QStringLiteral("RandInfo"))
                ->toPlainText()
                .startsWith(QStringLiteral("生成模式：")));
    goToStep3();
    QCOMPARE(wizard->findChild<QPushButton *>(QStringLiteral("BNext"))->text(), QStringLiteral("完成"));
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjTitle"))->setText(QStringLiteral("窗口%1").arg(type));
    wizard->findChild<QPushButton *>(QStringLiteral("BNext"))->click();

    QCOMPARE(texts(), QStringList{QStringLiteral("项目创建完毕，即将进入随机数设计界面。")});
    QCOMPARE(messages.first().caption, QStringLiteral("项目创建完毕"));
    QVERIFY(!wizard->isVisible());
    QCOMPARE(designerStarts, 1);
    QCOMPARE(ReadDesignSender(), name);

    const QDomDocument document = LoadEncodedDocument(ProjectFilePath(name));
    const QuerySection query = ReadQuerySection(document);
    QCOMPARE(query.pmode, type);
    QCOMPARE(query.params, DefaultQueryParams(type));
    QCOMPARE(ReadProjectTitle(document), QStringLiteral("窗口%1").arg(type));
    QVERIFY(!ReadProjectHeader(document).createTime.isEmpty());
    QCOMPARE(formChild(document, QStringLiteral("Background")).attribute(QStringLiteral("Color")),
             QStringLiteral("64,128,128,0|0,221,111,100|Vert"));
    QCOMPARE(document.documentElement().firstChildElement(QStringLiteral("Animate")).attribute(QStringLiteral("BoxRecord")),
             QStringLiteral("否"));
    // The remark on the draw key names the key the wizard chose (the starting documents say F2).
    QStringList remarks;
    for (QDomElement r = formChild(document, QStringLiteral("Remarks")).firstChildElement(); !r.isNull();
         r = r.nextSiblingElement())
        remarks << r.attribute(QStringLiteral("Caption"));
    QVERIFY2(remarks.contains(type == 5 ? QStringLiteral("按 F2 也可以开始") : QStringLiteral("按 F1 也可以开始")),
             qPrintable(remarks.join('/')));
    if (type != 5) {
        QCOMPARE(formChild(document, QStringLiteral("GoRandShortCut")).attribute(QStringLiteral("ShortCut")),
                 QStringLiteral("F1"));
        QCOMPARE(formChild(document, QStringLiteral("RandRecord")).attribute(QStringLiteral("Enabled")),
                 QStringLiteral("否"));
    }

    const QVector<CatalogueEntry> entries = ProjectCatalogue::LoadCatalogue(CatalogueFilePath()).ReadEntries();
    QCOMPARE(entries.size(), 2);
    QCOMPARE(entries.at(0).name, kExisting);
    QCOMPARE(entries.at(1), (CatalogueEntry{name, QString(), false, 0}));
}

void TestCreateWizard::finishAs(const QString &name)
{
    goToStep3();
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjTitle"))->setText(name);
    wizard->BNextClick();
    QCOMPARE(texts(), QStringList{QStringLiteral("项目创建完毕，即将进入随机数设计界面。")});
}

void TestCreateWizard::createsCustomProjectsThroughTheirDialogs()
{
    // Type 0: one number-range group joined by the format.
    newWizard();
    goToStep2(QStringLiteral("组合"), 0);
    wizard->RandInfoEditClick();
    auto *groups = qobject_cast<TGroupSetForm *>(wizard->OpenModeDialog());
    QVERIFY(groups);
    groups->AddNewGroupClick();
    groups->findChild<QLineEdit *>(QStringLiteral("GroupFormatValue"))->setText(QStringLiteral("[第1组]号"));
    groups->SaveModeClick();
    QVERIFY2(messages.isEmpty(), qPrintable(texts().join(QLatin1Char('\n'))));
    QCOMPARE(wizard->Params().value(1), QStringLiteral("数值范围模式"));
    finishAs(QStringLiteral("组合"));
    QuerySection stored = ReadQuerySection(LoadEncodedDocument(ProjectFilePath(QStringLiteral("组合"))));
    QCOMPARE(stored.pmode, 0);
    QCOMPARE(stored.params, wizard->Params());
    delete wizard;
    messages.clear();

    // Type 14: a random and a dependent variable.
    newWizard();
    goToStep2(QStringLiteral("运算"), 14);
    wizard->RandInfoEditClick();
    auto *calc = qobject_cast<TCalSetForm *>(wizard->OpenModeDialog());
    QVERIFY(calc);
    calc->findChild<QLineEdit *>(QStringLiteral("VarValue"))->setText(QStringLiteral("a,b"));
    calc->GoVarClick();
    auto *randVars = calc->findChild<QTableWidget *>(QStringLiteral("RandVarList"));
    auto *equalVars = calc->findChild<QTableWidget *>(QStringLiteral("EqualVarList"));
    calc->DropVariable(QStringLiteral("a"), randVars);
    calc->DropVariable(QStringLiteral("b"), equalVars);
    QCOMPARE(equalVars->rowCount(), 1);
    equalVars->setItem(0, 1, new QTableWidgetItem(QStringLiteral("a*2")));
    calc->findChild<QLineEdit *>(QStringLiteral("GroupFormatValue"))->setText(QStringLiteral("[a]*2=[b]"));
    calc->SaveModeClick();
    QVERIFY2(messages.isEmpty(), qPrintable(texts().join(QLatin1Char('\n'))));
    QCOMPARE(wizard->Params().value(1), QStringLiteral("a,b"));
    finishAs(QStringLiteral("运算"));
    stored = ReadQuerySection(LoadEncodedDocument(ProjectFilePath(QStringLiteral("运算"))));
    QCOMPARE(stored.pmode, 14);
    QCOMPARE(stored.params, wizard->Params());
    QCOMPARE(ProjectCatalogue::LoadCatalogue(CatalogueFilePath()).ReadEntries().size(), 3);
}

void TestCreateWizard::defaultsShowResultsInContrast_data()
{
    QTest::addColumn<int>("type");
    for (int type = 0; type < kProjectTypeCount; ++type)
        QTest::addRow("type %d", type) << type;
}

// The wizard's defaults (results in an edit box) opened in the drawing window: the
// results, or a picture's name, read at a contrast of at least 4.5:1.
void TestCreateWizard::defaultsShowResultsInContrast()
{
    QFETCH(int, type);
    const QString name = QStringLiteral("对比%1").arg(type);
    newWizard();
    goToStep2(name, type);
    if (type == 0 || type == 14) {
        wizard->RandInfoEditClick();
        if (auto *groups = qobject_cast<TGroupSetForm *>(wizard->OpenModeDialog())) {
            groups->AddNewGroupClick();
            groups->findChild<QLineEdit *>(QStringLiteral("GroupFormatValue"))->setText(QStringLiteral("[第1组]"));
            groups->SaveModeClick();
        } else if (auto *calc = qobject_cast<TCalSetForm *>(wizard->OpenModeDialog())) {
            calc->findChild<QLineEdit *>(QStringLiteral("VarValue"))->setText(QStringLiteral("a"));
            calc->GoVarClick();
            calc->DropVariable(QStringLiteral("a"), calc->findChild<QTableWidget *>(QStringLiteral("RandVarList")));
            calc->findChild<QLineEdit *>(QStringLiteral("GroupFormatValue"))->setText(QStringLiteral("[a]"));
            calc->SaveModeClick();
        }
    }
    finishAs(name);

    WriteEditProject(0, name);
    TRandForm window;
    QCOMPARE(window.FormShow(), TRandForm::StartupOutcome::Shown);
    auto rgb = [](const QColor &colour) { return Rgb{colour.red(), colour.green(), colour.blue()}; };
    QWidget *text = type == 5 ? static_cast<QWidget *>(window.PicNameLabel) : window.RandBoxEdit;
    QVERIFY(text && text->isVisible());
    const QVector<Rgb> ground =
        type == 5 ? WindowBackdrop(ReadFormSection(LoadEncodedDocument(ProjectFilePath(name)), true).background.fill)
                  : QVector<Rgb>{rgb(text->palette().color(QPalette::Base))};
    QVERIFY(!ground.isEmpty());
    for (const Rgb &colour : ground)
        QVERIFY(ContrastRatio(rgb(text->palette().color(QPalette::Text)), colour) >= kReadableContrast);
}

void TestCreateWizard::parametersTheDrawCannotUseStayInTheDialog()
{
    // An expression the library cannot evaluate passes the dialog's own checks; the
    // drawing program would refuse the project, so the wizard refuses it first.
    newWizard();
    goToStep2(QStringLiteral("运算"), 14);
    wizard->RandInfoEditClick();
    auto *calc = qobject_cast<TCalSetForm *>(wizard->OpenModeDialog());
    QVERIFY(calc);
    calc->findChild<QLineEdit *>(QStringLiteral("VarValue"))->setText(QStringLiteral("a,b"));
    calc->GoVarClick();
    calc->DropVariable(QStringLiteral("a"), calc->findChild<QTableWidget *>(QStringLiteral("RandVarList")));
    auto *equalVars = calc->findChild<QTableWidget *>(QStringLiteral("EqualVarList"));
    calc->DropVariable(QStringLiteral("b"), equalVars);
    equalVars->setItem(0, 1, new QTableWidgetItem(QStringLiteral("a+")));
    calc->findChild<QLineEdit *>(QStringLiteral("GroupFormatValue"))->setText(QStringLiteral("[a]=[b]"));
    calc->SaveModeClick();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().text.contains(QStringLiteral("a+")), qPrintable(messages.first().text));
    QCOMPARE(messages.first().caption, QStringLiteral("参数有误"));
    QCOMPARE(wizard->OpenModeDialog(), calc);
    QVERIFY(wizard->Params().value(1).isEmpty());

    // A formula that never gives a number is refused the same way, by name.
    messages.clear();
    equalVars->item(0, 1)->setText(QStringLiteral("a/(a-a)"));
    calc->SaveModeClick();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages.first().text.contains(QStringLiteral("“a/(a-a)”")), qPrintable(messages.first().text));
    QCOMPARE(wizard->OpenModeDialog(), calc);

    // Corrected in the open dialog, the same save goes through.
    messages.clear();
    equalVars->item(0, 1)->setText(QStringLiteral("a+1"));
    calc->SaveModeClick();
    QVERIFY2(messages.isEmpty(), qPrintable(texts().join(QLatin1Char('\n'))));
    QCOMPARE(wizard->Params().value(1), QStringLiteral("a,b"));
    delete wizard;

    // A count of 0 passes the list dialog (digits only, no repeats needed) but a draw
    // needs at least one name.
    newWizard();
    goToStep2(QStringLiteral("点名"), 2);
    wizard->RandInfoEditClick();
    ModeDialog *list = wizard->OpenModeDialog();
    QVERIFY(list);
    list->findChild<QLineEdit *>(QStringLiteral("RanCountValue"))->setText(QStringLiteral("0"));
    list->SaveModeClick();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(wizard->OpenModeDialog(), list);
    QCOMPARE(wizard->Params(), DefaultQueryParams(2));
}

void TestCreateWizard::commaSeparatedListDrawsItsItems()
{
    // The comma is escaped when the list is stored; with the comma as separator the
    // stored list must still give one entry per name.
    newWizard();
    goToStep2(QStringLiteral("逗号"), 9);
    wizard->RandInfoEditClick();
    ModeDialog *list = wizard->OpenModeDialog();
    QVERIFY(list);
    list->findChild<QComboBox *>(QStringLiteral("SpliterValue"))->setCurrentText(QStringLiteral("半角逗号"));
    list->findChild<QPlainTextEdit *>(QStringLiteral("RandListValue"))->setPlainText(QStringLiteral("甲,乙,丙"));
    list->findChild<QLineEdit *>(QStringLiteral("RanCountValue"))->setText(QStringLiteral("3"));
    list->SaveModeClick();
    QVERIFY2(messages.isEmpty(), qPrintable(texts().join(QLatin1Char('\n'))));
    QCOMPARE(wizard->Params().value(1), QStringLiteral("甲/comma/乙/comma/丙"));

    RandEngine engine(RandomSources::Seeded(7));
    engine.Prepare(9, wizard->Params());
    QStringList drawn = engine.Generate(true, false).results;
    drawn.sort();
    QCOMPARE(drawn, (QStringList{QStringLiteral("丙"), QStringLiteral("乙"), QStringLiteral("甲")}));
}

void TestCreateWizard::pictureTypeKeepsTheTemplateBoxes()
{
    const QDomDocument demo = LoadProjectDocumentAnyForm(AppDir() + QStringLiteral("Data/Demo/") + TemplateFileName(5));
    newWizard();
    goToStep2(QStringLiteral("图片"), 5);
    goToStep3();
    QVERIFY(wizard->findChild<QLabel *>(QStringLiteral("NeedNoBox"))->isVisible());
    // Neither box, no button: the box check does not apply, the trigger check does.
    wizard->findChild<QCheckBox *>(QStringLiteral("RandBoxSet"))->setChecked(false);
    wizard->findChild<QCheckBox *>(QStringLiteral("GoRandShortCut"))->setChecked(false);
    wizard->findChild<QRadioButton *>(QStringLiteral("BgOfPic"))->click();
    QCOMPARE(wizard->findChild<QLineEdit *>(QStringLiteral("PicPathValue"))->text(), QStringLiteral("/pictures/背景.jpg"));
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjTitle"))->setText(QStringLiteral("看图"));
    wizard->findChild<QPushButton *>(QStringLiteral("BNext"))->click();
    QCOMPARE(texts(), QStringList{QStringLiteral("项目创建完毕，即将进入随机数设计界面。")});

    const QDomDocument document = LoadEncodedDocument(ProjectFilePath(QStringLiteral("图片")));
    for (const QString &element : {QStringLiteral("RandBox"), QStringLiteral("RandRecord"),
                                   QStringLiteral("GoRandButton"), QStringLiteral("GoRandShortCut")}) {
        QDomElement made = formChild(document, element);
        QDomElement original = formChild(demo, element);
        QCOMPARE(made.attributes().size(), original.attributes().size());
        for (int i = 0; i < original.attributes().size(); ++i) {
            const QString attribute = original.attributes().item(i).nodeName();
            QCOMPARE(made.attribute(attribute), original.attribute(attribute));
        }
    }
    QCOMPARE(formChild(document, QStringLiteral("Background")).attribute(QStringLiteral("Type")), QStringLiteral("BgOfPic"));
    QCOMPARE(formChild(document, QStringLiteral("Background")).attribute(QStringLiteral("Color")),
             QStringLiteral("/pictures/背景.jpg|Stretch"));
}

void TestCreateWizard::stepOneChecksReportInOrder_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("empty") << QString() << QStringList{QStringLiteral("项目名称不能为空！")};
    QTest::newRow("duplicate with a point") << QStringLiteral("已有项目.") << QStringList{QStringLiteral("项目名称中不得出现小数点！")};
    QTest::newRow("duplicate") << kExisting << QStringList{QStringLiteral("项目名称不能与现有的项目名称重复！")};
    QTest::newRow("path") << QStringLiteral("a/../b")
                          << QStringList{QStringLiteral("项目名称中不得出现小数点！"),
                                         QStringLiteral("项目名称中不得出现 / \\ < > : \" | ? * 等不能用于文件名的字符！")};
    QTest::newRow("backslash") << QStringLiteral("a\\b")
                               << QStringList{QStringLiteral("项目名称中不得出现 / \\ < > : \" | ? * 等不能用于文件名的字符！")};
    QTest::newRow("blanks") << QStringLiteral("   ") << QStringList{QStringLiteral("项目名称不能只由空格组成！")};
}

void TestCreateWizard::stepOneChecksReportInOrder()
{
    QFETCH(QString, name);
    QFETCH(QStringList, expected);
    newWizard();
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjNameValue"))->setText(name);
    wizard->BNextClick();
    QCOMPARE(texts(), expected);
    QCOMPARE(messages.first().caption, QStringLiteral("参数有误"));
    QVERIFY(!wizard->IsSliding());
    QCOMPARE(wizard->Step(), 1);

    // A "." and a duplicate: both messages, one after the other.
    const QString dotted = QStringLiteral("点.名");
    QFile menu(CatalogueFilePath());
    QVERIFY(menu.open(QIODevice::ReadOnly));
    QByteArray xml = menu.readAll();
    menu.close();
    xml.replace(kExisting.toUtf8(), dotted.toUtf8());
    QVERIFY(menu.open(QIODevice::WriteOnly | QIODevice::Truncate));
    menu.write(xml);
    menu.close();
    messages.clear();
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjNameValue"))->setText(dotted);
    wizard->BNextClick();
    QCOMPARE(texts(), QStringList({QStringLiteral("项目名称不能与现有的项目名称重复！"),
                                   QStringLiteral("项目名称中不得出现小数点！")}));

    // A file of that name that the catalogue does not list is reported here already.
    messages.clear();
    QFile orphan(ProjectFilePath(QStringLiteral("孤儿")));
    QVERIFY(orphan.open(QIODevice::WriteOnly));
    orphan.close();
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjNameValue"))->setText(QStringLiteral("孤儿"));
    wizard->BNextClick();
    QCOMPARE(texts(), QStringList{QStringLiteral("项目文件“孤儿.rpj”已经存在，请更换项目名称！")});
    QCOMPARE(wizard->Step(), 1);

    // Letter case makes another name.
    messages.clear();
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjNameValue"))->setText(QStringLiteral("Abc"));
    QFile::remove(CatalogueFilePath());
    QVERIFY(menu.open(QIODevice::WriteOnly));
    menu.write("<Menu><Projects Count=\"1\"><Project Name=\"abc\" Remark=\"\" ReadOnly=\"否\" Pic=\"0\"/></Projects></Menu>");
    menu.close();
    wizard->BNextClick();
    QVERIFY(messages.isEmpty());
    QTRY_COMPARE(wizard->Step(), 2);
}

void TestCreateWizard::customTypesNeedParametersBeforeStepThree()
{
    for (int type : {0, 14}) {
        messages.clear();
        newWizard();
        goToStep2(QStringLiteral("自定%1").arg(type), type);
        wizard->BNextClick();
        QCOMPARE(texts(), QStringList{QStringLiteral("请设置随机数相关参数！")});
        QCOMPARE(wizard->Step(), 2);
        QVERIFY(!wizard->IsSliding());
        delete wizard;
    }
}

void TestCreateWizard::stepThreeChecks()
{
    newWizard();
    goToStep2(QStringLiteral("检查"), 1);
    goToStep3();
    auto *button = wizard->findChild<QCheckBox *>(QStringLiteral("GoRandButton"));
    auto *shortCut = wizard->findChild<QCheckBox *>(QStringLiteral("GoRandShortCut"));
    wizard->findChild<QCheckBox *>(QStringLiteral("RandBoxSet"))->setChecked(false);
    button->setChecked(false);
    shortCut->setChecked(false);
    wizard->findChild<QRadioButton *>(QStringLiteral("BgOfPic"))->setChecked(true);
    wizard->BNextClick();
    QCOMPARE(texts(), QStringList({QStringLiteral("窗口标题不能为空！"), QStringLiteral("背景图片地址不能为空！"),
                                   QStringLiteral("您至少需要选择生成框或记录框中的一个，否则随机数将无法显示！"),
                                   QStringLiteral("您至少需要选择使用按钮或快捷键中的一个，否则将无法生成随机数！")}));
    QVERIFY(!QFile::exists(ProjectFilePath(QStringLiteral("检查"))));

    // Back to step 2 and forward again keeps the parameters and the step-3 choices.
    wizard->BPrevClick();
    QTRY_COMPARE(wizard->Step(), 2);
    QCOMPARE(wizard->findChild<QPushButton *>(QStringLiteral("BNext"))->text(), QStringLiteral("下一步"));
    goToStep3();

    // Only the button off, shortcut on; a record box instead of the result box.
    messages.clear();
    wizard->findChild<QRadioButton *>(QStringLiteral("BgOfChangingColor"))->click();
    wizard->findChild<QCheckBox *>(QStringLiteral("RandRecordSet"))->setChecked(true);
    shortCut->setChecked(true);
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjTitle"))->setText(QStringLiteral("检查"));
    wizard->BNextClick();
    QCOMPARE(texts(), QStringList{QStringLiteral("项目创建完毕，即将进入随机数设计界面。")});
    const QDomDocument document = LoadEncodedDocument(ProjectFilePath(QStringLiteral("检查")));
    QCOMPARE(formChild(document, QStringLiteral("GoRandButton")).attribute(QStringLiteral("Enabled")), QStringLiteral("否"));
    QCOMPARE(formChild(document, QStringLiteral("RandBox")).attribute(QStringLiteral("Enabled")), QStringLiteral("否"));
    QCOMPARE(formChild(document, QStringLiteral("RandRecord")).attribute(QStringLiteral("Type")), QStringLiteral("Memo"));
}

void TestCreateWizard::calculationDialogsLeaveTheWizardReachable_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("onTop");
    QTest::newRow("calculation") << 11 << false;
    QTest::newRow("quadratic equations") << 13 << false;
    QTest::newRow("equation") << 12 << false;
    QTest::newRow("list") << 2 << true;
}

void TestCreateWizard::calculationDialogsLeaveTheWizardReachable()
{
    // Kept on top of every window, the calculation and equation dialogs covered the
    // wizard's buttons; they are windows of their own, neither modal nor on top.
    QFETCH(int, type);
    QFETCH(bool, onTop);
    newWizard();
    goToStep2(QStringLiteral("窗口"), type);
    wizard->RandInfoEditClick();
    ModeDialog *dialog = wizard->OpenModeDialog();
    QVERIFY(dialog && dialog->isVisible());
    QVERIFY(!dialog->isModal());
    QVERIFY(!QApplication::activeModalWidget());
    QCOMPARE(bool(dialog->windowFlags() & Qt::WindowStaysOnTopHint), onTop);
    if (!onTop)
        QVERIFY(!dialog->windowHandle()->transientParent());
    dialog->close();
}

void TestCreateWizard::modeDialogHandsItsResultBack()
{
    newWizard();
    goToStep2(QStringLiteral("范围"), 1);
    wizard->RandInfoEditClick();
    auto *dialog = qobject_cast<TRangeNumSetForm *>(wizard->OpenModeDialog());
    QVERIFY(dialog);
    QCOMPARE(dialog->Requirer(), QStringLiteral("CreatePage"));
    QCOMPARE(dialog->findChild<QLineEdit *>(QStringLiteral("MaxValue"))->text(), QStringLiteral("100"));
    dialog->findChild<QLineEdit *>(QStringLiteral("MaxValue"))->setText(QStringLiteral("50"));
    dialog->findChild<QPushButton *>(QStringLiteral("SaveMode"))->click();
    QVERIFY(messages.isEmpty());
    QCOMPARE(wizard->Params().value(2), QStringLiteral("50"));
    QTRY_VERIFY(!wizard->OpenModeDialog());
    QVERIFY(wizard->findChild<QPlainTextEdit *>(QStringLiteral("RandInfo"))->toPlainText().contains(QStringLiteral("最大值：50")));

    // Back to step 1 and in again: the defaults of the (new) type replace the edit.
    // The caption names the step on the way.
    QCOMPARE(wizard->windowTitle(), QStringLiteral("工程创建向导 第二步"));
    goToStep3();
    QCOMPARE(wizard->windowTitle(), QStringLiteral("工程创建向导 第三步"));
    wizard->BPrevClick();
    QTRY_COMPARE(wizard->Step(), 2);
    QCOMPARE(wizard->windowTitle(), QStringLiteral("工程创建向导 第二步"));
    wizard->BPrevClick();
    QTRY_COMPARE(wizard->Step(), 1);
    QCOMPARE(wizard->windowTitle(), QStringLiteral("工程创建向导"));
    wizard->BNextClick();
    QTRY_COMPARE(wizard->Step(), 2);
    QCOMPARE(wizard->Params(), DefaultQueryParams(1));

    // A dialog left open while the user goes back and picks another type closes: the
    // link then opens the dialog of the new type.
    wizard->RandInfoEditClick();
    QPointer<ModeDialog> stale = wizard->OpenModeDialog();
    QVERIFY(qobject_cast<TRangeNumSetForm *>(stale));
    wizard->BPrevClick();
    QTRY_COMPARE(wizard->Step(), 1);
    QVERIFY(stale);
    goToStep2(QStringLiteral("范围"), 6);
    QTRY_VERIFY(!stale);
    wizard->RandInfoEditClick();
    QVERIFY(wizard->OpenModeDialog());
    QVERIFY(!qobject_cast<TRangeNumSetForm *>(wizard->OpenModeDialog()));
    QCOMPARE(wizard->OpenModeDialog()->EncodeProject(6, wizard->Params()), DefaultQueryParams(6));
}

void TestCreateWizard::everyModeDialogHandsTheDefaultsBackUnchanged_data()
{
    QTest::addColumn<int>("type");
    for (int type = 1; type <= 13; ++type)
        QTest::newRow(qPrintable(ProjectTypeAt(type).caption)) << type;
}

void TestCreateWizard::everyModeDialogHandsTheDefaultsBackUnchanged()
{
    QFETCH(int, type);
    newWizard();
    goToStep2(QStringLiteral("往返"), type);
    wizard->RandInfoEditClick();
    ModeDialog *dialog = wizard->OpenModeDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->Requirer(), QStringLiteral("CreatePage"));
    dialog->SaveModeClick();
    QVERIFY2(messages.isEmpty(), qPrintable(texts().join(QLatin1Char('\n'))));
    QTRY_VERIFY(!wizard->OpenModeDialog());
    QCOMPARE(wizard->Params(), DefaultQueryParams(type));
}

void TestCreateWizard::verifiableOptionIsStoredForEveryTypeButPasswords()
{
    newWizard();
    goToStep2(QStringLiteral("密码"), 6);
    wizard->RandInfoEditClick();
    QVERIFY(wizard->OpenModeDialog());
    QVERIFY(!wizard->OpenModeDialog()->findChild<QCheckBox *>(QStringLiteral("VerifiableDraw"))->isVisible());
    wizard->OpenModeDialog()->close();

    newWizard();
    goToStep2(QStringLiteral("公开抽奖"), 9);
    wizard->RandInfoEditClick();
    ModeDialog *dialog = wizard->OpenModeDialog();
    auto *option = dialog->findChild<QCheckBox *>(QStringLiteral("VerifiableDraw"));
    QVERIFY(option->isVisible() && !option->isChecked());
    option->setChecked(true);
    dialog->SaveModeClick();
    QTRY_VERIFY(!wizard->OpenModeDialog());
    QVERIFY(wizard->Verifiable());
    finishAs(QStringLiteral("公开抽奖"));
    const QDomDocument stored = LoadEncodedDocument(ProjectFilePath(QStringLiteral("公开抽奖")));
    QVERIFY(ReadVerifiableOption(stored));
    // Older readers see only an extra attribute; the parameters are those of the dialog.
    QCOMPARE(ReadQuerySection(stored).params, DefaultQueryParams(9));
}

void TestCreateWizard::cancelWritesNothing()
{
    const QMap<QString, QByteArray> before = snapshot(appDir.path());
    newWizard();
    goToStep2(QStringLiteral("取消的"), 2);
    goToStep3();
    wizard->findChild<QPushButton *>(QStringLiteral("BCancel"))->click();
    QVERIFY(!wizard->isVisible());
    QCOMPARE(snapshot(appDir.path()), before);
    QCOMPARE(designerStarts, 0);
}

void TestCreateWizard::catalogueFailureLeavesNoProjectBehind()
{
    newWizard();
    goToStep2(QStringLiteral("半途"), 3);
    goToStep3();
    QFile menu(CatalogueFilePath());
    QVERIFY(menu.open(QIODevice::WriteOnly | QIODevice::Truncate));
    menu.write("<Menu><Projects Count=\"1\">");
    menu.close();
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjTitle"))->setText(QStringLiteral("半途"));
    wizard->BNextClick();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().icon, QMessageBox::Critical);
    QVERIFY(!QFile::exists(ProjectFilePath(QStringLiteral("半途"))));
    QVERIFY(!QFile::exists(DesignSenderPath()));
    QCOMPARE(designerStarts, 0);
    QVERIFY(wizard->isVisible());
    QCOMPARE(wizard->Step(), 3);
}

void TestCreateWizard::queryEditorEditsConvertsAndClearsTheRequest()
{
    // A calculation project made by the wizard.
    newWizard();
    goToStep2(QStringLiteral("口算"), 11);
    goToStep3();
    wizard->findChild<QLineEdit *>(QStringLiteral("ProjTitle"))->setText(QStringLiteral("口算"));
    wizard->BNextClick();
    QVERIFY(QFile::exists(ProjectFilePath(QStringLiteral("口算"))));
    delete wizard;
    messages.clear();

    WriteRandEditSender(QStringLiteral("口算"));
    newWizard();
    QTRY_VERIFY(wizard->QueryEditor() && wizard->QueryEditor()->isVisible());
    QVERIFY(!wizard->isVisible());
    QPointer<TRandQueryForm> editor = wizard->QueryEditor();
    QCOMPARE(editor->TypeIndex(), 11);
    QCOMPARE(editor->windowTitle(), QStringLiteral("随机数参数"));
    auto *convert = editor->findChild<QPushButton *>(QStringLiteral("ConvertToCustom"));
    QVERIFY(convert->isVisible());

    answer = QMessageBox::No;
    convert->click();
    QCOMPARE(ReadQuerySection(LoadEncodedDocument(ProjectFilePath(QStringLiteral("口算")))).pmode, 11);

    answer = QMessageBox::Yes;
    messages.clear();
    convert->click();
    QCOMPARE(texts().last(), QStringLiteral("当前工程已经成功保存为自定义类型！"));
    QDomDocument document = LoadEncodedDocument(ProjectFilePath(QStringLiteral("口算")));
    const QDomElement rand = document.documentElement().firstChildElement(QStringLiteral("RandQuery"))
                                 .firstChildElement(QStringLiteral("Rand"));
    QCOMPARE(rand.attribute(QStringLiteral("PMode")), QStringLiteral("14"));
    QCOMPARE(rand.attribute(QStringLiteral("Type")), QStringLiteral("自定义运算"));
    QCOMPARE(ReadQuerySection(document).params, DefaultQueryParams(11));
    QVERIFY(!convert->isVisible());

    // Finishing stamps the edit time again and ends the request.
    const QString created = ReadProjectHeader(document).editTime;
    QVERIFY(!created.isEmpty());
    editor->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    QTRY_VERIFY(!editor);
    QCOMPARE(ReadRandEditSender(), QString());
    QCOMPARE(ReadQuerySection(LoadEncodedDocument(ProjectFilePath(QStringLiteral("口算")))).pmode, 14);
}

void TestCreateWizard::queryEditorCancelClearsTheRequest()
{
    WriteRandEditSender(QStringLiteral("不存在"));
    newWizard();
    // A missing project is reported and the editor leaves, clearing the request.
    QTRY_COMPARE(ReadRandEditSender(), QString());
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().icon, QMessageBox::Critical);
    QVERIFY(!QFile::exists(ProjectFilePath(QStringLiteral("不存在"))));
}

QTEST_MAIN(TestCreateWizard)
#include "test_create_wizard.moc"
