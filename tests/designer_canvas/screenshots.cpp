// Not a test: saves the design window with a selection, the value editor for every
// object kind, the background and music dialogs and the menu's dialogs as PNG files, to
// look at under a real display (xvfb-run; LANG=en_US.UTF-8 for the English windows).
//   screenshot_designer <output folder>
#include "aboutform.h"
#include "apppaths.h"
#include "chineseui.h"
#include "codec.h"
#include "configform.h"
#include "encodedxml.h"
#include "iconsform.h"
#include "messages.h"
#include "projectpwdform.h"
#include "propertyform.h"
#include "tbgmusicform.h"
#include "tbgsetform.h"
#include "tdesignform.h"
#include "tmusicsetform.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

QString g_output;

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

void Save(QWidget *widget, const QString &name)
{
    Wait(150);
    widget->grab().save(g_output + '/' + name + QStringLiteral(".png"));
}

void StoreStartingDocument(const QString &file, const QString &project)
{
    QFile source(QStringLiteral(SUITE_SOURCE_DIR "/data/Demo/") + file);
    if (source.open(QIODevice::ReadOnly))
        SaveEncodedDocument(ParseXmlText(QString::fromUtf8(source.readAll()), file), ProjectFilePath(project));
}

} // namespace

int main(int argc, char **argv)
{
    // The translation lies in the assembled application folder, not beside this tool.
    SetInstallDir(QStringLiteral(SUITE_APP_DIR));
    UseInterfaceLanguage();
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("usage: screenshot_designer <output folder>\n", stderr);
        return 2;
    }
    SubstituteMissingChineseFaces();
    g_output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(g_output);
    BindCodec(SUITE_APP_DIR);
    SetMessageHandler([](const ShownMessage &message) {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(message.caption), qPrintable(message.text));
        return QMessageBox::Ok;
    });

    QTemporaryDir dir;
    SetAppDir(dir.path());
    QDir(dir.path()).mkpath(QStringLiteral("Data/Projects"));
    QDir(dir.path()).mkpath(QStringLiteral("Img"));
    for (const QString &picture : QDir(SUITE_APP_DIR "/Img").entryList(QDir::Files))
        QFile::copy(SUITE_APP_DIR "/Img/" + picture, AppDir() + "Img/" + picture);
    StoreStartingDocument(QStringLiteral("2.RandName.xml"), QStringLiteral("点名"));
    StoreStartingDocument(QStringLiteral("5.RandImages.xml"), QStringLiteral("图片"));

    {
        TDesignForm form(QStringLiteral("点名"));
        form.show();
        TDVEditorForm *editor = form.ValueEditor();
        const struct
        {
            DesignObject object;
            const char *name;
        } objects[] = {{{DesignPart::Window, -1}, "editor_window"},
                       {{DesignPart::RandBox, -1}, "editor_randbox_label"},
                       {{DesignPart::RandRecord, -1}, "editor_record_memo"},
                       {{DesignPart::GoRandButton, -1}, "editor_button"},
                       {{DesignPart::Remark, 0}, "editor_remark"},
                       {{DesignPart::Title, -1}, "editor_title"}};
        for (const auto &entry : objects) {
            form.SelectObject(entry.object);
            Save(editor, QString::fromLatin1(entry.name));
        }
        Save(&form, QStringLiteral("canvas_title_selected"));
        form.findChild<QAction *>(QStringLiteral("RBUseEdit"))->trigger();
        form.findChild<QAction *>(QStringLiteral("RRUseLabel"))->trigger();
        form.SelectObject({DesignPart::RandBox, -1});
        Save(editor, QStringLiteral("editor_randbox_edit"));
        form.SelectObject({DesignPart::RandRecord, -1});
        Save(editor, QStringLiteral("editor_record_label"));
        Save(&form, QStringLiteral("canvas_boxes_switched"));
        form.UndoStack()->setClean();
        form.close();
    }
    {
        TDesignForm form(QStringLiteral("图片"));
        form.show();
        form.SelectObject({DesignPart::Picture, -1});
        Save(form.ValueEditor(), QStringLiteral("editor_picture"));
        Save(&form, QStringLiteral("canvas_picture_selected"));
        form.SelectObject({DesignPart::PictureName, -1});
        Save(form.ValueEditor(), QStringLiteral("editor_picture_name"));
        form.close();
    }
    {
        TBgSetForm background;
        BackgroundFill fill;
        fill.colour = Rgb{255, 200, 120};
        background.SetBackground(fill);
        background.show();
        Save(&background, QStringLiteral("bgset_colour"));
        fill.type = kBgOfChangingColor;
        background.SetBackground(fill);
        Save(&background, QStringLiteral("bgset_gradient"));
        fill.type = kBgOfPic;
        fill.picturePath = AppDir() + QStringLiteral("Img/背景图片.jpg");
        background.SetBackground(fill);
        Save(&background, QStringLiteral("bgset_picture"));
    }
    {
        TBgMusicForm music;
        music.SetMusic(QStringLiteral("Path"), {AppDir() + QStringLiteral("music/开场.mp3")});
        music.show();
        Save(&music, QStringLiteral("bgmusic"));
        music.GoMusicModeClick();
        music.MusicSetForm()->AddFiles({AppDir() + QStringLiteral("music/第一首.mp3"),
                                        AppDir() + QStringLiteral("music/第二首.wav")});
        Save(music.MusicSetForm(), QStringLiteral("musicset"));
    }
    {
        TConfigForm config;
        config.show();
        Save(&config, QStringLiteral("config"));
        TAboutForm about;
        about.show();
        Save(&about, QStringLiteral("about"));
        TIconsForm icons;
        icons.show();
        Save(&icons, QStringLiteral("icons"));
        TPropertyForm properties;
        properties.FillProperties({QStringLiteral("点名")}, LoadEncodedDocument(ProjectFilePath(QStringLiteral("点名"))));
        properties.show();
        Save(&properties, QStringLiteral("properties"));
        designer::TPwdForm password;
        password.show();
        Save(&password, QStringLiteral("password"));
    }
    return 0;
}
