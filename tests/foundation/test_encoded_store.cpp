// Project files on disk: encoded, UTF-16 LE with BOM, saved atomically, and every
// kind of bad file refused with a message while the file stays as it was.
#include "codec.h"
#include "domutil.h"
#include "encodedxml.h"
#include "suiteerror.h"
#include "textfile.h"
#include "xmlchars.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>
#include <QTextStream>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <array>
#include <functional>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

namespace {
QDomDocument sampleDocument()
{
    QDomDocument doc = NewXmlDocument();
    QDomElement root = doc.createElement(QStringLiteral("RandProject"));
    doc.appendChild(root);
    ChildElement(root, QStringLiteral("Version")).setAttribute(QStringLiteral("Value"), QStringLiteral("2.4"));
    QDomElement query = ChildElement(ChildElement(ChildElement(root, "RandQuery"), "Rand"), "Query");
    query.setAttribute(QStringLiteral("Lists"), QStringLiteral("加权&张三:2&李四 王五:1 <\"&'>\n第二行"));
    ChildElement(root, QStringLiteral("Form")).appendChild(doc.createTextNode(QStringLiteral("文字 text")));
    return doc;
}

QByteArray readBytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The element tree as text (the declaration's quoting may differ after a parse).
QString tree(const QDomDocument &doc)
{
    QString text;
    QTextStream out(&text);
    doc.documentElement().save(out, 1);
    return text;
}

// Every attribute of the document in document order, as "element@name=value".
QStringList attributesOf(const QDomDocument &doc)
{
    QStringList found;
    std::function<void(const QDomElement &)> visit = [&](const QDomElement &element) {
        const QDomNamedNodeMap attributes = element.attributes();
        QStringList own;
        for (int a = 0; a < attributes.count(); ++a)
            own << element.tagName() + '@' + attributes.item(a).nodeName() + '=' + attributes.item(a).nodeValue();
        own.sort(); // the map's order is not the document's
        found << own;
        for (QDomElement child = element.firstChildElement(); !child.isNull(); child = child.nextSiblingElement())
            visit(child);
    };
    visit(doc.documentElement());
    return found;
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
} // namespace

class TestEncodedStore : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString path(const QString &name) const { return m_dir.filePath(name); }

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(BindCodec(QStringLiteral(SUITE_APP_DIR)), qPrintable(CodecBindError()));
    }

    void savedDocumentLoadsBackUnchanged()
    {
        const QDomDocument doc = sampleDocument();
        SaveEncodedDocument(doc, path("a.rpj"));
        const QDomDocument loaded = LoadEncodedDocument(path("a.rpj"));
        QCOMPARE(tree(loaded), tree(doc));

        // Saving over the file it came from replaces it in place.
        QDomElement root = loaded.documentElement();
        ChildElement(root, QStringLiteral("Version")).setAttribute(QStringLiteral("Author"), QStringLiteral("李老师"));
        SaveEncodedDocument(loaded, path("a.rpj"));
        QCOMPARE(tree(LoadEncodedDocument(path("a.rpj"))), tree(loaded));
    }

    void storedFormIsUtf16WithBomAndNeverPlainXml()
    {
        SaveEncodedDocument(sampleDocument(), path("b.rpj"));
        const QByteArray bytes = readBytes(path("b.rpj"));
        QVERIFY(bytes.startsWith("\xFF\xFE"));
        const QString text = DecodeText(bytes);
        QVERIFY(!text.contains(QLatin1String("RandQuery")));
        QVERIFY(!text.contains(QStringLiteral("张三")));
    }

