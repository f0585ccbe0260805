// Not a test: saves the drawing window of every starting document before and after a
// draw as PNG files, to look at under a real display (xvfb-run).
//   screenshot_randform <output folder>
#include "apppaths.h"
#include "calclibrary.h"
#include "chineseui.h"
#include "codec.h"
#include "encodedxml.h"
#include "handoff.h"
#include "messages.h"
#include "pwdform.h"
#include "randform.h"

#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {

void Wait(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

int main(int argc, char **argv)
{
    // The windows speak the language the environment asks for (LANG=en_US.UTF-8: English).
    SetInstallDir(QStringLiteral(SUITE_APP_DIR));
    UseInterfaceLanguage();
    QApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("usage: screenshot_randform <output folder>\n", stderr);
        return 2;
    }
    SubstituteMissingChineseFaces();
    const QString output = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(output);
    BindCodec(SUITE_APP_DIR);
    BindCalcLibrary(SUITE_APP_DIR);
    SetMessageHandler([](const ShownMessage &message) {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(message.caption), qPrintable(message.text));
        return QMessageBox::Ok;
    });

    QTemporaryDir dir;
    SetAppDir(dir.path());
    QDir(dir.path()).mkpath("Data/Projects");
    QDir(dir.path()).mkpath("Img");
    for (const QString &picture : QDir(SUITE_APP_DIR "/Img").entryList(QDir::Files))
        QFile::copy(SUITE_APP_DIR "/Img/" + picture, AppDir() + "Img/" + picture);
    // Stand-ins when the installation data has not been built.
    for (int i = 1; i <= 12; ++i) {
        const QString path = AppDir() + QStringLiteral("Img/示例图片%1.jpg").arg(i);
        if (QFile::exists(path))
            continue;
        QImage picture(480, 320, QImage::Format_RGB32);
        picture.fill(QColor::fromHsv(i * 28 % 360, 160, 230));
        QPainter painter(&picture);
        painter.setFont(QFont("微软雅黑", 48, QFont::Bold));
        painter.drawText(picture.rect(), Qt::AlignCenter, QString::number(i));
        painter.end();
        picture.save(path, "JPG");
    }

    // Every starting document, then two animations seen on the whole screen: the
    // count-down over the window and the extra screen.
    struct Shot
    {
        QString name;
        QDomDocument document;
        bool wholeScreen = false;
    };
    QList<Shot> shots;
    const QDir demo(SUITE_SOURCE_DIR "/data/Demo");
    for (const QString &file : demo.entryList({"*.xml"}, QDir::Files)) {
        QFile source(demo.filePath(file));
        if (source.open(QIODevice::ReadOnly))
            shots.append({file.section('.', 0, 0), ParseXmlText(QString::fromUtf8(source.readAll()), file)});
    }
    if (!shots.isEmpty()) {
        Shot countDown{"countdown", shots.at(1).document.cloneNode().toDocument(), true};
        QDomElement stop = countDown.document.documentElement().firstChildElement("Animate")
                               .firstChildElement("InRand").firstChildElement("RandStopSet");
        stop.setAttribute("Type", "Times");
        stop.firstChildElement("StopByTimes").setAttribute("Times", "500");
        shots.append(countDown);
        Shot extra{"extrascreen", shots.at(2).document.cloneNode().toDocument(), true};
        extra.document.documentElement().firstChildElement("Animate").firstChildElement("InRand")
            .setAttribute("RandVisibleType", "ExtraScreen");
        shots.append(extra);
        // Twenty decimals joined by ";" (see Soft.ini below): the lines of the extra
        // screen break between results.
        Shot decimals{"extrascreen-decimals", shots.at(1).document.cloneNode().toDocument(), true};
        QDomElement inRand = decimals.document.documentElement().firstChildElement("Animate").firstChildElement("InRand");
        inRand.setAttribute("RandVisibleType", "ExtraScreen");
        inRand.firstChildElement("ExtraScreen").setAttribute("RandType", "Label");
        QDomElement query = decimals.document.documentElement().firstChildElement("RandQuery")
                                .firstChildElement("Rand").firstChildElement("Query");
        query.setAttribute("Min", "10");
        query.setAttribute("Max", "99");
        query.setAttribute("Pred", "0.1");
        query.setAttribute("Format", "0.0");
        query.setAttribute("RanCount", "20");
        shots.append(decimals);
        Shot locked{"password", shots.at(3).document.cloneNode().toDocument()};
        QDomElement version = locked.document.documentElement().firstChildElement("Version");
        version.setAttribute("AccessByPwd", "是");
        version.setAttribute("AccessPwd", "1234");
        shots.append(locked);
    }

    for (const Shot &shot : shots) {
        {
            QFile soft(AppDir() + "Soft.ini");
            soft.open(QIODevice::WriteOnly);
            if (shot.name == "extrascreen-decimals")
                soft.write("[Rand]\nRandSpliter=半角分号\n");
        }
        SaveEncodedDocument(shot.document, ProjectFilePath(shot.name));
        WriteEditProject(0, shot.name);
        const QString name = shot.name;

        TRandForm form;
        const TRandForm::StartupOutcome outcome = form.FormShow();
        if (outcome == TRandForm::StartupOutcome::AwaitingPassword) {
            Wait(300);
            form.PwdForm->grab().save(QStringLiteral("%1/%2-dialog.png").arg(output, name));
            continue;
        }
        if (outcome != TRandForm::StartupOutcome::Shown)
            continue;
        Wait(300);
        form.grab().save(QStringLiteral("%1/%2-before.png").arg(output, name));
        if (form.GoRandButton)
            form.GoRandButton->click();
        Wait(400);
        if (form.InDraw()) {
            if (shot.wholeScreen)
                QGuiApplication::primaryScreen()->grabWindow(0).save(QStringLiteral("%1/%2-screen.png").arg(output, name));
            form.grab().save(QStringLiteral("%1/%2-during.png").arg(output, name));
            form.StopDraw();
        }
        Wait(300);
        form.grab().save(QStringLiteral("%1/%2-after.png").arg(output, name));
        form.close();
    }
    return 0;
}
