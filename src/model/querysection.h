#pragma once

#include <QDomDocument>

#include "encodedxml.h"
#include <QStringList>
#include <QVector>

// The query section of a project document: which of the fifteen project types the
// project is and every parameter of its generation mode.
//
// QueryParams: element 0 is the generation-mode name of the type, elements 1..n the
// `Query` attribute values in the type's fixed order.
using QueryParams = QStringList;

constexpr int kProjectTypeCount = 15;

struct ProjectType
{
    int pmode;
    QString caption;       // the wizard's list text
    QString typeText;      // written to Rand/@Type
    QString mode;          // generation-mode name, element 0 of QueryParams
    QStringList attributes; // Query attributes in their fixed order
    QStringList defaults;   // the wizard's proposals, same order as attributes
};

// The table of the fifteen types, index = PMode.
const QVector<ProjectType> &ProjectTypes();
const ProjectType &ProjectTypeAt(int pmode); // pmode must be 0..14
// The wizard's list text of a type in the interface language (the stored type text
// stays Chinese).
QString ProjectTypeCaption(int pmode);

// The wizard's default QueryParams of a type (mode name + defaults).
QueryParams DefaultQueryParams(int pmode);

// Index of an attribute in QueryParams (1-based as in the list), or -1.
int QueryParamIndex(int pmode, const QString &attribute);

void WriteQuerySection(QDomDocument &document, const QueryParams &params, int pmode);

struct QuerySection
{
    int pmode = 0;
    QueryParams params;
    // A list type's list as the UTF-8 bytes of the file it was read from; its place in
    // params is then empty. Null when the list is in params.
    QByteArray listUtf8;
};
// Throws SuiteError (no RandQuery, PMode not a number or outside 0..14).
// Missing attributes read as empty text.
QuerySection ReadQuerySection(const QDomDocument &document);

// Where the attributes of the query stand: the element path that
// LoadProjectDocumentKeepingBytes takes.
const QStringList &QueryElementPath();
// The same for a document read by LoadProjectDocumentKeepingBytes with QueryElementPath:
// the list of a list type (2, 3, 7, 9) stays UTF-8 in listUtf8, other values kept as
// bytes are decoded into params.
QuerySection ReadQuerySection(const QDomDocument &document, const KeptAttributeBytes &keptQueryValues);

// The project option "可验证抽取" (a draw anyone can check afterwards): the attribute
// RandQuery/Rand/@Verifiable, "是" when on; older readers ignore it, and a project without
// it draws as always. Passwords (type 6) never carry it.
bool ReadVerifiableOption(const QDomDocument &document);
void WriteVerifiableOption(QDomDocument &document, bool verifiable);

QString EscapeListText(const QString &text);
QString UnescapeListText(const QString &text);

// The item separator for a separator name; empty for an unknown name.
QString SpliterChar(const QString &spliterName);

// The one list splitter: scans the text and ends an entry at every occurrence of the
// separator. Empty entries (two separators in a row, one at either end) stay; a text
// without the separator, or an empty separator, gives one entry; an empty text gives
// one empty entry.
QStringList SplitText(const QString &text, const QString &separator);

// Splits type 0's QueryList into one group query per group, using the group types of
// TypeList to know each group's field count (a range group's format may hold "##").
// Throws SuiteError when the text does not fit the types.
QStringList SplitGroupQueries(const QString &typeList, const QString &queryList);

// Fields of one group query ("||"-separated).
QStringList SplitGroupFields(const QString &groupQuery);

// Number of fields of a group query of the given group type, or 0 for an unknown type.
int GroupFieldCount(const QString &groupType);
