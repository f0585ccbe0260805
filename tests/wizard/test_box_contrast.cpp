// Every project type made with the wizard's defaults shows results that can be read:
// the drawing window's result box (or, for pictures, the picture name) against what it
// stands on, at a contrast of at least 4.5:1.
#include "apppaths.h"
#include "calclibrary.h"
#include "codec.h"
#include "encodedxml.h"
#include "handoff.h"
#include "messages.h"
#include "modedialog.h"
#include "querysection.h"
#include "randform.h"
#include "readablecolours.h"
#include "tcalsetform.h"
#include "tcreateform.h"
#include "tgroupsetform.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>

namespace {

Rgb ToRgbColour(const QColor &colour)
{
    return Rgb{colour.red(), colour.green(), colour.blue()};
}

// The worst contrast of a label's text over every stop of the window background.
double LabelContrast(const QLabel *label, const BackgroundFill &window)
{
    double worst = 21.0;
    const Rgb text = ToRgbColour(label->palette().color(QPalette::WindowText));
    for (const Rgb &ground : WindowBackdrop(window))
        worst = qMin(worst, ContrastRatio(text, ground));
    return worst;
}

double BoxContrast(const QWidget *box)
{
    return ContrastRatio(ToRgbColour(box->palette().color(QPalette::Text)),
                         ToRgbColour(box->palette().color(QPalette::Base)));
}

} // namespace

class TestBoxContrast : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(BindCodec(QStringLiteral(SUITE_APP_DIR)));
        BindCalcLibrary(QStringLiteral(SUITE_APP_DIR));
        QVERIFY(m_dir.isValid());
        SetAppDir(m_dir.path());
        QDir().mkpath(m_dir.path() + QStringLiteral("/Data/Projects"));
        QDir().mkpath(m_dir.path() + QStringLiteral("/Data/Demo"));
        for (int type = 0; type < kProjectTypeCount; ++type) {
            const QString name = TemplateFileName(type);
            QVERIFY(QFile::copy(QStringLiteral(SUITE_APP_DIR "/Data/Demo/") + name, AppDir() + "Data/Demo/" + name));
        }
        QFile menu(CatalogueFilePath());
        QVERIFY(menu.open(QIODevice::WriteOnly));
        menu.write("<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<Menu><Projects Count=\"0\"/></Menu>\n");
        menu.close();
        SetMessageHandler([this](const ShownMessage &message) {
            m_messages << message.text;
            return QMessageBox::Ok;
        });
    }

    void cleanupTestCase() { SetMessageHandler({}); }

    void wizardDefaultsShowReadableResults_data()
    {
        QTest::addColumn<int>("type");
        for (int type = 0; type < kProjectTypeCount; ++type)
            QTest::addRow("type %d", type) << type;
    }

    void wizardDefaultsShowReadableResults()
    {
        QFETCH(int, type);
        const QString name = QStringLiteral("对比%1").arg(type);
        m_messages.clear();
        CreateWithDefaults(name, type);
        QCOMPARE(m_messages, QStringList{QStringLiteral("项目创建完毕，即将进入随机数设计界面。")});

        WriteEditProject(0, name);
        TRandForm window;
        QCOMPARE(window.FormShow(), TRandForm::StartupOutcome::Shown);
        const BackgroundFill ground =
            ReadFormSection(LoadEncodedDocument(ProjectFilePath(name)), type == 5).background.fill;
        if (type == 5) {
            QVERIFY(window.PicNameLabel && window.PicNameLabel->isVisible());
            QVERIFY2(LabelContrast(window.PicNameLabel, ground) >= kReadableContrast,
                     qPrintable(QString::number(LabelContrast(window.PicNameLabel, ground))));
            return;
        }
        // The wizard's default result box is the edit box.
        QVERIFY(window.RandBoxEdit && window.RandBoxEdit->isVisible());
        QVERIFY2(BoxContrast(window.RandBoxEdit) >= kReadableContrast,
                 qPrintable(QString::number(BoxContrast(window.RandBoxEdit))));
    }

    // The starting documents as shipped, every box in the kind it is stored as and in the
    // other kind the wizard or the canvas can switch it to.
    void startingDocumentsAreReadableInEitherKind_data()
    {
        QTest::addColumn<int>("type");
        for (int type = 0; type < kProjectTypeCount; ++type)
            QTest::addRow("type %d", type) << type;
    }

    void startingDocumentsAreReadableInEitherKind()
    {
        QFETCH(int, type);
        const QDomDocument document = LoadEncodedDocument(AppDir() + "Data/Demo/" + TemplateFileName(type));
        const FormSection form = ReadFormSection(document, false);
        for (const ResultBox &box : {form.randBox, form.randRecord}) {
            ResultBox asEdit = box;
            asEdit.type = QStringLiteral("Edit");
            const QVector<Rgb> stored = BoxBackdrop(box, form.background.fill);
            const QVector<Rgb> edit = BoxBackdrop(asEdit, form.background.fill);
            QCOMPARE(ReadableTextColour(box.font.colour, stored), box.font.colour);
            QCOMPARE(ReadableTextColour(box.font.colour, edit), box.font.colour);
        }
    }

private:
    void CreateWithDefaults(const QString &name, int type)
    {
        TCreateForm wizard;
        wizard.SetDesignerStarter([] {});
        wizard.show();
        wizard.findChild<QLineEdit *>(QStringLiteral("ProjNameValue"))->setText(name);
        wizard.findChild<QRadioButton *>(QStringLiteral("ProjSelectItem%1").arg(type))->click();
        wizard.BNextClick();
        QTRY_COMPARE(wizard.Step(), 2);
        if (type == 0 || type == 14)
            SetCustomParameters(wizard, type);
        wizard.BNextClick();
        QTRY_COMPARE(wizard.Step(), 3);
        wizard.findChild<QLineEdit *>(QStringLiteral("ProjTitle"))->setText(name);
        wizard.BNextClick();
    }

    // The two types without default parameters get the smallest the dialogs accept.
    void SetCustomParameters(TCreateForm &wizard, int type)
    {
        wizard.RandInfoEditClick();
        if (type == 0) {
            auto *groups = qobject_cast<TGroupSetForm *>(wizard.OpenModeDialog());
            QVERIFY(groups);
            groups->AddNewGroupClick();
            groups->findChild<QLineEdit *>(QStringLiteral("GroupFormatValue"))->setText(QStringLiteral("[第1组]号"));
            groups->SaveModeClick();
            return;
        }
        auto *calc = qobject_cast<TCalSetForm *>(wizard.OpenModeDialog());
        QVERIFY(calc);
        calc->findChild<QLineEdit *>(QStringLiteral("VarValue"))->setText(QStringLiteral("a"));
        calc->GoVarClick();
        calc->DropVariable(QStringLiteral("a"), calc->findChild<QTableWidget *>(QStringLiteral("RandVarList")));
        calc->findChild<QLineEdit *>(QStringLiteral("GroupFormatValue"))->setText(QStringLiteral("[a]"));
        calc->SaveModeClick();
    }

    QTemporaryDir m_dir;
    QStringList m_messages;
};

QTEST_MAIN(TestBoxContrast)
#include "test_box_contrast.moc"
