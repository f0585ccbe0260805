// The record tools inside a real drawing window: the stored automatic settings act on
// every batch, and the settings changed during the run are written back at close.
#include "unexpectedmessages.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "handoff.h"
#include "messages.h"
#include "randform.h"
#include "recordcontroller.h"
#include "recordintegration.h"
#include "runwindow.h"
#include "apppaths.h"

#include <QAction>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {
QDomElement Element(QDomDocument &document, const QString &path)
{
    QDomElement element = document.documentElement();
    for (const QString &name : path.split('/'))
        element = ChildElement(element, name);
    return element;
}

// The number project's starting document: three whole numbers per draw, drawn at once.
QDomDocument NumberProject()
{
    QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/1.RandRangeNum.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
    Element(document, "Animate").setAttribute("InRand", "否");
    QDomElement query = Element(document, "RandQuery/Rand/Query");
    query.setAttribute("Min", "1");
    query.setAttribute("Max", "1000");
    query.setAttribute("Pred", "1");
    query.setAttribute("Format", "0");
    query.setAttribute("RanCount", "3");
    query.setAttribute("AllowRepeat", "否");
    QDomElement record = Element(document, "Form/RandRecord");
    record.setAttribute("Type", "Memo");
    record.setAttribute("NewLine", "是");
    record.setAttribute("AutoNewLine", "是");
    record.setAttribute("NewLineRCount", "2");
    record.setAttribute("AutoSort", "是|否");
    record.setAttribute("SortVariety", "Num");
    record.setAttribute("SortDir", "Lower");
    record.setAttribute("SortRange", "Global");
    return document;
}
// Elements and attributes as sorted text, so attribute order does not matter.
QString Canonical(const QDomElement &element)
{
    QStringList attributes;
    const QDomNamedNodeMap map = element.attributes();
    for (int i = 0; i < map.count(); ++i)
        attributes.append(map.item(i).nodeName() + '=' + map.item(i).nodeValue());
    attributes.sort();
    QString text = '<' + element.tagName() + ' ' + attributes.join(' ') + '>';
    for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
        text += Canonical(child);
    return text + "</>";
}
} // namespace

class TestRecordIntegration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(BindCodec(SUITE_APP_DIR));
        LogUnexpectedMessages();
    }

    void storedSettingsActAndAreWrittenBack()
    {
        QTemporaryDir dir;
        SetAppDir(dir.path());
        QDir(dir.path()).mkpath("Data/Projects");
        QDomDocument document = NumberProject();
        QVERIFY(!document.isNull());
        const QString path = ProjectFilePath(QStringLiteral("抽号"));
        SaveEncodedDocument(document, path);
        WriteEditProject(0, QStringLiteral("抽号"));

        auto form = std::make_unique<TRandForm>();
        QCOMPARE(form->FormShow(), TRandForm::StartupOutcome::Shown);
        RecordController *record = AttachRecordTools(*form);
        QVERIFY(record);
        QCOMPARE(form->RecordBox()->contextMenuPolicy(), Qt::CustomContextMenu);
        QCOMPARE(record->Settings().autoNewLineCount, 2);

        form->GoRandButton->click();
        form->GoRandButton->click();
        // Six numbers, sorted from high to low over the whole record, two per line.
        const QStringList lines = form->RandRecordMemo->toPlainText().split('\n');
        QCOMPARE(lines.size(), 3);
        QList<int> numbers;
        for (const QString &line : lines) {
            const QStringList pair = line.split(form->ResultSeparator());
            QCOMPARE(pair.size(), 2);
            for (const QString &number : pair)
                numbers.append(number.toInt());
        }
        QVERIFY(std::is_sorted(numbers.rbegin(), numbers.rend()));

        // The run switches the automatic line break off; closing stores that and nothing else.
        RecordSettings changed = record->Settings();
        changed.autoNewLineCount = 0;
        changed.autoSortAfterBatch = false;
        record->SetSettings(changed);
        form->close();
        const QDomDocument saved = LoadEncodedDocument(path);
        const QDomElement savedRecord =
            FindChildElement(FindChildElement(saved.documentElement(), "Form"), "RandRecord");
        QCOMPARE(savedRecord.attribute("AutoNewLine"), QStringLiteral("否"));
        QCOMPARE(savedRecord.attribute("NewLineRCount"), QStringLiteral("2"));
        QCOMPARE(savedRecord.attribute("AutoSort"), QStringLiteral("否|否"));
        QCOMPARE(savedRecord.attribute("SortDir"), QStringLiteral("Lower"));
        // Everything else is as it was.
        Element(document, "Form/RandRecord").setAttribute("AutoNewLine", "否");
        Element(document, "Form/RandRecord").setAttribute("AutoSort", "否|否");
        QCOMPARE(Canonical(saved.documentElement()), Canonical(document.documentElement()));
        SetAppDir(QString());
    }

    // The project file is replaced behind the window's back: the write-back at close
    // fails, and its error box stays up until answered; only then does the program end.
    void failedWriteBackIsAnsweredBeforeTheProgramEnds()
    {
        QTemporaryDir dir;
        SetAppDir(dir.path());
        QDir(dir.path()).mkpath("Data/Projects");
        const QString path = ProjectFilePath(QStringLiteral("抽号"));
        SaveEncodedDocument(NumberProject(), path);
        WriteEditProject(0, QStringLiteral("抽号"));

        auto form = std::make_unique<TRandForm>();
        EndProgramWithWindow(*form, *qApp);
        QCOMPARE(form->FormShow(), TRandForm::StartupOutcome::Shown);
        QVERIFY(AttachRecordTools(*form));
        {
            QFile replaced(path);
            QVERIFY(replaced.open(QIODevice::WriteOnly | QIODevice::Truncate));
            replaced.write("not a project");
        }

        // A box that stays open for a while, as one a user reads does: its own event
        // loop ends with 1 when "answered", with 0 when the program's end cuts it short.
        QStringList captions;
        int boxOutcome = -1;
        SetMessageHandler([&](const ShownMessage &message) {
            captions.append(message.caption);
            QEventLoop box;
            QTimer::singleShot(300, &box, [&box] { box.exit(1); });
            boxOutcome = box.exec();
            return QMessageBox::Ok;
        });
        QTimer::singleShot(0, form.get(), &QWidget::close);
        QTimer::singleShot(10'000, qApp, [] { QCoreApplication::exit(2); }); // never hang
        const int exitCode = QCoreApplication::exec();
        LogUnexpectedMessages();
        SetAppDir(QString());

        QCOMPARE(captions, QStringList{QStringLiteral("保存设置失败")});
        QCOMPARE(boxOutcome, 1);
        QCOMPARE(exitCode, 0);
    }
};

QTEST_MAIN(TestRecordIntegration)
#include "test_recordintegration.moc"
