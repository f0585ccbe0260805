// The design window driven through its canvas, handles and menus: moves and resizes
// with the alignment rules, remarks, the box refusal, undo and redo, the close
// question, the save read back through the model, and the drawing window showing the
// saved design as the canvas showed it.
#include "apppaths.h"
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "handoff.h"
#include "messagerecorder.h"
#include "randform.h"
#include "readablecolours.h"
#include "tdesignform.h"
#include "veditform.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUndoStack>
#include <QtTest>

namespace {

const QString kProject = QStringLiteral("设计测试");

QDomDocument RollCallDocument()
{
    QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/2.RandName.xml"));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName());
}

// Mouse events with the global position taken from where the widget stood at the
// press: a handle moves with the pointer, so its own later mapping would drift.
void SendMouse(QWidget *widget, QEvent::Type type, const QPoint &local, Qt::MouseButtons held, const QPoint &origin)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), QPointF(origin + local), button, held, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
}

// Press at `from`, move to `to` with the button held, release there.
void Drag(QWidget *widget, const QPoint &from, const QPoint &to)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    SendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton, origin);
    SendMouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton, origin);
    SendMouse(widget, QEvent::MouseMove, to, Qt::LeftButton, origin);
    SendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton, origin);
}

void Click(QWidget *widget, const QPoint &point)
{
    const QPoint origin = widget->mapToGlobal(QPoint(0, 0));
    SendMouse(widget, QEvent::MouseButtonPress, point, Qt::LeftButton, origin);
    SendMouse(widget, QEvent::MouseButtonRelease, point, Qt::NoButton, origin);
}

QStringList RemarkCaptions(const FormSection &form)
{
    QStringList captions;
    for (const RemarkLabel &remark : form.remarks)
        captions << remark.caption;
    return captions;
}

} // namespace

class DesignCanvasTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void loadsTheDesignAsStored();
    void centredTitleDraggedSidewaysStays();
    void handlesResizeByAlignment();
    void alignmentAndFormatRows();
    void windowSizeAndPlacement();
    void centredWindowStaysWhereMovedWhileEditing();
    void saveWarnsWhenTheStopButtonFallsOutside();
    void loadSaysWhichPictureOrMusicCannotBeUsed();
    void hoverFrameNeverMarksAnOldPlace();
    void valueEditorComesBackAfterItsCloseBox();
    void remarksKeepTheirOrder();
    void refusesToDeleteTheLastBox();
    void switchesResultBoxKind();
    void boxesTheCanvasMakesAreReadable();
    void pictureProjectHasItsOwnObjects();
    void undoesAndRedoesEveryKindOfEdit();
    void closeQuestion_data();
    void closeQuestion();
    void extraButtonPositioning();
    void savedDesignReadsBackThroughTheModel();
    void drawingWindowShowsTheSavedDesign();
    void keysStepThroughMoveAndResizeObjects();

private:
    void Open();
    // Stores the roll-call document as `edit` changes it and opens the design again.
    void Reopen(const std::function<void(QDomElement)> &edit);
    QAction *Action(const char *name) const { return m_form->findChild<QAction *>(QString::fromLatin1(name)); }
    QPoint CentreOf(QWidget *widget) const { return widget->geometry().center(); }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<TDesignForm> m_form;
};

void DesignCanvasTest::initTestCase()
{
    QVERIFY(BindCodec(SUITE_APP_DIR));
}

void DesignCanvasTest::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    SetAppDir(m_dir->path());
    QDir(m_dir->path()).mkpath(QStringLiteral("Data/Projects"));
    const QDomDocument document = RollCallDocument();
    QVERIFY(!document.isNull());
    SaveEncodedDocument(document, ProjectFilePath(kProject));
    Open();
}

void DesignCanvasTest::cleanup()
{
    if (m_form)
        m_form->UndoStack()->setClean(); // no close question while tearing down
    m_form.reset();
}

void DesignCanvasTest::Open()
{
    m_form = std::make_unique<TDesignForm>(kProject);
    m_form->show();
    QVERIFY(m_form->Form().title.caption == QStringLiteral("课堂随机点名"));
}

void DesignCanvasTest::Reopen(const std::function<void(QDomElement)> &edit)
{
    QDomDocument document = RollCallDocument();
    edit(document.documentElement());
    SaveEncodedDocument(document, ProjectFilePath(kProject));
    m_form->UndoStack()->setClean();
    Open();
}

