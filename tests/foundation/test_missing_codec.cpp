// Without the codec library nothing is loaded or saved, and the user is told why.
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "suiteerror.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestMissingCodec : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void loadAndSaveAreRefused()
    {
        QTemporaryDir dir;
        QVERIFY(!BindCodec(dir.path()));
        QVERIFY(!IsCodecBound());
        QVERIFY(CodecBindError().contains(QLatin1String("Quillet")));

        const QString file = dir.filePath(QStringLiteral("p.rpj"));
        QFile f(file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("keep me");
        f.close();

        QDomDocument doc = NewXmlDocument();
        doc.appendChild(doc.createElement(QStringLiteral("P")));
        try {
            SaveEncodedDocument(doc, file);
            QFAIL("saved without a codec");
        } catch (const SuiteError &e) {
            QVERIFY(e.message().contains(QLatin1String("Quillet")));
        }
        QVERIFY_THROWS_EXCEPTION(SuiteError, LoadEncodedDocument(file));
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("keep me"));
    }
};

QTEST_GUILESS_MAIN(TestMissingCodec)
#include "test_missing_codec.moc"
