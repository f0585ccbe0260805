// The drawing window's Form and Animate sections: round trips, what a save keeps, and
// paths that survive a moved installation.
#include "apppaths.h"
#include "displaysection.h"
#include "domutil.h"
#include "projectheader.h"
#include "querysection.h"
#include "suiteerror.h"

#include <QtTest>

#include <limits>

namespace {
FontSpec font(int size, bool bold = false)
{
    FontSpec f;
    f.colour = {10, 20, 30};
    f.size = size;
    f.bold = bold;
    return f;
}

FormSection sampleForm(const QString &appDir)
{
    FormSection form;
    form.window = {820, 560, 15, 25, kFormCustom};
    form.title = {QStringLiteral("抽奖"), font(24, true), {10, 0, 400, 40, kAlignCentre}};
    form.background.fill.type = kBgOfPic;
    form.background.fill.picturePath = appDir + QStringLiteral("Img/背景图片.jpg");
    form.background.fill.stretch = false;
    form.background.musicType = QStringLiteral("Rand");
    form.background.musicPaths = {appDir + "a.mp3", appDir + "Music/b.mp3", QStringLiteral("/elsewhere/c.mp3")};
    form.picture = {true, true, QStringLiteral("1000"), {60, 20, 300, 200, QString()}};
    form.pictureName = {true, QStringLiteral("仅图片名称"), font(12), {270, 20, 300, 24, kAlignLeft}};
    form.randBox = {true, QStringLiteral("Edit"), font(30), {250, 250, 200}, QStringLiteral("#随机数#"), true, true,
                    {80, 340, 440, 60, kAlignRight}};
    form.randRecord = {true, QStringLiteral("Label"), font(12), {255, 255, 255}, QStringLiteral("记录"), true, false,
                       {160, 340, 440, 200, QString()}};
    form.randRecord.position.align = kAlignCustom; // what a reader reports for a missing Align
    form.goRandButton = {true, font(16, true), QStringLiteral("开始"), {480, 300, 200, 50, kAlignCentre}};
    form.goRandShortCut = {true, QStringLiteral("Shift+F5")};
    form.remarks = {{QStringLiteral("备注一"), font(10), {500, 10, 200, 20, QString()}},
                    {QStringLiteral("备注二"), font(11), {530, 10, 200, 20, QString()}}};
    return form;
}

AnimateSection sampleAnimate(const QString &appDir)
{
    AnimateSection a;
    a.inRandOn = true;
    a.inRand.hideGoRandButton = false;
    a.inRand.hideRandRecord = true;
    a.inRand.intervalValue = 35;
    a.inRand.randVisibleType = QStringLiteral("ExtraScreen");
    a.inRand.extraScreen.randType = QStringLiteral("Memo");
    a.inRand.extraScreen.randBgColour = {1, 2, 3};
    a.inRand.extraScreen.background.type = kBgOfChangingColor;
    a.inRand.extraScreen.background.gradient = QStringLiteral("64,128,128,0|0,221,111,100|Vert");
    a.inRand.extraScreen.useFormat = QStringLiteral("RandBox");
    a.inRand.stopSet.type = QStringLiteral("Button");
    a.inRand.stopSet.buttonType = QStringLiteral("ExtraButton");
    a.inRand.stopSet.extraButton.type = QStringLiteral("SpeedButton");
    a.inRand.stopSet.extraButton.imagePath = appDir + QStringLiteral("Img/stop.png");
    a.inRand.music = {true, appDir + QStringLiteral("draw.mp3")};
    a.afterRandOn = true;
    a.afterRandMusic = {true, appDir + QStringLiteral("after.mp3")};
    a.boxRecordOn = true;
    a.boxRecord.randBox = {true, false, {{255, 0, 0}, {0, 255, 0}}, {}};
    a.boxRecord.randRecord = {true, true, {{1, 1, 1}}, {{2, 2, 2}, {3, 3, 3}}};
    return a;
}

QDomDocument projectDocument(int pmode)
{
    QDomDocument doc = NewXmlDocument();
    doc.appendChild(doc.createElement(QStringLiteral("RandProject")));
    WriteQuerySection(doc, DefaultQueryParams(pmode), pmode);
    return doc;
}

QDomElement formChild(const QDomDocument &doc, const QString &name)
{
    return doc.documentElement().firstChildElement(QStringLiteral("Form")).firstChildElement(name);
}

QString errorOf(const std::function<void()> &action)
{
    try {
        action();
    } catch (const SuiteError &e) {
        return e.message();
    }
    return QString();
}
} // namespace

