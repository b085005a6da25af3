// test_digest.cpp - SHA-1 and SHA-256 on either engine: the published vectors, and QtCore's results
// over every way of cutting random data into pieces.
// SPDX-License-Identifier: MIT
#include "digest/Digest.h"

#include <QtTest>

#include <random>
#include <vector>

using quil::digest::Digest;
using quil::digest::Engine;

namespace {

QByteArray DigestOf(QCryptographicHash::Algorithm algorithm, Engine engine, const QByteArray& message)
{
    Digest digest(algorithm, engine);
    digest.addData({reinterpret_cast<const std::uint8_t*>(message.constData()), std::size_t(message.size())});
    return digest.result().toHex();
}

void SkipWithoutShaExtensions(Engine engine, QCryptographicHash::Algorithm algorithm)
{
    if (engine == Engine::Fastest && !Digest(algorithm).accelerated())
        QSKIP("this CPU lacks the SHA instructions; the portable rows cover the code it runs");
}

void AddEngineRows()
{
    for (const auto& [engine, engineName] : {std::pair{Engine::Fastest, "fastest"}, {Engine::Portable, "portable"}}) {
        for (const auto& [algorithm, algorithmName] :
             {std::pair{QCryptographicHash::Sha1, "sha1"}, {QCryptographicHash::Sha256, "sha256"}})
            QTest::addRow("%s %s", engineName, algorithmName) << int(engine) << int(algorithm);
    }
}

}  // namespace

class TestDigest : public QObject {
    Q_OBJECT

private slots:
    void publishedVectors_data()
    {
        QTest::addColumn<int>("engine");
        QTest::addColumn<int>("algorithm");
        AddEngineRows();
    }

    void publishedVectors()
    {
        QFETCH(int, engine);
        QFETCH(int, algorithm);
        const auto kind = QCryptographicHash::Algorithm(algorithm);
        SkipWithoutShaExtensions(Engine(engine), kind);
        struct Vector {
            QByteArray message;
            const char* sha1;
            const char* sha256;
        };
        const Vector vectors[] = {
            {"", "da39a3ee5e6b4b0d3255bfef95601890afd80709",
             "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855"},
            {"abc", "a9993e364706816aba3e25717850c26c9cd0d89d",
             "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad"},
            {"abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq", "84983e441c3bd26ebaae4aa1f95129e5e54670f1",
             "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1"},
            {"abcdefghbcdefghicdefghijdefghijkefghijklfghijklmghijklmnhijklmnoijklmnopjklmnopqklmnopqrlmnopqrsmnopqrstnopqrstu",
             "a49b2446a02c645bf419f995b67091253a04a259",
             "cf5b16a778af8380036ce59e7b0492370b249b11e8f07a51afac45037afee9d1"},
            {QByteArray(1'000'000, 'a'), "34aa973cd4c4daa4f61eeb2bdbad27316534016f",
             "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0"},
        };
        for (const Vector& vector : vectors) {
            const char* expected = kind == QCryptographicHash::Sha1 ? vector.sha1 : vector.sha256;
            QCOMPARE(DigestOf(kind, Engine(engine), vector.message), QByteArray(expected));
        }
    }

    // Random lengths fed in random pieces cross every block boundary and leave every tail length.
    void matchesQtCoreInAnyPieces_data()
    {
        QTest::addColumn<int>("algorithm");
        QTest::newRow("sha1") << int(QCryptographicHash::Sha1);
        QTest::newRow("sha256") << int(QCryptographicHash::Sha256);
    }

    void matchesQtCoreInAnyPieces()
    {
        QFETCH(int, algorithm);
        const auto kind = QCryptographicHash::Algorithm(algorithm);
        SkipWithoutShaExtensions(Engine::Fastest, kind);
        std::mt19937 generator(17);
        for (int round = 0; round < 2000; ++round) {
            std::vector<std::uint8_t> bytes(std::uniform_int_distribution<std::size_t>(0, 1000)(generator));
            for (std::uint8_t& byte : bytes)
                byte = static_cast<std::uint8_t>(generator());
            Digest digest(kind);
            for (std::size_t at = 0; at < bytes.size();) {
                const std::size_t piece =
                    std::min(bytes.size() - at, std::uniform_int_distribution<std::size_t>(0, 150)(generator));
                digest.addData(std::span(bytes).subspan(at, piece));
                at += piece;
            }
            const QByteArray reference = QCryptographicHash::hash(
                QByteArrayView(bytes.data(), qsizetype(bytes.size())), kind);
            QCOMPARE(digest.result(), reference);
        }
    }
};

QTEST_GUILESS_MAIN(TestDigest)
#include "test_digest.moc"