    void failedSaveLeavesTheOldFileIntact()
    {
        SaveEncodedDocument(sampleDocument(), path("c.rpj"));
        const QByteArray before = readBytes(path("c.rpj"));

        QVERIFY_THROWS_EXCEPTION(SuiteError, SaveEncodedDocument(sampleDocument(), path("missing/c.rpj")));
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("folder.rpj")));
        QVERIFY_THROWS_EXCEPTION(SuiteError, SaveEncodedDocument(sampleDocument(), path("folder.rpj")));
        QVERIFY(QFileInfo(path("folder.rpj")).isDir());

        // A read-only folder: the replacement cannot even be prepared beside the file.
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("locked")));
        SaveEncodedDocument(sampleDocument(), path("locked/d.rpj"));
        const QByteArray lockedBefore = readBytes(path("locked/d.rpj"));
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::ExeOwner);
        if (!QFileInfo(path("locked")).isWritable()) { // root writes anyway
            QDomDocument other = sampleDocument();
            other.documentElement().setAttribute(QStringLiteral("x"), QStringLiteral("y"));
            QVERIFY_THROWS_EXCEPTION(SuiteError, SaveEncodedDocument(other, path("locked/d.rpj")));
            QCOMPARE(readBytes(path("locked/d.rpj")), lockedBefore);
        }
        QFile::setPermissions(path("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(readBytes(path("c.rpj")), before);
    }

#ifdef Q_OS_UNIX
    // A disk that fills up half way through the write: the old file must survive.
    void fullDiskDuringSaveKeepsTheOldFile()
    {
        SaveEncodedDocument(sampleDocument(), path("full.rpj"));
        const QByteArray before = readBytes(path("full.rpj"));

        QDomDocument big = sampleDocument();
        big.documentElement().setAttribute(QStringLiteral("Filler"), QString(200000, QLatin1Char('x')));
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        rlimit limit = old;
        limit.rlim_cur = 64 * 1024;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &limit), 0);
        bool refused = false;
        try {
            SaveEncodedDocument(big, path("full.rpj"));
        } catch (const SuiteError &) {
            refused = true;
        }
        setrlimit(RLIMIT_FSIZE, &old);
        QVERIFY(refused);
        QCOMPARE(readBytes(path("full.rpj")), before);
    }
