// The data the build installs: every starting document and sample project loads through
// the model with every attribute present, the catalogue matches the project files, and
// every picture they name exists.
#include "apppaths.h"
#include "codec.h"
#include "displaysection.h"
#include "encodedxml.h"
#include "projectcatalogue.h"
#include "projectheader.h"
#include "querysection.h"
#include "suiteerror.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QtTest>

namespace {
const QString kAppDir = QStringLiteral(SUITE_APP_DIR "/");

const QStringList kStartingDocuments{
    "0.rpj", "1.RandRangeNum.rpj", "2.RandName.rpj", "3.RandSort.rpj", "4.RandTasks.rpj",
    "5.RandImages.rpj", "6.RandPwd.rpj", "7.RandWords.rpj", "8.RandCoordinate.rpj", "9.RandAward(One).rpj",
    "10.RandAward(More).rpj", "11.RandCalculation.rpj", "12.RandEquation(1Times).rpj",
    "13.RandEquation(2Times).rpj", "14.RandCustomCal.rpj"};

const QStringList kPosition{"Top", "Left", "Width", "Height"};

// Element path under the document element → the attributes a complete document holds,
// whether a feature is switched on or not, so every later switch finds its values.
const QList<std::pair<QString, QStringList>> kCompleteElements{
    {"Version", {"Value", "CreateTime", "EditTime", "Author", "Range", "AccessByPwd", "EditWithPwd", "AccessPwd", "EditPwd"}},
    {"Form", {"Width", "Height", "Left", "Top", "Align"}},
    {"Form/Title", QStringList{"Caption", "Font"} + kPosition},
    {"Form/Background", {"Type", "Color", "MusicType", "MusicPath"}},
    {"Form/RandBox", QStringList{"Enabled", "Type", "Font", "Color", "Format", "ReadOnly"} + kPosition},
    {"Form/RandRecord", QStringList{"Enabled", "Type", "Font", "Color", "Format", "ReadOnly", "NewLine", "AutoNewLine",
                                    "NewLineRCount", "AutoSort", "SortVariety", "SortDir", "SortRange"} + kPosition},
    {"Form/GoRandButton", QStringList{"Enabled", "Font", "Caption"} + kPosition},
    {"Form/GoRandShortCut", {"Enabled", "ShortCut"}},
    {"Form/Remarks", {"Count"}},
    {"Animate", {"InRand", "AfterRand", "BoxRecord"}},
    {"Animate/InRand", {"HideGoRandButton", "HideRandRecord", "IntervalValue", "IntervalUnit", "RandVisibleType"}},
    {"Animate/InRand/ExtraScreen", {"Left", "Top", "Height", "Width", "FormAlign", "BorderDistanceX", "BorderDistanceY",
                                    "RandType", "RandFont", "RandAlign", "RandBgColor", "Background", "Color", "UseFormat"}},
    {"Animate/InRand/RandStopSet", {"Type"}},
    {"Animate/InRand/RandStopSet/StopByShortCut", {"ShortCut"}},
    {"Animate/InRand/RandStopSet/StopByTimes", {"Times", "TimesVisible", "Font"}},
    {"Animate/InRand/RandStopSet/StopByButton", {"Type"}},
    {"Animate/InRand/RandStopSet/StopByButton/ExtraButton",
     {"Type", "Width", "Height", "ImgPath", "Text", "Font", "PositionX", "PositionY"}},
    {"Animate/InRand/BgMusic", {"Enabled", "BgMusicPath"}},
    {"Animate/AfterRand/BgMusic", {"Enabled", "BgMusicPath"}},
    {"Animate/BoxRecord", {"IntervalValue", "IntervalUnit"}},
    {"Animate/BoxRecord/UseRandBox", {"UseFontColor", "UseBgColor"}},
    {"Animate/BoxRecord/UseRandBox/FontColorList", {"Color"}},
    {"Animate/BoxRecord/UseRandBox/BgColorList", {"Color"}},
    {"Animate/BoxRecord/UseRandRecord", {"UseFontColor", "UseBgColor"}},
    {"Animate/BoxRecord/UseRandRecord/FontColorList", {"Color"}},
    {"Animate/BoxRecord/UseRandRecord/BgColorList", {"Color"}},
};
const QList<std::pair<QString, QStringList>> kPictureElements{
    {"Form/Pic", QStringList{"Center", "AllowStretch", "Interval"} + kPosition},
    {"Form/PicName", QStringList{"Visible", "Type", "Font"} + kPosition},
};

QDomElement elementAt(const QDomDocument &doc, const QString &path)
{
    QDomElement e = doc.documentElement();
    for (const QString &name : path.split('/'))
        e = e.firstChildElement(name);
    return e;
}

QStringList missingAttributes(const QDomDocument &doc, const QList<std::pair<QString, QStringList>> &table)
{
    QStringList missing;
    for (const auto &[path, attributes] : table) {
        const QDomElement e = elementAt(doc, path);
        for (const QString &attribute : attributes) {
            if (!e.hasAttribute(attribute))
                missing << path + '@' + attribute;
        }
    }
    return missing;
}

// Loads a stored project and checks it the way the windows will read it.
void checkProject(const QString &path, int expectedPmode)
{
    const QDomDocument doc = LoadEncodedDocument(path);
    const QString missing = missingAttributes(doc, kCompleteElements).join(", ");
    QVERIFY2(missing.isEmpty(), qPrintable(path + ": " + missing));
    const QuerySection query = ReadQuerySection(doc);
    if (expectedPmode >= 0)
        QCOMPARE(query.pmode, expectedPmode);
    const bool picture = IsPictureProject(doc);
    QCOMPARE(picture, query.pmode == 5);
    if (picture) {
        const QString missingPicture = missingAttributes(doc, kPictureElements).join(", ");
        QVERIFY2(missingPicture.isEmpty(), qPrintable(missingPicture));
    }

    QCOMPARE(ReadProjectHeader(doc).value, kCurrentFormatVersion);
    const FormSection form = ReadFormSection(doc, picture);
    const AnimateSection animate = ReadAnimateSection(doc);
    QVERIFY(!form.title.caption.isEmpty());
    QCOMPARE(form.title.font.face, QStringLiteral("微软雅黑"));
    QCOMPARE(form.background.fill.type, kBgOfChangingColor);
    QVERIFY(form.window.width >= 640 && form.window.height >= 480);
    QVERIFY(form.goRandButton.enabled);
    // Every visible object lies inside the window.
    QVector<Position> objects{form.title.position, form.goRandButton.position};
    if (form.randBox.enabled)
        objects << form.randBox.position;
    if (form.randRecord.enabled)
        objects << form.randRecord.position;
    if (picture)
        objects << form.picture.position << form.pictureName.position;
    for (const RemarkLabel &remark : form.remarks)
        objects << remark.position;
    for (const Position &object : objects) {
        const int left = PlacedLeft(object, form.window.width);
        QVERIFY2(left >= 0 && left + object.width <= form.window.width && object.top >= 0 && object.height > 0 &&
                     object.top + object.height <= form.window.height,
                 qPrintable(path));
    }
    QVERIFY(animate.inRandOn);
    const int frame = IntervalMilliseconds(animate.inRand.intervalValue, animate.inRand.intervalUnit);
    QVERIFY(frame >= 20 && frame <= 50);
    QCOMPARE(animate.inRand.stopSet.type, QStringLiteral("Button"));
    QCOMPARE(animate.inRand.stopSet.buttonType, QStringLiteral("RandButton"));
}
} // namespace

