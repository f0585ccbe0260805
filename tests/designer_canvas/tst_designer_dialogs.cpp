// The value editor's rows and typing filter, and the refusals of the background and
// music dialogs, driven through their controls.
#include "fontchooser.h"
#include "messagerecorder.h"
#include "tbgmusicform.h"
#include "tbgsetform.h"
#include "tdveditorform.h"
#include "tmusicsetform.h"

#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

namespace {

struct RecordingTarget : DVEditorTarget
{
    void PropertyChanged(const QString &key, const QString &value) override { changes << key + '=' + value; }
    void PropertyClicked(const QString &key) override { clicks << key; }
    QStringList changes;
    QStringList clicks;
};

} // namespace

class DesignerDialogsTest : public QObject
{
    Q_OBJECT
private slots:
    void editorRowsFollowTheirKeys();
    void editorTypingFilter();
    void editorClickRowsAndQuietWrites();
    void backgroundRefusesPictureWithoutPath();
    void backgroundHandsBackTheChosenFill();
    void musicRefusals();
    void musicListEditor();
    void fontDialogKeepsWhatWasNotChanged();
};

void DesignerDialogsTest::editorRowsFollowTheirKeys()
{
    TDVEditorForm editor;
    editor.SetRequirer(kRequirerDesign);
    RecordingTarget target;
    editor.ShowProperties(kWindowProperties, {{QStringLiteral("对齐方式"), QStringLiteral("居中")}}, &target);
    QCOMPARE(editor.Heading(), QStringLiteral("窗体"));
    QCOMPARE(editor.Keys(), (QStringList{"对齐方式", "位置X", "位置Y", "高度", "宽度", "背景", "背景音乐"}));
    auto *align = qobject_cast<QComboBox *>(editor.ValueEditor(QStringLiteral("对齐方式")));
    QVERIFY(align && !align->isEditable());
    QCOMPARE(align->count(), 2);
    QCOMPARE(align->currentText(), QStringLiteral("居中"));

    editor.ShowProperties(kTitleProperties, {}, &target);
    align = qobject_cast<QComboBox *>(editor.ValueEditor(QStringLiteral("对齐方式")));
    QCOMPARE(align->count(), 4);
    editor.ShowProperties(kPictureNameProperties, {{QStringLiteral("格式"), QStringLiteral("仅图片名称")}}, &target);
    auto *format = qobject_cast<QComboBox *>(editor.ValueEditor(QStringLiteral("格式")));
    QVERIFY(format);
    QCOMPARE(format->currentText(), QStringLiteral("仅图片名称"));
    editor.ShowProperties(RemarkProperties(3), {}, &target);
    QCOMPARE(editor.Heading(), QStringLiteral("备注3"));
    QCOMPARE(editor.Keys().first(), QStringLiteral("内容"));

    // The button designer shows its picture and font rows as "点此设置".
    editor.SetRequirer(kRequirerExtraButton);
    editor.ShowProperties(kSpeedButtonProperties, {}, &target);
    QCOMPARE(editor.Value(QStringLiteral("字体")), QStringLiteral("点此设置"));
    QCOMPARE(editor.Value(QStringLiteral("图片")), QStringLiteral("点此设置"));
}

void DesignerDialogsTest::editorTypingFilter()
{
    TDVEditorForm editor;
    editor.SetRequirer(kRequirerDesign);
    RecordingTarget target;
    editor.ShowProperties(kPictureBoxProperties, {{QStringLiteral("播放间隔"), QStringLiteral("5")},
                                                  {QStringLiteral("位置X"), QStringLiteral("10")}},
                          &target);
    auto *interval = qobject_cast<QLineEdit *>(editor.ValueEditor(QStringLiteral("播放间隔")));
    QVERIFY(interval);
    interval->setFocus();
    interval->end(false);
    QTest::keyClicks(interval, QStringLiteral("a0x0"));
    QCOMPARE(interval->text(), QStringLiteral("500"));
    QTest::keyClick(interval, Qt::Key_Backspace);
    QCOMPARE(interval->text(), QStringLiteral("50"));
    QCOMPARE(target.changes.last(), QStringLiteral("播放间隔=50"));

    // Geometry rows are display rows: typing changes nothing and tells nobody.
    auto *left = qobject_cast<QLineEdit *>(editor.ValueEditor(QStringLiteral("位置X")));
    const int changesBefore = target.changes.size();
    QTest::keyClicks(left, QStringLiteral("99"));
    QCOMPARE(left->text(), QStringLiteral("10"));
    QCOMPARE(target.changes.size(), changesBefore);

    // Yes/no rows take no typing, only the list.
    auto *stretch = qobject_cast<QComboBox *>(editor.ValueEditor(QStringLiteral("自动伸展")));
    QVERIFY(stretch && !stretch->isEditable());
    QCOMPARE(stretch->count(), 2);

    // A keystroke in a text row is a change.
    editor.ShowProperties(kTitleProperties, {{QStringLiteral("标题"), QStringLiteral("点名")}}, &target);
    QTest::keyClick(editor.ValueEditor(QStringLiteral("标题")), Qt::Key_A);
    QCOMPARE(target.changes.last(), QStringLiteral("标题=点名a"));
}