#endif

    void badFilesAreRefusedAndLeftAsTheyWere_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("messagePart");

        QFile tmp(m_dir.filePath(QStringLiteral("good.rpj")));
        SaveEncodedDocument(sampleDocument(), tmp.fileName());
        const QByteArray good = readBytes(tmp.fileName());
        const QStringList goodLines = ReadTextLines(tmp.fileName());

        QTest::newRow("empty file") << QByteArray() << QStringLiteral("已损坏");
        QTest::newRow("plain xml") << sampleDocument().toByteArray() << QStringLiteral("已损坏");
        QByteArray noise(4096, '\0');
        QRandomGenerator gen(7);
        for (char &c : noise)
            c = char(gen.bounded(256));
        QTest::newRow("random bytes") << noise << QStringLiteral("已损坏");
        QTest::newRow("cut in half") << good.left(good.size() / 2) << QStringLiteral("已损坏");

        QStringList changed = goodLines;
        changed[1][5] = changed[1][5] == QLatin1Char('Q') ? QLatin1Char('R') : QLatin1Char('Q');
        QTest::newRow("one changed character") << EncodeUtf16LeWithBom(changed) << QStringLiteral("已损坏");

        QStringList plainLines = QString::fromUtf8(sampleDocument().toByteArray()).split('\n');
        QTest::newRow("another key")
            << EncodeUtf16LeWithBom(EncodeLines(plainLines, QStringLiteral("other"))) << QStringLiteral("已损坏");
        QTest::newRow("decodes to text that is not xml")
            << EncodeUtf16LeWithBom(EncodeLines({"<a>", "unclosed"}, QStringLiteral("W7+kTb3NpQ5x$-Hc2yLf4")))
            << QStringLiteral("不是有效的 XML");
        // Shapes the XML reader needs minutes for: refused at once.
        const QString deep = "<R>" + QString("<a>").repeated(100000) + QString("</a>").repeated(100000) + "</R>";
        QTest::newRow("elements nested 100,000 deep")
            << EncodeUtf16LeWithBom(EncodeLines({deep}, QStringLiteral("W7+kTb3NpQ5x$-Hc2yLf4"))) << QStringLiteral("嵌套");
        // The guard must stay cheap as well: no element of ours comes near 64 attributes.
        const auto elementWithAttributes = [](int count) {
            QString attributes;
            for (int i = 0; i < count; ++i)
                attributes += QStringLiteral(" x%1=\"1\"").arg(i);
            return EncodeUtf16LeWithBom(EncodeLines({"<R" + attributes + "/>"}, QStringLiteral("W7+kTb3NpQ5x$-Hc2yLf4")));
        };
        QTest::newRow("an element with 100,000 attributes") << elementWithAttributes(100000) << QStringLiteral("属性超过");
        QTest::newRow("an element with 65 attributes") << elementWithAttributes(65) << QStringLiteral("属性超过");
    }
    void badFilesAreRefusedAndLeftAsTheyWere()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, messagePart);
        const QString file = path(QStringLiteral("bad.rpj"));
        writeBytes(file, content);
        try {
            LoadEncodedDocument(file);
            QFAIL("a bad file was loaded");
        } catch (const SuiteError &e) {
            QVERIFY2(e.message().contains(messagePart), qPrintable(e.message()));
            QVERIFY2(e.message().contains(QLatin1String("bad.rpj")), qPrintable(e.message()));
        }
        QCOMPARE(readBytes(file), content);
        QVERIFY(!QFile::exists(path(QStringLiteral("TempFile.xml"))));
    }

    void missingFileIsNamed()
    {
        try {
            LoadEncodedDocument(path("nowhere.rpj"));
            QFAIL("a missing file was loaded");
        } catch (const SuiteError &e) {
            QVERIFY(e.message().contains(QLatin1String("nowhere.rpj")));
            QVERIFY(e.message().contains(QStringLiteral("不存在")));
        }
    }

    void whatIsNotARegularFileIsNamedForWhatItIs()
    {
        // A pipe hung the load and a device filled the memory; a folder or a link loop
        // was "missing" or an "Unknown error". Nothing is opened.
        QVERIFY(QDir(m_dir.path()).mkdir(QStringLiteral("文件夹.rpj")));
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path("zero.rpj")));
        QCOMPARE(QProcess::execute(QStringLiteral("mkfifo"), {path("pipe.rpj")}), 0);
        QVERIFY(QFile::link(path("loop2.rpj"), path("loop1.rpj")));
        QVERIFY(QFile::link(path("loop1.rpj"), path("loop2.rpj")));
        QVERIFY(QFile::link(path("gone.rpj"), path("dangling.rpj")));
        const QList<std::pair<const char *, QString>> cases = {
            {"文件夹.rpj", QStringLiteral("是一个文件夹")},         {"zero.rpj", QStringLiteral("不是普通文件")},
            {"pipe.rpj", QStringLiteral("不是普通文件")},           {"loop1.rpj", QStringLiteral("循环的符号链接")},
            {"dangling.rpj", QStringLiteral("gone.rpj”不存在")},
        };
        for (const auto &[name, reported] : cases) {
            for (const auto &load : {LoadEncodedDocument, LoadProjectDocumentAnyForm}) {
                try {
                    load(path(name));
                    QFAIL(name);
                } catch (const SuiteError &e) {
                    QVERIFY2(e.message().contains(reported), qPrintable(e.message()));
                }
            }
        }
    }

    void deeplyNestedPlainXmlIsRefused()
    {
        writeBytes(path("deep.xml"), "<R>" + QByteArray("<a>").repeated(100000) + QByteArray("</a>").repeated(100000) + "</R>");
        QVERIFY_THROWS_EXCEPTION(SuiteError, LoadProjectDocumentAnyForm(path("deep.xml")));
        // Self-closed elements, comments and declarations do not nest.
        const QByteArray flat = "<!DOCTYPE R><R>" + QByteArray("<a/><!-- <b> --><?p <c>?>").repeated(1000) + "</R>";
        writeBytes(path("flat.xml"), flat);
        QCOMPARE(LoadProjectDocumentAnyForm(path("flat.xml")).documentElement().childNodes().count(), 3000);
    }

    void hugeFilesAreRefusedUnread()
    {
        // Sparse: takes no room on disk, but reading it whole took gigabytes of memory.
        QFile huge(path("huge.rpj"));
        QVERIFY(huge.open(QIODevice::WriteOnly));
        QVERIFY(huge.resize(qint64(257) << 20));
        huge.close();
        for (auto load : {&LoadEncodedDocument, &LoadProjectDocumentAnyForm}) {
            try {
                load(huge.fileName());
                QFAIL("a huge file was loaded");
            } catch (const SuiteError &e) {
                QVERIFY2(e.message().contains(QStringLiteral("太大")), qPrintable(e.message()));
            }
        }
        QCOMPARE(huge.size(), qint64(257) << 20);
        huge.remove();
    }

    void anyFormLoaderReadsPlainAndEncoded()
    {
        SaveEncodedDocument(sampleDocument(), path("e.rpj"));
        writeBytes(path("e.xml"), sampleDocument().toByteArray());
        const QString expected = tree(sampleDocument());
        QCOMPARE(tree(LoadProjectDocumentAnyForm(path("e.rpj"))), expected);
        QCOMPARE(tree(LoadProjectDocumentAnyForm(path("e.xml"))), expected);
        KeptAttributeBytes kept;
        QCOMPARE(tree(LoadProjectDocumentKeepingBytes(path("e.rpj"), {"RandQuery", "Rand", "Query"}, &kept)), expected);
        QVERIFY(kept.isEmpty());
    }

    // Long values (the lists) take a shorter road than the rest of the document: whatever
    // the text, the result must be the XML reader's, value for value and error for error.
    void longAttributeValuesReadAsTheXmlReaderReadsThem_data()
    {
        QTest::addColumn<QString>("text");
        QString names;
        for (int i = 0; i < 800; ++i)
            names += QStringLiteral("名字%1 ").arg(i);
        const auto project = [&](const QString &value) {
            return QStringLiteral("<RandProject><RandQuery><Rand PMode=\"3\"><Query Lists=\"") + names + value
                + QStringLiteral("\" Spliter=\"空格\"/></Rand></RandQuery></RandProject>");
        };
        QTest::newRow("names") << project(QString());
        // A file this large is mapped, not read.
        QTest::newRow("names of a mapped file") << project(names.repeated(40));
        QTest::newRow("a mapped file with a raw <") << project(names.repeated(40) + "<");
        QTest::newRow("references") << project("&amp;&lt;&gt;&quot;&apos;&#65;&#x4E2D;&#x1F600;&#10;&#9;&#13;");
        QTest::newRow("tabs and line breaks") << project("a\tb\nc\r\nd\re");
        QTest::newRow("pairs, private use, quotes, >") << project(QStringLiteral("😀\uE001'a>b"));
        QTest::newRow("the mark character") << project(QStringLiteral("\uE000") + "7");
        // The mark as it stands in a short value before the long one.
        QTest::newRow("a mark in a short value") << QStringLiteral("<R><Q a=\"\uE0000\"/><Q b=\"") + names + "\"/></R>";
        // A short value that reads like a mark once its reference is decoded.
        QTest::newRow("a mark written as a reference") << "<R a=\"&#xE000;0\" b=\"" + names + "\"/>";
        QTest::newRow("a mark written in decimal") << "<R><Q a='&#57344;0'/><Q b=\"" + names + "\"/></R>";
        QTest::newRow("a mark after the long value") << "<R b=\"" + names + "\"><Q a=\"&#xe000;0\"/></R>";
        QTest::newRow("markup around") << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!-- <Q Lists=\"x\"> -->"
                                              "<R a='" + names + "\"' b=\"short\"><![CDATA[ \" ' < ]]><?pi x=\"y\"?>"
                                              "<Q Lists=\"" + names + "\">text &amp; more</Q><Q Lists=\"" + names + "b\"/></R>";
        QTest::newRow("declared entity") << "<!DOCTYPE R [<!ENTITY e \"E\">]><R a=\"" + names + "&e;\"/>";
        QTest::newRow("unknown entity") << project("&nbsp;");
        QTest::newRow("bad reference") << project("&#xD800;&# 65;");
        QTest::newRow("raw <") << project("<");
        QTest::newRow("control character") << project(QStringLiteral("\u0001"));
        QTest::newRow("lone surrogate") << project(QString(QChar(0xDC00)));
        QTest::newRow("unclosed value") << "<R a=\"" + names;
        QTest::newRow("error after a long value") << "<R a=\"" + names + "\n\n\"/>\n<Q b=c/>";
    }
    void longAttributeValuesReadAsTheXmlReaderReadsThem()
    {
        QFETCH(QString, text);
        QDomDocument expected;
        QString error;
        int line = 0;
        int column = 0;
        const bool wellFormed = expected.setContent(text, &error, &line, &column);
        try {
            const QDomDocument parsed = ParseXmlText(text, QStringLiteral("t.xml"));
            QVERIFY2(wellFormed, "the reader refuses this text");
            QCOMPARE(attributesOf(parsed), attributesOf(expected));
            QCOMPARE(tree(parsed), tree(expected));
        } catch (const SuiteError &refusal) {
            QVERIFY2(!wellFormed, qPrintable(refusal.message()));
            QVERIFY2(refusal.message().contains(QStringLiteral("第 %1 行第 %2 列").arg(line).arg(column)),
                     qPrintable(refusal.message()));
        }

        // The same text as a UTF-8 file, read keeping the query's long values as bytes:
        // with them put back, the document and any refusal are the whole reading's.
        writeBytes(path("kept.xml"), text.toUtf8());
        QString wholeRefusal;
        QDomDocument whole;
        try {
            whole = LoadProjectDocumentAnyForm(path("kept.xml"));
        } catch (const SuiteError &refusal) {
            wholeRefusal = refusal.message();
        }
        KeptAttributeBytes kept;
        try {
            QDomDocument document = LoadProjectDocumentKeepingBytes(path("kept.xml"), {"RandQuery", "Rand", "Query"}, &kept);
            QVERIFY2(wholeRefusal.isEmpty(), qPrintable(wholeRefusal));
            QDomElement query = FindChildElement(
                FindChildElement(FindChildElement(document.documentElement(), "RandQuery"), "Rand"), "Query");
            for (auto value = kept.cbegin(); value != kept.cend(); ++value) {
                QCOMPARE(query.attribute(value.key()), QString());
                query.setAttribute(value.key(), QString::fromUtf8(value.value()));
            }
            QCOMPARE(attributesOf(document), attributesOf(whole));
        } catch (const SuiteError &refusal) {
            QCOMPARE(refusal.message(), wholeRefusal);
        }
        if (QTest::currentDataTag() == QLatin1String("names"))
            QCOMPARE(kept.keys(), QStringList{"Lists"});
        if (QTest::currentDataTag() == QLatin1String("names of a mapped file")) {
            QCOMPARE(kept.keys(), QStringList{"Lists"});
            QVERIFY(kept.file);
        }
    }

    // Well-formed UTF-8 takes a faster road than other bytes: the text must be the general
    // decoder's, whatever the bytes.
    void utf8TextDecodesAsTheGeneralDecoderDecodesIt()
    {
        QString sample;
        QRandomGenerator random(5);
        for (int i = 0; i < 3000; ++i) {
            const char32_t ranges[][2] = {{0x20, 0x7E}, {0xA0, 0x7FF}, {0x4E00, 0x9FFF}, {0xE000, 0xFDCF}, {0x1F600, 0x1F64F}};
            const auto &range = ranges[random.bounded(5)];
            sample += QString::fromUcs4(std::array<char32_t, 1>{char32_t(random.bounded(range[0], range[1] + 1))}.data(), 1);
        }
        const QByteArray wellFormed = sample.toUtf8();
        const QList<QByteArray> tails{"",
                                      "\xC0\xAF",         // overlong
                                      "\xE0\x80\xAF",     // overlong
                                      "\xED\xA0\x80",     // a surrogate
                                      "\xEF\xBF\xBE",     // a noncharacter
                                      "\xF4\x90\x80\x80", // beyond U+10FFFF
                                      "\xE4\xB8",         // cut short
                                      "\x80",             // a continuation alone
                                      "\xFF"};
        for (const QByteArray &prefix : {QByteArray(), QByteArray("\xEF\xBB\xBF"), QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF")})
            for (const QByteArray &tail : tails) {
                const QByteArray bytes = prefix + wellFormed + tail;
                QStringDecoder general(QStringConverter::Utf8, QStringDecoder::Flag::Stateless);
                QString expected = general.decode(bytes);
                if (expected.startsWith(QChar(0xFEFF)))
                    expected.remove(0, 1);
                QCOMPARE(DecodeText(bytes), expected);
            }
    }

    // Long values are checked sixteen bytes at a time where the bytes allow: whatever the
    // bytes and wherever a fault falls, a value is taken as it stands exactly when the
    // XML reader would read those very characters.
    void plainValuesAreWhatTheXmlReaderReadsUnchanged()
    {
        const std::array<QByteArray, 12> wellFormed{"a", "7", " ", ">", "\"", "\xE5\x90\x8D", "\xE9\xBE\x99",
                                                     "\xC3\xA9", "\xE0\xA0\x80", "\xED\x9F\xBF", "\xEF\xBC\x8C",
                                                     "\xF0\x9F\x98\x80"};
        const std::array<QByteArray, 12> faults{"<", "&amp;", "\t", "\n", "\x01", "\x80", "\xE4\xB8",
                                                "\xED\xA0\x80", "\xEF\xBF\xBE", "\xC0\xAF", "\xFF", "\xF4\x90\x80\x80"};
        QRandomGenerator random(11);
        for (int round = 0; round < 3000; ++round) {
            QByteArray value;
            const int pieces = int(random.bounded(60));
            for (int i = 0; i < pieces; ++i)
                value += random.bounded(200) == 0 ? faults[random.bounded(int(faults.size()))]
                                                  : wellFormed[random.bounded(int(wellFormed.size()))];
            // Mostly Chinese and ASCII: the values a list holds, and the fast road's.
            if (round % 2 == 0)
                value.replace("\xC3\xA9", "\xE5\xAD\x97");
            const QByteArray quoted = QByteArray(value).replace('"', "&quot;");
            QDomDocument document;
            const bool read = !value.contains('&') && document.setContent("<a v=\"" + quoted + "\"/>");
            const bool unchanged = read && document.documentElement().attribute("v") == QString::fromUtf8(value);
            QCOMPARE(IsPlainXmlAttributeValue(value.cbegin(), value.cend()), unchanged);
        }
    }

    void textFilesHonourByteOrderMarks()
    {
        const QStringList lines{QStringLiteral("第一行"), QString(), QStringLiteral("last")};
        WriteTextLines(path("t.txt"), lines);
        QVERIFY(readBytes(path("t.txt")).startsWith("\xFF\xFE"));
        QCOMPARE(ReadTextLines(path("t.txt")), lines);

        writeBytes(path("be.txt"), QByteArray("\xFE\xFF\x4E\x2D\x00\x0A\x00\x61", 8));
        QCOMPARE(ReadTextLines(path("be.txt")), (QStringList{QStringLiteral("中"), "a"}));
        writeBytes(path("u8.txt"), QByteArray("\xEF\xBB\xBF") + QStringLiteral("中\r\nb\r\n").toUtf8());
        QCOMPARE(ReadTextLines(path("u8.txt")), (QStringList{QStringLiteral("中"), "b"}));
        writeBytes(path("plain.txt"), QStringLiteral("x\ry\n").toUtf8());
        QCOMPARE(ReadTextLines(path("plain.txt")), (QStringList{"x", "y"}));
    }
};

QTEST_GUILESS_MAIN(TestEncodedStore)
#include "test_encoded_store.moc"
