#include "displaysection.h"

#include "domutil.h"
#include "projectheader.h"
#include "querysection.h"
#include "suiteerror.h"

#include <algorithm>
#include <QCoreApplication>

namespace {
const QString kBar = QStringLiteral("|");
const QString kStretch = QStringLiteral("Stretch");
const QString kNoStretch = QStringLiteral("NoStretch");
const QString kPictureNamePrefix = QStringLiteral("显示图片名称格式：");

// Reads the attributes of one element. A strict reader lets every malformed or missing
// number, colour or font throw; a lenient one (for parts switched off or not chosen)
// keeps the fallback instead, so such parts show what they still hold.
class AttributeReader
{
public:
    AttributeReader(QDomElement element, bool strict) : m_element(std::move(element)), m_strict(strict) {}

    const QDomElement &element() const { return m_element; }

    QString text(const QString &name, const QString &fallback) const
    {
        if (!m_strict && !m_element.hasAttribute(name))
            return fallback;
        return m_element.attribute(name);
    }
    bool flag(const QString &name, bool fallback) const
    {
        if (!m_strict && !m_element.hasAttribute(name))
            return fallback;
        return ReadBoolAttribute(m_element, name);
    }
    int number(const QString &name, int fallback) const
    {
        return guarded(fallback, [&] { return ReadIntAttribute(m_element, name); });
    }
    int coordinate(const QString &name, int fallback) const
    {
        return guarded(fallback, [&] { return ReadCoordinateAttribute(m_element, name); });
    }
    Rgb colour(const QString &name, const Rgb &fallback) const
    {
        return guarded(fallback, [&] { return ReadColourAttribute(m_element, name); });
    }
    FontSpec font(const QString &name, const FontSpec &fallback) const
    {
        return guarded(fallback, [&] { return ReadFontAttribute(m_element, name); });
    }
    Position position(const Position &fallback) const
    {
        return guarded(fallback, [&] { return ReadPosition(m_element); });
    }
    BackgroundFill background(const QString &typeName, const QString &valueName, const BackgroundFill &fallback) const
    {
        return guarded(fallback, [&] {
            return ParseBackgroundValue(m_element.attribute(typeName), m_element.attribute(valueName),
                                        ElementPath(m_element) + QLatin1Char('/') + valueName);
        });
    }
    QVector<Rgb> colourList(const QString &name) const
    {
        return guarded(QVector<Rgb>{}, [&] {
            try {
                return TextToColourList(m_element.attribute(name));
            } catch (const SuiteError &e) {
                throw SuiteError(QCoreApplication::translate("Model", "工程文件有误：%1 的属性 %2 无效（%3）")
                                     .arg(ElementPath(m_element), name, e.message()));
            }
        });
    }

private:
    template <typename T, typename Read>
    T guarded(const T &fallback, Read read) const
    {
        if (m_strict)
            return read();
        try {
            return read();
        } catch (const SuiteError &) {
            return fallback;
        }
    }

