// test_status_popup.cpp - what a double-clicked member row says.
// SPDX-License-Identifier: MIT
#include "series/RunResult.h"
#include "prompts/StatusPopup.h"

#include <QtTest>

using namespace quil;

class StatusPopupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void explainsEachStatus_data()
    {
        QTest::addColumn<MemberStatus>("status");
        QTest::addColumn<QString>("reason");
        QTest::addColumn<QString>("explanation");
        QTest::addColumn<MessageIcon>("icon");
        QTest::addColumn<HashKind>("listed");  // what the run's list gives
        QTest::newRow("OK") << MemberStatus::OK << "" << "File Is OK" << MessageIcon::Information << HashKind::Crc32;
        QTest::newRow("Missing") << MemberStatus::Missing << "" << "File Is Missing" << MessageIcon::Exclamation
                                 << HashKind::Crc32;
        QTest::newRow("Bad CRC") << MemberStatus::BadCrc << ""
                                 << "File Has A Bad CRC Value.\r\nHas 0BADC0DE, Should Be CBF43926"
                                 << MessageIcon::Exclamation << HashKind::Crc32;
        QTest::newRow("Bad CRC from a digest list") << MemberStatus::BadCrc << ""
                                                    << "File Has A Bad SHA-256 Value.\r\nHas 0BADC0DE, Should Be CBF43926"
                                                    << MessageIcon::Exclamation << HashKind::Sha256;
        QTest::newRow("Bad Size") << MemberStatus::BadSize << ""
                                  << "File Has A Different Byte Size Than Movie.rar.\r\nHas 0,060, Should Be 0,100"
                                  << MessageIcon::Exclamation << HashKind::Crc32;
        QTest::newRow("there but unreadable") << MemberStatus::Missing << "Cannot read movie.r01: Input/output error"
                                              << "File Is Missing\r\nCannot read movie.r01: Input/output error"
                                              << MessageIcon::Exclamation << HashKind::Crc32;
    }

    void explainsEachStatus()
    {
        QFETCH(MemberStatus, status);
        QFETCH(QString, reason);
        QFETCH(QString, explanation);
        QFETCH(MessageIcon, icon);
        RunResult run;
        QFETCH(HashKind, listed);
        run.SfvKind = listed;
        run.ReferenceName = "Movie.rar";
        run.SfvPath = "/nowhere/movie.sfv";  // "Should Be" is the row's, never the file read again
        run.ReferenceSize = 100;
        const StatusExplanation shown =
            ExplainMemberStatus({"movie.r01", "0,060", "0BADC0DE", status, reason, 60, "CBF43926"}, run);
        QCOMPARE(shown.text, "Status For: movie.r01\r\n\r\n" + explanation);
        QCOMPARE(shown.icon, icon);
    }
};

QTEST_GUILESS_MAIN(StatusPopupTest)
#include "test_status_popup.moc"
