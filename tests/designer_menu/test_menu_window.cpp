#include "apppaths.h"
#include "configform.h"
#include "encodedxml.h"
#include "handoff.h"
#include "iconsform.h"
#include "inifile.h"
#include "menucatalogue.h"
#include "menufixture.h"
#include "messages.h"
#include "tdesignform.h"
#include "projectheader.h"
#include "projectpwdform.h"
#include "propertyform.h"
#include "selectionframe.h"
#include "softsettings.h"
#include "tfirstform.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QUrl>
#include <QWheelEvent>
#include <QtTest>

#include <functional>
#include <memory>

namespace {
const QStringList kNames{QStringLiteral("甲"), QStringLiteral("乙"), QStringLiteral("丙"), QStringLiteral("丁"),
                         QStringLiteral("戊"), QStringLiteral("己"), QStringLiteral("庚"), QStringLiteral("辛")};

void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons = Qt::LeftButton)
{
    QMouseEvent event(type, QPointF(pos), QPointF(widget->mapToGlobal(pos)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

// Runs `action` on the next modal window of type T once it is open; more actions
// queue up for the windows that open after it.
template <typename T>
void whenModal(std::function<void(T *)> action)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, action] {
        if (auto *window = qobject_cast<T *>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            action(window);
        }
    });
    poll->start();
}

// A control by its name; the test stops when it is missing.
template <typename T>
T *named(QObject *window, const char *name)
{
    T *control = window->findChild<T *>(QLatin1String(name));
    if (!control)
        qFatal("no control named %s", name);
    return control;
}

QDomDocument loadProject(const QString &name)
{
    return LoadEncodedDocument(ProjectFilePath(name));
}

void protectForEditing(const QString &name, const QString &password)
{
    QDomDocument document = loadProject(name);
    ProjectHeader header = ReadProjectHeader(document);
    header.editWithPwd = true;
    header.editPwd = password;
    WriteProjectProperties(document, header);
    SaveEncodedDocument(document, ProjectFilePath(name));
}
} // namespace

class TestMenuWindow : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void gridReflowsWithTheWidth();
    void dragReordersAndClosingWritesTheOrder();
    void droppingOnItsOwnCellChangesNothing();
    void renameCommits_data();
    void renameCommits();
    void renameToAnotherProjectsNameIsRefused();
    void readOnlyProjectsRefuseRenameDeleteAndIcon();
    void deletingTheLastProjectLeavesAnEmptyMenu();
    void slidingTheCommandBarMovesEverything();
    void wallpaperDragSpringsBack();
    void wheelScrollsRowByRowWithinTheGrid();
    void searchAfterScrollingStartsAtTheTop();
    void someRowStaysInViewAfterADragOrResize();
    void scrollBarAppearsWhenTheGridIsTallerThanTheWindow();
    void rightClickShowsTheMenuOnReleaseAndNeverOpens();
    void aPressWhoseReleaseWasLostEndsTheDrag();
    void hoverFrameLeavesAfterDropAndResize();
    void openingAProjectHandsItToTheRuntime();
    void newProjectHandOffOpensTheDesignWindowOnce();
    void aBrokenCatalogueIsReportedAndLeftAlone();
    void searchFiltersWithoutReordering();
    void editPasswordGuardsTheProperties();
    void propertiesChecksAndSaves();
    void passwordsDoNotCarryOverBetweenProjects();
    void commandBarAndWallpaperCommands();
    void settingsDefaultsAndSave();
    void settingsShowTheRightsMessageWhenSoftIniIsUnusable();
    void widthBoxesStepByDragging();
    void iconPickerChoosesAndForgets();
    void keysMoveBetweenIconsAndRunTheirCommands();
    void searchAndRenameHandTheKeysBackToTheGrid();
    void commandBarRunsFromTheKeyboard();

private:
    TFirstForm *openMenu(int clientWidth = 745);
    QLabel *label(const QString &name) const { return menu->findChild<QLabel *>(QStringLiteral("ProjLabel_") + name); }

    MenuFixture fixture;
    std::unique_ptr<TFirstForm> menu;
    QList<ShownMessage> messages;
    QMessageBox::StandardButton answer = QMessageBox::Yes;
    QStringList started;
};

void TestMenuWindow::init()
{
    fixture.Build(kNames);
    messages.clear();
    started.clear();
    answer = QMessageBox::Yes;
    SetMessageHandler([this](const ShownMessage &message) {
        messages << message;
        return answer;
    });
}

void TestMenuWindow::cleanup()
{
    menu.reset();
    SetMessageHandler({});
}

TFirstForm *TestMenuWindow::openMenu(int clientWidth)
{
    menu = std::make_unique<TFirstForm>();
    menu->StartProgram = [this](const QString &program) {
        started << program;
        return true;
    };
    menu->OpenUrl = [this](const QUrl &url) {
        started << url.toString();
        return true;
    };
    menu->resize(clientWidth, 560);
    menu->show();
    QTest::qWait(20);  // the start-up tick
    return menu.get();
}

void TestMenuWindow::gridReflowsWithTheWidth()
{
    openMenu(745);
    QCOMPARE(menu->Columns(), 6);
    QCOMPARE(menu->ProjIcon(0)->pos(), QPoint(36, 116));
    QCOMPARE(menu->ProjIcon(7)->pos(), QPoint(36 + 122, 116 + 95));
    QLabel *name = menu->ProjLabel(7);
    QCOMPARE(name->x(), 36 + 122 + 32 - name->width() / 2);
    QCOMPARE(name->y(), 116 + 95 + 62);

    menu->resize(620, 560);
    QCOMPARE(menu->Columns(), 4);
    QCOMPARE(menu->ProjIcon(4)->pos(), QPoint(36, 211));
    QCOMPARE(menu->ProjIcon(7)->pos(), QPoint(36 + 3 * 122, 211));

    menu->resize(60, 560);
    QCOMPARE(menu->width(), 135);
    QCOMPARE(menu->Columns(), 1);
    QCOMPARE(menu->ProjIcon(2)->pos(), QPoint(36, 116 + 2 * 95));
}

void TestMenuWindow::dragReordersAndClosingWritesTheOrder()
{
    openMenu();
    QLabel *icon = menu->ProjIcon(0);
    sendMouse(icon, QEvent::MouseButtonPress, QPoint(10, 10));
    QCOMPARE(menu->Selected(), 0);
    for (int x = 10; x <= 10 + 3 * 122; x += 61)
        sendMouse(icon, QEvent::MouseMove, QPoint(x - (icon->x() - 36), 14));
    sendMouse(icon, QEvent::MouseButtonRelease, QPoint(10, 14));
    QCOMPARE(menu->Selected(), 3);
    QCOMPARE(menu->ProjIcon(3), icon);
    QCOMPARE(icon->pos(), QPoint(36 + 3 * 122, 116));
    QCOMPARE(menu->ProjIcon(0)->pos(), QPoint(36, 116));
    QCOMPARE(label(QStringLiteral("乙"))->y(), 116 + 62);
    // The moved icon stays under the bars (children are listed bottom to top).
    const QObjectList stack = menu->children();
    QVERIFY(stack.indexOf(icon) > stack.indexOf(menu->ProjIcon(7)));
    QVERIFY(stack.indexOf(icon) < stack.indexOf(menu->findChild<QWidget *>(QStringLiteral("MenuPanel"))));

    menu->close();
    const QVector<CatalogueEntry> onDisk = fixture.EntriesOnDisk();
    QCOMPARE(onDisk.at(0), (CatalogueEntry{"乙", "备注1", false, 11}));
    QCOMPARE(onDisk.at(2), (CatalogueEntry{"丁", "备注3", false, 13}));
    QCOMPARE(onDisk.at(3), (CatalogueEntry{"甲", "备注0", false, 10}));
    QCOMPARE(onDisk.at(4).name, QStringLiteral("戊"));
}

