// test_status_popup.cpp - what a double-clicked member row says.
#include "series/SeriesState.h"
#include "series/StatusPopup.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/TempSeries.h"

#include <QtTest>

using namespace quil;

class StatusPopupTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }

    void explainsEachStatus_data()
    {
        QTest::addColumn<int>("iconIndex");
        QTest::addColumn<QString>("explanation");
        QTest::addColumn<MessageIcon>("icon");
        QTest::newRow("OK") << 1 << "File Is OK" << MessageIcon::Information;
        QTest::newRow("Missing") << 2 << "File Is Missing" << MessageIcon::Exclamation;
        QTest::newRow("Bad CRC") << 3 << "File Has A Bad CRC Value.\r\nHas 0BADC0DE, Should Be CBF43926"
                                 << MessageIcon::Exclamation;
        QTest::newRow("Bad Size") << 4 << "File Has A Different Byte Size Than Movie.rar.\r\nHas 0,060, Should Be 0,100"
                                  << MessageIcon::Exclamation;
        QTest::newRow("no status") << 0 << "" << MessageIcon::Information;
    }

    void explainsEachStatus()
    {
        QFETCH(int, iconIndex);
        QFETCH(QString, explanation);
        QFETCH(MessageIcon, icon);
        test::TempSeries dir;
        State().SfvPath = dir.write("movie.sfv", "movie.r01 CBF43926\r\n");  // read again for "Should Be"
        State().ReferenceSize = 100;
        test::ScriptedPrompts prompts;
        ShowMemberStatus(prompts, {"movie.r01", iconIndex, "0,060", "0BADC0DE"}, "Movie.rar");
        QCOMPARE(prompts.messageTexts(), QStringList({"Status For: movie.r01\r\n\r\n" + explanation}));
        QCOMPARE(prompts.messages[0].icon, icon);
    }

};

QTEST_GUILESS_MAIN(StatusPopupTest)
#include "test_status_popup.moc"