    QDomElement m_element;
    bool m_strict;
};

QDomElement requiredChild(const QDomElement &parent, const QString &name)
{
    const QDomElement child = FindChildElement(parent, name);
    if (child.isNull())
        throw SuiteError(
            QCoreApplication::translate("Model", "工程文件有误：缺少元素 %1/%2。").arg(ElementPath(parent), name));
    return child;
}

// A reader for a child that may be missing when it is not in use.
AttributeReader childReader(const QDomElement &parent, const QString &name, bool strict)
{
    if (strict)
        return AttributeReader(requiredChild(parent, name), true);
    return AttributeReader(FindChildElement(parent, name), false);
}

QDomElement requiredSection(const QDomDocument &document, const QString &name)
{
    const QDomElement section = FindChildElement(document.documentElement(), name);
    if (section.isNull())
        throw SuiteError(QCoreApplication::translate("Model", "工程文件有误：缺少 %1 部分。").arg(name));
    return section;
}

void setBool(QDomElement element, const QString &name, bool value)
{
    element.setAttribute(name, BoolToText(value));
}

void setInt(QDomElement element, const QString &name, int value)
{
    element.setAttribute(name, QString::number(value));
}

// ---- Form readers ----------------------------------------------------------

// Music paths: each "[Application]" resolves, so lists stored with only the first path
// substituted read as well as fully substituted ones.
QStringList readMusicPaths(const QString &musicType, const QString &stored)
{
    if (musicType.isEmpty() || stored.isEmpty())
        return {};
    return FromAppPath(stored).split(kBar);
}

QString writeMusicPaths(const QStringList &paths)
{
    // Each path is substituted on its own so every file still resolves after the
    // installation moves.
    QStringList stored;
    for (const QString &path : paths)
        stored << ToAppPath(path);
    return stored.join(kBar);
}

ResultBox readBox(const QDomElement &form, const QString &name, const QString &boxKind, bool withNewLine)
{
    const QDomElement element = FindChildElement(form, name);
    const ResultBox defaults;
    ResultBox box;
    box.enabled = !element.isNull() && ReadBoolAttribute(element, QStringLiteral("Enabled"));
    const AttributeReader reader(element, box.enabled);
    box.type = reader.text(QStringLiteral("Type"), boxKind);
    const bool isBox = box.type == boxKind;
    const AttributeReader boxOnly(element, box.enabled && isBox);
    box.font = reader.font(QStringLiteral("Font"), defaults.font);
    box.colour = boxOnly.colour(QStringLiteral("Color"), defaults.colour);
    box.format = reader.text(QStringLiteral("Format"), QString());
    box.readOnly = boxOnly.flag(QStringLiteral("ReadOnly"), defaults.readOnly);
    if (withNewLine)
        box.newLine = reader.flag(QStringLiteral("NewLine"), defaults.newLine);
    box.position = reader.position(defaults.position);
    return box;
}

void writeBox(QDomElement form, const QString &name, const QString &boxKind, const ResultBox &box, bool withNewLine)
{
    QDomElement element = ChildElement(form, name);
    setBool(element, QStringLiteral("Enabled"), box.enabled);
    if (!box.enabled)
        return;
    const bool isBox = box.type == boxKind;
    element.setAttribute(QStringLiteral("Type"), isBox ? boxKind : QStringLiteral("Label"));
    element.setAttribute(QStringLiteral("Font"), FontToText(box.font));
    if (isBox)
        element.setAttribute(QStringLiteral("Color"), ColourToText(box.colour));
    element.setAttribute(QStringLiteral("Format"), box.format);
    if (isBox)
        setBool(element, QStringLiteral("ReadOnly"), box.readOnly);
    if (withNewLine)
        setBool(element, QStringLiteral("NewLine"), box.newLine);
    WritePosition(element, box.position);
}

// ---- Animate readers -------------------------------------------------------

MusicSwitch readMusic(const AttributeReader &reader)
{
    MusicSwitch music;
    music.enabled = reader.flag(QStringLiteral("Enabled"), false);
    music.path = FromAppPath(reader.text(QStringLiteral("BgMusicPath"), QString()));
    return music;
}

void writeMusic(QDomElement element, const MusicSwitch &music)
{
    setBool(element, QStringLiteral("Enabled"), music.enabled);
    element.setAttribute(QStringLiteral("BgMusicPath"), ToAppPath(music.path));
}

ExtraScreen readExtraScreen(const AttributeReader &r)
{
    const ExtraScreen d;
    ExtraScreen screen;
    screen.left = r.coordinate(QStringLiteral("Left"), d.left);
    screen.top = r.coordinate(QStringLiteral("Top"), d.top);
    screen.height = r.coordinate(QStringLiteral("Height"), d.height);
    screen.width = r.coordinate(QStringLiteral("Width"), d.width);
    screen.formAlign = r.text(QStringLiteral("FormAlign"), d.formAlign);
    screen.borderDistanceX = r.number(QStringLiteral("BorderDistanceX"), d.borderDistanceX);
    screen.borderDistanceY = r.number(QStringLiteral("BorderDistanceY"), d.borderDistanceY);
    screen.randType = r.text(QStringLiteral("RandType"), d.randType);
    screen.randFont = r.font(QStringLiteral("RandFont"), d.randFont);
    screen.randAlign = r.text(QStringLiteral("RandAlign"), d.randAlign);
    const AttributeReader memoOnly(r.element(), false);
    screen.randBgColour = screen.randType == QStringLiteral("Memo")
                              ? r.colour(QStringLiteral("RandBgColor"), d.randBgColour)
                              : memoOnly.colour(QStringLiteral("RandBgColor"), d.randBgColour);
    screen.background = r.background(QStringLiteral("Background"), QStringLiteral("Color"), d.background);
    screen.useFormat = r.text(QStringLiteral("UseFormat"), d.useFormat);
    return screen;
}

void writeExtraScreen(QDomElement e, const ExtraScreen &screen)
{
    setInt(e, QStringLiteral("Left"), screen.left);
    setInt(e, QStringLiteral("Top"), screen.top);
    setInt(e, QStringLiteral("Height"), screen.height);
    setInt(e, QStringLiteral("Width"), screen.width);
    e.setAttribute(QStringLiteral("FormAlign"), screen.formAlign);
    setInt(e, QStringLiteral("BorderDistanceX"), screen.borderDistanceX);
    setInt(e, QStringLiteral("BorderDistanceY"), screen.borderDistanceY);
    e.setAttribute(QStringLiteral("RandType"), screen.randType);
    e.setAttribute(QStringLiteral("RandFont"), FontToText(screen.randFont));
    e.setAttribute(QStringLiteral("RandAlign"), screen.randAlign);
    if (screen.randType == QStringLiteral("Memo"))
        e.setAttribute(QStringLiteral("RandBgColor"), ColourToText(screen.randBgColour));
    e.setAttribute(QStringLiteral("Background"), screen.background.type);
    e.setAttribute(QStringLiteral("Color"), BackgroundValueText(screen.background));
    e.setAttribute(QStringLiteral("UseFormat"), screen.useFormat);
}

bool buttonHasImage(const QString &type)
{
    return type == QStringLiteral("ImgButton") || type == QStringLiteral("SpeedButton");
}

bool buttonHasText(const QString &type)
{
    return type == QStringLiteral("TextButton") || type == QStringLiteral("SpeedButton");
}

ExtraButton readExtraButton(const QDomElement &stopByButton, bool inUse)
{
    const ExtraButton d;
    const AttributeReader r = childReader(stopByButton, QStringLiteral("ExtraButton"), inUse);
    ExtraButton button;
    button.type = r.text(QStringLiteral("Type"), d.type);
    const AttributeReader image(r.element(), inUse && buttonHasImage(button.type));
    const AttributeReader text(r.element(), inUse && buttonHasText(button.type));
    button.width = r.coordinate(QStringLiteral("Width"), d.width);
    button.height = r.coordinate(QStringLiteral("Height"), d.height);
    button.imagePath = FromAppPath(image.text(QStringLiteral("ImgPath"), QString()));
    button.text = text.text(QStringLiteral("Text"), d.text);
    button.font = text.font(QStringLiteral("Font"), d.font);
    button.positionX = r.number(QStringLiteral("PositionX"), d.positionX);
    button.positionY = r.number(QStringLiteral("PositionY"), d.positionY);
    return button;
}

void writeExtraButton(QDomElement e, const ExtraButton &button)
{
    e.setAttribute(QStringLiteral("Type"), button.type);
    setInt(e, QStringLiteral("Width"), button.width);
    setInt(e, QStringLiteral("Height"), button.height);
    if (buttonHasImage(button.type))
        e.setAttribute(QStringLiteral("ImgPath"), ToAppPath(button.imagePath));
    if (buttonHasText(button.type)) {
        e.setAttribute(QStringLiteral("Text"), button.text);
        e.setAttribute(QStringLiteral("Font"), FontToText(button.font));
    }
    setInt(e, QStringLiteral("PositionX"), button.positionX);
    setInt(e, QStringLiteral("PositionY"), button.positionY);
}

StopSet readStopSet(const QDomElement &inRand, bool inUse)
{
    const StopSet d;
    const AttributeReader r = childReader(inRand, QStringLiteral("RandStopSet"), inUse);
    StopSet stop;
    stop.type = r.text(QStringLiteral("Type"), d.type);

    const AttributeReader byKey =
        childReader(r.element(), QStringLiteral("StopByShortCut"), inUse && stop.type == QStringLiteral("ShortCut"));
    stop.shortCut = byKey.text(QStringLiteral("ShortCut"), d.shortCut);

    const AttributeReader byTimes =
        childReader(r.element(), QStringLiteral("StopByTimes"), inUse && stop.type == QStringLiteral("Times"));
    stop.times = byTimes.number(QStringLiteral("Times"), d.times);
    stop.timesVisible = byTimes.flag(QStringLiteral("TimesVisible"), d.timesVisible);
    stop.timesFont = byTimes.font(QStringLiteral("Font"), d.timesFont);

    const bool byButtonInUse = inUse && stop.type == QStringLiteral("Button");
    const AttributeReader byButton = childReader(r.element(), QStringLiteral("StopByButton"), byButtonInUse);
    stop.buttonType = byButton.text(QStringLiteral("Type"), d.buttonType);
    stop.extraButton = readExtraButton(byButton.element(),
                                       byButtonInUse && stop.buttonType == QStringLiteral("ExtraButton"));
    return stop;
}

void writeStopSet(QDomElement inRand, const StopSet &stop)
{
    QDomElement e = ChildElement(inRand, QStringLiteral("RandStopSet"));
    e.setAttribute(QStringLiteral("Type"), stop.type);
    if (stop.type == QStringLiteral("ShortCut")) {
        ChildElement(e, QStringLiteral("StopByShortCut")).setAttribute(QStringLiteral("ShortCut"), stop.shortCut);
    } else if (stop.type == QStringLiteral("Times")) {
        QDomElement byTimes = ChildElement(e, QStringLiteral("StopByTimes"));
        setInt(byTimes, QStringLiteral("Times"), stop.times);
        setBool(byTimes, QStringLiteral("TimesVisible"), stop.timesVisible);
        byTimes.setAttribute(QStringLiteral("Font"), FontToText(stop.timesFont));
    } else {
        QDomElement byButton = ChildElement(e, QStringLiteral("StopByButton"));
        byButton.setAttribute(QStringLiteral("Type"), stop.buttonType);
        if (stop.buttonType == QStringLiteral("ExtraButton"))
            writeExtraButton(ChildElement(byButton, QStringLiteral("ExtraButton")), stop.extraButton);
    }
}

BoxColourCycle readCycle(const QDomElement &boxRecord, const QString &name, bool inUse)
{
    const AttributeReader r = childReader(boxRecord, name, inUse);
    BoxColourCycle cycle;
    cycle.useFontColour = r.flag(QStringLiteral("UseFontColor"), false);
    cycle.useBgColour = r.flag(QStringLiteral("UseBgColor"), false);
    cycle.fontColours = childReader(r.element(), QStringLiteral("FontColorList"), inUse && cycle.useFontColour)
                            .colourList(QStringLiteral("Color"));
    cycle.bgColours = childReader(r.element(), QStringLiteral("BgColorList"), inUse && cycle.useBgColour)
                          .colourList(QStringLiteral("Color"));
    return cycle;
}

void writeCycle(QDomElement boxRecord, const QString &name, const BoxColourCycle &cycle)
{
    QDomElement e = ChildElement(boxRecord, name);
    setBool(e, QStringLiteral("UseFontColor"), cycle.useFontColour);
    setBool(e, QStringLiteral("UseBgColor"), cycle.useBgColour);
    if (cycle.useFontColour)
        ChildElement(e, QStringLiteral("FontColorList"))
            .setAttribute(QStringLiteral("Color"), ColourListToText(cycle.fontColours));
    if (cycle.useBgColour)
        ChildElement(e, QStringLiteral("BgColorList"))
            .setAttribute(QStringLiteral("Color"), ColourListToText(cycle.bgColours));
}
} // namespace

