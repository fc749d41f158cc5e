#include <QApplication>
#include <QStringList>

#include "app/ProgramApp.h"
#include "app/ProgramFolder.h"

int main(int argc, char** argv) {
  CProgramApp app(argc, argv);
  QStringList arguments = QApplication::arguments();
  arguments.removeFirst();
  if (!app.InitInstance(ProgramFolder(), arguments)) {
    app.ExitInstance();
    return 1;
  }
  const int status = app.Run();
  app.ExitInstance();
  return status;
}