void TestMenuWindow::droppingOnItsOwnCellChangesNothing()
{
    openMenu();
    QLabel *icon = menu->ProjIcon(2);
    sendMouse(icon, QEvent::MouseButtonPress, QPoint(10, 10));
    sendMouse(icon, QEvent::MouseMove, QPoint(40, 30));
    sendMouse(icon, QEvent::MouseMove, QPoint(10, 10));  // back by 30, 20: still its cell
    sendMouse(icon, QEvent::MouseMove, QPoint(-5, 5));
    sendMouse(icon, QEvent::MouseButtonRelease, QPoint(0, 0));
    QCOMPARE(menu->ProjIcon(2), icon);
    QCOMPARE(icon->pos(), QPoint(36 + 2 * 122, 116));
    menu->close();
    QCOMPARE(fixture.EntriesOnDisk().at(2).name, QStringLiteral("丙"));
}

void TestMenuWindow::renameCommits_data()
{
    QTest::addColumn<QString>("trigger");
    QTest::newRow("Enter") << "enter";
    QTest::newRow("press on another project") << "project";
    QTest::newRow("press on the wallpaper") << "wallpaper";
    QTest::newRow("press on the info strip") << "info";
    QTest::newRow("resize") << "resize";
}

void TestMenuWindow::renameCommits()
{
    QFETCH(QString, trigger);
    openMenu();
    sendMouse(menu->ProjIcon(1), QEvent::MouseButtonPress, QPoint(5, 5));
    sendMouse(menu->ProjIcon(1), QEvent::MouseButtonRelease, QPoint(5, 5));
    menu->Menu_RenameClick();
    QVERIFY(menu->IsRenaming());
    auto *editor = menu->findChild<QLineEdit *>(QStringLiteral("ProjRenameEdit"));
    QCOMPARE(editor->text(), QStringLiteral("乙"));
    editor->setText(QStringLiteral("乙二"));
    if (trigger == "enter") {
        QTest::keyClick(editor, Qt::Key_Return);
    } else if (trigger == "project") {
        sendMouse(menu->ProjIcon(4), QEvent::MouseButtonPress, QPoint(5, 5));
        QCOMPARE(menu->Selected(), 4);
    } else if (trigger == "wallpaper") {
        sendMouse(menu->findChild<QLabel *>(QStringLiteral("ProjBgImg")), QEvent::MouseButtonPress, QPoint(600, 400));
    } else if (trigger == "info") {
        sendMouse(menu->findChild<QWidget *>(QStringLiteral("InfoPanel")), QEvent::MouseButtonPress, QPoint(400, 5));
    } else {
        menu->resize(700, 560);
    }
    QVERIFY(!menu->IsRenaming());
    QCOMPARE(editor->y(), -30);
    QCOMPARE(menu->Catalogue().At(1).name, QStringLiteral("乙二"));
    QCOMPARE(menu->Catalogue().At(4).name, QStringLiteral("戊"));
    QCOMPARE(menu->ProjLabel(1)->text(), QStringLiteral("乙二"));
    QVERIFY(QFile::exists(ProjectFilePath(QStringLiteral("乙二"))));
    QCOMPARE(fixture.EntriesOnDisk().at(1).name, QStringLiteral("乙二"));
    QVERIFY(messages.isEmpty());
}

void TestMenuWindow::renameToAnotherProjectsNameIsRefused()
{
    openMenu();
    sendMouse(menu->ProjIcon(0), QEvent::MouseButtonPress, QPoint(5, 5));
    menu->Menu_RenameClick();
    menu->findChild<QLineEdit *>(QStringLiteral("ProjRenameEdit"))->setText(QStringLiteral("丙"));
    const auto before = fixture.Snapshot();
    menu->CommitRename();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().caption, QStringLiteral("参数有误"));
    QCOMPARE(messages.first().text, QStringLiteral("项目名称不能与现有的项目名称重复！"));
    QCOMPARE(messages.first().icon, QMessageBox::Critical);
    QVERIFY(menu->IsRenaming());
    QCOMPARE(menu->ProjLabel(0)->text(), QStringLiteral("甲"));
    QCOMPARE(fixture.Snapshot(), before);
}

void TestMenuWindow::readOnlyProjectsRefuseRenameDeleteAndIcon()
{
    UpdateCatalogue(CatalogueFilePath(), [](ProjectCatalogue &catalogue) {
        QVector<CatalogueEntry> entries = catalogue.ReadEntries();
        entries[2].readOnly = true;
        catalogue.RewriteEntries(entries);
    });
    openMenu();
    const auto before = fixture.Snapshot();
    sendMouse(menu->ProjIcon(2), QEvent::MouseButtonPress, QPoint(5, 5));
    menu->Menu_RenameClick();
    menu->Menu_DeleteClick();
    menu->Menu_SetIconClick();
    QCOMPARE(messages.size(), 3);
    for (const ShownMessage &message : std::as_const(messages)) {
        QCOMPARE(message.caption, QStringLiteral("只读工程"));
        QCOMPARE(message.icon, QMessageBox::Information);
    }
    QCOMPARE(messages.at(0).text, QStringLiteral("您不能修改只读工程的名称！"));
    QCOMPARE(messages.at(1).text, QStringLiteral("该工程为只读，您不能删除该工程！"));
    QCOMPARE(messages.at(2).text, QStringLiteral("您不能修改只读工程的图标！"));
    QVERIFY(!menu->IsRenaming());
    QCOMPARE(menu->Catalogue().Count(), 8);
    QCOMPARE(fixture.Snapshot(), before);
}