void DesignCanvasTest::loadsTheDesignAsStored()
{
    DesignCanvas *canvas = m_form->Canvas();
    QCOMPARE(canvas->size(), QSize(800, 560));
    QCOMPARE(canvas->TitleLabel->geometry(), QRect(40, 18, 720, 46));
    QVERIFY(canvas->TitleLabel->alignment() & Qt::AlignHCenter);
    QVERIFY(canvas->RandBoxLabel->isVisible());
    QVERIFY(!canvas->RandBoxEdit->isVisible());
    QVERIFY(canvas->RandRecordMemo->isVisible());
    // The draw button is centred whatever Left says.
    QCOMPARE(canvas->GoRandButton->geometry(), QRect(300, 484, 200, 52));
    QCOMPARE(canvas->GoRandButton->text(), QStringLiteral("开始点名"));
    QCOMPARE(canvas->Remarks.size(), 2);
    QVERIFY(Action("RBUseLabel")->isChecked());
    QVERIFY(Action("RRUseMemo")->isChecked());
    QCOMPARE(Action("ShortCutLabel")->text(), QStringLiteral("当前快捷键：F2"));
    QVERIFY(!m_form->findChild<QMenu *>(QStringLiteral("PicNameMenu"))->menuAction()->isVisible());
    QCOMPARE(m_form->ValueEditor()->Requirer(), QStringLiteral("DesignPage"));
    QCOMPARE(m_form->ValueEditor()->Heading(), QStringLiteral("窗体"));
    QVERIFY(!m_form->IsModified());
}

void DesignCanvasTest::centredTitleDraggedSidewaysStays()
{
    DesignCanvas *canvas = m_form->Canvas();
    const QPoint start = CentreOf(canvas->TitleLabel);
    Drag(canvas, start, start + QPoint(60, 0));
    QCOMPARE(canvas->TitleLabel->geometry(), QRect(40, 18, 720, 46));
    QVERIFY(!m_form->IsModified());
    QCOMPARE(m_form->ValueEditor()->Heading(), QStringLiteral("标题"));

    Drag(canvas, start, start + QPoint(45, 25));
    QCOMPARE(canvas->TitleLabel->geometry(), QRect(40, 43, 720, 46));
    QCOMPARE(m_form->Form().title.position.top, 43);
    QCOMPARE(m_form->ValueEditor()->Value(QStringLiteral("位置Y")), QStringLiteral("43"));
    QVERIFY(m_form->IsModified());

    // An object with its own place moves both ways; the selection follows it.
    Action("RBUseEdit")->trigger(); // the edit box is "自定义"
    const QRect edit = canvas->RandBoxEdit->geometry();
    Drag(canvas, CentreOf(canvas->RandBoxEdit), CentreOf(canvas->RandBoxEdit) + QPoint(-20, 7));
    QCOMPARE(canvas->RandBoxEdit->geometry(), edit.translated(-20, 7));
    auto *handle = canvas->findChild<QWidget *>(QStringLiteral("SizedLeftTop"));
    QCOMPARE(handle->pos(), edit.translated(-20, 7).topLeft() - QPoint(8, 8));
}

void DesignCanvasTest::handlesResizeByAlignment()
{
    DesignCanvas *canvas = m_form->Canvas();
    Click(canvas, CentreOf(canvas->TitleLabel));
    auto *right = canvas->findChild<QWidget *>(QStringLiteral("SizedRightMiddle"));
    QVERIFY(right && right->isVisible());
    Drag(right, QPoint(4, 4), QPoint(14, 4));
    QCOMPARE(canvas->TitleLabel->geometry(), QRect(30, 18, 740, 46));
    QCOMPARE(m_form->Form().title.position.width, 740);
    QCOMPARE(m_form->ValueEditor()->Value(QStringLiteral("宽度")), QStringLiteral("740"));
    QCOMPARE(right->pos(), QPoint(770, 18 + 23 - 4));

    // Left-aligned: the left handle changes nothing.
    m_form->SelectObject({DesignPart::GoRandButton, -1});
    auto *align = qobject_cast<QComboBox *>(m_form->ValueEditor()->ValueEditor(QStringLiteral("对齐方式")));
    align->setCurrentText(QStringLiteral("左对齐"));
    emit align->activated(align->currentIndex());
    QCOMPARE(canvas->GoRandButton->geometry(), QRect(0, 484, 200, 52));
    auto *left = canvas->findChild<QWidget *>(QStringLiteral("SizedLeftMiddle"));
    Drag(left, QPoint(4, 4), QPoint(24, 4));
    QCOMPARE(canvas->GoRandButton->geometry(), QRect(0, 484, 200, 52));

    // The bottom handle works for every alignment.
    Drag(canvas->findChild<QWidget *>(QStringLiteral("SizedMiddleBottom")), QPoint(4, 4), QPoint(4, 12));
    QCOMPARE(canvas->GoRandButton->geometry(), QRect(0, 484, 200, 60));
}

