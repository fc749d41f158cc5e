// The window's transfers run off the GUI thread: progress arrives in order
// before the outcome, Cancel reaches the link, a second start is refused, and
// the caller's image is never touched by the link.
#include <QTest>

#include "core/link/SimHarness.h"
#include "gui/shell/TransferRunner.h"

Q_DECLARE_METATYPE(Direction)

class TransferRunnerTest : public QObject {
  Q_OBJECT
 private slots:
  void outcomes_data();
  void outcomes();
};

void TransferRunnerTest::outcomes_data() {
  QTest::addColumn<QString>("fault");  // radiosim's --fault; "no port": no device at all
  QTest::addColumn<Direction>("direction");
  QTest::addColumn<int>("cancelAfter");  // progress signals before Cancel (radio at 9600 baud); 0: never
  QTest::addColumn<int>("outcome");
  QTest::addColumn<int>("blocks");  // progress signals received
  QTest::addColumn<bool>("verify");

  QTest::newRow("read") << "" << Direction::Read << 0 << int(TransferOutcome::Succeeded) << 64 << false;
  QTest::newRow("write") << "" << Direction::Write << 0 << int(TransferOutcome::Succeeded) << 60 << false;
  QTest::newRow("silent radio") << "silent" << Direction::Read << 0 << int(TransferOutcome::CommunicationError) << 0
                                << false;
  QTest::newRow("no port") << "no port" << Direction::Write << 0 << int(TransferOutcome::PortNotOpened) << 0 << false;
  // The read-back counts its blocks anew once `verifying` has come.
  QTest::newRow("verified write") << "" << Direction::Write << 0 << int(TransferOutcome::Succeeded) << 120 << true;
  QTest::newRow("cancelled read") << "" << Direction::Read << 2 << int(TransferOutcome::Cancelled) << 2 << false;
}

void TransferRunnerTest::outcomes() {
  QFETCH(QString, fault);
  QFETCH(Direction, direction);
  QFETCH(int, cancelAfter);
  QFETCH(int, outcome);
  QFETCH(int, blocks);
  QFETCH(bool, verify);

  SimOptions options;
  options.baud = cancelAfter != 0 ? 9600 : 0;
  std::string error;
  if (!fault.isEmpty() && fault != "no port") QVERIFY(ApplyFault(fault.toStdString(), options.faults, error));
  const RadioImage radio = PatternImage(1);
  CSimHarness sim(radio, options);

  CTransferRunner runner;
  MainTransferRequest request;
  request.device = fault == "no port" ? sim.dir().file("absent") : sim.device();
  request.direction = direction;
  request.settings = FastLinkSettings();
  const RadioImage mine = PatternImage(2);

  QStringList percents;
  int verifyingAt = -1;  // progress signals before `verifying`
  connect(&runner, &CTransferRunner::verifying, this, [&] { verifyingAt = int(percents.size()); });
  connect(&runner, &CTransferRunner::progress, this, [&](int done, int total, const QString& percent) {
    QCOMPARE(done, percents.size() + 1 - std::max(verifyingAt, 0));
    QCOMPARE(total, direction == Direction::Read ? 64 : 60);
    percents << percent;
    if (percents.size() == cancelAfter) runner.Cancel();
  });
  TransferSessionResult result;
  RadioImage copy;
  int ended = 0;
  connect(&runner, &CTransferRunner::finished, this, [&](const TransferSessionResult& r, const RadioImage& image) {
    result = r;
    copy = image;
    ++ended;
  });
  TransferSteps steps;
  steps.verify = verify;
  QVERIFY(runner.Start(request, mine, steps));
  QVERIFY(CTransferRunner::AnyRunning());
  QVERIFY(!runner.Start(request, mine, steps));
  QTRY_COMPARE_WITH_TIMEOUT(ended, 1, 10000);
  QVERIFY(!runner.IsRunning());
  QVERIFY(!CTransferRunner::AnyRunning());

  QCOMPARE(int(result.transfer.outcome), outcome);
  QCOMPARE(verifyingAt, verify ? 60 : -1);
  QCOMPARE(result.verify.has_value(), verify);
  QVERIFY(result.ok() == (outcome == int(TransferOutcome::Succeeded)));
  if (cancelAfter != 0)  // the link may finish the block under way first
    QVERIFY2(percents.size() >= blocks && percents.size() < 64, qPrintable(percents.join(' ')));
  else
    QCOMPARE(percents.size(), blocks);
  if (outcome == int(TransferOutcome::Succeeded)) QCOMPARE(percents.back(), QStringLiteral("100%"));

  // The copy the link worked on: the radio's bytes only after a whole Read.
  RadioImage expected = mine;
  if (direction == Direction::Read && outcome == int(TransferOutcome::Succeeded))
    CopyRanges(MainTransferRanges(Direction::Read, false), radio, expected);
  QVERIFY(copy == expected);
}

QTEST_MAIN(TransferRunnerTest)
#include "TransferRunnerTest.moc"
