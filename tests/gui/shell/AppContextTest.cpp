// The application context in force while an application runs, and what the
// windows ask of the main window before one has registered.
#include <QTest>
#include <vector>

#include "gui/shell/AppContext.h"
#include "gui/shell/FrameServices.h"
#include "gui/shell/UiHooks.h"
#include "support/ScopedProgramState.h"

class AppContextTest : public QObject {
  Q_OBJECT
 private slots:
  void frameRequests_data();
  void frameRequests();
  void applicationContextEndsWithIt();
};

namespace {
// Counts what reaches it.
class CCountingFrame final : public CFrameServices {
 public:
  void ShowHelpForFocus() override { ++calls; }
  void ShowCommandHelp(int, QWidget*) override { ++calls; }
  void ShowTransferBusyNote() override { ++calls; }
  void UpdateCommandUI() override { ++calls; }
  bool RestartProgram() override { return ++calls > 0; }
  int calls = 0;
};

// Every request the windows make; the restart's answer.
bool AskEverything() {
  FrameServices().ShowHelpForFocus();
  FrameServices().ShowCommandHelp(32799, nullptr);
  FrameServices().ShowTransferBusyNote();
  FrameServices().UpdateCommandUI();
  return FrameServices().RestartProgram();
}
}  // namespace

void AppContextTest::frameRequests_data() {
  QTest::addColumn<bool>("registered");
  QTest::addColumn<bool>("unregistered");  // after registering
  QTest::newRow("none registered: dropped") << false << false;
  QTest::newRow("registered: all reach it") << true << false;
  QTest::newRow("gone again: dropped") << true << true;
}

void AppContextTest::frameRequests() {
  QFETCH(bool, registered);
  QFETCH(bool, unregistered);
  CAppContext context;
  CCountingFrame frame;
  if (registered) RegisterFrameServices(&frame);
  if (unregistered) RegisterFrameServices(nullptr);
  const bool reaches = registered && !unregistered;
  QCOMPARE(AskEverything(), reaches);
  QCOMPARE(frame.calls, reaches ? 5 : 0);
}

void AppContextTest::applicationContextEndsWithIt() {
  CScopedProgramState state;
  CAppContext before;
  CCountingFrame frame;
  SetMessageBoxCaption(QStringLiteral("Before"));
  int started = 0;
  SetStartProgramHook([&started](const QString&) { return ++started > 0; });
  {
    CAppContext application;
    QCOMPARE(&AppContext(), &application);
    // The run starts afresh, with the test's answers.
    QCOMPARE(MessageBoxCaption(), QStringLiteral("Program"));
    RegisterFrameServices(&frame);
    SetMessageBoxCaption(QStringLiteral("During"));
    ++application.m_nRunningTransfers;
    QVERIFY(StartProgram(QStringLiteral("no-such-program")));
    QCOMPARE(started, 1);
  }
  QCOMPARE(&AppContext(), &before);
  QCOMPARE(MessageBoxCaption(), QStringLiteral("Before"));
  QCOMPARE(before.m_nRunningTransfers, 0);
  QVERIFY(AskEverything() == false && frame.calls == 0);
  QVERIFY(StartProgram(QStringLiteral("no-such-program")));
  QCOMPARE(started, 2);
}

QTEST_MAIN(AppContextTest)
#include "AppContextTest.moc"