class TestDisplaySection : public QObject
{
    Q_OBJECT

private slots:
    void init() { SetAppDir(QStringLiteral("/opt/suite")); }
    void cleanup() { SetAppDir(QString()); }

    void formRoundTrip()
    {
        QDomDocument doc = projectDocument(5);
        QVERIFY(IsPictureProject(doc));
        const FormSection form = sampleForm(AppDir());
        WriteDesignSection(doc, form, true, QStringLiteral("2026/1/2 3:04:05"));
        QCOMPARE(ReadFormSection(doc, true), form);
        QCOMPARE(ReadProjectHeader(doc).editTime, QStringLiteral("2026/1/2 3:04:05"));
        QCOMPARE(formChild(doc, "Background").attribute("Color"), QStringLiteral("[Application]Img/背景图片.jpg|NoStretch"));
        QCOMPARE(formChild(doc, "PicName").attribute("Type"), QStringLiteral("仅图片名称"));
        QVERIFY(!formChild(doc, "RandRecord").hasAttribute("Color"));
    }

    void pictureElementsOnlyForPictureProjects()
    {
        QDomDocument doc = projectDocument(2);
        QVERIFY(!IsPictureProject(doc));
        WriteDesignSection(doc, sampleForm(AppDir()), false, QString());
        QVERIFY(formChild(doc, "Pic").isNull());
        QVERIFY(formChild(doc, "PicName").isNull());

        QueryParams custom = DefaultQueryParams(0);
        const int typeList = QueryParamIndex(0, QStringLiteral("TypeList"));
        QVERIFY(typeList > 0);
        custom[typeList] = QStringLiteral("编号模式||图片模式");
        QDomDocument customDoc = projectDocument(0);
        WriteQuerySection(customDoc, custom, 0);
        QVERIFY(IsPictureProject(customDoc));
    }

    void saveKeepsWhatItDoesNotOwn()
    {
        QDomDocument doc = projectDocument(1);
        FormSection form = sampleForm(AppDir());
        WriteDesignSection(doc, form, false, QString());
        // The runtime's record settings live on RandRecord; a design save keeps them.
        formChild(doc, "RandRecord").setAttribute(QStringLiteral("AutoSort"), QStringLiteral("是"));

        form.randBox.enabled = false;
        form.goRandButton.enabled = false;
        form.remarks.clear();
        WriteDesignSection(doc, form, false, QString());

        QCOMPARE(formChild(doc, "RandRecord").attribute("AutoSort"), QStringLiteral("是"));
        const QDomElement box = formChild(doc, "RandBox");
        QCOMPARE(box.attribute("Enabled"), QStringLiteral("否"));
        QCOMPARE(box.attribute("Format"), QStringLiteral("#随机数#")); // left from the earlier save
        const QDomElement remarks = formChild(doc, "Remarks");
        QCOMPARE(remarks.attribute("Count"), QStringLiteral("0"));
        QVERIFY(remarks.firstChild().isNull());

        const FormSection read = ReadFormSection(doc, false);
        QVERIFY(!read.randBox.enabled && !read.goRandButton.enabled);
        QCOMPARE(read.randBox.format, QStringLiteral("#随机数#"));
        QVERIFY(read.remarks.isEmpty());

        // A disabled box with nothing else stored still reads.
        formChild(doc, "RandBox").setAttribute(QStringLiteral("Top"), QStringLiteral("x"));
        QVERIFY(!ReadFormSection(doc, false).randBox.enabled);
        QVERIFY(errorOf([&] { form.remarks.resize(kMaxRemarks + 1); WriteDesignSection(doc, form, false, {}); })
                    .contains(QString::number(kMaxRemarks)));
    }

    void remarkCountBeyondChildrenStops()
    {
        QDomDocument doc = projectDocument(1);
        WriteDesignSection(doc, sampleForm(AppDir()), false, QString());
        formChild(doc, "Remarks").setAttribute(QStringLiteral("Count"), QStringLiteral("7"));
        QCOMPARE(ReadFormSection(doc, false).remarks.size(), 2);
    }

