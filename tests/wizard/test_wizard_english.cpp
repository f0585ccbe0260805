// The wizard in English: its steps and parameter dialogs speak English, and what they
// hand back for the project is the same as in Chinese.
#include "apppaths.h"
#include "codec.h"
#include "colourlisteditor.h"
#include "englishapplication.h"
#include "englishtexts.h"
#include "messages.h"
#include "modedialog.h"
#include "modedialogfactory.h"
#include "projectcatalogue.h"
#include "tcreateform.h"
#include "tgroupsetform.h"
#include "tlistsetform.h"
#include "trandqueryform.h"
#include "veditform.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

namespace {

// What the project holds is content, not a caption: the list's rows, the conditions'
// stored relations, the group names its format refers to, an imported file's name with
// the reader's note on it.
QList<QWidget *> ContentOf(QWidget *window)
{
    static const QStringList names{QStringLiteral("RLists"), QStringLiteral("ConditionList"),
                                   QStringLiteral("GroupLabel"), QStringLiteral("FileLabel")};
    QList<QWidget *> content;
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (names.contains(widget->objectName()))
            content << widget;
    // ZELMORA_SHOT_DIR=<folder> keeps a picture of every window checked, to look at.
    if (const QString shots = qEnvironmentVariable("ZELMORA_SHOT_DIR"); !shots.isEmpty()) {
        QCoreApplication::processEvents(); // layouts settle after the first showing
        window->grab().save(shots + QLatin1Char('/') + window->objectName() + QStringLiteral(".png"));
    }
    return content;
}

} // namespace

