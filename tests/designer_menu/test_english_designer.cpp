// The menu, the design window and their dialogs in English: what the user reads is
// English, what they store stays the Chinese the other programs read.
#include "aboutform.h"
#include "animateform.h"
#include "apppaths.h"
#include "commandbar.h"
#include "encodedxml.h"
#include "englishapplication.h"
#include "englishtexts.h"
#include "extrabuttonform.h"
#include "extrascreenform.h"
#include "iconsform.h"
#include "makerinfo.h"
#include "menufixture.h"
#include "messagerecorder.h"
#include "projectpwdform.h"
#include "propertyform.h"
#include "tbgmusicform.h"
#include "tbgsetform.h"
#include "tdesignform.h"
#include "tdveditorform.h"
#include "tfirstform.h"
#include "tmusicsetform.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QToolButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

namespace {

// The maker's Weibo account is a name, not a caption.
const QStringList kNames{MakerInfo::BlogName};

// Shows `window`, then every page of every tab widget in it in turn, and checks them.
void VerifyEveryPageEnglish(QWidget *window)
{
    window->show();
    VERIFY_ENGLISH(window, {}, kNames);
    for (QTabWidget *tabs : window->findChildren<QTabWidget *>()) {
        for (int page = 0; page < tabs->count(); ++page) {
            tabs->setCurrentIndex(page);
            VERIFY_ENGLISH(window, {}, kNames);
        }
    }
}

const QString kProject = QStringLiteral("Roll call");

} // namespace

class TestEnglishDesigner : public QObject
{
    Q_OBJECT
private slots:
    void init() { fixture.Build({kProject, QStringLiteral("Seats")}); }

    void menuSpeaksEnglish()
    {
        TFirstForm menu;
        menu.show();
        QCOMPARE(menu.findChild<CommandBar *>()->Caption(QStringLiteral("GoHelp"))->text(), QStringLiteral("Help"));
        QCOMPARE(menu.findChild<QAction *>(QStringLiteral("Menu_Rename"))->text(), QStringLiteral("&Rename"));
        VERIFY_ENGLISH(&menu, {}, kNames);
    }

    // The English guide where it is installed, the Chinese one where it is not.
    void helpOpensTheGuideInEnglish()
    {
        TFirstForm menu;
        QUrl opened;
        menu.OpenUrl = [&opened](const QUrl &url) {
            opened = url;
            return true;
        };
        QLabel *help = menu.findChild<CommandBar *>()->Caption(QStringLiteral("GoHelp"));
        QTest::mouseClick(help, Qt::LeftButton);
        QCOMPARE(opened.toLocalFile(), InstallDir() + QStringLiteral("Zelmora Help.html"));

        // An installation without the English guide opens the Chinese one.
        const QString installed = InstallDir();
        QTemporaryDir bare;
        SetInstallDir(bare.path());
        QTest::mouseClick(help, Qt::LeftButton);
        SetInstallDir(installed);
        QCOMPARE(opened.fileName(), QStringLiteral("Zelmora 帮助文档.html"));
    }

    // The value editor shows English words and hands the stored Chinese ones on.
    void designWindowSpeaksEnglishAndStoresChinese()
    {
        TDesignForm form(kProject);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.SelectObject({DesignPart::Window, -1});
        TDVEditorForm *editor = form.ValueEditor();
        VERIFY_ENGLISH(&form, {form.Canvas()});
        VERIFY_ENGLISH(editor);
        QCOMPARE(editor->Heading(), QStringLiteral("窗体"));

        auto *align = qobject_cast<QComboBox *>(editor->ValueEditor(QStringLiteral("对齐方式")));
        const int custom = align->findData(QStringLiteral("自定义"));
        QCOMPARE(align->itemText(custom), QStringLiteral("Custom"));
        align->setCurrentIndex(custom);
        emit align->activated(custom);
        QCOMPARE(form.Form().window.align, QStringLiteral("自定义"));
        QCOMPARE(editor->Value(QStringLiteral("对齐方式")), QStringLiteral("自定义"));
        QCOMPARE(form.UndoStack()->undoText(), QStringLiteral("Change Alignment"));

        // Deleting both boxes is refused, in English.
        MessageRecorder messages;
        form.findChild<QAction *>(QStringLiteral("RBDelete"))->trigger();
        form.findChild<QAction *>(QStringLiteral("RRDelete"))->trigger();
        QCOMPARE(messages.captions, QStringList{QStringLiteral("Not Possible")});
        form.UndoStack()->setClean();
    }

    void dialogsSpeakEnglish()
    {
        TAboutForm about;
        VerifyEveryPageEnglish(&about);
        TIconsForm icons;
        VerifyEveryPageEnglish(&icons);
        designer::TPwdForm password;
        VerifyEveryPageEnglish(&password);
        TBgSetForm background;
        VerifyEveryPageEnglish(&background);
        TBgMusicForm music;
        VerifyEveryPageEnglish(&music);
        music.GoMusicModeClick();
        VerifyEveryPageEnglish(music.MusicSetForm());
        QCOMPARE(music.MusicSetForm()->List(), QStringList());
        TPropertyForm properties;
        properties.FillProperties({kProject}, LoadEncodedDocument(ProjectFilePath(kProject)));
        VerifyEveryPageEnglish(&properties);
    }

    // The animation settings show the units in English and store them in Chinese.
    void animationSettingsStoreChineseUnits()
    {
        TDVEditorForm editor;
        TAnimateForm form(&editor);
        QVERIFY(form.LoadProject(kProject));
        VerifyEveryPageEnglish(&form);
        form.RandUseExtraScreen->setChecked(true);
        form.RandExtraScreenSet->click();
        VerifyEveryPageEnglish(form.ExtraScreenForm);
        form.ExtraScreenForm->close();
        form.StopByButton->setChecked(true);
        form.StopUseExtraButton->setChecked(true);
        form.StopExtraButtonSet->click();
        // The previews show the stop button's caption as the project stores it.
        VERIFY_ENGLISH(form.ExtraButtonForm,
                       QList<QWidget *>{form.ExtraButtonForm->TextButtonSet, form.ExtraButtonForm->SpeedButtonSet});
        form.ExtraButtonForm->close();
        form.RandUseRandBox->setChecked(true);
        form.StopByTimes->setChecked(true);
        auto *unit = form.findChild<QComboBox *>(QStringLiteral("IntervalUnit"));
        unit->setCurrentIndex(unit->findData(QStringLiteral("秒")));
        QCOMPARE(unit->currentText(), QStringLiteral("s"));
        form.findChild<QLineEdit *>(QStringLiteral("IntervalValue"))->setText(QStringLiteral("2"));
        QVERIFY(form.BSaveClick());

        TAnimateForm reopened(&editor);
        QVERIFY(reopened.LoadProject(kProject));
        QCOMPARE(reopened.findChild<QComboBox *>(QStringLiteral("IntervalUnit"))->currentData().toString(),
                 QStringLiteral("秒"));
    }

private:
    MenuFixture fixture;
};

int main(int argc, char **argv)
{
    return RunInEnglish<TestEnglishDesigner>(argc, argv);
}

#include "test_english_designer.moc"