    void malformedFormValuesNameTheirPlace()
    {
        QDomDocument doc = projectDocument(1);
        WriteDesignSection(doc, sampleForm(AppDir()), false, QString());
        formChild(doc, "Title").setAttribute(QStringLiteral("Top"), QStringLiteral("十"));
        QString message = errorOf([&] { ReadFormSection(doc, false); });
        QVERIFY2(message.contains("Form/Title") && message.contains("Top"), qPrintable(message));

        formChild(doc, "Title").setAttribute(QStringLiteral("Top"), QStringLiteral("1"));
        formChild(doc, "GoRandButton").setAttribute(QStringLiteral("Font"), QStringLiteral("0,0,0|宋体|12"));
        message = errorOf([&] { ReadFormSection(doc, false); });
        QVERIFY2(message.contains("Form/GoRandButton") && message.contains("Font"), qPrintable(message));

        formChild(doc, "GoRandButton").setAttribute(QStringLiteral("Font"), QStringLiteral("0,0,0|宋体||12"));
        formChild(doc, "Background").setAttribute(QStringLiteral("Type"), QStringLiteral("BgOfColor"));
        formChild(doc, "Background").setAttribute(QStringLiteral("Color"), QStringLiteral("12,x,3"));
        message = errorOf([&] { ReadFormSection(doc, false); });
        QVERIFY2(message.contains("Form/Background") && message.contains("Color"), qPrintable(message));

        QDomDocument empty = projectDocument(1);
        QVERIFY(!errorOf([&] { ReadFormSection(empty, false); }).isEmpty());
    }

    void elementsCreatedWhenMissingReadAsSwitchedOff()
    {
        // A hand-made or older document without a draw key, remarks or animations opens.
        QDomDocument doc = projectDocument(1);
        WriteDesignSection(doc, sampleForm(AppDir()), false, QString());
        QDomElement form = doc.documentElement().firstChildElement(QStringLiteral("Form"));
        form.removeChild(formChild(doc, "GoRandShortCut"));
        form.removeChild(formChild(doc, "Remarks"));
        QVERIFY(doc.documentElement().firstChildElement(QStringLiteral("Animate")).isNull());

        const FormSection read = ReadFormSection(doc, false);
        QCOMPARE(read.goRandShortCut.enabled, false);
        QVERIFY(read.remarks.isEmpty());
        QCOMPARE(read.title, sampleForm(AppDir()).title);
        const AnimateSection animate = ReadAnimateSection(doc);
        QVERIFY(!animate.inRandOn && !animate.afterRandOn && !animate.boxRecordOn);
    }

    void extremePlacesAreHeldWithinTheScreenArithmetic()
    {
        // Top plus height of ±2^31 overflowed the window's rectangles.
        QDomDocument doc = projectDocument(1);
        WriteDesignSection(doc, sampleForm(AppDir()), false, QString());
        formChild(doc, "Title").setAttribute(QStringLiteral("Top"), QStringLiteral("-2147483648"));
        formChild(doc, "Title").setAttribute(QStringLiteral("Height"), QStringLiteral("2147483647"));
        doc.documentElement().firstChildElement(QStringLiteral("Form")).setAttribute(QStringLiteral("Width"),
                                                                                     QStringLiteral("2147483647"));
        const FormSection form = ReadFormSection(doc, false);
        QCOMPARE(form.title.position.top, -(1 << 24));
        QCOMPARE(form.title.position.height, 1 << 24);
        QCOMPARE(form.window.width, 1 << 24);
        QCOMPARE(form.title.position.width, 400); // ordinary values as they were
    }

    void animateRoundTrip()
    {
        QDomDocument doc = projectDocument(1);
        const AnimateSection animate = sampleAnimate(AppDir());
        WriteAnimateSection(doc, animate);
        QCOMPARE(ReadAnimateSection(doc), animate);
        const QDomElement list = doc.documentElement()
                                     .firstChildElement("Animate")
                                     .firstChildElement("BoxRecord")
                                     .firstChildElement("UseRandRecord")
                                     .firstChildElement("FontColorList");
        QCOMPARE(list.attribute("Color"), QStringLiteral("1,1,1"));
        QCOMPARE(IntervalMilliseconds(2, kUnitSeconds), 2000);
        QCOMPARE(IntervalMilliseconds(35, kUnitMilliseconds), 35);
        // Huge stored intervals are cut to the maximum, never wrapped to a negative count.
        QCOMPARE(IntervalMilliseconds(3000000, kUnitSeconds), kMaxIntervalMilliseconds);
        QCOMPARE(IntervalMilliseconds(std::numeric_limits<int>::max(), kUnitSeconds), kMaxIntervalMilliseconds);
        QCOMPARE(IntervalMilliseconds(-5, kUnitSeconds), 0);
    }

