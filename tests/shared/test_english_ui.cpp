// The suite in English: chosen from the settings or the system, the translation loaded,
// and what the settings dialog stores unchanged by the language it shows.
#include "apppaths.h"
#include "configform.h"
#include "englishapplication.h"
#include "interfacelanguage.h"
#include "softsettings.h"

#include <QComboBox>
#include <QPushButton>
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
};

int main(int argc, char **argv)
{
    return RunInEnglish<TestEnglishUi>(argc, argv);
}

#include "test_english_ui.moc"