void DesignCanvasTest::alignmentAndFormatRows()
{
    DesignCanvas *canvas = m_form->Canvas();
    Click(canvas, CentreOf(canvas->TitleLabel));
    TDVEditorForm *editor = m_form->ValueEditor();
    auto *align = qobject_cast<QComboBox *>(editor->ValueEditor(QStringLiteral("对齐方式")));
    align->setCurrentText(QStringLiteral("右对齐"));
    emit align->activated(align->currentIndex());
    QCOMPARE(canvas->TitleLabel->geometry().left(), 800 - 720);
    QVERIFY(canvas->TitleLabel->alignment() & Qt::AlignRight);
    // "自定义" keeps the title where it stands.
    align = qobject_cast<QComboBox *>(editor->ValueEditor(QStringLiteral("对齐方式")));
    align->setCurrentText(QStringLiteral("自定义"));
    emit align->activated(align->currentIndex());
    QCOMPARE(canvas->TitleLabel->geometry().left(), 80);

    auto *caption = qobject_cast<QLineEdit *>(editor->ValueEditor(QStringLiteral("标题")));
    caption->setFocus();
    caption->end(false);
    QTest::keyClicks(caption, QStringLiteral("!!"));
    QCOMPARE(canvas->TitleLabel->text(), QStringLiteral("课堂随机点名!!"));
    // The row typed into is still the one the user types into.
    QCOMPARE(editor->ValueEditor(QStringLiteral("标题")), caption);
    // Both keystrokes are one undo step.
    m_form->UndoStack()->undo();
    QCOMPARE(canvas->TitleLabel->text(), QStringLiteral("课堂随机点名"));
}

void DesignCanvasTest::windowSizeAndPlacement()
{
    DesignCanvas *canvas = m_form->Canvas();
    m_form->resize(m_form->width() + 100, m_form->height());
    QCOMPARE(canvas->width(), 900);
    QCOMPARE(m_form->Form().window.width, 900);
    // Aligned objects keep their alignment in the wider window.
    QCOMPARE(canvas->TitleLabel->geometry().left(), 90);
    QCOMPARE(canvas->GoRandButton->geometry().left(), 350);
    QVERIFY(m_form->IsModified());
    m_form->UndoStack()->undo();
    QCOMPARE(canvas->width(), 800);
    QCOMPARE(canvas->TitleLabel->geometry().left(), 40);

    m_form->SelectObject({});
    auto choose = [this](const QString &value) {
        auto *align = qobject_cast<QComboBox *>(m_form->ValueEditor()->ValueEditor(QStringLiteral("对齐方式")));
        align->setCurrentText(value);
        emit align->activated(align->currentIndex());
    };
    m_form->move(30, 40);
    choose(QStringLiteral("自定义"));
    QCOMPARE(m_form->Form().window.align, QStringLiteral("自定义"));
    QCOMPARE(QPoint(m_form->Form().window.left, m_form->Form().window.top), m_form->pos());
    choose(QStringLiteral("居中"));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = m_form->frameGeometry().size();
    QCOMPARE(m_form->pos(), QPoint(screen.width() / 2 - outer.width() / 2, screen.height() / 2 - outer.height() / 2));
}

void DesignCanvasTest::centredWindowStaysWhereMovedWhileEditing()
{
    QCOMPARE(m_form->Form().window.align, QStringLiteral("居中"));
    m_form->move(12, 16);
    const QPoint moved = m_form->pos();
    const QPoint start = CentreOf(m_form->Canvas()->TitleLabel);
    Drag(m_form->Canvas(), start, start + QPoint(0, 20));
    QVERIFY(m_form->IsModified());
    m_form->UndoStack()->undo();
    QCOMPARE(m_form->pos(), moved);
}

// Saves of designs whose separate stop button the drawing window could not show.
void DesignCanvasTest::saveWarnsWhenTheStopButtonFallsOutside()
{
    Reopen([](QDomElement root) {
        root.firstChildElement("Animate").firstChildElement("InRand").firstChildElement("RandStopSet")
            .firstChildElement("StopByButton").setAttribute("Type", "ExtraButton"); // at (660,490) 120×44
    });
    MessageRecorder messages;
    QVERIFY(m_form->SaveDesign());
    QVERIFY(messages.texts.isEmpty());
    m_form->resize(600, m_form->height());
    QVERIFY(m_form->SaveDesign());
    QCOMPARE(messages.captions, QStringList{QStringLiteral("停止按钮不可见")});
    QVERIFY(!m_form->IsModified()); // saved all the same
}