void DesignerDialogsTest::editorClickRowsAndQuietWrites()
{
    TDVEditorForm editor;
    editor.SetRequirer(kRequirerDesign);
    RecordingTarget target;
    editor.ShowProperties(kMemoRecordBoxProperties, {{QStringLiteral("高度"), QStringLiteral("40")}}, &target);
    auto *font = qobject_cast<QPushButton *>(editor.ValueEditor(QStringLiteral("字体")));
    QVERIFY(font);
    QCOMPARE(font->text(), QStringLiteral("点此编辑"));
    font->click();
    QCOMPARE(target.clicks, QStringList{QStringLiteral("字体")});

    editor.SetValue(QStringLiteral("高度"), QStringLiteral("55"));
    QCOMPARE(editor.Value(QStringLiteral("高度")), QStringLiteral("55"));
    QVERIFY(target.changes.isEmpty());

    editor.ClearRows();
    QVERIFY(editor.Keys().isEmpty());
    QVERIFY(!editor.Target());
}

void DesignerDialogsTest::backgroundRefusesPictureWithoutPath()
{
    TBgSetForm dialog;
    dialog.SetRequirer(kRequirerDesign);
    dialog.SetBackground(BackgroundFill{});
    QSignalSpy chosen(&dialog, &TBgSetForm::BackgroundChosen);
    dialog.show();
    dialog.findChild<QRadioButton *>(QStringLiteral("BgOfPic"))->click();
    QVERIFY(dialog.findChild<QWidget *>(QStringLiteral("PicPathValue"))->isVisible());
    QVERIFY(!dialog.findChild<QWidget *>(QStringLiteral("ColorShow"))->isVisible());

    MessageRecorder messages;
    dialog.findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    QCOMPARE(messages.texts, QStringList{QStringLiteral("图片地址不能为空！")});
    QCOMPARE(messages.captions, QStringList{QStringLiteral("参数有误")});
    QVERIFY(dialog.isVisible());
    QCOMPARE(chosen.count(), 0);
}

void DesignerDialogsTest::backgroundHandsBackTheChosenFill()
{
    TBgSetForm dialog;
    BackgroundFill colour;
    colour.colour = Rgb{10, 20, 30};
    dialog.SetBackground(colour);
    // A window that never had a gradient shows the default one.
    QCOMPARE(dialog.Background().gradient, QStringLiteral("64,128,128,0|0,221,111,100|Vert"));

    BackgroundFill picture;
    picture.type = kBgOfPic;
    picture.picturePath = QStringLiteral("/tmp/bg.png");
    picture.stretch = false;
    dialog.SetBackground(picture);
    QSignalSpy chosen(&dialog, &TBgSetForm::BackgroundChosen);
    dialog.show();
    MessageRecorder messages;
    dialog.findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    // A picture that cannot be read is named, and kept: it may come back.
    QCOMPARE(messages.texts, QStringList{QStringLiteral("背景图片无法读取：/tmp/bg.png（文件不存在）")});
    QCOMPARE(chosen.count(), 1);
    const auto fill = chosen.at(0).at(0).value<BackgroundFill>();
    QCOMPARE(fill.type, kBgOfPic);
    QCOMPARE(fill.picturePath, QStringLiteral("/tmp/bg.png"));
    QVERIFY(!fill.stretch);
    QVERIFY(!dialog.isVisible());
}