QString BackgroundValueText(const BackgroundFill &fill)
{
    if (fill.type == kBgOfChangingColor)
        return fill.gradient;
    if (fill.type == kBgOfPic)
        return ToAppPath(fill.picturePath) + kBar + (fill.stretch ? kStretch : kNoStretch);
    return ColourToText(fill.colour);
}

BackgroundFill ParseBackgroundValue(const QString &type, const QString &value, const QString &what)
{
    BackgroundFill fill;
    fill.type = type;
    if (type == kBgOfChangingColor) {
        fill.gradient = value;
    } else if (type == kBgOfPic) {
        const QStringList parts = value.split(kBar);
        fill.picturePath = FromAppPath(parts.value(0));
        fill.stretch = parts.value(1) == kStretch;
    } else if (type == kBgOfColor) {
        try {
            fill.colour = TextToColour(value);
        } catch (const SuiteError &e) {
            throw SuiteError(QCoreApplication::translate("Model", "工程文件有误：%1 的值“%2”无效（%3）")
                                 .arg(what, value, e.message()));
        }
    } else {
        throw SuiteError(
            QCoreApplication::translate("Model", "工程文件有误：背景类型“%1”未知（%2）。").arg(type, what));
    }
    return fill;
}

bool IsPictureProject(const QDomDocument &document)
{
    QuerySection query;
    try {
        query = ReadQuerySection(document);
    } catch (const SuiteError &) {
        return false;
    }
    if (query.pmode == 5)
        return true;
    if (query.pmode != 0)
        return false;
    const int typeListIndex = QueryParamIndex(0, QStringLiteral("TypeList"));
    return typeListIndex >= 0 && query.params.value(typeListIndex).contains(QStringLiteral("图片模式"));
}