void DesignCanvasTest::loadSaysWhichPictureOrMusicCannotBeUsed()
{
    QFile notMusic(AppDir() + "说明.txt");
    QVERIFY(notMusic.open(QIODevice::WriteOnly) && notMusic.write("not a song\n") > 0);
    notMusic.close();
    MessageRecorder messages;
    Reopen([](QDomElement root) {
        QDomElement background = root.firstChildElement("Form").firstChildElement("Background");
        background.setAttribute("Type", "BgOfPic");
        background.setAttribute("Color", "[Application]Img/不在这里.jpg|Stretch");
        background.setAttribute("MusicType", "Path");
        background.setAttribute("MusicPath", "[Application]说明.txt");
    });
    QCOMPARE(messages.texts, QStringList{"背景图片无法读取：" + AppDir() + "Img/不在这里.jpg（文件不存在）\n"
                                         "背景音乐无法播放：" + AppDir() + "说明.txt（不是音乐文件）"});
    // The stored values stay.
    QCOMPARE(m_form->Form().background.fill.picturePath, AppDir() + "Img/不在这里.jpg");
    QCOMPARE(m_form->Form().background.musicPaths, QStringList{AppDir() + "说明.txt"});
}

void DesignCanvasTest::hoverFrameNeverMarksAnOldPlace()
{
    DesignCanvas *canvas = m_form->Canvas();
    auto *top = canvas->findChild<QLabel *>(QStringLiteral("DottedTop"));
    auto hover = [&](QWidget *object) {
        SendMouse(canvas, QEvent::MouseMove, CentreOf(object), Qt::NoButton, canvas->mapToGlobal(QPoint(0, 0)));
        QVERIFY(top->isVisible());
    };
    hover(canvas->RandRecordMemo);
    Action("RRDelete")->trigger();
    QVERIFY(!top->isVisible());
    hover(canvas->TitleLabel);
    m_form->SelectObject({DesignPart::Title, -1});
    Drag(canvas->findChild<QWidget *>(QStringLiteral("SizedMiddleBottom")), QPoint(4, 4), QPoint(4, 24));
    QVERIFY(!top->isVisible());
}

void DesignCanvasTest::valueEditorComesBackAfterItsCloseBox()
{
    TDVEditorForm *editor = m_form->ValueEditor();
    editor->close();
    Click(m_form->Canvas(), CentreOf(m_form->Canvas()->TitleLabel));
    QVERIFY(editor->isVisible());
    QCOMPARE(editor->Heading(), QStringLiteral("标题"));
    editor->close();
    Action("ShowValueEditor")->trigger();
    QVERIFY(editor->isVisible());
    QVERIFY(m_form->screen()->availableGeometry().contains(editor->frameGeometry()));
}

void DesignCanvasTest::remarksKeepTheirOrder()
{
    DesignCanvas *canvas = m_form->Canvas();
    MessageRecorder messages;
    for (int i = 0; i < 3; ++i) {
        Action("AddRemark")->trigger();
        Click(canvas, QPoint(10 + 150 * i, 475));
    }
    QCOMPARE(messages.texts.size(), 3);
    QCOMPARE(messages.captions.first(), QStringLiteral("创建备注"));
    QCOMPARE(RemarkCaptions(m_form->Form()),
             (QStringList{"点到的同学请起立回答", "按 F2 也可以开始", "备注3", "备注4", "备注5"}));
    QCOMPARE(canvas->Remarks.at(2)->pos(), QPoint(10, 475));
    QCOMPARE(canvas->Remarks.at(2)->font().pointSize(), m_form->Form().title.font.size - 2);

    Click(canvas, CentreOf(canvas->Remarks.at(2)));
    QCOMPARE(m_form->ValueEditor()->Heading(), QStringLiteral("备注3"));
    Action("DelRemark")->trigger();
    QCOMPARE(RemarkCaptions(m_form->Form()), (QStringList{"点到的同学请起立回答", "按 F2 也可以开始", "备注4", "备注5"}));
    QCOMPARE(canvas->Remarks.size(), 4);

    while (m_form->Form().remarks.size() < 10) {
        QVERIFY(Action("AddRemark")->isEnabled());
        Action("AddRemark")->trigger();
        Click(canvas, QPoint(10, 300));
    }
    QVERIFY(!Action("AddRemark")->isEnabled());
    Action("DelRemark")->trigger();
    QVERIFY(Action("AddRemark")->isEnabled());
    QCOMPARE(m_form->Form().remarks.size(), 9);
}

