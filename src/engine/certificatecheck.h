#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QString>

// The verdict on a certificate of a verifiable draw: the commitment recomputed from the
// revealed inputs and seed, every step replayed and compared, the hash chain followed.
struct CertificateCheck
{
    bool consistent = false;
    // Of the commitment the certificate states ("3f2a 9c01 77be 40d5"); empty when the
    // certificate could not be read that far.
    QString fingerprint;
    QString project;
    // The public numbers the draws were keyed with: the audience compares them with the
    // real ones (tomorrow's lottery numbers).
    QString publicNumbers;
    int batches = 0;
    // The first difference found, in words: which input, which batch, which result.
    QString difference;

    // "一致：…" or "不一致：…", one paragraph.
    QString Summary() const;
    // {"result": "一致"|"不一致", "fingerprint", "project", "public", "batches", "difference"}
    QJsonObject ToJson() const;
};

// Checks the bytes of a certificate file. Never throws: whatever is wrong with the text
// (not JSON, truncated, a newer version, the seed missing, any field changed) is the
// difference of an inconsistent verdict.
CertificateCheck CheckCertificate(const QByteArray &certificateText);

// Reads and checks a certificate file; a file that cannot be read is an inconsistent
// verdict saying so.
CertificateCheck CheckCertificateFile(const QString &path);