FormSection ReadFormSection(const QDomDocument &document, bool pictureProject)
{
    const QDomElement formElement = requiredSection(document, QStringLiteral("Form"));
    const AttributeReader form(formElement, true);
    FormSection section;

    section.window.width = form.coordinate(QStringLiteral("Width"), 0);
    section.window.height = form.coordinate(QStringLiteral("Height"), 0);
    section.window.left = form.coordinate(QStringLiteral("Left"), 0);
    section.window.top = form.coordinate(QStringLiteral("Top"), 0);
    section.window.align = form.text(QStringLiteral("Align"), kFormCentred);

    const AttributeReader title(requiredChild(formElement, QStringLiteral("Title")), true);
    section.title.caption = title.text(QStringLiteral("Caption"), QString());
    section.title.font = title.font(QStringLiteral("Font"), {});
    section.title.position = title.position({});

    const AttributeReader background(requiredChild(formElement, QStringLiteral("Background")), true);
    section.background.fill = background.background(QStringLiteral("Type"), QStringLiteral("Color"), {});
    section.background.musicType = background.text(QStringLiteral("MusicType"), QString());
    section.background.musicPaths =
        readMusicPaths(section.background.musicType, background.text(QStringLiteral("MusicPath"), QString()));

    if (pictureProject) {
        const AttributeReader pic(requiredChild(formElement, QStringLiteral("Pic")), true);
        section.picture.centre = pic.flag(QStringLiteral("Center"), false);
        section.picture.allowStretch = pic.flag(QStringLiteral("AllowStretch"), false);
        section.picture.interval = pic.text(QStringLiteral("Interval"), QString());
        section.picture.position = pic.position({});
        section.picture.position.align.clear();

        const AttributeReader name(requiredChild(formElement, QStringLiteral("PicName")), true);
        section.pictureName.visible = name.flag(QStringLiteral("Visible"), false);
        section.pictureName.type = name.text(QStringLiteral("Type"), QString());
        section.pictureName.font = name.font(QStringLiteral("Font"), {});
        section.pictureName.position = name.position({});
    }

    section.randBox = readBox(formElement, QStringLiteral("RandBox"), QStringLiteral("Edit"), false);
    section.randRecord = readBox(formElement, QStringLiteral("RandRecord"), QStringLiteral("Memo"), true);

    const QDomElement buttonElement = FindChildElement(formElement, QStringLiteral("GoRandButton"));
    section.goRandButton.enabled =
        !buttonElement.isNull() && ReadBoolAttribute(buttonElement, QStringLiteral("Enabled"));
    const AttributeReader button(buttonElement, section.goRandButton.enabled);
    section.goRandButton.font = button.font(QStringLiteral("Font"), {});
    section.goRandButton.caption = button.text(QStringLiteral("Caption"), QString());
    section.goRandButton.position = button.position({});

    // Elements a writer creates empty when they are missing read as switched off when a
    // hand-made or older document lacks them.
    const QDomElement keyElement = FindChildElement(formElement, QStringLiteral("GoRandShortCut"));
    if (!keyElement.isNull()) {
        const AttributeReader key(keyElement, true);
        section.goRandShortCut.enabled = key.flag(QStringLiteral("Enabled"), false);
        section.goRandShortCut.shortCut = key.text(QStringLiteral("ShortCut"), QString());
    }

    const QDomElement remarksElement = FindChildElement(formElement, QStringLiteral("Remarks"));
    if (remarksElement.isNull())
        return section;
    const AttributeReader remarks(remarksElement, true);
    const int count = remarks.number(QStringLiteral("Count"), 0);
    // Stops at the last Remark even when Count claims more.
    QDomElement remarkElement = remarks.element().firstChildElement(QStringLiteral("Remark"));
    for (int i = 0; i < count && !remarkElement.isNull(); ++i) {
        const AttributeReader remark(remarkElement, true);
        RemarkLabel label;
        label.caption = remark.text(QStringLiteral("Caption"), QString());
        label.font = remark.font(QStringLiteral("Font"), {});
        label.position = remark.position({});
        label.position.align.clear();
        section.remarks << label;
        remarkElement = remarkElement.nextSiblingElement(QStringLiteral("Remark"));
    }
    return section;
}