void DesignCanvasTest::refusesToDeleteTheLastBox()
{
    Action("RRDelete")->trigger();
    QVERIFY(!m_form->Canvas()->RandRecordMemo->isVisible());
    QVERIFY(m_form->findChild<QMenu *>(QStringLiteral("RRAdd"))->isEnabled());
    const FormSection before = m_form->Form();
    MessageRecorder messages;
    Action("RBDelete")->trigger();
    QCOMPARE(messages.captions, QStringList{QStringLiteral("操作无效")});
    QCOMPARE(messages.texts, QStringList{QStringLiteral("您必须保留生成框和记录框中的一个，否则将无法生成随机数！")});
    QVERIFY(m_form->Form() == before);
    QVERIFY(m_form->Canvas()->RandBoxLabel->isVisible());

    // The record box comes back as a label where it stood.
    Action("RRAddLabel")->trigger();
    QVERIFY(m_form->Canvas()->RandRecordLabel->isVisible());
    QCOMPARE(m_form->Canvas()->RandRecordLabel->geometry(), QRect(60, 208, 680, 258));
}

void DesignCanvasTest::switchesResultBoxKind()
{
    DesignCanvas *canvas = m_form->Canvas();
    m_form->SelectObject({DesignPart::RandBox, -1});
    QCOMPARE(m_form->ValueEditor()->Heading(), QStringLiteral("标签式生成框"));
    Action("RBUseEdit")->trigger();
    QVERIFY(canvas->RandBoxEdit->isVisible() && !canvas->RandBoxLabel->isVisible());
    QCOMPARE(canvas->RandBoxEdit->geometry(), QRect(60, 82, 680, 110));
    QCOMPARE(canvas->RandBoxEdit->text(), QStringLiteral("#随机数#"));
    QCOMPARE(m_form->Form().randBox.position.align, QStringLiteral("自定义"));
    QVERIFY(Action("RBUseEdit")->isChecked() && !Action("RBUseLabel")->isChecked());
    QCOMPARE(m_form->ValueEditor()->Heading(), QStringLiteral("文本框式生成框"));
}

void DesignCanvasTest::boxesTheCanvasMakesAreReadable()
{
    // White results read on the dark window, not in a white edit box; the dark record
    // reads in its memo, not on the dark window.
    Reopen([](QDomElement root) {
        QDomElement form = root.firstChildElement("Form");
        form.firstChildElement("Background").setAttribute("Color", "40,50,70,0|20,30,60,100|Vert");
        form.firstChildElement("RandBox").setAttribute("Font", "255,255,255|微软雅黑|fsBold|48");
        form.firstChildElement("RandBox").setAttribute("Color", "255,255,255");
    });
    Action("RBUseEdit")->trigger();
    const ResultBox edit = m_form->Form().randBox;
    QVERIFY(ContrastRatio(edit.font.colour, edit.colour) >= kReadableContrast);
    Action("RRDelete")->trigger();
    Action("RRAddLabel")->trigger();
    for (const Rgb &ground : WindowBackdrop(m_form->Form().background.fill))
        QVERIFY(ContrastRatio(m_form->Form().randRecord.font.colour, ground) >= kReadableContrast);
}

void DesignCanvasTest::pictureProjectHasItsOwnObjects()
{
    QFile file(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/5.RandImages.xml"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    SaveEncodedDocument(ParseXmlText(QString::fromUtf8(file.readAll()), file.fileName()),
                        ProjectFilePath(QStringLiteral("图片")));
    TDesignForm form(QStringLiteral("图片"));
    form.show();
    QVERIFY(form.IsPictureProject());
    DesignCanvas *canvas = form.Canvas();
    QVERIFY(canvas->RandPic->isVisible());
    QVERIFY(form.findChild<QMenu *>(QStringLiteral("PicNameMenu"))->menuAction()->isVisible());
    QVERIFY(!form.findChild<QMenu *>(QStringLiteral("RandBoxMenu"))->menuAction()->isVisible());

    form.SelectObject({DesignPart::PictureName, -1});
    auto *format = qobject_cast<QComboBox *>(form.ValueEditor()->ValueEditor(QStringLiteral("格式")));
    QVERIFY(format);
    format->setCurrentText(QStringLiteral("完整的图片路径"));
    emit format->activated(format->currentIndex());
    QCOMPARE(canvas->PicNameLabel->text(), QStringLiteral("显示图片名称格式：完整的图片路径"));

    form.SelectObject({DesignPart::Picture, -1});
    QCOMPARE(form.ValueEditor()->Heading(), QStringLiteral("随机图片框"));
    auto *interval = qobject_cast<QLineEdit *>(form.ValueEditor()->ValueEditor(QStringLiteral("播放间隔")));
    interval->clear();
    QTest::keyClicks(interval, QStringLiteral("8o0"));
    QCOMPARE(form.Form().picture.interval, QStringLiteral("80"));

    form.findChild<QAction *>(QStringLiteral("ShowPicName"))->trigger();
    QVERIFY(!canvas->PicNameLabel->isVisible());
    QVERIFY(form.SaveDesign());
    const FormSection stored =
        ReadFormSection(LoadEncodedDocument(ProjectFilePath(QStringLiteral("图片"))), true);
    QVERIFY(stored == form.Form());
    QCOMPARE(stored.pictureName.type, QStringLiteral("完整的图片路径"));
    QVERIFY(!stored.pictureName.visible);
}