void DesignerDialogsTest::musicRefusals()
{
    TBgMusicForm dialog;
    dialog.SetMusic(QString(), {});
    QSignalSpy chosen(&dialog, &TBgMusicForm::MusicChosen);
    dialog.show();
    dialog.findChild<QAbstractButton *>(QStringLiteral("UseBgMusic"))->click();
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("BOK"));
    {
        MessageRecorder messages;
        ok->click();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("音乐地址不能为空！")});
        dialog.findChild<QRadioButton *>(QStringLiteral("RandMusic"))->click();
        ok->click();
        QCOMPARE(messages.texts.last(), QStringLiteral("请设置随机音乐列表！"));
        QCOMPARE(messages.captions, (QStringList{"参数有误", "参数有误"}));
    }
    QCOMPARE(chosen.count(), 0);
    QVERIFY(dialog.isVisible());

    // Music off stores no type and no path.
    dialog.findChild<QAbstractButton *>(QStringLiteral("UseBgMusic"))->click();
    ok->click();
    QCOMPARE(chosen.count(), 1);
    QCOMPARE(chosen.at(0).at(0).toString(), QString());
    QVERIFY(chosen.at(0).at(1).toStringList().isEmpty());

    // A stored random list comes back as it was.
    TBgMusicForm again;
    QSignalSpy chosenAgain(&again, &TBgMusicForm::MusicChosen);
    again.SetMusic(QStringLiteral("Rand"), {"/m/a.mp3", "/m/b.mp3"});
    again.show();
    MessageRecorder messages;
    again.findChild<QPushButton *>(QStringLiteral("BOK"))->click();
    // Kept, but the user hears of the files that will not play.
    QCOMPARE(messages.texts, QStringList{QStringLiteral("背景音乐无法播放：/m/a.mp3（文件不存在）\n"
                                                        "背景音乐无法播放：/m/b.mp3（文件不存在）")});
    QCOMPARE(chosenAgain.at(0).at(0).toString(), QStringLiteral("Rand"));
    QCOMPARE(chosenAgain.at(0).at(1).toStringList(), (QStringList{"/m/a.mp3", "/m/b.mp3"}));
}

void DesignerDialogsTest::musicListEditor()
{
    TBgMusicForm dialog;
    dialog.SetMusic(QStringLiteral("Rand"), {"/m/a.mp3"});
    dialog.show();
    dialog.GoMusicModeClick();
    TMusicSetForm *list = dialog.MusicSetForm();
    QVERIFY(list && list->isVisible());
    auto *items = list->findChild<QListWidget *>(QStringLiteral("MusicList"));
    QCOMPARE(items->count(), 1);

    list->AddFiles({"/m/b.mp3", "/m/c.mp3"});
    QCOMPARE(list->List(), (QStringList{"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"}));
    QCOMPARE(list->PlayerFile(), QStringLiteral("/m/b.mp3"));
    items->setCurrentRow(2);
    list->NextClick();
    QCOMPARE(items->currentRow(), 0);
    list->PreviousClick();
    QCOMPARE(items->currentRow(), 2);
    QCOMPARE(list->PlayerFile(), QStringLiteral("/m/c.mp3"));

    items->selectAll();
    list->DeleteSelected();
    QCOMPARE(items->count(), 1);
    QCOMPARE(items->item(0)->text(), QStringLiteral("[空]"));
    {
        MessageRecorder messages;
        list->findChild<QPushButton *>(QStringLiteral("SaveMode"))->click();
        QCOMPARE(messages.texts, QStringList{QStringLiteral("音乐列表不能为空！")});
        QVERIFY(list->isVisible());
    }
    // The placeholder is never added to a list: a new file replaces it.
    list->AddFiles({"/m/d.mp3"});
    list->findChild<QPushButton *>(QStringLiteral("SaveMode"))->click();
    QVERIFY(!list->isVisible());
    QCOMPARE(dialog.RandomList(), QStringList{QStringLiteral("/m/d.mp3")});
}

QTEST_MAIN(DesignerDialogsTest)
#include "tst_designer_dialogs.moc"

void DesignerDialogsTest::fontDialogKeepsWhatWasNotChanged()
{
    // Every starting document names a face that is not installed here.
    const FontSpec current{Rgb{255, 255, 255}, QStringLiteral("微软雅黑"), true, false, false, false, 26};
    QVERIFY(!QFontDatabase::families().contains(current.face));
    QFont opened;
    QTimer::singleShot(0, [&opened] {
        auto *dialog = qobject_cast<QDialog *>(QApplication::activeModalWidget());
        QVERIFY(dialog);
        opened = dialog->findChild<QFontDialog *>()->currentFont();
        dialog->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    });
    QCOMPARE(ChooseFontSpec(nullptr, current), std::optional<FontSpec>(current)); // 确定 untouched
    QCOMPARE(opened.family(), ShownFont(current).family());
    QCOMPARE(opened.pointSize(), 26);

    // A family picked from the list is stored by its name alone.
    QCOMPARE(ChosenFontSpec(current, ShownFont(current), QFont(QStringLiteral("C059 [UKWN]"), 20), current.colour).face,
             QStringLiteral("C059"));
}