void WriteDesignSection(QDomDocument &document, const FormSection &section, bool pictureProject,
                        const QString &editTime)
{
    QDomElement form = ChildElement(ProjectRootElement(document), QStringLiteral("Form"));
    setInt(form, QStringLiteral("Width"), section.window.width);
    setInt(form, QStringLiteral("Height"), section.window.height);
    setInt(form, QStringLiteral("Left"), section.window.left);
    setInt(form, QStringLiteral("Top"), section.window.top);
    form.setAttribute(QStringLiteral("Align"), section.window.align);

    QDomElement title = ChildElement(form, QStringLiteral("Title"));
    title.setAttribute(QStringLiteral("Caption"), section.title.caption);
    WritePosition(title, section.title.position);
    title.setAttribute(QStringLiteral("Font"), FontToText(section.title.font));

    QDomElement background = ChildElement(form, QStringLiteral("Background"));
    background.setAttribute(QStringLiteral("Type"), section.background.fill.type);
    background.setAttribute(QStringLiteral("Color"), BackgroundValueText(section.background.fill));
    background.setAttribute(QStringLiteral("MusicType"), section.background.musicType);
    background.setAttribute(QStringLiteral("MusicPath"), section.background.musicType.isEmpty()
                                                             ? QString()
                                                             : writeMusicPaths(section.background.musicPaths));

    if (pictureProject) {
        QDomElement pic = ChildElement(form, QStringLiteral("Pic"));
        setBool(pic, QStringLiteral("Center"), section.picture.centre);
        setBool(pic, QStringLiteral("AllowStretch"), section.picture.allowStretch);
        pic.setAttribute(QStringLiteral("Interval"), section.picture.interval);
        Position picturePosition = section.picture.position;
        picturePosition.align.clear();
        WritePosition(pic, picturePosition);

        QDomElement name = ChildElement(form, QStringLiteral("PicName"));
        setBool(name, QStringLiteral("Visible"), section.pictureName.visible);
        QString nameType = section.pictureName.type;
        if (nameType.startsWith(kPictureNamePrefix))
            nameType.remove(0, kPictureNamePrefix.size());
        name.setAttribute(QStringLiteral("Type"), nameType);
        name.setAttribute(QStringLiteral("Font"), FontToText(section.pictureName.font));
        WritePosition(name, section.pictureName.position);
    }

    writeBox(form, QStringLiteral("RandBox"), QStringLiteral("Edit"), section.randBox, false);
    writeBox(form, QStringLiteral("RandRecord"), QStringLiteral("Memo"), section.randRecord, true);

    QDomElement button = ChildElement(form, QStringLiteral("GoRandButton"));
    setBool(button, QStringLiteral("Enabled"), section.goRandButton.enabled);
    if (section.goRandButton.enabled) {
        button.setAttribute(QStringLiteral("Font"), FontToText(section.goRandButton.font));
        button.setAttribute(QStringLiteral("Caption"), section.goRandButton.caption);
        WritePosition(button, section.goRandButton.position);
    }

    QDomElement key = ChildElement(form, QStringLiteral("GoRandShortCut"));
    setBool(key, QStringLiteral("Enabled"), section.goRandShortCut.enabled);
    key.setAttribute(QStringLiteral("ShortCut"), section.goRandShortCut.shortCut);

    if (section.remarks.size() > kMaxRemarks)
        throw SuiteError(QCoreApplication::translate("Model", "备注最多只能有 %1 条。").arg(kMaxRemarks));
    QDomElement remarks = ChildElement(form, QStringLiteral("Remarks"));
    setInt(remarks, QStringLiteral("Count"), section.remarks.size());
    while (!remarks.firstChild().isNull())
        remarks.removeChild(remarks.firstChild());
    for (const RemarkLabel &label : section.remarks) {
        QDomElement remark = document.createElement(QStringLiteral("Remark"));
        remarks.appendChild(remark);
        remark.setAttribute(QStringLiteral("Caption"), label.caption);
        remark.setAttribute(QStringLiteral("Font"), FontToText(label.font));
        Position position = label.position;
        position.align.clear();
        WritePosition(remark, position);
    }

    StampEditTime(document, editTime);
}

