#pragma once

#include "valueencodings.h"

#include <QDomDocument>
#include <QStringList>
#include <QVector>

// The display section of a project document: `Form` (the drawing window and its objects)
// and `Animate` (what happens during and after a draw). Readers throw SuiteError naming
// element and attribute for a malformed value; writers create missing elements and only
// set their own attributes, so attributes others keep there (the runtime's record
// settings) stay.

// Window background, shared by Form/Background and the extra result window.
inline const QString kBgOfColor = QStringLiteral("BgOfColor");
inline const QString kBgOfChangingColor = QStringLiteral("BgOfChangingColor");
inline const QString kBgOfPic = QStringLiteral("BgOfPic");

struct BackgroundFill
{
    QString type = kBgOfColor; // kBgOfColor, kBgOfChangingColor or kBgOfPic
    Rgb colour{255, 255, 255};  // BgOfColor
    QString gradient;           // BgOfChangingColor: gradient text
    QString picturePath;        // BgOfPic: full path (already resolved from [Application])
    bool stretch = true;        // BgOfPic
    friend bool operator==(const BackgroundFill &, const BackgroundFill &) = default;
};
// The stored `Color` value of a background of the fill's type.
QString BackgroundValueText(const BackgroundFill &fill);
// Parses a stored `Color` value for `type`; `what` names element/attribute in errors.
BackgroundFill ParseBackgroundValue(const QString &type, const QString &value, const QString &what);

// ---- Form ------------------------------------------------------------------

inline const QString kFormCentred = QStringLiteral("居中");
inline const QString kFormCustom = QStringLiteral("自定义");

struct FormWindow
{
    int width = 800;  // client size
    int height = 600;
    int left = 0;     // screen position, used when align is "自定义"
    int top = 0;
    QString align = kFormCentred;
    friend bool operator==(const FormWindow &, const FormWindow &) = default;
};

struct TitleLine
{
    QString caption;
    FontSpec font;
    Position position;
    friend bool operator==(const TitleLine &, const TitleLine &) = default;
};

struct WindowBackground
{
    BackgroundFill fill;
    QString musicType;      // "", "Path" or "Rand"
    QStringList musicPaths; // full paths; one for "Path", several for "Rand"
    friend bool operator==(const WindowBackground &, const WindowBackground &) = default;
};

struct PictureBox
{
    bool centre = true;
    bool allowStretch = false;
    QString interval; // kept as typed by the designer
    Position position; // Align is not used
    friend bool operator==(const PictureBox &, const PictureBox &) = default;
};

struct PictureNameLine
{
    bool visible = true;
    QString type = QStringLiteral("图片名称+扩展名"); // or "仅图片名称", "完整的图片路径"
    FontSpec font;
    Position position;
    friend bool operator==(const PictureNameLine &, const PictureNameLine &) = default;
};

// Form/RandBox ("Edit"/"Label") and Form/RandRecord ("Memo"/"Label").
struct ResultBox
{
    bool enabled = true;
    QString type;        // "Edit" or "Label" for the result box, "Memo" or "Label" for the record
    FontSpec font;
    Rgb colour{255, 255, 255}; // box background, edit/memo only
    QString format;
    bool readOnly = true;      // edit/memo only
    bool newLine = true;       // record box only
    Position position;
    friend bool operator==(const ResultBox &, const ResultBox &) = default;
};

struct DrawButton
{
    bool enabled = true;
    FontSpec font;
    QString caption;
    Position position;
    friend bool operator==(const DrawButton &, const DrawButton &) = default;
};

struct DrawKey
{
    bool enabled = false;
    QString shortCut = QStringLiteral("F2");
    friend bool operator==(const DrawKey &, const DrawKey &) = default;
};

struct RemarkLabel
{
    QString caption;
    FontSpec font;
    Position position; // Align is not used
    friend bool operator==(const RemarkLabel &, const RemarkLabel &) = default;
};

constexpr int kMaxRemarks = 10;

struct FormSection
{
    FormWindow window;
    TitleLine title;
    WindowBackground background;
    PictureBox picture;         // only read and written for a picture project
    PictureNameLine pictureName;
    ResultBox randBox;
    ResultBox randRecord;
    DrawButton goRandButton;
    DrawKey goRandShortCut;
    QVector<RemarkLabel> remarks;
    friend bool operator==(const FormSection &, const FormSection &) = default;
};

// PMode 5, or PMode 0 whose TypeList holds "图片模式". False without a readable query.
bool IsPictureProject(const QDomDocument &document);

// Reads Form. A disabled box or button reads only what it still holds (defaults for the
// rest); a missing GoRandShortCut reads as no draw key and missing Remarks as none.
// Throws SuiteError for a missing Form or a malformed value.
FormSection ReadFormSection(const QDomDocument &document, bool pictureProject);

// The design save: writes Form in the canvas' order and stamps Version/EditTime with
// `editTime`. A disabled box writes only Enabled="否". Remarks are rewritten from scratch.
void WriteDesignSection(QDomDocument &document, const FormSection &form, bool pictureProject,
                        const QString &editTime);

// ---- Animate ---------------------------------------------------------------

