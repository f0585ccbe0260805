// Every window of the suite a keyboard user can reach, as a screen reader meets it: each
// control that takes the focus has a name to be announced by (a button's caption and a
// label's buddy count).
#include "aboutform.h"
#include "animateform.h"
#include "apppaths.h"
#include "calclibrary.h"
#include "codec.h"
#include "configform.h"
#include "domutil.h"
#include "encodedxml.h"
#include "extrabuttonform.h"
#include "extrascreenform.h"
#include "handoff.h"
#include "historyform.h"
#include "iconsform.h"
#include "messages.h"
#include "propertyform.h"
#include "randform.h"
#include "recordcontroller.h"
#include "recordintegration.h"
#include "remotedialog.h"
#include "speechform.h"
#include "tbgmusicform.h"
#include "tbgsetform.h"
#include "tcalsetform.h"
#include "tcreateform.h"
#include "tdesignform.h"
#include "tdveditorform.h"
#include "tequationsetform.h"
#include "tfirstform.h"
#include "tgroupsetform.h"
#include "tlistsetform.h"
#include "tmusicsetform.h"
#include "tpicsetform.h"
#include "tprojmanageform.h"
#include "tpwdsetform.h"
#include "trandqueryform.h"
#include "trangenumsetform.h"
#include "verifyform.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDirIterator>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QtTest>

#include <functional>
#include <memory>

namespace {

const QString kProject = QStringLiteral("课堂点名");

// Controls a keyboard user can reach that a screen reader could not name.
QStringList UnnamedFocusableControls(QWidget *window)
{
    QStringList unnamed;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        if (widget->focusPolicy() == Qt::NoFocus || !widget->isVisibleTo(window) || !widget->isEnabled())
            continue;
        // The focus goes on to the proxy (a tab widget's tab bar), which is looked at itself.
        if (widget->focusProxy())
            continue;
        // A scroll area's viewport is reached through the area itself.
        if (auto *area = qobject_cast<QAbstractScrollArea *>(widget->parentWidget()); area && area->viewport() == widget)
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(widget);
        if (!accessible || accessible->text(QAccessible::Name).trimmed().isEmpty())
            unnamed.append(QString::fromLatin1(widget->metaObject()->className()) + QLatin1Char(' ')
                           + widget->objectName());
    }
    return unnamed;
}

void CopyTree(const QString &from, const QString &to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString source = files.next();
        const QString target = to + source.mid(from.size());
        QDir().mkpath(QFileInfo(target).path());
        QFile::copy(source, target);
    }
}

} // namespace

class TestAccessibleNames : public QObject
{
    Q_OBJECT

    QTemporaryDir dir;
    QStringList found;

    // Shows the window, notes its unnamed controls under `what` and closes it.
    void Walk(const QString &what, QWidget *window)
    {
        window->show();
        QCoreApplication::processEvents();
        for (const QString &control : UnnamedFocusableControls(window))
            found << what + QStringLiteral(": ") + control;
    }

    template <typename T, typename... Arguments>
    void WalkNew(const QString &what, Arguments &&...arguments)
    {
        std::unique_ptr<T> window = std::make_unique<T>(std::forward<Arguments>(arguments)...);
        Walk(what, window.get());
    }

private slots:
    void initTestCase()
    {
        QVERIFY(BindCodec(SUITE_APP_DIR));
        BindCalcLibrary(QStringLiteral(SUITE_APP_DIR));
        // Start-up notes (a missing font, an unreadable file) are not what is looked at here.
        SetMessageHandler([](const ShownMessage &) { return QMessageBox::Cancel; });
        CopyTree(QStringLiteral(SUITE_APP_DIR "/Data"), dir.path() + QStringLiteral("/Data"));
        CopyTree(QStringLiteral(SUITE_APP_DIR "/Icons"), dir.path() + QStringLiteral("/Icons"));
        SetAppDir(dir.path());
        QVERIFY(QFile::exists(ProjectFilePath(kProject)));
    }

    void cleanupTestCase() { SetMessageHandler({}); }
    void init() { found.clear(); }