class TestInstallationData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(BindCodec(SUITE_APP_DIR), qPrintable(CodecBindError()));
        SetAppDir(kAppDir);
    }

    void startingDocuments()
    {
        for (int pmode = 0; pmode < kStartingDocuments.size(); ++pmode) {
            const QString path = kAppDir + "Data/Demo/" + kStartingDocuments[pmode];
            checkProject(path, pmode);
            if (QTest::currentTestFailed())
                return;
            QCOMPARE(ReadQuerySection(LoadEncodedDocument(path)).params, DefaultQueryParams(pmode));
        }
    }

    void catalogueAndSampleProjects()
    {
        const QVector<CatalogueEntry> entries = ProjectCatalogue::LoadCatalogue(kAppDir + "Data/menu.xml").ReadEntries();
        QVERIFY(entries.size() >= 5);
        QSet<QString> names;
        for (const CatalogueEntry &entry : entries) {
            QVERIFY(!names.contains(entry.name));
            names << entry.name;
            QVERIFY(!entry.name.contains('.'));
            QVERIFY(entry.pic >= 0 && entry.pic < 140);
            checkProject(kAppDir + "Data/Projects/" + entry.name + ".rpj", -1);
            if (QTest::currentTestFailed())
                return;
        }
    }

    void picturesExistAndIconsDiffer()
    {
        QSet<QByteArray> iconDigests;
        for (int i = 0; i < 140; ++i) {
            const QImage icon(kAppDir + QStringLiteral("Icons/png-%1.png").arg(i));
            QCOMPARE(icon.size(), QSize(64, 64));
            iconDigests << QCryptographicHash::hash(
                QByteArray(reinterpret_cast<const char *>(icon.constBits()), icon.sizeInBytes()), QCryptographicHash::Md5);
        }
        QCOMPARE(iconDigests.size(), 140);
        for (const QString &name : {QStringLiteral("背景图片.jpg"), QStringLiteral("ProjCount.png"), QStringLiteral("Demo.jpg")})
            QVERIFY2(!QImage(kAppDir + "Img/" + name).isNull(), qPrintable(name));
        // Every picture the picture type proposes is installed.
        const QString imageList = DefaultQueryParams(5).value(QueryParamIndex(5, QStringLiteral("ImgList")));
        for (const QString &path : imageList.split('|'))
            QVERIFY2(!QImage(path).isNull(), qPrintable(path));
    }
};

QTEST_GUILESS_MAIN(TestInstallationData)
#include "test_installation_data.moc"