class TestWizardEnglish : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QDir().mkpath(AppDir() + QStringLiteral("Data/Projects"));
        QFile menu(CatalogueFilePath());
        QVERIFY(menu.open(QIODevice::WriteOnly));
        menu.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Menu><Projects Count=\"0\"/></Menu>\n");
        messages.clear();
        SetMessageHandler([this](const ShownMessage &message) {
            messages << message;
            return QMessageBox::Ok;
        });
    }
    void cleanup() { SetMessageHandler({}); }

    void stepsSpeakEnglish()
    {
        TCreateForm wizard;
        wizard.show();
        auto *next = wizard.findChild<QPushButton *>(QStringLiteral("BNext"));
        QCOMPARE(next->text(), QStringLiteral("&Next >"));
        QCOMPARE(wizard.findChild<QRadioButton *>(QStringLiteral("ProjSelectItem2"))->text(), QStringLiteral("Roll call"));
        VERIFY_ENGLISH(&wizard, ContentOf(&wizard));

        wizard.findChild<QLineEdit *>(QStringLiteral("ProjNameValue"))->setText(QStringLiteral("Class 5"));
        wizard.findChild<QRadioButton *>(QStringLiteral("ProjSelectItem2"))->click();
        next->click();
        QTRY_COMPARE(wizard.Step(), 2);
        VERIFY_ENGLISH(&wizard, ContentOf(&wizard));

        next->click();
        QTRY_COMPARE(wizard.Step(), 3);
        QCOMPARE(next->text(), QStringLiteral("&Finish"));
        VERIFY_ENGLISH(&wizard, ContentOf(&wizard));
        wizard.findChild<QPushButton *>(QStringLiteral("CColorShow"))->click();
        auto *gradient = wizard.findChild<TCColorEditForm *>();
        QVERIFY(gradient);
        VERIFY_ENGLISH(gradient, ContentOf(gradient));
        gradient->close();

        // Wrong input is said in English too.
        next->click();
        QCOMPARE(messages.size(), 1);
        QCOMPARE(messages.first().caption, QStringLiteral("Invalid settings"));
        QCOMPARE(messages.first().text, QStringLiteral("The window title must not be empty!"));

        // Esc cancels, as the Cancel button does.
        wizard.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&wizard));
        QTest::keyClick(&wizard, Qt::Key_Escape);
        QTRY_VERIFY(!wizard.isVisible());
    }

    void parameterDialogsSpeakEnglish_data()
    {
        QTest::addColumn<int>("pmode");
        // One project type per dialog, the list dialog with its fair section.
        for (int pmode : {0, 1, 2, 5, 6, 11, 12, 10})
            QTest::newRow(qPrintable(QStringLiteral("type %1").arg(pmode))) << pmode;
    }
    void parameterDialogsSpeakEnglish()
    {
        QFETCH(int, pmode);
        std::unique_ptr<ModeDialog> dialog(CreateModeDialog(pmode, nullptr));
        dialog->setAttribute(Qt::WA_DeleteOnClose, false);
        dialog->setObjectName(dialog->objectName() + QString::number(pmode));
        dialog->LoadProject(pmode, DefaultQueryParams(pmode));
        dialog->LoadFairness(FairSettings{FairMode::Balanced});
        dialog->ShowVerifiableOption(false);
        dialog->show();
        QCOMPARE(dialog->SaveModeButton()->text(), QStringLiteral("&Save"));
        QVERIFY(dialog->SaveModeButton()->isDefault() || pmode == 11 || pmode == 12);
        VERIFY_ENGLISH(dialog.get(), ContentOf(dialog.get()));
    }

    void importPreviewSpeaksEnglish()
    {
        QTemporaryDir folder;
        QFile file(folder.filePath(QStringLiteral("class.csv")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Name,Seat\nAnna,1\nBen,2\n");
        file.close();
        TListSetForm list;
        list.LoadProject(2, DefaultQueryParams(2));
        TImportListForm *preview = list.ImportFile(file.fileName());
        QVERIFY(preview);
        VERIFY_ENGLISH(preview, ContentOf(preview));
        QCOMPARE(preview->findChild<QPushButton *>(QStringLiteral("BOK"))->text(), QStringLiteral("&OK"));
    }

    // The parameter editor the designer opens, on a task assignment (which it offers to
    // convert to a custom project).
    void parameterEditorSpeaksEnglish()
    {
        QVERIFY(BindCodec(QStringLiteral(SUITE_APP_DIR)));
        QVERIFY(QFile::copy(QStringLiteral(SUITE_APP_DIR "/Data/Demo/") + TemplateFileName(4),
                            ProjectFilePath(QStringLiteral("Tasks"))));
        TRandQueryForm editor(QStringLiteral("Tasks"));
        editor.setAttribute(Qt::WA_DeleteOnClose, false);
        editor.show();
        QVERIFY(editor.findChild<QPushButton *>(QStringLiteral("ConvertToCustom"))->isVisible());
        QCOMPARE(messages.size(), 0);
        VERIFY_ENGLISH(&editor, ContentOf(&editor));
    }

    // Separator names, password options, group types, numbering styles and fair words
    // are stored in Chinese: a project edited in English keeps every value.
    void storedValuesStayChinese()
    {
        for (int pmode = 0; pmode < kProjectTypeCount; ++pmode) {
            std::unique_ptr<ModeDialog> dialog(CreateModeDialog(pmode, nullptr));
            dialog->setAttribute(Qt::WA_DeleteOnClose, false);
            dialog->LoadProject(pmode, DefaultQueryParams(pmode));
            QCOMPARE(dialog->EncodeProject(pmode, DefaultQueryParams(pmode)), DefaultQueryParams(pmode));
        }

        TListSetForm list;
        QueryParams params = DefaultQueryParams(2);
        params[QueryParamIndex(2, QStringLiteral("Spliter"))] = QStringLiteral("全角分号");
        list.LoadProject(2, params);
        QCOMPARE(list.findChild<QComboBox *>(QStringLiteral("SpliterValue"))->currentText(),
                 QStringLiteral("Full-width semicolon"));
        QCOMPARE(list.EncodeProject(2, params), params);
        const FairSettings fair{FairMode::Balanced, FairPeriod::Term, 4, 1};
        list.LoadFairness(fair);
        QCOMPARE(list.EncodeFairness({}), fair);

        // The numbering editor shows "自定义" as "Custom" and hands the stored style back.
        TGroupSetForm prizes;
        prizes.LoadProject(10, DefaultQueryParams(10));
        prizes.EditButton(0)->click();
        auto *editor = qobject_cast<TVEditForm *>(prizes.OpenGroupEditor());
        QVERIFY(editor);
        QCOMPARE(editor->Value(QStringLiteral("Style")), QStringLiteral("Custom"));
        VERIFY_ENGLISH(editor, ContentOf(editor));
        editor->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
        QCOMPARE(prizes.EncodeProject(10, DefaultQueryParams(10)), DefaultQueryParams(10));
        QCOMPARE(prizes.TypeBox(0)->currentText(), QStringLiteral("Numbering"));
    }

private:
    QList<ShownMessage> messages;
};

int main(int argc, char **argv)
{
    return RunInEnglish<TestWizardEnglish>(argc, argv);
}

#include "test_wizard_english.moc"