void DesignCanvasTest::undoesAndRedoesEveryKindOfEdit()
{
    DesignCanvas *canvas = m_form->Canvas();
    QUndoStack *undo = m_form->UndoStack();
    const FormSection original = m_form->Form();

    Drag(canvas, CentreOf(canvas->RandRecordMemo), CentreOf(canvas->RandRecordMemo) + QPoint(0, 10)); // move
    const FormSection moved = m_form->Form();
    Drag(canvas->findChild<QWidget *>(QStringLiteral("SizedMiddleBottom")), QPoint(4, 4), QPoint(4, -16)); // resize
    const FormSection resized = m_form->Form();
    QCOMPARE(resized.randRecord.position.height, 238);
    auto *format = qobject_cast<QLineEdit *>(m_form->ValueEditor()->ValueEditor(QStringLiteral("格式")));
    QTest::keyClick(format, Qt::Key_X); // property
    QCOMPARE(canvas->RandRecordMemo->toPlainText(), QStringLiteral("#随机数#x"));
    QCOMPARE(undo->count(), 3);

    undo->undo();
    QVERIFY(m_form->Form() == resized);
    QCOMPARE(canvas->RandRecordMemo->toPlainText(), QStringLiteral("#随机数#"));
    undo->undo();
    QVERIFY(m_form->Form() == moved);
    QCOMPARE(canvas->RandRecordMemo->height(), 258);
    undo->undo();
    QVERIFY(m_form->Form() == original);
    QCOMPARE(canvas->RandRecordMemo->geometry(), QRect(60, 208, 680, 258));
    QVERIFY(!m_form->IsModified());

    Action("RedoDesign")->trigger();
    Action("RedoDesign")->trigger();
    QVERIFY(m_form->Form() == resized);
    QCOMPARE(canvas->RandRecordMemo->geometry(), QRect(60, 218, 680, 238));
    QVERIFY(m_form->IsModified());
    QVERIFY(m_form->SaveDesign());
    QVERIFY(!m_form->IsModified());
    undo->undo(); // back past the save: there is something to save again
    QVERIFY(m_form->IsModified());
}

void DesignCanvasTest::closeQuestion_data()
{
    QTest::addColumn<bool>("modified");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("closes");
    QTest::addColumn<bool>("saved");
    QTest::newRow("unmodified: no question") << false << int(QMessageBox::Cancel) << true << false;
    QTest::newRow("yes saves and closes") << true << int(QMessageBox::Yes) << true << true;
    QTest::newRow("no closes without saving") << true << int(QMessageBox::No) << true << false;
    QTest::newRow("cancel keeps the window") << true << int(QMessageBox::Cancel) << false << false;
}

void DesignCanvasTest::closeQuestion()
{
    QFETCH(bool, modified);
    QFETCH(int, answer);
    QFETCH(bool, closes);
    QFETCH(bool, saved);
    WriteDesignSender(kProject);
    if (modified)
        Action("UseGoRandButton")->trigger();
    QSignalSpy closed(m_form.get(), &TDesignForm::DesignClosed);
    MessageRecorder messages(static_cast<QMessageBox::StandardButton>(answer));
    m_form->close();
    QCOMPARE(messages.texts.size(), modified ? 1 : 0);
    if (modified) {
        QCOMPARE(messages.texts.first(), QStringLiteral("当前工程已编辑，是否保存已编辑的内容？"));
        QCOMPARE(messages.captions.first(), QStringLiteral("提示"));
    }
    QCOMPARE(closed.count(), closes ? 1 : 0);
    QCOMPARE(m_form->isVisible(), !closes);
    QCOMPARE(ReadDesignSender().isEmpty(), closes);
    if (!closes)
        QCOMPARE(m_form->Canvas()->Remarks.size(), 2);
    const FormSection stored = ReadFormSection(LoadEncodedDocument(ProjectFilePath(kProject)), false);
    QCOMPARE(stored.goRandButton.enabled, !saved);
}

