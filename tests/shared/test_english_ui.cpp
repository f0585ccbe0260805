// The suite in English: chosen from the settings or the system, the translation loaded,
// and what the settings dialog stores unchanged by the language it shows.
#include "appdirarguments.h"
#include "apppaths.h"
#include "chineseui.h"
#include "colourlisteditor.h"
#include "configform.h"
#include "interfacelanguage.h"
#include "softsettings.h"
#include "veditform.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestEnglishUi : public QObject
{
    Q_OBJECT
private slots:
    void languageFollowsSettingThenSystem_data()
    {
        QTest::addColumn<QString>("setting");
        QTest::addColumn<QString>("system");
        QTest::addColumn<bool>("english");
        QTest::newRow("automatic, English system") << kLanguageAutomatic << "en_GB" << true;
        QTest::newRow("automatic, German system") << kLanguageAutomatic << "de_DE" << true;
        QTest::newRow("automatic, Chinese system") << kLanguageAutomatic << "zh_CN" << false;
        QTest::newRow("automatic, Taiwan") << kLanguageAutomatic << "zh_TW" << false;
        QTest::newRow("automatic, bare C locale") << kLanguageAutomatic << "C" << false;
        QTest::newRow("Chinese asked on an English system") << kLanguageChinese << "en_US" << false;
        QTest::newRow("English asked on a Chinese system") << kLanguageEnglish << "zh_CN" << true;
        QTest::newRow("unknown setting reads as automatic") << "Klingon" << "en_US" << true;
    }
    void languageFollowsSettingThenSystem()
    {
        QFETCH(QString, setting);
        QFETCH(QString, system);
        QFETCH(bool, english);
        QCOMPARE(ChooseInterfaceLanguage(setting, QLocale(system)) == InterfaceLanguage::English, english);
    }

    void englishIsLoaded()
    {
        QCOMPARE(QLocale().language(), QLocale::English);
        QCOMPARE(QCoreApplication::translate("TRandForm", "生成随机数"), QStringLiteral("Draw"));
    }

    // The dialog shows English names but stores the Chinese ones the other programs read.
    void settingsStoreTheSameValuesInEnglish()
    {
        TConfigForm form;
        form.show();
        auto *spliter = form.findChild<QComboBox *>(QStringLiteral("RandSpliterValue"));
        auto *language = form.findChild<QComboBox *>(QStringLiteral("LanguageValue"));
        QCOMPARE(spliter->currentData().toString(), QStringLiteral("双空格"));
        QVERIFY2(spliter->currentText().startsWith(QLatin1Char('D')), qPrintable(spliter->currentText()));
        spliter->setCurrentIndex(spliter->findData(QStringLiteral("全角分号")));
        language->setCurrentIndex(language->findData(kLanguageChinese));
        form.findChild<QPushButton *>(QStringLiteral("BOK"))->click();
        const SoftSettings stored = ReadSoftSettings();
        QCOMPARE(stored.randSpliter, QStringLiteral("全角分号"));
        QCOMPARE(stored.language, kLanguageChinese);
    }

    // The shared dialogs: every text a user sees is English.
    void sharedDialogsSpeakEnglish()
    {
        TCColorEditForm colours;
        colours.SetGradientText(QStringLiteral("255,0,0,0|0,0,255,100|Hori"));
        TVEditForm values;
        values.InsertRow(QStringLiteral("Width"), QStringLiteral("12"), TVEditForm::RowKind::Digits);
        QCOMPARE(colours.windowTitle(), QStringLiteral("Gradient Colours"));
        QCOMPARE(values.windowTitle(), QStringLiteral("Property Editor"));
        const QRegularExpression han(QStringLiteral("\\p{Han}"));
        for (QWidget *dialog : {static_cast<QWidget *>(&colours), static_cast<QWidget *>(&values)}) {
            dialog->show();
            QStringList texts{dialog->windowTitle()};
            for (QWidget *widget : dialog->findChildren<QWidget *>()) {
                if (!widget->isVisible())
                    continue;
                texts << widget->toolTip();
                if (auto *label = qobject_cast<QLabel *>(widget))
                    texts << label->text();
                else if (auto *button = qobject_cast<QAbstractButton *>(widget))
                    texts << button->text();
                else if (auto *group = qobject_cast<QGroupBox *>(widget))
                    texts << group->title();
            }
            for (const QString &text : texts)
                QVERIFY2(!text.contains(han), qPrintable(dialog->objectName() + QLatin1String(": ") + text));
        }
    }
};

int main(int argc, char **argv)
{
    qputenv("LANG", "en_US.UTF-8");
    qunsetenv("LC_ALL");
    qunsetenv("LC_MESSAGES");
    QTemporaryDir dataDir;
    SetInstallDir(QStringLiteral(SUITE_APP_DIR));
    AppDirArguments arguments(argv[0], dataDir.path());
    UseInterfaceLanguage();
    QApplication application(arguments.count, arguments.values);
    SetAppDir(dataDir.path());
    TestEnglishUi test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_english_ui.moc"
