// Saves pictures of fair turns into the folder given as the first argument: the list
// dialog's "公平抽取" section (of a list project and of a custom project's list item), a
// drawn batch with marks, and the fairness table.
#include "apppaths.h"
#include "chineseui.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "fairnesscontroller.h"
#include "handoff.h"
#include "historycontroller.h"
#include "historyrecorder.h"
#include "randform.h"
#include "recordcontroller.h"
#include "recordintegration.h"
#include "tlistsetform.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>

namespace {
void Settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QApplication::processEvents(QEventLoop::AllEvents, 10);
}

void Save(QWidget &window, const QString &path)
{
    window.show();
    Settle(300);
    window.grab().save(path);
}

const QString kClass = QStringLiteral("张三 李四 王五 赵六 钱七 孙八 周九 吴十 郑十一 王小明 刘一 陈二");
} // namespace

int main(int argc, char **argv)
{
    QApplication application(argc, argv);
    SubstituteMissingChineseFaces();
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    QDir().mkpath(folder);
    auto path = [&folder](const QString &name) { return folder + '/' + name + ".png"; };

    {
        TListSetForm dialog;
        QueryParams params = DefaultQueryParams(2);
        params[QueryParamIndex(2, "PosSetAble")] = QStringLiteral("否");
        params[QueryParamIndex(2, "Lists")] = kClass;
        dialog.LoadProject(2, params);
        FairSettings settings;
        settings.mode = FairMode::Balanced;
        settings.period = FairPeriod::Term;
        settings.skip = 4;
        dialog.LoadFairness(settings);
        Save(dialog, path("fair-dialog"));
    }
    {
        TListSetForm item;
        item.LoadGroupQuery(QStringLiteral("否||%1||否||否||1").arg(QString(kClass).replace(' ', ',')), QStringLiteral("半角逗号"));
        FairSettings rotation;
        rotation.mode = FairMode::Rotation;
        item.OfferFairness(rotation);
        Save(item, path("fair-item-dialog"));
    }

    BindCodec(SUITE_APP_DIR);
    QTemporaryDir dir;
    SetAppDir(dir.path());
    QDir(dir.path()).mkpath("Data/Projects");
    QFile file(SUITE_SOURCE_DIR "/data/Demo/2.RandName.xml");
    file.open(QIODevice::ReadOnly);
    QDomDocument document = ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
    ChildElement(document.documentElement(), "Animate").setAttribute("InRand", "否");
    QDomElement query = ChildElement(ChildElement(ChildElement(document.documentElement(), "RandQuery"), "Rand"), "Query");
    query.setAttribute("PosSetAble", "否");
    query.setAttribute("Lists", kClass);
    query.setAttribute("RanCount", "3");
    query.setAttribute("Fair", "轮换");
    SaveEncodedDocument(document, ProjectFilePath("三年二班点名"));
    WriteEditProject(0, "三年二班点名");

    TRandForm form;
    if (form.FormShow() != TRandForm::StartupOutcome::Shown)
        return 1;
    RecordController *record = AttachRecordTools(form);
    HistoryController *history = AttachHistoryTools(form, record);
    FairnessController *fairness = AttachFairnessTools(form, record ? record->RandMenu() : nullptr, history);
    for (int draw = 0; draw < 9; ++draw)
        form.GoRandButton->click();
    fairness->MarkSlot(0, QStringLiteral("已回答"));
    fairness->MarkSlot(1, QStringLiteral("缺席"));
    fairness->MarkSlot(2, QStringLiteral("未回答"));
    Save(form, path("fair-marked"));

    history->Recorder()->Flush();
    fairness->Menu_FairnessCheck->trigger();
    if (TFairnessForm *table = fairness->FairnessWindow())
        Save(*table, path("fair-table"));
    return 0;
}