void DesignCanvasTest::extraButtonPositioning()
{
    DesignCanvas *canvas = m_form->Canvas();
    QPoint placed(-1, -1);
    m_form->BeginExtraButtonPositioning([&placed](int x, int y) { placed = QPoint(x, y); });
    QCOMPARE(canvas->cursor().shape(), Qt::CrossCursor);
    const QRect title = canvas->TitleLabel->geometry();
    Click(canvas, title.topLeft() + QPoint(120, 20)); // on an object: object left + x, top + y
    QCOMPARE(placed, title.topLeft() + QPoint(120, 20));
    QCOMPARE(canvas->cursor().shape(), Qt::ArrowCursor);
    // The button designer had the value editor meanwhile; the canvas takes it back.
    m_form->ValueEditor()->SetRequirer(QStringLiteral("ExtraButtonPage"));
    m_form->ValueEditor()->ClearRows();
    m_form->ShowInValueEditor();
    QCOMPARE(m_form->ValueEditor()->Requirer(), QStringLiteral("DesignPage"));
    QVERIFY(m_form->ValueEditor()->Target());
    // The mode is over: the next press selects again and moves nothing.
    placed = QPoint(-1, -1);
    Click(canvas, QPoint(120, 340));
    QCOMPARE(placed, QPoint(-1, -1));
    QVERIFY(!m_form->IsModified());
}

void DesignCanvasTest::savedDesignReadsBackThroughTheModel()
{
    DesignCanvas *canvas = m_form->Canvas();
    Drag(canvas, CentreOf(canvas->TitleLabel), CentreOf(canvas->TitleLabel) + QPoint(0, 6));
    Action("RBUseEdit")->trigger();
    Drag(canvas, CentreOf(canvas->RandBoxEdit), CentreOf(canvas->RandBoxEdit) + QPoint(15, -4));
    Action("RRUseLabel")->trigger();
    Action("UseShortCut")->trigger(); // off
    Action("UseShortCut")->trigger(); // on again
    Action("ChangeShortCut")->trigger();
    auto *keys = m_form->findChild<TVEditForm *>(QStringLiteral("TVEditForm"));
    QVERIFY(keys && keys->isVisible());
    auto *key = qobject_cast<QComboBox *>(keys->ValueEditor(QStringLiteral("快捷键")));
    QCOMPARE(key->count(), 24);
    QVERIFY(!key->isEditable());
    key->setCurrentText(QStringLiteral("Shift+F5"));
    keys->findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    QCOMPARE(Action("ShortCutLabel")->text(), QStringLiteral("当前快捷键：Shift+F5"));
    {
        MessageRecorder messages;
        Action("AddRemark")->trigger();
        Click(canvas, QPoint(600, 20));
    }
    QVERIFY(m_form->SaveDesign());

    const QDomDocument document = LoadEncodedDocument(ProjectFilePath(kProject));
    const FormSection stored = ReadFormSection(document, false);
    QVERIFY(stored == m_form->Form());
    QVERIFY(!FindChildElement(document.documentElement(), QStringLiteral("Version"))
                 .attribute(QStringLiteral("EditTime"))
                 .isEmpty());
    // Every value read back is what the canvas showed.
    auto shownAt = [&stored](const Position &position) {
        return QRect(PlacedLeft(position, stored.window.width), position.top, position.width, position.height);
    };
    QCOMPARE(shownAt(stored.title.position), canvas->TitleLabel->geometry());
    QCOMPARE(shownAt(stored.randBox.position), canvas->RandBoxEdit->geometry());
    QCOMPARE(stored.randBox.type, QStringLiteral("Edit"));
    QCOMPARE(shownAt(stored.randRecord.position), canvas->RandRecordLabel->geometry());
    QCOMPARE(stored.randRecord.type, QStringLiteral("Label"));
    QCOMPARE(shownAt(stored.goRandButton.position), canvas->GoRandButton->geometry());
    QCOMPARE(stored.goRandShortCut.shortCut, QStringLiteral("Shift+F5"));
    QVERIFY(stored.goRandShortCut.enabled);
    QCOMPARE(stored.remarks.size(), 3);
    QCOMPARE(stored.remarks.last().caption, QStringLiteral("备注3"));
    QCOMPARE(shownAt(stored.remarks.last().position), canvas->Remarks.last()->geometry());
    QCOMPARE(QSize(stored.window.width, stored.window.height), canvas->size());
    // The runtime's own settings in the record box stay.
    QCOMPARE(FindChildElement(FindChildElement(document.documentElement(), QStringLiteral("Form")),
                              QStringLiteral("RandRecord"))
                 .attribute(QStringLiteral("SortDir")),
             QStringLiteral("Upper"));
}

