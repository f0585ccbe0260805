#pragma once

#include "generator.h"
#include "keyedstream.h"
#include "querysection.h"
#include "randengine.h"

#include <QByteArray>
#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <memory>

// A draw anyone can check. Before the draw the host publishes a commitment: a hash over
// the draw's inputs in canonical form and over the hash of a secret seed. Every batch that
// ends a draw is taken from a ChaCha20 stream keyed by the seed, optional public numbers
// known only later, and the commitment, and is appended to a certificate with a hash
// chained to the batch before. Revealing the seed at the end lets anyone recompute the
// commitment and replay every batch. The canonical form is described in the README
// ("Verifiable draws"); a change to it needs a new certificate version.

constexpr int kCertificateVersion = 1;

// One input of the canonical form: a name and its text.
struct CanonicalInput
{
    QString name;
    QString value;
};

// The inputs of a draw in canonical order: project, committed (time), type, mode, the
// query attributes of the type in their fixed order, pictureName, resultSeparator.
QList<CanonicalInput> CanonicalInputs(const QString &project, const QString &committedAt, int pmode,
                                      const QueryParams &params, const DrawSettings &settings);

// What a draw is replayed from, read back from canonical inputs. Throws SuiteError when
// the names or their order do not fit the form (naming the first input that does not).
struct DrawInputs
{
    QString project;
    QString committedAt;
    int pmode = 0;
    QueryParams params;
    QString pictureNameSetting;
    QString resultSeparator;
};
DrawInputs ReadCanonicalInputs(const QList<CanonicalInput> &inputs);

// A user-facing name of an input: "名单（Lists）", "项目类型（type）".
QString DescribeInput(const QString &name);

QByteArray Sha256(const QByteArray &bytes);
// SHA-256 of UTF-8(name) ‖ 0x00 ‖ UTF-8(value).
QByteArray InputDigest(const CanonicalInput &input);
// SHA-256 of "Zelmora verifiable draw 1" ‖ 0x00 ‖ every input digest in order ‖ SHA-256(seed).
QByteArray CommitmentOf(const QList<QByteArray> &inputDigests, const QByteArray &seedHash);
// The first 16 hex digits of the commitment in groups of four: "3f2a 9c01 77be 40d5".
QString Fingerprint(const QByteArray &commitment);
// The key of the final batches: SHA-256 of seed ‖ UTF-8(public numbers) ‖ commitment.
QByteArray FinalStreamKey(const QByteArray &seed, const QString &publicNumbers, const QByteArray &commitment);
// The hash the chain starts from: SHA-256 of commitment ‖ UTF-8(public numbers), so the
// public numbers the batches were drawn with cannot be changed unnoticed.
QByteArray ChainStart(const QByteArray &commitment, const QString &publicNumbers);
// The chain hash of a batch: SHA-256 of the previous hash (ChainStart for the first batch)
// ‖ the batch's JSON without "hash", compact, keys in alphabetical order.
QByteArray ChainHash(const QByteArray &previous, const QJsonObject &batchWithoutHash);
// The JSON form of a step: number, kind ("draw", "frame", "restore"), answers (when any),
// results, abandoned or refused.
QJsonObject StepJson(int number, const DrawStep &step);

// The live side of a verifiable draw: holds the seed and the commitment, records the
// engine's steps and writes the certificate after each of them (so a window killed during
// the draw leaves the commitment and the batches so far). Attach it to an engine with
// Attach; it must outlive the engine's draws.
class VerifiableDraw : public DrawStepLog
{
public:
    // Draws the seed from the system's generator and computes the commitment. Throws
    // SuiteError for passwords (type 6), which are never drawn from a replayable stream.
    VerifiableDraw(const QString &project, int pmode, const QueryParams &params, const DrawSettings &settings,
                   const QDateTime &committedAt = QDateTime::currentDateTime());
    // A fixed seed, for tests and the known-answer vectors.
    VerifiableDraw(const QString &project, int pmode, const QueryParams &params, const DrawSettings &settings,
                   const QDateTime &committedAt, const QByteArray &seed);
    ~VerifiableDraw() override;

    // The engine's final batches draw from this draw's stream and its steps are recorded.
    void Attach(RandEngine &engine);

    QByteArray Commitment() const { return m_commitment; }
    QString CommitmentHex() const { return QString::fromLatin1(m_commitment.toHex()); }
    QString FingerprintText() const { return Fingerprint(m_commitment); }
    int StepCount() const { return int(m_batches.size()); }
    bool Revealed() const { return m_revealed; }

    // Numbers known only after the commitment (tomorrow's lottery numbers). Accepted until
    // the first final batch draws; SuiteError after that.
    void SetPublicNumbers(const QString &text);
    QString PublicNumbers() const { return m_publicNumbers; }

    // From now on the certificate is kept in `path` after every step, and until the seed is
    // revealed the seed waits in `path` + ".seed", readable only by the user. Throws
    // SuiteError when either cannot be written.
    void KeepCertificateAt(const QString &path);
    QString CertificatePath() const { return m_certificatePath; }
    static QString SeedFilePath(const QString &certificatePath);

    // Reveals the seed: the certificate is written complete and the seed file removed.
    void Reveal();

    // The certificate (with the seed once revealed), as written to the file.
    QByteArray CertificateText() const;
    // The small commitment file the host may publish before the draw.
    QByteArray CommitmentText() const;

    void StepFinished(const DrawStep &step) override;

private:
    KeyedStreamSource &FinalStream();
    void WriteCertificate() const;
    void KeepCertificateUpToDate() const;

    class FinalStreamProxy;

    QList<CanonicalInput> m_inputs;
    QList<QByteArray> m_inputDigests;
    QByteArray m_seed;
    QByteArray m_commitment;
    QString m_publicNumbers;
    std::unique_ptr<KeyedStreamSource> m_stream;
    std::shared_ptr<RandomSource> m_finalSource;
    QList<QJsonObject> m_batches;
    QByteArray m_lastHash;
    QString m_certificatePath;
    bool m_revealed = false;
};

// Reveals the seed an unfinished certificate left beside it (a window closed by force):
// the seed goes into the certificate, which is written again, and its file is removed.
// Throws SuiteError when there is no seed file, it is malformed, or the certificate
// already holds a seed or cannot be written.
void RevealKeptSeed(const QString &certificatePath);

// The certificate file name for a project and a time: "<project> yyyy-MM-dd HH.mm.ss.zcert".
QString CertificateFileName(const QString &project, const QDateTime &when);
// A certificate path in `folder` (with a trailing "/") for a draw starting now, never one
// of an earlier certificate: "<project> (2) …" when the name is taken.
QString NewCertificatePath(const QString &folder, const QString &project);