qint64 RequestedIntervalMilliseconds(int value, const QString &unit)
{
    return unit == kUnitSeconds ? qint64(value) * 1000 : qint64(value);
}

int IntervalMilliseconds(int value, const QString &unit)
{
    return int(std::clamp<qint64>(RequestedIntervalMilliseconds(value, unit), 0, kMaxIntervalMilliseconds));
}

AnimateSection ReadAnimateSection(const QDomDocument &document)
{
    AnimateSection animate;
    const QDomElement animateElement = FindChildElement(document.documentElement(), QStringLiteral("Animate"));
    if (animateElement.isNull()) // every animation switched off, as a writer would create it
        return animate;
    animate.inRandOn = ReadBoolAttribute(animateElement, QStringLiteral("InRand"));
    animate.afterRandOn = ReadBoolAttribute(animateElement, QStringLiteral("AfterRand"));
    animate.boxRecordOn = ReadBoolAttribute(animateElement, QStringLiteral("BoxRecord"));

    const InRandAnimation d;
    const AttributeReader inRand = childReader(animateElement, QStringLiteral("InRand"), animate.inRandOn);
    InRandAnimation &in = animate.inRand;
    in.hideGoRandButton = inRand.flag(QStringLiteral("HideGoRandButton"), d.hideGoRandButton);
    in.hideRandRecord = inRand.flag(QStringLiteral("HideRandRecord"), d.hideRandRecord);
    in.intervalValue = inRand.number(QStringLiteral("IntervalValue"), d.intervalValue);
    in.intervalUnit = inRand.text(QStringLiteral("IntervalUnit"), d.intervalUnit);
    in.randVisibleType = inRand.text(QStringLiteral("RandVisibleType"), d.randVisibleType);
    in.extraScreen = readExtraScreen(childReader(inRand.element(), QStringLiteral("ExtraScreen"),
                                                 animate.inRandOn && in.randVisibleType == QStringLiteral("ExtraScreen")));
    in.stopSet = readStopSet(inRand.element(), animate.inRandOn);
    in.music = readMusic(childReader(inRand.element(), QStringLiteral("BgMusic"), animate.inRandOn));

    const AttributeReader afterRand = childReader(animateElement, QStringLiteral("AfterRand"), animate.afterRandOn);
    animate.afterRandMusic = readMusic(childReader(afterRand.element(), QStringLiteral("BgMusic"), animate.afterRandOn));

    const BoxRecordAnimation b;
    const AttributeReader boxRecord = childReader(animateElement, QStringLiteral("BoxRecord"), animate.boxRecordOn);
    animate.boxRecord.intervalValue = boxRecord.number(QStringLiteral("IntervalValue"), b.intervalValue);
    animate.boxRecord.intervalUnit = boxRecord.text(QStringLiteral("IntervalUnit"), b.intervalUnit);
    animate.boxRecord.randBox = readCycle(boxRecord.element(), QStringLiteral("UseRandBox"), animate.boxRecordOn);
    animate.boxRecord.randRecord = readCycle(boxRecord.element(), QStringLiteral("UseRandRecord"), animate.boxRecordOn);
    return animate;
}

