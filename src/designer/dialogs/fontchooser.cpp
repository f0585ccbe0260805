#include "fontchooser.h"

#include "widgetlook.h"

#include <QColorDialog>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QFontDialog>
#include <QFontInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// "C059 [UKWN]": the font database names a family offered by several foundries so.
QString FamilyWithoutFoundry(QString family)
{
    static const QRegularExpression foundry(QStringLiteral("\\s*\\[[^\\]]*\\]\\s*$"));
    return family.remove(foundry);
}

bool HasBoldStyle(const QString &family)
{
    const QStringList styles = QFontDatabase::styles(family);
    return std::any_of(styles.cbegin(), styles.cend(),
                       [&family](const QString &style) { return QFontDatabase::bold(family, style); });
}

} // namespace

FontSpec ToFontSpec(const QFont &font, const Rgb &colour)
{
    FontSpec described;
    described.colour = colour;
    described.face = FamilyWithoutFoundry(font.family());
    described.bold = font.bold();
    described.italic = font.italic();
    described.underline = font.underline();
    described.strikeOut = font.strikeOut();
    described.size = font.pointSize() > 0 ? font.pointSize() : qRound(font.pointSizeF());
    return described;
}

QFont ShownFont(const FontSpec &font)
{
    QFont shown = ToQFont(font);
    shown.setFamily(FamilyWithoutFoundry(QFontInfo(shown).family()));
    return shown;
}

FontSpec ChosenFontSpec(const FontSpec &current, const QFont &shown, const QFont &chosen, const Rgb &colour)
{
    FontSpec described = ToFontSpec(chosen, colour);
    if (described.face == FamilyWithoutFoundry(shown.family()))
        described.face = current.face;
    if (current.bold && !described.bold && !HasBoldStyle(FamilyWithoutFoundry(chosen.family())))
        described.bold = true;
    return described;
}

std::optional<FontSpec> ChooseFontSpec(QWidget *parent, const FontSpec &current)
{
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("FontSet"));
    dialog.setWindowTitle(QCoreApplication::translate("FontChooser", "字体"));

    const QFont shown = ShownFont(current);
    auto *fonts = new QFontDialog(shown, &dialog);
    fonts->setWindowFlags(Qt::Widget);
    fonts->setOptions(QFontDialog::NoButtons);

    Rgb colour = current.colour;
    auto *swatch = new QLabel(&dialog);
    swatch->setFixedSize(40, 20);
    auto paintSwatch = [swatch, &colour] {
        swatch->setStyleSheet(QStringLiteral("background:%1; border:1px solid #808080;").arg(ToQColor(colour).name()));
    };
    paintSwatch();
    auto *colourButton = new QPushButton(QCoreApplication::translate("FontChooser", "文字颜色…"), &dialog);
    QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&dialog, &colour, paintSwatch] {
        const QColor chosen = QColorDialog::getColor(ToQColor(colour), &dialog, QCoreApplication::translate("FontChooser", "文字颜色"));
        if (chosen.isValid()) {
            colour = Rgb{chosen.red(), chosen.green(), chosen.blue()};
            paintSwatch();
        }
    });

    auto *buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    buttons->button(QDialogButtonBox::Ok)->setText(QCoreApplication::translate("FontChooser", "确定"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QCoreApplication::translate("FontChooser", "取消"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto *colourRow = new QHBoxLayout;
    colourRow->addWidget(new QLabel(QCoreApplication::translate("FontChooser", "颜色："), &dialog));
    colourRow->addWidget(swatch);
    colourRow->addWidget(colourButton);
    colourRow->addStretch();
    auto *layout = new QVBoxLayout(&dialog);
    layout->addWidget(fonts);
    layout->addLayout(colourRow);
    layout->addWidget(buttons);

    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return ChosenFontSpec(current, shown, fonts->currentFont(), colour);
}