    void switchedOffPartsKeepTheirContent()
    {
        QDomDocument doc = projectDocument(1);
        const AnimateSection on = sampleAnimate(AppDir());
        WriteAnimateSection(doc, on);

        AnimateSection off = on;
        off.inRandOn = off.afterRandOn = off.boxRecordOn = false;
        off.inRand.intervalValue = 999;
        off.boxRecord.intervalValue = 77;
        WriteAnimateSection(doc, off);

        const AnimateSection read = ReadAnimateSection(doc);
        QVERIFY(!read.inRandOn && !read.afterRandOn && !read.boxRecordOn);
        QCOMPARE(read.inRand, on.inRand);
        QCOMPARE(read.boxRecord, on.boxRecord);
        QCOMPARE(read.afterRandMusic, on.afterRandMusic);

        // Choosing another stop type rewrites only that child.
        AnimateSection byTimes = on;
        byTimes.inRand.stopSet.type = QStringLiteral("Times");
        byTimes.inRand.stopSet.times = 42;
        WriteAnimateSection(doc, byTimes);
        const AnimateSection again = ReadAnimateSection(doc);
        QCOMPARE(again.inRand.stopSet.times, 42);
        QCOMPARE(again.inRand.stopSet.extraButton, on.inRand.stopSet.extraButton);

        // A switched-off part may hold damaged values without breaking the load.
        QDomElement animateElement = doc.documentElement().firstChildElement("Animate");
        animateElement.firstChildElement("BoxRecord").setAttribute(QStringLiteral("IntervalValue"), QStringLiteral("x"));
        animateElement.setAttribute(QStringLiteral("BoxRecord"), QStringLiteral("否"));
        QCOMPARE(ReadAnimateSection(doc).boxRecord.intervalValue, BoxRecordAnimation().intervalValue);
        animateElement.setAttribute(QStringLiteral("BoxRecord"), QStringLiteral("是"));
        const QString message = errorOf([&] { ReadAnimateSection(doc); });
        QVERIFY2(message.contains("Animate/BoxRecord") && message.contains("IntervalValue"), qPrintable(message));
    }

    void pathsSurviveAMovedInstallation()
    {
        QDomDocument doc = projectDocument(5);
        WriteDesignSection(doc, sampleForm(AppDir()), true, QString());
        WriteAnimateSection(doc, sampleAnimate(AppDir()));
        // Every path under the installation is stored relative to it, each music file too.
        QCOMPARE(formChild(doc, "Background").attribute("MusicPath"),
                 QStringLiteral("[Application]a.mp3|[Application]Music/b.mp3|/elsewhere/c.mp3"));

        SetAppDir(QStringLiteral("/srv/moved"));
        const FormSection form = ReadFormSection(doc, true);
        QCOMPARE(form.background.fill.picturePath, QStringLiteral("/srv/moved/Img/背景图片.jpg"));
        QCOMPARE(form.background.musicPaths,
                 (QStringList{"/srv/moved/a.mp3", "/srv/moved/Music/b.mp3", "/elsewhere/c.mp3"}));
        const AnimateSection animate = ReadAnimateSection(doc);
        QCOMPARE(animate.inRand.stopSet.extraButton.imagePath, QStringLiteral("/srv/moved/Img/stop.png"));
        QCOMPARE(animate.inRand.music.path, QStringLiteral("/srv/moved/draw.mp3"));
        QCOMPARE(animate.afterRandMusic.path, QStringLiteral("/srv/moved/after.mp3"));
    }

    void musicListWithOnlyTheFirstPathSubstituted()
    {
        QDomDocument doc = projectDocument(1);
        WriteDesignSection(doc, sampleForm(AppDir()), false, QString());
        formChild(doc, "Background")
            .setAttribute(QStringLiteral("MusicPath"), QStringLiteral("[Application]1.mp3|/opt/suite/2.mp3|/opt/suite/3.mp3"));
        QCOMPARE(ReadFormSection(doc, false).background.musicPaths,
                 (QStringList{"/opt/suite/1.mp3", "/opt/suite/2.mp3", "/opt/suite/3.mp3"}));
    }
};

QTEST_GUILESS_MAIN(TestDisplaySection)
#include "test_display_section.moc"