inline const QString kUnitMilliseconds = QStringLiteral("毫秒");
inline const QString kUnitSeconds = QStringLiteral("秒");

// Longest frame or colour-cycle interval: one hour. A timer takes a 32-bit count of
// milliseconds; stored values beyond this are cut to it rather than wrapping around.
constexpr int kMaxIntervalMilliseconds = 3600 * 1000;

// Milliseconds a stored value and unit ask for ("秒" → ×1000), in 64 bits.
qint64 RequestedIntervalMilliseconds(int value, const QString &unit);
// The timer interval for them: the request kept within 0 … kMaxIntervalMilliseconds.
int IntervalMilliseconds(int value, const QString &unit);

struct ExtraScreen
{
    int left = 0;
    int top = 0;
    int height = 300;
    int width = 500;
    QString formAlign = kFormCentred;
    int borderDistanceX = 20;
    int borderDistanceY = 20;
    QString randType = QStringLiteral("Label"); // "Memo" or "Label"
    FontSpec randFont;
    QString randAlign = kAlignCentre;         // TextAlign text
    Rgb randBgColour{255, 255, 255};          // memo only
    BackgroundFill background;
    QString useFormat;                        // "RandBox", "RandRecord" or ""
    friend bool operator==(const ExtraScreen &, const ExtraScreen &) = default;
};

struct ExtraButton
{
    QString type = QStringLiteral("TextButton"); // "ImgButton", "TextButton", "SpeedButton"
    int width = 100;
    int height = 40;
    QString imagePath; // full path; ImgButton and SpeedButton
    QString text = QStringLiteral("停止"); // TextButton and SpeedButton
    FontSpec font;                          // TextButton and SpeedButton
    int positionX = 0;
    int positionY = 0;
    friend bool operator==(const ExtraButton &, const ExtraButton &) = default;
};

struct StopSet
{
    QString type = QStringLiteral("Button");  // "ShortCut", "Times" or "Button"
    QString shortCut = QStringLiteral("F3");  // StopByShortCut
    int times = 500;                          // StopByTimes
    bool timesVisible = true;
    FontSpec timesFont;
    QString buttonType = QStringLiteral("RandButton"); // StopByButton: "RandButton" or "ExtraButton"
    ExtraButton extraButton;
    friend bool operator==(const StopSet &, const StopSet &) = default;
};

struct MusicSwitch
{
    bool enabled = false;
    QString path; // full path
    friend bool operator==(const MusicSwitch &, const MusicSwitch &) = default;
};

struct InRandAnimation
{
    bool hideGoRandButton = false;
    bool hideRandRecord = false;
    int intervalValue = 20;
    QString intervalUnit = kUnitMilliseconds;
    QString randVisibleType = QStringLiteral("RandBox"); // or "ExtraScreen"
    ExtraScreen extraScreen;
    StopSet stopSet;
    MusicSwitch music;
    friend bool operator==(const InRandAnimation &, const InRandAnimation &) = default;
};

struct BoxColourCycle
{
    bool useFontColour = false;
    bool useBgColour = false;
    QVector<Rgb> fontColours; // 1 to 7 colours
    QVector<Rgb> bgColours;
    friend bool operator==(const BoxColourCycle &, const BoxColourCycle &) = default;
};

struct BoxRecordAnimation
{
    int intervalValue = 2;
    QString intervalUnit = kUnitSeconds;
    BoxColourCycle randBox;
    BoxColourCycle randRecord;
    friend bool operator==(const BoxRecordAnimation &, const BoxRecordAnimation &) = default;
};

constexpr int kMaxCycleColours = 7;

struct AnimateSection
{
    bool inRandOn = false;
    InRandAnimation inRand;
    bool afterRandOn = false;
    MusicSwitch afterRandMusic;
    bool boxRecordOn = false;
    BoxRecordAnimation boxRecord;
    friend bool operator==(const AnimateSection &, const AnimateSection &) = default;
};

// Reads Animate. Parts that are switched off (and stop children not chosen) read what
// they still hold, so a dialog shows the previous settings; parts in use are read
// strictly. A missing Animate reads as every animation switched off. Throws SuiteError
// for a malformed value in use.
AnimateSection ReadAnimateSection(const QDomDocument &document);

// The animation save, in the dialog's order. A switched-off feature writes only its "否"
// and leaves its child element as it was; only the chosen stop child is rewritten.
void WriteAnimateSection(QDomDocument &document, const AnimateSection &animate);

// ---- Speech ------------------------------------------------------------------
// Form/Speech: read the result aloud when a draw stops. Added after the format was
// settled; readers that do not know it skip the element.
struct SpeechSettings
{
    bool enabled = false;
    int rate = 0;     // -10 (slow) … 10 (fast)
    int volume = 80;  // 0 … 100
    friend bool operator==(const SpeechSettings &, const SpeechSettings &) = default;
};

// A missing element or attribute, or a value out of range, reads as the default.
SpeechSettings ReadSpeechSettings(const QDomDocument &document);
// Sets Form/Speech's Enabled, Rate and Volume; nothing else in the document changes.
void WriteSpeechSettings(QDomDocument &document, const SpeechSettings &speech);