void TestMenuWindow::deletingTheLastProjectLeavesAnEmptyMenu()
{
    fixture.Build({QStringLiteral("唯一")});
    openMenu();
    sendMouse(menu->ProjIcon(0), QEvent::MouseButtonPress, QPoint(5, 5));
    answer = QMessageBox::No;
    menu->Menu_DeleteClick();
    QCOMPARE(menu->Catalogue().Count(), 1);
    QVERIFY(QFile::exists(ProjectFilePath(QStringLiteral("唯一"))));

    answer = QMessageBox::Yes;
    menu->Menu_DeleteClick();
    QCOMPARE(messages.last().caption, QStringLiteral("提示"));
    QCOMPARE(messages.last().text, QStringLiteral("您确定要删除掉当前工程？工程删除后将无法恢复。"));
    QCOMPARE(messages.last().buttons, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    QCOMPARE(menu->Catalogue().Count(), 0);
    QCOMPARE(menu->Selected(), -1);
    QVERIFY(!menu->ProjIcon(0));
    QCOMPARE(fixture.CountOnDisk(), QStringLiteral("0"));
    QVERIFY(!QFile::exists(ProjectFilePath(QStringLiteral("唯一"))));
    QCOMPARE(menu->findChild<QLabel *>(QStringLiteral("InfoProjCount"))->text(), QStringLiteral("工程总数：0个"));
    QVERIFY(menu->findChild<QWidget *>(QStringLiteral("SetSelBox"))->x() == -150);

    // With nothing left, the slide moves only the bars.
    menu->MoveImgClick();
    QTRY_VERIFY(!menu->MenuShown());
    QCOMPARE(menu->findChild<QWidget *>(QStringLiteral("MoveImg"))->y(), 2);
    menu->close();
    QCOMPARE(fixture.CountOnDisk(), QStringLiteral("0"));
}

void TestMenuWindow::slidingTheCommandBarMovesEverything()
{
    openMenu();
    auto *bar = menu->findChild<QWidget *>(QStringLiteral("MenuPanel"));
    auto *grip = menu->findChild<QWidget *>(QStringLiteral("MoveImg"));
    menu->MoveImgClick();
    QTRY_VERIFY(!menu->MenuShown());
    QCOMPARE(bar->y(), -78);
    QCOMPARE(grip->y(), 2);
    QCOMPARE(menu->ProjIcon(7)->pos(), QPoint(36 + 122, 116 + 95 - 78));
    QCOMPARE(menu->GridOrigin(), QPoint(36, 38));
    menu->MoveImgClick();
    QTRY_VERIFY(menu->MenuShown());
    QCOMPARE(bar->y(), 0);
    QCOMPARE(menu->ProjIcon(7)->pos(), QPoint(36 + 122, 211));
}

void TestMenuWindow::wallpaperDragSpringsBack()
{
    openMenu();
    auto *wallpaper = menu->findChild<QLabel *>(QStringLiteral("ProjBgImg"));
    sendMouse(wallpaper, QEvent::MouseButtonPress, QPoint(500, 300));
    sendMouse(wallpaper, QEvent::MouseMove, QPoint(500, 250));
    sendMouse(wallpaper, QEvent::MouseButtonRelease, QPoint(500, 250));
    QCOMPARE(menu->ProjIcon(0)->y(), 66);  // dragged up: the grid stays where it was dropped
    QCOMPARE(menu->GridOrigin().y(), 66);

    sendMouse(wallpaper, QEvent::MouseButtonPress, QPoint(500, 250));
    sendMouse(wallpaper, QEvent::MouseMove, QPoint(500, 400));
    QCOMPARE(menu->ProjIcon(0)->y(), 216);
    sendMouse(wallpaper, QEvent::MouseButtonRelease, QPoint(500, 400));
    QTRY_COMPARE(menu->ProjIcon(0)->y(), 116);
    QTRY_COMPARE(menu->ProjIcon(7)->y(), 211);
    QCOMPARE(menu->ProjLabel(7)->y(), 211 + 62);
}

void TestMenuWindow::wheelScrollsRowByRowWithinTheGrid()
{
    openMenu();  // eight projects: two rows of six
    auto *wallpaper = menu->findChild<QLabel *>(QStringLiteral("ProjBgImg"));
    auto wheel = [&](int delta) {
        QWheelEvent event(QPointF(400, 300), QPointF(wallpaper->mapToGlobal(QPoint(400, 300))), QPoint(),
                          QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(wallpaper, &event);
        return menu->ProjIcon(0)->y();
    };
    QCOMPARE(wheel(120), 116);  // already at the top
    QCOMPARE(wheel(-120), 21);
    QCOMPARE(wheel(-120), 21);  // the last row stays under the grip
    QCOMPARE(menu->ProjIcon(7)->y(), 116);
    QCOMPARE(menu->GridOrigin().y(), 21);
    QCOMPARE(wheel(120), 116);
}

void TestMenuWindow::searchAfterScrollingStartsAtTheTop()
{
    openMenu();
    auto *wallpaper = menu->findChild<QLabel *>(QStringLiteral("ProjBgImg"));
    QWheelEvent down(QPointF(400, 300), QPointF(wallpaper->mapToGlobal(QPoint(400, 300))), QPoint(), QPoint(0, -120),
                     Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(wallpaper, &down);
    QCOMPARE(menu->GridOrigin().y(), 21);
    menu->GoProjSearchClick();
    named<QLineEdit>(menu.get(), "ProjSearchEdit")->setText(QStringLiteral("备注"));  // two rows found
    QCOMPARE(menu->ProjIcon(0)->pos(), QPoint(36, 116));
    named<QLineEdit>(menu.get(), "ProjSearchEdit")->setText(QStringLiteral("辛"));
    QVERIFY(menu->ProjIcon(7)->isVisible());
    QCOMPARE(menu->ProjIcon(7)->pos(), QPoint(36, 116));
}

void TestMenuWindow::someRowStaysInViewAfterADragOrResize()
{
    openMenu();  // two rows of six
    auto *wallpaper = menu->findChild<QLabel *>(QStringLiteral("ProjBgImg"));
    sendMouse(wallpaper, QEvent::MouseButtonPress, QPoint(500, 450));
    sendMouse(wallpaper, QEvent::MouseMove, QPoint(500, 20));
    sendMouse(wallpaper, QEvent::MouseButtonRelease, QPoint(500, 20));
    QCOMPARE(menu->GridOrigin().y(), 21);  // the last row under the grip
    QCOMPARE(menu->ProjIcon(7)->y(), 116);

    // Wider: one row of eight, which must come down under the grip again.
    menu->resize(1100, 560);
    QCOMPARE(menu->Columns(), 8);
    QCOMPARE(menu->GridOrigin().y(), 116);
    QCOMPARE(menu->ProjIcon(7)->pos(), QPoint(36 + 7 * 122, 116));
}

void TestMenuWindow::scrollBarAppearsWhenTheGridIsTallerThanTheWindow()
{
    openMenu();
    auto *bar = named<QScrollBar>(menu.get(), "ProjScrollBar");
    QVERIFY(!bar->isVisible());
    menu->resize(745, 300);  // room for one row of the two
    QVERIFY(bar->isVisible());
    QCOMPARE(bar->value(), 0);
    QCOMPARE(bar->maximum(), 95);
    QVERIFY(bar->geometry().bottom() < menu->height() - 58);
    bar->setValue(95);
    QCOMPARE(menu->ProjIcon(7)->y(), 116);
    QCOMPARE(menu->ProjIcon(0)->y(), 21);
    auto *wallpaper = menu->findChild<QLabel *>(QStringLiteral("ProjBgImg"));
    QWheelEvent up(QPointF(400, 200), QPointF(wallpaper->mapToGlobal(QPoint(400, 200))), QPoint(), QPoint(0, 120),
                   Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(wallpaper, &up);
    QCOMPARE(bar->value(), 0);
    bar->setValue(95);
    menu->resize(745, 560);  // room for both rows: none stays scrolled away
    QVERIFY(!bar->isVisible());
    QCOMPARE(menu->GridOrigin().y(), 116);
}

void TestMenuWindow::rightClickShowsTheMenuOnReleaseAndNeverOpens()
{
    openMenu();
    auto *projectMenu = named<QMenu>(menu.get(), "SelProjMenu");
    // A left click on one project, then a right click on another.
    sendMouse(menu->ProjIcon(1), QEvent::MouseButtonPress, QPoint(5, 5));
    sendMouse(menu->ProjIcon(1), QEvent::MouseButtonRelease, QPoint(5, 5), Qt::NoButton);
    QLabel *icon = menu->ProjIcon(4);
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(icon->mapToGlobal(QPoint(5, 5))),
                      Qt::RightButton, Qt::RightButton, Qt::NoModifier);
    QApplication::sendEvent(icon, &press);
    QContextMenuEvent context(QContextMenuEvent::Mouse, QPoint(5, 5), icon->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(icon, &context);
    QVERIFY(!projectMenu->isVisible());  // the button is still down
    QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(icon->mapToGlobal(QPoint(5, 5))),
                        Qt::RightButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(icon, &release);
    QTRY_VERIFY(projectMenu->isVisible());
    QCOMPARE(menu->Selected(), 4);
    projectMenu->hide();

    // A second left click on another icon is no double click on the first.
    sendMouse(menu->ProjIcon(4), QEvent::MouseButtonDblClick, QPoint(5, 5));
    QCOMPARE(started, QStringList());
}

void TestMenuWindow::aPressWhoseReleaseWasLostEndsTheDrag()
{
    openMenu();
    // A message box during the press takes the release: only the press arrives.
    sendMouse(menu->ProjIcon(1), QEvent::MouseButtonPress, QPoint(5, 5));
    sendMouse(menu->ProjIcon(1), QEvent::MouseMove, QPoint(40, 20));
    sendMouse(menu->ProjIcon(2), QEvent::MouseMove, QPoint(8, 8), Qt::NoButton);
    QCOMPARE(menu->ProjIcon(1)->pos(), QPoint(36 + 122, 116));
    auto *hover = named<SelectionFrame>(menu.get(), "MoveSelBox");
    QCOMPARE(hover->pos(), menu->ProjIcon(2)->pos() - QPoint(30, 6));
    QCOMPARE(menu->Selected(), 2);
}

void TestMenuWindow::hoverFrameLeavesAfterDropAndResize()
{
    openMenu();
    auto *hover = named<SelectionFrame>(menu.get(), "MoveSelBox");
    QLabel *icon = menu->ProjIcon(0);
    sendMouse(icon, QEvent::MouseMove, QPoint(8, 8), Qt::NoButton);
    QVERIFY(!hover->IsParked());
    sendMouse(icon, QEvent::MouseButtonPress, QPoint(10, 10));
    sendMouse(icon, QEvent::MouseMove, QPoint(10 + 2 * 122, 12));
    sendMouse(icon, QEvent::MouseButtonRelease, QPoint(10 + 2 * 122, 12));
    QCOMPARE(menu->ProjIcon(2), icon);
    QVERIFY(hover->IsParked());

    sendMouse(menu->ProjIcon(5), QEvent::MouseMove, QPoint(8, 8), Qt::NoButton);
    QVERIFY(!hover->IsParked());
    menu->resize(500, 560);
    QVERIFY(hover->IsParked());
}

void TestMenuWindow::openingAProjectHandsItToTheRuntime()
{
    openMenu();
    QLabel *name = menu->ProjLabel(5);
    sendMouse(name, QEvent::MouseButtonPress, QPoint(4, 4));
    sendMouse(name, QEvent::MouseButtonRelease, QPoint(4, 4), Qt::NoButton);
    sendMouse(name, QEvent::MouseButtonDblClick, QPoint(4, 4));
    QCOMPARE(started, QStringList{QStringLiteral("Dellamy")});
    const EditProjectHandOff handOff = ReadEditProject();
    QCOMPARE(handOff.id, 5);
    QCOMPARE(handOff.name, QStringLiteral("己"));
}

void TestMenuWindow::newProjectHandOffOpensTheDesignWindowOnce()
{
    WriteDesignSender(QStringLiteral("丁"));
    openMenu();
    QTRY_VERIFY(menu->DesignWindow());
    TDesignForm *design = menu->DesignWindow();
    QCOMPARE(design->ProjectName(), QStringLiteral("丁"));
    QTRY_VERIFY(design->isVisible());
    QVERIFY(!menu->isVisible());
    QCOMPARE(ReadDesignSender(), QString());

    // Closing the design hands the screen back to the menu; a restart opens no design.
    design->close();
    QTRY_VERIFY(menu->isVisible());
    QTRY_VERIFY(!menu->DesignWindow());
    QVERIFY(messages.isEmpty());
    openMenu();
    QTest::qWait(20);
    QVERIFY(!menu->DesignWindow());
}

void TestMenuWindow::aBrokenCatalogueIsReportedAndLeftAlone()
{
    QFile file(CatalogueFilePath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("<Menu><Projects Count=\"2\"><Project Name=");
    file.close();
    const auto before = fixture.Snapshot();
    openMenu();
    QTRY_COMPARE(messages.size(), 1);
    QCOMPARE(messages.first().caption, QStringLiteral("读取失败"));
    QVERIFY(messages.first().text.contains(QStringLiteral("menu.xml")));
    QCOMPARE(menu->Catalogue().Count(), 0);
    menu->close();
    QCOMPARE(fixture.Snapshot(), before);
    QCOMPARE(messages.size(), 1);
}

void TestMenuWindow::searchFiltersWithoutReordering()
{
    openMenu();
    menu->GoProjSearchClick();
    auto *search = menu->findChild<QLineEdit *>(QStringLiteral("ProjSearchEdit"));
    QVERIFY(search->isVisible());
    search->setText(QStringLiteral("备注6"));
    QVERIFY(!menu->ProjIcon(0)->isVisible());
    QVERIFY(menu->ProjIcon(6)->isVisible());
    QCOMPARE(menu->ProjIcon(6)->pos(), QPoint(36, 116));
    search->setText(QStringLiteral("丙"));
    QCOMPARE(menu->ProjIcon(2)->pos(), QPoint(36, 116));
    QVERIFY(!menu->ProjIcon(6)->isVisible());
    QTest::keyClick(search, Qt::Key_Escape);
    QVERIFY(!search->isVisible());
    for (int i = 0; i < kNames.size(); ++i) {
        QVERIFY(menu->ProjIcon(i)->isVisible());
        QCOMPARE(menu->Catalogue().At(i).name, kNames.at(i));
    }
    QCOMPARE(menu->ProjIcon(7)->pos(), QPoint(36 + 122, 211));
}

void TestMenuWindow::editPasswordGuardsTheProperties()
{
    protectForEditing(QStringLiteral("乙"), QStringLiteral("Abc"));
    openMenu();
    sendMouse(menu->ProjIcon(1), QEvent::MouseButtonPress, QPoint(5, 5));
    bool propertiesOpened = false;
    whenModal<designer::TPwdForm>([&](designer::TPwdForm *prompt) {
        QCOMPARE(named<QLabel>(prompt, "PwdLabel")->text(), QStringLiteral("当前工程已加密，请输入编辑密码："));
        auto *field = named<QLineEdit>(prompt, "Pwd");
        field->setText(QStringLiteral("abc"));
        // The one field, typed blind, can be shown to check what was typed.
        auto *show = named<QCheckBox>(prompt, "ShowPwd");
        QCOMPARE(show->text(), QStringLiteral("显示密码"));
        QCOMPARE(field->echoMode(), QLineEdit::Password);
        show->click();
        QCOMPARE(field->echoMode(), QLineEdit::Normal);
        named<QPushButton>(prompt, "BOK")->click();
        QCOMPARE(messages.last().caption, QStringLiteral("密码错误"));
        QCOMPARE(messages.last().text, QStringLiteral("您输入的密码有误，请重新输入！"));
        QVERIFY(prompt->isVisible());
        QCOMPARE(field->text(), QString());  // ready for the next try
        field->setText(QStringLiteral("Abc"));
        whenModal<TPropertyForm>([&](TPropertyForm *form) {
            propertiesOpened = true;
            QCOMPARE(form->windowTitle(), QStringLiteral("乙 属性"));
            QVERIFY(named<QCheckBox>(form, "PEditWithPwd")->isChecked());
            QCOMPARE(form->EditPwdBuffer(), QStringLiteral("Abc"));
            named<QPushButton>(form, "BCancel")->click();
        });
        named<QPushButton>(prompt, "BOK")->click();
    });
    menu->Menu_PropertyClick();
    QVERIFY(propertiesOpened);

    // Giving up at the prompt opens nothing.
    whenModal<designer::TPwdForm>([](designer::TPwdForm *prompt) { named<QPushButton>(prompt, "BCancel")->click(); });
    menu->Menu_EditClick();
    QCOMPARE(messages.size(), 1);
}

void TestMenuWindow::propertiesChecksAndSaves()
{
    // A stored edit password without its lock opens without a prompt and is dropped on save.
    QDomDocument document = loadProject(QStringLiteral("丙"));
    ProjectHeader header = ReadProjectHeader(document);
    header.editPwd = QStringLiteral("旧密码");
    header.accessByPwd = true;
    header.accessPwd = QStringLiteral("进门");
    WriteProjectProperties(document, header);
    SaveEncodedDocument(document, ProjectFilePath(QStringLiteral("丙")));

    openMenu();
    sendMouse(menu->ProjIcon(2), QEvent::MouseButtonPress, QPoint(5, 5));
    whenModal<TPropertyForm>([&](TPropertyForm *form) {
        QVERIFY(!named<QPlainTextEdit>(form, "RandInfo")->toPlainText().isEmpty());
        QVERIFY(named<QPushButton>(form, "SetAccessPwd")->isEnabled());
        QVERIFY(!named<QPushButton>(form, "SetEditPwd")->isEnabled());
        const QByteArray fileBefore = ReadBytes(ProjectFilePath(QStringLiteral("丙")));

        named<QLineEdit>(form, "PTitle")->clear();
        named<QCheckBox>(form, "PEditWithPwd")->setChecked(true);
        QVERIFY(named<QPushButton>(form, "SetEditPwd")->isEnabled());
        named<QPushButton>(form, "BOK")->click();
        QCOMPARE(messages.size(), 2);
        QCOMPARE(messages.at(0).text, QStringLiteral("工程标题不能为空！"));
        QCOMPARE(messages.at(0).caption, QStringLiteral("参数有误"));
        QCOMPARE(messages.at(1).caption, QStringLiteral("请设置密码"));
        QCOMPARE(messages.at(1).text, QStringLiteral("请设置工程编辑密码！"));  // the edit password is missing
        QVERIFY(form->isVisible());
        QCOMPARE(ReadBytes(ProjectFilePath(QStringLiteral("丙"))), fileBefore);

        named<QCheckBox>(form, "PEditWithPwd")->setChecked(false);
        named<QCheckBox>(form, "PAccessByPwd")->setChecked(false);
        named<QLineEdit>(form, "PTitle")->setText(QStringLiteral("新标题"));
        named<QLineEdit>(form, "PAuthor")->setText(QStringLiteral("王老师"));
        named<QLineEdit>(form, "PRange")->setText(QStringLiteral("课堂"));
        named<QPlainTextEdit>(form, "PRemark")->setPlainText(QStringLiteral("新的备注"));
        auto *title = named<QLineEdit>(form, "PTitle");
        const QColor writableBase = title->palette().color(QPalette::Base);
        named<QCheckBox>(form, "PReadOnly")->setChecked(true);
        QVERIFY(title->isReadOnly());
        QVERIFY(named<QPlainTextEdit>(form, "PRemark")->isReadOnly());
        QVERIFY(title->palette().color(QPalette::Base) != writableBase);
        QVERIFY(named<QPlainTextEdit>(form, "PRemark")->palette().color(QPalette::Base) != writableBase);
        named<QPushButton>(form, "BOK")->click();
    });
    menu->Menu_PropertyClick();
    QCOMPARE(messages.size(), 2);

    const QDomDocument saved = loadProject(QStringLiteral("丙"));
    const ProjectHeader after = ReadProjectHeader(saved);
    QCOMPARE(ReadProjectTitle(saved), QStringLiteral("新标题"));
    QCOMPARE(after.author, QStringLiteral("王老师"));
    QCOMPARE(after.range, QStringLiteral("课堂"));
    QVERIFY(!after.accessByPwd);
    QCOMPARE(after.accessPwd, QString());
    QCOMPARE(after.editPwd, QString());
    // Remark and read-only flag reach the catalogue when the menu closes.
    QCOMPARE(fixture.EntriesOnDisk().at(2).remark, QStringLiteral("备注2"));
    QCOMPARE(menu->Catalogue().At(2).remark, QStringLiteral("新的备注"));
    menu->close();
    QCOMPARE(fixture.EntriesOnDisk().at(2), (CatalogueEntry{"丙", "新的备注", true, 12}));
}

void TestMenuWindow::passwordsDoNotCarryOverBetweenProjects()
{
    openMenu();
    sendMouse(menu->ProjIcon(3), QEvent::MouseButtonPress, QPoint(5, 5));
    const QByteArray fileBefore = ReadBytes(ProjectFilePath(QStringLiteral("丁")));
    whenModal<TPropertyForm>([&](TPropertyForm *form) {
        named<QCheckBox>(form, "PAccessByPwd")->setChecked(true);
        whenModal<designer::TPwdForm>([&](designer::TPwdForm *prompt) {
            QCOMPARE(named<QLabel>(prompt, "PwdLabel")->text(), QStringLiteral("请输入新的访问密码："));
            named<QPushButton>(prompt, "BOK")->click();
            QCOMPARE(messages.last().text, QStringLiteral("密码不能为空！"));
            named<QLineEdit>(prompt, "Pwd")->setText(QStringLiteral("秘密"));
            named<QPushButton>(prompt, "BOK")->click();
        });
        named<QPushButton>(form, "SetAccessPwd")->click();
        QCOMPARE(form->AccessPwdBuffer(), QStringLiteral("秘密"));
        named<QPushButton>(form, "BCancel")->click();
    });
    menu->Menu_PropertyClick();
    QCOMPARE(ReadBytes(ProjectFilePath(QStringLiteral("丁"))), fileBefore);

    sendMouse(menu->ProjIcon(4), QEvent::MouseButtonPress, QPoint(5, 5));
    QString carried = QStringLiteral("unset");
    whenModal<TPropertyForm>([&](TPropertyForm *form) {
        carried = form->AccessPwdBuffer();
        named<QCheckBox>(form, "PAccessByPwd")->setChecked(true);
        named<QPushButton>(form, "BOK")->click();  // lock without a password of this project's own
        QCOMPARE(messages.last().text, QStringLiteral("请设置工程访问密码！"));
        named<QPushButton>(form, "BCancel")->click();
    });
    menu->Menu_PropertyClick();
    QCOMPARE(carried, QString());
}

void TestMenuWindow::commandBarAndWallpaperCommands()
{
    openMenu();
    auto click = [this](const char *command) {
        QTest::mouseClick(menu->findChild<QLabel *>(QLatin1String(command)), Qt::LeftButton);
    };
    click("GoHelp");
    click("GoAskImg");
    click("GoProjManage");
    QCOMPARE(started, (QStringList{QUrl::fromLocalFile(AppDir() + QStringLiteral("Zelmora 帮助文档.html")).toString(),
                                   QStringLiteral("mailto:feedback@zelmora.cn"), QStringLiteral("Ostrel")}));

    QTest::mouseClick(menu->findChild<QLabel *>(QStringLiteral("InfoQQGroup")), Qt::LeftButton);
    QCOMPARE(messages.last().caption, QStringLiteral("已复制"));
    QCOMPARE(QApplication::clipboard()->text(), menu->findChild<QLineEdit *>(QStringLiteral("CopyText"))->text());

    menu->ChooseWallpaper = [] { return AppDir() + QStringLiteral("Img/示例图片1.jpg"); };
    menu->ChangeBgPicClick();
    QCOMPARE(IniFile(SoftIniPath()).ReadString(SoftIni::kGuideBackground, SoftIni::kPath),
             QStringLiteral("Application:Img/示例图片1.jpg"));
    menu->UseDefaultBgPicClick();
    QCOMPARE(IniFile(SoftIniPath()).ReadString(SoftIni::kGuideBackground, SoftIni::kPath),
             QStringLiteral("Application:Img/背景图片.jpg"));

    // A new project is made by the wizard, which brings the menu back itself.
    click("GoCreateProj");
    QCOMPARE(started.last(), QStringLiteral("Quorin"));
    QVERIFY(!menu->isVisible());
}

void TestMenuWindow::settingsDefaultsAndSave()
{
    QVERIFY(!QFile::exists(SoftIniPath()));
    TConfigForm form;
    form.show();
    QCOMPARE(named<QComboBox>(&form, "RandSpliterValue")->currentText(), QStringLiteral("双空格"));
    QVERIFY(!named<QCheckBox>(&form, "ListAutoRestore")->isChecked());
    QVERIFY(!named<QCheckBox>(&form, "ShowRandLabelBorder")->isChecked());
    QVERIFY(!named<QCheckBox>(&form, "ShowImgBorder")->isChecked());
    QVERIFY(!named<QCheckBox>(&form, "HighContrast")->isChecked());
    QCOMPARE(named<DragNumberEdit>(&form, "RBorderWidth")->text(), QStringLiteral("1"));
    QCOMPARE(named<DragNumberEdit>(&form, "ImgBorderWidth")->text(), QStringLiteral("1"));
    QCOMPARE(form.RBorderColorValue(), QColor(Qt::black));
    QCOMPARE(form.ImgBorderColorValue(), QColor(Qt::black));
    for (const char *name : {"RBorderWidth", "RBorderColor", "RBorderWidthLabel", "ImgBorderWidth", "ImgBorderColor"})
        QVERIFY2(!named<QWidget>(&form, name)->isEnabled(), name);

    named<QCheckBox>(&form, "ShowImgBorder")->click();
    QVERIFY(named<DragNumberEdit>(&form, "ImgBorderWidth")->isEnabled());
    QVERIFY(named<QLabel>(&form, "ImgBorderColorLabel")->isEnabled());
    form.ChooseColour = [](const QColor &) { return QColor(10, 20, 30); };
    QTest::mouseClick(named<QFrame>(&form, "ImgBorderColor"), Qt::LeftButton);
    named<QComboBox>(&form, "RandSpliterValue")->setCurrentText(QStringLiteral("全角分号"));
    // An empty or absurd width is refused and nothing is written.
    for (const QString &bad : {QString(), QStringLiteral("99999999999"), QStringLiteral("51"), QStringLiteral("0")}) {
        named<DragNumberEdit>(&form, "ImgBorderWidth")->setText(bad);
        named<QPushButton>(&form, "BOK")->click();
        QVERIFY2(form.isVisible(), qPrintable(bad));
        QCOMPARE(messages.last().text, QStringLiteral("边框宽度必须是 1 到 50 之间的整数！"));
        QVERIFY(!QFile::exists(SoftIniPath()));
    }
    named<DragNumberEdit>(&form, "ImgBorderWidth")->setText(QStringLiteral("3"));
    named<QCheckBox>(&form, "HighContrast")->click();
    named<QPushButton>(&form, "BOK")->click();
    QVERIFY(!form.isVisible());
    QVERIFY(ReadBytes(SoftIniPath()).contains("HighContrast=1"));

    const SoftSettings settings = ReadSoftSettings();
    QCOMPARE(settings.randSpliter, QStringLiteral("全角分号"));
    QVERIFY(settings.imgBorder);
    QCOMPARE(settings.imgBorderWidth, QStringLiteral("3"));
    QCOMPARE(settings.imgBorderColor, QStringLiteral("10,20,30"));
    QVERIFY(!settings.randLabelBorder);
    QCOMPARE(settings.rBorderColor, QStringLiteral("0,0,0"));
    QVERIFY(settings.highContrast);

    // An unknown separator selects nothing; cancelling writes nothing.
    IniFile(SoftIniPath()).WriteString(SoftIni::kRand, SoftIni::kRandSpliter, QStringLiteral("冒号"));
    const QByteArray before = ReadBytes(SoftIniPath());
    form.show();
    QCOMPARE(named<QComboBox>(&form, "RandSpliterValue")->currentIndex(), -1);
    QVERIFY(named<DragNumberEdit>(&form, "ImgBorderWidth")->isEnabled());
    QVERIFY(named<QCheckBox>(&form, "HighContrast")->isChecked());
    named<QPushButton>(&form, "BCancel")->click();
    QCOMPARE(ReadBytes(SoftIniPath()), before);
}

void TestMenuWindow::settingsShowTheRightsMessageWhenSoftIniIsUnusable()
{
    QVERIFY(QDir().mkpath(SoftIniPath()));  // a folder where the file should be
    TConfigForm form;
    form.show();
    QCOMPARE(messages.size(), 1);
    QCOMPARE(messages.first().caption, QStringLiteral("软件权限不足"));
    named<QPushButton>(&form, "BOK")->click();
    QCOMPARE(messages.size(), 2);
    // The message names the file that cannot be written, and gives no advice for another system.
    QVERIFY(messages.last().text.contains(SoftIniPath()));
    QVERIFY(!messages.last().text.contains(QStringLiteral("管理员")));
    QVERIFY(form.isVisible());
}

void TestMenuWindow::widthBoxesStepByDragging()
{
    TConfigForm form;
    form.show();
    named<QCheckBox>(&form, "ShowRandLabelBorder")->click();
    named<QCheckBox>(&form, "ShowImgBorder")->click();
    DragNumberEdit *box = named<DragNumberEdit>(&form, "RBorderWidth");
    sendMouse(box, QEvent::MouseButtonPress, QPoint(10, 10));
    for (int y = 10; y > -50; y -= 2)  // upwards: never below 1
        sendMouse(box, QEvent::MouseMove, QPoint(10, y));
    QCOMPARE(box->text(), QStringLiteral("1"));
    for (int i = 1; i <= 12; ++i)  // downwards: one step per six moves
        sendMouse(box, QEvent::MouseMove, QPoint(10, 100 + i));
    QCOMPARE(box->text(), QStringLiteral("3"));
    sendMouse(box, QEvent::MouseButtonRelease, QPoint(10, 112));

    // The move counter is shared, and an emptied box starts again from "1".
    DragNumberEdit *other = named<DragNumberEdit>(&form, "ImgBorderWidth");
    other->clear();
    sendMouse(other, QEvent::MouseButtonPress, QPoint(10, 10));
    sendMouse(other, QEvent::MouseMove, QPoint(10, 200));
    QCOMPARE(other->text(), QStringLiteral("1"));
    for (int i = 1; i <= 5; ++i)
        sendMouse(other, QEvent::MouseMove, QPoint(10, 200 + i));
    QCOMPARE(other->text(), QStringLiteral("2"));
    QCOMPARE(box->text(), QStringLiteral("3"));
}

void TestMenuWindow::iconPickerChoosesAndForgets()
{
    openMenu();
    sendMouse(menu->ProjIcon(1), QEvent::MouseButtonPress, QPoint(5, 5));
    whenModal<TIconsForm>([&](TIconsForm *picker) {
        QCOMPARE(picker->ChosenIndex(), -1);
        named<QPushButton>(picker, "BOK")->click();
        QCOMPARE(messages.last().caption, QStringLiteral("未选择图标"));
        QCOMPARE(messages.last().text, QStringLiteral("请选择您要使用的图标！"));
        QVERIFY(picker->isVisible());
        QTest::mousePress(picker->IconAt(137), Qt::LeftButton);
        QCOMPARE(picker->ChosenIndex(), 137);
        named<QPushButton>(picker, "BOK")->click();
    });
    menu->Menu_SetIconClick();
    QCOMPARE(menu->Catalogue().At(1).pic, 137);
    const QImage chosen = QPixmap(AppDir() + QStringLiteral("Icons/png-137.png")).toImage();
    QCOMPARE(menu->ProjIcon(1)->pixmap().toImage(), chosen);
    QCOMPARE(named<QLabel>(menu.get(), "InfoImg")->pixmap().toImage(), chosen);

    // A click beside the box takes the mark away, and with it the choice.
    whenModal<TIconsForm>([&](TIconsForm *picker) {
        QTest::mousePress(picker->IconAt(5), Qt::LeftButton);
        QTest::mousePress(picker, Qt::LeftButton, {}, QPoint(40, 390));
        QCOMPARE(named<QWidget>(picker, "SetSelBox")->x(), -150);
        named<QPushButton>(picker, "BOK")->click();
        QCOMPARE(messages.last().caption, QStringLiteral("未选择图标"));
        named<QPushButton>(picker, "BCancel")->click();
    });
    menu->Menu_SetIconClick();
    QCOMPARE(menu->Catalogue().At(1).pic, 137);

    whenModal<TIconsForm>([&](TIconsForm *picker) {
        QCOMPARE(picker->ChosenIndex(), -1);
        QCOMPARE(named<QWidget>(picker, "SetSelBox")->x(), -150);
        QTest::mousePress(picker->IconAt(3), Qt::LeftButton);
        named<QPushButton>(picker, "BCancel")->click();
    });
    menu->Menu_SetIconClick();
    QCOMPARE(menu->Catalogue().At(1).pic, 137);
    menu->close();
    QCOMPARE(fixture.EntriesOnDisk().at(1).pic, 137);
}


void TestMenuWindow::keysMoveBetweenIconsAndRunTheirCommands()
{
    openMenu();
    QApplication::setActiveWindow(menu.get());
    const int columns = menu->Columns();
    QVERIFY(columns > 1 && columns < kNames.size());
    auto focusedIcon = [this] { return QApplication::focusWidget(); };
    // Tab reaches the grid at one icon only, however many there are.
    int tabStops = 0;
    for (int i = 0; i < kNames.size(); ++i)
        tabStops += menu->ProjIcon(i)->focusPolicy() == Qt::StrongFocus;
    QCOMPARE(tabStops, 1);
    QCOMPARE(focusedIcon(), menu->ProjIcon(0));

    QTest::keyClick(focusedIcon(), Qt::Key_Right);
    QCOMPARE(focusedIcon(), menu->ProjIcon(1));
    QCOMPARE(menu->Selected(), 1);
    QCOMPARE(menu->findChild<QWidget *>(QStringLiteral("SetSelBox"))->x(), menu->ProjIcon(1)->x() - 30);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(focusedIcon());
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("乙"));
    QVERIFY(accessible->state().focused);
    QCOMPARE(menu->ProjIcon(1)->focusPolicy(), Qt::StrongFocus);

    // Down from a column the last row lacks lands on the last icon; up goes back a row.
    QTest::keyClick(focusedIcon(), Qt::Key_End);
    QTest::keyClick(focusedIcon(), Qt::Key_Up);
    const int aboveLast = kNames.size() - 1 - columns;
    QCOMPARE(focusedIcon(), menu->ProjIcon(aboveLast));
    QTest::keyClick(focusedIcon(), Qt::Key_Right);
    QTest::keyClick(focusedIcon(), Qt::Key_Down);
    QCOMPARE(focusedIcon(), menu->ProjIcon(kNames.size() - 1));
    QTest::keyClick(focusedIcon(), Qt::Key_Right);
    QCOMPARE(focusedIcon(), menu->ProjIcon(kNames.size() - 1));
    QTest::keyClick(focusedIcon(), Qt::Key_Home);
    QTest::keyClick(focusedIcon(), Qt::Key_Left);
    QCOMPARE(focusedIcon(), menu->ProjIcon(0));

    QTest::keyClick(focusedIcon(), Qt::Key_Right);
    QTest::keyClick(focusedIcon(), Qt::Key_Return);
    QCOMPARE(started, QStringList{QStringLiteral("Dellamy")});
    QCOMPARE(ReadEditProject().name, QStringLiteral("乙"));

    // The menu key and Shift+F10 open the focused icon's menu, once.
    auto *projectMenu = menu->findChild<QMenu *>(QStringLiteral("SelProjMenu"));
    for (const QKeyCombination key : {QKeyCombination(Qt::Key_Menu), QKeyCombination(Qt::SHIFT | Qt::Key_F10)}) {
        menu->ProjIcon(2)->setFocus();
        QTest::keyClick(focusedIcon(), key.key(), key.keyboardModifiers());
        QTRY_VERIFY(projectMenu->isVisible());
        QCOMPARE(menu->Selected(), 2);
        projectMenu->close();
    }

    // Delete asks first; after it the icon now in that cell has the focus.
    menu->ProjIcon(2)->setFocus();
    answer = QMessageBox::No;
    QTest::keyClick(focusedIcon(), Qt::Key_Delete);
    QCOMPARE(menu->Catalogue().Count(), kNames.size());
    answer = QMessageBox::Yes;
    QTest::keyClick(focusedIcon(), Qt::Key_Delete);
    QCOMPARE(messages.last().text, QStringLiteral("您确定要删除掉当前工程？工程删除后将无法恢复。"));
    QCOMPARE(menu->Catalogue().Count(), kNames.size() - 1);
    QVERIFY(!QFile::exists(ProjectFilePath(QStringLiteral("丙"))));
    QCOMPARE(focusedIcon(), menu->ProjIcon(2));
    QCOMPARE(menu->ProjIcon(2)->accessibleName(), QStringLiteral("丁"));
}

void TestMenuWindow::searchAndRenameHandTheKeysBackToTheGrid()
{
    openMenu(400);
    QApplication::setActiveWindow(menu.get());
    QVERIFY(QTest::qWaitForWindowActive(menu.get()));
    auto *search = named<QLineEdit>(menu.get(), "ProjSearchEdit");
    menu->ProjIcon(0)->setFocus();
    QTest::keyClick(menu->ProjIcon(0), Qt::Key_F, Qt::ControlModifier);
    QTRY_COMPARE(QApplication::focusWidget(), search);
    search->insert(QStringLiteral("辛"));
    QTest::keyClick(search, Qt::Key_Down);
    QCOMPARE(QApplication::focusWidget(), menu->ProjIcon(7));
    // Tab still reaches the grid, at an icon the search shows.
    QCOMPARE(menu->ProjIcon(7)->focusPolicy(), Qt::StrongFocus);
    QTest::keyClick(menu->ProjIcon(7), Qt::Key_F, Qt::ControlModifier);
    QTest::keyClick(search, Qt::Key_Escape);
    QVERIFY(!search->isVisible());
    QCOMPARE(QApplication::focusWidget(), menu->ProjIcon(7));

    // The last icon of a narrow window is scrolled into view on its way there.
    QTest::keyClick(menu->ProjIcon(7), Qt::Key_F2);
    auto *editor = named<QLineEdit>(menu.get(), "ProjRenameEdit");
    QCOMPARE(QApplication::focusWidget(), editor);
    editor->setText(QStringLiteral("辛二"));
    QTest::keyClick(editor, Qt::Key_Return);
    QCOMPARE(menu->Catalogue().At(7).name, QStringLiteral("辛二"));
    QCOMPARE(QApplication::focusWidget(), menu->ProjIcon(7));
    QTest::keyClick(menu->ProjIcon(7), Qt::Key_F2);
    QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(menu->Catalogue().At(7).name, QStringLiteral("辛二"));
    QCOMPARE(QApplication::focusWidget(), menu->ProjIcon(7));
    QTest::keyClick(menu->ProjIcon(7), Qt::Key_Home);
    const QWidget *grip = named<QWidget>(menu.get(), "MoveImg");
    QVERIFY(menu->ProjIcon(0)->y() >= grip->y() + grip->height());
    QTest::keyClick(menu->ProjIcon(0), Qt::Key_End);
    QVERIFY(menu->ProjIcon(7)->y() + 64 <= named<QWidget>(menu.get(), "InfoPanel")->y());
}

void TestMenuWindow::commandBarRunsFromTheKeyboard()
{
    openMenu();
    QApplication::setActiveWindow(menu.get());
    QVERIFY(QTest::qWaitForWindowActive(menu.get()));
    auto focused = [] { return QApplication::focusWidget(); };
    auto command = [this](const char *name) {
        return named<QAbstractButton>(menu.get(), (QLatin1String(name) + QLatin1String("Button")).toLatin1().constData());
    };
    // One tab stop after the grid, on the first command; the arrows keep to the bar's ends.
    QTest::keyClick(menu->ProjIcon(0), Qt::Key_Tab);
    QCOMPARE(focused(), command("GoShowApp"));
    QTest::keyClick(focused(), Qt::Key_Left);
    QCOMPARE(focused(), command("GoShowApp"));
    QTest::keyClick(focused(), Qt::Key_End);
    QTest::keyClick(focused(), Qt::Key_Right);
    QCOMPARE(focused(), command("GoAsk"));
    QTest::keyClick(focused(), Qt::Key_Home);
    QTest::keyClick(focused(), Qt::Key_Right);
    QTest::keyClick(focused(), Qt::Key_Right);
    QCOMPARE(focused(), command("GoProjManage"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(focused());
    QCOMPARE(accessible->role(), QAccessible::Button);
    QCOMPARE(accessible->text(QAccessible::Name), QStringLiteral("导入/导出工程"));
    QVERIFY(accessible->state().focused);

    // Enter, Space and a screen reader's press each run the command once.
    QTest::keyClick(focused(), Qt::Key_Return);
    QCOMPARE(started, QStringList{QStringLiteral("Ostrel")});
    QTest::keyClick(focused(), Qt::Key_Right);
    QTest::keyClick(focused(), Qt::Key_Space);
    QTRY_VERIFY(named<QLineEdit>(menu.get(), "ProjSearchEdit")->isVisible());
    QAccessibleInterface *help = QAccessible::queryAccessibleInterface(command("GoHelp"));
    help->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(started.size(), 2);  // a press is an animated click
    QVERIFY(started.last().endsWith(QStringLiteral("帮助文档.html")));

    // Shift+Tab goes back to the grid; Tab returns to the command last used.
    command("GoProjSearch")->setFocus();
    QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(focused(), menu->ProjIcon(0));
    QTest::keyClick(focused(), Qt::Key_Tab);
    QCOMPARE(focused(), command("GoProjSearch"));

    // Slid out of sight, the bar gives the focus back to the grid and Tab passes it by.
    menu->MoveImgClick();
    QTRY_VERIFY(!menu->MenuShown());
    QCOMPARE(focused(), menu->ProjIcon(0));
    for (int press = 0; press < 10; ++press) {
        QTest::keyClick(focused(), Qt::Key_Tab);
        QVERIFY(!named<QWidget>(menu.get(), "MenuPanel")->isAncestorOf(focused()));
    }
}

QTEST_MAIN(TestMenuWindow)
#include "test_menu_window.moc"
