#include "storedvaluetext.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// Every stored word that windows, descriptions or messages show. The context is the
// one the English translation files hold these words under.
constexpr const char *kStoredWords[] = {
    // yes/no attributes
    QT_TRANSLATE_NOOP("StoredValue", "是"),
    QT_TRANSLATE_NOOP("StoredValue", "否"),
    // weighted lists
    QT_TRANSLATE_NOOP("StoredValue", "加权"),
    QT_TRANSLATE_NOOP("StoredValue", "百分比"),
    // list separators (project files and Soft.ini)
    QT_TRANSLATE_NOOP("StoredValue", "空格"),
    QT_TRANSLATE_NOOP("StoredValue", "双空格"),
    QT_TRANSLATE_NOOP("StoredValue", "全角空格"),
    QT_TRANSLATE_NOOP("StoredValue", "半角逗号"),
    QT_TRANSLATE_NOOP("StoredValue", "全角逗号"),
    QT_TRANSLATE_NOOP("StoredValue", "半角分号"),
    QT_TRANSLATE_NOOP("StoredValue", "全角分号"),
    // generation modes and group types
    QT_TRANSLATE_NOOP("StoredValue", "数值范围模式"),
    QT_TRANSLATE_NOOP("StoredValue", "列举模式"),
    QT_TRANSLATE_NOOP("StoredValue", "组合模式"),
    QT_TRANSLATE_NOOP("StoredValue", "图片模式"),
    QT_TRANSLATE_NOOP("StoredValue", "密码模式"),
    QT_TRANSLATE_NOOP("StoredValue", "计算模式"),
    QT_TRANSLATE_NOOP("StoredValue", "多元一次方程模式"),
    QT_TRANSLATE_NOOP("StoredValue", "编号"),
    // project types (Rand/@Type)
    QT_TRANSLATE_NOOP("StoredValue", "自定义"),
    QT_TRANSLATE_NOOP("StoredValue", "生成数值型随机数"),
    QT_TRANSLATE_NOOP("StoredValue", "随机点名"),
    QT_TRANSLATE_NOOP("StoredValue", "随机排序"),
    QT_TRANSLATE_NOOP("StoredValue", "随机分配任务"),
    QT_TRANSLATE_NOOP("StoredValue", "随机抽取图片"),
    QT_TRANSLATE_NOOP("StoredValue", "随机密码"),
    QT_TRANSLATE_NOOP("StoredValue", "随机抽取单词/字词"),
    QT_TRANSLATE_NOOP("StoredValue", "随机坐标"),
    QT_TRANSLATE_NOOP("StoredValue", "随机抽奖（单奖项）"),
    QT_TRANSLATE_NOOP("StoredValue", "随机抽奖（多奖项）"),
    QT_TRANSLATE_NOOP("StoredValue", "随机四则运算"),
    QT_TRANSLATE_NOOP("StoredValue", "随机多元一次方程"),
    QT_TRANSLATE_NOOP("StoredValue", "随机一元二次方程"),
    QT_TRANSLATE_NOOP("StoredValue", "自定义运算"),
    // password character kinds
    QT_TRANSLATE_NOOP("StoredValue", "小写字母"),
    QT_TRANSLATE_NOOP("StoredValue", "大写字母"),
    QT_TRANSLATE_NOOP("StoredValue", "数字"),
    QT_TRANSLATE_NOOP("StoredValue", "特殊符号"),
    // calculation conditions
    QT_TRANSLATE_NOOP("StoredValue", "等于"),
    QT_TRANSLATE_NOOP("StoredValue", "不等于"),
    QT_TRANSLATE_NOOP("StoredValue", "大于"),
    QT_TRANSLATE_NOOP("StoredValue", "小于"),
    QT_TRANSLATE_NOOP("StoredValue", "大于或等于"),
    QT_TRANSLATE_NOOP("StoredValue", "小于或等于"),
    QT_TRANSLATE_NOOP("StoredValue", "介于(开区间)"),
    QT_TRANSLATE_NOOP("StoredValue", "介于(闭区间)"),
    QT_TRANSLATE_NOOP("StoredValue", "未介于(开区间)"),
    QT_TRANSLATE_NOOP("StoredValue", "未介于(闭区间)"),
    QT_TRANSLATE_NOOP("StoredValue", "且"),
    QT_TRANSLATE_NOOP("StoredValue", "或"),
    QT_TRANSLATE_NOOP("StoredValue", "取当前值"),
    QT_TRANSLATE_NOOP("StoredValue", "重新取值"),
    // picture names in results
    QT_TRANSLATE_NOOP("StoredValue", "图片名称+扩展名"),
    QT_TRANSLATE_NOOP("StoredValue", "仅图片名称"),
    QT_TRANSLATE_NOOP("StoredValue", "完整的图片路径"),
    // object and text alignment
    QT_TRANSLATE_NOOP("StoredValue", "左对齐"),
    QT_TRANSLATE_NOOP("StoredValue", "居中对齐"),
    QT_TRANSLATE_NOOP("StoredValue", "右对齐"),
    QT_TRANSLATE_NOOP("StoredValue", "居中"),
    // animation interval units
    QT_TRANSLATE_NOOP("StoredValue", "秒"),
    QT_TRANSLATE_NOOP("StoredValue", "毫秒"),
    // fair draws: mode, period, strength
    QT_TRANSLATE_NOOP("StoredValue", "普通"),
    QT_TRANSLATE_NOOP("StoredValue", "轮换"),
    QT_TRANSLATE_NOOP("StoredValue", "均衡"),
    QT_TRANSLATE_NOOP("StoredValue", "本周"),
    QT_TRANSLATE_NOOP("StoredValue", "本月"),
    QT_TRANSLATE_NOOP("StoredValue", "本学期"),
    QT_TRANSLATE_NOOP("StoredValue", "全部"),
    QT_TRANSLATE_NOOP("StoredValue", "弱"),
    QT_TRANSLATE_NOOP("StoredValue", "中"),
    QT_TRANSLATE_NOOP("StoredValue", "强"),
    // draw history: where a draw was made, and the marks on results
    QT_TRANSLATE_NOOP("StoredValue", "窗口"),
    QT_TRANSLATE_NOOP("StoredValue", "命令行"),
    QT_TRANSLATE_NOOP("StoredValue", "悬浮抽取"),
    QT_TRANSLATE_NOOP("StoredValue", "缺席"),
    QT_TRANSLATE_NOOP("StoredValue", "已回答"),
    QT_TRANSLATE_NOOP("StoredValue", "未回答"),
    QT_TRANSLATE_NOOP("StoredValue", "跳过"),
};

} // namespace

QString StoredValueText(const QString &stored)
{
    const QByteArray utf8 = stored.toUtf8();
    for (const char *word : kStoredWords) {
        if (utf8 == word)
            return QCoreApplication::translate("StoredValue", word);
    }
    return stored;
}

QString StoredValueListText(const QString &stored, QChar separator)
{
    QStringList shown;
    for (const QString &word : stored.split(separator))
        shown << StoredValueText(word);
    return shown.join(separator);
}