    void menuAndDesignerWindows()
    {
        WalkNew<TFirstForm>(QStringLiteral("menu"));
        WalkNew<TConfigForm>(QStringLiteral("settings"));
        WalkNew<TAboutForm>(QStringLiteral("about"));
        WalkNew<TIconsForm>(QStringLiteral("icons"));
        WalkNew<TPropertyForm>(QStringLiteral("properties"));
        WalkNew<TBgSetForm>(QStringLiteral("background"));
        WalkNew<TBgMusicForm>(QStringLiteral("background music"));
        WalkNew<TMusicSetForm>(QStringLiteral("music"));
        auto design = std::make_unique<TDesignForm>(kProject);
        Walk(QStringLiteral("designer"), design.get());
        Walk(QStringLiteral("value editor"), design->ValueEditor());
        WalkNew<TAnimateForm>(QStringLiteral("animation"), design->ValueEditor());
        WalkNew<TExtraButtonForm>(QStringLiteral("extra button"), design->ValueEditor());
        WalkNew<TExtraScreenForm>(QStringLiteral("extra screen"), design->ValueEditor());
        design->UndoStack()->setClean();
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void wizardPagesAndDialogs()
    {
        auto wizard = std::make_unique<TCreateForm>();
        wizard->SetDesignerStarter([] {});
        Walk(QStringLiteral("wizard step 1"), wizard.get());
        wizard->findChild<QLineEdit *>(QStringLiteral("ProjNameValue"))->setText(QStringLiteral("新工程"));
        wizard->findChild<QRadioButton *>(QStringLiteral("ProjSelectItem1"))->click();
        for (int step = 2; step <= 3; ++step) {
            wizard->BNextClick();
            QTRY_COMPARE(wizard->Step(), step);
            QTRY_VERIFY(!wizard->IsSliding());
            Walk(QStringLiteral("wizard step %1").arg(step), wizard.get());
        }
        WalkNew<TRangeNumSetForm>(QStringLiteral("number range"));
        WalkNew<TListSetForm>(QStringLiteral("list"));
        WalkNew<TGroupSetForm>(QStringLiteral("groups"));
        WalkNew<TCalSetForm>(QStringLiteral("calculation"));
        WalkNew<TEquationSetForm>(QStringLiteral("equations"));
        WalkNew<TPicSetForm>(QStringLiteral("pictures"));
        WalkNew<TPwdSetForm>(QStringLiteral("passwords"));
        WalkNew<TRandQueryForm>(QStringLiteral("parameter editor"), kProject);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void managerWindow()
    {
        WalkNew<TProjManageForm>(QStringLiteral("manager"));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }

    void drawingWindowAndItsTools()
    {
        // Drawn at once, so the record tools have a record to work on.
        QDomDocument document = LoadEncodedDocument(ProjectFilePath(kProject));
        ChildElement(document.documentElement(), "Animate").setAttribute("InRand", "否");
        SaveEncodedDocument(document, ProjectFilePath(QStringLiteral("点名")));
        WriteEditProject(0, QStringLiteral("点名"));
        TRandForm form;
        QCOMPARE(form.FormShow(), TRandForm::StartupOutcome::Shown);
        RecordController *record = AttachRecordTools(form);
        QVERIFY(record);
        form.GoRandButton->click();
        QTRY_VERIFY(!form.RandRecordMemo->toPlainText().isEmpty());
        Walk(QStringLiteral("drawing window"), &form);
        const QStringList dialogs[] = {{"RRMenu_NewLine", "TNewLineForm"},      {"RRMenu_AutoNewLine", "TAutoNLineForm"},
                                       {"RRMenu_Sort", "TSortForm"},            {"Menu_AutoSort", "TAutoSortForm"},
                                       {"RRMenu_Stat", "TStatForm"},            {"RRMenu_CheckFrequency", "TFrequencyForm"}};
        for (const QStringList &dialog : dialogs) {
            record->RandMenu()->findChild<QAction *>(dialog[0])->trigger();
            QWidget *window = nullptr;
            for (QWidget *top : QApplication::topLevelWidgets())
                if (top->objectName() == dialog[1] && top->isVisible())
                    window = top;
            QVERIFY2(window, qPrintable(dialog[1]));
            Walk(dialog[1], window);
            window->close();
        }
        WalkNew<THistoryForm>(QStringLiteral("history"), AppDir() + QStringLiteral("Data/history.db"), kProject,
                              QString(), true);
        WalkNew<TSpeechForm>(QStringLiteral("speech"), SpeechSettings{}, [](int, int) {});
        WalkNew<RemoteDialog>(QStringLiteral("remote"));
        WalkNew<TVerifyForm>(QStringLiteral("verify"));
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(TestAccessibleNames)
#include "test_accessible_names.moc"