void WriteAnimateSection(QDomDocument &document, const AnimateSection &animate)
{
    QDomElement animateElement = ChildElement(ProjectRootElement(document), QStringLiteral("Animate"));

    setBool(animateElement, QStringLiteral("InRand"), animate.inRandOn);
    if (animate.inRandOn) {
        const InRandAnimation &in = animate.inRand;
        QDomElement inRand = ChildElement(animateElement, QStringLiteral("InRand"));
        setBool(inRand, QStringLiteral("HideGoRandButton"), in.hideGoRandButton);
        setBool(inRand, QStringLiteral("HideRandRecord"), in.hideRandRecord);
        setInt(inRand, QStringLiteral("IntervalValue"), in.intervalValue);
        inRand.setAttribute(QStringLiteral("IntervalUnit"), in.intervalUnit);
        inRand.setAttribute(QStringLiteral("RandVisibleType"), in.randVisibleType);
        if (in.randVisibleType == QStringLiteral("ExtraScreen"))
            writeExtraScreen(ChildElement(inRand, QStringLiteral("ExtraScreen")), in.extraScreen);
        writeStopSet(inRand, in.stopSet);
        writeMusic(ChildElement(inRand, QStringLiteral("BgMusic")), in.music);
    }

    setBool(animateElement, QStringLiteral("AfterRand"), animate.afterRandOn);
    if (animate.afterRandOn)
        writeMusic(ChildElement(ChildElement(animateElement, QStringLiteral("AfterRand")), QStringLiteral("BgMusic")),
                   animate.afterRandMusic);

    setBool(animateElement, QStringLiteral("BoxRecord"), animate.boxRecordOn);
    if (animate.boxRecordOn) {
        QDomElement boxRecord = ChildElement(animateElement, QStringLiteral("BoxRecord"));
        setInt(boxRecord, QStringLiteral("IntervalValue"), animate.boxRecord.intervalValue);
        boxRecord.setAttribute(QStringLiteral("IntervalUnit"), animate.boxRecord.intervalUnit);
        writeCycle(boxRecord, QStringLiteral("UseRandBox"), animate.boxRecord.randBox);
        writeCycle(boxRecord, QStringLiteral("UseRandRecord"), animate.boxRecord.randRecord);
    }
}

SpeechSettings ReadSpeechSettings(const QDomDocument &document)
{
    SpeechSettings speech;
    const QDomElement element =
        FindChildElement(FindChildElement(document.documentElement(), QStringLiteral("Form")), QStringLiteral("Speech"));
    if (element.isNull())
        return speech;
    speech.enabled = element.attribute(QStringLiteral("Enabled")) == QStringLiteral("是");
    bool ok = false;
    const int rate = element.attribute(QStringLiteral("Rate")).toInt(&ok);
    if (ok && rate >= -10 && rate <= 10)
        speech.rate = rate;
    const int volume = element.attribute(QStringLiteral("Volume")).toInt(&ok);
    if (ok && volume >= 0 && volume <= 100)
        speech.volume = volume;
    return speech;
}

void WriteSpeechSettings(QDomDocument &document, const SpeechSettings &speech)
{
    QDomElement element = ChildElement(ChildElement(ProjectRootElement(document), QStringLiteral("Form")),
                                       QStringLiteral("Speech"));
    setBool(element, QStringLiteral("Enabled"), speech.enabled);
    element.setAttribute(QStringLiteral("Rate"), speech.rate);
    element.setAttribute(QStringLiteral("Volume"), speech.volume);
}