void DesignCanvasTest::drawingWindowShowsTheSavedDesign()
{
    DesignCanvas *canvas = m_form->Canvas();
    Drag(canvas, CentreOf(canvas->TitleLabel), CentreOf(canvas->TitleLabel) + QPoint(0, 12));
    Action("RBUseEdit")->trigger();
    Drag(canvas, CentreOf(canvas->RandBoxEdit), CentreOf(canvas->RandBoxEdit) + QPoint(-30, 5));
    Drag(canvas->findChild<QWidget *>(QStringLiteral("SizedRightBottom")), QPoint(4, 4), QPoint(-16, 14));
    Click(canvas, CentreOf(canvas->Remarks.first()));
    Drag(canvas, CentreOf(canvas->Remarks.first()), CentreOf(canvas->Remarks.first()) + QPoint(-100, -30));
    QVERIFY(m_form->SaveDesign());

    WriteEditProject(0, kProject);
    TRandForm runtime;
    QCOMPARE(runtime.FormShow(), TRandForm::StartupOutcome::Shown);
    QCOMPARE(runtime.size(), canvas->size());
    QCOMPARE(runtime.TitleLabel->geometry(), canvas->TitleLabel->geometry());
    QVERIFY(runtime.RandBoxEdit);
    QCOMPARE(runtime.RandBoxEdit->geometry(), canvas->RandBoxEdit->geometry());
    QCOMPARE(runtime.RandRecordMemo->geometry(), canvas->RandRecordMemo->geometry());
    QCOMPARE(runtime.GoRandButton->geometry(), canvas->GoRandButton->geometry());
    QCOMPARE(runtime.GoRandButton->text(), canvas->GoRandButton->text());
    const QList<QLabel *> remarks = runtime.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^Remark\\d+$")));
    QCOMPARE(remarks.size(), canvas->Remarks.size());
    for (QLabel *remark : remarks) {
        const int index = remark->objectName().mid(6).toInt() - 1;
        QCOMPARE(remark->geometry(), canvas->Remarks.at(index)->geometry());
        QCOMPARE(remark->text(), canvas->Remarks.at(index)->text());
    }
    runtime.close();
}

void DesignCanvasTest::keysStepThroughMoveAndResizeObjects()
{
    DesignCanvas *canvas = m_form->Canvas();
    QUndoStack *undo = m_form->UndoStack();
    const FormSection original = m_form->Form();
    canvas->setFocus();
    const QVector<DesignObject> order = ShownObjects(m_form->Form(), false);
    QVERIFY(order.size() >= 3);
    QTest::keyClick(canvas, Qt::Key_Tab);
    QCOMPARE(m_form->Selected(), order.first());
    QTest::keyClick(canvas, Qt::Key_Tab);
    QCOMPARE(m_form->Selected(), order.at(1));
    QTest::keyClick(canvas, Qt::Key_Backtab, Qt::ShiftModifier);
    QTest::keyClick(canvas, Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(m_form->Selected(), order.last());
    QCOMPARE(QApplication::focusWidget() ? QApplication::focusWidget() : canvas, canvas);

    // Three presses and a Shift press held in one run: one undo step, the rows following.
    m_form->SelectObject({DesignPart::RandRecord});
    const QRect start = canvas->RandRecordMemo->geometry();
    for (int i = 0; i < 3; ++i)
        QTest::keyPress(canvas, Qt::Key_Down);
    QCOMPARE(m_form->ValueEditor()->Value(QStringLiteral("位置Y")), QString::number(start.top() + 3));
    QTest::keyPress(canvas, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyRelease(canvas, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(undo->count(), 1);
    QCOMPARE(m_form->Form().randRecord.position.top, start.top() + 13);
    QCOMPARE(canvas->RandRecordMemo->geometry(), start.translated(0, 13));

    QTest::keyClick(canvas, Qt::Key_Right, Qt::ShiftModifier | Qt::ControlModifier);
    QTest::keyClick(canvas, Qt::Key_Up, Qt::ShiftModifier | Qt::ControlModifier);
    QCOMPARE(undo->count(), 3);
    QCOMPARE(m_form->Form().randRecord.position.height, start.height() - 1);
    QCOMPARE(m_form->ValueEditor()->Value(QStringLiteral("高度")), QString::number(start.height() - 1));
    undo->undo();
    undo->undo();
    QCOMPARE(canvas->RandRecordMemo->size(), start.size());
    undo->undo();
    QVERIFY(m_form->Form() == original);
    QCOMPARE(canvas->RandRecordMemo->geometry(), start);

    // With nothing selected the arrows change nothing.
    m_form->SelectObject({});
    QTest::keyClick(canvas, Qt::Key_Down);
    QVERIFY(m_form->Form() == original);
}

QTEST_MAIN(DesignCanvasTest)
#include "tst_design_canvas.moc"
