#include "queryinfo.h"

#include "describequery.h"
#include "suiteerror.h"

#include <QPlainTextEdit>
#include <QPushButton>

QPlainTextEdit *MakeRandInfo(QWidget *parent)
{
    auto *randInfo = new QPlainTextEdit(parent);
    randInfo->setObjectName(QStringLiteral("RandInfo"));
    randInfo->setReadOnly(true);
    randInfo->setLineWrapMode(QPlainTextEdit::NoWrap);
    randInfo->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    randInfo->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    return randInfo;
}

QPushButton *MakeRandInfoEdit(QWidget *parent)
{
    auto *link = new QPushButton(QStringLiteral("点此编辑参数"), parent);
    link->setObjectName(QStringLiteral("RandInfoEdit"));
    link->setFlat(true);
    link->setCursor(Qt::PointingHandCursor);
    link->setStyleSheet(QStringLiteral("QPushButton { color: #0000c0; text-decoration: underline;"
                                       " border: none; background: transparent; }"));
    return link;
}

void ShowQueryDescription(QPlainTextEdit *randInfo, const QueryParams &params, int pmode)
{
    QStringList lines;
    try {
        DescribeQuery(lines, params, pmode);
    } catch (const SuiteError &error) {
        lines << error.message();
    }
    randInfo->setPlainText(lines.join(QLatin1Char('\n')));
}
